#include "core/devices/ble_device.h"

#include "core/devices/ble_device_walk.h"
#include "core/devices/ble_platform.h"
#include "core/devices/ble_trace.h"

#include <cstring>

namespace {

constexpr USHORT kWriteCharacteristic = 0xFEE3;
constexpr USHORT kNotifyCharacteristic = 0xFEE4;
// Descriptors at or above this handle are left alone when notifications are switched on.
constexpr USHORT kDescriptorHandleLimit = 0x00FF;
constexpr size_t kValueBufferSize = 1000;

// Writes the frame to characteristic `c` of an open device; true when the mouse accepted it.
bool WriteCharacteristic(BleOpenDevice& device, BTH_LE_GATT_CHARACTERISTIC& c, const uint8_t* pData,
                         int iLength) {
    BleTrace(L"%ws\r\n", device.strPath.c_str());
    BTH_LE_GATT_RELIABLE_WRITE_CONTEXT context = 0;
    if (FAILED(device.gatt.BluetoothGATTBeginReliableWrite(device.hDevice, &context, BLUETOOTH_GATT_FLAG_NONE)))
        return false;

    alignas(BTH_LE_GATT_CHARACTERISTIC_VALUE) BYTE valueBuffer[kValueBufferSize] = {};
    auto* pValue = reinterpret_cast<BTH_LE_GATT_CHARACTERISTIC_VALUE*>(valueBuffer);
    pValue->DataSize = static_cast<ULONG>(iLength);
    std::memcpy(valueBuffer + offsetof(BTH_LE_GATT_CHARACTERISTIC_VALUE, Data), pData, static_cast<size_t>(iLength));
    BleTrace(L"Value Add: %p\r\n", static_cast<void*>(pValue));

    // The value goes as a write request of its own (context 0), outside the reliable-write
    // transaction that was opened: that is what the mouse answers to.
    HRESULT hr = device.gatt.BluetoothGATTSetCharacteristicValue(device.hDevice, &c, pValue, 0,
                                                                 BLUETOOTH_GATT_FLAG_NONE);
    bool bWritten = hr == S_OK;
    BleTrace(bWritten ? L"Write Success!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\r\n"
                      : L"Write fail!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!!\r\n");
    if (context != 0) device.gatt.BluetoothGATTEndReliableWrite(device.hDevice, context, BLUETOOTH_GATT_FLAG_NONE);
    return bWritten;
}

// Switches notifications on in every descriptor of `c` below the handle limit. False when the
// descriptors cannot be read.
bool EnableNotifications(BleOpenDevice& device, BTH_LE_GATT_CHARACTERISTIC& c) {
    GattList<BTH_LE_GATT_DESCRIPTOR> descriptors;
    if (!ReadDescriptors(device.gatt, device.hDevice, c, descriptors)) return false;
    for (BTH_LE_GATT_DESCRIPTOR& descriptor : descriptors) {
        if (descriptor.AttributeHandle >= kDescriptorHandleLimit) continue;
        BTH_LE_GATT_DESCRIPTOR_VALUE value = {};
        value.DescriptorType = ClientCharacteristicConfiguration;
        value.ClientCharacteristicConfiguration.IsSubscribeToNotification = TRUE;
        HRESULT hr = device.gatt.BluetoothGATTSetDescriptorValue(device.hDevice, &descriptor, &value,
                                                                 BLUETOOTH_GATT_FLAG_NONE);
        if (hr == S_OK)
            BleTrace(L"setting notification for service handle %x\n", descriptor.ServiceHandle);
        else
            BleTrace(L"BluetoothGATTGetDescriptorValue - Actual Data %x\r\n", hr);
    }
    return true;
}

}  // namespace

CBleDevice::CBleDevice() : BleAddress{} {}

CBleDevice::~CBleDevice() { Unsubscribe(); }

void CBleDevice::SetMatchStrings(std::wstring_view vid, std::wstring_view pid) {
    std::wstring upperVid = ToUpperText(vid), upperPid = ToUpperText(pid);
    std::lock_guard lock(m_lock);
    strVid = std::move(upperVid);
    strPid = std::move(upperPid);
    // A link that comes up may be another mouse, or this one under a new address: the next
    // write or subscription lists the devices afresh.
    BleAddress = {};
    iAddressCount = 0;
}

void CBleDevice::ClearMatchStrings() {
    std::lock_guard lock(m_lock);
    strVid.clear();
    strPid.clear();
    BleAddress = {};
    iAddressCount = 0;
}

std::wstring CBleDevice::Vid() const {
    std::lock_guard lock(m_lock);
    return strVid;
}

std::wstring CBleDevice::Pid() const {
    std::lock_guard lock(m_lock);
    return strPid;
}

void CBleDevice::ListConnectedDevices() {
    std::vector<std::wstring> addresses = ListConnectedBluetoothAddresses(*CurrentBlePlatform().pSetupApi);
    std::lock_guard lock(m_lock);
    BleAddress = {};
    iAddressCount = 0;
    for (const std::wstring& address : addresses) {
        if (iAddressCount >= static_cast<int>(BleAddress.size())) break;
        BleAddressEntry& entry = BleAddress[static_cast<size_t>(iAddressCount++)];
        entry.bValid = 1;
        address.copy(entry.szAddress, std::size(entry.szAddress) - 1);
    }
}

