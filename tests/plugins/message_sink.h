// A message-only window that records what other threads post to it, for plugin tests.
#pragma once

#include <windows.h>

#include <vector>

struct PostedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

class MessageSink {
public:
    MessageSink() {
        static const wchar_t kClass[] = L"PluginTestSink";
        WNDCLASSW wc = {};
        wc.lpfnWndProc = &MessageSink::Proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
        m_hwnd = CreateWindowExW(0, kClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, this);
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    ~MessageSink() { DestroyWindow(m_hwnd); }
    MessageSink(const MessageSink&) = delete;
    MessageSink& operator=(const MessageSink&) = delete;

    HWND hwnd() const { return m_hwnd; }
    const std::vector<PostedMessage>& messages() const { return m_messages; }
    void clear() { m_messages.clear(); }

    // Pumps this thread's messages until `done` holds or the time is up.
    template <typename Pred>
    bool PumpUntil(Pred done, DWORD timeoutMs = 5000) {
        const ULONGLONG end = GetTickCount64() + timeoutMs;
        while (!done()) {
            if (GetTickCount64() > end) return false;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
            MSG msg;
            while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                TranslateMessage(&msg);
                DispatchMessageW(&msg);
            }
        }
        return true;
    }
    void PumpFor(DWORD ms) {
        const ULONGLONG end = GetTickCount64() + ms;
        PumpUntil([&] { return GetTickCount64() > end; }, ms + 1000);
    }
    size_t Count(UINT message) const {
        size_t n = 0;
        for (const PostedMessage& m : m_messages) n += m.message == message;
        return n;
    }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<MessageSink*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (self != nullptr && msg >= WM_USER && msg < 0x8000) {
            self->m_messages.push_back({msg, wParam, lParam});
            return 0;
        }
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    }

    HWND m_hwnd = nullptr;
    std::vector<PostedMessage> m_messages;
};
