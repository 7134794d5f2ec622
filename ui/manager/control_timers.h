// The control timers of one window: each (control, timer id) pair the program arms gets a Win32
// timer id of its own, from kFirstLibraryTimerId up, so it never meets the window's own timers.
#pragma once

#include <windows.h>

#include <vector>

namespace DuiLib {

class CControlUI;

class CControlTimers {
public:
    struct TTimerInfo {
        CControlUI* pSender;
        UINT nLocalID;       // the id the control's owner chose
        UINT_PTR uWinTimer;  // the Win32 timer id
    };

    // The Win32 id for the pair: the one it already has, or a free one (0 when none is free).
    UINT_PTR Add(CControlUI* pControl, UINT nLocalID);
    // Forgets the pair; its Win32 id in uWinTimer. False when the pair has no timer.
    bool Remove(CControlUI* pControl, UINT nLocalID, UINT_PTR& uWinTimer);
    // Forgets every timer of the control; their Win32 ids are returned.
    std::vector<UINT_PTR> RemoveAll(CControlUI* pControl);
    // Forgets every timer; their Win32 ids are returned.
    std::vector<UINT_PTR> Clear();
    // nullptr when the Win32 id is not a control timer.
    const TTimerInfo* FindByWinTimer(UINT_PTR uWinTimer) const;
    size_t GetCount() const { return m_timers.size(); }

private:
    bool IsInUse(UINT_PTR uWinTimer) const;

    std::vector<TTimerInfo> m_timers;
    UINT_PTR m_uNextId = 0;
};

}  // namespace DuiLib
