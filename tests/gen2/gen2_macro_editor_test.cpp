// The second generation's macro editor driven as a person uses it: its window under each of the
// four models, mouse moves typed and inserted and edited, clicks inserted by hand, the delay
// ranges, the 190-action and fit limits (refused with a message, the record reloaded), names,
// and macro.data checked on disk after every change.
#include "tests/gen2/gen2_dialog_fixture.h"

#include <gtest/gtest.h>

#include <cwchar>

using namespace DuiLib;
using namespace gen2dlg;
using gen2test::Key;
using gen2test::Macro;
using gen2test::Move;

namespace {

class Gen2MacroEditorTest : public Gen2DialogTest {
protected:
    static std::wstring Text(HWND h, const wchar_t* pszName) { return Control(h, pszName)->GetText().str(); }
};

TEST_F(Gen2MacroEditorTest, EachModelsEditorIsItsOwnWindowWithEveryControlOfItsSkin) {
    m_macros.push_back(Macro(L"Reload", {Key(0x15, 1, 30), Key(0x15, 2, 30)}));
    m_macros.push_back(Macro(L"Strafe", {Move(-40, 0, 20)}));
    struct Case {
        int iModel;
        std::function<UINT(const std::function<void(HWND)>&)> run;
    } cases[] = {
        {11, [&](const auto& s) { return RunEditor<CMS_11_Macro>(s); }},
        {8, [&](const auto& s) { return RunEditor<CMS_8_Macro>(s); }},
        {12, [&](const auto& s) { return RunEditor<CMS_12_Macro>(s); }},
        {13, [&](const auto& s) { return RunEditor<CMS_13_Macro>(s); }},
        {14, [&](const auto& s) { return RunEditor<CMS_14_Macro>(s); }},
        {16, [&](const auto& s) { return RunEditor<CMS_16_Macro>(s); }},
        {18, [&](const auto& s) { return RunEditor<CMS_18_Macro>(s); }},
        {19, [&](const auto& s) { return RunEditor<CMS_19_Macro>(s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iModel);
        const std::wstring strPrefix = L"ms_" + std::to_wstring(c.iModel) + L"_";
        c.run([&](HWND h) {
            EXPECT_EQ(WindowClassOf(h), L"MS_" + std::to_wstring(c.iModel) + L"_Macro");
            EXPECT_EQ(MacroRows(h, strPrefix), (std::vector<std::wstring>{L"Reload", L"Strafe"}));
            EXPECT_EQ(SelectedRow(h, strPrefix + L"macro_list"), -1) << "nothing is chosen when it opens";
            ASSERT_TRUE(ClickRow(h, strPrefix + L"macro_list", 1));
            EXPECT_EQ(ActionRows(h, strPrefix), (std::vector<std::wstring>{L"Mouse move|X: -40 Y: 0|20"}));
            uikit::Click(h, L"btn_exit");
        });
        EXPECT_TRUE(m_missing.empty()) << (m_missing.empty() ? std::string() : std::string(m_missing[0].begin(), m_missing[0].end()));
    }
}

TEST_F(Gen2MacroEditorTest, TypedMovesStayWithinTheRangeAndGoAfterTheSelectedAction) {
    m_macros.push_back(Macro(L"Aim", {Key(0x04, 1, 50), Key(0x04, 2, 50), Key(0x05, 1, 50)}));
    struct Case {
        const char* what;
        const wchar_t* pszX;
        const wchar_t* pszY;
        const wchar_t* pszShownX;  // what the edit shows once typed
        const wchar_t* pszShownY;
        int iX, iY;
    } cases[] = {
        {"plain", L"25", L"-30", L"25", L"-30", 25, -30},
        {"above the range", L"1200", L"999", L"999", L"999", 999, 999},
        {"below the range", L"-5000", L"-1000", L"-999", L"-999", -999, -999},
        {"letters dropped", L"1a2", L"x-7", L"12", L"-7", 12, -7},
    };
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_insert_mouse_btn"));
        EXPECT_TRUE(Control(h, L"ms_macro_move_btn")->IsVisible());
        int iAfter = 0;
        std::vector<std::string> expected = ActionsOf(*m_macros[0]);
        for (const Case& c : cases) {
            SCOPED_TRACE(c.what);
            ASSERT_TRUE(ClickRow(h, kActionList, iAfter));
            TypeAndLeave(h, L"ms_edit_x", c.pszX);
            TypeAndLeave(h, L"ms_edit_y", c.pszY);
            EXPECT_EQ(Text(h, L"ms_edit_x"), c.pszShownX);
            EXPECT_EQ(Text(h, L"ms_edit_y"), c.pszShownY);
            ASSERT_TRUE(uikit::Click(h, L"ms_macro_move_btn"));
            expected.insert(expected.begin() + iAfter + 1, MoveAction(c.iX, c.iY, 10));
            EXPECT_EQ(ActionsOf(*m_macros[0]), expected);
            EXPECT_EQ(SelectedRow(h, kActionList), iAfter + 1) << "the new move is chosen";
            EXPECT_EQ(ActionRows(h)[iAfter + 1],
                      L"Mouse move|X: " + std::to_wstring(c.iX) + L" Y: " + std::to_wstring(c.iY) + L"|10");
            EXPECT_EQ(DiskFile(), MacroFileOf());
            iAfter += 2;
            if (iAfter >= m_macros[0]->iActionNum) iAfter = m_macros[0]->iActionNum - 1;
        }
        Close(h);
    });
}

TEST_F(Gen2MacroEditorTest, AMoveWithNoActionChosenIsAppendedAndAnEmptyMacroTakesOne) {
    m_macros.push_back(Macro(L"Empty", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_insert_mouse_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_macro_move_btn"));  // no macro chosen: nothing
        EXPECT_EQ(m_macros[0]->iActionNum, 0);
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        TypeAndLeave(h, L"ms_edit_x", L"3");
        ASSERT_TRUE(uikit::Click(h, L"ms_macro_move_btn"));
        TypeAndLeave(h, L"ms_edit_y", L"-4");
        ASSERT_TRUE(uikit::Click(h, L"ms_macro_move_btn"));
        Close(h);
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{MoveAction(3, 0, 10), MoveAction(3, -4, 10)}));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

TEST_F(Gen2MacroEditorTest, TheEditPaneShowsAndChangesAMoveAKeyAndAButton) {
    m_macros.push_back(Macro(L"Mixed", {Key(0x04, 1, 40), Move(10, -20, 300), Key(kMouseForwardButton, 1, 60)}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        OpenEditPane(h, 1);
        EXPECT_EQ(EditPage(h), 3);
        EXPECT_EQ(Text(h, L"mouse_move_edit_x_edit"), L"10");
        EXPECT_EQ(Text(h, L"mouse_move_edit_y_edit"), L"-20");
        EXPECT_EQ(Text(h, L"mouse_move_delay_edit"), L"300");
        TypeAndLeave(h, L"mouse_move_edit_x_edit", L"-1500");
        TypeAndLeave(h, L"mouse_move_edit_y_edit", L"77");
        EXPECT_EQ(ActionRows(h)[1], L"Mouse move|X: -999 Y: 77|300");
        TypeAndLeave(h, L"mouse_move_delay_edit", L"70000");
        EXPECT_EQ(Text(h, L"mouse_move_delay_edit"), L"25000");
        EXPECT_EQ(ActionsOf(*m_macros[0])[1], MoveAction(-999, 77, 25000));
        EXPECT_EQ(DiskFile(), MacroFileOf());

        OpenEditPane(h, 0);
        EXPECT_EQ(EditPage(h), 1);
        EXPECT_EQ(Text(h, L"ms_11_macro_action_edit"), L"A");
        TypeAndLeave(h, L"ms_11_macro_delay_edit", L"0");
        EXPECT_EQ(m_macros[0]->stActions[0].wDelay, 1) << "delays run from 1";

        OpenEditPane(h, 2);
        EXPECT_EQ(EditPage(h), 2);
        EXPECT_EQ(Text(h, L"ms_11_macro_mouse_action_combo"), L"Forward Button") << "245 is item 3";
        EXPECT_TRUE(Control(h, L"ms_11_macro_mouseaction_delay_edit")->IsEnabled()) << "the last delay is played too";
        EXPECT_EQ(Text(h, L"ms_11_macro_mouseaction_delay_edit"), L"60");
        static_cast<CComboUI*>(Control(h, L"ms_11_macro_mouse_action_combo"))->SelectItem(4);
        EXPECT_EQ(m_macros[0]->stActions[2].byKey, kMouseBackButton) << "item 4 is 244";
        EXPECT_EQ(ActionRows(h)[2], L"Back Button|Press|60");
        EXPECT_EQ(DiskFile(), MacroFileOf());
        Close(h);
    });
}

TEST_F(Gen2MacroEditorTest, DelayEditsClampTo1And25000AndTheDefaultDelayToo) {
    m_macros.push_back(Macro(L"Two", {Key(0x04, 1, 40), Key(kMouseLeftButton, 1, 40), Key(0x04, 2, 40)}));
    struct Case {
        const wchar_t* pszTyped;
        uint16_t wStored;
    } cases[] = {{L"0", 1}, {L"\b", 1}, {L"1", 1}, {L"127", 127}, {L"25000", 25000}, {L"25001", 25000},
                 {L"70000", 25000}, {L"99999999999999999999", 25000}};
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.pszTyped, c.pszTyped + wcslen(c.pszTyped)));
            OpenEditPane(h, 0);
            TypeAndLeave(h, L"ms_11_macro_delay_edit", c.pszTyped);
            EXPECT_EQ(m_macros[0]->stActions[0].wDelay, c.wStored);
            OpenEditPane(h, 1);
            TypeAndLeave(h, L"ms_11_macro_mouseaction_delay_edit", c.pszTyped);
            EXPECT_EQ(m_macros[0]->stActions[1].wDelay, c.wStored);
            EXPECT_EQ(Text(h, L"ms_11_macro_mouseaction_delay_edit"), std::to_wstring(c.wStored));
            TypeAndLeave(h, L"ms_11_default_delay_edit", c.pszTyped);
            EXPECT_EQ(Text(h, L"ms_11_default_delay_edit"), std::to_wstring(c.wStored));
        }
        EXPECT_EQ(DiskFile(), MacroFileOf());
        Close(h);
    });
}

