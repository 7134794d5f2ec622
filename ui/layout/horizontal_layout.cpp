#include "ui/layout/horizontal_layout.h"

#include <cwchar>

#include "ui/layout/linear_layout.h"

namespace DuiLib {

LPCWSTR CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

LPVOID CHorizontalLayoutUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"HorizontalLayout") == 0) return this;
    return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate) {
    CControlUI::SetPos(rc, bNeedInvalidate);
    RECT rcArea = GetChildArea();
    int cxRequired = 0;
    const SIZE szArea{rcArea.right - rcArea.left, rcArea.bottom - rcArea.top};
    std::vector<TLinearSlot> slots = ComputeLinearSlots(m_items, false, szArea, m_iChildPadding, cxRequired);

    int x = rcArea.left;
    for (const TLinearSlot& slot : slots) {
        CControlUI* pControl = slot.pControl;
        const RECT rcPadding = pControl->GetPadding();
        const SIZE sz = pControl->EstimateSize(szArea);
        int cy = sz.cy > 0 ? sz.cy : szArea.cy - rcPadding.top - rcPadding.bottom;
        if (cy < pControl->GetMinHeight()) cy = pControl->GetMinHeight();
        if (cy > pControl->GetMaxHeight()) cy = pControl->GetMaxHeight();
        if (cy < 0) cy = 0;
        x += rcPadding.left;
        RECT rcCtrl{x, rcArea.top + rcPadding.top, x + slot.iExtent, rcArea.top + rcPadding.top + cy};
        pControl->SetPos(rcCtrl, false);
        x += slot.iExtent + rcPadding.right + m_iChildPadding;
    }
    for (int i = 0; i < GetCount(); ++i) SetFloatPos(i);
}

}  // namespace DuiLib
