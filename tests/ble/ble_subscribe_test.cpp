// Subscribe and Unsubscribe: which characteristics get their notifications switched on, the
// registrations kept and ended, and notifications reaching the callback.
#include "tests/ble/ble_test_support.h"

namespace {

using namespace bletest;
using blekit::Call;

class BleSubscribe : public BleFixture {};

TEST_F(BleSubscribe, DoesNothingWhileTheLinkIsDown) {
    AddMouse(kAddress1);
    EXPECT_EQ(device.Subscribe(RecordNotification), 0);
    EXPECT_FALSE(device.IsSubscribed());
    EXPECT_EQ(world.CallCount(Call::GetClassDevs), 0);
}

TEST_F(BleSubscribe, SwitchesNotificationsOnAndRegistersFee4WithoutContext) {
    int iMouse = AddMouse(kAddress1);
    LinkUp();

    EXPECT_EQ(device.Subscribe(RecordNotification), 0);

    const std::vector<blekit::DescriptorWrite> descriptors = world.DescriptorWrites();
    ASSERT_EQ(descriptors.size(), 1u);
    EXPECT_EQ(descriptors[0].wDescriptor, blekit::kMouseConfigHandle);
    EXPECT_EQ(descriptors[0].type, ClientCharacteristicConfiguration);
    EXPECT_TRUE(descriptors[0].bNotify);
    EXPECT_EQ(descriptors[0].flags, 0u);

    const std::vector<blekit::ActiveRegistration> registrations = world.Registrations();
    ASSERT_EQ(registrations.size(), 1u);
    EXPECT_EQ(registrations[0].iDevice, iMouse);
    EXPECT_EQ(registrations[0].wCharacteristic, blekit::kMouseNotifyHandle);
    EXPECT_EQ(registrations[0].pContext, nullptr);
    EXPECT_EQ(device.GattEvent(), registrations[0].hEvent);
    EXPECT_EQ(device.AddressCount(), 1) << "Subscribe lists the addresses first";
    ExpectNothingLeftOpen();
    EXPECT_EQ(traces.Count(L"iIdnex = 1\r\n"), 1);
}

TEST_F(BleSubscribe, ANotificationFromAForeignThreadReachesTheCallback) {
    int iMouse = AddMouse(kAddress1);
    LinkUp();
    device.Subscribe(RecordNotification);

    EXPECT_EQ(world.Notify(iMouse, {0x37, 0x10, 0x02, 0x00}), 1);

    const std::vector<Notification> received = TakeNotifications();
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].type, CharacteristicValueChangedEvent);
    EXPECT_EQ(received[0].value, (blekit::Bytes{0x37, 0x10, 0x02, 0x00}));
    EXPECT_EQ(received[0].pContext, nullptr);
    EXPECT_EQ(received[0].dwThreadId, world.NotifierThreadId());
    EXPECT_NE(received[0].dwThreadId, GetCurrentThreadId());
}

TEST_F(BleSubscribe, TwoMatchingDevicesAreBothRegisteredAndBothEnded) {
    int iFirst = AddMouse(kAddress1);
    int iSecond = AddMouse(kAddress2);
    LinkUp();

    device.Subscribe(RecordNotification);

    const std::vector<blekit::ActiveRegistration> registrations = world.Registrations();
    ASSERT_EQ(registrations.size(), 2u);
    EXPECT_EQ(device.RegistrationCount(), 2u);
    BLUETOOTH_GATT_EVENT_HANDLE hSecond =
        registrations[0].iDevice == iSecond ? registrations[0].hEvent : registrations[1].hEvent;
    EXPECT_EQ(device.GattEvent(), hSecond) << "the last registration tells the page it is subscribed";
    EXPECT_EQ(world.Notify(iFirst, {1, 2, 3, 4}), 1);
    EXPECT_EQ(world.Notify(iSecond, {5, 6, 7, 8}), 1);

    device.Unsubscribe();

    EXPECT_TRUE(world.Registrations().empty());
    EXPECT_FALSE(device.IsSubscribed());
    EXPECT_EQ(traces.Count(L"BluetoothGATTUnregisterEvent Success\r\n"), 2);
    EXPECT_EQ(world.Notify(iFirst, {1, 2, 3, 4}), 0);
    EXPECT_EQ(world.Notify(iSecond, {5, 6, 7, 8}), 0);
    EXPECT_EQ(TakeNotifications().size(), 2u) << "only the two sent while subscribed";
}

