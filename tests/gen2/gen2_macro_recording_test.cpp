// Recording in the second generation's editor: hook events posted in the order a person acts
// (the clock moved by the test), where they land, their delays in the three delay modes and
// the 25,000 ms ceiling, the side buttons, the auto-repeat filter, the stop at 190 events,
// closing while recording, the key capture of the action edit, and one recording through the
// real Hook.dll.
#include "tests/gen2/gen2_dialog_fixture.h"
#include "tests/kit/hook_dll.h"
#include "models/ms_15/ms_15_dialogs.h"
#include "models/ms_17/ms_17_dialogs.h"
#include "models/ms_20/ms_20_dialogs.h"
#include "models/ms_21/ms_21_dialogs.h"
#include "models/ms_22/ms_22_dialogs.h"
#include "models/ms_23/ms_23_dialogs.h"
#include "models/ms_24/ms_24_dialogs.h"

#include <gtest/gtest.h>

using namespace DuiLib;
using namespace gen2dlg;
using gen2test::Key;
using gen2test::Macro;
using gen2test::Move;

namespace {

const wchar_t kRecordButton[] = L"ms_11_macro_record_btn";

bool Recording(HWND h) { return macrotest::IsRecording(h, L"ms_11_"); }

class Gen2RecordingTest : public Gen2DialogTest {
protected:
    // Picks macro 0, and action iAction when not -1, then starts recording with the button.
    static void StartRecording(HWND h, int iAction = -1) { macrotest::StartRecordingOn(h, L"ms_11_", iAction); }
    static void StopRecording(HWND h) { macrotest::StopRecordingOn(h, L"ms_11_"); }

    // A recording in model iModel's editor after the first action of macros[0], in the no-delay
    // mode: X pressed and released. What the action list shows afterwards and what was stored.
    struct AfterRecording {
        bool bStopped = false;
        int iChosenRow = -2;
        int iStored = -1;
    };
    template <class Editor, class Macros, class Files>
    AfterRecording RecordAfterFirstAction(int iModel, Macros& macros, Files& files) {
        const std::wstring strPrefix = L"ms_" + std::to_wstring(iModel) + L"_";
        AfterRecording after;
        RunEditorOver<Editor>(macros, files.storage, [&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, (strPrefix + L"no_delay_btn").c_str()));
            macrotest::StartRecordingOn(h, strPrefix, 0);
            Post(h, {{'X', kDown}, {'X', kUp}});
            after.bStopped = !macrotest::IsRecording(h, strPrefix);
            after.iChosenRow = SelectedRow(h, strPrefix + L"macro_action_list");
            Close(h);
        });
        after.iStored = macros[0]->iActionNum;
        return after;
    }
};

TEST_F(Gen2RecordingTest, DelaysByModeWithTheCeilingOf25000) {
    struct Case {
        const char* what;
        const wchar_t* pszMode;
        const wchar_t* pszDefault;  // typed into the default delay before the start
        std::vector<std::string> actions;
    } cases[] = {
        {"recorded: 30 s and 70 s both give 25,000", L"ms_11_record_delay_btn", L"10",
         {Action(0xE1, 1, 120), Action(0x04, 1, 25000), Action(0x04, 2, 25000), Action(0xE1, 2, 1)}},
        {"default delay, read at the start", L"ms_11_default_delay_btn", L"333",
         {Action(0xE1, 1, 333), Action(0x04, 1, 333), Action(0x04, 2, 333), Action(0xE1, 2, 1)}},
        {"default delay above the range", L"ms_11_default_delay_btn", L"70000",
         {Action(0xE1, 1, 25000), Action(0x04, 1, 25000), Action(0x04, 2, 25000), Action(0xE1, 2, 1)}},
        {"no delay", L"ms_11_no_delay_btn", L"500",
         {Action(0xE1, 1, 1), Action(0x04, 1, 1), Action(0x04, 2, 1), Action(0xE1, 2, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        m_macros.push_back(Macro(L"Typed", {}));
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, c.pszMode));
            ASSERT_TRUE(uikit::TypeText(Control(h, L"ms_11_default_delay_edit"), std::wstring(L"\b\b\b\b\b") + c.pszDefault));
            StartRecording(h);
            Post(h, macrotest::ShiftA(120, 30000, 70000));
            StopRecording(h);
            Close(h);
        });
        EXPECT_EQ(ActionsOf(*m_macros[0]), c.actions);
        EXPECT_EQ(DiskFile(), MacroFileOf());
    }
}

