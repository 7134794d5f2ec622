#include "ui/control/container.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/win_handles.h"
#include "ui/control/scrollbar.h"
#include "ui/manager/paint_manager.h"

namespace DuiLib {

namespace {

constexpr int kWheelLines = 3;

CControlUI* FindByName(CControlUI* pControl, LPVOID pData) {
    return pControl->GetName() == static_cast<LPCWSTR>(pData) ? pControl : nullptr;
}

}  // namespace

CContainerUI::CContainerUI() = default;

CContainerUI::~CContainerUI() {
    // Children go at once: the window is being torn down or this container is itself a delayed
    // deletion already.
    m_bDelayedDestroy = false;
    RemoveAll();
    m_pVerticalScrollBar.reset();
}

LPCWSTR CContainerUI::GetClass() const { return L"ContainerUI"; }

LPVOID CContainerUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"IContainer") == 0) return static_cast<IContainerUI*>(this);
    if (wcscmp(pstrName, L"Container") == 0) return static_cast<CContainerUI*>(this);
    return CControlUI::GetInterface(pstrName);
}

CControlUI* CContainerUI::GetItemAt(int iIndex) const {
    if (iIndex < 0 || iIndex >= GetCount()) return nullptr;
    return m_items[static_cast<size_t>(iIndex)];
}

int CContainerUI::GetItemIndex(CControlUI* pControl) const {
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i] == pControl) return static_cast<int>(i);
    }
    return -1;
}

bool CContainerUI::SetItemIndex(CControlUI* pControl, int iIndex) {
    int iOld = GetItemIndex(pControl);
    if (iOld < 0 || iIndex < 0 || iIndex >= GetCount()) return false;
    m_items.erase(m_items.begin() + iOld);
    m_items.insert(m_items.begin() + iIndex, pControl);
    NeedUpdate();
    return true;
}

int CContainerUI::GetCount() const { return static_cast<int>(m_items.size()); }

bool CContainerUI::Add(CControlUI* pControl) { return AddAt(pControl, GetCount()); }

bool CContainerUI::AddAt(CControlUI* pControl, int iIndex) {
    if (pControl == nullptr || iIndex < 0 || iIndex > GetCount() || GetItemIndex(pControl) >= 0) return false;
    m_items.insert(m_items.begin() + iIndex, pControl);
    if (m_pManager != nullptr) {
        m_pManager->InitControls(pControl, this);
    } else {
        pControl->SetManager(nullptr, this, false);
    }
    if (IsVisible()) NeedUpdate();
    return true;
}

bool CContainerUI::Remove(CControlUI* pControl) {
    int iIndex = GetItemIndex(pControl);
    return iIndex >= 0 && RemoveAt(iIndex);
}

bool CContainerUI::RemoveAt(int iIndex) {
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr) return false;
    m_items.erase(m_items.begin() + iIndex);
    if (m_pManager != nullptr) m_pManager->ReapTree(pControl);
    // Detached from this container at once: it is no longer part of the tree, even while its
    // deletion waits for the end of the current message.
    pControl->SetManager(m_pManager, nullptr, false);
    if (m_bAutoDestroy) {
        if (m_bDelayedDestroy && m_pManager != nullptr) {
            m_pManager->AddDelayedCleanup(pControl);
        } else {
            delete pControl;
        }
    } else {
        pControl->SetManager(nullptr, nullptr, false);
    }
    NeedUpdate();
    return true;
}

void CContainerUI::RemoveAll() {
    while (!m_items.empty()) RemoveAt(GetCount() - 1);
    if (m_pVerticalScrollBar) m_pVerticalScrollBar->SetScrollPos(0);
    NeedUpdate();
}

CControlUI* CContainerUI::FindSubControl(LPCWSTR pstrSubControlName) {
    if (pstrSubControlName == nullptr) return nullptr;
    for (CControlUI* pItem : m_items) {
        CControlUI* pFound = pItem->FindControl(FindByName, const_cast<LPWSTR>(pstrSubControlName), UIFIND_ALL | UIFIND_ME_FIRST);
        if (pFound != nullptr) return pFound;
    }
    return nullptr;
}

void CContainerUI::SetInset(RECT rcInset) {
    m_rcInset = rcInset;
    NeedUpdate();
}

