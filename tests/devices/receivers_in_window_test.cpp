// Receivers seen through the whole program: the main window opens them, identifies the model
// answering on each, keeps that page's link and tab alive, and drops them when they go.
#include "tests/kit/device_change.h"
#include "tests/kit/scoped_timing.h"
#include "tests/kit/main_window_fixture.h"
#include "models/table/model_table.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

using namespace DuiLib;

namespace {

class ReceiversInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
        FreshSettingsFile();
        CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
        Timing().uReceiverArrivalMs = 30;
        Timing().uPresenceTimeoutMs = 6000;
    }
    void TearDown() override { kit::ResetWorld(); }

    ScopedTiming m_timing;  // every test's changes to the timing table end with it

    static bool HasCall(CSpyPage& page, const std::wstring& prefix) {
        for (const std::wstring& call : page.m_calls)
            if (call.rfind(prefix, 0) == 0) return true;
        return false;
    }
    static COptionUI* Option(MainWindow& wnd, int n) {
        wchar_t name[32];
        wsprintfW(name, L"option_device_%d", n);
        return static_cast<COptionUI*>(uikit::FindControl(wnd.hwnd(), name));
    }
};

TEST_F(ReceiversInWindow, AReceiverPresentAtStartBringsItsModelOnlineWithItsTab) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd(true);
    CSpyPage& page = wnd.Page(10);
    kit::QueueEvent(r.eventId, 0x36, 0x10, 3);
    ASSERT_TRUE(uikit::PumpUntil([&] { return Option(wnd, 10)->IsVisible(); }, 3000));
    EXPECT_EQ(page.m_bWireless, 1);
    EXPECT_EQ(page.m_bOnline, 1);
    EXPECT_TRUE(page.LinkIndicator(LinkKind::Wireless)->IsVisible());
    EXPECT_TRUE(HasCall(page, L"OnDeviceEvent 0x1036 0x3"));
    EXPECT_NE(page.WirelessDevice(), nullptr);
    auto* tabs = static_cast<CTabLayoutUI*>(uikit::FindControl(wnd.hwnd(), L"device_tab_switch"));
    EXPECT_EQ(tabs->GetCurSel(), 10);
}

TEST_F(ReceiversInWindow, AnotherModelsIdByteReachesTheIdentifiedPageButDoesNotKeepItsLinkAlive) {
    Timing().uPresenceTimeoutMs = 300;
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    kit::QueueEvent(r.eventId, 0x36, 0x10, 1);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.m_bWireless == 1; }, 3000));
    const ULONGLONG start = GetTickCount64();
    // Reports carrying MS_1's id byte keep coming; page 10 gets them, page 1 never does.
    while (page.m_bWireless == 1 && GetTickCount64() - start < 3000) {
        kit::QueueEvent(r.eventId, 0x10, 0x40, 80);
        uikit::PumpUntilIdle(30);
        Sleep(20);
    }
    EXPECT_EQ(page.m_bWireless, 0) << "the presence timeout ran out";
    EXPECT_TRUE(HasCall(page, L"OnDeviceEvent 0x4010 0x50"));
    EXPECT_TRUE(wnd.Page(1).m_calls.size() == 2u) << "page 1 saw nothing but its start";
    EXPECT_EQ(wnd.Page(1).m_bWireless, 0);
}

TEST_F(ReceiversInWindow, UnplugDropsTheLinkAtOnceAndReplugIdentifiesAgain) {
    MainWindow wnd(true);
    kit::Receiver r = kit::PlugReceiverAndNotify(wnd.hwnd(), kit::ReceiverKind::Wireless);
    ASSERT_TRUE(uikit::PumpUntil([&] { return wnd->Receivers().PollingThreadCount(ReceiverKind::Wireless) == 1; }));
    kit::QueueEvent(r.eventId, 0x20, 0x10, 1);  // MS_2
    CSpyPage& page = wnd.Page(2);
    ASSERT_TRUE(uikit::PumpUntil([&] { return Option(wnd, 2)->IsVisible(); }, 3000));

    kit::UnplugReceiverAndNotify(wnd.hwnd(), r);
    EXPECT_EQ(page.m_bWireless, 0);
    EXPECT_FALSE(page.LinkIndicator(LinkKind::Wireless)->IsVisible());
    uikit::PumpUntilIdle(200);
    EXPECT_FALSE(Option(wnd, 2)->IsVisible());
    EXPECT_EQ(page.m_bOnline, 0);

    r = kit::PlugReceiverAndNotify(wnd.hwnd(), kit::ReceiverKind::Wireless, r.token);
    ASSERT_TRUE(uikit::PumpUntil([&] { return wnd->Receivers().OSDCount(ReceiverKind::Wireless) == 1; }, 3000));
    kit::QueueEvent(r.eventId, 0x20, 0x20, 2);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.m_bWireless == 1 && Option(wnd, 2)->IsVisible(); }, 3000));
}

TEST_F(ReceiversInWindow, AReportReadJustBeforeTheUnplugDoesNotBringTheLinkBack) {
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    kit::QueueEvent(r.eventId, 0x36, 0x10, 1);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.m_bWireless == 1; }, 3000));
    // The polling thread reads one more report; before the UI thread gets to it, the receiver goes.
    kit::QueueEvent(r.eventId, 0x36, 0x40, 80);
    const ULONGLONG end = GetTickCount64() + 3000;
    while (simhid_pending_input(r.eventId) != 0 && GetTickCount64() < end) Sleep(1);
    ASSERT_EQ(simhid_pending_input(r.eventId), 0);
    kit::UnplugReceiverAndNotify(wnd.hwnd(), r);
    EXPECT_EQ(page.m_bWireless, 0);
    uikit::PumpUntilIdle(200);
    EXPECT_EQ(page.m_bWireless, 0);
    EXPECT_EQ(page.m_bOnline, 0);
    EXPECT_FALSE(HasCall(page, L"OnDeviceEvent 0x4036"));
}

