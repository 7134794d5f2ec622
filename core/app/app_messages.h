// The custom window messages of the main window and the core's own timers.
#pragma once

#include "core/page/page_messages.h"

#include <windows.h>

constexpr UINT WM_TRAYICON = 0x401;
constexpr UINT WM_MENUCLICK = 0x403;
// WM_HOOKKEY (0x40A) comes with Hook.dll's header.
constexpr UINT WM_SHOWINSTANCE = 0x501;
// WM_DEVICELISTCHANGED (0x50A) and WM_SHOWDPI (0x50B) come with the page runtime.
constexpr UINT WM_LANGUAGE = 0x50D;
constexpr UINT WM_STARTUP = 0x50E;
constexpr UINT WM_FEEDBACK = 0x50F;
// The main window's own: an exit waits for a page's dialog to close (tray "Exit" while one is
// open), and a storage problem waits to be shown.
constexpr UINT WM_EXITREQUEST = WM_APP + 1;
constexpr UINT WM_STORAGEALERT = WM_APP + 2;

constexpr UINT_PTR TIMER_WIRELESS_ARRIVAL = 54;
constexpr UINT_PTR TIMER_WIRELESS4K_ARRIVAL = 55;
// Fires once, after the window has painted: the devices and the pages of the mice found start.
constexpr UINT_PTR TIMER_START_DEVICES = 56;
