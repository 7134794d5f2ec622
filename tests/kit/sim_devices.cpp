#include "tests/kit/sim_devices.h"

#include "tests/kit/device_change.h"

#include <cstdio>

namespace kit {

namespace {

constexpr char kHidInterfaceClass[] = "{4d1e55b2-f16f-11cf-88cb-001111000030}";
int g_nextToken = 0x2a5b3c40;

std::string NewToken() {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%x", g_nextToken++);
    return buf;
}

int Plug(const std::string& path, uint16_t vid, uint16_t pid, uint16_t usagePage, uint16_t usage, int interfaceNumber,
         const wchar_t* product) {
    SimHidInterface desc{};
    desc.path = path.c_str();
    desc.vendor_id = vid;
    desc.product_id = pid;
    desc.usage_page = usagePage;
    desc.usage = usage;
    desc.release_number = 0x0100;
    desc.interface_number = interfaceNumber;
    desc.manufacturer = L"ORVEK";
    desc.product = product;
    desc.serial = L"";
    return simhid_plug(&desc);
}

}  // namespace

void ResetWorld() { simhid_reset(); }

std::string ReceiverPath(ReceiverKind kind, const std::string& token, bool eventInterface) {
    char buf[256];
    const unsigned pid = kind == ReceiverKind::Wireless ? kReceiverPid : kReceiver4kPid;
    std::snprintf(buf, sizeof buf, "\\\\?\\HID#VID_%04X&PID_%04X&MI_01&Col%02d#7&%s&0&%04d#%s", kVendorId, pid,
                  eventInterface ? 2 : 1, token.c_str(), eventInterface ? 1 : 0, kHidInterfaceClass);
    return buf;
}

std::string CableMousePath(uint16_t productId, const std::string& token) {
    char buf[256];
    std::snprintf(buf, sizeof buf, "\\\\?\\HID#VID_%04X&PID_%04X&MI_01#8&%s&0&0000#%s", kVendorId, productId,
                  token.c_str(), kHidInterfaceClass);
    return buf;
}

Receiver PlugReceiver(ReceiverKind kind, const std::string& token) {
    Receiver r;
    r.kind = kind;
    r.token = token.empty() ? NewToken() : token;
    r.commandPath = ReceiverPath(kind, r.token, false);
    r.eventPath = ReceiverPath(kind, r.token, true);
    const uint16_t pid = kind == ReceiverKind::Wireless ? kReceiverPid : kReceiver4kPid;
    const uint16_t commandPage = kind == ReceiverKind::Wireless ? 0x000B : 0xFF00;
    const uint16_t commandUsage = kind == ReceiverKind::Wireless ? 0 : 1;
    r.commandId = Plug(r.commandPath, kVendorId, pid, commandPage, commandUsage, 1, L"Receiver");
    r.eventId = Plug(r.eventPath, kVendorId, pid, 0x000A, 0, 1, L"Receiver");
    return r;
}

void UnplugReceiver(const Receiver& receiver) {
    simhid_unplug(receiver.commandId);
    simhid_unplug(receiver.eventId);
}

CableMouse PlugCableMouse(uint16_t productId, const std::string& token, Announce announce) {
    CableMouse m;
    m.productId = productId;
    m.path = CableMousePath(productId, token.empty() ? NewToken() : token);
    // The same usage the driver libraries look for (driver_api.h).
    m.id = Plug(m.path, kVendorId, productId, 0xFF00, 0x0002, 1, L"Gaming Mouse");
    if (announce == Announce::Yes) BroadcastInterfaceArrival(m.path);
    return m;
}

void UnplugCableMouse(const CableMouse& mouse, Announce announce) {
    simhid_unplug(mouse.id);
    if (announce == Announce::Yes) BroadcastInterfaceRemoval(mouse.path);
}

BluetoothMouse PlugBluetoothMouse(uint16_t productId) {
    BluetoothMouse m;
    m.productId = productId;
    char buf[256];
    std::snprintf(buf, sizeof buf,
                  "\\\\?\\HID#{00001812-0000-1000-8000-00805f9b34fb}_Dev_VID&02%04x_PID&%04x_REV&0001_%s&Col01#9&%s&0&"
                  "0000#%s",
                  kBluetoothVendorId, productId, "d0c5f3a1b2c4", NewToken().c_str(), kHidInterfaceClass);
    m.path = buf;
    m.id = Plug(m.path, kBluetoothVendorId, productId, 0x0001, 0x0002, -1, L"BT Gaming Mouse");
    return m;
}

void QueueReport(int interfaceId, const Bytes& report) {
    simhid_queue_input(interfaceId, report.data(), static_cast<int>(report.size()));
}

void QueueEvent(int interfaceId, uint8_t idByte, uint8_t eventCode, uint16_t value) {
    QueueReport(interfaceId, {3, idByte, eventCode, static_cast<uint8_t>(value & 0xFF), static_cast<uint8_t>(value >> 8)});
}

void AcknowledgeWrites(int writtenId, int eventId, uint8_t idByte, int skip, int times) {
    const uint8_t report[5] = {3, idByte, 0x50, 0, 0};
    simhid_set_ack(writtenId, eventId, report, 5, skip, times);
}

std::vector<WrittenReport> Writes() {
    std::vector<WrittenReport> all;
    const int n = simhid_write_count();
    for (int i = 0; i < n; ++i) {
        SimHidWrite info{};
        unsigned char buf[4096];
        const int len = simhid_get_write(i, &info, buf, sizeof buf);
        if (len < 0) break;
        all.push_back({info.interface_id, info.kind, Bytes(buf, buf + len)});
    }
    return all;
}

std::vector<WrittenReport> WritesTo(int interfaceId) {
    std::vector<WrittenReport> result;
    for (WrittenReport& w : Writes())
        if (w.interfaceId == interfaceId) result.push_back(std::move(w));
    return result;
}

int EnumerationCount() { return simhid_enumerate_calls(); }

bool WaitForWrites(int count, unsigned timeoutMs) { return simhid_wait_writes(count, timeoutMs) != 0; }

std::string Hex(const Bytes& bytes) {
    std::string s;
    char buf[4];
    for (size_t i = 0; i < bytes.size(); ++i) {
        std::snprintf(buf, sizeof buf, "%02X", bytes[i]);
        if (i != 0) s += ' ';
        s += buf;
    }
    return s;
}

}  // namespace kit