TEST_F(ReceiversInWindow, LinkControlsFollowTheLinksWhereThePageHasThem) {
    const kit::Receiver slow = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver slow3 = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver fast = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    MainWindow wnd;
    wnd.ClearCalls();
    kit::QueueEvent(slow.eventId, 0x10, 0x10, 1);   // MS_1: no link controls of its own
    kit::QueueEvent(slow3.eventId, 0x21, 0x10, 1);  // MS_3 on 2.4 GHz
    kit::QueueEvent(fast.eventId, 0x21, 0x10, 1);   // MS_3 on the 4K receiver too
    ASSERT_TRUE(uikit::PumpUntil([&] {
        return wnd.Page(1).m_bWireless == 1 && wnd.Page(3).m_bWireless == 1 && wnd.Page(3).m_bWireless4k == 1;
    }, 3000));
    EXPECT_FALSE(HasCall(wnd.Page(1), L"UpdateLinkControls"));
    EXPECT_TRUE(HasCall(wnd.Page(3), L"UpdateLinkControls"));
    EXPECT_TRUE(wnd.Page(3).LinkIndicator(LinkKind::Wireless4k)->IsVisible());

    wnd.ClearCalls();
    kit::UnplugReceiverAndNotify(wnd.hwnd(), fast);
    EXPECT_EQ(wnd.Page(3).m_bWireless4k, 0);
    EXPECT_FALSE(wnd.Page(3).LinkIndicator(LinkKind::Wireless4k)->IsVisible());
    EXPECT_TRUE(HasCall(wnd.Page(3), L"UpdateLinkControls"));
    EXPECT_EQ(wnd.Page(3).m_bOnline, 1) << "still on 2.4 GHz";
    EXPECT_EQ(wnd.Page(3).m_bWireless, 1);
}

TEST_F(ReceiversInWindow, FourKLinkTimesOutThroughThePage) {
    Timing().uPresenceTimeoutMs = 100;
    const kit::Receiver r = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    MainWindow wnd;
    CSpyPage& page = wnd.Page(11);
    kit::QueueEvent(r.eventId, 0x37, 0x20, 1);
    ASSERT_TRUE(uikit::PumpUntil([&] { return page.m_bWireless4k == 1; }, 3000));
    EXPECT_TRUE(HasCall(page, L"OnDeviceEvent4k 0x2037 0x1"));
    EXPECT_TRUE(page.LinkIndicator(LinkKind::Wireless4k)->IsVisible());
    // The 4K presence timeout (MS_11's 0x2A4) drops the link through the page.
    EXPECT_TRUE(uikit::PumpUntil([&] { return HasCall(page, L"OnWireless4kTimeout"); }, 3000));
    EXPECT_EQ(page.m_bWireless4k, 0);
}

TEST_F(ReceiversInWindow, LinkChangesAreAnnouncedAsEachModelsPolicySays) {
    const kit::Receiver r10 = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver r6 = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd;
    // Both models already online by cable.
    wnd.Page(10).m_iWiredState = 1;
    wnd.Page(10).m_bOnline = 1;
    wnd.Page(6).m_iWiredState = 1;
    wnd.Page(6).m_bOnline = 1;
    SendMessageW(wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);

    int before = wnd->TabRefreshCount();
    kit::QueueEvent(r10.eventId, 0x36, 0x10, 1);
    ASSERT_TRUE(uikit::PumpUntil([&] { return wnd.Page(10).m_bWireless == 1; }, 3000));
    uikit::PumpUntilIdle(100);
    EXPECT_EQ(wnd->TabRefreshCount(), before) << "MS_10 announces only a change of its online state";

    before = wnd->TabRefreshCount();
    kit::QueueEvent(r6.eventId, 0x32, 0x10, 1);
    ASSERT_TRUE(uikit::PumpUntil([&] { return wnd.Page(6).m_bWireless == 1; }, 3000));
    uikit::PumpUntilIdle(100);
    EXPECT_EQ(wnd->TabRefreshCount(), before + 1) << "MS_6 announces every link change";
}

TEST_F(ReceiversInWindow, ClosingTheWindowWhileReportsStreamInStopsEverythingFirst) {
    const kit::Receiver a = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver b = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    auto wnd = std::make_unique<MainWindow>();
    std::atomic<bool> bRun{true};
    std::thread mouse([&] {
        while (bRun) {
            kit::QueueEvent(a.eventId, 0x36, 0x50, 0);
            kit::QueueEvent(b.eventId, 0x56, 0x10, 2);
            Sleep(1);
        }
    });
    ASSERT_TRUE(uikit::PumpUntil([&] { return wnd->Page(10).m_calls.size() > 20 && wnd->Page(24).m_calls.size() > 20; }, 3000));
    DestroyWindow(wnd->hwnd());
    const size_t calls10 = wnd->Page(10).m_calls.size(), calls24 = wnd->Page(24).m_calls.size();
    EXPECT_EQ((*wnd)->Receivers().PollingThreadCount(ReceiverKind::Wireless), 0);
    uikit::PumpUntilIdle(100);
    EXPECT_EQ(wnd->Page(10).m_calls.size(), calls10);
    EXPECT_EQ(wnd->Page(24).m_calls.size(), calls24);
    wnd.reset();
    bRun = false;
    mouse.join();
}

}  // namespace
