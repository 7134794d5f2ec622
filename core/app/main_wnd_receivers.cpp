// The receivers hand their events to the pages here, on the UI thread (the acknowledgement
// excepted, which a send loop waits for on another thread).
#include "core/app/main_wnd.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"

using namespace DuiLib;

void CMainWnd::PostToUiThread(std::function<void()> work) { CPaintManagerUI::RunOnUiThread(std::move(work)); }

void CMainWnd::AssignReceiver(ReceiverKind kind, int iModel, const HidDevicePtr& hDevice,
                              const HidDevicePtr& hOSDDevice) {
    CPageBase* page = Page(iModel);
    if (page == nullptr) return;
    // A model first found on a receiver starts now.
    ActivatePage(iModel);
    // The page sends through the command interface; the event interface stays the manager's.
    (void)hOSDDevice;
    if (kind == ReceiverKind::Wireless)
        page->SetWirelessHandle(hDevice);
    else
        page->SetWireless4kHandle(hDevice);
    // The tab buttons change only through the tab refresh, asked for while the model's tab is
    // not shown yet.
    if (!Connected(iModel)) ::PostMessageW(m_hWnd, WM_DEVICELISTCHANGED, 0, 0);
}

void CMainWnd::DispatchReport(ReceiverKind kind, int iModel, const uint8_t* pReport) {
    CPageBase* page = Page(iModel);
    if (page == nullptr || !PageActive(iModel)) return;
    const int iEventWord = pReport[2] * 256 + pReport[1];
    const int iValue = pReport[4] * 256 + pReport[3];
    const bool b4k = kind == ReceiverKind::Wireless4k;
    if (pReport[1] == FindModel(iModel)->byIdByte) {
        const UINT_PTR uTimer = PageTimer(iModel, b4k ? TIMER_WIRELESS4K_TIMEOUT : TIMER_WIRELESS_TIMEOUT);
        ::KillTimer(m_hWnd, uTimer);
        ::SetTimer(m_hWnd, uTimer, Timing().uPresenceTimeoutMs, nullptr);
        page->SetReceiverLink(b4k, true);
        // The model's tab shows through the tab refresh, asked for when it is not shown yet.
        if (!Connected(iModel) && page->Online() != 0) ::PostMessageW(m_hWnd, WM_DEVICELISTCHANGED, 0, 0);
    }
    if (b4k)
        page->DeliverDeviceEvent4k(iEventWord, iValue);
    else
        page->DeliverDeviceEvent(iEventWord, iValue);
}

void CMainWnd::ReceiverRemoved(ReceiverKind kind, int iModel) {
    CPageBase* page = Page(iModel);
    if (page == nullptr || !PageActive(iModel)) return;
    const bool b4k = kind == ReceiverKind::Wireless4k;
    page->SetReceiverLink(b4k, false);
    // The receiver's handles close with its link (once no send holds them).
    if (b4k)
        page->SetWireless4kHandle(nullptr);
    else
        page->SetWirelessHandle(nullptr);
}

void CMainWnd::RecordAcknowledgement(ReceiverKind, int iModel, int iEventWord, int iValue) {
    if (CPageBase* page = Page(iModel)) page->RecordAcknowledgement(iEventWord, iValue);
}
