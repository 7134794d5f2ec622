// Skinned windows: frameless geometry, class registration, modal loops and their results,
// message order, control timers beside window timers, work posted from other threads.
#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;
using Seq = std::vector<std::wstring>;

namespace {

constexpr DWORD kMainWindowStyle = 0x96CA0000;  // pop-up, visible, clip, caption, system menu, minimise
constexpr wchar_t kDialogSkin[] =
    L"<Window size=\"240,120\" caption=\"0,0,0,24\">"
    L"<VerticalLayout name=\"root\" bkcolor=\"#FF202020\">"
    L" <Label name=\"title\" height=\"24\" text=\"title_text\"/>"
    L" <HorizontalLayout height=\"40\">"
    L"  <Button name=\"btn_ok\" width=\"80\"/><Button name=\"btn_cancel\" width=\"80\"/>"
    L" </HorizontalLayout>"
    L"</VerticalLayout></Window>";

// A dialog as the program writes them: OK closes with 1, Cancel with 0.
class CDialog : public CTestWindow {
public:
    CDialog() : CTestWindow(kDialogSkin, L"UiTestDialog") {}
    void OnClick(TNotifyUI& msg) override {
        CTestWindow::OnClick(msg);
        if (msg.pSender->GetName() == L"btn_ok") Close(1);
        if (msg.pSender->GetName() == L"btn_cancel") Close(0);
    }
};

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(m_owner.CreateAt(100, 80, 400, 300, kMainWindowStyle), nullptr);
        uikit::PumpUntilIdle();
    }
    // Opens the dialog over the owner and runs it modally with the given answer.
    UINT RunDialog(uikit::ModalAnswer::Action answer, bool* pOwnerWasDisabled = nullptr) {
        CDialog dialog;
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            if (pOwnerWasDisabled != nullptr) *pOwnerWasDisabled = !::IsWindowEnabled(m_owner);
            answer(wnd);
        });
        if (dialog.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return 99;
        dialog.CenterWindow();
        UINT nResult = dialog.ShowModal();
        EXPECT_EQ(modal.GetCount(), 1);
        EXPECT_EQ(dialog.GetHWND(), nullptr);  // the window is gone when ShowModal returns
        return nResult;
    }

    CTestWindow m_owner{L"<Window size=\"400,300\"><VerticalLayout name=\"root\" bkcolor=\"#FF000000\">"
                        L"<Button name=\"main_btn\" height=\"30\"/></VerticalLayout></Window>",
                        L"UiTestMain"};
};

TEST_F(WindowTest, FramelessClientAreaIsTheWholeWindow) {
    RECT rcWindow, rcClient;
    ::GetWindowRect(m_owner, &rcWindow);
    ::GetClientRect(m_owner, &rcClient);
    EXPECT_EQ(rcClient.right, rcWindow.right - rcWindow.left);
    EXPECT_EQ(rcClient.bottom, rcWindow.bottom - rcWindow.top);
    POINT pt{0, 0};
    ::ClientToScreen(m_owner, &pt);
    EXPECT_EQ(pt.x, 100);
    EXPECT_EQ(pt.y, 80);
    EXPECT_NE(::GetWindowLongW(m_owner, GWL_STYLE) & WS_CAPTION, 0);
    // A control's position plus the window's origin is where it is on the screen.
    m_owner.PM().UpdateLayout();
    EXPECT_EQ(m_owner.Find(L"main_btn")->GetPos().top, 0);
}

TEST_F(WindowTest, ClassIsRegisteredAndInitWindowRanInsideCreate) {
    EXPECT_EQ(::FindWindowW(L"UiTestMain", nullptr), m_owner.GetHWND());
    EXPECT_NE(::GetClassLongW(m_owner, GCL_STYLE) & CS_DBLCLKS, 0u);
    EXPECT_TRUE(m_owner.m_bInitWindowRan);
    EXPECT_EQ(m_owner.m_hWndAtInit, m_owner.GetHWND());
    EXPECT_EQ(CWindowWnd::FromHandle(m_owner), &m_owner);
}

TEST_F(WindowTest, CenterWindowCentresOnTheOwner) {
    CDialog dialog;
    ASSERT_NE(dialog.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800), nullptr);
    dialog.CenterWindow();
    RECT rc;
    ::GetWindowRect(dialog, &rc);
    EXPECT_EQ(rc.right - rc.left, 240);
    EXPECT_EQ(rc.left, 100 + (400 - 240) / 2);
    EXPECT_EQ(rc.top, 80 + (300 - 120) / 2);
}

