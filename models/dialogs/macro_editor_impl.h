// The macro editor's window and its notifications, its macro list (add, delete, rename, import,
// export) and the store step. Included by the file that instantiates a generation's editor; the
// actions and the recording are in macro_editor_actions.h and macro_editor_recording.h.
#pragma once

#include "models/dialogs/macro_editor.h"
#include "models/dialogs/macro_recording.h"
#include "models/data/name_helpers.h"

#include "core/dialogs/msg_wnd.h"
#include "core/dialogs/rich_edit_filter.h"

#include <cstring>

// The message that tells why a macro file was not imported.
inline const wchar_t* ImportRefusalText(ImportResult eResult) {
    switch (eResult) {
        case ImportResult::TooShort: return L"macro_import_short_text";
        case ImportResult::Foreign: return L"macro_import_foreign_text";
        case ImportResult::Damaged: return L"macro_import_damaged_text";
        case ImportResult::DoesNotFit: return L"macro_import_long_text";
        case ImportResult::Unreadable:
        case ImportResult::Imported: break;
    }
    return L"macro_import_unreadable_text";
}

template <class Gen>
void CMacroEditorT<Gen>::InitWindow() {
    BindControls();
    if constexpr (Gen::kHasMoves) BindMoveControls();
    if (m_pNameEdit != nullptr) m_pNameEdit->SetMaxChar(static_cast<UINT>(NameCapacity<Record>()));
    if (m_pMacroList != nullptr) {
        m_pMacroList->RemoveAll();
        if (m_pMacros != nullptr)
            for (const std::unique_ptr<Record>& pMacro : *m_pMacros) AddMacroRow(*pMacro, kMacroRowHeight);
    }
    SelectDelayModeOption();
    ShowNumber(m_pDefaultDelayEdit, m_wDefaultDelay);
    SetRecordButton(false);
    ShowMouseEventTab(m_pInsertMouseBtn != nullptr && m_pInsertMouseBtn->GetCheck());
    ShowEditPage(0);
}

template <class Gen>
void CMacroEditorT<Gen>::AddMacroRow(const Record& macro, int iHeight) {
    if (m_pMacroList == nullptr) return;
    auto* pRow = new DuiLib::CListLabelElementUI;
    pRow->SetText(std::wstring(NameOf(macro.szName)).c_str());
    pRow->SetFixedHeight(iHeight);
    m_pMacroList->Add(pRow);
}

