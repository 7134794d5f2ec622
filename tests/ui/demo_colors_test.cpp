// The demo's colours page: the palette drives the preview, and its menu (opened below its
// button) picks colours and keeps its check state from one menu to the next.
#include <gtest/gtest.h>

#include "tests/ui/demo/demo_window.h"
#include "tests/ui/ui_test_support.h"

using namespace DuiLib;

namespace {

constexpr int kColorsPage = 4;

HWND OpenMenuWindow() {
    HWND hFound = nullptr;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            wchar_t szClass[64] = {0};
            ::GetClassNameW(hWnd, szClass, 64);
            if (wcscmp(szClass, L"DuiMenuWnd") != 0 || !::IsWindowVisible(hWnd)) return TRUE;
            *reinterpret_cast<HWND*>(lParam) = hWnd;
            return FALSE;
        },
        reinterpret_cast<LPARAM>(&hFound));
    return hFound;
}

class DemoColorsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"ui_demo_res\\").GetData());
        ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
        ASSERT_NE(m_wnd.Create(nullptr, CDemoWnd::kTitle, WS_POPUP | WS_VISIBLE, 0, 40, 40, 800, 800), nullptr);
        m_wnd.ShowPage(kColorsPage);
        ::SetForegroundWindow(m_wnd);
        uikit::PumpUntilIdle();
        m_pPalette = static_cast<CColorPaletteUI*>(Find(L"palette"));
        ASSERT_NE(m_pPalette, nullptr);
    }
    void TearDown() override {
        uikit::PumpUntilIdle();
        CPaintManagerUI::SetResourcePath(uitest::ResourceFolder().c_str());
    }
    CControlUI* Find(LPCWSTR pstrName) { return m_wnd.PM().FindControl(pstrName); }
    LPARAM At(POINT pt) { return MAKELPARAM(pt.x, pt.y); }
    POINT FieldCorner() {
        const RECT rc = m_pPalette->GetFieldRect();
        return POINT{rc.left, rc.top};
    }
    HWND OpenMenu() {
        if (!uikit::Click(m_wnd, L"btn_menu")) return nullptr;
        uikit::PumpUntilIdle();
        return OpenMenuWindow();
    }

    CDemoWnd m_wnd;
    CColorPaletteUI* m_pPalette = nullptr;
};

TEST_F(DemoColorsTest, ThePreviewShowsThePaletteColour) {
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFFFF5400u);
    EXPECT_EQ(Find(L"color_preview")->GetBkColor(), 0xFFFF5400u);
    EXPECT_EQ(Find(L"color_value")->GetText(), L"#FF5400");
    ::SendMessageW(m_wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(FieldCorner()));
    ::SendMessageW(m_wnd, WM_LBUTTONUP, 0, At(FieldCorner()));
    EXPECT_EQ(Find(L"color_preview")->GetBkColor(), 0xFFFF0000u);
    EXPECT_EQ(Find(L"color_value")->GetText(), L"#FF0000");
}

TEST_F(DemoColorsTest, TheMenuOpensBelowItsButtonAndPicksAColour) {
    const HWND hMenu = OpenMenu();
    ASSERT_NE(hMenu, nullptr);
    RECT rcWindow, rcMenu;
    ::GetWindowRect(m_wnd, &rcWindow);
    ::GetWindowRect(hMenu, &rcMenu);
    const RECT& rcButton = Find(L"btn_menu")->GetPos();
    EXPECT_EQ(rcMenu.left, rcWindow.left + rcButton.left);
    EXPECT_EQ(rcMenu.top, rcWindow.top + rcButton.bottom + 2);
    ASSERT_TRUE(uikit::Click(hMenu, L"menu_pick_green"));
    uikit::PumpUntilIdle();
    EXPECT_FALSE(::IsWindow(hMenu));
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFF1EB40Au);
    EXPECT_EQ(Find(L"color_value")->GetText(), L"#1EB40A");
    EXPECT_EQ(Find(L"status")->GetText(), L"menu: menu_pick_green");
}

TEST_F(DemoColorsTest, TheLiveSwitchIsChosenWithTheKeysAndKeptForTheNextMenu) {
    HWND hMenu = OpenMenu();
    ASSERT_NE(hMenu, nullptr);
    auto* pLive = static_cast<CMenuElementUI*>(uikit::FindControl(hMenu, L"menu_live"));
    EXPECT_TRUE(pLive->IsChecked());
    for (int i = 0; i < 4; ++i) uikit::PressKey(hMenu, VK_DOWN);  // red, green, blue, live
    uikit::PressKey(hMenu, VK_RETURN);
    EXPECT_EQ(Find(L"status")->GetText(), L"menu: menu_live");
    hMenu = OpenMenu();
    ASSERT_NE(hMenu, nullptr);
    EXPECT_FALSE(static_cast<CMenuElementUI*>(uikit::FindControl(hMenu, L"menu_live"))->IsChecked());
    uikit::PressKey(hMenu, VK_ESCAPE);

    // Not live: the preview waits for the end of the drag.
    ::SendMessageW(m_wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(FieldCorner()));
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFFFF0000u);
    EXPECT_EQ(Find(L"color_value")->GetText(), L"#FF5400");
    ::SendMessageW(m_wnd, WM_LBUTTONUP, 0, At(FieldCorner()));
    EXPECT_EQ(Find(L"color_value")->GetText(), L"#FF0000");
}

}  // namespace
