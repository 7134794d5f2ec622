#include "gen1_sanitize.h"

#include <algorithm>

namespace {

template <class T>
bool Clamp(T& value, T low, T high) {
    const T clamped = std::clamp(value, low, high);
    if (clamped == value) return false;
    value = clamped;
    return true;
}

template <size_t N>
bool Terminate(wchar_t (&szField)[N]) {
    for (wchar_t ch : szField)
        if (ch == L'\0') return false;
    szField[N - 1] = L'\0';
    return true;
}

// A stage's value: 0 (no DPI), else inside the model's range.
bool ClampDpiValue(const Gen1Model& model, int32_t& iValue) {
    if (iValue == 0) return false;
    return Clamp(iValue, model.iDpiValueMin, model.iDpiValueMax);
}

}  // namespace

bool SanitizeKeyEntry(KeyEntry& entry) {
    bool bChanged = Terminate(entry.szMacroName);
    bChanged |= Clamp<uint16_t>(entry.wActionNum, 0, kMacroActionMax);
    bChanged |= Clamp(entry.iLoopMode, 0, kLoopModeMax);
    bChanged |= Clamp(entry.iMacroIndex, -1, INT32_MAX);
    return bChanged;
}

bool SanitizeProfile(const Gen1Model& model, ProfileRecord& p) {
    bool bChanged = Terminate(p.szName);
    bChanged |= Clamp(p.iCurDpi, 0, kDpiStageCount - 1);
    bChanged |= Clamp(p.iRate, 0, model.iRateCount - 1);
    if (model.iRateHsCount > 0) bChanged |= Clamp(p.iRateHs, 0, model.iRateHsCount - 1);
    bChanged |= Clamp(p.iLightMode, 0, model.iLightModeCount - 1);
    for (int32_t* pOption : {&p.iLiftOff, &p.iRipple, &p.iAngleSnap, &p.iMotionSync})
        bChanged |= Clamp(*pOption, 0, 1);
    for (int i = 0; i < kDpiStageCount; ++i) {
        // Only 1 enables a stage (frame and check box alike), so any other value means off.
        if (p.iDpiEnable[i] != 0 && p.iDpiEnable[i] != 1) {
            p.iDpiEnable[i] = 0;
            bChanged = true;
        }
        bChanged |= ClampDpiValue(model, p.iDpi[i]);
        bChanged |= ClampDpiValue(model, p.iDpi2[i]);
    }
    for (KeyEntry& entry : p.stKeys) bChanged |= SanitizeKeyEntry(entry);
    return bChanged;
}

bool SanitizeMacro(MacroRecord& macro) {
    bool bChanged = Terminate(macro.szName);
    bChanged |= Clamp(macro.iActionNum, 0, kMacroActionMax);
    return bChanged;
}

bool ClampMacroIndexes(ProfileRecord& profile, size_t uMacroCount) {
    bool bChanged = false;
    for (KeyEntry& entry : profile.stKeys) {
        if (entry.iMacroIndex >= 0 && static_cast<size_t>(entry.iMacroIndex) >= uMacroCount) {
            entry.iMacroIndex = -1;
            bChanged = true;
        }
    }
    return bChanged;
}
