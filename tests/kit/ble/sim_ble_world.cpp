#include "tests/kit/ble/sim_ble_state.h"

#include <cassert>

namespace blekit {

SimBleWorld::State* g_pState = nullptr;

namespace {

const BleGattApi* SimGattTable() { return &g_pState->gattApi; }

}  // namespace

BTH_LE_UUID ShortUuid(USHORT wUuid) {
    BTH_LE_UUID uuid = {};
    uuid.IsShortUuid = TRUE;
    uuid.Value.ShortUuid = wUuid;
    return uuid;
}

BTH_LE_UUID LongUuid(const GUID& guid) {
    BTH_LE_UUID uuid = {};
    uuid.IsShortUuid = FALSE;
    uuid.Value.LongUuid = guid;
    return uuid;
}

std::wstring HardwareIdFor(std::wstring_view address) { return L"BTHLE\\Dev_" + std::wstring(address); }

std::wstring InterfacePathFor(std::wstring_view pid, std::wstring_view address) {
    std::wstring lowerPid(pid);
    for (wchar_t& ch : lowerPid) ch = static_cast<wchar_t>(towlower(ch));
    return L"\\\\?\\bthledevice#{00001812-0000-1000-8000-00805f9b34fb}_dev_vid&02045e_" + lowerPid +
           L"_rev&0001_" + std::wstring(address) + L"#8&2c5e1f3a&0&0019#{6e3bb679-4372-40c8-9eaa-4509df260cd8}";
}

SimDevice MouseDevice(std::wstring_view pid, std::wstring_view address) {
    SimDevice device;
    device.hardwareIds = {HardwareIdFor(address), L"BTHLE\\GenericDevice"};
    device.interfacePath = InterfacePathFor(pid, address);
    SimCharacteristic write;
    write.uuid = ShortUuid(0xFEE3);
    write.wHandle = kMouseWriteHandle;
    write.bWritable = true;
    SimCharacteristic notify;
    notify.uuid = ShortUuid(0xFEE4);
    notify.wHandle = kMouseNotifyHandle;
    notify.bNotifiable = true;
    notify.descriptors = {{kMouseConfigHandle, ClientCharacteristicConfiguration, kClientConfigurationUuid}};
    device.services = {{ShortUuid(0xFEE0), kMouseServiceHandle, {write, notify}}};
    return device;
}

std::optional<Fault> SimBleWorld::State::TakeFault(Call call, int iDevice, bool bFetch) {
    for (auto it = faults.begin(); it != faults.end(); ++it) {
        if (it->call != call || (it->iDevice != kAnyDevice && it->iDevice != iDevice)) continue;
        if ((it->bFetchOnly || it->bShortFetch) && !bFetch) continue;
        Fault fault = *it;
        if (it->iTimes > 0 && --it->iTimes == 0) faults.erase(it);
        return fault;
    }
    return std::nullopt;
}

DeviceEntry* SimBleWorld::State::Present(int iDevice) {
    if (iDevice < 0 || iDevice >= static_cast<int>(devices.size())) return nullptr;
    DeviceEntry& entry = devices[static_cast<size_t>(iDevice)];
    return entry.bPresent ? &entry : nullptr;
}

int SimBleWorld::State::DeviceOf(HANDLE hDevice) const {
    auto it = deviceHandles.find(reinterpret_cast<uintptr_t>(hDevice));
    if (it == deviceHandles.end()) return -1;
    const DeviceEntry& entry = devices[static_cast<size_t>(it->second)];
    return entry.bPresent ? it->second : -1;
}

void SimBleWorld::State::RunNotifier() {
    std::unique_lock guard(lock);
    dwNotifierThread = GetCurrentThreadId();
    cvChanged.notify_all();
    while (true) {
        cvChanged.wait(guard, [&] { return bStop || !jobs.empty(); });
        if (bStop) return;
        NotifyJob* pJob = jobs.front();
        jobs.pop_front();

        DeviceEntry* pEntry = Present(pJob->iDevice);
        std::vector<uintptr_t> targets;
        for (auto& [key, registration] : registrations) {
            if (pEntry == nullptr || registration.iDevice != pJob->iDevice) continue;
            if (!pEntry->notifying.count(registration.wCharacteristic)) continue;
            ++registration.iInFlight;
            targets.push_back(key);
        }
        for (uintptr_t key : targets) {
            auto found = registrations.find(key);
            if (found == registrations.end()) continue;  // ended by an earlier callback
            EventRegistration registration = found->second;
            guard.unlock();
            std::vector<BYTE> buffer(offsetof(BTH_LE_GATT_CHARACTERISTIC_VALUE, Data) + pJob->value.size() + 1);
            auto* pValue = reinterpret_cast<BTH_LE_GATT_CHARACTERISTIC_VALUE*>(buffer.data());
            pValue->DataSize = static_cast<ULONG>(pJob->value.size());
            std::copy(pJob->value.begin(), pJob->value.end(),
                      buffer.begin() + offsetof(BTH_LE_GATT_CHARACTERISTIC_VALUE, Data));
            BLUETOOTH_GATT_VALUE_CHANGED_EVENT event = {};
            event.ChangedAttributeHandle = static_cast<USHORT>(registration.wCharacteristic + 1);
            event.CharacteristicValueDataSize = pJob->value.size();
            event.CharacteristicValue = pValue;
            registration.pfnCallback(CharacteristicValueChangedEvent, &event, registration.pContext);
            guard.lock();
            if (auto it = registrations.find(key); it != registrations.end()) --it->second.iInFlight;
            ++pJob->iDelivered;
            cvChanged.notify_all();
        }
        pJob->bDone = true;
        cvChanged.notify_all();
    }
}

SimBleWorld::SimBleWorld() : m_pState(std::make_unique<State>()) {
    assert(g_pState == nullptr && "one SimBleWorld at a time");
    State& s = *m_pState;
    FillSetupApi(s.setupApi);
    FillGattApi(s.gattApi);
    s.platform = {&s.setupApi, SimGattTable};
    g_pState = &s;
    s.notifier = std::thread([&s] { s.RunNotifier(); });
    {
        std::unique_lock lock(s.lock);
        s.cvChanged.wait(lock, [&] { return s.dwNotifierThread != 0; });
    }
    m_pPrevious = InstallBlePlatform(&s.platform);
}

SimBleWorld::~SimBleWorld() {
    InstallBlePlatform(m_pPrevious);
    {
        std::lock_guard lock(m_pState->lock);
        m_pState->bStop = true;
        m_pState->cvChanged.notify_all();
    }
    m_pState->notifier.join();
    g_pState = nullptr;
}

int SimBleWorld::AddDevice(SimDevice device) {
    std::lock_guard lock(m_pState->lock);
    m_pState->devices.push_back({std::move(device)});
    return static_cast<int>(m_pState->devices.size()) - 1;
}

void SimBleWorld::RemoveDevice(int iDevice) {
    std::lock_guard lock(m_pState->lock);
    if (DeviceEntry* pEntry = m_pState->Present(iDevice)) {
        pEntry->bPresent = false;
        pEntry->notifying.clear();
    }
}

void SimBleWorld::SetConnected(int iDevice, bool bConnected) {
    std::lock_guard lock(m_pState->lock);
    if (DeviceEntry* pEntry = m_pState->Present(iDevice)) pEntry->device.bConnected = bConnected;
}

void SimBleWorld::AddFault(const Fault& fault) {
    std::lock_guard lock(m_pState->lock);
    if (fault.iTimes != 0) m_pState->faults.push_back(fault);
}

void SimBleWorld::HoldValueWrites(bool bHold) {
    std::lock_guard lock(m_pState->lock);
    m_pState->bHoldValueWrites = bHold;
    m_pState->cvChanged.notify_all();
}

int SimBleWorld::HeldValueWrites() const {
    std::lock_guard lock(m_pState->lock);
    return m_pState->iHeldValueWrites;
}

std::vector<ValueWrite> SimBleWorld::ValueWrites() const {
    std::lock_guard lock(m_pState->lock);
    return m_pState->valueWrites;
}

std::vector<DescriptorWrite> SimBleWorld::DescriptorWrites() const {
    std::lock_guard lock(m_pState->lock);
    return m_pState->descriptorWrites;
}

std::vector<ActiveRegistration> SimBleWorld::Registrations() const {
    std::lock_guard lock(m_pState->lock);
    std::vector<ActiveRegistration> result;
    for (const auto& [key, registration] : m_pState->registrations)
        result.push_back({registration.iDevice, registration.wCharacteristic,
                          reinterpret_cast<BLUETOOTH_GATT_EVENT_HANDLE>(key), registration.pContext});
    return result;
}

int SimBleWorld::CallCount(Call call) const {
    std::lock_guard lock(m_pState->lock);
    return m_pState->calls[static_cast<size_t>(call)];
}

int SimBleWorld::OpenHandles() const {
    std::lock_guard lock(m_pState->lock);
    return static_cast<int>(m_pState->deviceHandles.size());
}

int SimBleWorld::OpenDeviceLists() const {
    std::lock_guard lock(m_pState->lock);
    return static_cast<int>(m_pState->deviceLists.size());
}

int SimBleWorld::OpenReliableWrites() const {
    std::lock_guard lock(m_pState->lock);
    return static_cast<int>(m_pState->reliableWrites.size());
}

int SimBleWorld::Notify(int iDevice, const Bytes& value) {
    State& s = *m_pState;
    NotifyJob job{iDevice, value};
    std::unique_lock lock(s.lock);
    s.jobs.push_back(&job);
    s.cvChanged.notify_all();
    s.cvChanged.wait(lock, [&] { return job.bDone; });
    return job.iDelivered;
}

DWORD SimBleWorld::NotifierThreadId() const {
    std::lock_guard lock(m_pState->lock);
    return m_pState->dwNotifierThread;
}

}  // namespace blekit
