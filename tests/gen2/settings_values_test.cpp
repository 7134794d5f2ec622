#include "models/data/settings_values.h"

#include <gtest/gtest.h>

namespace {

TEST(SettingsValues, LightRowsByMode) {
    struct Case {
        int iMode;
        bool bBrightness, bBreathSpeed, bColor;
    } const cases[] = {
        {0, false, false, false}, {1, true, false, true},  {2, false, true, true},    {3, false, true, false},
        {7, false, true, false},  {11, false, true, false}, {12, false, false, false}, {-1, false, false, false},
        {255, false, false, false},
    };
    for (const Case& c : cases) {
        const LightRows rows = LightRowsFor(c.iMode);
        EXPECT_EQ(rows.bBrightness, c.bBrightness) << c.iMode;
        EXPECT_EQ(rows.bBreathSpeed, c.bBreathSpeed) << c.iMode;
        EXPECT_EQ(rows.bColor, c.bColor) << c.iMode;
    }
}

TEST(SettingsValues, RatePanelByLinks) {
    EXPECT_EQ(RatePanelFor(true, false, false), RatePanel::Rate);
    EXPECT_EQ(RatePanelFor(false, true, false), RatePanel::Rate);
    EXPECT_EQ(RatePanelFor(true, false, true), RatePanel::Rate) << "the cable wins over the 4K receiver";
    EXPECT_EQ(RatePanelFor(false, false, true), RatePanel::RateHighSpeed);
    EXPECT_EQ(RatePanelFor(false, false, false), RatePanel::None) << "Bluetooth alone or no link";
}

TEST(SettingsValues, Captions) {
    EXPECT_EQ(SleepLabelText(L"Sleep after ", 10, L"min"), L"Sleep after 10 min");
    EXPECT_EQ(DebounceLabelText(5, 1), L"5 MS");
    EXPECT_EQ(DebounceLabelText(5, 2), L"10 MS");
    EXPECT_EQ(DebounceLabelText(0, 1), L"0 MS");
}

}  // namespace
