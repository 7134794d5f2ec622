// The second-generation page's device side: the cabled mouse opening and leaving, and its
// handlers of the page's event table: what the polling rates and light mode the mouse reports over
// the cable or the 2.4 GHz receiver, the 4K receiver and Bluetooth LE do. What the mouse changed
// itself is taken into the current profile and the copy last sent, so the next apply does not
// send it back.
#include "models/pages/gen2_page.h"

#include "models/data/gen2_frames.h"
#include "models/data/report_frame.h"

namespace {

bool InRange(int iValue, int iLow, int iHigh) { return iValue >= iLow && iValue <= iHigh; }

int HighNibble(int iValue) { return (iValue >> 4) & 0x0F; }

constexpr int kLast4kLightMode = 7;

}  // namespace

// ---- The cabled mouse ----

void CGen2Page::CableOpened() {
    SetLink(LinkKind::Cable, true);
    // The cable reaches the mouse now; the receivers' links come back with their next report.
    // A Bluetooth link stays.
    SetReceiverLink(false, false);
    SetReceiverLink(true, false);
    CableCharges(true);
}

void CGen2Page::CableClosed() {
    SetLink(LinkKind::Cable, false);
    CableCharges(false);
}

// ---- Event words ----

void CGen2Page::OnRateEvent(EventRoad eRoad, int iValue) {
    // Each road reports the nibble of the rate it carries, as frame 0x06 codes it (index + 1); a
    // rate the page does not offer is ignored.
    if (eRoad == EventRoad::Wireless4k) {
        const int iRateHs = HighNibble(iValue) - 1;
        if (!InRange(iRateHs, 0, m_model.iRateHsCount - 1)) return;
        if (TakeReported([iRateHs](ProfileRecordEx& p) { p.iRateHs = iRateHs; }))
            SelectNumberedOption(L"btn_prate_hs_%d", iRateHs + 1);
        return;
    }
    int iRate = FrameNibble(iValue) - 1;
    if (m_model.eRateEventCodec == RateCodec::OneHot) {
        // The mouse reports the code frame 0x06 sends; over Bluetooth LE only 1 to 8 come.
        if (eRoad == EventRoad::Ble && !InRange(iValue, 1, 8)) return;
        iRate = RateIndexOfOneHotCode(iValue);
    }
    if (!InRange(iRate, 0, m_model.iRateCount - 1)) return;
    if (!TakeReported([iRate](ProfileRecordEx& p) { p.iRate = iRate; })) return;
    if (eRoad == EventRoad::Receiver || m_model.bBleRateSelectsOption) SelectNumberedOption(L"btn_prate_%d", iRate + 1);
}

void CGen2Page::OnLightEvent(EventRoad eRoad, int iValue) {
    // The 4K receiver reports the mode as the value itself (modes 0 to 7 only), the other roads
    // in its high nibble; a mode without an item in the light combo is ignored.
    const bool b4k = eRoad == EventRoad::Wireless4k;
    const int iMode = b4k ? iValue : HighNibble(iValue);
    if (b4k && iMode > kLast4kLightMode) return;
    // Every road shows the mode the mouse now has: the combo (silently) and its light rows.
    OnLightModeReported(iMode);
}
