// Button functions: function id to the three bytes frame 0x08 sends, the caption's text id and the
// button-function menu item (without the page's control prefix). The first generation has 64
// rows; the second adds id 25, a macro that carries a colour (65 rows).
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

struct KeyFunctionRow {
    uint8_t byId;
    uint8_t byType;
    uint8_t byCode1;
    uint8_t byCode2;
    int32_t iExtra;          // not sent
    const wchar_t* pszCaption;   // text id; nullptr when the function has no caption
    const wchar_t* pszMenuItem;  // "button_off" for "ms_10_button_off"; nullptr when no item
};

constexpr int kKeyFunctionRowCount = 64;
constexpr int kKeyFunctionRowCountEx = 65;
extern const std::array<KeyFunctionRow, kKeyFunctionRowCount> KeyFunctionTable;
extern const std::array<KeyFunctionRow, kKeyFunctionRowCountEx> KeyFunctionTableEx;

// The row of a function id (the last one when several carry it); nullptr when none does. The
// first generation's table, and the second generation's.
const KeyFunctionRow* FindKeyFunction(uint8_t byId);
const KeyFunctionRow* FindKeyFunctionEx(uint8_t byId);

// Caption text id of a function id, also for ids without device bytes (51 "task_view_text");
// nullptr when it has none. Shortcut (16) and macro (17, 25) have composed captions: nullptr.
// Both generations caption the same ids alike.
const wchar_t* KeyFunctionCaption(uint8_t byId);
