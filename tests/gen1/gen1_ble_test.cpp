// The first-generation models with a Bluetooth LE link (MS_6, MS_7, MS_9) on the simulated
// Bluetooth world, and MS_6 on each of its four links: the paired mouse found at set-up and
// listened to at once, what an apply writes over each link, the notifications the mouse sends
// (read on the UI thread, short ones ignored), the device changes that bring the link up and
// down, the tab a Bluetooth mouse keeps, the rate of a profile chosen over Bluetooth alone reaching
// the mouse once the cable arrives, and a shut-down while the mouse keeps talking.
#include "tests/gen1/gen1_settings_fixture.h"

#include "tests/kit/device_change.h"
#include "core/devices/device_timing.h"
#include "models/data/gen1_frames.h"
#include "core/page/page_messages.h"
#include "tests/kit/page_world_fixture.h"

#include <atomic>
#include <functional>
#include <thread>

namespace gen1test {
namespace {

using DuiLib::CControlUI;

constexpr int kBluetoothModels[] = {6, 7, 9};

class Gen1Ble : public Gen1PageTest {
protected:
    Gen1Ble() {
        // The first generation listens at once; a delayed subscription would never come here.
        Timing().uBleSubscribeMs = kNeverMs;
    }

    bool TabShown() {
        CControlUI* pTab = uikit::FindControl(Window().hwnd(), (L"option_device_" + std::to_wstring(Model())).c_str());
        return pTab != nullptr && pTab->IsVisible();
    }
    std::wstring PowerLabel() { return Page().FindPageControl(L"label_power")->GetTextSource().GetData(); }
    size_t Registrations() const { return m_ble.Registrations().size(); }
    // Pumps the window's messages until pred holds, keeping back the WM_SHOWDPI the page posts
    // (the main window would take them); returns those, also the ones posted last.
    std::vector<MSG> PumpKeepingShowDpi(const std::function<bool()>& pred) {
        std::vector<MSG> kept;
        const ULONGLONG ullEnd = GetTickCount64() + 5000;
        MSG msg{};
        while (!pred() && GetTickCount64() < ullEnd) {
            if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
                continue;
            }
            if (msg.message == WM_SHOWDPI) {
                kept.push_back(msg);
                continue;
            }
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
        EXPECT_TRUE(pred());
        while (PeekMessageW(&msg, Window().hwnd(), WM_SHOWDPI, WM_SHOWDPI, PM_REMOVE)) kept.push_back(msg);
        return kept;
    }
    ProfileRecord OnDisk() const { return SavedCurrentProfile(); }
    // The frames a profile's full send consists of, without the rate frame, as the mouse must
    // get them over Bluetooth LE.
    std::vector<kit::Bytes> FullSendWithoutRate(const ProfileRecord& p) const {
        return {BuildStartReport(), BuildDpiReport(Description(), p), BuildLightReport(Description(), p), BuildKeyReport(p),
                BuildMacroReport(Description(), 3, p.stKeys[2])};
    }
};

// Button 3 carries a macro: a press with 20 ms and its release.
void GiveButton3AMacro(ProfileRecord& profile) {
    KeyEntry& entry = profile.stKeys[2];
    entry.byFunction = kFunctionMacro;
    entry.iLoopMode = 1;
    entry.wActionNum = 2;
    entry.stActions[0] = {0x04, kActionPress, 20};
    entry.stActions[1] = {0x04, kActionRelease, 30};
}

// Found paired at set-up: the link is up, its icon and the model's tab show, the mouse is
// listened to, and an apply writes every frame to it but the rate, byte for byte; the rate
// stays pending in the copy last sent.
TEST_F(Gen1Ble, ThePairedMouseIsListenedToAtOnceAndTakesEverythingButTheRate) {
    for (int iModel : kBluetoothModels) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        Start(iModel, Link::Ble);
        EXPECT_EQ(Registrations(), 1u) << "subscribed with the data, no timer";
        EXPECT_TRUE(Page().LinkIndicator(LinkKind::Ble)->IsVisible());
        EXPECT_EQ(Page().Online(), 1);
        PumpUntil([&] { return TabShown(); });

        Page().Edit([](ProfileRecord& p) {
            GiveButton3AMacro(p);
            p.iRate = 0;
        });
        Apply();
        const ProfileRecord p = Page().CurrentProfileCopy();
        EXPECT_EQ(Ids(BleWrites()), "0C 04 05 08 09");
        EXPECT_EQ(BleWrites(), FullSendWithoutRate(p));
        EXPECT_EQ(Page().SentProfileCopy().iRate, Description().defaults.iRate) << "the rate the mouse last got";
        EXPECT_FALSE(Page().ResendAllPending());
        Stop();
    }
}

TEST_F(Gen1Ble, WithoutHidapiOrWithoutTheMouseTheLinkStaysDown) {
    for (bool bHidapi : {false, true}) {
        SCOPED_TRACE(bHidapi ? "no paired mouse" : "hid_init fails");
        if (!bHidapi) {
            // The Bluetooth world holds the mouse; only hidapi cannot say so.
            kit::PlugBluetoothMouse(FindModel(7)->wBlePid);
            m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(BleProductMatch(7), L"d0c5f3a1b2c4"));
            simhid_set_init_result(-1);
        }
        Start(7, Link::None);
        EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));
        EXPECT_FALSE(Page().LinkIndicator(LinkKind::Ble)->IsVisible());
        EXPECT_EQ(Registrations(), 0u);
        Stop();
    }
}

