#include "tests/gen1/gen1_page_fixture.h"

#include "core/devices/device_timing.h"
#include "models/table/model_table.h"
#include "tests/kit/page_world_fixture.h"

#include <algorithm>

namespace gen1test {

Gen1PageTest::Gen1PageTest() { pagetest::PrepareWorld(); }

Gen1PageTest::~Gen1PageTest() {
    m_pWnd.reset();
    kit::ResetWorld();
}

uint8_t Gen1PageTest::IdByte() const { return FindModel(m_iModel)->byIdByte; }

void Gen1PageTest::Start(int iModel, Link eLink, bool bAcknowledge) {
    m_iModel = iModel;
    m_bCable = Has(eLink, Link::Cable);
    m_bReceiver = Has(eLink, Link::Receiver);
    m_bReceiver4k = Has(eLink, Link::Receiver4k);
    m_bBle = Has(eLink, Link::Ble);
    if (m_bBle) {
        // Paired: the system shows the mouse as a HID device and as a Bluetooth LE interface.
        kit::PlugBluetoothMouse(FindModel(iModel)->wBlePid);
        m_iBleMouse = m_ble.AddDevice(blekit::MouseDevice(BleProductMatch(iModel), L"d0c5f3a1b2c4"));
    }
    if (m_bCable) m_cable = kit::PlugCableMouse(FindModel(iModel)->wCablePid);
    if (m_bReceiver) m_receiver = kit::PlugReceiver(kit::ReceiverKind::Wireless);
    if (m_bReceiver4k) m_receiver4k = kit::PlugReceiver(kit::ReceiverKind::Wireless4k);
    m_bAcknowledge = bAcknowledge;
    OpenWindow();
}

void Gen1PageTest::Restart() {
    m_pPage = nullptr;
    m_pWnd.reset();
    OpenWindow();
}

void Gen1PageTest::OpenWindow() {
    const int iModel = m_iModel;
    const bool bAcknowledge = m_bAcknowledge;
    const std::wstring strFolder = m_data.Path() + L"\\";
    m_pWnd = std::make_unique<MainWindow>(m_bShowWindow, [this, iModel, strFolder](int n) -> std::unique_ptr<CPageBase> {
        if (n != iModel) return nullptr;
        auto pPage = std::make_unique<TestGen1Page>(n, strFolder);
        m_pPage = pPage.get();
        return pPage;
    }, m_ePageStart);
    ASSERT_NE(m_pPage, nullptr);
    if (m_bReceiver) {
        if (bAcknowledge) {
            kit::AcknowledgeWrites(m_receiver.commandId, m_receiver.eventId, IdByte());
        }
        // A battery report identifies the mouse on the receiver and wakes it.
        MouseEvent(0x40, 0x5001);
        PumpUntil([&] { return Page().WirelessDevice() != nullptr && !Page().Sleeping(); });
    }
    if (m_bReceiver4k) {
        MouseEvent(0x40, 0x5001, Link::Receiver4k);
        PumpUntil([&] { return Page().Wireless4kDevice() != nullptr && Page().m_bWireless4k == 1 && !Page().Sleeping(); });
    }
    if (m_bCable) {
        ASSERT_EQ(Page().WiredState(), 1) << "the cabled mouse opens at set-up";
    }
    if (m_bBle) {
        ASSERT_TRUE(Page().LinkUp(LinkKind::Ble)) << "the paired mouse's link comes up with the data";
    }
    ClearWrites();
}

void Gen1PageTest::Stop() {
    m_pWnd.reset();
    m_pPage = nullptr;
    kit::ResetWorld();
    if (m_iBleMouse >= 0) m_ble.RemoveDevice(m_iBleMouse);
    m_iBleMouse = -1;
    DeleteFileW(ProDataPath().c_str());
    DeleteFileW((m_data / (DataFolderName(m_iModel) + L"\\macro.data")).c_str());
    m_bCable = m_bReceiver = m_bReceiver4k = m_bBle = false;
}

void Gen1PageTest::Apply() {
    const unsigned uBefore = Page().AppliesRun();
    Page().PostApply();
    ASSERT_TRUE(WaitForApplies(uBefore + 1)) << "the apply ended";
}

bool Gen1PageTest::WaitForApplies(unsigned uCount, unsigned uMs) {
    return Poll([&] { return Page().AppliesRun() >= uCount; }, uMs);
}

bool Gen1PageTest::Poll(const std::function<bool()>& pred, unsigned uMs) {
    // Other threads change what is waited for without always posting to this one: look often.
    const ULONGLONG ullEnd = GetTickCount64() + uMs;
    while (!pred()) {
        if (GetTickCount64() >= ullEnd) return false;
        uikit::PumpUntil(pred, 10);
    }
    return true;
}

void Gen1PageTest::MouseEvent(uint8_t byCode, uint16_t wValue, Link eOver) {
    if (eOver == Link::Ble) {
        Notify({IdByte(), byCode, static_cast<uint8_t>(wValue & 0xFF), static_cast<uint8_t>(wValue >> 8)});
        return;
    }
    const int iInterface = eOver == Link::Cable ? m_cable.id : eOver == Link::Receiver4k ? m_receiver4k.eventId : m_receiver.eventId;
    kit::QueueEvent(iInterface, IdByte(), byCode, wValue);
}

int Gen1PageTest::Notify(const blekit::Bytes& value) { return m_ble.Notify(m_iBleMouse, value); }

void Gen1PageTest::Flush(Link eOver) {
    const int iStage = Page().CurrentProfileCopy().iCurDpi == 7 ? 6 : 7;
    MouseEvent(0x10, static_cast<uint16_t>(iStage + 1), eOver);
    PumpUntil([&] { return Page().CurrentProfileCopy().iCurDpi == iStage; });
}

void Gen1PageTest::PumpUntil(const std::function<bool()>& pred, unsigned uMs) { ASSERT_TRUE(Poll(pred, uMs)); }

std::wstring Gen1PageTest::ProDataPath() const {
    return m_data / (DataFolderName(m_iModel) + L"\\pro.data");
}

ProfileRecord Gen1PageTest::SavedCurrentProfile() const {
    if (m_pPage != nullptr) {
        EXPECT_TRUE(Poll([this] { return m_pPage->SavesSettled(); }, 5000));
    }
    Gen1Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    ProfileList profiles;
    ProDataHeader header;
    storage.LoadProData(profiles, header);
    const size_t uCurrent = static_cast<size_t>(header.iCurProfile);
    return uCurrent < profiles.size() ? *profiles[uCurrent] : ProfileRecord{};
}

bool Gen1PageTest::ProDataExists() const {
    if (m_pPage != nullptr) {
        EXPECT_TRUE(Poll([this] { return m_pPage->SavesSettled(); }, 5000));
    }
    return FileExists(ProDataPath());
}

namespace {
std::vector<kit::Bytes> DataOf(const std::vector<kit::WrittenReport>& reports) {
    std::vector<kit::Bytes> data;
    for (const kit::WrittenReport& r : reports) data.push_back(r.data);
    return data;
}
}  // namespace

std::vector<kit::Bytes> Gen1PageTest::CableWrites() const {
    return m_bCable ? DataOf(kit::WritesTo(m_cable.id)) : std::vector<kit::Bytes>{};
}

std::vector<kit::Bytes> Gen1PageTest::ReceiverWrites() const {
    return m_bReceiver ? DataOf(kit::WritesTo(m_receiver.commandId)) : std::vector<kit::Bytes>{};
}

std::vector<kit::Bytes> Gen1PageTest::Receiver4kWrites() const {
    return m_bReceiver4k ? DataOf(kit::WritesTo(m_receiver4k.commandId)) : std::vector<kit::Bytes>{};
}

void Gen1PageTest::PlugCableAndSettle() {
    m_cable = kit::PlugCableMouse(FindModel(m_iModel)->wCablePid);
    m_bCable = true;
    PumpUntil([&] { return Page().WiredState() == 1; });
}

std::vector<kit::Bytes> Gen1PageTest::BleWrites() const {
    std::vector<kit::Bytes> writes;
    const std::vector<blekit::ValueWrite> all = m_ble.ValueWrites();
    for (size_t i = m_uBleWritesSeen; i < all.size(); ++i) writes.push_back(all[i].data);
    return writes;
}

void Gen1PageTest::ClearWrites() {
    simhid_clear_writes();
    m_uBleWritesSeen = m_ble.ValueWrites().size();
}

std::vector<kit::Bytes> Gen1PageTest::Frames(Link eOver) const {
    const size_t uMacroLength = Description().macroFrame.byLength;
    if (eOver == Link::Ble) return BleWrites();  // one whole frame per write
    std::vector<kit::Bytes> frames;
    if (eOver == Link::Receiver4k) {
        for (const kit::Bytes& report : Receiver4kWrites()) {
            if (report.size() < 5 || report[1] < 5) continue;
            const size_t uCarried = std::min<size_t>(report[1] - 5u, report.size() - 3);
            kit::Bytes part(report.begin() + 3, report.begin() + 3 + static_cast<ptrdiff_t>(uCarried));
            if (report[2] != 0 && !frames.empty())
                frames.back().insert(frames.back().end(), part.begin(), part.end());
            else
                frames.push_back(part);
        }
        return frames;
    }
    const std::vector<kit::Bytes> writes = eOver == Link::Cable ? CableWrites() : Distinct(ReceiverWrites());
    for (const kit::Bytes& w : writes) {
        const bool bMacroPiece = w.size() == 64 && w[0] == 0x09;
        if (!bMacroPiece) {
            frames.push_back(w);
            continue;
        }
        if (w[3] == 0) frames.push_back(kit::Bytes{0x09, static_cast<uint8_t>(uMacroLength), w[2]});
        if (frames.empty()) continue;
        kit::Bytes& frame = frames.back();
        frame.insert(frame.end(), w.begin() + 4, w.end());
        if (frame.size() > uMacroLength) frame.resize(uMacroLength);
    }
    return frames;
}

std::string Gen1PageTest::Ids(const std::vector<kit::Bytes>& writes) {
    std::string strIds;
    for (const kit::Bytes& w : writes) {
        if (!strIds.empty()) strIds += ' ';
        strIds += w.empty() ? std::string("--") : ToHex(w.data(), 1);
    }
    return strIds;
}

std::vector<kit::Bytes> Gen1PageTest::Distinct(const std::vector<kit::Bytes>& writes) {
    std::vector<kit::Bytes> distinct;
    for (const kit::Bytes& w : writes)
        if (distinct.empty() || distinct.back() != w) distinct.push_back(w);
    return distinct;
}

const char* LinkName(Link eLinks) {
    switch (eLinks) {
        case Link::None: return "none";
        case Link::Cable: return "cable";
        case Link::Receiver: return "receiver";
        case Link::Both: return "cable_receiver";
        case Link::Receiver4k: return "receiver4k";
        case Link::Cable4k: return "cable_receiver4k";
        case Link::All: return "all";
        default: return "receivers";
    }
}

std::wstring ProgramName() {
    const std::wstring strPath = GetModuleFilePath(nullptr);
    return strPath.substr(strPath.find_last_of(L"\\/") + 1);
}

bool ChecksumHolds(const kit::Bytes& frame, size_t uAt) {
    if (uAt < 3 || uAt + 1 >= frame.size()) return false;
    uint16_t wSum = 0;
    for (size_t i = 3; i < uAt; ++i) wSum = static_cast<uint16_t>(wSum + frame[i]);
    return frame[uAt] == (wSum >> 8) && frame[uAt + 1] == (wSum & 0xFF);
}

}  // namespace gen1test
