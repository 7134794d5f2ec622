// What the program costs to start and to keep running, against a bare Win32 window built beside
// it (the same size, under the same Wine, in the same run):
//   1. start-up: from CreateProcess to the first visible top-level window, the program and the bare
//      window started in turn (interleaved pairs), with no mouse and with a cabled MS_10; printed
//      per pair and as medians, with the median of the per-pair ratios;
//   2. before the window shows: the HID enumerations (all, and those on the UI thread) and the
//      threads of the process at that moment;
//   3. at rest: threads and resident memory with no mouse; and, with two simulated receivers
//      (an MS_10 on a 2.4 GHz and an MS_11 on a 4K receiver), the share of one core used over a
//      minute, threads and resident memory.
//   startup_bench.exe [pairs] [idle seconds]      run by scripts/bench; not a test
// The program runs on the simulated device world (SIMHID_DEVICES); SIMHID_ENUM_LOG makes the
// simulated hidapi log its enumerations.
#include <windows.h>
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
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

double NowMs() {
    static LARGE_INTEGER liFrequency = [] {
        LARGE_INTEGER li;
        ::QueryPerformanceFrequency(&li);
        return li;
    }();
    LARGE_INTEGER liNow;
    ::QueryPerformanceCounter(&liNow);
    return 1000.0 * static_cast<double>(liNow.QuadPart) / static_cast<double>(liFrequency.QuadPart);
}

int ThreadsOf(DWORD dwProcessId) {
    const HANDLE hSnapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (hSnapshot == INVALID_HANDLE_VALUE) return -1;
    THREADENTRY32 entry{};
    entry.dwSize = sizeof entry;
    int n = 0;
    for (BOOL b = ::Thread32First(hSnapshot, &entry); b; b = ::Thread32Next(hSnapshot, &entry))
        n += entry.th32OwnerProcessID == dwProcessId;
    ::CloseHandle(hSnapshot);
    return n;
}

double ResidentMb(HANDLE hProcess) {
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!::GetProcessMemoryInfo(hProcess, &counters, sizeof counters)) return -1;
    return static_cast<double>(counters.WorkingSetSize) / (1024.0 * 1024.0);
}

// What the kernel under Wine counts for the program's process (Wine's own view of another
// process's times is empty): CPU time and context switches, summed over its threads, read from
// /proc through Wine's drive Z:. The process is found by its command line.
struct HostCounters {
    double dCpuMs = 0;
    long long llSwitches = 0;
    bool bFound = false;
};

std::string ReadText(const std::wstring& strPath) {
    std::ifstream file(std::string(strPath.begin(), strPath.end()), std::ios::binary);
    std::ostringstream text;
    text << file.rdbuf();
    return text.str();
}

std::wstring HostProcessOf(const wchar_t* pszProgram) {
    WIN32_FIND_DATAW data;
    const HANDLE hFind = ::FindFirstFileW(L"Z:\\proc\\*", &data);
    if (hFind == INVALID_HANDLE_VALUE) return L"";
    std::wstring strFound;
    const std::string strProgram(pszProgram, pszProgram + wcslen(pszProgram));
    do {
        if (data.cFileName[0] < L'0' || data.cFileName[0] > L'9') continue;
        const std::wstring strDir = std::wstring(L"Z:\\proc\\") + data.cFileName;
        if (ReadText(strDir + L"\\cmdline").find(strProgram) != std::string::npos) strFound = strDir;
    } while (strFound.empty() && ::FindNextFileW(hFind, &data));
    ::FindClose(hFind);
    return strFound;
}

