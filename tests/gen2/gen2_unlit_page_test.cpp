// MS_18 and MS_19 on the simulated world over each of their links (the cable, the 2.4 GHz
// receiver, Bluetooth LE): the stage and rate codes and the macro block as each link carries them,
// what the page shows of the link (no light section on any link; no rate or debounce over
// Bluetooth LE alone), and the mouse's own stage and rate changes reported in each model's terms.
#include "tests/gen2/gen2_page_fixture.h"

#include "core/page/page_messages.h"

#include <tuple>

namespace gen2test {
namespace {

// Button 1 plays a macro of 50 key actions: one block of 49 and a second with the last.
void GiveButton1FiftyKeys(ProfileRecordEx& profile) {
    KeyEntryEx& entry = profile.stKeys[0];
    entry.byFunction = kFunctionMacro;
    entry.iLoopCount = 3;
    entry.wActionNum = 50;
    for (int i = 0; i < 50; ++i) entry.stActions[i] = Key(static_cast<uint8_t>(0x04 + i % 26), kActionPress, 10);
}

class Gen2UnlitLinks : public Gen2PageTest, public ::testing::WithParamInterface<std::tuple<int, unsigned>> {
protected:
    void SetUp() override { Start(std::get<0>(GetParam()), std::get<1>(GetParam())); }
    unsigned Links() const { return std::get<1>(GetParam()); }
    std::vector<kit::Bytes> Writes() {
        switch (Links()) {
            case kCable: return CableWrites();
            case kReceiver: return Distinct(ReceiverWrites());
            default: return BleWrites();
        }
    }
};

TEST_P(Gen2UnlitLinks, TheStageCodesRateAndMacroBlocksAsTheLinkCarriesThem) {
    const bool b18 = Model() == 18;
    Page().Edit([b18](ProfileRecordEx& p) {
        p.iDpi[7] = b18 ? 201 : 520;  // 10,100 or 26,000 DPI
        p.iDpiEnable[7] = 1;
        p.iRate = 0;
        GiveButton1FiftyKeys(p);
    });
    Apply();
    const std::vector<kit::Bytes> writes = Writes();
    const char* pszIds = nullptr;
    if (Links() == kBle)
        pszIds = "0C 04 05 08 09 09";  // whole blocks, no rate frame
    else if (b18)
        pszIds = "0C 04 05 06 08 09 09 09 09 09 09";  // each 131-byte block in three pieces
    else
        pszIds = "0C 04 05 06 08 09 09 09 09";  // each 111-byte block in two pieces
    if (Links() == kReceiver && !b18) pszIds = "0C 04 05 06 08 09 09 09 09 09 09";  // the receiver takes three
    ASSERT_EQ(Ids(writes), pszIds);

    // Stage 8 and the enable mask in frame 0x04.
    const kit::Bytes& dpi = writes[1];
    EXPECT_EQ(ToHex(dpi.data() + 5, 1), "BF");
    EXPECT_EQ(ToHex(dpi.data() + 15, 1) + " " + ToHex(dpi.data() + 23, 1), b18 ? "76 01" : "07 02");
    EXPECT_EQ(ToHex(dpi.data() + 49, 1), "02");
    if (Links() != kBle) EXPECT_EQ(ToHex(writes[3]), b18 ? "06 09 01 08 F7 00 00 00 00" : "06 09 01 71 8E 00 00 00 00");

    // The first block's header and the mark that hands on to block 2.
    const size_t uFirstMacro = Links() == kBle ? 4 : 5;
    const kit::Bytes& first = writes[uFirstMacro];
    if (Links() == kBle) {
        ASSERT_EQ(first.size(), b18 ? 131u : 111u);
        EXPECT_EQ(ToHex(first.data(), 8), b18 ? "09 83 01 00 00 00 00 03" : "09 6F 01 00 00 00 00 03");
        const size_t uUnits = b18 ? 28 : 8;
        EXPECT_EQ(first[uUnits], 50);
        EXPECT_EQ(ToHex(first.data() + uUnits + 99, 2), "02 FE");
        EXPECT_EQ(ToHex(writes[5].data(), 3), b18 ? "09 83 02" : "09 6F 02");
        return;
    }
    // Pieces: 09, 40 (0C for the receiver's third), the block, the piece, 60 frame bytes from 3 on.
    ASSERT_EQ(first.size(), 64u);
    EXPECT_EQ(ToHex(first.data(), 9), "09 40 01 00 00 00 00 00 03");
    const int iPieces = (b18 || Links() == kReceiver) ? 3 : 2;
    const kit::Bytes& last = writes[uFirstMacro + static_cast<size_t>(iPieces) - 1];
    EXPECT_EQ(ToHex(last.data(), 4), std::string(Links() == kReceiver && iPieces == 3 ? "09 0C 01 " : "09 40 01 ") +
                                         (iPieces == 3 ? "02" : "01"));
    if (b18) EXPECT_EQ(ToHex(last.data() + 4, 6), "0B 19 0B 1A 02 FE") << "frame bytes 123 on: actions 48 and 49, the mark";
}

TEST_P(Gen2UnlitLinks, TheLinkShownAndNoLightSectionOnAnyLink) {
    EXPECT_FALSE(Visible(L"check_light"));
    EXPECT_FALSE(Visible(L"ver_light"));
    EXPECT_FALSE(Visible(L"wireless_4k"));
    EXPECT_EQ(Visible(L"wired"), Links() == kCable);
    EXPECT_EQ(Visible(L"wireless"), Links() == kReceiver);
    EXPECT_EQ(Visible(L"BLE"), Links() == kBle);
    // Over Bluetooth LE alone the mouse keeps its rate and debounce.
    EXPECT_EQ(Visible(L"check_prate"), Links() != kBle);
    EXPECT_EQ(Visible(L"check_key_debounce"), Links() != kBle);
    EXPECT_FALSE(Visible(L"ver_prate"));
    EXPECT_FALSE(Visible(L"ver_prate_hs"));
    EXPECT_EQ(Page().Online(), 1);
}

// The mouse's own changes: a stage announced in the model's slot with its stored value (as the
// core hands the event over), then a stage and a rate over the link itself, the rate's low nibble
// less one (the page's option follows over the cable or receiver).
TEST_P(Gen2UnlitLinks, TheMousesStageAndRateChanges) {
    const int iStageWord = 0x1000 + IdByte();
    Window().TakePosted(WM_SHOWDPI);
    Page().DeliverDeviceEvent(iStageWord, 3);
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 2);
    MSG msg{};
    ASSERT_TRUE(PeekMessageW(&msg, Window().hwnd(), WM_SHOWDPI, WM_SHOWDPI, PM_REMOVE));
    EXPECT_EQ(msg.wParam, static_cast<WPARAM>(Model() - 1));
    EXPECT_EQ(msg.lParam, 24) << "stage 3's stored value";
    Page().DeliverDeviceEvent(iStageWord, 9);
    Page().DeliverDeviceEvent(iStageWord, 0);
    Page().DeliverDeviceEvent(0x1000 + (Model() == 18 ? 0x2B : 0x2A), 5);  // the other model's mouse
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 2);
    EXPECT_EQ(Window().TakePosted(WM_SHOWDPI), 0);

