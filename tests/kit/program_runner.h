// The real program started from a test as a user starts it (OrvekDriver.exe in the tests' run
// folder, which has the simulated hidapi.dll): its main window, its exit code, and an end to it
// when the test is done.
#pragma once

#include "core/util/folders.h"

#include <windows.h>

#include <string>

namespace testkit {

constexpr wchar_t kMainWindowClass[] = L"ORVEK Gaming Driver";

class Program {
public:
    // The program inherits this process's environment (a test sets SIMHID_DEVICES there first).
    explicit Program(const std::wstring& args) {
        std::wstring command = L"\"" + GetExeFolder() + L"OrvekDriver.exe\"";
        if (!args.empty()) command += L" " + args;
        STARTUPINFOW si = {sizeof si};
        m_bStarted = CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                                    GetExeFolder().c_str(), &si, &m_pi) != FALSE;
    }
    ~Program() {
        if (!m_bStarted) return;
        if (WaitForSingleObject(m_pi.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(m_pi.hProcess, 99);
        WaitForSingleObject(m_pi.hProcess, 5000);
        CloseHandle(m_pi.hThread);
        CloseHandle(m_pi.hProcess);
    }
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    bool Started() const { return m_bStarted; }
    // The program's main window, once it exists (waits up to the time given).
    HWND Window(DWORD timeoutMs = 15000) {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        do {
            for (HWND h = FindWindowW(kMainWindowClass, nullptr); h != nullptr;
                 h = FindWindowExW(nullptr, h, kMainWindowClass, nullptr)) {
                DWORD pid = 0;
                GetWindowThreadProcessId(h, &pid);
                if (pid == m_pi.dwProcessId) return h;
            }
            Sleep(20);
        } while (GetTickCount64() < end);
        return nullptr;
    }
    // The exit code once the program has ended; STILL_ACTIVE when it runs on past the wait.
    DWORD ExitCode(DWORD timeoutMs = 15000) {
        WaitForSingleObject(m_pi.hProcess, timeoutMs);
        DWORD code = STILL_ACTIVE;
        GetExitCodeProcess(m_pi.hProcess, &code);
        return code;
    }

private:
    PROCESS_INFORMATION m_pi = {};
    bool m_bStarted = false;
};

}  // namespace testkit
