#include "ui/tray/tray_icon.h"

#include <atomic>

#include "ui/manager/paint_manager.h"
#include "ui/window/window_wnd.h"

namespace DuiLib {

namespace {

std::atomic<CTrayIcon::ShellNotifyFn> g_pfnShellNotify{&::Shell_NotifyIconW};
// Icons of one window are told apart by their id.
std::atomic<UINT> g_uNextIconId{1};

UINT TaskbarCreatedMessage() {
    static const UINT s_uMessage = ::RegisterWindowMessageW(L"TaskbarCreated");
    return s_uMessage;
}

BOOL ShellNotify(DWORD dwMessage, NOTIFYICONDATAW& nid) { return g_pfnShellNotify.load()(dwMessage, &nid); }

}  // namespace

// A hidden top-level window: the shell broadcasts "TaskbarCreated" to top-level windows only,
// and this one hears it whatever the program's own window does with its messages.
class CTrayIcon::CTaskbarListener : public CWindowWnd {
public:
    explicit CTaskbarListener(CTrayIcon& owner) : m_owner(owner) {}
    LPCWSTR GetWindowClassName() const override { return L"DuiTrayIconListener"; }

protected:
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
        if (uMsg == TaskbarCreatedMessage() && uMsg != 0) {
            m_owner.AddToShell();
            return 0;
        }
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }

private:
    CTrayIcon& m_owner;
};

CTrayIcon::CTrayIcon() { m_nid.cbSize = sizeof(m_nid); }

CTrayIcon::~CTrayIcon() { DeleteTrayIcon(); }

CTrayIcon::ShellNotifyFn CTrayIcon::SetShellNotify(ShellNotifyFn pfn) {
    return g_pfnShellNotify.exchange(pfn != nullptr ? pfn : &::Shell_NotifyIconW);
}

bool CTrayIcon::CreateTrayIcon(HWND hWnd, UINT uIconIDResource, LPCWSTR pstrToolTip, UINT uMessage) {
    DeleteTrayIcon();
    if (hWnd == nullptr) return false;
    m_nid = NOTIFYICONDATAW{};
    m_nid.cbSize = sizeof(m_nid);
    m_nid.hWnd = hWnd;
    m_nid.uID = g_uNextIconId++;
    m_nid.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    m_nid.uCallbackMessage = uMessage != 0 ? uMessage : UIMSG_TRAYICON;
    m_nid.hIcon = static_cast<HICON>(::LoadImageW(CPaintManagerUI::GetInstance(), MAKEINTRESOURCEW(uIconIDResource),
                                                  IMAGE_ICON, ::GetSystemMetrics(SM_CXSMICON),
                                                  ::GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    m_bOwnIcon = m_nid.hIcon != nullptr;
    if (m_nid.hIcon == nullptr) m_nid.hIcon = ::LoadIconW(nullptr, IDI_APPLICATION);
    ::lstrcpynW(m_nid.szTip, pstrToolTip != nullptr ? pstrToolTip : L"", ARRAYSIZE(m_nid.szTip));
    m_bCreated = true;
    if (!m_pListener) {
        m_pListener = std::make_unique<CTaskbarListener>(*this);
        if (m_pListener->Create(nullptr, L"", WS_POPUP, WS_EX_TOOLWINDOW, 0, 0, 0, 0) == nullptr) m_pListener.reset();
    }
    AddToShell();
    return m_bAdded;
}

void CTrayIcon::AddToShell() {
    if (!m_bCreated) return;
    // After a taskbar restart the old icon is gone with the old taskbar: add it again.
    m_bAdded = ShellNotify(NIM_ADD, m_nid) != FALSE;
}

void CTrayIcon::DeleteTrayIcon() {
    m_pListener.reset();
    if (m_bAdded) ShellNotify(NIM_DELETE, m_nid);
    m_bAdded = false;
    m_bCreated = false;
    ReleaseIcon();
}

void CTrayIcon::ReleaseIcon() {
    if (m_bOwnIcon && m_nid.hIcon != nullptr) ::DestroyIcon(m_nid.hIcon);
    m_nid.hIcon = nullptr;
    m_bOwnIcon = false;
}

bool CTrayIcon::SetTooltipText(LPCWSTR pstrToolTip) {
    ::lstrcpynW(m_nid.szTip, pstrToolTip != nullptr ? pstrToolTip : L"", ARRAYSIZE(m_nid.szTip));
    if (!m_bAdded) return false;
    NOTIFYICONDATAW nid = m_nid;
    nid.uFlags = NIF_TIP;
    return ShellNotify(NIM_MODIFY, nid) != FALSE;
}

CDuiString CTrayIcon::GetTooltipText() const { return CDuiString(m_nid.szTip); }

}  // namespace DuiLib
