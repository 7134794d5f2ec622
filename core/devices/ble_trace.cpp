#include "core/devices/ble_trace.h"

#include <windows.h>

#include <atomic>
#include <cstdarg>
#include <cwchar>

namespace {
std::atomic<BleTraceSink> g_pfnSink{nullptr};
}

void BleTrace(const wchar_t* pszFormat, ...) {
    wchar_t szLine[1024];
    va_list args;
    va_start(args, pszFormat);
    // The runtime's own wide formatter: "%s" and "%ws" are wide strings there.
    int iLength = _vsnwprintf(szLine, _countof(szLine) - 1, pszFormat, args);
    va_end(args);
    szLine[iLength < 0 ? _countof(szLine) - 1 : iLength] = L'\0';
    OutputDebugStringW(szLine);
    if (BleTraceSink pfnSink = g_pfnSink.load()) pfnSink(szLine);
}

BleTraceSink SetBleTraceSink(BleTraceSink pfnSink) { return g_pfnSink.exchange(pfnSink); }
