// The receiver manager on the simulated HID world: opening, polling, pairing by instance token,
// identification by the first report, dispatch, removal, thread limits and shut-down.
#include "tests/kit/scoped_timing.h"
#include "core/devices/receiver_manager.h"
#include "tests/devices/receiver_test_host.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

class ReceiverManager : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
    }
    void TearDown() override {
        manager.Shutdown();
        kit::ResetWorld();
    }
    // Queues a report and waits until the UI side has dispatched `count` reports in all.
    bool QueueAndDispatch(int eventId, uint8_t idByte, uint8_t event, uint16_t value, size_t count) {
        kit::QueueEvent(eventId, idByte, event, value);
        return host.PumpUntil([&] { return host.dispatched.size() >= count; });
    }
    static std::string PathOf(const HidDevicePtr& h) {
        hid_device_info* info = h ? hid_get_device_info(h.get()) : nullptr;
        return info != nullptr ? info->path : "";
    }

    ScopedTiming timing;  // declared first: the table is put back after the manager has gone
    ReceiverTestHost host;
    CReceiverManager manager{host};
};

TEST_F(ReceiverManager, FirstReportIdentifiesTheModelAndHandsItTheReceiver) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    EXPECT_EQ(manager.DeviceCount(ReceiverKind::Wireless), 1);
    EXPECT_EQ(manager.OSDCount(ReceiverKind::Wireless), 1);
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless), 1);
    EXPECT_EQ(manager.SlotModel(ReceiverKind::Wireless, 0), -1);

    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x36, 0x10, 2, 1));
    ASSERT_EQ(host.assigned.size(), 1u);
    EXPECT_EQ(host.assigned[0].iModel, 10);
    EXPECT_EQ(PathOf(host.assigned[0].hDevice), r.commandPath);
    EXPECT_EQ(PathOf(host.assigned[0].hOSDDevice), r.eventPath);
    EXPECT_EQ(host.dispatched[0].iModel, 10);
    EXPECT_EQ(kit::Hex(host.dispatched[0].report), "03 36 10 02 00");
    EXPECT_EQ(manager.SlotModel(ReceiverKind::Wireless, 0), 10);

    // Further reports go to the same model without a new assignment, whatever id byte they carry.
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x10, 0x40, 55, 2));
    EXPECT_EQ(host.dispatched[1].iModel, 10);
    EXPECT_EQ(host.dispatched[1].report[1], 0x10);
    EXPECT_EQ(host.assigned.size(), 1u);
}

TEST_F(ReceiverManager, AnUnknownIdByteFixesTheSlotAsNoneUntilTheNextOpening) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    kit::QueueEvent(r.eventId, 0x99, 0x10, 1);
    ASSERT_TRUE(host.PumpUntil([&] { return manager.SlotModel(ReceiverKind::Wireless, 0) == 0; }));
    kit::QueueEvent(r.eventId, 0x36, 0x10, 1);
    ASSERT_TRUE(host.PumpUntil([&] { return simhid_pending_input(r.eventId) == 0; }));
    host.PumpFor(50);
    EXPECT_TRUE(host.assigned.empty());
    EXPECT_TRUE(host.dispatched.empty());

    manager.OpenWirelessReceivers();
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x36, 0x10, 1, 1));
    EXPECT_EQ(host.assigned.size(), 1u);
    EXPECT_EQ(host.dispatched[0].iModel, 10);
}

TEST_F(ReceiverManager, OnlyEventReportsAreDispatchedButAnyFirstReportIdentifies) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    kit::QueueReport(r.eventId, {0x05, 0x20, 0x10, 0x00, 0x00});  // report id 5, MS_2's id byte
    ASSERT_TRUE(host.PumpUntil([&] { return host.assigned.size() == 1; }));
    EXPECT_EQ(host.assigned[0].iModel, 2);
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x20, 0x20, 3, 1));
    ASSERT_EQ(host.dispatched.size(), 1u);
    EXPECT_EQ(host.dispatched[0].report[0], 3);
}

