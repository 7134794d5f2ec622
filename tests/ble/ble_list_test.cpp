// The address list: which Bluetooth devices are listed, and that refilling it is safe while a
// write walks it.
#include "tests/ble/ble_test_support.h"

#include <thread>

namespace {

using namespace bletest;
using blekit::Call;

class BleList : public BleFixture {};

TEST_F(BleList, ListsConnectedDevicesAndLeavesOutThoseThatCannotBeRead) {
    AddMouse(kAddress1);
    int iPairedOnly = AddMouse(L"aa0000000001");
    world.SetConnected(iPairedOnly, false);
    blekit::SimDevice noSecondField = blekit::MouseDevice(kPid, L"aa0000000002");
    noSecondField.hardwareIds = {L"BTHLE\\GenericDevice"};
    world.AddDevice(noSecondField);
    blekit::SimDevice emptyField = blekit::MouseDevice(kPid, L"aa0000000003");
    emptyField.hardwareIds = {L"BTHLE\\Dev_"};
    world.AddDevice(emptyField);
    blekit::SimDevice noName = blekit::MouseDevice(kPid, L"aa0000000004");
    noName.friendlyName.clear();
    world.AddDevice(noName);
    int iStatusFails = AddMouse(L"aa0000000005");
    world.AddFault({.call = Call::DevNodeStatus, .iDevice = iStatusFails});
    // A radio: no interface, but an address in its id, so it is listed.
    blekit::SimDevice radio;
    radio.hardwareIds = {L"BTHUSB\\RADIO_11aa22bb33cc"};
    world.AddDevice(radio);
    AddMouse(kAddress2);

    device.ListConnectedDevices();

    EXPECT_EQ(device.Addresses(), (std::vector<std::wstring>{kAddress1, L"11aa22bb33cc", kAddress2}));
    EXPECT_EQ(device.AddressCount(), 3);
    EXPECT_EQ(world.OpenDeviceLists(), 0);
}

TEST_F(BleList, HoldsAtMostOneHundredAddressesAndRefillsFromScratch) {
    for (int i = 0; i < 105; ++i) {
        wchar_t szAddress[16];
        _snwprintf(szAddress, 16, L"ab%010x", i);
        AddMouse(szAddress);
    }
    device.ListConnectedDevices();
    ASSERT_EQ(device.AddressCount(), 100);
    EXPECT_EQ(device.Addresses().back(), L"ab0000000063");

    for (int i = 0; i < 104; ++i) world.RemoveDevice(i);
    device.ListConnectedDevices();
    EXPECT_EQ(device.Addresses(), std::vector<std::wstring>{L"ab0000000068"});
}

TEST_F(BleList, ARefillWhileTheWorkerWritesNeverHidesTheMouse) {
    AddMouse(kAddress1);
    LinkUp();
    device.ListConnectedDevices();
    const blekit::Bytes frame = Frame(8);

    std::atomic<bool> bDone{false};
    std::thread refiller([&] {
        while (!bDone) device.ListConnectedDevices();
    });
    int iFailed = 0;
    for (int i = 0; i < 300; ++i)
        if (device.Write(frame.data(), static_cast<int>(frame.size())) != 1) ++iFailed;
    bDone = true;
    refiller.join();

    EXPECT_EQ(iFailed, 0);
    EXPECT_EQ(world.ValueWrites().size(), 300u);
    ExpectNothingLeftOpen();
}

}  // namespace
