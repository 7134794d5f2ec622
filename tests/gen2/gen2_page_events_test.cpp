// What a second-generation mouse tells its page over each road (the cable, the 2.4 GHz receiver,
// the 4K receiver, Bluetooth LE notifications): the event table with its out-of-range values,
// which field of the copy last sent each event touches, the battery and the links it keeps, the
// cabled mouse coming and going, the Bluetooth link and the device changes that switch it, and
// the page's timers.
#include "tests/gen2/gen2_page_fixture.h"

#include "tests/kit/device_change.h"
#include "core/devices/device_timing.h"
#include "models/data/gen2_frames.h"
#include "core/page/page_messages.h"

#include <optional>

namespace gen2test {
namespace {

using DuiLib::CControlUI;

class Gen2Events : public Gen2PageTest {
protected:
    CControlUI* Control(const wchar_t* pszSuffix) {
        return uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + pszSuffix).c_str());
    }
    std::wstring PowerLabel() { return Control(L"label_power")->GetTextSource().GetData(); }
    void ShowLevel(int iLevel) { Page().ShowBattery(iLevel); }
    int ProgressValue() { return static_cast<DuiLib::CProgressUI*>(Control(L"progress_power"))->GetValue(); }
};

const char* RoadName(Road eRoad) {
    switch (eRoad) {
        case Road::Cable: return "cable";
        case Road::Receiver: return "2.4 GHz";
        case Road::Wireless4k: return "4K";
        case Road::Ble: return "Bluetooth";
    }
    return "";
}

// ---- The event table ----

TEST_F(Gen2Events, AStageEventOnEveryRoadSelectsTheStageAnnouncesItsDpiAndSaves) {
    Start(11, kNoLink);
    for (Road eRoad : {Road::Cable, Road::Receiver, Road::Wireless4k, Road::Ble}) {
        SCOPED_TRACE(RoadName(eRoad));
        Window().TakePosted(WM_SHOWDPI);
        Deliver(eRoad, 0x10, 1);
        ASSERT_EQ(Page().CurrentProfileCopy().iCurDpi, 0);
        Window().TakePosted(WM_SHOWDPI);
        Deliver(eRoad, 0x10, 0);
        Deliver(eRoad, 0x10, 9);
        Page().DeliverDeviceEvent(0x1000 + 0x38, 3);  // MS_12's id byte
        EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 0) << "values outside 1..8 and other models are ignored";
        EXPECT_EQ(Window().TakePosted(WM_SHOWDPI), 0);

        Deliver(eRoad, 0x10, 3);
        EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 2);
        EXPECT_EQ(Page().SentProfileCopy().iCurDpi, 2) << "the mouse has it already";
        MSG msg{};
        ASSERT_TRUE(PeekMessageW(&msg, Window().hwnd(), WM_SHOWDPI, WM_SHOWDPI, PM_REMOVE));
        EXPECT_EQ(msg.wParam, 10u) << "MS_11's slot";
        EXPECT_EQ(msg.lParam, Page().CurrentProfileCopy().iDpi[2]) << "stage 3's value as stored";
        EXPECT_EQ(SavedCurrentProfile()->iCurDpi, 2);
    }
}

