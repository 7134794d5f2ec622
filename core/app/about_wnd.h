// The About dialog: the program's version and the three user settings (language, start with
// Windows, feedback). It stores nothing itself: it switches the skin's language at once and
// reports every change to the main window by a posted message.
#pragma once

#include "ui/ui.h"

class CAboutWnd : public DuiLib::WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"AboutWnd"; }
    DuiLib::CDuiString GetSkinFile() override { return L"about.xml"; }
    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    void OnFinalMessage(HWND hWnd) override;

    bool m_bAutoDelete = false;  // the dialog lives on its caller's stack
    int m_iLanId = 2;
    int m_iStartup = 0;
    int m_iFeedback = 0;
    HWND m_hOwnerWnd = nullptr;  // where the changes are posted

private:
    DuiLib::CControlUI* m_pExit = nullptr;
    DuiLib::CComboUI* m_pComboLan = nullptr;
    DuiLib::CCheckBoxUI* m_pCheckStartup = nullptr;
    DuiLib::CCheckBoxUI* m_pCheckFeedback = nullptr;
    DuiLib::CControlUI* m_pVersion = nullptr;
};