TEST_F(ReceiverManager, TwoReceiversOfOneKindPairEachWithItsOwnCommandInterface) {
    const kit::Receiver a = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver b = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless), 2);
    ASSERT_TRUE(QueueAndDispatch(b.eventId, 0x10, 0x10, 1, 1));
    ASSERT_TRUE(QueueAndDispatch(a.eventId, 0x36, 0x10, 1, 2));
    ASSERT_EQ(host.assigned.size(), 2u);
    EXPECT_EQ(host.assigned[0].iModel, 1);
    EXPECT_EQ(PathOf(host.assigned[0].hDevice), b.commandPath);
    EXPECT_EQ(host.assigned[1].iModel, 10);
    EXPECT_EQ(PathOf(host.assigned[1].hDevice), a.commandPath);
}

TEST_F(ReceiverManager, FourKReceiverKnowsOnlyTheFourKModels) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    const kit::Receiver other = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    manager.OpenWireless4kReceivers();
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless4k), 2);
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless), 0);

    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x37, 0x10, 1, 1));  // MS_11, 4K index 4
    ASSERT_EQ(host.assigned.size(), 1u);
    EXPECT_EQ(host.assigned[0].kind, ReceiverKind::Wireless4k);
    EXPECT_EQ(host.assigned[0].iModel, 11);
    EXPECT_EQ(host.dispatched[0].iModel, 11);

    kit::QueueEvent(other.eventId, 0x36, 0x10, 1);  // MS_10 has no 4K link
    ASSERT_TRUE(host.PumpUntil([&] { return manager.SlotModel(ReceiverKind::Wireless4k, 1) == 0; }));
    EXPECT_EQ(host.assigned.size(), 1u);
}

TEST_F(ReceiverManager, PollingThreadsAreLimitedPerKind) {
    for (int i = 0; i < 26; ++i) kit::PlugReceiver(kit::ReceiverKind::Wireless);
    for (int i = 0; i < 15; ++i) kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    manager.OpenWirelessReceivers();
    manager.OpenWireless4kReceivers();
    EXPECT_EQ(manager.OSDCount(ReceiverKind::Wireless), 26);
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless), 24);
    EXPECT_EQ(manager.OSDCount(ReceiverKind::Wireless4k), 15);
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless4k), 13);
}

TEST_F(ReceiverManager, RemovalOfTheCommandInterfaceDropsTheModelsLinkAtOnce) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x36, 0x10, 1, 1));

    // Names that are not this kind's receiver change nothing.
    const std::wstring command(r.commandPath.begin(), r.commandPath.end());
    manager.OnWireless4kReceiverRemoved(command);
    std::wstring lowerVendor = command;
    lowerVendor.replace(lowerVendor.find(L"VID_1D57"), 8, L"vid_1d57");
    manager.OnWirelessReceiverRemoved(lowerVendor);
    EXPECT_TRUE(host.removed.empty());

    kit::UnplugReceiver(r);
    manager.OnWirelessReceiverRemoved(command);
    ASSERT_EQ(host.removed.size(), 1u);
    EXPECT_EQ(host.removed[0].second, 10);

    // The event interface goes too: its thread finds no handle and reads nothing more.
    const std::wstring event(r.eventPath.begin(), r.eventPath.end());
    manager.OnWirelessReceiverRemoved(event);
    EXPECT_EQ(host.removed.size(), 1u);
}

TEST_F(ReceiverManager, ReplugOpensAgainAndIdentifiesAgain) {
    kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x36, 0x10, 1, 1));
    const std::wstring command(r.commandPath.begin(), r.commandPath.end());
    kit::UnplugReceiver(r);
    manager.OnWirelessReceiverRemoved(command);

    r = kit::PlugReceiver(kit::ReceiverKind::Wireless, r.token);
    manager.OpenWirelessReceivers();
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x36, 0x20, 2, 2));
    ASSERT_EQ(host.assigned.size(), 2u);
    EXPECT_EQ(host.assigned[1].iModel, 10);
    EXPECT_EQ(PathOf(host.assigned[1].hDevice), r.commandPath);
}

