#include "ui/manager/ui_thread.h"

#include <windows.h>

#include <atomic>
#include <memory>
#include <mutex>

#include "ui/base/dui_trace.h"
#include "ui/base/ui_defs.h"
#include "ui/manager/paint_manager.h"

namespace DuiLib {

namespace {

constexpr wchar_t kSinkClass[] = L"DuiUiThreadSink";

struct SinkState {
    std::mutex lock;
    HWND hWnd = nullptr;
    std::atomic<DWORD> dwThreadId{0};  // read without the lock on every control change
};

SinkState& State() {
    static SinkState s_state;
    return s_state;
}

void RunQueued(LPARAM lParam) {
    std::unique_ptr<std::function<void()>> pFn(reinterpret_cast<std::function<void()>*>(lParam));
    if (!pFn || !*pFn) return;
    try {
        (*pFn)();
    } catch (...) {
        DUITRACE(L"RunOnUiThread: work ended with an exception\r\n");
    }
}

LRESULT CALLBACK SinkProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DUI_RUNONUITHREAD) {
        RunQueued(lParam);
        return 0;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace

bool CUiThread::Attach() {
    SinkState& state = State();
    {
        std::lock_guard guard(state.lock);
        if (state.hWnd != nullptr) return true;
    }
    HINSTANCE hInstance = CPaintManagerUI::GetInstance();
    WNDCLASSEXW wc{sizeof(wc)};
    wc.lpfnWndProc = SinkProc;
    wc.hInstance = hInstance;
    wc.lpszClassName = kSinkClass;
    if (!::RegisterClassExW(&wc) && ::GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    HWND hWnd = ::CreateWindowExW(0, kSinkClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, hInstance, nullptr);
    if (hWnd == nullptr) return false;
    std::lock_guard guard(state.lock);
    state.hWnd = hWnd;
    state.dwThreadId = ::GetCurrentThreadId();
    return true;
}

void CUiThread::Detach() {
    SinkState& state = State();
    HWND hWnd = nullptr;
    {
        std::lock_guard guard(state.lock);
        hWnd = state.hWnd;
        state.hWnd = nullptr;
        state.dwThreadId = 0;
    }
    if (hWnd == nullptr) return;
    // Queued work is freed, not run: the windows it would touch are going away.
    MSG msg;
    while (::PeekMessageW(&msg, hWnd, WM_DUI_RUNONUITHREAD, WM_DUI_RUNONUITHREAD, PM_REMOVE)) {
        delete reinterpret_cast<std::function<void()>*>(msg.lParam);
    }
    ::DestroyWindow(hWnd);
}

bool CUiThread::IsUiThread() {
    const DWORD dwThreadId = State().dwThreadId.load(std::memory_order_relaxed);
    return dwThreadId != 0 && dwThreadId == ::GetCurrentThreadId();
}

bool CUiThread::IsOtherThread() {
    const DWORD dwThreadId = State().dwThreadId.load(std::memory_order_relaxed);
    return dwThreadId != 0 && dwThreadId != ::GetCurrentThreadId();
}

bool CUiThread::Post(std::function<void()> fn) {
    if (!fn) return false;
    SinkState& state = State();
    auto pFn = std::make_unique<std::function<void()>>(std::move(fn));
    std::lock_guard guard(state.lock);
    if (state.hWnd == nullptr) return false;
    if (!::PostMessageW(state.hWnd, WM_DUI_RUNONUITHREAD, 0, reinterpret_cast<LPARAM>(pFn.get()))) return false;
    pFn.release();  // the UI thread owns it now
    return true;
}

}  // namespace DuiLib
