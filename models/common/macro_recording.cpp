#include "macro_recording.h"

DWORD g_dwRecordTick = 0;
DWORD g_dwLastHookWParam = 0;
DWORD g_dwLastHookLParam = 0;

namespace {

DWORD TickNow() { return static_cast<DWORD>(::GetTickCount64()); }

RecordClockFn g_pfnClock = &TickNow;

}  // namespace

DWORD RecordClockNow() { return g_pfnClock(); }

RecordClockFn SetRecordClock(RecordClockFn pfnClock) {
    const RecordClockFn pfnOld = g_pfnClock == &TickNow ? nullptr : g_pfnClock;
    g_pfnClock = pfnClock != nullptr ? pfnClock : &TickNow;
    return pfnOld;
}

DWORD RecordElapsed(DWORD uMaxMs) {
    const DWORD dwElapsed = RecordClockNow() - g_dwRecordTick;
    return dwElapsed < uMaxMs ? dwElapsed : uMaxMs;
}

bool IsHookRepeat(WPARAM wParam, LPARAM lParam) {
    const DWORD dwW = static_cast<DWORD>(wParam);
    const DWORD dwL = static_cast<DWORD>(lParam);
    if (dwW == g_dwLastHookWParam && dwL == g_dwLastHookLParam) return true;
    g_dwLastHookWParam = dwW;
    g_dwLastHookLParam = dwL;
    return false;
}
