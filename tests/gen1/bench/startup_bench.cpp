// How long the program takes from its process start to its visible main window, against a bare
// Win32 window built beside it. Each program is started several times in turn; printed are the
// runs, the median of each and their ratio.
//   startup_bench.exe [runs]      run by scripts/bench; not a test
// The program runs on the simulated device world with a cabled MS_10, so its page is shown.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Search {
    DWORD dwProcessId;
    bool bFound;
};

BOOL CALLBACK FindVisibleWindow(HWND hWnd, LPARAM lParam) {
    auto* pSearch = reinterpret_cast<Search*>(lParam);
    DWORD dwProcessId = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcessId);
    if (dwProcessId != pSearch->dwProcessId || !::IsWindowVisible(hWnd)) return TRUE;
    pSearch->bFound = true;
    return FALSE;
}

// Milliseconds from CreateProcess to the first visible top-level window of the process; a
// negative value when it did not show within a minute.
double TimeToWindow(const std::wstring& strProgram) {
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    std::wstring strCommand = L"\"" + strProgram + L"\"";
    LARGE_INTEGER liFrequency, liStart, liNow;
    ::QueryPerformanceFrequency(&liFrequency);
    ::QueryPerformanceCounter(&liStart);
    if (!::CreateProcessW(nullptr, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) return -1;
    double dMs = -1;
    for (;;) {
        Search search{pi.dwProcessId, false};
        ::EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
        ::QueryPerformanceCounter(&liNow);
        const double dElapsed = 1000.0 * static_cast<double>(liNow.QuadPart - liStart.QuadPart) / static_cast<double>(liFrequency.QuadPart);
        if (search.bFound) {
            dMs = dElapsed;
            break;
        }
        if (dElapsed > 60000 || ::WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
        ::Sleep(1);
    }
    ::TerminateProcess(pi.hProcess, 0);
    ::WaitForSingleObject(pi.hProcess, 10000);
    ::CloseHandle(pi.hThread);
    ::CloseHandle(pi.hProcess);
    return dMs;
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n == 0 ? 0 : (n % 2 != 0 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2);
}

std::wstring Beside(const wchar_t* pszFile) {
    wchar_t szPath[MAX_PATH];
    const DWORD dwLength = ::GetModuleFileNameW(nullptr, szPath, MAX_PATH);
    std::wstring strPath(szPath, dwLength);
    return strPath.substr(0, strPath.find_last_of(L"\\/") + 1) + pszFile;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int iRuns = std::max(1, argc > 1 ? _wtoi(argv[1]) : 7);
    ::SetEnvironmentVariableW(L"SIMHID_DEVICES", L"cable:FA79");
    const std::wstring strProgram = Beside(L"OrvekDriver.exe");
    const std::wstring strBare = Beside(L"bare_window.exe");
    std::vector<double> program, bare;
    // Once each first, so both start from a warm file cache.
    TimeToWindow(strProgram);
    TimeToWindow(strBare);
    for (int i = 0; i < iRuns; ++i) {
        program.push_back(TimeToWindow(strProgram));
        bare.push_back(TimeToWindow(strBare));
        std::printf("run %d: program %.1f ms, bare window %.1f ms\n", i + 1, program.back(), bare.back());
    }
    const double dProgram = Median(program);
    const double dBare = Median(bare);
    std::printf("start-up to a visible window, median of %d runs: program %.1f ms, bare window %.1f ms, ratio %.2f\n",
                iRuns, dProgram, dBare, dBare > 0 ? dProgram / dBare : 0.0);
    return dProgram > 0 && dBare > 0 ? 0 : 1;
}
