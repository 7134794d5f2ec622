// Hue, saturation and brightness (the HSV model) to and from 0x00RRGGBB colours, for the colour
// palette's field and bar.
#pragma once

#include <windows.h>

namespace DuiLib {

struct THsbColor {
    double fHue = 0.0;         // degrees, 0 <= h < 360
    double fSaturation = 0.0;  // 0..1
    double fBrightness = 0.0;  // 0..1
};

// The HSB of a colour (alpha ignored). A grey has no hue and black no saturation: both come out
// as 0 and the caller decides what to keep.
THsbColor RgbToHsb(DWORD dwColor);
// 0x00RRGGBB of an HSB colour, each channel rounded to the nearest value.
DWORD HsbToRgb(const THsbColor& hsb);

}  // namespace DuiLib
