// The program's own platform: the system's SetupAPI walk and, only with a device in hand, the
// system's GATT functions. On a machine without a Bluetooth LE mouse (as under Wine, where those
// functions end the process when called) nothing reaches them.
#include "core/devices/ble_device.h"
#include "core/devices/ble_platform.h"

#include <gtest/gtest.h>

namespace {

TEST(BleSystemPlatform, IsInForceWhenNoTestInstalledAnother) {
    EXPECT_EQ(&CurrentBlePlatform(), &SystemBlePlatform());
}

TEST(BleSystemPlatform, WithoutAMouseNeverTouchesTheGattFunctions) {
    CBleDevice device;
    device.SetMatchStrings(kBleVendorMatch, L"PID&0037");
    const uint8_t frame[8] = {0x0C, 8, 1, 0, 0, 0, 0, 0};

    EXPECT_EQ(device.Subscribe([](BTH_LE_GATT_EVENT_TYPE, PVOID, PVOID) {}), 0);
    EXPECT_EQ(device.Write(frame, sizeof frame), 0);
    device.Unsubscribe();

    EXPECT_FALSE(device.IsSubscribed());
    EXPECT_FALSE(SystemGattApiRequested());
}

}  // namespace
