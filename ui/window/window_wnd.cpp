#include "ui/window/window_wnd.h"

#include <utility>

#include "ui/manager/paint_manager.h"

namespace DuiLib {

namespace {

constexpr wchar_t kObjectProp[] = L"DuiWindowObject";
// Marks a WM_CLOSE that Close() posted, so that only Close carries a result.
constexpr LPARAM kCloseMarker = 0x44554943;

CWindowWnd::ModalStartHook& ModalHook() {
    static CWindowWnd::ModalStartHook s_hook;
    return s_hook;
}

}  // namespace

CWindowWnd* CWindowWnd::FromHandle(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    return static_cast<CWindowWnd*>(::GetPropW(hWnd, kObjectProp));
}

CWindowWnd::~CWindowWnd() { DestroyOwnWindow(); }

void CWindowWnd::DestroyOwnWindow() {
    if (m_hWnd == nullptr) return;
    if (m_bSubclassed) {
        // A window we only borrowed goes back to its owner, alive.
        Unsubclass();
        return;
    }
    ::DestroyWindow(m_hWnd);
    m_hWnd = nullptr;
}

void CWindowWnd::SetModalStartHook(ModalStartHook hook) { ModalHook() = std::move(hook); }

bool CWindowWnd::RegisterWindowClass() {
    WNDCLASSEXW wc{sizeof(wc)};
    wc.style = GetClassStyle();
    wc.lpfnWndProc = CWindowWnd::__WndProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = GetWindowClassName();
    if (::RegisterClassExW(&wc) != 0) return true;
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

bool CWindowWnd::RegisterSuperclass() {
    WNDCLASSEXW wc{sizeof(wc)};
    if (!::GetClassInfoExW(nullptr, GetSuperClassName(), &wc) &&
        !::GetClassInfoExW(CPaintManagerUI::GetInstance(), GetSuperClassName(), &wc)) {
        return false;
    }
    m_OldWndProc = wc.lpfnWndProc;
    wc.lpfnWndProc = CWindowWnd::__WndProc;
    wc.hInstance = CPaintManagerUI::GetInstance();
    wc.lpszClassName = GetWindowClassName();
    if (::RegisterClassExW(&wc) != 0) return true;
    return ::GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

HWND CWindowWnd::Create(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT rc, HMENU hMenu) {
    return Create(hwndParent, pstrName, dwStyle, dwExStyle, rc.left, rc.top, rc.right - rc.left, rc.bottom - rc.top,
                  hMenu);
}

HWND CWindowWnd::Create(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x, int y, int cx,
                        int cy, HMENU hMenu) {
    if (m_hWnd != nullptr) return nullptr;
    const bool bRegistered = GetSuperClassName() != nullptr ? RegisterSuperclass() : RegisterWindowClass();
    if (!bRegistered) return nullptr;
    // m_hWnd is set by WM_NCCREATE, so the window object works while it is being created.
    HWND hWnd = ::CreateWindowExW(dwExStyle, GetWindowClassName(), pstrName, dwStyle, x, y, cx, cy, hwndParent, hMenu,
                                  CPaintManagerUI::GetInstance(), this);
    return hWnd;
}

HWND CWindowWnd::Subclass(HWND hWnd) {
    if (hWnd == nullptr || m_hWnd != nullptr || FromHandle(hWnd) != nullptr) return nullptr;
    ::SetPropW(hWnd, kObjectProp, this);
    m_OldWndProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(CWindowWnd::__WndProc)));
    if (m_OldWndProc == nullptr) {
        ::RemovePropW(hWnd, kObjectProp);
        m_OldWndProc = ::DefWindowProcW;
        return nullptr;
    }
    m_bSubclassed = true;
    m_hWnd = hWnd;
    return m_hWnd;
}

void CWindowWnd::Unsubclass() {
    if (!m_bSubclassed || m_hWnd == nullptr) return;
    ::SetWindowLongPtrW(m_hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_OldWndProc));
    ::RemovePropW(m_hWnd, kObjectProp);
    m_OldWndProc = ::DefWindowProcW;
    m_bSubclassed = false;
    m_hWnd = nullptr;
}

void CWindowWnd::ShowWindow(bool bShow, bool bTakeFocus) {
    if (m_hWnd == nullptr) return;
    ::ShowWindow(m_hWnd, bShow ? (bTakeFocus ? SW_SHOWNORMAL : SW_SHOWNOACTIVATE) : SW_HIDE);
}

