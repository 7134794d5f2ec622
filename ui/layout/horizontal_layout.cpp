#include "ui/layout/horizontal_layout.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/win_handles.h"
#include "ui/layout/linear_layout.h"
#include "ui/layout/scroll_arrow.h"
#include "ui/manager/paint_manager.h"

namespace DuiLib {

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

int WidthOf(const RECT& rc) { return rc.right - rc.left; }

}  // namespace

CHorizontalLayoutUI::CHorizontalLayoutUI() = default;

CHorizontalLayoutUI::~CHorizontalLayoutUI() = default;

LPCWSTR CHorizontalLayoutUI::GetClass() const { return L"HorizontalLayoutUI"; }

LPVOID CHorizontalLayoutUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"HorizontalLayout") == 0) return this;
    return CContainerUI::GetInterface(pstrName);
}

void CHorizontalLayoutUI::SetPos(RECT rc, bool bNeedInvalidate) {
    CControlUI::SetPos(rc, bNeedInvalidate);
    PlaceChildren();
    CControlUI* pPending = m_pPendingInView;
    m_pPendingInView = nullptr;
    if (pPending == nullptr || GetItemIndex(pPending) < 0 || !pPending->IsVisible()) return;
    const int iOffset = OffsetShowing(pPending);
    if (iOffset == m_iScrollX) return;
    m_iScrollX = iOffset;
    PlaceChildren();
    Invalidate();
}

void CHorizontalLayoutUI::PlaceChildren() {
    const RECT rcInner = CContainerUI::GetChildArea();
    int cxRequired = 0;
    SIZE szArea{WidthOf(rcInner), rcInner.bottom - rcInner.top};
    std::vector<TLinearSlot> slots = ComputeLinearSlots(m_items, false, szArea, m_iChildPadding, cxRequired);
    const bool bOverflow = m_bHScroll && cxRequired > szArea.cx;
    if (m_pArrowLeft) {
        m_pArrowLeft->ShowForOverflow(bOverflow);
        m_pArrowRight->ShowForOverflow(bOverflow);
    }
    const RECT rcArea = GetChildArea();
    if (ArrowsShown()) {
        // The arrows take their room from the children.
        szArea.cx = WidthOf(rcArea);
        slots = ComputeLinearSlots(m_items, false, szArea, m_iChildPadding, cxRequired);
        for (CScrollArrowUI* pArrow : {m_pArrowLeft.get(), m_pArrowRight.get()}) {
            const int cx = pArrow->GetFixedWidth();
            int cy = pArrow->GetFixedHeight();
            if (cy <= 0 || cy > szArea.cy) cy = szArea.cy;
            const int x = pArrow->IsTowardsEnd() ? rcInner.right - cx : rcInner.left;
            const int y = rcInner.top + (szArea.cy - cy) / 2;
            pArrow->SetPos(RECT{x, y, x + cx, y + cy}, false);
        }
    }
    m_iRangeX = m_bHScroll && cxRequired > szArea.cx ? cxRequired - szArea.cx : 0;
    m_iScrollX = Clamp(m_iScrollX, 0, m_iRangeX);

    int x = rcArea.left - m_iScrollX;
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

bool CHorizontalLayoutUI::ArrowsShown() const { return m_pArrowLeft && m_pArrowLeft->IsVisible(); }

RECT CHorizontalLayoutUI::GetChildArea() const {
    RECT rc = CContainerUI::GetChildArea();
    if (ArrowsShown()) {
        rc.left += m_pArrowLeft->GetFixedWidth() + m_iChildPadding;
        rc.right -= m_pArrowRight->GetFixedWidth() + m_iChildPadding;
        if (rc.right < rc.left) rc.right = rc.left;
    }
    return rc;
}

void CHorizontalLayoutUI::EnableHorizontalScroll(bool bEnable, bool bArrows) {
    m_bHScroll = bEnable;
    if (!bEnable) {
        m_iScrollX = 0;
        m_iRangeX = 0;
        m_pPendingInView = nullptr;
        bArrows = false;
    }
    if (bArrows && !m_pArrowLeft) {
        m_pArrowLeft = std::make_unique<CScrollArrowUI>(this, false);
        m_pArrowRight = std::make_unique<CScrollArrowUI>(this, true);
        m_pArrowLeft->SetManager(m_pManager, this, false);
        m_pArrowRight->SetManager(m_pManager, this, false);
    } else if (!bArrows && m_pArrowLeft) {
        if (m_pManager != nullptr) {
            m_pManager->ReapObjects(m_pArrowLeft.get());
            m_pManager->ReapObjects(m_pArrowRight.get());
        }
        m_pArrowLeft.reset();
        m_pArrowRight.reset();
    }
    NeedUpdate();
}

SIZE CHorizontalLayoutUI::GetScrollPos() const { return SIZE{m_iScrollX, CContainerUI::GetScrollPos().cy}; }

SIZE CHorizontalLayoutUI::GetScrollRange() const { return SIZE{m_iRangeX, CContainerUI::GetScrollRange().cy}; }

void CHorizontalLayoutUI::SetScrollPos(SIZE szPos) {
    const int x = Clamp(szPos.cx, 0, m_iRangeX);
    if (x != m_iScrollX) {
        m_iScrollX = x;
        PlaceChildren();
        Invalidate();
    }
    CContainerUI::SetScrollPos(SIZE{0, szPos.cy});
}

int CHorizontalLayoutUI::OffsetShowing(const CControlUI* pControl) const {
    const RECT rcArea = GetChildArea();
    const RECT& rcItem = pControl->GetPos();
    return Clamp(m_iScrollX + ScrollDeltaShowing(rcItem.left, rcItem.right, rcArea.left, rcArea.right), 0, m_iRangeX);
}

void CHorizontalLayoutUI::LineRight() {
    if (!m_bHScroll) return;
    EnsureLayout();
    const RECT rcArea = GetChildArea();
    for (CControlUI* pControl : m_items) {
        if (!pControl->IsVisible() || pControl->IsFloat() || pControl->GetPos().right <= rcArea.right) continue;
        const int iOffset = OffsetShowing(pControl);
        if (iOffset != m_iScrollX) {
            SetScrollPos(SIZE{iOffset, GetScrollPos().cy});
            return;
        }
    }
}

void CHorizontalLayoutUI::LineLeft() {
    if (!m_bHScroll) return;
    EnsureLayout();
    const RECT rcArea = GetChildArea();
    for (auto it = m_items.rbegin(); it != m_items.rend(); ++it) {
        CControlUI* pControl = *it;
        if (!pControl->IsVisible() || pControl->IsFloat() || pControl->GetPos().left >= rcArea.left) continue;
        const int iOffset = OffsetShowing(pControl);
        if (iOffset != m_iScrollX) {
            SetScrollPos(SIZE{iOffset, GetScrollPos().cy});
            return;
        }
    }
}

void CHorizontalLayoutUI::EnsureVisible(int iIndex) {
    if (!m_bHScroll) {
        CContainerUI::EnsureVisible(iIndex);
        return;
    }
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr) return;
    m_pPendingInView = pControl;
    EnsureLayout();  // a pending layout brings it into view itself
    // Or the next layout will: this one could not lay the strip out (hidden, or an empty window).
    if (m_pPendingInView == nullptr || IsUpdateNeeded() || !IsVisibleInTree()) return;
    m_pPendingInView = nullptr;
    if (pControl->IsVisible()) SetScrollPos(SIZE{OffsetShowing(pControl), GetScrollPos().cy});
}