TEST_F(WindowTest, ModalResultIsOneOnlyForOk) {
    struct Case {
        const char* pszHow;
        uikit::ModalAnswer::Action answer;
        UINT nExpected;
    } cases[] = {
        {"OK button", uikit::ModalAnswer::ClickControl(L"btn_ok"), 1},
        {"Cancel button", uikit::ModalAnswer::ClickControl(L"btn_cancel"), 0},
        {"Esc", uikit::ModalAnswer::Key(VK_ESCAPE), 0},
        {"Alt+F4", uikit::ModalAnswer::AltF4(), 0},
        {"close command", [](CWindowWnd& wnd) { ::PostMessageW(wnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, 0},
        {"WM_CLOSE from elsewhere", [](CWindowWnd& wnd) { ::PostMessageW(wnd, WM_CLOSE, 1, 0); }, 0},
        {"destroyed by its owner", [](CWindowWnd& wnd) { ::DestroyWindow(wnd); }, 0},
        {"Close(7)", [](CWindowWnd& wnd) { wnd.Close(7); }, 7},
    };
    for (const Case& c : cases) {
        bool bOwnerWasDisabled = false;
        EXPECT_EQ(RunDialog(c.answer, &bOwnerWasDisabled), c.nExpected) << c.pszHow;
        EXPECT_TRUE(bOwnerWasDisabled) << c.pszHow;
        EXPECT_TRUE(::IsWindowEnabled(m_owner)) << c.pszHow;
    }
}

TEST_F(WindowTest, ModalLoopKeepsServingTheOwnerAndItsTimers) {
    constexpr UINT kOwnerMessage = WM_APP + 5;
    constexpr UINT_PTR kOwnerTimer = 0x291;
    Seq ownerSaw;
    CDialog* pRunning = nullptr;
    m_owner.m_onMessage = [&](UINT uMsg, WPARAM wParam, LPARAM, BOOL& bHandled) -> LRESULT {
        bHandled = FALSE;
        if (uMsg == kOwnerMessage) {
            ownerSaw.push_back(L"posted");
            ::SetTimer(m_owner, kOwnerTimer, 10, nullptr);
            bHandled = TRUE;
        } else if (uMsg == WM_TIMER && wParam == kOwnerTimer) {
            ::KillTimer(m_owner, kOwnerTimer);
            ownerSaw.push_back(L"timer");
            if (pRunning != nullptr) pRunning->Close(1);
            bHandled = TRUE;
        }
        return 0;
    };
    CDialog dialog;
    pRunning = &dialog;
    uikit::ModalAnswer modal([&](CWindowWnd&) { ::PostMessageW(m_owner, kOwnerMessage, 0, 0); });
    ASSERT_NE(dialog.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800), nullptr);
    EXPECT_EQ(dialog.ShowModal(), 1u);
    EXPECT_EQ(ownerSaw, (Seq{L"posted", L"timer"}));
}

TEST_F(WindowTest, QuitDuringAModalLoopEndsItAndReachesTheOuterLoop) {
    EXPECT_EQ(RunDialog([](CWindowWnd&) { ::PostQuitMessage(7); }), 0u);
    MSG msg;
    ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(msg.wParam, 7u);
}

TEST_F(WindowTest, CustomMessagesComeBeforeThePaintManagerAndDestroyReachesBoth) {
    struct CWatched : CTestWindow {
        using CTestWindow::CTestWindow;
        LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override {
            m_order.push_back(L"OnDestroy");
            return CTestWindow::OnDestroy(uMsg, wParam, lParam, bHandled);
        }
        Seq m_order;
    } wnd(L"<Window><VerticalLayout name=\"root\"><Button name=\"b\"/></VerticalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 100, 100), nullptr);
    wnd.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM, BOOL& bHandled) -> LRESULT {
        bHandled = FALSE;
        if (uMsg == WM_DESTROY) wnd.m_order.push_back(L"HandleCustomMessage");
        // Consuming mouse-down here keeps it from the controls.
        if (uMsg == WM_LBUTTONDOWN) bHandled = TRUE;
        return 0;
    };
    EXPECT_TRUE(uikit::Click(wnd, L"b"));
    EXPECT_EQ(wnd.Sequence(), Seq{});
    wnd.m_onMessage = nullptr;
    ASSERT_TRUE(uikit::Click(wnd, L"b"));
    EXPECT_EQ(wnd.Sequence(), (Seq{L"setfocus:b", L"click:b"}));
    wnd.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM, BOOL& bHandled) -> LRESULT {
        bHandled = FALSE;
        if (uMsg == WM_DESTROY) wnd.m_order.push_back(L"HandleCustomMessage");
        return 0;
    };
    ::DestroyWindow(wnd);
    EXPECT_EQ(wnd.m_order, (Seq{L"OnDestroy", L"HandleCustomMessage"}));
}

