// Start-up with 24 models and few mice: the window comes first, one look at the HID devices
// finds the mice, and only their models' pages start (skin, worker, driver library, data); a
// model whose mouse comes later starts then.
#include "tests/kit/device_change.h"
#include "tests/kit/main_window_fixture.h"
#include "models/table/model_table.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

namespace {

class StartUp : public ::testing::Test {
protected:
    void SetUp() override {
        kit::ResetWorld();
        FreshSettingsFile();
        CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    }
    void TearDown() override { kit::ResetWorld(); }

    static std::set<int> ActivePages(MainWindow& wnd) {
        std::set<int> active;
        for (int n = 1; n <= kModelCount; ++n)
            if (wnd->PageActive(n)) active.insert(n);
        return active;
    }
    static long Starts(MainWindow& wnd, int n) {
        const std::vector<std::wstring>& calls = wnd.Page(n).m_calls;
        return std::count(calls.begin(), calls.end(), L"InitPage");
    }
    static bool PageSkinBuilt(MainWindow& wnd, int n) {
        return uikit::ManagerOf(wnd.hwnd())->FindControl((ControlPrefix(n) + L"page").c_str()) != nullptr;
    }
};

// How Windows names the Bluetooth LE interface of model n's paired mouse.
std::string BleInterfaceName(int n) {
    const std::wstring strProduct = BleProductMatch(n);
    return "\\\\?\\BTHLEDevice#{00001812-0000-1000-8000-00805f9b34fb}_Dev_VID&02045e_" +
           std::string(strProduct.begin(), strProduct.end()) +
           "_REV&0001_d0c5f3a1b2c4#8&2c5e1f3a&0&0019#{6e3bb679-4372-40c8-9eaa-4509df260cd8}";
}

// The program's own pages, with no mouse anywhere: none of them starts, so no worker, no driver
// library and no page skin exists, and a single enumeration was all the looking.
TEST_F(StartUp, WithNoMouseNoPageStartsAndOneEnumerationLooksForAll) {
    const PageFactoryTable program = ModelPageFactories();
    MainWindow wnd(false, [&](int n) { return program[static_cast<size_t>(n - 1)](); }, PageStart::AsFound);
    ASSERT_TRUE(wnd->DevicesStarted());
    EXPECT_EQ(kit::EnumerationCount(), 1);
    EXPECT_TRUE(ActivePages(wnd).empty());
    for (int n = 1; n <= kModelCount; ++n) {
        EXPECT_EQ(wnd->Page(n)->WorkerThreadId(), 0u) << n;
        EXPECT_EQ(GetModuleHandleW(DriverLibraryName(n).c_str()), nullptr) << DriverLibraryName(n);
        EXPECT_FALSE(PageSkinBuilt(wnd, n)) << n;
    }
    EXPECT_TRUE(wnd->Hooks().pfnInstallHook != nullptr) << "Hook.dll is loaded all the same";
    EXPECT_EQ(wnd->AnyConnected(), 0);
}

// The mice there at start are found in one enumeration, over their cable or paired over
// Bluetooth LE; only their pages start, each once, knowing how its mouse was found. A model seen
// on a receiver starts when the receiver names it.
TEST_F(StartUp, TheMiceThereAtStartStartTheirPagesAlone) {
    kit::PlugCableMouse(FindModel(10)->wCablePid, "", kit::Announce::No);
    kit::PlugCableMouse(FindModel(18)->wCablePid, "", kit::Announce::No);
    kit::PlugBluetoothMouse(FindModel(11)->wBlePid);
    const kit::Receiver receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    MainWindow wnd(false, {}, PageStart::AsFound);
    ASSERT_TRUE(wnd->DevicesStarted());
    EXPECT_EQ(kit::EnumerationCount(), 1) << "the receivers and every page asked the same list";
    EXPECT_EQ(ActivePages(wnd), (std::set<int>{10, 11, 18}));
    for (int n : {10, 11, 18}) {
        EXPECT_EQ(wnd.Page(n).m_calls, (std::vector<std::wstring>{L"InitPage", L"LoadData"})) << n;
        EXPECT_TRUE(PageSkinBuilt(wnd, n)) << n;
        EXPECT_EQ(wnd.Page(n).BleMouseFound(), n == 11) << n;
    }
    EXPECT_TRUE(wnd.Page(3).m_calls.empty());

    // The receiver's mouse names its model with its first report.
    kit::QueueEvent(receiver.eventId, FindModel(3)->byIdByte, 0x40, 0x5001);
    EXPECT_TRUE(uikit::PumpUntil([&] { return wnd->PageActive(3); }, 3000));
    EXPECT_TRUE(uikit::PumpUntil([&] { return wnd.Page(3).Logged(L"LoadData"); }, 3000));
    EXPECT_EQ(wnd.Page(3).m_calls.front(), L"InitPage");
    EXPECT_TRUE(PageSkinBuilt(wnd, 3));
    EXPECT_EQ(ActivePages(wnd).size(), 4u);
}

// A mouse plugged in or paired later starts its page from the arrival the window hears; the
// other models stay as they were, and further arrivals of a started model start nothing again.
TEST_F(StartUp, AMouseArrivingLaterStartsItsPage) {
    MainWindow wnd(false, {}, PageStart::AsFound);
    ASSERT_TRUE(ActivePages(wnd).empty());
    const kit::CableMouse mouse = kit::PlugCableMouse(FindModel(7)->wCablePid);  // announced
    EXPECT_EQ(ActivePages(wnd), (std::set<int>{7}));
    ASSERT_GE(wnd.Page(7).m_calls.size(), 2u);
    EXPECT_EQ(wnd.Page(7).m_calls[0], L"InitPage");
    EXPECT_EQ(wnd.Page(7).m_calls[1], L"LoadData");
    EXPECT_FALSE(wnd.Page(7).BleMouseFound());

    kit::PlugBluetoothMouse(FindModel(21)->wBlePid);
    kit::SendInterfaceArrival(wnd.hwnd(), BleInterfaceName(21));
    EXPECT_EQ(ActivePages(wnd), (std::set<int>{7, 21}));
    EXPECT_TRUE(wnd.Page(21).BleMouseFound());

    kit::SendInterfaceArrival(wnd.hwnd(), kit::CableMousePath(FindModel(7)->wCablePid, "again"));
    EXPECT_EQ(Starts(wnd, 7), 1) << "started once";
    // Another device's arrival starts no page.
    kit::SendInterfaceArrival(wnd.hwnd(), "\\\\?\\HID#VID_046D&PID_C52B&MI_00#7&1&0&0000#{4d1e55b2-f16f-11cf-88cb-001111000030}");
    EXPECT_EQ(ActivePages(wnd).size(), 2u);
}

}  // namespace
