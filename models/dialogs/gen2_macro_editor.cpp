#include "models/dialogs/gen2_macro_editor.h"

#include "models/data/gen2_model.h"
#include "models/dialogs/macro_editor_actions.h"
#include "models/dialogs/macro_editor_impl.h"
#include "models/dialogs/macro_editor_recording.h"

#include <algorithm>

bool Gen2MacroTraits::StopEndsInsertion(int iModel) {
    const Gen2Model* pModel = FindGen2Model(iModel);
    return pModel != nullptr && pModel->bStopEndsInsertion;
}

MacroActionEx Gen2MacroTraits::MakeAction(uint8_t byKey, bool bPress, int iDelay) {
    MacroActionEx action{};
    action.byKey = byKey;
    action.byType = bPress ? kActionPress : kActionRelease;
    action.wDelay = static_cast<uint16_t>(std::clamp(iDelay, 0, kDelayMax));
    return action;
}

MacroActionEx Gen2MacroTraits::MakeMove(int iX, int iY, int iDelay) {
    MacroActionEx action{};
    action.byKey = kMouseMove;
    action.byType = kActionMove;
    action.wDelay = static_cast<uint16_t>(std::clamp(iDelay, kDelayMin, kDelayMax));
    action.iX = std::clamp(iX, -kMoveLimit, kMoveLimit);
    action.iY = std::clamp(iY, -kMoveLimit, kMoveLimit);
    return action;
}

template class CMacroEditorT<Gen2MacroTraits>;
