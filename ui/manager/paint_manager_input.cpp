// CPaintManagerUI: a window's messages turned into control events: hit-testing, hover
// ("mouseenter"/"mouseleave"), capture, focus ("killfocus" before the clicked control's
// events), wheel, keys, control timers and messages reflected to native child windows.
#include <windowsx.h>

#include <algorithm>

#include "ui/manager/paint_manager.h"
#include "ui/window/window_wnd.h"

namespace DuiLib {

namespace {

// The point handed to a control whose press ended because capture was taken away: outside
// every control, so that no click can result.
constexpr POINT kNowhere{-32768, -32768};

POINT PointFromLParam(LPARAM lParam) { return POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)}; }

// Offers a message to each filter in turn (a copy of the list: a filter may remove itself).
bool RunFilters(std::vector<IMessageFilterUI*> filters, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    for (IMessageFilterUI* pFilter : filters) {
        bool bHandled = false;
        LRESULT lResult = pFilter->MessageHandler(uMsg, wParam, lParam, bHandled);
        if (bHandled) {
            lRes = lResult;
            return true;
        }
    }
    return false;
}

}  // namespace

void CPaintManagerUI::SendEvent(CControlUI* pControl, int iType, POINT pt, WPARAM wParam, LPARAM lParam,
                                WORD wKeyState, wchar_t chKey) {
    if (pControl == nullptr) return;
    TEventUI event;
    event.Type = iType;
    event.pSender = pControl;
    event.dwTimestamp = ::GetTickCount();
    event.ptMouse = pt;
    event.wParam = wParam;
    event.lParam = lParam;
    event.wKeyState = wKeyState;
    event.chKey = chKey;
    pControl->Event(event);
}

bool CPaintManagerUI::IsOwnWindowOrChild(HWND hWnd) const {
    return hWnd != nullptr && (hWnd == m_hWndPaint || ::IsChild(m_hWndPaint, hWnd));
}

void CPaintManagerUI::SetHover(CControlUI* pNewHover, POINT pt) {
    if (pNewHover == m_pEventHover) return;
    CControlUI* pOld = m_pEventHover;
    m_pEventHover = pNewHover;
    if (pOld != nullptr) {
        SendEvent(pOld, UIEVENT_MOUSELEAVE, pt);
        SendNotify(pOld, DUI_MSGTYPE_MOUSELEAVE);
    }
    // A "mouseleave" handler may have changed the tree; the new control must still be hovered.
    if (pNewHover != nullptr && m_pEventHover == pNewHover && IsInTree(pNewHover)) {
        SendEvent(pNewHover, UIEVENT_MOUSEENTER, pt);
        SendNotify(pNewHover, DUI_MSGTYPE_MOUSEENTER);
    }
}

void CPaintManagerUI::UpdateHover(POINT pt) { SetHover(FindControl(pt), pt); }

