#include "core/devices/ble_device_walk.h"

namespace {

constexpr ULONG kDisconnected = 0x02000000;  // DN_DEVICE_DISCONNECTED: paired, not connected
constexpr DWORD kNameChars = MAX_PATH;

// A handle the seam gave, closed again through the seam's own call.
template <class Handle, auto BleSetupApi::*pfnClose>
class SeamHandle {
public:
    SeamHandle(const BleSetupApi& setup, Handle handle) : m_setup(setup), m_handle(handle) {}
    ~SeamHandle() {
        if (valid()) (m_setup.*pfnClose)(m_handle);
    }
    SeamHandle(const SeamHandle&) = delete;
    SeamHandle& operator=(const SeamHandle&) = delete;

    bool valid() const { return m_handle != INVALID_HANDLE_VALUE && m_handle != nullptr; }
    Handle get() const { return m_handle; }

private:
    const BleSetupApi& m_setup;
    Handle m_handle;
};

using DeviceInfoList = SeamHandle<HDEVINFO, &BleSetupApi::SetupDiDestroyDeviceInfoList>;
using OpenedDevice = SeamHandle<HANDLE, &BleSetupApi::CloseHandle>;

DeviceInfoList OpenDeviceList(const BleSetupApi& setup, const GUID& guid, DWORD dwFlags) {
    return DeviceInfoList(setup, setup.SetupDiGetClassDevsW(&guid, nullptr, nullptr, dwFlags));
}

bool ReadProperty(const BleSetupApi& setup, HDEVINFO hSet, SP_DEVINFO_DATA& device, DWORD dwProperty,
                  wchar_t (&szBuffer)[kNameChars]) {
    // Two characters short of the buffer, so a REG_SZ or REG_MULTI_SZ always ends in zeros.
    return setup.SetupDiGetDeviceRegistryPropertyW(hSet, &device, dwProperty, nullptr,
                                                   reinterpret_cast<BYTE*>(szBuffer),
                                                   (kNameChars - 2) * sizeof(wchar_t), nullptr) != FALSE;
}

// The path of interface `dwIndex`; false ends the walk (no more interfaces, or a failure).
bool InterfacePath(const BleSetupApi& setup, HDEVINFO hSet, DWORD dwIndex, std::wstring& strPath) {
    SP_DEVICE_INTERFACE_DATA iface = {};
    iface.cbSize = sizeof iface;
    if (!setup.SetupDiEnumDeviceInterfaces(hSet, nullptr, &kGuidBluetoothGattServiceInterface, dwIndex, &iface))
        return false;
    DWORD dwRequired = 0;
    if (setup.SetupDiGetDeviceInterfaceDetailW(hSet, &iface, nullptr, 0, &dwRequired, nullptr) ||
        GetLastError() != ERROR_INSUFFICIENT_BUFFER || dwRequired < sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W))
        return false;
    std::vector<ULONGLONG> buffer(dwRequired / sizeof(ULONGLONG) + 1);
    auto* pDetail = reinterpret_cast<SP_DEVICE_INTERFACE_DETAIL_DATA_W*>(buffer.data());
    pDetail->cbSize = sizeof(SP_DEVICE_INTERFACE_DETAIL_DATA_W);
    if (!setup.SetupDiGetDeviceInterfaceDetailW(hSet, &iface, pDetail, dwRequired, nullptr, nullptr))
        return false;
    size_t maxChars = (dwRequired - offsetof(SP_DEVICE_INTERFACE_DETAIL_DATA_W, DevicePath)) / sizeof(wchar_t);
    strPath.assign(pDetail->DevicePath, wcsnlen(pDetail->DevicePath, maxChars));
    return true;
}

}  // namespace

std::vector<std::wstring> ListConnectedBluetoothAddresses(const BleSetupApi& setup) {
    std::vector<std::wstring> addresses;
    DeviceInfoList devices = OpenDeviceList(setup, kGuidDevClassBluetooth, DIGCF_PRESENT);
    if (!devices.valid()) return addresses;

    for (DWORD dwIndex = 0; addresses.size() < kMaxBleAddresses; ++dwIndex) {
        SP_DEVINFO_DATA device = {};
        device.cbSize = sizeof device;
        if (!setup.SetupDiEnumDeviceInfo(devices.get(), dwIndex, &device)) break;

        ULONG ulStatus = 0, ulProblem = 0;
        if (setup.CM_Get_DevNode_Status(&ulStatus, &ulProblem, device.DevInst, 0) != CR_SUCCESS) continue;
        if (ulStatus & kDisconnected) continue;

        wchar_t szFriendlyName[kNameChars] = {};
        wchar_t szHardwareIds[kNameChars] = {};
        if (!ReadProperty(setup, devices.get(), device, SPDRP_FRIENDLYNAME, szFriendlyName)) continue;
        if (!ReadProperty(setup, devices.get(), device, SPDRP_HARDWAREID, szHardwareIds)) continue;

        // An id without an address would take an empty entry, and an empty address is found in
        // every path: such a device is not listed.
        std::wstring address = BluetoothAddressFromHardwareId(szHardwareIds);
        if (!address.empty()) addresses.push_back(std::move(address));
    }
    return addresses;
}

int WalkMatchingBleDevices(const BlePlatform& platform, const BleMatch& match,
                           const std::function<bool(BleOpenDevice&)>& visit) {
    const BleSetupApi& setup = *platform.pSetupApi;
    DeviceInfoList interfaces =
        OpenDeviceList(setup, kGuidBluetoothGattServiceInterface, DIGCF_PRESENT | DIGCF_DEVICEINTERFACE);
    if (!interfaces.valid()) return 0;

    int iEnumerated = 0;
    std::wstring strPath;
    for (DWORD dwIndex = 0; InterfacePath(setup, interfaces.get(), dwIndex, strPath); ++dwIndex) {
        ++iEnumerated;
        if (!InterfacePathMatches(ToUpperText(strPath), match)) continue;

        OpenedDevice device(setup, setup.CreateFileW(strPath.c_str(), GENERIC_READ | GENERIC_WRITE,
                                                     FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                                     OPEN_EXISTING, 0, nullptr));
        if (!device.valid()) continue;
        // Only now, with a device in hand, may the GATT functions be touched.
        const BleGattApi* pGatt = platform.pfnGattApi();
        if (pGatt == nullptr) break;

        GattList<BTH_LE_GATT_CHARACTERISTIC> characteristics;
        if (!ReadFirstServiceCharacteristics(*pGatt, device.get(), characteristics)) continue;
        BleOpenDevice opened{device.get(), strPath, *pGatt, characteristics};
        if (visit(opened)) break;
    }
    return iEnumerated;
}
