// The repair of records that come from a file, one routine for both generations over the model's
// description: every value a page shows on a control, uses as an index, a count or a length, or
// looks up in a table is brought into what the model offers; every name is terminated inside its
// field; a mouse move keeps to the macro editor's range; a button whose function has no
// table row gets its factory function; and a profile with no stage switched on gets its current
// one. Records this program writes pass unchanged, so a change tells a damaged record, or one
// written elsewhere: a load keeps the repaired record, an import refuses the file. Each returns
// true when it changed something.
#pragma once

#include "models/data/gen1_model.h"
#include "models/data/gen1_records.h"
#include "models/data/gen2_model.h"
#include "models/data/gen2_records.h"

#include <cstddef>
#include <cstdint>

constexpr int32_t kLoopCountMax = 255;  // the macro picker's loop count; 0 is sent as 1

bool RepairProfile(const Gen1Model& model, ProfileRecord& profile);
bool RepairProfile(const Gen2Model& model, ProfileRecordEx& profile);
bool RepairMacro(MacroRecord& macro);
bool RepairMacro(MacroRecordEx& macro);

// Buttons whose macro index names no macro of a list of uMacroCount get -1. Not part of the
// repair: an exported profile keeps the indexes of the computer it was made on.
bool ClampMacroIndexes(ProfileRecord& profile, size_t uMacroCount);
bool ClampMacroIndexes(ProfileRecordEx& profile, size_t uMacroCount);
