#include "ui/layout/scroll_arrow.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/win_handles.h"
#include "ui/layout/horizontal_layout.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

namespace {

constexpr int kDefaultArrowWidth = 20;
constexpr int kGlyphPen = 2;

}  // namespace

CScrollArrowUI::CScrollArrowUI(CHorizontalLayoutUI* pOwner, bool bTowardsEnd)
    : m_pOwner(pOwner), m_bTowardsEnd(bTowardsEnd) {
    m_cxyFixed.cx = kDefaultArrowWidth;
    m_bVisible = false;
    m_bKeyboardEnabled = false;
}

LPCWSTR CScrollArrowUI::GetClass() const { return L"ScrollArrowUI"; }

LPVOID CScrollArrowUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"ScrollArrow") == 0) return this;
    return CButtonUI::GetInterface(pstrName);
}

bool CScrollArrowUI::CanScroll() const {
    const int iPos = m_pOwner->GetScrollPos().cx;
    return m_bTowardsEnd ? iPos < m_pOwner->GetScrollRange().cx : iPos > 0;
}

bool CScrollArrowUI::Activate() {
    if (!CControlUI::Activate() || !CanScroll()) return false;
    if (m_bTowardsEnd)
        m_pOwner->LineRight();
    else
        m_pOwner->LineLeft();
    return true;
}

void CScrollArrowUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    if (wcscmp(pstrName, L"arrowcolor") == 0) {
        m_dwArrowColor = ParseColor(pstrValue);
    } else if (wcscmp(pstrName, L"hotarrowcolor") == 0) {
        m_dwHotArrowColor = ParseColor(pstrValue);
    } else if (wcscmp(pstrName, L"disabledarrowcolor") == 0) {
        m_dwDisabledArrowColor = ParseColor(pstrValue);
    } else {
        CButtonUI::SetAttribute(pstrName, pstrValue);
    }
}

void CScrollArrowUI::PaintBkColor(HDC hDC) {
    // Nothing to scroll to: no hot or pushed look.
    if (CanScroll())
        CButtonUI::PaintBkColor(hDC);
    else
        CControlUI::PaintBkColor(hDC);
}

void CScrollArrowUI::PaintStatusImage(HDC hDC) {
    if (!m_sNormalImage.IsEmpty()) {
        // A skin that draws its arrows with images: the disabled one at the end of the range.
        if (CanScroll())
            CButtonUI::PaintStatusImage(hDC);
        else
            DrawFirstImage(hDC, {&m_sDisabledImage, &m_sNormalImage});
        return;
    }
    if (!CanScroll()) {
        PaintGlyph(hDC, m_dwDisabledArrowColor);
    } else if ((m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0) {
        PaintGlyph(hDC, m_dwHotArrowColor);
    } else {
        PaintGlyph(hDC, m_dwArrowColor);
    }
}

void CScrollArrowUI::PaintGlyph(HDC hDC, DWORD dwColor) {
    if ((dwColor >> 24) == 0) return;
    const int cx = m_rcItem.right - m_rcItem.left;
    const int cy = m_rcItem.bottom - m_rcItem.top;
    // Arms of the chevron: a quarter of the smaller side, at least 3 pixels.
    int iArm = (cx < cy ? cx : cy) / 4;
    if (iArm < 3) iArm = 3;
    const int xMid = m_rcItem.left + cx / 2;
    const int yMid = m_rcItem.top + cy / 2;
    const int xTip = m_bTowardsEnd ? xMid + iArm / 2 : xMid - iArm / 2;
    const int xBack = m_bTowardsEnd ? xTip - iArm : xTip + iArm;
    const POINT points[] = {{xBack, yMid - iArm}, {xTip, yMid}, {xBack, yMid + iArm}};
    GdiObject<HPEN> hPen(::CreatePen(PS_SOLID, kGlyphPen, CRenderEngine::ToColorRef(dwColor)));
    SelectObjectScope selPen(hDC, hPen.Get());
    ::Polyline(hDC, points, 3);
}

}  // namespace DuiLib
