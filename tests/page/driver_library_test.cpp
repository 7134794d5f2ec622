// A page's driver library through the page runtime: a missing library or entry point leaves the
// cable down and everything else working; arrival and removal of the cabled mouse reach the
// page from the library's notifications, without enumerating in between; unloading with the
// monitor running stops it before the library goes.
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

namespace {

class PageDriverLibrary : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
        FreshSettingsFile();
    }
    void TearDown() override { kit::ResetWorld(); }
};

TEST_F(PageDriverLibrary, AMissingLibraryOrEntryPointLeavesTheCableDownAndTheRestWorking) {
    MainWindow wnd;
    for (const wchar_t* pszFile : {L"hiddriver_none.dll", L"hiddriver_incomplete.dll"}) {
        CSpyPage& page = wnd.Page(10);
        const kit::CableMouse mouse = kit::PlugCableMouse(0xFA79);
        EXPECT_FALSE(page.StartDriverLibraryFrom(GetExeFolder() + pszFile)) << pszFile;
        EXPECT_FALSE(page.Driver().Loaded()) << pszFile;
        const unsigned char frame[] = {0x0C, 0x0A, 0x01};
        EXPECT_FALSE(page.Driver().SetFeature(frame, sizeof frame));
        EXPECT_FALSE(page.Driver().OpenFeatureDevice());
        EXPECT_TRUE(kit::Writes().empty());
        EXPECT_EQ(page.WiredState(), 0);
        // Nothing reports the cable, and the receiver link still comes and goes.
        kit::UnplugCableMouse(mouse);
        kit::PlugCableMouse(0xFA79);
        uikit::PumpUntilIdle(200);
        EXPECT_FALSE(page.LoggedPrefix(L"OnDevMonitor")) << pszFile;
        EXPECT_TRUE(page.SetLink(LinkKind::Wireless, true));
        EXPECT_EQ(page.Online(), 1);
        page.SetLink(LinkKind::Wireless, false);
        kit::ResetWorld();
    }
}

TEST_F(PageDriverLibrary, TheCableComesAndGoesThroughNotificationsWithoutPolling) {
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    EXPECT_FALSE(page.StartDriverLibrary()) << "no cabled mouse yet";
    ASSERT_TRUE(page.Driver().Loaded());
    const int iStarted = kit::EnumerationCount();
    uikit::PumpUntilIdle(300);
    Sleep(200);
    EXPECT_EQ(kit::EnumerationCount(), iStarted);

    const kit::CableMouse mouse = kit::PlugCableMouse(0xFA79);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.Logged(L"OnDevMonitor 0x7F000001"); }, 5000));
    EXPECT_TRUE(page.Driver().OpenFeatureDevice());
    const unsigned char frame[] = {0x0C, 0x0A, 0x01};
    EXPECT_TRUE(page.Driver().SetFeature(frame, sizeof frame));
    ASSERT_EQ(kit::WritesTo(mouse.id).size(), 1u);
    EXPECT_EQ(kit::Hex(kit::WritesTo(mouse.id)[0].data), "0C 0A 01");

    // The mouse's own events arrive as the page's event words; an acknowledgement counts at once.
    const CAckWindow::Epoch epoch = page.OpenAckWindow();
    kit::QueueEvent(mouse.id, 0x36, 0x50, 0);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.Logged(L"OnDevMonitor 0x50360000"); }, 5000));
    EXPECT_TRUE(page.AckArrived(epoch));

    const int iBeforeRemoval = kit::EnumerationCount();
    kit::UnplugCableMouse(mouse);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.Logged(L"OnDevMonitor 0x7F000002"); }, 5000));
    EXPECT_LE(kit::EnumerationCount() - iBeforeRemoval, 2) << "one look at the removal";
}

TEST_F(PageDriverLibrary, ShutDownWithTheMonitorRunningStopsItBeforeTheLibraryGoes) {
    MainWindow wnd;
    CSpyPage& page = wnd.Page(1);
    const kit::CableMouse mouse = kit::PlugCableMouse(0xFA61);
    ASSERT_TRUE(page.StartDriverLibrary()) << "the mouse is there and opens";
    // The monitor opens its handle on a thread of its own.
    EXPECT_TRUE(uikit::PumpUntil([&] { return simhid_open_handles(mouse.id) == 2; }, 5000))
        << "the page's feature handle and the monitor's";
    page.Shutdown();
    EXPECT_FALSE(page.Driver().Loaded());
    EXPECT_EQ(simhid_open_handles(mouse.id), 0) << "closed before the library was freed";
    kit::UnplugCableMouse(mouse);
    kit::PlugCableMouse(0xFA61);
    uikit::PumpUntilIdle(200);
    EXPECT_FALSE(page.LoggedPrefix(L"OnDevMonitor"));
}

}  // namespace
