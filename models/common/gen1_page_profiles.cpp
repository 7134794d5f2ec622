// Profile management on the first-generation page: switching, adding, deleting, renaming,
// resetting, exporting and importing profiles. Every operation that changes the current profile
// makes its choice current itself (index, pointer, controls, everything sent with the apply it
// requests) and selects its row without a notification, and the page saves pro.data after each,
// so nothing depends on the mouse being there.
#include "gen1_page.h"

#include "name_helpers.h"
#include "profile_name.h"

using namespace DuiLib;

namespace {

constexpr const wchar_t* kProfileFilter = L"Profile File";
constexpr const wchar_t* kProfilePattern = L"*.pro;*.PRO";
constexpr const wchar_t* kProfileExtension = L"pro";

const wchar_t* ImportRefusal(ImportResult eResult) {
    switch (eResult) {
        case ImportResult::TooShort: return L"import_short_text";
        case ImportResult::DoesNotFit: return L"import_unfit_text";
        case ImportResult::Unreadable:
        case ImportResult::Imported: break;
    }
    return L"import_unreadable_text";
}

}  // namespace

void CGen1Page::SwitchToProfile(int iIndex) {
    {
        std::lock_guard guard(m_lock);
        if (iIndex < 0 || static_cast<size_t>(iIndex) >= m_Profiles.size()) return;
        m_stProDataHeader.iCurProfile = iIndex;
        m_pCurProfile = m_Profiles[static_cast<size_t>(iIndex)].get();
    }
    if (m_ui.pProfileList != nullptr) m_ui.pProfileList->SelectItem(iIndex, false, false);
    RefreshControls();
    RequestResendAll();
    SaveProfiles();
    RequestApply();
}

void CGen1Page::OnProfileSelected(TNotifyUI& msg) {
    const auto iRow = static_cast<int>(msg.wParam);
    if (iRow >= 0) SwitchToProfile(iRow);
}

std::optional<std::wstring> CGen1Page::AskProfileName(const wchar_t* pszTitleId) {
    CModelProfileName dialog(m_model.iNumber);
    dialog.m_strTitle = pszTitleId;
    dialog.m_pProfiles = &m_Profiles;
    if (RunModal([&] { return dialog.Run(m_hMainWnd); }) != 1) return std::nullopt;
    return dialog.m_strName.str();
}

void CGen1Page::OnAddProfileClicked(TNotifyUI&) {
    const std::optional<std::wstring> name = AskProfileName(L"profile_name_1_text");
    if (!name) return;
    auto pProfile = std::make_unique<ProfileRecord>();
    m_pStorage->SetDefaultProfile(*pProfile);
    CopyName(pProfile->szName, *name);
    int iIndex = 0;
    {
        std::lock_guard guard(m_lock);
        m_Profiles.push_back(std::move(pProfile));
        iIndex = static_cast<int>(m_Profiles.size()) - 1;
    }
    AddProfileRow(name->c_str());
    SwitchToProfile(iIndex);
}

void CGen1Page::OnDeleteProfileClicked(TNotifyUI&) {
    size_t uCount = 0;
    {
        std::lock_guard guard(m_lock);
        uCount = m_Profiles.size();
    }
    if (uCount <= 1) {
        ShowMessage(L"one_profile_text");
        return;
    }
    if (!Ask(L"delete_profile_text")) return;
    std::unique_ptr<ProfileRecord> pDeleted;
    int iDeleted = 0;
    int iNext = 0;
    {
        // The record leaves the list and the current pointer moves on under the lock the apply
        // takes its copy under, so no apply ever reads the deleted record.
        std::lock_guard guard(m_lock);
        iDeleted = m_stProDataHeader.iCurProfile;
        if (iDeleted < 0 || static_cast<size_t>(iDeleted) >= m_Profiles.size() || m_Profiles.size() <= 1) return;
        pDeleted = std::move(m_Profiles[static_cast<size_t>(iDeleted)]);
        m_Profiles.erase(m_Profiles.begin() + iDeleted);
        iNext = std::min(iDeleted, static_cast<int>(m_Profiles.size()) - 1);
        m_stProDataHeader.iCurProfile = iNext;
        m_pCurProfile = m_Profiles[static_cast<size_t>(iNext)].get();
    }
    if (m_ui.pProfileList != nullptr) m_ui.pProfileList->RemoveAt(iDeleted);
    SwitchToProfile(iNext);
}

void CGen1Page::OnRenameProfileClicked(TNotifyUI&) {
    const std::optional<std::wstring> name = AskProfileName(L"profile_name_2_text");
    if (!name) return;
    int iIndex = -1;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        CopyName(m_pCurProfile->szName, *name);
        iIndex = m_stProDataHeader.iCurProfile;
    }
    if (m_ui.pProfileList != nullptr)
        if (CControlUI* pRow = m_ui.pProfileList->GetItemAt(iIndex)) pRow->SetText(name->c_str());
    // The name is the program's own: nothing goes to the mouse.
    SaveProfiles();
}

void CGen1Page::OnResetProfileClicked(TNotifyUI&) {
    if (!Ask(L"restore_text")) return;
    if (!EditCurrent([&](ProfileRecord& p) { m_pStorage->SetDefaultProfile(p); })) return;
    RefreshControls();
    RequestResendAll();
    SaveProfiles();
    RequestApply();
}

void CGen1Page::OnExportProfileClicked(TNotifyUI&) {
    const std::optional<std::wstring> path = AskSavePath(kProfileFilter, kProfilePattern, kProfileExtension);
    if (!path) return;
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    // A file that cannot be written is passed over, as the user chose where it goes.
    if (current && !m_pStorage->ExportProfile(*current, *path)) TracePageLine(*this, L"the profile could not be exported");
}

void CGen1Page::OnImportProfileClicked(TNotifyUI&) {
    const std::optional<std::wstring> path = AskOpenPath(kProfileFilter, kProfilePattern);
    if (!path) return;
    ImportResult eResult = ImportResult::Unreadable;
    std::wstring strName;
    int iIndex = -1;
    {
        std::lock_guard guard(m_lock);
        if (const ProfileRecord* pProfile = m_pStorage->ImportProfile(*path, m_Profiles, m_Macros, &eResult)) {
            strName = pProfile->szName;
            iIndex = static_cast<int>(m_Profiles.size()) - 1;
        }
    }
    if (iIndex < 0) {
        // Nothing changed; the person learns why.
        ShowMessage(ImportRefusal(eResult));
        return;
    }
    AddProfileRow(strName.c_str());
    SwitchToProfile(iIndex);
}
