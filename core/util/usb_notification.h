// Registration of a window for device-interface arrivals and removals of every interface
// class (receivers, Bluetooth LE devices), delivered as WM_DEVICECHANGE, and the reading of
// what such a notification names.
#pragma once

#include <windows.h>

#include <string>

// Owns one device-notification registration and ends it when it goes.
class DeviceNotification {
public:
    DeviceNotification() = default;
    explicit DeviceNotification(HDEVNOTIFY hNotify) : m_hNotify(hNotify) {}
    ~DeviceNotification() { Reset(); }
    DeviceNotification(const DeviceNotification&) = delete;
    DeviceNotification& operator=(const DeviceNotification&) = delete;
    DeviceNotification(DeviceNotification&& other) noexcept : m_hNotify(other.Release()) {}
    DeviceNotification& operator=(DeviceNotification&& other) noexcept {
        if (this != &other) {
            Reset();
            m_hNotify = other.Release();
        }
        return *this;
    }

    explicit operator bool() const { return m_hNotify != nullptr; }
    HDEVNOTIFY Get() const { return m_hNotify; }
    HDEVNOTIFY Release() {
        const HDEVNOTIFY hNotify = m_hNotify;
        m_hNotify = nullptr;
        return hNotify;
    }
    void Reset() {
        if (m_hNotify) UnregisterDeviceNotification(m_hNotify);
        m_hNotify = nullptr;
    }

private:
    HDEVNOTIFY m_hNotify = nullptr;
};

// The interface name a WM_DEVICECHANGE of a device interface carries (lParam), read within the
// size its header gives; empty for any other header.
std::wstring InterfaceNameOf(LPARAM lHeader);

// Registers the window for the arrivals and removals of device interfaces of all classes.
// The result is empty when the system refused; the window keeps it for as long as it wants
// the notifications (at the latest until it is destroyed).
DeviceNotification RegisterUsbNotification(HWND hWnd);
