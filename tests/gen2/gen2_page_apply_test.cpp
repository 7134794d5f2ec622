// A change on a second-generation page reaching the mouse over each of its links: the frames of
// the first apply byte for byte as each link packages them (cable pieces, 4K reports, 2.4 GHz
// pieces and repeats, whole Bluetooth writes without the rate frame), the pauses asked for, the
// links' order, the groups each difference sends, failures and the full resend after them, and a
// shut-down inside a retry loop.
#include "tests/gen2/gen2_page_fixture.h"

#include "core/devices/device_timing.h"
#include "models/data/gen2_frames.h"

#include <map>
#include <tuple>

namespace gen2test {
namespace {

constexpr uint8_t kMacroFunction = 17;

// Button k carries a macro: a press with 20 ms, a release with 1,271 ms, a move.
void GiveAMacro(ProfileRecordEx& profile, int k) {
    KeyEntryEx& entry = profile.stKeys[k];
    entry.byFunction = kMacroFunction;
    entry.iLoopMode = 1;
    entry.iLoopCount = 2;
    entry.byColor[0] = 0x22;
    entry.wActionNum = 3;
    entry.stActions[0] = MacroActionEx{0, 0x04, 1, 0, 20, 0, 0, 0};
    entry.stActions[1] = MacroActionEx{0, 0x04, 2, 0, 1271, 0, 0, 0};
    entry.stActions[2] = MacroActionEx{0, kMouseMove, kActionMove, 0, 5, 0, 12, -7};
}

void GiveButton1AMacro(ProfileRecordEx& profile) { GiveAMacro(profile, 0); }

// The frames of a full send of `profile`, in the order an apply sends them.
std::vector<FrameBytes> FullSendOf(const Gen2Model& model, const ProfileRecordEx& profile) {
    std::vector<FrameBytes> frames = {BuildStartReport(), BuildDpiReport(model, profile), BuildLightReport(model, profile),
                                      BuildRateReport(model, profile), BuildKeyReport(model, profile)};
    for (int k = 0; k < kButtonCount; ++k)
        if (IsMacroFunctionEx(profile.stKeys[k].byFunction))
            for (FrameBytes& block : BuildMacroChain(model, k, profile.stKeys[k])) frames.push_back(block);
    return frames;
}

bool IsMacro(const FrameBytes& frame) { return frame[0] == 0x09; }

kit::Bytes BytesOf(const uint8_t* pData, size_t uSize) { return kit::Bytes(pData, pData + uSize); }

// What each link writes for those frames: the cable takes a macro frame in as many pieces as it
// needs (two of 111 bytes, three of 131), the 2.4 GHz receiver always three.
std::vector<kit::Bytes> InPieces(const std::vector<FrameBytes>& frames, ChunkLink eLink) {
    std::vector<kit::Bytes> writes;
    for (const FrameBytes& f : frames) {
        if (!IsMacro(f)) {
            writes.push_back(f);
            continue;
        }
        const int iPieces = eLink == ChunkLink::Cable ? MacroChunkCount(f) : 3;
        for (int p = 0; p < iPieces; ++p) {
            const MacroChunk chunk = BuildMacroChunk(f, p, eLink);
            writes.push_back(BytesOf(chunk.data(), chunk.size()));
        }
    }
    return writes;
}

std::vector<kit::Bytes> OverCable(const std::vector<FrameBytes>& frames) { return InPieces(frames, ChunkLink::Cable); }
std::vector<kit::Bytes> OverReceiver(const std::vector<FrameBytes>& frames) { return InPieces(frames, ChunkLink::Receiver); }

std::vector<kit::Bytes> Over4k(const std::vector<FrameBytes>& frames) {
    std::vector<kit::Bytes> writes;
    for (const FrameBytes& f : frames)
        for (int p = 0; p < Wireless4kPieceCount(f); ++p) {
            const Wireless4kFrame report = BuildWireless4kFrame(f, p);
            writes.push_back(BytesOf(report.data(), report.size()));
        }
    return writes;
}

std::vector<kit::Bytes> OverBle(const std::vector<FrameBytes>& frames) {
    std::vector<kit::Bytes> writes;
    for (const FrameBytes& f : frames)
        if (f[0] != 0x06) writes.push_back(f);
    return writes;
}

std::string Slice(const kit::Bytes& bytes, size_t uFrom, size_t uCount) {
    if (uFrom + uCount > bytes.size()) return "(short)";
    return ToHex(bytes.data() + uFrom, uCount);
}

// ---- The first apply on every link ----

class Gen2FirstApply : public Gen2PageTest, public ::testing::WithParamInterface<std::tuple<int, unsigned>> {
protected:
    void SetUp() override { Start(std::get<0>(GetParam()), std::get<1>(GetParam())); }
};

TEST_P(Gen2FirstApply, SendsTheStartEveryGroupAndTheMacroChainsByteForByteThenSaves) {
    Page().Edit(GiveButton1AMacro);
    Page().Edit([](ProfileRecordEx& p) { GiveAMacro(p, 1); p.stKeys[1].iLoopCount = 7; });
    Apply();
    const std::vector<FrameBytes> frames = FullSendOf(Description(), Page().CurrentProfileCopy());
    ASSERT_EQ(frames.size(), 7u) << "0C 04 05 06 08 and one block for each of buttons 1 and 2";
    EXPECT_EQ(frames[5][2], 1) << "button 1's block";
    EXPECT_EQ(frames[6][2], 5) << "button 2's block";

    const unsigned links = std::get<1>(GetParam());
    if (links == kCable) EXPECT_EQ(CableWrites(), OverCable(frames));
    if (links == kReceiver) EXPECT_EQ(Distinct(ReceiverWrites()), OverReceiver(frames));
    if (links == kReceiver) EXPECT_EQ(ReceiverWrites().size(), OverReceiver(frames).size()) << "acknowledged at once";
    if (links == k4k) {
        const std::vector<kit::Bytes> writes = FourKWrites();
        EXPECT_EQ(writes, Over4k(frames));
        ASSERT_EQ(writes.size(), 9u);
        // The rate frame of the factory rates (index 3, high-speed index 6: code 74).
        EXPECT_EQ(Slice(writes[3], 0, 16), "04 0E 00 06 09 01 74 8B 00 00 00 00 01 21 00 00");
        EXPECT_EQ(Slice(writes[5], 0, 5), "04 40 00 09 6F");
        EXPECT_EQ(Slice(writes[6], 0, 3), "04 39 01");
        EXPECT_EQ(Slice(writes[6], 3, 52), Slice(frames[5], 59, 52)) << "the macro frame's last 52 bytes";
    }
    if (links == kBle) {
        const std::vector<kit::Bytes> writes = BleWrites();
        EXPECT_EQ(writes, OverBle(frames));
        ASSERT_EQ(Ids(writes), "0C 04 05 08 09 09");
        EXPECT_EQ(writes[4].size(), Description().macroFrame.byLength) << "a macro block in one write";
        EXPECT_FALSE(Page().ResendAllPending()) << "leaving out the rate frame is no failure";
    }
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->stKeys[1].iLoopCount, 7) << "the apply saved the profiles";
    EXPECT_EQ(Page().SentProfileCopy().stKeys[1].iLoopCount, 7);
}

// The pauses of that apply: each frame ends with the frame pause; the cable pauses after each
// macro piece it took, the 4K receiver after each macro piece, the 2.4 GHz receiver after each
// attempt and each macro piece.
TEST_P(Gen2FirstApply, PausesAfterEveryFrameAndMacroPieceAsTheLinkAsks) {
    Page().Edit(GiveButton1AMacro);
    Apply();
    const DeviceTiming& t = Timing();
    const unsigned f = t.uFramePauseMs;
    std::vector<unsigned> expected;
    const unsigned links = std::get<1>(GetParam());
    for (int i = 0; i < 5; ++i) {
        if (links == kReceiver) expected.push_back(t.uWirelessTryPauseMs);
        expected.push_back(f);
    }
    if (links == kCable) {
        const int iPieces = MacroChunkCount(FrameBytes(Description().macroFrame.byLength));
        expected.insert(expected.end(), static_cast<size_t>(iPieces), t.uCableMacroPieceMs);
        expected.push_back(f);
    }
    if (links == k4k) expected.insert(expected.end(), {t.uWireless4kMacroPieceMs, t.uWireless4kMacroPieceMs, f});
    if (links == kReceiver)
        expected.insert(expected.end(), {t.uWirelessMacroPieceMs, t.uWirelessMacroPieceMs, t.uWirelessMacroPieceMs, f});
    if (links == kBle) {
        expected.pop_back();  // the rate frame is not written, its pause stays
        expected.insert(expected.end(), {f, f});
    }
    EXPECT_EQ(Page().Pauses(), expected);
}

std::vector<std::tuple<int, unsigned>> FirstApplyCases() {
    std::vector<std::tuple<int, unsigned>> cases;
    std::vector<int> models(std::begin(kGen2Models), std::end(kGen2Models));
    models.insert(models.end(), {18, 19});  // without the 4K receiver
    models.insert(models.end(), std::begin(kSensorModels), std::end(kSensorModels));
    for (int iModel : models) {
        for (unsigned links : {unsigned{kCable}, unsigned{kReceiver}}) cases.emplace_back(iModel, links);
        if (ModelOf(iModel).Info().Has4k()) cases.emplace_back(iModel, unsigned{k4k});
        if (ModelOf(iModel).Info().HasBle()) cases.emplace_back(iModel, unsigned{kBle});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(ModelsAndLinks, Gen2FirstApply, ::testing::ValuesIn(FirstApplyCases()),
                         [](const auto& info) {
                             return Name(std::get<0>(info.param)) + "_" + LinkName(std::get<1>(info.param));
                         });

// ---- Links ----

class Gen2Links : public Gen2PageTest {};

TEST_F(Gen2Links, WithTheCableAndThe4kReceiverUpTheCableTakesEverything) {
    Start(11, kCable | k4k);
    Page().Edit(GiveButton1AMacro);
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08 09 09");
    EXPECT_TRUE(FourKWrites().empty());
}

TEST_F(Gen2Links, AMacroWhoseSecondCablePieceIsRefusedGoesAgainAs4kPieces) {
    Start(12, kCable | k4k);
    Page().Edit(GiveButton1AMacro);
    Apply();
    ClearAllWrites();
    Page().Edit([](ProfileRecordEx& p) { p.stKeys[0].iLoopCount = 9; });
    // The key frame, the macro's first piece, then its second piece refused.
    ASSERT_EQ(simhid_refuse_nth_write(m_cable.id, 3), 1);
    Apply();
    const std::vector<kit::Bytes> cable = CableWrites();
    ASSERT_EQ(Ids(cable), "08 09");
    EXPECT_EQ(Slice(cable[1], 0, 4), "09 40 01 00");
    const FrameBytes block = BuildMacroChain(Description(), 0, Page().CurrentProfileCopy().stKeys[0]).at(0);
    EXPECT_EQ(FourKWrites(), Over4k({block})) << "the whole frame again, over the next link up";
    EXPECT_FALSE(Page().ResendAllPending()) << "the 4K receiver delivered it";
}

TEST_F(Gen2Links, TheReceiverRepeatsUnacknowledgedFramesTenTimesAndMacrosInTenPassesOfThree) {
    Timing().uWirelessTryPauseMs = 1;
    Timing().uWirelessMacroPieceMs = 1;
    Start(13, kReceiver, false);
    Page().Edit(GiveButton1AMacro);
    Apply();
    std::map<std::string, int> counts;
    for (const kit::Bytes& w : ReceiverWrites()) ++counts[ToHex(w.data(), 1)];
    for (const char* id : {"0C", "04", "05", "06", "08"}) EXPECT_EQ(counts[id], 10) << id;
    EXPECT_EQ(counts["09"], 30) << "ten passes of three pieces";
    EXPECT_TRUE(Page().ResendAllPending()) << "nothing was acknowledged";
}

TEST_F(Gen2Links, BluetoothWritesArriveBeforeTheSubscription) {
    Timing().uBleSubscribeMs = 600000;
    m_bAwaitSubscription = false;
    Start(8, kBle);
    ASSERT_TRUE(m_ble.Registrations().empty());
    Page().Edit(GiveButton1AMacro);
    Apply();
    const std::vector<kit::Bytes> writes = BleWrites();
    ASSERT_EQ(Ids(writes), "0C 04 05 08 09");
    EXPECT_EQ(writes[4].size(), kMacroReportLength);
    EXPECT_FALSE(Page().ResendAllPending());
}

TEST_F(Gen2Links, WithNoLinkTheChangeIsSavedAndSentOnceALinkComesUp) {
    Start(11, kNoLink);
    ASSERT_EQ(Page().Online(), 0);
    Page().Edit([](ProfileRecordEx& p) { p.iDpi[0] = 123; });
    Apply();
    EXPECT_TRUE(kit::Writes().empty());
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->iDpi[0], 123) << "saved";
    EXPECT_NE(Page().SentProfileCopy().iDpi[0], 123) << "not taken as sent";

    m_cable = kit::PlugCableMouse(Description().Info().wCablePid);
    m_links = kCable;
    PumpUntil([&] { return Page().WiredState() == 1; });
    Apply();
    const std::vector<kit::Bytes> cable = CableWrites();
    ASSERT_EQ(Ids(cable), "0C 04 05 06 08") << "the load's full send is still due";
    EXPECT_EQ(cable[1], BuildDpiReport(Description(), Page().CurrentProfileCopy()));
}

// ---- Differences ----

struct DiffCase {
    const char* name;
    void (*edit)(ProfileRecordEx&);
    const char* ids;
};

const DiffCase kDiffCases[] = {
    {"HighSpeedRateOnly", [](ProfileRecordEx& p) { p.iRateHs = 2; }, "06"},
    {"SecondDpiOnly", [](ProfileRecordEx& p) { p.iDpi2[3] = 77; }, "04"},
    {"LightOnly", [](ProfileRecordEx& p) { p.iBreathSpeed = 3; }, "05"},
    {"LoopCountOfAMacroButton", [](ProfileRecordEx& p) { p.stKeys[0].iLoopCount = 5; }, "08 09 09"},
    {"MacroOnAButtonWithoutASlot", [](ProfileRecordEx& p) { GiveAMacro(p, 3); }, "08"},
    {"NameOnly", [](ProfileRecordEx& p) { p.szName[0] = L'Z'; }, ""},
};

class Gen2Differences : public Gen2PageTest, public ::testing::WithParamInterface<std::tuple<int, DiffCase>> {
protected:
    void SetUp() override {
        Start(std::get<0>(GetParam()), kCable);
        Page().Edit(GiveButton1AMacro);
        Apply();
        ClearAllWrites();
    }
};

TEST_P(Gen2Differences, SendOnlyTheGroupsThatChanged) {
    const DiffCase& c = std::get<1>(GetParam());
    Page().Edit(c.edit);
    Apply();
    EXPECT_EQ(Ids(CableWrites()), c.ids);
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    const ProfileRecordEx current = Page().CurrentProfileCopy();
    EXPECT_EQ(std::memcmp(pSaved.get(), &current, sizeof current), 0) << "saved, whatever was sent";
}

INSTANTIATE_TEST_SUITE_P(Cases, Gen2Differences, ::testing::Combine(::testing::Values(11, 12), ::testing::ValuesIn(kDiffCases)),
                         [](const auto& info) {
                             return Name(std::get<0>(info.param)) + "_" + std::get<1>(info.param).name;
                         });

class Gen2ApplyRun : public Gen2PageTest {};

TEST_F(Gen2ApplyRun, AnEditDuringARunIsSentByTheNextAndTwoRequestsMakeTwoRuns) {
    Timing().uFramePauseMs = 100;
    Start(11, kCable);
    const unsigned uBefore = Page().AppliesRun();
    Page().PostApply();
    PumpUntil([&] { return !CableWrites().empty(); });
    Page().Edit([](ProfileRecordEx& p) { p.iBrightness = 2; });
    ASSERT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08");
    ClearAllWrites();

    Page().PostApply();
    Page().PostApply();
    ASSERT_TRUE(WaitForApplies(uBefore + 3));
    const std::vector<kit::Bytes> cable = CableWrites();
    ASSERT_EQ(Ids(cable), "05") << "the second run finds nothing left to send";
    EXPECT_EQ(cable[0], BuildLightReport(Description(), Page().CurrentProfileCopy()));
}

// ---- Failures ----

enum class Failure { CableRefuses, FourKWriteFails, BluetoothWriteFails };

class Gen2Failures : public Gen2PageTest, public ::testing::WithParamInterface<Failure> {};

TEST_P(Gen2Failures, AnUndeliveredFrameIsSavedAnywayAndAsksForAFullSend) {
    const Failure eFailure = GetParam();
    Start(11, eFailure == Failure::CableRefuses ? kCable : eFailure == Failure::FourKWriteFails ? k4k : kBle);
    Apply();
    EXPECT_FALSE(Page().ResendAllPending());
    if (eFailure == Failure::CableRefuses) simhid_set_faults(m_cable.id, SIMHID_FAULT_WRITE);
    if (eFailure == Failure::FourKWriteFails) simhid_set_faults(m_receiver4k.commandId, SIMHID_FAULT_WRITE);
    if (eFailure == Failure::BluetoothWriteFails) {
        blekit::Fault fault;
        fault.call = blekit::Call::SetCharacteristicValue;
        fault.iTimes = 1;
        m_ble.AddFault(fault);
    }
    Page().Edit([](ProfileRecordEx& p) { p.iSleep = 4; });
    Apply();
    EXPECT_TRUE(Page().ResendAllPending());
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->iSleep, 4) << "the file is saved all the same";

    // The next apply, with the link working again, sends everything.
    simhid_set_faults(m_cable.id, 0);
    simhid_set_faults(m_receiver4k.commandId, 0);
    ClearAllWrites();
    Apply();
    const std::vector<kit::Bytes> writes = eFailure == Failure::CableRefuses     ? CableWrites()
                                           : eFailure == Failure::FourKWriteFails ? FourKWrites()
                                                                                  : BleWrites();
    EXPECT_EQ(writes.size(), eFailure == Failure::BluetoothWriteFails ? 4u : 5u) << "0C 04 05 (06) 08";
    EXPECT_FALSE(Page().ResendAllPending());
}

INSTANTIATE_TEST_SUITE_P(Links, Gen2Failures,
                         ::testing::Values(Failure::CableRefuses, Failure::FourKWriteFails, Failure::BluetoothWriteFails));

class Gen2Shutdown : public Gen2PageTest {};

TEST_F(Gen2Shutdown, ShuttingDownDuringARetryLoopEndsItAtOnce) {
    Timing().uWirelessTryPauseMs = 500;  // ten silent attempts would take five seconds a frame
    Start(11, kReceiver, false);
    Page().PostApply();
    PumpUntil([&] { return !ReceiverWrites().empty(); });
    Page().Shutdown();
    EXPECT_LE(ReceiverWrites().size(), 2u) << "no attempt after the stop";
    EXPECT_EQ(Page().WorkerThreadId(), 0u);
}

}  // namespace
}  // namespace gen2test