// A notification reaches the page through the UI thread: nothing has changed when the mouse's
// callback has returned, and the change shows once the window's messages run.
TEST_F(Gen1Ble, ANotificationIsReadOnTheUiThreadAndSaved) {
    Start(7, Link::Ble);
    Window().TakePosted(WM_SHOWDPI);
    ASSERT_NE(Page().CurrentProfileCopy().iCurDpi, 2);
    ASSERT_EQ(Notify({0x33, 0x10, 0x03, 0x00}), 1);
    EXPECT_NE(Page().CurrentProfileCopy().iCurDpi, 2) << "not on the mouse's thread";
    const std::vector<MSG> shown = PumpKeepingShowDpi([&] { return Page().CurrentProfileCopy().iCurDpi == 2; });
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].wParam, 6u) << "MS_7's slot";
    EXPECT_EQ(shown[0].lParam, Page().CurrentProfileCopy().iDpi[2]);
    EXPECT_EQ(OnDisk().iCurDpi, 2);
    EXPECT_EQ(Page().SentProfileCopy().iCurDpi, 2) << "not sent back";
}

// Values shorter than an event carry none; the whole one behind them is read.
TEST_F(Gen1Ble, ShortNotificationsAreIgnored) {
    Start(9, Link::Ble);
    Window().TakePosted(WM_SHOWDPI);
    for (const blekit::Bytes& value : {blekit::Bytes{}, blekit::Bytes{IdByte()}, blekit::Bytes{IdByte(), 0x10},
                                       blekit::Bytes{IdByte(), 0x10, 0x05}})
        EXPECT_EQ(Notify(value), 1);
    const int iStage = Page().CurrentProfileCopy().iCurDpi == 2 ? 3 : 2;  // never the 10 05's
    EXPECT_EQ(Notify({IdByte(), 0x10, static_cast<uint8_t>(iStage + 1), 0x00}), 1);
    const std::vector<MSG> shown = PumpKeepingShowDpi([&] { return Page().CurrentProfileCopy().iCurDpi == iStage; });
    ASSERT_EQ(shown.size(), 1u) << "only the whole value chose a stage";
    EXPECT_EQ(shown[0].lParam, Page().CurrentProfileCopy().iDpi[iStage]);
}

