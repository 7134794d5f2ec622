#include "models/dialogs/gen1_macro_editor.h"

#include "models/dialogs/macro_editor_actions.h"
#include "models/dialogs/macro_editor_impl.h"
#include "models/dialogs/macro_editor_recording.h"

#include <algorithm>

MacroAction Gen1MacroTraits::MakeAction(uint8_t byKey, bool bPress, int iDelay) {
    return MacroAction{byKey, bPress ? kActionPress : kActionRelease,
                       static_cast<uint16_t>(std::clamp(iDelay, 0, kDelayMax))};
}

int Gen1MacroTraits::EventTotal(const MacroAction* pActions, int iCount) {
    return MacroPairCount(pActions, std::clamp(iCount, 0, kActionMax));
}

template class CMacroEditorT<Gen1MacroTraits>;