TEST_F(BleSubscribe, SubscribingAgainEndsTheOldRegistrationFirst) {
    int iMouse = AddMouse(kAddress1);
    LinkUp();
    device.Subscribe(RecordNotification);
    BLUETOOTH_GATT_EVENT_HANDLE hOld = device.GattEvent();

    device.Subscribe(RecordNotification);

    const std::vector<blekit::ActiveRegistration> registrations = world.Registrations();
    ASSERT_EQ(registrations.size(), 1u);
    EXPECT_NE(registrations[0].hEvent, hOld);
    EXPECT_EQ(device.GattEvent(), registrations[0].hEvent);
    EXPECT_EQ(world.Notify(iMouse, {1, 2, 3, 4}), 1) << "one notification, not two";
}

TEST_F(BleSubscribe, AFailedUnregistrationIsForgottenAllTheSame) {
    AddMouse(kAddress1);
    LinkUp();
    device.Subscribe(RecordNotification);
    world.AddFault({.call = Call::UnregisterEvent, .iTimes = 1});

    device.Unsubscribe();

    EXPECT_FALSE(device.IsSubscribed());
    EXPECT_EQ(traces.Count(L"BluetoothGATTUnregisterEvent Success\r\n"), 0);
    device.Unsubscribe();
    EXPECT_EQ(world.CallCount(Call::UnregisterEvent), 1) << "ended once, not retried";
}

TEST_F(BleSubscribe, DestroyingTheDeviceEndsItsRegistrations) {
    int iMouse = AddMouse(kAddress1);
    {
        CBleDevice owner;
        owner.SetMatchStrings(kBleVendorMatch, kPid);
        owner.Subscribe(RecordNotification);
        ASSERT_EQ(world.Registrations().size(), 1u);
    }
    EXPECT_TRUE(world.Registrations().empty());
    EXPECT_EQ(world.Notify(iMouse, {1, 2, 3, 4}), 0);
}

TEST_F(BleSubscribe, WritesEveryDescriptorBelowHandle0xFF) {
    blekit::SimDevice mouse = blekit::MouseDevice(kPid, kAddress1);
    std::vector<blekit::SimDescriptor>& descriptors = mouse.services[0].characteristics[1].descriptors;
    descriptors.push_back({0x00FE, CharacteristicUserDescription, 0x2901});
    descriptors.push_back({0x00FF, ClientCharacteristicConfiguration, blekit::kClientConfigurationUuid});
    descriptors.push_back({0x0120, CharacteristicFormat, 0x2904});
    world.AddDevice(mouse);
    LinkUp();

    device.Subscribe(RecordNotification);

    std::vector<USHORT> written;
    for (const blekit::DescriptorWrite& w : world.DescriptorWrites()) {
        written.push_back(w.wDescriptor);
        EXPECT_EQ(w.type, ClientCharacteristicConfiguration);
        EXPECT_TRUE(w.bNotify);
    }
    EXPECT_EQ(written, (std::vector<USHORT>{blekit::kMouseConfigHandle, 0x00FE}));
}

TEST_F(BleSubscribe, LeavesOutDisconnectedForeignAndUnreadableDevices) {
    int iPairedOnly = AddMouse(L"aa0000000001");
    world.SetConnected(iPairedOnly, false);
    AddMouse(L"aa0000000002", kOtherPid);
    int iNoDescriptors = AddMouse(L"aa0000000003");
    world.AddFault({.call = Call::GetDescriptors, .iDevice = iNoDescriptors});
    int iGood = AddMouse(kAddress1);
    LinkUp();

    device.Subscribe(RecordNotification);

    const std::vector<blekit::ActiveRegistration> registrations = world.Registrations();
    ASSERT_EQ(registrations.size(), 1u);
    EXPECT_EQ(registrations[0].iDevice, iGood);
    EXPECT_EQ(traces.Count(L"iIdnex = 4\r\n"), 1) << "every interface is counted";
    ExpectNothingLeftOpen();
}

TEST_F(BleSubscribe, AFailedRegistrationLeavesThePageUnsubscribed) {
    AddMouse(kAddress1);
    LinkUp();
    world.AddFault({.call = Call::RegisterEvent, .hr = E_ACCESSDENIED, .iTimes = 1});

    device.Subscribe(RecordNotification);
    EXPECT_FALSE(device.IsSubscribed());
    EXPECT_TRUE(traces.AnyContains(L"BluetoothGATTRegisterEvent - Actual Data 80070005"));

    device.Subscribe(RecordNotification);
    EXPECT_TRUE(device.IsSubscribed()) << "the page's timer may try again";
}

}  // namespace
