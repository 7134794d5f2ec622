// The macro editor: the modal window in which a person creates, deletes, renames, imports and
// exports a model's macros, records them from the keyboard and mouse through Hook.dll, and edits
// them action by action. One implementation over a generation's macro description (Gen, e.g.
// Gen1MacroTraits in gen1_macro_editor.h): its record and action types, its storage, and its
// limits (actions per macro, events a stored macro may count, the delay range).
//
// The editor keeps a working copy of the selected macro's actions. After each change it stores
// (StoreMacro): a copy that fits (at most Gen::kEventMax events) goes into the record and
// macro.data is saved at once; one that does not is thrown away by reloading the record. A
// recording is stored when it stops.
//
// The page's calling sequence: build the model's editor (CMS_10_Macro) on the stack, set
// m_pMacros, m_pStorage and m_pHookTable, Run(main window). Afterwards the macro list and
// macro.data hold the edits; the page brings its buttons' macro copies up to date.
#pragma once

#include "macro_editor_base.h"

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
    RecordList* m_pMacros = nullptr;  // the page's macros; the editor edits them in place
    Storage* m_pStorage = nullptr;    // the page's storage of the model's files

    // The routines every editor of the generation shares.
    void StartRecording();
    void InsertAction(const Action& action);
    void RebuildActionList();
    void RedrawActionRows(int iRowA, int iRowB);
    void LoadMacro(int iIndex);
    void ShowSelectedAction(bool bShow);
    int CalcTotalNum();

protected:
    explicit CMacroEditorT(int iModel) : CMacroEditorBase(iModel) {}

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
    // The working copy into the record and macro.data; false when it was thrown away instead.
    bool StoreMacro();
    // Closing in any way: a recording stops and is stored, the hooks go off.
    void EndOnClose();

    bool HasSelectedAction() const { return m_iActionIndex >= 0 && m_iActionIndex < m_iActionNum; }
    void AddMacroRow(const Record& macro, int iHeight);
    void FillActionRow(int iRow);
    // Selects a row of the action list with its notification, so m_iActionIndex follows; a row
    // that does not exist falls back to the last one (none in an empty list).
    void SelectActionRow(int iRow);
    void ShowRowLater(UINT uTimer);
    void Refuse(const wchar_t* pszMessageId);

    Record* m_pCurMacro = nullptr;
    Action m_actions[Gen::kActionMax] = {};
};