void CContainerUI::SetChildPadding(int iPadding) {
    m_iChildPadding = iPadding;
    NeedUpdate();
}

SIZE CContainerUI::GetScrollPos() const {
    return SIZE{0, m_pVerticalScrollBar ? m_pVerticalScrollBar->GetScrollPos() : 0};
}

SIZE CContainerUI::GetScrollRange() const {
    return SIZE{0, m_pVerticalScrollBar ? m_pVerticalScrollBar->GetScrollRange() : 0};
}

void CContainerUI::SetScrollPos(SIZE szPos) {
    if (!m_pVerticalScrollBar) return;
    int iOld = m_pVerticalScrollBar->GetScrollPos();
    m_pVerticalScrollBar->SetScrollPos(szPos.cy);
    if (m_pVerticalScrollBar->GetScrollPos() == iOld) return;
    // Lay the children out again at the new offset right away, so positions are current.
    SetPos(m_rcItem, true);
    Invalidate();
}

void CContainerUI::EnsureLayout() {
    if (m_pManager != nullptr && m_pManager->IsUpdateNeeded()) m_pManager->UpdateLayout();
}

void CContainerUI::LineUp() {
    EnsureLayout();
    if (m_pVerticalScrollBar) SetScrollPos(SIZE{0, GetScrollPos().cy - m_pVerticalScrollBar->GetLineSize()});
}

void CContainerUI::LineDown() {
    EnsureLayout();
    if (m_pVerticalScrollBar) SetScrollPos(SIZE{0, GetScrollPos().cy + m_pVerticalScrollBar->GetLineSize()});
}

void CContainerUI::PageUp() {
    EnsureLayout();
    RECT rc = GetChildArea();
    SetScrollPos(SIZE{0, GetScrollPos().cy - (rc.bottom - rc.top)});
}

void CContainerUI::PageDown() {
    EnsureLayout();
    RECT rc = GetChildArea();
    SetScrollPos(SIZE{0, GetScrollPos().cy + (rc.bottom - rc.top)});
}

void CContainerUI::HomeUp() {
    EnsureLayout();
    SetScrollPos(SIZE{0, 0});
}

void CContainerUI::EndDown() {
    EnsureLayout();
    SetScrollPos(SIZE{0, GetScrollRange().cy});
}

void CContainerUI::EnableScrollBar(bool bEnableVertical, bool /*bEnableHorizontal*/) {
    if (bEnableVertical && !m_pVerticalScrollBar) {
        m_pVerticalScrollBar = std::make_unique<CScrollBarUI>(this);
        m_pVerticalScrollBar->SetManager(m_pManager, this, false);
    } else if (!bEnableVertical && m_pVerticalScrollBar) {
        if (m_pManager != nullptr) m_pManager->ReapObjects(m_pVerticalScrollBar.get());
        m_pVerticalScrollBar.reset();
    }
    NeedUpdate();
}

void CContainerUI::EnsureVisible(int iIndex) {
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr || !m_pVerticalScrollBar) return;
    EnsureLayout();
    const RECT rcArea = GetChildArea();
    const RECT& rcItem = pControl->GetPos();
    const int iOffset = ScrollDeltaShowing(rcItem.top, rcItem.bottom, rcArea.top, rcArea.bottom);
    if (iOffset != 0) SetScrollPos(SIZE{0, GetScrollPos().cy + iOffset});
}

void CContainerUI::EnsureVisible(CControlUI* pControl) { EnsureVisible(GetItemIndex(pControl)); }

void CContainerUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
    CControlUI::SetManager(pManager, pParent, bInit);
    for (CControlUI* pItem : m_items) pItem->SetManager(pManager, this, bInit);
    if (m_pVerticalScrollBar) m_pVerticalScrollBar->SetManager(pManager, this, false);
}

