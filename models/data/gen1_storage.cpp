#include "models/data/gen1_storage.h"

#include "models/data/gen1_frames.h"
#include "models/data/key_macro.h"
#include "models/data/record_repair.h"
#include "models/data/record_storage_impl.h"

void Gen1Records::SetDefaultProfile(const Gen1Model& model, ProfileRecord& profile) {
    FillDefaultProfile(model.defaults, profile);
}

bool Gen1Records::RepairProfile(const Gen1Model& model, ProfileRecord& profile) {
    return ::RepairProfile(model, profile);
}

bool Gen1Records::RepairMacro(MacroRecord& macro) { return ::RepairMacro(macro); }

bool Gen1Records::MacroFits(const Gen1Model& model, const MacroRecord& macro) { return MacroFitsFrame(model, macro); }

template class RecordStorage<Gen1Records>;

int FindKeyMacro(const MacroList& macros, const KeyEntry& entry, int* piIndex, int* pbEqual) {
    return FindKeyMacroT(macros, entry, piIndex, pbEqual);
}
