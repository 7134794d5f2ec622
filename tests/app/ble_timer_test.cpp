// The Bluetooth subscribe timer the main window runs for the pages, against the simulated
// Bluetooth LE world; notifications reach the page on the UI thread, and
// shut-down ends every registration.
#include "tests/kit/main_window_fixture.h"
#include "models/table/model_table.h"
#include "tests/kit/ble/sim_ble_world.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

namespace {

TEST(BleSubscribeTimer, SubscribesOncePerRegistrationAndShutDownEndsIt) {
    kit::ResetWorld();
    FreshSettingsFile();
    blekit::SimBleWorld world;
    const int iMouse18 = world.AddDevice(blekit::MouseDevice(L"PID&002A", L"c0ffee000018"));
    const int iMouse11 = world.AddDevice(blekit::MouseDevice(L"PID&0037", L"c0ffee000011"));
    auto wnd = std::make_unique<MainWindow>();
    CSpyPage& page18 = wnd->Page(18);
    ASSERT_NE(page18.BleDevice(), nullptr);
    EXPECT_EQ(wnd->Page(10).BleDevice(), nullptr);

    // While the link is down there is no mouse to subscribe to.
    (*wnd)->OnTimer(PageTimer(18, TIMER_BLE_SUBSCRIBE));
    EXPECT_FALSE(page18.BleDevice()->IsSubscribed());
    ASSERT_TRUE(page18.SetLink(LinkKind::Ble, true));
    EXPECT_TRUE(page18.LinkIndicator(LinkKind::Ble)->IsVisible());

    (*wnd)->OnTimer(PageTimer(18, TIMER_BLE_SUBSCRIBE));
    EXPECT_TRUE(page18.BleDevice()->IsSubscribed());
    ASSERT_EQ(world.Registrations().size(), 1u);
    EXPECT_EQ(world.Registrations()[0].iDevice, iMouse18);
    // Already subscribed: firing again only ends the timer.
    (*wnd)->OnTimer(PageTimer(18, TIMER_BLE_SUBSCRIBE));
    EXPECT_EQ(world.Registrations().size(), 1u);
    EXPECT_EQ(world.CallCount(blekit::Call::RegisterEvent), 1);

    EXPECT_EQ(world.Notify(iMouse18, {0x2A, 0x40, 80, 0}), 1);
    EXPECT_TRUE(uikit::PumpUntil([&] { return page18.Logged(L"OnGattValue 2A 40 50 00"); }));

    // Every page with a subscribe timer subscribes to its own mouse; a page without one (MS_7
    // has five kinds of timer) is not subscribed by the core.
    wnd->Page(11).SetLink(LinkKind::Ble, true);
    (*wnd)->OnTimer(PageTimer(11, TIMER_BLE_SUBSCRIBE));
    ASSERT_EQ(world.Registrations().size(), 2u);
    EXPECT_EQ(world.Registrations()[1].iDevice, iMouse11);
    (*wnd)->OnTimer(PageTimer(7, TIMER_BLE_SUBSCRIBE));
    EXPECT_EQ(world.Registrations().size(), 2u);
    wnd->Page(11).SetLink(LinkKind::Ble, false);
    EXPECT_EQ(world.Registrations().size(), 1u);

    // The link going down ends the registration.
    page18.SetLink(LinkKind::Ble, false);
    EXPECT_TRUE(world.Registrations().empty());
    page18.SetLink(LinkKind::Ble, true);
    (*wnd)->OnTimer(PageTimer(18, TIMER_BLE_SUBSCRIBE));
    EXPECT_EQ(world.Registrations().size(), 1u);

    DestroyWindow(wnd->hwnd());
    EXPECT_TRUE(world.Registrations().empty()) << "closing the window ends every registration";
    wnd.reset();
    EXPECT_EQ(world.OpenHandles(), 0);
}

}  // namespace
