#include "models/pages/device_page.h"

#include "core/devices/device_timing.h"
#include "core/page/page_messages.h"

#include <cwchar>

namespace {

constexpr unsigned kChargingAnimationMs = 30;
constexpr int kFullBatteryLevel = 100;

unsigned PresenceTimerOf(LinkKind eLink) {
    return eLink == LinkKind::Wireless4k ? TIMER_WIRELESS4K_TIMEOUT : TIMER_WIRELESS_TIMEOUT;
}

}  // namespace

void CDevicePage::StopOwnWork() {
    // Nothing may open the cabled mouse once the library is going.
    m_cableArrival.Cancel();
    m_bArrivalPending = false;
}

void CDevicePage::OnDevMonitor(DWORD dwWord) {
    if (dwWord == kCableArrivedWord) return OnCableArrived();
    if (dwWord == kCableLeftWord) return OnCableRemoved();
    const DWORD dwHigh = dwWord >> 16;
    const int iLow = static_cast<int>(dwWord & 0xFFFF);
    if (dwHigh == 0x7F00) return;  // another link word: nothing to do
    if (dwHigh >= 0x1000 && dwHigh <= 0x9000) OnDeviceEvent(static_cast<int>(dwHigh), iLow);
}

void CDevicePage::OnCableArrived() {
    if (WiredState() == 1 || m_bArrivalPending) return;
    // The mouse settles before it is opened; the wait runs off the UI thread, and the opening
    // comes back to it.
    m_bArrivalPending = true;
    m_cableArrival.Start(Timing().uCableArrivalMs, [this] {
        PostToUi([this] {
            if (!m_bArrivalPending) return;
            m_bArrivalPending = false;
            if (WiredState() == 1) return;
            if (Driver().OpenFeatureDevice())
                CableOpened();
            else
                TracePageLine(*this, L"the cabled mouse arrived but could not be opened");
        });
    });
}

void CDevicePage::OnCableRemoved() {
    // A removal within the settling pause cancels the arrival, whatever the state was.
    m_bArrivalPending = false;
    m_cableArrival.Cancel();
    if (WiredState() == 2) {
        // A cable that stopped counting as a link (the Bluetooth link took over) charged the
        // mouse until now.
        if (m_bCablePlugged) CableCharges(false);
        return;
    }
    Driver().CloseFeatureDevice();
    CableClosed();
}

void CDevicePage::SetPowerLabel(const wchar_t* pszText, bool bTextId) {
    if (DuiLib::CControlUI* pLabel = FindPageControl(L"label_power")) {
        pLabel->SetResourceText(bTextId);
        pLabel->SetText(pszText);
    }
}

// ---- The battery display ----

void CDevicePage::ShowCharging(bool bRestart) {
    if (bRestart) m_iChargeValue = 0;
    m_ePowerShown = PowerShown::Charging;
    SetPowerLabel(L"charging_text", true);
    SetPageTimer(TIMER_CHARGING, kChargingAnimationMs);
}

void CDevicePage::StopCharging() { KillPageTimer(TIMER_CHARGING); }

void CDevicePage::ShowBattery(int iLevel) {
    StopCharging();
    m_ePowerShown = PowerShown::Level;
    iLevel = ShownLevel(iLevel);
    m_iBatteryLevel = iLevel;
    if (auto* pBar = FindPageControl<DuiLib::CProgressUI>(L"progress_power")) pBar->SetValue(iLevel);
    wchar_t szLevel[16];
    _snwprintf(szLevel, 15, L"%d%%", iLevel);
    szLevel[15] = L'\0';
    SetPowerLabel(szLevel, false);
}

void CDevicePage::ShowNoBattery() {
    StopCharging();
    m_ePowerShown = PowerShown::Nothing;
    if (auto* pBar = FindPageControl<DuiLib::CProgressUI>(L"progress_power")) pBar->SetValue(0);
    SetPowerLabel(L"", false);
}

void CDevicePage::CableCharges(bool bPlugged) {
    m_bCablePlugged = bPlugged;
    if (bPlugged)
        ShowCharging(true);
    else
        ShowNoBattery();
}

void CDevicePage::BleBatteryLink(bool bUp) {
    if (bUp) {
        if (m_ePowerShown != PowerShown::Charging) ShowBattery(kFullBatteryLevel);
        return;
    }
    // Without the cable, charging was the Bluetooth mouse's own word, and nothing tells it now.
    if (m_ePowerShown == PowerShown::Charging && !m_bCablePlugged) ShowNoBattery();
}

void CDevicePage::ShowReportedBattery(int iStatus, int iLevel, int iLowestLevel) {
    m_iBatteryStatus = iStatus;
    if (iStatus == static_cast<int>(BatteryStatus::Charging))
        ShowCharging(false);
    else if (iStatus == static_cast<int>(BatteryStatus::Full))
        ShowBattery(kFullBatteryLevel);
    else if (iLevel >= iLowestLevel && iLevel <= kFullBatteryLevel)
        ShowBattery(iLevel);
    else if (m_ePowerShown == PowerShown::Charging)
        ShowNoBattery();
}

void CDevicePage::OnBatteryEvent(EventRoad eRoad, int iValue) {
    const int iStatus = iValue & 0xFF;
    const int iLevel = (iValue >> 8) & 0xFF;
    if (eRoad == EventRoad::Ble) {
        ShowReportedBattery(iStatus, iLevel, 0);
        return;
    }
    // The report keeps alive the receiver link it came over (a cabled mouse's reports come as the
    // 2.4 GHz receiver's).
    const LinkKind eLink = eRoad == EventRoad::Wireless4k ? LinkKind::Wireless4k : LinkKind::Wireless;
    const bool bFull = iStatus == static_cast<int>(BatteryStatus::Full);
    const bool bFullOnCable = bFull && WiredState() == 1;
    SetPageTimer(PresenceTimerOf(eLink), Timing().uPresenceTimeoutMs);
    // Full, or charging where the model says so, with the cable present: the cable reaches the
    // mouse, not the receiver.
    const bool bYields = bFull || (iStatus == static_cast<int>(BatteryStatus::Charging) &&
                                   eRoad == EventRoad::Receiver && ChargingYieldsToCable());
    SetLink(eLink, !(WiredState() == 1 && bYields));
    ShowReportedBattery(iStatus, iLevel, 1);
    if (!bFullOnCable) MouseHeardOverReceiver();
}
