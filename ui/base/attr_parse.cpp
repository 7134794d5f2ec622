#include "ui/base/attr_parse.h"

#include <cwchar>
#include <cwctype>

namespace DuiLib {

namespace {

const wchar_t* SkipSpaces(const wchar_t* p) {
    while (*p != L'\0' && iswspace(*p)) ++p;
    return p;
}

// Reads a signed integer and the separator after it; returns false at the end of the text.
bool NextInt(const wchar_t*& p, LONG& lValue) {
    p = SkipSpaces(p);
    if (*p == L'\0') return false;
    wchar_t* pEnd = nullptr;
    lValue = static_cast<LONG>(wcstol(p, &pEnd, 10));
    if (pEnd == p) return false;
    p = SkipSpaces(pEnd);
    if (*p == L',') ++p;
    return true;
}

}  // namespace

DWORD ParseColor(LPCWSTR pstrValue) {
    if (pstrValue == nullptr) return 0;
    const wchar_t* p = SkipSpaces(pstrValue);
    bool bHex = false;
    if (*p == L'#') {
        ++p;
        bHex = true;
    } else if (p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')) {
        p += 2;
        bHex = true;
    }
    wchar_t* pEnd = nullptr;
    unsigned long ulValue = wcstoul(p, &pEnd, bHex ? 16 : 10);
    if (pEnd == p) return 0;
    DWORD dwColor = static_cast<DWORD>(ulValue);
    // Six hex digits mean an opaque colour.
    if (bHex && pEnd - p <= 6) dwColor |= 0xFF000000;
    return dwColor;
}

RECT ParseRect(LPCWSTR pstrValue) {
    RECT rc{0, 0, 0, 0};
    if (pstrValue == nullptr) return rc;
    const wchar_t* p = pstrValue;
    NextInt(p, rc.left) && NextInt(p, rc.top) && NextInt(p, rc.right) && NextInt(p, rc.bottom);
    return rc;
}

SIZE ParseSize(LPCWSTR pstrValue) {
    SIZE sz{0, 0};
    if (pstrValue == nullptr) return sz;
    const wchar_t* p = pstrValue;
    NextInt(p, sz.cx) && NextInt(p, sz.cy);
    return sz;
}

bool ParseBool(LPCWSTR pstrValue) {
    if (pstrValue == nullptr) return false;
    return _wcsicmp(pstrValue, L"true") == 0 || wcscmp(pstrValue, L"1") == 0;
}

int ParseInt(LPCWSTR pstrValue) {
    if (pstrValue == nullptr) return 0;
    const wchar_t* p = SkipSpaces(pstrValue);
    if (p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')) return static_cast<int>(wcstoul(p + 2, nullptr, 16));
    return static_cast<int>(wcstol(p, nullptr, 10));
}

AttributeList ParseAttributeList(LPCWSTR pstrList) {
    AttributeList list;
    if (pstrList == nullptr) return list;
    const wchar_t* p = pstrList;
    for (;;) {
        p = SkipSpaces(p);
        if (*p == L'\0') break;
        const wchar_t* pName = p;
        while (*p != L'\0' && *p != L'=' && !iswspace(*p)) ++p;
        std::wstring sName(pName, p);
        p = SkipSpaces(p);
        if (*p != L'=' || sName.empty()) break;
        p = SkipSpaces(p + 1);
        wchar_t chQuote = *p;
        if (chQuote != L'"' && chQuote != L'\'') break;
        const wchar_t* pValue = ++p;
        while (*p != L'\0' && *p != chQuote) ++p;
        if (*p != chQuote) break;
        list.emplace_back(std::move(sName), std::wstring(pValue, p));
        ++p;
    }
    return list;
}

}  // namespace DuiLib
