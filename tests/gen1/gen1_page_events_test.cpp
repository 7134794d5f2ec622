// What a first-generation mouse tells its page: the event table (DPI stage, polling rate,
// battery with and without the cable over either receiver, acknowledgement, light mode, the
// save-only event), which field of the copy last sent each event touches, the receivers' presence
// timeouts, the rates the links allow, and the cabled mouse arriving and leaving through the real
// driver library.
#include "tests/gen1/gen1_page_fixture.h"

#include "core/devices/device_timing.h"
#include "tests/kit/device_change.h"
#include "core/page/page_messages.h"

#include <tuple>

namespace gen1test {
namespace {

using DuiLib::CControlUI;

class Gen1Events : public Gen1PageTest, public ::testing::WithParamInterface<int> {
protected:
    int EventWord(int iCode) const { return iCode * 256 + IdByte(); }
    // An event word handed to the page as the core hands it over, on this (the UI) thread.
    void Deliver(int iCode, int iValue) { Page().DeliverDeviceEvent(EventWord(iCode), iValue); }
    CControlUI* Control(const wchar_t* pszSuffix) {
        return uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + pszSuffix).c_str());
    }
    // MS_3, MS_4 and MS_5 read some events otherwise than MS_10, MS_1 and MS_2.
    bool LaterFamily() const { return Model() >= 3 && Model() <= 5; }
    ProfileRecord OnDisk() const { return SavedCurrentProfile(); }
};

TEST_P(Gen1Events, AStageEventSelectsTheStageAnnouncesItsDpiAndSaves) {
    Start(GetParam(), Link::Receiver);
    Window().TakePosted(WM_SHOWDPI);
    const int iStartStage = Page().CurrentProfileCopy().iCurDpi;
    Deliver(0x10, 0);
    Deliver(0x10, 9);
    Page().DeliverDeviceEvent(0x10 * 256 + (IdByte() ^ 1), 3);  // another model's id byte
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, iStartStage) << "values outside 1..8 and other models are ignored";
    EXPECT_EQ(Window().TakePosted(WM_SHOWDPI), 0);

    Deliver(0x10, 3);
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 2);
    EXPECT_EQ(Page().SentProfileCopy().iCurDpi, 2) << "the mouse has it already";
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, Window().hwnd(), WM_SHOWDPI, WM_SHOWDPI, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(Model() - 1)) << "the model's slot";
    EXPECT_EQ(msg.lParam, Page().CurrentProfileCopy().iDpi[2]) << "stage 3's value as stored";
    EXPECT_EQ(OnDisk().iCurDpi, 2);

    // The same over the receiver, as the mouse sends it.
    MouseEvent(0x10, 5);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 4; });
}

// Each case: the value the mouse reports and the rate the profile then holds (a value no rate has
// changes nothing on MS_3, MS_4 and MS_5 and means the first rate elsewhere).
TEST_P(Gen1Events, ARateEventTakesTheRateOfItsCode) {
    Start(GetParam(), Link::Receiver);
    struct Case { int iValue; int iRate; };
    std::vector<Case> cases;
    if (Model() == 3 || Model() == 4)
        cases = {{0x40, 6}, {1, 5}, {2, 4}, {4, 3}, {8, 2}, {0x10, 1}, {0x20, 0}, {3, 0}, {0x40, 6}, {9, 6}, {0, 6}};
    else if (Model() == 5)
        cases = {{1, 3}, {2, 2}, {4, 1}, {8, 0}, {3, 0}, {0x10, 0}, {2, 2}, {0, 2}, {0x40, 2}};
    else
        cases = {{1, 3}, {2, 2}, {4, 1}, {8, 0}, {2, 2}, {3, 0}, {9, 0}, {0, 0}};
    for (const Case c : cases) {
        Deliver(0x20, c.iValue);
        EXPECT_EQ(Page().CurrentProfileCopy().iRate, c.iRate) << "value " << c.iValue;
        EXPECT_EQ(Page().SentProfileCopy().iRate, c.iRate) << "value " << c.iValue;
    }
    EXPECT_EQ(OnDisk().iRate, cases.back().iRate);
    // A code no rate has is still saved where it is read at all.
    DeleteFileW(ProDataPath().c_str());
    Deliver(0x20, 3);
    EXPECT_EQ(ProDataExists(), true);
    DeleteFileW(ProDataPath().c_str());
    Deliver(0x20, 0x80);
    EXPECT_EQ(ProDataExists(), LaterFamily()) << "outside 1..8: read only by MS_3, MS_4 and MS_5";
}

