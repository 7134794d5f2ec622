// What every macro editor of the program shares while it records: the recording clock and the
// last hook event, which filters out the repeats a held key sends. Editors are modal, so only
// one records at a time; all of this belongs to the UI thread.
#pragma once

#include <windows.h>

#include <cstdint>

// The clock: the low 32 bits of the millisecond tick count at the start of a recording and at
// each recorded event; 0 while no recording runs.
extern DWORD g_dwRecordTick;
// wParam and lParam of the last hook event a recording took; kept after the recording ends.
extern DWORD g_dwLastHookWParam;
extern DWORD g_dwLastHookLParam;

// The recording clock's "now" (the low 32 bits of GetTickCount64). Tests may put a clock of
// their own behind it; SetRecordClock returns the one it replaces (nullptr: the tick count).
using RecordClockFn = DWORD (*)();
DWORD RecordClockNow();
RecordClockFn SetRecordClock(RecordClockFn pfnClock);

// Milliseconds since g_dwRecordTick (wrapping with the tick count), at most uMaxMs.
DWORD RecordElapsed(DWORD uMaxMs);

// True when the event repeats the previous one (a held key repeats its press); otherwise it is
// remembered as the new previous event and the result is false.
bool IsHookRepeat(WPARAM wParam, LPARAM lParam);

// What one hook event records: a key by its HID usage, a mouse button by its code (241..245),
// pressed or released.
struct HookInput {
    uint8_t byKey = 0;
    bool bPress = true;
};
// False for an event that records nothing: a key without a usage.
bool DecodeHookEvent(WPARAM wParam, LPARAM lParam, HookInput& input);
