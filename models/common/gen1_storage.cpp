#include "gen1_storage.h"

#include "file_lock.h"
#include "gen1_frames.h"
#include "gen1_sanitize.h"
#include "key_macro.h"
#include "name_helpers.h"
#include "record_file.h"

#include <algorithm>
#include <cstring>
#include <span>

namespace {

constexpr uint32_t kLightColorDefault = 0x00FF0000;
constexpr uint32_t kDpiColorDefaults[kDpiStageCount] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FF00FF,
                                                        0x0000FFFF, 0x00FFFFFF, 0x000040FF, 0x00FFFFFF};
constexpr uint32_t kColor2Defaults[kDpiStageCount] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FF00FF,
                                                      0x0000FFFF, 0x00FFFFFF, 0x00FFFFFF, 0x000080FF};
constexpr int32_t kDpiEnableDefaults[kDpiStageCount] = {1, 1, 1, 1, 1, 1, 0, 0};
constexpr uint16_t kKeyParamDefault = 0x0232;

template <class Rec>
std::unique_ptr<Rec> ZeroedRecord() {
    auto pRec = std::make_unique<Rec>();
    std::memset(pRec.get(), 0, sizeof(Rec));
    return pRec;
}

void AppendBytes(std::vector<uint8_t>& out, const void* pData, size_t uSize) {
    const auto* pBytes = static_cast<const uint8_t*>(pData);
    out.insert(out.end(), pBytes, pBytes + uSize);
}

// Keeps a damaged data file aside before anything replaces it: moved when it holds no whole
// record, copied when whole records come before a partial tail (the file then stays until the
// next save rewrites it). A file that cannot be kept is never written over in this run.
LoadResult KeepDamaged(const std::wstring& strPath, size_t uWholeRecords, std::atomic<bool>& bReadOnly) {
    const bool bKept = uWholeRecords == 0 ? MoveAside(strPath) : CopyAside(strPath);
    if (!bKept) {
        bReadOnly = true;
        return LoadResult::Unreadable;
    }
    return uWholeRecords == 0 ? LoadResult::Replaced : LoadResult::TailDropped;
}

// The macro a button's entry carries, unnamed: its loop count, action count and actions.
std::unique_ptr<MacroRecord> CarriedMacro(const KeyEntry& entry) {
    std::unique_ptr<MacroRecord> pMacro = ZeroedRecord<MacroRecord>();
    pMacro->iLoopCount = entry.iLoopCount;
    pMacro->iActionNum = entry.wActionNum;
    std::memcpy(pMacro->stActions, entry.stActions, sizeof pMacro->stActions);
    return pMacro;
}

}  // namespace

Gen1Storage::Gen1Storage(const Gen1Model& model, std::wstring strDataFolder, TextResolver resolveText)
    : m_model(model),
      m_layout(model.Layout()),
      m_strDataFolder(std::move(strDataFolder)),
      m_resolveText(std::move(resolveText)) {}

std::wstring Gen1Storage::ModelFolder() const { return JoinPath(m_strDataFolder, DataFolderName(m_model.iNumber)); }
std::wstring Gen1Storage::ProDataPath() const { return JoinPath(ModelFolder(), L"pro.data"); }
std::wstring Gen1Storage::MacroDataPath() const { return JoinPath(ModelFolder(), L"macro.data"); }

std::wstring Gen1Storage::Text(std::wstring_view strTextId) const {
    return m_resolveText ? m_resolveText(strTextId) : std::wstring(strTextId);
}

