// The macro editor's working copy and its action list: inserting, counting, moving, deleting,
// the rows, the edit pane and its delays, and mouse clicks inserted by hand. Included by the
// file that instantiates a generation's editor.
#pragma once

#include "models/dialogs/macro_editor.h"

#include "core/util/key_text.h"

#include <algorithm>

template <class Gen>
int CMacroEditorT<Gen>::CalcTotalNum() {
    const int iTotal = Gen::EventTotal(m_actions, m_iActionNum);
    DUITRACE(L"iTotalNum = %d\r\n", iTotal);
    return iTotal;
}

template <class Gen>
void CMacroEditorT<Gen>::InsertAction(const Action& action) {
    if (m_iActionNum >= Gen::kActionMax) return;
    const int iAt = m_iInsertIndex == -1 ? m_iActionNum : std::clamp(m_iInsertIndex, 0, m_iActionNum);
    std::move_backward(m_actions + iAt, m_actions + m_iActionNum, m_actions + m_iActionNum + 1);
    m_actions[iAt] = action;
    ++m_iActionNum;
    ++m_iActionIndex;
    if (m_iInsertIndex != -1) m_iInsertIndex = iAt + 1;
}

template <class Gen>
void CMacroEditorT<Gen>::FillActionRow(int iRow) {
    if (m_pActionList == nullptr || iRow < 0 || iRow >= m_iActionNum || iRow >= m_pActionList->GetCount()) return;
    DuiLib::CControlUI* pRow = m_pActionList->GetItemAt(iRow);
    CControlBinder cells(m_PaintManager, m_missingControls, pRow);
    const Action& action = m_actions[iRow];
    DuiLib::CControlUI* pKey = cells.Find(L"key");
    DuiLib::CControlUI* pAction = cells.Find(L"action");
    if (Gen::IsMove(action)) {
        if (pKey != nullptr) {
            pKey->SetResourceText(true);
            pKey->SetText(L"mouse_move_text");
            pKey->SetBkImage(m_strMoveImage);
        }
        if (pAction != nullptr) ShowMoveText(pAction, action);
    } else {
        if (pKey != nullptr) {
            pKey->SetResourceText(false);
            pKey->SetText(UsageToKeyText(action.byKey).c_str());
            pKey->SetBkImage(IsMouseButton(action.byKey) ? m_strMouseImage : m_strKeyImage);
        }
        if (pAction != nullptr) {
            const bool bPress = Gen::IsPress(action);
            pAction->SetResourceText(true);
            pAction->SetText(bPress ? L"key_down_action" : L"key_up_action");
            pAction->SetBkImage(bPress ? m_strKeyDownImage : m_strKeyUpImage);
        }
    }
    if (DuiLib::CControlUI* pDelay = cells.Find(L"delay")) ShowNumber(pDelay, ShownDelay(iRow));
}

template <class Gen>
int CMacroEditorT<Gen>::ShownDelay(int iRow) const {
    // Where the last action's delay is not played, its row shows the shortest delay.
    if (Gen::kLastDelayFixed && iRow == m_iActionNum - 1) return Gen::kNoDelay;
    return m_actions[iRow].wDelay;
}

template <class Gen>
void CMacroEditorT<Gen>::ShowMoveText(DuiLib::CControlUI* pCell, const Action& action) {
    if constexpr (Gen::kHasMoves) {
        // Plain text: the offsets are no text id.
        pCell->SetResourceText(false);
        pCell->SetText((L"X: " + std::to_wstring(action.iX) + L" Y: " + std::to_wstring(action.iY)).c_str());
        pCell->SetBkImage(L"");
    }
}

