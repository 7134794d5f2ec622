// Ends in every order: a page destroyed while its worker sends, the tray's "Exit" while a page's
// dialog is open, and a receiver that goes taking its handles with it.
#include "tests/gen2/gen2_keys_fixture.h"

#include "core/app/app_messages.h"
#include "tests/kit/device_change.h"
#include "tests/kit/ui_driver.h"

#include <windows.h>

#include <cwchar>

using namespace gen2test;

namespace {

class Teardown : public Gen2PageTest {};

// A page nobody shut down, destroyed while its worker waits for an acknowledgement that never
// comes: the worker stops before any part of the page goes, and what the page held is saved.
TEST_F(Teardown, APageDestroyedWhileItsWorkerSendsStopsItFirst) {
    const kit::Receiver receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);  // a mouse that never answers
    auto pPage = std::make_unique<CGen2Page>(12, m_data.Path() + L"\\");
    pPage->InitPage();
    pPage->LoadData();
    pPage->SetWirelessHandle(OpenHidPath(receiver.commandPath.c_str()));
    pPage->SetLink(LinkKind::Wireless, true);
    ASSERT_TRUE(PostThreadMessageW(pPage->WorkerThreadId(), PageMsgBase(12) + WM_PAGE_RUNAPPLY_OFFSET, 0, 0));
    ASSERT_TRUE(simhid_wait_writes(2, 10000)) << "the worker sends the first frame again and again";
    const ULONGLONG ullProData = testkit::ReadBytes(m_data / L"ms_12\\pro.data").size();

    pPage.reset();

    const int iWrites = simhid_write_count();
    Poll([] { return false; }, 3 * Timing().uWirelessTryPauseMs);
    EXPECT_EQ(simhid_write_count(), iWrites) << "no worker sends any more";
    EXPECT_EQ(testkit::ReadBytes(m_data / L"ms_12\\pro.data").size(), ullProData) << "pro.data whole";
}

// The macro editor is open when the tray's "Exit" comes: it closes as if cancelled, the page
// brings its buttons in line with the macros the editor left, and that is what the next start
// finds.
class ExitWithDialogOpen : public Gen2KeysTest {};

TEST_F(ExitWithDialogOpen, TheEditorClosesAndItsPagesChangesAreSaved) {
    MacroListEx macros;
    macros.push_back(Macro(L"Alpha", {Key(0x04, 1, 10), Key(0x04, 2, 10)}));
    macros.push_back(Macro(L"Beta", {Key(0x05, 1, 10), Key(0x05, 2, 10)}));
    StartWith(11, macros, [&](ProfileListEx& profiles) { GiveMacro(profiles[0]->stKeys[1], macros, 1, kFunctionMacro); });
    const uint8_t byDefault = Description().defaults.byFunction[1];
    ASSERT_NE(Button(2).byFunction, byDefault);

    const HWND hMain = Window().hwnd();
    std::vector<std::wstring> dialogs;
    uikit::ModalAnswer modal([&](DuiLib::CWindowWnd& wnd) {
        const std::wstring strClass = wnd.GetWindowClassName();
        dialogs.push_back(strClass);
        if (strClass == L"MsgWnd") {
            uikit::Click(wnd.GetHWND(), L"btn_ok");  // yes, delete it
            return;
        }
        // In the editor: Beta is deleted, then the tray's "Exit" is chosen with the editor open.
        auto* pList = static_cast<DuiLib::CListUI*>(uikit::FindControl(wnd.GetHWND(), L"ms_11_macro_list"));
        ASSERT_TRUE(pList != nullptr && uikit::Click(pList->GetItemAt(1)));
        ASSERT_TRUE(uikit::Click(wnd.GetHWND(), L"ms_11_macro_delete_btn"));
        auto* pCmd = new DuiLib::MenuCmd{};
        wcsncpy(pCmd->szName, L"exit", _countof(pCmd->szName) - 1);
        ::PostMessageW(hMain, WM_MENUCLICK, reinterpret_cast<WPARAM>(pCmd), 0);
    });
    ASSERT_TRUE(uikit::Click(Control(L"btn_macro")));
    PumpUntil([&] { return !::IsWindow(hMain); }, 10000);
    EXPECT_EQ((std::vector<std::wstring>{L"MS_11_Macro", L"MsgWnd"}), dialogs);

    ASSERT_EQ(MacrosOnDisk().size(), 1u) << "Beta deleted";
    const ProfileListEx disk = ProfilesOnDisk();
    ASSERT_FALSE(disk.empty());
    EXPECT_EQ(disk[0]->stKeys[1].byFunction, byDefault) << "button 2 no longer plays the deleted macro";
    EXPECT_EQ(disk[0]->stKeys[1].iMacroIndex, -1);
}

// A receiver that leaves closes both its interfaces, whoever held them.
TEST_F(Teardown, ARemovedReceiverLeavesNoHandleOpen) {
    Start(11, kReceiver);
    Apply();
    ASSERT_GT(simhid_open_handles(m_receiver.commandId), 0);
    kit::UnplugReceiverAndNotify(Window().hwnd(), m_receiver);
    PumpUntil([&] { return !Page().LinkUp(LinkKind::Wireless); });
    PumpUntil([&] { return simhid_open_handles(m_receiver.commandId) == 0 && simhid_open_handles(m_receiver.eventId) == 0; });
}

}  // namespace
