// Diagnostic lines of the Bluetooth LE access. They go to the debugger output; a test may look at
// them through a sink of its own.
#pragma once

// printf-style, wide; "%ws" (or "%s") takes a wide string, as the system's wide formatters read it.
void BleTrace(const wchar_t* pszFormat, ...);

using BleTraceSink = void (*)(const wchar_t* pszLine);
// Installs a sink that also receives every line (null removes it); returns the previous one.
BleTraceSink SetBleTraceSink(BleTraceSink pfnSink);
