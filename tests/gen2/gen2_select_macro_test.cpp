// The second generation's macro picker driven as a person uses it: its four repeat modes, the
// colour-macro option with its hidden colour button, the colour handed back as it came, a macro
// too long for the mouse refused with a message, and each model's window and skin. Then every
// text of the second generation's editor and picker in the three languages.
#include "tests/gen2/gen2_dialog_fixture.h"

#include <gtest/gtest.h>

#include <cwchar>
#include <set>

using namespace DuiLib;
using namespace gen2dlg;
using gen2test::Key;
using gen2test::Macro;

namespace {

class Gen2SelectMacroTest : public Gen2DialogTest {
protected:
    void SetUp() override {
        Gen2DialogTest::SetUp();
        m_macros.push_back(Macro(L"Reload", {Key(0x15, 1, 30), Key(0x15, 2, 30)}));
        m_macros.push_back(Macro(L"Build", {gen2test::Move(5, 5, 10)}));
        // The block-limit fixture: 188 events, five blocks; the mouse cannot hold it.
        auto pTooLong = Macro(L"Too long", {});
        const std::vector<MacroActionEx> five = gen2test::FiveBlockActions();
        std::copy(five.begin(), five.end(), pTooLong->stActions);
        pTooLong->iActionNum = static_cast<int>(five.size());
        m_macros.push_back(std::move(pTooLong));
    }

    static bool Shown(HWND h, const wchar_t* pszName) { return Control(h, pszName)->IsVisible(); }
    static bool Selected(HWND h, const wchar_t* pszName) {
        return static_cast<COptionUI*>(Control(h, pszName))->IsSelected();
    }
    static bool Ticked(HWND h) { return static_cast<CCheckBoxUI*>(Control(h, L"check_left_macro"))->GetCheck(); }
    static DWORD ColourShown(HWND h) { return Control(h, L"btn_color")->GetBkColor(); }
};

TEST_F(Gen2SelectMacroTest, ShowsTheButtonsChoiceWithFourModesAndTheColourOption) {
    struct Case {
        const char* what;
        PickerChoice start;
        const wchar_t* pszOption;  // nullptr: none
        bool bLoopRow;
        DWORD dwShown;             // btn_color's background
    } cases[] = {
        {"a button without a macro", {-1, 0, 1, false, 0xFFFFFF}, L"repeat_1", true, 0xFFFFFFFF},
        {"a plain macro, counted", {1, 0, 5, false, 0xFFFFFF}, L"repeat_1", true, 0xFFFFFFFF},
        {"a colour macro in mode 3", {0, 3, 1, true, 0x00332211}, L"repeat_4", false, 0xFF112233},
        {"mode 2", {0, 2, 1, true, 0x000000FF}, L"repeat_3", false, 0xFFFF0000},
        {"a mode outside 0..3", {0, 4, 1, false, 0xFFFFFF}, nullptr, false, 0xFFFFFFFF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PickerChoice choice = c.start;
        const UINT uResult = RunPicker(choice, [&](HWND h) {
            EXPECT_EQ(static_cast<CListUI*>(Control(h, L"list_macro"))->GetCurSel(), c.start.iMacroIndex);
            for (const wchar_t* pszOption : {L"repeat_1", L"repeat_2", L"repeat_3", L"repeat_4"})
                EXPECT_EQ(Selected(h, pszOption), c.pszOption != nullptr && wcscmp(pszOption, c.pszOption) == 0);
            EXPECT_EQ(Shown(h, L"hor_loop_time"), c.bLoopRow);
            EXPECT_EQ(Ticked(h), c.start.bLeftMacro);
            EXPECT_FALSE(Shown(h, L"btn_color"));
            EXPECT_EQ(ColourShown(h), c.dwShown);
            uikit::Click(h, L"btn_cancel");
        });
        EXPECT_EQ(uResult, 0u);
        EXPECT_EQ(choice.dwColor, c.start.dwColor);
    }
    EXPECT_TRUE(m_missing.empty());
}

TEST_F(Gen2SelectMacroTest, TheFourthModeHidesTheLoopRowAndIsMode3) {
    PickerChoice choice{0, 0, 4, false, 0xFFFFFF};
    EXPECT_EQ(RunPicker(choice, [&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"repeat_4"));
        EXPECT_FALSE(Shown(h, L"hor_loop_time"));
        uikit::Click(h, L"btn_ok");
    }), 1u);
    EXPECT_EQ(choice.iRepeatMode, 3);
    EXPECT_EQ(choice.iLoopCount, 4);
    EXPECT_EQ(choice.iMacroIndex, 0);
}

