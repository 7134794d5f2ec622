// The macro editor driven as a person uses it, on MS_10's skin and data folder: choosing macros
// and actions, editing delays and keys, moving, deleting and inserting actions, renaming and
// deleting macros, and what reaches the records and macro.data on disk.
#include "tests/gen1/macro_dialog_fixture.h"

#include <gtest/gtest.h>

using namespace DuiLib;
using namespace macrotest;
using gen1test::Macro;
using gen1test::ReadBytes;

namespace {

// iCount actions: A pressed, A released, B pressed, B released, ... each with wDelay.
std::unique_ptr<MacroRecord> KeyMacro(const std::wstring& strName, int iCount, uint16_t wDelay = 10) {
    auto pMacro = Macro(strName, {});
    for (int i = 0; i < iCount; ++i)
        pMacro->stActions[pMacro->iActionNum++] = {static_cast<uint8_t>(0x04 + i / 2), static_cast<uint8_t>(i % 2 + 1), wDelay};
    return pMacro;
}

class MacroEditorTest : public MacroDialogTest {
protected:
    std::vector<uint8_t> DiskFile() const { return ReadBytes(m_files.MacroData()); }
    static void Close(HWND hWnd) { uikit::Click(hWnd, L"btn_exit"); }
    static void OpenEditPane(HWND hWnd, int iRow) {
        ASSERT_TRUE(ClickRow(hWnd, kActionList, iRow));
        auto* pCheck = static_cast<CCheckBoxUI*>(Control(hWnd, L"ms_10_macro_action_edit_check"));
        if (!pCheck->GetCheck()) {
            ASSERT_TRUE(uikit::Click(pCheck));
        }
    }
};

TEST_F(MacroEditorTest, ListsTheMacrosAndShowsTheChosenOnesActions) {
    m_macros.push_back(Macro(L"Reload", {{0x15, 1, 80}, {0x15, 2, 120}, {kMouseLeftButton, 1, 30}, {kMouseLeftButton, 2, 500}}));
    m_macros.push_back(Macro(L"Empty", {}));
    EXPECT_EQ(RunEditor([&](HWND h) {
        EXPECT_EQ(MacroRows(h), (std::vector<std::wstring>{L"Reload", L"Empty"}));
        EXPECT_EQ(SelectedRow(h, kMacroList), -1) << "nothing is chosen at first";
        EXPECT_TRUE(ActionRows(h).empty());
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        EXPECT_EQ(Control(h, L"ms_10_macro_name_edit")->GetText(), L"Reload");
        // The last action's delay is not played: its row shows the shortest one.
        EXPECT_EQ(ActionRows(h), (std::vector<std::wstring>{L"R|Press|80", L"R|Release|120", L"Left Button|Press|30",
                                                           L"Left Button|Release|10"}));
        EXPECT_EQ(SelectedRow(h, kActionList), 3);
        ASSERT_TRUE(ClickRow(h, kMacroList, 1));
        EXPECT_TRUE(ActionRows(h).empty());
        Close(h);
    }), 0u);
    EXPECT_TRUE(m_missing.empty());
    EXPECT_FALSE(gen1test::FileExists(m_files.MacroData())) << "looking changes nothing";
}

TEST_F(MacroEditorTest, AChangeThatWouldCountMoreThan47EventsIsThrownAway) {
    m_macros.push_back(KeyMacro(L"Long", 46));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        OpenEditPane(h, 0);
        TypeAndLeave(h, L"ms_10_macro_delay_edit", L"1271");  // 46 actions, one split delay: 47 events
        EXPECT_EQ(m_macros[0]->stActions[0].wDelay, 1271);
        EXPECT_EQ(DiskFile(), MacroFileOf());
        const std::vector<uint8_t> stored = DiskFile();

        OpenEditPane(h, 1);
        TypeAndLeave(h, L"ms_10_macro_delay_edit", L"1271");  // a second one: 48
        EXPECT_EQ(m_macros[0]->stActions[1].wDelay, 10);
        EXPECT_EQ(ActionRows(h)[1], L"A|Release|10") << "the list shows the macro as stored";
        EXPECT_EQ(DiskFile(), stored);

        OpenEditPane(h, 1);
        TypeAndLeave(h, L"ms_10_macro_delay_edit", L"1270");  // the frame splits only above 1270 ms
        EXPECT_EQ(m_macros[0]->stActions[1].wDelay, 1270);
        EXPECT_EQ(DiskFile(), MacroFileOf());
        Close(h);
    });
}

