// Recording macros in MS_10's editor: hook events posted in the order a person types them (the
// clock moved by the test), where they land, their delays in the three delay modes, the
// auto-repeat filter, the limits, the key capture of the action edit, closing while recording,
// and one recording through the real Hook.dll with keys made by SendInput.
#include "tests/kit/hook_dll.h"
#include "tests/gen1/macro_dialog_fixture.h"

#include <gtest/gtest.h>

using namespace DuiLib;
using namespace macrotest;
using gen1test::Macro;
using gen1test::ReadBytes;

namespace {

const wchar_t kRecordButton[] = L"ms_10_macro_record_btn";

bool Recording(HWND hWnd) { return IsRecording(hWnd, L"ms_10_"); }

class MacroRecordingTest : public MacroDialogTest {
protected:
    // Picks macro 0, and action iAction when not -1, then starts recording with the button.
    static void StartRecording(HWND h, int iAction = -1) { StartRecordingOn(h, L"ms_10_", iAction); }
    static void StopRecording(HWND h) { StopRecordingOn(h, L"ms_10_"); }
};

TEST_F(MacroRecordingTest, KeysTypedAreRecordedInOrderWithTheirPauses) {
    m_macros.push_back(Macro(L"Typed", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_10_record_delay_btn"));
        StartRecording(h);
        EXPECT_EQ(Hooks().hTarget, h) << "the hook reports to the editor";
        EXPECT_TRUE(Hooks().bKeyboardInstalled && Hooks().bKeyboardOn);
        EXPECT_FALSE(Hooks().bMouseOn) << "the pointer is still on the record button";
        EXPECT_FALSE(Hooks().bWheelOn);
        EXPECT_EQ(Control(h, kRecordButton)->GetText(), L"Stop recording");
        Post(h, ShiftA(120, 90, 2000));
        EXPECT_EQ(ActionRows(h), (std::vector<std::wstring>{L"Left Shift|Press|120", L"A|Press|90",
                                                           L"A|Release|2000", L"Left Shift|Release|10"}));
        EXPECT_EQ(SelectedRow(h, kActionList), 3) << "the newest action is chosen";
        EXPECT_TRUE(m_macros[0]->iActionNum == 0) << "stored when the recording stops";
        StopRecording(h);
        EXPECT_TRUE(Hooks().AllOff());
        EXPECT_EQ(Control(h, kRecordButton)->GetText(), L"Start recording");
        uikit::Click(h, L"btn_exit");
    });
    // The time up to the first event belongs to no action; 2000 ms counts as two events.
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0xE1, 1, 120), Action(0x04, 1, 90),
                                                                 Action(0x04, 2, 2000), Action(0xE1, 2, 10)}));
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

