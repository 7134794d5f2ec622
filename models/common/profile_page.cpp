#include "profile_page.h"

#include "gen1_storage.h"
#include "gen2_storage.h"
#include "page_messages.h"
#include "util/folders.h"

#include <string_view>

namespace {

std::wstring LanguageText(std::wstring_view strTextId) {
    return DuiLib::CResourceManager::GetInstance()->GetText(std::wstring(strTextId).c_str()).str();
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


}  // namespace

template <class R>
CProfilePageT<R>::CProfilePageT(int iModel, const Model& model, const std::wstring& strDataFolder)
    : CDevicePage(iModel),
      m_model(model),
      m_pStorage(std::make_unique<Storage>(model, strDataFolder.empty() ? GetDataFolder() : strDataFolder, &LanguageText)),
      m_pSentProfile(std::make_unique<Profile>()),
      m_pApplySnapshot(std::make_unique<Profile>()) {}

template <class R>
typename R::Profile CProfilePageT<R>::CurrentProfileCopy() const {
    std::lock_guard guard(m_lock);
    return m_pCurProfile != nullptr ? *m_pCurProfile : Profile{};
}

template <class R>
typename R::Profile CProfilePageT<R>::SentProfileCopy() const {
    std::lock_guard guard(m_lock);
    return *m_pSentProfile;
}

template <class R>
bool CProfilePageT<R>::LoadProfiles() {
    RecordList<Profile> profiles;
    RecordList<Macro> macros;
    ProDataHeader header;
    const PageDataLoad load = m_pStorage->LoadPageData(profiles, header, macros);
    bool bCurrent = false;
    std::vector<uint8_t> loaded;
    {
        std::lock_guard guard(m_lock);
        m_bResendAll = 1;
        // What the page held before (nothing at start) is freed after the lock is let go.
        m_Profiles.swap(profiles);
        m_Macros.swap(macros);
        m_stProDataHeader = header;
        // The storage leaves at least one profile and an index inside the list; the page never
        // points past it whatever happens.
        const size_t uCurrent = static_cast<size_t>(m_stProDataHeader.iCurProfile);
        m_pCurProfile = uCurrent < m_Profiles.size() ? m_Profiles[uCurrent].get() : nullptr;
        if (m_pCurProfile != nullptr) *m_pSentProfile = *m_pCurProfile;
        bCurrent = m_pCurProfile != nullptr;
        // A file read whole (or just made) holds these bytes: the final save leaves it alone
        // unless something changes.
        if (load.eProfiles == LoadResult::Loaded || load.eProfiles == LoadResult::Created) loaded = ProfileBytesLocked();
    }
    if (!loaded.empty()) this->RememberLoadedBytes(loaded);
    for (LoadResult eResult : {load.eProfiles, load.eMacros})
        if (const wchar_t* pszTrace = LoadTrace(eResult)) TracePageLine(*this, pszTrace);
    return bCurrent;
}

template <class R>
std::vector<FrameBytes> CProfilePageT<R>::PlanApply(bool bResendAll) {
    m_bSnapshotTaken = m_pCurProfile != nullptr;
    if (!m_bSnapshotTaken) return {};
    *m_pApplySnapshot = *m_pCurProfile;
    m_changes = bResendAll ? AllChanged() : DiffProfile(*m_pApplySnapshot, *m_pSentProfile);
    return FramesFor(*m_pApplySnapshot, m_changes);
}

template <class R>
void CProfilePageT<R>::RecordApplied(bool bKeepSentRate) {
    if (!m_bSnapshotTaken) return;
    const int32_t iRate = m_pSentProfile->iRate;
    const int32_t iRateHs = m_pSentProfile->iRateHs;
    *m_pSentProfile = *m_pApplySnapshot;
    if (!bKeepSentRate) return;
    m_pSentProfile->iRate = iRate;
    m_pSentProfile->iRateHs = iRateHs;
}

template <class R>
std::vector<uint8_t> CProfilePageT<R>::ProfileBytesLocked() const {
    return m_pStorage->SerializeProData(m_Profiles, m_stProDataHeader);
}

template <class R>
bool CProfilePageT<R>::WriteProfileBytes(const std::vector<uint8_t>& bytes) {
    return m_pStorage->WriteProDataBytes(bytes);
}

template <class R>
bool CProfilePageT<R>::TakeReported(const std::function<void(Profile&)>& take) {
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return false;
        take(*m_pCurProfile);
        take(*m_pSentProfile);
    }
    this->SaveProfilesSoon();
    return true;
}

template <class R>
void CProfilePageT<R>::OnStageReported(int iStage) {
    if (iStage < 0 || iStage >= kDpiStageCount) return;
    int32_t iStoredDpi = 0;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        m_pCurProfile->iCurDpi = iStage;
        m_pSentProfile->iCurDpi = iStage;
        iStoredDpi = m_pCurProfile->iDpi[iStage];
    }
    SelectNumberedOption(L"option_dpi_step_%d", iStage + 1);
    HighlightDpiEdit(iStage);
    if (m_hMainWnd != nullptr) ::PostMessageW(m_hMainWnd, WM_SHOWDPI, static_cast<WPARAM>(Info().Slot()), iStoredDpi);
    this->SaveProfilesSoon();
}

namespace {

// Event codes (the high byte of an event word).
enum EventCode : int {
    kEventStage = 0x10,
    kEventRate = 0x20,
    kEventBattery = 0x40,
    kEventLightMode = 0x70,
    kEventSaved = 0x80,
};

// The code of a model's battery reports: its description's where it gives one.
template <class Model>
int BatteryEventCodeOf(const Model& model) {
    if constexpr (requires { model.iBatteryEventCode; })
        return model.iBatteryEventCode;
    else
        return kEventBattery;
}

}  // namespace

template <class R>
void CProfilePageT<R>::HandleEventWord(EventRoad eRoad, int iEventWord, int iValue) {
    if ((iEventWord & 0xFF) != Info().byIdByte) return;
    const int iCode = (iEventWord >> 8) & 0xFF;
    // A model reports its battery under its own code; the other battery code means nothing there.
    if (iCode == BatteryEventCodeOf(m_model)) {
        OnBatteryEvent(eRoad, iValue);
        return;
    }
    switch (iCode) {
        case kEventStage:
            if (iValue >= 1 && iValue <= kDpiStageCount) OnStageReported(iValue - 1);
            return;
        case kEventRate:
            OnRateEvent(eRoad, iValue);
            return;
        case kEventLightMode:
            OnLightEvent(eRoad, iValue);
            return;
        case kEventSaved:
            if (iValue >= 1 && iValue <= 5) this->SaveProfilesSoon();
            return;
        default:  // 0x50 recorded where it was read (RecordAcknowledgement), 0x60 shows nothing
            return;
    }
}

template <class R>
void CProfilePageT<R>::SelectNumberedOption(const wchar_t* pszPattern, int i) {
    if (auto* pOption = FindPageControl<DuiLib::COptionUI>(NumberedSuffix(pszPattern, i).c_str())) pOption->Selected(true, false);
}

template class CProfilePageT<Gen1Records>;
template class CProfilePageT<Gen2Records>;