CScrollArrowUI* CHorizontalLayoutUI::GetScrollArrow(bool bTowardsEnd) const {
    return bTowardsEnd ? m_pArrowRight.get() : m_pArrowLeft.get();
}

void CHorizontalLayoutUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
    CContainerUI::SetManager(pManager, pParent, bInit);
    if (m_pArrowLeft) {
        m_pArrowLeft->SetManager(pManager, this, false);
        m_pArrowRight->SetManager(pManager, this, false);
    }
}

CControlUI* CHorizontalLayoutUI::FindScrollPart(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    if (ArrowsShown()) {
        if (CControlUI* pArrow = m_pArrowLeft->FindControl(Proc, pData, uFlags)) return pArrow;
        if (CControlUI* pArrow = m_pArrowRight->FindControl(Proc, pData, uFlags)) return pArrow;
    }
    return CContainerUI::FindScrollPart(Proc, pData, uFlags);
}

void CHorizontalLayoutUI::PaintScrollParts(HDC hDC, const RECT& rcOwn) {
    CContainerUI::PaintScrollParts(hDC, rcOwn);
    if (!ArrowsShown()) return;
    for (CScrollArrowUI* pArrow : {m_pArrowLeft.get(), m_pArrowRight.get()}) {
        SavedDcState saved(hDC);
        ::IntersectClipRect(hDC, rcOwn.left, rcOwn.top, rcOwn.right, rcOwn.bottom);
        pArrow->DoPaint(hDC, rcOwn);
    }
}

void CHorizontalLayoutUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_SCROLLWHEEL && m_bHScroll && m_iRangeX > 0) {
        // A notch away from the user goes back one child, towards the user on one.
        const int iDelta = GET_WHEEL_DELTA_WPARAM(event.wParam);
        int nSteps = (iDelta < 0 ? -iDelta : iDelta) / WHEEL_DELTA;
        if (nSteps < 1) nSteps = 1;
        for (int i = 0; i < nSteps; ++i) {
            if (iDelta < 0)
                LineRight();
            else
                LineLeft();
        }
        return;
    }
    CContainerUI::DoEvent(event);
}

void CHorizontalLayoutUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    if (wcscmp(pstrName, L"hscroll") == 0) {
        EnableHorizontalScroll(ParseBool(pstrValue), m_pArrowLeft != nullptr);
    } else if (wcscmp(pstrName, L"scrollarrowstyle") == 0) {
        EnableHorizontalScroll(true, true);
        m_pArrowLeft->ApplyAttributeList(pstrValue);
        m_pArrowRight->ApplyAttributeList(pstrValue);
    } else {
        CContainerUI::SetAttribute(pstrName, pstrValue);
    }
}

}  // namespace DuiLib