TEST_F(MacroEditorTest, DelayEditsClampTo10And65535) {
    m_macros.push_back(Macro(L"Mixed", {{0x04, 1, 40}, {kMouseRightButton, 1, 40}, {0x04, 2, 40}}));
    struct Case {
        const wchar_t* pszTyped;
        uint16_t wStored;
    } cases[] = {{L"5", 10}, {L"0", 10}, {L"\b", 10}, {L"10", 10}, {L"1500", 1500}, {L"65535", 65535},
                 {L"65536", 65535}, {L"99999999999999999999", 65535}, {L"12ab3", 123}};
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.pszTyped, c.pszTyped + wcslen(c.pszTyped)));
            OpenEditPane(h, 0);  // a key: its delay edit
            TypeAndLeave(h, L"ms_10_macro_delay_edit", c.pszTyped);
            EXPECT_EQ(m_macros[0]->stActions[0].wDelay, c.wStored);
            EXPECT_EQ(Control(h, L"ms_10_macro_delay_edit")->GetText(), std::to_wstring(c.wStored).c_str());
            EXPECT_EQ(ActionRows(h)[0], L"A|Press|" + std::to_wstring(c.wStored));
            OpenEditPane(h, 1);  // a mouse button: the mouse action's delay edit
            TypeAndLeave(h, L"ms_10_macro_mouseaction_delay_edit", c.pszTyped);
            EXPECT_EQ(m_macros[0]->stActions[1].wDelay, c.wStored);
            EXPECT_EQ(Control(h, L"ms_10_macro_mouseaction_delay_edit")->GetText(), std::to_wstring(c.wStored).c_str());
        }
        EXPECT_EQ(DiskFile(), MacroFileOf());
        // The default delay clamps the same way when the focus leaves it.
        for (const auto& [pszTyped, pszShown] : {std::pair{L"3", L"10"}, std::pair{L"70000", L"65535"},
                                                 std::pair{L"\b", L"10"}, std::pair{L"250", L"250"}}) {
            TypeAndLeave(h, L"ms_10_default_delay_edit", pszTyped);
            EXPECT_EQ(Control(h, L"ms_10_default_delay_edit")->GetText(), pszShown);
        }
        Close(h);
    });
}

TEST_F(MacroEditorTest, TheLastActionsDelayShowsTenAndCannotBeEdited) {
    m_macros.push_back(Macro(L"Pair", {{0x04, 1, 300}, {kMouseMiddleButton, 1, 500}}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        EXPECT_EQ(ActionRows(h), (std::vector<std::wstring>{L"A|Press|300", L"Middle Button|Press|10"}));
        OpenEditPane(h, 1);
        EXPECT_EQ(static_cast<CTabLayoutUI*>(Control(h, L"ms_10_macro_action_edit_tab"))->GetCurSel(), 2);
        EXPECT_EQ(Control(h, L"ms_10_macro_mouse_action_combo")->GetText(), L"Middle Button");
        EXPECT_EQ(Control(h, L"ms_10_macro_mouseaction_delay_edit")->GetText(), L"10");
        EXPECT_FALSE(Control(h, L"ms_10_macro_mouseaction_delay_edit")->IsEnabled());
        // Moved up, the middle button's row shows its own delay and the key's row shows 10.
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_up_btn"));
        EXPECT_EQ(ActionRows(h), (std::vector<std::wstring>{L"Middle Button|Press|500", L"A|Press|10"}));
        EXPECT_EQ(SelectedRow(h, kActionList), 0);
        EXPECT_TRUE(Control(h, L"ms_10_macro_mouseaction_delay_edit")->IsEnabled());
        EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(243, 1, 500), Action(0x04, 1, 300)}));
        Close(h);
    });
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