// The events a Bluetooth mouse sends, each through its notification, and what the page then
// holds and shows.
TEST_F(Gen1Ble, EventsOverBluetoothAsThePageReadsThem) {
    const struct {
        const char* pszCase;
        int iModel;
        uint8_t byCode;
        uint16_t wValue;
        int32_t iRate, iLightMode;  // afterwards (-1: as before)
        const wchar_t* pszPower;    // the battery label afterwards (nullptr: as before)
    } rows[] = {
        {"MS_7 rate code 2: index 2", 7, 0x20, 2, 2, -1, nullptr},
        {"MS_7 rate code 8: index 0", 7, 0x20, 8, 0, -1, nullptr},
        {"MS_7 rate code 3: no rate, kept", 7, 0x20, 3, 0, -1, nullptr},
        {"MS_7 rate 9: ignored", 7, 0x20, 9, 0, -1, nullptr},
        {"MS_6 rate 2: option 2 from the low nibble", 6, 0x20, 2, 1, -1, nullptr},
        {"MS_6 rate 5: no such option", 6, 0x20, 5, 1, -1, nullptr},
        {"MS_9 light mode 5 in the high nibble", 9, 0x70, 0x50, -1, 5, nullptr},
        {"MS_9 light mode 12: ignored", 9, 0x70, 0xC0, -1, 5, nullptr},
        {"MS_6 battery 57% on battery", 6, 0x40, 0x3901, -1, -1, L"57%"},
        {"MS_6 battery level 0 shows", 6, 0x40, 0x0000, -1, -1, L"0%"},
        {"MS_7 charging", 7, 0x40, 0x0003, -1, -1, L"charging_text"},
        {"MS_7 full", 7, 0x40, 0x0002, -1, -1, L"100%"},
        {"MS_9 level above 100: nothing", 9, 0x40, 0x6501, -1, -1, L"100%"},
    };
    int iModel = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszCase);
        if (row.iModel != iModel) {
            if (iModel != 0) Stop();
            iModel = row.iModel;
            Start(iModel, Link::Ble);
            if (iModel == 9) {
                MouseEvent(0x40, 0x0002, Link::Ble);
                PumpUntil([&] { return PowerLabel() == L"100%"; });
            }
        }
        const ProfileRecord before = Page().CurrentProfileCopy();
        const std::wstring strPowerBefore = PowerLabel();
        MouseEvent(row.byCode, row.wValue, Link::Ble);
        Flush(Link::Ble);
        const ProfileRecord p = Page().CurrentProfileCopy();
        EXPECT_EQ(p.iRate, row.iRate >= 0 ? row.iRate : before.iRate);
        EXPECT_EQ(p.iLightMode, row.iLightMode >= 0 ? row.iLightMode : before.iLightMode);
        EXPECT_EQ(PowerLabel(), row.pszPower != nullptr ? row.pszPower : strPowerBefore);
        EXPECT_EQ(OnDisk().iRate, p.iRate);
        EXPECT_EQ(OnDisk().iLightMode, p.iLightMode);
        // Neither a battery report nor anything else changes a link over Bluetooth LE.
        EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
        EXPECT_FALSE(Page().LinkUp(LinkKind::Wireless));
        EXPECT_EQ(Page().Online(), 1);
    }
}

// A level 0 report shows 0% over Bluetooth LE; the same over the 2.4 GHz receiver only keeps
// that link alive.
TEST_F(Gen1Ble, LevelZeroShowsOverBluetoothOnly) {
    Start(6, Link::Receiver | Link::Ble);
    MouseEvent(0x40, 0x3901);
    PumpUntil([&] { return PowerLabel() == L"57%"; });
    MouseEvent(0x40, 0x0000);
    Flush(Link::Receiver);
    EXPECT_EQ(PowerLabel(), L"57%");
    EXPECT_TRUE(Page().LinkUp(LinkKind::Wireless));
    Notify({0x32, 0x40, 0x00, 0x00});
    PumpUntil([&] { return PowerLabel() == L"0%"; });
}