TEST_P(Gen1Events, LightModeAndTheSaveOnlyEvent) {
    Start(GetParam(), Link::Receiver);
    Deliver(0x70, 5);
    Deliver(0x70, 8);  // outside 0..7
    EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, 5);
    EXPECT_EQ(Page().SentProfileCopy().iLightMode, 5);
    EXPECT_EQ(OnDisk().iLightMode, 5);

    DeleteFileW(ProDataPath().c_str());
    const int iLevelBefore = Page().BatteryLevel();
    Deliver(0x80, 6);
    Deliver(0x60, 3);
    EXPECT_FALSE(ProDataExists()) << "0x80 beyond 5 and 0x60 save nothing";
    // MS_3, MS_4 and MS_5 take 0x60 (1..10) as the battery level.
    EXPECT_EQ(Page().BatteryLevel(), LaterFamily() ? 3 : iLevelBefore);
    Deliver(0x60, 11);
    EXPECT_EQ(Page().BatteryLevel(), LaterFamily() ? 3 : iLevelBefore);
    Deliver(0x80, 1);
    EXPECT_TRUE(ProDataExists());
}

TEST_P(Gen1Events, AnEventMarksOnlyItsOwnFieldAsSentSoPendingEditsStillGoOut) {
    Start(GetParam(), Link::Receiver);
    Apply();
    ClearWrites();
    Page().Edit([](ProfileRecord& p) { p.iBrightness = 2; });
    Deliver(0x10, 4);
    Deliver(0x20, 2);
    Deliver(0x70, 1);
    EXPECT_NE(Page().SentProfileCopy().iBrightness, 2);
    Apply();
    EXPECT_EQ(Ids(Distinct(ReceiverWrites())), "0C 05") << "the stage, rate and mode are the mouse's own; the brightness is not";
}

TEST_P(Gen1Events, BatteryReportsWithoutTheCable) {
    Start(GetParam(), Link::Receiver);
    auto* pBar = static_cast<DuiLib::CProgressUI*>(Control(L"progress_power"));
    CControlUI* pLabel = Control(L"label_power");
    ASSERT_NE(pBar, nullptr);
    ASSERT_NE(pLabel, nullptr);

    Deliver(0x40, 57 * 256 + 1);
    EXPECT_EQ(pBar->GetValue(), 57);
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"57%");
    EXPECT_FALSE(pLabel->IsResourceText());
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Wireless)->IsVisible());
    EXPECT_EQ(Page().Online(), 1);
    EXPECT_FALSE(Page().Sleeping());

    Deliver(0x40, 0 * 256 + 1);
    Deliver(0x40, 101 * 256 + 1);
    EXPECT_EQ(pBar->GetValue(), 57) << "levels outside 1..100 leave the display";

    Deliver(0x40, 40 * 256 + 3);
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"charging_text");
    EXPECT_TRUE(pLabel->IsResourceText());
    EXPECT_EQ(Page().BatteryStatusValue(), 3);

    Deliver(0x40, 2);
    EXPECT_EQ(pBar->GetValue(), 100);
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"100%");
    EXPECT_EQ(Page().LinkUp(LinkKind::Wireless), true) << "full on battery power: still the receiver";
}

TEST_P(Gen1Events, AFullBatteryOnTheCableLeavesTheMouseOnTheCable) {
    Start(GetParam(), Link::Cable);
    // Reports from the cabled mouse come through the driver library.
    MouseEvent(0x40, 70 * 256 + 1, Link::Cable);
    PumpUntil([&] { return Page().LinkUp(LinkKind::Wireless); });
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Wireless)->IsVisible());
    MouseEvent(0x40, 2, Link::Cable);
    PumpUntil([&] { return !Page().LinkUp(LinkKind::Wireless); });
    EXPECT_FALSE(Page().LinkIndicator(LinkKind::Wireless)->IsVisible());
    EXPECT_EQ(Page().Online(), 1) << "online through the cable";
    EXPECT_EQ(static_cast<DuiLib::CProgressUI*>(Control(L"progress_power"))->GetValue(), 100);
}

