// Names of profile and macro records, shared by every model module: each record type begins with
// its fixed wide name field. Names are compared without regard to case; a name is cut to its
// field, and a unique name is made by cutting the base so that base + "_k" still fits.
#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Equal without regard to case (ordinal, as upper-case letters).
bool NamesEqualNoCase(std::wstring_view strA, std::wstring_view strB);

// The name in a fixed field, up to its first NUL (the whole field when it has none).
template <size_t N>
std::wstring_view NameOf(const wchar_t (&szField)[N]) {
    size_t uLength = 0;
    while (uLength < N && szField[uLength] != L'\0') ++uLength;
    return {szField, uLength};
}

// Copies a name into a fixed field, cut to N - 1 characters; the rest of the field is zeroed.
template <size_t N>
void CopyName(wchar_t (&szField)[N], std::wstring_view strName) {
    const size_t uLength = strName.size() < N - 1 ? strName.size() : N - 1;
    for (size_t i = 0; i < N; ++i) szField[i] = i < uLength ? strName[i] : L'\0';
}

// Field capacity (characters without the terminator) of a record type's name.
template <class Rec>
constexpr size_t NameCapacity() {
    return std::extent_v<decltype(Rec::szName)> - 1;
}

template <class Rec>
bool IsNameTaken(const std::vector<std::unique_ptr<Rec>>& list, std::wstring_view strName) {
    for (const std::unique_ptr<Rec>& pRec : list)
        if (pRec && NamesEqualNoCase(NameOf(pRec->szName), strName)) return true;
    return false;
}

// The name itself (cut to uMaxChars) when it is free; otherwise the first free "base_k" for
// k = 1, 2, ..., the base cut so that the candidate has at most uMaxChars characters.
std::wstring MakeUniqueName(const std::vector<std::wstring_view>& taken, std::wstring_view strName,
                            size_t uMaxChars);

template <class Rec>
std::wstring MakeUniqueName(const std::vector<std::unique_ptr<Rec>>& list, std::wstring_view strName,
                            size_t uMaxChars = NameCapacity<Rec>()) {
    std::vector<std::wstring_view> taken;
    taken.reserve(list.size());
    for (const std::unique_ptr<Rec>& pRec : list)
        if (pRec) taken.push_back(NameOf(pRec->szName));
    return MakeUniqueName(taken, strName, uMaxChars);
}
