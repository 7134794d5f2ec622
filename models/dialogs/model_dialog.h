// What each model's own dialogs (macro editor, macro picker, profile-name dialog) are as
// windows: a window class and a skin named after the model number, the end of a dialog built
// on its caller's stack, the answer buttons, and the control names its skins lacked (a test
// holds them against the skins).
#pragma once

#include <windows.h>

#include "models/dialogs/control_binder.h"
#include "ui/ui.h"

#include <string>
#include <vector>

class CModelDialog : public DuiLib::WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return m_strWindowClass.c_str(); }
    DuiLib::CDuiString GetSkinFile() override { return m_strSkinFile; }
    void OnFinalMessage(HWND hWnd) override;

    int Model() const { return m_iModel; }

    // Names the dialog looked up and did not find in its skins.
    const std::vector<std::wstring>& MissingControls() const { return m_missingControls; }

    bool m_bAutoDelete = false;  // callers build the dialogs on their stack and leave it false

protected:
    // Window class "MS_<n>_<strKind>", skin "<strFolder><strSkinName>"; the folder is the
    // model's skin folder ("MS/MS_<n>/") unless given.
    CModelDialog(int iModel, const std::wstring& strKind, const std::wstring& strSkinName,
                 const std::wstring& strFolder = std::wstring());

    // The calling sequence: owned by hOwner (the main window), centred, modal.
    UINT RunModal(HWND hOwner, LPCWSTR pszWindowName);

    // The answer buttons of the picker and the name dialog: OK ("btn_ok"), Cancel ("btn_cancel")
    // and the title bar's close button ("btn_exit"). Cancel and close end the dialog with 0.
    struct AnswerButtons {
        DuiLib::CButtonUI* pOk = nullptr;
        DuiLib::CButtonUI* pCancel = nullptr;
        DuiLib::CButtonUI* pExit = nullptr;
        bool Cancels(const DuiLib::CControlUI* pSender) const { return pSender == pCancel || pSender == pExit; }
    };
    static AnswerButtons BindAnswerButtons(CControlBinder& bind);

    std::vector<std::wstring> m_missingControls;

private:
    int m_iModel;
    std::wstring m_strWindowClass;
    std::wstring m_strSkinFile;
};

// A model's dialog as its caller builds it, on its stack under the model number: the dialog
// classes keep their constructors for the model classes, and this is the one a page uses.
template <class Dialog>
class CModelDialogOf final : public Dialog {
public:
    explicit CModelDialogOf(int iModel) : Dialog(iModel) {}
};
