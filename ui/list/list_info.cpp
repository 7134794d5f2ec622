#include "ui/list/list_info.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/control/container.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

bool SetListInfoAttribute(TListInfoUI& info, LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"itemfont") info.nFont = ParseInt(pstrValue);
    else if (sName == L"itemtextpadding") info.rcTextPadding = ParseRect(pstrValue);
    else if (sName == L"itemheight") info.iItemHeight = ParseInt(pstrValue);
    else if (sName == L"itemtextcolor") info.dwTextColor = ParseColor(pstrValue);
    else if (sName == L"itembkcolor") info.dwBkColor = ParseColor(pstrValue);
    else if (sName == L"itemselectedtextcolor") info.dwSelectedTextColor = ParseColor(pstrValue);
    else if (sName == L"itemselectedbkcolor") info.dwSelectedBkColor = ParseColor(pstrValue);
    else if (sName == L"itemhottextcolor") info.dwHotTextColor = ParseColor(pstrValue);
    else if (sName == L"itemhotbkcolor") info.dwHotBkColor = ParseColor(pstrValue);
    else if (sName == L"itemdisabledtextcolor") info.dwDisabledTextColor = ParseColor(pstrValue);
    else if (sName == L"itembkimage") info.sBkImage = pstrValue;
    else if (sName == L"itemselectedimage") info.sSelectedImage = pstrValue;
    else if (sName == L"itemhotimage") info.sHotImage = pstrValue;
    else if (sName == L"itemalign") {
        info.uTextStyle &= ~(DT_LEFT | DT_CENTER | DT_RIGHT);
        if (wcsstr(pstrValue, L"center") != nullptr) info.uTextStyle |= DT_CENTER;
        else if (wcsstr(pstrValue, L"right") != nullptr) info.uTextStyle |= DT_RIGHT;
    } else {
        return false;
    }
    return true;
}

void CListItemState::SetOwner(CControlUI* pOwner) {
    m_pOwner = pOwner ? static_cast<IListOwnerUI*>(pOwner->GetInterface(L"IListOwner")) : nullptr;
}

bool CListItemState::HandleEvent(CControlUI& row, int iEventType) {
    switch (iEventType) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (row.IsEnabled() && m_pOwner != nullptr) m_pOwner->SelectItem(m_iIndex, true, true);
            return true;
        case UIEVENT_MOUSEENTER:
            if (!m_bHot) {
                m_bHot = true;
                row.Invalidate();
            }
            return true;
        case UIEVENT_MOUSELEAVE:
            if (m_bHot) {
                m_bHot = false;
                row.Invalidate();
            }
            return true;
        default:
            return false;
    }
}

SIZE CListItemState::RowSize(const CControlUI& row) const {
    SIZE sz{row.GetFixedWidth(), row.GetFixedHeight()};
    if (sz.cy == 0 && m_pOwner != nullptr) sz.cy = m_pOwner->GetListInfo()->iItemHeight;
    return sz;
}

void CListItemState::PaintBk(HDC hDC, const CControlUI& row) const {
    const DWORD dwColor = PaintBkColor(row);
    const SIZE szRound = row.GetBorderRound();
    if (szRound.cx > 0 && szRound.cy > 0) {
        CRenderEngine::DrawRoundColor(hDC, row.GetPos(), szRound, dwColor);
    } else {
        CRenderEngine::DrawColor(hDC, row.GetPos(), dwColor);
    }
}

DWORD CListItemState::PaintBkColor(const CControlUI& row) const {
    const TListInfoUI* pInfo = m_pOwner ? m_pOwner->GetListInfo() : nullptr;
    if (pInfo != nullptr && row.IsEnabled()) {
        if (m_bSelected && pInfo->dwSelectedBkColor != 0) return pInfo->dwSelectedBkColor;
        if (m_bHot && pInfo->dwHotBkColor != 0) return pInfo->dwHotBkColor;
    }
    if (row.GetBkColor() != 0) return row.GetBkColor();
    return pInfo ? pInfo->dwBkColor : 0;
}

