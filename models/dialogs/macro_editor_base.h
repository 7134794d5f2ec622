// What every model's macro editor has whatever its generation's macro record: the window (class,
// skin and control prefix from the model number), its controls, the state members that hold no
// record, the Hook.dll calls, the delay edits and modes, and the file dialogs. The generation's
// editor (macro_editor.h) adds the record, its working copy and the behaviour.
//
// Where the hook messages go: while recording (m_bHookRecord) to the recording, while the action
// edit has the focus (m_bKeyCapture) to the key capture, otherwise nowhere. However the window
// closes, a recording is stopped and stored and every hook is switched off.
#pragma once

#include <windows.h>

#include "models/dialogs/control_binder.h"
#include "plugins/include/hook_api.h"
#include "models/dialogs/model_dialog.h"
#include "ui/ui.h"

#include "models/data/record_types.h"

#include <cstdint>
#include <string>
#include <vector>

class CMacroEditorBase : public CModelDialog {
public:
    ~CMacroEditorBase() override = default;

    // The page's calling sequence: the window owned by hOwner (the main window), named after
    // its window class, centred and modal. The result is not a choice: every close gives 0.
    UINT Run(HWND hOwner);

    // The mouse-action combo's items and the click buttons 1..5, in order: left, right, middle,
    // forward (245), back (244). Every generation uses these codes.
    static constexpr uint8_t kMouseButtonCodes[5] = {kMouseLeftButton, kMouseRightButton, kMouseMiddleButton,
                                                     kMouseForwardButton, kMouseBackButton};
    static bool IsMouseButton(uint8_t byKey) { return byKey >= kMouseLeftButton && byKey <= kMouseForwardButton; }
    // The combo item of a button code, -1 for any other code.
    static int MouseItemOf(uint8_t byKey);

    // Set by the page before the window is created.
    const HookTable* m_pHookTable = nullptr;

protected:
    // Window class "MS_10_Macro", skin "MS/MS_10/ms_10_macropage.xml".
    explicit CMacroEditorBase(int iModel);

    // "ms_10_" + name.
    std::wstring Prefixed(const wchar_t* pszName) const { return m_strPrefix + pszName; }
    void BindControls();
    // The mouse-move controls, named alike in every model (editors whose actions can move).
    void BindMoveControls();

    // Hook.dll, skipping entries the table lacks.
    void InstallHooks();
    void SwitchHooksOff();  // remove both hooks, everything disabled
    void EnableKeyboardHook(bool bOn);
    void EnableMouseHook(bool bOn);
    void EnableWheel(bool bOn);
    void RemoveKeyboardHook();

    // The delay in an edit, saturated and clamped to [iMin, iMax] (no number counts as 0).
    static int ReadDelay(DuiLib::CControlUI* pEdit, int iMin, int iMax);
    // The signed number at the start of an edit's text ('-' then digits), saturated at a million
    // either way; 0 without one.
    static long long ReadSignedNumber(DuiLib::CControlUI* pEdit);
    static void ShowNumber(DuiLib::CControlUI* pControl, int iValue);
    // The default-delay edit clamped like the other delay edits; rewritten only when it changed.
    void NormaliseDefaultDelay(int iMin, int iMax);
    void SelectDelayModeOption();
    void ShowMouseEventTab(bool bShow);
    void ShowEditPage(int iPage);
    void SetRecordButton(bool bRecording);

    // The "Macro File" dialogs, starting in the data folder; empty when cancelled.
    std::wstring AskImportPath();
    std::wstring AskExportPath();

    std::wstring m_strPrefix;  // "ms_10_"
    bool m_bHooksUsed = false;  // some hook was installed since the window opened

