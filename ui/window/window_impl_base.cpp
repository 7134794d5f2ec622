#include "ui/window/window_impl_base.h"

#include <windowsx.h>

#include "ui/base/dui_trace.h"

namespace DuiLib {

DUI_BEGIN_MESSAGE_MAP(WindowImplBase, CNotifyPump)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
DUI_END_MESSAGE_MAP()

WindowImplBase::~WindowImplBase() {
    // Destroyed here, while the paint manager can still see the window go.
    DestroyOwnWindow();
}

void WindowImplBase::OnFinalMessage(HWND /*hWnd*/) {
    m_PaintManager.RemovePreMessageFilter(this);
    m_PaintManager.RemoveNotifier(this);
}

void WindowImplBase::Notify(TNotifyUI& msg) { NotifyPump(msg); }

void WindowImplBase::OnClick(TNotifyUI& /*msg*/) {}

CControlUI* WindowImplBase::CreateControl(LPCWSTR /*pstrClass*/) { return nullptr; }

LPCWSTR WindowImplBase::QueryControlText(LPCWSTR /*lpstrId*/, LPCWSTR /*lpstrType*/) { return nullptr; }

LRESULT WindowImplBase::MessageHandler(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/, bool& bHandled) {
    if (uMsg == WM_KEYDOWN && wParam == VK_ESCAPE) {
        bHandled = ResponseDefaultKeyEvent(wParam) != FALSE;
    }
    return 0;
}

LRESULT WindowImplBase::ResponseDefaultKeyEvent(WPARAM wParam) {
    if (wParam == VK_ESCAPE) {
        Close(0);
        return TRUE;
    }
    return FALSE;
}

bool WindowImplBase::IsInStaticControl(CControlUI* pControl) {
    return pControl == nullptr || pControl->GetControlFlags() == 0;
}

LRESULT WindowImplBase::OnCreate(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, BOOL& bHandled) {
    bHandled = TRUE;
    // Native child windows (an edit over a control) must not be painted over by the window.
    ::SetWindowLongW(m_hWnd, GWL_STYLE, ::GetWindowLongW(m_hWnd, GWL_STYLE) | WS_CLIPCHILDREN);
    m_PaintManager.Init(m_hWnd);
    m_PaintManager.AddPreMessageFilter(this);
    CDuiString sSkin = GetSkinFolder();
    if (!sSkin.IsEmpty() && sSkin[sSkin.GetLength() - 1] != L'\\' && sSkin[sSkin.GetLength() - 1] != L'/') sSkin += L'\\';
    sSkin += GetSkinFile();
    CDialogBuilder builder;
    CControlUI* pRoot = builder.Create(sSkin.GetData(), static_cast<UINT>(0), this, &m_PaintManager);
    if (pRoot != nullptr) {
        m_PaintManager.AttachDialog(pRoot);
    } else {
        DUITRACE(L"Window %s: skin %s not loaded (%s)\r\n", GetWindowClassName(), sSkin.GetData(),
                 builder.GetLastErrorMessage().GetData());
    }
    m_PaintManager.AddNotifier(this);
    InitWindow();
    return 0;
}

LRESULT WindowImplBase::OnClose(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = FALSE;  // the default handling destroys the window
    return 0;
}

LRESULT WindowImplBase::OnDestroy(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = FALSE;  // HandleCustomMessage and the paint manager see it too
    return 0;
}

LRESULT WindowImplBase::OnNcActivate(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    if (::IsIconic(m_hWnd)) {
        bHandled = FALSE;
        return 0;
    }
    // No frame is drawn; TRUE lets the activation change go ahead.
    return TRUE;
}

LRESULT WindowImplBase::OnNcCalcSize(UINT, WPARAM, LPARAM, BOOL& /*bHandled*/) {
    // The client area is the whole window: control positions are window positions.
    return 0;
}

LRESULT WindowImplBase::OnNcPaint(UINT, WPARAM, LPARAM, BOOL& /*bHandled*/) { return 0; }

LRESULT WindowImplBase::OnNcHitTest(UINT, WPARAM, LPARAM lParam, BOOL& /*bHandled*/) {
    POINT pt{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ::ScreenToClient(m_hWnd, &pt);
    RECT rcClient;
    ::GetClientRect(m_hWnd, &rcClient);
    const RECT& rcCaption = m_PaintManager.GetCaptionRect();
    if (pt.x >= rcClient.left + rcCaption.left && pt.x < rcClient.right - rcCaption.right && pt.y >= rcCaption.top &&
        pt.y < rcCaption.bottom) {
        CControlUI* pControl = m_PaintManager.FindControl(pt);
        if (IsInStaticControl(pControl)) return HTCAPTION;
    }
    return HTCLIENT;
}

LRESULT WindowImplBase::OnGetMinMaxInfo(UINT, WPARAM, LPARAM lParam, BOOL& bHandled) {
    // Maximised, the window covers the work area (not the taskbar).
    MONITORINFO mi{sizeof(mi)};
    if (::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi)) {
        auto* pInfo = reinterpret_cast<LPMINMAXINFO>(lParam);
        pInfo->ptMaxPosition.x = mi.rcWork.left - mi.rcMonitor.left;
        pInfo->ptMaxPosition.y = mi.rcWork.top - mi.rcMonitor.top;
        pInfo->ptMaxSize.x = mi.rcWork.right - mi.rcWork.left;
        pInfo->ptMaxSize.y = mi.rcWork.bottom - mi.rcWork.top;
        const SIZE szMin = m_PaintManager.GetMinInfo();
        if (szMin.cx > 0) pInfo->ptMinTrackSize.x = szMin.cx;
        if (szMin.cy > 0) pInfo->ptMinTrackSize.y = szMin.cy;
    }
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSize(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::OnSysCommand(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = FALSE;  // close, minimise and restore are the default handling's
    return 0;
}

LRESULT WindowImplBase::OnKeyDown(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
    bHandled = ResponseDefaultKeyEvent(wParam) != FALSE;
    return 0;
}

LRESULT WindowImplBase::HandleCustomMessage(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = FALSE;
    return 0;
}

LRESULT WindowImplBase::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    LRESULT lRes = 0;
    BOOL bHandled = TRUE;
    switch (uMsg) {
        case WM_CREATE: lRes = OnCreate(uMsg, wParam, lParam, bHandled); break;
        case WM_CLOSE: lRes = OnClose(uMsg, wParam, lParam, bHandled); break;
        case WM_DESTROY: lRes = OnDestroy(uMsg, wParam, lParam, bHandled); break;
        case WM_NCACTIVATE: lRes = OnNcActivate(uMsg, wParam, lParam, bHandled); break;
        case WM_NCCALCSIZE: lRes = OnNcCalcSize(uMsg, wParam, lParam, bHandled); break;
        case WM_NCPAINT: lRes = OnNcPaint(uMsg, wParam, lParam, bHandled); break;
        case WM_NCHITTEST: lRes = OnNcHitTest(uMsg, wParam, lParam, bHandled); break;
        case WM_GETMINMAXINFO: lRes = OnGetMinMaxInfo(uMsg, wParam, lParam, bHandled); break;
        case WM_SIZE: lRes = OnSize(uMsg, wParam, lParam, bHandled); break;
        case WM_SYSCOMMAND: lRes = OnSysCommand(uMsg, wParam, lParam, bHandled); break;
        case WM_KEYDOWN: lRes = OnKeyDown(uMsg, wParam, lParam, bHandled); break;
        default: bHandled = FALSE; break;
    }
    if (bHandled) return lRes;
    bHandled = FALSE;
    lRes = HandleCustomMessage(uMsg, wParam, lParam, bHandled);
    if (bHandled) return lRes;
    if (m_PaintManager.MessageHandler(uMsg, wParam, lParam, lRes)) return lRes;
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

}  // namespace DuiLib
