// SetLink for the four kinds of link, on the real main window's skins: the flag, the indicator,
// the link controls and the announcement, as each model's policy has them. The expected values
// are written out per step, not read from the policy table under test.
#include "tests/kit/main_window_fixture.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>


namespace {

using enum LinkKind;

struct Step {
    LinkKind kind;
    bool bUp;
    bool bChanged;    // SetLink's result
    bool bControls;   // UpdateLinkControls ran
    int iAnnounced;   // WM_DEVICELISTCHANGED posted
    int iOnline;      // m_bOnline afterwards
};

struct Story {
    int iModel;
    std::vector<Step> steps;
};

const wchar_t* Name(LinkKind kind) {
    switch (kind) {
        case Cable: return L"wired";
        case Wireless: return L"wireless";
        case Wireless4k: return L"wireless_4k";
        case Ble: return L"BLE";
    }
    return L"";
}

int Count(const CSpyPage& page, const std::wstring& line) {
    int n = 0;
    for (const std::wstring& call : page.m_calls) n += call == line;
    return n;
}

TEST(PageLinks, EachKindFollowsItsModelsPolicy) {
    kit::ResetWorld();
    FreshSettingsFile();
    const Story stories[] = {
        // MS_10: cable and 2.4 GHz count, announced on a change of the online state only; the
        // receiver links leave the link controls alone, the cable refreshes them.
        {10,
         {{Wireless, true, true, false, 1, 1},
          {Wireless, true, false, false, 0, 1},
          {Cable, true, true, true, 0, 1},
          {Wireless, false, true, false, 0, 1},
          {Cable, false, true, true, 1, 0},
          {Cable, false, false, false, 0, 0},
          {Wireless4k, true, true, false, 0, 0}}},
        // MS_3: the 4K link counts and every receiver link refreshes the controls.
        {3, {{Wireless4k, true, true, true, 1, 1}, {Wireless, true, true, true, 0, 1}, {Wireless4k, false, true, true, 0, 1}}},
        // MS_7: its Bluetooth link counts towards online, announced as the online state changes.
        {7, {{Ble, true, true, true, 1, 1}, {Wireless, true, true, true, 0, 1}, {Wireless, false, true, true, 0, 1},
             {Ble, false, true, false, 1, 0}}},
        // MS_11: every link counts and every change is announced, but the cable and the
        // Bluetooth link going down announce only a change of the online state.
        {11,
         {{Wireless, true, true, true, 1, 1},
          {Wireless4k, true, true, true, 1, 1},
          {Ble, true, true, true, 1, 1},
          {Wireless, false, true, true, 1, 1},
          {Wireless4k, false, true, true, 1, 1},
          {Ble, false, true, false, 1, 0},
          {Ble, true, true, true, 1, 1},
          {Cable, true, true, true, 0, 1},
          {Ble, false, true, false, 0, 1}}},
        // MS_12: no Bluetooth towards online, yet every link change is announced.
        {12, {{Ble, true, true, true, 1, 0}, {Wireless, true, true, true, 1, 1}}},
    };
    MainWindow wnd;
    for (const Story& story : stories) {
        CSpyPage& page = wnd.Page(story.iModel);
        int i = 0;
        for (const Step& step : story.steps) {
            ++i;
            wnd.ClearCalls();
            wnd.TakePosted(WM_DEVICELISTCHANGED);
            EXPECT_EQ(page.SetLink(step.kind, step.bUp), step.bChanged) << "MS_" << story.iModel << " step " << i;
            EXPECT_EQ(page.LinkUp(step.kind), step.bUp) << "MS_" << story.iModel << " step " << i;
            DuiLib::CControlUI* pIndicator = page.FindPageControl(Name(step.kind));
            EXPECT_EQ(page.LinkIndicator(step.kind), pIndicator);
            if (pIndicator == nullptr) {
                // A model's skin has the Bluetooth indicator only where the model has the link.
                EXPECT_TRUE(step.kind == LinkKind::Ble && !page.Info().HasBle()) << "MS_" << story.iModel << " step " << i;
            } else {
                EXPECT_EQ(pIndicator->IsVisible(), step.bUp) << "MS_" << story.iModel << " step " << i;
            }
            EXPECT_EQ(Count(page, L"UpdateLinkControls"), step.bControls ? 1 : 0) << "MS_" << story.iModel << " step " << i;
            EXPECT_EQ(wnd.TakePosted(WM_DEVICELISTCHANGED), step.iAnnounced) << "MS_" << story.iModel << " step " << i;
            EXPECT_EQ(page.Online(), step.iOnline) << "MS_" << story.iModel << " step " << i;
        }
    }
    // The cable's state keeps "removed" apart from "never seen".
    EXPECT_EQ(wnd.Page(10).WiredState(), 2);
    EXPECT_EQ(wnd.Page(3).WiredState(), 0);
}

TEST(PageLinks, TheBluetoothLinkArmsAndDisarmsTheMatchStrings) {
    kit::ResetWorld();
    FreshSettingsFile();
    MainWindow wnd;
    CSpyPage& page = wnd.Page(11);
    ASSERT_NE(page.BleDevice(), nullptr);
    EXPECT_EQ(page.BleDevice()->Pid(), L"") << "down: Write and Subscribe do nothing";
    page.SetLink(Ble, true);
    EXPECT_EQ(page.BleDevice()->Vid(), L"VID&02045E");
    EXPECT_EQ(page.BleDevice()->Pid(), L"PID&0037");
    page.SetLink(Ble, false);
    EXPECT_EQ(page.BleDevice()->Pid(), L"");
    EXPECT_EQ(wnd.Page(12).BleDevice(), nullptr) << "MS_12 has no Bluetooth link";
}

TEST(PageLinks, ASnapshotIsOnePictureOfLinksAndHandles) {
    kit::ResetWorld();
    FreshSettingsFile();
    const kit::Receiver slow = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    const kit::Receiver fast = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    MainWindow wnd;
    CSpyPage& page = wnd.Page(11);
    const HidDevicePtr hSlow = OpenHidPath(slow.commandPath.c_str());
    const HidDevicePtr hFast = OpenHidPath(fast.commandPath.c_str());
    page.SetWirelessHandle(hSlow);
    page.SetWireless4kHandle(hFast);

    LinkSnapshot links = page.Links();
    EXPECT_FALSE(links.Any());
    EXPECT_FALSE(links.FirstUp({Cable, Wireless4k, Wireless, Ble}).has_value());

    page.SetLink(Wireless, true);
    page.SetLink(Ble, true);
    links = page.Links();
    EXPECT_EQ(links.FirstUp({Cable, Wireless4k, Wireless, Ble}), Wireless);
    EXPECT_EQ(links.hWirelessDevice, hSlow);
    EXPECT_EQ(links.hWireless4kDevice, hFast);
    page.SetLink(Wireless4k, true);
    EXPECT_EQ(page.Links().FirstUp({Cable, Wireless4k, Wireless, Ble}), Wireless4k);
    EXPECT_EQ(links.FirstUp({Cable, Wireless4k, Wireless, Ble}), Wireless) << "a snapshot does not change under its holder";

    kit::ResetWorld();
}

}  // namespace
