// What every model page with profiles does alike to bring a change to the mouse: the send
// routine over the page's links (link_send.h) and the apply worker, written once for both
// generations. A generation's page says which frames an apply sends and how its profiles are
// kept; this class runs the apply on the page's worker thread:
//   1. No link up: the profiles are saved, nothing is sent.
//   2. The generation's gate (ApplyGateOpen; the first generation's sleeping mouse) closed: the
//      profiles are saved, nothing is sent, no timer is touched.
//   3. The presence timers are stopped and the apply indicator ("ms_N_apply_ring") shown.
//   4. Under the profile store's lock: the resend-all request is taken, and a snapshot of the
//      current profile gives the frames of its changed groups (PlanApply).
//   5. Without the lock: the start frame (always, or only for a full send, as the policy says),
//      then the planned frames, each through the send routine.
//   6. Under the store's lock: the snapshot becomes the copy last sent and pro.data's bytes are
//      taken; they are written without it (RecordApplied). If a frame was not delivered, the
//      next apply sends everything again. A rate frame the link does not carry (Bluetooth LE)
//      leaves the rate of the copy last sent as it was, where the policy says so, so the next
//      apply over another link sends it.
//   7. The presence timers are armed again and the indicator hidden.
// Edits made during an apply are not in its snapshot, so the next apply finds and sends them.
//
// Saves are the profile store's (profile_store.h): a device event's save is written by the
// worker, so the window never waits on the disk; what a person does is saved at once. The page's
// final save, once its worker has stopped, is the store's shut-down save.
#pragma once

#include "models/pages/link_send.h"
#include "core/page/page_base.h"
#include "models/pages/profile_store.h"
#include "models/data/report_frame.h"

#include <atomic>
#include <cstdint>
#include <vector>

struct ApplyPolicy {
    bool bStartFrameAlways;  // true: every apply begins with frame 0x0C; false: only a full send
    bool bUnsentRateWaits;   // a rate frame skipped by the link stays pending in the copy last sent
    bool bRearms4kTimer;     // the 4K presence timer is stopped and re-armed with the 2.4 GHz one
};

// The policy of a model, from its description.
ApplyPolicy ApplyPolicyOf(const ModelInfo& info);

class CApplyPage : public CPageBase, protected LinkPort {
public:
    explicit CApplyPage(int iModel);

    // Any thread: the next apply sends every group.
    virtual void RequestResendAll() = 0;
    virtual bool ResendAllPending() const = 0;
    // Applies the worker has finished (any thread): a run that only saved counts too.
    unsigned AppliesRun() const { return m_uAppliesRun.load(); }

protected:
    // One frame over the first link that is up (worker thread).
    SendResult SendReport(const FrameBytes& frame);

    // ---- What the page's profile store gives ----

    // False while the mouse cannot take an apply; the request is then only saved.
    virtual bool ApplyGateOpen() const { return true; }
    // The resend-all request taken and the frames of the groups changed since the copy last
    // sent, planned under the store's lock (CProfileStore::Plan).
    virtual ApplyPlan PlanApply() = 0;
    // The last plan's snapshot recorded as sent, then pro.data saved (CProfileStore::Record).
    virtual bool RecordApplied(bool bKeepSentRate, bool bAllDelivered) = 0;
    // Saves pro.data now (any thread); false when it could not be written.
    virtual bool SaveProfiles() = 0;
    // The final save once the worker has stopped: written only when the bytes changed.
    virtual void SaveProfilesAtShutdown() = 0;

    // Saves pro.data for a device event: the worker writes it soon (at once without a worker).
    void SaveProfilesSoon();

    // LinkPort over the page runtime.
    LinkSnapshot SendLinks() const override { return Links(); }
    bool CableSetFeature(const uint8_t* pData, int iLength) override;
    int ReceiverFeature(const HidDevicePtr& hDevice, const uint8_t* pData, size_t uLength) override;
    int Receiver4kWrite(const HidDevicePtr& hDevice, const uint8_t* pData, size_t uLength) override;
    bool BleWrite(const uint8_t* pData, int iLength) override;
    bool SendPause(unsigned uMs) override { return Pause(uMs); }
    CAckWindow::Epoch OpenFrameAck() override { return OpenAckWindow(); }
    bool FrameAcknowledged(CAckWindow::Epoch epoch) const override { return AckArrived(epoch); }

    // From the model's identity; a generation's page may refine them in its constructor, before
    // the worker starts.
    SendPolicy m_sendPolicy;
    ApplyPolicy m_applyPolicy;

private:
    // One apply per request the worker gets (the steps above).
    void RunApply() final;
    void RunRequestedSave() final { SaveProfiles(); }
    void SaveAtShutdown() final { SaveProfilesAtShutdown(); }
    void ApplySettings();
    void StopPresenceTimers();
    void ArmPresenceTimers();

    std::atomic<unsigned> m_uAppliesRun{0};
};

// A trace line for the debugger ("pro.data could not be written"): failures the user is not
// told about still leave a mark.
void TracePageLine(const CPageBase& page, const wchar_t* pszWhat);