DWORD CListItemState::PaintTextColor(const CControlUI& row, DWORD dwDefault) const {
    const TListInfoUI* pInfo = m_pOwner ? m_pOwner->GetListInfo() : nullptr;
    if (!row.IsEnabled()) {
        if (row.GetDisabledTextColor() != 0) return row.GetDisabledTextColor();
        if (pInfo != nullptr && pInfo->dwDisabledTextColor != 0) return pInfo->dwDisabledTextColor;
        return dwDefault;
    }
    if (pInfo != nullptr) {
        if (m_bSelected && pInfo->dwSelectedTextColor != 0) return pInfo->dwSelectedTextColor;
        if (m_bHot && pInfo->dwHotTextColor != 0) return pInfo->dwHotTextColor;
    }
    if (row.GetTextColor() != 0) return row.GetTextColor();
    if (pInfo != nullptr && pInfo->dwTextColor != 0) return pInfo->dwTextColor;
    return dwDefault;
}

const CDuiString* CListItemState::StateImage() const {
    const TListInfoUI* pInfo = m_pOwner ? m_pOwner->GetListInfo() : nullptr;
    if (pInfo == nullptr) return nullptr;
    if (m_bSelected && !pInfo->sSelectedImage.IsEmpty()) return &pInfo->sSelectedImage;
    if (m_bHot && !pInfo->sHotImage.IsEmpty()) return &pInfo->sHotImage;
    if (!pInfo->sBkImage.IsEmpty()) return &pInfo->sBkImage;
    return nullptr;
}

IListItemUI* AsListItem(CControlUI* pControl) {
    return pControl ? static_cast<IListItemUI*>(pControl->GetInterface(L"ListItem")) : nullptr;
}

void RenumberRows(IContainerUI& rows, CControlUI* pOwner, int iFirst) {
    for (int i = iFirst < 0 ? 0 : iFirst; i < rows.GetCount(); ++i) {
        if (IListItemUI* pItem = AsListItem(rows.GetItemAt(i))) {
            pItem->SetIndex(i);
            pItem->SetOwner(pOwner);
        }
    }
}

int SelectionAfterInsert(int iCurSel, int iIndex) { return (iCurSel >= 0 && iCurSel >= iIndex) ? iCurSel + 1 : iCurSel; }

int SelectionAfterRemove(int iCurSel, int iIndex) {
    if (iCurSel == iIndex) return -1;
    return iCurSel > iIndex ? iCurSel - 1 : iCurSel;
}

bool IsRowIndexOrNone(const IContainerUI& rows, int iIndex) {
    return iIndex == -1 || AsListItem(rows.GetItemAt(iIndex)) != nullptr;
}

bool MoveRowSelection(IContainerUI& rows, int& iCurSel, int iIndex) {
    if (iIndex == iCurSel) return false;
    if (IListItemUI* pOld = AsListItem(rows.GetItemAt(iCurSel))) pOld->Select(false);
    iCurSel = iIndex;
    if (IListItemUI* pNew = AsListItem(rows.GetItemAt(iIndex))) pNew->Select(true);
    return true;
}

int FindSelectableRow(const IContainerUI& rows, int iStart, int iStep) {
    const int n = rows.GetCount();
    if (n == 0) return -1;
    if (iStart < 0) iStart = 0;
    if (iStart >= n) iStart = n - 1;
    auto usable = [&rows](int i) {
        CControlUI* pRow = rows.GetItemAt(i);
        return pRow->IsVisible() && pRow->IsEnabled() && AsListItem(pRow) != nullptr;
    };
    for (int i = iStart; i >= 0 && i < n; i += iStep) {
        if (usable(i)) return i;
    }
    for (int i = iStart - iStep; i >= 0 && i < n; i -= iStep) {
        if (usable(i)) return i;
    }
    return -1;
}

int NavigationTarget(const IContainerUI& rows, int iCurSel, UINT uKey, int nPageRows) {
    switch (uKey) {
        case VK_UP: return FindSelectableRow(rows, iCurSel < 0 ? 0 : iCurSel - 1, -1);
        case VK_DOWN: return FindSelectableRow(rows, iCurSel < 0 ? 0 : iCurSel + 1, 1);
        case VK_HOME: return FindSelectableRow(rows, 0, 1);
        case VK_END: return FindSelectableRow(rows, rows.GetCount() - 1, -1);
        case VK_PRIOR: return FindSelectableRow(rows, iCurSel - nPageRows, -1);
        case VK_NEXT: return FindSelectableRow(rows, iCurSel + nPageRows, 1);
        default: return kNotNavigationKey;
    }
}

}  // namespace DuiLib
