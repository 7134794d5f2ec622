#include "models/data/settings_values.h"

#include <cwchar>

LightRows LightRowsFor(int iLightMode) {
    if (iLightMode == 1) return {true, false, true};
    if (iLightMode == 2) return {false, true, true};
    if (iLightMode >= 3 && iLightMode <= 11) return {false, true, false};
    return {};
}

RatePanel RatePanelFor(bool bCable, bool bWireless, bool bWireless4k) {
    if (bCable || bWireless) return RatePanel::Rate;
    if (bWireless4k) return RatePanel::RateHighSpeed;
    return RatePanel::None;
}

std::wstring SleepLabelText(std::wstring_view strBefore, int iSleep, std::wstring_view strAfter) {
    std::wstring strText(strBefore);
    strText += std::to_wstring(iSleep);
    strText += L' ';
    strText += strAfter;
    return strText;
}

std::wstring LightOffLabelText(std::wstring_view strBefore, int iLightOff, std::wstring_view strAfter) {
    wchar_t szTime[32];
    std::swprintf(szTime, 32, L"%.1f", iLightOff * 0.5);
    std::wstring strText(strBefore);
    strText += szTime;
    strText += L' ';
    strText += strAfter;
    return strText;
}

std::wstring DebounceLabelText(int iDebounce, int iFactor) {
    return std::to_wstring(static_cast<long long>(iDebounce) * iFactor) + L" MS";
}
