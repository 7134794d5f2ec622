// Which system-wide hooks a module holds, seen from outside it: the module's imports of
// SetWindowsHookExW and UnhookWindowsHookEx are redirected through counting stand-ins that call
// the real functions, so the module under test runs unchanged.
#pragma once

#include <windows.h>

namespace kit {

class HookSpy {
public:
    // Watches the hooks `hModule` (Hook.dll) sets and removes from now on.
    explicit HookSpy(HMODULE hModule);
    // Puts the module's own imports back.
    ~HookSpy();
    HookSpy(const HookSpy&) = delete;
    HookSpy& operator=(const HookSpy&) = delete;

    bool Watching() const { return m_bPatched; }
    // Hooks of the kind (WH_MOUSE_LL, WH_KEYBOARD_LL) that are set now, and that were ever set.
    int Live(int idHook) const;
    int EverSet(int idHook) const;

private:
    HMODULE m_hModule;
    bool m_bPatched = false;
};

// Replaces `hModule`'s import of `pszFunction` from `pszDll` with `pfnNew`; returns the entry it
// held, or nullptr when the module does not import it.
void* PatchImport(HMODULE hModule, const char* pszDll, const char* pszFunction, void* pfnNew);

}  // namespace kit
