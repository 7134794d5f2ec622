// The two SetupAPI walks of the Bluetooth LE access: the addresses of the connected Bluetooth
// devices, and the Bluetooth LE device interfaces that belong to the mouse.
#pragma once

#include "core/devices/ble_address.h"
#include "core/devices/ble_gatt_list.h"
#include "core/devices/ble_platform.h"

#include <functional>
#include <string>
#include <vector>

constexpr int kMaxBleAddresses = 100;

// The addresses of the present Bluetooth devices that are not disconnected, in enumeration
// order, at most kMaxBleAddresses. A device whose status, names or address cannot be read is
// left out.
std::vector<std::wstring> ListConnectedBluetoothAddresses(const BleSetupApi& setup);

// A matching interface, opened, with the characteristics of its first service.
struct BleOpenDevice {
    HANDLE hDevice;
    const std::wstring& strPath;
    const BleGattApi& gatt;
    GattList<BTH_LE_GATT_CHARACTERISTIC>& characteristics;
};

// Walks the present Bluetooth LE device interfaces. Each one whose upper-cased path matches is
// opened, its first service's characteristics are read and it is handed to `visit`, then closed;
// an interface that cannot be opened or read is passed over. `visit` returns true to end the
// walk. Returns the number of interfaces enumerated.
int WalkMatchingBleDevices(const BlePlatform& platform, const BleMatch& match,
                           const std::function<bool(BleOpenDevice&)>& visit);
