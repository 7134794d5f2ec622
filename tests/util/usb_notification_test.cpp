#include "core/util/usb_notification.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <utility>

namespace {

// A real top-level window of its own class, as the main window is.
class TestWindow {
public:
    TestWindow() {
        WNDCLASSW wc = {};
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = L"UtilUsbNotificationTest";
        RegisterClassW(&wc);
        m_hWnd = CreateWindowExW(0, wc.lpszClassName, L"", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                                 wc.hInstance, nullptr);
    }
    ~TestWindow() { DestroyWindow(m_hWnd); }
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return m_hWnd; }

private:
    HWND m_hWnd = nullptr;
};

TEST(RegisterUsbNotification, GivesAHandleForARealWindow) {
    TestWindow window;
    ASSERT_NE(window.Get(), nullptr);
    DeviceNotification notification = RegisterUsbNotification(window.Get());
    EXPECT_TRUE(notification);
    EXPECT_NE(notification.Get(), nullptr);

    // The window keeps it; moving it hands over the one registration.
    DeviceNotification kept = std::move(notification);
    EXPECT_FALSE(notification);
    EXPECT_TRUE(kept);
    kept.Reset();
    EXPECT_FALSE(kept);
}

}  // namespace