BleMatch CBleDevice::MatchSnapshot() const {
    std::lock_guard lock(m_lock);
    BleMatch match{strVid, strPid, {}};
    for (int i = 0; i < iAddressCount; ++i)
        if (BleAddress[static_cast<size_t>(i)].bValid)
            match.addresses.push_back(ToUpperText(BleAddress[static_cast<size_t>(i)].szAddress));
    return match;
}

int CBleDevice::Write(const uint8_t* pData, int iLength) {
    BleMatch match = MatchSnapshot();
    if (match.strVid.empty() || match.strPid.empty()) return 0;
    if (pData == nullptr || iLength <= 0 || iLength > kBleMaxWriteLength) {
        BleTrace(L"Write refused: length %d\r\n", iLength);
        return 0;
    }
    // Before the first subscription (or after one that found nothing) the list is empty; the
    // first frames after link-up must not vanish for that.
    if (match.addresses.empty()) {
        ListConnectedDevices();
        match = MatchSnapshot();
        if (match.addresses.empty()) return 0;
    }

    bool bWritten = false;
    WalkMatchingBleDevices(CurrentBlePlatform(), match, [&](BleOpenDevice& device) {
        for (BTH_LE_GATT_CHARACTERISTIC& c : device.characteristics) {
            if (ShortUuidOf(c.CharacteristicUuid) != kWriteCharacteristic || !c.IsWritable) continue;
            if (WriteCharacteristic(device, c, pData, iLength)) {
                bWritten = true;
                break;
            }
        }
        return bWritten;
    });
    return bWritten ? 1 : 0;
}

int CBleDevice::Subscribe(PFNBLUETOOTH_GATT_EVENT_CALLBACK pfnCallback) {
    {
        std::lock_guard lock(m_lock);
        if (strVid.empty() || strPid.empty()) return 0;
    }
    if (pfnCallback == nullptr) return 0;
    ListConnectedDevices();
    BleMatch match = MatchSnapshot();

    int iIndex = WalkMatchingBleDevices(CurrentBlePlatform(), match, [&](BleOpenDevice& device) {
        std::wstring strUpperPath = ToUpperText(device.strPath);
        bool bOldEnded = false;
        for (BTH_LE_GATT_CHARACTERISTIC& c : device.characteristics) {
            if (ShortUuidOf(c.CharacteristicUuid) != kNotifyCharacteristic || !c.IsNotifiable) continue;
            BleTrace(L"%ws\r\n", device.strPath.c_str());
            if (!EnableNotifications(device, c)) return false;
            BleTrace(L"Setting Notification for ServiceHandle %d\n", c.ServiceHandle);

            // A device subscribed again keeps one set of registrations, not two.
            if (!bOldEnded) {
                EndRegistrationsOf(strUpperPath);
                bOldEnded = true;
            }
            BLUETOOTH_GATT_VALUE_CHANGED_EVENT_REGISTRATION registration = {};
            registration.NumCharacteristics = 1;
            registration.Characteristics[0] = c;
            BLUETOOTH_GATT_EVENT_HANDLE hEvent = nullptr;
            HRESULT hr = device.gatt.BluetoothGATTRegisterEvent(device.hDevice, CharacteristicValueChangedEvent,
                                                                &registration, pfnCallback, nullptr, &hEvent,
                                                                BLUETOOTH_GATT_FLAG_NONE);
            if (hr != S_OK || hEvent == nullptr) {
                BleTrace(L"BluetoothGATTRegisterEvent - Actual Data %x\r\n", hr);
                continue;
            }
            std::lock_guard lock(m_lock);
            m_registrations.push_back({strUpperPath, hEvent, &device.gatt});
            UpdateGattEventLocked();
        }
        return false;
    });
    BleTrace(L"iIdnex = %d\r\n", iIndex);
    return 0;
}

void CBleDevice::Unsubscribe() {
    std::vector<Registration> ended;
    {
        std::lock_guard lock(m_lock);
        ended.swap(m_registrations);
        UpdateGattEventLocked();
    }
    for (const Registration& registration : ended) EndRegistration(registration);
}

void CBleDevice::EndRegistrationsOf(const std::wstring& strUpperPath) {
    std::vector<Registration> ended;
    {
        std::lock_guard lock(m_lock);
        std::erase_if(m_registrations, [&](Registration& registration) {
            if (registration.strPath != strUpperPath) return false;
            ended.push_back(registration);
            return true;
        });
        UpdateGattEventLocked();
    }
    for (const Registration& registration : ended) EndRegistration(registration);
}

void CBleDevice::EndRegistration(const Registration& registration) {
    if (registration.pGatt->BluetoothGATTUnregisterEvent(registration.hEvent, BLUETOOTH_GATT_FLAG_NONE) == S_OK)
        BleTrace(L"BluetoothGATTUnregisterEvent Success\r\n");
}

void CBleDevice::UpdateGattEventLocked() {
    hGattEvent = m_registrations.empty() ? nullptr : m_registrations.back().hEvent;
}

BLUETOOTH_GATT_EVENT_HANDLE CBleDevice::GattEvent() const {
    std::lock_guard lock(m_lock);
    return hGattEvent;
}

size_t CBleDevice::RegistrationCount() const {
    std::lock_guard lock(m_lock);
    return m_registrations.size();
}

int CBleDevice::AddressCount() const {
    std::lock_guard lock(m_lock);
    return iAddressCount;
}

std::vector<std::wstring> CBleDevice::Addresses() const {
    std::lock_guard lock(m_lock);
    std::vector<std::wstring> addresses;
    for (int i = 0; i < iAddressCount; ++i) addresses.emplace_back(BleAddress[static_cast<size_t>(i)].szAddress);
    return addresses;
}
