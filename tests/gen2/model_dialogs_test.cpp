// Each of the 24 models' own dialogs, opened as its page opens them: the macro editor, the macro
// picker and the profile-name dialog come up under the model's window class and window name, on
// the model's own skin file, with every control they bind found there, shown or hidden as a
// person first sees them, and with their titles in the language's text.
#include "tests/gen2/gen2_test_util.h"
#include "tests/gen1/macro_dialog_fixture.h"
#include "models/ms_11/ms_11_dialogs.h"
#include "models/ms_12/ms_12_dialogs.h"
#include "models/ms_13/ms_13_dialogs.h"
#include "models/ms_14/ms_14_dialogs.h"
#include "models/ms_15/ms_15_dialogs.h"
#include "models/ms_16/ms_16_dialogs.h"
#include "models/ms_17/ms_17_dialogs.h"
#include "models/ms_18/ms_18_dialogs.h"
#include "models/ms_19/ms_19_dialogs.h"
#include "models/ms_20/ms_20_dialogs.h"
#include "models/ms_21/ms_21_dialogs.h"
#include "models/ms_22/ms_22_dialogs.h"
#include "models/ms_23/ms_23_dialogs.h"
#include "models/ms_24/ms_24_dialogs.h"
#include "models/ms_8/ms_8_dialogs.h"

#include <gtest/gtest.h>

#include <string>
#include <type_traits>
#include <vector>

using namespace DuiLib;

namespace {

// What a person meets when one dialog comes up.
struct Seen {
    std::wstring strClass;       // its window class
    std::wstring strWindowName;  // its window's name
    std::wstring strSkin;        // the skin file it was built from
    bool bSkinLoaded = false;    // that skin gave it its controls
    std::wstring strTitle;       // the title its title bar shows
    std::vector<std::wstring> rows;     // the rows of its macro list (editor, picker)
    std::vector<std::wstring> missing;  // controls it bound and did not find
    std::vector<std::wstring> wrongSight;  // controls shown that should be hidden, or the reverse
};

// A control and every container around it are visible.
bool Shown(CControlUI* pControl) {
    for (CControlUI* p = pControl; p != nullptr; p = p->GetParent())
        if (!p->IsVisible()) return false;
    return true;
}

// The title a title bar shows: its label, the one child that is no button and has text.
std::wstring TitleOf(HWND h, const wchar_t* pszTitleBar) {
    auto* pBar = dynamic_cast<CContainerUI*>(uikit::FindControl(h, pszTitleBar));
    if (pBar == nullptr) return L"<no title bar>";
    for (int i = 0; i < pBar->GetCount(); ++i) {
        CControlUI* pItem = pBar->GetItemAt(i);
        if (dynamic_cast<CButtonUI*>(pItem) == nullptr && !pItem->GetText().IsEmpty()) return pItem->GetText().str();
    }
    return L"<no title>";
}

std::vector<std::wstring> ListRows(HWND h, const std::wstring& strList) {
    std::vector<std::wstring> rows;
    auto* pList = dynamic_cast<CListUI*>(uikit::FindControl(h, strList.c_str()));
    if (pList == nullptr) return rows;
    for (int i = 0; i < pList->GetCount(); ++i) rows.push_back(pList->GetItemAt(i)->GetText().str());
    return rows;
}

// What is the same for every dialog: the window, its skin and the sight of its controls.
void LookAt(HWND h, const std::vector<std::wstring>& shown, const std::vector<std::wstring>& hidden, Seen& seen) {
    seen.strClass = macrotest::WindowClassOf(h);
    wchar_t szName[128] = {};
    ::GetWindowTextW(h, szName, static_cast<int>(std::size(szName)));
    seen.strWindowName = szName;
    if (auto* pDialog = dynamic_cast<CModelDialog*>(CWindowWnd::FromHandle(h))) {
        seen.strSkin = pDialog->GetSkinFile().str();
        seen.bSkinLoaded = uikit::ManagerOf(h)->GetRoot() != nullptr;
    }
    for (const std::wstring& strName : shown) {
        CControlUI* pControl = uikit::FindControl(h, strName.c_str());
        if (pControl == nullptr || !Shown(pControl)) seen.wrongSight.push_back(strName + L" (hidden)");
    }
    for (const std::wstring& strName : hidden) {
        CControlUI* pControl = uikit::FindControl(h, strName.c_str());
        if (pControl == nullptr || Shown(pControl)) seen.wrongSight.push_back(strName + L" (shown)");
    }
}

// Closed as the window's close command does, whatever its skin gave it.
void CloseDialog(HWND h) { ::PostMessageW(h, WM_CLOSE, 0, 0); }

std::string Narrow(const std::vector<std::wstring>& names) {
    std::string s;
    for (const std::wstring& strName : names) s += std::string(strName.begin(), strName.end()) + " ";
    return s;
}

// What a dialog should come up as; its title as a text id.
struct Expected {
    std::wstring strClass, strWindowName, strSkin, strTitleId;
    std::vector<std::wstring> rows;
};

void ExpectSeen(const Seen& seen, const Expected& expected) {
    EXPECT_EQ(seen.strClass, expected.strClass);
    EXPECT_EQ(seen.strWindowName, expected.strWindowName);
    EXPECT_EQ(seen.strSkin, expected.strSkin);
    EXPECT_TRUE(seen.bSkinLoaded);
    EXPECT_EQ(seen.strTitle, dlgtest::Text(expected.strTitleId.c_str()));
    EXPECT_EQ(seen.rows, expected.rows);
    EXPECT_TRUE(seen.missing.empty()) << Narrow(seen.missing);
    EXPECT_TRUE(seen.wrongSight.empty()) << Narrow(seen.wrongSight);
}

class ModelDialogsTest : public macrotest::MacroDialogTestBase {
protected:
    struct Seen3 {
        Seen editor, picker, name;
    };

