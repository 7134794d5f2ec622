// The cabled mouse one driver library addresses: its feature interface for frames, and a
// monitor thread that follows its arrival and removal and forwards its event reports.
#pragma once

#include <windows.h>

#include <mutex>
#include <string>

struct hid_device_;

class CableMouse {
public:
    CableMouse();
    ~CableMouse();
    CableMouse(const CableMouse&) = delete;
    CableMouse& operator=(const CableMouse&) = delete;

    void Select(int iVid, int iPid);
    bool OpenFeature();
    void CloseFeature();
    bool SendFeature(const unsigned char* pBuffer, int iLength);
    bool ReadFeature(unsigned char* pBuffer, int iLength);

    bool StartMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg);
    void StopMonitor();

private:
    static DWORD WINAPI MonitorThreadProc(LPVOID pParam);
    void MonitorLoop();
    std::string FindConfigPath() const;

    std::mutex m_lock;  // guards the ids and the feature handle
    int m_iVid = 0;
    int m_iPid = 0;
    hid_device_* m_pFeature = nullptr;

    std::string m_initialPath;  // the mouse's interface when monitoring started, if there
    HWND m_hwnd = nullptr;
    UINT m_uDataMsg = 0;
    UINT m_uLinkMsg = 0;
    HANDLE m_hThread = nullptr;
    HANDLE m_hStop = nullptr;
};
