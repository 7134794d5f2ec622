#include "models/dialogs/macro_editor_base.h"

#include "core/dialogs/file_dialog.h"
#include "core/util/edit_filter.h"
#include "core/util/folders.h"
#include "core/util/string_helpers.h"

#include <algorithm>
#include <iterator>


using namespace DuiLib;

namespace {

constexpr wchar_t kMacroFilterName[] = L"Macro File";
constexpr wchar_t kMacroPattern[] = L"*.macro;*.MACRO";
constexpr wchar_t kMacroExtension[] = L"macro";

}  // namespace

CMacroEditorBase::CMacroEditorBase(int iModel)
    : CModelDialog(iModel, L"Macro", L"ms_" + std::to_wstring(iModel) + L"_macropage.xml"),
      m_strPrefix(L"ms_" + std::to_wstring(iModel) + L"_") {}

int CMacroEditorBase::MouseItemOf(uint8_t byKey) {
    for (int i = 0; i < static_cast<int>(std::size(kMouseButtonCodes)); ++i)
        if (kMouseButtonCodes[i] == byKey) return i;
    return -1;
}

UINT CMacroEditorBase::Run(HWND hOwner) { return RunModal(hOwner, GetWindowClassName()); }

void CMacroEditorBase::BindControls() {
    CControlBinder bind(m_PaintManager, m_missingControls);
    m_pBtnExit = bind.Find<CButtonUI>(L"btn_exit");
    m_pMacroList = bind.Find<CListUI>(Prefixed(L"macro_list"));
    m_pNameEdit = bind.Find<CRichEditUI>(Prefixed(L"macro_name_edit"));
    m_pAddBtn = bind.Find<CButtonUI>(Prefixed(L"macro_add_btn"));
    m_pDeleteBtn = bind.Find<CButtonUI>(Prefixed(L"macro_delete_btn"));
    m_pInsertMouseBtn = bind.Find<CCheckBoxUI>(Prefixed(L"macro_insert_mouse_btn"));
    m_pRecordBtn = bind.Find<CCheckBoxUI>(Prefixed(L"macro_record_btn"));
    m_pActionList = bind.Find<CListUI>(Prefixed(L"macro_action_list"));
    m_pRecordDelayBtn = bind.Find<CButtonUI>(Prefixed(L"record_delay_btn"));
    m_pDefaultDelayBtn = bind.Find<CButtonUI>(Prefixed(L"default_delay_btn"));
    m_pNoDelayBtn = bind.Find<CButtonUI>(Prefixed(L"no_delay_btn"));
    m_pDefaultDelayEdit = bind.Find<CRichEditUI>(Prefixed(L"default_delay_edit"));
    m_pUpBtn = bind.Find<CButtonUI>(Prefixed(L"macro_up_btn"));
    m_pDownBtn = bind.Find<CButtonUI>(Prefixed(L"macro_down_btn"));
    m_pDeleteActionBtn = bind.Find<CButtonUI>(Prefixed(L"macro_delete_action_btn"));
    m_pClearActionBtn = bind.Find<CButtonUI>(Prefixed(L"macro_clear_action_btn"));
    m_pActionEditCheck = bind.Find<CCheckBoxUI>(Prefixed(L"macro_action_edit_check"));
    m_pActionEdit = bind.Find<CRichEditUI>(Prefixed(L"macro_action_edit"));
    m_pDelayEdit = bind.Find<CRichEditUI>(Prefixed(L"macro_delay_edit"));
    m_pActionEditTab = bind.Find<CTabLayoutUI>(Prefixed(L"macro_action_edit_tab"));
    m_pMouseActionCombo = bind.Find<CComboUI>(Prefixed(L"macro_mouse_action_combo"));
    m_pMouseActionDelayEdit = bind.Find<CRichEditUI>(Prefixed(L"macro_mouseaction_delay_edit"));
    m_pImportBtn = bind.Find<CButtonUI>(Prefixed(L"macro_import_btn"));
    m_pExportBtn = bind.Find<CButtonUI>(Prefixed(L"macro_export_btn"));
    m_pNameTab = bind.Find(Prefixed(L"macro_name_tab"));
    m_pMouseEventTab = bind.Find(Prefixed(L"macro_mouse_event_tab"));
    for (int i = 0; i < 5; ++i)
        m_pKeyBtn[i] = bind.Find<CButtonUI>(m_strPrefix + NumberedName(L"macro_key%d_btn", i + 1));
    m_pSaveDataTab = bind.Find(Prefixed(L"macro_savedata_tab"));
    m_pExportOrImportTab = bind.Find(Prefixed(L"macro_exportorimport_tab"));
    m_pSaveBtn = bind.Find<CButtonUI>(Prefixed(L"macro_save_btn"));
    m_pCancelBtn = bind.Find<CButtonUI>(Prefixed(L"macro_cancel_btn"));
}