TEST_F(Gen2Events, RateEventsTakeTheirRoadsRateAndIgnoreRatesThePageDoesNotOffer) {
    Start(8, kNoLink);
    struct Case {
        Road eRoad;
        int iValue;
        std::optional<int> iRate;    // iRate afterwards, when taken
        std::optional<int> iRateHs;  // iRateHs afterwards, when taken
    };
    const Case cases[] = {
        {Road::Receiver, 0x24, 3, {}},  {Road::Receiver, 0x71, 0, {}}, {Road::Cable, 0x12, 1, {}},
        {Road::Receiver, 0x25, {}, {}}, {Road::Receiver, 0x20, {}, {}}, {Road::Receiver, 0x2F, {}, {}},
        {Road::Wireless4k, 0x24, {}, 1}, {Road::Wireless4k, 0x73, {}, 6}, {Road::Wireless4k, 0x84, {}, {}},
        {Road::Wireless4k, 0x04, {}, {}}, {Road::Ble, 4, 3, {}},         {Road::Ble, 1, 0, {}},
        {Road::Ble, 5, {}, {}},         {Road::Ble, 8, {}, {}},          {Road::Ble, 0, {}, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(RoadName(c.eRoad)) + " value " + std::to_string(c.iValue));
        // A known starting point, as the mouse itself would report it.
        Deliver(Road::Receiver, 0x20, 0x23);
        Deliver(Road::Wireless4k, 0x20, 0x30);
        const ProfileRecordEx before = Page().CurrentProfileCopy();
        ASSERT_EQ(before.iRate, 2);
        ASSERT_EQ(before.iRateHs, 2);
        Deliver(c.eRoad, 0x20, c.iValue);
        const ProfileRecordEx after = Page().CurrentProfileCopy();
        EXPECT_EQ(after.iRate, c.iRate.value_or(2));
        EXPECT_EQ(after.iRateHs, c.iRateHs.value_or(2));
        EXPECT_EQ(Page().SentProfileCopy().iRate, after.iRate);
        EXPECT_EQ(Page().SentProfileCopy().iRateHs, after.iRateHs);
        EXPECT_EQ(SavedCurrentProfile()->iRate, after.iRate);
    }
}

TEST_F(Gen2Events, LightModeEventsPerRoadAndModesWithoutAnItemIgnored) {
    Start(8, kNoLink);
    struct Case {
        Road eRoad;
        int iValue;
        int iMode;  // iLightMode afterwards (it starts at 0)
    };
    const Case cases[] = {
        {Road::Receiver, 0x20, 2}, {Road::Cable, 0xB0, 11}, {Road::Receiver, 0xC0, 0}, {Road::Wireless4k, 0x20, 0},
        {Road::Wireless4k, 2, 2},  {Road::Wireless4k, 7, 7}, {Road::Wireless4k, 8, 0},  {Road::Ble, 0x30, 3},
        {Road::Ble, 0xF0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(RoadName(c.eRoad)) + " value " + std::to_string(c.iValue));
        Deliver(Road::Receiver, 0x70, 0x00);
        ASSERT_EQ(Page().CurrentProfileCopy().iLightMode, 0);
        Deliver(c.eRoad, 0x70, c.iValue);
        EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, c.iMode);
        EXPECT_EQ(Page().SentProfileCopy().iLightMode, c.iMode);
        EXPECT_EQ(SavedCurrentProfile()->iLightMode, c.iMode);
    }
}

TEST_F(Gen2Events, TheSaveOnlyEventSavesAndAcknowledgementsAndSixtyChangeNothing) {
    Start(13, kNoLink);
    Page().Edit([](ProfileRecordEx& p) { p.szName[0] = L'Q'; });
    const CAckWindow::Epoch frame = Page().OpenAckWindow();
    Deliver(Road::Receiver, 0x80, 6);
    Deliver(Road::Receiver, 0x60, 1);
    Deliver(Road::Receiver, 0x50, 0);
    EXPECT_NE(SavedCurrentProfile()->szName[0], L'Q') << "0x80 only with 1 to 5";
    EXPECT_FALSE(Page().AckArrived(frame)) << "the receivers' acknowledgements are recorded where they are read";
    Deliver(Road::Wireless4k, 0x80, 5);
    EXPECT_EQ(SavedCurrentProfile()->szName[0], L'Q');
    EXPECT_NE(Page().SentProfileCopy().szName[0], L'Q') << "only what the mouse reported counts as sent";
}

TEST_F(Gen2Events, AnEventWhileADpiEditIsPendingLeavesTheEditToBeSent) {
    Start(11, kCable);
    Apply();
    ClearAllWrites();
    Page().Edit([](ProfileRecordEx& p) { p.iDpi[1] = 40; });
    MouseEvent(0x10, 4, Road::Cable);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 3; });
    MouseEvent(0x20, 0x22, Road::Cable);
    PumpUntil([&] { return Page().CurrentProfileCopy().iRate == 1; });
    Apply();
    const std::vector<kit::Bytes> cable = CableWrites();
    ASSERT_EQ(Ids(cable), "04") << "the reported rate is not sent back; the edit is";
    EXPECT_EQ(cable[0], BuildDpiReport(Description(), Page().CurrentProfileCopy()));
}

