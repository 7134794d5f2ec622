// TEventUI: an input or state event the paint manager hands to a control's DoEvent.
#pragma once

#include <windows.h>

namespace DuiLib {

class CControlUI;

struct TEventUI {
    int Type = 0;                  // EVENTTYPE_UI
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse{0, 0};           // client coordinates
    wchar_t chKey = 0;             // virtual key (key events) or character (UIEVENT_CHAR)
    WORD wKeyState = 0;            // MK_* flags of mouse messages
    WPARAM wParam = 0;             // wheel: the message's wParam; timer: the control's timer id
    LPARAM lParam = 0;
};

}  // namespace DuiLib
