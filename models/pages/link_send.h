// The send routine of every model page: one command frame to the mouse over the first link that
// is up, in the order cable, 4K receiver, 2.4 GHz receiver, Bluetooth LE, each link with its own
// packaging and pauses:
//   cable      the frame as one feature report through the driver library; a macro frame (0x09)
//              as its 64-byte pieces, each piece the cable took followed by a short pause. A macro
//              the cable did not take whole goes on to the next link that is up.
//   4K         the frame in 65-byte output reports (Wireless4kFrame), a pause after each macro
//              piece; no acknowledgement, no retry.
//   2.4 GHz    the frame as a feature report, repeated until the mouse acknowledges it; a macro
//              frame as three 64-byte pieces per pass (the third carries 0C), a long pause after
//              each piece, repeated the same way.
//   BLE        the whole frame in one GATT write; the rate frame never goes this way.
// What differs between generations is a SendPolicy: whether a call always ends with the frame
// pause or only after a send that went through. Whether a frame was delivered is reported, so
// the apply worker can ask for everything again next time.
//
// The routine reaches the mouse through a LinkPort, which the page implements on its runtime
// (link snapshot, driver library, receiver handles, Bluetooth device, pauses, acknowledgements).
// Every wait is interruptible: when the page stops, the call returns at once.
#pragma once

#include "core/page/page_base.h"
#include "models/data/report_frame.h"

#include <cstdint>

struct ModelInfo;

struct SendPolicy {
    // True: every call ends with the frame pause, even with no link up (second generation).
    // False: only a call whose last send went through (non-zero) ends with it (first generation).
    bool bPauseAfterEveryCall = false;
    // The links the model's routine uses besides the cable and the 2.4 GHz receiver.
    bool bUses4k = false;
    bool bUsesBle = false;
};

// The policy of a model, from its description (generation and links).
SendPolicy SendPolicyOf(const ModelInfo& info);

// What the send routine needs from its page.
class LinkPort {
public:
    virtual ~LinkPort() = default;
    virtual LinkSnapshot SendLinks() const = 0;
    // The cabled mouse's feature report through the driver library; true when it took it.
    virtual bool CableSetFeature(const uint8_t* pData, int iLength) = 0;
    // hidapi's hid_send_feature_report / hid_write on a receiver's command interface.
    virtual int ReceiverFeature(const HidDevicePtr& hDevice, const uint8_t* pData, size_t uLength) = 0;
    virtual int Receiver4kWrite(const HidDevicePtr& hDevice, const uint8_t* pData, size_t uLength) = 0;
    // One GATT write of the whole frame; true when the mouse took it.
    virtual bool BleWrite(const uint8_t* pData, int iLength) = 0;
    // Waits; false at once when the page stops.
    virtual bool SendPause(unsigned uMs) = 0;
    // The acknowledgement window of the frame in flight over the 2.4 GHz receiver.
    virtual CAckWindow::Epoch OpenFrameAck() = 0;
    virtual bool FrameAcknowledged(CAckWindow::Epoch epoch) const = 0;
};

enum class SendStatus : uint8_t {
    Delivered,  // the cable took it (every piece), the mouse acknowledged it, 4K or BLE wrote it
    Skipped,    // deliberately not sent on the link that was up (the rate frame over BLE)
    Failed,     // refused, never acknowledged, or not written
    NoLink,     // no link was up
    Stopped,    // the page stopped during the call
};

struct SendResult {
    SendStatus eStatus = SendStatus::NoLink;
    int iLastCall = 0;  // the last send call's result (SetFeature non-zero, hidapi bytes or -1)
    bool Ok() const { return eStatus == SendStatus::Delivered || eStatus == SendStatus::Skipped; }
};

// Sends one frame (byte 0 its id, its size its length). A macro frame may be of any length; its
// pieces carry zeros past its end.
SendResult SendFrame(LinkPort& port, const SendPolicy& policy, const FrameBytes& frame);
