// The simulated device world, exercised through the hidapi API only.
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>
#include <hidapi.h>

#include <windows.h>

#include <thread>

namespace {

class SimHid : public ::testing::Test {
protected:
    void SetUp() override { kit::ResetWorld(); }
    void TearDown() override { kit::ResetWorld(); }
};

struct Entry {
    std::string path;
    unsigned short pid, usagePage, usage;
};

std::vector<Entry> Enumerate(unsigned short vid, unsigned short pid) {
    std::vector<Entry> result;
    hid_device_info* list = hid_enumerate(vid, pid);
    for (hid_device_info* p = list; p != nullptr; p = p->next) result.push_back({p->path, p->product_id, p->usage_page, p->usage});
    hid_free_enumeration(list);
    return result;
}

TEST_F(SimHid, EnumeratesReceiverInterfacesBeforeInitWithTheirUsages) {
    kit::PlugReceiver(kit::ReceiverKind::Wireless, "11aa22bb");
    kit::PlugReceiver(kit::ReceiverKind::Wireless4k, "33cc44dd");
    kit::PlugCableMouse(0xFA79);

    const auto receivers = Enumerate(0x1D57, 0xFA60);
    ASSERT_EQ(receivers.size(), 2u);
    EXPECT_EQ(receivers[0].usagePage, 0x000B);
    EXPECT_EQ(receivers[0].usage, 0);
    EXPECT_EQ(receivers[1].usagePage, 0x000A);
    EXPECT_EQ(receivers[1].usage, 0);
    EXPECT_EQ(receivers[0].path, "\\\\?\\HID#VID_1D57&PID_FA60&MI_01&Col01#7&11aa22bb&0&0000#"
                                 "{4d1e55b2-f16f-11cf-88cb-001111000030}");

    const auto fast = Enumerate(0x1D57, 0xFA65);
    ASSERT_EQ(fast.size(), 2u);
    EXPECT_EQ(fast[0].usagePage, 0xFF00);
    EXPECT_EQ(fast[0].usage, 1);
    EXPECT_EQ(fast[1].usagePage, 0x000A);

    EXPECT_EQ(Enumerate(0x1D57, 0).size(), 5u);  // product 0 matches any
    EXPECT_EQ(Enumerate(0x1D57, 0xFA79).size(), 1u);
    EXPECT_EQ(Enumerate(0x045E, 0).size(), 0u);
    EXPECT_EQ(simhid_init_calls(), 0);
}

TEST_F(SimHid, InitResultIsChosenByTheTest) {
    EXPECT_EQ(hid_init(), 0);
    simhid_set_init_result(-1);
    EXPECT_EQ(hid_init(), -1);
    EXPECT_EQ(simhid_init_calls(), 2);
}

// hidapi's unguarded calls (set-up, enumeration, opening) note a call that begins while another
// thread is inside one of them; calls one after the other, a call within another and hidapi's
// other calls are no overlap. A reset forgets the count and the pause.
TEST_F(SimHid, CountsUnguardedCallsThatBeginWhileAnotherThreadIsInsideOne) {
    const kit::CableMouse m = kit::PlugCableMouse(0xFA61);
    simhid_set_unsafe_call_pause(100);
    EXPECT_EQ(hid_init(), 0);
    EXPECT_EQ(Enumerate(0x1D57, 0).size(), 1u);
    hid_device* byIds = hid_open(0x1D57, 0xFA61, nullptr);  // enumerates and opens within itself
    ASSERT_NE(byIds, nullptr);
    std::thread reader([&] {
        unsigned char buf[8];
        hid_read_timeout(byIds, buf, sizeof buf, 150);
    });
    hid_device* dev = hid_open_path(m.path.c_str());
    reader.join();
    EXPECT_EQ(simhid_overlapping_calls(), 0);

    HANDLE hGo = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::vector<std::thread> callers;
    for (int i = 0; i < 2; ++i)
        callers.emplace_back([&] {
            WaitForSingleObject(hGo, INFINITE);
            Enumerate(0x1D57, 0xFA61);
        });
    SetEvent(hGo);
    for (std::thread& t : callers) t.join();
    CloseHandle(hGo);
    EXPECT_GE(simhid_overlapping_calls(), 1);

    hid_close(dev);
    hid_close(byIds);
    kit::ResetWorld();
    EXPECT_EQ(simhid_overlapping_calls(), 0);
}

TEST_F(SimHid, ReadsQueuedReportsInOrderBlockingAndNonBlocking) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    hid_device* dev = hid_open_path(r.eventPath.c_str());
    ASSERT_NE(dev, nullptr);
    ASSERT_EQ(hid_set_nonblocking(dev, 1), 0);

    unsigned char buf[100] = {};
    EXPECT_EQ(hid_read(dev, buf, sizeof buf), 0);  // nothing queued: non-blocking read returns 0

