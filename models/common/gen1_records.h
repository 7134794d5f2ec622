// First-generation records: the macro record and its actions, the per-button key entry and the
// profile record as the pages hold it in memory. Files hold these bytes little-endian, strings as
// UTF-16; how a profile lies in a model's file is its ProfileLayout (profile_layout.h).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <type_traits>
#include <vector>

static_assert(sizeof(wchar_t) == 2, "records hold UTF-16 names");

constexpr int kMacroActionMax = 46;     // actions of a macro record and of a key entry's copy
constexpr int kKeyEntryCount = 24;      // key entries in a profile record
constexpr int kButtonCount = 18;        // entries 0..17 are buttons 1..18; 18..23 stay zero
constexpr int kDpiStageCount = 8;
constexpr int kProfileNameChars = 100;  // with the terminator: at most 99 characters
constexpr int kMacroNameChars = 24;     // with the terminator: at most 23 characters

// Mouse-button codes of MacroAction::byKey besides the HID keyboard usages.
constexpr uint8_t kMouseLeftButton = 241;
constexpr uint8_t kMouseRightButton = 242;
constexpr uint8_t kMouseMiddleButton = 243;
constexpr uint8_t kMouseBackButton = 244;
constexpr uint8_t kMouseForwardButton = 245;

constexpr uint8_t kActionPress = 1;
constexpr uint8_t kActionRelease = 2;

struct MacroAction {
    uint8_t byKey;     // HID keyboard usage, or a mouse-button code 241..245
    uint8_t byType;    // 1 press, 2 release
    uint16_t wDelay;   // ms from this action to the next
};
static_assert(sizeof(MacroAction) == 4);
static_assert(offsetof(MacroAction, wDelay) == 2);

struct MacroRecord {
    wchar_t szName[kMacroNameChars];
    int32_t iLoopCount;  // 0 for macros made in the editor; set by a profile import
    int32_t iActionNum;  // 0..46
    MacroAction stActions[kMacroActionMax];
};
static_assert(sizeof(MacroRecord) == 240);
static_assert(offsetof(MacroRecord, iLoopCount) == 48);
static_assert(offsetof(MacroRecord, iActionNum) == 52);
static_assert(offsetof(MacroRecord, stActions) == 56);
static_assert(std::has_unique_object_representations_v<MacroRecord>, "no padding in a file record");

constexpr uint8_t kFunctionShortcut = 16;
constexpr uint8_t kFunctionMacro = 17;

struct KeyEntry {
    uint8_t byIndex;       // button index 0..17
    uint8_t byFunction;    // function id (KeyFunctionTable)
    uint8_t byParam;
    uint8_t byUsage;       // HID usage of a shortcut
    uint8_t byReserved1[3];
    uint8_t byModifiers;   // shortcut modifiers: 1 Ctrl, 2 Shift, 4 Alt, 8 Win
    uint16_t wParam;
    uint8_t byReserved2[2];
    int32_t iLoopMode;     // repeat option of the macro picker, 0..2
    wchar_t szMacroName[kMacroNameChars];
    int32_t iLoopCount;
    uint16_t wActionNum;   // actions copied into stActions, 0..46
    uint8_t byReserved3[1002];
    int32_t iMacroIndex;   // index in the macro list, -1 none
    int32_t iMacroIndex2;
    uint8_t byReserved4[4];
    uint8_t byColor;       // sent three times in the macro frame; compared with the next 3 bytes
    uint8_t byReserved5[3];
    MacroAction stActions[kMacroActionMax];
};
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

// A profile as the pages hold it: every field a first-generation layout stores before its key
// entries, in the order of the widest one (D, whose head the second-generation record shares),
// then the 24 key entries. A model's file keeps the subset and order its layout names; the
// conversion is lossless, so a file read and written again is the same bytes. Fields the model's
// layout lacks stay zero.
template <class Key>
struct ProfileRecordT {
    wchar_t szName[kProfileNameChars];
    wchar_t szExtra1[500];
    wchar_t szExtra2[500];
    int32_t iParam1;
    int32_t iParam2;
    uint8_t byParam3;
    uint8_t byReserved1[3];
    int32_t iParam4;
    int32_t iReserved2[2];
    int32_t iOption1;
    int32_t iLiftOff;
    int32_t iOption3;
    int32_t iReserved3[2];
    int32_t iDpi[kDpiStageCount];        // in the model's DPI unit
    int32_t iDpi2[kDpiStageCount];
    int32_t iDpiEnable[kDpiStageCount];
    int32_t iBrightness;
    int32_t iBreathSpeed;
    int32_t iSleep;
    int32_t iLightOff;                   // not in layout A
    int32_t iCurDpi;                     // 0..7
    int32_t iRate;
    int32_t iRateHs;                     // 4K polling-rate index: layout D only
    int32_t iMoveMode;
    int32_t iRipple;
    int32_t iAngleSnap;
    int32_t iMotionSync;
    int32_t iLightMode;
    int32_t iParam5;
    uint8_t byParam6;
    uint8_t byReserved4[3];
    int32_t iDebounce;
    uint32_t dwLightColor;               // bytes R, G, B, 0
    uint32_t dwDpiColor[kDpiStageCount];
    uint32_t dwColor2[kDpiStageCount];
    Key stKeys[kKeyEntryCount];
};

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
static_assert(sizeof(ProfileRecord) == 2468 + kKeyEntryCount * sizeof(KeyEntry));
static_assert(std::has_unique_object_representations_v<ProfileRecord>, "no padding in a record");

// The page's lists: records allocated one by one, so pointers to them stay valid.
using ProfileList = std::vector<std::unique_ptr<ProfileRecord>>;
using MacroList = std::vector<std::unique_ptr<MacroRecord>>;

// The leading block of pro.data: the current index and a reserved block of five file records,
// kept as read and written back unchanged (zero in files this program creates).
struct ProDataHeader {
    int32_t iCurProfile = 0;
    std::vector<uint8_t> reserved;
};
