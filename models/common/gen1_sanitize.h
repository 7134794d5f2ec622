// Bounds for first-generation records that come from a file (record_sanitize.h) with the model's
// limits: every value a page later uses as an index, a count or a length is brought into its
// range, and every name is terminated inside its field. Records the program wrote itself pass
// unchanged.
#pragma once

#include "gen1_model.h"
#include "gen1_records.h"

#include <cstddef>

constexpr int32_t kLoopModeMax = 2;  // the macro picker's three repeat options

// Each returns true when it changed something.
bool SanitizeKeyEntry(KeyEntry& entry);
bool SanitizeProfile(const Gen1Model& model, ProfileRecord& profile);
bool SanitizeMacro(MacroRecord& macro);

// Macro buttons whose index names no macro of a list of uMacroCount get -1.
bool ClampMacroIndexes(ProfileRecord& profile, size_t uMacroCount);
