#include "gen2_sanitize.h"

#include "record_sanitize.h"

bool SanitizeProfile(const Gen2Model& model, ProfileRecordEx& profile) {
    const RecordLimits limits{model.iRateCount,   model.iRateHsCount, model.iLightModeCount,
                              model.iDpiValueMin, model.iDpiValueMax, model.iLoopModeCount - 1,
                              model.iSensorModeCount};
    return SanitizeProfileT(limits, profile);
}

bool SanitizeMacro(MacroRecordEx& macro) { return SanitizeMacroT(macro); }

bool ClampMacroIndexes(ProfileRecordEx& profile, size_t uMacroCount) { return ClampMacroIndexesT(profile, uMacroCount); }
