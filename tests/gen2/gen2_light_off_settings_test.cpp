// MS_14 and MS_16 worked as a person works them, with a cabled mouse: the light-off slider in half
// minutes, applied soon after its last move while the sleep slider keeps the long wait, the
// debounce label in steps of 2 ms, the stacked light rows of MS_14 by mode, and MS_16's page
// without a light section whose light frame still carries its sleep, light-off and debounce. Then
// the light-off slider of MS_15, MS_17, MS_21 and MS_24 the same way.
#include "tests/gen2/gen2_settings_fixture.h"

#include "core/devices/device_timing.h"
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

namespace gen2test {
namespace {

using namespace DuiLib;

// A wait that does not end within a test.
constexpr unsigned kNeverMs = 600000;

class Gen2LightOff : public Gen2SettingsTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override { StartSent(GetParam()); }
    ProfileRecordEx Current() { return Page().CurrentProfileCopy(); }
};

// Every light frame of the applies a run of slider moves made (each key press is a move), the
// last one carrying what the slider came to.
void ExpectLightFramesEndingWith(const std::vector<kit::Bytes>& sent, const FrameBytes& last) {
    ASSERT_FALSE(sent.empty());
    for (const kit::Bytes& frame : sent) EXPECT_EQ(frame[0], 0x05) << "only the light frame";
    EXPECT_EQ(sent.back(), kit::Bytes(last.begin(), last.end()));
}

TEST_P(Gen2LightOff, TheLightOffSliderCountsHalfMinutesAndAppliesSoonTheSleepSliderWaits) {
    EXPECT_EQ(TextOf(L"label_light_off"), L"Lights off after 1.0 min") << "the factory value 2";
    EXPECT_EQ(ControlOf<CSliderUI>(L"slider_light_off")->GetValue(), 2);

    // Only the short wait can end here: the light-off slider takes it.
    Timing().uSliderApplyDelayMs = kNeverMs;
    Timing().uSoonSliderApplyDelayMs = 1;
    const unsigned uBefore = Applies();
    SlideTo(L"slider_light_off", 5);
    EXPECT_EQ(TextOf(L"label_light_off"), L"Lights off after 2.5 min");
    EXPECT_EQ(Current().iLightOff, 5);
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    PumpUntil([&] { return Page().SentProfileCopy().iLightOff == 5; });
    ExpectLightFramesEndingWith(CableWrites(), BuildLightReport(Description(), Current()));
    EXPECT_EQ(testkit::ToHex(CableWrites().back().data() + 9, 2), "05 03") << "light-off, then the debounce";

    // The sleep slider is one of the long waits; the apply button sends it.
    SettleApplies();
    ClearWrites();
    const unsigned uAfterLightOff = Applies();
    SlideTo(L"slider_sleep_timer", 0x25);
    EXPECT_EQ(TextOf(L"label_sleep_timer"), L"Sleep after 37 min");
    EXPECT_TRUE(NoApplyFor(200));
    EXPECT_EQ(Applies(), uAfterLightOff);
    ClickOn(L"apply_btn");
    ASSERT_TRUE(WaitForApplies(uAfterLightOff + 1));
    const std::vector<kit::Bytes> sent = CableWrites();
    ASSERT_EQ(Ids(sent), "05");
    EXPECT_EQ(testkit::ToHex(sent[0].data() + 4, 2), "23 58") << "sleep 0x25 split over both nibbles";
}

TEST_P(Gen2LightOff, TheDebounceShowsTwoMillisecondsAStep) {
    EXPECT_EQ(TextOf(L"label_key_debounce"), L"6 MS") << "the factory value 3";
    Timing().uSliderApplyDelayMs = 1;
    const unsigned uBefore = Applies();
    SlideTo(L"slider_key_debounce", 9);
    EXPECT_EQ(TextOf(L"label_key_debounce"), L"18 MS");
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    PumpUntil([&] { return Page().SentProfileCopy().iDebounce == 9; });
    ExpectLightFramesEndingWith(CableWrites(), BuildLightReport(Description(), Current()));
    EXPECT_EQ(CableWrites().back()[10], 9) << "the stored value goes to the mouse";
}

TEST_P(Gen2LightOff, TheLightSectionByModelAndItsRowsByMode) {
    if (GetParam() == 16) {
        // No lights: the section stays away, also after a refresh (as a language switch makes).
        EXPECT_FALSE(Visible(L"check_light"));
        EXPECT_FALSE(Visible(L"ver_light"));
        Page().RefreshControls();
        EXPECT_FALSE(Visible(L"check_light"));
        EXPECT_FALSE(Visible(L"ver_light"));
        return;
    }
    ASSERT_TRUE(Visible(L"check_light"));
    ASSERT_TRUE(Visible(L"ver_light"));
    // The factory mode 7 shows the breathing speed alone.
    EXPECT_FALSE(Visible(L"ver_brightness"));
    EXPECT_TRUE(Visible(L"ver_breathspeed"));
    EXPECT_FALSE(Visible(L"hor_light_color"));
    const struct {
        int iMode;
        bool bBrightness, bBreathSpeed, bColor;
    } modes[] = {{1, true, false, true},  {2, false, true, true},  {3, false, true, false},
                 {11, false, true, false}, {0, false, false, false}, {7, false, true, false}};
    for (const auto& m : modes) {
        SCOPED_TRACE("mode " + std::to_string(m.iMode));
        ChooseLightMode(m.iMode);
        EXPECT_EQ(Current().iLightMode, m.iMode);
        EXPECT_EQ(Visible(L"ver_brightness"), m.bBrightness);
        EXPECT_EQ(Visible(L"ver_breathspeed"), m.bBreathSpeed);
        EXPECT_EQ(Visible(L"hor_light_color"), m.bColor);
    }
    // A mode without an item (from a file written elsewhere) shows no row.
    Page().Edit([](ProfileRecordEx& p) { p.iLightMode = 12; });
    Page().RefreshControls();
    EXPECT_FALSE(Visible(L"ver_brightness"));
    EXPECT_FALSE(Visible(L"ver_breathspeed"));
    EXPECT_FALSE(Visible(L"hor_light_color"));
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2LightOff, ::testing::Values(14, 16), [](const auto& info) { return Name(info.param); });

// MS_15, MS_17, MS_21 and MS_24: the light-off slider stands in the power settings (their light
// section stays hidden) and goes to the mouse soon after its last move, in the light frame.
struct SensorLightOffCase {
    int iModel;
    const char* pszFrame;  // the light frame with the light-off time 5
};

class Gen2SensorLightOff : public Gen2SettingsTest, public ::testing::WithParamInterface<SensorLightOffCase> {
protected:
    void SetUp() override { StartSent(GetParam().iModel); }
};

TEST_P(Gen2SensorLightOff, TheLightOffSliderAppliesOnceSoonAfterItsLastMoveTheSleepSliderWaits) {
    ASSERT_TRUE(Visible(L"slider_light_off"));
    EXPECT_EQ(TextOf(L"label_light_off"), L"Lights off after 1.0 min") << "the factory value 2";
    // Moves while no wait can end only ask for an apply later.
    Timing().uSliderApplyDelayMs = kNeverMs;
    Timing().uSoonSliderApplyDelayMs = kNeverMs;
    const unsigned uBefore = Applies();
    SlideTo(L"slider_light_off", 4);
    EXPECT_EQ(Applies(), uBefore);
    // The last move; now only the short wait can end.
    Timing().uSoonSliderApplyDelayMs = 1;
    uikit::PressKey(Hwnd(), VK_RIGHT);
    EXPECT_EQ(ControlOf<CSliderUI>(L"slider_light_off")->GetValue(), 5);
    EXPECT_EQ(TextOf(L"label_light_off"), L"Lights off after 2.5 min");
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    SettleApplies();
    EXPECT_EQ(Applies(), uBefore + 1) << "one apply for the run of moves";
    const std::vector<kit::Bytes> sent = CableWrites();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(testkit::ToHex(sent[0]), GetParam().pszFrame) << "light-off 5 in byte 9, and its checksum";
    EXPECT_EQ(Page().SentProfileCopy().iLightOff, 5);

    // The sleep slider is one of the long waits.
    ClearWrites();
    const unsigned uAfterLightOff = Applies();
    SlideTo(L"slider_sleep_timer", 12);
    EXPECT_EQ(Page().CurrentProfileCopy().iSleep, 12);
    EXPECT_TRUE(NoApplyFor(300));
    EXPECT_EQ(Applies(), uAfterLightOff);
    EXPECT_TRUE(CableWrites().empty());
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2SensorLightOff,
                         ::testing::Values(SensorLightOffCase{15, "05 0F 01 70 03 A8 00 00 FF 05 03 02 22 00 00"},
                                           SensorLightOffCase{17, "05 0F 01 70 03 A8 00 00 FF 05 03 02 22 00 00"},
                                           SensorLightOffCase{21, "05 0F 01 00 03 A8 00 00 FF 05 06 01 B5 00 00"},
                                           SensorLightOffCase{24, "05 0F 01 00 03 A8 00 00 FF 05 06 01 B5 00 00"}),
                         [](const auto& info) { return Name(info.param.iModel); });

}  // namespace
}  // namespace gen2test
