// A page's access to its mouse over Bluetooth LE: it finds the mouse among the paired and
// connected Bluetooth LE devices, writes command frames to characteristic 0xFEE3 and subscribes
// to the value-changed notifications of characteristic 0xFEE4. No connection is kept open: each
// write and each subscription opens the device, does its GATT steps and closes it again.
//
// Threads: Write runs on the page's worker, Subscribe and Unsubscribe on the UI thread; the
// match strings, the address list and the registrations are guarded, so any mix is safe. The
// notification callback runs on a thread of the system.
#pragma once

#include "core/devices/ble_address.h"
#include "core/devices/ble_gatt_api.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

// The vendor match text of every Bluetooth mouse of the product line.
inline constexpr wchar_t kBleVendorMatch[] = L"VID&02045E";
// The largest frame Write takes: the value buffer is 1000 bytes, 4 of them its size field.
constexpr int kBleMaxWriteLength = 996;

struct BleAddressEntry {
    int32_t bValid;
    wchar_t szAddress[260];
};

class CBleDevice {
public:
    CBleDevice();
    // Ends every registration still held, so no notification outlives its owner.
    ~CBleDevice();
    CBleDevice(const CBleDevice&) = delete;
    CBleDevice& operator=(const CBleDevice&) = delete;

    // The owner sets its match strings when its Bluetooth link comes up ("VID&02045E" and its
    // product text, e.g. "PID&0037"; kept upper case) and clears them when it goes down. While
    // either is empty, Write and Subscribe do nothing. Both forget the address list, so the
    // first write after a link change lists the connected devices again.
    void SetMatchStrings(std::wstring_view vid, std::wstring_view pid);
    void ClearMatchStrings();
    std::wstring Vid() const;
    std::wstring Pid() const;

    // Refills the address list from the present Bluetooth devices that are not disconnected.
    void ListConnectedDevices();

    // Writes the frame to the first writable characteristic 0xFEE3 of the first matching device
    // that accepts it. Returns 1 when the mouse accepted it, 0 otherwise (link down, no device,
    // a length of 0 or above kBleMaxWriteLength, every attempt failed). Lists the addresses first
    // when none are listed yet.
    int Write(const uint8_t* pData, int iLength);

    // Lists the addresses, then, on every matching device, enables the notifications of each
    // notifiable characteristic 0xFEE4 and registers `pfnCallback` for its value changes with no
    // context. A device subscribed before loses its old registration first. Returns 0.
    int Subscribe(PFNBLUETOOTH_GATT_EVENT_CALLBACK pfnCallback);

    // Ends every registration Subscribe made (link down, shut-down).
    void Unsubscribe();

    // The last registration made, null while none is held: non-null means subscribed.
    BLUETOOTH_GATT_EVENT_HANDLE GattEvent() const;
    bool IsSubscribed() const { return GattEvent() != nullptr; }
    size_t RegistrationCount() const;

    int AddressCount() const;
    std::vector<std::wstring> Addresses() const;

private:
    struct Registration {
        std::wstring strPath;  // the device's interface path, upper case
        BLUETOOTH_GATT_EVENT_HANDLE hEvent;
        const BleGattApi* pGatt;  // the table it was made with, which also ends it
    };

    BleMatch MatchSnapshot() const;
    void EndRegistrationsOf(const std::wstring& strUpperPath);
    void UpdateGattEventLocked();
    static void EndRegistration(const Registration& registration);

    mutable std::mutex m_lock;
    std::wstring strVid;
    std::wstring strPid;
    std::array<BleAddressEntry, 100> BleAddress;
    int iAddressCount = 0;
    BLUETOOTH_GATT_EVENT_HANDLE hGattEvent = nullptr;
    std::vector<Registration> m_registrations;
};
