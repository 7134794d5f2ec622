#include "gen1_sanitize.h"

#include "record_sanitize.h"

bool SanitizeKeyEntry(KeyEntry& entry) { return SanitizeKeyEntryT(entry, kLoopModeMax); }

bool SanitizeProfile(const Gen1Model& model, ProfileRecord& profile) {
    const RecordLimits limits{model.iRateCount,   model.iRateHsCount, model.iLightModeCount,
                              model.iDpiValueMin, model.iDpiValueMax, kLoopModeMax};
    return SanitizeProfileT(limits, profile);
}

bool SanitizeMacro(MacroRecord& macro) { return SanitizeMacroT(macro); }

bool ClampMacroIndexes(ProfileRecord& profile, size_t uMacroCount) { return ClampMacroIndexesT(profile, uMacroCount); }
