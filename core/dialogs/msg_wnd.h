// CMsgWnd: the program's one message box. A title and a message (both text ids, shown in the
// current language), an OK and a Cancel button. Questions count as answered yes only when
// ShowModal returns exactly 1 (OK); Cancel, Esc, Alt+F4 and any other close give 0.
#pragma once

#include <windows.h>

#include "ui/ui.h"

// The title every message of the program uses.
inline constexpr wchar_t kWarningTitleTextId[] = L"warning_title_text";

class CMsgWnd : public DuiLib::WindowImplBase {
public:
    CMsgWnd() = default;

    LPCWSTR GetWindowClassName() const override { return L"MsgWnd"; }
    void OnFinalMessage(HWND hWnd) override;
    void InitWindow() override;
    DuiLib::CDuiString GetSkinFile() override { return L"msg.xml"; }
    void Notify(DuiLib::TNotifyUI& msg) override;

    DuiLib::CDuiString m_strTitle;    // text id of the title, set before Create
    DuiLib::CDuiString m_strMessage;  // text id of the message, set before Create
    bool m_bAutoDelete = false;       // callers on the stack leave it false

private:
    DuiLib::CControlUI* m_pBtnOk = nullptr;
    DuiLib::CControlUI* m_pBtnCancel = nullptr;
    DuiLib::CControlUI* m_pWarningTitle = nullptr;
    DuiLib::CControlUI* m_pWarning = nullptr;
};

// The calling sequence every caller uses: a box titled "warning_title_text" with the given
// message id, owned by hOwner (the main window, or the dialog that asks), centred and modal.
// Returns ShowModal's result: 1 only for OK.
UINT RunMsgWnd(HWND hOwner, LPCWSTR pszMessageId, LPCWSTR pszWindowName = nullptr);
// A question: true only when the user chose OK.
inline bool AskMsgWnd(HWND hOwner, LPCWSTR pszMessageId) { return RunMsgWnd(hOwner, pszMessageId) == 1; }
