// The driver libraries on the simulated HID world: loaded as a page loads them, by file name,
// with their seven entry points resolved by export name.
#include "tests/kit/device_change.h"
#include "plugins/include/driver_api.h"
#include "tests/plugins/message_sink.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr UINT kDataMsg = 0x693;  // page 10's device-data and device-link messages
constexpr UINT kLinkMsg = 0x694;
constexpr uint16_t kProductId = 0xFA79;

class DriverLibrary {
public:
    explicit DriverLibrary(const wchar_t* file) : m_module(LoadLibraryW(file)) { ResolveDriverTable(m_module, table); }
    ~DriverLibrary() {
        if (m_module != nullptr) FreeLibrary(m_module);
    }
    bool Complete() const {
        return table.pfnOpenDevMonitor && table.pfnCloseDevMonitor && table.pfnOpenFeatureDevice &&
               table.pfnCloseFeatureDevice && table.pfnSetFeature && table.pfnGetFeature && table.pfnSetVIDPID;
    }
    DriverTable table;

private:
    HMODULE m_module;
};

class HidDriver : public ::testing::Test {
protected:
    void SetUp() override { kit::ResetWorld(); }
    void TearDown() override {
        driver.table.pfnCloseDevMonitor();
        driver.table.pfnCloseFeatureDevice();
        kit::ResetWorld();
    }
    bool LinkMessage(WPARAM w) {
        for (const PostedMessage& m : sink.messages())
            if (m.message == kLinkMsg && m.wParam == w) return true;
        return false;
    }

    DriverLibrary driver{L"hiddriver_ms_10.dll"};
    MessageSink sink;
};

TEST(HidDriverFiles, EveryModelsLibraryLoadsWithItsSevenEntryPoints) {
    for (int n = 1; n <= 24; ++n) {
        const std::wstring file = n <= 6 ? L"hiddriver_" + std::to_wstring(n) + L".dll"
                                         : L"hiddriver_ms_" + std::to_wstring(n) + L".dll";
        DriverLibrary lib(file.c_str());
        EXPECT_TRUE(lib.Complete()) << "model " << n;
    }
}

TEST_F(HidDriver, OpensOnlyTheSelectedMouseAndSendsFeatureReports) {
    ASSERT_TRUE(driver.Complete());
    const kit::CableMouse other = kit::PlugCableMouse(0xFA61);
    driver.table.pfnSetVIDPID(0x1D57, kProductId);
    EXPECT_FALSE(driver.table.pfnOpenFeatureDevice());

    unsigned char frame[] = {0x0C, 0x05, 0x01, 0x00, 0x00};
    EXPECT_FALSE(driver.table.pfnSetFeature(frame, sizeof frame));  // nothing open yet

    const kit::CableMouse mouse = kit::PlugCableMouse(kProductId);
    ASSERT_TRUE(driver.table.pfnOpenFeatureDevice());
    EXPECT_TRUE(driver.table.pfnSetFeature(frame, sizeof frame));
    unsigned char piece[64] = {0x09, 0x40, 0x03, 0x01};
    EXPECT_TRUE(driver.table.pfnSetFeature(piece, sizeof piece));

    const auto writes = kit::Writes();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].interfaceId, mouse.id);
    EXPECT_EQ(writes[0].kind, SIMHID_FEATURE);
    EXPECT_EQ(kit::Hex(writes[0].data), "0C 05 01 00 00");
    EXPECT_EQ(writes[1].data.size(), 64u);
    EXPECT_EQ(kit::Hex({writes[1].data.begin(), writes[1].data.begin() + 4}), "09 40 03 01");
    EXPECT_TRUE(kit::WritesTo(other.id).empty());

    // Opening again does not leak the earlier handle; closing releases it.
    ASSERT_TRUE(driver.table.pfnOpenFeatureDevice());
    EXPECT_EQ(simhid_open_handles(mouse.id), 1);
    driver.table.pfnCloseFeatureDevice();
    EXPECT_EQ(simhid_open_handles(mouse.id), 0);
    EXPECT_FALSE(driver.table.pfnSetFeature(frame, sizeof frame));
}

TEST_F(HidDriver, AFailedWriteIsReportedAsFailure) {
    const kit::CableMouse mouse = kit::PlugCableMouse(kProductId);
    driver.table.pfnSetVIDPID(0x1D57, kProductId);
    ASSERT_TRUE(driver.table.pfnOpenFeatureDevice());
    simhid_set_faults(mouse.id, SIMHID_FAULT_WRITE);
    unsigned char frame[] = {0x06, 0x04, 0x01, 0x02};
    EXPECT_FALSE(driver.table.pfnSetFeature(frame, sizeof frame));
    simhid_set_faults(mouse.id, 0);
    EXPECT_TRUE(driver.table.pfnSetFeature(frame, sizeof frame));

    kit::UnplugCableMouse(mouse);
    EXPECT_FALSE(driver.table.pfnSetFeature(frame, sizeof frame));
}

