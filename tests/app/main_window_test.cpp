// The main window in-process on its real skins: start-up order, the router, the page timers of
// all 24 ranges, the tab refresh, settings and languages.
#include "tests/kit/scoped_timing.h"
#include "tests/kit/device_change.h"
#include "core/page/page_policy.h"
#include "tests/kit/main_window_fixture.h"
#include "models/table/model_table.h"
#include "tests/kit/sim_devices.h"

#include <dbt.h>
#include <gtest/gtest.h>

#include <thread>

using namespace DuiLib;

namespace {

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
        FreshSettingsFile();
        CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    }
    void TearDown() override { kit::ResetWorld(); }
};

bool Logged(CSpyPage& page, const std::wstring& line) {
    for (const std::wstring& call : page.m_calls)
        if (call == line) return true;
    return false;
}

TEST_F(MainWindowTest, StartUpSetsEveryPageUpInOrderAndLoadsHookDll) {
    MainWindow wnd;
    for (int n = 1; n <= kModelCount; ++n) {
        CSpyPage& page = wnd.Page(n);
        ASSERT_EQ(page.m_calls.size(), 2u) << n;
        EXPECT_EQ(page.m_calls[0], L"InitPage");
        EXPECT_EQ(page.m_calls[1], L"LoadData");
        EXPECT_EQ(page.m_hMainWnd, wnd.hwnd());
        EXPECT_NE(page.LinkIndicator(LinkKind::Wireless), nullptr) << "the page's link icon is bound, page " << n;
    }
    const HookTable& hooks = wnd->Hooks();
    EXPECT_TRUE(hooks.pfnInstallMouseHook && hooks.pfnRemoveMouseHook && hooks.pfnEnableMouseHook &&
                hooks.pfnInstallHook && hooks.pfnRemoveHook && hooks.pfnEnableHook && hooks.pfnMouseWheelEnable);
    wchar_t szClass[64], szTitle[64];
    GetClassNameW(wnd.hwnd(), szClass, 64);
    GetWindowTextW(wnd.hwnd(), szTitle, 64);
    EXPECT_STREQ(szClass, L"ORVEK Gaming Driver");
    EXPECT_STREQ(szTitle, L"ORVEK Gaming Driver");
    RECT rc;
    GetWindowRect(wnd.hwnd(), &rc);
    EXPECT_EQ(rc.right - rc.left, 800);
    EXPECT_EQ(rc.bottom - rc.top, 572);
}

struct ShellCall {
    DWORD message;
    UINT uCallbackMessage;
    bool bIcon;
    std::wstring tip;
};
std::vector<ShellCall> g_shellCalls;
BOOL WINAPI RecordShell(DWORD message, PNOTIFYICONDATAW data) {
    g_shellCalls.push_back({message, data->uCallbackMessage, data->hIcon != nullptr, data->szTip});
    return TRUE;
}

