// The first generation's macro editor: the editor over MacroRecord (46 actions of 4 bytes),
// with its limits. The model classes (CMS_10_Macro, ...) are this editor under their model
// number.
#pragma once

#include "gen1_frames.h"
#include "gen1_records.h"
#include "gen1_storage.h"
#include "macro_editor.h"

#include <windows.h>

#include <cstdint>

struct Gen1MacroTraits {
    using Record = MacroRecord;
    using Action = MacroAction;
    using Storage = Gen1Storage;

    static constexpr int kActionMax = kMacroActionMax;  // actions a macro holds
    static constexpr int kEventMax = 47;                // events a stored macro may count
    static constexpr int kRecordStopEvents = 46;        // an event arriving at this count ends a recording
    static constexpr int kDelayMin = 10;                // delays a person types, in ms
    static constexpr int kDelayMax = 65535;

    // The mouse-action combo's items and the click buttons 1..5, in order.
    static constexpr uint8_t kMouseButtonCodes[5] = {kMouseLeftButton, kMouseRightButton, kMouseMiddleButton,
                                                     kMouseForwardButton, kMouseBackButton};
    static bool IsMouseButton(uint8_t byKey) { return byKey >= kMouseLeftButton && byKey <= kMouseForwardButton; }
    static int MouseItemOf(uint8_t byKey);
    static bool IsPress(const MacroAction& action) { return action.byType == kActionPress; }
    static MacroAction MakeAction(uint8_t byKey, bool bPress, int iDelay);

    // Events an action takes in the macro frame: two for a delay the frame splits.
    static int EventsOf(const MacroAction& action) { return action.wDelay > kShortDelayMaxMs ? 2 : 1; }
    static int EventCount(const MacroRecord& macro);

    // What a hook event records: a key by its usage, a mouse button by its code.
    struct HookEvent {
        uint8_t byKey = 0;
        bool bPress = true;
    };
    // False for an event that records nothing (a key without a usage).
    static bool DecodeHookEvent(WPARAM wParam, LPARAM lParam, HookEvent& event);
};

using CGen1MacroEditor = CMacroEditorT<Gen1MacroTraits>;
extern template class CMacroEditorT<Gen1MacroTraits>;