// Charging reported over the 2.4 GHz receiver while the cable is in: MS_3, MS_4 and MS_5 drop the
// receiver link (the cable carries the mouse), the others keep it up.
TEST_P(Gen1Events, ChargingOverTheReceiverWithTheCableIn) {
    Start(GetParam(), Link::Both);
    ASSERT_TRUE(Page().LinkUp(LinkKind::Wireless));
    Deliver(0x40, 3);
    EXPECT_EQ(Page().LinkUp(LinkKind::Wireless), !LaterFamily());
    EXPECT_EQ(Page().LinkIndicator(LinkKind::Wireless)->IsVisible(), !LaterFamily());
    EXPECT_EQ(std::wstring(Control(L"label_power")->GetTextSource().GetData()), L"charging_text");
    EXPECT_EQ(Page().Online(), 1) << "online through the cable";
    EXPECT_FALSE(Page().Sleeping());
    // Without the cable a charging report brings the link back.
    kit::UnplugCableMouse(m_cable);
    PumpUntil([&] { return Page().WiredState() == 2; });
    Deliver(0x40, 3);
    EXPECT_TRUE(Page().LinkUp(LinkKind::Wireless));
    EXPECT_FALSE(Page().Sleeping());
}

// A receiver that goes quiet for the presence time takes its link down; the page goes offline
// without another link, and the mouse is not taken as asleep.
TEST_P(Gen1Events, AQuietReceiverTimesOut) {
    Timing().uPresenceTimeoutMs = 150;
    const Link eOver = FindModel(GetParam())->Has4k() ? Link::Receiver4k : Link::Receiver;
    Start(GetParam(), eOver);
    const LinkKind eKind = eOver == Link::Receiver4k ? LinkKind::Wireless4k : LinkKind::Wireless;
    ASSERT_TRUE(Page().LinkUp(eKind));
    Window().TakePosted(WM_DEVICELISTCHANGED);
    PumpUntil([&] { return !Page().LinkUp(eKind); }, 5000);
    EXPECT_FALSE(Page().LinkIndicator(eKind)->IsVisible());
    EXPECT_EQ(Page().Online(), 0);
    EXPECT_FALSE(Page().Sleeping());
}

TEST_P(Gen1Events, AnAcknowledgementOverTheCableCountsForTheFrameInFlight) {
    Start(GetParam(), Link::Cable);
    const CAckWindow::Epoch epoch = Page().OpenAckWindow();
    MouseEvent(0x50, 1, Link::Cable);
    MouseEvent(0x50, 0, Link::Cable);
    PumpUntil([&] { return Page().AckArrived(epoch); });
    MouseEvent(0x50, 1, Link::Cable);
    PumpUntil([&] { return !Page().AckArrived(epoch); });
}

TEST_P(Gen1Events, TheCabledMouseComesAndGoesTwice) {
    Start(GetParam(), Link::Cable);
    CControlUI* pLabel = Control(L"label_power");
    for (int iRound = 1; iRound <= 2; ++iRound) {
        kit::UnplugCableMouse(m_cable);
        PumpUntil([&] { return Page().WiredState() == 2; });
        EXPECT_TRUE(Page().Sleeping()) << "round " << iRound;
        EXPECT_EQ(Page().Online(), 0);
        EXPECT_FALSE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());
        EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"");

        m_cable = kit::PlugCableMouse(m_cable.productId);
        PumpUntil([&] { return Page().WiredState() == 1; });
        EXPECT_FALSE(Page().Sleeping());
        EXPECT_EQ(Page().Online(), 1);
        EXPECT_TRUE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());
        EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"charging_text");
        EXPECT_TRUE(pLabel->IsResourceText());
    }
    // The mouse answers on the cable after it came back.
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
}