    kit::QueueEvent(r.eventId, 0x36, 0x10, 0x0102);
    kit::QueueEvent(r.eventId, 0x36, 0x50, 0);
    ASSERT_EQ(hid_read(dev, buf, sizeof buf), 5);
    EXPECT_EQ(kit::Hex({buf, buf + 5}), "03 36 10 02 01");
    ASSERT_EQ(hid_read(dev, buf, 3), 3);  // a short buffer truncates the report
    EXPECT_EQ(kit::Hex({buf, buf + 3}), "03 36 50");

    // A blocking read waits for a report queued by another thread.
    hid_set_nonblocking(dev, 0);
    std::thread later([&] {
        Sleep(50);
        kit::QueueEvent(r.eventId, 0x10, 0x40, 80);
    });
    EXPECT_EQ(hid_read(dev, buf, sizeof buf), 5);
    EXPECT_EQ(buf[3], 80);
    later.join();

    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 20), 0);
    hid_close(dev);
    EXPECT_EQ(simhid_open_handles(r.eventId), 0);
}

TEST_F(SimHid, LogsFeatureAndOutputReportsInTheOrderWritten) {
    const kit::Receiver slow = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver fast = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    hid_device* a = hid_open_path(slow.commandPath.c_str());
    hid_device* b = hid_open_path(fast.commandPath.c_str());
    ASSERT_TRUE(a && b);

    const unsigned char feature[] = {0x0C, 0x05, 0x01, 0xAA, 0xBB};
    const unsigned char output[] = {0x04, 0x0A, 0x00};
    EXPECT_EQ(hid_send_feature_report(a, feature, sizeof feature), 5);
    EXPECT_EQ(hid_write(b, output, sizeof output), 3);
    EXPECT_EQ(hid_send_feature_report(a, feature, 2), 2);

    const auto writes = kit::Writes();
    ASSERT_EQ(writes.size(), 3u);
    EXPECT_EQ(writes[0].interfaceId, slow.commandId);
    EXPECT_EQ(writes[0].kind, SIMHID_FEATURE);
    EXPECT_EQ(kit::Hex(writes[0].data), "0C 05 01 AA BB");
    EXPECT_EQ(writes[1].interfaceId, fast.commandId);
    EXPECT_EQ(writes[1].kind, SIMHID_OUTPUT);
    EXPECT_EQ(kit::Hex(writes[1].data), "04 0A 00");
    EXPECT_EQ(kit::Hex(writes[2].data), "0C 05");
    EXPECT_EQ(kit::WritesTo(fast.commandId).size(), 1u);
    hid_close(a);
    hid_close(b);
}

TEST_F(SimHid, UnplugMakesOpenHandlesFailAndLeavesTheEnumeration) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    hid_device* cmd = hid_open_path(r.commandPath.c_str());
    hid_device* evt = hid_open_path(r.eventPath.c_str());
    ASSERT_TRUE(cmd && evt);
    hid_set_nonblocking(evt, 1);
    kit::QueueEvent(r.eventId, 0x36, 0x10, 1);

    kit::UnplugReceiver(r);
    unsigned char buf[100];
    EXPECT_EQ(hid_read(evt, buf, sizeof buf), -1);  // queued reports go with the device
    const unsigned char frame[] = {0x0C, 3, 1};
    EXPECT_EQ(hid_send_feature_report(cmd, frame, 3), -1);
    EXPECT_EQ(hid_open_path(r.commandPath.c_str()), nullptr);
    EXPECT_TRUE(Enumerate(0x1D57, 0xFA60).empty());
    EXPECT_EQ(kit::Writes().size(), 0u);

    // A blocked reader wakes up with an error when the device goes.
    const kit::Receiver again = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    hid_device* blocking = hid_open_path(again.eventPath.c_str());
    std::thread unplug([&] {
        Sleep(50);
        kit::UnplugReceiver(again);
    });
    EXPECT_EQ(hid_read(blocking, buf, sizeof buf), -1);
    unplug.join();
    hid_close(blocking);
    hid_close(cmd);
    hid_close(evt);
}

TEST_F(SimHid, InjectedFaults) {
    const kit::CableMouse m = kit::PlugCableMouse(0xFA61);
    simhid_set_faults(m.id, SIMHID_FAULT_OPEN);
    EXPECT_EQ(hid_open_path(m.path.c_str()), nullptr);

    simhid_set_faults(m.id, SIMHID_FAULT_WRITE);
    hid_device* dev = hid_open_path(m.path.c_str());
    ASSERT_NE(dev, nullptr);
    const unsigned char frame[] = {0x04, 3, 1};
    EXPECT_EQ(hid_send_feature_report(dev, frame, 3), -1);
    EXPECT_TRUE(kit::Writes().empty());

    simhid_set_faults(m.id, SIMHID_FAULT_READ);
    unsigned char buf[8];
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 0), -1);
    EXPECT_EQ(hid_send_feature_report(dev, frame, 3), 3);

    simhid_set_faults(m.id, 0);
    EXPECT_EQ(hid_read_timeout(dev, buf, sizeof buf, 0), 0);
    hid_close(dev);
}

