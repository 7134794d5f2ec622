// The seams of the Bluetooth LE access: the SetupAPI and configuration-manager calls of the
// device walks, and the GATT function table. The program uses the system's; the test kit puts a
// simulated world behind both.
//
// The system GATT table is resolved from BluetoothApis.dll only when a device interface was found
// and opened: where that library holds only stubs that end the process when called (Wine), the
// walk finds no device first, so they are never reached.
#pragma once

#include "core/devices/ble_gatt_api.h"

#include <windows.h>
#include <cfgmgr32.h>
#include <setupapi.h>

// {E0CBF06C-CD8B-4647-BB8A-263B43F0F974}: the device setup class of Bluetooth devices.
inline constexpr GUID kGuidDevClassBluetooth = {
    0xE0CBF06C, 0xCD8B, 0x4647, {0xBB, 0x8A, 0x26, 0x3B, 0x43, 0xF0, 0xF9, 0x74}};
// {6E3BB679-4372-40C8-9EAA-4509DF260CD8}: the interface class of Bluetooth LE GATT services.
// The device walk lists one interface per service of a device, which is why only the first
// service's characteristics are used and why registrations are made on a service's handle.
inline constexpr GUID kGuidBluetoothGattServiceInterface = {
    0x6E3BB679, 0x4372, 0x40C8, {0x9E, 0xAA, 0x45, 0x09, 0xDF, 0x26, 0x0C, 0xD8}};

// The Win32 calls of the device walks, one pointer each, named as Windows names them.
struct BleSetupApi {
    decltype(&::SetupDiGetClassDevsW) SetupDiGetClassDevsW;
    decltype(&::SetupDiEnumDeviceInfo) SetupDiEnumDeviceInfo;
    decltype(&::SetupDiGetDeviceRegistryPropertyW) SetupDiGetDeviceRegistryPropertyW;
    decltype(&::SetupDiEnumDeviceInterfaces) SetupDiEnumDeviceInterfaces;
    decltype(&::SetupDiGetDeviceInterfaceDetailW) SetupDiGetDeviceInterfaceDetailW;
    decltype(&::SetupDiDestroyDeviceInfoList) SetupDiDestroyDeviceInfoList;
    decltype(&::CM_Get_DevNode_Status) CM_Get_DevNode_Status;
    decltype(&::CreateFileW) CreateFileW;
    decltype(&::CloseHandle) CloseHandle;
};

struct BlePlatform {
    const BleSetupApi* pSetupApi;
    // The GATT table, asked for only once a device was opened; null when it cannot be had
    // (the Bluetooth link then never works).
    const BleGattApi* (*pfnGattApi)();
};

// The platform in force (the system's unless a test installed another).
const BlePlatform& CurrentBlePlatform();
// Installs `pPlatform` (null: the system's) and returns the one it replaces. The platform must
// outlive every CBleDevice call and registration made while it is installed.
const BlePlatform* InstallBlePlatform(const BlePlatform* pPlatform);

const BlePlatform& SystemBlePlatform();
// Whether the system GATT table was ever asked for in this process.
bool SystemGattApiRequested();