TEST_P(Gen1Events, AMouseThatCannotBeOpenedIsNotTakenAsPresentAndTheNextArrivalTriesAgain) {
    Start(GetParam(), Link::Cable);
    kit::UnplugCableMouse(m_cable);
    PumpUntil([&] { return Page().WiredState() == 2; });

    m_cable = kit::PlugCableMouse(m_cable.productId, "", kit::Announce::No);
    simhid_set_faults(m_cable.id, SIMHID_FAULT_OPEN);
    kit::BroadcastInterfaceArrival(m_cable.path);
    // The library reports the arrival; opening fails after the settling pause.
    uikit::PumpUntilIdle(300);
    Sleep(static_cast<DWORD>(Timing().uCableArrivalMs) * 3);
    uikit::PumpUntilIdle(300);
    EXPECT_NE(Page().WiredState(), 1);
    EXPECT_TRUE(Page().Sleeping());

    // The next arrival the library reports finds the mouse openable.
    simhid_set_faults(m_cable.id, 0);
    ::PostMessageW(Window().hwnd(), PageMsgBase(Model()) + WM_PAGE_DEVLINK_OFFSET, 1, 0);
    PumpUntil([&] { return Page().WiredState() == 1; });
    EXPECT_FALSE(Page().Sleeping());
}

TEST_P(Gen1Events, TheSettlingPauseOfAnArrivalDoesNotHoldTheWindow) {
    Start(GetParam(), Link::Cable);
    Timing().uCableArrivalMs = 1000;
    kit::UnplugCableMouse(m_cable);
    PumpUntil([&] { return Page().WiredState() == 2; });
    const ULONGLONG ullStart = GetTickCount64();
    Page().DeliverDevMonitor(0x7F000001);  // the library's arrival, as the router hands it over
    Page().DeliverDevMonitor(0x7F000001);  // and again: one opening only
    EXPECT_LT(GetTickCount64() - ullStart, 500u) << "the handler returned without waiting";
    EXPECT_NE(Page().WiredState(), 1) << "not opened before the pause";
    m_cable = kit::PlugCableMouse(m_cable.productId, "", kit::Announce::No);
    PumpUntil([&] { return Page().WiredState() == 1; }, 5000);
}

// The program starts a model's page only once its mouse is there: a cabled mouse plugged in after
// the start starts its page from the arrival, settles, and then comes up as on a running page:
// its tab, its indicator, and the mouse answers the first apply on the cable.
TEST_P(Gen1Events, AMousePluggedInAfterTheStartStartsItsPageAndComesUp) {
    m_ePageStart = PageStart::AsFound;
    Start(GetParam(), Link::None);
    EXPECT_FALSE(Window()->PageActive(Model()));
    EXPECT_EQ(Page().WorkerThreadId(), 0u) << "no worker for a model without its mouse";
    m_cable = kit::PlugCableMouse(FindModel(Model())->wCablePid);
    m_bCable = true;
    EXPECT_TRUE(Window()->PageActive(Model()));
    EXPECT_NE(Page().WiredState(), 1) << "opened only once it has settled";
    PumpUntil([&] { return Page().WiredState() == 1 && Window()->Connected(Model()); });
    EXPECT_FALSE(Page().Sleeping());
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1Events, ::testing::Values(10, 1, 2, 3, 4, 5),
                         [](const auto& info) { return "MS_" + std::to_string(info.param); });

// ---- The 4K receiver (MS_3, MS_4) ----

class Gen1Events4k : public Gen1PageTest, public ::testing::WithParamInterface<int> {
protected:
    void Deliver4k(int iCode, int iValue) { Page().DeliverDeviceEvent4k(iCode * 256 + IdByte(), iValue); }
};