// Interface arrivals and removals: only the model's own name, written as Windows writes it,
// brings the link up; a removal takes it down and ends every registration, while the cable goes
// on charging the mouse.
TEST_F(Gen1Ble, TheMousesInterfaceBringsTheLinkUpAndDown) {
    Start(9, Link::Cable);
    ASSERT_FALSE(Page().LinkUp(LinkKind::Ble));
    m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(BleProductMatch(9), L"d0c5f3a1b2c4"));
    for (const std::string& strOther : {pagetest::BleBroadcastName(9, "VID&02045E"), pagetest::BleBroadcastName(7),
                                        std::string("\\\\?\\HID#VID_1D57&PID_FA60#1&2&3")}) {
        kit::SendInterfaceArrival(Window().hwnd(), strOther);
        EXPECT_FALSE(Page().LinkUp(LinkKind::Ble)) << strOther;
    }
    kit::SendInterfaceArrival(Window().hwnd(), pagetest::BleBroadcastName(9));
    EXPECT_TRUE(Page().LinkUp(LinkKind::Ble));
    EXPECT_TRUE(Page().LinkIndicator(LinkKind::Ble)->IsVisible());
    EXPECT_EQ(Registrations(), 1u);
    kit::SendInterfaceArrival(Window().hwnd(), pagetest::BleBroadcastName(9));
    EXPECT_EQ(Registrations(), 1u) << "a second arrival subscribes no more";
    EXPECT_EQ(Page().WiredState(), 1) << "the cable stays";

    // Charging reported over Bluetooth, then the removal: the cable charges the mouse still, and
    // the charging display keeps its animation.
    MouseEvent(0x40, 0x0003, Link::Ble);
    PumpUntil([&] { return PowerLabel() == L"charging_text"; });
    kit::SendInterfaceRemoval(Window().hwnd(), pagetest::BleBroadcastName(9));
    EXPECT_FALSE(Page().LinkUp(LinkKind::Ble));
    EXPECT_FALSE(Page().LinkIndicator(LinkKind::Ble)->IsVisible());
    EXPECT_EQ(Registrations(), 0u);
    EXPECT_EQ(PowerLabel(), L"charging_text");
    EXPECT_TRUE(::KillTimer(Window().hwnd(), PageTimer(9, TIMER_CHARGING))) << "the animation runs on";
    EXPECT_EQ(Page().BleDevice()->Write(reinterpret_cast<const uint8_t*>("\x0C"), 1), 0) << "the match strings are gone";
    EXPECT_EQ(Page().Online(), 1) << "the cable";
}

// MS_7 and MS_9 count their Bluetooth link towards online: a 2.4 GHz link timing out leaves the
// tab; MS_6 counts it as well.
TEST_F(Gen1Ble, TheTabStaysWhileBluetoothIsUp) {
    Timing().uPresenceTimeoutMs = 150;
    for (int iModel : kBluetoothModels) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        Start(iModel, Link::Receiver | Link::Ble);
        PumpUntil([&] { return !Page().LinkUp(LinkKind::Wireless); });
        EXPECT_EQ(Page().Online(), 1);
        PumpUntil([&] { return TabShown(); });
        kit::SendInterfaceRemoval(Window().hwnd(), pagetest::BleBroadcastName(iModel));
        EXPECT_EQ(Page().Online(), 0);
        PumpUntil([&] { return !TabShown(); });
        Stop();
    }
}

// A full send over Bluetooth alone leaves the rate pending; the next apply over the cable sends
// the rate the profile holds.
TEST_F(Gen1Ble, TheRateWaitsForALinkThatCarriesIt) {
    Start(7, Link::Ble);
    Page().Edit([](ProfileRecord& p) { p.iRate = 1; });
    Apply();
    EXPECT_EQ(Ids(BleWrites()), "0C 04 05 08");
    PlugCableAndSettle();
    ClearWrites();
    Apply();
    const std::vector<kit::Bytes> writes = CableWrites();
    ASSERT_EQ(Ids(writes), "0C 06");
    EXPECT_EQ(writes[1], BuildRateReport(Description(), Page().CurrentProfileCopy()));
    EXPECT_EQ(writes[1][3], 0x04) << "the second rate's code";
    EXPECT_TRUE(BleWrites().empty()) << "the cable carries it";
}

// A profile chosen in the list while Bluetooth LE is the only link goes to the mouse without its
// rate; when the cable arrives, the next apply sends the rate that profile holds over the cable.
class Gen1BleProfiles : public Gen1SettingsTest {
protected:
    Gen1BleProfiles() { Timing().uBleSubscribeMs = kNeverMs; }
};

