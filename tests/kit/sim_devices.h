// Test-side helpers over the simulated hidapi world: the devices of this product line with
// Windows-style interface paths, event reports, and the written-report log.
#pragma once

#include "tests/kit/hidapi_sim/simhid.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kit {

using Bytes = std::vector<uint8_t>;

constexpr uint16_t kVendorId = 0x1D57;
constexpr uint16_t kReceiverPid = 0xFA60;
constexpr uint16_t kReceiver4kPid = 0xFA65;
constexpr uint16_t kBluetoothVendorId = 0x045E;

enum class ReceiverKind { Wireless, Wireless4k };

// One receiver: a command and an event interface whose paths share an instance token.
struct Receiver {
    ReceiverKind kind = ReceiverKind::Wireless;
    std::string token;
    std::string commandPath, eventPath;
    int commandId = 0, eventId = 0;
};

struct CableMouse {
    uint16_t productId = 0;
    std::string path;
    int id = 0;
};

struct BluetoothMouse {
    uint16_t productId = 0;
    std::string path;
    int id = 0;
};

struct WrittenReport {
    int interfaceId = 0;
    int kind = SIMHID_FEATURE;
    Bytes data;
};

// Empties the world (call from each test's set-up).
void ResetWorld();

// Device interface paths as Windows names them, e.g.
// \\?\HID#VID_1D57&PID_FA60&MI_01&Col02#7&2a5b3c4d&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}
std::string ReceiverPath(ReceiverKind kind, const std::string& token, bool eventInterface);
std::string CableMousePath(uint16_t productId, const std::string& token);

// Plugs a receiver; a token is made up when none is given.
Receiver PlugReceiver(ReceiverKind kind, const std::string& token = "");
void UnplugReceiver(const Receiver& receiver);
// A cabled mouse comes and goes as Windows announces it: the interface arrival or removal is
// broadcast to the windows of this process (device_change.h), so a driver library's monitor
// hears of it. With Announce::No the interface just appears or goes, as if the notification
// were lost.
enum class Announce { Yes, No };
CableMouse PlugCableMouse(uint16_t productId, const std::string& token = "", Announce announce = Announce::Yes);
void UnplugCableMouse(const CableMouse& mouse, Announce announce = Announce::Yes);
BluetoothMouse PlugBluetoothMouse(uint16_t productId);

// Queues the event report {3, id byte, event code, value low, value high} on an interface.
void QueueEvent(int interfaceId, uint8_t idByte, uint8_t eventCode, uint16_t value);
void QueueReport(int interfaceId, const Bytes& report);

// The mouse behind `writtenId` acknowledges every report written there with event 0x50,
// value 0, on `eventId`, after the first `skip` writes.
void AcknowledgeWrites(int writtenId, int eventId, uint8_t idByte, int skip = 0, int times = -1);

std::vector<WrittenReport> Writes();
std::vector<WrittenReport> WritesTo(int interfaceId);
bool WaitForWrites(int count, unsigned timeoutMs = 5000);

std::string Hex(const Bytes& bytes);

// How many times the world was enumerated (hid_enumerate) since it was last reset.
int EnumerationCount();

}  // namespace kit
