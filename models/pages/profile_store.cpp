#include "models/pages/profile_store.h"

#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/data/name_helpers.h"

#include <windows.h>

#include <string_view>
#include <utility>

namespace {

size_t HashOf(const std::vector<uint8_t>& bytes) {
    return std::hash<std::string_view>{}(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

const wchar_t* LoadTrace(LoadResult eResult) {
    switch (eResult) {
        case LoadResult::Loaded:
        case LoadResult::Created: return nullptr;
        case LoadResult::TailDropped: return L"a partial record at the end of a data file was dropped";
        case LoadResult::Replaced: return L"a data file without a whole record was kept aside and replaced";
        case LoadResult::Unreadable: return L"a data file could not be read; it is left as it is";
    }
    return nullptr;
}

template <class Rec>
RecordList<Rec> CopyOf(const RecordList<Rec>& list) {
    RecordList<Rec> copy;
    copy.reserve(list.size());
    for (const std::unique_ptr<Rec>& pRecord : list) copy.push_back(pRecord ? std::make_unique<Rec>(*pRecord) : nullptr);
    return copy;
}

}  // namespace

void TraceModelLine(int iModel, const wchar_t* pszWhat) {
    const std::wstring strLine = L"MS_" + std::to_wstring(iModel) + L": " + pszWhat + L"\r\n";
    OutputDebugStringW(strLine.c_str());
}

template <class R>
CProfileStore<R>::CProfileStore(int iModel, const Model& model, const std::wstring& strDataFolder, TextResolver resolveText)
    : m_iModel(iModel),
      m_pStorage(std::make_unique<Storage>(model, strDataFolder, std::move(resolveText))),
      m_pSent(std::make_unique<Profile>()),
      m_pSnapshot(std::make_unique<Profile>()) {}

template <class R>
bool CProfileStore<R>::Load() {
    RecordList<Profile> profiles;
    RecordList<Macro> macros;
    ProDataHeader header;
    const PageDataLoad load = m_pStorage->LoadPageData(profiles, header, macros);
    bool bCurrent = false;
    std::vector<uint8_t> loaded;
    {
        std::lock_guard guard(m_lock);
        m_bResendAll = true;
        // What the store held before (nothing at start) is freed after the lock is let go.
        m_profiles.swap(profiles);
        m_macros.swap(macros);
        m_header = header;
        // The storage leaves at least one profile and an index inside the list; the store never
        // points past it whatever happens.
        const size_t uCurrent = static_cast<size_t>(m_header.iCurProfile);
        m_pCurrent = uCurrent < m_profiles.size() ? m_profiles[uCurrent].get() : nullptr;
        if (m_pCurrent != nullptr) *m_pSent = *m_pCurrent;
        bCurrent = m_pCurrent != nullptr;
        // A file read whole (or just made) holds these bytes: the shut-down save leaves it alone
        // unless something changes.
        if (load.eProfiles == LoadResult::Loaded || load.eProfiles == LoadResult::Created)
            loaded = m_pStorage->SerializeProData(m_profiles, m_header);
    }
    if (!loaded.empty()) {
        std::lock_guard write(m_writeLock);
        m_writtenHash = HashOf(loaded);
    }
    for (LoadResult eResult : {load.eProfiles, load.eMacros})
        if (const wchar_t* pszTrace = LoadTrace(eResult)) TraceModelLine(m_iModel, pszTrace);
    return bCurrent;
}

template <class R>
bool CProfileStore<R>::Edit(const std::function<void(Profile&)>& edit) {
    std::lock_guard guard(m_lock);
    if (m_pCurrent == nullptr) return false;
    edit(*m_pCurrent);
    return true;
}

template <class R>
typename R::Profile CProfileStore<R>::CurrentCopy() const {
    std::lock_guard guard(m_lock);
    return m_pCurrent != nullptr ? *m_pCurrent : Profile{};
}

template <class R>
typename R::Profile CProfileStore<R>::SentCopy() const {
    std::lock_guard guard(m_lock);
    return *m_pSent;
}

template <class R>
int CProfileStore<R>::CurrentIndex() const {
    std::lock_guard guard(m_lock);
    return m_header.iCurProfile;
}

template <class R>
RecordList<typename R::Profile> CProfileStore<R>::ProfilesCopy() const {
    std::lock_guard guard(m_lock);
    return CopyOf(m_profiles);
}

template <class R>
RecordList<typename R::Macro> CProfileStore<R>::MacrosCopy() const {
    std::lock_guard guard(m_lock);
    return CopyOf(m_macros);
}

template <class R>
bool CProfileStore<R>::Select(int iIndex) {
    std::lock_guard guard(m_lock);
    if (iIndex < 0 || iIndex >= static_cast<int>(m_profiles.size())) return false;
    m_header.iCurProfile = iIndex;
    m_pCurrent = m_profiles[static_cast<size_t>(iIndex)].get();
    return true;
}

template <class R>
int CProfileStore<R>::Add(std::unique_ptr<Profile> pProfile) {
    std::lock_guard guard(m_lock);
    m_profiles.push_back(std::move(pProfile));
    return static_cast<int>(m_profiles.size()) - 1;
}

template <class R>
std::optional<int> CProfileStore<R>::RemoveCurrent() {
    std::unique_ptr<Profile> pRemoved;  // freed once the lock is let go: nothing points at it then
    std::lock_guard guard(m_lock);
    const int iRemoved = m_header.iCurProfile;
    if (m_profiles.size() <= 1 || iRemoved < 0 || iRemoved >= static_cast<int>(m_profiles.size())) return std::nullopt;
    pRemoved = std::move(m_profiles[static_cast<size_t>(iRemoved)]);
    m_profiles.erase(m_profiles.begin() + iRemoved);
    const int iNext = iRemoved < static_cast<int>(m_profiles.size()) ? iRemoved : iRemoved - 1;
    m_header.iCurProfile = iNext;
    m_pCurrent = m_profiles[static_cast<size_t>(iNext)].get();
    return iRemoved;
}

template <class R>
std::pair<int, std::wstring> CProfileStore<R>::AddImported(std::unique_ptr<Profile> pProfile) {
    std::pair<int, std::wstring> added;
    bool bMacrosAdded = false;
    std::vector<uint8_t> macroBytes;
    {
        std::lock_guard guard(m_lock);
        const Profile* pAdded = m_pStorage->AddImported(std::move(pProfile), m_profiles, m_macros, &bMacrosAdded);
        added = {static_cast<int>(m_profiles.size()) - 1, std::wstring(NameOf(pAdded->szName))};
        if (bMacrosAdded) macroBytes = m_pStorage->SerializeMacroData(m_macros);
    }
    if (bMacrosAdded) m_pStorage->WriteMacroDataBytes(macroBytes);
    return added;
}

template <class R>
bool CProfileStore<R>::TakeReported(const std::function<void(Profile&)>& take) {
    std::lock_guard guard(m_lock);
    if (m_pCurrent == nullptr) return false;
    take(*m_pCurrent);
    take(*m_pSent);
    return true;
}

template <class R>
void CProfileStore<R>::RequestResendAll() {
    std::lock_guard guard(m_lock);
    m_bResendAll = true;
}

template <class R>
bool CProfileStore<R>::ResendAllPending() const {
    std::lock_guard guard(m_lock);
    return m_bResendAll;
}

template <class R>
ApplyPlan CProfileStore<R>::Plan(const FramesFor& framesFor) {
    ApplyPlan plan;
    std::lock_guard guard(m_lock);
    plan.bFullSend = m_bResendAll;
    m_bResendAll = false;
    m_bSnapshotTaken = m_pCurrent != nullptr;
    if (!m_bSnapshotTaken) return plan;
    *m_pSnapshot = *m_pCurrent;
    plan.frames = framesFor(*m_pSnapshot, plan.bFullSend ? AllChanged() : DiffProfile(*m_pSnapshot, *m_pSent));
    return plan;
}

template <class R>
bool CProfileStore<R>::Record(bool bKeepSentRate, bool bAllDelivered) {
    uint64_t uStamp = 0;
    std::vector<uint8_t> bytes;
    {
        std::lock_guard guard(m_lock);
        if (m_bSnapshotTaken) {
            const int32_t iRate = m_pSent->iRate;
            const int32_t iRateHs = m_pSent->iRateHs;
            *m_pSent = *m_pSnapshot;
            if (bKeepSentRate) {
                m_pSent->iRate = iRate;
                m_pSent->iRateHs = iRateHs;
            }
        }
        // What did not reach the mouse goes again, with everything else, next time.
        if (!bAllDelivered) m_bResendAll = true;
        bytes = TakeBytesLocked(uStamp);
    }
    return WriteTaken(uStamp, bytes, false);
}

template <class R>
std::vector<uint8_t> CProfileStore<R>::TakeBytesLocked(uint64_t& uStamp) {
    uStamp = ++m_uSaveStamp;
    return m_pStorage->SerializeProData(m_profiles, m_header);
}

template <class R>
bool CProfileStore<R>::WriteTaken(uint64_t uStamp, const std::vector<uint8_t>& bytes, bool bOnlyIfChanged) {
    if (bytes.empty()) return false;
    std::lock_guard write(m_writeLock);
    // Bytes taken later are on disk already: these are older.
    if (uStamp < m_uWrittenStamp) return true;
    const size_t uHash = HashOf(bytes);
    if (bOnlyIfChanged && m_writtenHash == uHash) return true;
    if (!m_pStorage->WriteProDataBytes(bytes)) {
        TraceModelLine(m_iModel, L"pro.data could not be written");
        return false;
    }
    m_uWrittenStamp = uStamp;
    m_writtenHash = uHash;
    return true;
}

template <class R>
bool CProfileStore<R>::SaveNow(bool bOnlyIfChanged) {
    uint64_t uStamp = 0;
    std::vector<uint8_t> bytes;
    {
        std::lock_guard guard(m_lock);
        bytes = TakeBytesLocked(uStamp);
    }
    return WriteTaken(uStamp, bytes, bOnlyIfChanged);
}

template class CProfileStore<Gen1Records>;
template class CProfileStore<Gen2Records>;
