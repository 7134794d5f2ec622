// The per-model driver libraries (hiddriver_1.dll ... hiddriver_ms_24.dll): one source built
// once per file name. They reach the cabled mouse through hidapi. Shared by the pages (which
// resolve the entry points at run time), the libraries and the test kit.
//
// Contract:
//  - Set_VIDPID(vid, pid) selects the mouse the other entry points address.
//  - Open_FeatureDevice() opens the mouse's feature interface; non-zero when it is there.
//  - SetFeature(buf, len) sends one frame or one 64-byte piece as a feature report (buf[0]
//    is the report id); non-zero on success.
//  - GetFeature(buf, len) reads a feature report of id buf[0]; non-zero on success.
//  - Open_DevMonitor(hwnd, dataMsg, linkMsg) starts a thread of the library's own that posts
//    linkMsg (wParam 1 arrived, 0 removed) when the mouse comes and goes, and dataMsg
//    (wParam the event word = event code * 256 + id byte, lParam the 16-bit value) for every
//    event report {3, id byte, event code, value low, value high} the mouse sends.
//  - Close_DevMonitor() ends that thread and waits for it; Close_FeatureDevice() closes the
//    feature interface. Both are safe to call when nothing is open.
#pragma once

#include <windows.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(HIDDRIVER_DLL_BUILD)
#define HIDDRIVER_API __declspec(dllexport)
#else
#define HIDDRIVER_API __declspec(dllimport)
#endif

typedef BOOL (*PFN_SET_VIDPID)(int iVid, int iPid);
typedef BOOL (*PFN_OPEN_DEVMONITOR)(HWND hwnd, UINT uDataMsg, UINT uLinkMsg);
typedef BOOL (*PFN_CLOSE_DEVMONITOR)(void);
typedef BOOL (*PFN_OPEN_FEATUREDEVICE)(void);
typedef BOOL (*PFN_CLOSE_FEATUREDEVICE)(void);
typedef BOOL (*PFN_SETFEATURE)(unsigned char* pBuffer, int iLength);
typedef BOOL (*PFN_GETFEATURE)(unsigned char* pBuffer, int iLength);

#if defined(HIDDRIVER_DLL_BUILD)
HIDDRIVER_API BOOL Set_VIDPID(int iVid, int iPid);
HIDDRIVER_API BOOL Open_DevMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg);
HIDDRIVER_API BOOL Close_DevMonitor(void);
HIDDRIVER_API BOOL Open_FeatureDevice(void);
HIDDRIVER_API BOOL Close_FeatureDevice(void);
HIDDRIVER_API BOOL SetFeature(unsigned char* pBuffer, int iLength);
HIDDRIVER_API BOOL GetFeature(unsigned char* pBuffer, int iLength);
#endif

#ifdef __cplusplus
}

#include <type_traits>

// The seven entry points a page resolves from its driver library, in this order.
struct DriverTable {
    PFN_OPEN_DEVMONITOR pfnOpenDevMonitor = nullptr;
    PFN_CLOSE_DEVMONITOR pfnCloseDevMonitor = nullptr;
    PFN_OPEN_FEATUREDEVICE pfnOpenFeatureDevice = nullptr;
    PFN_CLOSE_FEATUREDEVICE pfnCloseFeatureDevice = nullptr;
    PFN_SETFEATURE pfnSetFeature = nullptr;
    PFN_GETFEATURE pfnGetFeature = nullptr;
    PFN_SET_VIDPID pfnSetVIDPID = nullptr;
};

// A driver library's entry points, each member filled by its own name; true when all seven are
// there.
inline bool ResolveDriverTable(HMODULE hModule, DriverTable& table) {
    table = DriverTable{};
    if (hModule == nullptr) return false;
    auto resolve = [hModule](const char* pszName, auto& pfn) {
        pfn = reinterpret_cast<std::remove_reference_t<decltype(pfn)>>(
            reinterpret_cast<void*>(GetProcAddress(hModule, pszName)));
        return pfn != nullptr;
    };
    // Every entry is looked up, in the order the pages resolve them.
    const bool bVidPid = resolve("Set_VIDPID", table.pfnSetVIDPID);
    const bool bOpenMonitor = resolve("Open_DevMonitor", table.pfnOpenDevMonitor);
    const bool bCloseMonitor = resolve("Close_DevMonitor", table.pfnCloseDevMonitor);
    const bool bOpenFeature = resolve("Open_FeatureDevice", table.pfnOpenFeatureDevice);
    const bool bCloseFeature = resolve("Close_FeatureDevice", table.pfnCloseFeatureDevice);
    const bool bSet = resolve("SetFeature", table.pfnSetFeature);
    const bool bGet = resolve("GetFeature", table.pfnGetFeature);
    return bVidPid && bOpenMonitor && bCloseMonitor && bOpenFeature && bCloseFeature && bSet && bGet;
}

// How the cabled mouse shows itself on HID: the driver libraries open the interface with this
// usage page and usage for feature reports and read its input reports for events.
inline constexpr unsigned short kMouseConfigUsagePage = 0xFF00;
inline constexpr unsigned short kMouseConfigUsage = 0x0002;
#endif
