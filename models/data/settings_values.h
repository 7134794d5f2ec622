// What a settings page works out for its controls, apart from the controls themselves: the light
// rows a light mode uses, which polling-rate panel the links allow, and the sleep and debounce
// captions. The same for every model page.
#pragma once

#include <string>
#include <string_view>

// The light rows a light mode shows (every other row is hidden).
struct LightRows {
    bool bBrightness = false;
    bool bBreathSpeed = false;
    bool bColor = false;
};
LightRows LightRowsFor(int iLightMode);

// The polling-rate panel the section check opens: the cable or the 2.4 GHz receiver take the
// polling rate, the 4K receiver alone its high-speed rate, Bluetooth LE alone neither.
enum class RatePanel { Rate, RateHighSpeed, None };
RatePanel RatePanelFor(bool bCable, bool bWireless, bool bWireless4k);

// The sleep-timer caption: the language's text before the number, the number, a blank and the
// text after it ("Sleep after " 10 " min").
std::wstring SleepLabelText(std::wstring_view strBefore, int iSleep, std::wstring_view strAfter);
// The light-off caption: the language's text before the time, the stored value in half minutes
// with one decimal ("1.0" for 2), a blank and the text after it.
std::wstring LightOffLabelText(std::wstring_view strBefore, int iLightOff, std::wstring_view strAfter);
// The debounce caption: the stored value times the model's factor, in milliseconds ("5 MS").
std::wstring DebounceLabelText(int iDebounce, int iFactor);