TEST_F(MacroRecordingTest, DelaysByDelayMode) {
    struct Case {
        const char* what;
        const wchar_t* pszModeButton;
        const wchar_t* pszDefaultDelay;
        std::vector<uint16_t> delays;  // of the four actions of Shift+A typed with 100, 2000, 70000 ms pauses
    } cases[] = {
        {"recorded delays, the longest saturated", L"ms_10_record_delay_btn", L"10", {100, 2000, 65535, 10}},
        {"the default delay", L"ms_10_default_delay_btn", L"250", {250, 250, 250, 10}},
        {"a default delay below 10 is 10", L"ms_10_default_delay_btn", L"4", {10, 10, 10, 10}},
        {"no delay", L"ms_10_no_delay_btn", L"250", {10, 10, 10, 10}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        m_macros.push_back(Macro(L"Modes", {}));
        RunEditor([&](HWND h) {
            TypeAndLeave(h, L"ms_10_default_delay_edit", c.pszDefaultDelay);
            ASSERT_TRUE(uikit::Click(h, c.pszModeButton));
            StartRecording(h);
            Post(h, ShiftA(100, 2000, 70000));
            StopRecording(h);
            uikit::Click(h, L"btn_exit");
        });
        ASSERT_EQ(m_macros[0]->iActionNum, 4);
        for (int i = 0; i < 4; ++i) EXPECT_EQ(m_macros[0]->stActions[i].wDelay, c.delays[i]) << i;
    }
}

TEST_F(MacroRecordingTest, WhereARecordingGoes) {
    struct Case {
        const char* what;
        int iActions;  // A down/up, B down/up, ... each with 500 ms
        int iSelect;   // the chosen action, -1 none
        std::vector<std::string> expected;
    } cases[] = {
        {"an empty macro takes the recording", 0, -1, {Action(0x1D, 1, 40), Action(0x1D, 2, 10)}},
        {"after the chosen action; actions already there keep their delays", 4, 1,
         {Action(0x04, 1, 500), Action(0x04, 2, 500), Action(0x1D, 1, 40), Action(0x1D, 2, 10), Action(0x05, 1, 500),
          Action(0x05, 2, 500)}},
        {"after the last action", 2, 1, {Action(0x04, 1, 500), Action(0x04, 2, 500), Action(0x1D, 1, 40), Action(0x1D, 2, 10)}},
        {"after the first", 2, 0, {Action(0x04, 1, 500), Action(0x1D, 1, 40), Action(0x1D, 2, 10), Action(0x04, 2, 500)}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        m_macros.clear();
        auto pMacro = Macro(L"Target", {});
        for (int i = 0; i < c.iActions; ++i)
            pMacro->stActions[pMacro->iActionNum++] = {static_cast<uint8_t>(0x04 + i / 2), static_cast<uint8_t>(i % 2 + 1), 500};
        m_macros.push_back(std::move(pMacro));
        RunEditor([&](HWND h) {
            ASSERT_TRUE(uikit::Click(h, L"ms_10_record_delay_btn"));
            StartRecording(h, c.iSelect);
            Post(h, {{'Z', kDown, 3000}, {'Z', kUp, 40}});
            StopRecording(h);
            uikit::Click(h, L"btn_exit");
        });
        EXPECT_EQ(ActionsOf(*m_macros[0]), c.expected);
    }
}

TEST_F(MacroRecordingTest, AnInsertionPointBelongsToItsMacro) {
    m_macros.push_back(Macro(L"First", {{0x04, 1, 10}, {0x04, 2, 10}, {0x05, 1, 10}, {0x05, 2, 10}}));
    auto pSecond = Macro(L"Second", {});
    for (int i = 0; i < 6; ++i) pSecond->stActions[pSecond->iActionNum++] = {0x06, static_cast<uint8_t>(i % 2 + 1), 10};
    m_macros.push_back(std::move(pSecond));
    RunEditor([&](HWND h) {
        StartRecording(h, 1);  // into the first macro, after its second action
        Post(h, {{'Z', kDown, 10}, {'Z', kUp, 10}});
        StopRecording(h);
        EXPECT_EQ(SelectedRow(h, kActionList), 3) << "the last action recorded";
        ASSERT_TRUE(ClickRow(h, kMacroList, 1));
        EXPECT_EQ(SelectedRow(h, kActionList), 5) << "another macro shows its last action";
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_cancel_btn"));
        EXPECT_EQ(SelectedRow(h, kActionList), 5);
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(m_macros[0]->iActionNum, 6);
    EXPECT_EQ(m_macros[1]->iActionNum, 6);
}

TEST_F(MacroRecordingTest, RecordingWithoutAMacroMakesOne) {
    m_macros.push_back(Macro(L"Existing", {{0x04, 1, 10}}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, kRecordButton));
        EXPECT_EQ(MacroRows(h), (std::vector<std::wstring>{L"Existing", L"Macro2"}));
        EXPECT_EQ(SelectedRow(h, kMacroList), 1);
        Post(h, {{'Q', kDown, 10}, {'Q', kUp, 10}});
        StopRecording(h);
        uikit::Click(h, L"btn_exit");
    });
    ASSERT_EQ(m_macros.size(), 2u);
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x04, 1, 10)}));
    EXPECT_EQ(ActionsOf(*m_macros[1]).size(), 2u);
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

TEST_F(MacroRecordingTest, AHeldKeyIsOnePressAndOneRelease) {
    m_macros.push_back(Macro(L"Held", {}));
    RunEditor([&](HWND h) {
        StartRecording(h);
        // A held key repeats its press until it is released.
        Post(h, {{'W', kDown, 0}, {'W', kDown, 30}, {'W', kDown, 30}, {'W', kDown, 30}, {'W', kUp, 30}});
        StopRecording(h);
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x1A, 1, 10), Action(0x1A, 2, 10)}));

    // The last event is remembered across recordings: a new recording starting with the same
    // event drops it.
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_clear_action_btn"));
        ASSERT_TRUE(uikit::Click(h, kRecordButton));
        Post(h, {{'W', kUp, 0}, {'E', kDown, 10}, {'E', kUp, 10}});
        StopRecording(h);
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x08, 1, 10), Action(0x08, 2, 10)}));
}