bool CPaintManagerUI::PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (RunFilters(m_aPreMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    if (uMsg == WM_KEYDOWN && wParam == VK_TAB && m_pRoot != nullptr) {
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        return true;
    }
    return false;
}

bool CPaintManagerUI::ReflectToChild(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    HWND hChild = nullptr;
    if (uMsg == WM_NOTIFY) {
        const NMHDR* pHeader = reinterpret_cast<const NMHDR*>(lParam);
        hChild = pHeader ? pHeader->hwndFrom : nullptr;
    } else {
        hChild = reinterpret_cast<HWND>(lParam);
    }
    if (hChild == nullptr || !::IsChild(m_hWndPaint, hChild) || CWindowWnd::FromHandle(hChild) == nullptr) return false;
    lRes = ::SendMessageW(hChild, OCM__BASE + uMsg, wParam, lParam);
    return true;
}

bool CPaintManagerUI::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (m_hWndPaint == nullptr) return false;
    if (RunFilters(m_aMessageFilters, uMsg, wParam, lParam, lRes)) return true;
    switch (uMsg) {
        case WM_NCDESTROY:
            OnWindowDestroyed();
            return false;
        case WM_DUI_DELAYEDCLEANUP:
            DeleteDelayedCleanup();
            return true;
        case WM_DUI_WINDOWINIT:
            if (m_pRoot != nullptr) SendNotify(m_pRoot, DUI_MSGTYPE_WINDOWINIT);
            return true;
        case WM_ERASEBKGND:
            lRes = 1;
            return true;
        case WM_PAINT:
            OnPaint();
            return true;
        case WM_PRINTCLIENT: {
            RECT rcClient;
            ::GetClientRect(m_hWndPaint, &rcClient);
            Render(reinterpret_cast<HDC>(wParam), rcClient);
            return true;
        }
        case WM_SIZE:
            NeedUpdate();
            return false;
        case WM_TIMER: {
            const CControlTimers::TTimerInfo* pInfo = m_timers.FindByWinTimer(wParam);
            if (pInfo == nullptr) return false;
            SendEvent(pInfo->pSender, UIEVENT_TIMER, m_ptLastMousePos, pInfo->nLocalID);
            return true;
        }
        case WM_ACTIVATE:
            // Deactivation ends control focus also when one of our child windows (not this
            // window) had the keyboard, which WM_KILLFOCUS alone would not tell us.
            if (LOWORD(wParam) == WA_INACTIVE && m_pFocus != nullptr &&
                !IsOwnWindowOrChild(reinterpret_cast<HWND>(lParam))) {
                SetFocus(nullptr, false);
            }
            return false;
        case WM_KILLFOCUS:
            // Focus going to one of our own child windows (an edit over a control) keeps the
            // control focused; anywhere else ends it.
            if (m_pFocus != nullptr && !IsOwnWindowOrChild(reinterpret_cast<HWND>(wParam))) SetFocus(nullptr, false);
            return false;
        case WM_COMMAND:
        case WM_NOTIFY:
        case WM_CTLCOLOREDIT:
        case WM_CTLCOLORSTATIC:
            if (!ReflectToChild(uMsg, wParam, lParam, lRes)) return false;
            // A child that does not colour itself leaves the colours to the default handling.
            return !(uMsg == WM_CTLCOLOREDIT || uMsg == WM_CTLCOLORSTATIC) || lRes != 0;
        case WM_KEYDOWN:
        case WM_KEYUP:
        case WM_CHAR:
            return HandleKeyMessage(uMsg, wParam, lParam, lRes);
        default:
            return HandleMouseMessage(uMsg, wParam, lParam, lRes);
    }
}

