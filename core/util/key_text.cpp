#include "core/util/key_text.h"

#include "core/util/key_services.h"
#include "core/util/key_table.h"

#include <windows.h>

#include <algorithm>
#include <array>

namespace {

// Usages whose key is found through its scan code: letters up to the function keys when
// recording, letters up to Caps Lock when naming.
constexpr int kFirstLayoutUsage = 0x04;
constexpr int kLastRecordedByScanCode = 0x45;
constexpr int kLastNamedByLayout = 0x39;
constexpr int kFirstModifierNamedByKey = 0xE8;
constexpr int kLastModifierNamedByKey = 0xEF;
constexpr int kFirstNamedUsage = 0x3A;
constexpr int kLastNamedUsage = 0xF5;

// A dead key leaves its accent pending in the thread's keyboard state, where it would combine
// with the next key the user types. Typing it again releases it; a few tries are enough for
// any layout.
void ReleasePendingDeadKey(const KeyServices& services, UINT uVirtualKey, UINT uScanCode, const BYTE* pbyState) {
    std::array<wchar_t, 8> scratch{};
    for (int iTry = 0; iTry < 4; ++iTry) {
        if (services.pfnToUnicode(uVirtualKey, uScanCode, pbyState, scratch.data(), int(scratch.size()), 0) >= 0) return;
    }
}

std::wstring LayoutCharacters(int iVirtualKey) {
    const KeyServices& services = CurrentKeyServices();
    const UINT uVirtualKey = UINT(iVirtualKey);
    const UINT uScanCode = services.pfnMapVirtualKey(uVirtualKey, MAPVK_VK_TO_VSC);
    const std::array<BYTE, 256> noModifiers{};
    std::array<wchar_t, 16> buffer{};
    const int iCount =
        services.pfnToUnicode(uVirtualKey, uScanCode, noModifiers.data(), buffer.data(), int(buffer.size()), 0);
    std::wstring strText;
    if (iCount < 0) {
        // A dead key: its accent, as one character.
        strText.assign(1, buffer[0]);
        ReleasePendingDeadKey(services, uVirtualKey, uScanCode, noModifiers.data());
    } else {
        strText.assign(buffer.data(), size_t(std::min<int>(iCount, int(buffer.size()))));
    }
    // Upper-case by the character's own rules, so that é shows as É like a shows as A.
    if (!strText.empty()) CharUpperBuffW(strText.data(), DWORD(strText.size()));
    return strText;
}

std::wstring LanguageText(const wchar_t* pszTextId) { return CurrentKeyServices().pfnGetText(pszTextId); }

std::wstring UsageText(int iUsage) {
    if (iUsage >= kFirstLayoutUsage && iUsage <= kLastNamedByLayout) {
        const KeyCodeRow* pRow = FindRowByUsage(iUsage);
        if (!pRow) return {};
        const UINT uVirtualKey = CurrentKeyServices().pfnMapVirtualKey(UINT(pRow->iScanCode), MAPVK_VSC_TO_VK_EX);
        return VirtualKeyToKeyText(int(uVirtualKey));
    }
    if (iUsage >= kFirstModifierNamedByKey && iUsage <= kLastModifierNamedByKey) {
        const KeyCodeRow* pRow = FindRowByUsage(iUsage);
        return pRow ? VirtualKeyToKeyText(pRow->iVirtualKey) : std::wstring();
    }
    if (iUsage >= kFirstNamedUsage && iUsage <= kLastNamedUsage) {
        const wchar_t* pszTextId = UsageTextId(iUsage);
        return pszTextId ? LanguageText(pszTextId) : std::wstring();
    }
    return {};
}

}  // namespace

bool VirtualKeyToUsage(int iVirtualKey, int& iUsage) {
    iUsage = 0;
    const KeyCodeRow* pRow = FindRowByVirtualKey(iVirtualKey);
    if (!pRow) return false;
    iUsage = pRow->iUsage;
    if (iUsage < kFirstLayoutUsage || iUsage > kLastRecordedByScanCode) return true;
    // The physical key: the usage of the key position that carries this virtual key.
    const UINT uScanCode = CurrentKeyServices().pfnMapVirtualKey(UINT(iVirtualKey), MAPVK_VK_TO_VSC);
    if (const KeyCodeRow* pPosition = FindRowByScanCode(int(uScanCode))) iUsage = pPosition->iUsage;
    return true;
}

std::wstring VirtualKeyToKeyText(int iVirtualKey) {
    if (const wchar_t* pszTextId = VirtualKeyTextId(iVirtualKey)) return LanguageText(pszTextId);
    return LayoutCharacters(iVirtualKey);
}

std::wstring UsageToKeyText(int iUsage) {
    std::wstring strText = UsageText(iUsage);
    const std::wstring strLine = L"m_key = " + strText + L"\r\n";
    CurrentKeyServices().pfnTrace(strLine.c_str());
    return strText;
}
