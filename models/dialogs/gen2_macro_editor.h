// The second generation's macro editor: the editor over MacroRecordEx (190 actions of 16 bytes,
// mouse moves among them), with its limits: a stored macro counts at most 191 events in at most
// four macro blocks, and delays run from 1 to 25,000 ms. The model classes (CMS_11_Macro, ...)
// are this editor under their model number.
#pragma once

#include "models/data/gen2_frames.h"
#include "models/data/gen2_records.h"
#include "models/data/gen2_storage.h"
#include "models/dialogs/macro_editor.h"

#include <cstdint>

struct Gen2MacroTraits {
    using Record = MacroRecordEx;
    using Action = MacroActionEx;
    using Storage = Gen2Storage;

    static constexpr int kActionMax = kMacroActionMaxEx;
    static constexpr int kRecordStopEvents = 190;
    static constexpr int kDelayMin = 1;
    static constexpr int kDelayMax = kMacroDelayMaxMs;
    static constexpr int kNoDelay = 1;
    static constexpr int kClickDelay = 10;
    static constexpr bool kLastDelayFixed = false;  // the mouse plays every action's delay
    static constexpr bool kHasMoves = true;
    static constexpr int kMoveLimit = kMoveOffsetMax;
    static constexpr int kMoveDelay = 10;           // an inserted move's delay
    static constexpr const wchar_t* kTooLongMessage = L"macro_too_long_text";

    // Whether a recording that stops ends its insertion: the model's description says.
    static bool StopEndsInsertion(int iModel);

    static bool IsPress(const MacroActionEx& action) { return action.byType == kActionPress; }
    static bool IsMove(const MacroActionEx& action) { return action.byType == kActionMove; }
    static MacroActionEx MakeAction(uint8_t byKey, bool bPress, int iDelay);
    static MacroActionEx MakeMove(int iX, int iY, int iDelay);

    static int EventTotal(const MacroActionEx* pActions, int iCount) { return MacroEventTotal(pActions, iCount); }
    static bool Fits(const MacroActionEx* pActions, int iCount) { return MacroFitsFrame(pActions, iCount); }
};

using CGen2MacroEditor = CMacroEditorT<Gen2MacroTraits>;
extern template class CMacroEditorT<Gen2MacroTraits>;
