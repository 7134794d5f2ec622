// The cabled mouse one driver library addresses: its feature interface for frames, and a
// monitor thread that follows its arrival and removal and forwards its event reports.
//
// The monitor learns of arrivals and removals from the system's device-interface notifications
// (a message-only window of its own thread, registered for HID interfaces) and looks for the
// mouse only then: while the mouse is away the thread sleeps in its message loop. While the
// mouse is there it reads its event reports; a failed read makes it look at once whether the
// mouse is still there. While it stays listed but cannot be read or opened, it is looked at again
// after growing waits (up to a second), which a stop or an announcement of the mouse cuts short.
//
// hidapi is initialised once, on the thread that first calls into the library (the page's set-up
// on the UI thread), never lazily from the monitor thread; when that fails the library finds no
// mouse.
#pragma once

#include <windows.h>

#include <atomic>
#include <mutex>
#include <string>

#include "core/util/kernel_handle.h"

struct hid_device_;

class CableMouse {
public:
    CableMouse() = default;
    CableMouse(const CableMouse&) = delete;
    CableMouse& operator=(const CableMouse&) = delete;

    void Select(int iVid, int iPid);
    bool OpenFeature();
    void CloseFeature();
    bool SendFeature(const unsigned char* pBuffer, int iLength);
    bool ReadFeature(unsigned char* pBuffer, int iLength);

    bool StartMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg);
    void StopMonitor();

    // The library is being unloaded (no thread of it runs any more): closes what is open
    // without waiting for anything.
    void ReleaseAtUnload();

private:
    static DWORD WINAPI MonitorThreadProc(LPVOID pParam);
    static LRESULT CALLBACK NotifyWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    void MonitorLoop();
    // A device-interface arrival or removal the monitor window was told of.
    void OnInterfaceChange(WPARAM wEvent, const std::wstring& strName);
    // Whether an interface name is one of the selected mouse's (vendor and product id).
    bool NamesSelectedMouse(const std::wstring& strName) const;
    std::string FindConfigPath() const;  // enumerates; caller holds m_lock

    // Guards the ids and the feature handle. Held around hidapi calls, so it is always taken
    // before the process-wide hidapi lock (hidapi_lock.h), never while that one is held.
    std::mutex m_lock;
    int m_iVid = 0;
    int m_iPid = 0;
    hid_device_* m_pFeature = nullptr;

    // Monitor thread state.
    HWND m_hwnd = nullptr;
    UINT m_uDataMsg = 0;
    UINT m_uLinkMsg = 0;
    KernelHandle m_thread;
    KernelHandle m_stop;
    KernelHandle m_ready;  // the thread is registered and has looked for the mouse once
    bool m_bLookForArrival = false;  // an interface of the mouse arrived
    bool m_bLookForRemoval = false;  // an interface of the mouse left
};
