// The algorithms of RecordStorage (record_storage.h). Included only where a generation's storage
// is instantiated (gen1_storage.cpp, gen2_storage.cpp).
#pragma once

#include "models/data/file_lock.h"
#include "models/table/model_table.h"
#include "models/data/name_helpers.h"
#include "models/data/profile_layout.h"
#include "models/data/record_file.h"
#include "models/data/record_repair.h"
#include "models/data/record_sizes.h"
#include "models/data/record_storage.h"
#include "models/data/storage_problems.h"

#include <cstring>
#include <memory>
#include <span>

namespace storage_detail {

template <class Rec>
std::unique_ptr<Rec> ZeroedRecord() {
    auto pRec = std::make_unique<Rec>();
    std::memset(pRec.get(), 0, sizeof(Rec));
    return pRec;
}

inline void AppendBytes(std::vector<uint8_t>& out, const void* pData, size_t uSize) {
    const auto* pBytes = static_cast<const uint8_t*>(pData);
    out.insert(out.end(), pBytes, pBytes + uSize);
}

// Keeps a damaged data file aside before anything replaces it: moved when it holds no whole
// record, copied when whole records come before a partial tail (the file then stays until the
// next save rewrites it). A file that cannot be kept is never written over in this run.
inline LoadResult KeepDamaged(const std::wstring& strPath, size_t uWholeRecords, std::atomic<bool>& bReadOnly) {
    const bool bKept = uWholeRecords == 0 ? MoveAside(strPath) : CopyAside(strPath);
    if (!bKept) {
        bReadOnly = true;
        return LoadResult::Unreadable;
    }
    return uWholeRecords == 0 ? LoadResult::Replaced : LoadResult::TailDropped;
}

// The macro a button's entry carries, unnamed: its loop count, action count and actions.
template <class Macro, class Key>
std::unique_ptr<Macro> CarriedMacro(const Key& entry) {
    static_assert(sizeof(Macro::stActions) == sizeof(Key::stActions), "a key entry carries a whole macro");
    std::unique_ptr<Macro> pMacro = ZeroedRecord<Macro>();
    pMacro->iLoopCount = entry.iLoopCount;
    pMacro->iActionNum = entry.wActionNum;
    std::memcpy(pMacro->stActions, entry.stActions, sizeof pMacro->stActions);
    return pMacro;
}

}  // namespace storage_detail

template <class R>
RecordStorage<R>::RecordStorage(const ModelType& model, std::wstring strDataFolder, TextResolver resolveText)
    : m_model(model), m_strDataFolder(std::move(strDataFolder)), m_resolveText(std::move(resolveText)) {}

template <class R>
std::wstring RecordStorage<R>::ModelFolder() const {
    return JoinPath(m_strDataFolder, DataFolderName(m_model.iNumber));
}
template <class R>
std::wstring RecordStorage<R>::ProDataPath() const { return JoinPath(ModelFolder(), L"pro.data"); }
template <class R>
std::wstring RecordStorage<R>::MacroDataPath() const { return JoinPath(ModelFolder(), L"macro.data"); }
template <class R>
int RecordStorage<R>::RecordSize() const { return R::Layout(m_model).RecordSize(); }
template <class R>
int RecordStorage<R>::HeaderSize() const { return R::Layout(m_model).HeaderSize(); }

template <class R>
std::wstring RecordStorage<R>::Text(std::wstring_view strTextId) const {
    return m_resolveText ? m_resolveText(strTextId) : std::wstring(strTextId);
}

template <class R>
void RecordStorage<R>::SetDefaultProfile(Profile& profile) const {
    R::SetDefaultProfile(m_model, profile);
    // A field the model's file does not keep reads back as zero, so it is zero in memory too.
    ClearUnstoredFields(R::Layout(m_model), profile);
}

template <class R>
NameString RecordStorage<R>::NameOrNew(NameView strName, std::wstring_view strTextId, size_t uListSize) const {
    return strName.empty() ? NameFromText(Text(strTextId) + std::to_wstring(uListSize + 1)) : NameString(strName);
}

template <class R>
typename R::Profile* RecordStorage<R>::AddDefaultProfile(Profiles& profiles) const {
    return AddDefaultProfileNamed(profiles, NameOrNew({}, L"add_profile_text", profiles.size()));
}

template <class R>
typename R::Profile* RecordStorage<R>::AddDefaultProfileNamed(Profiles& profiles, const NameString& strBase) const {
    std::unique_ptr<Profile> pProfile = storage_detail::ZeroedRecord<Profile>();
    SetDefaultProfile(*pProfile);
    CopyName(pProfile->szName, MakeUniqueName(profiles, strBase));
    profiles.push_back(std::move(pProfile));
    return profiles.back().get();
}

