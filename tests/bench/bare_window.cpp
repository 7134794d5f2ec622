// The yardstick of the start-up benchmark: the least a Windows program does to show a window
// (register a class, create an 800 x 572 window, show it, run the message loop).
#include <windows.h>

namespace {

LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (uMsg == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE, LPWSTR, int) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = hInstance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"BareWindow";
    ::RegisterClassW(&wc);
    HWND hWnd = ::CreateWindowExW(0, L"BareWindow", L"Bare Window", WS_POPUP, CW_USEDEFAULT, CW_USEDEFAULT, 800, 572,
                                  nullptr, nullptr, hInstance, nullptr);
    ::ShowWindow(hWnd, SW_SHOW);
    ::UpdateWindow(hWnd);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
