#include "name_helpers.h"

#include <windows.h>

#include <algorithm>

bool NamesEqualNoCase(std::wstring_view strA, std::wstring_view strB) {
    if (strA.size() != strB.size()) return false;
    if (strA.empty()) return true;
    return CompareStringOrdinal(strA.data(), static_cast<int>(strA.size()), strB.data(),
                                static_cast<int>(strB.size()), TRUE) == CSTR_EQUAL;
}

namespace {
bool Taken(const std::vector<std::wstring_view>& taken, std::wstring_view strName) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](std::wstring_view strOther) { return NamesEqualNoCase(strOther, strName); });
}
}  // namespace

std::wstring MakeUniqueName(const std::vector<std::wstring_view>& taken, std::wstring_view strName,
                            size_t uMaxChars) {
    std::wstring strBase(strName.substr(0, std::min(strName.size(), uMaxChars)));
    if (!Taken(taken, strBase)) return strBase;
    // Among taken.size() + 1 distinct suffixes at least one candidate is free.
    for (size_t k = 1; k <= taken.size() + 1; ++k) {
        const std::wstring strSuffix = L"_" + std::to_wstring(k);
        if (strSuffix.size() > uMaxChars) break;
        std::wstring strCandidate = strBase.substr(0, std::min(strBase.size(), uMaxChars - strSuffix.size()));
        strCandidate += strSuffix;
        if (!Taken(taken, strCandidate)) return strCandidate;
    }
    return strBase;  // only when the field cannot hold even "_k": the caller's field is too small
}