void Gen1Storage::SetDefaultProfile(ProfileRecord& p) const {
    const Gen1Defaults& d = m_model.defaults;
    p.szExtra1[0] = L'\0';
    p.szExtra2[0] = L'\0';
    p.iParam1 = 420;
    p.iParam2 = 3;
    p.byParam3 = 0;
    p.iParam4 = 6;
    p.iOption1 = 0;
    p.iLiftOff = 0;
    p.iOption3 = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        p.iDpi[i] = d.iDpi[i];
        p.iDpi2[i] = d.iDpi[i];
        p.iDpiEnable[i] = kDpiEnableDefaults[i];
        p.dwDpiColor[i] = kDpiColorDefaults[i];
        p.dwColor2[i] = kColor2Defaults[i];
    }
    p.iBrightness = 8;
    p.iBreathSpeed = 6;
    p.iLightOff = 2;
    p.iSleep = 10;
    p.iCurDpi = 1;
    p.iRate = d.iRate;
    p.iRateHs = d.iRateHs;
    p.iRipple = 0;
    p.iAngleSnap = 0;
    p.iMotionSync = d.iMotionSync;
    p.iLightMode = d.iLightMode;
    p.iParam5 = 3;
    p.byParam6 = 1;
    p.iDebounce = 3;
    p.dwLightColor = kLightColorDefault;
    std::memset(p.stKeys, 0, sizeof p.stKeys);
    for (int i = 0; i < kButtonCount; ++i) {
        KeyEntry& entry = p.stKeys[i];
        entry.byIndex = static_cast<uint8_t>(i);
        entry.byFunction = d.byFunction[i];
        entry.byParam = 0;
        entry.wParam = kKeyParamDefault;
        entry.iMacroIndex = -1;
        entry.iMacroIndex2 = -1;
    }
    // A field the model's file does not keep reads back as zero, so it is zero in memory too.
    ClearUnstoredFields(m_layout, p);
}

std::wstring Gen1Storage::NameOrNew(std::wstring_view strName, std::wstring_view strTextId, size_t uListSize) const {
    return strName.empty() ? Text(strTextId) + std::to_wstring(uListSize + 1) : std::wstring(strName);
}

ProfileRecord* Gen1Storage::AddDefaultProfile(ProfileList& profiles) const {
    const std::wstring strBase = NameOrNew({}, L"add_profile_text", profiles.size());
    std::unique_ptr<ProfileRecord> pProfile = ZeroedRecord<ProfileRecord>();
    SetDefaultProfile(*pProfile);
    CopyName(pProfile->szName, MakeUniqueName(profiles, strBase));
    profiles.push_back(std::move(pProfile));
    return profiles.back().get();
}

bool Gen1Storage::SaveProData(const ProfileList& profiles, const ProDataHeader& header) {
    const FileLock lock(ProDataPath());
    return WriteProData(profiles, header);
}

bool Gen1Storage::WriteProData(const ProfileList& profiles, const ProDataHeader& header) {
    if (profiles.empty() || m_bProDataReadOnly) return false;
    if (!EnsureFolder(ModelFolder())) return false;
    const size_t uRecordSize = static_cast<size_t>(m_layout.RecordSize());
    const size_t uReservedSize = static_cast<size_t>(m_layout.HeaderSize()) - sizeof(header.iCurProfile);
    std::vector<uint8_t> bytes;
    bytes.reserve(uReservedSize + sizeof(header.iCurProfile) + uRecordSize * profiles.size());
    AppendBytes(bytes, &header.iCurProfile, sizeof header.iCurProfile);
    // The reserved block goes back as it was read; a header made in memory has zeros there.
    std::vector<uint8_t> reserved = header.reserved;
    reserved.resize(uReservedSize, 0);
    AppendBytes(bytes, reserved.data(), reserved.size());
    for (const std::unique_ptr<ProfileRecord>& pProfile : profiles) {
        const size_t uAt = bytes.size();
        bytes.resize(uAt + uRecordSize);
        ToFileRecord(m_layout, *pProfile, bytes.data() + uAt);
    }
    return WriteFileAtomically(ProDataPath(), bytes);
}

void Gen1Storage::StartWithDefault(ProfileList& profiles, ProDataHeader& header) const {
    header.iCurProfile = 0;
    header.reserved.assign(static_cast<size_t>(m_layout.HeaderSize()) - sizeof(header.iCurProfile), 0);
    AddDefaultProfile(profiles);
}

