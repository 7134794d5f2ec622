// Program entry: one instance only, COM and OLE, the skin library, the main window, the message
// loop, and the shut-down in a fixed order.
#include "core/app/autostart.h"
#include "core/app/main_wnd.h"

#include <objbase.h>
#include <ole2.h>

#include <cstring>
#include <memory>

using namespace DuiLib;

namespace {

void InitResources() {
    CPaintManagerUI::SetResourceType(1);  // plain files under res\, nothing embedded
    CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"res\\").GetData());
    CResourceManager::GetInstance()->LoadResource(L"main.xml", nullptr);
}

}  // namespace

int WINAPI WinMain(HINSTANCE hInstance, HINSTANCE, LPSTR lpCmdLine, int) {
    // The mutex stays open until the process ends.
    HANDLE hMutex = CreateMutexW(nullptr, FALSE, kProgramName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        // The running instance shows itself before this one ends; a first instance that hangs
        // cannot hold this one up.
        const HWND hFirst = FindWindowW(kProgramName, nullptr);
        DWORD dwFirstProcess = 0;
        if (hFirst != nullptr && GetWindowThreadProcessId(hFirst, &dwFirstProcess) != 0)
            AllowSetForegroundWindow(dwFirstProcess);
        SendMessageTimeoutW(hFirst, WM_SHOWINSTANCE, 0, 0, SMTO_ABORTIFHUNG | SMTO_ERRORONEXIT, 2000, nullptr);
        CloseHandle(hMutex);
        return 1;
    }

    const size_t uLength = lpCmdLine != nullptr ? std::strlen(lpCmdLine) : 0;
    wchar_t szTrace[32];
    wsprintfW(szTrace, L"ilen = %d\r\n", static_cast<int>(uLength));
    OutputDebugStringW(szTrace);

    if (FAILED(CoInitialize(nullptr))) return 0;
    OleInitialize(nullptr);
    CPaintManagerUI::SetInstance(hInstance);
    InitResources();

    auto pMainWnd = std::make_unique<CMainWnd>();
    pMainWnd->Create(nullptr, nullptr, 0x96CA0000, 0, 0, 0, 800, 572);
    pMainWnd->CenterWindow();
    if (uLength != 0) pMainWnd->ShowWindow(false, true);  // started by autostart: tray only
    CPaintManagerUI::MessageLoop();
    pMainWnd.reset();

    CPaintManagerUI::Term();
    OleUninitialize();
    CoUninitialize();
    return 0;
}
