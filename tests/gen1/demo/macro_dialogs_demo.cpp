// Opens one of MS_10's dialogs (or MS_11's: editor2, picker2) over a stand-in main window, with a
// few macros, for looking at it:
//   macro_dialogs_demo.exe editor|picker|name|editor2|picker2 [EN|CN|YUENAN]
//                          [editor: row of an action to edit]
//                          [editor: a control to click first, e.g. ms_10_macro_insert_mouse_btn]
// The dialog's window is titled "Dialog Demo" (screenshot.sh picks it with SHOT_WINDOW_TITLE);
// the program ends when the dialog closes. Its macros live in a "demo_data" folder beside it.
#include <windows.h>
#include <shellapi.h>

#include <string>

#include "models/ms_10/ms_10_dialogs.h"
#include "models/ms_11/ms_11_dialogs.h"
#include "models/data/name_helpers.h"
#include "core/util/key_services.h"

namespace {

constexpr wchar_t kDialogTitle[] = L"Dialog Demo";

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

// Second generation: keys, a mouse button and mouse moves.
MacroActionEx DemoAction(uint8_t byKey, uint8_t byType, uint16_t wDelay, int iX = 0, int iY = 0) {
    MacroActionEx action{};
    action.byKey = byKey;
    action.byType = byType;
    action.wDelay = wDelay;
    action.iX = iX;
    action.iY = iY;
    return action;
}

MacroListEx DemoMacrosEx() {
    MacroListEx macros;
    auto Add = [&](const wchar_t* pszName, std::initializer_list<MacroActionEx> actions) {
        auto pMacro = std::make_unique<MacroRecordEx>();
        *pMacro = MacroRecordEx{};
        CopyName(pMacro->szName, pszName);
        for (const MacroActionEx& action : actions) pMacro->stActions[pMacro->iActionNum++] = action;
        macros.push_back(std::move(pMacro));
    };
    Add(L"Recoil control", {DemoAction(kMouseLeftButton, kActionPress, 30), DemoAction(kMouseMove, kActionMove, 15, 0, 12),
                            DemoAction(kMouseMove, kActionMove, 15, -2, 14), DemoAction(0x15, kActionPress, 80),
                            DemoAction(0x15, kActionRelease, 40), DemoAction(kMouseLeftButton, kActionRelease, 1)});
    Add(L"Quick build", {DemoAction(0x1E, kActionPress, 60), DemoAction(0x1E, kActionRelease, 60),
                         DemoAction(kMouseMove, kActionMove, 10, 120, -40), DemoAction(0x2C, kActionPress, 60),
                         DemoAction(0x2C, kActionRelease, 1)});
    Add(L"Greeting", {DemoAction(0x0B, kActionPress, 40), DemoAction(0x0B, kActionRelease, 1)});
    return macros;
}

// The editor opened on its first macro; with a row given, that action open in the edit pane.
template <class Editor, class Macros, class Storage>
void ShowEditor(HWND hOwner, Macros& macros, Storage& storage, const std::wstring& strPrefix, int iEditRow,
                const std::wstring& sClick) {
    Editor editor;
    editor.m_pMacros = &macros;
    editor.m_pStorage = &storage;
    if (editor.Create(hOwner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return;
    editor.CenterWindow();
    DuiLib::CPaintManagerUI* pManager = editor.GetPaintManager();
    auto* pList = static_cast<DuiLib::CListUI*>(pManager->FindControl((strPrefix + L"macro_list").c_str()));
    if (pList != nullptr) pList->SelectItem(0);
    if (iEditRow >= 0) {
        auto* pActions = static_cast<DuiLib::CListUI*>(pManager->FindControl((strPrefix + L"macro_action_list").c_str()));
        auto* pCheck = static_cast<DuiLib::CCheckBoxUI*>(pManager->FindControl((strPrefix + L"macro_action_edit_check").c_str()));
        if (pActions != nullptr) pActions->SelectItem(iEditRow);
        if (pCheck != nullptr) pCheck->Activate();
    }
    if (DuiLib::CControlUI* pClick = pManager->FindControl(sClick.c_str())) pClick->Activate();
    editor.ShowModal();
}

template <class Picker, class Macros>
void ShowPicker(HWND hOwner, Macros& macros, bool bLeftMacro) {
    Picker picker;
    picker.m_pMacros = &macros;
    picker.m_iMacroIndex = 1;
    picker.m_iRepeatMode = 0;
    picker.m_iLoopCount = 3;
    picker.m_bLeftMacro = bLeftMacro;
    if (picker.Create(hOwner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return;
    picker.CenterWindow();
    picker.ShowModal();
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
    SetLanguageTextSource(&DuiLib::LanguageTextOf);

    const std::wstring sDataFolder = sFolder + L"demo_data\\";
    ::CreateDirectoryW(sDataFolder.c_str(), nullptr);
    auto resolve = [](std::wstring_view id) { return DuiLib::LanguageTextOf(std::wstring(id).c_str()); };
    Gen1Storage storage(*FindGen1Model(10), sDataFolder, resolve);
    Gen2Storage storage2(*FindGen2Model(11), sDataFolder, resolve);
    MacroList macros = DemoMacros();
    MacroListEx macros2 = DemoMacrosEx();
    ProfileList profiles;
    {
        COwnerWnd owner;
        if (owner.Create(nullptr, L"Dialog Demo Owner", WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 572) == nullptr) return 1;
        owner.CenterWindow();
        if (sDialog == L"editor") {
            ShowEditor<CMS_10_Macro>(owner, macros, storage, L"ms_10_", iEditRow, sClick);
        } else if (sDialog == L"editor2") {
            ShowEditor<CMS_11_Macro>(owner, macros2, storage2, L"ms_11_", iEditRow, sClick);
        } else if (sDialog == L"picker") {
            ShowPicker<CMS_10_SelectMacro>(owner, macros, false);
        } else if (sDialog == L"picker2") {
            ShowPicker<CMS_11_SelectMacro>(owner, macros2, true);
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