TEST_F(Gen2RecordingTest, ReplaceWithNothingChosenInsertAfterTheChosenAction) {
    struct Case {
        const char* what;
        int iSelect;
        std::vector<std::string> actions;
    } cases[] = {
        {"nothing chosen: the recording replaces the actions", -1, {Action(0x1D, 1, 40), Action(0x1D, 2, 1)}},
        // The wait before the first event belongs to no action already there: the move keeps 300.
        {"action 2 of 5: after it", 1,
         {Action(0x04, 1, 10), MoveAction(1, 2, 300), Action(0x1D, 1, 40), Action(0x1D, 2, 1), Action(0x05, 1, 10),
          Action(0x05, 2, 10), MoveAction(3, 4, 500)}},
        {"the last action: appended", 4,
         {Action(0x04, 1, 10), MoveAction(1, 2, 300), Action(0x05, 1, 10), Action(0x05, 2, 10), MoveAction(3, 4, 500),
          Action(0x1D, 1, 40), Action(0x1D, 2, 1)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        m_macros.push_back(Macro(L"Five", {Key(0x04, 1, 10), Move(1, 2, 300), Key(0x05, 1, 10), Key(0x05, 2, 10),
                                           Move(3, 4, 500)}));
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"ms_11_record_delay_btn"));
            ASSERT_TRUE(ClickRow(h, kMacroList, 0));
            if (c.iSelect < 0) {
                // A macro just chosen has its last action chosen: pick nothing by clearing first.
                static_cast<CListUI*>(Control(h, kActionList))->SelectItem(-1);
                ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_clear_action_btn"));
            } else {
                ASSERT_TRUE(ClickRow(h, kActionList, c.iSelect));
            }
            ASSERT_TRUE(uikit::Click(h, kRecordButton));
            Post(h, {{'Z', kDown, 5000}, {'Z', kUp, 40}});
            StopRecording(h);
            Close(h);
        });
        EXPECT_EQ(ActionsOf(*m_macros[0]), c.actions);
        EXPECT_EQ(DiskFile(), MacroFileOf());
    }
}

TEST_F(Gen2RecordingTest, MouseButtonsSideButtonsAndAHeldKey) {
    m_macros.push_back(Macro(L"Mouse", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_no_delay_btn"));
        StartRecording(h);
        Post(h, {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}, {WM_XBUTTONDOWN, 2}, {WM_XBUTTONUP, 2},
                 {WM_XBUTTONDOWN, 1}, {WM_XBUTTONUP, 1}, {'Q', kDown}, {'Q', kDown}, {'Q', kDown}, {'Q', kUp}});
        EXPECT_EQ(ActionRows(h), (std::vector<std::wstring>{L"Left Button|Press|1", L"Left Button|Release|1",
                                                            L"Back Button|Press|1", L"Back Button|Release|1",
                                                            L"Forward Button|Press|1", L"Forward Button|Release|1",
                                                            L"Q|Press|1", L"Q|Release|1"}));
        StopRecording(h);
        Close(h);
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]),
              (std::vector<std::string>{Action(241, 1, 1), Action(241, 2, 1), Action(244, 1, 1), Action(244, 2, 1),
                                        Action(245, 1, 1), Action(245, 2, 1), Action(0x14, 1, 1), Action(0x14, 2, 1)}));
}

