// How the program ends: the tray's "Exit", the window's end and the end of the Windows session
// run the same shut-down steps once; a storage problem is told once per run.
#include "core/app/main_wnd.h"

#include "core/dialogs/msg_wnd.h"

#include <vector>

namespace {

// The workers are all told to stop first; then this long, in all, is given to them to end. A
// worker held inside a device call that does not return is left behind.
constexpr DWORD kWorkerStopBudgetMs = 1000;
// An exit closes dialogs that may open others ("save first?"): it gives up waiting after this many.
constexpr int kMaxExitTries = 20;

constexpr const wchar_t* kStorageProblemText[] = {L"save_failed_text", L"load_failed_text"};

// The window a dialog is owned by, followed up to the top: true when hOwner is among them.
bool OwnedBy(HWND hWnd, HWND hOwner) {
    for (HWND h = ::GetWindow(hWnd, GW_OWNER); h != nullptr; h = ::GetWindow(h, GW_OWNER))
        if (h == hOwner) return true;
    return false;
}

}  // namespace

void CMainWnd::ShutdownBackgroundWork() {
    if (m_bShuttingDown) return;
    m_bShuttingDown = true;
    if (m_hWnd != nullptr) {
        ::KillTimer(m_hWnd, TIMER_WIRELESS_ARRIVAL);
        ::KillTimer(m_hWnd, TIMER_WIRELESS4K_ARRIVAL);
        ::KillTimer(m_hWnd, TIMER_START_DEVICES);
    }
    m_Receivers.Shutdown();
    for (int n = 1; n <= kModelCount; ++n) Page(n)->RequestStop();
    const ULONGLONG ullDeadline = ::GetTickCount64() + kWorkerStopBudgetMs;
    for (int n = 1; n <= kModelCount; ++n) {
        const ULONGLONG ullNow = ::GetTickCount64();
        Page(n)->Shutdown(ullNow < ullDeadline ? static_cast<DWORD>(ullDeadline - ullNow) : 0);
    }
}

bool CMainWnd::CloseOpenDialogs() {
    // A modal dialog disables the window that owns it: the one still enabled is the innermost.
    struct Search {
        HWND hMain;
        std::vector<HWND> open;
    } search{m_hWnd, {}};
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            auto* pSearch = reinterpret_cast<Search*>(lParam);
            if (::IsWindowVisible(hWnd) && ::IsWindowEnabled(hWnd) && OwnedBy(hWnd, pSearch->hMain))
                pSearch->open.push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    for (HWND hDialog : search.open) ::PostMessageW(hDialog, WM_CLOSE, 0, 0);
    return !search.open.empty();
}

void CMainWnd::RequestExit() {
    if (m_hWnd == nullptr) return;
    // A dialog over the window: it closes as if cancelled, the handler that opened it finishes,
    // and the exit comes back once the window is its own again.
    if (!::IsWindowEnabled(m_hWnd) && m_iExitTries < kMaxExitTries) {
        ++m_iExitTries;
        CloseOpenDialogs();
        ::PostMessageW(m_hWnd, WM_EXITREQUEST, 0, 0);
        return;
    }
    ShutdownBackgroundWork();
    // The final saves are made: one that failed is told before the window goes.
    ShowStorageAlerts();
    ::DestroyWindow(m_hWnd);
}

LRESULT CMainWnd::OnClose(UINT, WPARAM, LPARAM, BOOL& bHandled) {
    bHandled = TRUE;
    m_iExitTries = 0;
    RequestExit();
    return 0;
}

void CMainWnd::EndSession() {
    // Windows may end the process as soon as this returns: nothing waits for a person here.
    ShutdownBackgroundWork();
}

void CMainWnd::OnStorageProblem(StorageProblem eProblem) {
    const size_t i = static_cast<size_t>(eProblem);
    if (i >= m_bStorageProblem.size() || m_bStorageProblem[i].exchange(true)) return;
    if (m_hWnd != nullptr) ::PostMessageW(m_hWnd, WM_STORAGEALERT, 0, 0);
}

void CMainWnd::ShowStorageAlerts() {
    for (size_t i = 0; i < m_bStorageProblem.size(); ++i) {
        if (!m_bStorageProblem[i] || m_bStorageProblemShown[i]) continue;
        m_bStorageProblemShown[i] = true;
        RunMsgWnd(m_hWnd, kStorageProblemText[i]);
    }
}