TEST_F(SimHid, WritesFailFromTheNthOnUntilLifted) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    hid_device* cmd = hid_open_path(r.commandPath.c_str());
    ASSERT_NE(cmd, nullptr);
    const unsigned char report[] = {0x04, 5, 0, 1, 2};
    simhid_fail_writes_from(r.commandId, 3);
    EXPECT_EQ(hid_write(cmd, report, 5), 5);
    EXPECT_EQ(hid_send_feature_report(cmd, report, 5), 5);
    EXPECT_EQ(hid_write(cmd, report, 5), -1) << "the third write";
    EXPECT_EQ(hid_write(cmd, report, 5), -1) << "and every one after it";
    EXPECT_EQ(kit::WritesTo(r.commandId).size(), 2u);
    simhid_fail_writes_from(r.commandId, 0);
    EXPECT_EQ(hid_write(cmd, report, 5), 5);
    hid_close(cmd);
}

TEST_F(SimHid, RefusesOnlyTheNthWriteOfAnInterface) {
    const kit::CableMouse m = kit::PlugCableMouse(0xFA61);
    const kit::CableMouse other = kit::PlugCableMouse(0xFA62);
    hid_device* dev = hid_open_path(m.path.c_str());
    hid_device* otherDev = hid_open_path(other.path.c_str());
    ASSERT_NE(dev, nullptr);
    ASSERT_NE(otherDev, nullptr);
    ASSERT_EQ(simhid_refuse_nth_write(m.id, 2), 1);
    unsigned char frame[] = {0x09, 0x40, 1, 0};
    // The other interface's writes do not count towards the refusal.
    EXPECT_EQ(hid_send_feature_report(otherDev, frame, 4), 4);
    EXPECT_EQ(hid_send_feature_report(dev, frame, 4), 4);
    frame[3] = 1;
    EXPECT_EQ(hid_send_feature_report(dev, frame, 4), -1);
    frame[3] = 2;
    EXPECT_EQ(hid_write(dev, frame, 4), 4) << "only the nth write is refused";
    const std::vector<kit::WrittenReport> writes = kit::WritesTo(m.id);
    ASSERT_EQ(writes.size(), 2u) << "the refused write is not logged";
    EXPECT_EQ(writes[0].data[3], 0);
    EXPECT_EQ(writes[1].data[3], 2);

    ASSERT_EQ(simhid_refuse_nth_write(m.id, 1), 1);
    ASSERT_EQ(simhid_refuse_nth_write(m.id, 0), 1);  // the rule removed before it struck
    EXPECT_EQ(hid_send_feature_report(dev, frame, 4), 4);
    hid_close(dev);
    hid_close(otherDev);
}

TEST_F(SimHid, MouseAcknowledgesWritesAfterSkippingSome) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    hid_device* cmd = hid_open_path(r.commandPath.c_str());
    hid_device* evt = hid_open_path(r.eventPath.c_str());
    hid_set_nonblocking(evt, 1);
    kit::AcknowledgeWrites(r.commandId, r.eventId, 0x36, /*skip=*/2, /*times=*/1);

    const unsigned char frame[] = {0x05, 3, 1};
    unsigned char buf[100];
    for (int attempt = 1; attempt <= 4; ++attempt) {
        hid_send_feature_report(cmd, frame, 3);
        const int n = hid_read(evt, buf, sizeof buf);
        if (attempt == 3) {
            ASSERT_EQ(n, 5) << "attempt " << attempt;
            EXPECT_EQ(kit::Hex({buf, buf + 5}), "03 36 50 00 00");
        } else {
            EXPECT_EQ(n, 0) << "attempt " << attempt;
        }
    }
    hid_close(cmd);
    hid_close(evt);
}

TEST_F(SimHid, PathsAreMatchedWithoutRegardToCaseAndCannotBePluggedTwice) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless, "abcdef12");
    std::string lower = r.eventPath;
    for (char& c : lower) c = static_cast<char>(tolower(static_cast<unsigned char>(c)));
    hid_device* dev = hid_open_path(lower.c_str());
    EXPECT_NE(dev, nullptr);
    hid_close(dev);

    SimHidInterface again{};
    again.path = r.eventPath.c_str();
    again.vendor_id = 0x1D57;
    EXPECT_EQ(simhid_plug(&again), 0);
}

TEST_F(SimHid, FeatureReadsKeepTheCallersReportId) {
    const kit::CableMouse m = kit::PlugCableMouse(0xFA79);
    const unsigned char response[] = {0x11, 0x22};
    simhid_set_feature_response(m.id, response, 2);
    hid_device* dev = hid_open_path(m.path.c_str());
    unsigned char buf[4] = {0x07, 0, 0, 0};
    EXPECT_EQ(hid_get_feature_report(dev, buf, sizeof buf), 3);
    EXPECT_EQ(kit::Hex({buf, buf + 4}), "07 11 22 00");
    hid_close(dev);
}

}  // namespace
