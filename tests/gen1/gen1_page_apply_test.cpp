// A change on a first-generation page reaching the mouse: the frames of each apply over the cable
// (through the real driver library) and over the 2.4 GHz receiver, byte for byte, in order, with
// the receiver's retries and acknowledgements, the macro pieces, failures and the full resend
// that follows them, the sleeping gate, edits made during an apply, and a shut-down in the
// middle of a retry loop.
#include "tests/gen1/gen1_page_fixture.h"

#include "core/devices/device_timing.h"
#include "models/data/gen1_frames.h"
#include "models/data/gen1_storage.h"

#include <map>

namespace gen1test {
namespace {

constexpr char kStartFrame[] = "0C 0A 01 FE 01 FE 00 00 00 00";

// The DPI register codes of the factory stages, bytes 8 to 23 of frame 0x04: MS_10 (4, 8, 12, 16,
// 32, 50 hundred DPI) sends its codes twice; MS_1 and MS_5 (entries 8 .. 100 of their table) send
// their high-range flags after them; MS_2, MS_3 and MS_4 send each stage value - 1 as low and
// high byte.
const std::map<int, std::string> kFactoryDpiCodes = {
    {10, "06 0F 19 22 47 71 00 00 06 0F 19 22 47 71 00 00"},
    {1, "09 12 1C 25 4B 75 00 00 00 00 00 00 00 00 00 00"},
    {2, "07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00"},
    {3, "07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00"},
    {4, "07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00"},
    {5, "09 12 1C 25 4B 75 00 00 00 00 00 00 00 00 00 00"},
};
// The factory rate frame: index 3 (code 01) on the four-rate models; index 6 (code 40) on MS_3
// and MS_4, which over the cable or the 2.4 GHz receiver falls back to their index 3 (code 04).
std::string FactoryRateFrame(int iModel, Link eOver) {
    if (iModel != 3 && iModel != 4) return "06 09 01 01 FE 00 00 00 00";
    return eOver == Link::Receiver4k ? "06 09 01 40 BF 00 00 00 00" : "06 09 01 04 FB 00 00 00 00";
}

std::string Slice(const kit::Bytes& bytes, size_t uFrom, size_t uCount) {
    if (uFrom + uCount > bytes.size()) return "(short)";
    return ToHex(bytes.data() + uFrom, uCount);
}

// Button 3 carries a macro: a press with 20 ms, a release with 1,271 ms, a press with 1,400 ms.
void GiveButton3AMacro(ProfileRecord& profile) {
    KeyEntry& entry = profile.stKeys[2];
    entry.byFunction = kFunctionMacro;
    entry.iLoopMode = 1;
    entry.iLoopCount = 0;
    entry.byColor[0] = 0x22;
    entry.wActionNum = 3;
    entry.stActions[0] = {0x04, kActionPress, 20};
    entry.stActions[1] = {0x04, kActionRelease, 1271};
    entry.stActions[2] = {0x05, kActionPress, 1400};
}

// The light settings of the worked example: sleep 10, breathing speed 6, brightness 8, mode 1.
void SetWorkedLight(ProfileRecord& p) {
    p.iSleep = 10;
    p.iBreathSpeed = 6;
    p.iBrightness = 8;
    p.iLightMode = 1;
}

class Gen1Apply : public Gen1PageTest, public ::testing::WithParamInterface<std::tuple<int, Link>> {
protected:
    void SetUp() override { Start(std::get<0>(GetParam()), std::get<1>(GetParam())); }
    Link Over() const { return std::get<1>(GetParam()); }
    // Whole frames the mouse got over the link under test.
    std::vector<kit::Bytes> Sent() const { return Frames(Over()); }
    bool OverReceiver() const { return Over() == Link::Receiver; }
    // The reports written on the link under test, as they went: a receiver's repeats taken as one.
    std::vector<kit::Bytes> Written() const {
        switch (Over()) {
            case Link::Cable: return CableWrites();
            case Link::Receiver: return Distinct(ReceiverWrites());
            default: return Receiver4kWrites();
        }
    }
};

TEST_P(Gen1Apply, TheFirstApplySendsEveryGroupAndEachMacroButtonThenSaves) {
    Page().Edit(GiveButton3AMacro);
    Apply();
    const std::vector<kit::Bytes> sent = Sent();
    ASSERT_EQ(Ids(sent), "0C 04 05 06 08 09");
    EXPECT_EQ(ToHex(sent[0]), kStartFrame);

    const kit::Bytes& dpi = sent[1];
    EXPECT_EQ(Slice(dpi, 0, 3), "04 38 01");
    EXPECT_EQ(dpi[5], 0x3F) << "six stages enabled";
    EXPECT_EQ(Slice(dpi, 8, 16), kFactoryDpiCodes.at(Model()));
    EXPECT_EQ(dpi[24], Page().CurrentProfileCopy().iCurDpi + 1) << "the current stage";
    EXPECT_EQ(dpi[49], 3);
    EXPECT_TRUE(ChecksumHolds(dpi, 50));

    EXPECT_EQ(Slice(sent[2], 0, 3), "05 0F 01");
    EXPECT_TRUE(ChecksumHolds(sent[2], 11));
    EXPECT_EQ(ToHex(sent[3]), FactoryRateFrame(Model(), Over()));

    const kit::Bytes& keys = sent[4];
    ASSERT_EQ(keys.size(), 59u);
    EXPECT_EQ(Slice(keys, 3, 9), "02 00 00 03 00 00 12 00 03") << "left, right, then button 3's macro";
    EXPECT_TRUE(ChecksumHolds(keys, 57));

    // The macro frame: loop mode, colour three times, loop count 0 sent as 1, then the number of
    // pairs and the pairs (d 20 press: 03; d 1,271 release: (7|81, key) (6, 3); d 1,400 press:
    // (01, key) (7, 3)), where the model's frame puts them.
    const MacroFrameShape& shape = Description().macroFrame;
    const kit::Bytes& macro = sent[5];
    ASSERT_EQ(macro.size(), shape.byLength);
    EXPECT_EQ(Slice(macro, 2, 6), "03 01 22 22 22 01");
    EXPECT_EQ(macro[shape.byCountAt], 5) << "pairs";
    EXPECT_EQ(Slice(macro, shape.byFirstPairAt, 10), "03 04 87 04 06 03 01 05 07 03");
    EXPECT_TRUE(ChecksumHolds(macro, static_cast<size_t>(shape.ChecksumAt())));

    // How the link carried them.
    const std::vector<kit::Bytes> written = Written();
    const bool bShortMacro = shape.byLength == 111;
    switch (Over()) {
        case Link::Cable:
            // 64-byte pieces, as many as the frame needs.
            ASSERT_EQ(Ids(written), bShortMacro ? "0C 04 05 06 08 09 09" : "0C 04 05 06 08 09 09 09");
            EXPECT_EQ(Slice(written[6], 0, 4), "09 40 03 01");
            break;
        case Link::Receiver:
            // Always three pieces; the third carries 0C.
            ASSERT_EQ(Ids(written), "0C 04 05 06 08 09 09 09");
            EXPECT_EQ(Slice(written[7], 0, 4), "09 0C 03 02");
            break;
        default:
            // 65-byte output reports; the macro frame in two.
            ASSERT_EQ(Ids(written), "04 04 04 04 04 04 04");
            for (const kit::Bytes& report : written) EXPECT_EQ(report.size(), 65u);
            EXPECT_EQ(Slice(written[0], 0, 3), "04 0F 00");
            EXPECT_EQ(Slice(written[5], 0, 6), "04 40 00 09 6F 03");
            EXPECT_EQ(Slice(written[6], 0, 3), "04 39 01");
            break;
    }

    // Saved, with the edit, and the next apply only starts.
    Gen1Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    ProfileList profiles;
    ProDataHeader header;
    ASSERT_EQ(storage.LoadProData(profiles, header), LoadResult::Loaded);
    EXPECT_EQ(profiles[0]->stKeys[2].byFunction, kFunctionMacro);
    EXPECT_FALSE(Page().ResendAllPending());
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(Sent()), "0C") << "nothing changed since";
}

TEST_P(Gen1Apply, ALightChangeSendsTheStartAndTheLightFrameOnly) {
    Apply();
    ClearWrites();
    Page().Edit(SetWorkedLight);
    Apply();
    const std::vector<kit::Bytes> sent = Sent();
    ASSERT_EQ(Ids(sent), "0C 05");
    const kit::Bytes& light = sent[1];
    if (Description().eLightCodec == LightCodec::PackedSleep) {
        // Sleep timer in the high halves of bytes 4 and 5.
        EXPECT_EQ(Slice(light, 3, 3), "10 03 A8");
    } else {
        EXPECT_EQ(Slice(light, 3, 3), "10 03 08");
        EXPECT_EQ(light[9], 11) << "sleep + 1";
    }
    EXPECT_TRUE(ChecksumHolds(light, 11));
    if (OverReceiver()) {
        EXPECT_EQ(Ids(ReceiverWrites()), "0C 05") << "each acknowledged at its first attempt";
    }
}

TEST_P(Gen1Apply, AChangedMacroSendsTheKeysAndThatButtonsMacroOnly) {
    Page().Edit(GiveButton3AMacro);
    Apply();
    ClearWrites();
    Page().Edit([](ProfileRecord& p) { p.stKeys[2].stActions[0].wDelay = 40; });
    Apply();
    const std::vector<kit::Bytes> sent = Sent();
    ASSERT_EQ(Ids(sent), "0C 08 09");
    EXPECT_EQ(sent[2][Description().macroFrame.byFirstPairAt], 0x05) << "40 ms on a press";
}

std::string ApplyCaseName(const ::testing::TestParamInfo<std::tuple<int, Link>>& info) {
    return "MS_" + std::to_string(std::get<0>(info.param)) + "_" + LinkName(std::get<1>(info.param));
}

INSTANTIATE_TEST_SUITE_P(ModelsAndLinks, Gen1Apply,
                         ::testing::Combine(::testing::Values(10, 1, 2, 3, 4, 5), ::testing::Values(Link::Cable, Link::Receiver)),
                         ApplyCaseName);
INSTANTIATE_TEST_SUITE_P(FourKModels, Gen1Apply,
                         ::testing::Combine(::testing::Values(3, 4), ::testing::Values(Link::Receiver4k)), ApplyCaseName);

// ---- Failures and the resend that follows ----

class Gen1Failures : public Gen1PageTest {};

TEST_F(Gen1Failures, ACableFailureSavesAnywayAndTheNextApplySendsEverything) {
    Start(10, Link::Both);
    Apply();
    ClearWrites();
    simhid_set_faults(m_cable.id, SIMHID_FAULT_WRITE);
    Page().Edit([](ProfileRecord& p) { p.iBrightness = 3; });
    Apply();
    EXPECT_TRUE(ReceiverWrites().empty()) << "a refused frame is not sent over the receiver";
    EXPECT_TRUE(Page().ResendAllPending());
    Gen1Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    ProfileList profiles;
    ProDataHeader header;
    storage.LoadProData(profiles, header);
    ASSERT_FALSE(profiles.empty());
    EXPECT_EQ(profiles[0]->iBrightness, 3) << "the file was saved all the same";

    simhid_set_faults(m_cable.id, 0);
    Apply();
    EXPECT_EQ(Ids(CableWrites()), "0C 04 05 06 08") << "everything goes again";
    EXPECT_FALSE(Page().ResendAllPending());
}

TEST_F(Gen1Failures, AMacroTheCableRefusesGoesOverTheReceiver) {
    Start(2, Link::Both);
    Page().Edit(GiveButton3AMacro);
    Apply();
    ClearWrites();
    Page().Edit([](ProfileRecord& p) { p.stKeys[2].iLoopCount = 4; });
    simhid_set_faults(m_cable.id, SIMHID_FAULT_WRITE);
    Apply();
    // The start and key frames are refused on the cable and end there; the macro is delivered
    // over the receiver instead.
    EXPECT_EQ(Ids(ReceiverWrites()), "09 09 09");
    EXPECT_EQ(Slice(ReceiverWrites()[2], 0, 4), "09 0C 03 02");
    EXPECT_TRUE(Page().ResendAllPending()) << "the start and key frames did not arrive";
}

// With several links up a frame takes the first of cable, 4K, 2.4 GHz; a macro whose last cable
// piece is refused goes on whole over the next receiver that is up.
TEST_F(Gen1Failures, LinksAreTriedInOrderAndARefusedLastMacroPieceGoesOn) {
    const struct {
        const char* pszCase;
        int iModel;
        Link eLinks;
        int iCableFailsFrom;     // the cable refuses from this write on (0: never)
        const char* pszCable;    // report ids per link
        const char* pszReceiver;
        const char* psz4k;
    } rows[] = {
        {"MS_3, all links: cable only", 3, Link::All, 0, "0C 04 05 06 08 09 09", "", ""},
        {"MS_4, all links: cable only", 4, Link::All, 0, "0C 04 05 06 08 09 09", "", ""},
        {"MS_5, cable and 2.4 GHz: cable only", 5, Link::Both, 0, "0C 04 05 06 08 09 09 09", "", ""},
        // The macro's second (last) cable piece is the seventh write.
        {"MS_3, last piece refused: 4K", 3, Link::All, 7, "0C 04 05 06 08 09", "", "04 04"},
        // MS_5's third piece is the eighth; the macro goes over the 2.4 GHz receiver.
        {"MS_5, last piece refused: 2.4 GHz", 5, Link::Both, 8, "0C 04 05 06 08 09 09", "09 09 09", ""},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.pszCase);
        Start(row.iModel, row.eLinks);
        Page().Edit(GiveButton3AMacro);
        if (row.iCableFailsFrom > 0) simhid_fail_writes_from(m_cable.id, row.iCableFailsFrom);
        Apply();
        EXPECT_EQ(Ids(CableWrites()), row.pszCable);
        EXPECT_EQ(Ids(Distinct(ReceiverWrites())), row.pszReceiver);
        EXPECT_EQ(Ids(Receiver4kWrites()), row.psz4k);
        // A macro that went on over a receiver arrived whole, byte for byte as the cable has it.
        if (*row.psz4k != '\0' || *row.pszReceiver != '\0') {
            const std::vector<kit::Bytes> frames = Frames(*row.psz4k != '\0' ? Link::Receiver4k : Link::Receiver);
            ASSERT_EQ(frames.size(), 1u);
            EXPECT_EQ(frames[0], BuildMacroReport(Description(), 3, Page().CurrentProfileCopy().stKeys[2]));
        }
        // Every frame reached the mouse over some link: no full resend is pending.
        EXPECT_FALSE(Page().ResendAllPending());
        Stop();
    }
}

