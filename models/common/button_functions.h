// What the button-function menu and the macro editor do to a profile's button entries, apart
// from any window: which function a menu item stands for, the rule that some button keeps the
// left click, a key button's caption, a macro copied into a button, and bringing the buttons'
// macro copies in line with the macro list after the editor closed. Written over the shared
// record shapes (record_types.h), so either generation's entries and macros fit.
#pragma once

#include "key_function_table.h"
#include "key_macro.h"
#include "name_helpers.h"
#include "record_types.h"

#include <windows.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

constexpr int kMenuButtonCount = 12;       // key buttons 1..12 open the menu
constexpr int kLeftClickButtonCount = 16;  // buttons 1..16 count for the left-click rule
constexpr uint8_t kFunctionLeftClick = 1;

// The function id of a menu item's name: the page's prefix and the item of a row of the key
// function table ("ms_10_copy" -> 33), compared without regard to case. A name that names no row
// gives the left click.
uint8_t FunctionOfMenuItem(std::wstring_view strItem, std::wstring_view strPrefix);

// The menu item names (without the page's prefix) the first generation offers, in table order.
std::vector<std::wstring> MenuItemNames();

// Whether some button of 1..16 keeps the left click when button iButton (0-based) takes
// byFunction. Buttons 17 and 18 do not count.
template <class Profile>
bool KeepsLeftClick(const Profile& profile, int iButton, uint8_t byFunction) {
    for (int k = 0; k < kLeftClickButtonCount; ++k) {
        const uint8_t byId = k == iButton ? byFunction : profile.stKeys[k].byFunction;
        if (byId == kFunctionLeftClick) return true;
    }
    return false;
}

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

// The macro's copy in a button entry: its action count, its name and its actions. The entry's
// function, loop mode, loop count and macro index are the caller's.
template <class Key, class Macro>
void CopyMacroInto(Key& entry, const Macro& macro) {
    constexpr int kMax = std::min<int>(Key::kActionMax, Macro::kActionMax);
    static_assert(sizeof(entry.stActions[0]) == sizeof(macro.stActions[0]), "one action shape");
    entry.wActionNum = static_cast<uint16_t>(macro.iActionNum & 0xFFFF);
    CopyName(entry.szMacroName, NameOf(macro.szName));
    std::memset(entry.stActions, 0, sizeof(entry.stActions));
    std::memcpy(entry.stActions, macro.stActions, sizeof(macro.stActions[0]) * kMax);
}

inline bool IsPlainMacroFunction(uint8_t byFunction) { return byFunction == kFunctionMacro; }

// After the macro editor closed: every profile's buttons 1..12 that play a macro (a function
// pfnIsMacroFunction names: the generation's macro functions) or still name one are brought in
// line with the macro list. A button whose macro is found takes the macro's actions, name and
// index; its function, loop mode, loop count and colour stay. A button whose macro is gone: one
// that plays it is cleared and returns to its default function (defaults[k]); one that was given
// another function since keeps it and only forgets the name. Buttons 13..18 are not looked at.
// True when `pCurrent` (the current profile) had such a button.
template <class Profile, class Macro>
bool ResyncButtonMacros(RecordList<Profile>& profiles, const RecordList<Macro>& macros, const Profile* pCurrent,
                        const uint8_t (&defaults)[kButtonCount],
                        bool (*pfnIsMacroFunction)(uint8_t) = IsPlainMacroFunction) {
    using Key = typename Profile::KeyType;
    static_assert(std::is_trivially_copyable_v<Key>);
    bool bCurrentTouched = false;
    for (const std::unique_ptr<Profile>& pProfile : profiles) {
        if (!pProfile) continue;
        for (int k = 0; k < kMenuButtonCount; ++k) {
            Key& entry = pProfile->stKeys[k];
            const bool bPlaysMacro = pfnIsMacroFunction(entry.byFunction);
            if (!bPlaysMacro && NameOf(entry.szMacroName).empty()) continue;
            int iIndex = -1;
            int bEqual = 0;
            FindKeyMacroT(macros, entry, &iIndex, &bEqual);
            if (iIndex >= 0) {
                CopyMacroInto(entry, *macros[static_cast<size_t>(iIndex)]);
                entry.iMacroIndex = iIndex;
            } else if (bPlaysMacro) {
                std::memset(&entry, 0, sizeof(entry));
                entry.byFunction = defaults[k];
                entry.iMacroIndex = -1;
            } else {
                CopyName(entry.szMacroName, L"");
                entry.iMacroIndex = -1;
            }
            if (pProfile.get() == pCurrent) bCurrentTouched = true;
        }
    }
    return bCurrentTouched;
}
