// The main window's timers: the receivers' arrival timers, and the page timers, run here for
// the pages that leave them to the core and handed to the others.
#include "main_wnd.h"

#include "device_timing.h"
#include "model_table.h"

using namespace DuiLib;

void CMainWnd::OnTimer(UINT_PTR uId) {
    if (m_bShuttingDown) return;
    if (uId == TIMER_WIRELESS_ARRIVAL) {
        ::KillTimer(m_hWnd, uId);
        m_Receivers.OpenWirelessReceivers();
        return;
    }
    if (uId == TIMER_WIRELESS4K_ARRIVAL) {
        ::KillTimer(m_hWnd, uId);
        m_Receivers.OpenWireless4kReceivers();
        return;
    }
    if (uId < PageTimerBase(1) || uId >= PageTimerBase(kModelCount) + 16) return;
    const int n = static_cast<int>((uId - PageTimerBase(1)) / 16) + 1;
    const unsigned uKind = static_cast<unsigned>(uId - PageTimerBase(n));
    CPageBase& page = *Page(n);
    if (uKind >= page.Policy().uTimerKinds) return;  // not one of this page's timers
    if (page.Policy().eTimers == TimerHandling::Delegate)
        page.HandleTimer(uId);
    else
        RunInlinePageTimer(page, uKind, uId);
}

void CMainWnd::RunInlinePageTimer(CPageBase& page, unsigned uKind, UINT_PTR uId) {
    switch (uKind) {
        case TIMER_WIRELESS_TIMEOUT:
            ::KillTimer(m_hWnd, uId);
            page.SetReceiverLink(false, false);
            return;
        case TIMER_APPLY:
            ::KillTimer(m_hWnd, uId);
            ::PostMessageW(m_hWnd, PageMsgBase(page.Model()) + WM_PAGE_APPLY_OFFSET, 0, 0);
            return;
        case TIMER_SETTINGS_SCROLL:
            ::KillTimer(m_hWnd, uId);
            if (auto* pColumn = static_cast<CContainerUI*>(page.FindPageControl(L"ver_setting"))) pColumn->EndDown();
            return;
        case TIMER_CHARGING:
            if (auto* pBar = static_cast<CProgressUI*>(page.FindPageControl(L"progress_power")))
                pBar->SetValue(page.m_iChargeValue);
            page.m_iChargeValue += 2;
            if (page.m_iChargeValue > 100) page.m_iChargeValue = 0;
            return;
        case TIMER_WIRELESS4K_TIMEOUT:
            ::KillTimer(m_hWnd, uId);
            page.OnWireless4kTimeout();
            return;
        case TIMER_BLE_SUBSCRIBE: {
            ::KillTimer(m_hWnd, uId);
            CBleDevice* pBle = page.BleDevice();
            if (pBle != nullptr && !pBle->IsSubscribed() && page.GattCallback() != nullptr)
                pBle->Subscribe(page.GattCallback());
            return;
        }
        default:
            return;
    }
}
