#include "tests/kit/hidapi_sim/sim_world.h"

#include "tests/kit/hidapi_sim/write_log.h"

#include <algorithm>
#include <chrono>
#include <cstring>

namespace simhid {

namespace {
std::string Upper(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(toupper(c)); });
    return s;
}
}  // namespace

World& World::Get() {
    static World world;
    return world;
}

Interface* World::Find(int id) {
    auto it = m_interfaces.find(id);
    return it == m_interfaces.end() ? nullptr : &it->second;
}

void World::Reset() {
    std::lock_guard<std::mutex> guard(m_lock);
    // Interfaces that still have open handles stay known (unplugged) so those handles fail
    // cleanly instead of reaching a reused id.
    for (auto& [id, iface] : m_interfaces) {
        iface.plugged = false;
        iface.holdWrites = false;
        iface.input.clear();
    }
    std::erase_if(m_interfaces, [](const auto& kv) { return kv.second.openHandles == 0; });
    m_order.clear();
    m_acks.clear();
    m_writes.clear();
    m_initResult = 0;
    m_initCalls = 0;
    m_enumerateCalls = 0;
    m_changed.notify_all();
}

void World::SetInitResult(int r) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_initResult = r;
}

int World::Init() {
    std::lock_guard<std::mutex> guard(m_lock);
    ++m_initCalls;
    return m_initResult;
}

int World::InitCalls() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_initCalls;
}

int World::Plug(const SimHidInterface& desc) {
    std::lock_guard<std::mutex> guard(m_lock);
    const std::string path = desc.path != nullptr ? desc.path : "";
    for (int id : m_order) {
        const Interface& other = m_interfaces[id];
        if (other.plugged && Upper(other.path) == Upper(path)) return 0;
    }
    Interface iface;
    iface.id = m_nextId++;
    iface.path = path;
    iface.vendorId = desc.vendor_id;
    iface.productId = desc.product_id;
    iface.usagePage = desc.usage_page;
    iface.usage = desc.usage;
    iface.release = desc.release_number;
    iface.interfaceNumber = desc.interface_number;
    iface.manufacturer = desc.manufacturer != nullptr ? desc.manufacturer : L"";
    iface.product = desc.product != nullptr ? desc.product : L"";
    iface.serial = desc.serial != nullptr ? desc.serial : L"";
    const int id = iface.id;
    m_interfaces.emplace(id, std::move(iface));
    m_order.push_back(id);
    m_changed.notify_all();
    return id;
}

bool World::Unplug(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr || !p->plugged) return false;
    p->plugged = false;
    p->input.clear();
    std::erase(m_order, id);
    m_acks.erase(id);
    m_changed.notify_all();
    return true;
}

bool World::IsPlugged(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    return p != nullptr && p->plugged;
}

int World::OpenHandles(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    return p == nullptr ? 0 : p->openHandles;
}

int World::EnumerateCalls() {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_enumerateCalls;
}

std::vector<Interface> World::Enumerate(unsigned short vid, unsigned short pid) {
    std::lock_guard<std::mutex> guard(m_lock);
    ++m_enumerateCalls;
    std::vector<Interface> result;
    for (int id : m_order) {
        const Interface& iface = m_interfaces[id];
        if ((vid == 0 || iface.vendorId == vid) && (pid == 0 || iface.productId == pid)) result.push_back(iface);
    }
    return result;
}

int World::Open(const std::string& path) {
    std::lock_guard<std::mutex> guard(m_lock);
    for (int id : m_order) {
        Interface& iface = m_interfaces[id];
        if (Upper(iface.path) != Upper(path)) continue;
        if (!iface.plugged || (iface.faults & SIMHID_FAULT_OPEN) != 0) return 0;
        ++iface.openHandles;
        return id;
    }
    return 0;
}

void World::Close(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr) return;
    if (p->openHandles > 0) --p->openHandles;
    m_changed.notify_all();
}

std::optional<Interface> World::Info(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr) return std::nullopt;
    return *p;
}

bool World::QueueInput(int id, const unsigned char* data, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr || !p->plugged || data == nullptr || length <= 0) return false;
    p->input.emplace_back(data, data + length);
    m_changed.notify_all();
    return true;
}

int World::PendingInput(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    return p == nullptr ? 0 : static_cast<int>(p->input.size());
}

int World::Read(int id, unsigned char* data, size_t length, int timeoutMs) {
    std::unique_lock<std::mutex> guard(m_lock);
    auto ready = [&] {
        Interface* p = Find(id);
        return p == nullptr || !p->plugged || (p->faults & SIMHID_FAULT_READ) != 0 || !p->input.empty();
    };
    if (timeoutMs < 0) {
        m_changed.wait(guard, ready);
    } else if (timeoutMs > 0) {
        m_changed.wait_for(guard, std::chrono::milliseconds(timeoutMs), ready);
    }
    Interface* p = Find(id);
    if (p == nullptr || !p->plugged || (p->faults & SIMHID_FAULT_READ) != 0) return -1;
    if (p->input.empty()) return 0;
    Bytes report = std::move(p->input.front());
    p->input.pop_front();
    const size_t n = std::min(length, report.size());
    if (n > 0) std::memcpy(data, report.data(), n);
    return static_cast<int>(n);
}

