#include "core/dialogs/dpi_color_wnd.h"

#include <cwctype>

#include "core/dialogs/dialog_lifetime.h"

using namespace DuiLib;

namespace {

constexpr int kComponentSaturation = 100000;  // far above 255, far below int overflow

// Keeps the whole window on the work area of the monitor nearest to its corner.
POINT KeepOnWorkArea(POINT pt, int cx, int cy) {
    MONITORINFO mi{sizeof(mi)};
    if (!::GetMonitorInfoW(::MonitorFromPoint(pt, MONITOR_DEFAULTTONEAREST), &mi)) return pt;
    const RECT& rc = mi.rcWork;
    if (pt.x + cx > rc.right) pt.x = rc.right - cx;
    if (pt.y + cy > rc.bottom) pt.y = rc.bottom - cy;
    if (pt.x < rc.left) pt.x = rc.left;
    if (pt.y < rc.top) pt.y = rc.top;
    return pt;
}

CDuiString DecimalText(int iValue) {
    CDuiString s;
    s.Format(L"%d", iValue);
    return s;
}

}  // namespace

int ParseColorComponent(std::wstring_view sText) {
    size_t i = 0;
    while (i < sText.size() && std::iswspace(sText[i])) ++i;
    bool bNegative = false;
    if (i < sText.size() && (sText[i] == L'-' || sText[i] == L'+')) bNegative = sText[i++] == L'-';
    int iValue = 0;
    for (; i < sText.size() && sText[i] >= L'0' && sText[i] <= L'9'; ++i) {
        iValue = iValue * 10 + (sText[i] - L'0');
        if (iValue > kComponentSaturation) iValue = kComponentSaturation;
    }
    return bNegative ? -iValue : iValue;
}

CDpiColorWnd::CDpiColorWnd()
    : m_dwPresets{0xFF00FFFF, 0xFF6CFF00, 0xFF7F00FF, 0xFF007FFF, 0xFF0000FF, 0xFF7FFF00, 0xFFFF5400, 0xFFFF7F00,
                  0xFFFFB400, 0xFFFFFF00, 0xFFFF0000, 0xFFFF00FF, 0xFF1EB40A, 0xFF48B1FF, 0xFFFF48B0, 0xFFFFFFFF} {}

void CDpiColorWnd::OnFinalMessage(HWND hWnd) { FinishDialogWindow(this, hWnd); }

void CDpiColorWnd::InitWindow() {
    const POINT pt = KeepOnWorkArea(m_ptPos, kWidth, kHeight);
    ::SetWindowPos(m_hWnd, nullptr, pt.x, pt.y, kWidth, kHeight, SWP_NOACTIVATE | SWP_NOZORDER);

    m_pConfirmBtn = m_PaintManager.FindControl(L"confirm_btn");
    m_pCancelBtn = m_PaintManager.FindControl(L"cancel_btn");
    m_pColorShow = m_PaintManager.FindControl(L"color_show_control");
    for (int i = 0; i < kDpiColorPresetCount; ++i) {
        CDuiString sName;
        sName.Format(L"mouse_dpi_color_%d", i + 1);
        m_pPresets[i] = m_PaintManager.FindControl(sName);
        // The swatch shows the colour it picks.
        if (m_pPresets[i] != nullptr) m_pPresets[i]->SetBkColor(m_dwPresets[i]);
    }
    m_pPalette = static_cast<CColorPaletteUI*>(m_PaintManager.FindControl(L"ColorPallet"));
    m_pEditR = static_cast<CRichEditUI*>(m_PaintManager.FindControl(L"r_edit"));
    m_pEditG = static_cast<CRichEditUI*>(m_PaintManager.FindControl(L"g_edit"));
    m_pEditB = static_cast<CRichEditUI*>(m_PaintManager.FindControl(L"b_edit"));

    if (m_pPalette != nullptr) m_pPalette->SetSelectColor(m_dwColor);
    if (m_pColorShow != nullptr) m_pColorShow->SetBkColor(m_dwColor);
    ShowColorValues();
}

