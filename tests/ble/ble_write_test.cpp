// Write: which device and characteristic a frame goes to, what reaches the mouse, and what
// happens when a step fails.
#include "tests/ble/ble_test_support.h"

namespace {

using namespace bletest;
using blekit::Call;

class BleWrite : public BleFixture {
protected:
    int Send(const blekit::Bytes& frame) { return device.Write(frame.data(), static_cast<int>(frame.size())); }
};

TEST_F(BleWrite, DoesNothingWhileTheLinkIsDown) {
    AddMouse(kAddress1);
    const blekit::Bytes frame = Frame(8);
    EXPECT_EQ(Send(frame), 0);
    device.SetMatchStrings(kBleVendorMatch, L"");
    EXPECT_EQ(Send(frame), 0);
    LinkUp();
    device.ClearMatchStrings();
    EXPECT_EQ(Send(frame), 0);
    EXPECT_EQ(world.CallCount(Call::GetClassDevs), 0) << "no device walk while the link is down";
}

TEST_F(BleWrite, AFrameOf131BytesReachesCharacteristicFee3WholeAsAPlainWriteRequest) {
    int iMouse = AddMouse(kAddress1);
    LinkUp();
    const blekit::Bytes frame = Frame(131);

    EXPECT_EQ(Send(frame), 1);

    const std::vector<blekit::ValueWrite> writes = world.ValueWrites();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].iDevice, iMouse);
    EXPECT_EQ(writes[0].wCharacteristic, blekit::kMouseWriteHandle);
    EXPECT_EQ(writes[0].data, frame);
    EXPECT_EQ(writes[0].reliableContext, 0u) << "written outside the reliable-write transaction";
    EXPECT_EQ(writes[0].flags, 0u);
    EXPECT_EQ(world.CallCount(Call::BeginReliableWrite), 1);
    EXPECT_EQ(world.CallCount(Call::EndReliableWrite), 1);
    ExpectNothingLeftOpen();
    EXPECT_EQ(traces.Count(L"Write Success!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\r\n"), 1);
    EXPECT_TRUE(traces.AnyContains(blekit::InterfacePathFor(kPid, kAddress1))) << "the path is traced as wide text";
}

TEST_F(BleWrite, TakesFramesUpTo996Bytes) {
    AddMouse(kAddress1);
    LinkUp();
    struct {
        int iLength;
        int iExpected;
    } cases[] = {{1, 1}, {996, 1}, {997, 0}, {1000, 0}, {0, 0}, {-1, 0}};
    const blekit::Bytes frame = Frame(1000);
    size_t expectedWrites = 0;
    for (const auto& c : cases) {
        EXPECT_EQ(device.Write(frame.data(), c.iLength), c.iExpected) << c.iLength;
        if (c.iExpected) {
            ++expectedWrites;
            ASSERT_EQ(world.ValueWrites().size(), expectedWrites);
            EXPECT_EQ(world.ValueWrites().back().data, blekit::Bytes(frame.begin(), frame.begin() + c.iLength));
        }
    }
    EXPECT_EQ(world.ValueWrites().size(), expectedWrites);
    EXPECT_EQ(device.Write(nullptr, 8), 0);
}

TEST_F(BleWrite, ListsTheAddressesItselfWhenNoneAreListedYet) {
    AddMouse(kAddress1);
    LinkUp();
    ASSERT_EQ(device.AddressCount(), 0);
    EXPECT_EQ(Send(Frame(8)), 1) << "the first frame after link-up must not vanish";
    EXPECT_EQ(device.AddressCount(), 1);
}

TEST_F(BleWrite, TheFirstFrameAfterTheLinkComesBackReachesAMouseWithANewAddress) {
    const int iFirst = AddMouse(kAddress1);
    LinkUp();
    ASSERT_EQ(Send(Frame(8)), 1);
    device.ClearMatchStrings();  // link down; the mouse comes back under another address
    world.RemoveDevice(iFirst);
    const int iSecond = AddMouse(kAddress2);
    LinkUp();
    EXPECT_EQ(Send(Frame(8)), 1);
    ASSERT_FALSE(world.ValueWrites().empty());
    EXPECT_EQ(world.ValueWrites().back().iDevice, iSecond);
}

TEST_F(BleWrite, UsesTheListedAddressesWithoutWalkingTheDevicesAgain) {
    AddMouse(kAddress1);
    LinkUp();
    device.ListConnectedDevices();
    int iListsBefore = world.CallCount(Call::GetClassDevs);
    EXPECT_EQ(Send(Frame(8)), 1);
    EXPECT_EQ(world.CallCount(Call::GetClassDevs), iListsBefore + 1) << "only the interface walk";
}

