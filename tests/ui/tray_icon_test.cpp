// The tray icon: what it asks of the shell (add with the callback message, tooltip and icon;
// remove when it goes), adding again when a taskbar announces itself, and a shell that refuses
// the icon. The shell's side is a recorder put in place of Shell_NotifyIconW; one test uses the
// real shell function, which fails under Wine's null display driver.
#include <gtest/gtest.h>

#include <vector>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;

namespace {

struct ShellCall {
    DWORD dwMessage;
    NOTIFYICONDATAW data;
};
std::vector<ShellCall> g_calls;
BOOL g_bShellAccepts = TRUE;

BOOL WINAPI RecordingShell(DWORD dwMessage, PNOTIFYICONDATAW pData) {
    g_calls.push_back(ShellCall{dwMessage, *pData});
    return g_bShellAccepts;
}

void AnnounceTaskbar() {
    DWORD_PTR dwResult = 0;
    ::SendMessageTimeoutW(HWND_BROADCAST, ::RegisterWindowMessageW(L"TaskbarCreated"), 0, 0, SMTO_ABORTIFHUNG, 2000,
                          &dwResult);
    uikit::PumpUntilIdle();
}

class TrayIconTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_bShellAccepts = TRUE;
        m_pfnPrevious = CTrayIcon::SetShellNotify(&RecordingShell);
        ASSERT_NE(m_wnd.CreateAt(60, 60, 200, 100), nullptr);
        m_wnd.m_onMessage = [this](UINT uMsg, WPARAM, LPARAM lParam, BOOL& bHandled) -> LRESULT {
            bHandled = uMsg == UIMSG_TRAYICON;
            if (bHandled) m_trayMessages.push_back(lParam);
            return 0;
        };
    }
    void TearDown() override { CTrayIcon::SetShellNotify(m_pfnPrevious); }

    CTestWindow m_wnd{L"<Window size=\"200,100\"><VerticalLayout><Button name=\"btn\"/></VerticalLayout></Window>",
                      L"TrayTestWnd"};
    std::vector<LPARAM> m_trayMessages;
    CTrayIcon::ShellNotifyFn m_pfnPrevious = nullptr;
};

TEST_F(TrayIconTest, AddsTheIconForTheWindowAndRemovesItWhenItGoes) {
    UINT uId = 0;
    {
        CTrayIcon tray;
        ASSERT_TRUE(tray.CreateTrayIcon(m_wnd, 107, L"Gaming mouse", 0));
        EXPECT_TRUE(tray.IsVisible());
        ASSERT_EQ(g_calls.size(), 1u);  // no version change: the callback's lParam is the mouse message
        const NOTIFYICONDATAW& nid = g_calls[0].data;
        EXPECT_EQ(g_calls[0].dwMessage, static_cast<DWORD>(NIM_ADD));
        EXPECT_EQ(nid.hWnd, m_wnd.GetHWND());
        EXPECT_EQ(nid.uCallbackMessage, 0x401u);
        EXPECT_EQ(nid.uFlags & (NIF_MESSAGE | NIF_ICON | NIF_TIP), static_cast<UINT>(NIF_MESSAGE | NIF_ICON | NIF_TIP));
        EXPECT_NE(nid.hIcon, nullptr);  // the application icon when the program has no resource 107
        EXPECT_STREQ(nid.szTip, L"Gaming mouse");
        EXPECT_EQ(tray.GetTooltipText(), L"Gaming mouse");
        uId = nid.uID;
    }
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].dwMessage, static_cast<DWORD>(NIM_DELETE));
    EXPECT_EQ(g_calls[1].data.hWnd, m_wnd.GetHWND());
    EXPECT_EQ(g_calls[1].data.uID, uId);
}

