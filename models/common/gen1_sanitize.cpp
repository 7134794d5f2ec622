#include "gen1_sanitize.h"

#include "key_function_table.h"
#include "record_sanitize.h"

namespace {

// What the page's controls and the light frame can carry.
constexpr int32_t kBrightnessMax = 15;
constexpr int32_t kBreathSpeedMax = 9;
constexpr int32_t kDebounceMax = 255;
constexpr int32_t kLightOffMax = 255;

// MS_1 and MS_2 send the sleep timer plus one in a byte; MS_10 packs it into two nibbles.
int32_t SleepMax(const Gen1Model& model) { return model.eLightCodec == LightCodec::SleepPlusOne ? 254 : 255; }

// Values the page shows on a control and the light frame carries: a damaged file's value is
// brought into what the control offers, so a save keeps what the person sees.
bool ClampLightAndPower(const Gen1Model& model, ProfileRecord& p) {
    using sanitize_detail::Clamp;
    bool bChanged = Clamp(p.iSleep, 0, SleepMax(model));
    bChanged |= Clamp(p.iDebounce, 0, kDebounceMax);
    bChanged |= Clamp(p.iBrightness, 0, kBrightnessMax);
    bChanged |= Clamp(p.iBreathSpeed, 0, kBreathSpeedMax);
    bChanged |= Clamp(p.iLightOff, 0, kLightOffMax);
    return bChanged;
}

// A button whose function the mouse has no bytes for gets its factory function.
bool DefaultUnknownFunctions(const Gen1Model& model, ProfileRecord& p) {
    bool bChanged = false;
    for (int k = 0; k < kButtonCount; ++k) {
        KeyEntry& entry = p.stKeys[k];
        if (FindKeyFunction(entry.byFunction) != nullptr) continue;
        entry.byFunction = model.defaults.byFunction[k];
        bChanged = true;
    }
    return bChanged;
}

// The mouse needs a stage to be in: with none switched on, the current one is.
bool EnableSomeStage(ProfileRecord& p) {
    for (int32_t iEnable : p.iDpiEnable)
        if (iEnable == 1) return false;
    p.iDpiEnable[p.iCurDpi] = 1;
    return true;
}

}  // namespace

bool SanitizeKeyEntry(KeyEntry& entry) { return SanitizeKeyEntryT(entry, kLoopModeMax); }

bool SanitizeProfile(const Gen1Model& model, ProfileRecord& profile) {
    const RecordLimits limits{model.iRateCount,   model.iRateHsCount, model.iLightModeCount,
                              model.iDpiValueMin, model.iDpiValueMax, kLoopModeMax};
    bool bChanged = SanitizeProfileT(limits, profile);  // iCurDpi is inside 0..7 from here on
    bChanged |= ClampLightAndPower(model, profile);
    bChanged |= DefaultUnknownFunctions(model, profile);
    bChanged |= EnableSomeStage(profile);
    return bChanged;
}

bool SanitizeMacro(MacroRecord& macro) { return SanitizeMacroT(macro); }

bool ClampMacroIndexes(ProfileRecord& profile, size_t uMacroCount) { return ClampMacroIndexesT(profile, uMacroCount); }
