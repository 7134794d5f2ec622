// The pages of MS_20, MS_22 and MS_23 on the simulated device world: a full send over the cable,
// the 2.4 GHz receiver and Bluetooth LE byte for byte (131-byte macro frames in three pieces, or
// whole over Bluetooth LE), the polling rate the mouse reports as its one-hot code, and the
// Bluetooth LE link: its start with and without the cable, its subscribe timer at every start
// and its end.
#include "tests/gen2/gen2_page_fixture.h"

#include "tests/kit/device_change.h"
#include "core/devices/device_timing.h"
#include "models/data/gen2_frames.h"
#include "core/page/page_messages.h"

#include <tuple>

namespace gen2test {
namespace {

const int kLevelCodeModels[] = {20, 22, 23};

// Button k carries a macro: a press with 20 ms, a release with 1,271 ms, a move of 12, -7.
void GiveAMacro(ProfileRecordEx& profile, int k) {
    const MacroActionEx actions[] = {Key(0x04, kActionPress, 20), Key(0x04, kActionRelease, 1271), Move(12, -7, 5)};
    CarryActions(profile.stKeys[k], kFunctionMacro, L"M", actions, 3);
    profile.stKeys[k].iLoopMode = 1;
    profile.stKeys[k].iLoopCount = 2;
    profile.stKeys[k].byColor[0] = 0x22;
}

kit::Bytes AsBytes(const FrameBytes& frame) { return kit::Bytes(frame.begin(), frame.end()); }

// What a link writes for these frames: a macro frame in its three pieces over the cable and the
// 2.4 GHz receiver, everything whole over Bluetooth LE but the rate frame.
std::vector<kit::Bytes> Written(const std::vector<FrameBytes>& frames, unsigned link) {
    std::vector<kit::Bytes> writes;
    for (const FrameBytes& f : frames) {
        if (link == kBle) {
            if (f[0] != 0x06) writes.push_back(AsBytes(f));
            continue;
        }
        if (f[0] != 0x09) {
            writes.push_back(AsBytes(f));
            continue;
        }
        for (int p = 0; p < 3; ++p) {
            const MacroChunk chunk = BuildMacroChunk(f, p, link == kCable ? ChunkLink::Cable : ChunkLink::Receiver);
            writes.emplace_back(chunk.begin(), chunk.end());
        }
    }
    return writes;
}

// ---- The first apply over each link ----

class LevelCodeFirstApply : public Gen2PageTest, public ::testing::WithParamInterface<std::tuple<int, unsigned>> {
protected:
    void SetUp() override { Start(std::get<0>(GetParam()), std::get<1>(GetParam())); }
};

TEST_P(LevelCodeFirstApply, SendsEveryGroupAndTheMacrosOfButtons1And4ByteForByteThenSaves) {
    Page().Edit([](ProfileRecordEx& p) {
        GiveAMacro(p, 0);
        GiveAMacro(p, 3);
        p.stKeys[3].iLoopCount = 7;
        p.iDpi[5] = 220;  // 12,000 DPI
        p.iRate = 0;
    });
    Apply();
    const ProfileRecordEx profile = Page().CurrentProfileCopy();
    const Gen2Model& model = Description();
    const std::vector<FrameBytes> frames = {BuildStartReport(),
                                            BuildDpiReport(model, profile),
                                            BuildLightReport(model, profile),
                                            BuildRateReport(model, profile),
                                            BuildKeyReport(model, profile),
                                            BuildMacroChain(model, 0, profile.stKeys[0]).at(0),
                                            BuildMacroChain(model, 3, profile.stKeys[3]).at(0)};
    ASSERT_EQ(frames[6].size(), 131u);
    EXPECT_EQ(ToHex(frames[6].data(), 8), "09 83 0D 01 22 00 00 07") << "button 4's first block, 13";
    EXPECT_EQ(ToHex(frames[3].data(), 5), "06 09 01 08 F7");
    EXPECT_EQ(ToHex(frames[1].data() + 13, 1), "8D") << "code 220 through the register table";
    EXPECT_EQ(ToHex(frames[1].data() + 21, 1), "01") << "and its high-range flag";
    EXPECT_EQ(ToHex(frames[4].data() + 12, 3), "12 00 0D");

    const unsigned link = std::get<1>(GetParam());
    if (link == kCable) {
        EXPECT_EQ(CableWrites(), Written(frames, kCable));
    }
    if (link == kReceiver) {
        EXPECT_EQ(Distinct(ReceiverWrites()), Written(frames, kReceiver));
        EXPECT_EQ(ReceiverWrites().size(), Written(frames, kReceiver).size()) << "each frame acknowledged at once";
        EXPECT_EQ(ReceiverWrites().back()[1], 0x0C) << "the third piece over the receiver";
    }
    if (link == kBle) {
        EXPECT_EQ(BleWrites(), Written(frames, kBle));
        EXPECT_FALSE(Page().ResendAllPending()) << "leaving out the rate frame is no failure";
    }
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->stKeys[3].iLoopCount, 7) << "the apply saved the profiles";
    EXPECT_EQ(testkit::ReadBytes(ProDataPath()).size(), 507704u + 101540u);
    EXPECT_EQ(Page().SentProfileCopy().iDpi[5], 220);
}

// The pauses of that apply: every frame ends with the frame pause; the cable pauses after each
// macro piece it took, the 2.4 GHz receiver after each attempt and each macro piece.
TEST_P(LevelCodeFirstApply, PausesAfterEveryFrameAndMacroPiece) {
    Page().Edit([](ProfileRecordEx& p) { GiveAMacro(p, 0); });
    Apply();
    const DeviceTiming& t = Timing();
    const unsigned f = t.uFramePauseMs;
    const unsigned link = std::get<1>(GetParam());
    std::vector<unsigned> expected;
    for (int i = 0; i < 5; ++i) {
        if (link == kReceiver) expected.push_back(t.uWirelessTryPauseMs);
        expected.push_back(f);
    }
    if (link == kCable) expected.insert(expected.end(), {t.uCableMacroPieceMs, t.uCableMacroPieceMs, t.uCableMacroPieceMs, f});
    if (link == kReceiver)
        expected.insert(expected.end(), {t.uWirelessMacroPieceMs, t.uWirelessMacroPieceMs, t.uWirelessMacroPieceMs, f});
    if (link == kBle) expected.push_back(f);
    EXPECT_EQ(Page().Pauses(), expected);
}

std::vector<std::tuple<int, unsigned>> FirstApplyCases() {
    std::vector<std::tuple<int, unsigned>> cases;
    for (int iModel : kLevelCodeModels)
        for (unsigned link : {unsigned{kCable}, unsigned{kReceiver}, unsigned{kBle}}) cases.emplace_back(iModel, link);
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ModelsAndLinks, LevelCodeFirstApply, ::testing::ValuesIn(FirstApplyCases()),
                         [](const auto& info) {
                             return Name(std::get<0>(info.param)) + "_" + LinkName(std::get<1>(info.param));
                         });

// ---- Events ----

class LevelCodePage : public Gen2PageTest {
protected:
    bool RateSelected(int iIndex) {
        const std::wstring strName = ControlPrefix(Model()) + L"btn_prate_" + std::to_wstring(iIndex + 1);
        auto* pOption = static_cast<DuiLib::COptionUI*>(uikit::FindControl(Window().hwnd(), strName.c_str()));
        return pOption != nullptr && pOption->IsSelected();
    }
};

class LevelCodeModel : public LevelCodePage, public ::testing::WithParamInterface<int> {};

// The mouse reports its rate as the code frame 0x06 sends: 8, 4 and 2 are the three slower rates,
// any other value the fastest. Bluetooth LE reports take values 1 to 8 only; on every road the
// rate taken selects its option.
TEST_P(LevelCodeModel, RateEventsReadTheOneHotCodeOnEveryRoad) {
    const struct {
        int iValue;
        int iCableAndReceiver;  // the index taken, -1 ignored
        int iBle;
    } rows[] = {{8, 0, 0}, {4, 1, 1}, {2, 2, 2}, {1, 3, 3}, {3, 3, 3}, {9, 3, -1}, {0, 3, -1}};
    Start(GetParam(), kNoLink);
    for (Road eRoad : {Road::Cable, Road::Receiver, Road::Ble}) {
        for (const auto& row : rows) {
            SCOPED_TRACE("value " + std::to_string(row.iValue) + " road " + std::to_string(static_cast<int>(eRoad)));
            // A known start: index 1 (frame code 4).
            Deliver(Road::Receiver, 0x20, 4);
            ASSERT_EQ(Page().CurrentProfileCopy().iRate, 1);
            Deliver(eRoad, 0x20, row.iValue);
            const int iExpected = eRoad == Road::Ble ? row.iBle : row.iCableAndReceiver;
            const int iRate = iExpected < 0 ? 1 : iExpected;
            EXPECT_EQ(Page().CurrentProfileCopy().iRate, iRate);
            EXPECT_EQ(Page().SentProfileCopy().iRate, iRate) << "the mouse has it already";
            EXPECT_EQ(SavedCurrentProfile()->iRate, iRate);
            EXPECT_TRUE(RateSelected(iRate)) << "the option shows the rate the mouse has";
        }
    }
}

// ---- The Bluetooth LE link ----

TEST_F(LevelCodePage, EveryBluetoothStartArmsTheSubscribeTimerAndEveryEndEndsTheSubscription) {
    Timing().uBleSubscribeMs = 600000;  // the timer fires when the test says so
    m_bAwaitSubscription = false;
    Start(20, kBle);
    CMainWnd& wnd = *Window();
    EXPECT_EQ(PageTimer(20, TIMER_BLE_SUBSCRIBE), 0x335u);
    EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
    EXPECT_TRUE(m_ble.Registrations().empty()) << "not before the timer";
    EXPECT_EQ(Page().WiredState(), 2) << "the cable counts as gone while Bluetooth LE is up";
    wnd.OnTimer(PageTimer(20, TIMER_BLE_SUBSCRIBE));
    EXPECT_EQ(m_ble.Registrations().size(), 1u);
    wnd.OnTimer(PageTimer(20, TIMER_BLE_SUBSCRIBE));
    EXPECT_EQ(m_ble.Registrations().size(), 1u) << "a subscription is made once";

    for (int iRound = 0; iRound < 2; ++iRound) {
        SCOPED_TRACE("round " + std::to_string(iRound));
        kit::SendInterfaceRemoval(Window().hwnd(), BleBroadcastName());
        EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));
        EXPECT_TRUE(m_ble.Registrations().empty());
        EXPECT_EQ(Page().Online(), 0);
        // A subscribe timer left over from before the end subscribes nothing.
        wnd.OnTimer(PageTimer(20, TIMER_BLE_SUBSCRIBE));
        EXPECT_TRUE(m_ble.Registrations().empty());

        kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastName());
        EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
        EXPECT_EQ(Page().Online(), 1);
        EXPECT_TRUE(m_ble.Registrations().empty()) << "each start waits for its timer";
        wnd.OnTimer(PageTimer(20, TIMER_BLE_SUBSCRIBE));
        EXPECT_EQ(m_ble.Registrations().size(), 1u);
    }

    // The mouse's notifications now reach the page.
    MouseEvent(0x10, 4, Road::Ble);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 3; });
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 3);
}

TEST_P(LevelCodeModel, TakesOnlyItsOwnBluetoothMouse) {
    Start(GetParam(), kNoLink);
    for (int iOther : kLevelCodeModels) {
        if (iOther == GetParam()) continue;
        kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastNameFor(iOther));
        EXPECT_FALSE(Page().LinkUp(LinkKind::Ble)) << Name(iOther);
    }
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastName());
    EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
    EXPECT_EQ(Page().BleDevice()->Vid(), L"VID&02045E");
    EXPECT_EQ(Page().BleDevice()->Pid(), BleProductMatch(GetParam()));
    for (int iOther : kLevelCodeModels) {
        if (iOther == GetParam()) continue;
        kit::SendInterfaceRemoval(Window().hwnd(), BleBroadcastNameFor(iOther));
        EXPECT_TRUE(Page().LinkUp(LinkKind::Ble)) << "another model's mouse leaving: " << Name(iOther);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, LevelCodeModel, ::testing::ValuesIn(kLevelCodeModels),
                         [](const auto& info) { return Name(info.param); });

