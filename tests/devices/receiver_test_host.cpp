#include "tests/devices/receiver_test_host.h"

namespace {
constexpr UINT kRunWork = WM_APP + 0x100;
}

ReceiverTestHost::ReceiverTestHost() {
    WNDCLASSW wc = {};
    wc.lpfnWndProc = &ReceiverTestHost::Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ReceiverTestHost";
    RegisterClassW(&wc);
    m_hwnd = CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
}

ReceiverTestHost::~ReceiverTestHost() {
    // Drop work still queued.
    MSG msg;
    while (PeekMessageW(&msg, m_hwnd, kRunWork, kRunWork, PM_REMOVE))
        delete reinterpret_cast<std::function<void()>*>(msg.lParam);
    DestroyWindow(m_hwnd);
}

LRESULT CALLBACK ReceiverTestHost::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == kRunWork) {
        std::unique_ptr<std::function<void()>> work(reinterpret_cast<std::function<void()>*>(lParam));
        (*work)();
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

void ReceiverTestHost::PostToUiThread(std::function<void()> work) {
    auto* p = new std::function<void()>(std::move(work));
    if (!PostMessageW(m_hwnd, kRunWork, 0, reinterpret_cast<LPARAM>(p))) delete p;
}

void ReceiverTestHost::AssignReceiver(ReceiverKind kind, int iModel, const HidDevicePtr& hDevice,
                                      const HidDevicePtr& hOSDDevice) {
    assigned.push_back({kind, iModel, hDevice, hOSDDevice});
}

void ReceiverTestHost::DispatchReport(ReceiverKind kind, int iModel, const uint8_t* pReport) {
    dispatched.push_back({kind, iModel, std::vector<uint8_t>(pReport, pReport + 5)});
}

void ReceiverTestHost::ReceiverRemoved(ReceiverKind kind, int iModel) { removed.emplace_back(kind, iModel); }

void ReceiverTestHost::RecordAcknowledgement(ReceiverKind kind, int iModel, int iWord, int iValue) {
    std::lock_guard<std::mutex> guard(m_ackLock);
    m_acks.push_back({kind, iModel, iWord, iValue, GetCurrentThreadId()});
}

std::vector<AckCall> ReceiverTestHost::Acks() {
    std::lock_guard<std::mutex> guard(m_ackLock);
    return m_acks;
}

bool ReceiverTestHost::PumpUntil(const std::function<bool()>& done, DWORD timeoutMs) {
    const ULONGLONG end = GetTickCount64() + timeoutMs;
    while (!done()) {
        if (GetTickCount64() > end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
    }
    return true;
}

void ReceiverTestHost::PumpFor(DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    PumpUntil([&] { return GetTickCount64() > end; }, ms + 1000);
}