// A battery report over the 4K receiver keeps that link up whatever the cable, except a full
// battery with the cable in, which leaves the mouse on the cable.
TEST_P(Gen1Events4k, BatteryReportsOverTheFourKReceiver) {
    const struct {
        const char* pszCase;
        Link eLinks;
        int iValue;
        bool b4kUp;
        int iShown;  // the battery display afterwards, -1: "charging_text"
    } rows[] = {
        {"on battery, no cable", Link::Receiver4k, 57 * 256 + 1, true, 57},
        {"full, no cable", Link::Receiver4k, 2, true, 100},
        {"charging, no cable", Link::Receiver4k, 3, true, -1},
        {"on battery, cable", Link::Cable4k, 64 * 256 + 1, true, 64},
        {"charging, cable", Link::Cable4k, 3, true, -1},
        {"full, cable", Link::Cable4k, 2, false, 100},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszCase);
        Start(GetParam(), row.eLinks);
        Deliver4k(0x40, row.iValue);
        EXPECT_EQ(Page().LinkUp(LinkKind::Wireless4k), row.b4kUp);
        EXPECT_EQ(Page().LinkIndicator(LinkKind::Wireless4k)->IsVisible(), row.b4kUp);
        EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless)) << "the 2.4 GHz link is not touched";
        EXPECT_FALSE(Page().Sleeping());
        EXPECT_EQ(Page().Online(), 1);
        const std::wstring strLabel = uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + L"label_power").c_str())
                                          ->GetTextSource()
                                          .GetData();
        EXPECT_EQ(strLabel, row.iShown < 0 ? std::wstring(L"charging_text") : std::to_wstring(row.iShown) + L"%");
        Stop();
    }
}

// The other events read over the 4K receiver as over the 2.4 GHz one.
TEST_P(Gen1Events4k, StageRateAndLightEventsOverTheFourKReceiver) {
    Start(GetParam(), Link::Receiver4k);
    Apply();
    MouseEvent(0x10, 3, Link::Receiver4k);
    MouseEvent(0x20, 0x10, Link::Receiver4k);
    MouseEvent(0x70, 4, Link::Receiver4k);
    PumpUntil([&] { return Page().CurrentProfileCopy().iLightMode == 4; });
    const ProfileRecord p = Page().CurrentProfileCopy();
    EXPECT_EQ(p.iCurDpi, 2);
    EXPECT_EQ(p.iRate, 1);
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(Frames(Link::Receiver4k)), "0C") << "the mouse's own changes are not sent back";
}

// The highest rates work over the 4K receiver alone: a cable arriving while the 4K receiver is up
// takes rate index 6 down to 3 (code 04), which the next apply sends over the cable.
TEST_P(Gen1Events4k, TheCableArrivingTakesTheRateDownToWhatItCarries) {
    Start(GetParam(), Link::Receiver4k);
    Apply();
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 6);
    PlugCableAndSettle();
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 3);
    EXPECT_EQ(Page().SentProfileCopy().iRate, 6) << "not sent yet";
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C 06");
    EXPECT_EQ(ToHex(CableWrites()[1]), "06 09 01 04 FB 00 00 00 00");
    EXPECT_TRUE(Receiver4kWrites().empty());
}

// ---- MS_6: a rate of its own over the 4K receiver ----

class Gen1Ms6Events : public Gen1PageTest {
protected:
    bool OptionSelected(const wchar_t* pszSuffix) {
        auto* pOption = Page().FindPageControl<DuiLib::COptionUI>(pszSuffix);
        return pOption != nullptr && pOption->IsSelected();
    }
};

