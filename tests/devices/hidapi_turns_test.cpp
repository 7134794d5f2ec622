// hidapi's set-up, enumeration and opening entered by one thread at a time across the whole
// program: the real main window with every model's real page and driver library, while cabled
// mice of several models and receivers of both kinds are there at start or arrive together. The
// simulated hidapi pauses inside those calls, so threads that do not take turns are caught
// overlapping.
#include "tests/kit/device_change.h"
#include "models/pages/gen1_page.h"
#include "models/pages/gen2_page.h"
#include "models/table/model_table.h"
#include "tests/kit/page_world_fixture.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

constexpr unsigned kPauseInsideMs = 5;

class HidapiTurns : public pagetest::PageWorldTest {
protected:
    HidapiTurns() : PageWorldTest(L"hidapi_turns_data") {}

    // The program's own page of model n on this test's data folder.
    std::unique_ptr<CPageBase> RealPage(int n) const {
        const std::wstring strFolder = m_data.Path() + L"\\";
        if (FindModel(n)->iGeneration == 1) return std::make_unique<CGen1Page>(n, strFolder);
        return std::make_unique<CGen2Page>(n, strFolder);
    }

    // Each page has its mouse open, and its library's monitor has its own read handle on it.
    void WaitUntilEveryMouseIsOpen(MainWindow& wnd) {
        for (const auto& [n, mouse] : m_mice) {
            SCOPED_TRACE(n);
            PumpUntil([&, n = n] { return wnd.AnyPage(n).WiredState() == 1; });
            PumpUntil([&, id = mouse.id] { return simhid_open_handles(id) == 2; });
        }
    }

    std::vector<std::pair<int, kit::CableMouse>> m_mice;
};

TEST_F(HidapiTurns, NoTwoThreadsAreEverInsideHidapiAtOnce) {
    simhid_set_unsafe_call_pause(kPauseInsideMs);

    // Present at start: every page opens its mouse and starts its library's monitor, which opens
    // the mouse too; the Bluetooth pages probe for their paired mouse; then the window opens the
    // receivers, while the monitors started last are still opening.
    for (int n : {10, 3, 14, 21}) m_mice.emplace_back(n, kit::PlugCableMouse(FindModel(n)->wCablePid));
    kit::PlugReceiver(kit::ReceiverKind::Wireless);
    kit::PlugReceiver(kit::ReceiverKind::Wireless4k);

    MainWindow wnd(false, [this](int n) { return RealPage(n); });
    WaitUntilEveryMouseIsOpen(wnd);
    CReceiverManager& receivers = wnd->Receivers();
    EXPECT_EQ(receivers.DeviceCount(ReceiverKind::Wireless), 1);
    EXPECT_EQ(receivers.DeviceCount(ReceiverKind::Wireless4k), 1);
    const int iAtStart = simhid_overlapping_calls();
    EXPECT_EQ(iAtStart, 0) << "at start";

    // A hub brings mice of both generations and a receiver of each kind at once, each arrival
    // announced by the system on a thread of its own while the window goes on: every library's
    // monitor looks for its mouse while the others do, the pages open theirs, and the window
    // opens the receivers again.
    std::vector<std::string> arrivals;
    for (int n : {1, 6, 12, 18, 24}) {
        m_mice.emplace_back(n, kit::PlugCableMouse(FindModel(n)->wCablePid, "", kit::Announce::No));
        arrivals.push_back(m_mice.back().second.path);
    }
    for (kit::ReceiverKind kind : {kit::ReceiverKind::Wireless, kit::ReceiverKind::Wireless4k}) {
        const kit::Receiver receiver = kit::PlugReceiver(kind);
        arrivals.push_back(receiver.commandPath);
        arrivals.push_back(receiver.eventPath);
    }
    std::atomic<size_t> uAnnounced{0};
    std::vector<std::thread> announcers;
    for (const std::string& name : arrivals)
        announcers.emplace_back([&uAnnounced, name] {
            kit::BroadcastInterfaceArrival(name);
            ++uAnnounced;
        });
    // The window's thread answers the announcements sent to it while they come.
    PumpUntil([&] { return uAnnounced.load() == arrivals.size(); });
    for (std::thread& t : announcers) t.join();

    WaitUntilEveryMouseIsOpen(wnd);
    PumpUntil([&] {
        return receivers.DeviceCount(ReceiverKind::Wireless) == 2 && receivers.DeviceCount(ReceiverKind::Wireless4k) == 2;
    });
    EXPECT_EQ(simhid_overlapping_calls() - iAtStart, 0) << "on the hub's arrival";
}

}  // namespace