TEST_F(TrayIconTest, TheCallbackMessageCarriesTheMouseMessage) {
    CTrayIcon tray;
    ASSERT_TRUE(tray.CreateTrayIcon(m_wnd, 107, L"tip"));
    EXPECT_EQ(tray.GetCallbackMessage(), UIMSG_TRAYICON);
    // What the shell does on a left and a right click on the icon.
    const NOTIFYICONDATAW& nid = g_calls[0].data;
    ::PostMessageW(nid.hWnd, nid.uCallbackMessage, nid.uID, WM_LBUTTONUP);
    ::PostMessageW(nid.hWnd, nid.uCallbackMessage, nid.uID, WM_RBUTTONUP);
    uikit::PumpUntilIdle();
    EXPECT_EQ(m_trayMessages, (std::vector<LPARAM>{WM_LBUTTONUP, WM_RBUTTONUP}));

    // A message of the caller's choosing.
    CTrayIcon other;
    ASSERT_TRUE(other.CreateTrayIcon(m_wnd, 107, L"tip", WM_APP + 7));
    EXPECT_EQ(g_calls.back().data.uCallbackMessage, static_cast<UINT>(WM_APP + 7));
    EXPECT_NE(g_calls.back().data.uID, nid.uID) << "two icons of one window need their own ids";
}

TEST_F(TrayIconTest, ARestartedTaskbarGetsTheIconAgain) {
    CTrayIcon tray;
    ASSERT_TRUE(tray.CreateTrayIcon(m_wnd, 107, L"tip"));
    AnnounceTaskbar();
    ASSERT_EQ(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].dwMessage, static_cast<DWORD>(NIM_ADD));
    EXPECT_EQ(g_calls[1].data.uID, g_calls[0].data.uID);
    EXPECT_STREQ(g_calls[1].data.szTip, L"tip");
    tray.DeleteTrayIcon();
    EXPECT_EQ(g_calls.back().dwMessage, static_cast<DWORD>(NIM_DELETE));
    const size_t nCalls = g_calls.size();
    AnnounceTaskbar();
    EXPECT_EQ(g_calls.size(), nCalls) << "a removed icon stays removed";
}

TEST_F(TrayIconTest, ARefusedIconIsReportedAndAddedOnceATaskbarAppears) {
    g_bShellAccepts = FALSE;
    CTrayIcon tray;
    EXPECT_FALSE(tray.CreateTrayIcon(m_wnd, 107, L"tip"));
    EXPECT_FALSE(tray.IsVisible());
    EXPECT_FALSE(tray.SetTooltipText(L"new tip"));  // kept for when it is added
    g_bShellAccepts = TRUE;
    AnnounceTaskbar();
    EXPECT_TRUE(tray.IsVisible());
    EXPECT_EQ(g_calls.back().dwMessage, static_cast<DWORD>(NIM_ADD));
    EXPECT_STREQ(g_calls.back().data.szTip, L"new tip");
    EXPECT_TRUE(tray.SetTooltipText(L"third"));
    EXPECT_EQ(g_calls.back().dwMessage, static_cast<DWORD>(NIM_MODIFY));
    EXPECT_STREQ(g_calls.back().data.szTip, L"third");
}

TEST_F(TrayIconTest, NothingIsRemovedThatWasNeverAdded) {
    g_bShellAccepts = FALSE;
    {
        CTrayIcon tray;
        EXPECT_FALSE(tray.CreateTrayIcon(m_wnd, 107, L"tip"));
    }
    ASSERT_EQ(g_calls.size(), 1u);
    EXPECT_EQ(g_calls[0].dwMessage, static_cast<DWORD>(NIM_ADD));
    CTrayIcon noWindow;
    EXPECT_FALSE(noWindow.CreateTrayIcon(nullptr, 107, L"tip"));
    EXPECT_EQ(g_calls.size(), 1u);
}

TEST_F(TrayIconTest, WithTheRealShellTheProgramCarriesOnWhateverItSays) {
    CTrayIcon::SetShellNotify(nullptr);  // Shell_NotifyIconW itself
    CTrayIcon tray;
    const bool bAdded = tray.CreateTrayIcon(m_wnd, 107, L"tip");
    EXPECT_EQ(tray.IsVisible(), bAdded);
    // Under Wine's null display driver there is no taskbar: the add fails.
    std::printf("real shell added the icon: %s\n", bAdded ? "yes" : "no");
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn"));
    EXPECT_EQ(m_wnd.m_clicks, std::vector<std::wstring>{L"btn"});
    EXPECT_TRUE(g_calls.empty());
}

}  // namespace