template <class R>
std::vector<uint8_t> RecordStorage<R>::SerializeProData(const Profiles& profiles, const ProDataHeader& header) const {
    std::vector<uint8_t> bytes;
    if (profiles.empty()) return bytes;
    const size_t uRecordSize = static_cast<size_t>(RecordSize());
    const size_t uHeaderSize = static_cast<size_t>(HeaderSize());
    bytes.reserve(uHeaderSize + uRecordSize * profiles.size());
    storage_detail::AppendBytes(bytes, &header.iCurProfile, sizeof header.iCurProfile);
    // The reserved block goes back as it was read; a header made in memory has zeros there.
    const size_t uReserved = std::min(header.reserved.size(), uHeaderSize - sizeof header.iCurProfile);
    storage_detail::AppendBytes(bytes, header.reserved.data(), uReserved);
    bytes.resize(uHeaderSize, 0);
    for (const std::unique_ptr<Profile>& pProfile : profiles) {
        const size_t uAt = bytes.size();
        bytes.resize(uAt + uRecordSize);
        ToFileRecord(R::Layout(m_model), *pProfile, bytes.data() + uAt);
    }
    return bytes;
}

template <class R>
bool RecordStorage<R>::WriteProDataBytes(const std::vector<uint8_t>& bytes) {
    const size_t uHeaderSize = static_cast<size_t>(HeaderSize());
    const size_t uRecordSize = static_cast<size_t>(RecordSize());
    if (bytes.size() <= uHeaderSize || (bytes.size() - uHeaderSize) % uRecordSize != 0) return false;
    const FileLock lock(ProDataPath());
    // A file that could not be read is never written over; the person was told at the start.
    if (m_bProDataReadOnly) return false;
    if (EnsureFolder(ModelFolder()) && WriteFileAtomically(ProDataPath(), bytes)) return true;
    ReportStorageProblem(StorageProblem::SaveFailed);
    return false;
}

template <class R>
bool RecordStorage<R>::SaveProData(const Profiles& profiles, const ProDataHeader& header) {
    return WriteProDataBytes(SerializeProData(profiles, header));
}

template <class R>
void RecordStorage<R>::StartWithDefault(Profiles& profiles, ProDataHeader& header,
                                        const NameString& strNewName) const {
    header.iCurProfile = 0;
    header.reserved.assign(static_cast<size_t>(HeaderSize()) - sizeof(header.iCurProfile), 0);
    AddDefaultProfileNamed(profiles, strNewName);
}

template <class R>
LoadResult RecordStorage<R>::LoadProData(Profiles& profiles, ProDataHeader& header) {
    const NameString strNewName = NameOrNew({}, L"add_profile_text", profiles.size());
    const std::wstring strPath = ProDataPath();
    const FileLock lock(strPath);
    std::vector<uint8_t> bytes;
    const ReadStatus eRead = ReadWholeFile(strPath, bytes);
    if (eRead == ReadStatus::Failed) {
        // The user's file stays as it is: this run works on a default and never saves over it.
        m_bProDataReadOnly = true;
        StartWithDefault(profiles, header, strNewName);
        return LoadResult::Unreadable;
    }
    if (eRead == ReadStatus::NotFound) {
        StartWithDefault(profiles, header, strNewName);
        SaveProData(profiles, header);
        return LoadResult::Created;
    }
    const size_t uHeaderSize = static_cast<size_t>(HeaderSize());
    const size_t uRecordSize = static_cast<size_t>(RecordSize());
    const size_t uRecords = bytes.size() >= uHeaderSize ? (bytes.size() - uHeaderSize) / uRecordSize : 0;
    const bool bDamaged = uRecords == 0 || bytes.size() != uHeaderSize + uRecords * uRecordSize;
    const LoadResult eResult =
        bDamaged ? storage_detail::KeepDamaged(strPath, uRecords, m_bProDataReadOnly) : LoadResult::Loaded;
    if (uRecords == 0) {
        StartWithDefault(profiles, header, strNewName);
        if (eResult == LoadResult::Replaced) SaveProData(profiles, header);
        return eResult;
    }

    std::memcpy(&header.iCurProfile, bytes.data(), sizeof header.iCurProfile);
    header.reserved.assign(bytes.begin() + sizeof header.iCurProfile, bytes.begin() + static_cast<ptrdiff_t>(uHeaderSize));
    for (size_t i = 0; i < uRecords; ++i) {
        std::unique_ptr<Profile> pProfile = storage_detail::ZeroedRecord<Profile>();
        FromFileRecord(R::Layout(m_model), bytes.data() + uHeaderSize + i * uRecordSize, *pProfile);
        R::RepairProfile(m_model, *pProfile);
        profiles.push_back(std::move(pProfile));
    }
    if (header.iCurProfile < 0 || static_cast<size_t>(header.iCurProfile) >= uRecords) header.iCurProfile = 0;
    return eResult;
}

