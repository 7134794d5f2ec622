// The pages of the sensor models MS_15, MS_17, MS_21 and MS_24 on the simulated device world: the
// sensor mode chosen on the page and its hold on the 4K receiver's fastest rates, the polling
// section by link, the light section kept hidden, the battery reports of each model with MS_15's
// raised display, frame 0x04 byte for byte over the link up, MS_21 over Bluetooth LE, and a macro
// under MS_24's own block.
#include "tests/gen2/gen2_page_fixture.h"

#include "models/data/gen2_frames.h"

namespace gen2test {
namespace {

using DuiLib::CControlUI;
using DuiLib::COptionUI;

class Gen2SensorPage : public Gen2PageTest {
protected:
    Gen2SensorPage() { m_bShowWindow = true; }
    CControlUI* Control(const std::wstring& strSuffix) {
        return uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + strSuffix).c_str());
    }
    bool Visible(const std::wstring& strSuffix) {
        CControlUI* pControl = Control(strSuffix);
        return pControl != nullptr && pControl->IsVisible();
    }
    void ClickOn(const std::wstring& strSuffix) {
        ASSERT_TRUE(pagetest::ClickInSettings(Window().hwnd(), Model(), strSuffix)) << WideToText(strSuffix);
    }
    // The high-speed rate options a person can choose (1-based numbers).
    std::string EnabledHsOptions() {
        std::string str;
        for (int i = 1; i <= 7; ++i) {
            auto* pOption = ControlAs<COptionUI>(Control(L"btn_prate_hs_" + std::to_wstring(i)));
            if (pOption != nullptr && pOption->IsEnabled()) str += std::to_string(i);
        }
        return str;
    }
    bool HsSelected(int i) {
        auto* pOption = ControlAs<COptionUI>(Control(L"btn_prate_hs_" + std::to_wstring(i)));
        return pOption != nullptr && pOption->IsSelected();
    }
    // The reports the 4K receiver got, unwrapped ("04 len 00" header dropped).
    std::vector<kit::Bytes> FourKReports() {
        std::vector<kit::Bytes> reports;
        for (const kit::Bytes& write : FourKWrites())
            if (write.size() > 4) reports.emplace_back(write.begin() + 3, write.begin() + 3 + (write[1] - 5));
        return reports;
    }
    std::wstring PowerLabel() { return Control(L"label_power")->GetText().GetData(); }
    static std::string WideToText(const std::wstring& str) { return std::string(str.begin(), str.end()); }
};

// ---- The sensor mode ----

// Over the 4K receiver the highest mode offers all seven high-speed rates; a lower one only the
// first four, the fastest of those taking the place of a faster chosen rate; each choice sends at
// once, with the rate frame when the rate came down.
class Gen2SensorModels : public Gen2SensorPage, public ::testing::WithParamInterface<int> {};

TEST_P(Gen2SensorModels, TheSensorModeHoldsTheFourKRatesBelowItsHighestMode) {
    Start(GetParam(), k4k);
    Apply();  // the first apply sends everything
    ClearAllWrites();
    ClickOn(L"check_prate");
    EXPECT_TRUE(Visible(L"ver_prate_hs"));
    EXPECT_TRUE(Visible(L"ver_sensor_mode"));
    EXPECT_FALSE(Visible(L"ver_prate"));
    EXPECT_EQ(EnabledHsOptions(), "1234567");
    EXPECT_TRUE(HsSelected(7)) << "the factory rate";

    const unsigned uApplies = Page().AppliesRun();
    ClickOn(L"option_sensor_mode_2");
    ASSERT_TRUE(WaitForApplies(uApplies + 1));
    EXPECT_EQ(EnabledHsOptions(), "1234");
    EXPECT_TRUE(HsSelected(4));
    EXPECT_EQ(Page().CurrentProfileCopy().iSensorMode, 1);
    EXPECT_EQ(Page().CurrentProfileCopy().iRateHs, 3);
    std::vector<kit::Bytes> reports = FourKReports();
    ASSERT_EQ(Ids(reports), "04 06");
    EXPECT_EQ(pagetest::Slice(reports[0], 3, 5), "01 01 3F 01 00") << "mode 1 in byte 6";
    EXPECT_EQ(pagetest::Slice(reports[1], 3, 2), "44 BB") << "high-speed option 4, rate option 4";

    ClearAllWrites();
    ClickOn(L"option_sensor_mode_4");
    ASSERT_TRUE(WaitForApplies(uApplies + 2));
    EXPECT_EQ(EnabledHsOptions(), "1234567");
    EXPECT_TRUE(HsSelected(4)) << "the rate stays where it came down to";
    reports = FourKReports();
    ASSERT_EQ(Ids(reports), "04");
    EXPECT_EQ(pagetest::Slice(reports[0], 3, 5), "01 01 3F 03 00");
    EXPECT_TRUE(pagetest::ChecksumHolds(reports[0], 50));
}

