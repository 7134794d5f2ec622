#include "device_change.h"

#include <dbt.h>

#include <cstring>
#include <vector>

namespace kit {

namespace {

LRESULT SendInterfaceEvent(HWND hwnd, WPARAM event, const std::string& interfaceName) {
    const std::wstring name(interfaceName.begin(), interfaceName.end());
    const size_t bytes = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (name.size() + 1) * sizeof(wchar_t);
    std::vector<unsigned char> buffer(bytes, 0);
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    header->dbcc_size = static_cast<DWORD>(bytes);
    header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(header->dbcc_name, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    return SendMessageW(hwnd, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(header));
}

}  // namespace

LRESULT SendInterfaceArrival(HWND hwnd, const std::string& interfaceName) {
    return SendInterfaceEvent(hwnd, DBT_DEVICEARRIVAL, interfaceName);
}

LRESULT SendInterfaceRemoval(HWND hwnd, const std::string& interfaceName) {
    return SendInterfaceEvent(hwnd, DBT_DEVICEREMOVECOMPLETE, interfaceName);
}

Receiver PlugReceiverAndNotify(HWND hwnd, ReceiverKind kind, const std::string& token) {
    Receiver receiver = PlugReceiver(kind, token);
    SendInterfaceArrival(hwnd, receiver.commandPath);
    SendInterfaceArrival(hwnd, receiver.eventPath);
    return receiver;
}

void UnplugReceiverAndNotify(HWND hwnd, const Receiver& receiver) {
    UnplugReceiver(receiver);
    SendInterfaceRemoval(hwnd, receiver.commandPath);
    SendInterfaceRemoval(hwnd, receiver.eventPath);
}

}  // namespace kit
