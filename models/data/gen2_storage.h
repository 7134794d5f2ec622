// A second-generation model's data files: "pro.data" (a ProDataHeader of 507,704 bytes, then
// profiles of 101,540 bytes) and "macro.data" (3,096-byte macro records) in the model's folder of
// the data folder, plus exported profiles ("*.pro") and macros ("*.macro") of one record each.
// The algorithms are the shared RecordStorage (record_storage.h); these are the second
// generation's records and rules: buttons with function 17 or 25 carry a macro, and a macro fits
// when its event total is at most 191 and it needs at most four blocks.
#pragma once

#include "models/data/gen2_model.h"
#include "models/data/gen2_records.h"
#include "models/data/record_storage.h"

struct Gen2Records {
    using Model = Gen2Model;
    using Profile = ProfileRecordEx;
    using Macro = MacroRecordEx;
    // The description of model iModel, none where the number names no model of the generation;
    // a page then takes the fallback model's.
    static const Gen2Model* Find(int iModel) { return FindGen2Model(iModel); }
    static constexpr int kFallbackModel = 11;
    static const ProfileLayoutEx& Layout(const Gen2Model& model) { return model.Layout(); }
    static void SetDefaultProfile(const Gen2Model& model, ProfileRecordEx& profile);
    static bool RepairProfile(const Gen2Model& model, ProfileRecordEx& profile);
    static bool RepairMacro(MacroRecordEx& macro);
    static bool MacroFits(const Gen2Model& model, const MacroRecordEx& macro);
    static bool IsMacroFunction(uint8_t byFunction);
    // Button k (0-based) has a macro slot on the mouse (a macro block of its own).
    static bool HasMacroSlot(const Gen2Model& model, int k) {
        return k >= 0 && k < kButtonCount && model.iMacroBlock[k] != 0;
    }
};

extern template class RecordStorage<Gen2Records>;
using Gen2Storage = RecordStorage<Gen2Records>;

// The first macro whose name equals the entry's macro name without regard to case: *piIndex is
// its position and *pbEqual is 1 when its action count and actions (all 16 bytes of each) equal
// the entry's copy, else 0; the result is *pbEqual. No match (or an empty list): 0, outputs
// untouched.
int FindKeyMacroEx(const MacroListEx& macros, const KeyEntryEx& entry, int* piIndex, int* pbEqual);
