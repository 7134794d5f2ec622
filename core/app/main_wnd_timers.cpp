// The main window's timers: the receivers' arrival timers, and the page timers, whose work the
// page runtime does the same for every model (RunStandardTimer).
#include "core/app/main_wnd.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"

using namespace DuiLib;

void CMainWnd::OnTimer(UINT_PTR uId) {
    if (m_bShuttingDown) return;
    if (uId == TIMER_START_DEVICES) {
        ::KillTimer(m_hWnd, uId);
        StartDevices();
        return;
    }
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
    if (!PageActive(n)) return;
    CPageBase& page = *Page(n);
    if (uKind >= page.Policy().uTimerKinds) return;  // not one of this page's timers
    page.RunStandardTimer(uKind);
}
