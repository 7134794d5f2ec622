#include "plugins/hiddriver/cable_mouse.h"

#include "plugins/include/driver_api.h"
#include "plugins/include/hidapi_lock.h"
#include "core/util/usb_notification.h"

#include <dbt.h>

#include <algorithm>
#include <cstddef>
#include <cwchar>
#include <cwctype>
#include <initializer_list>

namespace {

// While the mouse is there, a read waits this long for an event report before the thread looks
// at its messages (notifications, the stop) again.
constexpr int kReadTimeoutMs = 50;
// A mouse that stays listed while its interface cannot be read or opened is looked at again after
// these waits: at once the first time (the failed read most often means it has just gone), then
// from the shortest, doubling, up to the longest.
constexpr DWORD kShortestRetryMs = 50;
constexpr DWORD kLongestRetryMs = 1000;
constexpr unsigned char kEventReportId = 3;
// GUID_DEVINTERFACE_HID: the notifications of HID interfaces are the ones the mouse comes with.
constexpr GUID kHidInterfaceClass = {0x4D1E55B2, 0xF16F, 0x11CF, {0x88, 0xCB, 0x00, 0x11, 0x11, 0x00, 0x00, 0x30}};
constexpr wchar_t kWindowClass[] = L"OrvekCableMonitor";

HMODULE ThisModule() {
    HMODULE hSelf = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&ThisModule), &hSelf);
    return hSelf;
}

// hidapi once per library, on the first caller's thread. Every later hidapi call is skipped
// when it failed, so none of them initialises hidapi lazily on another thread.
bool HidReady() {
    static const bool bReady = LockedHidInit() == 0;
    return bReady;
}

std::wstring Upper(std::wstring s) {
    for (wchar_t& c : s) c = static_cast<wchar_t>(std::towupper(c));
    return s;
}

// The waits between looks at a mouse whose interface keeps failing; a report read from it starts
// them over.
class RetryWaits {
public:
    DWORD Next() {
        const DWORD dwWait = m_dwNext;
        m_dwNext = dwWait == 0 ? kShortestRetryMs : std::min(dwWait * 2, kLongestRetryMs);
        return dwWait;
    }
    void Reset() { m_dwNext = 0; }

private:
    DWORD m_dwNext = 0;
};

}  // namespace

void CableMouse::Select(int iVid, int iPid) {
    HidReady();
    std::lock_guard<std::mutex> guard(m_lock);
    m_iVid = iVid;
    m_iPid = iPid;
}

std::string CableMouse::FindConfigPath() const {
    std::string path;
    if (!HidReady()) return path;
    hid_device_info* pList =
        LockedHidEnumerate(static_cast<unsigned short>(m_iVid), static_cast<unsigned short>(m_iPid));
    for (hid_device_info* p = pList; p != nullptr; p = p->next) {
        if (p->usage_page == kMouseConfigUsagePage && p->usage == kMouseConfigUsage && p->path != nullptr) {
            path = p->path;
            break;
        }
    }
    LockedHidFreeEnumeration(pList);
    return path;
}

bool CableMouse::NamesSelectedMouse(const std::wstring& strName) const {
    wchar_t szIds[32];
    _snwprintf(szIds, 32, L"VID_%04X&PID_%04X", m_iVid & 0xFFFF, m_iPid & 0xFFFF);
    szIds[31] = L'\0';
    return Upper(strName).find(szIds) != std::wstring::npos;
}

bool CableMouse::OpenFeature() {
    if (!HidReady()) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFeature != nullptr) {
        hid_close(m_pFeature);
        m_pFeature = nullptr;
    }
    if (m_iVid == 0 && m_iPid == 0) return false;
    const std::string path = FindConfigPath();
    if (path.empty()) return false;
    m_pFeature = LockedHidOpenPath(path.c_str());
    return m_pFeature != nullptr;
}

void CableMouse::CloseFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFeature != nullptr) hid_close(m_pFeature);
    m_pFeature = nullptr;
}