void CDpiColorWnd::ShowColorValues() {
    BYTE byRed = 0, byGreen = 0, byBlue = 0;
    DpiColorToRgb(m_dwColor, byRed, byGreen, byBlue);
    // Writing the edits raises no "textchanged", so the colour is not read back half-written.
    if (m_pEditR != nullptr) m_pEditR->SetText(DecimalText(byRed));
    if (m_pEditG != nullptr) m_pEditG->SetText(DecimalText(byGreen));
    if (m_pEditB != nullptr) m_pEditB->SetText(DecimalText(byBlue));
    if (m_pColorShow != nullptr) m_pColorShow->SetBkColor(DpiColorFromRgb(byRed, byGreen, byBlue));
}

void CDpiColorWnd::TakeColor(DWORD dwColor, bool bFromPalette) {
    m_dwColor = dwColor;
    if (!bFromPalette && m_pPalette != nullptr) m_pPalette->SetSelectColor(dwColor);
    if (m_pColorShow != nullptr) m_pColorShow->SetBkColor(dwColor);
    ShowColorValues();
}

void CDpiColorWnd::Notify(TNotifyUI& msg) {
    if (msg.pSender == nullptr) return;
    if (msg.sType == DUI_MSGTYPE_CLICK) {
        OnClick(msg);
    } else if ((msg.sType == DUI_MSGTYPE_COLORCHANGED || msg.sType == DUI_MSGTYPE_COLORCHANGEDBUTTONUP) &&
               msg.pSender == m_pPalette) {
        TakeColor(m_pPalette->GetSelectColor(), true);
    } else if (msg.sType == DUI_MSGTYPE_TEXTCHANGED) {
        OnColorEditChanged(msg);
    }
}

void CDpiColorWnd::OnClick(TNotifyUI& msg) {
    if (msg.pSender == m_pConfirmBtn) {
        Close(1);
        return;
    }
    if (msg.pSender == m_pCancelBtn) {
        Close(0);
        return;
    }
    for (int i = 0; i < kDpiColorPresetCount; ++i) {
        if (msg.pSender == m_pPresets[i]) {
            TakeColor(m_dwPresets[i], false);
            return;
        }
    }
}

void CDpiColorWnd::OnColorEditChanged(TNotifyUI& msg) {
    CRichEditUI* pEdit = nullptr;
    int iShift = 0;
    if (msg.pSender == m_pEditR) {
        pEdit = m_pEditR;
        iShift = 16;
    } else if (msg.pSender == m_pEditG) {
        pEdit = m_pEditG;
        iShift = 8;
    } else if (msg.pSender == m_pEditB) {
        pEdit = m_pEditB;
        iShift = 0;
    }
    if (pEdit != nullptr) {
        int iValue = ParseColorComponent(pEdit->GetText().str());
        // Out of range: the edit shows the nearest valid value, with the caret after it.
        if (iValue > 255 || iValue < 0) {
            iValue = iValue > 255 ? 255 : 0;
            const CDuiString sText = DecimalText(iValue);
            pEdit->SetText(sText);
            pEdit->SetSel(sText.GetLength(), sText.GetLength());
        }
        m_dwColor = (m_dwColor & ~(DWORD{0xFF} << iShift)) | (static_cast<DWORD>(iValue) << iShift);
    }
    m_dwColor |= 0xFF000000;
    if (m_pPalette != nullptr) m_pPalette->SetSelectColor(m_dwColor);
    if (m_pColorShow != nullptr) m_pColorShow->SetBkColor(m_dwColor);
}

bool RunDpiColorWnd(HWND hMainWnd, const CControlUI* pButton, BYTE* pRgb) {
    if (pButton == nullptr || pRgb == nullptr) return false;
    RECT rcMain{};
    ::GetWindowRect(hMainWnd, &rcMain);
    const RECT& rcButton = pButton->GetPos();
    CDpiColorWnd dialog;
    dialog.m_dwColor = DpiColorFromRgb(pRgb[0], pRgb[1], pRgb[2]);
    dialog.m_ptPos = CDuiPoint(rcMain.left + rcButton.left - 200, rcMain.top + rcButton.bottom);
    if (dialog.Create(hMainWnd, nullptr, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) {
        return false;
    }
    if (dialog.ShowModal() != 1) return false;
    DpiColorToRgb(dialog.m_dwColor, pRgb[0], pRgb[1], pRgb[2]);
    return true;
}
