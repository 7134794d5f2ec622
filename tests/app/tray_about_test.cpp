// The tray icon's menu, the menu router and the About dialog, driven as a person would.
#include "core/app/about_wnd.h"
#include "tests/kit/main_window_fixture.h"
#include "models/table/model_table.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

using namespace DuiLib;

namespace {

class TrayAndAbout : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
        FreshSettingsFile();
        CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    }
};

void PostMenuClick(HWND hwnd, const wchar_t* name) {
    auto* pCmd = new MenuCmd{};
    wcsncpy(pCmd->szName, name, 255);
    PostMessageW(hwnd, WM_MENUCLICK, reinterpret_cast<WPARAM>(pCmd), 0);
    uikit::PumpUntilIdle(200);
}

TEST_F(TrayAndAbout, MenuItemsReachTheWindowOrExactlyTheirPage) {
    MainWindow wnd;
    wnd.ClearCalls();
    PostMenuClick(wnd.hwnd(), L"ms_7_key_fire");
    PostMenuClick(wnd.hwnd(), L"ms_10_key_dpi");
    PostMenuClick(wnd.hwnd(), L"ms_1");  // shorter than every prefix
    PostMenuClick(wnd.hwnd(), L"");
    PostMessageW(wnd.hwnd(), WM_MENUCLICK, 0, 0);
    uikit::PumpUntilIdle(200);
    for (int n = 1; n <= kModelCount; ++n) {
        std::vector<std::wstring> expected;
        if (n == 7) expected = {L"OnKeyMenuClick ms_7_key_fire"};
        if (n == 10) expected = {L"OnKeyMenuClick ms_10_key_dpi"};
        EXPECT_EQ(wnd.Page(n).m_calls, expected) << n;
    }

    EXPECT_FALSE(IsWindowVisible(wnd.hwnd()));
    PostMenuClick(wnd.hwnd(), L"Configuration");  // names compare without regard to case
    EXPECT_TRUE(IsWindowVisible(wnd.hwnd()));
    PostMenuClick(wnd.hwnd(), L"EXIT");
    EXPECT_FALSE(IsWindow(wnd.hwnd()));
}

TEST_F(TrayAndAbout, LeftClickOnTheTrayIconShowsTheLowestConnectedModel) {
    MainWindow wnd;
    wnd.Page(12).m_bOnline = 1;
    wnd.Page(20).m_bOnline = 1;
    SendMessageW(wnd.hwnd(), WM_DEVICELISTCHANGED, 0, 0);
    auto* tabs = static_cast<CTabLayoutUI*>(uikit::FindControl(wnd.hwnd(), L"device_tab_switch"));
    EXPECT_EQ(tabs->GetCurSel(), 0) << "hidden: the tab waits";
    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_LBUTTONUP);
    EXPECT_TRUE(IsWindowVisible(wnd.hwnd()));
    EXPECT_EQ(tabs->GetCurSel(), 12);
    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_MOUSEMOVE);  // other mouse messages do nothing
    EXPECT_TRUE(IsWindowVisible(wnd.hwnd()));
}

TEST_F(TrayAndAbout, RightClicksOpenOneTrayMenuAtATimeAndItsItemsWork) {
    MainWindow wnd;
    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_RBUTTONUP);
    CMenuWnd* first = wnd->TrayMenu();
    ASSERT_NE(first, nullptr);
    HWND firstMenu = first->GetHWND();
    ASSERT_TRUE(IsWindow(firstMenu));
    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_RBUTTONUP);  // twice in a row
    EXPECT_FALSE(IsWindow(firstMenu));
    HWND secondMenu = wnd->TrayMenu()->GetHWND();
    ASSERT_TRUE(IsWindow(secondMenu));

    uikit::PressKey(secondMenu, VK_ESCAPE);  // closed by the user...
    EXPECT_FALSE(IsWindow(secondMenu));
    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_RBUTTONUP);  // ...then opened again
    HWND menu = wnd->TrayMenu()->GetHWND();
    ASSERT_TRUE(IsWindow(menu));

    ASSERT_TRUE(uikit::Click(menu, L"configuration"));
    ASSERT_TRUE(uikit::PumpUntil([&] { return IsWindowVisible(wnd.hwnd()) != FALSE; }));
    EXPECT_FALSE(IsWindow(menu));

    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_RBUTTONUP);
    ASSERT_TRUE(uikit::Click(wnd->TrayMenu()->GetHWND(), L"exit"));
    EXPECT_TRUE(uikit::PumpUntil([&] { return !IsWindow(wnd.hwnd()); }));
}

