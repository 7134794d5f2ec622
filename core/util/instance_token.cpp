#include "util/instance_token.h"

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
    const int iFieldLength = int(strField.size());
    const int iSize = MultiByteToWideChar(CP_ACP, 0, strField.data(), iFieldLength, nullptr, 0);
    if (iSize <= 0) return {};
    std::wstring strToken(size_t(iSize), L'\0');
    const int iWritten = MultiByteToWideChar(CP_ACP, 0, strField.data(), iFieldLength, strToken.data(), iSize);
    strToken.resize(std::min(size_t(std::max(iWritten, 0)), kMaxInstanceTokenLength));
    return strToken;
}
