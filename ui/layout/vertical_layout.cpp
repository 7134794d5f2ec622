#include "ui/layout/vertical_layout.h"

#include <cwchar>

#include "ui/control/scrollbar.h"
#include "ui/layout/linear_layout.h"

namespace DuiLib {

LPCWSTR CVerticalLayoutUI::GetClass() const { return L"VerticalLayoutUI"; }

LPVOID CVerticalLayoutUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"VerticalLayout") == 0) return this;
    return CContainerUI::GetInterface(pstrName);
}

void CVerticalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate) {
    CControlUI::SetPos(rc, bNeedInvalidate);
    RECT rcArea = m_rcItem;
    rcArea.left += m_rcInset.left;
    rcArea.top += m_rcInset.top;
    rcArea.right -= m_rcInset.right;
    rcArea.bottom -= m_rcInset.bottom;
    if (rcArea.right < rcArea.left) rcArea.right = rcArea.left;
    if (rcArea.bottom < rcArea.top) rcArea.bottom = rcArea.top;

    int cyRequired = 0;
    const SIZE szArea{rcArea.right - rcArea.left, rcArea.bottom - rcArea.top};
    std::vector<TLinearSlot> slots = ComputeLinearSlots(m_items, true, szArea, m_iChildPadding, cyRequired);
    // The scroll bar is settled first: it takes width from the children and clamps the offset.
    ProcessScrollBar(rcArea, cyRequired);
    if (m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible()) rcArea.right -= m_pVerticalScrollBar->GetBarWidth();
    const int cxArea = rcArea.right - rcArea.left;

    int y = rcArea.top - GetScrollPos().cy;
    for (const TLinearSlot& slot : slots) {
        CControlUI* pControl = slot.pControl;
        const RECT rcPadding = pControl->GetPadding();
        const SIZE sz = pControl->EstimateSize(szArea);
        int cx = sz.cx > 0 ? sz.cx : cxArea - rcPadding.left - rcPadding.right;
        if (cx < pControl->GetMinWidth()) cx = pControl->GetMinWidth();
        if (cx > pControl->GetMaxWidth()) cx = pControl->GetMaxWidth();
        if (cx < 0) cx = 0;
        y += rcPadding.top;
        RECT rcCtrl{rcArea.left + rcPadding.left, y, rcArea.left + rcPadding.left + cx, y + slot.iExtent};
        pControl->SetPos(rcCtrl, false);
        y += slot.iExtent + rcPadding.bottom + m_iChildPadding;
    }
    for (int i = 0; i < GetCount(); ++i) SetFloatPos(i);
}

}  // namespace DuiLib
