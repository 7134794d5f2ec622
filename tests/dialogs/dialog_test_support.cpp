#include "tests/dialogs/dialog_test_support.h"

#include <cwchar>
#include <ostream>

#include "core/util/folders.h"
#include "core/util/key_services.h"

namespace DuiLib {
void PrintTo(const CDuiString& s, std::ostream* os) {
    *os << '"';
    for (wchar_t ch : s.str()) *os << (ch < 0x80 ? static_cast<char>(ch) : '?');
    *os << '"';
}
}  // namespace DuiLib

namespace dlgtest {

namespace {

std::wstring LanguageText(const wchar_t* pszId) { return Text(pszId); }

// Once per process: skins from res\ beside the tests, English texts, key names from them.
void SetUpSkins() {
    static const bool s_done = [] {
        DuiLib::CPaintManagerUI::SetInstance(::GetModuleHandleW(nullptr));
        DuiLib::CPaintManagerUI::SetResourcePath((GetExeFolder() + L"res\\").c_str());
        SetLanguageTextSource(&LanguageText);
        return true;
    }();
    (void)s_done;
}

}  // namespace

bool UseLanguage(const wchar_t* pszLanguage) {
    SetUpSkins();
    const std::wstring sFile = std::wstring(L"lan/") + pszLanguage + L".xml";
    return DuiLib::CResourceManager::GetInstance()->LoadLanguage(sFile.c_str());
}

std::wstring Text(const wchar_t* pszId) { return DuiLib::LanguageTextOf(pszId); }

std::vector<WayToClose> WaysToClose(const wchar_t* pszOkButton, std::initializer_list<const wchar_t*> cancelButtons) {
    auto clickOn = [](std::wstring sName) { return [sName](HWND hWnd) { uikit::Click(hWnd, sName.c_str()); }; };
    auto narrow = [](const wchar_t* psz) { return std::string(psz, psz + wcslen(psz)); };
    std::vector<WayToClose> ways{{narrow(pszOkButton), clickOn(pszOkButton), true}};
    for (const wchar_t* pszButton : cancelButtons) ways.push_back({narrow(pszButton), clickOn(pszButton), false});
    ways.push_back({"Esc", [](HWND hWnd) { uikit::PressKey(hWnd, VK_ESCAPE); }, false});
    ways.push_back({"Alt+F4", [](HWND hWnd) { uikit::PressAltF4(hWnd); }, false});
    ways.push_back({"close command", [](HWND hWnd) { ::PostMessageW(hWnd, WM_SYSCOMMAND, SC_CLOSE, 0); }, false});
    return ways;
}

DuiLib::CDuiString COwnerWnd::GetSkinFile() {
    return L"<Window size=\"800,572\"><VerticalLayout bkcolor=\"#FF16191D\">"
           L"<Button name=\"owner_btn\" height=\"40\"/></VerticalLayout></Window>";
}

void DialogTest::SetUp() {
    ASSERT_TRUE(UseLanguage(L"EN"));
    ASSERT_NE(m_owner.Create(nullptr, L"Dialog test owner", WS_POPUP | WS_VISIBLE, 0, 60, 40, 800, 572), nullptr);
    ::SetForegroundWindow(m_owner);
    uikit::PumpUntilIdle();
}

void DialogTest::TearDown() {
    if (::IsWindow(m_owner)) ::DestroyWindow(m_owner);
    uikit::PumpUntilIdle();
}

}  // namespace dlgtest