void CMacroEditorBase::BindMoveControls() {
    CControlBinder bind(m_PaintManager, m_missingControls);
    m_pMoveXEdit = bind.Find<CRichEditUI>(L"ms_edit_x");
    m_pMoveYEdit = bind.Find<CRichEditUI>(L"ms_edit_y");
    m_pMoveBtn = bind.Find<CButtonUI>(L"ms_macro_move_btn");
    m_pMoveEditXEdit = bind.Find<CRichEditUI>(L"mouse_move_edit_x_edit");
    m_pMoveEditYEdit = bind.Find<CRichEditUI>(L"mouse_move_edit_y_edit");
    m_pMoveDelayEdit = bind.Find<CRichEditUI>(L"mouse_move_delay_edit");
}

void CMacroEditorBase::InstallHooks() {
    if (m_pHookTable == nullptr || m_pHookTable->pfnInstallHook == nullptr) return;
    m_pHookTable->pfnInstallHook(m_hWnd);
    m_bHooksUsed = true;
}

void CMacroEditorBase::SwitchHooksOff() {
    if (m_pHookTable == nullptr) return;
    if (m_pHookTable->pfnRemoveHook != nullptr) m_pHookTable->pfnRemoveHook();
    if (m_pHookTable->pfnRemoveMouseHook != nullptr) m_pHookTable->pfnRemoveMouseHook();
    EnableMouseHook(false);
    EnableKeyboardHook(false);
    EnableWheel(false);
}

void CMacroEditorBase::EnableKeyboardHook(bool bOn) {
    if (m_pHookTable != nullptr && m_pHookTable->pfnEnableHook != nullptr) m_pHookTable->pfnEnableHook(bOn ? 1 : 0);
}

void CMacroEditorBase::EnableMouseHook(bool bOn) {
    if (m_pHookTable != nullptr && m_pHookTable->pfnEnableMouseHook != nullptr)
        m_pHookTable->pfnEnableMouseHook(bOn ? 1 : 0);
}

void CMacroEditorBase::EnableWheel(bool bOn) {
    if (m_pHookTable != nullptr && m_pHookTable->pfnMouseWheelEnable != nullptr)
        m_pHookTable->pfnMouseWheelEnable(bOn ? 1 : 0);
}

void CMacroEditorBase::RemoveKeyboardHook() {
    if (m_pHookTable != nullptr && m_pHookTable->pfnRemoveHook != nullptr) m_pHookTable->pfnRemoveHook();
}

int CMacroEditorBase::ReadDelay(CControlUI* pEdit, int iMin, int iMax) {
    if (pEdit == nullptr) return iMin;
    return static_cast<int>(std::clamp<long long>(LeadingNumber(pEdit->GetText().str(), iMax), iMin, iMax));
}

long long CMacroEditorBase::ReadSignedNumber(CControlUI* pEdit) {
    constexpr long long kSaturation = 1000000;
    return pEdit != nullptr ? LeadingNumber(pEdit->GetText().str(), kSaturation, true) : 0;
}

void CMacroEditorBase::ShowNumber(CControlUI* pControl, int iValue) {
    if (pControl != nullptr) pControl->SetText(std::to_wstring(iValue).c_str());
}

void CMacroEditorBase::NormaliseDefaultDelay(int iMin, int iMax) {
    if (m_pDefaultDelayEdit == nullptr) return;
    const std::wstring strClamped = std::to_wstring(ReadDelay(m_pDefaultDelayEdit, iMin, iMax));
    if (m_pDefaultDelayEdit->GetText().str() != strClamped) m_pDefaultDelayEdit->SetText(strClamped.c_str());
}

void CMacroEditorBase::SelectDelayModeOption() {
    CButtonUI* const options[3] = {m_pRecordDelayBtn, m_pDefaultDelayBtn, m_pNoDelayBtn};
    if (m_iDelayMode < 0 || m_iDelayMode > 2 || options[m_iDelayMode] == nullptr) return;
    // The skin may make the delay buttons options of one group; a plain button shows no state.
    if (auto* pOption = static_cast<COptionUI*>(options[m_iDelayMode]->GetInterface(L"Option")))
        pOption->Selected(true, false);
}

void CMacroEditorBase::ShowMouseEventTab(bool bShow) {
    if (m_pMouseEventTab != nullptr) m_pMouseEventTab->SetVisible(bShow);
    if (m_pNameTab != nullptr) m_pNameTab->SetVisible(!bShow);
}

void CMacroEditorBase::ShowEditPage(int iPage) {
    if (m_pActionEditTab != nullptr) m_pActionEditTab->SelectItem(iPage);
}

void CMacroEditorBase::SetRecordButton(bool bRecording) {
    if (m_pRecordBtn == nullptr) return;
    m_pRecordBtn->SetText(bRecording ? L"stop_recording_text" : L"start_recording_text");
    m_pRecordBtn->SetCheck(bRecording);
}

std::wstring CMacroEditorBase::AskImportPath() {
    FileDialogRequest request;
    request.strFilterName = kMacroFilterName;
    request.strPattern = kMacroPattern;
    request.strInitialFolder = GetDataFolder();
    return AskFilePath(m_hWnd, request);
}

std::wstring CMacroEditorBase::AskExportPath() {
    FileDialogRequest request;
    request.bSave = true;
    request.strFilterName = kMacroFilterName;
    request.strPattern = kMacroPattern;
    request.strDefaultExtension = kMacroExtension;
    request.strInitialFolder = GetDataFolder();
    return AskFilePath(m_hWnd, request);
}
