// Reading a device's GATT lists the way the functions want it: ask for the count, then fetch
// into a zeroed buffer of that size. Every failure is traced and reported as false.
#pragma once

#include "core/devices/ble_gatt_api.h"

#include <memory>

template <class T>
struct GattList {
    std::unique_ptr<T[]> pItems;
    USHORT uCount = 0;

    T* begin() { return pItems.get(); }
    T* end() { return pItems.get() + uCount; }
};

// The characteristics of the device's first service (only that one holds the mouse's own).
bool ReadFirstServiceCharacteristics(const BleGattApi& gatt, HANDLE hDevice,
                                     GattList<BTH_LE_GATT_CHARACTERISTIC>& characteristics);

bool ReadDescriptors(const BleGattApi& gatt, HANDLE hDevice, BTH_LE_GATT_CHARACTERISTIC& characteristic,
                     GattList<BTH_LE_GATT_DESCRIPTOR>& descriptors);