template <class Gen>
void CMacroEditorT<Gen>::RebuildActionList() {
    if (m_pActionList == nullptr) return;
    m_pActionList->RemoveAll();
    for (int i = 0; i < m_iActionNum; ++i) {
        DuiLib::CDialogBuilder builder;
        DuiLib::CControlUI* pRow = builder.Create(L"keylistitem.xml", nullptr, nullptr, &m_PaintManager);
        if (pRow == nullptr) {
            if (i == 0) m_missingControls.push_back(L"keylistitem.xml");
            break;
        }
        pRow->SetFixedHeight(kActionRowHeight);
        m_pActionList->Add(pRow);
        FillActionRow(i);
    }
    m_pActionList->NeedUpdate();
    if (m_bReloading && m_iInsertStart >= 0) {
        SelectActionRow(m_iInsertStart);
        ShowRowLater(kTimerShowInsertStart);
    } else if (m_bInsertMode) {
        SelectActionRow(m_iInsertIndex - 1);
        ShowRowLater(kTimerShowInserted);
    } else {
        SelectActionRow(m_iActionNum - 1);
        if (m_iActionNum > 0) m_pActionList->EnsureVisible(m_iActionNum - 1);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::SelectActionRow(int iRow) {
    if (m_pActionList == nullptr) return;
    if (iRow < 0 || iRow >= m_pActionList->GetCount()) iRow = m_pActionList->GetCount() - 1;
    if (iRow < 0) {
        m_pActionList->SelectItem(-1);
        m_iActionIndex = -1;
        return;
    }
    if (m_pActionList->GetCurSel() == iRow) {
        m_iActionIndex = iRow;  // already selected: no notification comes
        if (m_bEditMode) ShowSelectedAction(true);
        return;
    }
    m_pActionList->SelectItem(iRow);
}

template <class Gen>
void CMacroEditorT<Gen>::ShowRowLater(UINT uTimer) {
    if (m_pActionList != nullptr) m_PaintManager.SetTimer(m_pActionList, uTimer, kScrollDelayMs);
}

template <class Gen>
void CMacroEditorT<Gen>::RedrawActionRows(int iRowA, int iRowB) {
    FillActionRow(iRowA);
    FillActionRow(iRowB);
}

template <class Gen>
void CMacroEditorT<Gen>::ShowSelectedAction(bool bShow) {
    if (!bShow) {
        ShowEditPage(0);
        return;
    }
    if (!HasSelectedAction()) return;
    const Action& action = m_actions[m_iActionIndex];
    const bool bLocked = Gen::kLastDelayFixed && m_iActionIndex == m_iActionNum - 1;
    DuiLib::CRichEditUI* pDelayEdit = nullptr;
    if (Gen::IsMove(action)) {
        if constexpr (Gen::kHasMoves) {
            ShowEditPage(3);
            ShowNumber(m_pMoveEditXEdit, action.iX);
            ShowNumber(m_pMoveEditYEdit, action.iY);
            pDelayEdit = m_pMoveDelayEdit;
        }
    } else if (!IsMouseButton(action.byKey)) {
        ShowEditPage(1);
        if (m_pActionEdit != nullptr) m_pActionEdit->SetText(UsageToKeyText(action.byKey).c_str());
        pDelayEdit = m_pDelayEdit;
    } else {
        ShowEditPage(2);
        // Set silently: showing the action is no choice of a button.
        if (m_pMouseActionCombo != nullptr) m_pMouseActionCombo->SelectItem(MouseItemOf(action.byKey), false, false);
        pDelayEdit = m_pMouseActionDelayEdit;
    }
    if (pDelayEdit != nullptr) {
        ShowNumber(pDelayEdit, ShownDelay(m_iActionIndex));
        pDelayEdit->SetEnabled(!bLocked);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::OnEditCheck() {
    m_bEditMode = m_pActionEditCheck->GetCheck();
    if (!HasSelectedAction()) {
        m_bEditMode = false;
        m_pActionEditCheck->SetCheck(false);
        return;
    }
    ShowSelectedAction(m_bEditMode);
}

template <class Gen>
void CMacroEditorT<Gen>::MoveSelectedAction(int iBy) {
    if (m_pActionList == nullptr) return;
    const int iRow = m_pActionList->GetCurSel();
    const int iOther = iRow + iBy;
    if (iRow < 0 || iRow >= m_iActionNum || iOther < 0 || iOther >= m_iActionNum) return;
    std::swap(m_actions[iRow], m_actions[iOther]);
    RedrawActionRows(iRow, iOther);
    m_pActionList->SelectItem(iOther);
    StoreMacro();
}

template <class Gen>
void CMacroEditorT<Gen>::DeleteSelectedAction() {
    if (!HasSelectedAction() || m_pActionList == nullptr) return;
    const int iRow = m_iActionIndex;
    std::move(m_actions + iRow + 1, m_actions + m_iActionNum, m_actions + iRow);
    --m_iActionNum;
    m_actions[m_iActionNum] = Action{};
    m_pActionList->RemoveAt(iRow);
    FillActionRow(m_iActionNum - 1);  // the row that is now the last one shows its delay as such
    if (m_iActionNum == 0) m_iActionIndex = -1;
    SelectActionRow(std::min(iRow, m_iActionNum - 1));
    StoreMacro();
}

template <class Gen>
void CMacroEditorT<Gen>::ClearActions() {
    if (m_pCurMacro == nullptr) return;
    std::fill(std::begin(m_actions), std::end(m_actions), Action{});
    m_iActionNum = 0;
    m_iActionIndex = m_iNextActionIndex = m_iInsertIndex = -1;
    m_bInsertMode = false;
    StoreMacro();
    RebuildActionList();
}

template <class Gen>
void CMacroEditorT<Gen>::SetSelectedDelay(DuiLib::CRichEditUI* pEdit) {
    const int iDelay = ReadDelay(pEdit, Gen::kDelayMin, Gen::kDelayMax);
    ShowNumber(pEdit, iDelay);
    if (!HasSelectedAction()) return;
    m_actions[m_iActionIndex].wDelay = static_cast<decltype(Action::wDelay)>(iDelay);
    FillActionRow(m_iActionIndex);
    StoreMacro();
}

template <class Gen>
void CMacroEditorT<Gen>::SetSelectedMouseButton(int iItem) {
    if (iItem < 0 || iItem >= static_cast<int>(std::size(kMouseButtonCodes)) || !HasSelectedAction()) return;
    if (!IsMouseButton(m_actions[m_iActionIndex].byKey)) return;  // only a button action changes its button
    m_actions[m_iActionIndex].byKey = kMouseButtonCodes[iItem];
    FillActionRow(m_iActionIndex);
    StoreMacro();
}

template <class Gen>
void CMacroEditorT<Gen>::InsertMouseClick(int iButton) {
    if (m_pCurMacro == nullptr || iButton < 1 || iButton > static_cast<int>(std::size(kMouseButtonCodes))) return;
    // A click is a press and a release: both must fit.
    if (m_iActionNum + 2 > Gen::kActionMax) return;
    const int iDelay = m_iDelayMode == 1 ? ReadDelay(m_pDefaultDelayEdit, Gen::kDelayMin, Gen::kDelayMax) : Gen::kClickDelay;
    const auto byCode = kMouseButtonCodes[iButton - 1];
    m_bInsertMode = true;
    m_iInsertIndex = m_iActionIndex + 1;
    InsertAction(Gen::MakeAction(byCode, true, iDelay));
    InsertAction(Gen::MakeAction(byCode, false, iDelay));
    RebuildActionList();
    StoreMacro();
    m_bInsertMode = false;
}

template <class Gen>
int CMacroEditorT<Gen>::ReadCoordinate(DuiLib::CControlUI* pEdit) {
    if constexpr (Gen::kHasMoves) {
        return static_cast<int>(std::clamp<long long>(ReadSignedNumber(pEdit), -Gen::kMoveLimit, Gen::kMoveLimit));
    } else {
        return 0;
    }
}

template <class Gen>
void CMacroEditorT<Gen>::InsertMove() {
    if constexpr (Gen::kHasMoves) {
        if (m_pCurMacro == nullptr || m_iActionNum >= Gen::kActionMax) return;
        const Action move = Gen::MakeMove(ReadCoordinate(m_pMoveXEdit), ReadCoordinate(m_pMoveYEdit), Gen::kMoveDelay);
        if (HasSelectedAction()) {
            // After the selected action.
            m_bInsertMode = true;
            m_iInsertIndex = m_iInsertStart = m_iActionIndex + 1;
        } else {
            m_iInsertIndex = -1;
        }
        InsertAction(move);
        if (StoreMacro()) RebuildActionList();
        m_bInsertMode = false;
    }
}

template <class Gen>
void CMacroEditorT<Gen>::SetMoveAction(int iX, int iY) {
    if constexpr (Gen::kHasMoves) {
        if (!HasSelectedAction() || !Gen::IsMove(m_actions[m_iActionIndex])) return;
        Action& action = m_actions[m_iActionIndex];
        action.iX = std::clamp(iX, -Gen::kMoveLimit, Gen::kMoveLimit);
        action.iY = std::clamp(iY, -Gen::kMoveLimit, Gen::kMoveLimit);
        if (!StoreMacro()) return;
        ShowNumber(m_pMoveEditXEdit, action.iX);
        ShowNumber(m_pMoveEditYEdit, action.iY);
        FillActionRow(m_iActionIndex);
    }
}

template <class Gen>
void CMacroEditorT<Gen>::SetMoveDelay() {
    const int iDelay = ReadDelay(m_pMoveDelayEdit, Gen::kDelayMin, Gen::kDelayMax);
    ShowNumber(m_pMoveDelayEdit, iDelay);
    if (!HasSelectedAction() || !Gen::IsMove(m_actions[m_iActionIndex])) return;
    m_actions[m_iActionIndex].wDelay = static_cast<decltype(Action::wDelay)>(iDelay);
    FillActionRow(m_iActionIndex);
    StoreMacro();
}