bool CPaintManagerUI::HandleMouseMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    switch (uMsg) {
        case WM_MOUSEMOVE: {
            if (!m_bMouseTracking) {
                TRACKMOUSEEVENT tme{sizeof(tme), TME_LEAVE, m_hWndPaint, 0};
                m_bMouseTracking = ::TrackMouseEvent(&tme) != FALSE;
            }
            const POINT pt = PointFromLParam(lParam);
            m_ptLastMousePos = pt;
            if (m_pEventClick != nullptr) {
                // While a control holds the pointer it alone follows it.
                SendEvent(m_pEventClick, UIEVENT_MOUSEMOVE, pt, wParam, lParam, static_cast<WORD>(wParam));
            } else {
                UpdateHover(pt);
                SendEvent(m_pEventHover, UIEVENT_MOUSEMOVE, pt, wParam, lParam, static_cast<WORD>(wParam));
            }
            lRes = 0;
            return true;
        }
        case WM_MOUSELEAVE:
            m_bMouseTracking = false;
            if (m_pEventClick == nullptr) SetHover(nullptr, m_ptLastMousePos);
            lRes = 0;
            return true;
        case WM_LBUTTONDOWN:
        case WM_LBUTTONDBLCLK: {
            const POINT pt = PointFromLParam(lParam);
            m_ptLastMousePos = pt;
            UpdateHover(pt);
            CControlUI* pControl = FindControl(pt);
            if (pControl == nullptr) return false;
            // Focus moves first, so the old control's "killfocus" comes before anything the
            // pressed control raises (a typed value is committed before a button acts on it).
            // A press on a part of a focusable control (a list's row) focuses that control.
            CControlUI* pFocusTarget = pControl;
            while (pFocusTarget != nullptr && !((pFocusTarget->GetControlFlags() & UIFLAG_TABSTOP) != 0 &&
                                                pFocusTarget->IsEnabled() && pFocusTarget->IsKeyboardEnabled())) {
                pFocusTarget = pFocusTarget->GetParent();
            }
            SetFocus(pFocusTarget);
            // The "killfocus" handler may have hidden or removed the control.
            if (FindControl(pt) != pControl) return true;
            m_pEventClick = pControl;
            SetCapture();
            SendEvent(pControl, uMsg == WM_LBUTTONDBLCLK ? UIEVENT_DBLCLICK : UIEVENT_BUTTONDOWN, pt, wParam, lParam,
                      static_cast<WORD>(wParam));
            lRes = 0;
            return true;
        }
        case WM_LBUTTONUP: {
            const POINT pt = PointFromLParam(lParam);
            m_ptLastMousePos = pt;
            CControlUI* pControl = m_pEventClick;
            m_pEventClick = nullptr;
            ReleaseCapture();
            if (pControl == nullptr) return false;
            SendEvent(pControl, UIEVENT_BUTTONUP, pt, wParam, lParam, static_cast<WORD>(wParam));
            lRes = 0;
            return true;
        }
        case WM_RBUTTONDOWN:
        case WM_RBUTTONUP: {
            const POINT pt = PointFromLParam(lParam);
            m_ptLastMousePos = pt;
            CControlUI* pControl = FindControl(pt);
            if (pControl == nullptr) return false;
            SendEvent(pControl, uMsg == WM_RBUTTONDOWN ? UIEVENT_RBUTTONDOWN : UIEVENT_RBUTTONUP, pt, wParam, lParam,
                      static_cast<WORD>(wParam));
            return false;  // WM_CONTEXTMENU still follows
        }
        case WM_CONTEXTMENU: {
            POINT pt = PointFromLParam(lParam);
            ::ScreenToClient(m_hWndPaint, &pt);
            CControlUI* pControl = FindControl(pt);
            if (pControl == nullptr) return false;
            SendEvent(pControl, UIEVENT_CONTEXTMENU, pt, wParam, lParam);
            lRes = 0;
            return true;
        }
        case WM_MOUSEWHEEL: {
            POINT pt = PointFromLParam(lParam);
            ::ScreenToClient(m_hWndPaint, &pt);
            m_ptLastMousePos = pt;
            CControlUI* pControl = FindControl(pt);
            if (pControl == nullptr) pControl = m_pFocus;
            if (pControl == nullptr) return false;
            SendEvent(pControl, UIEVENT_SCROLLWHEEL, pt, wParam, lParam, GET_KEYSTATE_WPARAM(wParam));
            lRes = 0;
            return true;
        }
        case WM_SETCURSOR: {
            if (LOWORD(lParam) != HTCLIENT) return false;
            POINT pt;
            ::GetCursorPos(&pt);
            ::ScreenToClient(m_hWndPaint, &pt);
            CControlUI* pControl = FindControl(pt);
            if (pControl == nullptr) return false;
            SendEvent(pControl, UIEVENT_SETCURSOR, pt, wParam, lParam);
            lRes = TRUE;
            return true;
        }
        case WM_CAPTURECHANGED:
            if (reinterpret_cast<HWND>(lParam) != m_hWndPaint && m_pEventClick != nullptr) {
                CControlUI* pControl = m_pEventClick;
                m_pEventClick = nullptr;
                m_bMouseCapture = false;
                SendEvent(pControl, UIEVENT_BUTTONUP, kNowhere);
            }
            return false;
        default:
            return false;
    }
}

bool CPaintManagerUI::HandleKeyMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes) {
    if (uMsg == WM_KEYDOWN && wParam == VK_TAB) {
        SetNextTabControl(::GetKeyState(VK_SHIFT) >= 0);
        lRes = 0;
        return true;
    }
    if (m_pFocus == nullptr) return false;
    const int iType = uMsg == WM_KEYDOWN ? UIEVENT_KEYDOWN : (uMsg == WM_KEYUP ? UIEVENT_KEYUP : UIEVENT_CHAR);
    SendEvent(m_pFocus, iType, m_ptLastMousePos, wParam, lParam, 0, static_cast<wchar_t>(wParam));
    lRes = 0;
    return true;
}

}  // namespace DuiLib
