// Page skin tests of either generation: the sliders the generated skin gives a page offer the
// ranges of the model's description (SliderRanges and the DPI values), which records from a file
// are repaired into, so no slider shows a value other than the one kept and sent.
#pragma once

#include "core/page/page_base.h"
#include "models/data/slider_ranges.h"
#include "ui/ui.h"
#include "core/util/string_helpers.h"

#include <gtest/gtest.h>

#include <string>

namespace pagetest {

template <class Model>
void ExpectSlidersOfDescription(const CPageBase& page, const Model& model) {
    const SliderRanges& ranges = model.sliders;
    const struct {
        const wchar_t* pszSlider;
        int iMin, iMax;
        bool bPresent;
    } rows[] = {
        {L"slider_brightness", 0, ranges.iBrightnessMax, true},
        {L"slider_breathspeed", 0, ranges.iBreathSpeedMax, true},
        {L"slider_sleep_timer", 0, ranges.iSleepMax, true},
        {L"slider_key_debounce", 0, ranges.iDebounceMax, true},
        {L"slider_light_off", 0, ranges.iLightOffMax, model.bLightOff},
        {L"slider_dpi_1", model.iDpiValueMin, model.iDpiValueMax, true},
        {L"slider_dpi_8", model.iDpiValueMin, model.iDpiValueMax, true},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(WideToAnsi(row.pszSlider));
        auto* pSlider = page.FindPageControl<DuiLib::CSliderUI>(row.pszSlider);
        ASSERT_EQ(pSlider != nullptr, row.bPresent);
        if (pSlider == nullptr) continue;
        EXPECT_EQ(pSlider->GetMinValue(), row.iMin);
        EXPECT_EQ(pSlider->GetMaxValue(), row.iMax);
    }
}

}  // namespace pagetest
