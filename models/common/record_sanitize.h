// Bounds for records that come from a file, for either generation's records: every value a page
// later uses as an index, a count or a length is brought into its range, and every name is
// terminated inside its field. Records the program wrote itself pass unchanged. Each returns true
// when it changed something; gen1_sanitize.h and gen2_sanitize.h give the model's limits.
#pragma once

#include "record_types.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <type_traits>

// What a model's controls offer; counts of 0 leave that field alone.
struct RecordLimits {
    int iRateCount;        // iRate 0..count-1
    int iRateHsCount;      // iRateHs 0..count-1
    int iLightModeCount;   // iLightMode 0..count-1
    int32_t iDpiValueMin;  // iDpi, iDpi2: 0 (no DPI) or min..max
    int32_t iDpiValueMax;
    int32_t iLoopModeMax;  // iLoopMode 0..max
    int iSensorModeCount = 0;  // iSensorMode 0..count-1 (the sensor models)
};

constexpr int32_t kLoopCountMax = 255;  // the macro picker's loop count; 0 is sent as 1

namespace sanitize_detail {

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
inline bool ClampDpiValue(const RecordLimits& limits, int32_t& iValue) {
    if (iValue == 0) return false;
    return Clamp(iValue, limits.iDpiValueMin, limits.iDpiValueMax);
}

}  // namespace sanitize_detail

template <class Key>
bool SanitizeKeyEntryT(Key& entry, int32_t iLoopModeMax) {
    using namespace sanitize_detail;
    bool bChanged = Terminate(entry.szMacroName);
    bChanged |= Clamp<uint16_t>(entry.wActionNum, 0, Key::kActionMax);
    bChanged |= Clamp(entry.iLoopMode, 0, iLoopModeMax);
    bChanged |= Clamp(entry.iLoopCount, 0, kLoopCountMax);
    bChanged |= Clamp(entry.iMacroIndex, -1, INT32_MAX);
    return bChanged;
}

template <class Profile>
bool SanitizeProfileT(const RecordLimits& limits, Profile& p) {
    using namespace sanitize_detail;
    bool bChanged = Terminate(p.szName);
    bChanged |= Clamp(p.iCurDpi, 0, kDpiStageCount - 1);
    if (limits.iRateCount > 0) bChanged |= Clamp(p.iRate, 0, limits.iRateCount - 1);
    if (limits.iRateHsCount > 0) bChanged |= Clamp(p.iRateHs, 0, limits.iRateHsCount - 1);
    if (limits.iLightModeCount > 0) bChanged |= Clamp(p.iLightMode, 0, limits.iLightModeCount - 1);
    if (limits.iSensorModeCount > 0) bChanged |= Clamp(p.iSensorMode, 0, limits.iSensorModeCount - 1);
    for (int32_t* pOption : {&p.iLiftOff, &p.iRipple, &p.iAngleSnap, &p.iMotionSync})
        bChanged |= Clamp(*pOption, 0, 1);
    for (int i = 0; i < kDpiStageCount; ++i) {
        // Only 1 enables a stage (frame and check box alike), so any other value means off.
        if (p.iDpiEnable[i] != 0 && p.iDpiEnable[i] != 1) {
            p.iDpiEnable[i] = 0;
            bChanged = true;
        }
        bChanged |= ClampDpiValue(limits, p.iDpi[i]);
        bChanged |= ClampDpiValue(limits, p.iDpi2[i]);
    }
    // Entries past the buttons are never sent nor used as an index: they keep what the file holds.
    for (int k = 0; k < kButtonCount; ++k) bChanged |= SanitizeKeyEntryT(p.stKeys[k], limits.iLoopModeMax);
    return bChanged;
}

template <class Macro>
bool SanitizeMacroT(Macro& macro) {
    using namespace sanitize_detail;
    bool bChanged = Terminate(macro.szName);
    bChanged |= Clamp(macro.iActionNum, 0, Macro::kActionMax);
    return bChanged;
}

// Buttons whose macro index names no macro of a list of uMacroCount get -1.
template <class Profile>
bool ClampMacroIndexesT(Profile& profile, size_t uMacroCount) {
    bool bChanged = false;
    for (int k = 0; k < kButtonCount; ++k) {
        auto& entry = profile.stKeys[k];
        if (entry.iMacroIndex >= 0 && static_cast<size_t>(entry.iMacroIndex) >= uMacroCount) {
            entry.iMacroIndex = -1;
            bChanged = true;
        }
    }
    return bChanged;
}
