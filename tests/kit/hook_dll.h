// The real Hook.dll beside the test programs, with its entry points as the main window resolves
// them, and keys made by SendInput: the way a person's keyboard takes to the hooks.
#pragma once

#include <windows.h>

#include <string>

#include "plugins/include/hook_api.h"
#include "core/util/folders.h"

namespace kit {

class HookDll {
public:
    HookDll() {
        m_hModule = ::LoadLibraryW((GetExeFolder() + L"Hook.dll").c_str());
        if (m_hModule != nullptr) m_table = ResolveHookTable(m_hModule);
    }
    ~HookDll() {
        if (m_hModule != nullptr) ::FreeLibrary(m_hModule);
    }
    HookDll(const HookDll&) = delete;
    HookDll& operator=(const HookDll&) = delete;

    bool IsLoaded() const { return m_hModule != nullptr; }
    const HookTable& Table() const { return m_table; }
    HMODULE Module() const { return m_hModule; }

private:
    HMODULE m_hModule = nullptr;
    HookTable m_table;
};

inline void SendKey(WORD wVirtualKey, bool bDown) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = wVirtualKey;
    input.ki.dwFlags = bDown ? 0 : KEYEVENTF_KEYUP;
    ::SendInput(1, &input, sizeof(input));
}

}  // namespace kit
