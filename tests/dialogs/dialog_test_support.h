// Shared pieces of the dialog tests: the program's skins and language files beside the tests,
// a stand-in for the main window that owns the dialogs, and a fixture that opens it.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "ui/ui.h"
#include "tests/kit/ui_driver.h"

namespace DuiLib {
// Readable CDuiString values in test failure messages.
void PrintTo(const CDuiString& s, std::ostream* os);
}  // namespace DuiLib

namespace dlgtest {

// Loads lan/<name>.xml of the program's res\ folder ("EN", "CN", "YUENAN"); false when the
// file is missing or unreadable.
bool UseLanguage(const wchar_t* pszLanguage);
// The current language's text of an id (the id itself when the language lacks it).
std::wstring Text(const wchar_t* pszId);

// One way a person ends a dialog, and whether it counts as OK.
struct WayToClose {
    std::string sWhat;
    std::function<void(HWND)> close;
    bool bOk;
};
// Every way to end a dialog: its OK button, its cancel buttons, Esc, Alt+F4 and the system's
// close command. Only the OK button answers OK.
std::vector<WayToClose> WaysToClose(const wchar_t* pszOkButton, std::initializer_list<const wchar_t*> cancelButtons);

// The owner of the dialogs, as the main window is for the program: a visible skinned pop-up.
class COwnerWnd : public DuiLib::WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"DialogTestOwner"; }
    DuiLib::CDuiString GetSkinFile() override;
};

class DialogTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    COwnerWnd m_owner;
};

}  // namespace dlgtest