TEST_F(WindowTest, ControlTimersRaiseTimerAndLeaveWindowTimersAlone) {
    CControlUI* pRoot = m_owner.PM().GetRoot();
    std::vector<UINT_PTR> winTimerIds;
    m_owner.m_onMessage = [&](UINT uMsg, WPARAM wParam, LPARAM, BOOL& bHandled) -> LRESULT {
        // The program's router sees every WM_TIMER first and lets it go on.
        if (uMsg == WM_TIMER) winTimerIds.push_back(wParam);
        bHandled = FALSE;
        return 0;
    };
    // The program's own window timers, including one with the same number as a control timer.
    for (UINT_PTR id : {UINT_PTR{54}, UINT_PTR{55}, UINT_PTR{0x200}, UINT_PTR{0x37F}}) ::SetTimer(m_owner, id, 10, nullptr);
    ASSERT_TRUE(m_owner.PM().SetTimer(pRoot, 54, 10));
    ASSERT_TRUE(m_owner.PM().SetTimer(pRoot, 6, 10));
    auto count = [&](const std::wstring& s) {
        Seq seq = m_owner.Sequence();
        return std::count(seq.begin(), seq.end(), s);
    };
    auto seen = [&](UINT_PTR id) { return std::count(winTimerIds.begin(), winTimerIds.end(), id) > 0; };
    ASSERT_TRUE(uikit::PumpUntil([&] {
        return count(L"timer:root:54") >= 2 && count(L"timer:root:6") >= 2 && seen(54) && seen(55) && seen(0x200) && seen(0x37F);
    }));
    // Only the control timers became notifications, with the control's ids.
    for (const std::wstring& s : m_owner.Sequence()) EXPECT_TRUE(s == L"timer:root:54" || s == L"timer:root:6") << s;
    // The library's own Win32 ids stay clear of the program's.
    for (UINT_PTR id : winTimerIds) {
        EXPECT_TRUE(id == 54 || id == 55 || id == 0x200 || id == 0x37F || id >= kFirstLibraryTimerId) << id;
    }
    // Killing the window's timer 54 leaves the control's timer 54 running, and the other way round.
    ::KillTimer(m_owner, 54);
    ASSERT_TRUE(m_owner.PM().KillTimer(pRoot, 6));
    EXPECT_FALSE(m_owner.PM().KillTimer(pRoot, 6));
    uikit::PumpUntilIdle();
    m_owner.ClearRecords();
    winTimerIds.clear();
    ASSERT_TRUE(uikit::PumpUntil([&] { return count(L"timer:root:54") >= 2 && seen(55); }));
    EXPECT_EQ(count(L"timer:root:6"), 0);
    EXPECT_FALSE(seen(54));
    m_owner.PM().KillTimer(pRoot);
    for (UINT_PTR id : {UINT_PTR{55}, UINT_PTR{0x200}, UINT_PTR{0x37F}}) ::KillTimer(m_owner, id);
}

TEST_F(WindowTest, TimersOfARemovedControlStop) {
    CDialogBuilder builder;
    CControlUI* pRow = builder.Create(L"<Label name=\"ticking\" height=\"20\"/>", static_cast<UINT>(0), nullptr,
                                      &m_owner.PM(), m_owner.PM().GetRoot());
    ASSERT_NE(pRow, nullptr);
    ASSERT_TRUE(m_owner.PM().SetTimer(pRow, 28, 10));
    ASSERT_TRUE(uikit::PumpUntil([&] { return !m_owner.Sequence().empty(); }));
    ASSERT_TRUE(static_cast<CContainerUI*>(m_owner.PM().GetRoot())->Remove(pRow));
    uikit::PumpUntilIdle();
    m_owner.ClearRecords();
    // Several periods later nothing more came.
    bool bQuiet = !uikit::PumpUntil([&] { return !m_owner.Sequence().empty(); }, 100);
    EXPECT_TRUE(bQuiet);
}

