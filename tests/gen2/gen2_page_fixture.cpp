#include "tests/gen2/gen2_page_fixture.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"

namespace gen2test {

Gen2PageTest::Gen2PageTest() : PageWorldTest(L"gen2_scratch_page_" + pagetest::ProgramName()) {}

Gen2PageTest::~Gen2PageTest() { m_pWnd.reset(); }

void Gen2PageTest::Start(int iModel, unsigned links, bool bAcknowledge) {
    m_iModel = iModel;
    m_links = links;
    const ModelInfo& info = ModelOf(iModel).Info();
    if (links & kCable) m_cable = kit::PlugCableMouse(info.wCablePid);
    if (links & kReceiver) m_receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    if (links & k4k) m_receiver4k = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    if (links & kBle) {
        // Paired: the system shows the mouse as a HID device and as a Bluetooth LE interface.
        kit::PlugBluetoothMouse(info.wBlePid);
        m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(BleProductMatch(iModel), L"d0c5f3a1b2c4"));
    }
    const std::wstring strFolder = m_data.Path() + L"\\";
    m_pWnd = std::make_unique<MainWindow>(m_bShowWindow, [this, iModel, strFolder](int n) -> std::unique_ptr<CPageBase> {
        if (n != iModel) return nullptr;
        auto pPage = std::make_unique<TestGen2Page>(n, strFolder);
        pPage->UseDriverLibrary(m_strDriverLibrary);
        m_pPage = pPage.get();
        return pPage;
    });
    ASSERT_NE(m_pPage, nullptr);
    if (links & kReceiver) {
        if (bAcknowledge) kit::AcknowledgeWrites(m_receiver.commandId, m_receiver.eventId, IdByte());
        MouseEvent(0x40, 0x5001, Road::Receiver);
        PumpUntil([&] { return Page().WirelessDevice() != nullptr && Page().LinkUp(LinkKind::Wireless); });
    }
    if (links & k4k) {
        MouseEvent(0x40, 0x5001, Road::Wireless4k);
        PumpUntil([&] { return Page().Wireless4kDevice() != nullptr && Page().LinkUp(LinkKind::Wireless4k); });
    }
    if (links & kCable) {
        ASSERT_EQ(Page().WiredState(), 1) << "the cabled mouse opens at set-up";
    }
    if (m_bShowWindow) {
        // The page's tab in front, as a person would have it.
        if (auto* pTab = ControlAs<DuiLib::COptionUI>(
                uikit::FindControl(m_pWnd->hwnd(), (L"option_device_" + std::to_wstring(iModel)).c_str())))
            uikit::Click(pTab);
        uikit::PumpUntilIdle(200);
    }
    if (links & kBle) {
        ASSERT_TRUE(Page().LinkUp(LinkKind::Ble)) << "the paired mouse's link comes up with the data";
        if (m_bAwaitSubscription) PumpUntil([&] { return !m_ble.Registrations().empty(); });
    }
    ClearAllWrites();
    Page().ClearPauses();
}

void Gen2PageTest::CloseWindow() {
    m_pPage = nullptr;
    m_pWnd.reset();
}

void Gen2PageTest::MouseEvent(uint8_t byCode, uint16_t wValue, Road eRoad) {
    switch (eRoad) {
        case Road::Cable: kit::QueueEvent(m_cable.id, IdByte(), byCode, wValue); return;
        case Road::Receiver: kit::QueueEvent(m_receiver.eventId, IdByte(), byCode, wValue); return;
        case Road::Wireless4k: kit::QueueEvent(m_receiver4k.eventId, IdByte(), byCode, wValue); return;
        case Road::Ble:
            Notify({IdByte(), byCode, static_cast<uint8_t>(wValue & 0xFF), static_cast<uint8_t>(wValue >> 8)});
            return;
    }
}

void Gen2PageTest::Deliver(Road eRoad, int iCode, int iValue) {
    switch (eRoad) {
        case Road::Cable: Page().DeliverDevMonitor(static_cast<DWORD>(EventWord(iCode)) << 16 | static_cast<DWORD>(iValue)); return;
        case Road::Receiver: Page().DeliverDeviceEvent(EventWord(iCode), iValue); return;
        case Road::Wireless4k: Page().DeliverDeviceEvent4k(EventWord(iCode), iValue); return;
        case Road::Ble:
            Page().DeliverGattValue({IdByte(), static_cast<uint8_t>(iCode), static_cast<uint8_t>(iValue & 0xFF),
                                     static_cast<uint8_t>((iValue >> 8) & 0xFF)});
            return;
    }
}

int Gen2PageTest::Notify(const blekit::Bytes& value) { return m_ble.Notify(m_iBleMouse, value); }

void Gen2PageTest::Flush(Road eRoad) {
    const int iStage = Page().CurrentProfileCopy().iCurDpi == 7 ? 6 : 7;
    MouseEvent(0x10, static_cast<uint16_t>(iStage + 1), eRoad);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == iStage; });
}

std::wstring Gen2PageTest::ProDataPath() const { return m_data / (DataFolderName(m_iModel) + L"\\pro.data"); }

std::unique_ptr<ProfileRecordEx> Gen2PageTest::SavedCurrentProfile() const {
    if (m_pPage != nullptr) {
        EXPECT_TRUE(Poll([this] { return m_pPage->SavesSettled(); }, 5000));
    }
    Gen2Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    ProfileListEx profiles;
    auto pHeader = Zeroed<ProDataHeader>();
    storage.LoadProData(profiles, *pHeader);
    const size_t uCurrent = static_cast<size_t>(pHeader->iCurProfile);
    if (uCurrent >= profiles.size()) return nullptr;
    auto pProfile = Zeroed<ProfileRecordEx>();
    *pProfile = *profiles[uCurrent];
    return pProfile;
}

std::vector<kit::Bytes> Gen2PageTest::CableWrites() const {
    return (m_links & kCable) ? WritesTo(m_cable.id) : std::vector<kit::Bytes>{};
}

std::vector<kit::Bytes> Gen2PageTest::ReceiverWrites() const {
    return (m_links & kReceiver) ? WritesTo(m_receiver.commandId) : std::vector<kit::Bytes>{};
}

std::vector<kit::Bytes> Gen2PageTest::FourKWrites() const {
    return (m_links & k4k) ? WritesTo(m_receiver4k.commandId) : std::vector<kit::Bytes>{};
}

std::vector<kit::Bytes> Gen2PageTest::BleWrites() const {
    std::vector<kit::Bytes> writes;
    const std::vector<blekit::ValueWrite> all = m_ble.ValueWrites();
    for (size_t i = m_uBleWritesSeen; i < all.size(); ++i) writes.push_back(all[i].data);
    return writes;
}

void Gen2PageTest::ClearAllWrites() {
    ClearWrites();
    m_uBleWritesSeen = m_ble.ValueWrites().size();
}

std::string Gen2PageTest::BleBroadcastName(const std::string& strVendor) const {
    return BleBroadcastNameFor(m_iModel, strVendor);
}

std::string Gen2PageTest::BleBroadcastNameFor(int iModel, const std::string& strVendor) const {
    return pagetest::BleBroadcastName(iModel, strVendor);
}

DuiLib::CControlUI* Gen2PageTest::Control(const wchar_t* pszSuffix) {
    return uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + pszSuffix).c_str());
}

bool Gen2PageTest::Visible(const wchar_t* pszSuffix) {
    DuiLib::CControlUI* pControl = Control(pszSuffix);
    EXPECT_NE(pControl, nullptr) << "no control";
    return pControl != nullptr && pControl->IsVisible();
}

}  // namespace gen2test
