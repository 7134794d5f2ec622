// The exported entry points of a driver library; each file name is one model's library and
// serves one cabled mouse.
#include "plugins/hiddriver/cable_mouse.h"
#include "plugins/include/driver_api.h"

namespace {

// Never destroyed: at process exit nothing of the library may wait on a lock or a thread.
CableMouse& Mouse() {
    static CableMouse* pMouse = new CableMouse();
    return *pMouse;
}

}  // namespace

extern "C" {

BOOL Set_VIDPID(int iVid, int iPid) {
    Mouse().Select(iVid, iPid);
    return TRUE;
}

BOOL Open_DevMonitor(HWND hwnd, UINT uDataMsg, UINT uLinkMsg) {
    return Mouse().StartMonitor(hwnd, uDataMsg, uLinkMsg) ? TRUE : FALSE;
}

BOOL Close_DevMonitor(void) {
    Mouse().StopMonitor();
    return TRUE;
}

BOOL Open_FeatureDevice(void) { return Mouse().OpenFeature() ? TRUE : FALSE; }

BOOL Close_FeatureDevice(void) {
    Mouse().CloseFeature();
    return TRUE;
}

BOOL SetFeature(unsigned char* pBuffer, int iLength) { return Mouse().SendFeature(pBuffer, iLength) ? TRUE : FALSE; }

BOOL GetFeature(unsigned char* pBuffer, int iLength) { return Mouse().ReadFeature(pBuffer, iLength) ? TRUE : FALSE; }

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID pReserved) {
    if (dwReason == DLL_PROCESS_ATTACH) DisableThreadLibraryCalls(hInstance);
    // Unloaded by FreeLibrary (the monitor thread, which holds the library, has ended): close
    // what its user left open. At process exit (pReserved set) other threads are gone mid-way,
    // so nothing is touched at all.
    if (dwReason == DLL_PROCESS_DETACH && pReserved == nullptr) {
        Mouse().ReleaseAtUnload();
        delete &Mouse();
    }
    return TRUE;
}