// ---- Battery and links ----

TEST_F(Gen2Events, BatteryOverEachReceiverKeepsItsLinkAndShowsTheLevel) {
    Start(11, kCable);
    struct Case {
        Road eRoad;
        int iValue;
        bool bCable;
        bool bLinkUp;
        const wchar_t* pszLabel;
    };
    const Case cases[] = {
        {Road::Receiver, 0x3901, false, true, L"57%"},      {Road::Receiver, 0x0002, true, false, L"100%"},
        {Road::Receiver, 0x0002, false, true, L"100%"},     {Road::Receiver, 0x0003, true, false, L"charging_text"},
        {Road::Receiver, 0x0003, false, true, L"charging_text"}, {Road::Receiver, 0x6501, false, true, L"1%"},
        {Road::Wireless4k, 0x2A01, false, true, L"42%"},    {Road::Wireless4k, 0x0003, true, true, L"charging_text"},
        {Road::Wireless4k, 0x0002, true, false, L"100%"},
    };
    const LinkKind eLinks[] = {LinkKind::Wireless, LinkKind::Wireless4k};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(RoadName(c.eRoad)) + " value " + std::to_string(c.iValue) + (c.bCable ? " with the cable" : ""));
        const LinkKind eLink = eLinks[c.eRoad == Road::Wireless4k ? 1 : 0];
        // The cable comes and goes through the library's messages.
        Page().DeliverDevMonitor(c.bCable ? 0x7F000001 : 0x7F000002);
        PumpUntil([&] { return (Page().WiredState() == 1) == c.bCable; });
        ShowLevel(1);
        Page().SetLink(eLink, !c.bLinkUp);
        Deliver(c.eRoad, 0x40, c.iValue);
        EXPECT_EQ(Page().LinkUp(eLink), c.bLinkUp);
        EXPECT_EQ(PowerLabel(), c.pszLabel);
    }
}

TEST_F(Gen2Events, BluetoothBatteryNeitherTimesNorChangesLinks) {
    Start(11, kBle);
    for (const auto& [iValue, pszLabel] : {std::pair{0x3901, L"57%"}, std::pair{0x0002, L"100%"}, std::pair{0x0003, L"charging_text"},
                                          std::pair{0x0001, L"0%"}}) {
        SCOPED_TRACE(iValue);
        MouseEvent(0x40, static_cast<uint16_t>(iValue), Road::Ble);
        PumpUntil([&] { return PowerLabel() == pszLabel; });
        EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
        EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless));
    }
}

TEST_F(Gen2Events, EventsArriveOverTheRealRoads) {
    Start(13, kCable | kReceiver | k4k);
    MouseEvent(0x20, 0x22, Road::Receiver);
    PumpUntil([&] { return Page().CurrentProfileCopy().iRate == 1; });
    MouseEvent(0x20, 0x50, Road::Wireless4k);
    PumpUntil([&] { return Page().CurrentProfileCopy().iRateHs == 4; });
    MouseEvent(0x70, 0x30, Road::Cable);
    PumpUntil([&] { return Page().CurrentProfileCopy().iLightMode == 3; });
    MouseEvent(0x40, 0x2201, Road::Wireless4k);
    PumpUntil([&] { return PowerLabel() == L"34%"; });
}

TEST_F(Gen2Events, ShortAndEmptyNotificationsAreIgnored) {
    Start(11, kBle);
    Deliver(Road::Ble, 0x10, 5);
    ASSERT_EQ(Page().CurrentProfileCopy().iCurDpi, 4);
    for (const blekit::Bytes& value : {blekit::Bytes{}, blekit::Bytes{IdByte()}, blekit::Bytes{IdByte(), 0x10},
                                       blekit::Bytes{IdByte(), 0x10, 0x03}})
        Page().DeliverGattValue(value);
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 4);
    // The bytes 37 10 02 00 select stage 2, through the mouse's own notification.
    EXPECT_EQ(Notify({0x37, 0x10, 0x02, 0x00}), 1);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 1; });
}

