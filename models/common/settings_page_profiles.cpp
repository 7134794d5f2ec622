// The profile operations of a settings page: switch, add, delete, rename, reset, export and
// import. The operations that change the current profile switch it themselves (index, pointer,
// refresh, resend-all, apply) and then select its list row without a notification, so nothing
// waits for the list to raise one. A deleted record is freed under the page's lock after the
// switch; the worker only ever sends its own snapshot.
#include "settings_page.h"

#include "gen1_storage.h"
#include "gen2_storage.h"
#include "name_helpers.h"
#include "profile_name.h"

using namespace DuiLib;

namespace {

// The model's profile-name dialog ("MS_N_ProfileName", "MS/MS_N/profilename.xml").
class CPageProfileName final : public CProfileNameBase {
public:
    explicit CPageProfileName(int iModel) : CProfileNameBase(iModel) {}
};

constexpr int kProfileRowHeight = 22;

const wchar_t* RefusalText(ImportResult eResult) {
    switch (eResult) {
        case ImportResult::TooShort: return L"import_short_text";
        case ImportResult::Foreign: return L"import_foreign_text";
        case ImportResult::Damaged: return L"import_damaged_text";
        case ImportResult::DoesNotFit: return L"import_unfit_text";
        case ImportResult::Unreadable:
        case ImportResult::Imported: break;
    }
    return L"import_unreadable_text";
}

}  // namespace

template <class R>
void CSettingsPageT<R>::FillProfileList() {
    if (m_ui.pProfileList == nullptr) return;
    m_ui.pProfileList->RemoveAll();
    std::vector<std::wstring> names;
    int iCurrent = 0;
    {
        std::lock_guard guard(m_lock);
        for (const auto& pProfile : m_Profiles) names.emplace_back(NameOf(pProfile->szName));
        iCurrent = m_stProDataHeader.iCurProfile;
    }
    for (const std::wstring& strName : names) AppendProfileRow(strName);
    SelectProfileRow(iCurrent);
}

template <class R>
void CSettingsPageT<R>::AppendProfileRow(const std::wstring& strName) {
    if (m_ui.pProfileList == nullptr) return;
    auto* pRow = new CListLabelElementUI();
    pRow->SetText(strName.c_str());
    pRow->SetFixedHeight(kProfileRowHeight);
    m_ui.pProfileList->Add(pRow);
}

template <class R>
void CSettingsPageT<R>::SelectProfileRow(int iIndex) {
    if (m_ui.pProfileList != nullptr) m_ui.pProfileList->SelectItem(iIndex, false, false);
}