// MS_7 and MS_9 share one editor design but not their macros, while the last event a recording
// took is one for the whole program: a recording in MS_9's editor drops a first event that
// repeats the last one MS_7's editor took, and a macro imported there joins MS_9's list alone.
TEST_F(MacroRecordingTest, TheLastEventIsTheProgramsButEachModelKeepsItsOwnMacros) {
    gen1test::ModelFiles files7(7, L"recording_apart"), files9(9, L"recording_apart");
    MacroList macros7, macros9;
    macros7.push_back(Macro(L"Seven", {}));
    macros9.push_back(Macro(L"Nine", {}));
    RunEditorOver<CMS_7_Macro>(macros7, files7.storage, [&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_7_record_delay_btn"));
        StartRecordingOn(h, L"ms_7_");
        Post(h, {{'Q', kDown, 0}, {'Q', kUp, 20}});
        StopRecordingOn(h, L"ms_7_");
        uikit::Click(h, L"btn_exit");
    });
    ASSERT_EQ(ActionsOf(*macros7[0]), (std::vector<std::string>{Action(0x14, 1, 20), Action(0x14, 2, 10)}));
    const std::vector<uint8_t> file7 = ReadBytes(files7.MacroData());
    ASSERT_EQ(file7, FileOfRecords(macros7));

    const std::wstring strImported = files9.scratch / L"seven.macro";
    ASSERT_TRUE(gen1test::WriteBytes(strImported, gen1test::BytesOf(*macros7[0])));
    AnswerFileDialog(strImported);
    RunEditorOver<CMS_9_Macro>(macros9, files9.storage, [&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_9_record_delay_btn"));
        StartRecordingOn(h, L"ms_9_");
        Post(h, {{'Q', kUp, 0}, {'E', kDown, 30}, {'E', kUp, 40}});
        StopRecordingOn(h, L"ms_9_");
        ASSERT_TRUE(uikit::Click(h, L"ms_9_macro_import_btn"));
        EXPECT_EQ(MacroRows(h, L"ms_9_"), (std::vector<std::wstring>{L"Nine", L"Seven"}));
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(ActionsOf(*macros9[0]), (std::vector<std::string>{Action(0x08, 1, 40), Action(0x08, 2, 10)}))
        << "the repeated release is dropped, and the wait before the first event belongs to no action";
    ASSERT_EQ(macros9.size(), 2u);
    EXPECT_EQ(ActionsOf(*macros9[1]), ActionsOf(*macros7[0]));
    EXPECT_EQ(ReadBytes(files9.MacroData()), FileOfRecords(macros9));
    EXPECT_EQ(macros7.size(), 1u);
    EXPECT_EQ(ReadBytes(files7.MacroData()), file7) << "MS_7's macro.data is untouched";
}

TEST_F(MacroRecordingTest, MouseButtonsAreRecordedOnlyAwayFromTheRecordButton) {
    m_macros.push_back(Macro(L"Mouse", {}));
    RunEditor([&](HWND h) {
        StartRecording(h);
        EXPECT_FALSE(Hooks().bMouseOn);
        ASSERT_TRUE(uikit::HoverOver(Control(h, L"macro_title")));  // the pointer leaves the button
        EXPECT_TRUE(Hooks().bMouseOn);
        Post(h, {{WM_LBUTTONDOWN, 0, 10}, {WM_LBUTTONUP, 0, 10}, {WM_RBUTTONDOWN, 0, 10}, {WM_RBUTTONUP, 0, 10},
                 {WM_MBUTTONDOWN, 0, 10}, {WM_MBUTTONUP, 0, 10}, {WM_XBUTTONDOWN, 2, 10}, {WM_XBUTTONUP, 2, 10},
                 {WM_XBUTTONDOWN, 1, 10}, {WM_XBUTTONUP, 1, 10}, {VK_VOLUME_UP, kDown, 10}});
        ASSERT_TRUE(uikit::HoverOver(Control(h, kRecordButton)));  // back over it, about to stop
        EXPECT_FALSE(Hooks().bMouseOn);
        StopRecording(h);
        uikit::Click(h, L"btn_exit");
    });
    // Side button 2 is the back button (244), 1 the forward button (245); a key without a usage
    // records nothing.
    EXPECT_EQ(ActionsOf(*m_macros[0]),
              (std::vector<std::string>{Action(241, 1, 10), Action(241, 2, 10), Action(242, 1, 10), Action(242, 2, 10),
                                        Action(243, 1, 10), Action(243, 2, 10), Action(244, 1, 10), Action(244, 2, 10),
                                        Action(245, 1, 10), Action(245, 2, 10)}));
}

TEST_F(MacroRecordingTest, RecordingStopsAtTheMacrosLimits) {
    // 46 actions: the recording stops with the 46th.
    m_macros.push_back(Macro(L"Full", {}));
    RunEditor([&](HWND h) {
        StartRecording(h);
        std::vector<HookEvent> events;
        for (int i = 0; i < 24; ++i) {
            events.push_back({static_cast<WPARAM>('A' + i), kDown, 10});
            events.push_back({static_cast<WPARAM>('A' + i), kUp, 10});
        }
        Post(h, events);
        EXPECT_FALSE(Recording(h));
        EXPECT_TRUE(Hooks().AllOff());
        EXPECT_EQ(ActionRows(h).size(), 46u);
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(m_macros[0]->iActionNum, 46);
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());

    // Long pauses count twice: an event arriving with 46 events counted stops the recording and
    // is dropped, so a stored recording never counts more than 47.
    m_macros.clear();
    m_macros.push_back(Macro(L"Slow", {}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(uikit::Click(h, L"ms_10_record_delay_btn"));
        StartRecording(h);
        std::vector<HookEvent> events;
        for (int i = 0; i < 30; ++i) events.push_back({static_cast<WPARAM>('A' + i % 26), static_cast<LPARAM>(i % 2), 1500});
        Post(h, events);
        EXPECT_FALSE(Recording(h));
        uikit::Click(h, L"btn_exit");
    });
    // Each event after the first adds two: its own and its predecessor's split delay. With 23
    // events (45 counted) the 24th still goes in (47); the 25th arrives at 47 and ends it.
    EXPECT_EQ(m_macros[0]->iActionNum, 24);
    int iEvents = 0;
    for (int i = 0; i < m_macros[0]->iActionNum; ++i) iEvents += m_macros[0]->stActions[i].wDelay > 1270 ? 2 : 1;
    EXPECT_EQ(iEvents, 47);
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

TEST_F(MacroRecordingTest, TheActionEditCapturesTheNextKeyWhileItHasTheFocus) {
    m_macros.push_back(Macro(L"Capture", {{0x04, 1, 30}, {0x04, 2, 30}}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(ClickRow(h, kActionList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_action_edit_check"));
        EXPECT_EQ(Control(h, L"ms_10_macro_action_edit")->GetText(), L"A");
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_action_edit"));
        EXPECT_EQ(Hooks().calls, (std::vector<std::string>{"installhook", "enablehook 1"}));
        Post(h, {{VK_F5, kDown}, {VK_F5, kUp}});
        EXPECT_EQ(Control(h, L"ms_10_macro_action_edit")->GetText(), L"F5");
        EXPECT_EQ(ActionRows(h)[0], L"F5|Press|30");
        EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
        ASSERT_TRUE(uikit::Click(h, L"macro_title"));  // the focus leaves
        EXPECT_FALSE(Hooks().bKeyboardInstalled || Hooks().bKeyboardOn);
        Post(h, {{'X', kDown}});  // queued before the hook went: not for the edit
        EXPECT_EQ(ActionRows(h)[0], L"F5|Press|30");
        uikit::Click(h, L"btn_exit");
    });
    EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x3E, 1, 30), Action(0x04, 2, 30)}));
}

TEST_F(MacroRecordingTest, ClosingWhileRecordingStopsItStoresItAndSwitchesTheHooksOff) {
    for (const dlgtest::WayToClose& way : dlgtest::WaysToClose(L"btn_exit", {})) {
        SCOPED_TRACE(way.sWhat);
        m_macros.clear();
        m_macros.push_back(Macro(L"Open", {}));
        Hooks() = HookState{};
        const UINT uResult = RunEditor([&](HWND h) {
            StartRecording(h);
            ASSERT_TRUE(uikit::HoverOver(Control(h, L"macro_title")));
            Post(h, {{'K', kDown, 10}, {'K', kUp, 10}});
            way.close(h);
        });
        EXPECT_EQ(uResult, 0u) << "the editor hands back no choice";
        EXPECT_TRUE(Hooks().AllOff());
        EXPECT_EQ(g_dwRecordTick, 0u);
        EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(0x0E, 1, 10), Action(0x0E, 2, 10)}));
        EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
    }
}

