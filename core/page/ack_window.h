// The acknowledgement a send loop waits for. Before each receiver delivery the loop opens a
// window (an epoch); the mouse's answer (event 0x50) is recorded at once, atomically, on the
// thread that reads it, and belongs to the window open at that moment. So an acknowledgement
// that comes late for one frame never counts for the next, whose window is newer.
//
// A value byte of 0 accepts the frame; any other value withdraws an acceptance of the same
// window (the mouse asks for the frame again).
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "util/kernel_handle.h"

class CAckWindow {
public:
    using Epoch = uint64_t;
    enum class Wait { Acknowledged, TimedOut, Stopped };

    CAckWindow();
    ~CAckWindow();
    CAckWindow(const CAckWindow&) = delete;
    CAckWindow& operator=(const CAckWindow&) = delete;

    // A new window, not acknowledged yet.
    Epoch Open();
    // Any thread: the mouse's answer to the frame in flight.
    void Record(bool bAccepted);
    // Whether the mouse accepted the frame of window `epoch`.
    bool Acknowledged(Epoch epoch) const;
    // The state of the newest window: 1 acknowledged, 0 not.
    int Flag() const { return Acknowledged(m_epoch.load()) ? 1 : 0; }
    // Waits until window `epoch` is acknowledged, `uMs` pass, or `hStop` (may be null) is set.
    Wait WaitFor(Epoch epoch, unsigned uMs, HANDLE hStop) const;

private:
    std::atomic<Epoch> m_epoch{0};
    std::atomic<Epoch> m_acknowledged{0};  // the window last accepted; 0 none
    KernelHandle m_changed;                // set by every Record
};