HostCounters ReadHostCounters(const std::wstring& strDir) {
    HostCounters counters;
    if (strDir.empty()) return counters;
    WIN32_FIND_DATAW data;
    const HANDLE hFind = ::FindFirstFileW((strDir + L"\\task\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE) return counters;
    do {
        if (data.cFileName[0] < L'0' || data.cFileName[0] > L'9') continue;
        const std::wstring strTask = strDir + L"\\task\\" + data.cFileName;
        // Fields 14 and 15 of stat (after the name in parentheses): user and system time in ticks.
        const std::string strStat = ReadText(strTask + L"\\stat");
        const size_t uAfterName = strStat.rfind(')');
        if (uAfterName != std::string::npos) {
            std::istringstream fields(strStat.substr(uAfterName + 2));
            std::string strField;
            long long llUser = 0, llSystem = 0;
            for (int i = 3; i <= 15 && fields >> strField; ++i) {
                if (i == 14) llUser = std::atoll(strField.c_str());
                if (i == 15) llSystem = std::atoll(strField.c_str());
            }
            counters.dCpuMs += 10.0 * static_cast<double>(llUser + llSystem);  // 100 ticks a second
        }
        std::istringstream status(ReadText(strTask + L"\\status"));
        std::string strLine;
        while (std::getline(status, strLine))
            if (strLine.find("ctxt_switches:") != std::string::npos)
                counters.llSwitches += std::atoll(strLine.substr(strLine.find(':') + 1).c_str());
        counters.bFound = true;
    } while (::FindNextFileW(hFind, &data));
    ::FindClose(hFind);
    return counters;
}

// A started program: its process, the time its first top-level window showed and the threads it
// had then. Ended when it goes.
class Started {
public:
    Started(const std::wstring& strProgram, const std::wstring& strDevices) {
        ::SetEnvironmentVariableW(L"SIMHID_DEVICES", strDevices.empty() ? nullptr : strDevices.c_str());
        STARTUPINFOW si{};
        si.cb = sizeof si;
        std::wstring strCommand = L"\"" + strProgram + L"\"";
        const double dStart = NowMs();
        if (!::CreateProcessW(nullptr, strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &m_pi)) return;
        for (;;) {
            Search search{m_pi.dwProcessId, false};
            ::EnumWindows(&FindVisibleWindow, reinterpret_cast<LPARAM>(&search));
            const double dElapsed = NowMs() - dStart;
            if (search.bFound) {
                m_iThreadsAtWindow = ThreadsOf(m_pi.dwProcessId);
                m_dToWindowMs = dElapsed;
                break;
            }
            if (dElapsed > 60000 || ::WaitForSingleObject(m_pi.hProcess, 0) == WAIT_OBJECT_0) break;
            ::Sleep(1);
        }
    }
    ~Started() {
        if (m_pi.hProcess == nullptr) return;
        ::TerminateProcess(m_pi.hProcess, 0);
        ::WaitForSingleObject(m_pi.hProcess, 10000);
        ::CloseHandle(m_pi.hThread);
        ::CloseHandle(m_pi.hProcess);
    }
    Started(const Started&) = delete;
    Started& operator=(const Started&) = delete;

    double ToWindowMs() const { return m_dToWindowMs; }
    int ThreadsAtWindow() const { return m_iThreadsAtWindow; }
    DWORD MainThreadId() const { return m_pi.dwThreadId; }
    HANDLE Process() const { return m_pi.hProcess; }
    int Threads() const { return ThreadsOf(m_pi.dwProcessId); }

private:
    PROCESS_INFORMATION m_pi{};
    double m_dToWindowMs = -1;
    int m_iThreadsAtWindow = -1;
};

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

void StartUp(const wchar_t* pszWhat, const std::wstring& strDevices, int iPairs) {
    const std::wstring strProgram = Beside(L"OrvekDriver.exe");
    const std::wstring strBare = Beside(L"bare_window.exe");
    std::vector<double> program, bare, ratios;
    // Once each first, so both start from a warm file cache.
    { Started warm(strProgram, strDevices); }
    { Started warm(strBare, L""); }
    for (int i = 0; i < iPairs; ++i) {
        double dProgram = 0, dBare = 0;
        { Started p(strProgram, strDevices); dProgram = p.ToWindowMs(); }
        { Started b(strBare, L""); dBare = b.ToWindowMs(); }
        program.push_back(dProgram);
        bare.push_back(dBare);
        ratios.push_back(dBare > 0 ? dProgram / dBare : 0);
        std::printf("  pair %d: program %.1f ms, bare window %.1f ms, ratio %.2f\n", i + 1, dProgram, dBare, ratios.back());
    }
    std::printf("start-up %ls, %d pairs: program %.1f ms, bare window %.1f ms (medians); median ratio %.2f\n", pszWhat,
                iPairs, Median(program), Median(bare), Median(ratios));
    std::fflush(stdout);
}

// The enumerations the simulated hidapi logged: all of them before the window showed, and those
// of the UI thread.
void BeforeTheWindow(const std::wstring& strDevices) {
    const std::wstring strLog = Beside(L"startup_bench_enum.log");
    ::DeleteFileW(strLog.c_str());
    ::SetEnvironmentVariableW(L"SIMHID_ENUM_LOG", strLog.c_str());
    int iBefore = 0, iBeforeOnUi = 0, iThreads = 0;
    DWORD dwMain = 0;
    {
        Started p(Beside(L"OrvekDriver.exe"), strDevices);
        iThreads = p.ThreadsAtWindow();
        dwMain = p.MainThreadId();
        ::Sleep(3000);  // what follows the window is logged too, but not counted
    }
    ::SetEnvironmentVariableW(L"SIMHID_ENUM_LOG", nullptr);
    std::ifstream log(std::string(strLog.begin(), strLog.end()));
    std::string strLine;
    int iAll = 0;
    while (std::getline(log, strLine)) {
        std::istringstream fields(strLine);
        unsigned long long ullMs = 0;
        std::string strWhat;
        unsigned long ulThread = 0;
        int iShown = 0;
        fields >> ullMs >> strWhat >> ulThread >> iShown;
        ++iAll;
        if (iShown != 0) continue;
        ++iBefore;
        iBeforeOnUi += ulThread == dwMain;
    }
    ::DeleteFileW(strLog.c_str());
    std::printf("before the window shows (%ls): %d HID enumerations, %d of them on the UI thread; %d threads "
                "(%d enumerations within 3 s)\n",
                strDevices.empty() ? L"no mouse" : strDevices.c_str(), iBefore, iBeforeOnUi, iThreads, iAll);
    std::fflush(stdout);
}

void AtRest(const wchar_t* pszWhat, const std::wstring& strDevices, int iSeconds, bool bCpu) {
    Started p(Beside(L"OrvekDriver.exe"), strDevices);
    ::Sleep(5000);  // settled: the pages and devices have done what follows the start
    const std::wstring strHost = HostProcessOf(L"OrvekDriver.exe");
    const HostCounters before = ReadHostCounters(strHost);
    const double dWall0 = NowMs();
    if (bCpu) ::Sleep(static_cast<DWORD>(iSeconds) * 1000);
    const HostCounters after = ReadHostCounters(strHost);
    const double dWall = NowMs() - dWall0;
    std::printf("at rest (%ls): %d threads, %.1f MB resident", pszWhat, p.Threads(), ResidentMb(p.Process()));
    if (bCpu && before.bFound && after.bFound && dWall > 0)
        std::printf(", %.2f %% of one core and %.0f context switches a second over %d s",
                    100.0 * (after.dCpuMs - before.dCpuMs) / dWall,
                    1000.0 * static_cast<double>(after.llSwitches - before.llSwitches) / dWall, iSeconds);
    else if (bCpu)
        std::printf(", CPU not measured (the process's counters could not be read)");
    std::printf("\n");
    std::fflush(stdout);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
    const int iPairs = std::max(1, argc > 1 ? _wtoi(argv[1]) : 9);
    const int iSeconds = std::max(1, argc > 2 ? _wtoi(argv[2]) : 60);
    StartUp(L"with no mouse", L"", iPairs);
    StartUp(L"with a cabled MS_10", L"cable:FA79", iPairs);
    BeforeTheWindow(L"");
    BeforeTheWindow(L"cable:FA79,receiver:36,receiver4k:37,bluetooth:37");
    AtRest(L"no mouse", L"", 0, false);
    AtRest(L"two receivers", L"receiver:36,receiver4k:37", iSeconds, true);
    {
        Started bare(Beside(L"bare_window.exe"), L"");
        ::Sleep(2000);
        std::printf("bare window: %d threads, %.1f MB resident\n", bare.Threads(), ResidentMb(bare.Process()));
    }
    return 0;
}
