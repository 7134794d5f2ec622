// Hook.dll: low-level keyboard and mouse hooks that post WM_HOOKKEY to one window.
// The hooks run on the thread that installed them (that thread's message loop drives them),
// so the state below is touched by that thread only, apart from the atomics. A system-wide
// mouse hook slows every pointer move of the whole desktop, so it exists only while mouse
// reporting is switched on.
#include "plugins/include/hook_api.h"

#include <atomic>

namespace {

HINSTANCE g_hInstance = nullptr;
std::atomic<HWND> g_hwndTarget{nullptr};
HHOOK g_hKeyboardHook = nullptr;
HHOOK g_hMouseHook = nullptr;
std::atomic<bool> g_bKeyboardOn{false};
std::atomic<bool> g_bMouseOn{false};
std::atomic<bool> g_bWheelOn{false};

void Post(WPARAM wParam, LPARAM lParam) {
    HWND hwnd = g_hwndTarget.load();
    if (hwnd != nullptr) PostMessageW(hwnd, WM_HOOKKEY, wParam, lParam);
}

LRESULT CALLBACK KeyboardProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION && g_bKeyboardOn.load()) {
        const auto* info = reinterpret_cast<const KBDLLHOOKSTRUCT*>(lParam);
        const bool bPress = wParam == WM_KEYDOWN || wParam == WM_SYSKEYDOWN;
        const bool bRelease = wParam == WM_KEYUP || wParam == WM_SYSKEYUP;
        if (bPress || bRelease) Post(info->vkCode, bPress ? 0 : 1);
    }
    return CallNextHookEx(g_hKeyboardHook, nCode, wParam, lParam);
}

// Side buttons: 2 for XBUTTON1 (back), 1 for XBUTTON2 (forward).
LPARAM SideButtonCode(DWORD mouseData) {
    switch (HIWORD(mouseData)) {
        case XBUTTON1: return 2;
        case XBUTTON2: return 1;
        default: return 0;
    }
}

LRESULT CALLBACK MouseProc(int nCode, WPARAM wParam, LPARAM lParam) {
    if (nCode == HC_ACTION && g_bMouseOn.load()) {
        const auto* info = reinterpret_cast<const MSLLHOOKSTRUCT*>(lParam);
        switch (wParam) {
            case WM_LBUTTONDOWN: case WM_LBUTTONUP:
            case WM_RBUTTONDOWN: case WM_RBUTTONUP:
            case WM_MBUTTONDOWN: case WM_MBUTTONUP:
                Post(wParam, 0);
                break;
            case WM_XBUTTONDOWN: case WM_XBUTTONUP:
                Post(wParam, SideButtonCode(info->mouseData));
                break;
            case WM_MOUSEWHEEL:
                if (g_bWheelOn.load()) Post(wParam, static_cast<short>(HIWORD(info->mouseData)));
                break;
            default:
                break;
        }
    }
    return CallNextHookEx(g_hMouseHook, nCode, wParam, lParam);
}

bool InstallKeyboard() {
    if (g_hKeyboardHook == nullptr)
        g_hKeyboardHook = SetWindowsHookExW(WH_KEYBOARD_LL, KeyboardProc, g_hInstance, 0);
    return g_hKeyboardHook != nullptr;
}

bool InstallMouse() {
    if (g_hMouseHook == nullptr)
        g_hMouseHook = SetWindowsHookExW(WH_MOUSE_LL, MouseProc, g_hInstance, 0);
    return g_hMouseHook != nullptr;
}

bool RemoveMouse() {
    g_bMouseOn = false;
    if (g_hMouseHook == nullptr) return false;
    UnhookWindowsHookEx(g_hMouseHook);
    g_hMouseHook = nullptr;
    return true;
}

}  // namespace

extern "C" {

BOOL installhook(HWND hwndTarget) {
    g_hwndTarget = hwndTarget;
    g_bKeyboardOn = false;
    RemoveMouse();  // mouse reporting starts switched off, and without a hook
    return InstallKeyboard();
}

BOOL installmousehook(HWND hwndTarget) {
    g_hwndTarget = hwndTarget;
    RemoveMouse();
    return TRUE;
}

BOOL removehook(void) {
    g_bKeyboardOn = false;
    if (g_hKeyboardHook == nullptr) return FALSE;
    UnhookWindowsHookEx(g_hKeyboardHook);
    g_hKeyboardHook = nullptr;
    return TRUE;
}

BOOL removemousehook(void) { return RemoveMouse() ? TRUE : FALSE; }

BOOL enablehook(int bEnable) {
    g_bKeyboardOn = bEnable != 0;
    return TRUE;
}

BOOL enablemousehook(int bEnable) {
    if (bEnable == 0) {
        RemoveMouse();
        return TRUE;
    }
    if (!InstallMouse()) return FALSE;
    g_bMouseOn = true;
    return TRUE;
}

BOOL mousewheelenable(int bEnable) {
    g_bWheelOn = bEnable != 0;
    return TRUE;
}

}  // extern "C"

BOOL WINAPI DllMain(HINSTANCE hInstance, DWORD dwReason, LPVOID) {
    if (dwReason == DLL_PROCESS_ATTACH) {
        g_hInstance = hInstance;
        DisableThreadLibraryCalls(hInstance);
    }
    return TRUE;
}
