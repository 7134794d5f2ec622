// The first-generation page's device side: what it does when the cabled mouse opens or leaves,
// and its handlers of the page's event table: what the polling rate, light mode and 0x60 the
// mouse reports over the cable or the 2.4 GHz receiver, the 4K receiver and Bluetooth LE do.
#include "models/pages/gen1_page.h"

namespace {

bool InRange(int iValue, int iLow, int iHigh) { return iValue >= iLow && iValue <= iHigh; }

}  // namespace

// ---- The cabled mouse ----

void CGen1Page::CableOpened() {
    // The runtime's link setter does the flag, the indicator, the link controls and the
    // announcement when the page comes online.
    SetLink(LinkKind::Cable, true);
    if (m_model.bCableArrivalDropsReceivers) {
        // The cable carries the mouse from now on.
        SetLink(LinkKind::Wireless, false);
        SetLink(LinkKind::Wireless4k, false);
    }
    SetSleeping(false);
    CableCharges(true);
}

void CGen1Page::CableClosed() {
    SetLink(LinkKind::Cable, false);
    SetSleeping(true);
    CableCharges(false);
}

void CGen1Page::SetSleeping(bool bSleeping) {
    if (m_model.bNeverSleeps) bSleeping = false;
    m_bSleeping = bSleeping ? 1 : 0;
    if (DuiLib::CControlUI* pLabel = FindPageControl(L"sleep_label")) pLabel->SetVisible(bSleeping);
    if (bSleeping && m_pWiredIcon != nullptr && WiredState() != 1) m_pWiredIcon->SetVisible(false);
}

// ---- Event words ----

void CGen1Page::OnSixtyEvent(EventRoad, int iValue) {
    if (m_model.bSixtyIsBatteryLevel && InRange(iValue, 1, 10)) m_iBatteryLevel = iValue;
}

void CGen1Page::OnRateEvent(EventRoad eRoad, int iValue) {
    if (eRoad == EventRoad::Ble) {
        // Over Bluetooth LE the mouse reports 1..8, read as the cable's report is.
        if (!InRange(iValue, 1, 8)) return;
        eRoad = EventRoad::Receiver;
    }
    if (m_model.iRateHsCount > 0)
        OnRateNibbleReported(iValue, eRoad == EventRoad::Wireless4k);
    else if (m_model.bExactRateEvents || InRange(iValue, 1, 8))
        OnRateReported(iValue);
}

void CGen1Page::OnLightEvent(EventRoad eRoad, int iValue) { OnLightModeEvent(iValue, eRoad == EventRoad::Wireless4k); }

void CGen1Page::OnRateReported(int iRateCode) {
    // The mouse reports the code frame 0x06 sends. A code no rate has: the models with exact
    // rate events keep their rate (and save all the same), the others take the first rate.
    int iFound = -1;
    for (int i = 0; i < m_model.iRateCount; ++i)
        if (m_model.rateCodes[static_cast<size_t>(i)] == iRateCode) iFound = i;
    const bool bKeep = iFound < 0 && m_model.bExactRateEvents;
    const int iTaken = iFound >= 0 ? iFound : 0;
    int iRate = 0;
    if (!TakeReported([&](ProfileRecord& p) {
            if (!bKeep) p.iRate = iTaken;
            iRate = p.iRate;
        }))
        return;
    if (iRate < 0 || iRate >= m_model.iRateCount) return;  // never an option out of range
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedName(L"btn_prate_%d", iRate + 1).c_str()))
        pOption->Selected(true, false);
    if (m_model.bNoRateLabel) return;
    if (DuiLib::CControlUI* pLabel = FindPageControl(L"label_prate")) {
        pLabel->SetResourceText(true);
        pLabel->SetText(NumberedName(L"prate_%d_text", iRate + 1).c_str());
    }
}

void CGen1Page::OnRateNibbleReported(int iValue, bool b4k) {
    // Each link reports its own rate as the option number: the 4K receiver's in the high nibble,
    // the others' in the low one. A number without an option changes nothing but is saved.
    const int iOption = b4k ? (iValue >> 4) & 0x0F : iValue & 0x0F;
    const int iCount = b4k ? m_model.iRateHsCount : m_model.iRateCount;
    const bool bTaken = InRange(iOption, 1, iCount);
    if (!TakeReported([&](ProfileRecord& p) {
            if (bTaken) (b4k ? p.iRateHs : p.iRate) = iOption - 1;
        }))
        return;
    if (!bTaken) return;
    const wchar_t* pszPattern = b4k ? L"btn_prate_hs_%d" : L"btn_prate_%d";
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedName(pszPattern, iOption).c_str()))
        pOption->Selected(true, false);
}

void CGen1Page::OnLightModeEvent(int iValue, bool b4k) {
    // The Bluetooth models send the mode in the high nibble, except over the 4K receiver.
    const bool bNibble = m_model.bLightModeInHighNibble && !b4k;
    const int iMode = bNibble ? (iValue >> 4) & 0x0F : iValue;
    const int iLast = bNibble ? m_model.iLightModeCount - 1 : 7;
    if (!InRange(iMode, 0, iLast)) return;
    OnLightModeReported(iMode);
}

void CGen1Page::MouseHeardOverReceiver() {
    // The receiver's own link change leaves the controls alone, so they now show what can be set
    // over it.
    SetSleeping(false);
    UpdateLinkControls();
}