TEST_F(Gen2RecordingTest, RecordingStopsOnceTheEventTotalReaches190) {
    // 186 short actions and one move: 189 events.
    m_macros.push_back(KeyMacro(L"Nearly full", 186, 1));
    m_macros[0]->stActions[186] = Move(1, 1, 1);
    m_macros[0]->iActionNum = 187;
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_no_delay_btn"));
        StartRecording(h, 186);
        Post(h, {{'X', kDown}, {'X', kUp}});  // 190: the second event meets the limit and is dropped
        EXPECT_FALSE(Recording(h)) << "stopped by itself";
        EXPECT_TRUE(Hooks().AllOff());
        Post(h, {{'Y', kDown}});
        Close(h);
    });
    ASSERT_EQ(m_macros[0]->iActionNum, 188);
    EXPECT_EQ(ActionsOf(*m_macros[0]).back(), Action(0x1B, 1, 1));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

// Two events fill a macro two actions short of full after its first action: the recording stops
// by itself, and on the models whose stop ends the insertion the list then shows its last row
// chosen; on the others the last recorded action stays chosen.
TEST_F(Gen2RecordingTest, ARecordingThatFillsTheMacroEndsItsInsertionOnTheModelsThatSaySo) {
    struct Case {
        int iModel;
        bool bStopEndsInsertion;
        std::function<AfterRecording(int, MacroListEx&, gen2test::ModelFiles&)> run;
    };
    using Files = gen2test::ModelFiles;
    const Case cases[] = {
        {11, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_11_Macro>(n, m, f); }},
        {8, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_8_Macro>(n, m, f); }},
        {12, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_12_Macro>(n, m, f); }},
        {13, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_13_Macro>(n, m, f); }},
        {14, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_14_Macro>(n, m, f); }},
        {16, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_16_Macro>(n, m, f); }},
        {18, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_18_Macro>(n, m, f); }},
        {19, false, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_19_Macro>(n, m, f); }},
        {20, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_20_Macro>(n, m, f); }},
        {22, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_22_Macro>(n, m, f); }},
        {23, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_23_Macro>(n, m, f); }},
        {15, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_15_Macro>(n, m, f); }},
        {17, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_17_Macro>(n, m, f); }},
        {21, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_21_Macro>(n, m, f); }},
        {24, true, [&](int n, MacroListEx& m, Files& f) { return RecordAfterFirstAction<CMS_24_Macro>(n, m, f); }},
    };
    constexpr int kFull = kMacroActionMaxEx;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iModel);
        MacroListEx macros;
        macros.push_back(KeyMacro(L"Nearly full", kFull - 2, 1));
        Files files{c.iModel, L"full"};
        const AfterRecording after = c.run(c.iModel, macros, files);
        EXPECT_TRUE(after.bStopped) << "full: the recording stopped by itself";
        ASSERT_EQ(after.iStored, kFull);
        EXPECT_EQ(Action(macros[0]->stActions[1].byKey, macros[0]->stActions[1].byType, 0), Action(0x1B, 1, 0));
        EXPECT_EQ(Action(macros[0]->stActions[2].byKey, macros[0]->stActions[2].byType, 0), Action(0x1B, 2, 0));
        EXPECT_EQ(after.iChosenRow, c.bStopEndsInsertion ? kFull - 1 : 2);
        EXPECT_EQ(gen2test::ReadBytes(files.MacroData()), macrotest::FileOfRecords(macros));
    }
    // The first generation keeps the insertion as well: 46 actions fill its macro.
    for (int iModel : {10, 3}) {
        SCOPED_TRACE(iModel);
        MacroList macros;
        macros.push_back(gen1test::Macro(L"Nearly full", {}));
        for (int i = 0; i < kMacroActionMax - 2; ++i)
            macros[0]->stActions[i] = {static_cast<uint8_t>(4 + i / 2), static_cast<uint8_t>(i % 2 + 1), 10};
        macros[0]->iActionNum = kMacroActionMax - 2;
        gen1test::ModelFiles files{iModel, L"full"};
        const AfterRecording after = iModel == 10 ? RecordAfterFirstAction<CMS_10_Macro>(iModel, macros, files)
                                                  : RecordAfterFirstAction<CMS_3_Macro>(iModel, macros, files);
        EXPECT_TRUE(after.bStopped);
        ASSERT_EQ(after.iStored, kMacroActionMax);
        EXPECT_EQ(after.iChosenRow, 2);
    }
}