// Chosen while the 4K receiver is away (over the 2.4 GHz receiver), a lower mode leaves the fast
// rate; when the 4K receiver reports again the hold takes it down and the mouse gets it there.
TEST_F(Gen2SensorPage, TheHoldCatchesUpWhenTheFourKReceiverLinksUp) {
    Start(17, kReceiver | k4k);
    Apply();
    // The 4K receiver's presence times out.
    Page().RunStandardTimer(TIMER_WIRELESS4K_TIMEOUT);
    ASSERT_FALSE(Page().LinkUp(LinkKind::Wireless4k));
    ClearAllWrites();
    ClickOn(L"check_prate");
    EXPECT_TRUE(Visible(L"ver_prate"));
    EXPECT_TRUE(Visible(L"ver_sensor_mode")) << "offered over the receivers";
    const unsigned uApplies = Page().AppliesRun();
    ClickOn(L"option_sensor_mode_1");
    ASSERT_TRUE(WaitForApplies(uApplies + 1));
    EXPECT_EQ(Page().CurrentProfileCopy().iRateHs, 6) << "no 4K link: the rate stays";
    EXPECT_EQ(Page().SentProfileCopy().iSensorMode, 0);
    EXPECT_EQ(Ids(Distinct(ReceiverWrites())), "04");

    MouseEvent(0x40, 0x5001, Road::Wireless4k);
    PumpUntil([&] { return Page().LinkUp(LinkKind::Wireless4k); });
    ASSERT_TRUE(WaitForApplies(uApplies + 2));
    EXPECT_EQ(Page().SentProfileCopy().iRateHs, 3);
    EXPECT_EQ(EnabledHsOptions(), "1234");
    const std::vector<kit::Bytes> reports = FourKReports();
    ASSERT_EQ(Ids(reports), "06") << "the 4K receiver comes before the 2.4 GHz receiver";
    EXPECT_EQ(pagetest::Slice(reports[0], 3, 1), "44");
}

struct SectionCase {
    unsigned links;
    bool bRate, bRateHs, bSensorMode;
};
class Gen2SensorSections : public Gen2SensorPage, public ::testing::WithParamInterface<SectionCase> {};

TEST_P(Gen2SensorSections, PollingSectionByLinkAndNoLightSection) {
    const SectionCase& row = GetParam();
    Start(15, row.links);
    EXPECT_FALSE(Visible(L"check_light"));
    EXPECT_FALSE(Visible(L"ver_light"));
    EXPECT_FALSE(Visible(L"ver_sensor_mode")) << "closed with its section";
    ClickOn(L"check_prate");
    EXPECT_EQ(Visible(L"ver_prate"), row.bRate);
    EXPECT_EQ(Visible(L"ver_prate_hs"), row.bRateHs);
    EXPECT_EQ(Visible(L"ver_sensor_mode"), row.bSensorMode);
    ClickOn(L"check_prate");
    EXPECT_FALSE(Visible(L"ver_sensor_mode"));
    EXPECT_FALSE(Visible(L"check_light"));
}

const SectionCase kSectionCases[] = {
    {kCable, true, false, false},
    {kReceiver, true, false, true},
    {k4k, false, true, true},
    {kCable | k4k, true, false, false},
};
INSTANTIATE_TEST_SUITE_P(Links, Gen2SensorSections, ::testing::ValuesIn(kSectionCases),
                         [](const auto& info) { return "Links" + std::to_string(info.param.links); });

// ---- Battery ----

