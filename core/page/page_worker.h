// A page's worker thread: a message loop of its own on which the page applies its settings to
// the mouse (and writes the saves a device event asked for), so the window stays responsive
// through the seconds a full apply takes and never waits on the disk.
//
// Start returns only once the thread's message queue exists, so a request posted right after it
// is never lost. RequestStop signals the stop event: every Pause returns at once from then on, so
// a send loop over a silent receiver (it pauses between its looks for the acknowledgement) ends at
// once. Stop also ends the loop and joins the thread, for at most the time given: a thread held
// inside a device call that does not return is left behind (Abandoned), and whoever owns the page
// must then keep it alive until the process ends.
#pragma once

#include <windows.h>

#include <atomic>
#include <functional>
#include <vector>

#include "core/util/kernel_handle.h"

class CPageWorker {
public:
    // A thread message the worker answers, and what it runs for it.
    struct Job {
        UINT uMsg;
        std::function<void()> run;
    };

    CPageWorker();
    ~CPageWorker();
    CPageWorker(const CPageWorker&) = delete;
    CPageWorker& operator=(const CPageWorker&) = delete;

    // Starts the thread with the given stack size. Every thread message of a job runs the job on
    // the thread, one run per message; other messages are dropped. False when the thread could
    // not be started (or was started before).
    bool Start(unsigned uStackSize, std::vector<Job> jobs);
    // Signals the stop without waiting. Safe from any thread, any number of times.
    void RequestStop();
    // Signals the stop, ends the loop once the current run returns, and waits up to dwWaitMs for
    // the thread. True when no thread is left; false when it is still inside a run (Abandoned).
    // On the worker itself it only signals.
    bool Stop(DWORD dwWaitMs = INFINITE);
    // The thread did not end within a Stop's wait: it still runs, and what it uses must outlive it.
    bool Abandoned() const { return m_bAbandoned; }

    // Waits `uMs` milliseconds; false at once (or as soon as it comes) when the worker stops.
    bool Pause(unsigned uMs) const;
    bool Stopping() const;

    // The thread requests are posted to; 0 before Start and after Stop.
    DWORD ThreadId() const { return m_dwThreadId.load(); }
    bool IsWorkerThread() const { return GetCurrentThreadId() == m_dwThreadId.load(); }

private:
    struct StartBlock;
    static DWORD WINAPI ThreadProc(LPVOID pParam);

    KernelHandle m_stop;
    HANDLE m_hThread = nullptr;
    std::atomic<DWORD> m_dwThreadId{0};
    bool m_bAbandoned = false;
};
