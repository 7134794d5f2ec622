// One piece of work run once after a delay, without holding up the thread that asked for it:
// the wait runs on the system's timer thread, and the work is handed on from there (a page hands
// it to its UI thread). Cancel, and the destructor, wait for a callback in flight, so nothing
// runs once the owner has let go.
#pragma once

#include <windows.h>

#include <functional>
#include <mutex>

class CDelayedCall {
public:
    CDelayedCall() = default;
    ~CDelayedCall() { Cancel(); }
    CDelayedCall(const CDelayedCall&) = delete;
    CDelayedCall& operator=(const CDelayedCall&) = delete;

    // Calls `onDue` on a timer thread after uMs; an earlier call still waiting is cancelled.
    bool Start(unsigned uMs, std::function<void()> onDue);
    // No call after this returns.
    void Cancel();

private:
    static VOID CALLBACK OnTimer(PVOID pParam, BOOLEAN);

    std::mutex m_lock;
    HANDLE m_hTimer = nullptr;
    std::function<void()> m_onDue;
};
