// The 24 supported mouse models: one table that every part of the program reads, so a model's
// identity (ids, library, links, message and timer numbers, names) is written down once. It is a
// library of its own: the core and the model modules both read it, and it depends on neither.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

constexpr int kModelCount = 24;
constexpr int kFourKModelCount = 13;
constexpr uint16_t kMouseVendorId = 0x1D57;
constexpr uint16_t kReceiverProductId = 0xFA60;    // 2.4 GHz receiver
constexpr uint16_t kReceiver4kProductId = 0xFA65;  // 4K receiver
constexpr uint16_t kBluetoothVendorId = 0x045E;    // how a Bluetooth mouse shows itself on HID

// How a model lays out its profile record in pro.data and in an exported profile.
enum class RecordLayout : uint8_t {
    Gen1A,       // MS_1, MS_2: 32,988 bytes, no light-off field
    Gen1B,       // MS_10: 32,992 bytes
    Gen1C,       // MS_3, MS_4, MS_5, MS_7, MS_9: 32,992 bytes, sleep before light-off
    Gen1D,       // MS_6: 32,996 bytes, layout C with the 4K polling rate
    Gen2,        // second generation: 101,540 bytes
    Gen2Sensor,  // MS_15, MS_17, MS_21, MS_24: 101,544 bytes, with the sensor mode
};
inline constexpr RecordLayout kRecordLayouts[] = {RecordLayout::Gen1A, RecordLayout::Gen1B, RecordLayout::Gen1C,
                                                  RecordLayout::Gen1D, RecordLayout::Gen2,  RecordLayout::Gen2Sensor};

struct ModelInfo {
    int iNumber;            // N of MS_N, 1..24
    int iSubsystem;         // which group of modules it belongs to (2..8)
    int iGeneration;        // 1 or 2
    uint16_t wCablePid;     // product id of the cabled mouse
    uint8_t byIdByte;       // byte 1 of its receiver reports, low byte of its event words
    int iFourKIndex;        // index on the 4K receiver, -1 when it has no 4K link
    uint16_t wBlePid;       // Bluetooth LE product id (0 when it has no Bluetooth link)
    RecordLayout eLayout;   // profile record layout of its files

    int Slot() const { return iNumber - 1; }
    bool Has4k() const { return iFourKIndex >= 0; }
    bool HasBle() const { return wBlePid != 0; }
};

// Models in model order: entry i is MS_(i+1).
extern const std::array<ModelInfo, kModelCount> g_Models;

// Model by number (1..24); nullptr outside the range.
const ModelInfo* FindModel(int iNumber);

// Receiver report byte 1 to model number; 0 when no model has that id byte.
int ModelNumberFromIdByte(uint8_t byIdByte);
// 4K receiver: id byte to 4K index (0..12, -1 when none) and 4K index to model number (0 when none).
int FourKIndexFromIdByte(uint8_t byIdByte);
int ModelNumberFrom4kIndex(int iFourKIndex);

// Per-page message and timer numbers.
constexpr unsigned PageMsgBase(int n) { return 0x600u + 16u * static_cast<unsigned>(n - 1); }
constexpr unsigned PageTimerBase(int n) { return 0x200u + 16u * static_cast<unsigned>(n - 1); }
constexpr unsigned WM_PAGE_RUNAPPLY_OFFSET = 0;
// A thread message of the page's worker only: write the save a device event asked for.
constexpr unsigned WM_PAGE_RUNSAVE_OFFSET = 1;
constexpr unsigned WM_PAGE_DEVDATA_OFFSET = 3;
constexpr unsigned WM_PAGE_DEVLINK_OFFSET = 4;
constexpr unsigned WM_PAGE_APPLY_OFFSET = 5;
constexpr unsigned TIMER_WIRELESS_TIMEOUT = 0;
constexpr unsigned TIMER_APPLY = 1;
constexpr unsigned TIMER_SETTINGS_SCROLL = 2;
constexpr unsigned TIMER_CHARGING = 3;
constexpr unsigned TIMER_WIRELESS4K_TIMEOUT = 4;
constexpr unsigned TIMER_BLE_SUBSCRIBE = 5;
constexpr unsigned PageTimer(int n, unsigned k) { return PageTimerBase(n) + k; }
// Stack size of a page's worker thread.
constexpr unsigned PageWorkerStackSize(int n) { return 0x1001u + 16u * static_cast<unsigned>(n - 1); }

// Names derived from the model number.
std::wstring DriverLibraryName(int n);      // "hiddriver_1.dll" .. "hiddriver_6.dll", "hiddriver_ms_7.dll" ..
std::wstring ControlPrefix(int n);          // "ms_10_"
std::wstring VirtualWindowName(int n);      // "MS_10_Page"
std::wstring SkinFolder(int n);             // "MS/MS_10/"
std::wstring PickerSkinFolder(int n);       // "MS/MS_10/"; models 14 to 24: "MS/ms_14/"
std::wstring DataFolderName(int n);         // "ms_10"
std::wstring BleProductMatch(int n);        // "PID&0037"; empty when the model has no Bluetooth link

// Whether a device-interface name is model n's Bluetooth LE mouse: it holds the Bluetooth vendor
// and the model's product string. MS_14 and the later models upper-case the name first and look
// for "VID&02045E"; the earlier ones look for "VID&02045e" as Windows writes it, with regard to
// case. False for a model without the link and for an empty name.
bool IsBleInterfaceOf(int n, std::wstring_view strName);
