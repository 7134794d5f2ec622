// CPaintManagerUI: layout and double-buffered painting.
#include "ui/manager/paint_manager.h"

namespace DuiLib {

namespace {

constexpr DWORD kWindowBackground = 0xFF000000;

}  // namespace

void CPaintManagerUI::NeedUpdate() {
    m_bUpdateNeeded = true;
    Invalidate();
}

void CPaintManagerUI::Invalidate() {
    if (m_hWndPaint != nullptr) ::InvalidateRect(m_hWndPaint, nullptr, FALSE);
}

void CPaintManagerUI::Invalidate(const RECT& rcItem) {
    if (m_hWndPaint != nullptr) ::InvalidateRect(m_hWndPaint, &rcItem, FALSE);
}

void CPaintManagerUI::UpdateLayout() {
    if (m_pRoot == nullptr || m_hWndPaint == nullptr || !m_bUpdateNeeded) return;
    m_bUpdateNeeded = false;
    RECT rcClient;
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (::IsRectEmpty(&rcClient)) return;
    m_pRoot->SetPos(rcClient, false);
    m_bFirstLayout = false;
}

void CPaintManagerUI::Render(HDC hDC, const RECT& rcPaint) {
    UpdateLayout();
    SavedDcState saved(hDC);
    ::IntersectClipRect(hDC, rcPaint.left, rcPaint.top, rcPaint.right, rcPaint.bottom);
    GdiObject<HBRUSH> hBrush(::CreateSolidBrush(RGB((kWindowBackground >> 16) & 0xFF, (kWindowBackground >> 8) & 0xFF,
                                                    kWindowBackground & 0xFF)));
    ::FillRect(hDC, &rcPaint, hBrush.Get());
    if (m_pRoot != nullptr) m_pRoot->DoPaint(hDC, rcPaint);
}

bool CPaintManagerUI::EnsureOffscreen(int cx, int cy) {
    if (cx <= 0 || cy <= 0) return false;
    if (m_dcOffscreen && m_szOffscreen.cx == cx && m_szOffscreen.cy == cy) return true;
    m_dcOffscreen.Reset();
    m_bmpOffscreen.Reset();
    const BITMAPINFO bmi = TopDownDib32(cx, cy);
    void* pBits = nullptr;
    m_bmpOffscreen.Reset(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!m_bmpOffscreen) return false;
    m_dcOffscreen = MemoryDc(nullptr);
    if (!m_dcOffscreen) {
        m_bmpOffscreen.Reset();
        return false;
    }
    ::SelectObject(m_dcOffscreen.Get(), m_bmpOffscreen.Get());
    m_szOffscreen = SIZE{cx, cy};
    return true;
}

void CPaintManagerUI::OnPaint() {
    PAINTSTRUCT ps;
    HDC hDC = ::BeginPaint(m_hWndPaint, &ps);
    if (hDC == nullptr) return;
    RECT rcClient;
    ::GetClientRect(m_hWndPaint, &rcClient);
    if (EnsureOffscreen(rcClient.right - rcClient.left, rcClient.bottom - rcClient.top)) {
        Render(m_dcOffscreen.Get(), ps.rcPaint);
        ::BitBlt(hDC, ps.rcPaint.left, ps.rcPaint.top, ps.rcPaint.right - ps.rcPaint.left,
                 ps.rcPaint.bottom - ps.rcPaint.top, m_dcOffscreen.Get(), ps.rcPaint.left, ps.rcPaint.top, SRCCOPY);
    } else {
        Render(hDC, ps.rcPaint);
    }
    ::EndPaint(m_hWndPaint, &ps);
    if (!m_bWindowInitSent) {
        // "windowinit" follows the first paint, outside of it.
        m_bWindowInitSent = ::PostMessageW(m_hWndPaint, WM_DUI_WINDOWINIT, 0, 0) != FALSE;
    }
}

}  // namespace DuiLib