TEST_F(MacroEditorTest, MovingDeletingAndClearingActions) {
    m_macros.push_back(KeyMacro(L"Four", 4));  // A down, A up, B down, B up
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(ClickRow(h, kActionList, 3));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_down_btn"));  // the last row goes nowhere
        ASSERT_TRUE(ClickRow(h, kActionList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_up_btn"));  // neither does the first
        EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(4, 1, 10), Action(4, 2, 10), Action(5, 1, 10),
                                                                     Action(5, 2, 10)}));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_down_btn"));
        EXPECT_EQ(SelectedRow(h, kActionList), 1);
        EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(4, 2, 10), Action(4, 1, 10), Action(5, 1, 10),
                                                                     Action(5, 2, 10)}));
        EXPECT_EQ(DiskFile(), MacroFileOf());

        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_action_btn"));  // row 1
        EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(4, 2, 10), Action(5, 1, 10), Action(5, 2, 10)}));
        EXPECT_EQ(SelectedRow(h, kActionList), 1) << "the next action takes its place";
        ASSERT_TRUE(ClickRow(h, kActionList, 2));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_action_btn"));
        EXPECT_EQ(SelectedRow(h, kActionList), 1) << "after the last one, the one before it";
        EXPECT_EQ(m_macros[0]->stActions[2].byKey, 0) << "freed actions are zero in the record";
        EXPECT_EQ(ActionRows(h).size(), 2u);

        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_clear_action_btn"));
        EXPECT_TRUE(ActionRows(h).empty());
        EXPECT_EQ(m_macros[0]->iActionNum, 0);
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_action_btn"));  // nothing left to delete
        EXPECT_EQ(DiskFile(), MacroFileOf());
        Close(h);
    });
}

TEST_F(MacroEditorTest, ClickButtonsInsertAPressAndAReleaseAfterTheSelectedAction) {
    struct Case {
        const char* what;
        int iActions;       // actions of the macro before
        int iSelect;        // action row chosen first, -1 none
        int iButton;        // 1..5
        int iInsertedAt;    // where the press lands, -1 nothing inserted
    } cases[] = {
        {"empty macro: at the top", 0, -1, 1, 0},
        {"after the first action", 4, 0, 2, 1},
        {"after the last action", 4, 3, 3, 4},
        {"forward button is 245", 2, 1, 4, 2},
        {"back button is 244", 2, 0, 5, 1},
        {"44 actions: two more fit", 44, 43, 1, 44},
        {"45 actions: no room for both", 45, 44, 1, -1},
    };
    const uint8_t kCodes[] = {0, 241, 242, 243, 245, 244};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        m_macros.push_back(KeyMacro(L"Target", c.iActions));
        const MacroRecord before = *m_macros[0];
        RunEditor([&](HWND h) {
            ASSERT_TRUE(ClickRow(h, kMacroList, 0));
            if (c.iSelect >= 0) {
                ASSERT_TRUE(ClickRow(h, kActionList, c.iSelect));
            }
            ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_insert_mouse_btn"));
            EXPECT_TRUE(Control(h, L"ms_10_macro_mouse_event_tab")->IsVisible());
            EXPECT_FALSE(Control(h, L"ms_10_macro_name_tab")->IsVisible());
            ASSERT_TRUE(uikit::Click(h, (L"ms_10_macro_key" + std::to_wstring(c.iButton) + L"_btn").c_str()));
            if (c.iInsertedAt >= 0) {
                EXPECT_EQ(SelectedRow(h, kActionList), c.iInsertedAt + 1) << "the release is chosen";
            }
            Close(h);
        });
        const MacroRecord& after = *m_macros[0];
        if (c.iInsertedAt < 0) {
            EXPECT_EQ(ActionsOf(after), ActionsOf(before));
            continue;
        }
        ASSERT_EQ(after.iActionNum, before.iActionNum + 2);
        EXPECT_EQ(Action(after.stActions[c.iInsertedAt].byKey, after.stActions[c.iInsertedAt].byType, 10),
                  Action(kCodes[c.iButton], kActionPress, 10));
        EXPECT_EQ(Action(after.stActions[c.iInsertedAt + 1].byKey, after.stActions[c.iInsertedAt + 1].byType, 10),
                  Action(kCodes[c.iButton], kActionRelease, 10));
        for (int i = 0; i < before.iActionNum; ++i) {
            const int iAfter = i < c.iInsertedAt ? i : i + 2;
            EXPECT_EQ(after.stActions[iAfter].byKey, before.stActions[i].byKey);
        }
        EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
    }
}

