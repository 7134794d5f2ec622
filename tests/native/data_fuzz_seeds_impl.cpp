#include "tests/native/data_fuzz_harness.h"
#include "tests/native/data_fuzz_seeds.h"

#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/table/model_table.h"
#include "tests/native/native_kit.h"

#include <cstring>

namespace datafuzz {

namespace {

// Whether the model is the first of its file layout: a whole pro.data (most of it the header's
// reserved block) is a seed for these only, so the corpus stays small.
bool FirstOfItsLayout(int iNumber) {
    for (const ModelInfo& info : g_Models)
        if (info.eLayout == FindModel(iNumber)->eLayout) return info.iNumber == iNumber;
    return false;
}

template <class Storage>
void AddSeeds(const typename Storage::ModelType& model, std::vector<std::vector<uint8_t>>& seeds) {
    const nativekit::ScratchFolder scratch("fuzz_seed_files");
    Storage storage(model, scratch / "Data", nativekit::Texts);
    typename Storage::Profiles profiles;
    typename Storage::Macros macros;
    ProDataHeader header;
    storage.LoadPageData(profiles, header, macros);  // no files yet: a default pro.data is written
    typename Storage::Macro* pMacro = storage.AddMacroRecord(macros);
    // A key pressed and released, as the editor records it.
    pMacro->iActionNum = 2;
    pMacro->stActions[0].byKey = 4;
    pMacro->stActions[0].byType = kActionPress;
    pMacro->stActions[0].wDelay = 50;
    pMacro->stActions[1].byKey = 4;
    pMacro->stActions[1].byType = kActionRelease;
    storage.SaveMacroData(macros);
    storage.ExportProfile(*profiles.front(), scratch / "export.pro");
    storage.ExportMacro(*pMacro, scratch / "export.macro");

    const int n = model.iNumber;
    const std::vector<uint8_t> proData = nativekit::ReadBytes(storage.ProDataPath());
    if (FirstOfItsLayout(n)) seeds.push_back(InputOf(Target::ProData, n, 1, proData));
    std::vector<uint8_t> compact(proData.begin(), proData.begin() + 4);
    compact.insert(compact.end(), proData.begin() + storage.HeaderSize(), proData.end());
    seeds.push_back(InputOf(Target::ProData, n, 0, compact));
    seeds.push_back(InputOf(Target::MacroData, n, 0, nativekit::ReadBytes(storage.MacroDataPath())));
    const std::vector<uint8_t> exported = nativekit::ReadBytes(scratch / "export.pro");
    seeds.push_back(InputOf(Target::ProfileImport, n, 0, exported));
    seeds.push_back(InputOf(Target::MacroImport, n, 0, nativekit::ReadBytes(scratch / "export.macro")));
    seeds.push_back(InputOf(Target::RecordFrames, n, 0, exported));
}

}  // namespace

std::vector<std::vector<uint8_t>> SeedInputs() {
    std::vector<std::vector<uint8_t>> seeds;
    for (const ModelInfo& info : g_Models) {
        if (const Gen1Model* pGen1 = FindGen1Model(info.iNumber)) AddSeeds<Gen1Storage>(*pGen1, seeds);
        else if (const Gen2Model* pGen2 = FindGen2Model(info.iNumber)) AddSeeds<Gen2Storage>(*pGen2, seeds);
    }
    // Event values and a frame: a rate code, a battery report, id bytes, then a key frame's head.
    seeds.push_back(InputOf(Target::Decoders, 1, 0, {0x08, 0, 0, 0, 0x03, 0x64, 0, 0, 0x10, 0, 0, 0, 0x08, 0x3B, 0x01}));
    return seeds;
}

}  // namespace datafuzz
