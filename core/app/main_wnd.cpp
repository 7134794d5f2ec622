#include "core/app/main_wnd.h"

#include "core/app/about_wnd.h"

#include "models/table/model_table.h"
#include "core/util/folders.h"
#include "core/util/key_services.h"
#include "core/util/string_helpers.h"

using namespace DuiLib;

LANGID (*CMainWnd::s_pfnUiLanguage)() = &GetUserDefaultUILanguage;

CMainWnd::CMainWnd(const PageFactoryTable& factories) : m_Settings(GetDataFolder() + L"CONFIG.ini") {
    for (size_t i = 0; i < m_pages.size(); ++i) m_pages[i] = factories[i]();
}

CMainWnd::~CMainWnd() {
    for (int n = 1; n <= kModelCount; ++n) RemoveVirtualWnd(VirtualWindowName(n).c_str());
    // Nothing may reach a page once the pages start to go.
    ShutdownBackgroundWork();
    SetStorageProblemSink({});
    for (int n = kModelCount; n >= 1; --n) {
        std::unique_ptr<CPageBase>& page = m_pages[static_cast<size_t>(n - 1)];
        // A worker still inside a device call uses its page until the process ends with it.
        if (page && page->Wedged())
            (void)page.release();
        else
            page.reset();
    }
}

void CMainWnd::LoadHookDll() {
    m_hHookDll = LoadLibraryW((GetExeFolder() + L"Hook.dll").c_str());
    if (m_hHookDll == nullptr) return;  // the program goes on without key capture
    m_HookTable = ResolveHookTable(m_hHookDll);
}

void CMainWnd::InitWindow() {
    // Key names are looked up in the current language too.
    SetLanguageTextSource(&LanguageTextOf);
    // A data file that cannot be read at start or written later is told, once.
    SetStorageProblemSink([this](StorageProblem eProblem) { OnStorageProblem(eProblem); });
    ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG,
                 reinterpret_cast<LPARAM>(LoadIconW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(107))));
    InitSettings();
    ::SetWindowTextW(m_hWnd, LanguageTextOf(L"mouse_name_text").c_str());

    m_pMinBtn = m_PaintManager.FindControl(L"min_btn");
    m_pExitBtn = m_PaintManager.FindControl(L"exit_btn");
    m_pAboutBtn = m_PaintManager.FindControl(L"about_btn");
    m_pDeviceTab = static_cast<CTabLayoutUI*>(m_PaintManager.FindControl(L"device_tab_switch"));
    if (CControlUI* pStrip = m_PaintManager.FindControl(L"device_tabs"))
        m_pDeviceStrip = static_cast<CHorizontalLayoutUI*>(pStrip->GetInterface(L"HorizontalLayout"));
    for (int n = 1; n <= kModelCount; ++n) {
        const std::wstring strName = NumberedName(L"option_device_%d", n);
        m_pOptionDevice[static_cast<size_t>(n - 1)] = static_cast<COptionUI*>(m_PaintManager.FindControl(strName.c_str()));
    }
    // Arrivals are heard from now on; the devices are looked at once the window has painted (a
    // timer's message comes after the paint), also when it starts hidden in the tray.
    m_UsbNotification = RegisterUsbNotification(m_hWnd);
    ::SetTimer(m_hWnd, TIMER_START_DEVICES, 1, nullptr);
}

void CMainWnd::Notify(TNotifyUI& msg) {
    if (!msg.sVirtualWnd.IsEmpty()) {
        WindowImplBase::Notify(msg);  // to the page registered under that name
        return;
    }
    if (msg.sType == DUI_MSGTYPE_CLICK)
        OnClick(msg);
    else if (msg.sType == DUI_MSGTYPE_SELECTCHANGED)
        OnSelectChanged(msg);
}

void CMainWnd::OnClick(TNotifyUI& msg) {
    if (msg.pSender == nullptr) return;
    if (msg.pSender == m_pExitBtn) {
        ShowWindow(false, true);  // the program keeps running in the tray
    } else if (msg.pSender == m_pMinBtn) {
        ::SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    } else if (msg.pSender == m_pAboutBtn) {
        ShowAbout();
    }
}

void CMainWnd::ShowAbout() {
    CAboutWnd about;
    about.m_bAutoDelete = false;
    about.m_iLanId = m_iLanId;
    about.m_iStartup = m_iStartup;
    about.m_iFeedback = m_iFeedback;
    about.m_hOwnerWnd = m_hWnd;
    about.Create(m_hWnd, nullptr, 0x90000000, 0x80, 0, 0, 800, 800);
    about.CenterWindow();
    about.ShowModal();
}

void CMainWnd::OnTrayIcon(LPARAM lMouseMessage) {
    if (lMouseMessage == WM_LBUTTONUP)
        ShowFromTray(false);
    else if (lMouseMessage == WM_RBUTTONUP)
        OpenTrayMenu();
}

