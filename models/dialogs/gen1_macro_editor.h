// The first generation's macro editor: the editor over MacroRecord (46 actions of 4 bytes),
// with its limits. The model classes (CMS_10_Macro, ...) are this editor under their model
// number.
#pragma once

#include "models/data/gen1_frames.h"
#include "models/data/gen1_records.h"
#include "models/data/gen1_storage.h"
#include "models/dialogs/macro_editor.h"

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
    static constexpr int kNoDelay = 10;                 // "no delay", and the newest recorded action's
    static constexpr int kClickDelay = 10;              // an inserted click outside the default-delay mode
    static constexpr bool kLastDelayFixed = true;       // the last action's delay is not played
    static constexpr bool kHasMoves = false;
    static constexpr const wchar_t* kTooLongMessage = nullptr;  // a change too long is dropped silently

    // A recording that stops leaves its insertion on, on every first-generation model.
    static constexpr bool StopEndsInsertion(int /*iModel*/) { return false; }

    static bool IsPress(const MacroAction& action) { return action.byType == kActionPress; }
    static bool IsMove(const MacroAction&) { return false; }
    static MacroAction MakeAction(uint8_t byKey, bool bPress, int iDelay);

    // Events the actions take in the macro frame: two for a delay the frame splits.
    static int EventTotal(const MacroAction* pActions, int iCount);
    static bool Fits(const MacroAction* pActions, int iCount) { return EventTotal(pActions, iCount) <= kEventMax; }
};

using CGen1MacroEditor = CMacroEditorT<Gen1MacroTraits>;
extern template class CMacroEditorT<Gen1MacroTraits>;
