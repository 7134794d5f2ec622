// The GATT function table of the simulated world: lists asked for by count and then fetched,
// reliable writes, descriptor and characteristic values, and event registrations, with the
// answers and checks of the system's functions.
#include "tests/kit/ble/sim_ble_state.h"

namespace blekit {
namespace {

constexpr HRESULT kMoreData = HRESULT_FROM_WIN32(ERROR_MORE_DATA);
constexpr HRESULT kNotFound = HRESULT_FROM_WIN32(ERROR_NOT_FOUND);
constexpr HRESULT kInvalidHandle = HRESULT_FROM_WIN32(ERROR_INVALID_HANDLE);

// One GATT call on a device handle: the world stays locked while it runs, the call is counted,
// and `pEntry` is the device behind the handle (null unless the handle is open).
struct DeviceCall {
    DeviceCall(Call which, HANDLE hDevice) : s(*g_pState), lock(s.lock) {
        s.Count(which);
        iDevice = s.DeviceOf(hDevice);
        pEntry = s.Present(iDevice);
    }
    State& s;
    std::unique_lock<std::mutex> lock;
    int iDevice = -1;
    DeviceEntry* pEntry = nullptr;
};

SimCharacteristic* FindCharacteristic(DeviceEntry& entry, USHORT wHandle) {
    for (SimService& service : entry.device.services)
        for (SimCharacteristic& c : service.characteristics)
            if (c.wHandle == wHandle) return &c;
    return nullptr;
}

USHORT ServiceHandleOf(DeviceEntry& entry, USHORT wCharacteristic) {
    for (SimService& service : entry.device.services)
        for (SimCharacteristic& c : service.characteristics)
            if (c.wHandle == wCharacteristic) return service.wHandle;
    return 0;
}

BTH_LE_GATT_CHARACTERISTIC Describe(const SimCharacteristic& c, USHORT wService) {
    BTH_LE_GATT_CHARACTERISTIC out = {};
    out.ServiceHandle = wService;
    out.CharacteristicUuid = c.uuid;
    out.AttributeHandle = c.wHandle;
    out.CharacteristicValueHandle = static_cast<USHORT>(c.wHandle + 1);
    out.IsWritable = c.bWritable;
    out.IsNotifiable = c.bNotifiable;
    return out;
}

// The count-then-fetch protocol of the three list calls over the items `all`.
template <class T>
HRESULT AnswerList(State& s, Call call, int iDevice, const std::vector<T>& all, USHORT uCount, T* pBuffer,
                   USHORT* pActual) {
    if (pActual == nullptr) return E_INVALIDARG;
    bool bFetch = pBuffer != nullptr;
    if (!bFetch && uCount != 0) return E_INVALIDARG;
    std::optional<Fault> fault = s.TakeFault(call, iDevice, bFetch);
    if (fault && !fault->bShortFetch) return fault->hr;
    USHORT uAll = static_cast<USHORT>(all.size());
    *pActual = uAll;
    if (!bFetch) return uAll != 0 ? kMoreData : kNotFound;
    if (uCount < uAll) return kMoreData;
    USHORT uGiven = fault ? static_cast<USHORT>(uAll > 0 ? uAll - 1 : 0) : uAll;
    for (USHORT i = 0; i < uGiven; ++i) pBuffer[i] = all[i];
    *pActual = uGiven;
    return S_OK;
}

HRESULT WINAPI SimGetServices(HANDLE hDevice, USHORT uCount, BTH_LE_GATT_SERVICE* pBuffer, USHORT* pActual, ULONG) {
    DeviceCall call(Call::GetServices, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    std::vector<BTH_LE_GATT_SERVICE> all;
    for (const SimService& service : call.pEntry->device.services) all.push_back({service.uuid, service.wHandle});
    return AnswerList(s, Call::GetServices, iDevice, all, uCount, pBuffer, pActual);
}

HRESULT WINAPI SimGetCharacteristics(HANDLE hDevice, BTH_LE_GATT_SERVICE* pService, USHORT uCount,
                                     BTH_LE_GATT_CHARACTERISTIC* pBuffer, USHORT* pActual, ULONG) {
    DeviceCall call(Call::GetCharacteristics, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    std::vector<BTH_LE_GATT_CHARACTERISTIC> all;
    bool bServiceFound = pService == nullptr;  // no service: every characteristic of the device
    for (const SimService& service : call.pEntry->device.services) {
        if (pService != nullptr && service.wHandle != pService->AttributeHandle) continue;
        bServiceFound = true;
        for (const SimCharacteristic& c : service.characteristics) all.push_back(Describe(c, service.wHandle));
    }
    if (!bServiceFound) return kNotFound;
    return AnswerList(s, Call::GetCharacteristics, iDevice, all, uCount, pBuffer, pActual);
}

HRESULT WINAPI SimGetDescriptors(HANDLE hDevice, BTH_LE_GATT_CHARACTERISTIC* pCharacteristic, USHORT uCount,
                                 BTH_LE_GATT_DESCRIPTOR* pBuffer, USHORT* pActual, ULONG) {
    DeviceCall call(Call::GetDescriptors, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    if (pCharacteristic == nullptr) return E_INVALIDARG;
    DeviceEntry& entry = *call.pEntry;
    SimCharacteristic* pSim = FindCharacteristic(entry, pCharacteristic->AttributeHandle);
    if (pSim == nullptr) return kNotFound;
    std::vector<BTH_LE_GATT_DESCRIPTOR> all;
    for (const SimDescriptor& d : pSim->descriptors) {
        BTH_LE_GATT_DESCRIPTOR out = {};
        out.ServiceHandle = ServiceHandleOf(entry, pSim->wHandle);
        out.CharacteristicHandle = pSim->wHandle;
        out.DescriptorType = d.type;
        out.DescriptorUuid = ShortUuid(d.wUuid);
        out.AttributeHandle = d.wHandle;
        all.push_back(out);
    }
    return AnswerList(s, Call::GetDescriptors, iDevice, all, uCount, pBuffer, pActual);
}

HRESULT WINAPI SimSetDescriptorValue(HANDLE hDevice, BTH_LE_GATT_DESCRIPTOR* pDescriptor,
                                     BTH_LE_GATT_DESCRIPTOR_VALUE* pValue, ULONG flags) {
    DeviceCall call(Call::SetDescriptorValue, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    if (pDescriptor == nullptr || pValue == nullptr) return E_INVALIDARG;
    if (std::optional<Fault> fault = s.TakeFault(Call::SetDescriptorValue, iDevice)) return fault->hr;
    DeviceEntry& entry = *call.pEntry;
    for (SimService& service : entry.device.services)
        for (SimCharacteristic& c : service.characteristics)
            for (SimDescriptor& d : c.descriptors) {
                if (d.wHandle != pDescriptor->AttributeHandle) continue;
                bool bNotify = pValue->DescriptorType == ClientCharacteristicConfiguration &&
                               pValue->ClientCharacteristicConfiguration.IsSubscribeToNotification;
                s.descriptorWrites.push_back({iDevice, d.wHandle, pValue->DescriptorType, bNotify, flags});
                if (d.type == ClientCharacteristicConfiguration && pValue->DescriptorType == d.type) {
                    if (bNotify)
                        entry.notifying.insert(c.wHandle);
                    else
                        entry.notifying.erase(c.wHandle);
                }
                return S_OK;
            }
    return kNotFound;
}

HRESULT WINAPI SimBeginReliableWrite(HANDLE hDevice, BTH_LE_GATT_RELIABLE_WRITE_CONTEXT* pContext, ULONG) {
    DeviceCall call(Call::BeginReliableWrite, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    if (pContext == nullptr) return E_INVALIDARG;
    if (std::optional<Fault> fault = s.TakeFault(Call::BeginReliableWrite, iDevice)) return fault->hr;
    *pContext = ++s.nextContext;
    s.reliableWrites.insert(*pContext);
    return S_OK;
}

HRESULT WINAPI SimSetCharacteristicValue(HANDLE hDevice, BTH_LE_GATT_CHARACTERISTIC* pCharacteristic,
                                         BTH_LE_GATT_CHARACTERISTIC_VALUE* pValue,
                                         BTH_LE_GATT_RELIABLE_WRITE_CONTEXT context, ULONG flags) {
    DeviceCall call(Call::SetCharacteristicValue, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    if (pCharacteristic == nullptr || pValue == nullptr) return E_INVALIDARG;
    if (context != 0 && !s.reliableWrites.count(context)) return E_INVALIDARG;
    SimCharacteristic* pSim = FindCharacteristic(*call.pEntry, pCharacteristic->AttributeHandle);
    if (pSim == nullptr) return kNotFound;
    if (!pSim->bWritable) return E_ACCESSDENIED;
    if (std::optional<Fault> fault = s.TakeFault(Call::SetCharacteristicValue, iDevice)) return fault->hr;
    if (s.bHoldValueWrites) {
        ++s.iHeldValueWrites;
        s.cvChanged.notify_all();
        s.cvChanged.wait(call.lock, [&] { return !s.bHoldValueWrites || s.bStop; });
        --s.iHeldValueWrites;
    }
    const UCHAR* pData = reinterpret_cast<const UCHAR*>(pValue) + offsetof(BTH_LE_GATT_CHARACTERISTIC_VALUE, Data);
    s.valueWrites.push_back({iDevice, pSim->wHandle, Bytes(pData, pData + pValue->DataSize), context, flags});
    return S_OK;
}

HRESULT WINAPI SimEndReliableWrite(HANDLE hDevice, BTH_LE_GATT_RELIABLE_WRITE_CONTEXT context, ULONG) {
    DeviceCall call(Call::EndReliableWrite, hDevice);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    if (!s.reliableWrites.erase(context)) return E_INVALIDARG;
    if (std::optional<Fault> fault = s.TakeFault(Call::EndReliableWrite, iDevice)) return fault->hr;
    return S_OK;
}

HRESULT WINAPI SimRegisterEvent(HANDLE hService, BTH_LE_GATT_EVENT_TYPE type, PVOID pParameter,
                                PFNBLUETOOTH_GATT_EVENT_CALLBACK pfnCallback, PVOID pContext,
                                BLUETOOTH_GATT_EVENT_HANDLE* phEvent, ULONG) {
    DeviceCall call(Call::RegisterEvent, hService);
    if (call.pEntry == nullptr) return kInvalidHandle;
    State& s = call.s;
    int iDevice = call.iDevice;
    auto* pRegistration = static_cast<BLUETOOTH_GATT_VALUE_CHANGED_EVENT_REGISTRATION*>(pParameter);
    if (type != CharacteristicValueChangedEvent || pRegistration == nullptr || pfnCallback == nullptr ||
        phEvent == nullptr || pRegistration->NumCharacteristics != 1)
        return E_INVALIDARG;
    USHORT wCharacteristic = pRegistration->Characteristics[0].AttributeHandle;
    SimCharacteristic* pSim = FindCharacteristic(*call.pEntry, wCharacteristic);
    if (pSim == nullptr || !pSim->bNotifiable) return E_INVALIDARG;
    if (std::optional<Fault> fault = s.TakeFault(Call::RegisterEvent, iDevice)) return fault->hr;
    uintptr_t token = s.NewToken();
    s.registrations[token] = {iDevice, wCharacteristic, pfnCallback, pContext};
    *phEvent = reinterpret_cast<BLUETOOTH_GATT_EVENT_HANDLE>(token);
    return S_OK;
}

HRESULT WINAPI SimUnregisterEvent(BLUETOOTH_GATT_EVENT_HANDLE hEvent, ULONG) {
    State& s = *g_pState;
    std::unique_lock lock(s.lock);
    s.Count(Call::UnregisterEvent);
    uintptr_t key = reinterpret_cast<uintptr_t>(hEvent);
    auto it = s.registrations.find(key);
    if (it == s.registrations.end()) return kInvalidHandle;
    if (std::optional<Fault> fault = s.TakeFault(Call::UnregisterEvent, it->second.iDevice)) return fault->hr;
    // Once this returns, the callback is not running and will not run again (unless it is the
    // callback itself that ends its registration).
    if (GetCurrentThreadId() != s.dwNotifierThread) {
        s.cvChanged.wait(lock, [&] {
            auto found = s.registrations.find(key);
            return found == s.registrations.end() || found->second.iInFlight == 0;
        });
    }
    return s.registrations.erase(key) ? S_OK : kInvalidHandle;
}

}  // namespace

void FillGattApi(BleGattApi& api) {
    api.BluetoothGATTGetServices = SimGetServices;
    api.BluetoothGATTGetCharacteristics = SimGetCharacteristics;
    api.BluetoothGATTGetDescriptors = SimGetDescriptors;
    api.BluetoothGATTSetDescriptorValue = SimSetDescriptorValue;
    api.BluetoothGATTBeginReliableWrite = SimBeginReliableWrite;
    api.BluetoothGATTSetCharacteristicValue = SimSetCharacteristicValue;
    api.BluetoothGATTEndReliableWrite = SimEndReliableWrite;
    api.BluetoothGATTRegisterEvent = SimRegisterEvent;
    api.BluetoothGATTUnregisterEvent = SimUnregisterEvent;
}

}  // namespace blekit
