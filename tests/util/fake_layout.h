// Test doubles behind the key functions' seam: a French-style AZERTY layout with a dead
// circumflex key, language texts that show which id was asked for, and a trace recorder.
#pragma once

#include "core/util/key_services.h"

#include <string>
#include <vector>

namespace fake {

// Each lookup is recorded; the text of an id is "<id>".
std::wstring Text(const wchar_t* pszTextId);
extern std::vector<std::wstring> g_lookups;
void Trace(const wchar_t* pszLine);
extern std::vector<std::wstring> g_traces;

// AZERTY: A and Q, Z and W trade places, M sits right of L, the comma where US has M, the
// digit row types & é ..., and the key right of P is a dead circumflex.
UINT WINAPI AzertyMapVirtualKey(UINT uCode, UINT uMapType);
int WINAPI AzertyToUnicode(UINT wVirtKey, UINT wScanCode, const BYTE* lpKeyState, LPWSTR pwszBuff, int cchBuff,
                           UINT wFlags);

struct LayoutLog {
    int iMapCalls = 0;
    bool bModifierHeld = false;  // ToUnicode was asked with some key down in the state
    bool bScanMismatch = false;  // ToUnicode got a scan code that is not the key's
    bool bUnknownMapType = false;
    UINT uPendingDeadKey = 0;    // a dead key waiting to combine with the next key
};
extern LayoutLog g_layout;

// Installs the given layout functions (null: the real Win32 layout) with the fake texts and
// traces, clears the logs, and puts the previous services back when it goes.
class ScopedServices {
public:
    explicit ScopedServices(decltype(KeyServices::pfnMapVirtualKey) pfnMap = nullptr,
                            decltype(KeyServices::pfnToUnicode) pfnToUnicode = nullptr);
    ~ScopedServices();
    ScopedServices(const ScopedServices&) = delete;
    ScopedServices& operator=(const ScopedServices&) = delete;

private:
    KeyServices m_previous;
};

}  // namespace fake
