#include "ui/manager/control_timers.h"

#include "ui/base/ui_defs.h"

namespace DuiLib {

bool CControlTimers::IsInUse(UINT_PTR uWinTimer) const {
    for (const TTimerInfo& info : m_timers) {
        if (info.uWinTimer == uWinTimer) return true;
    }
    return false;
}

UINT_PTR CControlTimers::Add(CControlUI* pControl, UINT nLocalID) {
    for (const TTimerInfo& info : m_timers) {
        if (info.pSender == pControl && info.nLocalID == nLocalID) return info.uWinTimer;
    }
    constexpr UINT_PTR kCount = kLastLibraryTimerId - kFirstLibraryTimerId + 1;
    if (m_timers.size() >= kCount) return 0;
    // Ids are handed out round the range, so a just-killed id whose WM_TIMER may still be queued
    // is not given to another control at once.
    for (UINT_PTR i = 0; i < kCount; ++i) {
        UINT_PTR uCandidate = kFirstLibraryTimerId + (m_uNextId + i) % kCount;
        if (!IsInUse(uCandidate)) {
            m_uNextId = (uCandidate - kFirstLibraryTimerId + 1) % kCount;
            m_timers.push_back(TTimerInfo{pControl, nLocalID, uCandidate});
            return uCandidate;
        }
    }
    return 0;
}

bool CControlTimers::Remove(CControlUI* pControl, UINT nLocalID, UINT_PTR& uWinTimer) {
    for (auto it = m_timers.begin(); it != m_timers.end(); ++it) {
        if (it->pSender == pControl && it->nLocalID == nLocalID) {
            uWinTimer = it->uWinTimer;
            m_timers.erase(it);
            return true;
        }
    }
    return false;
}

std::vector<UINT_PTR> CControlTimers::RemoveAll(CControlUI* pControl) {
    std::vector<UINT_PTR> ids;
    for (auto it = m_timers.begin(); it != m_timers.end();) {
        if (it->pSender == pControl) {
            ids.push_back(it->uWinTimer);
            it = m_timers.erase(it);
        } else {
            ++it;
        }
    }
    return ids;
}

std::vector<UINT_PTR> CControlTimers::Clear() {
    std::vector<UINT_PTR> ids;
    for (const TTimerInfo& info : m_timers) ids.push_back(info.uWinTimer);
    m_timers.clear();
    return ids;
}

const CControlTimers::TTimerInfo* CControlTimers::FindByWinTimer(UINT_PTR uWinTimer) const {
    for (const TTimerInfo& info : m_timers) {
        if (info.uWinTimer == uWinTimer) return &info;
    }
    return nullptr;
}

}  // namespace DuiLib
