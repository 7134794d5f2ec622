// First-generation records: the 4-byte macro action, the 240-byte macro record, the per-button
// key entry and the profile record as the pages hold it in memory (record_types.h gives their
// shapes). How a profile lies in a model's file is its ProfileLayout (profile_layout.h).
#pragma once

#include "models/data/record_types.h"

#include <cstddef>
#include <cstdint>
#include <type_traits>

constexpr int kMacroActionMax = 46;     // actions of a macro record and of a key entry's copy

struct MacroAction {
    uint8_t byKey;     // HID keyboard usage, or a mouse-button code 241..245
    uint8_t byType;    // 1 press, 2 release
    uint16_t wDelay;   // ms from this action to the next
};
static_assert(sizeof(MacroAction) == 4);
static_assert(offsetof(MacroAction, wDelay) == 2);

using MacroRecord = MacroRecordT<MacroAction, kMacroActionMax>;
static_assert(sizeof(MacroRecord) == 240);
static_assert(offsetof(MacroRecord, iLoopCount) == 48);
static_assert(offsetof(MacroRecord, iActionNum) == 52);
static_assert(offsetof(MacroRecord, stActions) == 56);
static_assert(std::has_unique_object_representations_v<MacroRecord>, "no padding in a file record");

using KeyEntry = KeyEntryT<MacroAction, kMacroActionMax>;
static_assert(sizeof(KeyEntry) == 1272);
static_assert(offsetof(KeyEntry, byFunction) == 1);
static_assert(offsetof(KeyEntry, byParam) == 2);
static_assert(offsetof(KeyEntry, byUsage) == 3);
static_assert(offsetof(KeyEntry, byModifiers) == 7);
static_assert(offsetof(KeyEntry, wParam) == 8);
static_assert(offsetof(KeyEntry, iLoopMode) == 12);
static_assert(offsetof(KeyEntry, szMacroName) == 16);
static_assert(offsetof(KeyEntry, iLoopCount) == 64);
static_assert(offsetof(KeyEntry, wActionNum) == 68);
static_assert(offsetof(KeyEntry, iMacroIndex) == 1072);
static_assert(offsetof(KeyEntry, iMacroIndex2) == 1076);
static_assert(offsetof(KeyEntry, byColor) == 1084);
static_assert(offsetof(KeyEntry, stActions) == 1088);
static_assert(std::has_unique_object_representations_v<KeyEntry>, "no padding in a file record");

using ProfileRecord = ProfileRecordT<KeyEntry>;
static_assert(offsetof(ProfileRecord, iParam1) == 2200);
static_assert(offsetof(ProfileRecord, byParam3) == 2208);
static_assert(offsetof(ProfileRecord, iParam4) == 2212);
static_assert(offsetof(ProfileRecord, iOption1) == 2224);
static_assert(offsetof(ProfileRecord, iDpi) == 2244);
static_assert(offsetof(ProfileRecord, iDpi2) == 2276);
static_assert(offsetof(ProfileRecord, iDpiEnable) == 2308);
static_assert(offsetof(ProfileRecord, iBrightness) == 2340);
static_assert(offsetof(ProfileRecord, stKeys) == 2468);
static_assert(offsetof(ProfileRecord, iSensorMode) == 2468 + kKeyEntryCount * sizeof(KeyEntry));
static_assert(std::has_unique_object_representations_v<ProfileRecord>, "no padding in a record");

using ProfileList = RecordList<ProfileRecord>;
using MacroList = RecordList<MacroRecord>;