UINT CWindowWnd::ShowModal() {
    if (m_hWnd == nullptr || !::IsWindow(m_hWnd)) return 0;
    const HWND hWnd = m_hWnd;
    UINT nResult = 0;
    m_pModalResult = &nResult;
    m_hWndModalOwner = ::GetWindow(hWnd, GW_OWNER);
    const HWND hWndOwner = m_hWndModalOwner;
    ::ShowWindow(hWnd, SW_SHOWNORMAL);
    if (hWndOwner != nullptr) ::EnableWindow(hWndOwner, FALSE);
    if (ModalStartHook hook = ModalHook()) hook(*this);

    bool bQuit = false;
    MSG msg{};
    while (::IsWindow(hWnd)) {
        BOOL bGot = ::GetMessageW(&msg, nullptr, 0, 0);
        if (bGot == 0) {
            bQuit = true;
            break;
        }
        if (bGot == -1) break;
        if (!CPaintManagerUI::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (hWndOwner != nullptr) ::EnableWindow(hWndOwner, TRUE);
    if (::IsWindow(hWnd)) {
        // Only a WM_QUIT (or a failed GetMessage) gets here with the window alive: it must not
        // outlive the loop its caller waits on.
        m_pModalResult = nullptr;
        m_hWndModalOwner = nullptr;
        ::DestroyWindow(hWnd);
        nResult = 0;
    }
    if (hWndOwner != nullptr && ::IsWindow(hWndOwner) && ::IsWindowVisible(hWndOwner)) ::SetActiveWindow(hWndOwner);
    if (bQuit) ::PostQuitMessage(static_cast<int>(msg.wParam));
    // The object may be gone by now (a window may delete itself in OnFinalMessage).
    return nResult;
}

void CWindowWnd::Close(UINT nRet) {
    if (m_hWnd != nullptr) ::PostMessageW(m_hWnd, WM_CLOSE, static_cast<WPARAM>(nRet), kCloseMarker);
}

void CWindowWnd::CenterWindow() {
    if (m_hWnd == nullptr) return;
    RECT rcDlg;
    ::GetWindowRect(m_hWnd, &rcDlg);
    MONITORINFO mi{sizeof(mi)};
    ::GetMonitorInfoW(::MonitorFromWindow(m_hWnd, MONITOR_DEFAULTTONEAREST), &mi);
    const RECT rcArea = mi.rcWork;
    RECT rcCenter = rcArea;
    HWND hWndOwner = ::GetWindow(m_hWnd, GW_OWNER);
    if (hWndOwner != nullptr && ::IsWindowVisible(hWndOwner) && !::IsIconic(hWndOwner)) {
        ::GetWindowRect(hWndOwner, &rcCenter);
    }
    const int cx = rcDlg.right - rcDlg.left, cy = rcDlg.bottom - rcDlg.top;
    int x = (rcCenter.left + rcCenter.right) / 2 - cx / 2;
    int y = (rcCenter.top + rcCenter.bottom) / 2 - cy / 2;
    // Keep the window on the work area.
    if (x + cx > rcArea.right) x = rcArea.right - cx;
    if (y + cy > rcArea.bottom) y = rcArea.bottom - cy;
    if (x < rcArea.left) x = rcArea.left;
    if (y < rcArea.top) y = rcArea.top;
    ::SetWindowPos(m_hWnd, nullptr, x, y, -1, -1, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void CWindowWnd::SetIcon(UINT nRes) {
    if (m_hWnd == nullptr) return;
    HINSTANCE hInst = CPaintManagerUI::GetInstance();
    auto hIcon = static_cast<HICON>(::LoadImageW(hInst, MAKEINTRESOURCEW(nRes), IMAGE_ICON, ::GetSystemMetrics(SM_CXICON),
                                                 ::GetSystemMetrics(SM_CYICON), LR_DEFAULTCOLOR));
    if (hIcon != nullptr) ::SendMessageW(m_hWnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(hIcon));
    hIcon = static_cast<HICON>(::LoadImageW(hInst, MAKEINTRESOURCEW(nRes), IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                            ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    if (hIcon != nullptr) ::SendMessageW(m_hWnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(hIcon));
}

void CWindowWnd::ResizeClient(int cx, int cy) {
    if (m_hWnd == nullptr) return;
    RECT rc;
    if (!::GetClientRect(m_hWnd, &rc)) return;
    if (cx != -1) rc.right = cx;
    if (cy != -1) rc.bottom = cy;
    RECT rcWindow = rc;
    ::AdjustWindowRectEx(&rcWindow, static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)), FALSE,
                         static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_EXSTYLE)));
    ::SetWindowPos(m_hWnd, nullptr, 0, 0, rcWindow.right - rcWindow.left, rcWindow.bottom - rcWindow.top,
                   SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

LRESULT CWindowWnd::SendMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::SendMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::PostMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::PostMessageW(m_hWnd, uMsg, wParam, lParam);
}

LRESULT CWindowWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    return ::CallWindowProcW(m_OldWndProc, m_hWnd, uMsg, wParam, lParam);
}

void CWindowWnd::OnFinalMessage(HWND /*hWnd*/) {}

LRESULT CALLBACK CWindowWnd::__WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CWindowWnd* pThis = nullptr;
    if (uMsg == WM_NCCREATE) {
        auto* pCreate = reinterpret_cast<LPCREATESTRUCTW>(lParam);
        pThis = static_cast<CWindowWnd*>(pCreate->lpCreateParams);
        if (pThis != nullptr) {
            pThis->m_hWnd = hWnd;
            ::SetPropW(hWnd, kObjectProp, pThis);
        }
    } else {
        pThis = FromHandle(hWnd);
    }
    if (pThis == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);

    if (uMsg == WM_CLOSE) {
        // Only Close() gives a result; every other close request (Alt+F4, the system close
        // command, a WM_CLOSE sent by anyone) counts as 0.
        if (pThis->m_pModalResult != nullptr) *pThis->m_pModalResult = lParam == kCloseMarker ? static_cast<UINT>(wParam) : 0;
        // The owner is enabled before this window goes, so activation returns to it.
        if (pThis->m_hWndModalOwner != nullptr) ::EnableWindow(pThis->m_hWndModalOwner, TRUE);
    }
    if (uMsg != WM_NCDESTROY) return pThis->HandleMessage(uMsg, wParam, lParam);

    LRESULT lRes = pThis->HandleMessage(uMsg, wParam, lParam);
    if (pThis->m_bSubclassed) {
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(pThis->m_OldWndProc));
        pThis->m_bSubclassed = false;
    }
    ::RemovePropW(hWnd, kObjectProp);
    pThis->m_hWnd = nullptr;
    pThis->m_pModalResult = nullptr;
    pThis->m_hWndModalOwner = nullptr;
    pThis->OnFinalMessage(hWnd);
    return lRes;
}

}  // namespace DuiLib