// ---- The cabled mouse ----

TEST_F(Gen2Events, TheCabledMouseComesAndGoesTwiceAndItsArrivalDropsTheReceivers) {
    Start(12, kCable | kReceiver);
    for (int iRound = 1; iRound <= 2; ++iRound) {
        SCOPED_TRACE(iRound);
        kit::UnplugCableMouse(m_cable);
        PumpUntil([&] { return Page().WiredState() == 2; });
        EXPECT_FALSE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());
        EXPECT_EQ(PowerLabel(), L"");
        // The receiver reports the mouse on battery again.
        MouseEvent(0x40, 0x5001, Road::Receiver);
        PumpUntil([&] { return Page().LinkUp(LinkKind::Wireless); });

        m_cable = kit::PlugCableMouse(m_cable.productId);
        PumpUntil([&] { return Page().WiredState() == 1; });
        EXPECT_TRUE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());
        EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless)) << "the cable reaches the mouse now";
        EXPECT_EQ(PowerLabel(), L"charging_text");
        EXPECT_EQ(Page().Online(), 1);
    }
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
    EXPECT_TRUE(ReceiverWrites().empty());
}

TEST_F(Gen2Events, ARemovalDuringTheSettlingPauseCancelsTheArrival) {
    Start(11, kCable);
    Timing().uCableArrivalMs = 300;
    kit::UnplugCableMouse(m_cable);
    PumpUntil([&] { return Page().WiredState() == 2; });
    Page().DeliverDevMonitor(0x7F000001);
    Page().DeliverDevMonitor(0x7F000001);  // a second arrival: one opening at most
    m_cable = kit::PlugCableMouse(m_cable.productId, "", kit::Announce::No);
    Page().DeliverDevMonitor(0x7F000002);
    Sleep(600);
    uikit::PumpUntilIdle(200);
    EXPECT_EQ(Page().WiredState(), 2) << "the removal cancelled the pending arrival";
    Page().DeliverDevMonitor(0x7F000001);
    PumpUntil([&] { return Page().WiredState() == 1; });
}

// ---- The Bluetooth link ----

TEST_F(Gen2Events, TheMousesInterfaceArrivingBringsTheBluetoothLinkUpAsTheOnlyLink) {
    Start(11, kCable | kReceiver);
    m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(L"PID&0037", L"d0c5f3a1b2c4"));
    Window().TakePosted(WM_DEVICELISTCHANGED);

    // Names the page does not take: the vendor in upper case, another model's product.
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastName("VID&02045E"));
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastNameFor(8));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));

    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastName());
    EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Ble)->IsVisible());
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless));
    EXPECT_EQ(Page().WiredState(), 2) << "the cable no longer counts";
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Cable)->IsVisible()) << "its indicator stays";
    EXPECT_EQ(PowerLabel(), L"100%");
    EXPECT_EQ(Page().Online(), 1);
    EXPECT_GE(Window().TakePosted(WM_DEVICELISTCHANGED), 1);
    PumpUntil([&] { return m_ble.Registrations().size() == 1; });

    // A second arrival changes nothing; frames now go over Bluetooth LE, and the cable's removal
    // message finds it removed already.
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastName());
    uikit::PumpUntilIdle(100);
    EXPECT_EQ(m_ble.Registrations().size(), 1u);
    ClearAllWrites();
    Apply();
    EXPECT_EQ(Ids(BleWrites()), "0C 04 05 08");
    EXPECT_TRUE(CableWrites().empty());
    Page().DeliverDevMonitor(0x7F000002);
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());

    // The removal ends the subscription; the page is offline without another link.
    kit::SendInterfaceRemoval(Window().hwnd(), BleBroadcastName());
    EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));
    EXPECT_FALSE(Page().LinkIndicator(LinkKind::Ble)->IsVisible());
    EXPECT_TRUE(m_ble.Registrations().empty());
    EXPECT_EQ(Page().Online(), 0);
    EXPECT_EQ(Page().BleDevice()->Write(reinterpret_cast<const uint8_t*>("\x0C"), 1), 0) << "the match strings are gone";
}

