#include "cable_mouse.h"

#include "driver_api.h"

#include <hidapi.h>

namespace {

// Presence is looked for this often while the mouse is away; while it is there, a read that
// waits this long for an event report also notices the mouse leaving (the read fails).
constexpr DWORD kPresencePollMs = 200;
constexpr int kReadTimeoutMs = 50;
constexpr unsigned char kEventReportId = 3;

}  // namespace

CableMouse::CableMouse() = default;

CableMouse::~CableMouse() {
    // The library is normally closed by its user; at process exit nothing may be waited for.
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFeature != nullptr) hid_close(m_pFeature);
    m_pFeature = nullptr;
}

void CableMouse::Select(int iVid, int iPid) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_iVid = iVid;
    m_iPid = iPid;
}

std::string CableMouse::FindConfigPath() const {
    std::string path;
    hid_device_info* pList = hid_enumerate(static_cast<unsigned short>(m_iVid),
                                           static_cast<unsigned short>(m_iPid));
    for (hid_device_info* p = pList; p != nullptr; p = p->next) {
        if (p->usage_page == kMouseConfigUsagePage && p->usage == kMouseConfigUsage &&
            p->path != nullptr) {
            path = p->path;
            break;
        }
    }
    hid_free_enumeration(pList);
    return path;
}

bool CableMouse::OpenFeature() {
    std::lock_guard<std::mutex> guard(m_lock);
    if (m_pFeature != nullptr) {
        hid_close(m_pFeature);
        m_pFeature = nullptr;
    }
    if (m_iVid == 0 && m_iPid == 0) return false;
    const std::string path = FindConfigPath();
    if (path.empty()) return false;
    m_pFeature = hid_open_path(path.c_str());
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

bool CableMouse::StartMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg) {
    StopMonitor();
    m_hwnd = hwnd;
    m_uDataMsg = uDataMsg;
    m_uLinkMsg = uLinkMsg;
    m_hStop = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    if (m_hStop == nullptr) return false;
    // Whether the mouse is there is settled before returning: a mouse already there is not
    // announced (the caller opens it), one plugged in afterwards always is.
    {
        std::lock_guard<std::mutex> guard(m_lock);
        m_initialPath = FindConfigPath();
    }
    // The thread keeps the library loaded while it runs and releases it as its last act, so a
    // FreeLibrary without Close_DevMonitor cannot unmap code that is still running.
    HMODULE hSelf = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS,
                       reinterpret_cast<LPCWSTR>(&CableMouse::MonitorThreadProc), &hSelf);
    m_hThread = CreateThread(nullptr, 0, &CableMouse::MonitorThreadProc, this, 0, nullptr);
    if (m_hThread == nullptr) {
        if (hSelf != nullptr) FreeLibrary(hSelf);
        CloseHandle(m_hStop);
        m_hStop = nullptr;
        return false;
    }
    return true;
}

void CableMouse::StopMonitor() {
    if (m_hThread != nullptr) {
        SetEvent(m_hStop);
        WaitForSingleObject(m_hThread, INFINITE);
        CloseHandle(m_hThread);
        m_hThread = nullptr;
    }
    if (m_hStop != nullptr) {
        CloseHandle(m_hStop);
        m_hStop = nullptr;
    }
}

DWORD WINAPI CableMouse::MonitorThreadProc(LPVOID pParam) {
    static_cast<CableMouse*>(pParam)->MonitorLoop();
    HMODULE hSelf = nullptr;
    GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                       reinterpret_cast<LPCWSTR>(&CableMouse::MonitorThreadProc), &hSelf);
    FreeLibraryAndExitThread(hSelf, 0);
}

void CableMouse::MonitorLoop() {
    hid_device* pEvents = m_initialPath.empty() ? nullptr : hid_open_path(m_initialPath.c_str());
    bool bPresent = !m_initialPath.empty();

    while (WaitForSingleObject(m_hStop, 0) == WAIT_TIMEOUT) {
        if (!bPresent) {
            std::string path;
            {
                std::lock_guard<std::mutex> guard(m_lock);
                path = FindConfigPath();
            }
            if (path.empty()) {
                WaitForSingleObject(m_hStop, kPresencePollMs);
                continue;
            }
            bPresent = true;
            pEvents = hid_open_path(path.c_str());
            PostMessageW(m_hwnd, m_uLinkMsg, 1, 0);
            continue;
        }
        unsigned char report[65] = {};
        const int n = pEvents != nullptr ? hid_read_timeout(pEvents, report, sizeof report, kReadTimeoutMs) : -1;
        if (n >= 5 && report[0] == kEventReportId) {
            const WPARAM wWord = static_cast<WPARAM>(report[2]) * 256 + report[1];
            const LPARAM lValue = static_cast<LPARAM>(report[4]) * 256 + report[3];
            PostMessageW(m_hwnd, m_uDataMsg, wWord, lValue);
        } else if (n < 0) {
            // The read fails once the mouse is gone; make sure before announcing it.
            std::string path;
            {
                std::lock_guard<std::mutex> guard(m_lock);
                path = FindConfigPath();
            }
            if (pEvents != nullptr) hid_close(pEvents);
            pEvents = nullptr;
            if (path.empty()) {
                bPresent = false;
                PostMessageW(m_hwnd, m_uLinkMsg, 0, 0);
            } else {
                pEvents = hid_open_path(path.c_str());
                if (pEvents == nullptr) WaitForSingleObject(m_hStop, kPresencePollMs);
            }
        }
    }
    if (pEvents != nullptr) hid_close(pEvents);
}
