// A simulated Bluetooth LE world behind the program's own seams (ble_platform.h): the SetupAPI
// and configuration-manager calls of the device walks, and the GATT function table. Tests build
// devices with addresses, status, interface paths, services, characteristics and descriptors,
// then run the real CBleDevice against them, read back every value and descriptor written,
// inject failures, and fire notifications from a thread of the world's own.
//
// One SimBleWorld at a time: constructing it installs it as the platform, destroying it ends its
// notification thread and puts the previous platform back. Every member is guarded by one lock,
// so the program's threads and the test thread may all use it.
#pragma once

#include "core/devices/ble_gatt_api.h"

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct BlePlatform;

namespace blekit {

using Bytes = std::vector<uint8_t>;

constexpr int kAnyDevice = -1;
constexpr USHORT kClientConfigurationUuid = 0x2902;

struct SimDescriptor {
    USHORT wHandle = 0;
    BTH_LE_GATT_DESCRIPTOR_TYPE type = ClientCharacteristicConfiguration;
    USHORT wUuid = kClientConfigurationUuid;
};

struct SimCharacteristic {
    BTH_LE_UUID uuid = {};
    USHORT wHandle = 0;  // attribute handle; the value handle is the next one
    bool bWritable = false;
    bool bNotifiable = false;
    std::vector<SimDescriptor> descriptors;
};

struct SimService {
    BTH_LE_UUID uuid = {};
    USHORT wHandle = 0;
    std::vector<SimCharacteristic> characteristics;
};

struct SimDevice {
    std::wstring friendlyName = L"Bluetooth mouse";  // empty: the property cannot be read
    std::vector<std::wstring> hardwareIds;           // the first one carries the address
    bool bConnected = true;                          // false: paired, not connected
    std::wstring interfacePath;                      // empty: no Bluetooth LE interface
    std::vector<SimService> services;
};

BTH_LE_UUID ShortUuid(USHORT wUuid);
BTH_LE_UUID LongUuid(const GUID& guid);

// "BTHLE\Dev_<address>", as a Bluetooth LE device's first hardware id reads.
std::wstring HardwareIdFor(std::wstring_view address);
// A Bluetooth LE interface path holding the vendor text, the product text ("PID&0037") and the
// address, in the lower case the system uses.
std::wstring InterfacePathFor(std::wstring_view pid, std::wstring_view address);

// Handles of the mouse built by MouseDevice.
constexpr USHORT kMouseServiceHandle = 0x000A;
constexpr USHORT kMouseWriteHandle = 0x000B;    // 0xFEE3, writable
constexpr USHORT kMouseNotifyHandle = 0x000D;   // 0xFEE4, notifiable
constexpr USHORT kMouseConfigHandle = 0x000F;   // its client configuration descriptor

// A connected mouse of the product line: hardware id and interface path with its address, one
// service 0xFEE0 holding 0xFEE3 (writable) and 0xFEE4 (notifiable, with a client configuration
// descriptor).
SimDevice MouseDevice(std::wstring_view pid, std::wstring_view address);

// Every call of the seams the world answers, for fault injection and counting.
enum class Call {
    GetClassDevs,
    DevNodeStatus,
    CreateFile,
    GetServices,
    GetCharacteristics,
    GetDescriptors,
    SetDescriptorValue,
    BeginReliableWrite,
    SetCharacteristicValue,
    EndReliableWrite,
    RegisterEvent,
    UnregisterEvent,
    Count
};

struct Fault {
    Call call = Call::GetServices;
    HRESULT hr = E_FAIL;         // the GATT calls' answer (the others fail their own way)
    int iDevice = kAnyDevice;
    bool bFetchOnly = false;     // list calls: the count query answers, the fetch fails
    bool bShortFetch = false;    // list calls: the fetch hands back one item fewer than announced
    int iTimes = -1;             // how many calls fail; -1 every one
};

struct ValueWrite {
    int iDevice;
    USHORT wCharacteristic;
    Bytes data;
    ULONG64 reliableContext;
    ULONG flags;
};

struct DescriptorWrite {
    int iDevice;
    USHORT wDescriptor;
    BTH_LE_GATT_DESCRIPTOR_TYPE type;
    bool bNotify;
    ULONG flags;
};

struct ActiveRegistration {
    int iDevice;
    USHORT wCharacteristic;
    BLUETOOTH_GATT_EVENT_HANDLE hEvent;
    PVOID pContext;
};

class SimBleWorld {
public:
    SimBleWorld();
    ~SimBleWorld();
    SimBleWorld(const SimBleWorld&) = delete;
    SimBleWorld& operator=(const SimBleWorld&) = delete;

    // Devices are present from here on; the id is their enumeration order.
    int AddDevice(SimDevice device);
    void RemoveDevice(int iDevice);
    void SetConnected(int iDevice, bool bConnected);

    void AddFault(const Fault& fault);
    // While held, a characteristic value written waits inside the call (a slow or stuck link)
    // until the hold is lifted; lift it before the world goes.
    void HoldValueWrites(bool bHold);
    int HeldValueWrites() const;

    std::vector<ValueWrite> ValueWrites() const;
    std::vector<DescriptorWrite> DescriptorWrites() const;
    std::vector<ActiveRegistration> Registrations() const;
    int CallCount(Call call) const;

    // Device handles, device lists and reliable writes begun and not yet ended.
    int OpenHandles() const;
    int OpenDeviceLists() const;
    int OpenReliableWrites() const;

    // The device sends `value` from each of its notifiable characteristics whose notifications
    // were switched on in a client configuration descriptor; every registration on them is
    // called on the world's notification thread. Returns once they all ran, with their number.
    int Notify(int iDevice, const Bytes& value);
    DWORD NotifierThreadId() const;

    struct State;

private:
    std::unique_ptr<State> m_pState;
    const BlePlatform* m_pPrevious;
};

}  // namespace blekit
