// MS_14 and MS_16 worked as a person works them, with a cabled mouse: the light-off slider in half
// minutes, applied soon after its last move while the sleep slider keeps the long wait, the
// debounce label in steps of 2 ms, the stacked light rows of MS_14 by mode, and MS_16's page
// without a light section whose light frame still carries its sleep, light-off and debounce.
#include "gen2_settings_fixture.h"

#include "device_timing.h"
#include "gen2_frames.h"
#include "gen2_test_util.h"

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

}  // namespace
}  // namespace gen2test
