// The program's only top-level window: the device tabs, the 24 model pages behind them, the
// router of custom messages, the timers of all pages, the tray icon and its menu, the
// settings, Hook.dll for the pages and dialogs that capture keys, and the receivers.
//
// Start-up shows the window first: its creation sets up only what it shows. Once it has
// painted (TIMER_START_DEVICES), the tray icon, Hook.dll and the receivers start, and one HID
// enumeration tells which models' mice are there. A model's page stays dormant (no skin, no
// worker, no driver library, no data read) until its mouse is found: at that look, on a
// receiver, or by the arrival of its cable or Bluetooth interface.
#pragma once

#include "core/app/app_messages.h"
#include "core/app/autostart.h"
#include "plugins/include/hook_api.h"
#include "models/table/model_table.h"
#include "core/app/page_factories.h"
#include "core/devices/receiver_manager.h"
#include "core/app/settings_file.h"
#include "models/data/storage_problems.h"
#include "ui/ui.h"
#include "core/util/usb_notification.h"

#include <array>
#include <atomic>
#include <memory>

class CMainWnd : public DuiLib::WindowImplBase, private IReceiverHost {
public:
    // Builds the pages from the factories, MS_1 first.
    explicit CMainWnd(const PageFactoryTable& factories = ModelPageFactories());
    // The pages go from MS_24 down to MS_1, after their background work has ended.
    ~CMainWnd() override;

    LPCWSTR GetWindowClassName() const override { return kProgramName; }
    UINT GetClassStyle() const override { return CS_DBLCLKS; }
    DuiLib::CDuiString GetSkinFile() override { return L"main.xml"; }
    DuiLib::CControlUI* CreateControl(LPCWSTR) override { return nullptr; }
    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    void OnSelectChanged(DuiLib::TNotifyUI& msg);
    // A close request (the system menu, Alt+F4) ends the program as the tray's "Exit" does.
    LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    // Esc does nothing here: the main window ends only by the tray menu or a close request.
    LRESULT ResponseDefaultKeyEvent(WPARAM) override { return FALSE; }

    // The tab refresh (WM_DEVICELISTCHANGED) and the choice of the tab to show.
    void UpdateDeviceOptions();
    void SelectFirstDevice();
    // Window timers: the receivers' arrival timers and every page's timers.
    void OnTimer(UINT_PTR uId);
    void OnDeviceChange(WPARAM wEvent, LPARAM lHeader);
    void OnLanguageChanged(int iLanId);
    void OnStartupChanged(WPARAM wParam);
    void OnFeedbackChanged(WPARAM wParam);
    // Shows the window from the tray, the tray menu or a second instance.
    void ShowFromTray(bool bAlwaysSelect);
    // The tray icon's callbacks, the tray menu, and a chosen menu item.
    void OnTrayIcon(LPARAM lMouseMessage);
    void OpenTrayMenu();
    void OnMenuClick(const std::wstring& strName);
    void ShowAbout();
    DuiLib::CMenuWnd* TrayMenu() { return m_pTrayMenu.get(); }
    DuiLib::CTrayIcon& TrayIcon() { return m_TrayIcon; }

    // Ends the program as the tray's "Exit" does: a dialog still open is closed first (as
    // Cancel) and its page finishes what it was doing; then the shut-down steps, a storage
    // problem not yet told, and the window's end.
    void RequestExit();
    // The end of the Windows session (WM_ENDSESSION with TRUE): the shut-down steps, at once.
    void EndSession();
    // UI thread: shows each storage problem reported and not shown yet, once per run.
    void ShowStorageAlerts();

    // Starts model n's page if it is dormant: its skin in its tab, its context, its set-up and its
    // data, with what was found of the mouse. False when it was active already.
    bool ActivatePage(int n, const DevicesFound& found = {});
    bool PageActive(int n) const { return n >= 1 && n <= kModelCount && m_bPageActive[static_cast<size_t>(n - 1)]; }
    // The devices have started (the start-up's second half has run).
    bool DevicesStarted() const { return m_bDevicesStarted; }