template <class R>
typename R::Macro* RecordStorage<R>::AddMacroRecord(Macros& macros) {
    const NameString strBase = NameOrNew({}, L"add_macro_text", macros.size());
    std::unique_ptr<Macro> pMacro = storage_detail::ZeroedRecord<Macro>();
    CopyName(pMacro->szName, MakeUniqueName(macros, strBase));
    macros.push_back(std::move(pMacro));
    SaveMacroData(macros);
    return macros.back().get();
}

template <class R>
std::vector<uint8_t> RecordStorage<R>::SerializeMacroData(const Macros& macros) const {
    std::vector<uint8_t> bytes;
    bytes.reserve(sizeof(Macro) * macros.size());
    for (const std::unique_ptr<Macro>& pMacro : macros) storage_detail::AppendBytes(bytes, pMacro.get(), sizeof(Macro));
    return bytes;
}

template <class R>
bool RecordStorage<R>::WriteMacroDataBytes(const std::vector<uint8_t>& bytes) {
    if (bytes.size() % sizeof(Macro) != 0) return false;
    const FileLock lock(MacroDataPath());
    if (m_bMacroDataReadOnly) return false;
    if (EnsureFolder(ModelFolder()) && WriteFileAtomically(MacroDataPath(), bytes)) return true;
    ReportStorageProblem(StorageProblem::SaveFailed);
    return false;
}

template <class R>
bool RecordStorage<R>::SaveMacroData(const Macros& macros) {
    return WriteMacroDataBytes(SerializeMacroData(macros));
}

template <class R>
LoadResult RecordStorage<R>::LoadMacroData(Macros& macros) {
    const std::wstring strPath = MacroDataPath();
    const FileLock lock(strPath);
    std::vector<uint8_t> bytes;
    switch (ReadWholeFile(strPath, bytes)) {
        case ReadStatus::NotFound: return LoadResult::Created;  // an empty list; the first save makes it
        case ReadStatus::Failed: m_bMacroDataReadOnly = true; return LoadResult::Unreadable;
        case ReadStatus::Ok: break;
    }
    const size_t uRecords = bytes.size() / sizeof(Macro);
    const bool bDamaged = bytes.size() % sizeof(Macro) != 0;
    const LoadResult eResult =
        bDamaged ? storage_detail::KeepDamaged(strPath, uRecords, m_bMacroDataReadOnly) : LoadResult::Loaded;
    for (size_t i = 0; i < uRecords; ++i) {
        std::unique_ptr<Macro> pMacro = storage_detail::ZeroedRecord<Macro>();
        std::memcpy(pMacro.get(), bytes.data() + i * sizeof(Macro), sizeof(Macro));
        R::RepairMacro(*pMacro);
        macros.push_back(std::move(pMacro));
    }
    return eResult;
}

template <class R>
PageDataLoad RecordStorage<R>::LoadPageData(Profiles& profiles, ProDataHeader& header, Macros& macros) {
    PageDataLoad load{LoadProData(profiles, header), LoadMacroData(macros)};
    // A file left as it was runs this session on what could be read, and keeps nothing of it.
    if (load.eProfiles == LoadResult::Unreadable || load.eMacros == LoadResult::Unreadable)
        ReportStorageProblem(StorageProblem::LoadFailed);
    for (std::unique_ptr<Profile>& pProfile : profiles) ClampMacroIndexes(*pProfile, macros.size());
    return load;
}

template <class R>
bool RecordStorage<R>::ExportProfile(const Profile& profile, const std::wstring& strPath) const {
    std::vector<uint8_t> bytes(static_cast<size_t>(RecordSize()));
    ToFileRecord(R::Layout(m_model), profile, bytes.data());
    return WriteFileAtomically(strPath, bytes);
}

template <class R>
ImportResult RecordStorage<R>::ReadProfileFile(const std::wstring& strPath, Profile& profile) const {
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(strPath, bytes) != ReadStatus::Ok) return ImportResult::Unreadable;
    // Read in this model's layout, another family's record would be out of step from its first
    // field that lies elsewhere.
    if (IsOtherLayoutsProfileSize(R::Layout(m_model).eLayout, bytes.size())) return ImportResult::Foreign;
    if (bytes.size() < static_cast<size_t>(RecordSize())) return ImportResult::TooShort;
    std::unique_ptr<Profile> pRead = storage_detail::ZeroedRecord<Profile>();
    FromFileRecord(R::Layout(m_model), bytes.data(), *pRead);
    // Every record this program writes passes the repair unchanged.
    if (R::RepairProfile(m_model, *pRead)) return ImportResult::Damaged;
    profile = *pRead;
    return ImportResult::Imported;
}

