// A first-generation model's data files: "pro.data" (a ProDataHeader, then the profiles in the
// model's file layout) and "macro.data" (240-byte macro records) in the model's folder of the
// data folder, plus exported profiles ("*.pro") and macros ("*.macro") of one raw record each.
// The algorithms are the shared RecordStorage (record_storage.h); these are the first
// generation's records and rules.
#pragma once

#include "models/data/gen1_model.h"
#include "models/data/gen1_records.h"
#include "models/data/record_storage.h"

struct Gen1Records {
    using Model = Gen1Model;
    using Profile = ProfileRecord;
    using Macro = MacroRecord;
    // The description of model iModel, none where the number names no model of the generation;
    // a page then takes the fallback model's.
    static const Gen1Model* Find(int iModel) { return FindGen1Model(iModel); }
    static constexpr int kFallbackModel = 10;
    static const ProfileLayout& Layout(const Gen1Model& model) { return model.Layout(); }
    static void SetDefaultProfile(const Gen1Model& model, ProfileRecord& profile);
    static bool RepairProfile(const Gen1Model& model, ProfileRecord& profile);
    static bool RepairMacro(MacroRecord& macro);
    static bool MacroFits(const Gen1Model& model, const MacroRecord& macro);
    static bool IsMacroFunction(uint8_t byFunction) { return byFunction == kFunctionMacro; }
    static bool HasMacroSlot(const Gen1Model&, int) { return true; }  // every button can hold a macro
};

extern template class RecordStorage<Gen1Records>;
using Gen1Storage = RecordStorage<Gen1Records>;

// The first macro whose name equals the entry's macro name without regard to case: *piIndex is
// its position and *pbEqual is 1 when its action count and actions equal the entry's copy, else
// 0; the result is *pbEqual. No match (or an empty list): 0, outputs untouched.
int FindKeyMacro(const MacroList& macros, const KeyEntry& entry, int* piIndex, int* pbEqual);
