// The second-generation page on the simulated device world: the program's main window with the
// real page of one model (MS_11, MS_8, MS_12 or MS_13) on a scratch data folder, and any of its
// links: a cabled mouse reached through the real driver library, a 2.4 GHz receiver whose mouse
// acknowledges (or not), a 4K receiver, and a paired Bluetooth LE mouse in the simulated GATT
// world. What each mouse got is read back from its world.
#pragma once

#include "models/pages/gen2_page.h"
#include "tests/gen2/gen2_test_util.h"
#include "tests/kit/page_world_fixture.h"
#include "tests/kit/ble/sim_ble_world.h"

#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace gen2test {

// The page with a few doors open for tests: edits of the current profile as the settings
// handlers make them (under the profile store's lock), the link state, and the pauses the send
// routine asks for, recorded as they are made.
class TestGen2Page : public CGen2Page {
public:
    TestGen2Page(int iModel, std::wstring strDataFolder) : CGen2Page(iModel, std::move(strDataFolder)) {}

    void Edit(const std::function<void(ProfileRecordEx&)>& edit) { m_store.Edit(edit); }
    std::vector<unsigned> Pauses() {
        std::lock_guard guard(m_pauseLock);
        return m_pauses;
    }
    void ClearPauses() {
        std::lock_guard guard(m_pauseLock);
        m_pauses.clear();
    }
    // Loads the driver library from this path instead of the program folder's (empty: as the
    // program does).
    void UseDriverLibrary(std::wstring strPath) { m_strDriverLibrary = std::move(strPath); }
    using CGen2Page::AckArrived;
    using CGen2Page::OpenAckWindow;
    using CGen2Page::PostApply;
    using CGen2Page::m_bBLE;
    using CGen2Page::m_bOnline;
    using CGen2Page::m_bWireless;
    using CGen2Page::m_bWireless4k;
    using CGen2Page::m_iWiredState;

protected:
    bool SendPause(unsigned uMs) override {
        {
            std::lock_guard guard(m_pauseLock);
            m_pauses.push_back(uMs);
        }
        return CGen2Page::SendPause(uMs);
    }
    std::wstring DriverLibraryPath() const override {
        return m_strDriverLibrary.empty() ? CGen2Page::DriverLibraryPath() : m_strDriverLibrary;
    }

private:
    std::mutex m_pauseLock;
    std::vector<unsigned> m_pauses;
    std::wstring m_strDriverLibrary;
};

// The links a test plugs before the window opens.
enum LinkSet : unsigned { kNoLink = 0, kCable = 1, kReceiver = 2, k4k = 4, kBle = 8 };
// A test's name for a set of links ("Cable", "FourK", ...).
inline std::string LinkName(unsigned links) {
    switch (links) {
        case kCable: return "Cable";
        case kReceiver: return "Receiver";
        case k4k: return "FourK";
        case kBle: return "Ble";
        default: return "Links" + std::to_string(links);
    }
}
// The road an event of the mouse takes in a test.
enum class Road { Cable, Receiver, Wireless4k, Ble };

class Gen2PageTest : public pagetest::PageWorldTest {
protected:
    Gen2PageTest();
    ~Gen2PageTest() override;

    // Plugs the devices of `links`, then opens the window with the real page of `iModel`. Each
    // receiver's mouse is identified by a battery report (and acknowledges every frame with
    // bAcknowledge); the Bluetooth mouse is found paired at set-up and subscribed to.
    void Start(int iModel, unsigned links, bool bAcknowledge = true);
    void Apply() { ApplyOn(Page(), Window().hwnd()); }
    // Lets the window object go (its window ends too, if it has not), as the process's end does.
    void CloseWindow();
    bool WaitForApplies(unsigned uCount, unsigned uMs = 20000) { return PageWorldTest::WaitForApplies(Page(), uCount, uMs); }
    // An event of the mouse: {3, id byte, code, value low, value high} on the cable or a
    // receiver, {id byte, code, value low, value high} as a Bluetooth notification.
    void MouseEvent(uint8_t byCode, uint16_t wValue, Road eRoad);
    // An event of the mouse handed to the page as the core hands it over, on this (the UI)
    // thread: the event word (code x 256 + id byte) and the value.
    int EventWord(int iCode) const { return iCode * 256 + IdByte(); }
    void Deliver(Road eRoad, int iCode, int iValue);
    // A Bluetooth notification of any bytes; returns the registrations it reached.
    int Notify(const blekit::Bytes& value);
    // Waits until every event sent over the road so far has been handled: a stage event goes
    // behind them (the stage then changes), and the test waits for it.
    void Flush(Road eRoad);

    int Model() const { return m_iModel; }
    uint8_t IdByte() const { return ModelOf(m_iModel).Info().byIdByte; }
    const Gen2Model& Description() const { return ModelOf(m_iModel); }
    TestGen2Page& Page() { return *m_pPage; }
    MainWindow& Window() { return *m_pWnd; }
    std::wstring ProDataPath() const;
    // The current profile as pro.data holds it once the saves the page's events asked for are
    // made.
    std::unique_ptr<ProfileRecordEx> SavedCurrentProfile() const;

    // The page's control with this suffix ("wired" on MS_14: "ms_14_wired"), and whether it shows.
    DuiLib::CControlUI* Control(const wchar_t* pszSuffix);
    bool Visible(const wchar_t* pszSuffix);

    // Reports each link carried since the last ClearWrites, in order.
    std::vector<kit::Bytes> CableWrites() const;
    std::vector<kit::Bytes> ReceiverWrites() const;
    std::vector<kit::Bytes> FourKWrites() const;
    std::vector<kit::Bytes> BleWrites() const;
    void ClearAllWrites();

    // A Bluetooth interface name as Windows broadcasts it for this model's mouse, with the
    // vendor text as given ("VID&02045e" is how Windows writes it).
    std::string BleBroadcastName(const std::string& strVendor = "VID&02045e") const;
    std::string BleBroadcastNameFor(int iModel, const std::string& strVendor = "VID&02045e") const;

    blekit::SimBleWorld m_ble;
    int m_iBleMouse = -1;
    kit::CableMouse m_cable;
    kit::Receiver m_receiver;
    kit::Receiver m_receiver4k;
    unsigned m_links = kNoLink;
    bool m_bAwaitSubscription = true;  // Start waits until the Bluetooth mouse is subscribed to
    bool m_bShowWindow = false;        // Start shows the window with the page's tab in front
    std::wstring m_strDriverLibrary;   // the page's driver library, when not the program folder's

private:
    int m_iModel = 11;
    size_t m_uBleWritesSeen = 0;
    std::unique_ptr<MainWindow> m_pWnd;
    TestGen2Page* m_pPage = nullptr;
};

}  // namespace gen2test
