// The first-generation page on the simulated device world: the program's main window with the
// real page of one model on a scratch data folder, a cabled mouse reached through the real driver
// library, a 2.4 GHz receiver whose mouse acknowledges (or not), a 4K receiver and a paired
// Bluetooth LE mouse in the simulated GATT world, in any combination, the device timings scaled
// down, and the frames the mouse got read back from the world.
#pragma once

#include "models/pages/gen1_page.h"
#include "tests/gen1/gen1_test_util.h"
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/scoped_timing.h"
#include "tests/kit/ble/sim_ble_world.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace gen1test {

// The page with a few doors open for tests: edits of the current profile as the settings
// handlers make them (under the profile store's lock), and the link and sleep state.
class TestGen1Page : public CGen1Page {
public:
    TestGen1Page(int iModel, std::wstring strDataFolder) : CGen1Page(iModel, std::move(strDataFolder)) {}

    void Edit(const std::function<void(ProfileRecord&)>& edit) { m_store.Edit(edit); }
    using CGen1Page::AckArrived;
    using CGen1Page::OpenAckWindow;
    using CGen1Page::PostApply;
    using CGen1Page::m_bBLE;
    using CGen1Page::m_bOnline;
    using CGen1Page::m_bWireless;
    using CGen1Page::m_bWireless4k;
    using CGen1Page::m_iWiredState;
};

// The links a test plugs: any combination of the cable, the two receivers and Bluetooth LE.
enum class Link : int {
    None = 0,
    Cable = 1,
    Receiver = 2,
    Both = 3,  // the cable and the 2.4 GHz receiver
    Receiver4k = 4,
    Cable4k = 5,
    All = 7,  // the cable and both receivers
    Ble = 8,
};
constexpr Link operator|(Link a, Link b) { return static_cast<Link>(static_cast<int>(a) | static_cast<int>(b)); }
constexpr bool Has(Link eLinks, Link ePart) { return (static_cast<int>(eLinks) & static_cast<int>(ePart)) != 0; }
const char* LinkName(Link eLinks);

// The test program's file name without its folder ("gen1_page_test.exe").
std::wstring ProgramName();

class Gen1PageTest : public ::testing::Test {
protected:
    Gen1PageTest();
    ~Gen1PageTest() override;

    // Plugs the devices, then opens the window with the real page of `iModel`. On each receiver
    // the mouse is identified (and woken) by a battery report; with bAcknowledge it acknowledges
    // every frame over the 2.4 GHz receiver. The Bluetooth mouse is found paired at set-up.
    void Start(int iModel, Link eLink, bool bAcknowledge = true);
    // Ends the window and its page as the program does on exit and opens them again on the same
    // data folder and devices, as the next start of the program would.
    void Restart();
    // Closes the window, empties the world and removes the model's data files, so a test can
    // Start again.
    void Stop();
    // Requests one apply and waits for it to end (also for a run that only saved).
    void Apply();
    // Waits until the page's worker ran `uCount` applies in all.
    bool WaitForApplies(unsigned uCount, unsigned uMs = 20000);
    // An event report from the mouse over the link (Cable, Receiver or Receiver4k):
    // {3, id byte, code, value low, value high}; over Ble the notification {id byte, code, value
    // low, value high}.
    void MouseEvent(uint8_t byCode, uint16_t wValue, Link eOver = Link::Receiver);
    // A Bluetooth notification of any bytes; returns the registrations it reached.
    int Notify(const blekit::Bytes& value);
    // Waits until every event sent over the link so far has been handled: a stage event goes
    // behind them (the stage then changes), and the test waits for it.
    void Flush(Link eOver);
    void PumpUntil(const std::function<bool()>& pred, unsigned uMs = 5000);
    // Pumps the window's messages until pred holds; false when uMs passed first.
    static bool Poll(const std::function<bool()>& pred, unsigned uMs);

    int Model() const { return m_iModel; }
    uint8_t IdByte() const;
    const Gen1Model& Description() const { return *FindGen1Model(m_iModel); }
    TestGen1Page& Page() { return *m_pPage; }
    MainWindow& Window() { return *m_pWnd; }
    std::wstring ProDataPath() const;
    // The current profile as pro.data holds it once the saves the page's events asked for are
    // made (an empty record without one).
    ProfileRecord SavedCurrentProfile() const;
    // Whether pro.data is there once those saves are made.
    bool ProDataExists() const;

    // The model's cabled mouse is plugged in; returns once the page has it open (after its settle).
    void PlugCableAndSettle();

    // Reports written to the cabled mouse / the receiver's command interface since the last
    // ClearWrites, in order.
    std::vector<kit::Bytes> CableWrites() const;
    std::vector<kit::Bytes> ReceiverWrites() const;
    // Output reports written to the 4K receiver's command interface.
    std::vector<kit::Bytes> Receiver4kWrites() const;
    // Values written to the Bluetooth mouse's characteristic.
    std::vector<kit::Bytes> BleWrites() const;
    void ClearWrites();
    // Whole frames the mouse got over one link (Cable, Receiver, Receiver4k or Ble), in order: a macro
    // frame's pieces joined again (the cable's and the receiver's pieces carry its bytes from 3
    // on; bytes 0 to 2 come back from the piece header and the model's frame length), the 4K
    // reports unwrapped, a receiver's repeats taken as one.
    std::vector<kit::Bytes> Frames(Link eOver) const;
    // Report ids in order, one per write ("0C 04 05 06 08 09 09 09").
    static std::string Ids(const std::vector<kit::Bytes>& writes);
    // The same with runs of identical reports taken as one (the receiver's repeats).
    static std::vector<kit::Bytes> Distinct(const std::vector<kit::Bytes>& writes);

    ScopedTiming m_timing;
    // One folder per test program: the apply and event tests run side by side in one folder
    // (process ids do not tell them apart: each runs under a Wine server of its own).
    ScratchFolder m_data{L"page_" + ProgramName()};
    kit::CableMouse m_cable;
    kit::Receiver m_receiver;
    kit::Receiver m_receiver4k;
    blekit::SimBleWorld m_ble;
    int m_iBleMouse = -1;
    bool m_bCable = false;
    bool m_bReceiver = false;
    bool m_bAcknowledge = true;
    // The window is shown (its page on screen, so a test can click it) when set before Start.
    bool m_bShowWindow = false;
    // Every page started by the window fixture (default), or only those whose mice the program
    // finds, as the program does (set before Start).
    PageStart m_ePageStart = PageStart::All;
    bool m_bReceiver4k = false;
    bool m_bBle = false;

private:
    size_t m_uBleWritesSeen = 0;
    void OpenWindow();

    int m_iModel = 10;
    std::unique_ptr<MainWindow> m_pWnd;
    TestGen1Page* m_pPage = nullptr;
};

// A frame's checksum as the mouse checks it: the 16-bit sum of bytes 3 up to uAt - 1, high byte
// first at uAt.
bool ChecksumHolds(const kit::Bytes& frame, size_t uAt);

}  // namespace gen1test
