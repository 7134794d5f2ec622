#include "core/app/about_wnd.h"

#include "core/app/app_messages.h"
#include "core/app/settings_file.h"
#include "core/app/version_text.h"

using namespace DuiLib;

void CAboutWnd::InitWindow() {
    m_pExit = m_PaintManager.FindControl(L"exit");
    m_pComboLan = static_cast<CComboUI*>(m_PaintManager.FindControl(L"combo_lan"));
    m_pCheckStartup = static_cast<CCheckBoxUI*>(m_PaintManager.FindControl(L"check_startup"));
    m_pCheckFeedback = static_cast<CCheckBoxUI*>(m_PaintManager.FindControl(L"check_window_feedback"));
    m_pVersion = m_PaintManager.FindControl(L"version");

    if (m_pComboLan != nullptr) m_pComboLan->SelectItem(m_iLanId - 1, false, false);
    if (m_pCheckStartup != nullptr) m_pCheckStartup->SetCheck(m_iStartup != 0);
    // A feedback value of -1 (no key in the settings file) shows checked.
    if (m_pCheckFeedback != nullptr) m_pCheckFeedback->SetCheck(m_iFeedback != 0);
    if (m_pVersion != nullptr) m_pVersion->SetText(FileVersionText(CPaintManagerUI::GetInstance()).c_str());
}

void CAboutWnd::Notify(TNotifyUI& msg) {
    if (msg.pSender == nullptr) return;
    if (msg.sType == DUI_MSGTYPE_CLICK && msg.pSender == m_pExit) {
        Close(0);
    } else if (msg.sType == DUI_MSGTYPE_ITEMSELECT && msg.pSender == m_pComboLan) {
        const int iLanId = static_cast<int>(msg.wParam) + 1;
        // The dialog itself changes language at once; the main window does the rest and saves.
        CResourceManager::GetInstance()->LoadLanguage(LanguageFile(iLanId));
        CResourceManager::GetInstance()->ReloadText();
        ::InvalidateRect(m_hWnd, nullptr, TRUE);
        m_PaintManager.NeedUpdate();
        ::PostMessageW(m_hOwnerWnd, WM_LANGUAGE, static_cast<WPARAM>(iLanId), 0);
    } else if (msg.sType == DUI_MSGTYPE_CHECKCLICK && msg.pSender == m_pCheckStartup) {
        ::PostMessageW(m_hOwnerWnd, WM_STARTUP, m_pCheckStartup->GetCheck() ? 1 : 0, 0);
    } else if (msg.sType == DUI_MSGTYPE_CHECKCLICK && msg.pSender == m_pCheckFeedback) {
        ::PostMessageW(m_hOwnerWnd, WM_FEEDBACK, m_pCheckFeedback->GetCheck() ? 1 : 0, 0);
    }
}

void CAboutWnd::OnFinalMessage(HWND hWnd) {
    if (!m_bAutoDelete) return;
    WindowImplBase::OnFinalMessage(hWnd);
    delete this;
}