    // Controls, bound by BindControls.
    DuiLib::CButtonUI* m_pBtnExit = nullptr;
    DuiLib::CListUI* m_pMacroList = nullptr;
    DuiLib::CRichEditUI* m_pNameEdit = nullptr;
    DuiLib::CButtonUI* m_pAddBtn = nullptr;
    DuiLib::CButtonUI* m_pDeleteBtn = nullptr;
    DuiLib::CCheckBoxUI* m_pInsertMouseBtn = nullptr;
    DuiLib::CCheckBoxUI* m_pRecordBtn = nullptr;
    DuiLib::CListUI* m_pActionList = nullptr;
    DuiLib::CButtonUI* m_pRecordDelayBtn = nullptr;
    DuiLib::CButtonUI* m_pDefaultDelayBtn = nullptr;
    DuiLib::CButtonUI* m_pNoDelayBtn = nullptr;
    DuiLib::CRichEditUI* m_pDefaultDelayEdit = nullptr;
    DuiLib::CButtonUI* m_pUpBtn = nullptr;
    DuiLib::CButtonUI* m_pDownBtn = nullptr;
    DuiLib::CButtonUI* m_pDeleteActionBtn = nullptr;
    DuiLib::CButtonUI* m_pClearActionBtn = nullptr;
    DuiLib::CCheckBoxUI* m_pActionEditCheck = nullptr;
    DuiLib::CRichEditUI* m_pActionEdit = nullptr;
    DuiLib::CRichEditUI* m_pDelayEdit = nullptr;
    DuiLib::CTabLayoutUI* m_pActionEditTab = nullptr;
    DuiLib::CComboUI* m_pMouseActionCombo = nullptr;
    DuiLib::CRichEditUI* m_pMouseActionDelayEdit = nullptr;
    DuiLib::CButtonUI* m_pImportBtn = nullptr;
    DuiLib::CButtonUI* m_pExportBtn = nullptr;
    DuiLib::CControlUI* m_pNameTab = nullptr;
    DuiLib::CControlUI* m_pMouseEventTab = nullptr;
    DuiLib::CButtonUI* m_pKeyBtn[5] = {};
    DuiLib::CControlUI* m_pSaveDataTab = nullptr;
    DuiLib::CControlUI* m_pExportOrImportTab = nullptr;
    DuiLib::CButtonUI* m_pSaveBtn = nullptr;
    DuiLib::CButtonUI* m_pCancelBtn = nullptr;
    // Mouse moves: the move to insert, and the selected move in the edit pane.
    DuiLib::CRichEditUI* m_pMoveXEdit = nullptr;
    DuiLib::CRichEditUI* m_pMoveYEdit = nullptr;
    DuiLib::CButtonUI* m_pMoveBtn = nullptr;
    DuiLib::CRichEditUI* m_pMoveEditXEdit = nullptr;
    DuiLib::CRichEditUI* m_pMoveEditYEdit = nullptr;
    DuiLib::CRichEditUI* m_pMoveDelayEdit = nullptr;

    // State that holds no record; the start values are the page's.
    int m_iCurMacro = -1;          // selected macro, -1 none
    int m_iActionNum = 0;          // actions in the working copy
    bool m_bRecording = false;
    bool m_bTiming = false;        // the recording clock runs: from the start and after every event
    bool m_bDelayPending = false;  // the newest recorded action waits for its delay
    int m_iInsertStart = -1;       // insert position the last recording began at, -1 when it appended
    bool m_bInsertMode = false;    // new actions go after the selected one
    uint16_t m_wDefaultDelay = 10; // the default delay, read when recording starts
    int m_iDelayMode = 1;          // 0 recorded delays, 1 the default delay, 2 no delay
    int m_iActionIndex = -1;       // selected action, -1 none
    int m_iNextActionIndex = -1;   // traced only
    bool m_bEditMode = false;      // the edit pane follows the selected action
    int m_iInsertIndex = -1;       // where the next action goes, -1 appends
    bool m_bReloading = false;     // the cancel button is reloading the stored macro
    bool m_bHookRecord = false;    // WM_HOOKKEY goes to the recording
    bool m_bKeyCapture = false;    // WM_HOOKKEY goes to the action edit

    // Images of the action rows' cells.
    DuiLib::CDuiString m_strMouseImage = L"res='skins/mouse.png' dest='2,2,28,28'";
    DuiLib::CDuiString m_strKeyImage = L"res='skins/keyboard_key_action.png' dest='5,6,35,24'";
    DuiLib::CDuiString m_strMoveImage = L"res='skins/move.png' dest='2,2,28,28'";
    DuiLib::CDuiString m_strKeyUpImage = L"res='skins/macro_key_up.png' dest='5,6,21,24'";
    DuiLib::CDuiString m_strKeyDownImage = L"res='skins/macro_key_down.png' dest='5,6,21,24'";

    // Timers of the action list that bring a row into view once the list is laid out.
    static constexpr UINT kTimerShowInserted = 6;
    static constexpr UINT kTimerShowInsertStart = 28;
    static constexpr UINT kScrollDelayMs = 50;
    // Rows of the macro list: filled when the window opens, added while it is open.
    static constexpr int kMacroRowHeight = 22;
    static constexpr int kAddedMacroRowHeight = 30;
    static constexpr int kActionRowHeight = 30;
};