void CMainWnd::OpenTrayMenu() {
    // One tray menu at a time: the previous object goes (closing its window if still open).
    m_pTrayMenu = std::make_unique<CMenuWnd>();
    POINT pt;
    GetCursorPos(&pt);
    pt.y -= 50;
    m_pTrayMenu->Init(nullptr, L"traymenu.xml", pt, &m_PaintManager, nullptr, eMenuAlignment_Left | eMenuAlignment_Top);
    m_pTrayMenu->ResizeMenu();
}

void CMainWnd::OnMenuClick(const std::wstring& strName) {
    if (_wcsicmp(strName.c_str(), L"configuration") == 0) {
        ShowFromTray(true);
        return;
    }
    if (_wcsicmp(strName.c_str(), L"exit") == 0) {
        m_iExitTries = 0;
        RequestExit();
        return;
    }
    for (int n = 1; n <= kModelCount; ++n) {
        const std::wstring prefix = ControlPrefix(n);
        // A name shorter than a prefix (an empty one too) belongs to no page.
        if (PageActive(n) && strName.size() >= prefix.size() && MatchPrefix(strName, prefix))
            Page(n)->OnKeyMenuClick(strName.c_str());
    }
}

void CMainWnd::OnSelectChanged(TNotifyUI& msg) {
    for (int n = 1; n <= kModelCount; ++n) {
        if (msg.pSender != nullptr && msg.pSender == m_pOptionDevice[static_cast<size_t>(n - 1)]) {
            if (m_pDeviceTab != nullptr) m_pDeviceTab->SelectItem(n);
            ShowSelectedTab();
            return;
        }
    }
}

void CMainWnd::UpdateDeviceOptions() {
    ++m_iTabRefreshes;
    m_bAnyConnected = 0;
    for (int n = 1; n <= kModelCount; ++n) {
        COptionUI* pOption = m_pOptionDevice[static_cast<size_t>(n - 1)];
        if (Page(n)->Online() != 0) {
            m_bConnected[static_cast<size_t>(n - 1)] = 1;
            ++m_bAnyConnected;
            if (pOption != nullptr) pOption->SetVisible(true);
        } else {
            m_bConnected[static_cast<size_t>(n - 1)] = 0;
            if (pOption == nullptr) continue;
            pOption->SetVisible(false);
            if (pOption->IsSelected()) pOption->Selected(false, true);
        }
    }
    if (::IsWindowVisible(m_hWnd)) SelectFirstDevice();
    // Tabs that came or went before the selected one must not push it out of the strip.
    ShowSelectedTab();
}

void CMainWnd::SelectFirstDevice() {
    for (int n = 1; n <= kModelCount; ++n) {
        if (m_bConnected[static_cast<size_t>(n - 1)] == 0) continue;
        if (COptionUI* pOption = m_pOptionDevice[static_cast<size_t>(n - 1)]) pOption->Selected(true, false);
        if (m_pDeviceTab != nullptr) m_pDeviceTab->SelectItem(n);
        break;
    }
    if (m_bAnyConnected == 0 && m_pDeviceTab != nullptr) m_pDeviceTab->SelectItem(0);
    ShowSelectedTab();
}

void CMainWnd::ShowSelectedTab() {
    if (m_pDeviceStrip == nullptr) return;
    for (COptionUI* pOption : m_pOptionDevice) {
        if (pOption != nullptr && pOption->IsSelected() && pOption->IsVisible()) {
            m_pDeviceStrip->EnsureVisible(pOption);
            return;
        }
    }
}

void CMainWnd::ShowFromTray(bool bAlwaysSelect) {
    if (bAlwaysSelect || !::IsWindowVisible(m_hWnd)) {
        SelectFirstDevice();
        ::ShowWindow(m_hWnd, SW_SHOW);
    }
    if (::IsIconic(m_hWnd)) ::SendMessageW(m_hWnd, WM_SYSCOMMAND, SC_RESTORE, 0);
    ::SetForegroundWindow(m_hWnd);
}

LRESULT CMainWnd::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    // Before the controls go: no thread, timer or Bluetooth callback may reach a page after this.
    ShutdownBackgroundWork();
    m_UsbNotification.Reset();
    if (m_hHookDll != nullptr) {
        if (m_HookTable.pfnRemoveMouseHook != nullptr) m_HookTable.pfnRemoveMouseHook();
        if (m_HookTable.pfnRemoveHook != nullptr) m_HookTable.pfnRemoveHook();
        FreeLibrary(m_hHookDll);
        m_hHookDll = nullptr;
        m_HookTable = HookTable{};
    }
    ::PostQuitMessage(0);
    return WindowImplBase::OnDestroy(uMsg, wParam, lParam, bHandled);
}
