// The hidapi API over the simulated world. Semantics follow hidapi 0.15 on Windows where the
// program and the driver libraries rely on them: enumerate works before hid_init, reads return
// 0 when nothing arrived and -1 once the device is gone, writes return the bytes written or -1.
#include "tests/kit/hidapi_sim/call_overlap.h"
#include "tests/kit/hidapi_sim/scenario.h"
#include "tests/kit/hidapi_sim/sim_world.h"
#include "tests/kit/hidapi_sim/write_log.h"

#include <hidapi.h>

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <string>

struct hid_device_ {
    int id = 0;
    bool nonblocking = false;
    hid_device_info* info = nullptr;
};

namespace {

using simhid::World;

wchar_t* DupWide(const std::wstring& s) {
    auto* p = static_cast<wchar_t*>(calloc(s.size() + 1, sizeof(wchar_t)));
    if (p != nullptr) std::wmemcpy(p, s.c_str(), s.size());
    return p;
}

hid_device_info* MakeInfo(const simhid::Interface& iface) {
    auto* info = static_cast<hid_device_info*>(calloc(1, sizeof(hid_device_info)));
    if (info == nullptr) return nullptr;
    info->path = strdup(iface.path.c_str());
    info->vendor_id = iface.vendorId;
    info->product_id = iface.productId;
    info->serial_number = DupWide(iface.serial);
    info->release_number = iface.release;
    info->manufacturer_string = DupWide(iface.manufacturer);
    info->product_string = DupWide(iface.product);
    info->usage_page = iface.usagePage;
    info->usage = iface.usage;
    info->interface_number = iface.interfaceNumber;
    info->bus_type = HID_API_BUS_USB;
    return info;
}

void FreeInfo(hid_device_info* info) {
    while (info != nullptr) {
        hid_device_info* next = info->next;
        free(info->path);
        free(info->serial_number);
        free(info->manufacturer_string);
        free(info->product_string);
        free(info);
        info = next;
    }
}

int CopyString(const std::wstring& s, wchar_t* out, size_t maxlen) {
    if (out == nullptr || maxlen == 0) return -1;
    std::wcsncpy(out, s.c_str(), maxlen - 1);
    out[maxlen - 1] = L'\0';
    return 0;
}

constexpr hid_api_version kVersion = {0, 15, 0};

hid_device* OpenPath(const char* path) {
    if (path == nullptr) return nullptr;
    const int id = World::Get().Open(path);
    if (id == 0) return nullptr;
    auto* dev = new hid_device_;
    dev->id = id;
    return dev;
}

}  // namespace

extern "C" {

HID_API_EXPORT int HID_API_CALL hid_init(void) {
    simhid::UnsafeCallScope scope;
    simhid::ApplyScenarioOnce();
    return World::Get().Init();
}

HID_API_EXPORT int HID_API_CALL hid_exit(void) {
    simhid::UnsafeCallScope scope;
    return 0;
}

HID_API_EXPORT hid_device_info* HID_API_CALL hid_enumerate(unsigned short vendor_id, unsigned short product_id) {
    simhid::UnsafeCallScope scope;
    simhid::ApplyScenarioOnce();
    simhid::LogEnumeration(vendor_id, product_id);
    hid_device_info* head = nullptr;
    hid_device_info** tail = &head;
    for (const simhid::Interface& iface : World::Get().Enumerate(vendor_id, product_id)) {
        hid_device_info* info = MakeInfo(iface);
        if (info == nullptr) break;
        *tail = info;
        tail = &info->next;
    }
    return head;
}

HID_API_EXPORT void HID_API_CALL hid_free_enumeration(hid_device_info* devs) {
    simhid::UnsafeCallScope scope;
    FreeInfo(devs);
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open_path(const char* path) {
    simhid::UnsafeCallScope scope;
    return OpenPath(path);
}

HID_API_EXPORT hid_device* HID_API_CALL hid_open(unsigned short vendor_id, unsigned short product_id,
                                                 const wchar_t* serial_number) {
    simhid::UnsafeCallScope scope;
    for (const simhid::Interface& iface : World::Get().Enumerate(vendor_id, product_id)) {
        if (serial_number != nullptr && iface.serial != serial_number) continue;
        return OpenPath(iface.path.c_str());
    }
    return nullptr;
}

HID_API_EXPORT void HID_API_CALL hid_close(hid_device* dev) {
    if (dev == nullptr) return;
    World::Get().Close(dev->id);
    FreeInfo(dev->info);
    delete dev;
}

HID_API_EXPORT int HID_API_CALL hid_write(hid_device* dev, const unsigned char* data, size_t length) {
    return dev == nullptr ? -1 : World::Get().Write(dev->id, SIMHID_OUTPUT, data, length);
}

HID_API_EXPORT int HID_API_CALL hid_send_output_report(hid_device* dev, const unsigned char* data, size_t length) {
    return hid_write(dev, data, length);
}

HID_API_EXPORT int HID_API_CALL hid_send_feature_report(hid_device* dev, const unsigned char* data, size_t length) {
    return dev == nullptr ? -1 : World::Get().Write(dev->id, SIMHID_FEATURE, data, length);
}

HID_API_EXPORT int HID_API_CALL hid_get_feature_report(hid_device* dev, unsigned char* data, size_t length) {
    return dev == nullptr ? -1 : World::Get().GetFeature(dev->id, data, length);
}

HID_API_EXPORT int HID_API_CALL hid_get_input_report(hid_device* dev, unsigned char* data, size_t length) {
    return dev == nullptr ? -1 : World::Get().Read(dev->id, data, length, 0);
}

HID_API_EXPORT int HID_API_CALL hid_read_timeout(hid_device* dev, unsigned char* data, size_t length, int milliseconds) {
    if (dev == nullptr || data == nullptr) return -1;
    return World::Get().Read(dev->id, data, length, milliseconds);
}

HID_API_EXPORT int HID_API_CALL hid_read(hid_device* dev, unsigned char* data, size_t length) {
    if (dev == nullptr) return -1;
    return hid_read_timeout(dev, data, length, dev->nonblocking ? 0 : -1);
}

HID_API_EXPORT int HID_API_CALL hid_set_nonblocking(hid_device* dev, int nonblock) {
    if (dev == nullptr) return -1;
    dev->nonblocking = nonblock != 0;
    return 0;
}

HID_API_EXPORT hid_device_info* HID_API_CALL hid_get_device_info(hid_device* dev) {
    if (dev == nullptr) return nullptr;
    if (dev->info == nullptr) {
        auto iface = World::Get().Info(dev->id);
        if (!iface) return nullptr;
        dev->info = MakeInfo(*iface);
    }
    return dev->info;
}

HID_API_EXPORT int HID_API_CALL hid_get_manufacturer_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    auto iface = dev != nullptr ? World::Get().Info(dev->id) : std::nullopt;
    return iface ? CopyString(iface->manufacturer, string, maxlen) : -1;
}

HID_API_EXPORT int HID_API_CALL hid_get_product_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    auto iface = dev != nullptr ? World::Get().Info(dev->id) : std::nullopt;
    return iface ? CopyString(iface->product, string, maxlen) : -1;
}

