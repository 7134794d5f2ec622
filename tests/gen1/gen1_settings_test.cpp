// The first-generation settings page driven as a person would: the real main window on screen
// with the real page of each first-generation model on a simulated mouse. Each control writes the current
// profile and shows it, and its change reaches the mouse at once, after the page's one deferred
// wait (the light mode, the sliders) or with the next apply (DPI values); checked on the frames
// the mouse gets and the files on disk.
#include "tests/gen1/gen1_settings_fixture.h"

#include "models/data/gen1_frames.h"

namespace gen1test {
namespace {

class Gen1Settings : public Gen1SettingsTest, public ::testing::WithParamInterface<int> {};

// What the page asks for after a control: an apply at once, the deferred apply, or nothing.
enum class Request { Now, Deferred, None };

struct ControlCase {
    const char* pszWhat;
    std::function<void()> act;
    Request eRequest;
    std::function<bool(const ProfileRecord&)> took;  // the profile holds the change
};

TEST_P(Gen1Settings, EachControlWritesTheProfileAndAsksForItsApplyAsItShould) {
    Start(GetParam(), Link::Cable);
    // MS_2, MS_3, MS_4 and MS_6 send all four sensor options; MS_9 all but motion sync; MS_1,
    // MS_5 and MS_7 ripple and angle snap; MS_10 none.
    const int m = GetParam();
    const bool bLift = m == 2 || m == 3 || m == 4 || m == 6 || m == 9;
    const bool bSync = bLift && m != 9;
    const bool bRipple = m != 10;
    std::vector<ControlCase> cases = {
        {"stage option", [this] { ClickOn(L"option_dpi_step_3"); }, Request::Now,
         [](const ProfileRecord& p) { return p.iCurDpi == 2; }},
        {"stage switched off", [this] { ClickOn(L"check_dpi_step_5"); }, Request::Now,
         [](const ProfileRecord& p) { return p.iDpiEnable[4] == 0; }},
        {"stage switched on", [this] { ClickOn(L"check_dpi_step_7"); }, Request::Now,
         [](const ProfileRecord& p) { return p.iDpiEnable[6] == 1; }},
        {"polling rate", [this] { ChooseRate(2); }, Request::Now,
         [](const ProfileRecord& p) { return p.iRate == 1; }},
        {"move mode", [this] { ClickOn(L"check_movemode"); }, Request::Now,
         [](const ProfileRecord& p) { return p.iMoveMode == 1; }},
        {"apply", [this] { ClickOn(L"apply_btn"); }, Request::Now, nullptr},
        {"apply DPI", [this] { ClickOn(L"btn_apply_dpi"); }, Request::Now, nullptr},
        {"DPI slider", [this] { DragSlider(L"slider_dpi_2", 0.5); }, Request::None,
         [this](const ProfileRecord& p) {
             const int iValue = ControlOf<DuiLib::CSliderUI>(L"slider_dpi_2")->GetValue();
             return p.iDpi[1] == iValue && TextOf(L"edit_dpi_2") == std::to_wstring(DpiOfValue(Description(), iValue));
         }},
        {"sleep slider", [this] { DragSlider(L"slider_sleep_timer", 1.0); }, Request::Deferred,
         [this](const ProfileRecord& p) { return p.iSleep == (Description().eLightCodec == LightCodec::PackedSleep ? 255 : 254); }},
        {"debounce slider", [this] { DragSlider(L"slider_key_debounce", 0.0); }, Request::Deferred,
         [](const ProfileRecord& p) { return p.iDebounce == 0; }},
    };
    // MS_6 has no lights.
    if (!Description().bNoLightSection) {
        cases.push_back({"light mode", [this] { ChooseLightMode(1); }, Request::Deferred,
                         [](const ProfileRecord& p) { return p.iLightMode == 1; }});
        cases.push_back({"brightness slider", [this] { DragSlider(L"slider_brightness", 1.0); }, Request::Deferred,
                         [](const ProfileRecord& p) { return p.iBrightness == 15; }});
    }
    for (const ControlCase& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        KillApplyTimer();
        c.act();
        EXPECT_EQ(TakeApplyRequests(), c.eRequest == Request::Now ? 1 : 0);
        EXPECT_EQ(KillApplyTimer(), c.eRequest == Request::Deferred);
        if (c.took) {
            EXPECT_TRUE(c.took(Page().CurrentProfileCopy()));
        }
    }
    // The sensor options the model's DPI frame carries are on its page, and each applies at once.
    EXPECT_EQ(Visible(L"check_lift_of_distance"), bLift);
    EXPECT_EQ(Visible(L"check_ripple_control"), bRipple);
    EXPECT_EQ(Visible(L"check_angle_snap"), bRipple);
    EXPECT_EQ(Visible(L"check_motion_sync"), bSync);
    if (bRipple) {
        ClickOn(L"option_ripple_control_2");
        ClickOn(L"option_angle_snap_2");
        EXPECT_EQ(TakeApplyRequests(), 2);
        EXPECT_EQ(Page().CurrentProfileCopy().iRipple, 1);
        EXPECT_EQ(Page().CurrentProfileCopy().iAngleSnap, 1);
    }
    if (bLift) {
        ClickOn(L"option_lift_of_distance_2");
        EXPECT_EQ(TakeApplyRequests(), 1);
        EXPECT_EQ(Page().CurrentProfileCopy().iLiftOff, 1);
    }
    if (bSync) {
        // Motion sync is switched away from the model's default (on for MS_3, MS_4 and MS_6).
        const int32_t iSync = 1 - Description().defaults.iMotionSync;
        ClickOn(iSync == 1 ? L"option_motion_sync_2" : L"option_motion_sync_1");
        EXPECT_EQ(TakeApplyRequests(), 1);
        EXPECT_EQ(Page().CurrentProfileCopy().iMotionSync, iSync);
    }
}

TEST_P(Gen1Settings, WhatTheControlsChangedReachesTheMouseByteForByte) {
    Start(GetParam(), Link::Cable);
    Apply();  // the first apply sends everything; from here on only what changes
    ClearWrites();
    ChooseRate(1);
    DragSlider(L"slider_dpi_3", 1.0);
    ClickOn(L"check_dpi_step_8");
    ASSERT_EQ(TakeApplyRequests(), 2);
    Apply();
    const ProfileRecord p = Page().CurrentProfileCopy();
    EXPECT_EQ(p.iRate, 0);
    EXPECT_EQ(p.iDpi[2], Description().iDpiValueMax);
    const std::vector<kit::Bytes> writes = CableWrites();
    ASSERT_EQ(Ids(writes), "0C 04 06");
    EXPECT_EQ(writes[1], BuildDpiReport(Description(), p));
    EXPECT_EQ(writes[2], BuildRateReport(Description(), p));
    // 125 Hz: rate code 8, or 0x20 on the models with seven rates; MS_6 sends option numbers,
    // the 4K receiver's own rate (its factory 8,000 Hz, option 7) in the high nibble.
    const uint8_t byCode = Description().iRateHsCount > 0 ? 0x71 : Description().iRateCount == 7 ? 0x20 : 0x08;
    EXPECT_EQ(writes[2][3], byCode);
    EXPECT_EQ(writes[2][4], static_cast<uint8_t>(~byCode));
}

// The page has one deferred apply: every slider move or light-mode choice starts its wait again,
// the light mode with its short wait, a slider with its long one.
TEST_P(Gen1Settings, TheDeferredApplyIsOneWaitThatEachChangeStartsAgain) {
    Start(GetParam(), Link::Cable);
    if (Description().bNoLightSection) GTEST_SKIP() << "no lights to choose a mode of";
    Apply();
    ClearWrites();
    Timing().uSliderApplyDelayMs = kNeverMs;
    Timing().uLightApplyDelayMs = 1;
    // A slider, then a light-mode choice: one apply after the light mode's wait, carrying both.
    DragSlider(L"slider_key_debounce", 1.0);
    const unsigned uBefore = Page().AppliesRun();
    ChooseLightMode(2);
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_FALSE(KillApplyTimer()) << "no second wait left";
    const std::vector<kit::Bytes> writes = CableWrites();
    ASSERT_EQ(Ids(writes), "0C 05");
    EXPECT_EQ(writes[1][3], 2 << 4) << "the light mode";
    EXPECT_EQ(writes[1][10], 255) << "the debounce";

    // A light-mode choice, then a slider: the slider's wait replaces the light mode's.
    Timing().uSliderApplyDelayMs = 1;
    Timing().uLightApplyDelayMs = kNeverMs;
    ClearWrites();
    ChooseLightMode(4);
    DragSlider(L"slider_breathspeed", 0.0);
    ASSERT_TRUE(WaitForApplies(uBefore + 2));
    EXPECT_EQ(Ids(CableWrites()), "0C 05");
    EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, 4);
    EXPECT_EQ(Page().CurrentProfileCopy().iBreathSpeed, 0);
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1Settings, ::testing::ValuesIn(kGen1Models));

}  // namespace
}  // namespace gen1test
