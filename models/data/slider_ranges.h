// The ranges of a settings page's sliders, in the units the profile stores, as a model's
// description gives them (both generations). The generated skins carry the same numbers (the
// page values of models/ms_N/model.cmake, its families and cmake/page_looks.cmake); the skin
// tests hold the two together. A record from a file is brought into these ranges when it is
// loaded, and refused on import when it lies outside them.
#pragma once

#include <cstdint>

// What the light frame's byte carries where no slider limits a value (the light-off time of a
// model without its slider).
constexpr int32_t kFrameByteMax = 255;
// The light-off slider, in half minutes.
constexpr int32_t kLightOffSliderMax = 60;

// Every slider starts at 0.
struct SliderRanges {
    int32_t iBrightnessMax = 15;
    int32_t iBreathSpeedMax = 9;
    int32_t iSleepMax = kFrameByteMax;
    int32_t iDebounceMax = kFrameByteMax;
    int32_t iLightOffMax = kFrameByteMax;  // kLightOffSliderMax on the models with the slider
};
