// MS_14 and MS_16 on the simulated world over each of their links (the cable, the 2.4 GHz and 4K
// receivers, and Bluetooth LE for MS_14): what the page shows of the link (MS_16 never shows a
// light section; no rate or debounce over Bluetooth LE alone), and what the mouse reports under
// its own id byte: its stage, its rates on each road and its battery.
#include "tests/gen2/gen2_page_fixture.h"

#include "core/page/page_messages.h"

#include <tuple>

namespace gen2test {
namespace {

class Gen2LightOffLinks : public Gen2PageTest, public ::testing::WithParamInterface<std::tuple<int, unsigned>> {
protected:
    void SetUp() override { Start(std::get<0>(GetParam()), std::get<1>(GetParam())); }
    unsigned Links() const { return std::get<1>(GetParam()); }
    Road LinkRoad() const {
        switch (Links()) {
            case kCable: return Road::Cable;
            case kReceiver: return Road::Receiver;
            case k4k: return Road::Wireless4k;
            default: return Road::Ble;
        }
    }
    std::wstring PowerLabel() { return Control(L"label_power")->GetText().str(); }
    int PowerBar() { return static_cast<DuiLib::CProgressUI*>(Control(L"progress_power"))->GetValue(); }
};

TEST_P(Gen2LightOffLinks, TheLinkShownAndTheLightSectionByModel) {
    EXPECT_EQ(Visible(L"wired"), Links() == kCable);
    EXPECT_EQ(Visible(L"wireless"), Links() == kReceiver);
    EXPECT_EQ(Visible(L"wireless_4k"), Links() == k4k);
    if (Model() == 14) {
        EXPECT_EQ(Visible(L"BLE"), Links() == kBle);
    }
    EXPECT_EQ(Page().Online(), 1);
    // MS_14 has lights, MS_16 none on any link.
    EXPECT_EQ(Visible(L"check_light"), Model() == 14);
    EXPECT_EQ(Visible(L"ver_light"), Model() == 14);

    // Over Bluetooth LE alone the page offers neither the rate nor the debounce.
    EXPECT_EQ(Visible(L"check_prate"), Links() != kBle);
    EXPECT_EQ(Visible(L"check_key_debounce"), Links() != kBle);
    EXPECT_FALSE(Visible(L"ver_prate"));
    EXPECT_FALSE(Visible(L"ver_prate_hs"));
    if (Links() == kBle) EXPECT_FALSE(Visible(L"hor_key_debounce"));
}

TEST_P(Gen2LightOffLinks, TheMousesStageRatesAndBatteryUnderItsOwnIdByte) {
    // A stage, announced in the model's slot with the stage's stored value (as the core hands the
    // event over), then a stage over the link itself, kept as sent and saved.
    Window().TakePosted(WM_SHOWDPI);
    Page().DeliverDeviceEvent(0x1000 + IdByte(), 3);
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 2);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, Window().hwnd(), WM_SHOWDPI, WM_SHOWDPI, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(Model() - 1));
    EXPECT_EQ(msg.lParam, 24) << "stage 3's stored value (1,200 DPI)";
    MouseEvent(0x10, 5, LinkRoad());
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 4; });
    EXPECT_EQ(Page().SentProfileCopy().iCurDpi, 4) << "the mouse has it already";
    EXPECT_EQ(SavedCurrentProfile()->iCurDpi, 4);

    // The other model's mouse (MS_14's id byte 3A, MS_16's 3F) is not this page's.
    const int iOtherId = Model() == 14 ? 0x3F : 0x3A;
    Page().DeliverDeviceEvent(0x1000 + iOtherId, 5);
    Page().DeliverDeviceEvent4k(0x1000 + iOtherId, 5);
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 4);

    // Rates: the 4K receiver reports its own in the high nibble (0x71: the seventh), the others
    // the rate in the low nibble (0x24: the fourth; Bluetooth LE 3: the third).
    const uint16_t wRate = Links() == k4k ? 0x71 : Links() == kBle ? 3 : 0x24;
    MouseEvent(0x20, wRate, LinkRoad());
    Flush(LinkRoad());
    const ProfileRecordEx now = Page().CurrentProfileCopy();
    if (Links() == k4k) {
        EXPECT_EQ(now.iRateHs, 6);
        EXPECT_TRUE(static_cast<DuiLib::COptionUI*>(Control(L"btn_prate_hs_7"))->IsSelected());
    } else {
        EXPECT_EQ(now.iRate, Links() == kBle ? 2 : 3);
    }
    EXPECT_EQ(SavedCurrentProfile()->iRate, now.iRate);
    EXPECT_EQ(SavedCurrentProfile()->iRateHs, now.iRateHs);

    // Battery, running on battery at level 80 (the cabled mouse charges instead); Bluetooth LE
    // also shows a level of 0.
    if (Links() == kCable) return;
    MouseEvent(0x40, 80 << 8 | 1, LinkRoad());
    Flush(LinkRoad());
    EXPECT_EQ(PowerBar(), 80);
    EXPECT_EQ(PowerLabel(), L"80%");
    if (Links() != kBle) {
        EXPECT_TRUE(Visible(Links() == k4k ? L"wireless_4k" : L"wireless")) << "the report keeps the link";
        return;
    }
    MouseEvent(0x40, 0x0001, LinkRoad());
    Flush(LinkRoad());
    EXPECT_EQ(PowerLabel(), L"0%");
}

std::vector<std::tuple<int, unsigned>> Cases() {
    std::vector<std::tuple<int, unsigned>> cases;
    for (int iModel : {14, 16})
        for (unsigned links : {unsigned{kCable}, unsigned{kReceiver}, unsigned{k4k}}) cases.emplace_back(iModel, links);
    cases.emplace_back(14, unsigned{kBle});
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ModelsAndLinks, Gen2LightOffLinks, ::testing::ValuesIn(Cases()), [](const auto& info) {
    return Name(std::get<0>(info.param)) + "_" + LinkName(std::get<1>(info.param));
});

}  // namespace
}  // namespace gen2test