TEST_F(MainWindowTest, TheTrayIconComesWithTheWindowAndGoesWithIt) {
    g_shellCalls.clear();
    const auto previous = CTrayIcon::SetShellNotify(&RecordShell);
    {
        MainWindow wnd;
        ASSERT_FALSE(g_shellCalls.empty());
        EXPECT_EQ(g_shellCalls[0].message, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(g_shellCalls[0].uCallbackMessage, WM_TRAYICON);
        EXPECT_TRUE(g_shellCalls[0].bIcon);
        EXPECT_EQ(g_shellCalls[0].tip, L"ORVEK Gaming Driver");
        EXPECT_TRUE(wnd->TrayIcon().IsVisible());
    }
    EXPECT_EQ(g_shellCalls.back().message, static_cast<DWORD>(NIM_DELETE));
    CTrayIcon::SetShellNotify(previous);
}

TEST_F(MainWindowTest, NotificationsOfAPagesControlsReachThatPageOnly) {
    MainWindow wnd;
    wnd.ClearCalls();
    CControlUI* title10 = wnd.Page(10).FindPageControl(L"title");
    ASSERT_NE(title10, nullptr);
    CPaintManagerUI* pm = uikit::ManagerOf(wnd.hwnd());
    pm->SendNotify(title10, DUI_MSGTYPE_CLICK);
    pm->SendNotify(title10, DUI_MSGTYPE_WINDOWINIT);  // no entry: dropped
    pm->SendNotify(title10, DUI_MSGTYPE_MOUSEENTER);
    EXPECT_EQ(wnd.Page(10).m_calls, std::vector<std::wstring>{L"OnClick ms_10_title"});
    for (int n = 1; n <= kModelCount; ++n) {
        if (n == 10) continue;
        EXPECT_TRUE(wnd.Page(n).m_calls.empty()) << n;
    }
}

TEST_F(MainWindowTest, RoutesDriverMessagesToTheirPageAsOneWord) {
    MainWindow wnd;
    wnd.ClearCalls();
    SendMessageW(wnd.hwnd(), PageMsgBase(10) + 3, 0xABCD0000 | 0x1036, 2);  // upper bits of wParam drop out
    SendMessageW(wnd.hwnd(), PageMsgBase(1) + 4, 1, 0);
    SendMessageW(wnd.hwnd(), PageMsgBase(1) + 4, 0, 0);
    SendMessageW(wnd.hwnd(), PageMsgBase(1) + 4, 7, 0);
    SendMessageW(wnd.hwnd(), PageMsgBase(24) + 3, 0x4056, 0x12345);
    EXPECT_EQ(wnd.Page(10).m_calls, std::vector<std::wstring>{L"OnDevMonitor 0x10360002"});
    EXPECT_EQ(wnd.Page(1).m_calls,
              (std::vector<std::wstring>{L"OnDevMonitor 0x7F000001", L"OnDevMonitor 0x7F000002", L"OnDevMonitor 0x7F000000"}));
    EXPECT_EQ(wnd.Page(24).m_calls, std::vector<std::wstring>{L"OnDevMonitor 0x40562345"});
    for (int n : {2, 9, 11, 23}) EXPECT_TRUE(wnd.Page(n).m_calls.empty()) << n;
}

TEST_F(MainWindowTest, ConsumesItsMessagesAndLeavesTimersAndOthersToTheLibrary) {
    MainWindow wnd;
    wnd.ClearCalls();
    struct Row { UINT msg; bool handled; };
    const Row rows[] = {
        {WM_HOOKKEY, true}, {WM_SHOWDPI, true}, {0x50C, true}, {0x1401, true},
        {PageMsgBase(3) + 1, true}, {PageMsgBase(3) + 2, true}, {PageMsgBase(3) + 6, true},
        {PageMsgBase(3) + 7, false}, {PageMsgBase(24) + 15, false}, {0x5FF, false}, {0x780, false},
        {WM_TIMER, false}, {WM_USER + 77, false},
    };
    for (const Row& r : rows) {
        BOOL bHandled = FALSE;
        wnd->HandleCustomMessage(r.msg, 999, 0, bHandled);
        EXPECT_EQ(bHandled != FALSE, r.handled) << std::hex << r.msg;
    }
    for (int n = 1; n <= kModelCount; ++n) EXPECT_TRUE(wnd.Page(n).m_calls.empty()) << n;
}

TEST_F(MainWindowTest, ForwardsApplyRequestsToThePagesWorker) {
    MainWindow wnd;
    CSpyPage& page = wnd.Page(24);
    HANDLE hApplied = CreateEventW(nullptr, FALSE, FALSE, nullptr);
    std::atomic<DWORD> dwApplyThread{0};
    page.onApply = [&] {
        dwApplyThread = GetCurrentThreadId();
        SetEvent(hApplied);
    };
    ASSERT_TRUE(page.StartWorker());
    // The worker runs an apply for its own thread message (0x770 for MS_24) only.
    SendMessageW(wnd.hwnd(), PageMsgBase(24) + 5, 11, 22);
    ASSERT_EQ(WaitForSingleObject(hApplied, 5000), WAIT_OBJECT_0);
    EXPECT_EQ(dwApplyThread, page.WorkerThreadId());
    EXPECT_NE(dwApplyThread, GetCurrentThreadId());
    PostThreadMessageW(page.WorkerThreadId(), PageMsgBase(23), 0, 0);
    EXPECT_EQ(WaitForSingleObject(hApplied, 100), static_cast<DWORD>(WAIT_TIMEOUT)) << "another page's number does nothing";
    CloseHandle(hApplied);
}

TEST_F(MainWindowTest, PageTimersRunThePageRuntimesWorkByRange) {
    ScopedTiming timing;
    Timing().uPresenceTimeoutMs = 6000;
    // Per model, written out: how many kinds of timer it has, and what the 2.4 GHz timeout does
    // while its 4K link is up (link controls refreshed, online afterwards, tab refreshes asked for).
    struct Row { int model; unsigned kinds; bool controls; int online; int announced; };
    const Row rows[] = {
        {1, 4, false, 0, 1}, {2, 4, false, 0, 1},  {3, 5, true, 1, 0},   {4, 5, true, 1, 0},
        {5, 5, true, 1, 0},  {6, 5, true, 1, 1},   {7, 5, true, 1, 0},   {8, 6, true, 1, 1},
        {9, 5, true, 1, 0},  {10, 4, false, 0, 1}, {11, 6, true, 1, 1},  {12, 5, true, 1, 1},
        {13, 5, true, 1, 1}, {14, 6, true, 1, 1},  {15, 6, true, 1, 1},  {16, 6, true, 1, 1},
        {17, 6, true, 1, 1}, {18, 6, true, 1, 1},  {19, 6, true, 1, 1},  {20, 6, true, 1, 1},
        {21, 6, true, 1, 1}, {22, 6, true, 1, 1},  {23, 6, true, 1, 1},  {24, 6, true, 1, 1},
    };
    MainWindow wnd;
    for (const Row& r : rows) {
        CSpyPage& page = wnd.Page(r.model);
        for (unsigned k = 0; k < 8; ++k) {
            wnd.ClearCalls();
            wnd.TakePosted(WM_DEVICELISTCHANGED);
            wnd.TakePosted(PageMsgBase(r.model) + 5);
            page.m_bWireless = 1;
            page.m_bWireless4k = 1;
            page.m_bOnline = 1;
            wnd->OnTimer(PageTimer(r.model, k));
            const bool bMine = k < r.kinds;
            // The runtime's work, kind by kind; nothing for an id past the page's kinds.
            EXPECT_EQ(page.m_bWireless, bMine && k == 0 ? 0 : 1) << "page " << r.model << " kind " << k;
            EXPECT_EQ(wnd.TakePosted(PageMsgBase(r.model) + 5), bMine && k == 1 ? 1 : 0) << "page " << r.model << " kind " << k;
            EXPECT_EQ(Logged(page, L"OnWireless4kTimeout"), bMine && k == 4) << "page " << r.model << " kind " << k;
            if (bMine && k == 0) {
                EXPECT_EQ(Logged(page, L"UpdateLinkControls"), r.controls) << r.model;
                EXPECT_FALSE(page.LinkIndicator(LinkKind::Wireless)->IsVisible());
                EXPECT_EQ(page.m_bOnline, r.online) << r.model;
                EXPECT_EQ(wnd.TakePosted(WM_DEVICELISTCHANGED), r.announced) << r.model;
            }
        }
        page.m_bWireless = 0;
        page.m_bWireless4k = 0;
        page.m_bOnline = 0;
    }
}

TEST_F(MainWindowTest, WirelessTimeoutFollowsTheCableOnFirstAndSecondGenerationPages) {
    MainWindow wnd;
    struct Row { int model; int wired; int online; int announced; };
    const Row rows[] = {
        {10, 2, 0, 1},  // cable gone: offline, announced once
        {10, 1, 1, 0},  // cable present: stays online, nothing announced
        {18, 1, 1, 1},  // second generation announces every change
        {18, 2, 0, 1},
    };
    for (const Row& r : rows) {
        CSpyPage& page = wnd.Page(r.model);
        page.m_iWiredState = r.wired;
        page.m_bWireless = 1;
        page.m_bOnline = 1;
        wnd.TakePosted(WM_DEVICELISTCHANGED);
        wnd->OnTimer(PageTimer(r.model, TIMER_WIRELESS_TIMEOUT));
        EXPECT_EQ(page.m_bWireless, 0);
        EXPECT_EQ(page.m_bOnline, r.online) << r.model;
        EXPECT_EQ(wnd.TakePosted(WM_DEVICELISTCHANGED), r.announced) << r.model;
        // Firing again while the link is already down changes nothing.
        wnd->OnTimer(PageTimer(r.model, TIMER_WIRELESS_TIMEOUT));
        EXPECT_EQ(wnd.TakePosted(WM_DEVICELISTCHANGED), 0);
        page.m_iWiredState = 0;
    }
}

TEST_F(MainWindowTest, ChargingTimerSweepsTheBatteryBarFromZeroToHundred) {
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    auto* bar = page.FindPageControl<CProgressUI>(L"progress_power");
    ASSERT_NE(bar, nullptr);
    std::vector<int> values;
    for (int i = 0; i < 52; ++i) {
        wnd->OnTimer(PageTimer(10, TIMER_CHARGING));
        values.push_back(bar->GetValue());
    }
    EXPECT_EQ(values[0], 0);
    EXPECT_EQ(values[1], 2);
    EXPECT_EQ(values[50], 100);
    EXPECT_EQ(values[51], 0);
    EXPECT_EQ(page.m_iChargeValue, 2);
}

TEST_F(MainWindowTest, TabRefreshShowsOneButtonPerOnlineModelAndPicksTheLowest) {
    MainWindow wnd(true);
    auto* tabs = static_cast<CTabLayoutUI*>(uikit::FindControl(wnd.hwnd(), L"device_tab_switch"));
    auto option = [&](int n) {
        wchar_t name[32];
        wsprintfW(name, L"option_device_%d", n);
        return static_cast<COptionUI*>(uikit::FindControl(wnd.hwnd(), name));
    };
    wnd->UpdateDeviceOptions();
    EXPECT_EQ(wnd->AnyConnected(), 0);
    EXPECT_EQ(tabs->GetCurSel(), 0);

    wnd.Page(11).m_bOnline = 1;
    wnd.Page(3).m_bOnline = 1;
    SendMessageW(wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);
    EXPECT_EQ(wnd->AnyConnected(), 2);
    EXPECT_TRUE(option(3)->IsVisible());
    EXPECT_TRUE(option(11)->IsVisible());
    EXPECT_FALSE(option(4)->IsVisible());
    EXPECT_EQ(tabs->GetCurSel(), 3);
    EXPECT_TRUE(option(3)->IsSelected());

    // A click on model 11's button shows its page.
    ASSERT_TRUE(uikit::Click(option(11)));
    EXPECT_EQ(tabs->GetCurSel(), 11);

    // The selected model goes: its button goes, the lowest remaining model shows.
    wnd.Page(11).m_bOnline = 0;
    SendMessageW(wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);
    EXPECT_FALSE(option(11)->IsVisible());
    EXPECT_FALSE(option(11)->IsSelected());
    EXPECT_EQ(tabs->GetCurSel(), 3);
    wnd.Page(3).m_bOnline = 0;
    SendMessageW(wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);
    EXPECT_EQ(tabs->GetCurSel(), 0);

    // While hidden, a model coming online shows its button but the tab waits for the window.
    ShowWindow(wnd.hwnd(), SW_HIDE);
    wnd.Page(7).m_bOnline = 1;
    SendMessageW(wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);
    EXPECT_TRUE(option(7)->IsVisible());
    EXPECT_EQ(tabs->GetCurSel(), 0);
    SendMessageW(wnd.hwnd(), WM_SHOWINSTANCE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(wnd.hwnd()));
    EXPECT_EQ(tabs->GetCurSel(), 7);
}

// The tab strip as a person sees it: which tabs show whole between its arrows.
class TabStrip {
public:
    explicit TabStrip(MainWindow& wnd) : m_wnd(wnd) {
        m_pStrip = static_cast<CHorizontalLayoutUI*>(uikit::FindControl(wnd.hwnd(), L"device_tabs"));
        m_pPages = static_cast<CTabLayoutUI*>(uikit::FindControl(wnd.hwnd(), L"device_tab_switch"));
    }
    // Puts the models the predicate names online (the others offline) and announces it.
    template <typename Pred>
    void Online(Pred isOnline) {
        for (int n = 1; n <= kModelCount; ++n) m_wnd.Page(n).m_bOnline = isOnline(n) ? 1 : 0;
        SendMessageW(m_wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);
    }
    COptionUI* Tab(int n) {
        return static_cast<COptionUI*>(uikit::FindControl(m_wnd.hwnd(), (L"option_device_" + std::to_wstring(n)).c_str()));
    }
    CHorizontalLayoutUI* Strip() { return m_pStrip; }
    CScrollArrowUI* Arrow(bool bTowardsEnd) { return m_pStrip->GetScrollArrow(bTowardsEnd); }
    bool ArrowsShown() { return Arrow(false) != nullptr && Arrow(false)->IsVisible() && Arrow(true)->IsVisible(); }
    int Offset() { return m_pStrip->GetScrollPos().cx; }
    int Shown() { return m_pPages->GetCurSel(); }
    // Model n's tab shows whole: inside the strip and not under an arrow.
    ::testing::AssertionResult Whole(int n) {
        uikit::ManagerOf(m_wnd.hwnd())->UpdateLayout();
        const RECT& rcStrip = m_pStrip->GetPos();
        const RECT rcInset = m_pStrip->GetInset();
        const LONG left = ArrowsShown() ? Arrow(false)->GetPos().right : rcStrip.left + rcInset.left;
        const LONG right = ArrowsShown() ? Arrow(true)->GetPos().left : rcStrip.right - rcInset.right;
        const RECT& rc = Tab(n)->GetPos();
        if (Tab(n)->IsVisible() && rc.left >= left && rc.right <= right) return ::testing::AssertionSuccess();
        return ::testing::AssertionFailure() << "MS_" << n << " at " << rc.left << ".." << rc.right << ", the strip shows "
                                             << left << ".." << right;
    }
    int WholeCount() {
        int k = 0;
        for (int n = 1; n <= kModelCount; ++n) k += Whole(n) ? 1 : 0;
        return k;
    }

private:
    MainWindow& m_wnd;
    CHorizontalLayoutUI* m_pStrip = nullptr;
    CTabLayoutUI* m_pPages = nullptr;
};

TEST_F(MainWindowTest, WithEveryModelConnectedTheArrowsAndTheWheelReachEachTab) {
    MainWindow wnd(true);
    TabStrip strip(wnd);
    ASSERT_NE(strip.Strip(), nullptr);
    strip.Online([](int) { return true; });
    ASSERT_TRUE(strip.ArrowsShown());
    EXPECT_GT(strip.Strip()->GetScrollRange().cx, 0);
    EXPECT_EQ(strip.Shown(), 1);
    EXPECT_TRUE(strip.Whole(1));
    const int k = strip.WholeCount();
    ASSERT_GE(k, 5) << "the strip shows several tabs whole";
    ASSERT_LT(k, kModelCount);
    for (int n = 1; n <= k; ++n) EXPECT_TRUE(strip.Whole(n)) << "the first tabs show from the start";
    EXPECT_FALSE(uikit::Click(strip.Tab(kModelCount))) << "the last tab is out of reach";
    EXPECT_FALSE(strip.Arrow(false)->CanScroll());

    // Each press of the right arrow brings one more tab in whole, keeping as many in view.
    for (int n = k + 1; n <= kModelCount; ++n) {
        ASSERT_TRUE(uikit::Click(strip.Arrow(true)));
        EXPECT_TRUE(strip.Whole(n));
        EXPECT_FALSE(strip.Whole(n - k)) << "MS_" << n - k << " went out at the left";
        EXPECT_EQ(strip.WholeCount(), k);
    }
    const int iEnd = strip.Offset();
    EXPECT_EQ(iEnd, strip.Strip()->GetScrollRange().cx);
    EXPECT_FALSE(strip.Arrow(true)->CanScroll());
    ASSERT_TRUE(uikit::Click(strip.Arrow(true)));
    EXPECT_EQ(strip.Offset(), iEnd);
    // Scrolling chose nothing: MS_1's page still shows.
    EXPECT_TRUE(strip.Tab(1)->IsSelected());
    EXPECT_EQ(strip.Shown(), 1);

    // The wheel: away from the user one tab back, then all the way to the start; towards the
    // user one tab on.
    ASSERT_TRUE(uikit::Wheel(strip.Tab(kModelCount), WHEEL_DELTA));
    EXPECT_TRUE(strip.Whole(kModelCount - k));
    EXPECT_FALSE(strip.Whole(kModelCount));
    ASSERT_TRUE(uikit::Wheel(strip.Tab(kModelCount - k), WHEEL_DELTA * kModelCount));
    EXPECT_EQ(strip.Offset(), 0);
    EXPECT_TRUE(strip.Whole(1));
    ASSERT_TRUE(uikit::Wheel(strip.Tab(1), -WHEEL_DELTA));
    EXPECT_TRUE(strip.Whole(k + 1));
    EXPECT_FALSE(strip.Whole(1));
}

TEST_F(MainWindowTest, TheSelectedTabIsBroughtWholeIntoViewHoweverItIsChosen) {
    MainWindow wnd(true);
    TabStrip strip(wnd);
    strip.Online([](int n) { return n >= 12; });
    ASSERT_TRUE(strip.ArrowsShown());
    EXPECT_EQ(strip.Shown(), 12);

    // The arrow keys walk the tabs; each one chosen shows whole, and its page with it.
    ASSERT_TRUE(uikit::Click(strip.Tab(12)));
    for (int n = 13; n <= kModelCount; ++n) {
        uikit::PressKey(wnd.hwnd(), VK_RIGHT);
        EXPECT_EQ(strip.Shown(), n);
        EXPECT_TRUE(strip.Whole(n));
    }

    // Hidden in the tray, the window keeps MS_24 chosen while models come before it and go.
    ShowWindow(wnd.hwnd(), SW_HIDE);
    strip.Online([](int) { return true; });
    EXPECT_EQ(strip.Shown(), kModelCount);
    EXPECT_TRUE(strip.Whole(kModelCount)) << "tabs that came before it pushed it out";
    strip.Online([](int n) { return n == kModelCount; });
    EXPECT_TRUE(strip.Whole(kModelCount));
    EXPECT_FALSE(strip.ArrowsShown());
    EXPECT_EQ(strip.Offset(), 0);
    strip.Online([](int) { return true; });
    EXPECT_TRUE(strip.Whole(kModelCount));

    // Shown again, the window chooses the first model: the strip goes back to it.
    SendMessageW(wnd.hwnd(), WM_SHOWINSTANCE, 0, 0);
    EXPECT_EQ(strip.Shown(), 1);
    EXPECT_TRUE(strip.Whole(1));
    EXPECT_EQ(strip.Offset(), 0);

    // A click on MS_24 once the arrows bring it near; then MS_24 leaves and MS_1 shows again.
    while (!strip.Whole(kModelCount) && strip.Arrow(true)->CanScroll()) ASSERT_TRUE(uikit::Click(strip.Arrow(true)));
    ASSERT_TRUE(uikit::Click(strip.Tab(kModelCount)));
    EXPECT_EQ(strip.Shown(), kModelCount);
    strip.Online([](int n) { return n != kModelCount; });
    EXPECT_EQ(strip.Shown(), 1);
    EXPECT_TRUE(strip.Whole(1));
}

TEST_F(MainWindowTest, WithAFewModelsTheStripNeitherScrollsNorShowsArrows) {
    MainWindow wnd(true);
    TabStrip strip(wnd);
    strip.Online([](int n) { return n == 3 || n == 11; });
    EXPECT_FALSE(strip.ArrowsShown());
    EXPECT_EQ(strip.Strip()->GetScrollRange().cx, 0);
    const RECT rc3 = strip.Tab(3)->GetPos();
    const RECT rc11 = strip.Tab(11)->GetPos();
    EXPECT_EQ(rc3.left, strip.Strip()->GetPos().left + strip.Strip()->GetInset().left);
    EXPECT_EQ(rc11.left, rc3.right + strip.Strip()->GetChildPadding());

    ASSERT_TRUE(uikit::Wheel(strip.Tab(11), -WHEEL_DELTA));
    ASSERT_TRUE(uikit::Click(strip.Tab(3)));
    uikit::PressKey(wnd.hwnd(), VK_RIGHT);  // to the next tab shown, past the hidden ones
    EXPECT_EQ(strip.Shown(), 11);
    EXPECT_EQ(strip.Offset(), 0);
    EXPECT_TRUE(EqualRect(&strip.Tab(3)->GetPos(), &rc3));
    EXPECT_TRUE(EqualRect(&strip.Tab(11)->GetPos(), &rc11));
}

TEST_F(MainWindowTest, ExitButtonHidesTheWindowAndMinimiseButtonMinimises) {
    MainWindow wnd(true);
    ASSERT_TRUE(uikit::Click(wnd.hwnd(), L"min_btn"));
    EXPECT_TRUE(IsIconic(wnd.hwnd()));
    SendMessageW(wnd.hwnd(), WM_SHOWINSTANCE, 0, 0);  // a second start restores it
    EXPECT_FALSE(IsIconic(wnd.hwnd()));
    uikit::PressKey(wnd.hwnd(), VK_ESCAPE);
    EXPECT_TRUE(IsWindow(wnd.hwnd())) << "Esc does not end the program";
    EXPECT_TRUE(IsWindowVisible(wnd.hwnd()));
    ASSERT_TRUE(uikit::Click(wnd.hwnd(), L"exit_btn"));
    EXPECT_FALSE(IsWindowVisible(wnd.hwnd()));
    EXPECT_TRUE(IsWindow(wnd.hwnd()));
}

TEST_F(MainWindowTest, LanguageComesFromTheSettingsFileOrTheUserInterface) {
    struct Row { const wchar_t* file; LANGID ui; int lanId; const wchar_t* written; const wchar_t* title; };
    const Row rows[] = {
        {nullptr, 0x0804, 1, L"1", L"ORVEK 游戏鼠标驱动"},
        {nullptr, 0x042A, 3, L"3", L"Trình điều khiển chuột ORVEK"},
        {nullptr, 0x0409, 2, L"2", L"ORVEK Gaming Driver"},
        {L"7", 0x0409, 2, L"2", L"ORVEK Gaming Driver"},
        {L"3", 0x0804, 3, L"3", L"Trình điều khiển chuột ORVEK"},
    };
    static LANGID s_ui;
    for (const Row& r : rows) {
        const std::wstring path = FreshSettingsFile();
        if (r.file != nullptr) WritePrivateProfileStringW(L"SETTING", L"lanId", r.file, path.c_str());
        s_ui = r.ui;
        CMainWnd::s_pfnUiLanguage = [] { return s_ui; };
        {
            MainWindow wnd;
            EXPECT_EQ(wnd->LanguageId(), r.lanId);
            wchar_t title[64];
            GetWindowTextW(wnd.hwnd(), title, 64);
            EXPECT_STREQ(title, r.title);
        }
        wchar_t value[16] = L"";
        GetPrivateProfileStringW(L"SETTING", L"lanId", L"", value, 16, path.c_str());
        EXPECT_STREQ(value, r.written);
        GetPrivateProfileStringW(L"SETTING", L"Startup", L"none", value, 16, path.c_str());
        EXPECT_STREQ(value, L"none") << "Startup is not written at start";
        GetPrivateProfileStringW(L"SETTING", L"Feedback", L"none", value, 16, path.c_str());
        EXPECT_STREQ(value, L"none");
    }
}

TEST_F(MainWindowTest, LanguageChangeReloadsTextsRefreshesEveryPageAndSaves) {
    MainWindow wnd;
    wnd.ClearCalls();
    SendMessageW(wnd.hwnd(), WM_LANGUAGE, 1, 0);
    EXPECT_EQ(CResourceManager::GetInstance()->GetText(L"no_device_text"), CDuiString(L"未连接鼠标"));
    for (int n = 1; n <= kModelCount; ++n) EXPECT_TRUE(Logged(wnd.Page(n), L"RefreshControls")) << n;
    EXPECT_EQ(wnd->LanguageId(), 1);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"lanId", -1, (GetDataFolder() + L"CONFIG.ini").c_str()), 1);
    SendMessageW(wnd.hwnd(), WM_LANGUAGE, 2, 0);
    EXPECT_EQ(CResourceManager::GetInstance()->GetText(L"no_device_text"), CDuiString(L"No mouse connected"));
}