CControlUI* CContainerUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
    if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
    const bool bHitTest = (uFlags & UIFIND_HITTEST) != 0;
    if (bHitTest) {
        if (!::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData))) return nullptr;
        if (!m_bMouseChildEnabled) return m_bMouseEnabled ? Proc(this, pData) : nullptr;
    }
    if ((uFlags & UIFIND_ME_FIRST) != 0) {
        if (!bHitTest || m_bMouseEnabled) {
            if (CControlUI* pResult = Proc(this, pData)) return pResult;
        }
    }
    if (bHitTest) {
        if (CControlUI* pResult = FindScrollPart(Proc, pData, uFlags)) return pResult;
    }
    // With UIFIND_TOP_FIRST the last child comes first: it paints last, so it is on top where
    // children overlap.
    const bool bTopFirst = (uFlags & UIFIND_TOP_FIRST) != 0;
    const RECT rcArea = GetChildArea();
    const int n = GetCount();
    for (int k = 0; k < n; ++k) {
        CControlUI* pItem = m_items[static_cast<size_t>(bTopFirst ? n - 1 - k : k)];
        // A scrolled child is only hit inside the visible area.
        if (bHitTest && !pItem->IsFloat() && !::PtInRect(&rcArea, *static_cast<const POINT*>(pData))) continue;
        if (CControlUI* pResult = pItem->FindControl(Proc, pData, uFlags)) return pResult;
    }
    if ((uFlags & UIFIND_ME_FIRST) != 0) return nullptr;
    if (bHitTest && !m_bMouseEnabled) return nullptr;
    return Proc(this, pData);
}

RECT CContainerUI::GetChildArea() const {
    RECT rc = m_rcItem;
    rc.left += m_rcInset.left;
    rc.top += m_rcInset.top;
    rc.right -= m_rcInset.right;
    rc.bottom -= m_rcInset.bottom;
    if (m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible()) rc.right -= m_pVerticalScrollBar->GetBarWidth();
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    return rc;
}

void CContainerUI::SetFloatPos(int iIndex) {
    CControlUI* pControl = GetItemAt(iIndex);
    if (pControl == nullptr || !pControl->IsVisible() || !pControl->IsFloat()) return;
    const SIZE szXY = pControl->GetFixedXY();
    const int cx = pControl->GetFixedWidth(), cy = pControl->GetFixedHeight();
    RECT rc{m_rcItem.left + szXY.cx, m_rcItem.top + szXY.cy, 0, 0};
    rc.right = cx > 0 ? rc.left + cx : m_rcItem.right;
    rc.bottom = cy > 0 ? rc.top + cy : m_rcItem.bottom;
    pControl->SetPos(rc, false);
}

void CContainerUI::ProcessScrollBar(RECT rc, int cyRequired) {
    if (!m_pVerticalScrollBar) return;
    const int cyArea = rc.bottom - rc.top;
    const int nRange = cyRequired > cyArea ? cyRequired - cyArea : 0;
    m_pVerticalScrollBar->SetScrollRange(nRange);
    const bool bShow = nRange > 0;
    m_pVerticalScrollBar->ShowForRange(bShow);
    if (bShow) {
        const int cx = m_pVerticalScrollBar->GetBarWidth();
        RECT rcBar{m_rcItem.right - m_rcInset.right - cx, m_rcItem.top + m_rcInset.top, m_rcItem.right - m_rcInset.right,
                   m_rcItem.bottom - m_rcInset.bottom};
        m_pVerticalScrollBar->SetPos(rcBar, false);
    }
}

void CContainerUI::SetPos(RECT rc, bool bNeedInvalidate) {
    CControlUI::SetPos(rc, bNeedInvalidate);
    const RECT rcArea = GetChildArea();
    for (int i = 0; i < GetCount(); ++i) {
        CControlUI* pControl = m_items[static_cast<size_t>(i)];
        if (!pControl->IsVisible()) continue;
        if (pControl->IsFloat()) {
            SetFloatPos(i);
            continue;
        }
        const RECT rcPadding = pControl->GetPadding();
        RECT rcCtrl{rcArea.left + rcPadding.left, rcArea.top + rcPadding.top, rcArea.right - rcPadding.right,
                    rcArea.bottom - rcPadding.bottom};
        pControl->SetPos(rcCtrl, false);
    }
}

