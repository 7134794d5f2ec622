// Names and numbers the whole library shares: notification types, event types, control flags,
// the private window messages and the Win32 timer ids the library uses internally.
#pragma once

#include <windows.h>

namespace DuiLib {

// Notification types raised to INotifyUI listeners (TNotifyUI::sType).
#define DUI_MSGTYPE_CLICK          (L"click")
#define DUI_MSGTYPE_SELECTCHANGED  (L"selectchanged")
#define DUI_MSGTYPE_ITEMSELECT     (L"itemselect")
#define DUI_MSGTYPE_CHECKCLICK     (L"checkclick")
#define DUI_MSGTYPE_KILLFOCUS      (L"killfocus")
#define DUI_MSGTYPE_SETFOCUS       (L"setfocus")
#define DUI_MSGTYPE_TIMER          (L"timer")
#define DUI_MSGTYPE_VALUECHANGED   (L"valuechanged")
#define DUI_MSGTYPE_MOUSEENTER     (L"mouseenter")
#define DUI_MSGTYPE_MOUSELEAVE     (L"mouseleave")
#define DUI_MSGTYPE_RETURN         (L"return")
#define DUI_MSGTYPE_TEXTCHANGED    (L"textchanged")
#define DUI_MSGTYPE_WINDOWINIT     (L"windowinit")
#define DUI_MSGTYPE_COLORCHANGED   (L"colorchanged")
#define DUI_MSGTYPE_COLORCHANGEDBUTTONUP (L"colorchangedbuttonup")

// Events the paint manager delivers to a control's DoEvent.
enum EVENTTYPE_UI {
    UIEVENT__FIRST = 1,
    UIEVENT__KEYBEGIN,
    UIEVENT_KEYDOWN,
    UIEVENT_KEYUP,
    UIEVENT_CHAR,
    UIEVENT_SYSKEY,
    UIEVENT__KEYEND,
    UIEVENT__MOUSEBEGIN,
    UIEVENT_MOUSEMOVE,
    UIEVENT_MOUSELEAVE,
    UIEVENT_MOUSEENTER,
    UIEVENT_BUTTONDOWN,
    UIEVENT_BUTTONUP,
    UIEVENT_RBUTTONDOWN,
    UIEVENT_RBUTTONUP,
    UIEVENT_DBLCLICK,
    UIEVENT_CONTEXTMENU,
    UIEVENT_SCROLLWHEEL,
    UIEVENT__MOUSEEND,
    UIEVENT_KILLFOCUS,
    UIEVENT_SETFOCUS,
    UIEVENT_WINDOWSIZE,
    UIEVENT_SETCURSOR,
    UIEVENT_TIMER,
    UIEVENT__LAST,
};

// CControlUI::GetControlFlags: what a control wants from the manager.
constexpr UINT UIFLAG_TABSTOP = 0x00000001;     // takes keyboard focus (click, Tab)
constexpr UINT UIFLAG_SETCURSOR = 0x00000002;   // shows the hand cursor
constexpr UINT UIFLAG_WANTRETURN = 0x00000004;  // Enter goes to the control, not the window

// CControlUI::FindControl flags.
constexpr UINT UIFIND_ALL = 0x00000000;
constexpr UINT UIFIND_VISIBLE = 0x00000001;
constexpr UINT UIFIND_ENABLED = 0x00000002;
constexpr UINT UIFIND_HITTEST = 0x00000004;
constexpr UINT UIFIND_TOP_FIRST = 0x00000008;
constexpr UINT UIFIND_ME_FIRST = 0x80000000;

// Control states for image selection.
constexpr UINT UISTATE_FOCUSED = 0x00000001;
constexpr UINT UISTATE_SELECTED = 0x00000002;
constexpr UINT UISTATE_DISABLED = 0x00000004;
constexpr UINT UISTATE_HOT = 0x00000008;
constexpr UINT UISTATE_PUSHED = 0x00000010;
constexpr UINT UISTATE_CAPTURED = 0x00000040;

// Private window messages of the library. They live in the WM_APP range so that they never meet
// the program's own WM_USER-based messages (0x401 tray, 0x403 menu click, 0x40A hook key,
// 0x501-0x50F, the per-page ranges 0x600-0x77F, 0x1401).
constexpr UINT WM_DUI_RUNONUITHREAD = WM_APP + 0x0D01;  // wParam: queued work (ui_thread.cpp)
constexpr UINT WM_DUI_DELAYEDCLEANUP = WM_APP + 0x0D02; // removed controls are deleted now
constexpr UINT WM_DUI_WINDOWINIT = WM_APP + 0x0D03;     // "windowinit" after the first paint

// Messages a host window reflects to its native child windows (WM_COMMAND from an EDIT child
// arrives at the child as OCM_COMMAND, so the child's own object can handle it).
constexpr UINT OCM__BASE = WM_APP + 0x0E00;
constexpr UINT OCM_COMMAND = OCM__BASE + WM_COMMAND;
constexpr UINT OCM_NOTIFY = OCM__BASE + WM_NOTIFY;
constexpr UINT OCM_CTLCOLOREDIT = OCM__BASE + WM_CTLCOLOREDIT;
constexpr UINT OCM_CTLCOLORSTATIC = OCM__BASE + WM_CTLCOLORSTATIC;

// Win32 timer ids of control timers and library-internal timers start here, far above the
// program's own window timers (54, 55 and 0x200-0x37F).
constexpr UINT_PTR kFirstLibraryTimerId = 0x1000;
constexpr UINT_PTR kLastLibraryTimerId = 0x7FFF;

}  // namespace DuiLib