TEST_F(TrayAndAbout, AboutShowsTheSettingsAndPostsEveryChange) {
    const std::wstring path = FreshSettingsFile();
    WritePrivateProfileStringW(L"SETTING", L"lanId", L"3", path.c_str());
    WritePrivateProfileStringW(L"SETTING", L"Startup", L"0", path.c_str());  // no "Feedback": shows checked
    MainWindow wnd(true);
    bool bChecked = false;
    uikit::ModalAnswer answer([&](CWindowWnd& dlg) {
        HWND h = dlg.GetHWND();
        auto* combo = static_cast<CComboUI*>(uikit::FindControl(h, L"combo_lan"));
        auto* startup = static_cast<CCheckBoxUI*>(uikit::FindControl(h, L"check_startup"));
        auto* feedback = static_cast<CCheckBoxUI*>(uikit::FindControl(h, L"check_window_feedback"));
        EXPECT_EQ(combo->GetCurSel(), 2);
        EXPECT_FALSE(startup->GetCheck());
        EXPECT_TRUE(feedback->GetCheck());
        EXPECT_EQ(uikit::FindControl(h, L"version")->GetText(), CDuiString(L"")) << "this test program has no version";
        bChecked = true;

        // English, picked in the drop-down with the keyboard: the dialog changes language at once.
        ASSERT_TRUE(uikit::Click(combo));
        uikit::PressKey(combo->GetDropDownWindow(), VK_UP);
        uikit::PressKey(combo->GetDropDownWindow(), VK_RETURN);
        EXPECT_EQ(combo->GetCurSel(), 1);
        EXPECT_EQ(CResourceManager::GetInstance()->GetText(L"about_title_text"), CDuiString(L"About"));
        ASSERT_TRUE(uikit::Click(startup));
        ASSERT_TRUE(uikit::Click(feedback));
        uikit::PumpUntilIdle(200);  // the main window takes the posted changes meanwhile
        EXPECT_EQ(wnd->LanguageId(), 2);
        EXPECT_EQ(wnd->StartupSetting(), 1);
        EXPECT_EQ(wnd->FeedbackSetting(), 0);
        ASSERT_TRUE(uikit::Click(startup));
        uikit::Click(h, L"exit");
    });
    ASSERT_TRUE(uikit::Click(wnd.hwnd(), L"about_btn"));
    EXPECT_EQ(answer.GetCount(), 1);
    EXPECT_TRUE(bChecked);
    uikit::PumpUntilIdle(200);
    EXPECT_EQ(wnd->StartupSetting(), 0);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"lanId", -1, path.c_str()), 2);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Startup", -1, path.c_str()), 0);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"Feedback", -1, path.c_str()), 0);
    ASSERT_EQ(answer.GetClassNames().size(), 1u);
    EXPECT_EQ(answer.GetClassNames()[0], L"AboutWnd");
}

TEST_F(TrayAndAbout, AboutOpeningPostsNothing) {
    MainWindow wnd(true);
    const int lan = wnd->LanguageId();
    uikit::ModalAnswer answer([&](CWindowWnd& dlg) { uikit::PressKey(dlg.GetHWND(), VK_ESCAPE); });
    ASSERT_TRUE(uikit::Click(wnd.hwnd(), L"about_btn"));
    EXPECT_EQ(answer.GetCount(), 1);
    EXPECT_EQ(wnd.TakePosted(WM_LANGUAGE) + wnd.TakePosted(WM_STARTUP) + wnd.TakePosted(WM_FEEDBACK), 0);
    EXPECT_EQ(wnd->LanguageId(), lan);
}

}  // namespace
