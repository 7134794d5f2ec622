#include "core/devices/ble_address.h"

#include "core/util/string_helpers.h"

#include <windows.h>

std::wstring BluetoothAddressFromHardwareId(std::wstring_view hardwareId) {
    if (hardwareId.empty()) return {};
    char szAnsi[MAX_PATH * 2] = {};
    int iBytes = WideCharToMultiByte(CP_ACP, WC_COMPOSITECHECK, hardwareId.data(),
                                     static_cast<int>(hardwareId.size()), szAnsi,
                                     sizeof szAnsi - 1, nullptr, nullptr);
    if (iBytes <= 0) return {};
    std::string_view ansi(szAnsi, static_cast<size_t>(iBytes));

    // Second token: skip leading '_', pass the first token and the separators after it.
    size_t first = ansi.find_first_not_of('_');
    if (first == std::string_view::npos) return {};
    size_t afterFirst = ansi.find('_', first);
    if (afterFirst == std::string_view::npos) return {};
    size_t second = ansi.find_first_not_of('_', afterFirst);
    if (second == std::string_view::npos) return {};
    std::string_view token = ansi.substr(second, ansi.find('_', second) - second);

    std::wstring strAddress = AnsiToWide(token);
    if (strAddress.size() > MAX_PATH - 1) strAddress.resize(MAX_PATH - 1);
    return strAddress;
}

std::wstring ToUpperText(std::wstring_view text) {
    std::wstring upper(text);
    if (!upper.empty()) CharUpperBuffW(upper.data(), static_cast<DWORD>(upper.size()));
    return upper;
}

bool InterfacePathMatches(std::wstring_view upperPath, const BleMatch& match) {
    if (match.strVid.empty() || match.strPid.empty()) return false;
    if (upperPath.find(match.strVid) == std::wstring_view::npos) return false;
    if (upperPath.find(match.strPid) == std::wstring_view::npos) return false;
    for (const std::wstring& address : match.addresses)
        if (!address.empty() && upperPath.find(address) != std::wstring_view::npos) return true;
    return false;
}