// Each link reports the option number of its own rate: the 4K receiver's in the high nibble,
// the others' in the low one; a number without an option changes nothing.
TEST_F(Gen1Ms6Events, RateAndLightEventsPerLink) {
    Start(6, static_cast<Link>(static_cast<int>(Link::Receiver) | static_cast<int>(Link::Receiver4k)));
    const struct {
        Link eOver;
        uint8_t byCode;
        uint16_t wValue;
        int32_t iRate, iRateHs, iLightMode;  // afterwards
        const wchar_t* pszSelected;          // the option then selected, or nullptr
    } rows[] = {
        {Link::Receiver4k, 0x20, 0x31, 3, 2, 0, L"btn_prate_hs_3"},  // the low nibble is not the 4K's
        {Link::Receiver4k, 0x20, 0x70, 3, 6, 0, L"btn_prate_hs_7"},
        {Link::Receiver4k, 0x20, 0x30, 3, 2, 0, L"btn_prate_hs_3"},
        {Link::Receiver4k, 0x20, 0x00, 3, 2, 0, nullptr},
        {Link::Receiver4k, 0x20, 0x80, 3, 2, 0, nullptr},
        {Link::Receiver, 0x20, 0x02, 1, 2, 0, L"btn_prate_2"},
        {Link::Receiver, 0x20, 0x75, 1, 2, 0, nullptr},            // option 5 does not exist
        {Link::Receiver, 0x20, 0x00, 1, 2, 0, nullptr},
        {Link::Receiver, 0x70, 0xB0, 1, 2, 11, nullptr},           // the mode in the high nibble
        {Link::Receiver, 0x70, 0xC0, 1, 2, 11, nullptr},           // no mode 12
        {Link::Receiver4k, 0x70, 0x05, 1, 2, 5, nullptr},          // the 4K receiver sends the mode itself
        {Link::Receiver4k, 0x70, 0x08, 1, 2, 5, nullptr},
    };
    int i = 0;
    for (const auto& row : rows) {
        ++i;
        const unsigned uAppliesBefore = Page().AppliesRun();
        MouseEvent(row.byCode, row.wValue, row.eOver);
        // A stage event behind it on the same road: once it is in, the row has been handled.
        const int iStage = (i + 1) % kDpiStageCount;  // never the stage before it
        MouseEvent(0x10, static_cast<uint16_t>(iStage + 1), row.eOver);
        PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == iStage; });
        const ProfileRecord p = Page().CurrentProfileCopy();
        EXPECT_EQ(p.iRate, row.iRate) << "row " << i;
        EXPECT_EQ(p.iRateHs, row.iRateHs) << "row " << i;
        EXPECT_EQ(p.iLightMode, row.iLightMode) << "row " << i;
        const ProfileRecord sent = Page().SentProfileCopy();
        EXPECT_EQ(sent.iRate, p.iRate) << "the mouse's own change is not sent back, row " << i;
        EXPECT_EQ(sent.iRateHs, p.iRateHs) << "row " << i;
        if (row.pszSelected != nullptr) {
            EXPECT_TRUE(OptionSelected(row.pszSelected)) << "row " << i;
        }
        EXPECT_EQ(Page().AppliesRun(), uAppliesBefore);
    }
    // The saved file holds what the events left, once the saves they asked for are made.
    PumpUntil([&] { return Page().SavesSettled(); });
    const std::vector<uint8_t> file = ReadBytes(ProDataPath());
    ASSERT_EQ(file.size(), 197980u);
    EXPECT_EQ(file[164984 + 2360], 1);
    EXPECT_EQ(file[164984 + 2364], 2);
    EXPECT_EQ(file[164984 + 2384], 5);
}

// A cabled MS_6 arriving takes over from both receivers; the page stays online.
TEST_F(Gen1Ms6Events, TheCableArrivingDropsBothReceivers) {
    Start(6, static_cast<Link>(static_cast<int>(Link::Receiver) | static_cast<int>(Link::Receiver4k)));
    ASSERT_TRUE(Page().LinkUp(LinkKind::Wireless));
    ASSERT_TRUE(Page().LinkUp(LinkKind::Wireless4k));
    PlugCableAndSettle();
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless4k));
    EXPECT_FALSE(Page().LinkIndicator(LinkKind::Wireless4k)->IsVisible());
    EXPECT_EQ(Page().Online(), 1);
    EXPECT_FALSE(Page().Sleeping());
}

INSTANTIATE_TEST_SUITE_P(FourKModels, Gen1Events4k, ::testing::Values(3, 4),
                         [](const auto& info) { return "MS_" + std::to_string(info.param); });

// ---- MS_7 and MS_9 over the cable and the 2.4 GHz receiver ----

