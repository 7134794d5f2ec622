// The profile operations of a settings page: switch, add, delete, rename, reset, export and
// import. The operations that change the current profile switch it themselves (index, pointer,
// refresh, resend-all, apply) and then select its list row without a notification, so nothing
// waits for the list to raise one. The lists change in the profile store, under its lock; the
// worker only ever sends its own snapshot.
#include "models/pages/settings_page.h"

#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/data/name_helpers.h"
#include "models/dialogs/profile_name.h"

using namespace DuiLib;

namespace {

// The model's profile-name dialog ("MS_N_ProfileName", "MS/MS_N/profilename.xml").
using CPageProfileName = CModelDialogOf<CProfileNameBase>;

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
    const int iCurrent = m_store.EditLists([&](const typename CProfileStore<R>::Lists& lists) {
        for (const auto& pProfile : lists.profiles) names.emplace_back(NameOf(pProfile->szName));
        return lists.header.iCurProfile;
    });
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
    if (!m_store.Select(iIndex)) return;
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
    // The dialog reads the names of a copy while it runs; the lists change only on this thread.
    const RecordList<Profile> profiles = m_store.ProfilesCopy();
    dialog.m_pProfiles = &profiles;
    if (this->RunModal([&] { return dialog.Run(m_hMainWnd); }) != 1) return std::nullopt;
    return std::wstring(dialog.m_strName.str());
}

template <class R>
void CSettingsPageT<R>::OnAddProfile(TNotifyUI&) {
    const std::optional<std::wstring> name = AskProfileName(L"profile_name_1_text");
    if (!name) return;
    auto pProfile = std::make_unique<Profile>();
    m_store.Files().SetDefaultProfile(*pProfile);
    CopyName(pProfile->szName, *name);
    const int iIndex = m_store.Add(std::move(pProfile));
    AppendProfileRow(*name);
    SwitchProfile(iIndex);
}

template <class R>
void CSettingsPageT<R>::OnDeleteProfile(TNotifyUI&) {
    const size_t uCount = m_store.EditLists([](const typename CProfileStore<R>::Lists& lists) { return lists.profiles.size(); });
    if (uCount <= 1) {
        this->ShowMessage(L"one_profile_text");
        return;
    }
    if (!this->Ask(L"delete_profile_text")) return;
    const std::optional<int> iDeleted = m_store.RemoveCurrent();
    if (!iDeleted) return;
    if (m_ui.pProfileList != nullptr) m_ui.pProfileList->RemoveAt(*iDeleted);
    SwitchProfile(m_store.CurrentIndex());
}

template <class R>
void CSettingsPageT<R>::OnRenameProfile(TNotifyUI&) {
    const std::optional<std::wstring> name = AskProfileName(L"profile_name_2_text");
    if (!name) return;
    int iIndex = 0;
    std::wstring strStored;
    const bool bRenamed = m_store.EditLists([&](const typename CProfileStore<R>::Lists& lists) {
        if (lists.pCurrent == nullptr) return false;
        CopyName(lists.pCurrent->szName, *name);
        strStored = NameOf(lists.pCurrent->szName);
        iIndex = lists.header.iCurProfile;
        return true;
    });
    if (!bRenamed) return;
    if (m_ui.pProfileList != nullptr)
        if (CControlUI* pRow = m_ui.pProfileList->GetItemAt(iIndex)) pRow->SetText(strStored.c_str());
    this->SaveProfiles();
}

template <class R>
void CSettingsPageT<R>::OnResetProfile(TNotifyUI&) {
    if (!this->Ask(L"restore_text")) return;
    // The defaults keep the name, the move mode and the reserved words.
    if (!EditProfile([&](Profile& p) { m_store.Files().SetDefaultProfile(p); })) return;
    RefreshControls();
    this->RequestResendAll();
    this->SaveProfiles();
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnExportProfile(TNotifyUI&) {
    const std::optional<std::wstring> path = this->AskSavePath(L"Profile File", L"*.pro;*.PRO", L"pro");
    if (!path) return;
    if (!m_store.Files().ExportProfile(this->CurrentProfileCopy(), *path)) this->ShowMessage(L"export_failed_text");
}

template <class R>
void CSettingsPageT<R>::OnImportProfile(TNotifyUI&) {
    const std::optional<std::wstring> path = this->AskOpenPath(L"Profile File", L"*.pro;*.PRO");
    if (!path) return;
    // The file is read and checked without the store's lock; only the lists change under it.
    std::unique_ptr<Profile> pImported = std::make_unique<Profile>();
    const ImportResult eResult = m_store.Files().ReadImport(*path, *pImported);
    if (eResult != ImportResult::Imported) {
        this->ShowMessage(RefusalText(eResult));
        return;
    }
    const auto [iIndex, strName] = m_store.AddImported(std::move(pImported));
    AppendProfileRow(strName);
    SwitchProfile(iIndex);
}

template class CSettingsPageT<Gen1Records>;
template class CSettingsPageT<Gen2Records>;
