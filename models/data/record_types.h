// The record shapes both generations share: a macro record and a button's key entry over their
// own action type and count, and the profile record over its key entry. Files hold these bytes
// little-endian, strings as UTF-16. gen1_records.h and gen2_records.h name the two instances;
// how a profile lies in a model's file is its layout (profile_layout.h).
#pragma once

#include "models/data/data_platform.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

constexpr int kKeyEntryCount = 24;      // key entries in a profile record
constexpr int kButtonCount = 18;        // entries 0..17 are buttons 1..18; 18..23 stay zero
constexpr int kDpiStageCount = 8;
constexpr int kProfileNameChars = 100;  // with the terminator: at most 99 characters
constexpr int kMacroNameChars = 24;     // with the terminator: at most 23 characters

// Mouse-button codes of an action's byKey besides the HID keyboard usages.
constexpr uint8_t kMouseLeftButton = 241;
constexpr uint8_t kMouseRightButton = 242;
constexpr uint8_t kMouseMiddleButton = 243;
constexpr uint8_t kMouseBackButton = 244;
constexpr uint8_t kMouseForwardButton = 245;

constexpr uint8_t kActionPress = 1;
constexpr uint8_t kActionRelease = 2;

constexpr uint8_t kFunctionShortcut = 16;
constexpr uint8_t kFunctionMacroColour = 25;  // second generation: a macro that carries a colour
constexpr uint8_t kFunctionMacro = 17;

template <class Action, int N>
struct MacroRecordT {
    using ActionType = Action;
    static constexpr int kActionMax = N;
    NameChar szName[kMacroNameChars];
    int32_t iLoopCount;  // 0 for macros made in the editor; set by a profile import
    int32_t iActionNum;  // 0..N
    Action stActions[N];
};

template <class Action, int N>
struct KeyEntryT {
    using ActionType = Action;
    static constexpr int kActionMax = N;
    uint8_t byIndex;       // button index 0..17
    uint8_t byFunction;    // function id (KeyFunctionTable)
    uint8_t byParam;
    uint8_t byUsage;       // HID usage of a shortcut
    uint8_t byReserved1[3];
    uint8_t byModifiers;   // shortcut modifiers: 1 Ctrl, 2 Shift, 4 Alt, 8 Win
    uint16_t wParam;
    uint8_t byReserved2[2];
    int32_t iLoopMode;     // repeat option of the macro picker
    NameChar szMacroName[kMacroNameChars];
    int32_t iLoopCount;
    uint16_t wActionNum;   // actions copied into stActions, 0..N
    uint8_t byReserved3[1002];
    int32_t iMacroIndex;   // index in the macro list, -1 none
    int32_t iMacroIndex2;
    uint8_t byReserved4[4];
    // Four colour bytes, compared as one word. The first generation sends byte 0 three times; the
    // second sends R, G, B of a macro with colour and keeps the fourth.
    uint8_t byColor[4];
    Action stActions[N];
};

// A profile as the pages hold it: every field a file layout stores, in the order of the widest
// first-generation layout (D, whose head the second-generation record shares), then the key
// entries, then the sensor mode, which only the sensor layout stores (after iMotionSync). A
// model's file keeps the subset and order its layout names; the conversion is lossless, so a file
// read and written again is the same bytes. Fields the model's layout lacks stay zero.
template <class Key>
struct ProfileRecordT {
    using KeyType = Key;
    NameChar szName[kProfileNameChars];
    NameChar szExtra1[500];
    NameChar szExtra2[500];
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
    int32_t iRateHs;                     // 4K polling-rate index: layout D and the second generation
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
    int32_t iSensorMode;                 // sensor layout only
};

// The page's lists: records allocated one by one, so pointers to them stay valid.
template <class Rec>
using RecordList = std::vector<std::unique_ptr<Rec>>;

// The leading block of pro.data: the current index and a reserved block of five file records,
// kept as read and written back unchanged (zero in files this program creates).
struct ProDataHeader {
    int32_t iCurProfile = 0;
    std::vector<uint8_t> reserved;
};
