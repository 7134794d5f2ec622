// The main window's messages that pages post.
#pragma once

#include <windows.h>

// The set of connected models changed: the main window refreshes its tabs.
constexpr UINT WM_DEVICELISTCHANGED = 0x50A;
// A mouse changed its DPI stage (wParam the model slot, lParam the stage's DPI as stored).
constexpr UINT WM_SHOWDPI = 0x50B;

// The words a page's device monitor gets when its cabled mouse arrives or leaves (the driver
// library's link message, or the main window when the mouse's arrival is what starts the page).
constexpr DWORD kCableArrivedWord = 0x7F000001;
constexpr DWORD kCableLeftWord = 0x7F000002;
