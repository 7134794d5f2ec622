#include "core/page/page_worker.h"

#include <memory>

struct CPageWorker::StartBlock {
    CPageWorker* pWorker;
    std::vector<Job> jobs;
    HANDLE hReady;
};

CPageWorker::CPageWorker() : m_stop(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}

CPageWorker::~CPageWorker() {
    // Whoever left a thread behind keeps its page alive; here the thread is always joined.
    Stop();
}

bool CPageWorker::Start(unsigned uStackSize, std::vector<Job> jobs) {
    if (m_hThread != nullptr || !m_stop || Stopping()) return false;
    HANDLE hReady = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (hReady == nullptr) return false;
    auto* pBlock = new StartBlock{this, std::move(jobs), hReady};
    DWORD dwThreadId = 0;
    m_hThread = CreateThread(nullptr, uStackSize, &CPageWorker::ThreadProc, pBlock, 0, &dwThreadId);
    if (m_hThread == nullptr) {
        delete pBlock;
        CloseHandle(hReady);
        return false;
    }
    // The queue exists once the thread has asked for its first message.
    const HANDLE waits[2] = {hReady, m_hThread};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    CloseHandle(hReady);
    m_dwThreadId = dwThreadId;
    return true;
}

DWORD WINAPI CPageWorker::ThreadProc(LPVOID pParam) {
    std::unique_ptr<StartBlock> pBlock(static_cast<StartBlock*>(pParam));
    MSG msg;
    PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE);  // makes the thread's queue
    SetEvent(pBlock->hReady);
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.hwnd != nullptr || pBlock->pWorker->Stopping()) continue;
        for (const Job& job : pBlock->jobs)
            if (msg.message == job.uMsg) job.run();
    }
    return 0;
}

void CPageWorker::RequestStop() {
    if (m_stop) SetEvent(m_stop.Get());
}

bool CPageWorker::Stop(DWORD dwWaitMs) {
    RequestStop();
    if (m_hThread == nullptr) return true;
    if (IsWorkerThread()) return false;
    // The loop may not have its queue message yet if it is inside a run; WM_QUIT waits for it.
    PostThreadMessageW(m_dwThreadId.load(), WM_QUIT, 0, 0);
    if (WaitForSingleObject(m_hThread, dwWaitMs) != WAIT_OBJECT_0) {
        m_bAbandoned = true;
        return false;
    }
    CloseHandle(m_hThread);
    m_hThread = nullptr;
    m_dwThreadId = 0;
    m_bAbandoned = false;
    return true;
}

bool CPageWorker::Pause(unsigned uMs) const {
    if (!m_stop) return false;
    return WaitForSingleObject(m_stop.Get(), uMs) == WAIT_TIMEOUT;
}

bool CPageWorker::Stopping() const { return !m_stop || WaitForSingleObject(m_stop.Get(), 0) == WAIT_OBJECT_0; }
