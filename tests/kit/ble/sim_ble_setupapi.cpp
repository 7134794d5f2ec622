// The SetupAPI, configuration-manager and file calls of the device walks, answered from the
// simulated world with the checks and errors the system applies.
#include "tests/kit/ble/sim_ble_state.h"

#include <cwctype>

namespace blekit {
namespace {

HDEVINFO WINAPI SimGetClassDevs(const GUID* pGuid, PCWSTR, HWND, DWORD dwFlags) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    s.Count(Call::GetClassDevs);
    if (s.TakeFault(Call::GetClassDevs, kAnyDevice)) {
        SetLastError(ERROR_INVALID_DATA);
        return INVALID_HANDLE_VALUE;
    }
    DeviceListSnapshot snapshot;
    snapshot.bInterfaces = (dwFlags & DIGCF_DEVICEINTERFACE) != 0;
    bool bBluetoothClass = !snapshot.bInterfaces && pGuid && IsEqualGUID(*pGuid, kGuidDevClassBluetooth);
    bool bLeInterfaces = snapshot.bInterfaces && pGuid && IsEqualGUID(*pGuid, kGuidBluetoothGattServiceInterface);
    // Without DIGCF_PRESENT the system would also list devices that are gone; the program never asks.
    if ((dwFlags & DIGCF_PRESENT) && (bBluetoothClass || bLeInterfaces)) {
        for (int id = 0; id < static_cast<int>(s.devices.size()); ++id) {
            const DeviceEntry& entry = s.devices[static_cast<size_t>(id)];
            if (!entry.bPresent) continue;
            if (bLeInterfaces && entry.device.interfacePath.empty()) continue;
            snapshot.ids.push_back(id);
            snapshot.paths.push_back(entry.device.interfacePath);
        }
    }
    uintptr_t token = s.NewToken();
    s.deviceLists[token] = std::move(snapshot);
    return reinterpret_cast<HDEVINFO>(token);
}

DeviceListSnapshot* ListOf(State& s, HDEVINFO hSet) {
    auto it = s.deviceLists.find(reinterpret_cast<uintptr_t>(hSet));
    return it == s.deviceLists.end() ? nullptr : &it->second;
}

BOOL Fail(DWORD dwError) {
    SetLastError(dwError);
    return FALSE;
}

BOOL WINAPI SimEnumDeviceInfo(HDEVINFO hSet, DWORD dwIndex, PSP_DEVINFO_DATA pData) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    DeviceListSnapshot* pList = ListOf(s, hSet);
    if (pList == nullptr || pList->bInterfaces) return Fail(ERROR_INVALID_HANDLE);
    if (pData == nullptr || pData->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (dwIndex >= pList->ids.size()) return Fail(ERROR_NO_MORE_ITEMS);
    pData->ClassGuid = kGuidDevClassBluetooth;
    pData->DevInst = static_cast<DEVINST>(pList->ids[dwIndex] + 1);
    pData->Reserved = 0;
    return TRUE;
}

BOOL WINAPI SimGetDeviceRegistryProperty(HDEVINFO hSet, PSP_DEVINFO_DATA pData, DWORD dwProperty,
                                         PDWORD pdwType, PBYTE pBuffer, DWORD dwSize, PDWORD pdwRequired) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    if (ListOf(s, hSet) == nullptr) return Fail(ERROR_INVALID_HANDLE);
    if (pData == nullptr || pData->cbSize != sizeof(SP_DEVINFO_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    DeviceEntry* pEntry = s.Present(static_cast<int>(pData->DevInst) - 1);
    if (pEntry == nullptr) return Fail(ERROR_NO_SUCH_DEVINST);

    std::wstring value;  // with every terminator it needs
    DWORD dwType = REG_SZ;
    if (dwProperty == SPDRP_FRIENDLYNAME) {
        if (pEntry->device.friendlyName.empty()) return Fail(ERROR_INVALID_DATA);
        value = pEntry->device.friendlyName;
        value.push_back(L'\0');
    } else if (dwProperty == SPDRP_HARDWAREID) {
        if (pEntry->device.hardwareIds.empty()) return Fail(ERROR_INVALID_DATA);
        for (const std::wstring& id : pEntry->device.hardwareIds) {
            value += id;
            value.push_back(L'\0');
        }
        value.push_back(L'\0');
        dwType = REG_MULTI_SZ;
    } else {
        return Fail(ERROR_INVALID_DATA);
    }
    DWORD dwBytes = static_cast<DWORD>(value.size() * sizeof(wchar_t));
    if (pdwRequired) *pdwRequired = dwBytes;
    if (pdwType) *pdwType = dwType;
    if (pBuffer == nullptr || dwSize < dwBytes) return Fail(ERROR_INSUFFICIENT_BUFFER);
    memcpy(pBuffer, value.data(), dwBytes);
    return TRUE;
}

BOOL WINAPI SimEnumDeviceInterfaces(HDEVINFO hSet, PSP_DEVINFO_DATA, const GUID* pGuid, DWORD dwIndex,
                                    PSP_DEVICE_INTERFACE_DATA pData) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    DeviceListSnapshot* pList = ListOf(s, hSet);
    if (pList == nullptr || !pList->bInterfaces) return Fail(ERROR_INVALID_HANDLE);
    if (pData == nullptr || pData->cbSize != sizeof(SP_DEVICE_INTERFACE_DATA)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (pGuid == nullptr || !IsEqualGUID(*pGuid, kGuidBluetoothGattServiceInterface)) return Fail(ERROR_NO_MORE_ITEMS);
    if (dwIndex >= pList->ids.size()) return Fail(ERROR_NO_MORE_ITEMS);
    pData->InterfaceClassGuid = kGuidBluetoothGattServiceInterface;
    pData->Flags = SPINT_ACTIVE;
    pData->Reserved = dwIndex + 1;
    return TRUE;
}

BOOL WINAPI SimGetDeviceInterfaceDetail(HDEVINFO hSet, PSP_DEVICE_INTERFACE_DATA pData,
                                        PSP_DEVICE_INTERFACE_DETAIL_DATA_W pDetail, DWORD dwSize,
                                        PDWORD pdwRequired, PSP_DEVINFO_DATA) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    DeviceListSnapshot* pList = ListOf(s, hSet);
    if (pList == nullptr || !pList->bInterfaces) return Fail(ERROR_INVALID_HANDLE);
    if (pData == nullptr || pData->Reserved == 0 || pData->Reserved > pList->paths.size())
        return Fail(ERROR_INVALID_PARAMETER);
    const std::wstring& path = pList->paths[pData->Reserved - 1];
    DWORD dwRequired = static_cast<DWORD>(offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath) +
                                          (path.size() + 1) * sizeof(wchar_t));
    if (pdwRequired) *pdwRequired = dwRequired;
    if (pDetail == nullptr) return Fail(dwSize == 0 ? ERROR_INSUFFICIENT_BUFFER : ERROR_INVALID_USER_BUFFER);
    if (pDetail->cbSize != sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W)) return Fail(ERROR_INVALID_USER_BUFFER);
    if (dwSize < dwRequired) return Fail(ERROR_INSUFFICIENT_BUFFER);
    memcpy(pDetail->DevicePath, path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    return TRUE;
}

