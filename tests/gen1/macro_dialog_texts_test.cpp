// Every text the macro editor, the macro picker and the profile-name dialog show, from their
// skins and from their code, exists in each of the three languages.
#include "tests/gen1/macro_dialog_fixture.h"

#include <gtest/gtest.h>

#include <set>

using namespace DuiLib;
using namespace macrotest;

namespace {

class MacroDialogTextsTest : public MacroDialogTest {};

TEST_F(MacroDialogTextsTest, EveryLanguageHasEveryTextOfTheDialogs) {
    // Texts the code sets: the record button while recording, the action rows, the messages.
    std::set<std::wstring> ids = {L"stop_recording_text", L"add_macro_text", L"macro_import_short_text",
                                  L"macro_import_long_text", L"macro_import_unreadable_text",
                                  L"macro_import_foreign_text", L"macro_import_damaged_text", L"macro_too_many_pairs_text",
                                  L"macro_export_failed_text", L"delete_macro_text", L"warn_name_1_text",
                                  L"warn_name_2_text", L"profile_name_1_text", L"profile_name_2_text"};
    m_macros.push_back(gen1test::Macro(L"Rows", {{0x04, 1, 10}, {0x04, 2, 10}}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, L"ms_10_macro_list", 0));
        uikit::CollectTextIds(h, ids);
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_TRUE(ids.count(L"key_down_action") && ids.count(L"key_up_action")) << "the rows were read";
    CMS_10_SelectMacro picker;
    picker.m_pMacros = &m_macros;
    {
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            uikit::CollectTextIds(wnd.GetHWND(), ids);
            uikit::Click(wnd.GetHWND(), L"btn_cancel");
        });
        picker.Run(m_owner);
        CMS_10_ProfileName name;
        name.m_strTitle = L"profile_name_1_text";
        name.Run(m_owner);
    }
    for (const wchar_t* id : {L"macro_title_text", L"repeat_hold_text", L"profile_name_label_text", L"L_Button"})
        EXPECT_TRUE(ids.count(id)) << "the skins were read";

    ExpectEveryLanguageHas(ids);
}

}  // namespace
