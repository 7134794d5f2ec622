#include "ui/control/scrollbar.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/control/container.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

namespace {

constexpr int kMinThumbHeight = 20;
constexpr int kDefaultBarWidth = 8;

}  // namespace

CScrollBarUI::CScrollBarUI(CContainerUI* pOwner) : m_pOwner(pOwner) {
    m_cxyFixed.cx = kDefaultBarWidth;
    m_dwBackColor = 0x30FFFFFF;
    m_bVisible = false;
}

LPCWSTR CScrollBarUI::GetClass() const { return L"ScrollBarUI"; }

LPVOID CScrollBarUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"ScrollBar") == 0) return this;
    return CControlUI::GetInterface(pstrName);
}

void CScrollBarUI::SetScrollRange(int nRange) {
    m_nRange = nRange < 0 ? 0 : nRange;
    if (m_nScrollPos > m_nRange) m_nScrollPos = m_nRange;
    Invalidate();
}

void CScrollBarUI::SetScrollPos(int nPos) {
    if (nPos < 0) nPos = 0;
    if (nPos > m_nRange) nPos = m_nRange;
    if (nPos == m_nScrollPos) return;
    m_nScrollPos = nPos;
    Invalidate();
}

RECT CScrollBarUI::GetThumbRect() const {
    const int cyTrack = m_rcItem.bottom - m_rcItem.top;
    if (cyTrack <= 0) return m_rcItem;
    int cyThumb = static_cast<int>(static_cast<long long>(cyTrack) * cyTrack / (cyTrack + m_nRange));
    if (cyThumb < kMinThumbHeight) cyThumb = kMinThumbHeight;
    if (cyThumb > cyTrack) cyThumb = cyTrack;
    int yThumb = m_rcItem.top;
    if (m_nRange > 0) {
        yThumb += static_cast<int>(static_cast<long long>(cyTrack - cyThumb) * m_nScrollPos / m_nRange);
    }
    return RECT{m_rcItem.left, yThumb, m_rcItem.right, yThumb + cyThumb};
}

void CScrollBarUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK: {
            RECT rcThumb = GetThumbRect();
            if (::PtInRect(&rcThumb, event.ptMouse)) {
                m_bDragging = true;
                m_iDragOffset = event.ptMouse.y - rcThumb.top;
            } else if (event.ptMouse.y < rcThumb.top) {
                m_pOwner->PageUp();
            } else {
                m_pOwner->PageDown();
            }
            return;
        }
        case UIEVENT_MOUSEMOVE: {
            if (m_bDragging) {
                RECT rcThumb = GetThumbRect();
                const int cyFree = (m_rcItem.bottom - m_rcItem.top) - (rcThumb.bottom - rcThumb.top);
                if (cyFree > 0) {
                    int yTop = event.ptMouse.y - m_iDragOffset - m_rcItem.top;
                    int nPos = static_cast<int>(static_cast<long long>(yTop) * m_nRange / cyFree);
                    m_pOwner->SetScrollPos(SIZE{0, nPos});
                }
            } else {
                RECT rcThumb = GetThumbRect();
                bool bHot = ::PtInRect(&rcThumb, event.ptMouse) != FALSE;
                if (bHot != m_bThumbHot) {
                    m_bThumbHot = bHot;
                    Invalidate();
                }
            }
            return;
        }
        case UIEVENT_BUTTONUP:
            m_bDragging = false;
            return;
        case UIEVENT_MOUSELEAVE:
            if (m_bThumbHot) {
                m_bThumbHot = false;
                Invalidate();
            }
            return;
        case UIEVENT_SCROLLWHEEL:
            m_pOwner->DoEvent(event);
            return;
        default:
            CControlUI::DoEvent(event);
            return;
    }
}

void CScrollBarUI::DoPaint(HDC hDC, const RECT& rcPaint) {
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    const SIZE szRound{m_cxyFixed.cx, m_cxyFixed.cx};
    CRenderEngine::DrawRoundColor(hDC, GetThumbRect(), szRound,
                                  (m_bThumbHot || m_bDragging) ? m_dwThumbHotColor : m_dwThumbColor);
}

void CScrollBarUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    if (wcscmp(pstrName, L"thumbcolor") == 0) {
        m_dwThumbColor = ParseColor(pstrValue);
    } else if (wcscmp(pstrName, L"thumbhotcolor") == 0) {
        m_dwThumbHotColor = ParseColor(pstrValue);
    } else if (wcscmp(pstrName, L"linesize") == 0) {
        SetLineSize(ParseInt(pstrValue));
    } else {
        CControlUI::SetAttribute(pstrName, pstrValue);
    }
}

}  // namespace DuiLib