HID_API_EXPORT int HID_API_CALL hid_get_serial_number_string(hid_device* dev, wchar_t* string, size_t maxlen) {
    auto iface = dev != nullptr ? World::Get().Info(dev->id) : std::nullopt;
    return iface ? CopyString(iface->serial, string, maxlen) : -1;
}

HID_API_EXPORT int HID_API_CALL hid_get_indexed_string(hid_device*, int, wchar_t*, size_t) { return -1; }

HID_API_EXPORT int HID_API_CALL hid_get_report_descriptor(hid_device*, unsigned char*, size_t) { return -1; }

HID_API_EXPORT const wchar_t* HID_API_CALL hid_error(hid_device*) { return L"simulated hidapi"; }

HID_API_EXPORT const wchar_t* HID_API_CALL hid_read_error(hid_device*) { return L"simulated hidapi"; }

HID_API_EXPORT const hid_api_version* HID_API_CALL hid_version(void) { return &kVersion; }

HID_API_EXPORT const char* HID_API_CALL hid_version_str(void) { return "0.15.0"; }

// Control exports for tests.

SIMHID_API void simhid_reset(void) {
    World::Get().Reset();
    simhid::ResetCallOverlap();
}
SIMHID_API void simhid_set_init_result(int result) { World::Get().SetInitResult(result); }
SIMHID_API int simhid_init_calls(void) { return World::Get().InitCalls(); }
SIMHID_API int simhid_enumerate_calls(void) { return World::Get().EnumerateCalls(); }
SIMHID_API int simhid_overlapping_calls(void) { return simhid::OverlappingCalls(); }
SIMHID_API void simhid_set_unsafe_call_pause(unsigned milliseconds) { simhid::SetUnsafeCallPause(milliseconds); }
SIMHID_API int simhid_plug(const SimHidInterface* iface) { return iface == nullptr ? 0 : World::Get().Plug(*iface); }
SIMHID_API int simhid_unplug(int interface_id) { return World::Get().Unplug(interface_id) ? 1 : 0; }
SIMHID_API int simhid_is_plugged(int interface_id) { return World::Get().IsPlugged(interface_id) ? 1 : 0; }
SIMHID_API int simhid_open_handles(int interface_id) { return World::Get().OpenHandles(interface_id); }
SIMHID_API int simhid_queue_input(int interface_id, const unsigned char* data, int length) {
    return World::Get().QueueInput(interface_id, data, length) ? 1 : 0;
}
SIMHID_API int simhid_pending_input(int interface_id) { return World::Get().PendingInput(interface_id); }
SIMHID_API int simhid_set_faults(int interface_id, unsigned flags) {
    return World::Get().SetFaults(interface_id, flags) ? 1 : 0;
}
SIMHID_API int simhid_fail_writes_from(int interface_id, int nth) {
    return World::Get().FailWritesFrom(interface_id, nth) ? 1 : 0;
}
SIMHID_API int simhid_refuse_nth_write(int interface_id, int nth) {
    return World::Get().RefuseNthWrite(interface_id, nth) ? 1 : 0;
}
SIMHID_API int simhid_write_count(void) { return World::Get().WriteCount(); }
SIMHID_API int simhid_get_write(int index, SimHidWrite* info, unsigned char* data, int capacity) {
    return World::Get().GetWrite(index, info, data, capacity);
}
SIMHID_API void simhid_clear_writes(void) { World::Get().ClearWrites(); }
SIMHID_API int simhid_wait_writes(int count, unsigned timeout_ms) {
    return World::Get().WaitWrites(count, timeout_ms) ? 1 : 0;
}
SIMHID_API int simhid_set_ack(int written_id, int event_id, const unsigned char* report, int length, int skip,
                              int times) {
    return World::Get().SetAck(written_id, event_id, report, length, skip, times) ? 1 : 0;
}
SIMHID_API int simhid_hold_writes(int interface_id, int hold) {
    return World::Get().HoldWrites(interface_id, hold != 0) ? 1 : 0;
}
SIMHID_API int simhid_held_writes(int interface_id) { return World::Get().HeldWrites(interface_id); }
SIMHID_API int simhid_set_feature_response(int interface_id, const unsigned char* data, int length) {
    return World::Get().SetFeatureResponse(interface_id, data, length) ? 1 : 0;
}

}  // extern "C"