    // Opens model iModel's three dialogs over two macros and two profiles of the model.
    template <class Editor, class Picker, class ProfileName>
    Seen3 OpenAll(int iModel) {
        constexpr bool bGen2 = std::is_same_v<typename Editor::Record, MacroRecordEx>;
        using Files = std::conditional_t<bGen2, gen2test::ModelFiles, gen1test::ModelFiles>;
        using Macros = typename Editor::RecordList;
        Files files{iModel, L"own_dialogs"};
        Macros macros;
        for (const wchar_t* pszName : {L"Reload", L"Strafe"}) macros.push_back(testkit::MacroOf<typename Editor::Record>(pszName, {}));
        std::vector<std::unique_ptr<typename Files::Profile>> profiles;
        for (const wchar_t* pszName : {L"Default", L"Game"}) profiles.push_back(files.Default(pszName));
        const std::wstring p = L"ms_" + std::to_wstring(iModel) + L"_";
        Seen3 seen;

        std::vector<std::wstring> shown = {L"btn_exit", p + L"macro_list", p + L"macro_name_edit", p + L"macro_add_btn",
                                           p + L"macro_delete_btn", p + L"macro_exportorimport_tab", p + L"macro_import_btn",
                                           p + L"macro_export_btn", p + L"macro_insert_mouse_btn", p + L"macro_name_tab",
                                           p + L"macro_action_list", p + L"macro_up_btn", p + L"macro_down_btn",
                                           p + L"macro_delete_action_btn", p + L"macro_clear_action_btn", p + L"macro_record_btn",
                                           p + L"record_delay_btn", p + L"default_delay_btn", p + L"default_delay_edit",
                                           p + L"no_delay_btn", p + L"macro_action_edit_check", p + L"macro_action_edit_tab",
                                           p + L"macro_savedata_tab", p + L"macro_save_btn", p + L"macro_cancel_btn"};
        // The click buttons wait behind the insert box, the edit pane's pages behind a chosen action.
        std::vector<std::wstring> hidden = {p + L"macro_mouse_event_tab", p + L"macro_key1_btn", p + L"macro_key5_btn",
                                            p + L"macro_action_edit", p + L"macro_delay_edit",
                                            p + L"macro_mouse_action_combo", p + L"macro_mouseaction_delay_edit"};
        if (bGen2)
            hidden.insert(hidden.end(), {L"ms_edit_x", L"ms_edit_y", L"ms_macro_move_btn", L"mouse_move_edit_x_edit",
                                         L"mouse_move_edit_y_edit", L"mouse_move_delay_edit"});
        RunEditorOver<Editor>(macros, files.storage, [&](HWND h) {
            LookAt(h, shown, hidden, seen.editor);
            seen.editor.strTitle = TitleOf(h, L"macro_title_bar");
            seen.editor.rows = ListRows(h, p + L"macro_list");
            CloseDialog(h);
        });
        seen.editor.missing = m_missing;

        {
            Picker picker;
            picker.m_pMacros = &macros;
            shown = {L"btn_ok", L"btn_cancel", L"btn_exit", L"list_macro", L"repeat_1", L"repeat_2", L"repeat_3",
                     L"hor_loop_time", L"edit_loop_time"};
            hidden.clear();
            if (bGen2) {
                shown.insert(shown.end(), {L"repeat_4", L"check_left_macro"});
                hidden = {L"btn_color"};
            }
            uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
                Answer(wnd, [&](HWND h) {
                    LookAt(h, shown, hidden, seen.picker);
                    seen.picker.strTitle = TitleOf(h, L"select_macro_title_bar");
                    seen.picker.rows = ListRows(h, L"list_macro");
                    if (!bGen2 && (uikit::FindControl(h, L"repeat_4") != nullptr || uikit::FindControl(h, L"check_left_macro") != nullptr))
                        seen.picker.wrongSight.push_back(L"second-generation options");
                    CloseDialog(h);
                });
            });
            picker.Run(m_owner);
            seen.picker.missing = picker.MissingControls();
        }
        {
            ProfileName dialog;
            dialog.m_strTitle = iModel % 2 != 0 ? L"profile_name_1_text" : L"profile_name_2_text";
            dialog.m_pProfiles = &profiles;
            shown = {L"btn_ok", L"btn_cancel", L"btn_exit", L"title_string", L"edit_name"};
            hidden.clear();
            uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
                Answer(wnd, [&](HWND h) {
                    LookAt(h, shown, hidden, seen.name);
                    seen.name.strTitle = TitleOf(h, L"profile_name_title_bar");
                    CloseDialog(h);
                });
            });
            dialog.Run(m_owner);
            seen.name.missing = dialog.MissingControls();
        }
        return seen;
    }
};

