// The first-generation page's device side: what it does when the cabled mouse opens or leaves,
// and the event words the mouse sends over the cable or the 2.4 GHz receiver: its DPI stage,
// polling rate, battery, acknowledgement and light mode.
#include "gen1_page.h"

#include "device_timing.h"


namespace {

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

bool InRange(int iValue, int iLow, int iHigh) { return iValue >= iLow && iValue <= iHigh; }


}  // namespace

// ---- The cabled mouse ----

void CGen1Page::CableOpened() {
    // The runtime's link setter does the flag, the indicator, the link controls and the
    // announcement when the page comes online.
    SetLink(LinkKind::Cable, true);
    SetSleeping(false);
    ShowCharging(true);
}

void CGen1Page::CableClosed() {
    SetLink(LinkKind::Cable, false);
    SetSleeping(true);
    SetPowerLabel(L"", false);
    StopCharging();
}

void CGen1Page::SetSleeping(bool bSleeping) {
    m_bSleeping = bSleeping ? 1 : 0;
    if (DuiLib::CControlUI* pLabel = FindPageControl(L"sleep_label")) pLabel->SetVisible(bSleeping);
    if (bSleeping && m_pWiredIcon != nullptr && WiredState() != 1) m_pWiredIcon->SetVisible(false);
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

void CGen1Page::OnRateReported(int iRateCode) {
    // The mouse reports the code frame 0x06 sends; a code no rate has stands for the first rate.
    int iRate = 0;
    for (int i = 0; i < m_model.iRateCount; ++i)
        if (m_model.rateCodes[static_cast<size_t>(i)] == iRateCode) iRate = i;
    if (!TakeReported([iRate](ProfileRecord& p) { p.iRate = iRate; })) return;
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedSuffix(L"btn_prate_%d", iRate + 1).c_str()))
        pOption->Selected(true, false);
    if (DuiLib::CControlUI* pLabel = FindPageControl(L"label_prate")) {
        pLabel->SetResourceText(true);
        pLabel->SetText(NumberedSuffix(L"prate_%d_text", iRate + 1).c_str());
    }
}

void CGen1Page::OnLightModeReported(int iMode) {
    if (!TakeReported([iMode](ProfileRecord& p) { p.iLightMode = iMode; })) return;
    // The combo and the light rows follow silently: nothing goes back to the mouse.
    if (m_ui.pLightCombo != nullptr) m_ui.pLightCombo->SelectItem(iMode, false, false);
    ShowLightRows();
}

void CGen1Page::OnBatteryReported(int iStatus, int iLevel) {
    m_iBatteryStatus = iStatus;
    SetPageTimer(TIMER_WIRELESS_TIMEOUT, Timing().uPresenceTimeoutMs);
    if (iStatus == static_cast<int>(BatteryStatus::Full) && WiredState() == 1) {
        // Full on the cable: the mouse is reached through the cable, not the receiver.
        SetLink(LinkKind::Wireless, false);
        ShowBattery(kFullBatteryLevel);
        StopCharging();
        return;
    }
    if (iStatus == static_cast<int>(BatteryStatus::Charging))
        ShowCharging(false);
    else
        StopCharging();
    // A battery report without the cable shows the 2.4 GHz link alive and the mouse awake.
    SetLink(LinkKind::Wireless, true);
    SetSleeping(false);
    // The receiver's own link change leaves the controls alone; the mouse heard over it shows
    // what can be set over it.
    UpdateLinkControls();
    if (iStatus == static_cast<int>(BatteryStatus::Full))
        ShowBattery(kFullBatteryLevel);
    else if (iStatus != static_cast<int>(BatteryStatus::Charging) && InRange(iLevel, 1, 100))
        ShowBattery(iLevel);
}
