#include "core/util/usb_notification.h"

#include <dbt.h>

#include <cstddef>

namespace {

// GUID_DEVINTERFACE_USB_DEVICE. With the all-classes flag the class filters nothing; the system
// sends arrivals and removals of every interface class, which the receiver and Bluetooth
// handlers rely on.
constexpr GUID kUsbDeviceInterfaceClass = {0xA5DCBF10, 0x6530, 0x11D2, {0x90, 0x1F, 0x00, 0xC0, 0x4F, 0xB9, 0x51, 0xED}};

static_assert(sizeof(DEV_BROADCAST_DEVICEINTERFACE_W) == 32);

}  // namespace

DeviceNotification RegisterUsbNotification(HWND hWnd) {
    DEV_BROADCAST_DEVICEINTERFACE_W filter{};
    filter.dbcc_size = sizeof(filter);
    filter.dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    filter.dbcc_classguid = kUsbDeviceInterfaceClass;
    return DeviceNotification(RegisterDeviceNotificationW(
        hWnd, &filter, DEVICE_NOTIFY_WINDOW_HANDLE | DEVICE_NOTIFY_ALL_INTERFACE_CLASSES));
}

std::wstring InterfaceNameOf(LPARAM lHeader) {
    const auto* header = reinterpret_cast<const DEV_BROADCAST_HDR*>(lHeader);
    if (header == nullptr || header->dbch_devicetype != DBT_DEVTYP_DEVICEINTERFACE) return L"";
    constexpr size_t kNameOffset = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name);
    if (header->dbch_size <= kNameOffset) return L"";
    const auto* iface = reinterpret_cast<const DEV_BROADCAST_DEVICEINTERFACE_W*>(header);
    const size_t maxChars = (header->dbch_size - kNameOffset) / sizeof(wchar_t);
    size_t n = 0;
    while (n < maxChars && iface->dbcc_name[n] != L'\0') ++n;
    return std::wstring(iface->dbcc_name, n);
}
