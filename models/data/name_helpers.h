// Names of profile and macro records, shared by every model module: each record type begins with
// its fixed wide name field. Names are compared without regard to case; a name is cut to its
// field, and a unique name is made by cutting the base so that base + "_k" still fits.
#pragma once

#include "models/data/data_platform.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

// Names are compared without regard to case by NamesEqualNoCase (data_platform.h).

// The name in a fixed field, up to its first NUL (the whole field when it has none).
template <size_t N>
NameView NameOf(const NameChar (&szField)[N]) {
    size_t uLength = 0;
    while (uLength < N && szField[uLength] != 0) ++uLength;
    return {szField, uLength};
}

// Copies a name into a fixed field, cut to N - 1 characters; the rest of the field is zeroed.
template <size_t N>
void CopyName(NameChar (&szField)[N], NameView strName) {
    const size_t uLength = strName.size() < N - 1 ? strName.size() : N - 1;
    for (size_t i = 0; i < N; ++i) szField[i] = i < uLength ? strName[i] : NameChar{0};
}

// Field capacity (characters without the terminator) of a record type's name.
template <class Rec>
constexpr size_t NameCapacity() {
    return std::extent_v<decltype(Rec::szName)> - 1;
}

template <class Rec>
bool IsNameTaken(const std::vector<std::unique_ptr<Rec>>& list, NameView strName) {
    for (const std::unique_ptr<Rec>& pRec : list)
        if (pRec && NamesEqualNoCase(NameOf(pRec->szName), strName)) return true;
    return false;
}

// The name itself (cut to uMaxChars) when it is free; otherwise the first free "base_k" for
// k = 1, 2, ..., the base cut so that the candidate has at most uMaxChars characters.
NameString MakeUniqueName(const std::vector<NameView>& taken, NameView strName, size_t uMaxChars);

template <class Rec>
NameString MakeUniqueName(const std::vector<std::unique_ptr<Rec>>& list, NameView strName,
                          size_t uMaxChars = NameCapacity<Rec>()) {
    std::vector<NameView> taken;
    taken.reserve(list.size());
    for (const std::unique_ptr<Rec>& pRec : list)
        if (pRec) taken.push_back(NameOf(pRec->szName));
    return MakeUniqueName(taken, strName, uMaxChars);
}
