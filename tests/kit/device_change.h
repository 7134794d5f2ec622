// The WM_DEVICECHANGE broadcasts Windows sends a window registered for device-interface
// notifications when a device interface arrives or leaves, for the interfaces of the simulated
// world. Sent synchronously, as the system sends them.
#pragma once

#include "tests/kit/sim_devices.h"

#include <windows.h>

#include <string>

namespace kit {

// One interface arrival or removal (DBT_DEVICEARRIVAL / DBT_DEVICEREMOVECOMPLETE) with a
// DEV_BROADCAST_DEVICEINTERFACE_W header carrying `interfaceName`.
LRESULT SendInterfaceArrival(HWND hwnd, const std::string& interfaceName);
LRESULT SendInterfaceRemoval(HWND hwnd, const std::string& interfaceName);

// What Windows does for an interface arrival or removal: sends WM_DEVICECHANGE to every window
// of this process, top-level and message-only (the driver libraries' monitors), so each window
// registered for device-interface notifications hears of it. Windows that are not registered
// take it as they take any WM_DEVICECHANGE.
void BroadcastInterfaceArrival(const std::string& interfaceName);
void BroadcastInterfaceRemoval(const std::string& interfaceName);

// Plug or unplug a receiver in the simulated world and tell the window about both interfaces,
// command interface first, as Windows does.
Receiver PlugReceiverAndNotify(HWND hwnd, ReceiverKind kind, const std::string& token = "");
void UnplugReceiverAndNotify(HWND hwnd, const Receiver& receiver);

}  // namespace kit