template <class Gen>
void CMacroEditorT<Gen>::Notify(DuiLib::TNotifyUI& msg) {
    using namespace DuiLib;
    if (msg.pSender == nullptr) return;
    const CDuiString& sType = msg.sType;
    if (sType == DUI_MSGTYPE_CLICK) {
        OnClick(msg);
    } else if (sType == DUI_MSGTYPE_CHECKCLICK) {
        if (msg.pSender == m_pRecordBtn) {
            OnRecordCheck();
        } else if (msg.pSender == m_pActionEditCheck) {
            OnEditCheck();
        } else if (msg.pSender == m_pInsertMouseBtn) {
            ShowMouseEventTab(m_pInsertMouseBtn->GetCheck());
        }
    } else if (sType == DUI_MSGTYPE_KILLFOCUS) {
        OnEditKillFocus(msg);
    } else if (sType == DUI_MSGTYPE_ITEMSELECT) {
        OnItemSelect(msg);
    } else if (sType == DUI_MSGTYPE_MOUSEENTER || sType == DUI_MSGTYPE_MOUSELEAVE) {
        // Mouse buttons are recorded only outside the record button, so the click that stops
        // the recording is never part of it.
        if (msg.pSender == m_pRecordBtn && m_bRecording) EnableMouseHook(sType == DUI_MSGTYPE_MOUSELEAVE);
    } else if (sType == DUI_MSGTYPE_TIMER && msg.pSender == m_pActionList) {
        m_PaintManager.KillTimer(m_pActionList, static_cast<UINT>(msg.wParam));
        const int iRow = msg.wParam == kTimerShowInserted ? m_iInsertIndex - 1
                         : msg.wParam == kTimerShowInsertStart ? m_iInsertStart
                                                                : -1;
        if (iRow >= 0 && iRow < m_pActionList->GetCount()) m_pActionList->EnsureVisible(iRow);
    } else if (sType == DUI_MSGTYPE_SETFOCUS && msg.pSender == m_pActionEdit) {
        StartKeyCapture();
    } else if (sType == DUI_MSGTYPE_TEXTCHANGED) {
        OnTextChanged(msg);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::OnTextChanged(DuiLib::TNotifyUI& msg) {
    using namespace DuiLib;
    CControlUI* pSender = msg.pSender;
    if (pSender == nullptr) return;
    // The delay edits take digits only.
    if (pSender == m_pDelayEdit || pSender == m_pMouseActionDelayEdit || pSender == m_pDefaultDelayEdit ||
        pSender == m_pMoveDelayEdit) {
        FilterDigits(static_cast<CRichEditUI*>(pSender), pSender->GetText());
        return;
    }
    if (pSender != m_pMoveXEdit && pSender != m_pMoveYEdit && pSender != m_pMoveEditXEdit && pSender != m_pMoveEditYEdit)
        return;
    // A coordinate: digits and '-', kept within the move range while it is typed.
    auto* pEdit = static_cast<CRichEditUI*>(pSender);
    FilterSignedDigits(pEdit, pEdit->GetText());
    if constexpr (Gen::kHasMoves) {
        const long long llValue = ReadSignedNumber(pEdit);
        if (llValue > Gen::kMoveLimit || llValue < -Gen::kMoveLimit) {
            const std::wstring strLimit = std::to_wstring(llValue > 0 ? Gen::kMoveLimit : -Gen::kMoveLimit);
            pEdit->SetText(strLimit.c_str());
            pEdit->SetSel(static_cast<long>(strLimit.size()), static_cast<long>(strLimit.size()));
        }
    }
}

template <class Gen>
void CMacroEditorT<Gen>::OnClick(DuiLib::TNotifyUI& msg) {
    DuiLib::CControlUI* pSender = msg.pSender;
    if (pSender == m_pBtnExit) {
        Close(0);  // the editor has no choice to hand back: every close answers 0
    } else if (pSender == m_pAddBtn) {
        AddMacro();
    } else if (pSender == m_pDeleteBtn) {
        DeleteMacro();
    } else if (pSender == m_pUpBtn) {
        MoveSelectedAction(-1);
    } else if (pSender == m_pDownBtn) {
        MoveSelectedAction(+1);
    } else if (pSender == m_pDeleteActionBtn) {
        DeleteSelectedAction();
    } else if (pSender == m_pClearActionBtn) {
        ClearActions();
    } else if (pSender == m_pImportBtn) {
        ImportMacro();
    } else if (pSender == m_pExportBtn) {
        ExportMacro();
    } else if (pSender == m_pSaveBtn) {
        StoreMacro();
        m_bEditMode = false;
        if (m_pActionEditCheck != nullptr) m_pActionEditCheck->SetCheck(false);
        ShowSelectedAction(false);
    } else if (pSender == m_pCancelBtn) {
        m_bReloading = true;
        m_bEditMode = false;
        if (m_pActionEditCheck != nullptr) m_pActionEditCheck->SetCheck(false);
        ShowSelectedAction(false);
        if (m_iCurMacro >= 0) LoadMacro(m_iCurMacro);
        m_bReloading = false;
    } else if (pSender == m_pRecordDelayBtn) {
        m_iDelayMode = 0;
    } else if (pSender == m_pDefaultDelayBtn) {
        m_iDelayMode = 1;
    } else if (pSender == m_pNoDelayBtn) {
        m_iDelayMode = 2;
    } else if (pSender == m_pMoveBtn && m_pMoveBtn != nullptr) {
        InsertMove();
    } else {
        for (int i = 0; i < 5; ++i)
            if (pSender == m_pKeyBtn[i]) InsertMouseClick(i + 1);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::OnItemSelect(DuiLib::TNotifyUI& msg) {
    const int iItem = static_cast<int>(msg.wParam);
    if (msg.pSender == m_pMacroList) {
        if (iItem != m_iCurMacro) {
            // A recording and its insertion point belong to the macro they started in.
            if (m_bRecording) StopRecording();
            m_bInsertMode = false;
            m_iInsertIndex = m_iInsertStart = -1;
        }
        m_iCurMacro = iItem;
        LoadMacro(iItem);
        DUITRACE(L"iActionIndex=%d, iNextActionIndex=%d\r\n", m_iActionIndex, m_iNextActionIndex);
    } else if (msg.pSender == m_pActionList) {
        m_iActionIndex = iItem;
        if (m_bEditMode) ShowSelectedAction(true);
    } else if (msg.pSender == m_pMouseActionCombo) {
        SetSelectedMouseButton(iItem);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::OnEditKillFocus(DuiLib::TNotifyUI& msg) {
    if (msg.pSender == m_pNameEdit) {
        RenameMacro();
    } else if (msg.pSender == m_pActionEdit) {
        EndKeyCapture();
    } else if (msg.pSender == m_pDelayEdit || msg.pSender == m_pMouseActionDelayEdit) {
        SetSelectedDelay(static_cast<DuiLib::CRichEditUI*>(msg.pSender));
    } else if (msg.pSender == m_pMoveDelayEdit && m_pMoveDelayEdit != nullptr) {
        SetMoveDelay();
    } else if (msg.pSender == m_pMoveEditXEdit || msg.pSender == m_pMoveEditYEdit) {
        if constexpr (Gen::kHasMoves) {
            if (HasSelectedAction()) {
                const Action& action = m_actions[m_iActionIndex];
                SetMoveAction(msg.pSender == m_pMoveEditXEdit ? ReadCoordinate(m_pMoveEditXEdit) : action.iX,
                              msg.pSender == m_pMoveEditYEdit ? ReadCoordinate(m_pMoveEditYEdit) : action.iY);
            }
        }
    }
    NormaliseDefaultDelay(Gen::kDelayMin, Gen::kDelayMax);
}

template <class Gen>
LRESULT CMacroEditorT<Gen>::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    bHandled = FALSE;
    if (uMsg == WM_HOOKKEY) {
        if (m_bHookRecord) {
            RecordInput(wParam, lParam);
        } else if (m_bKeyCapture) {
            CaptureKey(wParam);
        }
    } else if (uMsg == WM_CLOSE) {
        EndOnClose();  // while the window can still show why a recording was not kept
    } else if (uMsg == WM_DESTROY) {
        m_bClosing = true;
        EndOnClose();
    }
    return 0;
}

template <class Gen>
bool CMacroEditorT<Gen>::StoreMacro() {
    if (!Gen::Fits(m_actions, m_iActionNum)) {
        // Too long for the mouse: the change is thrown away.
        CalcTotalNum();
        if (m_iCurMacro >= 0) LoadMacro(m_iCurMacro);
        m_bReloading = false;
        if (Gen::kTooLongMessage != nullptr && !m_bClosing) Refuse(Gen::kTooLongMessage);
        return false;
    }
    if (m_pCurMacro == nullptr) return false;
    // Unused actions are zero in the record.
    for (int i = 0; i < Gen::kActionMax; ++i) m_pCurMacro->stActions[i] = i < m_iActionNum ? m_actions[i] : Action{};
    m_pCurMacro->iActionNum = m_iActionNum;
    if (m_pStorage != nullptr && m_pMacros != nullptr) m_pStorage->SaveMacroData(*m_pMacros);
    return true;
}

template <class Gen>
void CMacroEditorT<Gen>::LoadMacro(int iIndex) {
    if (m_pMacros == nullptr || iIndex < 0 || static_cast<size_t>(iIndex) >= m_pMacros->size()) {
        // No macro (an empty list, or the last one deleted): nothing to show.
        m_pCurMacro = nullptr;
        m_iActionNum = 0;
        m_iActionIndex = m_iNextActionIndex = -1;
        std::fill(std::begin(m_actions), std::end(m_actions), Action{});
        if (m_pNameEdit != nullptr) m_pNameEdit->SetText(L"");
        if (m_pActionList != nullptr) m_pActionList->RemoveAll();
        return;
    }
    m_pCurMacro = (*m_pMacros)[static_cast<size_t>(iIndex)].get();
    std::copy(std::begin(m_pCurMacro->stActions), std::end(m_pCurMacro->stActions), std::begin(m_actions));
    m_iActionNum = std::clamp<int>(m_pCurMacro->iActionNum, 0, Gen::kActionMax);
    if (m_iActionNum == 0) m_iActionIndex = m_iNextActionIndex = -1;
    if (m_pNameEdit != nullptr) m_pNameEdit->SetText(std::wstring(NameOf(m_pCurMacro->szName)).c_str());
    RebuildActionList();
}

template <class Gen>
void CMacroEditorT<Gen>::AddMacro() {
    if (m_pMacros == nullptr || m_pStorage == nullptr) return;
    const Record* pMacro = m_pStorage->AddMacroRecord(*m_pMacros);
    if (pMacro == nullptr) return;
    AddMacroRow(*pMacro, kAddedMacroRowHeight);
    const int iRow = static_cast<int>(m_pMacros->size()) - 1;
    if (m_pMacroList != nullptr) {
        m_pMacroList->SelectItem(iRow);  // loads it
        m_pMacroList->EnsureVisible(iRow);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::DeleteMacro() {
    // Nothing to delete without a selected macro, and nothing to ask.
    if (m_pMacros == nullptr || m_iCurMacro < 0 || static_cast<size_t>(m_iCurMacro) >= m_pMacros->size()) return;
    if (!AskMsgWnd(m_hWnd, L"delete_macro_text")) return;
    if (m_bRecording) StopRecording();
    int iRow = m_iCurMacro;
    m_pCurMacro = nullptr;
    m_iCurMacro = -1;  // gone: the macro chosen next is another one, whatever its row
    m_pMacros->erase(m_pMacros->begin() + iRow);
    if (m_pStorage != nullptr) m_pStorage->SaveMacroData(*m_pMacros);
    if (m_pMacroList != nullptr) m_pMacroList->RemoveAt(iRow);
    if (iRow >= static_cast<int>(m_pMacros->size())) iRow = static_cast<int>(m_pMacros->size()) - 1;
    if (iRow >= 0 && m_pMacroList != nullptr) {
        m_pMacroList->SelectItem(iRow);  // loads the macro now in its place
    } else {
        m_iCurMacro = -1;
        LoadMacro(-1);
        m_iActionIndex = -1;
    }
}

template <class Gen>
void CMacroEditorT<Gen>::RenameMacro() {
    if (m_pCurMacro == nullptr || m_pNameEdit == nullptr || m_pMacros == nullptr) return;
    // Cut to what the record holds before anything is compared.
    std::wstring strName = m_pNameEdit->GetText().str().substr(0, NameCapacity<Record>());
    const std::wstring strOld(NameOf(m_pCurMacro->szName));
    // An empty name, the same name in other letter case, or another macro's name: the record
    // keeps its name and the edit shows it again.
    if (!strName.empty() && !NamesEqualNoCase(strName, strOld) && !IsNameTaken(*m_pMacros, strName)) {
        CopyName(m_pCurMacro->szName, strName);
        // The new name reaches macro.data even when the working copy cannot be stored.
        if (!StoreMacro() && m_pStorage != nullptr) m_pStorage->SaveMacroData(*m_pMacros);
        if (m_pMacroList != nullptr && m_iCurMacro >= 0 && m_iCurMacro < m_pMacroList->GetCount())
            m_pMacroList->GetItemAt(m_iCurMacro)->SetText(strName.c_str());
    }
    const std::wstring strShown(NameOf(m_pCurMacro->szName));
    if (m_pNameEdit->GetText().str() != strShown) m_pNameEdit->SetText(strShown.c_str());
}

template <class Gen>
void CMacroEditorT<Gen>::ImportMacro() {
    if (m_pMacros == nullptr || m_pStorage == nullptr) return;
    const std::wstring strPath = AskImportPath();
    if (strPath.empty()) return;
    // The file is checked whole before the list changes: a refused file changes nothing.
    Record read{};
    ImportResult eResult = m_pStorage->ReadMacroFile(strPath, read);
    if (eResult == ImportResult::Imported && !Gen::Fits(read.stActions, read.iActionNum)) eResult = ImportResult::DoesNotFit;
    const Record* pMacro = eResult == ImportResult::Imported ? m_pStorage->ImportMacro(strPath, *m_pMacros, &eResult) : nullptr;
    if (pMacro == nullptr) {
        Refuse(ImportRefusalText(eResult));
        return;
    }
    AddMacroRow(*pMacro, kAddedMacroRowHeight);
    const int iRow = static_cast<int>(m_pMacros->size()) - 1;
    if (m_pMacroList != nullptr) {
        m_pMacroList->SelectItem(iRow);
        m_pMacroList->EnsureVisible(iRow);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::ExportMacro() {
    if (m_pCurMacro == nullptr || m_pStorage == nullptr) return;
    const std::wstring strPath = AskExportPath();
    if (strPath.empty()) return;
    if (!m_pStorage->ExportMacro(*m_pCurMacro, strPath)) Refuse(L"macro_export_failed_text");
}

template <class Gen>
void CMacroEditorT<Gen>::Refuse(const wchar_t* pszMessageId) {
    RunMsgWnd(m_hWnd, pszMessageId);
}
