// CMenuWnd: a pop-up menu. Init builds it from a menu skin (a file under the resource path, or
// XML text) whose root is <Menu> (menu_ui.h), in a topmost tool window of its own with its own
// paint manager, places it at a point and shows it active. Choosing an item (a click, or the
// arrow keys and Enter) posts UIMSG_MENUCLICK with a new MenuCmd to the window of the paint
// manager given to Init, and closes the menu; Esc or the menu losing activation close it too.
// Ownership: the object never deletes itself. Whoever made it deletes it, once; deleting it
// after its window is gone is safe, and deleting it while the window is open closes the window.
#pragma once

#include <map>

#include "ui/base/dui_geometry.h"
#include "ui/base/string_or_id.h"
#include "ui/menu/menu_cmd.h"
#include "ui/menu/menu_ui.h"
#include "ui/window/window_impl_base.h"

namespace DuiLib {

// Where the point given to Init (m_BasedPoint) lies on the menu. Without a horizontal flag the
// point is the left edge, without a vertical one the top edge; 6 (left | top) makes it the
// top-left corner.
enum MenuAlignment : DWORD {
    eMenuAlignment_Left = 1 << 1,
    eMenuAlignment_Top = 1 << 2,
    eMenuAlignment_Right = 1 << 3,
    eMenuAlignment_Bottom = 1 << 4,
};

// Check states of items by name, kept by the caller across menus: an item named here is
// checkable, shows the stored state and stores its new state when clicked.
using MenuCheckInfo = std::map<CDuiString, bool>;

class CMenuWnd : public WindowImplBase {
public:
    CMenuWnd() = default;
    ~CMenuWnd() override;

    // Builds and shows the menu. Once per object: a second call, the window not being made or a
    // skin without a visible item give false. pOwner is accepted for callers that name the item
    // a menu opens from; sub-menus are not supported.
    bool Init(CMenuElementUI* pOwner, STRINGorID xml, POINT point, CPaintManagerUI* pMainPaintManager,
              MenuCheckInfo* pMenuCheckInfo = nullptr, DWORD dwAlignment = eMenuAlignment_Left | eMenuAlignment_Top);
    // The menu's items (valid for the object's life once Init has built them), or nullptr.
    CMenuUI* GetMenuUI();
    // Sizes the menu to its visible items and places it at m_BasedPoint by the alignment,
    // kept on the screen.
    void ResizeMenu();

    // The point the menu is placed at (screen coordinates).
    CDuiPoint m_BasedPoint;

    LPCWSTR GetWindowClassName() const override { return L"DuiMenuWnd"; }
    CDuiString GetSkinFile() override { return m_sSkin; }
    void InitWindow() override;
    void Notify(TNotifyUI& msg) override;
    // Esc closes; Up/Down move the highlight; Enter and Space choose the highlighted item.
    LRESULT ResponseDefaultKeyEvent(WPARAM wParam) override;
    LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

private:
    // Closes the window once (a choice and the loss of activation that follows it close once).
    void CloseMenu();
    // Posts the chosen item to the main window; the record is the receiver's from then on.
    void PostChoice(CMenuElementUI* pItem);

    CDuiString m_sSkin;
    HWND m_hWndNotify = nullptr;
    MenuCheckInfo* m_pMenuCheckInfo = nullptr;
    CMenuElementUI* m_pOwner = nullptr;
    DWORD m_dwAlignment = eMenuAlignment_Left | eMenuAlignment_Top;
    bool m_bInitCalled = false;
    bool m_bClosing = false;
};

}  // namespace DuiLib
