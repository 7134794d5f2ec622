#include "core/dialogs/msg_wnd.h"

#include "core/dialogs/dialog_lifetime.h"

using namespace DuiLib;

void CMsgWnd::OnFinalMessage(HWND hWnd) { FinishDialogWindow(this, hWnd); }

void CMsgWnd::InitWindow() {
    m_pBtnOk = m_PaintManager.FindControl(L"btn_ok");
    m_pBtnCancel = m_PaintManager.FindControl(L"btn_cancel");
    m_pWarningTitle = m_PaintManager.FindControl(L"warning_title");
    m_pWarning = m_PaintManager.FindControl(L"warning");
    // Both labels hold text ids; the language file gives what they show.
    if (m_pWarningTitle != nullptr) {
        m_pWarningTitle->SetResourceText(true);
        m_pWarningTitle->SetText(m_strTitle);
    }
    if (m_pWarning != nullptr) {
        m_pWarning->SetResourceText(true);
        m_pWarning->SetText(m_strMessage);
    }
}

void CMsgWnd::Notify(TNotifyUI& msg) {
    if (msg.sType != DUI_MSGTYPE_CLICK || msg.pSender == nullptr) return;
    if (msg.pSender == m_pBtnOk) {
        Close(1);
    } else if (msg.pSender == m_pBtnCancel) {
        Close(0);
    }
}

UINT RunMsgWnd(HWND hOwner, LPCWSTR pszMessageId, LPCWSTR pszWindowName) {
    CMsgWnd box;
    box.m_strTitle = kWarningTitleTextId;
    box.m_strMessage = pszMessageId;
    if (box.Create(hOwner, pszWindowName, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return 0;
    box.CenterWindow();
    return box.ShowModal();
}
