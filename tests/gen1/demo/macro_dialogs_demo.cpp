// Opens one of MS_10's dialogs over a stand-in main window, with a few macros, for looking at it:
//   macro_dialogs_demo.exe editor|picker|name [EN|CN|YUENAN] [editor: row of an action to edit]
//                          [editor: a control to click first, e.g. ms_10_macro_insert_mouse_btn]
// The dialog's window is titled "Dialog Demo" (screenshot.sh picks it with SHOT_WINDOW_TITLE);
// the program ends when the dialog closes. Its macros live in a "demo_data" folder beside it.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "ms_10/ms_10_dialogs.h"
#include "name_helpers.h"
#include "util/key_services.h"

namespace {

constexpr wchar_t kDialogTitle[] = L"Dialog Demo";

std::wstring LanguageText(const wchar_t* pszId) { return DuiLib::CResourceManager::GetInstance()->GetText(pszId).str(); }

class COwnerWnd : public DuiLib::WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"DialogDemoOwner"; }
    DuiLib::CDuiString GetSkinFile() override {
        return L"<Window size=\"800,572\"><VerticalLayout bkcolor=\"#FF16191D\">"
               L"<Control height=\"52\" bkcolor=\"#FF101316\"/></VerticalLayout></Window>";
    }
};

// A macro as a person would record it: each key pressed and released, 80 ms apart.
std::unique_ptr<MacroRecord> DemoMacro(const wchar_t* pszName, std::initializer_list<uint8_t> keys, uint16_t wPause) {
    auto pMacro = std::make_unique<MacroRecord>();
    *pMacro = MacroRecord{};
    CopyName(pMacro->szName, pszName);
    for (uint8_t byKey : keys) {
        pMacro->stActions[pMacro->iActionNum++] = {byKey, kActionPress, 80};
        pMacro->stActions[pMacro->iActionNum++] = {byKey, kActionRelease, wPause};
    }
    return pMacro;
}

MacroList DemoMacros() {
    MacroList macros;
    macros.push_back(DemoMacro(L"Reload combo", {0x15, 0xF1, 0xE1, 0x08}, 120));  // R, left button, left Shift, E
    macros.push_back(DemoMacro(L"Quick build", {0x1E, 0x1F, 0x20, 0xF5, 0x2C}, 60));
    macros.push_back(DemoMacro(L"Spray control", {0xF1, 0xF2}, 1500));
    macros.push_back(DemoMacro(L"Greeting", {0x0B, 0x0C, 0x28}, 40));
    return macros;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    const std::wstring sDialog = argc > 1 ? argv[1] : L"editor";
    const std::wstring sLanguage = argc > 2 ? argv[2] : L"EN";
    const int iEditRow = argc > 3 ? _wtoi(argv[3]) : -1;
    const std::wstring sClick = argc > 4 ? argv[4] : L"";

    DuiLib::CPaintManagerUI::SetInstance(hInstance);
    const std::wstring sFolder = DuiLib::CPaintManagerUI::GetInstancePath().str();
    DuiLib::CPaintManagerUI::SetResourcePath((sFolder + L"res\\").c_str());
    DuiLib::CResourceManager::GetInstance()->LoadLanguage((L"lan/" + sLanguage + L".xml").c_str());
    SetLanguageTextSource(&LanguageText);

    const std::wstring sDataFolder = sFolder + L"demo_data\\";
    ::CreateDirectoryW(sDataFolder.c_str(), nullptr);
    Gen1Storage storage(*FindGen1Model(10), sDataFolder, [](std::wstring_view id) { return LanguageText(std::wstring(id).c_str()); });
    MacroList macros = DemoMacros();
    ProfileList profiles;
    {
        COwnerWnd owner;
        if (owner.Create(nullptr, L"Dialog Demo Owner", WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 572) == nullptr) return 1;
        owner.CenterWindow();
        if (sDialog == L"editor") {
            CMS_10_Macro editor;
            editor.m_pMacros = &macros;
            editor.m_pStorage = &storage;
            if (editor.Create(owner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) != nullptr) {
                editor.CenterWindow();
                // The first macro chosen, and with a row given, that action open in the edit pane.
                auto* pList = static_cast<DuiLib::CListUI*>(editor.GetPaintManager()->FindControl(L"ms_10_macro_list"));
                if (pList != nullptr) pList->SelectItem(0);
                if (iEditRow >= 0) {
                    auto* pActions =
                        static_cast<DuiLib::CListUI*>(editor.GetPaintManager()->FindControl(L"ms_10_macro_action_list"));
                    auto* pCheck = static_cast<DuiLib::CCheckBoxUI*>(
                        editor.GetPaintManager()->FindControl(L"ms_10_macro_action_edit_check"));
                    if (pActions != nullptr) pActions->SelectItem(iEditRow);
                    if (pCheck != nullptr) pCheck->Activate();
                }
                if (DuiLib::CControlUI* pClick = editor.GetPaintManager()->FindControl(sClick.c_str())) pClick->Activate();
                editor.ShowModal();
            }
        } else if (sDialog == L"picker") {
            CMS_10_SelectMacro picker;
            picker.m_pMacros = &macros;
            picker.m_iMacroIndex = 1;
            picker.m_iRepeatMode = 0;
            picker.m_iLoopCount = 3;
            if (picker.Create(owner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) != nullptr) {
                picker.CenterWindow();
                picker.ShowModal();
            }
        } else if (sDialog == L"name") {
            CMS_10_ProfileName dialog;
            dialog.m_strTitle = L"profile_name_1_text";
            dialog.m_pProfiles = &profiles;
            if (dialog.Create(owner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) != nullptr) {
                dialog.CenterWindow();
                if (auto* pEdit = dialog.GetPaintManager()->FindControl(L"edit_name")) pEdit->SetText(L"Tournament 5v5");
                dialog.ShowModal();
            }
        }
    }
    DuiLib::CPaintManagerUI::Term();
    ::LocalFree(argv);
    return 0;
}