TEST_F(Gen2MacroEditorTest, ClickButtonsUseTheDefaultDelayClampedAndTheSideButtonCodes) {
    m_macros.push_back(Macro(L"Clicks", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_insert_mouse_btn"));
        // Typed and never left: the number is read, clamped, when the click goes in.
        ASSERT_TRUE(uikit::Click(h, L"ms_11_default_delay_btn"));
        ASSERT_TRUE(uikit::TypeText(Control(h, L"ms_11_default_delay_edit"), L"70000"));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_key4_btn"));
        EXPECT_EQ(Text(h, L"ms_11_default_delay_edit"), L"25000");
        ASSERT_TRUE(uikit::Click(h, L"ms_11_no_delay_btn"));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_key5_btn"));
        Close(h);
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(245, 1, 25000), Action(245, 2, 25000),
                                                                 Action(244, 1, 10), Action(244, 2, 10)}));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

TEST_F(Gen2MacroEditorTest, NothingIsInsertedPastTheActionLimit) {
    struct Case {
        const char* what;
        int iActions;
        const wchar_t* pszButton;
        int iAdded;
    } cases[] = {
        {"a click needs two places: 188 take one", 188, L"ms_11_macro_key1_btn", 2},
        {"189 leave only one", 189, L"ms_11_macro_key1_btn", 0},
        {"a move at 188", 188, L"ms_macro_move_btn", 1},
        {"a move at 190", 190, L"ms_macro_move_btn", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        // Short delays and few events: only the action count limits these.
        m_macros.push_back(KeyMacro(L"Full", c.iActions, 1));
        RunEditor([&](HWND h) {
            ASSERT_TRUE(ClickRow(h, kMacroList, 0));
            ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_insert_mouse_btn"));
            ASSERT_TRUE(uikit::Click(h, c.pszButton));
            Close(h);
        });
        EXPECT_EQ(m_macros[0]->iActionNum, c.iActions + c.iAdded);
    }
}

TEST_F(Gen2MacroEditorTest, AChangeTheMouseCannotHoldIsRefusedWithAMessageAndTheRecordReloaded) {
    // 190 key actions of 1 ms count 190 events; a long delay on one of them makes 191, on two 192.
    m_macros.push_back(KeyMacro(L"Long", 190, 1));
    // The block limit: the fixture without its last move fits four blocks (187 - 3 events); the
    // move put back makes a fifth block at 188 events.
    const std::vector<MacroActionEx> five = gen2test::FiveBlockActions();
    ASSERT_FALSE(MacroFitsFrame(five.data(), static_cast<int>(five.size())));
    ASSERT_TRUE(MacroFitsFrame(five.data(), static_cast<int>(five.size()) - 1));
    auto pBlocks = Macro(L"Blocks", {});
    std::copy(five.begin(), five.end() - 1, pBlocks->stActions);
    pBlocks->iActionNum = static_cast<int>(five.size()) - 1;
    m_macros.push_back(std::move(pBlocks));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        OpenEditPane(h, 0);
        TypeAndLeave(h, L"ms_11_macro_delay_edit", L"128");
        EXPECT_EQ(m_macros[0]->stActions[0].wDelay, 128) << "191 events are kept";
        EXPECT_TRUE(m_boxes.empty());
        const std::vector<uint8_t> stored = DiskFile();
        EXPECT_EQ(stored, MacroFileOf());
        OpenEditPane(h, 1);
        TypeAndLeave(h, L"ms_11_macro_delay_edit", L"200");
        EXPECT_EQ(m_macros[0]->stActions[1].wDelay, 1) << "192 are not";
        EXPECT_EQ(ActionRows(h)[1], L"A|Release|1") << "the list shows the macro as stored";
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"macro_too_long_text"}));
        EXPECT_EQ(DiskFile(), stored);

        ASSERT_TRUE(ClickRow(h, kMacroList, 1));
        const int iLast = m_macros[1]->iActionNum - 1;
        ASSERT_TRUE(ClickRow(h, kActionList, iLast));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_insert_mouse_btn"));
        TypeAndLeave(h, L"ms_edit_x", L"7");
        TypeAndLeave(h, L"ms_edit_y", L"7");
        ASSERT_TRUE(uikit::Click(h, L"ms_macro_move_btn"));
        ASSERT_EQ(m_macros[1]->iActionNum, iLast + 2) << "with a short delay the move fits";
        const std::vector<uint8_t> withMove = DiskFile();
        EXPECT_EQ(withMove, MacroFileOf());
        OpenEditPane(h, iLast + 1);
        TypeAndLeave(h, L"mouse_move_delay_edit", L"200");  // the fixture's last move: a fifth block
        EXPECT_EQ(m_macros[1]->stActions[iLast + 1].wDelay, 10) << "a fifth block is refused";
        EXPECT_EQ(ActionRows(h).back(), L"Mouse move|X: 7 Y: 7|10");
        EXPECT_EQ(m_boxes.size(), 2u);
        EXPECT_EQ(DiskFile(), withMove);
        Close(h);
    });
}

