// The acknowledgement a send loop waits for. Before each receiver delivery the loop opens a
// window (an epoch); the mouse's answer (event 0x50) is recorded at once, atomically, on the
// thread that reads it, and belongs to the window open at that moment. So an acknowledgement
// that comes late for one frame never counts for the next, whose window is newer.
//
// A value byte of 0 accepts the frame; any other value withdraws an acceptance of the same
// window (the mouse asks for the frame again).
#pragma once

#include <atomic>
#include <cstdint>

class CAckWindow {
public:
    using Epoch = uint64_t;

    CAckWindow() = default;
    CAckWindow(const CAckWindow&) = delete;
    CAckWindow& operator=(const CAckWindow&) = delete;

    // A new window, not acknowledged yet (the send loop's "m_bAck = 0").
    Epoch Open();
    // Any thread: the mouse's answer to the frame in flight.
    void Record(bool bAccepted);
    // Whether the mouse accepted the frame of window `epoch` (the send loop's "m_bAck is set").
    bool Acknowledged(Epoch epoch) const;

private:
    std::atomic<Epoch> m_epoch{0};
    std::atomic<Epoch> m_acknowledged{0};  // the window last accepted; 0 none
};
