// The battery display of a model page as a person reads it, on both generations' real pages: the
// label over the bar shows nothing (an empty bar), charging (the bar running) or a level (the bar
// standing at it), never two of them at once, whatever the cable, the receivers and the Bluetooth
// link do in between. The mouse's reports are handed to the page as the core hands them over; the
// cable and the Bluetooth mouse come and go as the system announces them.
#include "tests/kit/device_change.h"
#include "models/pages/device_page.h"
#include "models/pages/gen1_page.h"
#include "models/pages/gen2_page.h"
#include "models/table/model_table.h"
#include "tests/kit/page_world_fixture.h"
#include "tests/kit/ble/sim_ble_world.h"

#include <cctype>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using DuiLib::CControlUI;
using DuiLib::CProgressUI;

enum Links : unsigned { kNoLink = 0, kCable = 1, kReceiver = 2, kBle = 4 };
enum class Road { Cable, Receiver, Ble };

// What the display shows: "charging", a level ("57%") or nothing ("").
constexpr const wchar_t* kCharging = L"charging";

// One thing that happens to the page, and what the display shows afterwards.
struct Step {
    enum class Kind { Battery, CableOut, CableIn, BleUp, BleDown } eKind;
    Road eRoad;
    int iStatus;  // a battery report's status (2 full, 3 charging, others on battery) and level
    int iLevel;
    const wchar_t* pszShown;
};

constexpr Step Battery(Road eRoad, int iStatus, int iLevel, const wchar_t* pszShown) {
    return {Step::Kind::Battery, eRoad, iStatus, iLevel, pszShown};
}
constexpr Step Happens(Step::Kind eKind, const wchar_t* pszShown) { return {eKind, Road::Cable, 0, 0, pszShown}; }
constexpr Step CableOut(const wchar_t* pszShown) { return Happens(Step::Kind::CableOut, pszShown); }
constexpr Step CableIn(const wchar_t* pszShown) { return Happens(Step::Kind::CableIn, pszShown); }
constexpr Step BleUp(const wchar_t* pszShown) { return Happens(Step::Kind::BleUp, pszShown); }
constexpr Step BleDown(const wchar_t* pszShown) { return Happens(Step::Kind::BleDown, pszShown); }

constexpr int kOnBattery = 1;
constexpr int kFull = 2;
constexpr int kChargingNow = 3;

std::string StepName(const Step& step) {
    switch (step.eKind) {
        case Step::Kind::Battery: {
            const char* pszRoad = step.eRoad == Road::Cable ? "cable" : step.eRoad == Road::Receiver ? "2.4 GHz" : "Bluetooth";
            return std::string("battery ") + std::to_string(step.iStatus) + "/" + std::to_string(step.iLevel) + " over the " + pszRoad;
        }
        case Step::Kind::CableOut: return "the cable leaves";
        case Step::Kind::CableIn: return "the cable comes";
        case Step::Kind::BleUp: return "the Bluetooth mouse comes";
        case Step::Kind::BleDown: return "the Bluetooth mouse leaves";
    }
    return "?";
}

class BatteryDisplay : public pagetest::PageWorldTest {
protected:
    BatteryDisplay() : PageWorldTest(L"battery_" + pagetest::ProgramName()) {}
    ~BatteryDisplay() override { m_pWnd.reset(); }

