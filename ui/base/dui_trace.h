// The library's trace: a printf-style wide line to the debugger output (OutputDebugStringW),
// formatted like CDuiString::Format (%s is wide).
#pragma once

#include <windows.h>

namespace DuiLib {

void DuiTrace(LPCWSTR pstrFormat, ...);

}  // namespace DuiLib

#define DUITRACE DuiLib::DuiTrace
