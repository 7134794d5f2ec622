#include "ui/controls/slider.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/win_handles.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

namespace {

// Where a press ended because the capture was taken away (see the paint manager).
constexpr LONG kNowhere = -32768;

}  // namespace

CSliderUI::CSliderUI() { m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER; }

LPCWSTR CSliderUI::GetClass() const { return L"SliderUI"; }

LPVOID CSliderUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Slider") == 0) return this;
    return CProgressUI::GetInterface(pstrName);
}

UINT CSliderUI::GetControlFlags() const {
    if (!IsEnabled()) return 0;
    return (IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0) | UIFLAG_SETCURSOR;
}

void CSliderUI::SetEnabled(bool bEnable) {
    if (!bEnable) {
        // The manager drops the capture without a button-up: the change ends here.
        m_bDragging = false;
        m_uKeyDown = 0;
        EndChange();
    }
    CProgressUI::SetEnabled(bEnable);
}

void CSliderUI::SetThumbSize(SIZE szThumb) {
    m_szThumb = szThumb;
    Invalidate();
}

void CSliderUI::SetThumbImage(LPCWSTR pStrImage) {
    m_sThumbImage = pStrImage;
    Invalidate();
}

void CSliderUI::SetThumbHotImage(LPCWSTR pStrImage) {
    m_sThumbHotImage = pStrImage;
    Invalidate();
}

void CSliderUI::SetThumbPushedImage(LPCWSTR pStrImage) {
    m_sThumbPushedImage = pStrImage;
    Invalidate();
}

void CSliderUI::SetThumbColor(DWORD dwColor) {
    m_dwThumbColor = dwColor;
    Invalidate();
}

RECT CSliderUI::GetThumbRect() const {
    const long long nSpan = static_cast<long long>(m_nMax) - m_nMin;
    const long long nDone = static_cast<long long>(m_nValue) - m_nMin;
    if (m_bHorizontal) {
        const int cxFree = (m_rcItem.right - m_rcItem.left) - m_szThumb.cx;
        const int x = m_rcItem.left + (nSpan > 0 && cxFree > 0 ? static_cast<int>(cxFree * nDone / nSpan) : 0);
        const int y = (m_rcItem.top + m_rcItem.bottom - m_szThumb.cy) / 2;
        return RECT{x, y, x + m_szThumb.cx, y + m_szThumb.cy};
    }
    const int cyFree = (m_rcItem.bottom - m_rcItem.top) - m_szThumb.cy;
    const int y = m_rcItem.bottom - m_szThumb.cy - (nSpan > 0 && cyFree > 0 ? static_cast<int>(cyFree * nDone / nSpan) : 0);
    const int x = (m_rcItem.left + m_rcItem.right - m_szThumb.cx) / 2;
    return RECT{x, y, x + m_szThumb.cx, y + m_szThumb.cy};
}

int CSliderUI::ValueFromPoint(POINT pt) const {
    const long long nSpan = static_cast<long long>(m_nMax) - m_nMin;
    int iFree = 0;
    int iPos = 0;  // distance of the thumb's start from the track's start, along the value
    if (m_bHorizontal) {
        iFree = (m_rcItem.right - m_rcItem.left) - m_szThumb.cx;
        iPos = pt.x - m_iDragOffset - m_szThumb.cx / 2 - m_rcItem.left;
    } else {
        iFree = (m_rcItem.bottom - m_rcItem.top) - m_szThumb.cy;
        iPos = m_rcItem.bottom - (pt.y - m_iDragOffset + (m_szThumb.cy + 1) / 2);
    }
    if (iFree <= 0 || nSpan <= 0) return m_nMin;
    if (iPos <= 0) return m_nMin;
    if (iPos >= iFree) return m_nMax;
    // Rounded to the nearest value, so the thumb lands where it was let go.
    return m_nMin + static_cast<int>((iPos * nSpan * 2 + iFree) / (2LL * iFree));
}

void CSliderUI::BeginChange() {
    if (!IsChanging()) m_nValueAtStart = m_nValue;
}

void CSliderUI::EndChange() {
    if (!IsChanging()) return;
    const int nStart = m_nValueAtStart;
    m_nValueAtStart = kNoChange;
    if (m_nValue != nStart && m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_VALUECHANGED);
}

void CSliderUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK: {
            if (!IsEnabled()) return;
            const RECT rcThumb = GetThumbRect();
            const POINT ptCentre{(rcThumb.left + rcThumb.right) / 2, (rcThumb.top + rcThumb.bottom) / 2};
            BeginChange();
            m_bDragging = true;
            if (::PtInRect(&rcThumb, event.ptMouse)) {
                // Held where it was grabbed, so the thumb does not jump under the pointer.
                m_iDragOffset = m_bHorizontal ? event.ptMouse.x - ptCentre.x : event.ptMouse.y - ptCentre.y;
            } else {
                m_iDragOffset = 0;
                SetValue(ValueFromPoint(event.ptMouse));
            }
            Invalidate();
            return;
        }
        case UIEVENT_MOUSEMOVE:
            if (m_bDragging) {
                SetValue(ValueFromPoint(event.ptMouse));
            } else {
                const RECT rcThumb = GetThumbRect();
                const bool bHot = IsEnabled() && ::PtInRect(&rcThumb, event.ptMouse) != FALSE;
                if (bHot != m_bThumbHot) {
                    m_bThumbHot = bHot;
                    Invalidate();
                }
            }
            return;
        case UIEVENT_BUTTONUP:
            if (m_bDragging) {
                if (event.ptMouse.x != kNowhere || event.ptMouse.y != kNowhere) SetValue(ValueFromPoint(event.ptMouse));
                m_bDragging = false;
                Invalidate();
                EndChange();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            if (m_bThumbHot) {
                m_bThumbHot = false;
                Invalidate();
            }
            return;
        case UIEVENT_KEYDOWN: {
            if (!IsEnabled() || m_bDragging) break;
            const int nPage = (m_nMax - m_nMin) / 10 > m_nStep ? (m_nMax - m_nMin) / 10 : m_nStep;
            int nNew = m_nValue;
            switch (event.chKey) {
                case VK_LEFT:
                case VK_DOWN: nNew = m_nValue - m_nStep; break;
                case VK_RIGHT:
                case VK_UP: nNew = m_nValue + m_nStep; break;
                case VK_PRIOR: nNew = m_nValue + nPage; break;
                case VK_NEXT: nNew = m_nValue - nPage; break;
                case VK_HOME: nNew = m_nMin; break;
                case VK_END: nNew = m_nMax; break;
                default: CProgressUI::DoEvent(event); return;
            }
            BeginChange();
            m_uKeyDown = event.chKey;
            SetValue(nNew);
            return;
        }
        case UIEVENT_KEYUP:
            if (m_uKeyDown != 0 && event.chKey == m_uKeyDown) {
                m_uKeyDown = 0;
                EndChange();
                return;
            }
            break;
        case UIEVENT_KILLFOCUS:
            // A key still held when the focus leaves ends its change now.
            if (m_uKeyDown != 0) {
                m_uKeyDown = 0;
                if (!m_bDragging) EndChange();
            }
            break;
        default:
            break;
    }
    CProgressUI::DoEvent(event);
}

void CSliderUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"thumbimage") SetThumbImage(pstrValue);
    else if (sName == L"thumbhotimage") SetThumbHotImage(pstrValue);
    else if (sName == L"thumbpushedimage") SetThumbPushedImage(pstrValue);
    else if (sName == L"thumbcolor") SetThumbColor(ParseColor(pstrValue));
    else if (sName == L"thumbsize") SetThumbSize(ParseSize(pstrValue));
    else if (sName == L"step") SetChangeStep(ParseInt(pstrValue));
    else CProgressUI::SetAttribute(pstrName, pstrValue);
}

void CSliderUI::PaintStatusImage(HDC hDC) {
    // The filled part of the track ends under the thumb's centre.
    const RECT rcThumb = GetThumbRect();
    RECT rcFilled = m_rcItem;
    if (m_bHorizontal) {
        rcFilled.right = (rcThumb.left + rcThumb.right) / 2;
    } else {
        rcFilled.top = (rcThumb.top + rcThumb.bottom) / 2;
    }
    if (rcFilled.right > rcFilled.left && rcFilled.bottom > rcFilled.top) {
        if ((m_dwForeColor >> 24) != 0) CRenderEngine::DrawColor(hDC, rcFilled, m_dwForeColor);
        if (!m_sForeImage.IsEmpty()) {
            SavedDcState saved(hDC);
            ::IntersectClipRect(hDC, rcFilled.left, rcFilled.top, rcFilled.right, rcFilled.bottom);
            DrawImage(hDC, m_sForeImage);
        }
    }

    const CDuiString* pImage = &m_sThumbImage;
    if (m_bDragging && !m_sThumbPushedImage.IsEmpty()) pImage = &m_sThumbPushedImage;
    else if ((m_bThumbHot || m_bDragging) && !m_sThumbHotImage.IsEmpty()) pImage = &m_sThumbHotImage;
    if (!pImage->IsEmpty()) {
        CDuiString sDest;
        sDest.Format(L"dest='%d,%d,%d,%d'", rcThumb.left - m_rcItem.left, rcThumb.top - m_rcItem.top,
                     rcThumb.right - m_rcItem.left, rcThumb.bottom - m_rcItem.top);
        DrawImage(hDC, *pImage, sDest);
    } else if ((m_dwThumbColor >> 24) != 0) {
        CRenderEngine::DrawRoundColor(hDC, rcThumb, SIZE{m_szThumb.cx, m_szThumb.cy}, m_dwThumbColor);
    }
}

}  // namespace DuiLib