// The 4K receiver is written once per report, without acknowledgement or retry; a report it
// refuses fails its frame (the next apply sends everything) and nothing goes over 2.4 GHz.
TEST_F(Gen1Failures, AFourKWriteThatFailsIsNotRetried) {
    Start(4, Link::Receiver4k);
    Apply();
    ClearWrites();
    Page().Edit([](ProfileRecord& p) { p.iRate = 2; });
    simhid_fail_writes_from(m_receiver4k.commandId, 2);
    Apply();
    ASSERT_EQ(Receiver4kWrites().size(), 1u) << "the start frame; the rate frame was refused once";
    EXPECT_TRUE(Page().ResendAllPending());
    simhid_fail_writes_from(m_receiver4k.commandId, 0);
    Apply();
    EXPECT_EQ(Ids(Frames(Link::Receiver4k)), "0C 0C 04 05 06 08");
    EXPECT_FALSE(Page().ResendAllPending());
}

TEST_F(Gen1Failures, AReceiverWithoutAcknowledgementIsTriedTenTimesPerFrame) {
    Timing().uWirelessTryPauseMs = 1;
    Start(1, Link::Receiver, false);
    Page().Edit(GiveButton3AMacro);
    Apply();
    const std::vector<kit::Bytes> writes = ReceiverWrites();
    std::map<std::string, int> counts;
    for (const kit::Bytes& w : writes) ++counts[ToHex(w.data(), 1)];
    EXPECT_EQ(counts["0C"], 10);
    EXPECT_EQ(counts["04"], 10);
    EXPECT_EQ(counts["05"], 10);
    EXPECT_EQ(counts["06"], 10);
    EXPECT_EQ(counts["08"], 10);
    EXPECT_EQ(counts["09"], 30) << "ten passes of three pieces";
    EXPECT_TRUE(Page().ResendAllPending());
}