    const Road eRoad = Links() == kCable ? Road::Cable : Links() == kReceiver ? Road::Receiver : Road::Ble;
    MouseEvent(0x10, 5, eRoad);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == 4; });
    EXPECT_EQ(Page().SentProfileCopy().iCurDpi, 4) << "the mouse has it already";
    EXPECT_EQ(SavedCurrentProfile()->iCurDpi, 4);

    // MS_18's mouse reports 0x13, MS_19's 0x73 (its high-speed rate alongside); Bluetooth LE 3.
    const uint16_t wRate = Links() == kBle ? 3 : Model() == 18 ? 0x13 : 0x73;
    MouseEvent(0x20, wRate, eRoad);
    Flush(eRoad);
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 2);
    EXPECT_EQ(SavedCurrentProfile()->iRate, 2);
    if (Links() != kBle) {
        auto* pOption = static_cast<DuiLib::COptionUI*>(Control(L"btn_prate_3"));
        ASSERT_NE(pOption, nullptr);
        EXPECT_TRUE(pOption->IsSelected());
    }
}

INSTANTIATE_TEST_SUITE_P(ModelsAndLinks, Gen2UnlitLinks,
                         ::testing::Combine(::testing::Values(18, 19),
                                            ::testing::Values(unsigned{kCable}, unsigned{kReceiver}, unsigned{kBle})),
                         [](const auto& info) {
                             return Name(std::get<0>(info.param)) + "_" + LinkName(std::get<1>(info.param));
                         });

}  // namespace
}  // namespace gen2test