TEST_F(MainWindowTest, StartupAndFeedbackSwitchesKeepFileAndRunValueTogether) {
    const std::wstring path = FreshSettingsFile();
    MainWindow wnd;
    SendMessageW(wnd.hwnd(), WM_STARTUP, 1, 0);
    EXPECT_EQ(wnd->StartupSetting(), 1);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Startup", -1, path.c_str()), 1);
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    EXPECT_TRUE(CAutostart(exe).IsRegistered());

    SendMessageW(wnd.hwnd(), WM_STARTUP, 2, 0);
    EXPECT_EQ(wnd->StartupSetting(), 2);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Startup", -1, path.c_str()), 0);
    EXPECT_FALSE(CAutostart(exe).IsRegistered());

    SendMessageW(wnd.hwnd(), WM_FEEDBACK, 1, 0);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Feedback", -1, path.c_str()), 1);
    SendMessageW(wnd.hwnd(), WM_FEEDBACK, 5, 0);
    EXPECT_EQ(wnd->FeedbackSetting(), 5);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Feedback", -1, path.c_str()), 0);
}

TEST_F(MainWindowTest, ARunValueFoundAtStartSwitchesStartupOn) {
    const std::wstring path = FreshSettingsFile();
    WritePrivateProfileStringW(L"SETTING", L"Startup", L"0", path.c_str());
    wchar_t exe[MAX_PATH];
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    ASSERT_TRUE(CAutostart(exe).Register());
    {
        MainWindow wnd;
        EXPECT_EQ(wnd->StartupSetting(), 1);
    }
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Startup", -1, path.c_str()), 1);
    CAutostart(exe).Unregister();
    WritePrivateProfileStringW(L"SETTING", L"Startup", L"1", path.c_str());
    MainWindow wnd;  // no value, "Startup" 1: stays on, nothing written
    EXPECT_EQ(wnd->StartupSetting(), 1);
}

