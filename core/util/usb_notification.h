// Registration of a window for device-interface arrivals and removals of every interface
// class (receivers, Bluetooth LE devices), delivered as WM_DEVICECHANGE, and the reading of
// what such a notification names.
#pragma once

#include <windows.h>

#include <string>

#include "core/util/unique_handle.h"

// Owns one device-notification registration and ends it when it goes.
struct DeviceNotificationTraits {
    using Handle = HDEVNOTIFY;
    static Handle Empty() { return nullptr; }
    static bool IsSet(Handle h) { return h != nullptr; }
    static bool Close(Handle h) { return UnregisterDeviceNotification(h) != FALSE; }
};

using DeviceNotification = UniqueHandle<DeviceNotificationTraits>;

// The interface name a WM_DEVICECHANGE of a device interface carries (lParam), read within the
// size its header gives; empty for any other header.
std::wstring InterfaceNameOf(LPARAM lHeader);

// Registers the window for the arrivals and removals of device interfaces of all classes.
// The result is empty when the system refused; the window keeps it for as long as it wants
// the notifications (at the latest until it is destroyed).
DeviceNotification RegisterUsbNotification(HWND hWnd);
