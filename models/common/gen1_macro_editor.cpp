#include "gen1_macro_editor.h"

#include "macro_editor_actions.h"
#include "macro_editor_impl.h"
#include "macro_editor_recording.h"

#include "util/key_text.h"

#include <algorithm>

int Gen1MacroTraits::MouseItemOf(uint8_t byKey) {
    const auto* pEnd = std::end(kMouseButtonCodes);
    const auto* pFound = std::find(std::begin(kMouseButtonCodes), pEnd, byKey);
    return pFound != pEnd ? static_cast<int>(pFound - std::begin(kMouseButtonCodes)) : -1;
}

MacroAction Gen1MacroTraits::MakeAction(uint8_t byKey, bool bPress, int iDelay) {
    return MacroAction{byKey, bPress ? kActionPress : kActionRelease,
                       static_cast<uint16_t>(std::clamp(iDelay, 0, kDelayMax))};
}

int Gen1MacroTraits::EventCount(const MacroRecord& macro) {
    return MacroPairCount(macro.stActions, std::clamp<int>(macro.iActionNum, 0, kActionMax));
}

bool Gen1MacroTraits::DecodeHookEvent(WPARAM wParam, LPARAM lParam, HookEvent& event) {
    switch (wParam) {
        case WM_LBUTTONDOWN: case WM_LBUTTONUP:
            event = {kMouseLeftButton, wParam == WM_LBUTTONDOWN};
            return true;
        case WM_RBUTTONDOWN: case WM_RBUTTONUP:
            event = {kMouseRightButton, wParam == WM_RBUTTONDOWN};
            return true;
        case WM_MBUTTONDOWN: case WM_MBUTTONUP:
            event = {kMouseMiddleButton, wParam == WM_MBUTTONDOWN};
            return true;
        case WM_XBUTTONDOWN: case WM_XBUTTONUP:
            // The hook tells the side buttons apart in lParam: 2 back, 1 forward.
            if (lParam == 2 || lParam == 1) {
                event = {lParam == 2 ? kMouseBackButton : kMouseForwardButton, wParam == WM_XBUTTONDOWN};
                return true;
            }
            break;
        default:
            break;
    }
    int iUsage = 0;
    if (!VirtualKeyToUsage(static_cast<int>(wParam), iUsage) || iUsage <= 0 || iUsage > 0xFF) return false;
    event = {static_cast<uint8_t>(iUsage), lParam == 0};
    return true;
}

template class CMacroEditorT<Gen1MacroTraits>;