TEST_F(MacroRecordingTest, ClosingWhileTheActionEditCapturesSwitchesTheHookOff) {
    m_macros.push_back(Macro(L"Capture", {{0x04, 1, 30}, {0x04, 2, 30}}));
    RunEditor([&](HWND h) {
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(ClickRow(h, kActionList, 0));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_action_edit_check"));
        ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_action_edit"));
        ASSERT_TRUE(Hooks().bKeyboardOn);
        uikit::PressKey(h, VK_ESCAPE);
    });
    EXPECT_TRUE(Hooks().AllOff());
}

TEST_F(MacroRecordingTest, WithoutHookDllTheEditorStillWorks) {
    const HookTable noHooks{};
    for (const HookTable* pHooks : {&noHooks, static_cast<const HookTable*>(nullptr)}) {
        m_macros.clear();
        m_macros.push_back(Macro(L"Plain", {}));
        CMS_10_Macro editor;
        editor.m_pMacros = &m_macros;
        editor.m_pStorage = &m_files.storage;
        editor.m_pHookTable = pHooks;
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            const HWND h = wnd.GetHWND();
            StartRecording(h);
            StopRecording(h);
            ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_insert_mouse_btn"));
            ASSERT_TRUE(uikit::Click(h, L"ms_10_macro_key3_btn"));
            uikit::Click(h, L"btn_exit");
        });
        editor.Run(m_owner);
        EXPECT_EQ(ActionsOf(*m_macros[0]), (std::vector<std::string>{Action(243, 1, 10), Action(243, 2, 10)}));
    }
}

