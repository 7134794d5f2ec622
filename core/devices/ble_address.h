// Bluetooth addresses and the matching of Bluetooth LE interface paths.
#pragma once

#include <string>
#include <string_view>
#include <vector>

// The address carried by a Bluetooth device's hardware id ("BTHLE\Dev_e0a1b2c3d4e5" gives
// "e0a1b2c3d4e5"): the second '_'-separated field, read with strtok's rules (runs of '_' count
// as one separator, leading ones are skipped) after conversion to the ANSI code page. Empty when
// the id has no second field.
std::wstring BluetoothAddressFromHardwareId(std::wstring_view hardwareId);

std::wstring ToUpperText(std::wstring_view text);

// What an interface path must hold to be the mouse: both match strings and one of the listed
// addresses, all upper case. Empty match strings and empty addresses never match.
struct BleMatch {
    std::wstring strVid;
    std::wstring strPid;
    std::vector<std::wstring> addresses;
};

bool InterfacePathMatches(std::wstring_view upperPath, const BleMatch& match);
