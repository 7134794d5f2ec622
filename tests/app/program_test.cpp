// The real program, started as a user starts it: one instance only, hidden with a command line,
// hidden by its exit button, ended by a close request, its settings kept on disk.
#include "tests/kit/program_runner.h"
#include "core/util/folders.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <functional>
#include <thread>
#include <string>

namespace {

using testkit::Program;
constexpr const wchar_t* kMainClass = testkit::kMainWindowClass;

bool WaitFor(const std::function<bool()>& pred, DWORD timeoutMs = 5000) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!pred()) {
        if (GetTickCount64() > end) return false;
        Sleep(20);
    }
    return true;
}

// A click as the window gets it from a person: pointer move, button down and up (client
// coordinates, which are window coordinates in this frameless window).
void ClickAt(HWND hwnd, int x, int y) {
    const LPARAM pt = MAKELPARAM(x, y);
    PostMessageW(hwnd, WM_MOUSEMOVE, 0, pt);
    PostMessageW(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, pt);
    PostMessageW(hwnd, WM_LBUTTONUP, 0, pt);
}

class ProgramTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteFileW((GetDataFolder() + L"CONFIG.ini").c_str()); }
};

TEST_F(ProgramTest, ASecondStartShowsTheFirstWindowAndEndsWithOne) {
    Program first(L"-auto");
    ASSERT_TRUE(first.Started());
    HWND hwnd = first.Window();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(WaitFor([&] { return !IsWindowVisible(hwnd); })) << "a command line starts it hidden";

    Program second(L"");
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.ExitCode(), 1u);
    EXPECT_TRUE(WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }));
    EXPECT_EQ(first.ExitCode(0), static_cast<DWORD>(STILL_ACTIVE));
}

TEST_F(ProgramTest, ASecondStartDoesNotHangOnAFirstInstanceThatHangs) {
    // A first instance whose window thread no longer answers.
    HANDLE hMutex = CreateMutexW(nullptr, FALSE, kMainClass);
    ASSERT_NE(GetLastError(), static_cast<DWORD>(ERROR_ALREADY_EXISTS));
    HANDLE hRelease = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    HANDLE hCreated = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    std::thread hung([&] {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kMainClass;
        RegisterClassW(&wc);
        HWND hwnd = CreateWindowExW(0, kMainClass, L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, wc.hInstance, nullptr);
        SetEvent(hCreated);
        WaitForSingleObject(hRelease, 60000);  // hung: no message is taken meanwhile
        DestroyWindow(hwnd);
        UnregisterClassW(kMainClass, wc.hInstance);
    });
    ASSERT_EQ(WaitForSingleObject(hCreated, 5000), WAIT_OBJECT_0);

    Program second(L"");
    ASSERT_TRUE(second.Started());
    EXPECT_EQ(second.ExitCode(), 1u) << "it gives up on the first instance and ends";
    SetEvent(hRelease);
    hung.join();
    CloseHandle(hRelease);
    CloseHandle(hCreated);
    CloseHandle(hMutex);
}

TEST_F(ProgramTest, ExitButtonHidesAndACloseRequestEndsWithZeroKeepingTheSettings) {
    Program program(L"");
    HWND hwnd = program.Window();
    ASSERT_NE(hwnd, nullptr);
    ASSERT_TRUE(WaitFor([&] { return IsWindowVisible(hwnd) != FALSE; }));
    RECT rc;
    GetWindowRect(hwnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 800);
    EXPECT_EQ(rc.bottom - rc.top, 572);

    // A person clicks what the window has painted.
    RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ClickAt(hwnd, 800 - 12 - 16, 12 + 14);  // the exit button, at the right end of the title bar
    EXPECT_TRUE(WaitFor([&] { return !IsWindowVisible(hwnd); }));
    EXPECT_EQ(program.ExitCode(200), static_cast<DWORD>(STILL_ACTIVE)) << "it keeps running in the tray";

    PostMessageW(hwnd, WM_CLOSE, 0, 0);  // the system menu's close, or Alt+F4
    EXPECT_EQ(program.ExitCode(), 0u);
    const std::wstring config = GetDataFolder() + L"CONFIG.ini";
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"lanId", -1, config.c_str()), 2);
}

TEST_F(ProgramTest, TheTrayMenusExitEndsTheProgramWithZero) {
    Program program(L"-auto");
    HWND hwnd = program.Window();
    ASSERT_NE(hwnd, nullptr);
    PostMessageW(hwnd, 0x401, 0, WM_RBUTTONUP);  // right click on the tray icon
    HWND menu = nullptr;
    ASSERT_TRUE(WaitFor([&] {
        menu = FindWindowW(L"DuiMenuWnd", nullptr);
        return menu != nullptr && IsWindowVisible(menu);
    }));
    RedrawWindow(menu, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ClickAt(menu, 85, 4 + 30 + 15);  // the second item, "exit"
    EXPECT_EQ(program.ExitCode(), 0u);
}

}  // namespace