TEST_F(MacroEditorTest, AClickInsertedInDefaultDelayModeTakesTheDefaultDelay) {
    m_macros.push_back(KeyMacro(L"Target", 0));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        TypeAndLeave(h, L"ms_10_default_delay_edit", L"250");
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_insert_mouse_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_key2_btn"));  // delay mode 1 is where the editor starts
        ASSERT_TRUE(uikit::Click(h, L"ms_10_no_delay_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_key1_btn"));
        Close(h);
    });
    // The second click goes after the first one's release, which stays chosen.
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(242, 1, 250), Action(242, 2, 250), Action(241, 1, 10),
                                                                Action(241, 2, 10)}));
}

TEST_F(MacroEditorTest, TheMouseButtonOfAnActionIsChosenInTheCombo) {
    m_macros.push_back(Macro(L"Click", {{kMouseLeftButton, 1, 20}, {kMouseLeftButton, 2, 20}}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        OpenEditPane(h, 0);
        auto* pCombo = static_cast<CComboUI*>(Control(h, L"ms_10_macro_mouse_action_combo"));
        EXPECT_EQ(pCombo->GetCurSel(), 0);
        ASSERT_TRUE(uikit::Click(pCombo));  // opens the drop-down
        ASSERT_TRUE(uikit::PumpUntil([&] { return pCombo->IsDroppedDown(); }));
        uikit::PressKey(pCombo->GetDropDownWindow(), VK_DOWN);
        uikit::PressKey(pCombo->GetDropDownWindow(), VK_DOWN);
        uikit::PressKey(pCombo->GetDropDownWindow(), VK_DOWN);
        uikit::PressKey(pCombo->GetDropDownWindow(), VK_RETURN);  // item 3: the forward button
        EXPECT_EQ(ActionRows(h)[0], L"Forward Button|Press|20");
        Close(h);
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(245, 1, 20), Action(241, 2, 20)}));
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

TEST_F(MacroEditorTest, SaveKeepsAndCancelDropsWhatThePaneShows) {
    m_macros.push_back(KeyMacro(L"Pane", 4, 50));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        OpenEditPane(h, 1);
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_save_btn"));
        EXPECT_EQ(static_cast<CTabLayoutUI*>(Control(h, L"ms_10_macro_action_edit_tab"))->GetCurSel(), 0);
        EXPECT_FALSE(static_cast<CCheckBoxUI*>(Control(h, L"ms_10_macro_action_edit_check"))->GetCheck());
        OpenEditPane(h, 1);
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_cancel_btn"));
        EXPECT_EQ(static_cast<CTabLayoutUI*>(Control(h, L"ms_10_macro_action_edit_tab"))->GetCurSel(), 0);
        EXPECT_EQ(ActionRows(h).size(), 4u);
        Close(h);
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]).size(), 4u);
}

TEST_F(MacroEditorTest, TheEditPaneNeedsAChosenAction) {
    m_macros.push_back(KeyMacro(L"Empty", 0));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        auto* pCheck = static_cast<CCheckBoxUI*>(Control(h, L"ms_10_macro_action_edit_check"));
        ASSERT_TRUE(uikit::Click(pCheck));
        EXPECT_FALSE(pCheck->GetCheck());
        EXPECT_EQ(static_cast<CTabLayoutUI*>(Control(h, L"ms_10_macro_action_edit_tab"))->GetCurSel(), 0);
        Close(h);
    });
}

TEST_F(MacroEditorTest, AddingAndRenamingMacros) {
    m_macros.push_back(KeyMacro(L"Alpha", 2));
    m_macros.push_back(KeyMacro(L"Beta", 2));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_add_btn"));
        EXPECT_EQ(MacroRows(h), (std::vector<std::wstring>{L"Alpha", L"Beta", L"Macro3"}));
        EXPECT_EQ(SelectedRow(h, kMacroList), 2);
        EXPECT_EQ(Control(h, L"ms_10_macro_name_edit")->GetText(), L"Macro3");
        EXPECT_EQ(DiskFile(), MacroFileOf());

        struct Case {
            const wchar_t* pszTyped;
            const wchar_t* pszStored;
        } cases[] = {
            {L"ALPHA", L"Macro3"},                                  // another macro's name, in other case
            {L"\b", L"Macro3"},                                     // no name
            {L"MACRO3", L"Macro3"},                                 // its own name in other case
            {L"Jump and crouch", L"Jump and crouch"},
            {L"A name far longer than a record holds", L"A name far longer than "},  // cut to 23
        };
        for (const Case& c : cases) {
            TypeAndLeave(h, L"ms_10_macro_name_edit", c.pszTyped);
            EXPECT_EQ(std::wstring(NameOf(m_macros[2]->szName)), c.pszStored);
            EXPECT_EQ(Control(h, L"ms_10_macro_name_edit")->GetText(), c.pszStored);
            EXPECT_EQ(MacroRows(h)[2], c.pszStored);
        }
        Close(h);
    });
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

