// The skin library's demo program: "ui_demo.exe [page] [open|edit|menu]" shows the demo window on
// page 0 (controls), 1 (scrolling), 2 (about), 3 (inputs) or 4 (colours and menus) and runs until
// it is closed. To look at them, "open" starts with the combo's drop-down open, "edit" with the
// name being edited, "menu" with the colours page's menu open.
#include <windows.h>

#include <cwchar>

#include "tests/ui/demo/demo_window.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR pstrCmdLine, int) {
    DuiLib::CPaintManagerUI::SetInstance(hInstance);
    DuiLib::CPaintManagerUI::SetResourceType(1);
    DuiLib::CPaintManagerUI::SetResourcePath(DuiLib::CPaintManagerUI::GetInstancePath() + L"res\\");
    DuiLib::CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml");
    int iPage = 0;
    if (pstrCmdLine != nullptr && *pstrCmdLine != L'\0') iPage = _wtoi(pstrCmdLine);
    {
        CDemoWnd wnd;
        wnd.m_bQuitOnDestroy = true;
        if (wnd.Create(nullptr, CDemoWnd::kTitle, 0x96CA0000 & ~WS_VISIBLE, 0, 0, 0, 580, 420) == nullptr) return 1;
        wnd.ShowPage(iPage);
        wnd.CenterWindow();
        wnd.ShowWindow(true, true);
        if (pstrCmdLine != nullptr && wcsstr(pstrCmdLine, L"open") != nullptr) wnd.OpenComboDropDown();
        if (pstrCmdLine != nullptr && wcsstr(pstrCmdLine, L"edit") != nullptr) wnd.EditName();
        if (pstrCmdLine != nullptr && wcsstr(pstrCmdLine, L"menu") != nullptr) wnd.OpenDemoMenu();
        DuiLib::CPaintManagerUI::MessageLoop();
    }
    DuiLib::CPaintManagerUI::Term();
    return 0;
}
