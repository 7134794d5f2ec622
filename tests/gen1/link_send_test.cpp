// The send routine on a port that records instead of sending and waiting: which link a frame
// takes, how it is packaged, and the pauses each generation's policy makes, in order. The pauses
// are checked as asked for, not timed.
#include "models/pages/link_send.h"

#include "core/devices/device_timing.h"
#include "tests/kit/file_kit.h"
#include "models/data/profile_frames.h"
#include "tests/kit/scoped_timing.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using testkit::ToHex;

class RecordingPort : public LinkPort {
public:
    LinkSnapshot links;
    bool bCableTakes = true;
    int iAckAfterSends = -1;  // the mouse acknowledges once this many receiver sends were made
    bool bStopAtFirstPause = false;
    std::vector<std::string> log;  // "cable 0C ...", "rx 09 40 ...", "4k ...", "ble ...", "pause 500"

    LinkSnapshot SendLinks() const override { return links; }
    bool CableSetFeature(const uint8_t* pData, int iLength) override {
        log.push_back("cable " + ToHex(pData, static_cast<size_t>(iLength > 4 ? 4 : iLength)));
        return bCableTakes;
    }
    int ReceiverFeature(const HidDevicePtr&, const uint8_t* pData, size_t uLength) override {
        log.push_back("rx " + ToHex(pData, uLength > 4 ? 4 : uLength));
        ++m_iReceiverSends;
        return static_cast<int>(uLength);
    }
    int Receiver4kWrite(const HidDevicePtr&, const uint8_t* pData, size_t uLength) override {
        log.push_back("4k " + ToHex(pData, 6) + " /" + std::to_string(uLength));
        return static_cast<int>(uLength);
    }
    bool BleWrite(const uint8_t* pData, int iLength) override {
        log.push_back("ble " + ToHex(pData, 1) + " /" + std::to_string(iLength));
        return true;
    }
    bool SendPause(unsigned uMs) override {
        log.push_back("pause " + std::to_string(uMs));
        return !bStopAtFirstPause;
    }
    CAckWindow::Epoch OpenFrameAck() override {
        m_iReceiverSends = 0;
        return ++m_epoch;
    }
    bool FrameAcknowledged(CAckWindow::Epoch) const override {
        return iAckAfterSends >= 0 && m_iReceiverSends >= iAckAfterSends;
    }

private:
    int m_iReceiverSends = 0;
    CAckWindow::Epoch m_epoch = 0;
};

// A device handle for the receivers; the port never uses it.
HidDevicePtr FakeHandle() { return HidDevicePtr(reinterpret_cast<hid_device*>(0x10), [](hid_device*) {}); }

const SendPolicy kGen1{false, false, false};
const SendPolicy kGen2{true, true, true};

FrameBytes Rate() { return FrameBytes{0x06, 0x09, 0x01, 0x01, 0xFE, 0, 0, 0, 0}; }
FrameBytes Macro(size_t uLength) {
    FrameBytes frame(uLength, 0);
    frame[0] = 0x09;
    frame[1] = static_cast<uint8_t>(uLength);
    frame[2] = 0x05;
    return frame;
}

std::string Joined(const std::vector<std::string>& log) {
    std::string s;
    for (const std::string& line : log) s += (s.empty() ? "" : " | ") + line;
    return s;
}

class LinkSend : public ::testing::Test {
protected:
    LinkSend() {
        Timing() = DeviceTiming{};  // the protocol's own values, recorded and never waited for
    }
    ScopedTiming m_timing;
    RecordingPort port;
};

TEST_F(LinkSend, TheCableTakesAFrameOnceAndTheFirstGenerationPausesOnlyAfterSuccess) {
    port.links.bCable = true;
    port.links.bWireless = true;  // never used while the cable is up
    port.links.hWirelessDevice = FakeHandle();
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::Delivered);
    EXPECT_EQ(Joined(port.log), "cable 06 09 01 01 | pause 500");

    port.log.clear();
    port.bCableTakes = false;
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::Failed);
    EXPECT_EQ(Joined(port.log), "cable 06 09 01 01") << "refused: no pause, not sent over the receiver";

    port.log.clear();
    EXPECT_EQ(SendFrame(port, kGen2, Rate()).eStatus, SendStatus::Failed);
    EXPECT_EQ(Joined(port.log), "cable 06 09 01 01 | pause 500") << "the second generation always pauses";
}

