// The Bluetooth notification route racing a page's end, modal dialogs during which device events
// wait, notification routes by control name, and typed control lookup.
#include "tests/kit/device_change.h"
#include "core/dialogs/file_dialog.h"
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/scoped_timing.h"
#include "core/dialogs/shortcut_wnd.h"
#include "tests/kit/ble/sim_ble_world.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

using namespace DuiLib;

namespace {

class PageRuntime : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
        FreshSettingsFile();
    }
    void TearDown() override { kit::ResetWorld(); }
};

TEST_F(PageRuntime, ANotificationRacingThePagesEndNeverReachesIt) {
    blekit::SimBleWorld world;
    const int iMouse = world.AddDevice(blekit::MouseDevice(L"PID&002A", L"c0ffee000018"));
    MainWindow wnd;
    const PageContext context{wnd.hwnd(), uikit::ManagerOf(wnd.hwnd()), &wnd->Hooks()};
    for (int round = 0; round < 5; ++round) {
        // A page of MS_18 of its own, subscribed, that goes while notifications stream in.
        auto pPage = std::make_unique<CSpyPage>(18);
        pPage->Attach(context);
        auto pDelivered = std::make_shared<std::atomic<int>>(0);
        pPage->onEvent = [pDelivered](const std::wstring&) { ++*pDelivered; };
        pPage->SetLink(LinkKind::Ble, true);
        ASSERT_TRUE(pPage->SubscribeBle());

        // An acknowledgement is recorded on the notification's own thread, before any pumping.
        const CAckWindow::Epoch epoch = pPage->OpenAckWindow();
        ASSERT_EQ(world.Notify(iMouse, {0x2A, 0x50, 0, 0}), 1);
        EXPECT_TRUE(pPage->AckArrived(epoch));
        ASSERT_TRUE(uikit::PumpUntil([&] { return *pDelivered >= 1; }));

        std::atomic<bool> bRun{true};
        std::thread mouse([&] {
            while (bRun) world.Notify(iMouse, {0x2A, 0x40, 80, 0});
        });
        uikit::PumpUntil([&] { return *pDelivered >= 5; });
        pPage.reset();  // shut down and destroyed while the mouse keeps notifying
        const int iAtEnd = *pDelivered;
        for (int i = 0; i < 20; ++i) {
            uikit::PumpUntilIdle(5);
            Sleep(1);
        }
        bRun = false;
        mouse.join();
        uikit::PumpUntilIdle(50);
        EXPECT_EQ(*pDelivered, iAtEnd) << "round " << round;
        EXPECT_TRUE(world.Registrations().empty());
    }
}

// Device events sent while a dialog of the page is open: the cable's through the router, a
// receiver's through its polling thread.
struct EventsDuringDialog {
    MainWindow& wnd;
    const kit::Receiver& receiver;
    bool bReachedWhileOpen = false;
    void Send() {
        SendMessageW(wnd.hwnd(), PageMsgBase(10) + WM_PAGE_DEVDATA_OFFSET, 0x1036, 3);
        kit::QueueEvent(receiver.eventId, 0x36, 0x10, 5);
        // The receiver's report has been dispatched once its link is up.
        uikit::PumpUntil([&] { return wnd.Page(10).LinkUp(LinkKind::Wireless); }, 3000);
        uikit::PumpUntilIdle(50);
        bReachedWhileOpen = wnd.Page(10).LoggedPrefix(L"OnDev");
    }
};

std::optional<std::wstring> g_chosenPath;
std::function<void()> g_whileFileDialogOpen;
std::wstring AnswerFileDialog(const FileDialogRequest&) {
    if (g_whileFileDialogOpen) g_whileFileDialogOpen();
    return g_chosenPath.value_or(L"");
}