template <class R>
ImportResult RecordStorage<R>::ReadImport(const std::wstring& strPath, Profile& profile) const {
    std::unique_ptr<Profile> pRead = storage_detail::ZeroedRecord<Profile>();
    const ImportResult eResult = ReadProfileFile(strPath, *pRead);
    if (eResult != ImportResult::Imported) return eResult;
    // A carried macro goes to the mouse in the macro frame as any other: one that frame cannot
    // hold refuses the whole file before anything is added.
    for (const Key& entry : std::span<const Key>(pRead->stKeys, kButtonCount))
        if (R::IsMacroFunction(entry.byFunction) && !R::MacroFits(m_model, *storage_detail::CarriedMacro<Macro>(entry)))
            return ImportResult::DoesNotFit;
    profile = *pRead;
    return ImportResult::Imported;
}

template <class R>
typename R::Profile* RecordStorage<R>::AddImported(std::unique_ptr<Profile> pProfile, Profiles& profiles,
                                                   Macros& macros, bool* pbMacrosAdded) const {
    CopyName(pProfile->szName,
             MakeUniqueName(profiles, NameOrNew(NameOf(pProfile->szName), L"add_profile_text", profiles.size())));
    bool bMacrosAdded = false;
    for (Key& entry : std::span<Key>(pProfile->stKeys, kButtonCount)) {
        if (!R::IsMacroFunction(entry.byFunction)) continue;
        // Every macro button brings a macro of its own, even when an equal one exists.
        std::unique_ptr<Macro> pMacro = storage_detail::CarriedMacro<Macro>(entry);
        const NameString strName =
            MakeUniqueName(macros, NameOrNew(NameOf(entry.szMacroName), L"add_macro_text", macros.size()));
        CopyName(pMacro->szName, strName);
        CopyName(entry.szMacroName, strName);
        entry.iMacroIndex = static_cast<int32_t>(macros.size());
        macros.push_back(std::move(pMacro));
        bMacrosAdded = true;
    }
    if (pbMacrosAdded != nullptr) *pbMacrosAdded = bMacrosAdded;
    profiles.push_back(std::move(pProfile));
    return profiles.back().get();
}

template <class R>
typename R::Profile* RecordStorage<R>::ImportProfile(const std::wstring& strPath, Profiles& profiles, Macros& macros,
                                                     ImportResult* pResult) {
    std::unique_ptr<Profile> pProfile = storage_detail::ZeroedRecord<Profile>();
    const ImportResult eResult = ReadImport(strPath, *pProfile);
    if (pResult != nullptr) *pResult = eResult;
    if (eResult != ImportResult::Imported) return nullptr;
    bool bMacrosAdded = false;
    Profile* pAdded = AddImported(std::move(pProfile), profiles, macros, &bMacrosAdded);
    if (bMacrosAdded) SaveMacroData(macros);
    return pAdded;
}

template <class R>
bool RecordStorage<R>::ExportMacro(const Macro& macro, const std::wstring& strPath) const {
    std::vector<uint8_t> bytes;
    storage_detail::AppendBytes(bytes, &macro, sizeof macro);
    return WriteFileAtomically(strPath, bytes);
}

template <class R>
ImportResult RecordStorage<R>::ReadMacroFile(const std::wstring& strPath, Macro& macro) const {
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(strPath, bytes) != ReadStatus::Ok) return ImportResult::Unreadable;
    if (IsOtherLayoutsMacroSize(R::Layout(m_model).eLayout, bytes.size())) return ImportResult::Foreign;
    if (bytes.size() < sizeof(Macro)) return ImportResult::TooShort;
    std::unique_ptr<Macro> pRead = storage_detail::ZeroedRecord<Macro>();
    std::memcpy(pRead.get(), bytes.data(), sizeof(Macro));
    if (R::RepairMacro(*pRead)) return ImportResult::Damaged;
    if (!R::MacroFits(m_model, *pRead)) return ImportResult::DoesNotFit;
    macro = *pRead;
    return ImportResult::Imported;
}

template <class R>
typename R::Macro* RecordStorage<R>::ImportMacro(const std::wstring& strPath, Macros& macros, ImportResult* pResult) {
    std::unique_ptr<Macro> pMacro = storage_detail::ZeroedRecord<Macro>();
    const ImportResult eResult = ReadMacroFile(strPath, *pMacro);
    if (pResult != nullptr) *pResult = eResult;
    if (eResult != ImportResult::Imported) return nullptr;
    CopyName(pMacro->szName, MakeUniqueName(macros, NameOrNew(NameOf(pMacro->szName), L"add_macro_text", macros.size())));
    macros.push_back(std::move(pMacro));
    SaveMacroData(macros);
    return macros.back().get();
}
