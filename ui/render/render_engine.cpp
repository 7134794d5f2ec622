#include "ui/render/render_engine.h"

#include "ui/base/win_handles.h"
#include "ui/manager/paint_manager.h"
#include "ui/resource/resource_manager.h"

namespace DuiLib {

namespace {

// A 1x1 premultiplied pixel stretched with AlphaBlend: GDI has no translucent FillRect.
void BlendColor(HDC hDC, const RECT& rc, DWORD dwColor) {
    const BITMAPINFO bmi = TopDownDib32(1, 1);
    void* pBits = nullptr;
    GdiObject<HBITMAP> hBitmap(::CreateDIBSection(hDC, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!hBitmap || pBits == nullptr) return;
    const DWORD a = dwColor >> 24;
    const DWORD r = ((dwColor >> 16) & 0xFF) * a / 255;
    const DWORD g = ((dwColor >> 8) & 0xFF) * a / 255;
    const DWORD b = (dwColor & 0xFF) * a / 255;
    *static_cast<DWORD*>(pBits) = (a << 24) | (r << 16) | (g << 8) | b;
    MemoryDc dc(hDC);
    SelectObjectScope sel(dc.Get(), hBitmap.Get());
    BLENDFUNCTION bf{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    ::AlphaBlend(hDC, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top, dc.Get(), 0, 0, 1, 1, bf);
}

void BlitPart(HDC hDC, HDC hSrc, const RECT& rcDst, const RECT& rcSrc, bool bBlend, BYTE uFade) {
    const int cxDst = rcDst.right - rcDst.left, cyDst = rcDst.bottom - rcDst.top;
    const int cxSrc = rcSrc.right - rcSrc.left, cySrc = rcSrc.bottom - rcSrc.top;
    if (cxDst <= 0 || cyDst <= 0 || cxSrc <= 0 || cySrc <= 0) return;
    if (bBlend) {
        BLENDFUNCTION bf{AC_SRC_OVER, 0, uFade, AC_SRC_ALPHA};
        ::AlphaBlend(hDC, rcDst.left, rcDst.top, cxDst, cyDst, hSrc, rcSrc.left, rcSrc.top, cxSrc, cySrc, bf);
    } else if (cxDst == cxSrc && cyDst == cySrc) {
        ::BitBlt(hDC, rcDst.left, rcDst.top, cxDst, cyDst, hSrc, rcSrc.left, rcSrc.top, SRCCOPY);
    } else {
        ::StretchBlt(hDC, rcDst.left, rcDst.top, cxDst, cyDst, hSrc, rcSrc.left, rcSrc.top, cxSrc, cySrc, SRCCOPY);
    }
}

}  // namespace

void CRenderEngine::DrawColor(HDC hDC, const RECT& rc, DWORD dwColor) {
    if ((dwColor >> 24) == 0 || rc.right <= rc.left || rc.bottom <= rc.top) return;
    if ((dwColor >> 24) < 255) {
        BlendColor(hDC, rc, dwColor);
        return;
    }
    GdiObject<HBRUSH> hBrush(::CreateSolidBrush(ToColorRef(dwColor)));
    ::FillRect(hDC, &rc, hBrush.Get());
}

void CRenderEngine::DrawRoundColor(HDC hDC, const RECT& rc, SIZE szRound, DWORD dwColor) {
    if ((dwColor >> 24) < 255 || szRound.cx <= 0 || szRound.cy <= 0) {
        DrawColor(hDC, rc, dwColor);
        return;
    }
    GdiObject<HBRUSH> hBrush(::CreateSolidBrush(ToColorRef(dwColor)));
    GdiObject<HPEN> hPen(::CreatePen(PS_SOLID, 1, ToColorRef(dwColor)));
    SelectObjectScope selBrush(hDC, hBrush.Get());
    SelectObjectScope selPen(hDC, hPen.Get());
    ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, szRound.cx, szRound.cy);
}

void CRenderEngine::DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwColor) {
    if (nSize <= 0) return;
    DrawColor(hDC, RECT{rc.left, rc.top, rc.right, rc.top + nSize}, dwColor);
    DrawColor(hDC, RECT{rc.left, rc.bottom - nSize, rc.right, rc.bottom}, dwColor);
    DrawColor(hDC, RECT{rc.left, rc.top + nSize, rc.left + nSize, rc.bottom - nSize}, dwColor);
    DrawColor(hDC, RECT{rc.right - nSize, rc.top + nSize, rc.right, rc.bottom - nSize}, dwColor);
}

void CRenderEngine::DrawRoundRect(HDC hDC, const RECT& rc, SIZE szRound, int nSize, DWORD dwColor) {
    if (nSize <= 0 || (dwColor >> 24) == 0) return;
    if ((dwColor >> 24) < 255 || szRound.cx <= 0 || szRound.cy <= 0) {
        DrawRect(hDC, rc, nSize, dwColor);
        return;
    }
    GdiObject<HPEN> hPen(::CreatePen(PS_INSIDEFRAME, nSize, ToColorRef(dwColor)));
    SelectObjectScope selBrush(hDC, ::GetStockObject(NULL_BRUSH));
    SelectObjectScope selPen(hDC, hPen.Get());
    ::RoundRect(hDC, rc.left, rc.top, rc.right, rc.bottom, szRound.cx, szRound.cy);
}

void CRenderEngine::DrawImage(HDC hDC, const TImageInfo& image, const RECT& rcDest, const RECT& rcSource,
                              const RECT& rcCorner, BYTE uFade, bool bHole) {
    if (!image.hBitmap || uFade == 0) return;
    MemoryDc dc(hDC);
    SelectObjectScope sel(dc.Get(), image.hBitmap.Get());
    const bool bBlend = image.bAlpha || uFade < 255;
    ::SetStretchBltMode(hDC, COLORONCOLOR);

    const RECT& d = rcDest;
    const RECT& s = rcSource;
    const RECT& c = rcCorner;
    // Columns and rows of the nine parts, destination and source.
    const LONG dx[4] = {d.left, d.left + c.left, d.right - c.right, d.right};
    const LONG dy[4] = {d.top, d.top + c.top, d.bottom - c.bottom, d.bottom};
    const LONG sx[4] = {s.left, s.left + c.left, s.right - c.right, s.right};
    const LONG sy[4] = {s.top, s.top + c.top, s.bottom - c.bottom, s.bottom};
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            if (bHole && row == 1 && col == 1) continue;
            BlitPart(hDC, dc.Get(), RECT{dx[col], dy[row], dx[col + 1], dy[row + 1]},
                     RECT{sx[col], sy[row], sx[col + 1], sy[row + 1]}, bBlend, uFade);
        }
    }
}

