#include "models/pages/delayed_call.h"

bool CDelayedCall::Start(unsigned uMs, std::function<void()> onDue) {
    Cancel();
    std::lock_guard guard(m_lock);
    m_onDue = std::move(onDue);
    if (!CreateTimerQueueTimer(&m_hTimer, nullptr, &CDelayedCall::OnTimer, this, uMs, 0, WT_EXECUTEONLYONCE)) {
        m_hTimer = nullptr;
        return false;
    }
    return true;
}

void CDelayedCall::Cancel() {
    HANDLE hTimer = nullptr;
    {
        std::lock_guard guard(m_lock);
        hTimer = m_hTimer;
        m_hTimer = nullptr;
    }
    // INVALID_HANDLE_VALUE: wait for a callback that is running to return.
    if (hTimer != nullptr) DeleteTimerQueueTimer(nullptr, hTimer, INVALID_HANDLE_VALUE);
}

VOID CALLBACK CDelayedCall::OnTimer(PVOID pParam, BOOLEAN) {
    auto* pSelf = static_cast<CDelayedCall*>(pParam);
    std::function<void()> onDue;
    {
        std::lock_guard guard(pSelf->m_lock);
        onDue = pSelf->m_onDue;
    }
    if (onDue) onDue();
}
