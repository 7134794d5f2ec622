// A driver library that lacks one entry point (GetFeature): a page must not use it at all.
#include <windows.h>

extern "C" {
__declspec(dllexport) BOOL Set_VIDPID(int, int) { return TRUE; }
__declspec(dllexport) BOOL Open_DevMonitor(HWND, UINT, UINT) { return TRUE; }
__declspec(dllexport) BOOL Close_DevMonitor(void) { return TRUE; }
__declspec(dllexport) BOOL Open_FeatureDevice(void) { return TRUE; }
__declspec(dllexport) BOOL Close_FeatureDevice(void) { return TRUE; }
__declspec(dllexport) BOOL SetFeature(unsigned char*, int) { return TRUE; }
}
