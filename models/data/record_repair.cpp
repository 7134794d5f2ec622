#include "models/data/record_repair.h"

#include "models/data/key_function_table.h"

#include <algorithm>
#include <cstdint>

namespace {

// What a model offers, read from its description; the same for both generations. Counts of 0
// leave their field alone (a field the model's file layout does not store stays zero).
struct RecordLimits {
    int iRateCount;        // iRate 0..count-1
    int iRateHsCount;      // iRateHs 0..count-1
    int iLightModeCount;   // iLightMode 0..count-1
    int iSensorModeCount;  // iSensorMode 0..count-1
    int32_t iDpiValueMin;  // iDpi, iDpi2: 0 (no DPI) or min..max
    int32_t iDpiValueMax;
    int iLoopModeCount;    // a button's iLoopMode 0..count-1
    SliderRanges sliders;
    const uint8_t* pbyFactoryFunctions;  // of buttons 1..18
    const KeyFunctionRow* (*pfnFunctionRow)(uint8_t byId);  // the generation's function table
};

template <class Model>
RecordLimits LimitsOf(const Model& model, int iSensorModeCount, const KeyFunctionRow* (*pfnFunctionRow)(uint8_t)) {
    return {model.iRateCount,   model.iRateHsCount,   model.iLightModeCount, iSensorModeCount,
            model.iDpiValueMin, model.iDpiValueMax,   model.iLoopModeCount,  model.sliders,
            model.defaults.byFunction, pfnFunctionRow};
}

template <class T>
bool Clamp(T& value, T low, T high) {
    const T clamped = std::clamp(value, low, high);
    if (clamped == value) return false;
    value = clamped;
    return true;
}

bool ClampCount(int32_t& iValue, int iCount) { return iCount > 0 && Clamp(iValue, 0, iCount - 1); }

template <size_t N>
bool Terminate(NameChar (&szField)[N]) {
    for (NameChar ch : szField)
        if (ch == 0) return false;
    szField[N - 1] = 0;
    return true;
}

// A stage's value: 0 (no DPI), else inside the model's range.
bool ClampDpiValue(const RecordLimits& limits, int32_t& iValue) {
    if (iValue == 0) return false;
    return Clamp(iValue, limits.iDpiValueMin, limits.iDpiValueMax);
}

// What the editor's move edits offer (second generation): within kMoveOffsetMax either way. A
// delay keeps what the file holds: the macro frame bounds it.
bool ClampAction(MacroAction&) { return false; }
bool ClampAction(MacroActionEx& action) {
    if (action.byType != kActionMove) return false;
    const bool bX = Clamp(action.iX, -kMoveOffsetMax, kMoveOffsetMax);
    const bool bY = Clamp(action.iY, -kMoveOffsetMax, kMoveOffsetMax);
    return bX || bY;
}

// The first iCount actions (the count already inside the record).
template <class Action, class Count>
bool RepairActions(Action* pActions, Count count) {
    bool bChanged = false;
    for (Count i = 0; i < count; ++i) bChanged |= ClampAction(pActions[i]);
    return bChanged;
}

template <class Key>
bool RepairKeyEntry(const RecordLimits& limits, int k, Key& entry) {
    bool bChanged = Terminate(entry.szMacroName);
    bChanged |= Clamp<uint16_t>(entry.wActionNum, 0, Key::kActionMax);
    bChanged |= RepairActions(entry.stActions, entry.wActionNum);
    bChanged |= ClampCount(entry.iLoopMode, limits.iLoopModeCount);
    bChanged |= Clamp(entry.iLoopCount, 0, kLoopCountMax);
    bChanged |= Clamp(entry.iMacroIndex, -1, INT32_MAX);
    // The mouse has no bytes for a function without a row: the button gets its factory function.
    if (limits.pfnFunctionRow(entry.byFunction) == nullptr) {
        entry.byFunction = limits.pbyFactoryFunctions[k];
        bChanged = true;
    }
    return bChanged;
}

// The mouse needs a stage to be in: with none switched on, the current one is.
template <class Profile>
bool EnableSomeStage(Profile& p) {
    for (int32_t iEnable : p.iDpiEnable)
        if (iEnable == 1) return false;
    p.iDpiEnable[p.iCurDpi] = 1;
    return true;
}

template <class Profile>
bool RepairProfileT(const RecordLimits& limits, Profile& p) {
    bool bChanged = Terminate(p.szName);
    bChanged |= Clamp(p.iCurDpi, 0, kDpiStageCount - 1);
    bChanged |= ClampCount(p.iRate, limits.iRateCount);
    bChanged |= ClampCount(p.iRateHs, limits.iRateHsCount);
    bChanged |= ClampCount(p.iLightMode, limits.iLightModeCount);
    bChanged |= ClampCount(p.iSensorMode, limits.iSensorModeCount);
    for (int32_t* pOption : {&p.iLiftOff, &p.iRipple, &p.iAngleSnap, &p.iMotionSync, &p.iMoveMode})
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
    const SliderRanges& sliders = limits.sliders;
    bChanged |= Clamp(p.iBrightness, 0, sliders.iBrightnessMax);
    bChanged |= Clamp(p.iBreathSpeed, 0, sliders.iBreathSpeedMax);
    bChanged |= Clamp(p.iSleep, 0, sliders.iSleepMax);
    bChanged |= Clamp(p.iDebounce, 0, sliders.iDebounceMax);
    bChanged |= Clamp(p.iLightOff, 0, sliders.iLightOffMax);
    // Entries past the buttons are never sent nor used as an index: they keep what the file holds.
    for (int k = 0; k < kButtonCount; ++k) bChanged |= RepairKeyEntry(limits, k, p.stKeys[k]);
    bChanged |= EnableSomeStage(p);  // iCurDpi is inside 0..7 from here on
    return bChanged;
}

template <class Macro>
bool RepairMacroT(Macro& macro) {
    bool bChanged = Terminate(macro.szName);
    bChanged |= Clamp(macro.iActionNum, 0, Macro::kActionMax);
    bChanged |= RepairActions(macro.stActions, macro.iActionNum);
    bChanged |= Clamp(macro.iLoopCount, 0, kLoopCountMax);
    return bChanged;
}

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

}  // namespace

bool RepairProfile(const Gen1Model& model, ProfileRecord& profile) {
    return RepairProfileT(LimitsOf(model, 0, &FindKeyFunction), profile);
}

bool RepairProfile(const Gen2Model& model, ProfileRecordEx& profile) {
    return RepairProfileT(LimitsOf(model, model.iSensorModeCount, &FindKeyFunctionEx), profile);
}

bool RepairMacro(MacroRecord& macro) { return RepairMacroT(macro); }

bool RepairMacro(MacroRecordEx& macro) { return RepairMacroT(macro); }

bool ClampMacroIndexes(ProfileRecord& profile, size_t uMacroCount) { return ClampMacroIndexesT(profile, uMacroCount); }

bool ClampMacroIndexes(ProfileRecordEx& profile, size_t uMacroCount) { return ClampMacroIndexesT(profile, uMacroCount); }
