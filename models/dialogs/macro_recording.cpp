#include "models/dialogs/macro_recording.h"

#include "models/data/record_types.h"

#include "core/util/key_text.h"

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

bool DecodeHookEvent(WPARAM wParam, LPARAM lParam, HookInput& input) {
    switch (wParam) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP:
            input = {kMouseLeftButton, wParam == WM_LBUTTONDOWN};
            return true;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP:
            input = {kMouseRightButton, wParam == WM_RBUTTONDOWN};
            return true;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP:
            input = {kMouseMiddleButton, wParam == WM_MBUTTONDOWN};
            return true;
        case WM_XBUTTONDOWN: case WM_XBUTTONUP:
            // The hook tells the side buttons apart in lParam: 2 back (244), 1 forward (245).
            if (lParam == 2 || lParam == 1) {
                input = {lParam == 2 ? kMouseBackButton : kMouseForwardButton, wParam == WM_XBUTTONDOWN};
                return true;
            }
            break;
        default:
            break;
    }
    int iUsage = 0;
    if (!VirtualKeyToUsage(static_cast<int>(wParam), iUsage) || iUsage <= 0 || iUsage > 0xFF) return false;
    input = {static_cast<uint8_t>(iUsage), lParam == 0};
    return true;
}