TEST_F(MainWindowTest, DeviceChangeIsReadWithinItsHeaderAndPassedToTheBluetoothPages) {
    MainWindow wnd;
    wnd.ClearCalls();
    SendMessageW(wnd.hwnd(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, 0);  // no header at all
    DEV_BROADCAST_HDR volume = {sizeof(DEV_BROADCAST_HDR), DBT_DEVTYP_VOLUME, 0};
    SendMessageW(wnd.hwnd(), WM_DEVICECHANGE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
    DEV_BROADCAST_HDR shortInterface = {sizeof(DEV_BROADCAST_HDR), DBT_DEVTYP_DEVICEINTERFACE, 0};
    SendMessageW(wnd.hwnd(), WM_DEVICECHANGE, DBT_DEVICEREMOVECOMPLETE, reinterpret_cast<LPARAM>(&shortInterface));
    for (int n = 1; n <= kModelCount; ++n) {
        const size_t expected = FindModel(n)->HasBle() ? 3 : 0;
        EXPECT_EQ(wnd.Page(n).m_calls.size(), expected) << n;
    }
    EXPECT_EQ(wnd->Receivers().PollingThreadCount(ReceiverKind::Wireless), 0);
}

TEST_F(MainWindowTest, ReceiverArrivalsOpenTheirKindOnceAfterTheLastInterface) {
    ScopedTiming timing;
    Timing().uReceiverArrivalMs = 150;
    MainWindow wnd;
    CReceiverManager& receivers = wnd->Receivers();
    const int opened24 = receivers.OpenCount(ReceiverKind::Wireless);
    const int opened4k = receivers.OpenCount(ReceiverKind::Wireless4k);
    // Interfaces arriving one after another within the delay restart it each time.
    kit::PlugReceiverAndNotify(wnd.hwnd(), kit::ReceiverKind::Wireless);
    uikit::PumpUntilIdle(60);
    Sleep(60);
    kit::PlugReceiverAndNotify(wnd.hwnd(), kit::ReceiverKind::Wireless);
    uikit::PumpUntilIdle(60);
    Sleep(60);
    kit::PlugReceiverAndNotify(wnd.hwnd(), kit::ReceiverKind::Wireless4k);
    EXPECT_EQ(receivers.OpenCount(ReceiverKind::Wireless), opened24) << "still waiting for the last arrival";
    EXPECT_TRUE(uikit::PumpUntil([&] {
        return receivers.OSDCount(ReceiverKind::Wireless) == 2 && receivers.OSDCount(ReceiverKind::Wireless4k) == 1;
    }, 3000));
    uikit::PumpUntilIdle(400);
    EXPECT_EQ(receivers.OpenCount(ReceiverKind::Wireless), opened24 + 1) << "opened once";
    EXPECT_EQ(receivers.OpenCount(ReceiverKind::Wireless4k), opened4k + 1);
    EXPECT_EQ(receivers.PollingThreadCount(ReceiverKind::Wireless), 2);
    EXPECT_EQ(receivers.PollingThreadCount(ReceiverKind::Wireless4k), 1);
}

// The program builds each model's own page in model order; a test can put a page of its own in
// place of any one of them, and the window routes that model's messages to it.
TEST_F(MainWindowTest, PagesComeFromAFactoryPerModelInModelOrder) {
    const PageFactoryTable program = ModelPageFactories();
    for (int n = 1; n <= kModelCount; ++n) {
        const std::unique_ptr<CPageBase> page = program[static_cast<size_t>(n - 1)]();
        ASSERT_NE(page, nullptr);
        EXPECT_EQ(page->Model(), n);
        EXPECT_EQ(page->Prefix(), ControlPrefix(n));
    }

    PageFactoryTable factories = ModelPageFactories();
    std::vector<int> built;
    for (int n = 1; n <= kModelCount; ++n) {
        factories[static_cast<size_t>(n - 1)] = [&built, n, make = factories[static_cast<size_t>(n - 1)]] {
            built.push_back(n);
            return make();
        };
    }
    CSpyPage* pSpy = nullptr;
    factories[6] = [&] {
        built.push_back(7);
        auto p = std::make_unique<CSpyPage>(7);
        pSpy = p.get();
        return std::unique_ptr<CPageBase>(std::move(p));
    };
    CMainWnd wnd(factories);
    std::vector<int> inOrder(kModelCount);
    for (int n = 1; n <= kModelCount; ++n) inOrder[static_cast<size_t>(n - 1)] = n;
    EXPECT_EQ(built, inOrder);
    ASSERT_NE(pSpy, nullptr);
    EXPECT_EQ(wnd.Page(7), pSpy);
    CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
    CPaintManagerUI::SetResourcePath((GetExeFolder() + L"res\\").c_str());
    wnd.Create(nullptr, nullptr, WS_POPUP, 0, 0, 0, 800, 572);
    ASSERT_TRUE(wnd.ActivatePage(7));
    SendMessageW(wnd.GetHWND(), PageMsgBase(7) + WM_PAGE_DEVLINK_OFFSET, 1, 0);
    EXPECT_TRUE(pSpy->Logged(L"OnDevMonitor 0x7F000001"));
    DestroyWindow(wnd.GetHWND());
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

// The core's policy per model, as the receivers and the timers must apply it.
TEST(PagePolicies, EachModelCountsItsLinksAndAnnouncesAsItsGenerationDoes) {
    struct Row { int model; bool ble; bool fourK; bool update; bool every; unsigned kinds; };
    const Row rows[] = {
        {1, false, false, false, false, 4},  {2, false, false, false, false, 4},
        {3, false, true, true, false, 5},    {4, false, true, true, false, 5},
        {5, false, true, true, false, 5},    {6, true, true, true, true, 5},
        {7, true, true, true, false, 5},     {8, true, true, true, true, 6},
        {9, true, true, true, false, 5},     {10, false, false, false, false, 4},
        {11, true, true, true, true, 6},     {12, false, true, true, true, 5},
        {13, false, true, true, true, 5},    {14, true, true, true, true, 6},
        {15, true, true, true, true, 6},     {16, true, true, true, true, 6},
        {17, true, true, true, true, 6},     {18, true, true, true, true, 6},
        {19, true, true, true, true, 6},     {20, true, true, true, true, 6},
        {21, true, true, true, true, 6},     {22, true, true, true, true, 6},
        {23, true, true, true, true, 6},     {24, true, true, true, true, 6},
    };
    for (const Row& r : rows) {
        const PagePolicy& p = PolicyOf(r.model);
        EXPECT_EQ(p.bBleCountsOnline, r.ble) << r.model;
        EXPECT_EQ(p.b4kCountsOnline, r.fourK) << r.model;
        EXPECT_EQ(p.bUpdateLinkControls, r.update) << r.model;
        EXPECT_EQ(p.bAnnounceEveryChange, r.every) << r.model;
        EXPECT_EQ(p.uTimerKinds, r.kinds) << r.model;
    }
}

}  // namespace
