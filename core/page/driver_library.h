// A page's driver library ("hiddriver_10.dll" and the like): loaded from the program folder by
// the model's file name, its seven entry points resolved by name, and the calls a page makes on
// it. A library that is missing, or lacks any entry point, is not kept: no entry point is ever
// called then, every call below reports failure, and the page's cable link simply never comes
// up while its other links work.
//
// The object ends the library in the order that keeps every thread safe: the cabled mouse is
// closed, the library's monitor thread is stopped and waited for, and only then is the library
// freed. Its owner ends the worker (the only other caller of SetFeature) before that.
#pragma once

#include "plugins/include/driver_api.h"

#include <windows.h>

#include <string>

class CDriverLibrary {
public:
    CDriverLibrary() = default;
    ~CDriverLibrary() { Unload(); }
    CDriverLibrary(const CDriverLibrary&) = delete;
    CDriverLibrary& operator=(const CDriverLibrary&) = delete;

    // Loads `strPath` and resolves the seven entry points; false (and nothing kept) when the
    // file is missing or an entry point is. A library loaded before is unloaded first.
    bool Load(const std::wstring& strPath);
    bool Loaded() const { return m_hModule != nullptr; }
    const DriverTable& Table() const { return m_table; }

    // The calls a page makes; each is false without a library.
    bool SetVidPid(int iVid, int iPid) const;
    bool OpenDevMonitor(HWND hWnd, UINT uDataMsg, UINT uLinkMsg) const;
    bool OpenFeatureDevice() const;
    bool CloseFeatureDevice() const;
    // One frame or one 64-byte piece as a feature report; true when the library sent it.
    bool SetFeature(const unsigned char* pBuffer, int iLength) const;

    // Close_FeatureDevice, Close_DevMonitor, then FreeLibrary. Safe without a library.
    void Unload();

private:
    HMODULE m_hModule = nullptr;
    DriverTable m_table;
};
