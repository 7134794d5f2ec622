// What the button-function menu and the macro editor do to a profile's button entries, apart
// from any window: the rule that some button keeps the left click, a macro copied into a button,
// and bringing the buttons' macro copies in line with the macro list after the editor closed.
// Written over the shared record shapes (record_types.h), so either generation's entries and
// macros fit. What a button shows and where its menu opens are the pages' (button_captions.h).
#pragma once

#include "models/data/key_function_table.h"
#include "models/data/key_macro.h"
#include "models/data/name_helpers.h"
#include "models/data/record_types.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

constexpr int kMenuButtonCount = 12;       // key buttons 1..12 open the menu
constexpr int kLeftClickButtonCount = 16;  // buttons 1..16 count for the left-click rule
constexpr uint8_t kFunctionLeftClick = 1;

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
