// Pop-up menus built from a test skin, used as the program uses them: a click posts the chosen
// item to the main window in a record the receiver frees (once), the keyboard chooses too, Esc
// and deactivation close, menus follow one another, and the object outlives its window safely.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>
#include <string>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;

// Frees of one watched address are counted, to see who frees a menu record and how often.
namespace {
std::atomic<void*> g_pWatched{nullptr};
std::atomic<int> g_nWatchedFrees{0};
}  // namespace

void* operator new(std::size_t n) {
    if (void* p = std::malloc(n != 0 ? n : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    if (p != nullptr && p == g_pWatched.load()) ++g_nWatchedFrees;
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept { ::operator delete(p); }

namespace {

constexpr wchar_t kMenuSkin[] = L"menus/test_menu.xml";
constexpr int kItemHeight = 22;
constexpr DWORD kLeftTop = eMenuAlignment_Left | eMenuAlignment_Top;

struct Received {
    std::wstring sName;
    std::wstring sUserData;
    std::wstring sText;
    BOOL bChecked = FALSE;
    MenuCmd* pRecord = nullptr;
};

int OpenMenuWindows() {
    int n = 0;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            wchar_t szClass[64] = {0};
            ::GetClassNameW(hWnd, szClass, 64);
            if (wcscmp(szClass, L"DuiMenuWnd") == 0) ++*reinterpret_cast<int*>(lParam);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&n));
    return n;
}

int VisibleItems(CMenuUI* pMenu) {
    int n = 0;
    for (int i = 0; i < pMenu->GetCount(); ++i) n += pMenu->GetItemAt(i)->IsVisible() ? 1 : 0;
    return n;
}

class MenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
        ASSERT_NE(m_main.CreateAt(50, 50, 300, 200), nullptr);
        ::SetForegroundWindow(m_main);
        uikit::PumpUntilIdle();
        m_main.m_onMessage = [this](UINT uMsg, WPARAM wParam, LPARAM, BOOL& bHandled) -> LRESULT {
            bHandled = uMsg == UIMSG_MENUCLICK;
            if (!bHandled || wParam == 0) return 0;
            auto* pRecord = reinterpret_cast<MenuCmd*>(wParam);
            m_received.push_back(Received{pRecord->szName, pRecord->szUserData, pRecord->szText, pRecord->bChecked, pRecord});
            if (m_bFreeRecords) CPaintManagerUI::DeletePtr(pRecord);
            return 0;
        };
    }
    void TearDown() override { uikit::PumpUntilIdle(); }

    std::unique_ptr<CMenuWnd> Open(POINT pt, MenuCheckInfo* pCheckInfo = nullptr, DWORD dwAlignment = kLeftTop,
                                   LPCWSTR pstrSkin = kMenuSkin) {
        auto pMenu = std::make_unique<CMenuWnd>();
        m_bInitResult = pMenu->Init(nullptr, pstrSkin, pt, &m_main.PM(), pCheckInfo, dwAlignment);
        return pMenu;
    }
    bool WaitForRecord(size_t nCount = 1) {
        return uikit::PumpUntil([&] { return m_received.size() >= nCount; });
    }
    static RECT WindowRect(HWND hWnd) {
        RECT rc{};
        ::GetWindowRect(hWnd, &rc);
        return rc;
    }

    CTestWindow m_main{L"<Window size=\"300,200\"><VerticalLayout bkcolor=\"#FF202020\"/></Window>", L"MenuTestMain"};
    std::vector<Received> m_received;
    bool m_bFreeRecords = true;
    bool m_bInitResult = false;
};

