// The real program on the simulated mice of SIMHID_DEVICES, checked from outside through the
// SIMHID_LOG file: an MS_10 behind a 2.4 GHz receiver reports its battery, so its page wakes;
// an apply request then reaches it as the page's frames, each acknowledged at its first attempt.
#include "models/table/model_table.h"
#include "tests/kit/program_runner.h"
#include "core/util/folders.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace {

struct LoggedWrite {
    unsigned long long ullMs = 0;
    std::string strPath, strKind, strHex;
};

std::vector<LoggedWrite> ReadLog(const std::wstring& strPath) {
    std::vector<LoggedWrite> writes;
    // Shared for writing too: the program may be appending a line.
    std::string text;
    HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (hFile != INVALID_HANDLE_VALUE) {
        char buf[4096];
        DWORD dwRead = 0;
        while (ReadFile(hFile, buf, sizeof buf, &dwRead, nullptr) && dwRead > 0) text.append(buf, dwRead);
        CloseHandle(hFile);
    }
    std::istringstream file(text);
    std::string line;
    while (std::getline(file, line)) {
        std::istringstream fields(line);
        LoggedWrite w;
        fields >> w.ullMs >> w.strPath >> w.strKind;
        std::getline(fields, w.strHex);
        if (!w.strHex.empty() && w.strHex[0] == ' ') w.strHex.erase(0, 1);
        writes.push_back(w);
    }
    return writes;
}

bool WaitFor(const std::function<bool()>& pred, DWORD dwMs) {
    const ULONGLONG ullEnd = GetTickCount64() + dwMs;
    while (!pred()) {
        if (GetTickCount64() > ullEnd) return false;
        Sleep(50);
    }
    return true;
}

class ScopedEnvironment {
public:
    ScopedEnvironment(const wchar_t* pszName, const std::wstring& strValue) : m_pszName(pszName) {
        SetEnvironmentVariableW(pszName, strValue.c_str());
    }
    ~ScopedEnvironment() { SetEnvironmentVariableW(m_pszName, nullptr); }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
    const wchar_t* m_pszName;
};

TEST(Gen1Program, ASimulatedMouseBehindAReceiverTakesAnApplyAndTheLogShowsEachFrameOnce) {
    const std::wstring strLog = GetExeFolder() + L"gen1_program_writes.log";
    DeleteFileW(strLog.c_str());
    ScopedEnvironment devices(L"SIMHID_DEVICES", L"receiver:36");
    ScopedEnvironment log(L"SIMHID_LOG", strLog);
    testkit::Program program(L"-auto");
    ASSERT_TRUE(program.Started());
    const HWND hWnd = program.Window();
    ASSERT_NE(hWnd, nullptr);

    // The mouse's battery reports wake its page within moments; the apply request is what the
    // page's apply button posts. Asked again if the first came before the mouse was heard.
    const UINT uApply = PageMsgBase(10) + WM_PAGE_APPLY_OFFSET;
    Sleep(1500);
    PostMessageW(hWnd, uApply, 0, 0);
    if (!WaitFor([&] { return !ReadLog(strLog).empty(); }, 8000)) PostMessageW(hWnd, uApply, 0, 0);
    ASSERT_TRUE(WaitFor([&] { return ReadLog(strLog).size() >= 5; }, 20000));
    Sleep(1500);  // long enough for an unacknowledged frame to be sent again

    const std::vector<LoggedWrite> writes = ReadLog(strLog);
    ASSERT_EQ(writes.size(), 5u) << "each frame acknowledged at its first attempt";
    const char* kStarts[] = {"0C 0A 01 FE 01 FE", "04 38 01", "05 0F 01", "06 09 01", "08 3B 01"};
    for (size_t i = 0; i < writes.size(); ++i) {
        EXPECT_NE(writes[i].strPath.find("PID_FA60&MI_01&Col01"), std::string::npos) << "the receiver's command interface";
        EXPECT_EQ(writes[i].strKind, "feature");
        EXPECT_EQ(writes[i].strHex.rfind(kStarts[i], 0), 0u) << writes[i].strHex;
        if (i > 0) {
            EXPECT_GE(writes[i].ullMs, writes[i - 1].ullMs);
        }
    }
    EXPECT_EQ(writes[0].strHex, "0C 0A 01 FE 01 FE 00 00 00 00");
    DeleteFileW(strLog.c_str());
}

// The window shows before the program looks for any device: with a cabled MS_10 there, every
// enumeration the simulated hidapi logs ("<ms> enumerate <thread> <shown> <vendor> <product>")
// comes after the window is visible, and the first one lists everything.
TEST(Gen1Program, TheWindowShowsBeforeAnyDeviceIsLookedFor) {
    const std::wstring strLog = GetExeFolder() + L"gen1_program_enumerations.log";
    DeleteFileW(strLog.c_str());
    wchar_t szCable[32];
    wsprintfW(szCable, L"cable:%04X", FindModel(10)->wCablePid);
    ScopedEnvironment devices(L"SIMHID_DEVICES", szCable);
    ScopedEnvironment log(L"SIMHID_ENUM_LOG", strLog);
    testkit::Program program(L"");
    ASSERT_TRUE(program.Started());
    ASSERT_NE(program.Window(), nullptr);
    // The census, then MS_10's driver library looking for its mouse.
    ASSERT_TRUE(WaitFor([&] { return ReadLog(strLog).size() >= 2; }, 15000));

    const std::vector<LoggedWrite> lines = ReadLog(strLog);
    for (const LoggedWrite& line : lines) {
        // Read as "<ms> enumerate <thread>" with "<shown> <vendor> <product>" after them.
        EXPECT_EQ(line.strPath, "enumerate");
        EXPECT_EQ(line.strHex.rfind("1 ", 0), 0u) << "an enumeration before the window showed: " << line.strHex;
    }
    EXPECT_EQ(lines.front().strHex, "1 0000 0000") << "one look at every device first";
    DeleteFileW(strLog.c_str());
}

}  // namespace
