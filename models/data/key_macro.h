// The lookup of a button's macro copy in the macro list, for either generation's records (the
// key entry names its macro, counts its actions in wActionNum and keeps them in stActions).
#pragma once

#include "models/data/name_helpers.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <type_traits>
#include <vector>

template <class MacroRec, class Key>
int FindKeyMacroT(const std::vector<std::unique_ptr<MacroRec>>& macros, const Key& entry, int* piIndex,
                  int* pbEqual) {
    constexpr int kMaxActions = static_cast<int>(std::min(std::extent_v<decltype(MacroRec::stActions)>,
                                                          std::extent_v<decltype(Key::stActions)>));
    for (size_t i = 0; i < macros.size(); ++i) {
        const MacroRec& macro = *macros[i];
        if (!NamesEqualNoCase(NameOf(macro.szName), NameOf(entry.szMacroName))) continue;
        *piIndex = static_cast<int>(i);
        int bEqual = macro.iActionNum == static_cast<int>(entry.wActionNum) ? 1 : 0;
        if (bEqual) {
            const int iCount = std::clamp(macro.iActionNum, 0, kMaxActions);
            bEqual = std::memcmp(macro.stActions, entry.stActions, sizeof(macro.stActions[0]) * iCount) == 0 ? 1 : 0;
        }
        *pbEqual = bEqual;
        return bEqual;
    }
    return 0;
}
