#include "core/util/string_helpers.h"

#include <windows.h>

#include <algorithm>

bool MatchPrefix(std::wstring_view strA, std::wstring_view strB) {
    const size_t uLength = std::min(strA.size(), strB.size());
    return strA.substr(0, uLength) == strB.substr(0, uLength);
}

std::wstring NumberedName(const wchar_t* pszPattern, int i) {
    wchar_t szName[128];
    _snwprintf(szName, 127, pszPattern, i);
    szName[127] = L'\0';
    return szName;
}

std::string WideToAnsi(std::wstring_view strWide) {
    if (strWide.empty()) return {};
    const int iWideLength = int(strWide.size());
    const int iSize = WideCharToMultiByte(CP_ACP, 0, strWide.data(), iWideLength, nullptr, 0, nullptr, nullptr);
    if (iSize <= 0) return {};
    std::string strAnsi(size_t(iSize), '\0');
    const int iWritten =
        WideCharToMultiByte(CP_ACP, 0, strWide.data(), iWideLength, strAnsi.data(), iSize, nullptr, nullptr);
    strAnsi.resize(size_t(std::max(iWritten, 0)));
    return strAnsi;
}

std::wstring AnsiToWide(std::string_view strAnsi) {
    if (strAnsi.empty()) return {};
    const int iAnsiLength = int(strAnsi.size());
    const int iSize = MultiByteToWideChar(CP_ACP, 0, strAnsi.data(), iAnsiLength, nullptr, 0);
    if (iSize <= 0) return {};
    std::wstring strWide(size_t(iSize), L'\0');
    const int iWritten = MultiByteToWideChar(CP_ACP, 0, strAnsi.data(), iAnsiLength, strWide.data(), iSize);
    strWide.resize(size_t(std::max(iWritten, 0)));
    return strWide;
}