// With the cable and the paired mouse both there at start, the cable no longer counts: frames go
// over Bluetooth LE, without the rate frame.
TEST_F(LevelCodePage, StartingWithTheCableAndThePairedMouseSendsOverBluetooth) {
    m_cable = kit::PlugCableMouse(FindModel(23)->wCablePid);
    Start(23, kBle);
    m_links |= kCable;
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Cable)->IsVisible()) << "the cabled mouse was opened";
    EXPECT_EQ(Page().WiredState(), 2);
    EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
    EXPECT_EQ(Page().Online(), 1);
    Apply();
    EXPECT_EQ(Ids(BleWrites()), "0C 04 05 08");
    EXPECT_TRUE(CableWrites().empty());
}

// The 2.4 GHz link drops when Bluetooth LE comes up, and coming back over the receiver it takes
// the frames again while Bluetooth stays up.
TEST_F(LevelCodePage, BluetoothComingUpDropsTheReceiverWhichTakesOverWithItsNextReport) {
    Start(22, kReceiver);
    m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(BleProductMatch(22), L"d0c5f3a1b2c4"));
    Window().TakePosted(WM_DEVICELISTCHANGED);
    kit::SendInterfaceArrival(Window().hwnd(), BleBroadcastName());
    EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless));
    EXPECT_GE(Window().TakePosted(WM_DEVICELISTCHANGED), 1);

    MouseEvent(0x40, 0x5001, Road::Receiver);
    PumpUntil([&] { return Page().LinkUp(LinkKind::Wireless); });
    ClearAllWrites();
    Apply();
    EXPECT_EQ(Ids(Distinct(ReceiverWrites())), "0C 04 05 06 08");
    EXPECT_TRUE(BleWrites().empty());
}

}  // namespace
}  // namespace gen2test
