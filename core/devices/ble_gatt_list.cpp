#include "core/devices/ble_gatt_list.h"

#include "core/devices/ble_trace.h"

#include <new>

namespace {

// HRESULT_FROM_WIN32(ERROR_MORE_DATA): what a count query answers when items exist.
constexpr HRESULT kMoreData = static_cast<HRESULT>(0x800700EA);

struct ListTraces {
    const wchar_t* pszCountFailed;   // formatted with the HRESULT
    const wchar_t* pszOutOfMemory;
    const wchar_t* pszFetchFailed;   // formatted with the HRESULT
};

constexpr wchar_t kMismatch[] = L"buffer size and buffer size actual size mismatch\r\n";

// `query`(count, buffer, actual) is one GATT list call.
template <class T, class Query>
bool FetchList(Query query, const ListTraces& traces, GattList<T>& list) {
    list = {};
    USHORT uCount = 0;
    HRESULT hr = query(0, nullptr, &uCount);
    if (hr != kMoreData) {
        BleTrace(traces.pszCountFailed, hr);
        return false;
    }
    if (uCount == 0) return false;
    std::unique_ptr<T[]> pItems(new (std::nothrow) T[uCount]());
    if (!pItems) {
        BleTrace(traces.pszOutOfMemory);
        return false;
    }
    USHORT uActual = 0;
    hr = query(uCount, pItems.get(), &uActual);
    if (hr != S_OK) {
        BleTrace(traces.pszFetchFailed, hr);
        return false;
    }
    if (uActual != uCount) {
        BleTrace(kMismatch);
        return false;
    }
    list.pItems = std::move(pItems);
    list.uCount = uCount;
    return true;
}

}  // namespace

bool ReadFirstServiceCharacteristics(const BleGattApi& gatt, HANDLE hDevice,
                                     GattList<BTH_LE_GATT_CHARACTERISTIC>& characteristics) {
    characteristics = {};
    GattList<BTH_LE_GATT_SERVICE> services;
    const ListTraces serviceTraces = {L"BluetoothGATTGetServices - Buffer Size %d\r\n",
                                      L"pServiceBuffer out of memory\r\n",
                                      L"BluetoothGATTGetServices - Buffer Size %d\r\n"};
    auto queryServices = [&](USHORT uCount, BTH_LE_GATT_SERVICE* pBuffer, USHORT* pActual) {
        return gatt.BluetoothGATTGetServices(hDevice, uCount, pBuffer, pActual, BLUETOOTH_GATT_FLAG_NONE);
    };
    if (!FetchList(queryServices, serviceTraces, services)) return false;

    BTH_LE_GATT_SERVICE* pFirstService = services.begin();
    const ListTraces characteristicTraces = {L"BluetoothGATTGetCharacteristics - Buffer Size %d\r\n",
                                             L"pCharBuffer out of memory\r\n",
                                             L"BluetoothGATTGetCharacteristics - Actual Data %x\r\n"};
    auto queryCharacteristics = [&](USHORT uCount, BTH_LE_GATT_CHARACTERISTIC* pBuffer, USHORT* pActual) {
        return gatt.BluetoothGATTGetCharacteristics(hDevice, pFirstService, uCount, pBuffer, pActual,
                                                    BLUETOOTH_GATT_FLAG_NONE);
    };
    return FetchList(queryCharacteristics, characteristicTraces, characteristics);
}

bool ReadDescriptors(const BleGattApi& gatt, HANDLE hDevice, BTH_LE_GATT_CHARACTERISTIC& characteristic,
                     GattList<BTH_LE_GATT_DESCRIPTOR>& descriptors) {
    const ListTraces traces = {L"BluetoothGATTGetDescriptors - Buffer Size %x\r\n",
                               L"pDescriptorBuffer out of memory\r\n",
                               L"BluetoothGATTGetDescriptors - Actual Data %x\r\n"};
    auto query = [&](USHORT uCount, BTH_LE_GATT_DESCRIPTOR* pBuffer, USHORT* pActual) {
        return gatt.BluetoothGATTGetDescriptors(hDevice, &characteristic, uCount, pBuffer, pActual,
                                                BLUETOOTH_GATT_FLAG_NONE);
    };
    return FetchList(query, traces, descriptors);
}