bool CableMouse::SendFeature(const unsigned char* pBuffer, int iLength) {
    if (pBuffer == nullptr || iLength <= 0) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFeature == nullptr) return false;
    return hid_send_feature_report(m_pFeature, pBuffer, static_cast<size_t>(iLength)) >= 0;
}

bool CableMouse::ReadFeature(unsigned char* pBuffer, int iLength) {
    if (pBuffer == nullptr || iLength <= 0) return false;
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFeature == nullptr) return false;
    return hid_get_feature_report(m_pFeature, pBuffer, static_cast<size_t>(iLength)) >= 0;
}

void CableMouse::ReleaseAtUnload() {
    // Nothing may be waited for while the loader unloads the library: no lock is taken.
    if (m_pFeature != nullptr) hid_close(m_pFeature);
    m_pFeature = nullptr;
    m_stop.Close();
    m_ready.Close();
}

bool CableMouse::StartMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg) {
    StopMonitor();
    HidReady();
    m_hwnd = hwnd;
    m_uDataMsg = uDataMsg;
    m_uLinkMsg = uLinkMsg;
    m_bLookForArrival = false;
    m_bLookForRemoval = false;
    m_stop = KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    m_ready = KernelHandle(CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!m_stop || !m_ready) {
        StopMonitor();
        return false;
    }
    // The thread keeps the library loaded while it runs and releases it as its last act, so a
    // FreeLibrary without Close_DevMonitor cannot unmap code that is still running.
    HMODULE hSelf = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS, reinterpret_cast<LPCWSTR>(&CableMouse::MonitorThreadProc),
                       &hSelf);
    m_thread = KernelHandle(CreateThread(nullptr, 0, &CableMouse::MonitorThreadProc, this, 0, nullptr));
    if (!m_thread) {
        if (hSelf != nullptr) FreeLibrary(hSelf);
        StopMonitor();
        return false;
    }
    // Whether the mouse is there is settled before returning, and the thread hears of every
    // arrival from then on: a mouse already there is not announced (the caller opens it), one
    // plugged in afterwards always is.
    const HANDLE waits[2] = {m_ready.Get(), m_thread.Get()};
    WaitForMultipleObjects(2, waits, FALSE, INFINITE);
    return true;
}

void CableMouse::StopMonitor() {
    if (m_thread) {
        SetEvent(m_stop.Get());
        WaitForSingleObject(m_thread.Get(), INFINITE);
        m_thread.Close();
    }
    m_stop.Close();
    m_ready.Close();
}

DWORD WINAPI CableMouse::MonitorThreadProc(LPVOID pParam) {
    static_cast<CableMouse*>(pParam)->MonitorLoop();
    FreeLibraryAndExitThread(ThisModule(), 0);
}

LRESULT CALLBACK CableMouse::NotifyWndProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DEVICECHANGE && (wParam == DBT_DEVICEARRIVAL || wParam == DBT_DEVICEREMOVECOMPLETE)) {
        auto* self = reinterpret_cast<CableMouse*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr) self->OnInterfaceChange(wParam, InterfaceNameOf(lParam));
        return TRUE;
    }
    return DefWindowProcW(hwnd, uMsg, wParam, lParam);
}

void CableMouse::OnInterfaceChange(WPARAM wEvent, const std::wstring& strName) {
    if (!NamesSelectedMouse(strName)) return;  // another device: nothing to look for
    (wEvent == DBT_DEVICEARRIVAL ? m_bLookForArrival : m_bLookForRemoval) = true;
}

