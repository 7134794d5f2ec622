#include "gen1_page.h"

#include "gen1_frames.h"
#include "util/folders.h"

#include <string_view>

namespace {

const Gen1Model& DescriptionOf(int iModel) {
    const Gen1Model* pModel = FindGen1Model(iModel);
    return pModel != nullptr ? *pModel : *FindGen1Model(10);
}

std::wstring LanguageText(std::wstring_view strTextId) {
    return DuiLib::CResourceManager::GetInstance()->GetText(std::wstring(strTextId).c_str()).str();
}

const wchar_t* LoadTrace(LoadResult eResult) {
    switch (eResult) {
        case LoadResult::Loaded: return nullptr;
        case LoadResult::TailDropped: return L"a partial record at the end of a data file was dropped";
        case LoadResult::Created: return nullptr;
        case LoadResult::Replaced: return L"a data file without a whole record was kept aside and replaced";
        case LoadResult::Unreadable: return L"a data file could not be read; it is left as it is";
    }
    return nullptr;
}

}  // namespace

CGen1Page::CGen1Page(int iModel, std::wstring strDataFolder)
    : CApplyPage(iModel),
      m_model(DescriptionOf(iModel)),
      m_pStorage(std::make_unique<Gen1Storage>(m_model, strDataFolder.empty() ? GetDataFolder() : strDataFolder,
                                               &LanguageText)),
      m_pSentProfile(std::make_unique<ProfileRecord>()),
      m_pApplySnapshot(std::make_unique<ProfileRecord>()) {}

CGen1Page::~CGen1Page() { CGen1Page::Shutdown(); }

void CGen1Page::Shutdown() {
    // Nothing may open the cabled mouse once the library is going.
    m_cableArrival.Cancel();
    m_bArrivalPending = false;
    CApplyPage::Shutdown();
}

void CGen1Page::InitPage() {
    InitControls();
    // The worker's queue exists before any apply can be requested.
    StartWorker();
    if (StartDriverLibrary())
        CableOpened();
    else
        SetSleeping(true);
    // Announced whatever the outcome, so the tabs reflect the page from the start.
    AnnounceLinks(true);
}

void CGen1Page::LoadData() {
    PageDataLoad load{};
    {
        std::lock_guard guard(m_lock);
        m_bResendAll = 1;
        m_Profiles.clear();
        m_Macros.clear();
        load = m_pStorage->LoadPageData(m_Profiles, m_stProDataHeader, m_Macros);
        // The storage leaves at least one profile and an index inside the list; the page never
        // points past it whatever happens.
        const size_t uCurrent = static_cast<size_t>(m_stProDataHeader.iCurProfile);
        m_pCurProfile = uCurrent < m_Profiles.size() ? m_Profiles[uCurrent].get() : nullptr;
        if (m_pCurProfile != nullptr) *m_pSentProfile = *m_pCurProfile;
    }
    for (LoadResult eResult : {load.eProfiles, load.eMacros})
        if (const wchar_t* pszTrace = LoadTrace(eResult)) TracePageLine(*this, pszTrace);
    FillProfileList();
    RefreshControls();
}

ProfileRecord CGen1Page::CurrentProfileCopy() const {
    std::lock_guard guard(m_lock);
    return m_pCurProfile != nullptr ? *m_pCurProfile : ProfileRecord{};
}

ProfileRecord CGen1Page::SentProfileCopy() const {
    std::lock_guard guard(m_lock);
    return *m_pSentProfile;
}

// ---- The apply ----

std::vector<FrameBytes> CGen1Page::PlanApply(bool bResendAll) {
    std::vector<FrameBytes> frames;
    m_bSnapshotTaken = m_pCurProfile != nullptr;
    if (!m_bSnapshotTaken) return frames;
    ProfileRecord& snapshot = *m_pApplySnapshot;
    snapshot = *m_pCurProfile;
    m_changes = bResendAll ? AllChanged() : DiffProfile(snapshot, *m_pSentProfile);
    if (m_changes.bDpiChanged) frames.push_back(BuildDpiReport(m_model, snapshot));
    if (m_changes.bLightChanged) frames.push_back(BuildLightReport(m_model, snapshot));
    if (m_changes.bRateChanged) frames.push_back(BuildRateReport(m_model, snapshot));
    if (m_changes.bKeyChanged) frames.push_back(BuildKeyReport(snapshot));
    // A macro goes out only for a button whose function is a macro at the time of the apply.
    for (int k = 0; k < kButtonCount; ++k) {
        const KeyEntry& entry = snapshot.stKeys[k];
        if (entry.byFunction == kFunctionMacro && m_changes.bMacroChanged[k])
            frames.push_back(BuildMacroReport(m_model, k + 1, entry));
    }
    return frames;
}

void CGen1Page::RecordApplied() {
    if (m_bSnapshotTaken) *m_pSentProfile = *m_pApplySnapshot;
}

bool CGen1Page::SaveProfilesLocked() {
    if (m_Profiles.empty()) return false;
    return m_pStorage->SaveProData(m_Profiles, m_stProDataHeader);
}
