// What a key button shows and how its menu works, for the pages: which function a menu item
// stands for, a key button's caption, and where its menu opens on the screen.
#pragma once

#include "models/pages/button_functions.h"

#include <windows.h>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The function id of a menu item's name: the page's prefix and the item of a row of the key
// function table ("ms_10_copy" -> 33), compared without regard to case. A name that names no row
// gives the left click.
uint8_t FunctionOfMenuItem(std::wstring_view strItem, std::wstring_view strPrefix);

// The menu item names (without the page's prefix) the first generation offers, in table order.
std::vector<std::wstring> MenuItemNames();

// A key button's caption: a language text id, or text composed from language texts (bTextId
// false). Empty text id for a function without a caption.
struct KeyCaption {
    std::wstring strText;
    bool bTextId = true;
    bool operator==(const KeyCaption&) const = default;
};

// Where a key button's menu opens (screen coordinates): at the button's top-right corner, the
// button's rectangle given in the main window (rcWindow on the screen). The page reckons the
// menu 22 pixels a row plus 4 high; one that would reach the bottom of the screen (cyScreen)
// is moved up so that its bottom edge lies 25 pixels below the button's top.
struct KeyMenuPlace {
    POINT pt;
    bool bMovedUp;
};
constexpr int kMenuRowHeight = 22;
KeyMenuPlace PlaceKeyMenu(const RECT& rcWindow, const RECT& rcButton, int nRows, int cyScreen);

// Looks a language text up by its id.
using TextLookup = std::function<std::wstring(const wchar_t* pszId)>;

// "Ctrl+Shift+A": the modifier names in the order Ctrl, Shift, Alt, Win, each followed by "+",
// then the key's name.
std::wstring ShortcutCaption(uint8_t byModifiers, uint8_t byUsage, const TextLookup& text);

// bColourMacros: the generation has macros that carry a colour (function 25), captioned
// "assign_left_macro_text", "-" and the name; without them 25 has no caption.
template <class Key>
KeyCaption CaptionOf(const Key& entry, const TextLookup& text, bool bColourMacros = false) {
    switch (entry.byFunction) {
        case kFunctionShortcut:
            return {ShortcutCaption(entry.byModifiers, entry.byUsage, text), false};
        case kFunctionMacro:
            return {text(L"assign_macro_text") + std::wstring(NameOf(entry.szMacroName)), false};
        case kFunctionMacroColour:
            if (bColourMacros) return {text(L"assign_left_macro_text") + L"-" + std::wstring(NameOf(entry.szMacroName)), false};
            return {L"", true};
        default: {
            const wchar_t* pszId = KeyFunctionCaption(entry.byFunction);
            return {pszId != nullptr ? pszId : L"", true};
        }
    }
}

