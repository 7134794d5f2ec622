#include "ui/base/dui_trace.h"

#include "ui/base/dui_string.h"

namespace DuiLib {

void DuiTrace(LPCWSTR pstrFormat, ...) {
    va_list args;
    va_start(args, pstrFormat);
    CDuiString sLine = FormatV(pstrFormat, args);
    va_end(args);
    ::OutputDebugStringW(sLine.GetData());
}

}  // namespace DuiLib
