#include "models/data/name_helpers.h"

#include <algorithm>

namespace {
bool Taken(const std::vector<NameView>& taken, NameView strName) {
    return std::any_of(taken.begin(), taken.end(),
                       [&](NameView strOther) { return NamesEqualNoCase(strOther, strName); });
}

NameString SuffixOf(size_t k) {
    NameString strSuffix(1, NameChar{'_'});
    for (char ch : std::to_string(k)) strSuffix += static_cast<NameChar>(ch);
    return strSuffix;
}
}  // namespace

NameString MakeUniqueName(const std::vector<NameView>& taken, NameView strName, size_t uMaxChars) {
    NameString strBase(strName.substr(0, std::min(strName.size(), uMaxChars)));
    if (!Taken(taken, strBase)) return strBase;
    // Among taken.size() + 1 distinct suffixes at least one candidate is free.
    for (size_t k = 1; k <= taken.size() + 1; ++k) {
        const NameString strSuffix = SuffixOf(k);
        if (strSuffix.size() > uMaxChars) break;
        NameString strCandidate = strBase.substr(0, std::min(strBase.size(), uMaxChars - strSuffix.size()));
        strCandidate += strSuffix;
        if (!Taken(taken, strCandidate)) return strCandidate;
    }
    return strBase;  // only when the field cannot hold even "_k": the caller's field is too small
}