TEST_F(PageRuntime, DeviceEventsWaitWhileEachKindOfPageDialogIsOpen) {
    ScopedTiming timing;
    const kit::Receiver receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    EventsDuringDialog events{wnd, receiver};
    const std::vector<std::wstring> expected = {L"OnDevMonitor 0x10360003", L"OnDeviceEvent 0x1036 0x5"};

    // The page's handler works on "its profile"; the events would switch it.
    int iProfile = 1;
    page.onEvent = [&](const std::wstring&) { iProfile = 2; };

    struct Kind {
        const char* what;
        std::function<bool()> open;  // opens the dialog through the runtime; true when answered OK
    };
    FileDialogHandler previous = SetFileDialogHandler(&AnswerFileDialog);
    g_chosenPath = L"C:\\profile.pro";
    const Kind kinds[] = {
        {"message box", [&] {
             uikit::ModalAnswer answer([&](CWindowWnd& dlg) {
                 events.Send();
                 uikit::Click(dlg.GetHWND(), L"btn_ok");
             });
             return page.Ask(L"restore_text");
         }},
        {"open file dialog", [&] {
             g_whileFileDialogOpen = [&] { events.Send(); };
             return page.AskOpenPath(L"Profile File", L"*.pro;*.PRO") == g_chosenPath;
         }},
        {"save file dialog", [&] {
             g_whileFileDialogOpen = [&] { events.Send(); };
             return page.AskSavePath(L"Profile File", L"*.pro;*.PRO", L"pro") == g_chosenPath;
         }},
        {"skinned dialog of the page", [&] {
             uikit::ModalAnswer answer([&](CWindowWnd& dlg) {
                 events.Send();
                 uikit::Click(dlg.GetHWND(), L"btn_ok");
             });
             BYTE byModifiers = 0, byUsage = 0;
             return page.RunModal([&] { return RunShortcutWnd(wnd.hwnd(), nullptr, byModifiers, byUsage); });
         }},
    };
    for (const Kind& kind : kinds) {
        wnd.ClearCalls();
        iProfile = 1;
        int iProfileAfterDialog = 0;
        bool bHandlerDone = false;
        events.bReachedWhileOpen = true;
        page.AddRouteFn(DUI_MSGTYPE_CLICK, L"title", [&](TNotifyUI&) {
            const bool bOk = kind.open();
            EXPECT_TRUE(bOk) << kind.what;
            iProfileAfterDialog = iProfile;
            bHandlerDone = true;
        });
        uikit::ManagerOf(wnd.hwnd())->SendNotify(page.FindPageControl(L"title"), DUI_MSGTYPE_CLICK);
        ASSERT_TRUE(bHandlerDone) << kind.what;
        EXPECT_FALSE(events.bReachedWhileOpen) << kind.what << ": nothing reached the page while its dialog was open";
        EXPECT_EQ(iProfileAfterDialog, 1) << kind.what << ": the handler's profile was not switched under it";
        uikit::PumpUntilIdle(100);
        std::vector<std::wstring> handled;
        for (const std::wstring& call : page.m_calls)
            if (call.rfind(L"OnDev", 0) == 0) handled.push_back(call);
        EXPECT_EQ(handled, expected) << kind.what << ": both followed, in order, once it closed";
        EXPECT_EQ(iProfile, 2) << kind.what;
        page.SetLink(LinkKind::Wireless, false);
    }
    SetFileDialogHandler(previous);
    g_whileFileDialogOpen = nullptr;
}

TEST_F(PageRuntime, RoutesRunTheHandlerOfTheSendersNameAndLookupsAreTyped) {
    MainWindow wnd;
    CSpyPage& page = wnd.Page(10);
    CPaintManagerUI* pm = uikit::ManagerOf(wnd.hwnd());

    EXPECT_NE(page.FindPageControl<CProgressUI>(L"progress_power"), nullptr);
    EXPECT_EQ(page.FindPageControl<CSliderUI>(L"progress_power"), nullptr) << "a progress bar is no slider";
    EXPECT_NE(page.FindPageControl<CLabelUI>(L"title"), nullptr);
    EXPECT_EQ(page.FindPageControl<CButtonUI>(L"title"), nullptr);
    EXPECT_NE(page.FindPageControl<CContainerUI>(L"ver_setting"), nullptr);
    EXPECT_EQ(page.FindPageControl<CLabelUI>(L"no_such_control"), nullptr);
    EXPECT_EQ(page.FindPageControl<CLabelUI>(L"title"), wnd.Page(10).FindPageControl(L"title"));

    wnd.ClearCalls();
    page.AddRoutes<CSpyPage>(DUI_MSGTYPE_CLICK, {{L"title", &CSpyPage::OnRouted}, {L"wired", &CSpyPage::OnRouted}});
    page.AddRoutes(DUI_MSGTYPE_VALUECHANGED, L"slider_dpi_%d", 1, 8, &CSpyPage::OnRoutedRow);
    pm->SendNotify(page.FindPageControl(L"title"), DUI_MSGTYPE_CLICK);
    pm->SendNotify(page.FindPageControl(L"wired"), DUI_MSGTYPE_CLICK);
    pm->SendNotify(page.FindPageControl(L"title"), DUI_MSGTYPE_SETFOCUS);       // no route of that type
    pm->SendNotify(wnd.Page(11).FindPageControl(L"title"), DUI_MSGTYPE_CLICK);  // page 11's own control
    CControlUI slider;  // a row control as a page's skin has them
    for (const wchar_t* pszName : {L"ms_10_slider_dpi_3", L"ms_10_slider_dpi_9", L"ms_1_slider_dpi_3"}) {
        slider.SetName(pszName);
        TNotifyUI msg{};
        msg.sType = DUI_MSGTYPE_VALUECHANGED;
        msg.pSender = &slider;
        page.OnValueChanged(msg);
    }
    std::vector<std::wstring> routed;
    for (const std::wstring& call : page.m_calls)
        if (call.rfind(L"Routed", 0) == 0) routed.push_back(call);
    EXPECT_EQ(routed, (std::vector<std::wstring>{L"Routed ms_10_title", L"Routed ms_10_wired", L"Routed ms_10_slider_dpi_3 3"}));
}

}  // namespace
