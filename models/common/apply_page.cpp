#include "apply_page.h"

#include "device_timing.h"
#include "model_table.h"
#include "profile_frames.h"

#include <hidapi.h>

#include <functional>
#include <string>
#include <string_view>

ApplyPolicy ApplyPolicyOf(const ModelInfo& info) {
    const bool bFirst = info.iGeneration == 1;
    return ApplyPolicy{bFirst, bFirst, info.Has4k()};
}

CApplyPage::CApplyPage(int iModel)
    : CPageBase(iModel), m_sendPolicy(SendPolicyOf(Info())), m_applyPolicy(ApplyPolicyOf(Info())) {}

void CApplyPage::RequestResendAll() {
    std::lock_guard guard(m_lock);
    m_bResendAll = 1;
}

bool CApplyPage::ResendAllPending() const {
    std::lock_guard guard(m_lock);
    return m_bResendAll != 0;
}

SendResult CApplyPage::SendReport(const FrameBytes& frame) { return SendFrame(*this, m_sendPolicy, frame); }

namespace {

size_t HashOf(const std::vector<uint8_t>& bytes) {
    return std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

}  // namespace

std::vector<uint8_t> CApplyPage::TakeBytesLocked(uint64_t& uStamp) {
    uStamp = ++m_uSaveStamp;
    return ProfileBytesLocked();
}

bool CApplyPage::WriteTaken(uint64_t uStamp, const std::vector<uint8_t>& bytes, bool bOnlyIfChanged) {
    if (bytes.empty()) return false;
    std::lock_guard write(m_writeLock);
    // Bytes taken later are on disk already: these are older.
    if (uStamp < m_uWrittenStamp) return true;
    const size_t uHash = HashOf(bytes);
    if (bOnlyIfChanged && m_writtenHash == uHash) return true;
    if (!WriteProfileBytes(bytes)) {
        TracePageLine(*this, L"pro.data could not be written");
        return false;
    }
    m_uWrittenStamp = uStamp;
    m_writtenHash = uHash;
    return true;
}

bool CApplyPage::SaveProfiles() {
    uint64_t uStamp = 0;
    std::vector<uint8_t> bytes;
    {
        std::lock_guard guard(m_lock);
        bytes = TakeBytesLocked(uStamp);
    }
    return WriteTaken(uStamp, bytes, false);
}

void CApplyPage::SaveProfilesSoon() {
    if (!RequestSave()) SaveProfiles();
}

void CApplyPage::RememberLoadedBytes(const std::vector<uint8_t>& bytes) {
    std::lock_guard write(m_writeLock);
    m_writtenHash = HashOf(bytes);
}

void CApplyPage::SaveAtShutdown() {
    uint64_t uStamp = 0;
    std::vector<uint8_t> bytes;
    {
        std::lock_guard guard(m_lock);
        bytes = TakeBytesLocked(uStamp);
    }
    // Nothing changed since the file was loaded or last written: it is left as it is.
    WriteTaken(uStamp, bytes, true);
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

    std::vector<FrameBytes> frames;
    bool bFullSend = false;
    {
        std::lock_guard guard(m_lock);
        bFullSend = m_bResendAll != 0;
        m_bResendAll = 0;
        frames = PlanApply(bFullSend);
    }
    if (m_applyPolicy.bStartFrameAlways || bFullSend) frames.insert(frames.begin(), BuildStartReport());

    bool bAllDelivered = true;
    bool bRateSkipped = false;
    for (const FrameBytes& frame : frames) {
        const SendResult result = SendReport(frame);
        bAllDelivered = bAllDelivered && result.Ok();
        bRateSkipped = bRateSkipped || (result.eStatus == SendStatus::Skipped && frame[0] == kRateReportId);
        if (result.eStatus == SendStatus::Stopped) break;
    }

    uint64_t uStamp = 0;
    std::vector<uint8_t> bytes;
    {
        std::lock_guard guard(m_lock);
        RecordApplied(bRateSkipped && m_applyPolicy.bUnsentRateWaits);
        // What did not reach the mouse goes again, with everything else, next time.
        if (!bAllDelivered) m_bResendAll = 1;
        bytes = TakeBytesLocked(uStamp);
    }
    WriteTaken(uStamp, bytes, false);
    if (!bAllDelivered) TracePageLine(*this, L"a frame did not reach the mouse; the next apply sends everything");
    if (Stopping()) return;
    ArmPresenceTimers();
    ShowPageControl(L"apply_ring", false);
}

void TracePageLine(const CPageBase& page, const wchar_t* pszWhat) {
    const std::wstring strLine = L"MS_" + std::to_wstring(page.Model()) + L": " + pszWhat + L"\r\n";
    OutputDebugStringW(strLine.c_str());
}
