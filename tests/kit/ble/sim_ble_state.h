// Inside of the simulated Bluetooth LE world, shared by its SetupAPI and GATT halves.
#pragma once

#include "core/devices/ble_platform.h"
#include "tests/kit/ble/sim_ble_world.h"

#include <array>
#include <condition_variable>
#include <deque>
#include <map>
#include <mutex>
#include <optional>
#include <set>
#include <thread>

namespace blekit {

struct DeviceEntry {
    SimDevice device;
    bool bPresent = true;
    std::set<USHORT> notifying;  // characteristics whose client configuration enables notifications
};

// What SetupDiGetClassDevsW saw: device ids, and for an interface list their paths.
struct DeviceListSnapshot {
    bool bInterfaces = false;
    std::vector<int> ids;
    std::vector<std::wstring> paths;
};

struct EventRegistration {
    int iDevice;
    USHORT wCharacteristic;
    PFNBLUETOOTH_GATT_EVENT_CALLBACK pfnCallback;
    PVOID pContext;
    int iInFlight = 0;  // callbacks running right now
};

struct NotifyJob {
    int iDevice;
    Bytes value;
    bool bDone = false;
    int iDelivered = 0;
};

struct SimBleWorld::State {
    mutable std::mutex lock;
    std::condition_variable cvChanged;

    std::vector<DeviceEntry> devices;
    std::vector<Fault> faults;
    std::map<uintptr_t, DeviceListSnapshot> deviceLists;
    std::map<uintptr_t, int> deviceHandles;  // open device handle to device id
    std::map<uintptr_t, EventRegistration> registrations;
    std::set<ULONG64> reliableWrites;
    bool bHoldValueWrites = false;
    int iHeldValueWrites = 0;
    std::vector<ValueWrite> valueWrites;
    std::vector<DescriptorWrite> descriptorWrites;
    std::array<int, static_cast<size_t>(Call::Count)> calls{};
    uintptr_t nextToken = 0x5B1E0010;
    ULONG64 nextContext = 0x1000;

    std::deque<NotifyJob*> jobs;
    bool bStop = false;
    DWORD dwNotifierThread = 0;
    std::thread notifier;

    BleSetupApi setupApi{};
    BleGattApi gattApi{};
    BlePlatform platform{};

    // The rest is called with `lock` held.
    void Count(Call call) { ++calls[static_cast<size_t>(call)]; }
    // The first fault that applies to this call, used up by one; null when the call goes well.
    std::optional<Fault> TakeFault(Call call, int iDevice, bool bFetch = false);
    DeviceEntry* Present(int iDevice);
    int DeviceOf(HANDLE hDevice) const;  // -1 unless an open handle of a present device
    uintptr_t NewToken() { return nextToken += 0x10; }
    void RunNotifier();
};

using State = SimBleWorld::State;

// The world in force; the seams' functions reach it through this.
extern SimBleWorld::State* g_pState;

void FillSetupApi(BleSetupApi& api);
void FillGattApi(BleGattApi& api);

}  // namespace blekit