TEST_F(ModelDialogsTest, EachModelsDialogsComeUpOnItsOwnSkinWithTheirControlsAndTitles) {
    using Open = Seen3 (ModelDialogsTest::*)(int);
    struct Case {
        int iModel;
        Open open;
    } cases[] = {
        {1, &ModelDialogsTest::OpenAll<CMS_1_Macro, CMS_1_SelectMacro, CMS_1_ProfileName>},
        {2, &ModelDialogsTest::OpenAll<CMS_2_Macro, CMS_2_SelectMacro, CMS_2_ProfileName>},
        {3, &ModelDialogsTest::OpenAll<CMS_3_Macro, CMS_3_SelectMacro, CMS_3_ProfileName>},
        {4, &ModelDialogsTest::OpenAll<CMS_4_Macro, CMS_4_SelectMacro, CMS_4_ProfileName>},
        {5, &ModelDialogsTest::OpenAll<CMS_5_Macro, CMS_5_SelectMacro, CMS_5_ProfileName>},
        {6, &ModelDialogsTest::OpenAll<CMS_6_Macro, CMS_6_SelectMacro, CMS_6_ProfileName>},
        {7, &ModelDialogsTest::OpenAll<CMS_7_Macro, CMS_7_SelectMacro, CMS_7_ProfileName>},
        {8, &ModelDialogsTest::OpenAll<CMS_8_Macro, CMS_8_SelectMacro, CMS_8_ProfileName>},
        {9, &ModelDialogsTest::OpenAll<CMS_9_Macro, CMS_9_SelectMacro, CMS_9_ProfileName>},
        {10, &ModelDialogsTest::OpenAll<CMS_10_Macro, CMS_10_SelectMacro, CMS_10_ProfileName>},
        {11, &ModelDialogsTest::OpenAll<CMS_11_Macro, CMS_11_SelectMacro, CMS_11_ProfileName>},
        {12, &ModelDialogsTest::OpenAll<CMS_12_Macro, CMS_12_SelectMacro, CMS_12_ProfileName>},
        {13, &ModelDialogsTest::OpenAll<CMS_13_Macro, CMS_13_SelectMacro, CMS_13_ProfileName>},
        {14, &ModelDialogsTest::OpenAll<CMS_14_Macro, CMS_14_SelectMacro, CMS_14_ProfileName>},
        {15, &ModelDialogsTest::OpenAll<CMS_15_Macro, CMS_15_SelectMacro, CMS_15_ProfileName>},
        {16, &ModelDialogsTest::OpenAll<CMS_16_Macro, CMS_16_SelectMacro, CMS_16_ProfileName>},
        {17, &ModelDialogsTest::OpenAll<CMS_17_Macro, CMS_17_SelectMacro, CMS_17_ProfileName>},
        {18, &ModelDialogsTest::OpenAll<CMS_18_Macro, CMS_18_SelectMacro, CMS_18_ProfileName>},
        {19, &ModelDialogsTest::OpenAll<CMS_19_Macro, CMS_19_SelectMacro, CMS_19_ProfileName>},
        {20, &ModelDialogsTest::OpenAll<CMS_20_Macro, CMS_20_SelectMacro, CMS_20_ProfileName>},
        {21, &ModelDialogsTest::OpenAll<CMS_21_Macro, CMS_21_SelectMacro, CMS_21_ProfileName>},
        {22, &ModelDialogsTest::OpenAll<CMS_22_Macro, CMS_22_SelectMacro, CMS_22_ProfileName>},
        {23, &ModelDialogsTest::OpenAll<CMS_23_Macro, CMS_23_SelectMacro, CMS_23_ProfileName>},
        {24, &ModelDialogsTest::OpenAll<CMS_24_Macro, CMS_24_SelectMacro, CMS_24_ProfileName>},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("MS_" + std::to_string(c.iModel));
        const std::wstring n = std::to_wstring(c.iModel);
        const Seen3 seen = (this->*c.open)(c.iModel);
        const std::vector<std::wstring> macroRows = {L"Reload", L"Strafe"};
        {
            SCOPED_TRACE("the macro editor");
            ExpectSeen(seen.editor, {L"MS_" + n + L"_Macro", L"MS_" + n + L"_Macro",
                                     L"MS/MS_" + n + L"/ms_" + n + L"_macropage.xml", L"macro_title_text", macroRows});
        }
        {
            // The pickers of MS_14 to MS_24 keep their skins in a lower-case folder.
            SCOPED_TRACE("the macro picker");
            ExpectSeen(seen.picker, {L"MS_" + n + L"_SelectMacro", L"MS_" + n + L"_SelectMacro",
                                     (c.iModel >= 14 ? L"MS/ms_" : L"MS/MS_") + n + L"/selectmacro.xml",
                                     L"select_macro_title_text", macroRows});
        }
        {
            SCOPED_TRACE("the profile-name dialog, created without a window name");
            ExpectSeen(seen.name, {L"MS_" + n + L"_ProfileName", L"", L"MS/MS_" + n + L"/profilename.xml",
                                   c.iModel % 2 != 0 ? L"profile_name_1_text" : L"profile_name_2_text", {}});
        }
    }
    // Every title is a text of the language, not its id.
    for (const wchar_t* pszId : {L"macro_title_text", L"select_macro_title_text", L"profile_name_1_text", L"profile_name_2_text"})
        EXPECT_NE(dlgtest::Text(pszId), pszId);
}

}  // namespace
