#include "core/util/instance_token.h"

#include "core/util/string_helpers.h"

#include <windows.h>

#include <algorithm>

namespace {

constexpr int kTokenField = 5;

// The n-th (1-based) non-empty field between '&' characters.
std::string_view NthField(std::string_view strPath, int iField) {
    size_t uPos = 0;
    for (int iSeen = 0;;) {
        uPos = strPath.find_first_not_of('&', uPos);
        if (uPos == std::string_view::npos) return {};
        const size_t uEnd = std::min(strPath.find('&', uPos), strPath.size());
        if (++iSeen == iField) return strPath.substr(uPos, uEnd - uPos);
        uPos = uEnd;
    }
}

}  // namespace

std::wstring GetInstanceToken(std::string_view strDevicePath) {
    // Nothing after a terminator counts, as for any C string path.
    strDevicePath = strDevicePath.substr(0, strDevicePath.find('\0'));
    const std::string_view strField = NthField(strDevicePath, kTokenField);
    if (strField.empty()) return {};
    std::wstring strToken = AnsiToWide(strField);
    if (strToken.size() > kMaxInstanceTokenLength) strToken.resize(kMaxInstanceTokenLength);
    return strToken;
}