int World::Write(int id, int kind, const unsigned char* data, size_t length) {
    std::unique_lock<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p != nullptr && p->holdWrites) {
        ++p->heldWrites;
        m_changed.notify_all();
        m_changed.wait(guard, [&] {
            p = Find(id);
            return p == nullptr || !p->holdWrites;
        });
        if (p != nullptr) --p->heldWrites;
    }
    if (p == nullptr || !p->plugged || (p->faults & SIMHID_FAULT_WRITE) != 0 || data == nullptr || length == 0)
        return -1;
    if (p->writesBeforeFault == 0) return -1;
    if (p->writesBeforeFault > 0) --p->writesBeforeFault;
    if (p->writesUntilRefusal > 0 && --p->writesUntilRefusal == 0) return -1;
    m_writes.push_back({id, kind, Bytes(data, data + length), ++m_sequence});
    LogWrite(p->path, kind, data, length);
    auto rule = m_acks.find(id);
    if (rule != m_acks.end()) {
        AckRule& ack = rule->second;
        if (ack.skip > 0) {
            --ack.skip;
        } else if (ack.times != 0) {
            Interface* target = Find(ack.eventId);
            if (target != nullptr && target->plugged) target->input.push_back(ack.report);
            if (ack.times > 0) --ack.times;
        }
    }
    m_changed.notify_all();
    return static_cast<int>(length);
}

int World::GetFeature(int id, unsigned char* data, size_t length) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr || !p->plugged || (p->faults & SIMHID_FAULT_READ) != 0 || data == nullptr || length == 0)
        return -1;
    // Byte 0 stays the report id the caller asked for.
    const size_t n = std::min(length - 1, p->featureResponse.size());
    if (n > 0) std::memcpy(data + 1, p->featureResponse.data(), n);
    return static_cast<int>(n + 1);
}

bool World::SetFeatureResponse(int id, const unsigned char* data, int length) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr || length < 0) return false;
    p->featureResponse.assign(data, data + length);
    return true;
}

bool World::FailWritesFrom(int id, int nth) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr) return false;
    p->writesBeforeFault = nth > 0 ? nth - 1 : -1;
    return true;
}

bool World::HoldWrites(int id, bool hold) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr) return false;
    p->holdWrites = hold;
    m_changed.notify_all();
    return true;
}

int World::HeldWrites(int id) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    return p != nullptr ? p->heldWrites : 0;
}

bool World::RefuseNthWrite(int id, int nth) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr || nth < 0) return false;
    p->writesUntilRefusal = nth;
    return true;
}

bool World::SetFaults(int id, unsigned flags) {
    std::lock_guard<std::mutex> guard(m_lock);
    Interface* p = Find(id);
    if (p == nullptr) return false;
    p->faults = flags;
    m_changed.notify_all();
    return true;
}

bool World::SetAck(int writtenId, int eventId, const unsigned char* report, int length, int skip, int times) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (report == nullptr || length <= 0) {
        m_acks.erase(writtenId);
        return true;
    }
    if (Find(writtenId) == nullptr || Find(eventId) == nullptr) return false;
    m_acks[writtenId] = AckRule{eventId, Bytes(report, report + length), skip, times};
    return true;
}

int World::WriteCount() {
    std::lock_guard<std::mutex> guard(m_lock);
    return static_cast<int>(m_writes.size());
}

int World::GetWrite(int index, SimHidWrite* info, unsigned char* data, int capacity) {
    std::lock_guard<std::mutex> guard(m_lock);
    if (index < 0 || index >= static_cast<int>(m_writes.size())) return -1;
    const WrittenReport& w = m_writes[static_cast<size_t>(index)];
    if (info != nullptr) {
        info->interface_id = w.interfaceId;
        info->kind = w.kind;
        info->length = static_cast<int>(w.data.size());
        info->sequence = w.sequence;
    }
    const int n = std::min(capacity, static_cast<int>(w.data.size()));
    if (data != nullptr && n > 0) std::memcpy(data, w.data.data(), static_cast<size_t>(n));
    return data != nullptr ? std::max(n, 0) : 0;
}

void World::ClearWrites() {
    std::lock_guard<std::mutex> guard(m_lock);
    m_writes.clear();
}

bool World::WaitWrites(int count, unsigned timeoutMs) {
    std::unique_lock<std::mutex> guard(m_lock);
    return m_changed.wait_for(guard, std::chrono::milliseconds(timeoutMs),
                              [&] { return static_cast<int>(m_writes.size()) >= count; });
}

}  // namespace simhid
