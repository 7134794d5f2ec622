#include "tests/kit/hook_spy.h"

#include <cstring>
#include <map>
#include <mutex>

namespace kit {

namespace {

using SetHookFn = HHOOK(WINAPI*)(int, HOOKPROC, HINSTANCE, DWORD);
using UnhookFn = BOOL(WINAPI*)(HHOOK);

std::mutex g_lock;
std::map<HHOOK, int> g_live;   // hook to its kind
std::map<int, int> g_everSet;  // kind to count
SetHookFn g_pfnSet = nullptr;
UnhookFn g_pfnUnhook = nullptr;

HHOOK WINAPI SpySetWindowsHookExW(int idHook, HOOKPROC pfn, HINSTANCE hModule, DWORD dwThreadId) {
    const HHOOK hHook = g_pfnSet(idHook, pfn, hModule, dwThreadId);
    if (hHook != nullptr) {
        std::lock_guard guard(g_lock);
        g_live[hHook] = idHook;
        ++g_everSet[idHook];
    }
    return hHook;
}

BOOL WINAPI SpyUnhookWindowsHookEx(HHOOK hHook) {
    {
        std::lock_guard guard(g_lock);
        g_live.erase(hHook);
    }
    return g_pfnUnhook(hHook);
}

}  // namespace

void* PatchImport(HMODULE hModule, const char* pszDll, const char* pszFunction, void* pfnNew) {
    auto* pBase = reinterpret_cast<BYTE*>(hModule);
    const auto* pDos = reinterpret_cast<const IMAGE_DOS_HEADER*>(pBase);
    const auto* pNt = reinterpret_cast<const IMAGE_NT_HEADERS*>(pBase + pDos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = pNt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return nullptr;
    // The function as the system exports it, for tables that carry no names.
    void* pfnReal = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA(pszDll), pszFunction));
    for (auto* pImport = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(pBase + dir.VirtualAddress); pImport->Name != 0;
         ++pImport) {
        if (_stricmp(reinterpret_cast<const char*>(pBase + pImport->Name), pszDll) != 0) continue;
        auto* pSlot = reinterpret_cast<IMAGE_THUNK_DATA*>(pBase + pImport->FirstThunk);
        const auto* pName = pImport->OriginalFirstThunk != 0
                                ? reinterpret_cast<const IMAGE_THUNK_DATA*>(pBase + pImport->OriginalFirstThunk)
                                : nullptr;
        for (; pSlot->u1.Function != 0; ++pSlot, pName = pName != nullptr ? pName + 1 : nullptr) {
            bool bMatch = reinterpret_cast<void*>(pSlot->u1.Function) == pfnReal;
            if (pName != nullptr && !IMAGE_SNAP_BY_ORDINAL(pName->u1.Ordinal)) {
                const auto* pByName = reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(pBase + pName->u1.AddressOfData);
                bMatch = bMatch || std::strcmp(reinterpret_cast<const char*>(pByName->Name), pszFunction) == 0;
            }
            if (!bMatch) continue;
            DWORD dwOld = 0;
            VirtualProtect(&pSlot->u1.Function, sizeof(void*), PAGE_READWRITE, &dwOld);
            void* pfnOld = reinterpret_cast<void*>(pSlot->u1.Function);
            pSlot->u1.Function = reinterpret_cast<ULONGLONG>(pfnNew);
            VirtualProtect(&pSlot->u1.Function, sizeof(void*), dwOld, &dwOld);
            return pfnOld;
        }
    }
    return nullptr;
}

HookSpy::HookSpy(HMODULE hModule) : m_hModule(hModule) {
    {
        std::lock_guard guard(g_lock);
        g_live.clear();
        g_everSet.clear();
    }
    g_pfnSet = reinterpret_cast<SetHookFn>(
        PatchImport(hModule, "user32.dll", "SetWindowsHookExW", reinterpret_cast<void*>(&SpySetWindowsHookExW)));
    g_pfnUnhook = reinterpret_cast<UnhookFn>(
        PatchImport(hModule, "user32.dll", "UnhookWindowsHookEx", reinterpret_cast<void*>(&SpyUnhookWindowsHookEx)));
    m_bPatched = g_pfnSet != nullptr && g_pfnUnhook != nullptr;
}

HookSpy::~HookSpy() {
    if (g_pfnSet != nullptr) PatchImport(m_hModule, "user32.dll", "SetWindowsHookExW", reinterpret_cast<void*>(g_pfnSet));
    if (g_pfnUnhook != nullptr)
        PatchImport(m_hModule, "user32.dll", "UnhookWindowsHookEx", reinterpret_cast<void*>(g_pfnUnhook));
}

int HookSpy::Live(int idHook) const {
    std::lock_guard guard(g_lock);
    int n = 0;
    for (const auto& [hHook, id] : g_live) n += id == idHook;
    return n;
}

int HookSpy::EverSet(int idHook) const {
    std::lock_guard guard(g_lock);
    const auto it = g_everSet.find(idHook);
    return it == g_everSet.end() ? 0 : it->second;
}

}  // namespace kit
