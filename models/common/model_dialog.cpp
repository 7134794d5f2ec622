#include "model_dialog.h"

#include "dialogs/dialog_lifetime.h"

CModelDialog::CModelDialog(int iModel, const std::wstring& strKind, const std::wstring& strSkinName)
    : m_strWindowClass(L"MS_" + std::to_wstring(iModel) + L"_" + strKind),
      m_strSkinFile(L"MS/MS_" + std::to_wstring(iModel) + L"/" + strSkinName) {}

void CModelDialog::OnFinalMessage(HWND hWnd) { FinishDialogWindow(this, hWnd); }

UINT CModelDialog::RunModal(HWND hOwner, LPCWSTR pszWindowName) { return RunModalDialog(*this, hOwner, pszWindowName); }