TEST_F(Gen1Failures, TheReceiverRepeatsAFrameUntilTheMouseAcknowledgesIt) {
    Timing().uWirelessTryPauseMs = 1;
    Start(10, Link::Receiver, false);
    Apply();  // a full send without any acknowledgement
    ClearWrites();
    // The first two attempts go unanswered, then every one is acknowledged.
    Timing().uWirelessTryPauseMs = 250;
    kit::AcknowledgeWrites(m_receiver.commandId, m_receiver.eventId, IdByte(), 2);
    Page().Edit([](ProfileRecord& p) { p.iBrightness = 4; });
    Apply();
    EXPECT_EQ(Ids(ReceiverWrites()), "0C 0C 0C 04 05 06 08") << "the failed run asked for everything again";
    EXPECT_FALSE(Page().ResendAllPending());
}

TEST_F(Gen1Failures, AMacroOverTheReceiverGoesInWholePassesAndGivesUpAfterTen) {
    Start(10, Link::Receiver, false);
    Page().Edit(GiveButton3AMacro);
    // Every frame is acknowledged except the first pass of the macro's pieces.
    kit::AcknowledgeWrites(m_receiver.commandId, m_receiver.eventId, IdByte(), 0, 5);
    Apply();
    std::vector<kit::Bytes> macro;
    for (const kit::Bytes& w : ReceiverWrites())
        if (w[0] == 0x09) macro.push_back(w);
    ASSERT_GE(macro.size(), 6u);
    EXPECT_EQ(macro.size(), 30u) << "no answer to the macro: ten passes";
    for (size_t i = 0; i < macro.size(); ++i) EXPECT_EQ(macro[i][3], i % 3) << "piece order in pass " << i / 3;
}

