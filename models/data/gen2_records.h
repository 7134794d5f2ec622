// Second-generation records: the 16-byte macro action, the 3,096-byte macro record, the 4,128-byte
// key entry and the profile record (record_types.h gives their shapes). The same records serve
// every second-generation model; the sensor models store one more field (profile_layout.h).
#pragma once

#include "models/data/record_types.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

constexpr int kMacroActionMaxEx = 190;  // actions of a macro record and of a key entry's copy

constexpr uint8_t kMouseMove = 246;       // byKey of a mouse move
constexpr uint8_t kActionMove = 0;        // byType of a mouse move
constexpr int32_t kMoveOffsetMax = 999;   // a move's X and Y: -999..999

struct MacroActionEx {
    uint8_t byReserved1;
    uint8_t byKey;       // HID keyboard usage, a mouse-button code 241..245, or 246 for a move
    uint8_t byType;      // 1 press, 2 release, 0 mouse move
    uint8_t byReserved2;
    uint16_t wDelay;     // ms from this action to the next
    uint16_t wReserved3;
    int32_t iX;          // a move's offsets, within kMoveOffsetMax either way
    int32_t iY;
};
static_assert(sizeof(MacroActionEx) == 16);
static_assert(offsetof(MacroActionEx, byKey) == 1);
static_assert(offsetof(MacroActionEx, byType) == 2);
static_assert(offsetof(MacroActionEx, wDelay) == 4);
static_assert(offsetof(MacroActionEx, iX) == 8);
static_assert(offsetof(MacroActionEx, iY) == 12);

using MacroRecordEx = MacroRecordT<MacroActionEx, kMacroActionMaxEx>;
static_assert(sizeof(MacroRecordEx) == 3096);
static_assert(offsetof(MacroRecordEx, iLoopCount) == 48);
static_assert(offsetof(MacroRecordEx, iActionNum) == 52);
static_assert(offsetof(MacroRecordEx, stActions) == 56);
static_assert(std::has_unique_object_representations_v<MacroRecordEx>, "no padding in a file record");

using KeyEntryEx = KeyEntryT<MacroActionEx, kMacroActionMaxEx>;
static_assert(sizeof(KeyEntryEx) == 4128);
static_assert(offsetof(KeyEntryEx, byFunction) == 1);
static_assert(offsetof(KeyEntryEx, byParam) == 2);
static_assert(offsetof(KeyEntryEx, byUsage) == 3);
static_assert(offsetof(KeyEntryEx, byModifiers) == 7);
static_assert(offsetof(KeyEntryEx, wParam) == 8);
static_assert(offsetof(KeyEntryEx, iLoopMode) == 12);
static_assert(offsetof(KeyEntryEx, szMacroName) == 16);
static_assert(offsetof(KeyEntryEx, iLoopCount) == 64);
static_assert(offsetof(KeyEntryEx, wActionNum) == 68);
static_assert(offsetof(KeyEntryEx, iMacroIndex) == 1072);
static_assert(offsetof(KeyEntryEx, iMacroIndex2) == 1076);
static_assert(offsetof(KeyEntryEx, byColor) == 1084);
static_assert(offsetof(KeyEntryEx, stActions) == 1088);
static_assert(std::has_unique_object_representations_v<KeyEntryEx>, "no padding in a file record");

using ProfileRecordEx = ProfileRecordT<KeyEntryEx>;
static_assert(offsetof(ProfileRecordEx, szExtra1) == 200);
static_assert(offsetof(ProfileRecordEx, szExtra2) == 1200);
static_assert(offsetof(ProfileRecordEx, iParam1) == 2200);
static_assert(offsetof(ProfileRecordEx, iParam2) == 2204);
static_assert(offsetof(ProfileRecordEx, byParam3) == 2208);
static_assert(offsetof(ProfileRecordEx, iParam4) == 2212);
static_assert(offsetof(ProfileRecordEx, iOption1) == 2224);
static_assert(offsetof(ProfileRecordEx, iLiftOff) == 2228);
static_assert(offsetof(ProfileRecordEx, iOption3) == 2232);
static_assert(offsetof(ProfileRecordEx, iDpi) == 2244);
static_assert(offsetof(ProfileRecordEx, iDpi2) == 2276);
static_assert(offsetof(ProfileRecordEx, iDpiEnable) == 2308);
static_assert(offsetof(ProfileRecordEx, iBrightness) == 2340);
static_assert(offsetof(ProfileRecordEx, iBreathSpeed) == 2344);
static_assert(offsetof(ProfileRecordEx, iSleep) == 2348);
static_assert(offsetof(ProfileRecordEx, iLightOff) == 2352);
static_assert(offsetof(ProfileRecordEx, iCurDpi) == 2356);
static_assert(offsetof(ProfileRecordEx, iRate) == 2360);
static_assert(offsetof(ProfileRecordEx, iRateHs) == 2364);
static_assert(offsetof(ProfileRecordEx, iMoveMode) == 2368);
static_assert(offsetof(ProfileRecordEx, iRipple) == 2372);
static_assert(offsetof(ProfileRecordEx, iAngleSnap) == 2376);
static_assert(offsetof(ProfileRecordEx, iMotionSync) == 2380);
static_assert(offsetof(ProfileRecordEx, iLightMode) == 2384);
static_assert(offsetof(ProfileRecordEx, iParam5) == 2388);
static_assert(offsetof(ProfileRecordEx, byParam6) == 2392);
static_assert(offsetof(ProfileRecordEx, iDebounce) == 2396);
static_assert(offsetof(ProfileRecordEx, dwLightColor) == 2400);
static_assert(offsetof(ProfileRecordEx, dwDpiColor) == 2404);
static_assert(offsetof(ProfileRecordEx, dwColor2) == 2436);
static_assert(offsetof(ProfileRecordEx, stKeys) == 2468);
static_assert(offsetof(ProfileRecordEx, iSensorMode) == 101540);  // where the file record ends
static_assert(std::has_unique_object_representations_v<ProfileRecordEx>, "no padding in a record");

using ProfileListEx = RecordList<ProfileRecordEx>;
using MacroListEx = RecordList<MacroRecordEx>;
