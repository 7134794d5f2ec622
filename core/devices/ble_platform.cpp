#include "core/devices/ble_platform.h"

#include "core/devices/ble_trace.h"

#include <atomic>
#include <mutex>
#include <type_traits>

namespace {

const BleSetupApi kSystemSetupApi = {
    ::SetupDiGetClassDevsW,        ::SetupDiEnumDeviceInfo,
    ::SetupDiGetDeviceRegistryPropertyW, ::SetupDiEnumDeviceInterfaces,
    ::SetupDiGetDeviceInterfaceDetailW,  ::SetupDiDestroyDeviceInfoList,
    ::CM_Get_DevNode_Status,       ::CreateFileW,
    ::CloseHandle,
};

std::atomic<bool> g_bSystemGattRequested{false};

// Resolves the nine functions once; the library stays loaded for the life of the process, since
// registrations made through it may outlive any one caller.
const BleGattApi* ResolveSystemGattApi() {
    g_bSystemGattRequested = true;
    static BleGattApi table{};
    static bool bComplete = false;
    static std::once_flag once;
    std::call_once(once, [] {
        HMODULE hModule = LoadLibraryW(L"BluetoothApis.dll");
        if (hModule == nullptr) {
            BleTrace(L"BluetoothApis.dll not loaded: %lu\r\n", GetLastError());
            return;
        }
        bool bAll = true;
        auto resolve = [&](auto& pfn, const char* pszName) {
            pfn = reinterpret_cast<std::remove_reference_t<decltype(pfn)>>(
                reinterpret_cast<void*>(GetProcAddress(hModule, pszName)));
            bAll = bAll && pfn != nullptr;
        };
        resolve(table.BluetoothGATTGetServices, "BluetoothGATTGetServices");
        resolve(table.BluetoothGATTGetCharacteristics, "BluetoothGATTGetCharacteristics");
        resolve(table.BluetoothGATTGetDescriptors, "BluetoothGATTGetDescriptors");
        resolve(table.BluetoothGATTSetDescriptorValue, "BluetoothGATTSetDescriptorValue");
        resolve(table.BluetoothGATTBeginReliableWrite, "BluetoothGATTBeginReliableWrite");
        resolve(table.BluetoothGATTSetCharacteristicValue, "BluetoothGATTSetCharacteristicValue");
        resolve(table.BluetoothGATTEndReliableWrite, "BluetoothGATTEndReliableWrite");
        resolve(table.BluetoothGATTRegisterEvent, "BluetoothGATTRegisterEvent");
        resolve(table.BluetoothGATTUnregisterEvent, "BluetoothGATTUnregisterEvent");
        bComplete = bAll;
        if (!bAll) BleTrace(L"BluetoothApis.dll lacks a GATT function\r\n");
    });
    return bComplete ? &table : nullptr;
}

const BlePlatform kSystemPlatform = {&kSystemSetupApi, ResolveSystemGattApi};

std::atomic<const BlePlatform*> g_pPlatform{&kSystemPlatform};

}  // namespace

const BlePlatform& SystemBlePlatform() { return kSystemPlatform; }

const BlePlatform& CurrentBlePlatform() { return *g_pPlatform.load(); }

const BlePlatform* InstallBlePlatform(const BlePlatform* pPlatform) {
    return g_pPlatform.exchange(pPlatform != nullptr ? pPlatform : &kSystemPlatform);
}

bool SystemGattApiRequested() { return g_bSystemGattRequested; }
