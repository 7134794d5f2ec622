// Opens one of the shared dialogs over a stand-in main window, for looking at it:
//   dialogs_demo.exe msg|color|shortcut [EN|CN|YUENAN] [name of a control to focus]
// The dialog's window is titled "Dialog Demo" (screenshot.sh picks it with SHOT_WINDOW_TITLE);
// the program ends when the dialog closes.
#include <windows.h>
#include <shellapi.h>

#include <cwchar>
#include <string>

#include "core/dialogs/dpi_color_wnd.h"
#include "core/dialogs/msg_wnd.h"
#include "core/dialogs/shortcut_wnd.h"
#include "ui/ui.h"
#include "core/util/key_services.h"

namespace {

constexpr wchar_t kDialogTitle[] = L"Dialog Demo";
std::wstring g_sFocus;  // a control of the dialog that starts with the focus

void FocusNamedControl(DuiLib::WindowImplBase& dialog) {
    if (g_sFocus.empty()) return;
    if (DuiLib::CControlUI* pControl = dialog.GetPaintManager()->FindControl(g_sFocus.c_str())) pControl->SetFocus();
}

std::wstring LanguageText(const wchar_t* pszId) { return DuiLib::CResourceManager::GetInstance()->GetText(pszId).str(); }

class COwnerWnd : public DuiLib::WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"DialogDemoOwner"; }
    DuiLib::CDuiString GetSkinFile() override {
        return L"<Window size=\"800,572\"><VerticalLayout bkcolor=\"#FF16191D\">"
               L"<Control height=\"52\" bkcolor=\"#FF101316\"/>"
               L"<HorizontalLayout height=\"30\" padding=\"0,200,0,0\"><Control/>"
               L"<Button name=\"color_btn\" width=\"30\" bkcolor=\"#FFE0282E\" borderround=\"4,4\"/>"
               L"<Control width=\"300\"/></HorizontalLayout>"
               L"</VerticalLayout></Window>";
    }
};

UINT ShowMsg(HWND hOwner) {
    CMsgWnd box;
    box.m_strTitle = kWarningTitleTextId;
    box.m_strMessage = L"delete_profile_text";
    if (box.Create(hOwner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return 0;
    box.CenterWindow();
    return box.ShowModal();
}

UINT ShowColor(COwnerWnd& owner) {
    // Opened as a page's colour button does, with the red-orange preset chosen before.
    CDpiColorWnd picker;
    picker.m_dwColor = DpiColorFromRgb(0xFF, 0x54, 0x00);
    owner.GetPaintManager()->UpdateLayout();
    const RECT& rcButton = owner.GetPaintManager()->FindControl(L"color_btn")->GetPos();
    RECT rcOwner{};
    ::GetWindowRect(owner, &rcOwner);
    picker.m_ptPos = DuiLib::CDuiPoint(rcOwner.left + rcButton.left - 200, rcOwner.top + rcButton.bottom);
    if (picker.Create(owner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return 0;
    FocusNamedControl(picker);
    return picker.ShowModal();
}

UINT ShowShortcut(HWND hOwner, const HookTable* pHooks) {
    // A button whose shortcut is Ctrl + Shift + C.
    CShortcutWnd dialog;
    dialog.SetModifierBits(kModifierCtrl | kModifierShift);
    dialog.m_byUsage = 0x06;
    dialog.m_pHookTable = pHooks;
    if (dialog.Create(hOwner, kDialogTitle, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return 0;
    dialog.CenterWindow();
    FocusNamedControl(dialog);
    return dialog.ShowModal();
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR pstrCmdLine, int) {
    int argc = 0;
    LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
    const std::wstring sDialog = argc > 1 ? argv[1] : L"msg";
    const std::wstring sLanguage = argc > 2 ? argv[2] : L"EN";
    g_sFocus = argc > 3 ? argv[3] : L"";
    (void)pstrCmdLine;

    DuiLib::CPaintManagerUI::SetInstance(hInstance);
    DuiLib::CPaintManagerUI::SetResourcePath(DuiLib::CPaintManagerUI::GetInstancePath() + L"res\\");
    DuiLib::CResourceManager::GetInstance()->LoadLanguage((L"lan/" + sLanguage + L".xml").c_str());
    SetLanguageTextSource(&LanguageText);
    {
        COwnerWnd owner;
        if (owner.Create(nullptr, L"Dialog Demo Owner", WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 572) == nullptr) return 1;
        owner.CenterWindow();
        if (sDialog == L"msg") ShowMsg(owner);
        if (sDialog == L"color") ShowColor(owner);
        if (sDialog == L"shortcut") {
            // Key capture through Hook.dll beside the program, as the main window loads it.
            HMODULE hHookDll = ::LoadLibraryW((DuiLib::CPaintManagerUI::GetInstancePath() + L"Hook.dll").GetData());
            HookTable hooks = ResolveHookTable(hHookDll);
            ShowShortcut(owner, &hooks);
            if (hooks.pfnRemoveMouseHook != nullptr) hooks.pfnRemoveMouseHook();
            if (hHookDll != nullptr) ::FreeLibrary(hHookDll);
        }
    }
    DuiLib::CPaintManagerUI::Term();
    ::LocalFree(argv);
    return 0;
}
