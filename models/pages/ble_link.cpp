// The Bluetooth LE link of a model page: how the link comes up and goes down, the device changes
// that announce the model's Bluetooth mouse, and the notifications it sends. One component for
// every model with a Bluetooth link; on the others it does nothing. The notification callback
// and the page it reaches (one per model, closed before the page goes) are the runtime's
// (CGattLink); values arrive here on the UI thread.
#include "models/pages/device_page.h"

#include "core/devices/device_timing.h"
#include "core/util/usb_notification.h"

#include <dbt.h>

#include <cstdio>
#include <ctime>

namespace {

constexpr size_t kBleEventBytes = 4;

}  // namespace

void CDevicePage::SetBleLink(bool bUp) {
    if (!Info().HasBle()) return;
    // The flag, the match strings, the indicator and, going down, the end of the subscription.
    SetLink(LinkKind::Ble, bUp);
    const bool bTakesOver = Info().iGeneration >= 2;
    if (bUp && !bTakesOver) {
        // The first generation listens at once and leaves its other links as they are.
        SubscribeBle();
        return;
    }
    if (bUp) {
        // The second generation listens a moment later, and Bluetooth LE becomes its only link.
        SetPageTimer(TIMER_BLE_SUBSCRIBE, Timing().uBleSubscribeMs);
        SetReceiverLink(false, false);
        SetReceiverLink(true, false);
        StopCountingCable();
        UpdateLinkControls();
        KillPageTimer(TIMER_WIRELESS_TIMEOUT);
        KillPageTimer(TIMER_WIRELESS4K_TIMEOUT);
        BleBatteryLink(true);
        AnnounceLinks(true);
        return;
    }
    // Down, on either generation also when the link was not up.
    KillPageTimer(TIMER_BLE_SUBSCRIBE);
    BleBatteryLink(false);
    AnnounceLinks(false);
}

void CDevicePage::HandleDeviceChange(WPARAM wEvent, LPARAM lHeader) {
    if (!Info().HasBle()) return;
    if (!IsBleInterfaceOf(Model(), InterfaceNameOf(lHeader))) return;
    if (wEvent == DBT_DEVICEARRIVAL && !LinkUp(LinkKind::Ble)) SetBleLink(true);
    if (wEvent == DBT_DEVICEREMOVECOMPLETE) SetBleLink(false);
}

void CDevicePage::OnGattValue(const std::vector<uint8_t>& value) {
    if (!Info().HasBle()) return;
    if (value.empty()) {
        std::fputs("datasize 0\n", stdout);
        return;
    }
    // A value shorter than an event carries none.
    if (value.size() < kBleEventBytes) return;
    std::fputs("HR ", stdout);
    const int iLeft = value[0] + 256 * value[1];
    const int iRight = value[2] + 256 * value[3];
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_s(&local, &now);
    DUITRACE(L"dwLeft = %04x, dwRight = %04x, %d:%d:%d\r\n", iLeft, iRight, local.tm_hour, local.tm_min, local.tm_sec);
    OnEventWord(EventRoad::Ble, iLeft, iRight);
}