TEST_F(Gen2RecordingTest, ClosingWhileRecordingStoresTheRecordingAndSwitchesTheHooksOff) {
    m_macros.push_back(Macro(L"Closed", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_record_delay_btn"));
        StartRecording(h);
        Post(h, {{'K', kDown, 10}, {'K', kUp, 20}});
        Close(h);
    });
    EXPECT_TRUE(Hooks().AllOff());
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x0E, 1, 20), Action(0x0E, 2, 1)}));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

TEST_F(Gen2RecordingTest, ARecordingTheMouseCannotHoldIsDroppedWithAMessageAlsoWhenTheEditorCloses) {
    // The block-limit fixture without its last move fits four blocks; keys recorded after it
    // make a fifth.
    const std::vector<MacroActionEx> five = gen2test::FiveBlockActions();
    auto pBlocks = Macro(L"Blocks", {});
    std::copy(five.begin(), five.end() - 1, pBlocks->stActions);
    pBlocks->iActionNum = static_cast<int>(five.size()) - 1;
    std::vector<MacroActionEx> longer(five.begin(), five.end() - 1);
    for (int i = 0; i < 4; ++i) longer.push_back(Key(0x2C, static_cast<uint8_t>(i % 2 + 1), 1));
    ASSERT_FALSE(MacroFitsFrame(longer.data(), static_cast<int>(longer.size())));
    ASSERT_LE(MacroEventTotal(longer.data(), static_cast<int>(longer.size())), 191);
    for (const bool bByButton : {true, false}) {
        SCOPED_TRACE(bByButton ? "stopped with the button" : "the editor closed while recording");
        m_macros.clear();
        m_boxes.clear();
        m_macros.push_back(Macro(L"Blocks", {}));
        *m_macros[0] = *pBlocks;
        m_files.PutMacroData(MacroFileOf());
        const std::vector<uint8_t> before = DiskFile();
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"ms_11_no_delay_btn"));
            StartRecording(h, m_macros[0]->iActionNum - 1);
            Post(h, {{VK_SPACE, kDown}, {VK_SPACE, kUp}, {VK_SPACE, kDown, 1}, {VK_SPACE, kUp}});
            if (bByButton) {
                StopRecording(h);
                EXPECT_EQ(ActionRows(h).size(), five.size() - 1) << "the list shows the macro as stored";
            }
            Close(h);
        });
        EXPECT_EQ(m_boxes, (std::vector<std::wstring>{L"macro_too_long_text"}));
        EXPECT_TRUE(Hooks().AllOff());
        EXPECT_EQ(m_macros[0]->iActionNum, static_cast<int>(five.size()) - 1);
        EXPECT_EQ(DiskFile(), before);
    }
}

