// CColorPaletteUI: painting of the field, the brightness bar and the two thumbs.
#include <algorithm>
#include <cmath>

#include "ui/base/win_handles.h"
#include "ui/palette/color_palette.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

namespace {

constexpr int kFieldThumbRadius = 5;
constexpr int kBarThumbWidth = 4;
constexpr DWORD kThumbColor = 0xFFFFFFFF;
constexpr DWORD kThumbEdgeColor = 0xFF202020;

// Copies 0x00RRGGBB pixels (top row first) to the DC at rc.
void PutPixels(HDC hDC, const RECT& rc, const std::vector<DWORD>& pixels) {
    const int cx = rc.right - rc.left, cy = rc.bottom - rc.top;
    if (cx <= 0 || cy <= 0 || pixels.size() != static_cast<size_t>(cx) * static_cast<size_t>(cy)) return;
    const BITMAPINFO bmi = TopDownDib32(cx, cy);
    ::SetDIBitsToDevice(hDC, rc.left, rc.top, static_cast<DWORD>(cx), static_cast<DWORD>(cy), 0, 0, 0,
                        static_cast<UINT>(cy), pixels.data(), &bmi, DIB_RGB_COLORS);
}

// Where a fraction 0..1 lies along [first, last), both ends reachable.
LONG Along(double fFraction, LONG first, LONG last) {
    if (last - first <= 1) return first;
    return first + static_cast<LONG>(std::lround(std::clamp(fFraction, 0.0, 1.0) * (last - first - 1)));
}

void DrawRing(HDC hDC, POINT pt, int nRadius, int nWidth, DWORD dwColor) {
    GdiObject<HPEN> hPen(::CreatePen(PS_SOLID, nWidth, CRenderEngine::ToColorRef(dwColor)));
    SelectObjectScope selPen(hDC, hPen.Get());
    SelectObjectScope selBrush(hDC, ::GetStockObject(NULL_BRUSH));
    ::Ellipse(hDC, pt.x - nRadius, pt.y - nRadius, pt.x + nRadius + 1, pt.y + nRadius + 1);
}

}  // namespace

void CColorPaletteUI::PaintStatusImage(HDC hDC) {
    const RECT rcField = GetFieldRect();
    const RECT rcBar = GetBarRect();
    SavedDcState saved(hDC);
    ::IntersectClipRect(hDC, m_rcItem.left, m_rcItem.top, m_rcItem.right, m_rcItem.bottom);
    PaintField(hDC, rcField);
    PaintBar(hDC, rcBar);
    PaintThumbs(hDC, rcField, rcBar);
}

void CColorPaletteUI::PaintField(HDC hDC, const RECT& rcField) {
    const SIZE sz{rcField.right - rcField.left, rcField.bottom - rcField.top};
    if (sz.cx <= 0 || sz.cy <= 0) return;
    if (sz.cx != m_szField.cx || sz.cy != m_szField.cy) {
        m_szField = sz;
        m_fieldPixels.assign(static_cast<size_t>(sz.cx) * static_cast<size_t>(sz.cy), 0);
        for (LONG y = 0; y < sz.cy; ++y) {
            for (LONG x = 0; x < sz.cx; ++x) {
                THsbColor hsb;
                hsb.fHue = sz.cx > 1 ? 360.0 * x / (sz.cx - 1) : 0.0;
                hsb.fSaturation = sz.cy > 1 ? 1.0 - static_cast<double>(y) / (sz.cy - 1) : 1.0;
                hsb.fBrightness = 1.0;
                m_fieldPixels[static_cast<size_t>(y) * sz.cx + x] = HsbToRgb(hsb);
            }
        }
    }
    PutPixels(hDC, rcField, m_fieldPixels);
}

void CColorPaletteUI::PaintBar(HDC hDC, const RECT& rcBar) {
    const LONG cx = rcBar.right - rcBar.left, cy = rcBar.bottom - rcBar.top;
    if (cx <= 0 || cy <= 0) return;
    std::vector<DWORD> row(static_cast<size_t>(cx));
    for (LONG x = 0; x < cx; ++x) {
        THsbColor hsb = m_hsb;
        hsb.fBrightness = cx > 1 ? static_cast<double>(x) / (cx - 1) : 1.0;
        row[x] = HsbToRgb(hsb);
    }
    std::vector<DWORD> pixels;
    pixels.reserve(static_cast<size_t>(cx) * cy);
    for (LONG y = 0; y < cy; ++y) pixels.insert(pixels.end(), row.begin(), row.end());
    PutPixels(hDC, rcBar, pixels);
}

void CColorPaletteUI::PaintThumbs(HDC hDC, const RECT& rcField, const RECT& rcBar) {
    if (rcField.bottom > rcField.top) {
        const POINT pt{Along(m_hsb.fHue / 360.0, rcField.left, rcField.right),
                       Along(1.0 - m_hsb.fSaturation, rcField.top, rcField.bottom)};
        DrawRing(hDC, pt, kFieldThumbRadius + 1, 1, kThumbEdgeColor);
        DrawRing(hDC, pt, kFieldThumbRadius, 2, kThumbColor);
    }
    if (rcBar.bottom > rcBar.top) {
        const LONG x = Along(m_hsb.fBrightness, rcBar.left, rcBar.right);
        RECT rcThumb{x - kBarThumbWidth / 2, rcBar.top, x - kBarThumbWidth / 2 + kBarThumbWidth, rcBar.bottom};
        rcThumb.left = std::max(rcThumb.left, rcBar.left);
        rcThumb.right = std::min(rcThumb.right, rcBar.right);
        CRenderEngine::DrawColor(hDC, rcThumb, kThumbColor);
        CRenderEngine::DrawRect(hDC, RECT{rcThumb.left - 1, rcThumb.top, rcThumb.right + 1, rcThumb.bottom}, 1,
                                kThumbEdgeColor);
    }
}

}  // namespace DuiLib
