// What a first-generation mouse tells its page: the event table (DPI stage, polling rate,
// battery with and without the cable, acknowledgement, light mode, the save-only event), which
// field of the copy last sent each event touches, and the cabled mouse arriving and leaving
// through the real driver library.
#include "gen1_page_fixture.h"

#include "device_timing.h"
#include "device_change.h"
#include "page_messages.h"

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
    ProfileRecord OnDisk() {
        Gen1Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
        ProfileList profiles;
        ProDataHeader header;
        storage.LoadProData(profiles, header);
        return profiles.empty() ? ProfileRecord{} : *profiles[static_cast<size_t>(header.iCurProfile)];
    }
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

TEST_P(Gen1Events, ARateEventTakesTheRateOfItsCode) {
    Start(GetParam(), Link::Receiver);
    struct Case { int iValue; int iRate; };
    for (const Case c : {Case{1, 3}, Case{2, 2}, Case{4, 1}, Case{8, 0}, Case{2, 2}, Case{3, 0}, Case{9, 0}, Case{0, 0}}) {
        Deliver(0x20, c.iValue);
        EXPECT_EQ(Page().CurrentProfileCopy().iRate, c.iRate) << "value " << c.iValue;
        EXPECT_EQ(Page().SentProfileCopy().iRate, c.iRate) << "value " << c.iValue;
    }
    EXPECT_EQ(OnDisk().iRate, 0);
}

TEST_P(Gen1Events, LightModeAndTheSaveOnlyEvent) {
    Start(GetParam(), Link::Receiver);
    Deliver(0x70, 5);
    Deliver(0x70, 8);  // outside 0..7
    EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, 5);
    EXPECT_EQ(Page().SentProfileCopy().iLightMode, 5);
    EXPECT_EQ(OnDisk().iLightMode, 5);

    DeleteFileW(ProDataPath().c_str());
    Deliver(0x80, 6);
    Deliver(0x60, 3);
    EXPECT_FALSE(FileExists(ProDataPath())) << "0x80 beyond 5 and 0x60 save nothing";
    Deliver(0x80, 1);
    EXPECT_TRUE(FileExists(ProDataPath()));
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

INSTANTIATE_TEST_SUITE_P(Models, Gen1Events, ::testing::Values(10, 1, 2),
                         [](const auto& info) { return "MS_" + std::to_string(info.param); });

}  // namespace
}  // namespace gen1test
