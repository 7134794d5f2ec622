// Bounds for second-generation records that come from a file (record_sanitize.h) with the model's
// limits: the current stage, the rates, the options, the light mode, the DPI values, the repeat
// mode, the loop count, the action counts and the macro index are brought into range, and every
// name is terminated inside its field.
#pragma once

#include "gen2_model.h"
#include "gen2_records.h"

#include <cstddef>

// Each returns true when it changed something.
bool SanitizeProfile(const Gen2Model& model, ProfileRecordEx& profile);
bool SanitizeMacro(MacroRecordEx& macro);

// Buttons whose macro index names no macro of a list of uMacroCount get -1.
bool ClampMacroIndexes(ProfileRecordEx& profile, size_t uMacroCount);
