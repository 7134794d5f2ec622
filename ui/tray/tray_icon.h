// CTrayIcon: the program's icon in the taskbar's notification area. The shell reports mouse
// actions on it to the window given to CreateTrayIcon as the callback message, with lParam the
// mouse message (WM_LBUTTONUP, WM_RBUTTONUP, ...). The destructor removes the icon. When the
// taskbar starts again (the shell's "TaskbarCreated" broadcast) the icon is added again; a shell
// that refuses the icon (none running) leaves the program without it until then.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <memory>

#include "ui/base/dui_string.h"

namespace DuiLib {

// The callback message when CreateTrayIcon is given 0 (0x401, the program's WM_TRAYICON).
constexpr UINT UIMSG_TRAYICON = WM_USER + 1;

class CTrayIcon {
public:
    CTrayIcon();
    CTrayIcon(const CTrayIcon&) = delete;
    CTrayIcon& operator=(const CTrayIcon&) = delete;
    ~CTrayIcon();

    // Adds the icon: resource uIconIDResource of the program's module (the system's application
    // icon when there is none), the tooltip, and uMessage as the callback message (0: 
    // UIMSG_TRAYICON). False when the shell refused it; the icon then follows when a taskbar
    // announces itself. A second call replaces the first icon.
    bool CreateTrayIcon(HWND hWnd, UINT uIconIDResource, LPCWSTR pstrToolTip = nullptr, UINT uMessage = 0);
    // Removes the icon (also done by the destructor).
    void DeleteTrayIcon();
    bool SetTooltipText(LPCWSTR pstrToolTip);
    CDuiString GetTooltipText() const;
    // True while the shell shows the icon.
    bool IsVisible() const { return m_bAdded; }
    UINT GetCallbackMessage() const { return m_nid.uCallbackMessage; }

    // What talks to the shell: Shell_NotifyIconW unless a test puts its own in. Returns the
    // previous one.
    using ShellNotifyFn = BOOL(WINAPI*)(DWORD dwMessage, PNOTIFYICONDATAW pData);
    static ShellNotifyFn SetShellNotify(ShellNotifyFn pfn);

private:
    class CTaskbarListener;

    void AddToShell();
    void ReleaseIcon();

    NOTIFYICONDATAW m_nid{};
    bool m_bCreated = false;  // CreateTrayIcon was called and no DeleteTrayIcon since
    bool m_bAdded = false;    // the shell shows it
    bool m_bOwnIcon = false;  // m_nid.hIcon was loaded for this object
    std::unique_ptr<CTaskbarListener> m_pListener;
};

}  // namespace DuiLib