    // Page of model n (1..24), nullptr outside the range.
    CPageBase* Page(int n) {
        return n >= 1 && n <= kModelCount ? m_pages[static_cast<size_t>(n - 1)].get() : nullptr;
    }
    const HookTable& Hooks() const { return m_HookTable; }
    CReceiverManager& Receivers() { return m_Receivers; }
    int AnyConnected() const { return m_bAnyConnected; }
    // How many tab refreshes have run (diagnostics).
    int TabRefreshCount() const { return m_iTabRefreshes; }
    bool Connected(int n) const { return n >= 1 && n <= kModelCount && m_bConnected[static_cast<size_t>(n - 1)] != 0; }
    int LanguageId() const { return m_iLanId; }
    int StartupSetting() const { return m_iStartup; }
    int FeedbackSetting() const { return m_iFeedback; }

    // Where the user-interface language comes from (tests choose one).
    static LANGID (*s_pfnUiLanguage)();

private:
    // IReceiverHost: the receivers hand their events to the pages here.
    void PostToUiThread(std::function<void()> work) override;
    void AssignReceiver(ReceiverKind kind, int iModel, const HidDevicePtr& hDevice,
                        const HidDevicePtr& hOSDDevice) override;
    void DispatchReport(ReceiverKind kind, int iModel, const uint8_t* pReport) override;
    void ReceiverRemoved(ReceiverKind kind, int iModel) override;
    void RecordAcknowledgement(ReceiverKind kind, int iModel, int iEventWord, int iValue) override;

    // The start-up's second half, after the first paint.
    void StartDevices();
    // A device interface arrived: the dormant model whose cable or Bluetooth mouse it is starts.
    void ActivateArrivingModel(const std::wstring& strName);
    // Scrolls the tab strip so that the selected model's tab shows whole.
    void ShowSelectedTab();
    void InitSettings();
    void LoadHookDll();
    bool RoutePageMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    // The shut-down steps, once: no receiver, worker, Bluetooth registration or driver library
    // runs afterwards (but a worker held inside a device call), and every page has saved.
    void ShutdownBackgroundWork();
    // Asks the dialogs open over the window to close, innermost first; true when one was open.
    bool CloseOpenDialogs();
    // Any thread: a storage problem for the person to see.
    void OnStorageProblem(StorageProblem eProblem);

    DuiLib::CControlUI* m_pMinBtn = nullptr;
    DuiLib::CControlUI* m_pExitBtn = nullptr;
    DuiLib::CControlUI* m_pAboutBtn = nullptr;
    std::array<DuiLib::COptionUI*, kModelCount> m_pOptionDevice{};
    DuiLib::CTabLayoutUI* m_pDeviceTab = nullptr;
    // The strip the option controls stand in; it scrolls sideways when they overflow it.
    DuiLib::CHorizontalLayoutUI* m_pDeviceStrip = nullptr;

    HMODULE m_hHookDll = nullptr;
    HookTable m_HookTable;
    int m_bAnyConnected = 0;
    // Declared before the pages, so the icon goes after them.
    DuiLib::CTrayIcon m_TrayIcon;
    std::unique_ptr<DuiLib::CMenuWnd> m_pTrayMenu;
    std::array<std::unique_ptr<CPageBase>, kModelCount> m_pages;
    CReceiverManager m_Receivers{*this};
    std::array<int, kModelCount> m_bConnected{};
    std::array<bool, kModelCount> m_bPageActive{};
    bool m_bDevicesStarted = false;
    int m_iLanId = kLanguageEnglish;
    int m_iFeedback = -1;
    int m_iStartup = 0;
    CSettingsFile m_Settings;
    DeviceNotification m_UsbNotification;
    bool m_bShuttingDown = false;
    int m_iTabRefreshes = 0;
    int m_iExitTries = 0;
    // Storage problems reported (any thread) and shown (UI thread), by StorageProblem.
    std::array<std::atomic<bool>, 2> m_bStorageProblem{};
    std::array<bool, 2> m_bStorageProblemShown{};
};