TEST_F(LinkSend, MacroPiecesOverTheCableFollowTheFrameLength) {
    port.links.bCable = true;
    SendFrame(port, kGen1, Macro(131));
    EXPECT_EQ(Joined(port.log), "cable 09 40 05 00 | pause 200 | cable 09 40 05 01 | pause 200 | cable 09 40 05 02 | "
                                "pause 200 | pause 500");
    port.log.clear();
    SendFrame(port, kGen2, Macro(111));
    EXPECT_EQ(Joined(port.log), "cable 09 40 05 00 | pause 200 | cable 09 40 05 01 | pause 200 | pause 500")
        << "a 111-byte frame takes two pieces on the cable";
}

TEST_F(LinkSend, TheReceiverAlwaysTakesThreeMacroPiecesAndRetriesUntilAcknowledged) {
    port.links.bWireless = true;
    port.links.hWirelessDevice = FakeHandle();
    port.iAckAfterSends = 3;  // the first pass is answered
    EXPECT_EQ(SendFrame(port, kGen2, Macro(111)).eStatus, SendStatus::Delivered);
    EXPECT_EQ(Joined(port.log), "rx 09 40 05 00 | pause 1000 | rx 09 40 05 01 | pause 1000 | rx 09 0C 05 02 | "
                                "pause 1000 | pause 500");

    port.log.clear();
    port.iAckAfterSends = 2;  // answered during the second attempt's pause
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::Delivered);
    EXPECT_EQ(Joined(port.log), "rx 06 09 01 01 | pause 500 | rx 06 09 01 01 | pause 500 | pause 500");

    port.log.clear();
    port.iAckAfterSends = -1;
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::Failed);
    EXPECT_EQ(port.log.size(), 21u) << "ten attempts, each with its pause, and the final pause";
}

TEST_F(LinkSend, AMacroTheCableRefusesGoesToTheNextLinkUp) {
    port.links.bCable = true;
    port.bCableTakes = false;
    port.links.bWireless4k = true;
    port.links.hWireless4kDevice = FakeHandle();
    port.links.bWireless = true;
    port.links.hWirelessDevice = FakeHandle();
    EXPECT_EQ(SendFrame(port, kGen2, Macro(111)).eStatus, SendStatus::Delivered);
    // 04, 59 + 5 = 0x40, piece 0, frame bytes 09 6F 05; then 0x39 (52 + 5) for piece 1. No 2.4 GHz after the 4K.
    EXPECT_EQ(Joined(port.log), "cable 09 40 05 00 | cable 09 40 05 01 | 4k 04 40 00 09 6F 05 /65 | pause 200 | "
                                "4k 04 39 01 00 00 00 /65 | pause 200 | pause 500");
}

TEST_F(LinkSend, BluetoothTakesWholeFramesButNeverTheRate) {
    port.links.bBle = true;
    EXPECT_EQ(SendFrame(port, kGen2, Macro(111)).eStatus, SendStatus::Delivered);
    EXPECT_EQ(SendFrame(port, kGen2, Rate()).eStatus, SendStatus::Skipped);
    EXPECT_EQ(Joined(port.log), "ble 09 /111 | pause 500 | pause 500");
    port.log.clear();
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::NoLink) << "a model without Bluetooth";
    EXPECT_TRUE(port.log.empty());
}

TEST_F(LinkSend, NoLinkAndAStop) {
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::NoLink);
    EXPECT_TRUE(port.log.empty()) << "no link, no pause in the first generation";
    EXPECT_EQ(SendFrame(port, kGen2, Rate()).eStatus, SendStatus::NoLink);
    EXPECT_EQ(Joined(port.log), "pause 500");

    port.log.clear();
    port.links.bWireless = true;
    port.links.hWirelessDevice = FakeHandle();
    port.bStopAtFirstPause = true;
    EXPECT_EQ(SendFrame(port, kGen1, Rate()).eStatus, SendStatus::Stopped);
    EXPECT_EQ(Joined(port.log), "rx 06 09 01 01 | pause 500") << "nothing after the stop";
}

}  // namespace
