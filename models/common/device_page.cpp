#include "device_page.h"

#include "device_timing.h"

#include <cwchar>

namespace {

constexpr DWORD kLinkWord = 0x7F00;
constexpr int kLinkArrived = 1;
constexpr int kLinkRemoved = 2;
constexpr unsigned kChargingAnimationMs = 30;

}  // namespace

CDevicePage::~CDevicePage() { CDevicePage::Shutdown(); }

void CDevicePage::Shutdown() {
    // Nothing may open the cabled mouse once the library is going.
    m_cableArrival.Cancel();
    m_bArrivalPending = false;
    CApplyPage::Shutdown();
}

void CDevicePage::OnDevMonitor(DWORD dwWord) {
    const DWORD dwHigh = dwWord >> 16;
    const int iLow = static_cast<int>(dwWord & 0xFFFF);
    if (dwHigh == kLinkWord) {
        if (iLow == kLinkArrived) OnCableArrived();
        if (iLow == kLinkRemoved) OnCableRemoved();
        return;
    }
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
    if (WiredState() == 2) return;
    m_bArrivalPending = false;
    m_cableArrival.Cancel();
    Driver().CloseFeatureDevice();
    CableClosed();
}

std::wstring CDevicePage::NumberedSuffix(const wchar_t* pszPattern, int i) {
    wchar_t szName[64];
    _snwprintf(szName, 63, pszPattern, i);
    szName[63] = L'\0';
    return szName;
}

void CDevicePage::SetPowerLabel(const wchar_t* pszText, bool bTextId) {
    if (DuiLib::CControlUI* pLabel = FindPageControl(L"label_power")) {
        pLabel->SetResourceText(bTextId);
        pLabel->SetText(pszText);
    }
}

void CDevicePage::ShowCharging(bool bRestart) {
    if (bRestart) m_iChargeValue = 0;
    SetPowerLabel(L"charging_text", true);
    SetPageTimer(TIMER_CHARGING, kChargingAnimationMs);
}

void CDevicePage::StopCharging() { KillPageTimer(TIMER_CHARGING); }

void CDevicePage::ShowBattery(int iLevel) {
    m_iBatteryLevel = iLevel;
    if (auto* pBar = FindPageControl<DuiLib::CProgressUI>(L"progress_power")) pBar->SetValue(iLevel);
    wchar_t szLevel[16];
    _snwprintf(szLevel, 15, L"%d%%", iLevel);
    szLevel[15] = L'\0';
    SetPowerLabel(szLevel, false);
}