TEST_F(MacroEditorTest, DeletingMacros) {
    m_macros.push_back(KeyMacro(L"One", 2));
    m_macros.push_back(KeyMacro(L"Two", 4));
    m_macros.push_back(KeyMacro(L"Three", 6));
    RunEditor([&](HWND h) {
        // Nothing chosen: nothing to delete, and nothing is asked.
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_btn"));
        EXPECT_TRUE(m_boxes.empty());
        EXPECT_EQ(m_macros.size(), 3u);

        ASSERT_TRUE(ClickRow(h, kMacroList, 1));
        m_boxAnswers = {0};  // declined
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_btn"));
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"delete_macro_text"}));
        EXPECT_EQ(m_macros.size(), 3u);

        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_btn"));  // confirmed
        EXPECT_EQ(MacroRows(h), (std::vector<std::wstring>{L"One", L"Three"}));
        EXPECT_EQ(SelectedRow(h, kMacroList), 1) << "the macro now in its place";
        EXPECT_EQ(ActionRows(h).size(), 6u);
        EXPECT_EQ(DiskFile(), MacroFileOf());

        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_btn"));  // the last row
        EXPECT_EQ(SelectedRow(h, kMacroList), 0);
        EXPECT_EQ(Control(h, L"ms_10_macro_name_edit")->GetText(), L"One");
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_delete_btn"));  // the only one
        EXPECT_TRUE(MacroRows(h).empty());
        EXPECT_TRUE(ActionRows(h).empty());
        EXPECT_EQ(Control(h, L"ms_10_macro_name_edit")->GetText(), L"");
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_clear_action_btn"));  // nothing chosen: nothing happens
        Close(h);
    });
    EXPECT_TRUE(m_macros.empty());
    EXPECT_TRUE(DiskFile().empty());
    EXPECT_TRUE(gen1test::FileExists(m_files.MacroData()));
}

TEST_F(MacroEditorTest, TheModelsEditorsWorkOnTheirOwnSkinsAndFolders) {
    for (int iModel : gen1test::kGen1Models) {
        SCOPED_TRACE(iModel);
        gen1test::ModelFiles files(iModel, L"macro_dialogs_models");
        m_macros.clear();
        const std::wstring strPrefix = L"ms_" + std::to_wstring(iModel) + L"_";
        auto scenario = [&](HWND h) {
            EXPECT_EQ(WindowClassOf(h), L"MS_" + std::to_wstring(iModel) + L"_Macro");
            ASSERT_TRUE(uikit::Click(h, (strPrefix + L"macro_add_btn").c_str()));
            ASSERT_TRUE(uikit::Click(h, (strPrefix + L"macro_insert_mouse_btn").c_str()));
            ASSERT_TRUE(uikit::Click(h, (strPrefix + L"macro_key1_btn").c_str()));
            EXPECT_EQ(ActionRows(h, strPrefix).size(), 2u);
            Close(h);
        };
        if (iModel == 10) RunEditor<CMS_10_Macro>(scenario, &files);
        if (iModel == 1) RunEditor<CMS_1_Macro>(scenario, &files);
        if (iModel == 2) RunEditor<CMS_2_Macro>(scenario, &files);
        if (iModel == 3) RunEditor<CMS_3_Macro>(scenario, &files);
        if (iModel == 4) RunEditor<CMS_4_Macro>(scenario, &files);
        if (iModel == 5) RunEditor<CMS_5_Macro>(scenario, &files);
        if (iModel == 6) RunEditor<CMS_6_Macro>(scenario, &files);
        if (iModel == 7) RunEditor<CMS_7_Macro>(scenario, &files);
        if (iModel == 9) RunEditor<CMS_9_Macro>(scenario, &files);
        EXPECT_TRUE(m_missing.empty()) << "every control the editor looks up is in its skin";
        ASSERT_EQ(m_macros.size(), 1u);
        EXPECT_EQ(ReadBytes(files.MacroData()), MacroFileOf()) << "its own model's macro.data";
    }
}

}  // namespace