// However a recording ends (its button, another macro chosen, its macro deleted), it is stored in
// the macro it was made in and the hooks go off; a hook event still on its way after the end
// records nothing, in that macro or the one shown then.
TEST_F(Gen2RecordingTest, ARecordingEndsWithItsMacroAndNothingAfterItsEndIsRecorded) {
    struct Case {
        const char* what;
        std::function<void(HWND)> end;
        std::vector<std::wstring> rowsAfter;  // the action list once the recording ended
        bool bRecordedKept;                   // the macro recorded into is still there
    } cases[] = {
        {"stopped with its button", [](HWND h) { StopRecording(h); }, {L"Z|Press|1", L"Z|Release|1"}, true},
        {"another macro chosen", [](HWND h) { ASSERT_TRUE(ClickRow(h, kMacroList, 1)); },
         {L"B|Press|10", L"B|Release|10"}, true},
        {"its macro deleted", [](HWND h) { ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_delete_btn")); },
         {L"B|Press|10", L"B|Release|10"}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        m_macros.push_back(Macro(L"Recorded", {}));
        m_macros.push_back(Macro(L"Other", {Key(0x05, 1, 10), Key(0x05, 2, 10)}));
        const MacroRecordEx other = *m_macros[1];
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"ms_11_no_delay_btn"));
            StartRecording(h);
            Post(h, {{'Z', kDown}, {'Z', kUp}});
            c.end(h);
            EXPECT_FALSE(Recording(h));
            EXPECT_TRUE(Hooks().AllOff());
            EXPECT_EQ(ActionRows(h), c.rowsAfter);
            Post(h, {{'Q', kDown}});  // already posted when the recording ended
            EXPECT_EQ(ActionRows(h), c.rowsAfter) << "nothing recorded after the end";
            Close(h);
        });
        ASSERT_EQ(m_macros.size(), c.bRecordedKept ? 2u : 1u);
        if (c.bRecordedKept)
            EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x1D, 1, 1), Action(0x1D, 2, 1)}));
        EXPECT_EQ(ActionsOf(*m_macros.back()), ActionsOf(other)) << "the other macro is untouched";
        EXPECT_EQ(DiskFile(), MacroFileOf());
    }
}

TEST_F(Gen2RecordingTest, TheActionEditCapturesKeysForKeyActionsOnly) {
    m_macros.push_back(Macro(L"Capture", {Key(0x04, 1, 10), Move(5, 5, 10), Key(kMouseLeftButton, 1, 10)}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        OpenEditPane(h, 0);
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_action_edit"));  // takes the focus: capture starts
        EXPECT_TRUE(Hooks().bKeyboardInstalled && Hooks().bKeyboardOn);
        Post(h, {{'G', kDown}, {'H', kUp}});  // press and release alike: the last one counts
        EXPECT_EQ(Control(h, L"ms_11_macro_action_edit")->GetText(), L"H");
        EXPECT_EQ(ActionRows(h)[0], L"H|Press|10");
        // The move and the mouse button keep their keys, whatever the hook still sends.
        static_cast<CListUI*>(Control(h, kActionList))->SelectItem(1);
        Post(h, {{'J', kDown}});
        static_cast<CListUI*>(Control(h, kActionList))->SelectItem(2);
        Post(h, {{'L', kDown}});
        Close(h);
    });
    EXPECT_TRUE(Hooks().AllOff());
    EXPECT_EQ(ActionsOf(*m_macros[0]),
              (std::vector<std::string>{Action(0x0B, 1, 10), MoveAction(5, 5, 10), Action(241, 1, 10)}));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

// The real Hook.dll and keys made by SendInput: the way a person's keyboard takes.
TEST_F(Gen2RecordingTest, TypedKeysThroughHookDllBecomeTheMacro) {
    kit::HookDll hookDll;
    ASSERT_TRUE(hookDll.IsLoaded());
    m_macros.push_back(Macro(L"Real", {Move(-3, 9, 10)}));
    CMS_11_Macro editor;
    editor.m_pMacros = &m_macros;
    editor.m_pStorage = &m_files.storage;
    editor.m_pHookTable = &hookDll.Table();
    uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
        const HWND h = wnd.GetHWND();
        ASSERT_TRUE(uikit::Click(h, L"ms_11_no_delay_btn"));
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));  // the move is chosen: the keys go after it
        ASSERT_TRUE(uikit::Click(h, kRecordButton));
        kit::SendKey('C', true);
        kit::SendKey('C', false);
        uikit::PumpUntil([&] { return ActionRows(h).size() == 3; });
        ASSERT_TRUE(uikit::Click(h, kRecordButton));
        kit::SendKey('D', true);  // after the recording: not recorded
        kit::SendKey('D', false);
        uikit::PumpUntilIdle(300);
        uikit::Click(h, L"btn_exit");
    });
    editor.Run(m_owner);
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{MoveAction(-3, 9, 10), Action(0x06, 1, 1), Action(0x06, 2, 1)}));
    EXPECT_EQ(DiskFile(), MacroFileOf());
}

}  // namespace
