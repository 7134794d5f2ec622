// The fixture of the macro dialogs' tests: MS_10's data folder in a scratch folder, a stand-in
// for Hook.dll that keeps the hooks' state, a recording clock the test moves, answers to the
// file dialogs and the message boxes, and the editor run modally over the page's macro list.
#pragma once

#include "tests/dialogs/dialog_test_support.h"
#include "tests/gen1/gen1_storage_fixture.h"
#include "models/dialogs/macro_recording.h"
#include "models/ms_1/ms_1_dialogs.h"
#include "models/ms_10/ms_10_dialogs.h"
#include "models/ms_2/ms_2_dialogs.h"
#include "models/ms_3/ms_3_dialogs.h"
#include "models/ms_4/ms_4_dialogs.h"
#include "models/ms_5/ms_5_dialogs.h"
#include "models/ms_6/ms_6_dialogs.h"
#include "models/ms_7/ms_7_dialogs.h"
#include "models/ms_9/ms_9_dialogs.h"

#include "core/dialogs/file_dialog.h"
#include "core/dialogs/msg_wnd.h"

#include <functional>
#include <set>
#include <string>
#include <vector>

namespace macrotest {

// Hook.dll as the editor sees it: what is installed and switched on, and every call in order.
struct HookState {
    HWND hTarget = nullptr;
    bool bKeyboardInstalled = false;
    bool bMouseInstalled = false;
    bool bKeyboardOn = false;
    bool bMouseOn = false;
    bool bWheelOn = false;
    std::vector<std::string> calls;

    bool AllOff() const { return !bKeyboardInstalled && !bMouseInstalled && !bKeyboardOn && !bMouseOn && !bWheelOn; }
};
HookState& Hooks();
const HookTable& SpyHookTable();

// MS_10's editor's lists.
inline const std::wstring kMacroList = L"ms_10_macro_list";
inline const std::wstring kActionList = L"ms_10_macro_action_list";

// The window class a dialog was created with.
std::wstring WindowClassOf(HWND hWnd);

// The recording clock, moved by the test.
extern DWORD g_dwFakeNow;

// One hook event as Hook.dll posts it: a virtual key with 0 (press) or 1 (release), or a mouse
// button's message.
struct HookEvent {
    WPARAM wParam;
    LPARAM lParam;
    DWORD dwAfterMs = 0;  // how far the clock moves before the event
};
constexpr LPARAM kDown = 0;
constexpr LPARAM kUp = 1;
// Shift+A typed: Shift down, A down, A up, Shift up, with these pauses before each.
std::vector<HookEvent> ShiftA(DWORD dwA, DWORD dwAUp, DWORD dwShiftUp);
// Posts each event to the window (the clock moved first) and lets the window take it.
void Post(HWND hWnd, const std::vector<HookEvent>& events);

// A list of records as macro.data must hold them: each record's bytes in list order.
template <class Macros>
std::vector<uint8_t> FileOfRecords(const Macros& macros) {
    std::vector<uint8_t> bytes;
    for (const auto& pMacro : macros) {
        const std::vector<uint8_t> record = testkit::BytesOf(*pMacro);
        bytes.insert(bytes.end(), record.begin(), record.end());
    }
    return bytes;
}

// Every text id has a text, not empty, in each of the three languages' files.
void ExpectEveryLanguageHas(const std::set<std::wstring>& ids);

// The record button of the editor whose controls carry this prefix: its state, and a recording
// started on macro 0 (after action iAction when not -1) and stopped as a person does.
bool IsRecording(HWND hWnd, const std::wstring& strPrefix);
void StartRecordingOn(HWND hWnd, const std::wstring& strPrefix, int iAction = -1);
void StopRecordingOn(HWND hWnd, const std::wstring& strPrefix);

// A row of the action list as a person reads it: "key|action|delay".
std::vector<std::wstring> ActionRows(HWND hWnd, const std::wstring& strPrefix = L"ms_10_");
std::vector<std::wstring> MacroRows(HWND hWnd, const std::wstring& strPrefix = L"ms_10_");
// The actions of a record, as "usage/type/delay" (usage in hex).
std::vector<std::string> ActionsOf(const MacroRecord& macro);
std::string Action(uint8_t byKey, uint8_t byType, uint16_t wDelay);

DuiLib::CControlUI* Control(HWND hWnd, const std::wstring& strName);
// Clicks row i of a list (the macro list, the action list), as a person picks it.
bool ClickRow(HWND hWnd, const std::wstring& strList, int i);
// The selected row of a list, -1 none.
int SelectedRow(HWND hWnd, const std::wstring& strList);
// Types text into an edit and then clicks a control that takes no focus (the editor's title),
// as a person leaves a field.
void TypeAndLeave(HWND hWnd, const std::wstring& strEdit, const std::wstring& strText,
                  const wchar_t* pszElsewhere = L"macro_title");

// What the dialog tests of every generation share: the hook spy and the clock reset, the file
// dialogs and message boxes answered, an editor run modally over a macro list and its storage.
class MacroDialogTestBase : public dlgtest::DialogTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // Runs an editor over macros and storage; scenario runs once its loop starts. Message boxes
    // are answered from m_boxAnswers (1 OK, 0 cancel; OK when none is left) and their message ids
    // collected in m_boxes. Returns what the modal loop returned.
    template <class Editor, class Macros, class Storage>
    UINT RunEditorOver(Macros& macros, Storage& storage, const std::function<void(HWND)>& scenario) {
        Editor editor;
        editor.m_pMacros = &macros;
        editor.m_pStorage = &storage;
        editor.m_pHookTable = &SpyHookTable();
        uikit::ModalAnswer modal([&](DuiLib::CWindowWnd& wnd) { Answer(wnd, scenario); });
        const UINT uResult = editor.Run(m_owner);
        m_missing = editor.MissingControls();
        return uResult;
    }

    // Answers the next file dialog with this path ("" cancels); the requests are kept.
    void AnswerFileDialog(const std::wstring& strPath) { m_filePaths.push_back(strPath); }

    void Answer(DuiLib::CWindowWnd& wnd, const std::function<void(HWND)>& scenario);

    std::vector<int> m_boxAnswers;
    std::vector<std::wstring> m_boxes;
    std::vector<std::wstring> m_filePaths;
    std::vector<FileDialogRequest> m_fileRequests;
    std::vector<std::wstring> m_missing;

private:
    FileDialogHandler m_previousHandler;
    RecordClockFn m_pfnPreviousClock = nullptr;
};

class MacroDialogTest : public MacroDialogTestBase {
protected:
    // Runs MS_10's editor (or Editor) over m_macros.
    template <class Editor = CMS_10_Macro>
    UINT RunEditor(const std::function<void(HWND)>& scenario, gen1test::ModelFiles* pFiles = nullptr) {
        return RunEditorOver<Editor>(m_macros, pFiles != nullptr ? pFiles->storage : m_files.storage, scenario);
    }

    // m_macros as macro.data must hold them.
    std::vector<uint8_t> MacroFileOf() const { return FileOfRecords(m_macros); }

    gen1test::ModelFiles m_files{10, L"macro_dialogs"};
    MacroList m_macros;
};

}  // namespace macrotest
