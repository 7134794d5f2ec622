#include "tests/native/data_fuzz_harness.h"

#include "models/pages/button_functions.h"
#include "models/data/gen1_frames.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_frames.h"
#include "models/data/gen2_storage.h"
#include "models/table/model_table.h"
#include "tests/native/native_kit.h"
#include "models/data/profile_diff.h"
#include "models/data/record_file.h"
#include "models/data/record_repair.h"
#include "models/data/report_frame.h"

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace datafuzz {

namespace {

[[noreturn]] void Broken(const char* pszWhat, int iLine) {
    std::fprintf(stderr, "data_fuzz_harness.cpp:%d: broken promise: %s\n", iLine, pszWhat);
    std::abort();
}
#define PROMISE(condition) \
    if (!(condition)) Broken(#condition, __LINE__)

const nativekit::ScratchFolder& Scratch() {
    // In memory where the system offers a folder there: every input writes and reads its files.
    static const nativekit::ScratchFolder scratch(
        (::access("/dev/shm", W_OK) == 0 ? "/dev/shm/" : "") + std::string("data_fuzz_") + std::to_string(::getpid()));
    return scratch;
}

template <class Rec>
std::unique_ptr<Rec> Zeroed() {
    auto pRec = std::make_unique<Rec>();
    std::memset(pRec.get(), 0, sizeof(Rec));
    return pRec;
}

template <class Rec>
bool SameBytes(const Rec& a, const Rec& b) {
    return std::memcmp(&a, &b, sizeof(Rec)) == 0;
}

template <class Rec>
bool SameLists(const RecordList<Rec>& a, const RecordList<Rec>& b) {
    if (a.size() != b.size()) return false;
    for (size_t i = 0; i < a.size(); ++i)
        if (!SameBytes(*a[i], *b[i])) return false;
    return true;
}

// Every piece a link carries a frame in, and the frame's own length byte.
void CheckFrame(const FrameBytes& frame) {
    PROMISE(frame.size() >= 3 && frame[1] == frame.size());
    const int iChunks = MacroChunkCount(frame);
    for (int i = 0; i <= iChunks; ++i) {
        BuildMacroChunk(frame, i, ChunkLink::Cable);
        BuildMacroChunk(frame, i, ChunkLink::Receiver);
    }
    const int iPieces = Wireless4kPieceCount(frame);
    for (int i = 0; i <= iPieces; ++i) BuildWireless4kFrame(frame, i);
}

void BuildEveryFrame(const Gen1Model& model, const ProfileRecord& profile) {
    CheckFrame(BuildStartReport());
    CheckFrame(BuildDpiReport(model, profile));
    CheckFrame(BuildLightReport(model, profile));
    CheckFrame(BuildRateReport(model, profile));
    CheckFrame(BuildKeyReport(profile));
    for (int iButton = 1; iButton <= kButtonCount; ++iButton) {
        const KeyEntry& entry = profile.stKeys[iButton - 1];
        KeyFunctionBytes(entry, iButton);
        CheckFrame(BuildMacroReport(model, iButton, entry));
    }
    DiffProfile(profile, profile);
}

void BuildEveryFrame(const Gen2Model& model, const ProfileRecordEx& profile) {
    CheckFrame(BuildDpiReport(model, profile));
    CheckFrame(BuildLightReport(model, profile));
    CheckFrame(BuildRateReport(model, profile));
    CheckFrame(BuildKeyReport(model, profile));
    RateCode(model, profile);
    for (int k = 0; k < kButtonCount; ++k) {
        const KeyEntryEx& entry = profile.stKeys[k];
        KeyFunctionBytes(model, k, entry);
        for (const FrameBytes& frame : BuildMacroChain(model, k, entry)) CheckFrame(frame);
    }
    DiffProfile(profile, profile);
}

// A macro as a button carries it, then every frame that button sends.
void BuildMacroFrames(const Gen1Model& model, const MacroRecord& macro) {
    MacroFitsFrame(model, macro);
    auto pEntry = Zeroed<KeyEntry>();
    pEntry->byFunction = kFunctionMacro;
    CopyMacroInto(*pEntry, macro);
    for (int iButton = 1; iButton <= kButtonCount; ++iButton) CheckFrame(BuildMacroReport(model, iButton, *pEntry));
}

void BuildMacroFrames(const Gen2Model& model, const MacroRecordEx& macro) {
    MacroFitsFrame(macro);
    MacroEventTotal(macro.stActions, std::clamp(macro.iActionNum, 0, MacroRecordEx::kActionMax));
    auto pEntry = Zeroed<KeyEntryEx>();
    pEntry->byFunction = kFunctionMacro;
    CopyMacroInto(*pEntry, macro);
    for (int k = 0; k < kButtonCount; ++k)
        for (const FrameBytes& frame : BuildMacroChain(model, k, *pEntry)) CheckFrame(frame);
}

template <class R>
struct Gen;
template <>
struct Gen<Gen1Records> {
    using Storage = Gen1Storage;
};
template <>
struct Gen<Gen2Records> {
    using Storage = Gen2Storage;
};

// One model's storage on a fresh data folder.
template <class R>
struct Files {
    using Storage = typename Gen<R>::Storage;
    using Profile = typename R::Profile;
    using Macro = typename R::Macro;

    explicit Files(const typename R::Model& model) : model(model), storage(model, DataFolder(), nativekit::Texts) {
        EnsureFolder(storage.ModelFolder());
    }
    static std::wstring DataFolder() {
        Scratch().Clear();
        return Scratch() / "Data";
    }
    // Loads both files as a page's start does; every loaded record is whole and repaired.
    PageDataLoad Load(RecordList<Profile>& profiles, ProDataHeader& header, RecordList<Macro>& macros) {
        const PageDataLoad load = storage.LoadPageData(profiles, header, macros);
        PROMISE(!profiles.empty());
        PROMISE(header.iCurProfile >= 0 && static_cast<size_t>(header.iCurProfile) < profiles.size());
        for (const auto& pProfile : profiles) {
            Profile again = *pProfile;
            PROMISE(!R::RepairProfile(model, again));
            PROMISE(!ClampMacroIndexes(again, macros.size()));
            BuildEveryFrame(model, *pProfile);
        }
        for (const auto& pMacro : macros) {
            Macro again = *pMacro;
            PROMISE(!R::RepairMacro(again));
            BuildMacroFrames(model, *pMacro);
        }
        return load;
    }

    const typename R::Model& model;
    Storage storage;
};

// A damaged file is kept aside as it was before anything replaces it.
void CheckKeptAside(LoadResult eResult, const std::wstring& strPath, const std::vector<uint8_t>& file) {
    if (eResult == LoadResult::TailDropped || eResult == LoadResult::Replaced)
        PROMISE(nativekit::ReadBytes(strPath + L".bad") == file);
    if (eResult == LoadResult::TailDropped) PROMISE(nativekit::ReadBytes(strPath) == file);
    if (eResult == LoadResult::Unreadable) PROMISE(nativekit::ReadBytes(strPath) == file);
}

template <class R>
void RunProData(const typename R::Model& model, uint8_t byMode, const uint8_t* pData, size_t uSize) {
    Files<R> files(model);
    std::vector<uint8_t> file(pData, pData + uSize);
    if ((byMode & 1) == 0) {
        // A header of zeros but for the current profile, then the records.
        const size_t uHeader = static_cast<size_t>(files.storage.HeaderSize());
        std::vector<uint8_t> withHeader(uHeader, 0);
        std::memcpy(withHeader.data(), pData, std::min<size_t>(uSize, 4));
        if (uSize > 4) withHeader.insert(withHeader.end(), pData + 4, pData + uSize);
        file = std::move(withHeader);
    }
    PROMISE(nativekit::WriteBytes(files.storage.ProDataPath(), file));
    RecordList<typename R::Profile> profiles;
    RecordList<typename R::Macro> macros;
    ProDataHeader header;
    const PageDataLoad load = files.Load(profiles, header, macros);
    CheckKeptAside(load.eProfiles, files.storage.ProDataPath(), file);
    if (load.eProfiles == LoadResult::Unreadable) return;
    // What was loaded is what a save keeps: saved and loaded again, nothing changes.
    PROMISE(files.storage.SaveProData(profiles, header));
    typename Gen<R>::Storage again(model, Scratch() / "Data", nativekit::Texts);
    RecordList<typename R::Profile> profilesAgain;
    RecordList<typename R::Macro> macrosAgain;
    ProDataHeader headerAgain;
    PROMISE(again.LoadPageData(profilesAgain, headerAgain, macrosAgain).eProfiles == LoadResult::Loaded);
    PROMISE(SameLists(profiles, profilesAgain));
    PROMISE(header.iCurProfile == headerAgain.iCurProfile && header.reserved == headerAgain.reserved);
}

template <class R>
void RunMacroData(const typename R::Model& model, const uint8_t* pData, size_t uSize) {
    Files<R> files(model);
    const std::vector<uint8_t> file(pData, pData + uSize);
    PROMISE(nativekit::WriteBytes(files.storage.MacroDataPath(), file));
    RecordList<typename R::Profile> profiles;
    RecordList<typename R::Macro> macros;
    ProDataHeader header;
    const PageDataLoad load = files.Load(profiles, header, macros);
    CheckKeptAside(load.eMacros, files.storage.MacroDataPath(), file);
    if (load.eMacros == LoadResult::Unreadable || macros.empty()) return;
    PROMISE(files.storage.SaveMacroData(macros));
    typename Gen<R>::Storage again(model, Scratch() / "Data", nativekit::Texts);
    RecordList<typename R::Macro> macrosAgain;
    PROMISE(again.LoadMacroData(macrosAgain) == LoadResult::Loaded);
    PROMISE(SameLists(macros, macrosAgain));
}

// An import over a page's saved lists: a refusal changes neither the lists nor the files; an
// accepted record is one the repair leaves as it is, and the lists save as they are.
template <class R>
void RunImport(const typename R::Model& model, bool bProfile, const uint8_t* pData, size_t uSize) {
    Files<R> files(model);
    RecordList<typename R::Profile> profiles;
    RecordList<typename R::Macro> macros;
    ProDataHeader header;
    files.Load(profiles, header, macros);
    files.storage.AddMacroRecord(macros);
    const std::vector<uint8_t> proBefore = nativekit::ReadBytes(files.storage.ProDataPath());
    const std::vector<uint8_t> macroBefore = nativekit::ReadBytes(files.storage.MacroDataPath());
    const std::vector<uint8_t> listsBefore = files.storage.SerializeProData(profiles, header);
    const size_t uMacrosBefore = macros.size();

    const std::wstring strImport = Scratch() / (bProfile ? "import.pro" : "import.macro");
    PROMISE(nativekit::WriteBytes(strImport, std::vector<uint8_t>(pData, pData + uSize)));
    ImportResult eResult = ImportResult::Unreadable;
    if (bProfile) {
        typename R::Profile* pAdded = files.storage.ImportProfile(strImport, profiles, macros, &eResult);
        PROMISE((pAdded != nullptr) == (eResult == ImportResult::Imported));
        if (pAdded != nullptr) {
            typename R::Profile again = *pAdded;
            PROMISE(!R::RepairProfile(model, again));
            BuildEveryFrame(model, *pAdded);
        }
    } else {
        typename R::Macro* pAdded = files.storage.ImportMacro(strImport, macros, &eResult);
        PROMISE((pAdded != nullptr) == (eResult == ImportResult::Imported));
        if (pAdded != nullptr) {
            typename R::Macro again = *pAdded;
            PROMISE(!R::RepairMacro(again));
            BuildMacroFrames(model, *pAdded);
        }
    }
    if (eResult != ImportResult::Imported) {
        PROMISE(files.storage.SerializeProData(profiles, header) == listsBefore);
        PROMISE(macros.size() == uMacrosBefore);
        PROMISE(nativekit::ReadBytes(files.storage.ProDataPath()) == proBefore);
        PROMISE(nativekit::ReadBytes(files.storage.MacroDataPath()) == macroBefore);
    } else {
        PROMISE(files.storage.SaveProData(profiles, header));
    }
}

template <class R>
void RunRecordFrames(const typename R::Model& model, const uint8_t* pData, size_t uSize) {
    const auto& layout = R::Layout(model);
    std::vector<uint8_t> record(static_cast<size_t>(layout.RecordSize()), 0);
    std::memcpy(record.data(), pData, std::min(uSize, record.size()));
    auto pProfile = Zeroed<typename R::Profile>();
    FromFileRecord(layout, record.data(), *pProfile);
    // Every builder keeps inside its frame whatever the record holds, repaired or not.
    BuildEveryFrame(model, *pProfile);
    R::RepairProfile(model, *pProfile);
    BuildEveryFrame(model, *pProfile);
}

int32_t IntAt(const uint8_t* pData, size_t uSize, size_t uAt) {
    uint8_t bytes[4] = {};
    for (size_t i = 0; i < 4 && uAt + i < uSize; ++i) bytes[i] = pData[uAt + i];
    int32_t iValue = 0;
    std::memcpy(&iValue, bytes, sizeof iValue);
    return iValue;
}

void RunDecoders(const uint8_t* pData, size_t uSize) {
    for (size_t uAt = 0; uAt < std::max<size_t>(uSize, 1) && uAt < 64; uAt += 4) {
        const int32_t iValue = IntAt(pData, uSize, uAt);
        const int32_t iNext = IntAt(pData, uSize, uAt + 4);
        RateIndexOfOneHotCode(iValue);
        ModelNumberFromIdByte(static_cast<uint8_t>(iValue));
        FourKIndexFromIdByte(static_cast<uint8_t>(iValue));
        ModelNumberFrom4kIndex(iValue);
        FindModel(iValue);
        for (const ModelInfo& info : g_Models) {
            if (const Gen1Model* pGen1 = FindGen1Model(info.iNumber)) {
                RateCode(*pGen1, iValue);
                RateFrameCode(*pGen1, iValue, iNext);
                DpiOfValue(*pGen1, iValue);
                ValueOfDpi(*pGen1, iValue);
            } else if (const Gen2Model* pGen2 = FindGen2Model(info.iNumber)) {
                ShownBatteryLevel(*pGen2, iValue);
                DpiOfValue(*pGen2, iValue);
                ValueOfDpi(*pGen2, iValue);
            }
        }
    }
    // A frame of any length, cut into the pieces each link carries.
    FrameBytes frame(pData, pData + uSize);
    if (frame.size() >= 3) {
        MacroChunkCount(frame);
        for (int i = 0; i <= MacroChunkCount(frame); ++i) BuildMacroChunk(frame, i, ChunkLink::Receiver);
        for (int i = 0; i <= Wireless4kPieceCount(frame); ++i) BuildWireless4kFrame(frame, i);
        FrameSum(frame, frame.size() - 1);
        if (frame.size() >= 5) PutChecksum(frame, frame.size() - 2);
    }
}

template <class R>
void RunForGeneration(Target eTarget, const typename R::Model& model, uint8_t byMode, const uint8_t* pData,
                      size_t uSize) {
    switch (eTarget) {
        case Target::ProData: RunProData<R>(model, byMode, pData, uSize); return;
        case Target::MacroData: RunMacroData<R>(model, pData, uSize); return;
        case Target::ProfileImport: RunImport<R>(model, true, pData, uSize); return;
        case Target::MacroImport: RunImport<R>(model, false, pData, uSize); return;
        case Target::RecordFrames: RunRecordFrames<R>(model, pData, uSize); return;
        default: return;
    }
}

}  // namespace

std::vector<uint8_t> InputOf(Target eTarget, int iModel, uint8_t byMode, const std::vector<uint8_t>& payload) {
    std::vector<uint8_t> input = {static_cast<uint8_t>(eTarget), static_cast<uint8_t>(iModel - 1), byMode};
    input.insert(input.end(), payload.begin(), payload.end());
    return input;
}

void RunInput(const uint8_t* pData, size_t uSize) {
    if (uSize < 3) return;
    const auto eTarget = static_cast<Target>(pData[0] % static_cast<uint8_t>(Target::Count));
    const int iModel = 1 + pData[1] % kModelCount;
    const uint8_t byMode = pData[2];
    pData += 3;
    uSize -= 3;
    if (eTarget == Target::Decoders) {
        RunDecoders(pData, uSize);
        return;
    }
    if (const Gen1Model* pGen1 = FindGen1Model(iModel))
        RunForGeneration<Gen1Records>(eTarget, *pGen1, byMode, pData, uSize);
    else if (const Gen2Model* pGen2 = FindGen2Model(iModel))
        RunForGeneration<Gen2Records>(eTarget, *pGen2, byMode, pData, uSize);
}

}  // namespace datafuzz