bool CRenderEngine::DrawImageString(HDC hDC, CPaintManagerUI* /*pManager*/, const RECT& rcItem,
                                    const RECT& rcPaint, LPCWSTR pstrImage, LPCWSTR pstrModify) {
    TDrawInfo info;
    if (!info.Parse(pstrImage)) return false;
    info.ApplyModifier(pstrModify);
    const TImageInfo* pImage = CResourceManager::GetInstance()->GetImage(info.sFile.c_str());
    if (pImage == nullptr) return false;

    RECT rcDest = rcItem;
    if (info.bDest) {
        rcDest.left = rcItem.left + info.rcDest.left;
        rcDest.top = rcItem.top + info.rcDest.top;
        rcDest.right = rcItem.left + info.rcDest.right;
        rcDest.bottom = rcItem.top + info.rcDest.bottom;
        if (rcDest.right > rcItem.right) rcDest.right = rcItem.right;
        if (rcDest.bottom > rcItem.bottom) rcDest.bottom = rcItem.bottom;
    }
    RECT rcTest;
    if (!::IntersectRect(&rcTest, &rcDest, &rcItem) || !::IntersectRect(&rcTest, &rcDest, &rcPaint)) return true;

    RECT rcSource{0, 0, pImage->nX, pImage->nY};
    if (info.bSource) {
        rcSource = info.rcSource;
        if (rcSource.right > pImage->nX) rcSource.right = pImage->nX;
        if (rcSource.bottom > pImage->nY) rcSource.bottom = pImage->nY;
    }
    DrawImage(hDC, *pImage, rcDest, rcSource, info.rcCorner, info.uFade, info.bHole);
    return true;
}

void CRenderEngine::DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, LPCWSTR pstrText, DWORD dwTextColor,
                             int iFont, UINT uStyle) {
    if (pstrText == nullptr) return;
    HFONT hFont = pManager ? pManager->GetFont(iFont) : CFontTable::GetSystemDefault();
    SelectObjectScope sel(hDC, hFont);
    ::SetBkMode(hDC, TRANSPARENT);
    ::SetTextColor(hDC, ToColorRef(dwTextColor));
    ::DrawTextW(hDC, pstrText, -1, &rc, uStyle | DT_NOPREFIX);
}

}  // namespace DuiLib
