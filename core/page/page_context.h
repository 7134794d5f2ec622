// What the main window gives every page before its set-up: the window the page posts to and
// times on, the paint manager its controls live in and the Hook.dll entry points. (The pages
// reach their receivers through the handles the main window gives them.)
#pragma once

#include "plugins/include/hook_api.h"

#include <windows.h>

namespace DuiLib {
class CPaintManagerUI;
}

struct PageContext {
    HWND hMainWnd = nullptr;
    DuiLib::CPaintManagerUI* pPaintManager = nullptr;
    const HookTable* pHookTable = nullptr;
};
