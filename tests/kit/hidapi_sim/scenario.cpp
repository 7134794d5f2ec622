#include "tests/kit/hidapi_sim/scenario.h"

#include "tests/kit/hidapi_sim/sim_world.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <sstream>
#include <string>
#include <vector>

namespace simhid {

namespace {

constexpr char kHidClass[] = "{4d1e55b2-f16f-11cf-88cb-001111000030}";

struct LiveMouse {
    int iEventId;
    unsigned char byIdByte;
};

int PlugInterface(const std::string& path, unsigned short pid, unsigned short page, unsigned short usage,
                  unsigned short vid = 0x1D57, int iInterface = 1) {
    SimHidInterface desc{};
    desc.path = path.c_str();
    desc.vendor_id = vid;
    desc.product_id = pid;
    desc.usage_page = page;
    desc.usage = usage;
    desc.interface_number = iInterface;
    desc.manufacturer = L"ORVEK";
    desc.product = L"Simulated";
    desc.serial = L"";
    return World::Get().Plug(desc);
}

struct PluggedReceiver {
    int iCommandId;
    int iEventId;
};

// A receiver's two interfaces.
PluggedReceiver PlugReceiver(bool b4k, int iIndex) {
    const unsigned short pid = b4k ? 0xFA65 : 0xFA60;
    char token[16];
    std::snprintf(token, sizeof token, "5e%06x", iIndex);
    char path[256];
    std::snprintf(path, sizeof path, "\\\\?\\HID#VID_1D57&PID_%04X&MI_01&Col01#7&%s&0&0000#%s", pid, token, kHidClass);
    const int iCommandId = PlugInterface(path, pid, b4k ? 0xFF00 : 0x000B, b4k ? 1 : 0);
    std::snprintf(path, sizeof path, "\\\\?\\HID#VID_1D57&PID_%04X&MI_01&Col02#7&%s&0&0001#%s", pid, token, kHidClass);
    return {iCommandId, PlugInterface(path, pid, 0x000A, 0)};
}

// A mouse behind a receiver that a person could watch: it acknowledges every frame written to
// its receiver and reports its battery (on battery power, 80 %) every 200 ms, under both codes
// the mice use for it (0x40, and 0x41 on the later Bluetooth models); a page reads its own.
void StartLiveMouse(const PluggedReceiver& receiver, unsigned char byIdByte, std::vector<LiveMouse>& mice) {
    const unsigned char ack[5] = {3, byIdByte, 0x50, 0, 0};
    World::Get().SetAck(receiver.iCommandId, receiver.iEventId, ack, 5, 0, -1);
    mice.push_back({receiver.iEventId, byIdByte});
}

DWORD WINAPI LiveMiceThread(LPVOID pParam) {
    const auto* mice = static_cast<std::vector<LiveMouse>*>(pParam);
    for (;;) {
        for (const LiveMouse& m : *mice) {
            for (const unsigned char byCode : {0x40, 0x41}) {
                const unsigned char report[5] = {3, m.byIdByte, byCode, 1, 80};
                World::Get().QueueInput(m.iEventId, report, 5);
            }
        }
        Sleep(200);
    }
}

}  // namespace

void ApplyScenarioOnce() {
    static std::once_flag once;
    std::call_once(once, [] {
        const char* pszDevices = std::getenv("SIMHID_DEVICES");
        if (pszDevices == nullptr || *pszDevices == '\0') return;
        auto* mice = new std::vector<LiveMouse>();  // lives as long as the process
        std::stringstream list(pszDevices);
        std::string item;
        int iIndex = 0;
        while (std::getline(list, item, ',')) {
            const size_t colon = item.find(':');
            if (colon == std::string::npos) continue;
            const std::string kind = item.substr(0, colon);
            const unsigned value = static_cast<unsigned>(std::strtoul(item.c_str() + colon + 1, nullptr, 16));
            if (kind == "receiver" || kind == "receiver4k") {
                StartLiveMouse(PlugReceiver(kind == "receiver4k", iIndex++), static_cast<unsigned char>(value), *mice);
            } else if (kind == "cable") {
                char path[256];
                std::snprintf(path, sizeof path, "\\\\?\\HID#VID_1D57&PID_%04X&MI_01#8&5f%06x&0&0000#%s", value,
                              iIndex++, kHidClass);
                PlugInterface(path, static_cast<unsigned short>(value), 0xFF00, 0x0002);
            } else if (kind == "bluetooth") {
                // A paired Bluetooth mouse as the system shows it on HID (vendor 045E, no interface number).
                char path[256];
                std::snprintf(path, sizeof path,
                              "\\\\?\\HID#{00001812-0000-1000-8000-00805f9b34fb}_Dev_VID&02045e_PID&%04x_REV&0001_"
                              "d0c5f3a1b2c4&Col01#9&6a%06x&0&0000#%s",
                              value, iIndex++, kHidClass);
                PlugInterface(path, static_cast<unsigned short>(value), 0x0001, 0x0002, 0x045E, -1);
            }
        }
        if (!mice->empty()) CloseHandle(CreateThread(nullptr, 0, LiveMiceThread, mice, 0, nullptr));
    });
}

}  // namespace simhid
