// Hook.dll: system-wide low-level keyboard and mouse hooks that post what they see to one
// window. Shared by the program (which resolves the entry points at run time), the plugin
// itself and the test kit.
//
// Contract:
//  - installhook(hwnd) names the window that receives WM_HOOKKEY and installs the keyboard
//    hook, switched off; installmousehook(hwnd) only names the window. Either ends mouse
//    reporting.
//  - enablehook(1/0) switches reporting of keys; enablemousehook(1) installs the mouse hook and
//    reports mouse buttons, enablemousehook(0) removes it again: the system-wide mouse hook
//    exists only while mouse reporting is on.
//  - a key posts wParam = the virtual key as the low-level hook sees it (side-specific
//    modifiers 0xA0..0xA5), lParam 0 on press and 1 on release;
//  - a mouse button posts its down/up message in wParam; for the side buttons lParam is
//    2 for the back button (XBUTTON1) and 1 for the forward button (XBUTTON2), else 0;
//  - mousewheelenable(0) keeps the wheel out (with 1 the wheel posts WM_MOUSEWHEEL with the
//    signed delta in lParam);
//  - removehook() ends the keyboard hook, removemousehook() the mouse hook (reporting off).
#pragma once

#include <windows.h>

#define WM_HOOKKEY 0x40A

#ifdef __cplusplus
extern "C" {
#endif

#if defined(HOOK_DLL_BUILD)
#define HOOK_API __declspec(dllexport)
#else
#define HOOK_API __declspec(dllimport)
#endif

typedef BOOL (*PFN_INSTALLMOUSEHOOK)(HWND hwndTarget);
typedef BOOL (*PFN_REMOVEMOUSEHOOK)(void);
typedef BOOL (*PFN_ENABLEMOUSEHOOK)(int bEnable);
typedef BOOL (*PFN_INSTALLHOOK)(HWND hwndTarget);
typedef BOOL (*PFN_REMOVEHOOK)(void);
typedef BOOL (*PFN_ENABLEHOOK)(int bEnable);
typedef BOOL (*PFN_MOUSEWHEELENABLE)(int bEnable);

#if defined(HOOK_DLL_BUILD)
HOOK_API BOOL installmousehook(HWND hwndTarget);
HOOK_API BOOL removemousehook(void);
HOOK_API BOOL enablemousehook(int bEnable);
HOOK_API BOOL installhook(HWND hwndTarget);
HOOK_API BOOL removehook(void);
HOOK_API BOOL enablehook(int bEnable);
HOOK_API BOOL mousewheelenable(int bEnable);
#endif

#ifdef __cplusplus
}

// The seven entry points as the main window resolves them, in this order; an entry is null
// while Hook.dll is not loaded or lacks it, and every caller skips a null entry.
struct HookTable {
    PFN_INSTALLMOUSEHOOK pfnInstallMouseHook = nullptr;
    PFN_REMOVEMOUSEHOOK pfnRemoveMouseHook = nullptr;
    PFN_ENABLEMOUSEHOOK pfnEnableMouseHook = nullptr;
    PFN_INSTALLHOOK pfnInstallHook = nullptr;
    PFN_REMOVEHOOK pfnRemoveHook = nullptr;
    PFN_ENABLEHOOK pfnEnableHook = nullptr;
    PFN_MOUSEWHEELENABLE pfnMouseWheelEnable = nullptr;
};

// A module's entry point by name, as the type of the member it fills (null when missing).
template <class Fn>
inline void ResolveExport(HMODULE hModule, const char* pszName, Fn& pfn) {
    pfn = reinterpret_cast<Fn>(reinterpret_cast<void*>(GetProcAddress(hModule, pszName)));
}

// Hook.dll's entry points, each member filled by its own name.
inline HookTable ResolveHookTable(HMODULE hModule) {
    HookTable table;
    if (hModule == nullptr) return table;
    ResolveExport(hModule, "installmousehook", table.pfnInstallMouseHook);
    ResolveExport(hModule, "removemousehook", table.pfnRemoveMouseHook);
    ResolveExport(hModule, "enablemousehook", table.pfnEnableMouseHook);
    ResolveExport(hModule, "installhook", table.pfnInstallHook);
    ResolveExport(hModule, "removehook", table.pfnRemoveHook);
    ResolveExport(hModule, "enablehook", table.pfnEnableHook);
    ResolveExport(hModule, "mousewheelenable", table.pfnMouseWheelEnable);
    return table;
}
#endif
