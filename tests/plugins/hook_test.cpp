// Hook.dll driven by synthetic input (SendInput), as Wine delivers it to low-level hooks.
#include "plugins/include/hook_api.h"
#include "tests/kit/hook_spy.h"
#include "tests/plugins/message_sink.h"

#include <gtest/gtest.h>

namespace {

class HookDll : public ::testing::Test {
protected:
    void SetUp() override {
        m_module = LoadLibraryW(L"Hook.dll");
        ASSERT_NE(m_module, nullptr);
        table = ResolveHookTable(m_module);
        ASSERT_TRUE(table.pfnInstallMouseHook && table.pfnRemoveMouseHook && table.pfnEnableMouseHook &&
                    table.pfnInstallHook && table.pfnRemoveHook && table.pfnEnableHook && table.pfnMouseWheelEnable);
    }
    void TearDown() override {
        table.pfnRemoveHook();
        table.pfnRemoveMouseHook();
        FreeLibrary(m_module);
    }

    static void Key(WORD vk, bool up) {
        INPUT in = {};
        in.type = INPUT_KEYBOARD;
        in.ki.wVk = vk;
        in.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
        SendInput(1, &in, sizeof in);
    }
    static void Mouse(DWORD flags, DWORD data = 0) {
        INPUT in = {};
        in.type = INPUT_MOUSE;
        in.mi.dwFlags = flags;
        in.mi.mouseData = data;
        SendInput(1, &in, sizeof in);
    }
    std::vector<PostedMessage> Hooked() {
        sink.PumpFor(150);
        std::vector<PostedMessage> result;
        for (const PostedMessage& m : sink.messages())
            if (m.message == WM_HOOKKEY) result.push_back(m);
        sink.clear();
        return result;
    }

    HookTable table;
    MessageSink sink;
    HMODULE m_module = nullptr;
};

TEST_F(HookDll, KeysArePostedOnlyWhileTheKeyboardHookIsEnabled) {
    ASSERT_TRUE(table.pfnInstallHook(sink.hwnd()));
    Key('A', false);
    Key('A', true);
    EXPECT_TRUE(Hooked().empty()) << "both hooks start switched off";

    table.pfnEnableHook(1);
    Key('A', false);
    Key('A', true);
    Key(VK_LCONTROL, false);
    Key(VK_LCONTROL, true);
    const auto keys = Hooked();
    ASSERT_EQ(keys.size(), 4u);
    EXPECT_EQ(keys[0].wParam, 0x41u);
    EXPECT_EQ(keys[0].lParam, 0);  // press
    EXPECT_EQ(keys[1].wParam, 0x41u);
    EXPECT_EQ(keys[1].lParam, 1);  // release
    EXPECT_EQ(keys[2].wParam, 0xA2u);  // left Ctrl, side-specific
    EXPECT_EQ(keys[3].lParam, 1);

    table.pfnEnableHook(0);
    Key('B', false);
    Key('B', true);
    EXPECT_TRUE(Hooked().empty());

    table.pfnEnableHook(1);
    table.pfnRemoveHook();
    Key('C', false);
    Key('C', true);
    EXPECT_TRUE(Hooked().empty()) << "removed hook reports nothing";
}

TEST_F(HookDll, MouseButtonsArePostedWithTheSideButtonCodes) {
    ASSERT_TRUE(table.pfnInstallHook(sink.hwnd()));
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Hooked().empty());

    table.pfnEnableMouseHook(1);
    table.pfnMouseWheelEnable(0);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    Mouse(MOUSEEVENTF_RIGHTDOWN);
    Mouse(MOUSEEVENTF_RIGHTUP);
    Mouse(MOUSEEVENTF_XDOWN, XBUTTON1);
    Mouse(MOUSEEVENTF_XUP, XBUTTON1);
    Mouse(MOUSEEVENTF_XDOWN, XBUTTON2);
    Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    const auto events = Hooked();
    ASSERT_EQ(events.size(), 7u) << "the wheel stays out";
    const std::pair<WPARAM, LPARAM> expected[] = {
        {WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}, {WM_RBUTTONDOWN, 0}, {WM_RBUTTONUP, 0},
        {WM_XBUTTONDOWN, 2}, {WM_XBUTTONUP, 2}, {WM_XBUTTONDOWN, 1},
    };
    for (size_t i = 0; i < 7; ++i) {
        EXPECT_EQ(events[i].wParam, expected[i].first) << i;
        EXPECT_EQ(events[i].lParam, expected[i].second) << i;
    }

    table.pfnMouseWheelEnable(1);
    Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    const auto wheel = Hooked();
    ASSERT_EQ(wheel.size(), 1u);
    EXPECT_EQ(wheel[0].wParam, static_cast<WPARAM>(WM_MOUSEWHEEL));
    EXPECT_EQ(wheel[0].lParam, -WHEEL_DELTA);

    table.pfnRemoveMouseHook();
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_TRUE(Hooked().empty());
}

TEST_F(HookDll, InstallingAgainRetargetsAndSwitchesBothHooksOff) {
    MessageSink other;
    ASSERT_TRUE(table.pfnInstallHook(sink.hwnd()));
    table.pfnEnableHook(1);
    ASSERT_TRUE(table.pfnInstallHook(other.hwnd()));
    Key('D', false);
    Key('D', true);
    EXPECT_TRUE(Hooked().empty());
    table.pfnEnableHook(1);
    Key('D', false);
    Key('D', true);
    other.PumpFor(150);
    EXPECT_TRUE(Hooked().empty()) << "the first window hears nothing any more";
    EXPECT_EQ(other.Count(WM_HOOKKEY), 2u);
}

TEST_F(HookDll, TheSystemWideMouseHookExistsOnlyWhileMouseReportingIsOn) {
    kit::HookSpy hooks(m_module);
    ASSERT_TRUE(hooks.Watching());
    ASSERT_TRUE(table.pfnInstallHook(sink.hwnd()));
    EXPECT_EQ(hooks.Live(WH_KEYBOARD_LL), 1);
    EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 0) << "installing names the window and hooks the keyboard only";

    table.pfnEnableMouseHook(1);
    EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 1);
    table.pfnEnableMouseHook(1);
    EXPECT_EQ(hooks.EverSet(WH_MOUSE_LL), 1) << "switching on twice hooks once";
    table.pfnEnableMouseHook(0);
    EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 0);

    table.pfnEnableMouseHook(1);
    table.pfnRemoveMouseHook();
    EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 0);
    table.pfnEnableMouseHook(1);
    table.pfnInstallMouseHook(sink.hwnd());
    EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 0) << "a new target starts with mouse reporting off";
    table.pfnRemoveHook();
    EXPECT_EQ(hooks.Live(WH_KEYBOARD_LL), 0);
}

}  // namespace