template <class R>
void CSettingsPageT<R>::SwitchProfile(int iIndex) {
    {
        std::lock_guard guard(m_lock);
        if (iIndex < 0 || iIndex >= static_cast<int>(m_Profiles.size())) return;
        m_stProDataHeader.iCurProfile = iIndex;
        m_pCurProfile = m_Profiles[static_cast<size_t>(iIndex)].get();
    }
    SelectProfileRow(iIndex);
    RefreshControls();
    this->RequestResendAll();
    // Kept at once: the apply may wait for a mouse that sleeps or is away.
    this->SaveProfiles();
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnProfileSelected(TNotifyUI& msg) {
    const int iIndex = static_cast<int>(msg.wParam);
    if (iIndex == CurrentProfileIndex()) return;
    SwitchProfile(iIndex);
}

template <class R>
std::optional<std::wstring> CSettingsPageT<R>::AskProfileName(const wchar_t* pszTitleId) {
    CPageProfileName dialog(CPageBase::Model());
    dialog.m_strTitle = pszTitleId;
    // The dialog reads the names while it runs; the lists change only on this thread.
    dialog.m_pProfiles = &m_Profiles;
    if (this->RunModal([&] { return dialog.Run(m_hMainWnd); }) != 1) return std::nullopt;
    return std::wstring(dialog.m_strName.str());
}

template <class R>
void CSettingsPageT<R>::OnAddProfile(TNotifyUI&) {
    const std::optional<std::wstring> name = AskProfileName(L"profile_name_1_text");
    if (!name) return;
    auto pProfile = std::make_unique<Profile>();
    m_pStorage->SetDefaultProfile(*pProfile);
    CopyName(pProfile->szName, *name);
    int iIndex = 0;
    {
        std::lock_guard guard(m_lock);
        m_Profiles.push_back(std::move(pProfile));
        iIndex = static_cast<int>(m_Profiles.size()) - 1;
    }
    AppendProfileRow(*name);
    SwitchProfile(iIndex);
}

template <class R>
void CSettingsPageT<R>::OnDeleteProfile(TNotifyUI&) {
    size_t uCount = 0;
    {
        std::lock_guard guard(m_lock);
        uCount = m_Profiles.size();
    }
    if (uCount <= 1) {
        this->ShowMessage(L"one_profile_text");
        return;
    }
    if (!this->Ask(L"delete_profile_text")) return;
    std::unique_ptr<Profile> pDeleted;
    int iNext = 0;
    {
        std::lock_guard guard(m_lock);
        const int iDeleted = m_stProDataHeader.iCurProfile;
        if (m_Profiles.size() <= 1 || iDeleted < 0 || iDeleted >= static_cast<int>(m_Profiles.size())) return;
        pDeleted = std::move(m_Profiles[static_cast<size_t>(iDeleted)]);
        m_Profiles.erase(m_Profiles.begin() + iDeleted);
        iNext = iDeleted < static_cast<int>(m_Profiles.size()) ? iDeleted : iDeleted - 1;
        m_stProDataHeader.iCurProfile = iNext;
        m_pCurProfile = m_Profiles[static_cast<size_t>(iNext)].get();
        if (m_ui.pProfileList != nullptr) m_ui.pProfileList->RemoveAt(iDeleted);
    }
    SwitchProfile(iNext);
    // Freed only now that nothing points at it; the worker holds the lock while it copies.
    std::lock_guard guard(m_lock);
    pDeleted.reset();
}

template <class R>
void CSettingsPageT<R>::OnRenameProfile(TNotifyUI&) {
    const std::optional<std::wstring> name = AskProfileName(L"profile_name_2_text");
    if (!name) return;
    int iIndex = 0;
    std::wstring strStored;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        CopyName(m_pCurProfile->szName, *name);
        strStored = NameOf(m_pCurProfile->szName);
        iIndex = m_stProDataHeader.iCurProfile;
    }
    if (m_ui.pProfileList != nullptr)
        if (CControlUI* pRow = m_ui.pProfileList->GetItemAt(iIndex)) pRow->SetText(strStored.c_str());
    this->SaveProfiles();
}

template <class R>
void CSettingsPageT<R>::OnResetProfile(TNotifyUI&) {
    if (!this->Ask(L"restore_text")) return;
    // The defaults keep the name, the move mode and the reserved words.
    if (!EditProfile([&](Profile& p) { m_pStorage->SetDefaultProfile(p); })) return;
    RefreshControls();
    this->RequestResendAll();
    this->SaveProfiles();
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnExportProfile(TNotifyUI&) {
    const std::optional<std::wstring> path = this->AskSavePath(L"Profile File", L"*.pro;*.PRO", L"pro");
    if (!path) return;
    if (!m_pStorage->ExportProfile(this->CurrentProfileCopy(), *path)) this->ShowMessage(L"export_failed_text");
}

template <class R>
void CSettingsPageT<R>::OnImportProfile(TNotifyUI&) {
    const std::optional<std::wstring> path = this->AskOpenPath(L"Profile File", L"*.pro;*.PRO");
    if (!path) return;
    // The file is read and checked without the page's lock; only the lists change under it.
    std::unique_ptr<Profile> pImported = std::make_unique<Profile>();
    const ImportResult eResult = m_pStorage->ReadImport(*path, *pImported);
    if (eResult != ImportResult::Imported) {
        this->ShowMessage(RefusalText(eResult));
        return;
    }
    std::wstring strName;
    int iIndex = 0;
    bool bMacrosAdded = false;
    std::vector<uint8_t> macroBytes;
    {
        std::lock_guard guard(m_lock);
        const Profile* pAdded = m_pStorage->AddImported(std::move(pImported), m_Profiles, m_Macros, &bMacrosAdded);
        strName = NameOf(pAdded->szName);
        iIndex = static_cast<int>(m_Profiles.size()) - 1;
        if (bMacrosAdded) macroBytes = m_pStorage->SerializeMacroData(m_Macros);
    }
    if (bMacrosAdded) m_pStorage->WriteMacroDataBytes(macroBytes);
    AppendProfileRow(strName);
    SwitchProfile(iIndex);
}

template class CSettingsPageT<Gen1Records>;
template class CSettingsPageT<Gen2Records>;
