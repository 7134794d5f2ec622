// The skin library's demo window: every control of the library in a dark skin, operable with
// the mouse and the keyboard. Used by the demo program and by a test that keeps its skin valid.
#pragma once

#include <memory>
#include <string>

#include "ui/ui.h"

class CDemoWnd : public DuiLib::WindowImplBase {
public:
    static constexpr wchar_t kTitle[] = L"Skin Library Demo";
    static constexpr int kScrollRows = 24;

    LPCWSTR GetWindowClassName() const override { return L"DuiDemoWnd"; }
    DuiLib::CDuiString GetSkinFile() override { return DuiLib::CDuiString(L"demo.xml"); }
    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

    // Shows page 0 (controls), 1 (scrolling), 2 (about), 3 (inputs) or 4 (colours and menus), as
    // its navigation option would.
    void ShowPage(int iPage);
    // Opens the drop-down of the inputs page's combo; focuses its name edit.
    void OpenComboDropDown();
    void EditName();
    // Opens the colours page's menu below its button.
    void OpenDemoMenu();
    // The chosen menu items (UIMSG_MENUCLICK) act on the palette.
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    DuiLib::CPaintManagerUI& PM() { return m_PaintManager; }
    // Ends the message loop when the window is destroyed (the demo program's main window).
    bool m_bQuitOnDestroy = false;

private:
    void SetBattery(int iValue);
    // The preview and the text of the colours page show the colour.
    void ShowColor(DWORD dwColor);

    std::unique_ptr<DuiLib::CMenuWnd> m_pMenu;
    DuiLib::MenuCheckInfo m_menuChecks{{L"menu_live", true}};
};