// The event words of MS_7 and MS_9 as they come over the cable (the driver library's packed word)
// or over the 2.4 GHz receiver, with the cable plugged for the first and the receiver alone for
// the second.
class Gen1BluetoothModelEvents : public Gen1PageTest, public ::testing::WithParamInterface<std::tuple<int, Link>> {
protected:
    void SetUp() override { Start(std::get<0>(GetParam()), Road()); }
    Link Road() const { return std::get<1>(GetParam()); }
    void Deliver(int iCode, int iValue) {
        const int iWord = iCode * 256 + IdByte();
        if (Road() == Link::Cable)
            Page().DeliverDevMonitor(static_cast<DWORD>(iWord) << 16 | static_cast<DWORD>(iValue));
        else
            Page().DeliverDeviceEvent(iWord, iValue);
    }
    CControlUI* Control(const wchar_t* pszSuffix) { return Page().FindPageControl(pszSuffix); }
    bool Selected(const std::wstring& strSuffix) {
        auto* pOption = Page().FindPageControl<DuiLib::COptionUI>(strSuffix.c_str());
        return pOption != nullptr && pOption->IsSelected();
    }
    bool Visible(const wchar_t* pszSuffix) {
        CControlUI* pControl = Control(pszSuffix);
        return pControl != nullptr && pControl->IsVisible();
    }
    // Whether the charging timer is set (it is set again as it was).
    bool AnimationRuns() {
        const UINT_PTR uId = PageTimer(Model(), TIMER_CHARGING);
        if (!::KillTimer(Window().hwnd(), uId)) return false;
        ::SetTimer(Window().hwnd(), uId, 30, nullptr);
        return true;
    }
};

TEST_P(Gen1BluetoothModelEvents, StageEvents) {
    const struct {
        int iValue;
        int iStage;  // afterwards; the same as before when the value is ignored
        bool bAnnounced;
    } rows[] = {{3, 2, true}, {0, 2, false}, {9, 2, false}, {8, 7, true}, {0x103, 7, false}, {1, 0, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE("value " + std::to_string(row.iValue));
        DeleteFileW(ProDataPath().c_str());
        Window().TakePosted(WM_SHOWDPI);
        Deliver(0x10, row.iValue);
        const ProfileRecord p = Page().CurrentProfileCopy();
        EXPECT_EQ(p.iCurDpi, row.iStage);
        EXPECT_EQ(Page().SentProfileCopy().iCurDpi, row.iStage) << "the mouse has it already";
        EXPECT_TRUE(Selected(L"option_dpi_step_" + std::to_wstring(row.iStage + 1)));
        MSG msg{};
        ASSERT_EQ(PeekMessageW(&msg, Window().hwnd(), WM_SHOWDPI, WM_SHOWDPI, PM_REMOVE) != FALSE, row.bAnnounced);
        EXPECT_EQ(ProDataExists(), row.bAnnounced) << "saved when taken";
        if (!row.bAnnounced) continue;
        EXPECT_EQ(msg.wParam, static_cast<WPARAM>(Model() - 1)) << "the model's slot";
        EXPECT_EQ(msg.lParam, p.iDpi[row.iStage]) << "the stage's value as stored";
        EXPECT_EQ(SavedCurrentProfile().iCurDpi, row.iStage);
    }
}

// The rate codes of frame 0x06: 8, 4, 2, 1 are the four rates; another code keeps the rate, which
// is shown and saved all the same.
TEST_P(Gen1BluetoothModelEvents, RateEvents) {
    const struct {
        int iValue;
        int iRate;  // afterwards
    } rows[] = {{8, 0}, {4, 1}, {3, 1}, {2, 2}, {0, 2}, {1, 3}, {0x10, 3}, {8, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE("value " + std::to_string(row.iValue));
        DeleteFileW(ProDataPath().c_str());
        Deliver(0x20, row.iValue);
        EXPECT_EQ(Page().CurrentProfileCopy().iRate, row.iRate);
        EXPECT_EQ(Page().SentProfileCopy().iRate, row.iRate) << "the mouse has it already";
        EXPECT_TRUE(Selected(L"btn_prate_" + std::to_wstring(row.iRate + 1)));
        CControlUI* pLabel = Control(L"label_prate");
        ASSERT_NE(pLabel, nullptr);
        EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"prate_" + std::to_wstring(row.iRate + 1) + L"_text");
        EXPECT_EQ(SavedCurrentProfile().iRate, row.iRate);
    }
}

// The mode comes in the high nibble; a mode the light combo has no item for is ignored. The combo
// and the light rows show the mode the mouse has now.
TEST_P(Gen1BluetoothModelEvents, LightModeEvents) {
    const struct {
        int iValue;
        int iMode;  // afterwards
        bool bBrightness, bBreathSpeed, bColor;
    } rows[] = {{0x10, 1, true, false, true},  {0x25, 2, false, true, true}, {0xB0, 11, false, true, false},
                {0xC0, 11, false, true, false}, {0x07, 0, false, false, false}, {0x35, 3, false, true, false}};
    auto* pCombo = Page().FindPageControl<DuiLib::CComboUI>(L"combo_light");
    ASSERT_NE(pCombo, nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE("value " + std::to_string(row.iValue));
        Deliver(0x70, row.iValue);
        EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, row.iMode);
        EXPECT_EQ(Page().SentProfileCopy().iLightMode, row.iMode) << "the mouse has it already";
        EXPECT_EQ(pCombo->GetCurSel(), row.iMode);
        EXPECT_EQ(Visible(L"ver_brightness"), row.bBrightness);
        EXPECT_EQ(Visible(L"ver_breathspeed"), row.bBreathSpeed);
        EXPECT_EQ(Visible(L"hor_light_color"), row.bColor);
        EXPECT_EQ(SavedCurrentProfile().iLightMode, row.iMode);
    }
}

