#include "ui/palette/hsb_color.h"

#include <algorithm>
#include <cmath>

namespace DuiLib {

THsbColor RgbToHsb(DWORD dwColor) {
    const double r = ((dwColor >> 16) & 0xFF) / 255.0;
    const double g = ((dwColor >> 8) & 0xFF) / 255.0;
    const double b = (dwColor & 0xFF) / 255.0;
    const double fMax = std::max({r, g, b});
    const double fMin = std::min({r, g, b});
    const double fDelta = fMax - fMin;
    THsbColor hsb;
    hsb.fBrightness = fMax;
    hsb.fSaturation = fMax > 0.0 ? fDelta / fMax : 0.0;
    if (fDelta > 0.0) {
        double fHue = 0.0;
        if (fMax == r) {
            fHue = 60.0 * std::fmod((g - b) / fDelta, 6.0);
        } else if (fMax == g) {
            fHue = 60.0 * ((b - r) / fDelta + 2.0);
        } else {
            fHue = 60.0 * ((r - g) / fDelta + 4.0);
        }
        if (fHue < 0.0) fHue += 360.0;
        hsb.fHue = fHue >= 360.0 ? 0.0 : fHue;
    }
    return hsb;
}

DWORD HsbToRgb(const THsbColor& hsb) {
    const double fBrightness = std::clamp(hsb.fBrightness, 0.0, 1.0);
    const double fSaturation = std::clamp(hsb.fSaturation, 0.0, 1.0);
    double fHue = std::fmod(hsb.fHue, 360.0);
    if (fHue < 0.0) fHue += 360.0;
    const double fChroma = fBrightness * fSaturation;
    const double fSector = fHue / 60.0;
    const double fSecond = fChroma * (1.0 - std::fabs(std::fmod(fSector, 2.0) - 1.0));
    double r = 0.0, g = 0.0, b = 0.0;
    switch (static_cast<int>(fSector)) {
        case 0: r = fChroma; g = fSecond; break;
        case 1: r = fSecond; g = fChroma; break;
        case 2: g = fChroma; b = fSecond; break;
        case 3: g = fSecond; b = fChroma; break;
        case 4: r = fSecond; b = fChroma; break;
        default: r = fChroma; b = fSecond; break;
    }
    const double fBase = fBrightness - fChroma;
    auto channel = [fBase](double v) { return static_cast<DWORD>(std::lround((v + fBase) * 255.0)) & 0xFF; };
    return (channel(r) << 16) | (channel(g) << 8) | channel(b);
}

}  // namespace DuiLib