LoadResult Gen1Storage::LoadProData(ProfileList& profiles, ProDataHeader& header) {
    const FileLock lock(ProDataPath());
    const std::wstring strPath = ProDataPath();
    std::vector<uint8_t> bytes;
    const ReadStatus eRead = ReadWholeFile(strPath, bytes);
    if (eRead == ReadStatus::Failed) {
        // The user's file stays as it is: this run works on a default and never saves over it.
        m_bProDataReadOnly = true;
        StartWithDefault(profiles, header);
        return LoadResult::Unreadable;
    }
    if (eRead == ReadStatus::NotFound) {
        StartWithDefault(profiles, header);
        WriteProData(profiles, header);
        return LoadResult::Created;
    }
    const size_t uHeaderSize = static_cast<size_t>(m_layout.HeaderSize());
    const size_t uRecordSize = static_cast<size_t>(m_layout.RecordSize());
    const size_t uRecords = bytes.size() >= uHeaderSize ? (bytes.size() - uHeaderSize) / uRecordSize : 0;
    const bool bDamaged = uRecords == 0 || bytes.size() != uHeaderSize + uRecords * uRecordSize;
    const LoadResult eResult = bDamaged ? KeepDamaged(strPath, uRecords, m_bProDataReadOnly) : LoadResult::Loaded;
    if (uRecords == 0) {
        StartWithDefault(profiles, header);
        if (eResult == LoadResult::Replaced) WriteProData(profiles, header);
        return eResult;
    }

    std::memcpy(&header.iCurProfile, bytes.data(), sizeof header.iCurProfile);
    header.reserved.assign(bytes.begin() + sizeof header.iCurProfile, bytes.begin() + static_cast<ptrdiff_t>(uHeaderSize));
    for (size_t i = 0; i < uRecords; ++i) {
        std::unique_ptr<ProfileRecord> pProfile = ZeroedRecord<ProfileRecord>();
        FromFileRecord(m_layout, bytes.data() + uHeaderSize + i * uRecordSize, *pProfile);
        SanitizeProfile(m_model, *pProfile);
        profiles.push_back(std::move(pProfile));
    }
    if (header.iCurProfile < 0 || static_cast<size_t>(header.iCurProfile) >= uRecords) header.iCurProfile = 0;
    return eResult;
}

MacroRecord* Gen1Storage::AddMacroRecord(MacroList& macros) {
    const std::wstring strBase = NameOrNew({}, L"add_macro_text", macros.size());
    std::unique_ptr<MacroRecord> pMacro = ZeroedRecord<MacroRecord>();
    CopyName(pMacro->szName, MakeUniqueName(macros, strBase));
    macros.push_back(std::move(pMacro));
    SaveMacroData(macros);
    return macros.back().get();
}

bool Gen1Storage::SaveMacroData(const MacroList& macros) {
    const FileLock lock(MacroDataPath());
    return WriteMacroData(macros);
}

bool Gen1Storage::WriteMacroData(const MacroList& macros) {
    if (m_bMacroDataReadOnly) return false;
    if (!EnsureFolder(ModelFolder())) return false;
    std::vector<uint8_t> bytes;
    bytes.reserve(sizeof(MacroRecord) * macros.size());
    for (const std::unique_ptr<MacroRecord>& pMacro : macros) AppendBytes(bytes, pMacro.get(), sizeof(MacroRecord));
    return WriteFileAtomically(MacroDataPath(), bytes);
}

LoadResult Gen1Storage::LoadMacroData(MacroList& macros) {
    const FileLock lock(MacroDataPath());
    const std::wstring strPath = MacroDataPath();
    std::vector<uint8_t> bytes;
    switch (ReadWholeFile(strPath, bytes)) {
        case ReadStatus::NotFound: return LoadResult::Created;  // an empty list; the first save makes it
        case ReadStatus::Failed: m_bMacroDataReadOnly = true; return LoadResult::Unreadable;
        case ReadStatus::Ok: break;
    }
    const size_t uRecords = bytes.size() / sizeof(MacroRecord);
    const bool bDamaged = bytes.size() % sizeof(MacroRecord) != 0;
    const LoadResult eResult = bDamaged ? KeepDamaged(strPath, uRecords, m_bMacroDataReadOnly) : LoadResult::Loaded;
    for (size_t i = 0; i < uRecords; ++i) {
        std::unique_ptr<MacroRecord> pMacro = ZeroedRecord<MacroRecord>();
        std::memcpy(pMacro.get(), bytes.data() + i * sizeof(MacroRecord), sizeof(MacroRecord));
        SanitizeMacro(*pMacro);
        macros.push_back(std::move(pMacro));
    }
    return eResult;
}

PageDataLoad Gen1Storage::LoadPageData(ProfileList& profiles, ProDataHeader& header, MacroList& macros) {
    PageDataLoad load{LoadProData(profiles, header), LoadMacroData(macros)};
    for (std::unique_ptr<ProfileRecord>& pProfile : profiles) ClampMacroIndexes(*pProfile, macros.size());
    return load;
}

bool Gen1Storage::ExportProfile(const ProfileRecord& profile, const std::wstring& strPath) const {
    std::vector<uint8_t> bytes(static_cast<size_t>(m_layout.RecordSize()));
    ToFileRecord(m_layout, profile, bytes.data());
    return WriteFileAtomically(strPath, bytes);
}