    // Plugs the devices of `links`, then opens the window with the model's real page. A receiver
    // is told its mouse by an event that says nothing of the battery.
    void Start(int iModel, unsigned links) {
        m_iModel = iModel;
        const ModelInfo& info = *FindModel(iModel);
        if (info.HasBle()) {
            // The mouse is in the Bluetooth world; paired at the start only with kBle.
            m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(BleProductMatch(iModel), L"d0c5f3a1b2c4"));
            if (links & kBle) kit::PlugBluetoothMouse(info.wBlePid);
        }
        if (links & kCable) m_cable = kit::PlugCableMouse(info.wCablePid);
        if (links & kReceiver) m_receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
        const std::wstring strFolder = m_data.Path() + L"\\";
        m_pWnd = std::make_unique<MainWindow>(false, [this, iModel, strFolder](int n) -> std::unique_ptr<CPageBase> {
            if (n != iModel) return nullptr;
            std::unique_ptr<CDevicePage> pPage;
            if (FindModel(n)->iGeneration == 1)
                pPage = std::make_unique<CGen1Page>(n, strFolder);
            else
                pPage = std::make_unique<CGen2Page>(n, strFolder);
            m_pPage = pPage.get();
            return pPage;
        });
        ASSERT_NE(m_pPage, nullptr);
        if (links & kReceiver) {
            kit::QueueEvent(m_receiver.eventId, info.byIdByte, 0x60, 0);
            PumpUntil([&] { return m_pPage->LinkUp(LinkKind::Wireless); });
        }
        // A cable the second generation's Bluetooth link took over no longer counts, but shows.
        ASSERT_EQ(m_pPage->LinkIndicator(LinkKind::Cable)->IsVisible(), (links & kCable) != 0);
        ASSERT_EQ(m_pPage->LinkUp(LinkKind::Ble), (links & kBle) != 0);
    }

    void Do(const Step& step) {
        const ModelInfo& info = *FindModel(m_iModel);
        switch (step.eKind) {
            case Step::Kind::Battery: {
                const int iWord = BatteryCode() * 256 + info.byIdByte;
                const int iValue = step.iLevel * 256 + step.iStatus;
                if (step.eRoad == Road::Cable)
                    m_pPage->DeliverDevMonitor(static_cast<DWORD>(iWord) << 16 | static_cast<DWORD>(iValue));
                else if (step.eRoad == Road::Receiver)
                    m_pPage->DeliverDeviceEvent(iWord, iValue);
                else
                    m_pPage->DeliverGattValue({info.byIdByte, static_cast<uint8_t>(BatteryCode()),
                                               static_cast<uint8_t>(step.iStatus), static_cast<uint8_t>(step.iLevel)});
                return;
            }
            case Step::Kind::CableOut:
                // The driver library hears of it and tells the page; a cable that no longer counts
                // as a link leaves its state as it was, so the wait is for the label.
                kit::UnplugCableMouse(m_cable);
                Poll([&] { return m_pPage->WiredState() == 2 && PowerLabel().empty(); }, 5000);
                return;
            case Step::Kind::CableIn:
                m_cable = kit::PlugCableMouse(info.wCablePid);
                PumpUntil([&] { return m_pPage->WiredState() == 1; });
                return;
            case Step::Kind::BleUp:
                kit::SendInterfaceArrival(m_pWnd->hwnd(), pagetest::BleBroadcastName(m_iModel));
                return;
            case Step::Kind::BleDown:
                kit::SendInterfaceRemoval(m_pWnd->hwnd(), pagetest::BleBroadcastName(m_iModel));
                return;
        }
    }

    std::wstring PowerLabel() { return Control(L"label_power")->GetTextSource().GetData(); }

    // The label, the bar and the charging animation agree with what the display should show.
    void ExpectShows(const wchar_t* pszShown) {
        CControlUI* pLabel = Control(L"label_power");
        auto* pBar = ControlAs<CProgressUI>(Control(L"progress_power"));
        ASSERT_NE(pLabel, nullptr);
        ASSERT_NE(pBar, nullptr);
        const std::wstring strLabel = PowerLabel();
        const std::wstring strShown = pszShown;
        if (strShown == kCharging) {
            EXPECT_EQ(strLabel, L"charging_text");
            EXPECT_TRUE(pLabel->IsResourceText());
            EXPECT_TRUE(AnimationRuns()) << "the bar runs beside the charging text";
            return;
        }
        EXPECT_EQ(strLabel, strShown);
        if (!strShown.empty()) {
            EXPECT_FALSE(pLabel->IsResourceText()) << "a level is shown as it stands";
        }
        EXPECT_FALSE(AnimationRuns()) << "the bar stands";
        EXPECT_EQ(pBar->GetValue(), strShown.empty() ? 0 : std::stoi(strShown)) << "the bar shows what the label says";
    }

    // Whether the page's charging timer is set on the main window (it is set again as it was).
    bool AnimationRuns() {
        const UINT_PTR uId = PageTimer(m_iModel, TIMER_CHARGING);
        if (!::KillTimer(m_pWnd->hwnd(), uId)) return false;
        ::SetTimer(m_pWnd->hwnd(), uId, 30, nullptr);
        return true;
    }

    int BatteryCode() const {
        const Gen2Model* pModel = FindGen2Model(m_iModel);
        return pModel != nullptr ? pModel->iBatteryEventCode : 0x40;
    }
    CControlUI* Control(const wchar_t* pszSuffix) {
        return uikit::FindControl(m_pWnd->hwnd(), (ControlPrefix(m_iModel) + pszSuffix).c_str());
    }

    blekit::SimBleWorld m_ble;
    int m_iBleMouse = -1;
    kit::CableMouse m_cable;
    kit::Receiver m_receiver;