TEST_F(Gen2SelectMacroTest, TheColourOptionTurnsOnAndOffAndTheColourComesBackAsItCame) {
    struct Case {
        const char* what;
        PickerChoice start;
        bool bLeftAfter;
    } cases[] = {
        {"a plain macro becomes a colour macro, white", {1, 0, 1, false, 0xFFFFFF}, true},
        {"a colour macro becomes plain, its colour kept", {1, 1, 1, true, 0x00405060}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PickerChoice choice = c.start;
        EXPECT_EQ(RunPicker(choice, [&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
            EXPECT_FALSE(Shown(h, L"btn_color")) << "hidden after every click";
            ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
            ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
            EXPECT_FALSE(Shown(h, L"btn_color"));
            EXPECT_EQ(Ticked(h), c.bLeftAfter);
            uikit::Click(h, L"btn_ok");
        }), 1u);
        EXPECT_EQ(choice.bLeftMacro, c.bLeftAfter);
        EXPECT_EQ(choice.dwColor, c.start.dwColor);
        EXPECT_EQ(choice.iMacroIndex, 1);
    }
}

TEST_F(Gen2SelectMacroTest, AMacroTheMouseCannotHoldIsRefusedWithAMessageAndAnotherCanBeChosen) {
    PickerChoice choice{-1, 0, 1, false, 0xFFFFFF};
    EXPECT_EQ(RunPicker(choice, [&](HWND h) {
        ASSERT_TRUE(ClickRow(h, L"list_macro", 2));
        ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
        ASSERT_TRUE(uikit::Click(h, L"btn_ok"));
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"macro_too_long_text"}));
        EXPECT_TRUE(::IsWindow(h)) << "still open";
        ASSERT_TRUE(ClickRow(h, L"list_macro", 0));
        uikit::Click(h, L"btn_ok");
    }), 1u);
    EXPECT_EQ(choice.iMacroIndex, 0);
    EXPECT_TRUE(choice.bLeftMacro);

    // Refused and then left: no choice at all.
    choice = {-1, 0, 1, false, 0xFFFFFF};
    EXPECT_EQ(RunPicker(choice, [&](HWND h) {
        ASSERT_TRUE(ClickRow(h, L"list_macro", 2));
        ASSERT_TRUE(uikit::Click(h, L"btn_ok"));
        uikit::Click(h, L"btn_cancel");
    }), 0u);
    EXPECT_EQ(m_boxes.size(), 2u);
}

TEST_F(Gen2SelectMacroTest, OkWithNoMacroChosenKeepsThePickerOpen) {
    PickerChoice choice{-1, 0, 1, false, 0xFFFFFF};
    EXPECT_EQ(RunPicker(choice, [&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"check_left_macro"));
        ASSERT_TRUE(uikit::Click(h, L"repeat_2"));
        uikit::Click(h, L"btn_ok");
        uikit::PumpUntilIdle();
        EXPECT_TRUE(::IsWindow(h)) << "nothing chosen: OK keeps the picker open";
        uikit::Click(h, L"btn_cancel");
    }), 0u);
    EXPECT_EQ(choice.iMacroIndex, -1) << "the page leaves the button as it was";
    EXPECT_TRUE(m_boxes.empty());
}

TEST_F(Gen2SelectMacroTest, EachModelsPickerHasItsWindowClassAndSkin) {
    struct Case {
        int iModel;
        std::function<UINT(PickerChoice&, const std::function<void(HWND)>&)> run;
    } cases[] = {
        {11, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_11_SelectMacro>(c, s); }},
        {8, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_8_SelectMacro>(c, s); }},
        {12, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_12_SelectMacro>(c, s); }},
        {13, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_13_SelectMacro>(c, s); }},
        {14, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_14_SelectMacro>(c, s); }},
        {16, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_16_SelectMacro>(c, s); }},
        {18, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_18_SelectMacro>(c, s); }},
        {19, [&](PickerChoice& c, const auto& s) { return RunPicker<CMS_19_SelectMacro>(c, s); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iModel);
        PickerChoice choice{1, 3, 2, true, 0x00010203};
        std::wstring strClass;
        c.run(choice, [&](HWND h) {
            strClass = WindowClassOf(h);
            EXPECT_TRUE(Selected(h, L"repeat_4"));
            uikit::Click(h, L"btn_ok");
        });
        EXPECT_EQ(strClass, L"MS_" + std::to_wstring(c.iModel) + L"_SelectMacro");
        EXPECT_TRUE(m_missing.empty());
        EXPECT_EQ(choice.iRepeatMode, 3);
    }
}

TEST_F(Gen2SelectMacroTest, EveryLanguageHasEveryTextOfTheEditorAndThePicker) {
    // Texts the code sets: the record button while recording, the rows, the messages.
    std::set<std::wstring> ids = {L"stop_recording_text", L"add_macro_text", L"macro_too_long_text",
                                  L"macro_import_short_text", L"macro_import_long_text",
                                  L"macro_import_unreadable_text", L"macro_import_foreign_text",
                                  L"macro_import_damaged_text", L"macro_export_failed_text", L"delete_macro_text"};
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 1));  // a move row
        uikit::CollectTextIds(h, ids);
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));  // key rows
        uikit::CollectTextIds(h, ids);
        uikit::Click(h, L"btn_exit");
    });
    PickerChoice choice;
    RunPicker(choice, [&](HWND h) {
        uikit::CollectTextIds(h, ids);
        uikit::Click(h, L"btn_cancel");
    });
    for (const wchar_t* id : {L"macro_title_text", L"action_move_caption_text", L"macro_move_text", L"repeat_endless_text",
                              L"check_left_macro_text", L"key_down_action", L"mouse_move_text"})
        EXPECT_TRUE(ids.count(id)) << "the skins and rows were read";
    macrotest::ExpectEveryLanguageHas(ids);
}

}  // namespace