TEST_F(MenuTest, ItOpensAtThePointSizedToItsVisibleItems) {
    auto pMenu = Open(POINT{120, 140});
    ASSERT_TRUE(m_bInitResult);
    CMenuUI* pItems = pMenu->GetMenuUI();
    ASSERT_NE(pItems, nullptr);
    EXPECT_EQ(pItems->GetCount(), 5);
    EXPECT_EQ(VisibleItems(pItems), 4);
    EXPECT_TRUE(::IsWindowVisible(*pMenu));
    EXPECT_EQ(::GetForegroundWindow(), pMenu->GetHWND());
    EXPECT_NE(::GetWindowLongW(*pMenu, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
    const RECT rc = WindowRect(*pMenu);
    EXPECT_EQ(rc.left, 120);
    EXPECT_EQ(rc.top, 140);
    EXPECT_EQ(rc.right - rc.left, 150);
    EXPECT_EQ(rc.bottom - rc.top, kItemHeight * 4 + 4);
    // One menu per object, open or closed.
    EXPECT_FALSE(pMenu->Init(nullptr, kMenuSkin, POINT{10, 10}, &m_main.PM(), nullptr, kLeftTop));
    uikit::PressKey(*pMenu, VK_ESCAPE);
    EXPECT_FALSE(pMenu->Init(nullptr, kMenuSkin, POINT{10, 10}, &m_main.PM(), nullptr, kLeftTop));
    EXPECT_EQ(OpenMenuWindows(), 0);
}

TEST_F(MenuTest, AClickPostsTheItemInARecordThatOnlyTheReceiverFrees) {
    m_bFreeRecords = false;
    auto pMenu = Open(POINT{120, 140});
    const HWND hMenu = *pMenu;
    ASSERT_TRUE(uikit::Click(hMenu, L"configuration"));
    ASSERT_TRUE(WaitForRecord());
    uikit::PumpUntilIdle();
    ASSERT_EQ(m_received.size(), 1u);
    EXPECT_EQ(m_received[0].sName, L"configuration");
    EXPECT_EQ(m_received[0].sUserData, L"show");
    EXPECT_EQ(m_received[0].sText, L"Configuration");
    EXPECT_EQ(m_received[0].bChecked, FALSE);
    EXPECT_FALSE(::IsWindow(hMenu)) << "the menu closes on a click";
    EXPECT_EQ(pMenu->GetHWND(), nullptr);

    // The record is the receiver's: the menu going does not free it, the receiver frees it once.
    MenuCmd* pRecord = m_received[0].pRecord;
    g_nWatchedFrees = 0;
    g_pWatched = pRecord;
    pMenu.reset();
    uikit::PumpUntilIdle();
    EXPECT_EQ(g_nWatchedFrees, 0);
    EXPECT_STREQ(pRecord->szName, L"configuration");
    CPaintManagerUI::DeletePtr(pRecord);
    EXPECT_EQ(g_nWatchedFrees, 1);
    g_pWatched = nullptr;
}

TEST_F(MenuTest, TheRecordCarriesTheLanguageTextAndTheCheckState) {
    auto pMenu = Open(POINT{120, 140});
    ASSERT_TRUE(uikit::Click(*pMenu, L"mute"));
    ASSERT_TRUE(WaitForRecord());
    EXPECT_EQ(m_received[0].sName, L"mute");
    EXPECT_EQ(m_received[0].sText, L"Hello");
    EXPECT_EQ(m_received[0].bChecked, TRUE);  // a checkable item toggles before it is posted

    // With a check map the caller keeps the states from one menu to the next.
    MenuCheckInfo checks{{L"mute", true}};
    pMenu = Open(POINT{120, 140}, &checks);
    auto* pMute = static_cast<CMenuElementUI*>(uikit::FindControl(*pMenu, L"mute"));
    EXPECT_TRUE(pMute->IsChecked());
    ASSERT_TRUE(uikit::Click(pMute));
    ASSERT_TRUE(WaitForRecord(2));
    EXPECT_EQ(m_received[1].bChecked, FALSE);
    EXPECT_FALSE(checks[L"mute"]);
    pMenu = Open(POINT{120, 140}, &checks);
    EXPECT_FALSE(static_cast<CMenuElementUI*>(uikit::FindControl(*pMenu, L"mute"))->IsChecked());
}

TEST_F(MenuTest, HiddenAndDisabledItemsCannotBeChosen) {
    auto pMenu = Open(POINT{120, 140});
    EXPECT_FALSE(uikit::Click(*pMenu, L"hidden_item"));
    EXPECT_TRUE(uikit::Click(*pMenu, L"disabled_item"));
    uikit::PumpUntilIdle();
    EXPECT_TRUE(m_received.empty());
    EXPECT_TRUE(::IsWindow(*pMenu));
}

TEST_F(MenuTest, TheKeyboardMovesTheHighlightOverChoosableItemsAndChooses) {
    auto pMenu = Open(POINT{120, 140});
    CMenuUI* pItems = pMenu->GetMenuUI();
    auto hot = [&] { return pItems->GetHotItem() ? pItems->GetHotItem()->GetName() : CDuiString(L"(none)"); };
    EXPECT_EQ(hot(), L"(none)");
    uikit::PressKey(*pMenu, VK_DOWN);
    EXPECT_EQ(hot(), L"configuration");
    uikit::PressKey(*pMenu, VK_DOWN);  // past the hidden and the disabled item
    EXPECT_EQ(hot(), L"mute");
    uikit::PressKey(*pMenu, VK_DOWN);
    uikit::PressKey(*pMenu, VK_DOWN);  // round to the top
    EXPECT_EQ(hot(), L"configuration");
    uikit::PressKey(*pMenu, VK_UP);
    EXPECT_EQ(hot(), L"Exit");
    // The pointer takes the highlight; the keys go on from there.
    ASSERT_TRUE(uikit::HoverOver(uikit::FindControl(*pMenu, L"mute")));
    EXPECT_EQ(hot(), L"mute");
    uikit::PressKey(*pMenu, VK_DOWN);
    EXPECT_EQ(hot(), L"Exit");
    EXPECT_TRUE(m_received.empty());
    uikit::PressKey(*pMenu, VK_RETURN);
    ASSERT_TRUE(WaitForRecord());
    EXPECT_EQ(m_received[0].sName, L"Exit");
    EXPECT_EQ(m_received[0].sUserData, L"quit");
    EXPECT_EQ(pMenu->GetHWND(), nullptr);

    pMenu = Open(POINT{120, 140});
    uikit::PressKey(*pMenu, VK_UP);
    uikit::PressKey(*pMenu, VK_SPACE);
    ASSERT_TRUE(WaitForRecord(2));
    EXPECT_EQ(m_received[1].sName, L"Exit");
}

TEST_F(MenuTest, EscAndDeactivationCloseWithoutAChoice) {
    auto pMenu = Open(POINT{120, 140});
    uikit::PressKey(*pMenu, VK_DOWN);
    uikit::PressKey(*pMenu, VK_ESCAPE);
    EXPECT_EQ(pMenu->GetHWND(), nullptr);

    pMenu = Open(POINT{120, 140});
    ASSERT_NE(pMenu->GetHWND(), nullptr);
    ::SetForegroundWindow(m_main);  // a click on another window
    uikit::PumpUntilIdle();
    EXPECT_EQ(pMenu->GetHWND(), nullptr);
    EXPECT_EQ(OpenMenuWindows(), 0);
    EXPECT_TRUE(m_received.empty());
}

TEST_F(MenuTest, TwoMenusInARow) {
    // The second menu takes the activation: the first one closes.
    auto pFirst = Open(POINT{120, 140});
    auto pSecond = Open(POINT{200, 100});
    uikit::PumpUntilIdle();
    EXPECT_EQ(pFirst->GetHWND(), nullptr);
    ASSERT_NE(pSecond->GetHWND(), nullptr);
    EXPECT_EQ(OpenMenuWindows(), 1);
    ASSERT_TRUE(uikit::Click(*pSecond, L"Exit"));
    ASSERT_TRUE(WaitForRecord());
    uikit::PumpUntilIdle();
    EXPECT_EQ(m_received.size(), 1u);

    // One chosen and deleted, then the next one used and closed.
    pFirst = Open(POINT{120, 140});
    ASSERT_TRUE(uikit::Click(*pFirst, L"configuration"));
    ASSERT_TRUE(WaitForRecord(2));
    pFirst.reset();
    pSecond.reset();
    pSecond = Open(POINT{120, 140});
    ASSERT_TRUE(m_bInitResult);
    uikit::PressKey(*pSecond, VK_ESCAPE);
    EXPECT_EQ(OpenMenuWindows(), 0);
    ASSERT_EQ(m_received.size(), 2u);
    EXPECT_EQ(m_received[1].sName, L"configuration");
}

// The tray's right click: the previous menu object is deleted and a new one opened each time,
// whether the previous one was closed already or is still open.
TEST_F(MenuTest, RightClickCloseRightClick) {
    std::unique_ptr<CMenuWnd> pTrayMenu;
    m_main.m_onMessage = [&](UINT uMsg, WPARAM, LPARAM lParam, BOOL& bHandled) -> LRESULT {
        bHandled = uMsg == UIMSG_TRAYICON;
        if (bHandled && lParam == WM_RBUTTONUP) {
            pTrayMenu.reset();
            pTrayMenu = std::make_unique<CMenuWnd>();
            pTrayMenu->Init(nullptr, kMenuSkin, POINT{150, 250 - 50}, &m_main.PM(), nullptr, kLeftTop);
            pTrayMenu->ResizeMenu();
        }
        return 0;
    };
    ::PostMessageW(m_main, UIMSG_TRAYICON, 1, WM_RBUTTONUP);
    uikit::PumpUntilIdle();
    ASSERT_NE(pTrayMenu, nullptr);
    EXPECT_EQ(OpenMenuWindows(), 1);
    uikit::PressKey(*pTrayMenu, VK_ESCAPE);
    EXPECT_EQ(OpenMenuWindows(), 0);

    ::PostMessageW(m_main, UIMSG_TRAYICON, 1, WM_RBUTTONUP);
    uikit::PumpUntilIdle();
    EXPECT_EQ(OpenMenuWindows(), 1);
    const HWND hOpen = pTrayMenu->GetHWND();
    ::PostMessageW(m_main, UIMSG_TRAYICON, 1, WM_RBUTTONUP);  // while the last one is still open
    uikit::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(hOpen));
    EXPECT_EQ(OpenMenuWindows(), 1);
    ASSERT_NE(pTrayMenu->GetHWND(), nullptr);
    pTrayMenu.reset();
    EXPECT_EQ(OpenMenuWindows(), 0);
}

TEST_F(MenuTest, DeletingTheObjectIsSafeWhetherItsWindowIsOpenOrGone) {
    // Open: the window goes with it, and nothing is posted.
    auto pMenu = Open(POINT{120, 140});
    const HWND hMenu = *pMenu;
    pMenu.reset();
    EXPECT_FALSE(::IsWindow(hMenu));
    uikit::PumpUntilIdle();
    EXPECT_TRUE(m_received.empty());

    // Gone with its owner: the main window's end takes the menu window along; the object stays
    // usable until it is deleted.
    {
        CTestWindow owner(L"<Window size=\"100,100\"><VerticalLayout/></Window>", L"MenuTestOwner");
        ASSERT_NE(owner.CreateAt(400, 50, 100, 100), nullptr);
        pMenu = std::make_unique<CMenuWnd>();
        ASSERT_TRUE(pMenu->Init(nullptr, kMenuSkin, POINT{120, 140}, &owner.PM()));
    }
    EXPECT_EQ(pMenu->GetHWND(), nullptr);
    EXPECT_EQ(VisibleItems(pMenu->GetMenuUI()), 4);
    pMenu->ResizeMenu();
    pMenu.reset();

    // A click whose record is still on its way when the menu object goes: it arrives anyway.
    pMenu = Open(POINT{120, 140});
    ASSERT_TRUE(uikit::Click(*pMenu, L"Exit"));
    pMenu.reset();
    ASSERT_TRUE(WaitForRecord());
    EXPECT_EQ(m_received[0].sName, L"Exit");
}

TEST_F(MenuTest, BasedPointAndResizeMenuMoveAndRelayTheMenu) {
    auto pMenu = Open(POINT{120, 140});
    CMenuUI* pItems = pMenu->GetMenuUI();
    // As a page counts the visible items and moves a menu that would reach the screen bottom.
    const int nVisible = VisibleItems(pItems);
    pItems->GetItemAt(3)->SetVisible(false);
    pMenu->m_BasedPoint = CDuiPoint(300, 60);
    pMenu->ResizeMenu();
    RECT rc = WindowRect(*pMenu);
    EXPECT_EQ(rc.left, 300);
    EXPECT_EQ(rc.top, 60);
    EXPECT_EQ(rc.bottom - rc.top, kItemHeight * (nVisible - 1) + 4);
    // The items are laid out again: the last visible item sits right above the bottom inset.
    uikit::PumpUntilIdle();
    const RECT& rcExit = uikit::FindControl(*pMenu, L"Exit")->GetPos();
    EXPECT_EQ(rcExit.top, 2 + kItemHeight * 2);
    EXPECT_EQ(rcExit.bottom, rc.bottom - rc.top - 2);
    ASSERT_TRUE(uikit::Click(*pMenu, L"Exit"));
    ASSERT_TRUE(WaitForRecord());
    EXPECT_EQ(m_received[0].sName, L"Exit");
}

TEST_F(MenuTest, AlignmentAndTheScreenEdges) {
    // Right | bottom: the point is the bottom-right corner.
    auto pMenu = Open(POINT{400, 300}, nullptr, eMenuAlignment_Right | eMenuAlignment_Bottom);
    RECT rc = WindowRect(*pMenu);
    EXPECT_EQ(rc.right, 400);
    EXPECT_EQ(rc.bottom, 300);
    // A point near the screen's bottom-right corner: the menu is moved back onto the screen.
    MONITORINFO mi{sizeof(mi)};
    ASSERT_TRUE(::GetMonitorInfoW(::MonitorFromPoint(POINT{0, 0}, MONITOR_DEFAULTTOPRIMARY), &mi));
    pMenu = Open(POINT{mi.rcMonitor.right - 10, mi.rcMonitor.bottom - 10});
    rc = WindowRect(*pMenu);
    EXPECT_EQ(rc.right, mi.rcMonitor.right);
    EXPECT_EQ(rc.bottom, mi.rcMonitor.bottom);
    EXPECT_EQ(rc.bottom - rc.top, kItemHeight * 4 + 4);
}

TEST_F(MenuTest, AColumnBreakSetsTheMenuInColumns) {
    auto pMenu = Open(POINT{100, 100}, nullptr, kLeftTop, L"menus/test_menu_columns.xml");
    ASSERT_TRUE(m_bInitResult);
    CMenuUI* pItems = pMenu->GetMenuUI();
    ASSERT_EQ(pItems->GetColumns().size(), 3u);
    EXPECT_EQ(pItems->GetRowCount(), 3) << "the tallest column; the hidden item takes no row";
    // Three columns of 100 with 6 between, the inset around; the tallest column's rows with 6
    // between them.
    const RECT rc = WindowRect(*pMenu);
    EXPECT_EQ(rc.right - rc.left, 2 + 3 * 100 + 2 * 6 + 2);
    EXPECT_EQ(rc.bottom - rc.top, 2 + 3 * kItemHeight + 2 * 6 + 2);
    uikit::PumpUntilIdle();
    struct Where {
        const wchar_t* pszName;
        LONG left;
        LONG top;
    } cells[] = {{L"a1", 2, 2}, {L"a2", 2, 2 + kItemHeight + 6}, {L"b1", 108, 2},
                 {L"b3", 108, 2 + 2 * (kItemHeight + 6)}, {L"c1", 214, 2}};
    for (const Where& cell : cells) {
        const RECT& rcItem = uikit::FindControl(*pMenu, cell.pszName)->GetPos();
        EXPECT_EQ(rcItem.left, cell.left) << cell.pszName;
        EXPECT_EQ(rcItem.top, cell.top) << cell.pszName;
        EXPECT_EQ(rcItem.right - rcItem.left, 100) << cell.pszName;
        EXPECT_EQ(rcItem.bottom - rcItem.top, kItemHeight) << cell.pszName;
    }
    // The keys go down the first column, then on to the next.
    for (int i = 0; i < 3; ++i) uikit::PressKey(*pMenu, VK_DOWN);
    ASSERT_NE(pItems->GetHotItem(), nullptr);
    EXPECT_EQ(pItems->GetHotItem()->GetName(), CDuiString(L"b1"));
    ASSERT_TRUE(uikit::Click(*pMenu, L"b3"));
    ASSERT_TRUE(WaitForRecord());
    EXPECT_EQ(m_received[0].sName, L"b3");
}

TEST_F(MenuTest, ASkinWithoutMenuOpensNothing) {
    for (LPCWSTR pstrSkin : {L"menus/no_menu.xml", L"menus/missing.xml"}) {
        auto pMenu = Open(POINT{120, 140}, nullptr, kLeftTop, pstrSkin);
        EXPECT_FALSE(m_bInitResult);
        EXPECT_EQ(pMenu->GetHWND(), nullptr);
        ASSERT_NE(pMenu->GetMenuUI(), nullptr);
        EXPECT_EQ(pMenu->GetMenuUI()->GetCount(), 0);
    }
    EXPECT_EQ(OpenMenuWindows(), 0);
}

TEST_F(MenuTest, ItemsAreDrawnWithTheirHighlightAndCheckMark) {
    MenuCheckInfo checks{{L"mute", true}};
    auto pMenu = Open(POINT{120, 140}, &checks);
    uikit::PressKey(*pMenu, VK_DOWN);  // configuration highlighted
    const uikit::Capture cap = uikit::CaptureWindow(*pMenu);
    ASSERT_EQ(cap.cx, 150);
    EXPECT_EQ(cap.At(0, 0), 0x3A414Cu);                   // border
    EXPECT_EQ(cap.At(140, 2 + kItemHeight / 2), 0x2D5B9Au);  // the highlighted item
    // Rows: configuration, the disabled item, mute (checked), Exit.
    auto row = [](int i, LONG left, LONG right) {
        return RECT{left, 2 + kItemHeight * i, right, 2 + kItemHeight * (i + 1)};
    };
    EXPECT_EQ(cap.At(140, 2 + kItemHeight * 5 / 2), 0x1B1F25u);  // "mute", not highlighted
    // Text on the first row, a tick in the left margin of the checked row and none elsewhere.
    EXPECT_GT(cap.CountNot(row(0, 24, 120), 0x2D5B9A), 10);
    EXPECT_GT(cap.CountNot(row(2, 4, 22), 0x1B1F25), 5);
    EXPECT_EQ(cap.CountNot(row(3, 4, 22), 0x1B1F25), 0);
    EXPECT_EQ(cap.CountNot(row(0, 4, 22), 0x2D5B9A), 0);
}

}  // namespace
