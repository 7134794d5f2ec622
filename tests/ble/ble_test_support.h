// What the Bluetooth LE tests share: a simulated world with a CBleDevice on it, the lines the
// access traced, and a notification callback that records what reached it.
#pragma once

#include "core/devices/ble_device.h"
#include "core/devices/ble_trace.h"
#include "tests/kit/ble/sim_ble_world.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <vector>

namespace bletest {

inline constexpr wchar_t kPid[] = L"PID&0037";         // MS_11
inline constexpr wchar_t kOtherPid[] = L"PID&0032";    // MS_6
inline constexpr wchar_t kAddress1[] = L"e0a1b2c3d4e5";
inline constexpr wchar_t kAddress2[] = L"c0ffee000102";

// Every traced line while one is alive.
class TraceCapture {
public:
    TraceCapture();
    ~TraceCapture();
    std::vector<std::wstring> Lines() const;
    int Count(const std::wstring& line) const;
    bool AnyContains(const std::wstring& text) const;
};

struct Notification {
    BTH_LE_GATT_EVENT_TYPE type;
    USHORT wChangedHandle;
    blekit::Bytes value;
    PVOID pContext;
    DWORD dwThreadId;
};

// The callback a page hands to Subscribe; it records each call.
void CALLBACK RecordNotification(BTH_LE_GATT_EVENT_TYPE type, PVOID pEvent, PVOID pContext);
std::vector<Notification> TakeNotifications();

class BleFixture : public ::testing::Test {
protected:
    void LinkUp(const wchar_t* pszPid = kPid) { device.SetMatchStrings(kBleVendorMatch, pszPid); }
    int AddMouse(const wchar_t* pszAddress, const wchar_t* pszPid = kPid) {
        return world.AddDevice(blekit::MouseDevice(pszPid, pszAddress));
    }
    // Nothing the access opened is left open.
    void ExpectNothingLeftOpen() const {
        EXPECT_EQ(world.OpenHandles(), 0);
        EXPECT_EQ(world.OpenDeviceLists(), 0);
        EXPECT_EQ(world.OpenReliableWrites(), 0);
    }
    void TearDown() override { TakeNotifications(); }

    blekit::SimBleWorld world;  // outlives the device and its registrations
    CBleDevice device;
    TraceCapture traces;
};

blekit::Bytes Frame(size_t size);

}  // namespace bletest