private:
    int m_iModel = 0;
    std::unique_ptr<MainWindow> m_pWnd;
    CDevicePage* m_pPage = nullptr;
};

struct Case {
    const char* pszCase;
    int iModel;
    unsigned links;
    const wchar_t* pszAtStart;
    std::vector<Step> steps;
};

void PrintTo(const Case& c, std::ostream* pOut) { *pOut << c.pszCase; }

std::string CaseName(const ::testing::TestParamInfo<Case>& info) {
    std::string strName = info.param.pszCase;
    for (char& c : strName)
        if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
    return strName;
}

class BatteryDisplayCases : public BatteryDisplay, public ::testing::WithParamInterface<Case> {};

TEST_P(BatteryDisplayCases, OneThingShownAtATime) {
    const Case& c = GetParam();
    SCOPED_TRACE("MS_" + std::to_string(c.iModel) + ", generation " + std::to_string(FindModel(c.iModel)->iGeneration));
    Start(c.iModel, c.links);
    {
        SCOPED_TRACE("at the start");
        ExpectShows(c.pszAtStart);
    }
    for (const Step& step : c.steps) {
        SCOPED_TRACE(StepName(step));
        Do(step);
        ExpectShows(step.pszShown);
    }
}

const Case kCases[] = {
    // First generation.
    {"Gen1CableAlone", 6, kCable, kCharging,
     {BleUp(kCharging), BleDown(kCharging), Battery(Road::Cable, kFull, 0, L"100%"), CableOut(L""), CableIn(kCharging)}},
    {"Gen1CableAndBluetooth", 9, kCable | kBle, kCharging,
     {Battery(Road::Ble, kOnBattery, 57, L"57%"), Battery(Road::Ble, kChargingNow, 0, kCharging), BleDown(kCharging),
      CableOut(L"")}},
    {"Gen1BluetoothAlone", 7, kBle, L"",
     {Battery(Road::Ble, kOnBattery, 0, L"0%"), Battery(Road::Ble, kChargingNow, 0, kCharging), BleDown(L""), BleUp(L"")}},
    {"Gen1Receiver", 10, kReceiver, L"",
     {Battery(Road::Receiver, kOnBattery, 57, L"57%"), Battery(Road::Receiver, kOnBattery, 0, L"57%"),
      Battery(Road::Receiver, kChargingNow, 0, kCharging), Battery(Road::Receiver, kOnBattery, 0, L""),
      Battery(Road::Receiver, kFull, 0, L"100%")}},
    // Second generation.
    {"Gen2CableAlone", 11, kCable, kCharging,
     {Battery(Road::Cable, kOnBattery, 80, L"80%"), Battery(Road::Cable, kChargingNow, 0, kCharging), CableOut(L""),
      CableIn(kCharging)}},
    {"Gen2CableAndBluetooth", 11, kCable | kBle, kCharging,
     {Battery(Road::Ble, kOnBattery, 57, L"57%"), Battery(Road::Ble, kChargingNow, 0, kCharging), BleDown(kCharging),
      BleUp(kCharging), CableOut(L""), Battery(Road::Ble, kOnBattery, 57, L"57%")}},
    {"Gen2BluetoothAlone", 21, kBle, L"100%", {Battery(Road::Ble, kChargingNow, 0, kCharging), BleDown(L""), BleUp(L"100%")}},
    {"Gen2ReceiverRaisedLevel", 15, kReceiver, L"",
     {Battery(Road::Receiver, kOnBattery, 55, L"65%"), Battery(Road::Receiver, kChargingNow, 0, kCharging),
      Battery(Road::Receiver, kFull, 0, L"100%")}},
    {"Gen2CableReceiverThenBluetooth", 20, kCable | kReceiver, kCharging,
     {Battery(Road::Receiver, kOnBattery, 80, L"80%"), Battery(Road::Receiver, kChargingNow, 0, kCharging), BleUp(kCharging),
      CableOut(L"")}},
};

INSTANTIATE_TEST_SUITE_P(Sequences, BatteryDisplayCases, ::testing::ValuesIn(kCases), CaseName);

}  // namespace