// Each model's own battery code; the other one means nothing. MS_15 raises the level it shows.
TEST_P(Gen2SensorModels, BatteryReportsUnderTheModelsCode) {
    const int iModel = GetParam();
    Start(iModel, kNoLink);
    const bool bRaised = iModel == 15;
    const int iCode = iModel == 21 || iModel == 24 ? 0x41 : 0x40;
    const int iOtherCode = iCode == 0x40 ? 0x41 : 0x40;
    Page().DeliverDeviceEvent(iOtherCode * 256 + IdByte(), 57 << 8);
    EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless)) << "the other battery code means nothing";
    EXPECT_EQ(Page().BatteryLevel(), -1);
    const struct {
        int iReported, iRaised;
    } levels[] = {{70, 100}, {69, 89}, {55, 65}, {31, 36}, {30, 30}, {100, 100}, {1, 1}};
    for (const auto& level : levels) {
        Page().DeliverDeviceEvent(iCode * 256 + IdByte(), level.iReported << 8);
        EXPECT_TRUE(Page().LinkUp(LinkKind::Wireless));
        const int iShown = bRaised ? level.iRaised : level.iReported;
        EXPECT_EQ(PowerLabel(), std::to_wstring(iShown) + L"%") << "reported " << level.iReported;
        EXPECT_EQ(Page().BatteryLevel(), iShown);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2SensorModels, ::testing::ValuesIn(kSensorModels),
                         [](const auto& info) { return Name(info.param); });

// ---- Frames on the link up ----

TEST_F(Gen2SensorPage, Ms21OverBluetoothSendsItsOwnDpiFrameAndNoRate) {
    Start(21, kBle);
    EXPECT_TRUE(Visible(L"BLE"));
    EXPECT_FALSE(Visible(L"check_prate")) << "no polling rate over Bluetooth LE";
    EXPECT_FALSE(Visible(L"ver_sensor_mode"));
    Apply();
    const std::vector<kit::Bytes> writes = BleWrites();
    ASSERT_EQ(Ids(writes), "0C 04 05 08");
    EXPECT_EQ(ToHex(writes[1]),
              "04 38 01 01 01 3F 03 00 07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 FF "
              "FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 02 0F 68 00 00 00 00");
    EXPECT_EQ(ToHex(writes[2]), "05 0F 01 00 03 A8 00 00 FF 02 06 01 B2 00 00");
}

TEST_F(Gen2SensorPage, Ms15OverTheCableSendsTrailerThreeAndItsLightsAsStored) {
    Start(15, kCable);
    Apply();
    const std::vector<kit::Bytes> writes = CableWrites();
    ASSERT_EQ(Ids(writes), "0C 04 05 06 08");
    EXPECT_EQ(pagetest::Slice(writes[1], 3, 5), "01 01 3F 03 00");
    EXPECT_EQ(pagetest::Slice(writes[1], 49, 3), "03 0F 69");
    EXPECT_EQ(ToHex(writes[2]), "05 0F 01 70 03 A8 00 00 FF 02 03 02 1F 00 00") << "light mode 7, hidden but kept";
}

// A macro on MS_24's button 8 goes to the mouse under block 29 over the cable, in its two pieces.
TEST_F(Gen2SensorPage, Ms24sButton8MacroUnderBlock29) {
    Start(24, kCable);
    Page().Edit([](ProfileRecordEx& p) {
        const MacroActionEx actions[] = {Key(0x05, kActionPress, 10), Key(0x05, kActionRelease, 200)};
        CarryActions(p.stKeys[7], kFunctionMacro, L"B", actions, 2);
    });
    Apply();
    const std::vector<kit::Bytes> writes = CableWrites();
    ASSERT_EQ(Ids(writes), "0C 04 05 06 08 09 09");
    EXPECT_EQ(pagetest::KeyBytes(writes[4], 8), "12 00 1D");
    EXPECT_EQ(pagetest::Slice(writes[5], 0, 13), "09 40 1D 00 00 00 00 00 01 03 0B 05 81");
    EXPECT_EQ(pagetest::Slice(writes[5], 13, 3), "05 02 03") << "200 ms: remainder 0 sent as 1, two hundreds";
    EXPECT_EQ(pagetest::Slice(writes[6], 0, 4), "09 40 1D 01");
    EXPECT_EQ(writes[5].size(), 64u);
}

}  // namespace
}  // namespace gen2test
