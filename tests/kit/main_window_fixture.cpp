#include "tests/kit/main_window_fixture.h"

namespace {

struct SkinSetup {
    SkinSetup() {
        DuiLib::CPaintManagerUI::SetInstance(GetModuleHandleW(nullptr));
        DuiLib::CPaintManagerUI::SetResourcePath((GetExeFolder() + L"res\\").c_str());
    }
};

}  // namespace

MainWindow::MainWindow(bool bVisible, TestPageMaker makePage, PageStart eStart) {
    static SkinSetup setup;
    PageFactoryTable factories;
    for (int n = 1; n <= kModelCount; ++n) {
        factories[static_cast<size_t>(n - 1)] = [this, n, makePage] {
            if (makePage)
                if (std::unique_ptr<CPageBase> pPage = makePage(n)) return pPage;
            auto pSpy = std::make_unique<CSpyPage>(n);
            m_spies[static_cast<size_t>(n - 1)] = pSpy.get();
            return std::unique_ptr<CPageBase>(std::move(pSpy));
        };
    }
    m_pWnd = std::make_unique<CMainWnd>(factories);
    m_pWnd->Create(nullptr, nullptr, WS_POPUP | WS_CLIPCHILDREN | (bVisible ? WS_VISIBLE : 0), 0, 0, 0, 800, 572);
    uikit::PumpUntil([this] { return m_pWnd->DevicesStarted(); }, 5000);
    if (eStart == PageStart::All)
        for (int n = 1; n <= kModelCount; ++n) m_pWnd->ActivatePage(n);
    uikit::PumpUntilIdle(500);
}

MainWindow::~MainWindow() {
    if (IsWindow(hwnd())) DestroyWindow(hwnd());
    m_pWnd.reset();
    // The window ends the program's loop when it goes; that quit is not meant for the tests.
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
}

int MainWindow::TakePosted(UINT uMsg) {
    int n = 0;
    MSG msg;
    while (PeekMessageW(&msg, hwnd(), uMsg, uMsg, PM_REMOVE)) ++n;
    return n;
}

void MainWindow::ClearCalls() {
    for (int n = 1; n <= kModelCount; ++n)
        if (m_spies[static_cast<size_t>(n - 1)] != nullptr) Page(n).m_calls.clear();
}

std::wstring FreshSettingsFile() {
    const std::wstring path = GetDataFolder() + L"CONFIG.ini";
    DeleteFileW(path.c_str());
    return path;
}