// ---- The gate, edits during an apply, shut-down ----

class Gen1ApplyRun : public Gen1PageTest {};

TEST_F(Gen1ApplyRun, ASleepingMouseGetsNothingButTheChangeIsSavedAndSentOnceItWakes) {
    Start(10, Link::Receiver, true);
    Apply();
    ClearWrites();
    // The driver library reports the cabled mouse removed: the page takes the mouse as asleep
    // until a battery report shows it awake, while the receiver link stays up.
    ::PostMessageW(Window().hwnd(), PageMsgBase(10) + WM_PAGE_DEVLINK_OFFSET, 0, 0);
    PumpUntil([&] { return Page().Sleeping(); });
    Page().Edit([](ProfileRecord& p) { p.iBrightness = 6; });
    Apply();
    EXPECT_TRUE(ReceiverWrites().empty()) << "nothing is sent to a sleeping mouse";
    Gen1Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
    ProfileList profiles;
    ProDataHeader header;
    storage.LoadProData(profiles, header);
    EXPECT_EQ(profiles[0]->iBrightness, 6);

    MouseEvent(0x40, 0x3901);  // on battery, 57 %
    PumpUntil([&] { return !Page().Sleeping(); });
    Apply();
    EXPECT_EQ(Ids(Distinct(ReceiverWrites())), "0C 05");
}

