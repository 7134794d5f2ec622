// What the main window gives every page before its set-up: the window the page posts to and
// times on, the paint manager its controls live in, the Hook.dll entry points, and the receivers
// (kept for the page's record; the pages reach their receivers through the handles they are
// given).
#pragma once

#include "hook_api.h"

#include <windows.h>

namespace DuiLib {
class CPaintManagerUI;
}
class CReceiverManager;

struct PageContext {
    HWND hMainWnd = nullptr;
    DuiLib::CPaintManagerUI* pPaintManager = nullptr;
    const HookTable* pHookTable = nullptr;
    CReceiverManager* pReceivers = nullptr;
};
