#include "gen1_storage.h"

#include "gen1_frames.h"
#include "gen1_sanitize.h"
#include "key_macro.h"
#include "record_storage_impl.h"

void Gen1Records::SetDefaultProfile(const Gen1Model& model, ProfileRecord& profile) {
    FillDefaultProfile(model.defaults, profile);
}

void Gen1Records::SanitizeProfile(const Gen1Model& model, ProfileRecord& profile) {
    ::SanitizeProfile(model, profile);
}

void Gen1Records::SanitizeMacro(MacroRecord& macro) { ::SanitizeMacro(macro); }

bool Gen1Records::MacroFits(const Gen1Model& model, const MacroRecord& macro) { return MacroFitsFrame(model, macro); }

template class RecordStorage<Gen1Records>;

int FindKeyMacro(const MacroList& macros, const KeyEntry& entry, int* piIndex, int* pbEqual) {
    return FindKeyMacroT(macros, entry, piIndex, pbEqual);
}
