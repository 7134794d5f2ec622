// The main window's messages that pages post.
#pragma once

#include <windows.h>

// The set of connected models changed: the main window refreshes its tabs.
constexpr UINT WM_DEVICELISTCHANGED = 0x50A;
// A mouse changed its DPI stage (wParam the model slot, lParam the stage's DPI as stored).
constexpr UINT WM_SHOWDPI = 0x50B;