TEST_F(Gen1BleProfiles, AProfileChosenOverBluetoothAloneGetsItsRateOnceTheCableArrives) {
    for (int iModel : {7, 6}) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        Start(iModel, Link::Ble);
        // The first profile as a person left it over the cable some time before.
        Page().Edit([](ProfileRecord& p) {
            p.iRate = 1;
            p.iRateHs = 2;
        });
        Apply();
        const auto& factory = Description().defaults;
        ASSERT_NE(factory.iRate, 1);
        EXPECT_EQ(Page().SentProfileCopy().iRate, factory.iRate) << "Bluetooth LE carries no rate";

        // A second profile (the factory settings), then back to the first by its row.
        {
            uikit::ModalAnswer name([](DuiLib::CWindowWnd& wnd) {
                uikit::TypeText(uikit::FindControl(wnd.GetHWND(), L"edit_name"), L"Travel");
                uikit::Click(wnd.GetHWND(), L"btn_ok");
            });
            const unsigned uApplies = Page().AppliesRun();
            ClickOn(L"profile_add_btn");
            ASSERT_TRUE(WaitForApplies(uApplies + 1));
        }
        ASSERT_EQ(Page().CurrentProfileCopy().iRate, factory.iRate);
        ClearWrites();
        const unsigned uApplies = Page().AppliesRun();
        ASSERT_TRUE(uikit::Click(ControlOf<DuiLib::CListUI>(L"list_profile")->GetItemAt(0)));
        ASSERT_TRUE(WaitForApplies(uApplies + 1));
        const ProfileRecord first = Page().CurrentProfileCopy();
        EXPECT_EQ(first.iRate, 1);
        EXPECT_EQ(Ids(BleWrites()), "0C 04 05 08") << "sent whole but the rate";
        EXPECT_EQ(Page().SentProfileCopy().iRate, factory.iRate) << "the mouse still has the rate it had";

        PlugCableAndSettle();
        ClearWrites();
        Apply();
        const std::vector<kit::Bytes> writes = CableWrites();
        ASSERT_EQ(Ids(writes), "0C 06");
        EXPECT_EQ(writes[1], BuildRateReport(Description(), first));
        EXPECT_TRUE(BleWrites().empty()) << "the cable carries everything";
        EXPECT_EQ(Page().SentProfileCopy().iRate, 1);
        Stop();
    }
}

// The program ends while the mouse keeps sending: no notification reaches the page after it
// shut down, and nothing breaks.
TEST_F(Gen1Ble, ShutDownAmidNotifications) {
    Start(6, Link::Ble);
    std::atomic<bool> bStop{false};
    std::atomic<int> iSent{0};
    std::thread mouse([&] {
        for (uint16_t i = 0; !bStop; ++i) {
            m_ble.Notify(m_iBleMouse, {0x32, 0x10, static_cast<uint8_t>(1 + i % 8), 0x00});
            ++iSent;
        }
    });
    PumpUntil([&] { return iSent > 20; });
    Page().Shutdown();
    const int iRegistrations = static_cast<int>(Registrations());
    EXPECT_EQ(iRegistrations, 0) << "the registration ended with the page";
    const int iStage = Page().CurrentProfileCopy().iCurDpi;
    const int iSentBefore = iSent;
    PumpUntil([&] { return iSent > iSentBefore + 20; });
    uikit::PumpUntilIdle(50);
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, iStage) << "nothing reached the page";
    bStop = true;
    mouse.join();
}

// ---- MS_6 over each of its links ----

// A full send over each single link, and with all four up: the cable carries everything, the
// rate frame with both rates; Bluetooth LE never gets the rate.
TEST_F(Gen1Ble, Ms6FullSendOverEachLink) {
    const struct {
        Link eLinks;
        Link eCarrier;
        const char* pszIds;
    } rows[] = {
        {Link::Cable, Link::Cable, "0C 04 05 06 08"},
        {Link::Receiver, Link::Receiver, "0C 04 05 06 08"},
        {Link::Receiver4k, Link::Receiver4k, "0C 04 05 06 08"},
        {Link::Ble, Link::Ble, "0C 04 05 08"},
        {Link::All | Link::Ble, Link::Cable, "0C 04 05 06 08"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(LinkName(row.eLinks));
        Start(6, row.eLinks);
        Page().Edit([](ProfileRecord& p) {
            p.iRate = 2;
            p.iRateHs = 5;
        });
        Apply();
        const std::vector<kit::Bytes> frames = Frames(row.eCarrier);
        EXPECT_EQ(Ids(frames), row.pszIds);
        const ProfileRecord p = Page().CurrentProfileCopy();
        for (const kit::Bytes& frame : frames)
            if (!frame.empty() && frame[0] == 0x06) {
                EXPECT_EQ(frame, BuildRateReport(Description(), p));
                EXPECT_EQ(frame[3], 0x63) << "4K option 6 in the high nibble, option 3 in the low";
            }
        for (Link eOther : {Link::Cable, Link::Receiver, Link::Receiver4k, Link::Ble})
            if (eOther != row.eCarrier) {
                EXPECT_TRUE(Frames(eOther).empty()) << LinkName(eOther);
            }
        Stop();
    }
}

}  // namespace
}  // namespace gen1test