// The real Hook.dll and keys made by SendInput: the way a person's keyboard takes.
class MacroRecordingWithHookDllTest : public MacroRecordingTest {
protected:
    void SetUp() override {
        MacroRecordingTest::SetUp();
        ASSERT_TRUE(m_hookDll.IsLoaded());
    }

    kit::HookDll m_hookDll;
};

TEST_F(MacroRecordingWithHookDllTest, TypedKeysBecomeTheMacro) {
    m_macros.push_back(Macro(L"Real", {}));
    Gen1Storage& storage = m_files.storage;
    CMS_10_Macro editor;
    editor.m_pMacros = &m_macros;
    editor.m_pStorage = &storage;
    editor.m_pHookTable = &m_hookDll.Table();
    std::vector<std::wstring> rows;
    uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
        const HWND h = wnd.GetHWND();
        ASSERT_TRUE(ClickRow(h, kMacroList, 0));
        ASSERT_TRUE(uikit::Click(h, kRecordButton));
        kit::SendKey(VK_LCONTROL, true);
        kit::SendKey('C', true);
        kit::SendKey('C', false);
        kit::SendKey(VK_LCONTROL, false);
        uikit::PumpUntil([&] { return ActionRows(h).size() == 4; });
        rows = ActionRows(h);
        ASSERT_TRUE(uikit::Click(h, kRecordButton));
        kit::SendKey('D', true);  // after the recording: not recorded
        kit::SendKey('D', false);
        uikit::PumpUntilIdle(300);
        uikit::Click(h, L"btn_exit");
    });
    editor.Run(m_owner);
    EXPECT_EQ(rows, (std::vector<std::wstring>{L"Left Ctrl|Press|10", L"C|Press|10", L"C|Release|10", L"Left Ctrl|Release|10"}));
    ASSERT_EQ(m_macros[0]->iActionNum, 4);
    EXPECT_EQ(m_macros[0]->stActions[0].byKey, 0xE0);
    EXPECT_EQ(m_macros[0]->stActions[1].byKey, 0x06);
    EXPECT_EQ(m_macros[0]->stActions[3].byType, kActionRelease);
    EXPECT_EQ(ReadBytes(m_files.MacroData()), MacroFileOf());
}

}  // namespace
