// One thread at a time inside hidapi's set-up, enumeration and opening, across the program and
// every driver library loaded into it. Shared by the program and the driver libraries.
//
// hid_init, hid_enumerate, hid_free_enumeration and hid_open_path change state that hidapi keeps
// for the whole process (its set-up and its last error, freed and replaced without a lock), so two
// threads inside them at once can free the same memory twice. The program's UI thread (receivers,
// the Bluetooth probe, the pages opening their cabled mouse) and the libraries' monitor threads
// all make these calls. The program and each library are separate modules that share no variable,
// so the lock is a mutex named after the process, which every module opens by that name.
//
// Lock order: the lock is always the innermost one. A caller may hold a lock of its own (the cabled
// mouse's) while it takes this one; nothing but the hidapi call itself runs while it is held.
//
// The wrappers below are the only way the program and the libraries make these calls: once this
// header is included, the raw names no longer compile.
#pragma once

#include <windows.h>

#include <hidapi.h>

#include <cwchar>

class HidapiLock {
public:
    HidapiLock() {
        wchar_t szName[64];
        _snwprintf(szName, 63, L"Local\\OrvekHidapi.%lu", GetCurrentProcessId());
        szName[63] = L'\0';
        // Should the mutex be unavailable, the call goes ahead unguarded rather than not at all.
        m_hMutex = CreateMutexW(nullptr, FALSE, szName);
        if (m_hMutex == nullptr) return;
        // Abandoned: a thread ended while holding it; hidapi's state is as that call left it.
        const DWORD dwWait = WaitForSingleObject(m_hMutex, INFINITE);
        m_bOwned = dwWait == WAIT_OBJECT_0 || dwWait == WAIT_ABANDONED;
    }
    ~HidapiLock() {
        if (m_bOwned) ReleaseMutex(m_hMutex);
        if (m_hMutex != nullptr) CloseHandle(m_hMutex);
    }
    HidapiLock(const HidapiLock&) = delete;
    HidapiLock& operator=(const HidapiLock&) = delete;

private:
    HANDLE m_hMutex = nullptr;
    bool m_bOwned = false;
};

inline int LockedHidInit() {
    HidapiLock lock;
    return hid_init();
}

inline hid_device_info* LockedHidEnumerate(unsigned short wVendorId, unsigned short wProductId) {
    HidapiLock lock;
    return hid_enumerate(wVendorId, wProductId);
}

inline void LockedHidFreeEnumeration(hid_device_info* pList) {
    if (pList == nullptr) return;
    HidapiLock lock;
    hid_free_enumeration(pList);
}

inline hid_device* LockedHidOpenPath(const char* pszPath) {
    HidapiLock lock;
    return hid_open_path(pszPath);
}

// hidapi's other calls that share the same state (never made by the program) are barred too.
#pragma GCC poison hid_init hid_enumerate hid_free_enumeration hid_open_path hid_open hid_exit