void CContainerUI::DoPaint(HDC hDC, const RECT& rcPaint) {
    RECT rcOwn;
    if (!::IntersectRect(&rcOwn, &rcPaint, &m_rcItem)) return;
    SavedDcState saved(hDC);
    ::IntersectClipRect(hDC, rcOwn.left, rcOwn.top, rcOwn.right, rcOwn.bottom);
    m_rcPaint = rcOwn;
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    PaintStatusImage(hDC);
    PaintText(hDC);

    const RECT rcArea = GetChildArea();
    RECT rcChildPaint;
    if (::IntersectRect(&rcChildPaint, &rcOwn, &rcArea)) {
        for (CControlUI* pItem : m_items) {
            if (!pItem->IsVisible() || pItem->IsFloat()) continue;
            RECT rcTest;
            if (!::IntersectRect(&rcTest, &rcChildPaint, &pItem->GetPos())) continue;
            SavedDcState savedChild(hDC);
            ::IntersectClipRect(hDC, rcChildPaint.left, rcChildPaint.top, rcChildPaint.right, rcChildPaint.bottom);
            pItem->DoPaint(hDC, rcChildPaint);
        }
    }
    // Floating children may sit on the inset; they are clipped by this container only.
    for (CControlUI* pItem : m_items) {
        if (!pItem->IsVisible() || !pItem->IsFloat()) continue;
        RECT rcTest;
        if (!::IntersectRect(&rcTest, &rcOwn, &pItem->GetPos())) continue;
        pItem->DoPaint(hDC, rcOwn);
    }
    PaintScrollParts(hDC, rcOwn);
    // The border goes last, over children that reach the edge.
    m_rcPaint = rcOwn;
    PaintBorder(hDC);
}

CControlUI* CContainerUI::FindScrollPart(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    return m_pVerticalScrollBar ? m_pVerticalScrollBar->FindControl(Proc, pData, uFlags) : nullptr;
}

void CContainerUI::PaintScrollParts(HDC hDC, const RECT& rcOwn) {
    if (m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible()) m_pVerticalScrollBar->DoPaint(hDC, rcOwn);
}

void CContainerUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_SCROLLWHEEL && m_pVerticalScrollBar && m_pVerticalScrollBar->IsVisible() &&
        m_pVerticalScrollBar->GetScrollRange() > 0) {
        const int iDelta = GET_WHEEL_DELTA_WPARAM(event.wParam);
        const int nLines = (iDelta < 0 ? -iDelta : iDelta) * kWheelLines / WHEEL_DELTA;
        const int nStep = (nLines > 0 ? nLines : 1) * m_pVerticalScrollBar->GetLineSize();
        SetScrollPos(SIZE{0, GetScrollPos().cy + (iDelta < 0 ? nStep : -nStep)});
        return;
    }
    CControlUI::DoEvent(event);
}

void CContainerUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    if (wcscmp(pstrName, L"inset") == 0) {
        SetInset(ParseRect(pstrValue));
    } else if (wcscmp(pstrName, L"childpadding") == 0) {
        SetChildPadding(ParseInt(pstrValue));
    } else if (wcscmp(pstrName, L"mousechild") == 0) {
        SetMouseChildEnabled(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"vscrollbar") == 0) {
        EnableScrollBar(ParseBool(pstrValue));
    } else if (wcscmp(pstrName, L"vscrollbarstyle") == 0) {
        EnableScrollBar(true);
        m_pVerticalScrollBar->ApplyAttributeList(pstrValue);
    } else if (wcscmp(pstrName, L"scrollstepsize") == 0) {
        EnableScrollBar(true);
        m_pVerticalScrollBar->SetLineSize(ParseInt(pstrValue));
    } else {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

int ScrollDeltaShowing(int iStart, int iEnd, int iAreaStart, int iAreaEnd) {
    if (iStart < iAreaStart) return iStart - iAreaStart;
    if (iEnd <= iAreaEnd) return 0;
    const int iDelta = iEnd - iAreaEnd;
    return iStart - iDelta < iAreaStart ? iStart - iAreaStart : iDelta;
}

void BringIntoView(CControlUI* pControl) {
    for (CControlUI* pChild = pControl; pChild != nullptr; pChild = pChild->GetParent()) {
        CControlUI* pParent = pChild->GetParent();
        auto* pContainer = pParent ? static_cast<CContainerUI*>(pParent->GetInterface(L"Container")) : nullptr;
        if (pContainer != nullptr) pContainer->EnsureVisible(pChild);
    }
}

}  // namespace DuiLib
