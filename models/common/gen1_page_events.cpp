// The first-generation page's device side: the cabled mouse coming and going (the driver
// library's link messages), and the event words the mouse sends over the cable or the 2.4 GHz
// receiver: its DPI stage, polling rate, battery, acknowledgement and light mode.
#include "gen1_page.h"

#include "device_timing.h"
#include "page_messages.h"

#include <cwchar>

using DuiLib::CControlUI;

namespace {

constexpr DWORD kLinkWord = 0x7F00;
constexpr int kLinkArrived = 1;
constexpr int kLinkRemoved = 2;

// Event codes (the high byte of an event word) and the values each accepts.
enum EventCode : int {
    kEventStage = 0x10,      // 1..8
    kEventRate = 0x20,       // 1..8, the rate code
    kEventBattery = 0x40,    // low byte status, high byte level
    kEventAck = 0x50,        // recorded for the send routine where it is read
    kEventSixty = 0x60,      // 1..10, nothing to show
    kEventLightMode = 0x70,  // 0..7
    kEventEighty = 0x80,     // 1..5: the mouse changed something; the profiles are saved
};

constexpr int kFullBatteryLevel = 100;
constexpr unsigned kChargingAnimationMs = 30;

bool InRange(int iValue, int iLow, int iHigh) { return iValue >= iLow && iValue <= iHigh; }

std::wstring NumberedName(const wchar_t* pszPattern, int i) {
    wchar_t szName[64];
    _snwprintf(szName, 63, pszPattern, i);
    szName[63] = L'\0';
    return szName;
}

}  // namespace

// ---- The cabled mouse ----

void CGen1Page::OnDevMonitor(DWORD dwWord) {
    const DWORD dwHigh = dwWord >> 16;
    const int iLow = static_cast<int>(dwWord & 0xFFFF);
    if (dwHigh == kLinkWord) {
        if (iLow == kLinkArrived && WiredState() != 1 && !m_bArrivalPending) {
            // The mouse settles before it is opened; the wait runs off the UI thread, and the
            // opening comes back to it.
            m_bArrivalPending = true;
            m_cableArrival.Start(Timing().uCableArrivalMs, [this] {
                PostToUi([this] {
                    if (!m_bArrivalPending) return;
                    m_bArrivalPending = false;
                    if (WiredState() == 1) return;
                    // A mouse that cannot be opened is not taken as present: the next arrival
                    // tries again.
                    if (Driver().OpenFeatureDevice())
                        CableOpened();
                    else
                        TracePageLine(*this, L"the cabled mouse arrived but could not be opened");
                });
            });
        } else if (iLow == kLinkRemoved && WiredState() != 2) {
            CableClosed();
        }
        return;
    }
    if (dwHigh >= 0x1000 && dwHigh <= 0x9000) OnDeviceEvent(static_cast<int>(dwHigh), iLow);
}

void CGen1Page::CableOpened() {
    // The runtime's link setter does the flag, the indicator, the link controls and the
    // announcement when the page comes online.
    SetLink(LinkKind::Cable, true);
    SetSleeping(false);
    ShowCharging();
}

void CGen1Page::CableClosed() {
    m_bArrivalPending = false;
    m_cableArrival.Cancel();
    SetLink(LinkKind::Cable, false);
    Driver().CloseFeatureDevice();
    SetSleeping(true);
    SetPowerLabel(L"", false);
    KillPageTimer(TIMER_CHARGING);
}

void CGen1Page::SetSleeping(bool bSleeping) {
    m_bSleeping = bSleeping ? 1 : 0;
    if (CControlUI* pLabel = FindPageControl(L"sleep_label")) pLabel->SetVisible(bSleeping);
    if (bSleeping && m_pWiredIcon != nullptr && WiredState() != 1) m_pWiredIcon->SetVisible(false);
}

void CGen1Page::SetPowerLabel(const wchar_t* pszText, bool bTextId) {
    if (CControlUI* pLabel = FindPageControl(L"label_power")) {
        pLabel->SetResourceText(bTextId);
        pLabel->SetText(pszText);
    }
}

void CGen1Page::ShowCharging() {
    m_iChargeValue = 0;
    SetPowerLabel(L"charging_text", true);
    SetPageTimer(TIMER_CHARGING, kChargingAnimationMs);
}