class Gen2WithoutBluetooth : public Gen2Events, public ::testing::WithParamInterface<int> {};

TEST_P(Gen2WithoutBluetooth, NeitherTakesThePairedMouseNorReactsToItsInterface) {
    kit::PlugBluetoothMouse(0x0037);
    m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(L"PID&0037", L"d0c5f3a1b2c4"));
    Start(GetParam(), kNoLink);
    EXPECT_EQ(Page().BleDevice(), nullptr);
    EXPECT_EQ(Page().Online(), 0);
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastNameFor(11));
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastNameFor(8));
    Page().SetBleLink(true);
    EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));
    EXPECT_EQ(Page().Online(), 0);
    // Nor is a Bluetooth notification of a mouse with its id byte taken.
    Page().DeliverGattValue({IdByte(), 0x10, 0x04, 0x00});
    EXPECT_NE(Page().CurrentProfileCopy().iCurDpi, 3);
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2WithoutBluetooth, ::testing::Values(12, 13, 16));

// ---- Timers ----

TEST_F(Gen2Events, EachTimerDoesItsWorkAndModelsWithoutBluetoothHaveNoSubscribeTimer) {
    Start(11, kReceiver | k4k);
    CMainWnd& wnd = *Window();
    Window().TakePosted(PageMsgBase(11) + WM_PAGE_APPLY_OFFSET);
    wnd.OnTimer(PageTimer(11, TIMER_APPLY));
    EXPECT_EQ(Window().TakePosted(PageMsgBase(11) + WM_PAGE_APPLY_OFFSET), 1);

    for (int iStep = 0; iStep < 3; ++iStep) wnd.OnTimer(PageTimer(11, TIMER_CHARGING));
    EXPECT_EQ(ProgressValue(), 4) << "0, 2, 4";
    EXPECT_EQ(Page().ChargeValue(), 6);

    wnd.OnTimer(PageTimer(11, TIMER_SETTINGS_SCROLL));  // the settings column scrolls to its end

    wnd.OnTimer(PageTimer(11, TIMER_WIRELESS_TIMEOUT));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless));
    EXPECT_TRUE(Page().LinkUp(LinkKind::Wireless4k));
    wnd.OnTimer(PageTimer(11, TIMER_WIRELESS4K_TIMEOUT));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless4k));
    EXPECT_EQ(Page().Online(), 0);

    m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(L"PID&0037", L"d0c5f3a1b2c4"));
    Timing().uBleSubscribeMs = 600000;
    Page().SetBleLink(true);
    EXPECT_TRUE(m_ble.Registrations().empty());
    wnd.OnTimer(PageTimer(11, TIMER_BLE_SUBSCRIBE));
    EXPECT_EQ(m_ble.Registrations().size(), 1u);
    Page().SetBleLink(false);
    EXPECT_TRUE(m_ble.Registrations().empty());
}

TEST_F(Gen2Events, TheApplyTimerOfAModelWithoutBluetoothAndItsMissingSubscribeTimer) {
    Start(12, kNoLink);
    CMainWnd& wnd = *Window();
    Window().TakePosted(PageMsgBase(12) + WM_PAGE_APPLY_OFFSET);
    wnd.OnTimer(PageTimer(12, TIMER_APPLY));
    EXPECT_EQ(Window().TakePosted(PageMsgBase(12) + WM_PAGE_APPLY_OFFSET), 1);
    Page().SetBleLink(true);
    wnd.OnTimer(PageTimer(12, TIMER_BLE_SUBSCRIBE));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));
    EXPECT_TRUE(m_ble.Registrations().empty());
}

}  // namespace
}  // namespace gen2test