TEST_F(HidDriver, MonitorPostsArrivalEventsAndRemoval) {
    driver.table.pfnSetVIDPID(0x1D57, kProductId);
    ASSERT_TRUE(driver.table.pfnOpenDevMonitor(sink.hwnd(), kDataMsg, kLinkMsg));
    sink.PumpFor(300);
    EXPECT_TRUE(sink.messages().empty()) << "nothing plugged, nothing posted";

    const kit::CableMouse mouse = kit::PlugCableMouse(kProductId);
    ASSERT_TRUE(sink.PumpUntil([&] { return LinkMessage(1); }));

    kit::QueueEvent(mouse.id, 0x36, 0x10, 3);       // DPI stage 3
    kit::QueueEvent(mouse.id, 0x36, 0x40, 0x0155);  // battery word
    kit::QueueReport(mouse.id, {0x01, 0x02, 0x03});  // not an event report: ignored
    ASSERT_TRUE(sink.PumpUntil([&] { return sink.Count(kDataMsg) == 2; }));
    std::vector<PostedMessage> data;
    for (const PostedMessage& m : sink.messages())
        if (m.message == kDataMsg) data.push_back(m);
    EXPECT_EQ(data[0].wParam, 0x1036u);
    EXPECT_EQ(data[0].lParam, 3);
    EXPECT_EQ(data[1].wParam, 0x4036u);
    EXPECT_EQ(data[1].lParam, 0x0155);

    kit::UnplugCableMouse(mouse);
    ASSERT_TRUE(sink.PumpUntil([&] { return LinkMessage(0); }));
    EXPECT_EQ(sink.Count(kLinkMsg), 2u);

    // Plugged back: arrival again, on a fresh interface.
    kit::PlugCableMouse(kProductId);
    ASSERT_TRUE(sink.PumpUntil([&] { return sink.Count(kLinkMsg) == 3; }));
    EXPECT_EQ(sink.messages().back().wParam, 1u);
}

TEST_F(HidDriver, LooksForTheMouseOnlyWhenTheSystemAnnouncesItsInterfaces) {
    driver.table.pfnSetVIDPID(0x1D57, kProductId);
    ASSERT_TRUE(driver.table.pfnOpenDevMonitor(sink.hwnd(), kDataMsg, kLinkMsg));
    const int iStarted = kit::EnumerationCount();
    sink.PumpFor(300);
    EXPECT_EQ(kit::EnumerationCount(), iStarted) << "nothing is enumerated while nothing arrives";

    // Another device's interface arriving is not looked into.
    const kit::Receiver receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    kit::BroadcastInterfaceArrival(receiver.commandPath);
    sink.PumpFor(100);
    EXPECT_EQ(kit::EnumerationCount(), iStarted);

    // A mouse whose arrival goes unannounced stays unseen: there is no polling to find it.
    const kit::CableMouse mouse = kit::PlugCableMouse(kProductId, "", kit::Announce::No);
    sink.PumpFor(300);
    EXPECT_EQ(sink.Count(kLinkMsg), 0u);
    EXPECT_EQ(kit::EnumerationCount(), iStarted);

    // Its announcement makes the library look once and report it.
    kit::BroadcastInterfaceArrival(mouse.path);
    ASSERT_TRUE(sink.PumpUntil([&] { return LinkMessage(1); }));
    EXPECT_EQ(kit::EnumerationCount(), iStarted + 1);
    kit::QueueEvent(mouse.id, 0x36, 0x10, 2);
    ASSERT_TRUE(sink.PumpUntil([&] { return sink.Count(kDataMsg) == 1; }));
    sink.PumpFor(200);
    EXPECT_EQ(kit::EnumerationCount(), iStarted + 1) << "reading the mouse's reports enumerates nothing";

    // The removal, announced, is reported once.
    kit::UnplugCableMouse(mouse);
    ASSERT_TRUE(sink.PumpUntil([&] { return LinkMessage(0); }));
    sink.PumpFor(100);
    EXPECT_EQ(sink.Count(kLinkMsg), 2u);
}

