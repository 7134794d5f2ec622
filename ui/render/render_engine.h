// CRenderEngine: the drawing primitives of the controls: colour fills (with alpha), borders,
// images (AlphaBlend of premultiplied DIBs, nine-grid) and text (DrawTextW).
#pragma once

#include <windows.h>

#include "ui/render/image_string.h"
#include "ui/resource/image_cache.h"

namespace DuiLib {

class CPaintManagerUI;

class CRenderEngine {
public:
    // 0xAARRGGBB to a GDI colour (alpha dropped).
    static COLORREF ToColorRef(DWORD dwColor) {
        return RGB((dwColor >> 16) & 0xFF, (dwColor >> 8) & 0xFF, dwColor & 0xFF);
    }

    // Fills rc with an 0xAARRGGBB colour; alpha 0 draws nothing, below 255 blends.
    static void DrawColor(HDC hDC, const RECT& rc, DWORD dwColor);
    // Fills a rectangle with rounded corners (opaque colours; others fall back to DrawColor).
    static void DrawRoundColor(HDC hDC, const RECT& rc, SIZE szRound, DWORD dwColor);
    // A border of nSize pixels inside rc.
    static void DrawRect(HDC hDC, const RECT& rc, int nSize, DWORD dwColor);
    static void DrawRoundRect(HDC hDC, const RECT& rc, SIZE szRound, int nSize, DWORD dwColor);

    // Draws the part rcSource of the image into rcDest, keeping rcCorner unstretched.
    static void DrawImage(HDC hDC, const TImageInfo& image, const RECT& rcDest, const RECT& rcSource,
                          const RECT& rcCorner, BYTE uFade, bool bHole);
    // Draws an image string inside rcItem; false when its image cannot be loaded.
    static bool DrawImageString(HDC hDC, CPaintManagerUI* pManager, const RECT& rcItem, const RECT& rcPaint,
                                LPCWSTR pstrImage, LPCWSTR pstrModify = nullptr);

    // DrawTextW with the manager's font iFont (-1 = default) in an 0xAARRGGBB colour.
    // With DT_CALCRECT in uStyle, rc receives the size the text needs and nothing is drawn.
    static void DrawText(HDC hDC, CPaintManagerUI* pManager, RECT& rc, LPCWSTR pstrText, DWORD dwTextColor,
                         int iFont, UINT uStyle);
};

}  // namespace DuiLib
