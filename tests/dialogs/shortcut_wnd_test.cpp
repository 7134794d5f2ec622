// The shortcut dialog driven as a person uses it: click the key field, type a combination (the
// hook's messages arrive in the order a person types), tick modifiers, answer the dialog. The
// hook entry points are a spy table, the real Hook.dll, or missing altogether.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/util/fake_layout.h"
#include "tests/dialogs/dialog_test_support.h"
#include "core/dialogs/shortcut_wnd.h"
#include "tests/kit/hook_dll.h"
#include "tests/kit/hook_spy.h"

using namespace DuiLib;
using dlgtest::Text;

namespace {

// Hook.dll stand-in: records each call in order.
std::vector<std::wstring> g_hookCalls;
HWND g_hWndHookTarget = nullptr;

BOOL SpyInstallHook(HWND hWnd) {
    g_hWndHookTarget = hWnd;
    g_hookCalls.emplace_back(L"install");
    return TRUE;
}
BOOL SpyRemoveHook() {
    g_hookCalls.emplace_back(L"remove");
    return TRUE;
}
BOOL SpyEnableHook(int bEnable) {
    g_hookCalls.emplace_back(bEnable ? L"enable 1" : L"enable 0");
    return TRUE;
}

const HookTable kSpyHooks{nullptr, nullptr, nullptr, &SpyInstallHook, &SpyRemoveHook, &SpyEnableHook, nullptr};

// One hook message: a virtual key (or mouse message) with 0 for a press, 1 for a release.
struct HookKey {
    WPARAM wParam;
    LPARAM lParam;
};
constexpr LPARAM kDown = 0;
constexpr LPARAM kUp = 1;

struct Shortcut {
    BYTE byModifiers = 0;
    BYTE byUsage = 0;
};

class ShortcutWndTest : public dlgtest::DialogTest {
protected:
    void SetUp() override {
        dlgtest::DialogTest::SetUp();
        g_hookCalls.clear();
        g_hWndHookTarget = nullptr;
    }

    // Runs the dialog as a page does with the button's shortcut; the action answers it.
    // Returns RunShortcutWnd's result; the shortcut is updated in place.
    bool Run(Shortcut& shortcut, const HookTable* pHooks, const std::function<void(HWND)>& action) {
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) { action(wnd.GetHWND()); });
        const bool bOk = RunShortcutWnd(m_owner, pHooks, shortcut.byModifiers, shortcut.byUsage);
        EXPECT_EQ(modal.GetCount(), 1);
        return bOk;
    }

    // The hook reports keys by posting them to the window it was installed for.
    static void Type(HWND hWnd, std::initializer_list<HookKey> keys) {
        for (const HookKey& key : keys) ::PostMessageW(hWnd, WM_HOOKKEY, key.wParam, key.lParam);
        uikit::PumpUntilIdle();
    }
    static std::wstring KeyFieldText(HWND hWnd) { return uikit::FindControl(hWnd, L"edit_key")->GetText().str(); }
    static bool Checked(HWND hWnd, int i) {
        CDuiString sName;
        sName.Format(L"check_flag_%d", i);
        return static_cast<CCheckBoxUI*>(uikit::FindControl(hWnd, sName))->GetCheck();
    }
};

TEST_F(ShortcutWndTest, CtrlCIsCapturedAsCtrlPlusC) {
    Shortcut shortcut;
    std::wstring sShown;
    bool bCtrlTicked = false;
    EXPECT_TRUE(Run(shortcut, &kSpyHooks, [&](HWND hWnd) {
        ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
        ASSERT_EQ(g_hWndHookTarget, hWnd) << "the hook reports to the dialog";
        Type(hWnd, {{VK_LCONTROL, kDown}, {'C', kDown}, {'C', kUp}, {VK_LCONTROL, kUp}});
        sShown = KeyFieldText(hWnd);
        bCtrlTicked = Checked(hWnd, 1);
        uikit::Click(hWnd, L"btn_ok");
    }));
    EXPECT_EQ(sShown, L"C");
    EXPECT_TRUE(bCtrlTicked);
    EXPECT_EQ(shortcut.byModifiers, kModifierCtrl);
    EXPECT_EQ(shortcut.byUsage, 0x06);
}

