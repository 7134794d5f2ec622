#include "ui/palette/color_palette.h"

#include <algorithm>
#include <cmath>
#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/manager/paint_manager.h"

namespace DuiLib {

namespace {

// Keyboard steps.
constexpr double kHueStep = 5.0;
constexpr double kFractionStep = 0.05;

// Where a coordinate lies along [first, last) as 0..1 (clamped), both ends reachable.
double Fraction(LONG v, LONG first, LONG last) {
    if (last - first <= 1) return 0.0;
    return std::clamp(static_cast<double>(v - first) / static_cast<double>(last - first - 1), 0.0, 1.0);
}

}  // namespace

LPCWSTR CColorPaletteUI::GetClass() const { return L"ColorPaletteUI"; }

LPVOID CColorPaletteUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"ColorPalette") == 0) return this;
    return CControlUI::GetInterface(pstrName);
}

UINT CColorPaletteUI::GetControlFlags() const { return IsKeyboardEnabled() && IsEnabled() ? UIFLAG_TABSTOP : 0; }

void CColorPaletteUI::SetSelectColor(DWORD dwColor) {
    m_dwSelectColor = dwColor;
    const THsbColor hsb = RgbToHsb(dwColor);
    // A grey has no hue and black no saturation: the picker keeps the ones it had.
    if (hsb.fBrightness > 0.0) {
        if (hsb.fSaturation > 0.0) m_hsb.fHue = hsb.fHue;
        m_hsb.fSaturation = hsb.fSaturation;
    }
    m_hsb.fBrightness = hsb.fBrightness;
    Invalidate();
}

void CColorPaletteUI::SetBarHeight(int nHeight) {
    m_nBarHeight = std::max(nHeight, 0);
    Invalidate();
}

void CColorPaletteUI::SetBarGap(int nGap) {
    m_nBarGap = std::max(nGap, 0);
    Invalidate();
}

RECT CColorPaletteUI::GetFieldRect() const {
    RECT rc = m_rcItem;
    rc.bottom = std::max(rc.top, rc.bottom - m_nBarHeight - m_nBarGap);
    return rc;
}

RECT CColorPaletteUI::GetBarRect() const {
    RECT rc = m_rcItem;
    rc.top = std::max(rc.top, rc.bottom - m_nBarHeight);
    return rc;
}

void CColorPaletteUI::Pick(const THsbColor& hsb) {
    m_hsb = hsb;
    Invalidate();
    const DWORD dwColor = (m_dwSelectColor & 0xFF000000) | HsbToRgb(hsb);
    if (dwColor == m_dwSelectColor) return;
    m_dwSelectColor = dwColor;
    if (m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_COLORCHANGED);
}

void CColorPaletteUI::PickInField(POINT pt) {
    const RECT rc = GetFieldRect();
    THsbColor hsb = m_hsb;
    hsb.fHue = 360.0 * Fraction(pt.x, rc.left, rc.right);
    if (hsb.fHue >= 360.0) hsb.fHue = 0.0;  // the right edge is red again
    hsb.fSaturation = 1.0 - Fraction(pt.y, rc.top, rc.bottom);
    Pick(hsb);
}

void CColorPaletteUI::PickInBar(POINT pt) {
    const RECT rc = GetBarRect();
    THsbColor hsb = m_hsb;
    hsb.fBrightness = Fraction(pt.x, rc.left, rc.right);
    Pick(hsb);
}

bool CColorPaletteUI::StepWithKey(wchar_t chKey) {
    THsbColor hsb = m_hsb;
    switch (chKey) {
        case VK_LEFT: hsb.fHue = std::fmod(hsb.fHue + 360.0 - kHueStep, 360.0); break;
        case VK_RIGHT: hsb.fHue = std::fmod(hsb.fHue + kHueStep, 360.0); break;
        case VK_UP: hsb.fSaturation = std::min(1.0, hsb.fSaturation + kFractionStep); break;
        case VK_DOWN: hsb.fSaturation = std::max(0.0, hsb.fSaturation - kFractionStep); break;
        case VK_PRIOR: hsb.fBrightness = std::min(1.0, hsb.fBrightness + kFractionStep); break;
        case VK_NEXT: hsb.fBrightness = std::max(0.0, hsb.fBrightness - kFractionStep); break;
        default: return false;
    }
    const DWORD dwBefore = m_dwSelectColor;
    Pick(hsb);
    // A key press is a finished change, as a drag is once the button is up.
    if (m_dwSelectColor != dwBefore && m_pManager != nullptr) {
        m_pManager->SendNotify(this, DUI_MSGTYPE_COLORCHANGEDBUTTONUP);
    }
    return true;
}

void CColorPaletteUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK: {
            if (!IsEnabled()) return;
            const RECT rcField = GetFieldRect();
            const RECT rcBar = GetBarRect();
            if (::PtInRect(&rcField, event.ptMouse)) {
                m_eDrag = EDrag::Field;
                PickInField(event.ptMouse);
            } else if (::PtInRect(&rcBar, event.ptMouse)) {
                m_eDrag = EDrag::Bar;
                PickInBar(event.ptMouse);
            }
            return;
        }
        case UIEVENT_MOUSEMOVE:
            // The drag follows the pointer beyond the edges (the manager holds the capture).
            if (m_eDrag == EDrag::Field) PickInField(event.ptMouse);
            if (m_eDrag == EDrag::Bar) PickInBar(event.ptMouse);
            return;
        case UIEVENT_BUTTONUP:
            // The colour is where the last move left it (a press ended by a lost capture has
            // no point to pick).
            if (m_eDrag != EDrag::None) {
                m_eDrag = EDrag::None;
                if (m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_COLORCHANGEDBUTTONUP);
            }
            return;
        case UIEVENT_KEYDOWN:
            if (IsEnabled() && StepWithKey(event.chKey)) return;
            break;
        default:
            break;
    }
    CControlUI::DoEvent(event);
}

void CColorPaletteUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"barheight") SetBarHeight(ParseInt(pstrValue));
    else if (sName == L"bargap") SetBarGap(ParseInt(pstrValue));
    else if (sName == L"selectcolor") SetSelectColor(ParseColor(pstrValue));
    else CControlUI::SetAttribute(pstrName, pstrValue);
}

}  // namespace DuiLib
