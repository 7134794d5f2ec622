// The main window's router: every custom message, the driver libraries' device messages, the
// pages' apply requests, timers and device-interface notifications.
#include "core/app/main_wnd.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"
#include "core/page/page_messages.h"
#include "core/util/usb_notification.h"

#include <dbt.h>

#include <cstddef>

using namespace DuiLib;

namespace {

// The word a page's OnDevMonitor takes: event word in the high half, value in the low half.
DWORD DevDataWord(WPARAM wParam, LPARAM lParam) {
    return (static_cast<DWORD>(wParam) << 16) ^ (static_cast<DWORD>(lParam) & 0xFFFF);
}

DWORD DevLinkWord(WPARAM wParam) {
    return wParam == 1 ? kCableArrivedWord : wParam == 0 ? kCableLeftWord : 0x7F000000u;
}

}  // namespace

bool CMainWnd::RoutePageMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg < PageMsgBase(1) || uMsg >= PageMsgBase(kModelCount) + 16) return false;
    const int n = static_cast<int>((uMsg - PageMsgBase(1)) / 16) + 1;
    CPageBase* page = Page(n);
    if (!PageActive(n)) return true;  // only a started page posts these
    switch (uMsg - PageMsgBase(n)) {
        case 1: case 2: case 6:
            return true;  // consumed without action
        case WM_PAGE_DEVDATA_OFFSET: {
            const DWORD dwWord = DevDataWord(wParam, lParam);
            // The cabled mouse's acknowledgement counts at once for a send loop waiting for it.
            page->RecordAcknowledgement(static_cast<int>(dwWord >> 16), static_cast<int>(dwWord & 0xFFFF));
            page->DeliverDevMonitor(dwWord);
            return true;
        }
        case WM_PAGE_DEVLINK_OFFSET:
            page->DeliverDevMonitor(DevLinkWord(wParam));
            return true;
        case WM_PAGE_APPLY_OFFSET:
            // The worker decides whether a link is up; without a worker the post goes nowhere.
            ::PostThreadMessageW(page->WorkerThreadId(), PageMsgBase(n) + WM_PAGE_RUNAPPLY_OFFSET, wParam, lParam);
            return true;
        default:
            return false;
    }
}

LRESULT CMainWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    bHandled = TRUE;
    switch (uMsg) {
        case WM_TIMER:
            OnTimer(wParam);
            bHandled = FALSE;  // the skin library's own timers go on to it
            return 0;
        case WM_DEVICECHANGE:
            OnDeviceChange(wParam, lParam);
            return 0;
        case WM_HOOKKEY:
        case WM_SHOWDPI:
        case 0x50C:
        case 0x1401:
            return 0;  // consumed without action
        case WM_SHOWINSTANCE:
            ShowFromTray(true);
            return 0;
        case WM_TRAYICON:
            OnTrayIcon(lParam);
            return 0;
        case WM_MENUCLICK:
            if (wParam != 0) {
                // The record is ours to free, whatever its name.
                auto* pCmd = reinterpret_cast<MenuCmd*>(wParam);
                const std::wstring strName(pCmd->szName, wcsnlen(pCmd->szName, _countof(pCmd->szName)));
                CPaintManagerUI::DeletePtr(pCmd);
                OnMenuClick(strName);
            }
            return 0;
        case WM_DEVICELISTCHANGED:
            UpdateDeviceOptions();
            return 0;
        case WM_EXITREQUEST:
            RequestExit();
            return 0;
        case WM_STORAGEALERT:
            // Not over the window's end: the exit shows what is left itself.
            if (!m_bShuttingDown) ShowStorageAlerts();
            return 0;
        case WM_QUERYENDSESSION:
            return TRUE;
        case WM_ENDSESSION:
            if (wParam != FALSE) EndSession();
            return 0;
        case WM_LANGUAGE:
            OnLanguageChanged(static_cast<int>(wParam));
            return 0;
        case WM_STARTUP:
            OnStartupChanged(wParam);
            return 0;
        case WM_FEEDBACK:
            OnFeedbackChanged(wParam);
            return 0;
        default:
            break;
    }
    if (RoutePageMessage(uMsg, wParam, lParam)) return 0;
    bHandled = FALSE;
    return 0;
}

void CMainWnd::OnDeviceChange(WPARAM wEvent, LPARAM lHeader) {
    const std::wstring name = InterfaceNameOf(lHeader);
    // A model not started yet starts when its mouse arrives; the started Bluetooth pages watch
    // for their own mouse in every notification.
    if (wEvent == DBT_DEVICEARRIVAL && !name.empty()) ActivateArrivingModel(name);
    for (int n = 1; n <= kModelCount; ++n)
        if (FindModel(n)->HasBle() && PageActive(n)) Page(n)->HandleDeviceChange(wEvent, lHeader);

    if (name.empty()) return;
    if (wEvent == DBT_DEVICEARRIVAL) {
        // Each further arrival within the delay restarts it: a receiver kind opens once, after
        // the last of its interfaces has arrived.
        if (CReceiverManager::IsReceiverInterface(ReceiverKind::Wireless, name)) {
            ::KillTimer(m_hWnd, TIMER_WIRELESS_ARRIVAL);
            ::SetTimer(m_hWnd, TIMER_WIRELESS_ARRIVAL, Timing().uReceiverArrivalMs, nullptr);
        }
        if (CReceiverManager::IsReceiverInterface(ReceiverKind::Wireless4k, name)) {
            ::KillTimer(m_hWnd, TIMER_WIRELESS4K_ARRIVAL);
            ::SetTimer(m_hWnd, TIMER_WIRELESS4K_ARRIVAL, Timing().uReceiverArrivalMs, nullptr);
        }
    } else if (wEvent == DBT_DEVICEREMOVECOMPLETE) {
        m_Receivers.OnWirelessReceiverRemoved(name);
        m_Receivers.OnWireless4kReceiverRemoved(name);
    }
}
