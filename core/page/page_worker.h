// A page's worker thread: a message loop of its own on which the page applies its settings to
// the mouse, so the window stays responsive through the seconds a full apply takes.
//
// Start returns only once the thread's message queue exists, so an apply request posted right
// after it is never lost. Stop signals the stop event, ends the loop and joins the thread; every
// Pause (and every acknowledgement wait given StopEvent) returns at once from then on, so a send
// loop over a silent receiver never holds up the shut-down.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>

class CPageWorker {
public:
    CPageWorker();
    ~CPageWorker();
    CPageWorker(const CPageWorker&) = delete;
    CPageWorker& operator=(const CPageWorker&) = delete;

    // Starts the thread with the given stack size. Every thread message uRunApplyMsg reaches
    // `apply` on the thread, one run per message; other messages are dropped. False when the
    // thread could not be started (or was started before).
    bool Start(unsigned uStackSize, UINT uRunApplyMsg, std::function<void()> apply);
    // Signals the stop, ends the loop once the current run returns, and waits for the thread.
    // Safe to call more than once, and before Start. On the worker itself it only signals.
    void Stop();

    // Waits `uMs` milliseconds; false at once (or as soon as it comes) when the worker stops.
    bool Pause(unsigned uMs) const;
    bool Stopping() const;
    // Signalled once Stop was called (manual reset): for waits that must end with the worker.
    HANDLE StopEvent() const { return m_hStop; }

    // The thread the router posts apply requests to; 0 before Start and after Stop.
    DWORD ThreadId() const { return m_dwThreadId.load(); }
    bool IsWorkerThread() const { return GetCurrentThreadId() == m_dwThreadId.load(); }

private:
    struct StartBlock;
    static DWORD WINAPI ThreadProc(LPVOID pParam);

    HANDLE m_hStop = nullptr;
    HANDLE m_hThread = nullptr;
    std::atomic<DWORD> m_dwThreadId{0};
};