TEST_F(Gen2MacroEditorTest, DeletingWithNoMacroChosenAsksNothingAndDeletesNothing) {
    m_macros.push_back(Macro(L"Keep", {Key(0x04, 1, 10)}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_delete_btn"));
        EXPECT_TRUE(m_boxes.empty());
        EXPECT_EQ(MacroRows(h, L"ms_11_"), (std::vector<std::wstring>{L"Keep"}));
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        m_boxAnswers = {0};
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_delete_btn"));  // asked, and answered no
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"delete_macro_text"}));
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_delete_btn"));  // yes
        EXPECT_TRUE(MacroRows(h, L"ms_11_").empty());
        EXPECT_TRUE(ActionRows(h).empty());
        Close(h);
    });
    EXPECT_TRUE(m_macros.empty());
    EXPECT_TRUE(DiskFile().empty());
}

TEST_F(Gen2MacroEditorTest, ANameIsCutTo23CharactersAndATakenNameIsRefused) {
    m_macros.push_back(Macro(L"First", {}));
    m_macros.push_back(Macro(L"Second", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        TypeAndLeave(h, L"ms_11_macro_name_edit", L"\b\b\b\b\bABCDEFGHIJKLMNOPQRSTUVWXYZ0123");
        EXPECT_EQ(std::wstring(NameOf(m_macros[0]->szName)), L"ABCDEFGHIJKLMNOPQRSTUVW");
        EXPECT_EQ(MacroRows(h, L"ms_11_")[0], L"ABCDEFGHIJKLMNOPQRSTUVW");
        ASSERT_TRUE(ClickRow(h, kMacroList, 1));
        TypeAndLeave(h, L"ms_11_macro_name_edit", L"\b\b\b\b\b\babcdefghijklmnopqrstuvw");
        EXPECT_EQ(std::wstring(NameOf(m_macros[1]->szName)), L"Second") << "taken, whatever the case";
        EXPECT_EQ(Text(h, L"ms_11_macro_name_edit"), L"Second");
        Close(h);
    });
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

}  // namespace
