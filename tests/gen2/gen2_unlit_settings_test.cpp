// MS_18 and MS_19 (MS_20, MS_22 and MS_23 as MS_18) worked as a person works them, with a cabled
// mouse: no light section, the debounce label in whole milliseconds, DPI typed on each model's
// scale (MS_18's two segments up to 12,000 DPI, MS_19's steps of 50 up to 26,000) and what the
// mouse then gets, MS_18's rate codes and MS_19's sensor options two to a byte.
#include "tests/gen2/gen2_settings_fixture.h"

#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

#include "core/devices/device_timing.h"

namespace gen2test {
namespace {

using namespace DuiLib;

class Gen2Unlit : public Gen2SettingsTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override { StartSent(GetParam()); }
    // Clicks a control that asks for an apply and gives what the mouse got in it.
    std::vector<kit::Bytes> SentAfterClicking(const std::wstring& strSuffix) {
        const unsigned uBefore = Applies();
        ClickOn(strSuffix);
        EXPECT_TRUE(WaitForApplies(uBefore + 1)) << "an apply ran";
        return CableWrites();
    }
    ProfileRecordEx Current() { return Page().CurrentProfileCopy(); }
    // MS_18's stage codes, rates and sensor options, which MS_20, MS_22 and MS_23 share.
    bool LikeMs18() const { return Description().eDpiCodec == DpiCodec::Table221; }
};

TEST_P(Gen2Unlit, NoLightSectionAndTheDebounceInWholeMilliseconds) {
    EXPECT_FALSE(Visible(L"check_light"));
    EXPECT_FALSE(Visible(L"ver_light"));
    Page().RefreshControls();  // as the language switch does
    EXPECT_FALSE(Visible(L"check_light"));
    EXPECT_FALSE(Visible(L"ver_light"));

    EXPECT_EQ(TextOf(L"label_key_debounce"), L"6 MS");
    ASSERT_TRUE(Visible(L"hor_key_debounce"));
    const unsigned uBefore = Applies();
    SlideTo(L"slider_key_debounce", 9);
    EXPECT_EQ(TextOf(L"label_key_debounce"), L"9 MS");
    EXPECT_TRUE(WaitForApplies(uBefore + 1)) << "after the slider's wait";
    const std::vector<kit::Bytes> sent = CableWrites();
    ASSERT_EQ(Ids(sent), "05");
    EXPECT_EQ(testkit::ToHex(sent[0]), "05 0F 01 00 03 A8 00 00 FF 02 09 01 B5 00 00")
        << "the light frame still carries sleep, light-off and debounce";
}

// The light-off time (half minutes) goes to the mouse soon after its slider's last move; the
// sleep timer waits as long as the other sliders.
TEST_P(Gen2Unlit, TheLightOffSliderAppliesSoonAndTheSleepSliderLater) {
    constexpr unsigned kNeverMs = 600000;
    ASSERT_TRUE(Visible(L"slider_light_off"));
    EXPECT_NE(TextOf(L"label_light_off").find(L"1.0"), std::wstring::npos) << "the factory 2 half minutes";
    Timing().uSliderApplyDelayMs = kNeverMs;
    Timing().uSoonSliderApplyDelayMs = 1;
    const unsigned uBefore = Applies();
    SlideTo(L"slider_light_off", 3);
    SlideTo(L"slider_light_off", 5);
    EXPECT_NE(TextOf(L"label_light_off").find(L"2.5"), std::wstring::npos);
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    SettleApplies();
    // Each move may have asked for its apply; only light frames went, the last with the last value.
    const std::vector<kit::Bytes> sent = CableWrites();
    ASSERT_FALSE(sent.empty());
    for (const kit::Bytes& frame : sent) EXPECT_EQ(frame[0], 0x05);
    EXPECT_EQ(testkit::ToHex(sent.back().data() + 9, 2), "05 06") << "light-off 5, debounce 6";
    EXPECT_EQ(Page().SentProfileCopy().iLightOff, 5);

    ClearWrites();
    const unsigned uAfterLightOff = Applies();
    SlideTo(L"slider_sleep_timer", 12);
    EXPECT_EQ(Current().iSleep, 12);
    EXPECT_TRUE(NoApplyFor(300)) << "the sleep timer waits with the other sliders";
    EXPECT_EQ(Applies(), uAfterLightOff);
    EXPECT_TRUE(CableWrites().empty());
}

// What the edit of stage 2 shows after a commit, its slider, and the two bytes of stage 2 in the
// DPI frame the apply button then sends.
TEST_P(Gen2Unlit, TypedDpiKeepsToTheModelsScale) {
    struct Case {
        const wchar_t* pszTyped;
        const wchar_t* pszShown;
        int iSlider;
        const char* pszCode;  // bytes 9 and 17
    };
    // Each value differs from the one before it, so that the apply has a stage to send.
    const std::vector<Case> cases18 = {
        {L"12345", L"12000", 220, "8D 01"}, {L"10150", L"10100", 201, "76 01"}, {L"10050", L"10000", 200, "EB 00"},
        {L"49", L"50", 1, "01 00"},         {L"10000", L"10000", 200, "EB 00"}, {L"0", L"50", 1, "01 00"},
        {L"12000", L"12000", 220, "8D 01"}, {L"75", L"50", 1, "01 00"},
    };
    const std::vector<Case> cases19 = {
        {L"30000", L"26000", 520, "07 02"}, {L"12345", L"12300", 246, "F5 00"}, {L"40", L"50", 1, "00 00"},
    };
    bool bEnter = true;
    for (const Case& c : LikeMs18() ? cases18 : cases19) {
        SCOPED_TRACE(std::string(c.pszTyped, c.pszTyped + wcslen(c.pszTyped)));
        bEnter = !bEnter;  // Enter and a click elsewhere commit alike
        TypeInto(L"edit_dpi_2", c.pszTyped, bEnter);
        EXPECT_EQ(TextOf(L"edit_dpi_2"), c.pszShown);
        EXPECT_EQ(ControlOf<CSliderUI>(L"slider_dpi_2")->GetValue(), c.iSlider);
        EXPECT_EQ(Current().iDpi[1], c.iSlider);
        ClearWrites();
        const std::vector<kit::Bytes> sent = SentAfterClicking(L"btn_apply_dpi");
        ASSERT_EQ(Ids(sent), "04");
        EXPECT_EQ(testkit::ToHex(sent[0].data() + 9, 1) + " " + testkit::ToHex(sent[0].data() + 17, 1), c.pszCode);
    }
}

TEST_P(Gen2Unlit, ADpiSliderShowsItsStageOnTheModelsScale) {
    const int iTop = LikeMs18() ? 220 : 520;
    EXPECT_EQ(ControlOf<CSliderUI>(L"slider_dpi_4")->GetMaxValue(), iTop);
    SlideTo(L"slider_dpi_4", iTop);
    EXPECT_EQ(TextOf(L"edit_dpi_4"), LikeMs18() ? L"12000" : L"26000");
    if (LikeMs18()) {
        SlideTo(L"slider_dpi_4", 201);
        EXPECT_EQ(TextOf(L"label_dpi_4"), L"10100");
        SlideTo(L"slider_dpi_4", 200);
        EXPECT_EQ(TextOf(L"label_dpi_4"), L"10000");
    }
}

TEST_P(Gen2Unlit, RateAndSensorOptionsInTheModelsFrames) {
    Control(L"ver_prate")->SetVisible(true);
    const struct {
        int iModel;
        const wchar_t* pszOption;
        const char* pszBytes;  // bytes 3 and 4 of the frame sent
    } rows[] = {
        {18, L"btn_prate_1", "08 F7"},
        {18, L"btn_prate_3", "02 FD"},
        {18, L"btn_prate_4", "01 FE"},
        {18, L"option_angle_snap_2", "01 01"},  // angle snap, then ripple (on by default)
        {18, L"option_lift_of_distance_2", "01 01"},
        {19, L"btn_prate_2", "72 8D"},  // the high-speed rate 7 stays in the high nibble
        {19, L"option_lift_of_distance_2", "11 01"},
        {19, L"option_angle_snap_2", "11 11"},
        {19, L"option_motion_sync_1", "11 10"},
        {19, L"option_ripple_control_1", "10 10"},
    };
    for (const auto& row : rows) {
        if (row.iModel != (LikeMs18() ? 18 : GetParam())) continue;
        SCOPED_TRACE(std::string(row.pszOption, row.pszOption + wcslen(row.pszOption)));
        ClearWrites();
        const std::vector<kit::Bytes> sent = SentAfterClicking(row.pszOption);
        ASSERT_EQ(sent.size(), 1u);
        EXPECT_EQ(testkit::ToHex(sent[0].data() + 3, 2), row.pszBytes);
    }
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2Unlit, ::testing::Values(18, 19, 20, 22, 23), [](const auto& info) { return Name(info.param); });

}  // namespace
}  // namespace gen2test
