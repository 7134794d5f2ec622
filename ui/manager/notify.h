// Notifications and the listener interfaces of a window.
#pragma once

#include <windows.h>

#include "ui/base/dui_string.h"

namespace DuiLib {

class CControlUI;

// One notification: what happened (sType), to which control, in which virtual window.
struct TNotifyUI {
    CDuiString sType;
    CDuiString sVirtualWnd;  // the sender's virtual window (inherited from its ancestors)
    CControlUI* pSender = nullptr;
    DWORD dwTimestamp = 0;
    POINT ptMouse{0, 0};
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// Receives every notification of a window's controls, synchronously, on the UI thread.
class INotifyUI {
public:
    virtual void Notify(TNotifyUI& msg) = 0;

protected:
    ~INotifyUI() = default;
};

// Sees a window's messages before (pre-message filters) or instead of the paint manager's own
// handling; setting bHandled stops the message there.
class IMessageFilterUI {
public:
    virtual LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) = 0;

protected:
    ~IMessageFilterUI() = default;
};

// Lets a window supply texts for ids itself (no behaviour of the library depends on it).
class IQueryControlText {
public:
    virtual LPCWSTR QueryControlText(LPCWSTR lpstrId, LPCWSTR lpstrType) = 0;

protected:
    ~IQueryControlText() = default;
};

}  // namespace DuiLib
