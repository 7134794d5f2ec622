// What every model page with profiles does alike to bring a change to the mouse: the send
// routine over the page's links (link_send.h) and the apply worker, written once for both
// generations. A generation's page says which frames an apply sends and how its profiles are
// kept; this class runs the apply on the page's worker thread:
//   1. No link up: the profiles are saved, nothing is sent.
//   2. The generation's gate (ApplyGateOpen; the first generation's sleeping mouse) closed: the
//      profiles are saved, nothing is sent, no timer is touched.
//   3. The presence timers are stopped and the apply indicator ("ms_N_apply_ring") shown.
//   4. Under the page's lock: the resend-all request is taken, and the generation takes a
//      snapshot of the current profile and gives the frames of its changed groups (PlanApply).
//   5. Without the lock: the start frame (always, or only for a full send, as the policy says),
//      then the planned frames, each through the send routine.
//   6. Under the lock: the snapshot becomes the copy last sent (RecordApplied) and pro.data's
//      bytes are taken; they are written without it. If a frame was not delivered, the next
//      apply sends everything again. A rate frame the link does not carry (Bluetooth LE) leaves
//      the rate of the copy last sent as it was, where the policy says so, so the next apply over
//      another link sends it.
//   7. The presence timers are armed again and the indicator hidden.
// Edits made during an apply are not in its snapshot, so the next apply finds and sends them.
//
// Saves: the page's lock is never held across file I/O. A save takes pro.data's bytes under the
// lock and writes them outside it; bytes taken later are never overwritten by bytes taken
// earlier. A device event's save is written by the worker, so the window never waits on the
// disk; what a person does is saved at once. The page's final save, once its worker has stopped,
// is this class's too, the same for every generation.
#pragma once

#include "link_send.h"
#include "page_base.h"
#include "report_frame.h"

#include <atomic>
#include <cstdint>
#include <mutex>
#include <optional>
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
    void RequestResendAll();
    bool ResendAllPending() const;
    // Applies the worker has finished (any thread): a run that only saved counts too.
    unsigned AppliesRun() const { return m_uAppliesRun.load(); }

protected:
    // One frame over the first link that is up (worker thread).
    SendResult SendReport(const FrameBytes& frame);

    // ---- What a generation gives (m_lock held where noted) ----

    // False while the mouse cannot take an apply; the request is then only saved.
    virtual bool ApplyGateOpen() const { return true; }
    // m_lock held: snapshot the current profile; the frames of the groups that changed since the
    // copy last sent (every group when bResendAll), in sending order, without the start frame.
    virtual std::vector<FrameBytes> PlanApply(bool bResendAll) = 0;
    // m_lock held: the snapshot of the last PlanApply is now the copy last sent; with
    // bKeepSentRate its rate fields stay those last sent.
    virtual void RecordApplied(bool bKeepSentRate) = 0;
    // m_lock held: pro.data's bytes for the profiles as they are now; empty without a profile.
    virtual std::vector<uint8_t> ProfileBytesLocked() const = 0;
    // No lock held: writes bytes ProfileBytesLocked made; false when they could not be written.
    virtual bool WriteProfileBytes(const std::vector<uint8_t>& bytes) = 0;

    // Saves pro.data now (any thread); false when it could not be written.
    bool SaveProfiles();
    // Saves pro.data for a device event: the worker writes it soon (at once without a worker).
    void SaveProfilesSoon();
    // pro.data as the page loaded it: a final save of the same bytes writes nothing.
    void RememberLoadedBytes(const std::vector<uint8_t>& bytes);

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
    int m_bResendAll = 0;  // guarded by m_lock

private:
    // One apply per request the worker gets (the steps above).
    void RunApply() final;
    void RunRequestedSave() final { SaveProfiles(); }
    void SaveAtShutdown() final;
    void ApplySettings();
    void StopPresenceTimers();
    void ArmPresenceTimers();
    // Takes the bytes and their stamp under m_lock (held by the caller).
    std::vector<uint8_t> TakeBytesLocked(uint64_t& uStamp);
    // Writes bytes taken with uStamp unless later ones were written; with bOnlyIfChanged, bytes
    // equal to the last ones written (or loaded) are not written again.
    bool WriteTaken(uint64_t uStamp, const std::vector<uint8_t>& bytes, bool bOnlyIfChanged);

    std::atomic<unsigned> m_uAppliesRun{0};
    uint64_t m_uSaveStamp = 0;       // guarded by m_lock: the stamp of the last bytes taken
    std::mutex m_writeLock;          // one write of pro.data at a time; guards the two below
    uint64_t m_uWrittenStamp = 0;    // the stamp of the bytes on disk
    std::optional<size_t> m_writtenHash;  // a hash of the bytes on disk, when known
};

// A trace line for the debugger ("pro.data could not be written"): failures the user is not
// told about still leave a mark.
void TracePageLine(const CPageBase& page, const wchar_t* pszWhat);