// Battery reports keep the 2.4 GHz link: raised by a report on battery (even with the cable in),
// dropped by a full or charging mouse on the cable, which then reaches it.
TEST_P(Gen1BluetoothModelEvents, BatteryEvents) {
    const bool bCable = Road() == Link::Cable;
    const struct {
        int iValue;
        const wchar_t* pszLabel;
        bool bWirelessWithCable, bWirelessAlone;  // the 2.4 GHz link afterwards
    } rows[] = {
        {57 * 256 + 1, L"57%", true, true},
        {0 * 256 + 1, L"57%", true, true},  // no level: the display stays
        {101 * 256 + 1, L"57%", true, true},
        {3, L"charging_text", false, true},
        {70 * 256 + 0, L"70%", true, true},
        {2, L"100%", false, true},
    };
    CControlUI* pLabel = Control(L"label_power");
    auto* pBar = Page().FindPageControl<DuiLib::CProgressUI>(L"progress_power");
    ASSERT_NE(pLabel, nullptr);
    ASSERT_NE(pBar, nullptr);
    for (const auto& row : rows) {
        SCOPED_TRACE("value " + std::to_string(row.iValue));
        DeleteFileW(ProDataPath().c_str());
        Deliver(0x40, row.iValue);
        const std::wstring strLabel = pLabel->GetTextSource().GetData();
        EXPECT_EQ(strLabel, row.pszLabel);
        const bool bCharging = strLabel == L"charging_text";
        EXPECT_EQ(AnimationRuns(), bCharging);
        if (!bCharging) EXPECT_EQ(pBar->GetValue(), std::stoi(strLabel));
        const bool bWireless = bCable ? row.bWirelessWithCable : row.bWirelessAlone;
        EXPECT_EQ(Page().LinkUp(LinkKind::Wireless), bWireless);
        EXPECT_EQ(Page().LinkIndicator(LinkKind::Wireless)->IsVisible(), bWireless);
        EXPECT_EQ(Page().Online(), 1);
        EXPECT_FALSE(ProDataExists()) << "a battery report saves nothing";
    }
}

// The same events as the mouse sends them, over the road itself.
TEST_P(Gen1BluetoothModelEvents, TheRoadDeliversThem) {
    MouseEvent(0x20, 2, Road());
    MouseEvent(0x70, 0x40, Road());
    MouseEvent(0x40, 33 * 256 + 1, Road());
    MouseEvent(0x10, 6, Road());
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 5; });
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 2);
    EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, 4);
    EXPECT_EQ(std::wstring(Control(L"label_power")->GetTextSource().GetData()), L"33%");
}

INSTANTIATE_TEST_SUITE_P(ModelsAndRoads, Gen1BluetoothModelEvents,
                         ::testing::Combine(::testing::Values(7, 9), ::testing::Values(Link::Cable, Link::Receiver)),
                         [](const auto& info) {
                             return "MS_" + std::to_string(std::get<0>(info.param)) +
                                    (std::get<1>(info.param) == Link::Cable ? "_Cable" : "_Receiver");
                         });

}  // namespace
}  // namespace gen1test