TEST_F(Gen1ApplyRun, AnApplyWithNoLinkUpStillSaves) {
    Start(1, Link::Cable);
    kit::UnplugCableMouse(m_cable);
    PumpUntil([&] { return Page().WiredState() == 2; });
    DeleteFileW(ProDataPath().c_str());
    Page().Edit([](ProfileRecord& p) { p.iDebounce = 7; });
    Apply();
    EXPECT_TRUE(FileExists(ProDataPath()));
    EXPECT_NE(Page().SentProfileCopy().iDebounce, 7) << "nothing was sent";
}

TEST_F(Gen1ApplyRun, AnEditDuringAnApplyIsSentByTheNextOne) {
    Start(10, Link::Receiver);
    Apply();
    ClearWrites();
    Page().Edit([](ProfileRecord& p) {
        p.iLightMode = 1;
        p.iBrightness = 3;
    });
    const unsigned uRuns = Page().AppliesRun();
    Page().PostApply();
    // The apply is under way once its first frame is out; the user edits again meanwhile.
    PumpUntil([&] { return !ReceiverWrites().empty(); });
    Page().Edit([](ProfileRecord& p) { p.iBrightness = 5; });
    ASSERT_TRUE(WaitForApplies(uRuns + 1));
    std::vector<kit::Bytes> sent = Distinct(ReceiverWrites());
    ASSERT_EQ(Ids(sent), "0C 05");
    EXPECT_EQ(sent[1][5] & 0x0F, 3) << "the apply sent its snapshot";
    EXPECT_EQ(Page().SentProfileCopy().iBrightness, 3) << "and recorded that snapshot as sent";

    ClearWrites();
    Apply();
    sent = Distinct(ReceiverWrites());
    ASSERT_EQ(Ids(sent), "0C 05");
    EXPECT_EQ(sent[1][5] & 0x0F, 5) << "the later edit is not lost";
}

TEST_F(Gen1ApplyRun, ShuttingDownDuringARetryLoopEndsItAtOnce) {
    Timing().uWirelessTryPauseMs = 500;  // ten silent attempts would take five seconds a frame
    Start(10, Link::Receiver, false);
    Page().PostApply();
    PumpUntil([&] { return !ReceiverWrites().empty(); });
    const ULONGLONG ullStart = GetTickCount64();
    Page().Shutdown();
    EXPECT_LT(GetTickCount64() - ullStart, 2000u);
    EXPECT_LE(ReceiverWrites().size(), 2u) << "no attempt after the stop";
    EXPECT_EQ(Page().WorkerThreadId(), 0u);
}

}  // namespace
}  // namespace gen1test
