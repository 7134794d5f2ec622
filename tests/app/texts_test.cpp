// Every text the main window, its pages, the About dialog and the tray menu show exists in each
// of the three languages.
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <set>

using namespace DuiLib;

namespace {

TEST(AppTexts, EveryLanguageHasEveryTextOfTheWindowItsPagesAboutAndTheTrayMenu) {
    kit::ResetWorld();
    FreshSettingsFile();
    MainWindow wnd(true);
    std::set<std::wstring> ids = {L"mouse_name_text"};
    uikit::CollectTextIds(wnd.hwnd(), ids);
    uikit::ModalAnswer about([&](CWindowWnd& dlg) {
        uikit::CollectTextIds(dlg.GetHWND(), ids);
        uikit::PressKey(dlg.GetHWND(), VK_ESCAPE);
    });
    ASSERT_TRUE(uikit::Click(wnd.hwnd(), L"about_btn"));
    SendMessageW(wnd.hwnd(), WM_TRAYICON, 0, WM_RBUTTONUP);
    uikit::CollectTextIds(wnd->TrayMenu()->GetHWND(), ids);
    // Every model has its settings page now: the pages' skins are read with the window.
    for (const wchar_t* id : {L"no_device_text", L"about_title_text", L"startup_text", L"exit_text", L"profile_section_text"})
        EXPECT_TRUE(ids.count(id)) << "the skins were read";

    for (const wchar_t* lang : {L"EN", L"CN", L"YUENAN"}) {
        CLanguageTable table;
        ASSERT_TRUE(table.LoadFromFile((GetExeFolder() + L"res\\lan\\" + lang + L".xml").c_str()));
        for (const std::wstring& id : ids) {
            if (id.rfind(L"MS_", 0) == 0) continue;  // model names show as they are
            const std::wstring* text = table.Find(id.c_str());
            EXPECT_TRUE(text != nullptr && !text->empty())
                << std::string(lang, lang + wcslen(lang)) << " lacks " << std::string(id.begin(), id.end());
        }
    }
}

}  // namespace
