#include "models/dialogs/model_dialog.h"

#include "models/table/model_table.h"

#include "core/dialogs/dialog_lifetime.h"

CModelDialog::CModelDialog(int iModel, const std::wstring& strKind, const std::wstring& strSkinName,
                           const std::wstring& strFolder)
    : m_iModel(iModel),
      m_strWindowClass(L"MS_" + std::to_wstring(iModel) + L"_" + strKind),
      m_strSkinFile((strFolder.empty() ? SkinFolder(iModel) : strFolder) + strSkinName) {}

void CModelDialog::OnFinalMessage(HWND hWnd) { FinishDialogWindow(this, hWnd); }

CModelDialog::AnswerButtons CModelDialog::BindAnswerButtons(CControlBinder& bind) {
    AnswerButtons buttons;
    buttons.pOk = bind.Find<DuiLib::CButtonUI>(L"btn_ok");
    buttons.pCancel = bind.Find<DuiLib::CButtonUI>(L"btn_cancel");
    buttons.pExit = bind.Find<DuiLib::CButtonUI>(L"btn_exit");
    return buttons;
}

UINT CModelDialog::RunModal(HWND hOwner, LPCWSTR pszWindowName) { return RunModalDialog(*this, hOwner, pszWindowName); }