ImportResult Gen1Storage::ReadProfileFile(const std::wstring& strPath, ProfileRecord& profile) const {
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(strPath, bytes) != ReadStatus::Ok) return ImportResult::Unreadable;
    if (bytes.size() < static_cast<size_t>(m_layout.RecordSize())) return ImportResult::TooShort;
    FromFileRecord(m_layout, bytes.data(), profile);
    SanitizeProfile(m_model, profile);
    return ImportResult::Imported;
}

ProfileRecord* Gen1Storage::ImportProfile(const std::wstring& strPath, ProfileList& profiles, MacroList& macros,
                                          ImportResult* pResult) {
    std::unique_ptr<ProfileRecord> pProfile = ZeroedRecord<ProfileRecord>();
    const ImportResult eResult = ReadProfileFile(strPath, *pProfile);
    if (pResult != nullptr) *pResult = eResult;
    if (eResult != ImportResult::Imported) return nullptr;

    // A carried macro goes to the mouse in the macro frame as any other: one that frame cannot
    // hold refuses the whole file before anything is added.
    for (const KeyEntry& entry : std::span(pProfile->stKeys, kButtonCount)) {
        if (entry.byFunction == kFunctionMacro && !MacroFitsFrame(m_model, *CarriedMacro(entry))) {
            if (pResult != nullptr) *pResult = ImportResult::DoesNotFit;
            return nullptr;
        }
    }

    CopyName(pProfile->szName,
             MakeUniqueName(profiles, NameOrNew(NameOf(pProfile->szName), L"add_profile_text", profiles.size())));
    bool bMacrosAdded = false;
    for (KeyEntry& entry : std::span(pProfile->stKeys, kButtonCount)) {
        if (entry.byFunction != kFunctionMacro) continue;
        // Every macro button brings a macro of its own, even when an equal one exists.
        std::unique_ptr<MacroRecord> pMacro = CarriedMacro(entry);
        const std::wstring strName =
            MakeUniqueName(macros, NameOrNew(NameOf(entry.szMacroName), L"add_macro_text", macros.size()));
        CopyName(pMacro->szName, strName);
        CopyName(entry.szMacroName, strName);
        entry.iMacroIndex = static_cast<int32_t>(macros.size());
        macros.push_back(std::move(pMacro));
        bMacrosAdded = true;
    }
    profiles.push_back(std::move(pProfile));
    if (bMacrosAdded) SaveMacroData(macros);
    return profiles.back().get();
}

bool Gen1Storage::ExportMacro(const MacroRecord& macro, const std::wstring& strPath) const {
    std::vector<uint8_t> bytes;
    AppendBytes(bytes, &macro, sizeof macro);
    return WriteFileAtomically(strPath, bytes);
}

ImportResult Gen1Storage::ReadMacroFile(const std::wstring& strPath, MacroRecord& macro) const {
    std::vector<uint8_t> bytes;
    if (ReadWholeFile(strPath, bytes) != ReadStatus::Ok) return ImportResult::Unreadable;
    if (bytes.size() < sizeof(MacroRecord)) return ImportResult::TooShort;
    MacroRecord read;
    std::memcpy(&read, bytes.data(), sizeof read);
    SanitizeMacro(read);
    if (!MacroFitsFrame(m_model, read)) return ImportResult::DoesNotFit;
    macro = read;
    return ImportResult::Imported;
}

MacroRecord* Gen1Storage::ImportMacro(const std::wstring& strPath, MacroList& macros, ImportResult* pResult) {
    std::unique_ptr<MacroRecord> pMacro = ZeroedRecord<MacroRecord>();
    const ImportResult eResult = ReadMacroFile(strPath, *pMacro);
    if (pResult != nullptr) *pResult = eResult;
    if (eResult != ImportResult::Imported) return nullptr;
    CopyName(pMacro->szName, MakeUniqueName(macros, NameOrNew(NameOf(pMacro->szName), L"add_macro_text", macros.size())));
    macros.push_back(std::move(pMacro));
    SaveMacroData(macros);
    return macros.back().get();
}

int FindKeyMacro(const MacroList& macros, const KeyEntry& entry, int* piIndex, int* pbEqual) {
    return FindKeyMacroT(macros, entry, piIndex, pbEqual);
}
