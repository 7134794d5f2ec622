#include "tests/util/fake_layout.h"

#include <algorithm>
#include <array>
#include <cwchar>

namespace fake {

std::vector<std::wstring> g_lookups;
std::vector<std::wstring> g_traces;
LayoutLog g_layout;

std::wstring Text(const wchar_t* pszTextId) {
    g_lookups.emplace_back(pszTextId);
    return L"<" + std::wstring(pszTextId) + L">";
}

void Trace(const wchar_t* pszLine) { g_traces.emplace_back(pszLine); }

namespace {

struct FakeKey {
    UINT uVirtualKey;
    UINT uScanCode;
    const wchar_t* pszChars;  // unshifted; empty for keys that type nothing
    bool bDead;
};

constexpr FakeKey kAzerty[] = {
    {'A', 0x10, L"a", false},        {'Z', 0x11, L"z", false},     {'E', 0x12, L"e", false},
    {'Q', 0x1E, L"q", false},        {'W', 0x2C, L"w", false},     {'M', 0x27, L"m", false},
    {VK_OEM_COMMA, 0x32, L",", false}, {'1', 0x02, L"&", false},   {'2', 0x03, L"\u00e9", false},
    {VK_OEM_6, 0x1A, L"^", true},    {VK_RETURN, 0x1C, L"\r", false}, {VK_CAPITAL, 0x3A, L"", false},
    {VK_F1, 0x3B, L"", false},       {VK_SHIFT, 0x2A, L"", false},
};

const FakeKey* ByVirtualKey(UINT uVirtualKey) {
    const auto it = std::ranges::find(kAzerty, uVirtualKey, &FakeKey::uVirtualKey);
    return it == std::end(kAzerty) ? nullptr : &*it;
}

const FakeKey* ByScanCode(UINT uScanCode) {
    const auto it = std::ranges::find(kAzerty, uScanCode, &FakeKey::uScanCode);
    return it == std::end(kAzerty) ? nullptr : &*it;
}

int Put(LPWSTR pwszBuff, int cchBuff, std::wstring_view strChars) {
    const int iCount = std::min<int>(int(strChars.size()), cchBuff);
    std::copy_n(strChars.data(), iCount, pwszBuff);
    return iCount;
}

}  // namespace

UINT WINAPI AzertyMapVirtualKey(UINT uCode, UINT uMapType) {
    ++g_layout.iMapCalls;
    if (uMapType == MAPVK_VK_TO_VSC) {
        const FakeKey* pKey = ByVirtualKey(uCode);
        return pKey ? pKey->uScanCode : 0;
    }
    if (uMapType == MAPVK_VSC_TO_VK_EX) {
        const FakeKey* pKey = ByScanCode(uCode);
        return pKey ? pKey->uVirtualKey : 0;
    }
    g_layout.bUnknownMapType = true;
    return 0;
}

int WINAPI AzertyToUnicode(UINT wVirtKey, UINT wScanCode, const BYTE* lpKeyState, LPWSTR pwszBuff, int cchBuff,
                           UINT) {
    if (std::any_of(lpKeyState, lpKeyState + 256, [](BYTE by) { return (by & 0x80) != 0; }))
        g_layout.bModifierHeld = true;
    const FakeKey* pKey = ByVirtualKey(wVirtKey);
    if (!pKey) return 0;
    if (pKey->uScanCode != wScanCode) g_layout.bScanMismatch = true;
    if (pKey->bDead) {
        if (g_layout.uPendingDeadKey == 0) {
            g_layout.uPendingDeadKey = wVirtKey;
            Put(pwszBuff, cchBuff, pKey->pszChars);
            return -1;
        }
        // The accent typed twice comes out as itself, twice.
        g_layout.uPendingDeadKey = 0;
        return Put(pwszBuff, cchBuff, L"^^");
    }
    if (g_layout.uPendingDeadKey != 0) {
        g_layout.uPendingDeadKey = 0;
        if (wVirtKey == 'E') return Put(pwszBuff, cchBuff, L"\u00ea");
        return Put(pwszBuff, cchBuff, std::wstring(L"^") + pKey->pszChars);
    }
    return Put(pwszBuff, cchBuff, pKey->pszChars);
}

ScopedServices::ScopedServices(decltype(KeyServices::pfnMapVirtualKey) pfnMap,
                               decltype(KeyServices::pfnToUnicode) pfnToUnicode)
    : m_previous(SetKeyServices({pfnMap, pfnToUnicode, &Text, &Trace})) {
    g_lookups.clear();
    g_traces.clear();
    g_layout = {};
}

ScopedServices::~ScopedServices() { SetKeyServices(m_previous); }

}  // namespace fake
