#include "gen1_storage.h"

#include "gen1_frames.h"
#include "key_macro.h"
#include "record_repair.h"
#include "record_storage_impl.h"

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