TEST_F(HidDriver, AMousePresentWhenMonitoringStartsIsNotAnnounced) {
    const kit::CableMouse mouse = kit::PlugCableMouse(kProductId);
    driver.table.pfnSetVIDPID(0x1D57, kProductId);
    ASSERT_TRUE(driver.table.pfnOpenDevMonitor(sink.hwnd(), kDataMsg, kLinkMsg));
    kit::QueueEvent(mouse.id, 0x36, 0x20, 2);
    ASSERT_TRUE(sink.PumpUntil([&] { return sink.Count(kDataMsg) == 1; }));
    EXPECT_EQ(sink.Count(kLinkMsg), 0u);
}

TEST_F(HidDriver, CloseWhileTheMonitorRunsStopsIt) {
    const kit::CableMouse mouse = kit::PlugCableMouse(kProductId);
    driver.table.pfnSetVIDPID(0x1D57, kProductId);
    ASSERT_TRUE(driver.table.pfnOpenDevMonitor(sink.hwnd(), kDataMsg, kLinkMsg));
    sink.PumpFor(100);
    EXPECT_EQ(simhid_open_handles(mouse.id), 1);  // the monitor's own read handle

    driver.table.pfnCloseDevMonitor();
    EXPECT_EQ(simhid_open_handles(mouse.id), 0);
    kit::QueueEvent(mouse.id, 0x36, 0x10, 1);
    kit::UnplugCableMouse(mouse);
    sink.PumpFor(400);
    EXPECT_TRUE(sink.messages().empty());
    driver.table.pfnCloseDevMonitor();  // a second close is harmless
}

// A mouse that stays listed while its interface cannot be read (or reopened) is looked at again
// after growing waits, not in a loop; once it can be read again its events flow, and a stop
// during a wait ends the monitor.
TEST_F(HidDriver, AMouseThatStaysListedButCannotBeReadIsRetriedAfterGrowingWaits) {
    struct Case {
        const char* name;
        unsigned faults;
    };
    const Case cases[] = {
        {"reads fail", SIMHID_FAULT_READ},
        {"reads and reopening fail", SIMHID_FAULT_READ | SIMHID_FAULT_OPEN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        kit::ResetWorld();
        sink.clear();
        const kit::CableMouse mouse = kit::PlugCableMouse(kProductId);
        driver.table.pfnSetVIDPID(0x1D57, kProductId);
        ASSERT_TRUE(driver.table.pfnOpenDevMonitor(sink.hwnd(), kDataMsg, kLinkMsg));
        kit::QueueEvent(mouse.id, 0x36, 0x10, 1);
        ASSERT_TRUE(sink.PumpUntil([&] { return sink.Count(kDataMsg) == 1; }));

        const int iBefore = kit::EnumerationCount();
        simhid_set_faults(mouse.id, c.faults);
        sink.PumpFor(1000);
        const int iLooks = kit::EnumerationCount() - iBefore;
        EXPECT_GE(iLooks, 1) << "the failed read makes the library look for the mouse";
        EXPECT_LE(iLooks, 20) << "a second of failing reads, looked at in a loop";
        EXPECT_FALSE(LinkMessage(0)) << "the mouse is still listed: not removed";

        simhid_set_faults(mouse.id, 0);
        kit::QueueEvent(mouse.id, 0x36, 0x10, 4);
        ASSERT_TRUE(sink.PumpUntil([&] { return sink.Count(kDataMsg) == 2; }));
        EXPECT_EQ(sink.messages().back().wParam, 0x1036u);
        EXPECT_EQ(sink.messages().back().lParam, 4);
        EXPECT_EQ(simhid_open_handles(mouse.id), 1) << "one read handle, the failed ones closed";

        // Failing again, then stopped while waiting to look again.
        simhid_set_faults(mouse.id, c.faults);
        sink.PumpFor(300);
        driver.table.pfnCloseDevMonitor();
        EXPECT_EQ(simhid_open_handles(mouse.id), 0);
        const int iAtStop = kit::EnumerationCount();
        sink.PumpFor(200);
        EXPECT_EQ(kit::EnumerationCount(), iAtStop) << "nothing looks for the mouse after the stop";
    }
}

TEST(HidDriverUnload, FreeingTheLibraryWithTheMonitorRunningIsSafe) {
    kit::ResetWorld();
    MessageSink sink;
    {
        DriverLibrary lib(L"hiddriver_1.dll");
        lib.table.pfnSetVIDPID(0x1D57, 0xFA61);
        ASSERT_TRUE(lib.table.pfnOpenDevMonitor(sink.hwnd(), 0x603, 0x604));
    }  // FreeLibrary without Close_DevMonitor: the thread keeps the code mapped
    kit::PlugCableMouse(0xFA61);
    EXPECT_TRUE(sink.PumpUntil([&] { return sink.Count(0x604) == 1; }));
    kit::ResetWorld();
}

}  // namespace
