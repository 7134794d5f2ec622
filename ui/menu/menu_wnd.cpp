#include "ui/menu/menu_wnd.h"

#include <algorithm>
#include <iterator>

#include "ui/base/dui_trace.h"

namespace DuiLib {

namespace {

// The window's DC for one scope.
class WindowDc {
public:
    explicit WindowDc(HWND hWnd) : m_hWnd(hWnd), m_hDC(::GetDC(hWnd)) {}
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;
    ~WindowDc() {
        if (m_hDC != nullptr) ::ReleaseDC(m_hWnd, m_hDC);
    }
    HDC Get() const { return m_hDC; }

private:
    HWND m_hWnd;
    HDC m_hDC;
};

template <size_t N>
void CopyText(wchar_t (&szTarget)[N], LPCWSTR pstrSource) {
    ::lstrcpynW(szTarget, pstrSource != nullptr ? pstrSource : L"", static_cast<int>(N));
}

bool HasVisibleItem(CMenuUI* pMenu) {
    for (int i = 0; pMenu != nullptr && i < pMenu->GetCount(); ++i) {
        if (pMenu->GetItemAt(i)->IsVisible()) return true;
    }
    return false;
}

}  // namespace

CMenuWnd::~CMenuWnd() {
    // Destroyed here, while this object's own handling still runs.
    m_bClosing = true;
    DestroyOwnWindow();
}

bool CMenuWnd::Init(CMenuElementUI* pOwner, STRINGorID xml, POINT point, CPaintManagerUI* pMainPaintManager,
                    MenuCheckInfo* pMenuCheckInfo, DWORD dwAlignment) {
    if (m_bInitCalled || xml.IsId() || xml.m_lpstr == nullptr) return false;
    m_bInitCalled = true;
    m_pOwner = pOwner;
    m_sSkin = xml.m_lpstr;
    m_hWndNotify = pMainPaintManager != nullptr ? pMainPaintManager->GetPaintWindow() : nullptr;
    m_pMenuCheckInfo = pMenuCheckInfo;
    m_dwAlignment = dwAlignment;
    m_BasedPoint = point;
    m_bClosing = false;
    if (Create(m_hWndNotify, L"", WS_POPUP, WS_EX_TOOLWINDOW | WS_EX_TOPMOST, point.x, point.y, 1, 1) == nullptr) {
        return false;
    }
    if (!HasVisibleItem(GetMenuUI())) {
        DUITRACE(L"Menu %s has no visible item\r\n", m_sSkin.GetData());
        DestroyOwnWindow();
        return false;
    }
    ResizeMenu();
    ::ShowWindow(m_hWnd, SW_SHOW);
    // Active, so that keys reach it and a click elsewhere (deactivation) closes it.
    ::SetForegroundWindow(m_hWnd);
    return true;
}

CMenuUI* CMenuWnd::GetMenuUI() {
    CControlUI* pRoot = m_PaintManager.GetRoot();
    return pRoot != nullptr ? static_cast<CMenuUI*>(pRoot->GetInterface(L"Menu")) : nullptr;
}

void CMenuWnd::InitWindow() {
    if (GetMenuUI() == nullptr) {
        DUITRACE(L"Menu skin %s has no <Menu> root\r\n", m_sSkin.GetData());
        m_PaintManager.AttachDialog(new CMenuUI);
    }
    CMenuUI* pMenu = GetMenuUI();
    if (m_pMenuCheckInfo == nullptr) return;
    for (int i = 0; i < pMenu->GetCount(); ++i) {
        CMenuElementUI* pItem = pMenu->GetElementAt(i);
        if (pItem == nullptr) continue;
        auto it = m_pMenuCheckInfo->find(pItem->GetName());
        if (it == m_pMenuCheckInfo->end()) continue;
        pItem->SetCheckable(true);
        pItem->SetChecked(it->second);
    }
}

void CMenuWnd::ResizeMenu() {
    CMenuUI* pMenu = GetMenuUI();
    if (m_hWnd == nullptr || pMenu == nullptr) return;
    SIZE sz{0, 0};
    {
        WindowDc dc(m_hWnd);
        sz = pMenu->MeasureMenu(dc.Get());
    }
    POINT pt = m_BasedPoint;
    if ((m_dwAlignment & eMenuAlignment_Right) != 0) pt.x -= sz.cx;
    if ((m_dwAlignment & eMenuAlignment_Bottom) != 0) pt.y -= sz.cy;
    // Kept on the screen the point is on: moved back in from the right and bottom edges first,
    // so that a menu larger than the screen shows its top-left part.
    MONITORINFO mi{sizeof(mi)};
    if (::GetMonitorInfoW(::MonitorFromPoint(m_BasedPoint, MONITOR_DEFAULTTONEAREST), &mi)) {
        const RECT& rcScreen = mi.rcMonitor;
        pt.x = std::max(std::min(pt.x, rcScreen.right - sz.cx), rcScreen.left);
        pt.y = std::max(std::min(pt.y, rcScreen.bottom - sz.cy), rcScreen.top);
    }
    ::SetWindowPos(m_hWnd, HWND_TOPMOST, pt.x, pt.y, sz.cx, sz.cy, SWP_NOACTIVATE);
    m_PaintManager.NeedUpdate();
}

void CMenuWnd::Notify(TNotifyUI& msg) {
    if (msg.sType == DUI_MSGTYPE_CLICK && msg.pSender != nullptr && !m_bClosing) {
        if (auto* pItem = static_cast<CMenuElementUI*>(msg.pSender->GetInterface(L"MenuElement"))) {
            if (m_pMenuCheckInfo != nullptr && pItem->IsCheckable()) (*m_pMenuCheckInfo)[pItem->GetName()] = pItem->IsChecked();
            PostChoice(pItem);
            CloseMenu();
            return;
        }
    }
    WindowImplBase::Notify(msg);
}

void CMenuWnd::PostChoice(CMenuElementUI* pItem) {
    if (m_hWndNotify == nullptr || !::IsWindow(m_hWndNotify)) return;
    auto* pCmd = new MenuCmd{};
    CopyText(pCmd->szName, pItem->GetName());
    CopyText(pCmd->szUserData, pItem->GetUserData());
    CopyText(pCmd->szText, pItem->GetText());
    pCmd->bChecked = pItem->IsChecked() ? TRUE : FALSE;
    if (!::PostMessageW(m_hWndNotify, UIMSG_MENUCLICK, reinterpret_cast<WPARAM>(pCmd), 0)) delete pCmd;
}

void CMenuWnd::CloseMenu() {
    if (m_bClosing || m_hWnd == nullptr) return;
    m_bClosing = true;
    Close(0);
}

LRESULT CMenuWnd::ResponseDefaultKeyEvent(WPARAM wParam) {
    CMenuUI* pMenu = GetMenuUI();
    switch (wParam) {
        case VK_ESCAPE:
            CloseMenu();
            return TRUE;
        case VK_UP:
        case VK_DOWN:
            if (pMenu != nullptr) pMenu->MoveHotItem(wParam == VK_DOWN);
            return TRUE;
        case VK_RETURN:
        case VK_SPACE:
            if (pMenu != nullptr && !m_bClosing) {
                if (CMenuElementUI* pItem = pMenu->GetHotItem()) pItem->Activate();
            }
            return TRUE;
        default:
            return FALSE;
    }
}

LRESULT CMenuWnd::OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    m_bClosing = true;
    return WindowImplBase::OnClose(uMsg, wParam, lParam, bHandled);
}

LRESULT CMenuWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/, BOOL& bHandled) {
    bHandled = FALSE;
    // A click anywhere else (another window becoming active) closes the menu.
    if (uMsg == WM_ACTIVATE && LOWORD(wParam) == WA_INACTIVE) CloseMenu();
    return 0;
}

}  // namespace DuiLib