void CGen1Page::ShowBattery(int iLevel) {
    m_iBatteryLevel = iLevel;
    if (auto* pBar = FindPageControl<DuiLib::CProgressUI>(L"progress_power")) pBar->SetValue(iLevel);
    wchar_t szLevel[16];
    _snwprintf(szLevel, 15, L"%d%%", iLevel);
    szLevel[15] = L'\0';
    SetPowerLabel(szLevel, false);
}

// ---- Event words ----

void CGen1Page::OnDeviceEvent(int iEventWord, int iValue) {
    if ((iEventWord & 0xFF) != Info().byIdByte) return;
    switch ((iEventWord >> 8) & 0xFF) {
        case kEventStage:
            if (InRange(iValue, 1, kDpiStageCount)) OnStageReported(iValue - 1);
            return;
        case kEventRate:
            if (InRange(iValue, 1, 8)) OnRateReported(iValue);
            return;
        case kEventBattery:
            OnBatteryReported(iValue & 0xFF, (iValue >> 8) & 0xFF);
            return;
        case kEventLightMode:
            if (InRange(iValue, 0, 7)) OnLightModeReported(iValue);
            return;
        case kEventEighty:
            if (InRange(iValue, 1, 5)) SaveProfiles();
            return;
        case kEventAck:    // already recorded where it was read (RecordAcknowledgement)
        case kEventSixty:  // nothing to show
        default:
            return;
    }
}

void CGen1Page::OnStageReported(int iStage) {
    int32_t iStoredDpi = 0;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        m_pCurProfile->iCurDpi = iStage;
        m_pSentProfile->iCurDpi = iStage;
        iStoredDpi = m_pCurProfile->iDpi[iStage];
    }
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedName(L"option_dpi_step_%d", iStage + 1).c_str()))
        pOption->Selected(true, false);
    HighlightDpiEdit(iStage);
    if (m_hMainWnd != nullptr) ::PostMessageW(m_hMainWnd, WM_SHOWDPI, static_cast<WPARAM>(Info().Slot()), iStoredDpi);
    SaveProfiles();
}

void CGen1Page::OnRateReported(int iRateCode) {
    // The mouse reports the code frame 0x06 sends; a code no rate has stands for the first rate.
    int iRate = 0;
    for (int i = 0; i < m_model.iRateCount; ++i)
        if (m_model.rateCodes[static_cast<size_t>(i)] == iRateCode) iRate = i;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        m_pCurProfile->iRate = iRate;
        m_pSentProfile->iRate = iRate;
    }
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedName(L"btn_prate_%d", iRate + 1).c_str()))
        pOption->Selected(true, false);
    if (CControlUI* pLabel = FindPageControl(L"label_prate")) {
        pLabel->SetResourceText(true);
        pLabel->SetText(NumberedName(L"prate_%d_text", iRate + 1).c_str());
    }
    SaveProfiles();
}

void CGen1Page::OnLightModeReported(int iLightMode) {
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        m_pCurProfile->iLightMode = iLightMode;
        m_pSentProfile->iLightMode = iLightMode;
    }
    SaveProfiles();
}

void CGen1Page::OnBatteryReported(int iStatus, int iLevel) {
    m_iBatteryStatus = iStatus;
    SetPageTimer(TIMER_WIRELESS_TIMEOUT, Timing().uPresenceTimeoutMs);
    const bool bCable = WiredState() == 1;
    if (iStatus == static_cast<int>(BatteryStatus::Full) && bCable) {
        // Full on the cable: the mouse is reached through the cable, not the receiver.
        SetLink(LinkKind::Wireless, false);
        ShowBattery(kFullBatteryLevel);
        KillPageTimer(TIMER_CHARGING);
        return;
    }
    if (iStatus == static_cast<int>(BatteryStatus::Charging)) {
        SetPageTimer(TIMER_CHARGING, kChargingAnimationMs);
        SetPowerLabel(L"charging_text", true);
    } else {
        KillPageTimer(TIMER_CHARGING);
    }
    // A battery report without the cable shows the 2.4 GHz link alive and the mouse awake.
    SetLink(LinkKind::Wireless, true);
    SetSleeping(false);
    if (iStatus == static_cast<int>(BatteryStatus::Full))
        ShowBattery(kFullBatteryLevel);
    else if (iStatus != static_cast<int>(BatteryStatus::Charging) && InRange(iLevel, 1, 100))
        ShowBattery(iLevel);
}