TEST_F(WindowTest, WorkFromAnotherThreadRunsOnTheUiThreadInOrder) {
    const DWORD dwUiThread = ::GetCurrentThreadId();
    EXPECT_TRUE(CPaintManagerUI::IsUiThread());
    std::vector<int> order;
    std::vector<DWORD> threads;
    std::atomic<bool> bWorkerSawUi{true};
    std::thread worker([&] {
        bWorkerSawUi = CPaintManagerUI::IsUiThread();
        for (int i = 0; i < 3; ++i) {
            CPaintManagerUI::RunOnUiThread([&, i] {
                order.push_back(i);
                threads.push_back(::GetCurrentThreadId());
            });
        }
    });
    worker.join();
    EXPECT_FALSE(bWorkerSawUi);
    EXPECT_TRUE(order.empty());  // posted, not run on the worker
    ASSERT_TRUE(uikit::PumpUntil([&] { return order.size() == 3; }));
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2}));
    for (DWORD id : threads) EXPECT_EQ(id, dwUiThread);
}

TEST_F(WindowTest, WorkFromAnotherThreadRunsWhileADialogIsModal) {
    CDialog dialog;
    std::thread worker;
    uikit::ModalAnswer modal([&](CWindowWnd&) {
        worker = std::thread([&] { CPaintManagerUI::RunOnUiThread([&] { dialog.Close(1); }); });
    });
    ASSERT_NE(dialog.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800), nullptr);
    EXPECT_EQ(dialog.ShowModal(), 1u);
    worker.join();
}

TEST_F(WindowTest, WindowInitFollowsTheFirstPaintOnce) {
    CTestWindow wnd(L"<Window size=\"60,40\"><VerticalLayout name=\"root\" bkcolor=\"#FF000000\"/></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 60, 40), nullptr);
    ::InvalidateRect(wnd, nullptr, FALSE);
    ::UpdateWindow(wnd);
    ASSERT_TRUE(uikit::PumpUntil([&] { return !wnd.Sequence({}).empty(); }));
    ::InvalidateRect(wnd, nullptr, FALSE);
    ::UpdateWindow(wnd);
    uikit::PumpUntilIdle();
    EXPECT_EQ(wnd.Sequence({}), (Seq{L"windowinit:root"}));
}

TEST_F(WindowTest, NamesCanBeLookedUpFromAnotherThread) {
    CControlUI* pFromWorker = nullptr;
    std::thread worker([&] { pFromWorker = m_owner.PM().FindControl(L"main_btn"); });
    worker.join();
    EXPECT_EQ(pFromWorker, m_owner.Find(L"main_btn"));
    EXPECT_NE(pFromWorker, nullptr);
}

TEST(Instance, PathsOfTheProgram) {
    wchar_t szExe[MAX_PATH] = {0};
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring sExe(szExe);
    const CDuiString sPath = CPaintManagerUI::GetInstancePath();
    ASSERT_FALSE(sPath.IsEmpty());
    EXPECT_EQ(sPath[sPath.GetLength() - 1], L'\\');
    EXPECT_EQ(sExe.substr(0, sExe.rfind(L'\\') + 1), sPath.GetData());
    EXPECT_EQ(CPaintManagerUI::GetResourcePath(), (sPath + L"ui_test_res\\"));
}

TEST(SharedResources, FontsAndDefaultsDeclaredOnceServeEveryWindow) {
    CResourceManager* pRes = CResourceManager::GetInstance();
    ASSERT_TRUE(pRes->LoadResource(L"<Window><Font id=\"5\" name=\"Tahoma\" size=\"20\"/>"
                                   L"<Default name=\"Label\" value=\"textcolor=&quot;#FF123456&quot;\"/></Window>",
                                   nullptr));
    EXPECT_FALSE(pRes->LoadResource(L"missing_main.xml", nullptr));
    CTestWindow wnd(L"<Window size=\"60,40\"><VerticalLayout><Label name=\"shared\" font=\"5\"/>"
                    L"<Label name=\"own\" textcolor=\"#FF654321\"/></VerticalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 60, 40), nullptr);
    EXPECT_EQ(wnd.Find(L"shared")->GetTextColor(), 0xFF123456u);
    EXPECT_EQ(wnd.Find(L"own")->GetTextColor(), 0xFF654321u);
    EXPECT_EQ(wnd.PM().GetFont(5), pRes->GetSharedFonts().Get(5));
    EXPECT_NE(wnd.PM().GetFont(5), nullptr);
    // An undeclared id falls back to a default font.
    EXPECT_NE(wnd.PM().GetFont(77), nullptr);
    pRes->SetSharedDefaultAttributes(L"Label", L"");
}

// A window class with nothing of its own, as most of the program's dialogs are.
class CBareWindow : public WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"UiTestBare"; }
    CDuiString GetSkinFile() override { return CDuiString(L"<Window size=\"50,50\"><Button name=\"b\"/></Window>"); }
};

