#include "models/pages/apply_page.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"
#include "models/data/profile_frames.h"

#include <hidapi.h>

ApplyPolicy ApplyPolicyOf(const ModelInfo& info) {
    const bool bFirst = info.iGeneration == 1;
    return ApplyPolicy{bFirst, bFirst, info.Has4k()};
}

CApplyPage::CApplyPage(int iModel)
    : CPageBase(iModel), m_sendPolicy(SendPolicyOf(Info())), m_applyPolicy(ApplyPolicyOf(Info())) {}

SendResult CApplyPage::SendReport(const FrameBytes& frame) { return SendFrame(*this, m_sendPolicy, frame); }

void CApplyPage::SaveProfilesSoon() {
    if (!RequestSave()) SaveProfiles();
}

bool CApplyPage::CableSetFeature(const uint8_t* pData, int iLength) { return Driver().SetFeature(pData, iLength); }

int CApplyPage::ReceiverFeature(const HidDevicePtr& hDevice, const uint8_t* pData, size_t uLength) {
    return hid_send_feature_report(hDevice.get(), pData, uLength);
}

int CApplyPage::Receiver4kWrite(const HidDevicePtr& hDevice, const uint8_t* pData, size_t uLength) {
    return hid_write(hDevice.get(), pData, uLength);
}

bool CApplyPage::BleWrite(const uint8_t* pData, int iLength) {
    CBleDevice* pBle = BleDevice();
    return pBle != nullptr && pBle->Write(pData, iLength) == 1;
}

void CApplyPage::StopPresenceTimers() {
    KillPageTimer(TIMER_WIRELESS_TIMEOUT);
    if (m_applyPolicy.bRearms4kTimer) KillPageTimer(TIMER_WIRELESS4K_TIMEOUT);
}

void CApplyPage::ArmPresenceTimers() {
    SetPageTimer(TIMER_WIRELESS_TIMEOUT, Timing().uPresenceTimeoutMs);
    if (m_applyPolicy.bRearms4kTimer) SetPageTimer(TIMER_WIRELESS4K_TIMEOUT, Timing().uPresenceTimeoutMs);
}

void CApplyPage::RunApply() {
    ApplySettings();
    ++m_uAppliesRun;
}

void CApplyPage::ApplySettings() {
    // A change made while the mouse cannot take it is still kept on disk; it goes out with the
    // first apply that finds the mouse, since the copy last sent still differs.
    if (!Links().Any() || !ApplyGateOpen()) {
        SaveProfiles();
        return;
    }
    StopPresenceTimers();
    ShowPageControl(L"apply_ring", true);

    ApplyPlan plan = PlanApply();
    std::vector<FrameBytes>& frames = plan.frames;
    if (m_applyPolicy.bStartFrameAlways || plan.bFullSend) frames.insert(frames.begin(), BuildStartReport());

    bool bAllDelivered = true;
    bool bRateSkipped = false;
    for (const FrameBytes& frame : frames) {
        const SendResult result = SendReport(frame);
        bAllDelivered = bAllDelivered && result.Ok();
        bRateSkipped = bRateSkipped || (result.eStatus == SendStatus::Skipped && frame[0] == kRateReportId);
        if (result.eStatus == SendStatus::Stopped) break;
    }

    RecordApplied(bRateSkipped && m_applyPolicy.bUnsentRateWaits, bAllDelivered);
    if (!bAllDelivered) TracePageLine(*this, L"a frame did not reach the mouse; the next apply sends everything");
    if (Stopping()) return;
    ArmPresenceTimers();
    ShowPageControl(L"apply_ring", false);
}

void TracePageLine(const CPageBase& page, const wchar_t* pszWhat) { TraceModelLine(page.Model(), pszWhat); }
