// The main window's settings: language, start with Windows and the feedback option.
#include "core/app/main_wnd.h"

#include "core/util/folders.h"

using namespace DuiLib;

namespace {

void LoadLanguageFile(int iLanId) { CResourceManager::GetInstance()->LoadLanguage(LanguageFile(iLanId)); }

}  // namespace

void CMainWnd::InitSettings() {
    const LANGID wUiLanguage = s_pfnUiLanguage();
    const int iFileLanguage = m_Settings.ReadLanguage();
    m_iLanId = ChooseLanguage(iFileLanguage, wUiLanguage);
    LoadLanguageFile(m_iLanId);
    if (m_iLanId != iFileLanguage) m_Settings.SaveLanguageSetting(m_iLanId);

    const int iStartup = m_Settings.ReadStartup();
    m_iStartup = iStartup > 0 ? iStartup : 0;
    m_iFeedback = m_Settings.ReadFeedback();

    // A value in the Run key switches autostart on; a missing one never switches it off.
    if (CAutostart(GetModuleFilePath(nullptr)).IsRegistered()) {
        m_iStartup = 1;
        m_Settings.SaveStartupSetting(1);
    }
}

void CMainWnd::OnLanguageChanged(int iLanId) {
    LoadLanguageFile(iLanId);
    CResourceManager::GetInstance()->ReloadText();
    ::InvalidateRect(m_hWnd, nullptr, TRUE);
    m_PaintManager.NeedUpdate();
    for (int n = 1; n <= kModelCount; ++n)
        if (PageActive(n)) Page(n)->RefreshControls();
    m_iLanId = iLanId;
    m_Settings.SaveLanguageSetting(iLanId);
}

void CMainWnd::OnStartupChanged(WPARAM wParam) {
    const CAutostart autostart(GetModuleFilePath(nullptr));
    if (wParam == 1) {
        const bool bWritten = autostart.Register();
        OutputDebugStringW(bWritten ? L"startup success!!!!!!!!!!!!" : L"startup fail!!!!!!!!!!!!");
        // A value that could not be written is not reported as switched on.
        m_iStartup = bWritten ? 1 : 0;
        m_Settings.SaveStartupSetting(m_iStartup);
        return;
    }
    m_iStartup = static_cast<int>(wParam);
    m_Settings.SaveStartupSetting(0);
    autostart.Unregister();
}

void CMainWnd::OnFeedbackChanged(WPARAM wParam) {
    m_iFeedback = static_cast<int>(wParam);
    m_Settings.SaveFeedbackSetting(wParam == 1 ? 1 : 0);
}