TEST(WindowLifetime, AnObjectGoingFirstTakesItsWindowAlong) {
    HWND hWnd = nullptr;
    {
        CBareWindow wnd;
        hWnd = wnd.Create(nullptr, L"", WS_POPUP | WS_VISIBLE, 0, 0, 0, 50, 50);
        ASSERT_NE(hWnd, nullptr);
        ASSERT_NE(CPaintManagerUI::FromWindow(hWnd), nullptr);
    }
    EXPECT_FALSE(::IsWindow(hWnd));
    EXPECT_EQ(CPaintManagerUI::FromWindow(hWnd), nullptr);
    EXPECT_TRUE(uikit::PumpUntilIdle());
}

TEST_F(WindowTest, TheSkinsCaptionAreaDragsExceptOverButtons) {
    CDialog dialog;
    ASSERT_NE(dialog.Create(m_owner, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 300, 200, 800, 800), nullptr);
    dialog.PM().UpdateLayout();
    auto hitAt = [&](POINT pt) {
        ::ClientToScreen(dialog, &pt);
        return ::SendMessageW(dialog, WM_NCHITTEST, 0, MAKELPARAM(pt.x, pt.y));
    };
    EXPECT_EQ(hitAt(POINT{120, 10}), HTCAPTION);  // the title label, inside caption="0,0,0,24"
    EXPECT_EQ(hitAt(POINT{120, 40}), HTCLIENT);   // below the caption
    // A button reaching into the caption area keeps its clicks.
    dialog.Find(L"title")->SetVisible(false);
    dialog.PM().UpdateLayout();
    EXPECT_EQ(hitAt(POINT{40, 10}), HTCLIENT);
}

TEST_F(WindowTest, AltF4DestroysAWindowThatIsNotModal) {
    bool bDestroyed = false;
    m_owner.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM, BOOL& bHandled) -> LRESULT {
        if (uMsg == WM_DESTROY) bDestroyed = true;
        bHandled = FALSE;
        return 0;
    };
    uikit::PressAltF4(m_owner);
    EXPECT_TRUE(bDestroyed);
    EXPECT_EQ(m_owner.GetHWND(), nullptr);
}

// A control that takes focus and keeps the characters typed to it.
class CTypingUI : public CControlUI {
public:
    UINT GetControlFlags() const override { return UIFLAG_TABSTOP; }
    void DoEvent(TEventUI& event) override {
        if (event.Type == UIEVENT_CHAR) m_sTyped += event.chKey;
        else CControlUI::DoEvent(event);
    }
    std::wstring m_sTyped;
};

TEST(Typing, CharactersGoToTheFocusedControl) {
    CControlFactory::Register(L"Typing", []() -> CControlUI* { return new CTypingUI; });
    CTestWindow wnd(L"<Window size=\"100,60\"><VerticalLayout><Typing name=\"first\"/><Typing name=\"second\"/>"
                    L"</VerticalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 100, 60), nullptr);
    ASSERT_TRUE(uikit::TypeText(wnd.Find(L"second"), L"DPI 800"));
    EXPECT_EQ(wnd.Find<CTypingUI>(L"second")->m_sTyped, L"DPI 800");
    EXPECT_EQ(wnd.Find<CTypingUI>(L"first")->m_sTyped, L"");
    EXPECT_EQ(wnd.Sequence(), (Seq{L"setfocus:second"}));
}

}  // namespace
