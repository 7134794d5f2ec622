// Writes, one per line into the file named on its command line, the program folder and the
// data folder of two calls, as UTF-16.
#include "core/util/folders.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

int main() {
    int iArgCount = 0;
    LPWSTR* ppszArgs = CommandLineToArgvW(GetCommandLineW(), &iArgCount);
    if (!ppszArgs || iArgCount < 2) return 2;
    const std::wstring strReport = GetExeFolder() + L"\n" + GetDataFolder() + L"\n" + GetDataFolder() + L"\n";
    const HANDLE hFile = CreateFileW(ppszArgs[1], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    LocalFree(ppszArgs);
    if (hFile == INVALID_HANDLE_VALUE) return 3;
    DWORD dwWritten = 0;
    const DWORD dwBytes = DWORD(strReport.size() * sizeof(wchar_t));
    const BOOL bOk = WriteFile(hFile, strReport.data(), dwBytes, &dwWritten, nullptr);
    CloseHandle(hFile);
    return bOk && dwWritten == dwBytes ? 0 : 4;
}
