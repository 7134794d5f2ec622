// What a menu hands the program when an item is chosen: the message it posts and the record that
// travels in its wParam.
#pragma once

#include <windows.h>

#include <cstddef>
#include <type_traits>

namespace DuiLib {

// Posted to the main paint manager's window when a menu item is chosen; wParam is a new MenuCmd
// that the receiver frees with CPaintManagerUI::DeletePtr (0x403, the program's WM_MENUCLICK).
constexpr UINT UIMSG_MENUCLICK = WM_USER + 3;

// The chosen item. A plain record allocated with new: DeletePtr frees it with operator delete.
struct MenuCmd {
    wchar_t szName[256];       // the item's name
    wchar_t szUserData[1024];  // its userdata attribute
    wchar_t szText[1024];      // the text it showed (a language id resolved)
    BOOL bChecked;             // its check state after the click
};
static_assert(std::is_trivially_destructible_v<MenuCmd>, "DeletePtr frees the record with operator delete");
static_assert(sizeof(MenuCmd) == 4612);
static_assert(offsetof(MenuCmd, szUserData) == 512);
static_assert(offsetof(MenuCmd, szText) == 2560);
static_assert(offsetof(MenuCmd, bChecked) == 4608);

}  // namespace DuiLib
