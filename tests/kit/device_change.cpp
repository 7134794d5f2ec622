#include "tests/kit/device_change.h"

#include <dbt.h>

#include <cstring>
#include <vector>

namespace kit {

namespace {

// A DEV_BROADCAST_DEVICEINTERFACE_W header carrying the name.
std::vector<unsigned char> InterfaceHeader(const std::string& interfaceName) {
    const std::wstring name(interfaceName.begin(), interfaceName.end());
    const size_t bytes = offsetof(DEV_BROADCAST_DEVICEINTERFACE_W, dbcc_name) + (name.size() + 1) * sizeof(wchar_t);
    std::vector<unsigned char> buffer(bytes, 0);
    auto* header = reinterpret_cast<DEV_BROADCAST_DEVICEINTERFACE_W*>(buffer.data());
    header->dbcc_size = static_cast<DWORD>(bytes);
    header->dbcc_devicetype = DBT_DEVTYP_DEVICEINTERFACE;
    std::memcpy(header->dbcc_name, name.c_str(), (name.size() + 1) * sizeof(wchar_t));
    return buffer;
}

LRESULT SendInterfaceEvent(HWND hwnd, WPARAM event, const std::string& interfaceName) {
    std::vector<unsigned char> header = InterfaceHeader(interfaceName);
    return SendMessageW(hwnd, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(header.data()));
}

BOOL CALLBACK CollectOwnWindow(HWND hwnd, LPARAM lParam) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    if (pid == GetCurrentProcessId()) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hwnd);
    return TRUE;
}

void Broadcast(WPARAM event, const std::string& interfaceName) {
    std::vector<HWND> windows;
    EnumWindows(&CollectOwnWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND h = FindWindowExW(HWND_MESSAGE, nullptr, nullptr, nullptr); h != nullptr;
         h = FindWindowExW(HWND_MESSAGE, h, nullptr, nullptr))
        CollectOwnWindow(h, reinterpret_cast<LPARAM>(&windows));
    std::vector<unsigned char> header = InterfaceHeader(interfaceName);
    for (HWND hwnd : windows) {
        DWORD_PTR result = 0;
        // A window whose thread is busy gets a few seconds, as the system gives them.
        SendMessageTimeoutW(hwnd, WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(header.data()), SMTO_BLOCK, 5000,
                            &result);
    }
}

}  // namespace

LRESULT SendInterfaceArrival(HWND hwnd, const std::string& interfaceName) {
    return SendInterfaceEvent(hwnd, DBT_DEVICEARRIVAL, interfaceName);
}

LRESULT SendInterfaceRemoval(HWND hwnd, const std::string& interfaceName) {
    return SendInterfaceEvent(hwnd, DBT_DEVICEREMOVECOMPLETE, interfaceName);
}

void BroadcastInterfaceArrival(const std::string& interfaceName) { Broadcast(DBT_DEVICEARRIVAL, interfaceName); }

void BroadcastInterfaceRemoval(const std::string& interfaceName) {
    Broadcast(DBT_DEVICEREMOVECOMPLETE, interfaceName);
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