TEST_F(BleWrite, WritesOnlyTheFirstServicesWritableFee3) {
    // 0xFEE3 only in the second service: never written.
    blekit::SimDevice secondService = blekit::MouseDevice(kPid, kAddress1);
    blekit::SimCharacteristic fee3 = secondService.services[0].characteristics[0];
    fee3.wHandle = 0x0021;
    blekit::SimService extra{blekit::ShortUuid(0x1800), 0x0020, {fee3}};
    secondService.services[0].characteristics.erase(secondService.services[0].characteristics.begin());
    secondService.services.push_back(extra);
    world.AddDevice(secondService);
    LinkUp();
    EXPECT_EQ(Send(Frame(8)), 0);

    // 0xFEE3 that cannot be written: passed over for the writable one after it.
    blekit::SimDevice readOnlyFirst = blekit::MouseDevice(kPid, kAddress2);
    blekit::SimCharacteristic readOnly = readOnlyFirst.services[0].characteristics[0];
    readOnly.wHandle = 0x0009;
    readOnly.bWritable = false;
    readOnlyFirst.services[0].characteristics.insert(readOnlyFirst.services[0].characteristics.begin(), readOnly);
    int iReadOnlyFirst = world.AddDevice(readOnlyFirst);
    device.ListConnectedDevices();
    EXPECT_EQ(Send(Frame(8)), 1);

    const std::vector<blekit::ValueWrite> writes = world.ValueWrites();
    ASSERT_EQ(writes.size(), 1u);
    EXPECT_EQ(writes[0].iDevice, iReadOnlyFirst);
    EXPECT_EQ(writes[0].wCharacteristic, blekit::kMouseWriteHandle);
    ExpectNothingLeftOpen();
}

TEST_F(BleWrite, WritesOnlyAConnectedMouseOfItsOwnModel) {
    int iPairedOnly = AddMouse(kAddress1);
    world.SetConnected(iPairedOnly, false);
    AddMouse(kAddress2, kOtherPid);
    LinkUp();
    EXPECT_EQ(Send(Frame(8)), 0);
    EXPECT_TRUE(world.ValueWrites().empty());
    EXPECT_EQ(world.CallCount(Call::CreateFile), 0) << "neither interface matched";

    world.SetConnected(iPairedOnly, true);
    device.ListConnectedDevices();
    EXPECT_EQ(Send(Frame(8)), 1);
    ASSERT_EQ(world.ValueWrites().size(), 1u);
    EXPECT_EQ(world.ValueWrites()[0].iDevice, iPairedOnly);
}

TEST_F(BleWrite, StopsAfterTheFirstDeviceThatAcceptsAndTriesTheNextOnFailure) {
    int iFirst = AddMouse(kAddress1);
    int iSecond = AddMouse(kAddress2);
    LinkUp();

    EXPECT_EQ(Send(Frame(8)), 1);
    ASSERT_EQ(world.ValueWrites().size(), 1u);
    EXPECT_EQ(world.ValueWrites()[0].iDevice, iFirst);

    world.AddFault({.call = Call::SetCharacteristicValue, .iDevice = iFirst, .iTimes = 1});
    EXPECT_EQ(Send(Frame(8)), 1);
    ASSERT_EQ(world.ValueWrites().size(), 2u);
    EXPECT_EQ(world.ValueWrites()[1].iDevice, iSecond);
    EXPECT_EQ(traces.Count(L"Write fail!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\r\n"), 1);
    ExpectNothingLeftOpen();
}

struct FailureCase {
    const char* pszName;
    blekit::Fault fault;
    bool bValueReachesDevice;
};

class BleWriteFailure : public BleWrite, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(BleWriteFailure, ReportsZeroAndLeavesNothingOpen) {
    AddMouse(kAddress1);
    LinkUp();
    device.ListConnectedDevices();
    world.AddFault(GetParam().fault);
    EXPECT_EQ(Send(Frame(8)), 0);
    EXPECT_EQ(world.ValueWrites().empty(), !GetParam().bValueReachesDevice);
    ExpectNothingLeftOpen();
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BleWriteFailure,
    ::testing::Values(FailureCase{"InterfaceListFails", {.call = Call::GetClassDevs}, false},
                      FailureCase{"OpenFails", {.call = Call::CreateFile}, false},
                      FailureCase{"ServiceCountFails", {.call = Call::GetServices}, false},
                      FailureCase{"ServiceFetchFails", {.call = Call::GetServices, .bFetchOnly = true}, false},
                      FailureCase{"CharacteristicCountFails", {.call = Call::GetCharacteristics}, false},
                      FailureCase{"CharacteristicsComeBackShort",
                                  {.call = Call::GetCharacteristics, .bShortFetch = true}, false},
                      FailureCase{"ReliableWriteCannotBegin", {.call = Call::BeginReliableWrite}, false},
                      FailureCase{"ValueRejected", {.call = Call::SetCharacteristicValue}, false}),
    [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
