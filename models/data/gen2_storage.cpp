#include "models/data/gen2_storage.h"

#include "models/data/gen2_frames.h"
#include "models/data/key_macro.h"
#include "models/data/record_repair.h"
#include "models/data/record_storage_impl.h"

void Gen2Records::SetDefaultProfile(const Gen2Model& model, ProfileRecordEx& profile) {
    FillDefaultProfile(model.defaults, profile);
}

bool Gen2Records::RepairProfile(const Gen2Model& model, ProfileRecordEx& profile) {
    return ::RepairProfile(model, profile);
}

bool Gen2Records::RepairMacro(MacroRecordEx& macro) { return ::RepairMacro(macro); }

bool Gen2Records::MacroFits(const Gen2Model&, const MacroRecordEx& macro) { return MacroFitsFrame(macro); }

bool Gen2Records::IsMacroFunction(uint8_t byFunction) { return IsMacroFunctionEx(byFunction); }

template class RecordStorage<Gen2Records>;

int FindKeyMacroEx(const MacroListEx& macros, const KeyEntryEx& entry, int* piIndex, int* pbEqual) {
    return FindKeyMacroT(macros, entry, piIndex, pbEqual);
}