TEST_F(ReceiverManager, ReportsReadByAnEarlierOpeningAreDropped) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    kit::QueueEvent(r.eventId, 0x36, 0x10, 1);
    // Let the polling thread read it, but do not run the UI side yet.
    const ULONGLONG end = GetTickCount64() + 5000;
    while (simhid_pending_input(r.eventId) != 0 && GetTickCount64() < end) Sleep(1);
    ASSERT_EQ(simhid_pending_input(r.eventId), 0);
    manager.OpenWirelessReceivers();
    host.PumpFor(50);
    EXPECT_TRUE(host.assigned.empty());
    EXPECT_TRUE(host.dispatched.empty());
}

TEST_F(ReceiverManager, AcknowledgementIsRecordedOnThePollingThreadOnceIdentified) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    kit::QueueEvent(r.eventId, 0x36, 0x50, 0);  // identifies; too early to be recorded
    ASSERT_TRUE(host.PumpUntil([&] { return host.dispatched.size() == 1; }));
    EXPECT_TRUE(host.Acks().empty());

    kit::QueueEvent(r.eventId, 0x36, 0x50, 0);
    // Recorded without the UI thread running anything.
    const ULONGLONG end = GetTickCount64() + 5000;
    while (host.Acks().empty() && GetTickCount64() < end) Sleep(1);
    const auto acks = host.Acks();
    ASSERT_EQ(acks.size(), 1u);
    EXPECT_EQ(acks[0].iModel, 10);
    EXPECT_EQ(acks[0].iWord, 0x5036);
    EXPECT_EQ(acks[0].iValue, 0);
    EXPECT_NE(acks[0].dwThreadId, GetCurrentThreadId());
    EXPECT_EQ(host.dispatched.size(), 1u);
}

TEST_F(ReceiverManager, ShutdownWhileReportsStreamInEndsEveryThreadAndCallsNothingAfterwards) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver q = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    manager.OpenWirelessReceivers();
    manager.OpenWireless4kReceivers();
    std::atomic<bool> bRun{true};
    std::thread mouse([&] {
        while (bRun) {
            kit::QueueEvent(r.eventId, 0x36, 0x50, 0);
            kit::QueueEvent(q.eventId, 0x37, 0x10, 1);
            Sleep(1);
        }
    });
    ASSERT_TRUE(host.PumpUntil([&] { return host.dispatched.size() > 10; }));
    manager.Shutdown();
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless), 0);
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless4k), 0);
    const size_t dispatched = host.dispatched.size();
    const size_t acks = host.Acks().size();
    host.PumpFor(50);
    bRun = false;
    mouse.join();
    EXPECT_EQ(host.dispatched.size(), dispatched);
    EXPECT_EQ(host.Acks().size(), acks);
    manager.OpenWirelessReceivers();  // after shut-down nothing opens again
    EXPECT_EQ(manager.PollingThreadCount(ReceiverKind::Wireless), 0);
}

TEST_F(ReceiverManager, HandlesOfAnEarlierOpeningCloseOnceNobodyHoldsThem) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    manager.OpenWirelessReceivers();
    ASSERT_TRUE(QueueAndDispatch(r.eventId, 0x36, 0x10, 1, 1));
    EXPECT_EQ(simhid_open_handles(r.commandId), 1);
    EXPECT_EQ(simhid_open_handles(r.eventId), 1);

    manager.OpenWirelessReceivers();  // a second opening: the page still holds the first handles
    EXPECT_EQ(simhid_open_handles(r.commandId), 2);
    host.assigned.clear();  // the page lets go of them (it is given the new ones)
    EXPECT_EQ(simhid_open_handles(r.commandId), 1);
    EXPECT_EQ(simhid_open_handles(r.eventId), 1);
}

}  // namespace