BOOL WINAPI SimDestroyDeviceInfoList(HDEVINFO hSet) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    return s.deviceLists.erase(reinterpret_cast<uintptr_t>(hSet)) ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

CONFIGRET WINAPI SimGetDevNodeStatus(PULONG pulStatus, PULONG pulProblem, DEVINST devInst, ULONG) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    s.Count(Call::DevNodeStatus);
    int iDevice = static_cast<int>(devInst) - 1;
    DeviceEntry* pEntry = s.Present(iDevice);
    if (pEntry == nullptr) return CR_NO_SUCH_DEVNODE;
    if (s.TakeFault(Call::DevNodeStatus, iDevice)) return CR_FAILURE;
    if (pulStatus == nullptr || pulProblem == nullptr) return CR_INVALID_POINTER;
    *pulStatus = DN_DRIVER_LOADED | DN_STARTED | (pEntry->device.bConnected ? 0 : DN_DEVICE_DISCONNECTED);
    *pulProblem = 0;
    return CR_SUCCESS;
}

bool SamePath(const std::wstring& a, const wchar_t* b) {
    size_t n = wcslen(b);
    if (a.size() != n) return false;
    for (size_t i = 0; i < n; ++i)
        if (std::towupper(a[i]) != std::towupper(b[i])) return false;
    return true;
}

HANDLE WINAPI SimCreateFile(LPCWSTR pszPath, DWORD dwAccess, DWORD, LPSECURITY_ATTRIBUTES, DWORD dwDisposition,
                            DWORD, HANDLE) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    s.Count(Call::CreateFile);
    int iDevice = -1;
    for (int id = 0; pszPath && id < static_cast<int>(s.devices.size()); ++id) {
        const DeviceEntry& entry = s.devices[static_cast<size_t>(id)];
        if (entry.bPresent && !entry.device.interfacePath.empty() && SamePath(entry.device.interfacePath, pszPath))
            iDevice = id;
    }
    if (iDevice < 0 || dwDisposition != OPEN_EXISTING) {
        SetLastError(ERROR_FILE_NOT_FOUND);
        return INVALID_HANDLE_VALUE;
    }
    // GATT writes need write access to the device.
    if (s.TakeFault(Call::CreateFile, iDevice) || (dwAccess & GENERIC_WRITE) == 0) {
        SetLastError(ERROR_ACCESS_DENIED);
        return INVALID_HANDLE_VALUE;
    }
    uintptr_t token = s.NewToken();
    s.deviceHandles[token] = iDevice;
    return reinterpret_cast<HANDLE>(token);
}

BOOL WINAPI SimCloseHandle(HANDLE hDevice) {
    State& s = *g_pState;
    std::lock_guard lock(s.lock);
    return s.deviceHandles.erase(reinterpret_cast<uintptr_t>(hDevice)) ? TRUE : Fail(ERROR_INVALID_HANDLE);
}

}  // namespace

void FillSetupApi(BleSetupApi& api) {
    api.SetupDiGetClassDevsW = SimGetClassDevs;
    api.SetupDiEnumDeviceInfo = SimEnumDeviceInfo;
    api.SetupDiGetDeviceRegistryPropertyW = SimGetDeviceRegistryProperty;
    api.SetupDiEnumDeviceInterfaces = SimEnumDeviceInterfaces;
    api.SetupDiGetDeviceInterfaceDetailW = SimGetDeviceInterfaceDetail;
    api.SetupDiDestroyDeviceInfoList = SimDestroyDeviceInfoList;
    api.CM_Get_DevNode_Status = SimGetDevNodeStatus;
    api.CreateFileW = SimCreateFile;
    api.CloseHandle = SimCloseHandle;
}

}  // namespace blekit