TEST_F(ShortcutWndTest, WhatATypedSequenceLeaves) {
    struct Case {
        const char* what;
        Shortcut start;
        std::vector<HookKey> keys;
        Shortcut expected;
        std::wstring sShown;  // "" with a text id in sShownId instead
        const wchar_t* pszShownId;
    } cases[] = {
        {"Ctrl alone is the key", {}, {{VK_LCONTROL, kDown}, {VK_LCONTROL, kUp}}, {0, 0xE0}, L"", L"key_LCtrl"},
        {"right Win alone", {}, {{VK_RWIN, kDown}, {VK_RWIN, kUp}}, {0, 0xE7}, L"", L"key_RWin"},
        {"a release alone leaves the key", {0, 0x04}, {{'B', kUp}}, {0, 0x04}, L"A", nullptr},
        {"the last key pressed wins", {}, {{'A', kDown}, {'A', kUp}, {'B', kDown}, {'B', kUp}}, {0, 0x05}, L"B", nullptr},
        {"keys overlapping", {}, {{'A', kDown}, {'B', kDown}, {'A', kUp}, {'B', kUp}}, {0, 0x05}, L"B", nullptr},
        {"Shift+Alt+F5", {}, {{VK_LSHIFT, kDown}, {VK_LMENU, kDown}, {VK_F5, kDown}, {VK_F5, kUp}, {VK_LMENU, kUp},
                              {VK_LSHIFT, kUp}}, {kModifierShift | kModifierAlt, 0x3E}, L"", L"key_F5"},
        {"a modifier released before the key is not held",
         {}, {{VK_RCONTROL, kDown}, {VK_RCONTROL, kUp}, {VK_HOME, kDown}, {VK_HOME, kUp}}, {0, 0x4A}, L"", L"key_Home"},
        {"ticked boxes stay ticked", {kModifierWin, 0}, {{VK_LSHIFT, kDown}, {'1', kDown}, {'1', kUp}, {VK_LSHIFT, kUp}},
         {kModifierWin | kModifierShift, 0x1E}, L"1", nullptr},
        {"mouse buttons leave the key", {0, 0x2C},
         {{WM_LBUTTONDOWN, 0}, {WM_LBUTTONUP, 0}, {WM_XBUTTONDOWN, 2}, {WM_XBUTTONUP, 2}, {VK_XBUTTON1, kDown}},
         {0, 0x2C}, L"", L"key_Space"},
        {"a key without a row clears it", {0, 0x04}, {{VK_VOLUME_UP, kDown}, {VK_VOLUME_UP, kUp}}, {0, 0}, L"", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Shortcut shortcut = c.start;
        std::wstring sShown;
        EXPECT_TRUE(Run(shortcut, &kSpyHooks, [&](HWND hWnd) {
            ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
            for (const HookKey& key : c.keys) ::PostMessageW(hWnd, WM_HOOKKEY, key.wParam, key.lParam);
            uikit::PumpUntilIdle();
            sShown = KeyFieldText(hWnd);
            uikit::Click(hWnd, L"btn_ok");
        }));
        EXPECT_EQ(shortcut.byModifiers, c.expected.byModifiers);
        EXPECT_EQ(shortcut.byUsage, c.expected.byUsage);
        EXPECT_EQ(sShown, c.pszShownId ? Text(c.pszShownId) : c.sShown);
    }
}

TEST_F(ShortcutWndTest, CapturesOnlyWhileTheKeyFieldHasTheFocus) {
    Shortcut shortcut{0, 0x04};
    EXPECT_TRUE(Run(shortcut, &kSpyHooks, [&](HWND hWnd) {
        Type(hWnd, {{'Q', kDown}});  // not captured yet: nothing installed the hook
        EXPECT_TRUE(g_hookCalls.empty());
        ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
        EXPECT_EQ(g_hookCalls, (std::vector<std::wstring>{L"install", L"enable 1"}));
        Type(hWnd, {{'Z', kDown}, {'Z', kUp}});
        ASSERT_TRUE(uikit::Click(hWnd, L"check_flag_2"));  // the focus leaves the field
        EXPECT_EQ(g_hookCalls, (std::vector<std::wstring>{L"install", L"enable 1", L"remove", L"enable 0"}));
        Type(hWnd, {{'X', kDown}, {'X', kUp}});  // queued before the hook stopped
        EXPECT_EQ(KeyFieldText(hWnd), L"Z");
        uikit::Click(hWnd, L"btn_ok");
    }));
    EXPECT_EQ(shortcut.byUsage, 0x1D);
    EXPECT_EQ(shortcut.byModifiers, kModifierShift);
    EXPECT_EQ(g_hookCalls.size(), 4u) << "closing after the capture ended calls nothing more";
}

TEST_F(ShortcutWndTest, OnlyOkStoresTheShortcut) {
    for (const dlgtest::WayToClose& way : dlgtest::WaysToClose(L"btn_ok", {L"btn_cancel", L"btn_exit"})) {
        SCOPED_TRACE(way.sWhat);
        Shortcut shortcut{kModifierAlt, 0x3A};
        const bool bOk = Run(shortcut, &kSpyHooks, [&](HWND hWnd) {
            uikit::Click(hWnd, L"check_flag_1");
            uikit::Click(hWnd, L"check_flag_3");
            ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
            Type(hWnd, {{'K', kDown}, {'K', kUp}});
            way.close(hWnd);
        });
        EXPECT_EQ(bOk, way.bOk);
        EXPECT_EQ(shortcut.byModifiers, way.bOk ? kModifierCtrl : kModifierAlt);
        EXPECT_EQ(shortcut.byUsage, way.bOk ? 0x0E : 0x3A);
        // However it closed, the hook it installed is gone.
        ASSERT_FALSE(g_hookCalls.empty());
        EXPECT_EQ(std::count(g_hookCalls.begin(), g_hookCalls.end(), L"install"),
                  std::count(g_hookCalls.begin(), g_hookCalls.end(), L"remove"));
        EXPECT_EQ(g_hookCalls.back(), L"enable 0");
        g_hookCalls.clear();
    }
}

TEST_F(ShortcutWndTest, ShowsTheButtonsShortcutAndTakesTheTicks) {
    Shortcut shortcut{kModifierShift | kModifierWin, 0x28};
    bool bTicked[5] = {};
    std::wstring sShown;
    EXPECT_TRUE(Run(shortcut, &kSpyHooks, [&](HWND hWnd) {
        for (int i = 1; i <= 4; ++i) bTicked[i] = Checked(hWnd, i);
        sShown = KeyFieldText(hWnd);
        uikit::Click(hWnd, L"check_flag_1");  // on
        uikit::Click(hWnd, L"check_flag_2");  // off
        uikit::Click(hWnd, L"btn_ok");
    }));
    EXPECT_FALSE(bTicked[1]);
    EXPECT_TRUE(bTicked[2]);
    EXPECT_FALSE(bTicked[3]);
    EXPECT_TRUE(bTicked[4]);
    EXPECT_EQ(sShown, Text(L"key_Enter"));
    EXPECT_EQ(shortcut.byModifiers, kModifierCtrl | kModifierWin);
    EXPECT_EQ(shortcut.byUsage, 0x28);
}

TEST_F(ShortcutWndTest, WorksWithoutHookDll) {
    const HookTable noHooks{};
    for (const HookTable* pHooks : {&noHooks, static_cast<const HookTable*>(nullptr)}) {
        Shortcut shortcut{0, 0x04};
        EXPECT_TRUE(Run(shortcut, pHooks, [&](HWND hWnd) {
            ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
            uikit::Click(hWnd, L"check_flag_4");
            uikit::Click(hWnd, L"edit_key");
            uikit::Click(hWnd, L"btn_ok");
        }));
        EXPECT_EQ(shortcut.byModifiers, kModifierWin);
        EXPECT_EQ(shortcut.byUsage, 0x04);
    }
}

TEST_F(ShortcutWndTest, StoresThePositionOfTheKeyOnAnAzertyKeyboard) {
    fake::ScopedServices azerty(&fake::AzertyMapVirtualKey, &fake::AzertyToUnicode);
    Shortcut shortcut;
    std::wstring sShown;
    EXPECT_TRUE(Run(shortcut, &kSpyHooks, [&](HWND hWnd) {
        ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
        Type(hWnd, {{'A', kDown}, {'A', kUp}});  // the key labelled A, where US keyboards have Q
        sShown = KeyFieldText(hWnd);
        uikit::Click(hWnd, L"btn_ok");
    }));
    EXPECT_EQ(shortcut.byUsage, 0x14);
    EXPECT_EQ(sShown, L"A");
}

// The real Hook.dll with keys made by SendInput: the path a person's keyboard takes.
class ShortcutWithHookDllTest : public ShortcutWndTest {
protected:
    void SetUp() override {
        ShortcutWndTest::SetUp();
        ASSERT_TRUE(m_hookDll.IsLoaded());
    }
    static void SendKey(WORD wVirtualKey, bool bDown) { kit::SendKey(wVirtualKey, bDown); }

    kit::HookDll m_hookDll;
    const HookTable& m_hooks = m_hookDll.Table();
};

TEST_F(ShortcutWithHookDllTest, TypingCtrlCCapturesCtrlPlusC) {
    Shortcut shortcut;
    std::wstring sShown;
    EXPECT_TRUE(Run(shortcut, &m_hooks, [&](HWND hWnd) {
        ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
        SendKey(VK_LCONTROL, true);
        SendKey('C', true);
        SendKey('C', false);
        SendKey(VK_LCONTROL, false);
        uikit::PumpUntil([&] { return KeyFieldText(hWnd) == L"C" && Checked(hWnd, 1); });
        sShown = KeyFieldText(hWnd);
        uikit::Click(hWnd, L"btn_ok");
    }));
    EXPECT_EQ(sShown, L"C");
    EXPECT_EQ(shortcut.byModifiers, kModifierCtrl);
    EXPECT_EQ(shortcut.byUsage, 0x06);
}

TEST_F(ShortcutWithHookDllTest, AModifierHeldBeforeTheFieldTakesTheFocusCountsToo) {
    Shortcut shortcut;
    EXPECT_TRUE(Run(shortcut, &m_hooks, [&](HWND hWnd) {
        SendKey(VK_LSHIFT, true);  // held while the person clicks into the field
        uikit::PumpUntilIdle(100);
        ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
        SendKey('V', true);
        SendKey('V', false);
        SendKey(VK_LSHIFT, false);
        uikit::PumpUntil([&] { return KeyFieldText(hWnd) == L"V"; });
        uikit::Click(hWnd, L"btn_ok");
    }));
    EXPECT_EQ(shortcut.byModifiers, kModifierShift);
    EXPECT_EQ(shortcut.byUsage, 0x19);
}

TEST_F(ShortcutWithHookDllTest, LeavesNoSystemWideHookBehind) {
    kit::HookSpy hooks(m_hookDll.Module());
    ASSERT_TRUE(hooks.Watching());
    Shortcut shortcut;
    int iKeyboardWhileOpen = -1;
    Run(shortcut, &m_hooks, [&](HWND hWnd) {
        ASSERT_TRUE(uikit::Click(hWnd, L"edit_key"));
        iKeyboardWhileOpen = hooks.Live(WH_KEYBOARD_LL);
        uikit::Click(hWnd, L"btn_ok");
    });
    EXPECT_EQ(iKeyboardWhileOpen, 1) << "the key field captures through the keyboard hook";
    EXPECT_EQ(hooks.EverSet(WH_MOUSE_LL), 0) << "the dialog never needs the mouse hook";
    EXPECT_EQ(hooks.Live(WH_KEYBOARD_LL), 0);
    EXPECT_EQ(hooks.Live(WH_MOUSE_LL), 0);
}

}  // namespace
