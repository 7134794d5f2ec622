// Start with Windows: the value "ORVEK Gaming Driver" under the local machine's Run key holds
// the quoted program path followed by " -auto". Needs administrator rights, which the program
// requests.
#pragma once

#include <windows.h>

#include <string>

class CAutostart {
public:
    // `exePath`: the program file; `runKey`: the Run key under HKEY_LOCAL_MACHINE.
    explicit CAutostart(std::wstring exePath,
                        std::wstring runKey = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Run");

    // The text the value holds: "\"<path>\" -auto".
    std::wstring CommandLine() const;
    // The value is there and names this program, quoted or not, in any letter case. A value
    // that is not a terminated REG_SZ counts as absent.
    bool IsRegistered() const;
    // Writes the value; false when the key cannot be opened or the write fails.
    bool Register() const;
    // Deletes the value; a missing value or key is not an error.
    void Unregister() const;

private:
    std::wstring m_exePath;
    std::wstring m_runKey;
};

// The name of the Run value, the mutex and the main window class.
inline constexpr wchar_t kProgramName[] = L"ORVEK Gaming Driver";
