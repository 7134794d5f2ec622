// The exported entry points of a driver library; each file name is one model's library and
// serves one cabled mouse.
#include "cable_mouse.h"
#include "driver_api.h"

namespace {
CableMouse g_mouse;
}

extern "C" {

BOOL Set_VIDPID(int iVid, int iPid) {
    g_mouse.Select(iVid, iPid);
    return TRUE;
}

BOOL Open_DevMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg) {
    return g_mouse.StartMonitor(hwnd, uDataMsg, uLinkMsg) ? TRUE : FALSE;
}

BOOL Close_DevMonitor(void) {
    g_mouse.StopMonitor();
    return TRUE;
}

BOOL Open_FeatureDevice(void) { return g_mouse.OpenFeature() ? TRUE : FALSE; }

BOOL Close_FeatureDevice(void) {
    g_mouse.CloseFeature();
    return TRUE;
}

BOOL SetFeature(unsigned char* pBuffer, int iLength) {
    return g_mouse.SendFeature(pBuffer, iLength) ? TRUE : FALSE;
}

BOOL GetFeature(unsigned char* pBuffer, int iLength) {
    return g_mouse.ReadFeature(pBuffer, iLength) ? TRUE : FALSE;
}

}  // extern "C"
