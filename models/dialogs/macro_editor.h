// The macro editor: the modal window in which a person creates, deletes, renames, imports and
// exports a model's macros, records them from the keyboard and mouse through Hook.dll, and edits
// them action by action. One implementation over a generation's macro description (Gen:
// Gen1MacroTraits in gen1_macro_editor.h, Gen2MacroTraits in gen2_macro_editor.h):
//   Record, Action, Storage            the macro record, its action, the model's files
//   kActionMax, kRecordStopEvents      actions a macro holds; the event total that ends a recording
//   kDelayMin, kDelayMax               the delays a person types (and a recording measures at most)
//   kNoDelay, kClickDelay              "no delay"; an inserted click outside the default-delay mode
//   kLastDelayFixed                    the last action's delay is not played: shown as kNoDelay, locked
//   kHasMoves                          actions can be mouse moves (MakeMove, kMoveLimit, kMoveDelay)
//   kTooLongMessage                    text id shown when a change is dropped for its length (nullptr: none)
//   StopEndsInsertion(model)           a recording that stops ends its insertion (else it stays on)
//   EventTotal(actions, n), Fits(actions, n)   the events the actions take; whether the mouse takes them
//   IsPress, IsMove, MakeAction(key, press, delay)
//
// The editor keeps a working copy of the selected macro's actions. After each change it stores
// (StoreMacro): a copy that fits goes into the record and macro.data is saved at once; one that
// does not is thrown away by reloading the record. A recording is stored when it stops.
//
// The page's calling sequence: build the model's editor (CMS_10_Macro, CMS_11_Macro) on the
// stack, set m_pMacros, m_pStorage and m_pHookTable, Run(main window). Afterwards the macro list
// and macro.data hold the edits; the page brings its buttons' macro copies up to date.
#pragma once

#include "models/dialogs/macro_editor_base.h"

template <class Gen>
class CMacroEditorT : public CMacroEditorBase {
public:
    using Record = typename Gen::Record;
    using Action = typename Gen::Action;
    using RecordList = std::vector<std::unique_ptr<Record>>;
    using Storage = typename Gen::Storage;

    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

    // Set by the page before the window is created.
    RecordList* m_pMacros = nullptr;  // the macros to edit, in place (the page's copy of its list)
    Storage* m_pStorage = nullptr;    // the page's storage of the model's files

    // The routines every editor of the generation shares.
    void StartRecording();
    void InsertAction(const Action& action);
    void RebuildActionList();
    void RedrawActionRows(int iRowA, int iRowB);
    void LoadMacro(int iIndex);
    void ShowSelectedAction(bool bShow);
    int CalcTotalNum();
    // Keeps the delay edits to digits and the move edits to -999..999 as they are typed.
    void OnTextChanged(DuiLib::TNotifyUI& msg);

protected:
    explicit CMacroEditorT(int iModel) : CMacroEditorBase(iModel), m_bStopEndsInsertion(Gen::StopEndsInsertion(iModel)) {}

    void OnItemSelect(DuiLib::TNotifyUI& msg);
    void OnEditKillFocus(DuiLib::TNotifyUI& msg);
    void OnRecordCheck();
    void OnEditCheck();
    void AddMacro();
    void DeleteMacro();
    void RenameMacro();
    void ImportMacro();
    void ExportMacro();
    void StartRecordingFromButton();
    void StopRecording();
    void RecordInput(WPARAM wParam, LPARAM lParam);
    void CaptureKey(WPARAM wParam);
    void StartKeyCapture();
    void EndKeyCapture();
    void InsertMouseClick(int iButton);
    void MoveSelectedAction(int iBy);
    void DeleteSelectedAction();
    void ClearActions();
    void SetSelectedDelay(DuiLib::CRichEditUI* pEdit);
    void SetSelectedMouseButton(int iItem);
    // Mouse moves (editors whose actions can move).
    void InsertMove();
    void SetMoveAction(int iX, int iY);
    void SetMoveDelay();
    static int ReadCoordinate(DuiLib::CControlUI* pEdit);
    // The working copy into the record and macro.data; false when it was thrown away instead.
    bool StoreMacro();
    // Closing in any way: a recording stops and is stored, the hooks go off.
    void EndOnClose();

    bool HasSelectedAction() const { return m_iActionIndex >= 0 && m_iActionIndex < m_iActionNum; }
    // A selected action whose key a captured key or the edit pane may change.
    bool HasSelectedKeyAction() const {
        return HasSelectedAction() && !IsMouseButton(m_actions[m_iActionIndex].byKey) && !Gen::IsMove(m_actions[m_iActionIndex]);
    }
    void AddMacroRow(const Record& macro, int iHeight);
    void FillActionRow(int iRow);
    int ShownDelay(int iRow) const;
    static void ShowMoveText(DuiLib::CControlUI* pCell, const Action& action);
    // Selects a row of the action list with its notification, so m_iActionIndex follows; a row
    // that does not exist falls back to the last one (none in an empty list).
    void SelectActionRow(int iRow);
    void ShowRowLater(UINT uTimer);
    void Refuse(const wchar_t* pszMessageId);

    bool m_bClosing = false;  // the window is being destroyed: no message box any more
    const bool m_bStopEndsInsertion;  // the model's recording ends its insertion when it stops

    Record* m_pCurMacro = nullptr;
    Action m_actions[Gen::kActionMax] = {};
};
