// The key tables: Windows virtual keys, HID keyboard usages and the text ids that name keys
// on screen. Constant data; the lookups take the first matching row, so row order matters.
#pragma once

#include <array>
#include <cstdint>

// One key: its virtual key, the HID keyboard usage of the same key (or one of our own codes)
// and its set-1 scan code on a US keyboard (0 from Print Screen on).
struct KeyCodeRow {
    int32_t iVirtualKey;
    int32_t iUsage;
    int32_t iScanCode;
};
static_assert(sizeof(KeyCodeRow) == 12);

constexpr int kKeyCodeRowCount = 112;
extern const std::array<KeyCodeRow, kKeyCodeRowCount> KeyCodeTable;

// Mouse-button codes that macros and shortcuts carry like key usages.
constexpr int kUsageLeftButton = 0xF1;
constexpr int kUsageRightButton = 0xF2;
constexpr int kUsageMiddleButton = 0xF3;
constexpr int kUsageBackButton = 0xF4;
constexpr int kUsageForwardButton = 0xF5;

// First row whose column equals the value; nullptr when none does. A scan code of 0 never
// matches (the rows without a scan code hold 0).
const KeyCodeRow* FindRowByVirtualKey(int iVirtualKey);
const KeyCodeRow* FindRowByUsage(int iUsage);
const KeyCodeRow* FindRowByScanCode(int iScanCode);

// Text id naming a virtual key that has no character of its own (Enter, F1, Num 5 ...);
// nullptr for the keys whose label comes from the keyboard layout.
const wchar_t* VirtualKeyTextId(int iVirtualKey);

// Text id of a usage from 0x3A on (function keys, navigation, keypad, modifiers, mouse
// buttons); nullptr when the usage has none. Some usages carry the empty id.
const wchar_t* UsageTextId(int iUsage);