void CableMouse::MonitorLoop() {
    const HMODULE hModule = ThisModule();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &CableMouse::NotifyWndProc;
    wc.hInstance = hModule;
    wc.lpszClassName = kWindowClass;
    RegisterClassW(&wc);
    HWND hNotify = CreateWindowExW(0, kWindowClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, hModule, nullptr);
    HDEVNOTIFY hRegistration = nullptr;
    if (hNotify != nullptr) {
        SetWindowLongPtrW(hNotify, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        DEV_BROADCAST_DEVICEINTERFACE_W filter = {};
        filter.dbcc_size = sizeof filter;
        filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
        filter.dbcc_classguid = kHidInterfaceClass;
        hRegistration = RegisterDeviceNotificationW(hNotify, &filter, DEVICE_NOTIFY_WINDOW_HANDLE);
    }
    auto lookup = [this] {
        std::lock_guard<std::mutex> guard(m_lock);
        return FindConfigPath();
    };
    // Registered first, looked second: an arrival in between is heard and then found present.
    const std::string initialPath = lookup();
    SetEvent(m_ready.Get());

    bool bPresent = !initialPath.empty();
    hid_device* pEvents = bPresent ? LockedHidOpenPath(initialPath.c_str()) : nullptr;
    // While the mouse is listed but its interface is not open (a read or an opening failed), the
    // time it is looked at again.
    RetryWaits retryWaits;
    ULONGLONG ullRetryAt = bPresent && pEvents == nullptr ? GetTickCount64() + retryWaits.Next() : 0;

    const HANDLE hStop = m_stop.Get();
    while (WaitForSingleObject(hStop, 0) == WAIT_TIMEOUT) {
        if (pEvents != nullptr) {
            unsigned char report[65] = {};
            const int n = hid_read_timeout(pEvents, report, sizeof report, kReadTimeoutMs);
            if (n > 0) retryWaits.Reset();
            if (n >= 5 && report[0] == kEventReportId) {
                const WPARAM wWord = static_cast<WPARAM>(report[2]) * 256 + report[1];
                const LPARAM lValue = static_cast<LPARAM>(report[4]) * 256 + report[3];
                PostMessageW(m_hwnd, m_uDataMsg, wWord, lValue);
            } else if (n < 0) {
                hid_close(pEvents);
                pEvents = nullptr;
                ullRetryAt = GetTickCount64() + retryWaits.Next();
            }
        } else {
            const ULONGLONG ullNow = GetTickCount64();
            if (bPresent && ullNow >= ullRetryAt) {
                // The read fails once the mouse is gone; make sure before announcing it.
                const std::string path = lookup();
                if (path.empty()) {
                    bPresent = false;
                    PostMessageW(m_hwnd, m_uLinkMsg, 0, 0);
                } else {
                    pEvents = LockedHidOpenPath(path.c_str());
                    if (pEvents == nullptr) ullRetryAt = GetTickCount64() + retryWaits.Next();
                }
            } else {
                // Nothing to read: sleep until a notification, the stop or the next look comes.
                const DWORD dwWait = bPresent ? static_cast<DWORD>(ullRetryAt - ullNow) : INFINITE;
                MsgWaitForMultipleObjects(1, &hStop, FALSE, dwWait, QS_ALLINPUT);
            }
        }

        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);

        if (m_bLookForRemoval) {
            m_bLookForRemoval = false;
            if (bPresent && lookup().empty()) {
                if (pEvents != nullptr) hid_close(pEvents);
                pEvents = nullptr;
                bPresent = false;
                PostMessageW(m_hwnd, m_uLinkMsg, 0, 0);
            }
        }
        if (m_bLookForArrival) {
            m_bLookForArrival = false;
            if (!bPresent) {
                const std::string path = lookup();
                if (!path.empty()) {
                    bPresent = true;
                    pEvents = LockedHidOpenPath(path.c_str());
                    if (pEvents == nullptr) ullRetryAt = GetTickCount64() + retryWaits.Next();
                    PostMessageW(m_hwnd, m_uLinkMsg, 1, 0);
                }
            } else if (pEvents == nullptr) {
                // Announced again while it could not be read: worth a look at once.
                retryWaits.Reset();
                ullRetryAt = 0;
            }
        }
    }
    if (pEvents != nullptr) hid_close(pEvents);
    if (hRegistration != nullptr) UnregisterDeviceNotification(hRegistration);
    if (hNotify != nullptr) DestroyWindow(hNotify);
    // The class goes with the thread, so a later load of the library registers its own again.
    UnregisterClassW(kWindowClass, hModule);
}
