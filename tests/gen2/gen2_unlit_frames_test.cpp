// MS_18 and MS_19 through their descriptions: the default profile's frames byte for byte, MS_18's
// two-segment stage codes with their range flags, one-hot rate codes and 131-byte macro frame in
// its three pieces, MS_19's sensor options two to a byte, the DPI shown and typed on both scales,
// and their first pro.data on disk.
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"
#include "models/data/record_repair.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen2test;

namespace {

constexpr int kUnlitModels[] = {18, 19};

const std::string kDefaultColours =
    "FF 00 00 00 FF 00 00 00 FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF";

KeyEntryEx EntryOf(const std::vector<MacroActionEx>& actions, uint8_t byFunction = kFunctionMacro) {
    KeyEntryEx entry{};
    CarryActions(entry, byFunction, L"M", actions.data(), static_cast<int>(actions.size()));
    return entry;
}

TEST(Gen2UnlitFrames, TheDefaultProfilesFrames) {
    const struct {
        int iModel;
        std::string strDpi, strRate;
    } rows[] = {
        // Stage codes from the register table, no range flags, byte 49 at 2.
        {18, "04 38 01 00 01 3F 00 00 09 12 1C 25 4B 75 00 00" + Repeat("00", 8) + " 02 " + kDefaultColours +
                 " 02 0F 92 00 00 00 00",
         "06 09 01 01 FE 00 00 00 00"},
        // Stage values less one; lift-off and ripple, angle snap and motion sync two to a byte.
        {19, "04 38 01 01 01 3F 00 00 07 0F 17 1F 3F 63 00 00" + Repeat("00", 8) + " 02 " + kDefaultColours +
                 " 02 0F 65 00 00 00 00",
         "06 09 01 74 8B 00 00 00 00"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Name(row.iModel));
        const Gen2Model& model = ModelOf(row.iModel);
        const auto pProfile = DefaultProfile(row.iModel);
        EXPECT_EQ(ToHex(BuildDpiReport(model, *pProfile)), row.strDpi);
        // Mode 0, sleep 10, speed 6, light-off 2 and a debounce of 6 ms.
        EXPECT_EQ(ToHex(BuildLightReport(model, *pProfile)), "05 0F 01 00 03 A8 00 00 FF 02 06 01 B2 00 00");
        EXPECT_EQ(ToHex(BuildRateReport(model, *pProfile)), row.strRate);
        // Buttons 1 to 6 click, menu, wheel, DPI cycle, backward, forward; 17 and 18 the other way
        // round from the earlier models.
        EXPECT_EQ(ToHex(BuildKeyReport(model, *pProfile)),
                  "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 05 00 00 06 00 00" + Repeat("01 00 00", 10) +
                      " 0A 00 00 09 00 00 00 3E");
    }
}

TEST(Gen2UnlitFrames, Ms18StageCodesAndRangeFlags) {
    const struct {
        int32_t iValue;
        const char* pszCodeAndFlag;
    } rows[] = {
        {0, "00 00"},   {1, "01 00"},   {8, "09 00"},    {100, "75 00"},
        {200, "EB 00"},                    // 10,000 DPI: the table's last plain code
        {201, "76 01"}, {220, "8D 01"},  // 10,100 and 12,000 DPI: half the DPI's code with the flag
    };
    auto pProfile = DefaultProfile(18);
    for (const auto& row : rows) {
        pProfile->iDpi[7] = row.iValue;
        const FrameBytes frame = BuildDpiReport(ModelOf(18), *pProfile);
        EXPECT_EQ(ToHex(frame.data() + 15, 1) + " " + ToHex(frame.data() + 23, 1), row.pszCodeAndFlag) << row.iValue;
        EXPECT_EQ((frame[50] << 8) | frame[51], FrameSum(frame, 50));
    }
    // Angle snap and ripple in bytes 3 and 4; lift-off and motion sync are not in this frame.
    pProfile->iAngleSnap = 1;
    pProfile->iRipple = 0;
    pProfile->iLiftOff = 1;
    pProfile->iMotionSync = 1;
    EXPECT_EQ(ToHex(BuildDpiReport(ModelOf(18), *pProfile).data() + 3, 5), "01 00 3F 00 00");
}

TEST(Gen2UnlitFrames, Ms19SensorOptionsTwoToAByteAndItsWidestStage) {
    auto pProfile = DefaultProfile(19);
    const struct {
        int iLiftOff, iRipple, iAngleSnap, iMotionSync;
        const char* pszBytes;
    } rows[] = {
        {1, 0, 1, 1, "10 11"},
        {0, 1, 1, 0, "01 10"},
        {0, 0, 0, 0, "00 00"},
        {0x21, 0x13, 0x32, 0x45, "13 25"},  // each keeps to its nibble
    };
    for (const auto& row : rows) {
        pProfile->iLiftOff = row.iLiftOff;
        pProfile->iRipple = row.iRipple;
        pProfile->iAngleSnap = row.iAngleSnap;
        pProfile->iMotionSync = row.iMotionSync;
        const FrameBytes frame = BuildDpiReport(ModelOf(19), *pProfile);
        EXPECT_EQ(ToHex(frame.data() + 3, 5), std::string(row.pszBytes) + " 3F 00 00");
    }
    pProfile->iDpi[0] = 520;  // 26,000 DPI: 519
    pProfile->iDpi[1] = 1;    // 50 DPI: 0
    const FrameBytes frame = BuildDpiReport(ModelOf(19), *pProfile);
    EXPECT_EQ(ToHex(frame.data() + 8, 2), "07 00");
    EXPECT_EQ(ToHex(frame.data() + 16, 2), "02 00");
}

TEST(Gen2UnlitFrames, RateCodes) {
    const struct {
        int iModel;
        int32_t iRate, iRateHs;
        const char* pszBytes;
    } rows[] = {
        {18, 0, 6, "08 F7"}, {18, 1, 6, "04 FB"}, {18, 2, 6, "02 FD"}, {18, 3, 6, "01 FE"},
        {18, 7, 0, "01 FE"}, {18, -1, 0, "01 FE"},  // an index past the four rates: the fastest
        {19, 3, 6, "74 8B"}, {19, 0, 0, "11 EE"},
    };
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iRate = row.iRate;
        pProfile->iRateHs = row.iRateHs;
        EXPECT_EQ(ToHex(BuildRateReport(ModelOf(row.iModel), *pProfile)), std::string("06 09 01 ") + row.pszBytes + " 00 00 00 00")
            << Name(row.iModel) << " rate " << row.iRate;
    }
}

TEST(Gen2UnlitFrames, DpiShownAndTypedOnEachScale) {
    const struct {
        int iModel;
        int iTyped;
        int32_t iValue;
        int iShown;
    } rows[] = {
        {18, 12345, 220, 12000}, {18, 12000, 220, 12000}, {18, 10050, 200, 10000}, {18, 10150, 201, 10100},
        {18, 10000, 200, 10000}, {18, 11999, 219, 11900}, {18, 49, 1, 50},          {18, 0, 1, 50},
        {18, 75, 1, 50},         {18, 400, 8, 400},
        {19, 30000, 520, 26000}, {19, 26000, 520, 26000}, {19, 12345, 246, 12300}, {19, 40, 1, 50},
        {19, 75, 1, 50},
    };
    for (const auto& row : rows) {
        const Gen2Model& model = ModelOf(row.iModel);
        EXPECT_EQ(ValueOfDpi(model, row.iTyped), row.iValue) << Name(row.iModel) << " typed " << row.iTyped;
        EXPECT_EQ(DpiOfValue(model, row.iValue), row.iShown) << Name(row.iModel) << " value " << row.iValue;
    }
    EXPECT_EQ(DpiOfValue(ModelOf(18), 0), 0);
    EXPECT_EQ(DpiOfValue(ModelOf(19), 0), 0);
}

// 49 two-byte actions fill MS_18's 131-byte block; the 50th opens the next block, marked at bytes
// 127 and 128.
TEST(Gen2UnlitFrames, Ms18MacroBlocksOf131Bytes) {
    std::vector<MacroActionEx> actions;
    for (int i = 0; i < 60; ++i)
        actions.push_back(Key(static_cast<uint8_t>(4 + i / 2), i % 2 == 0 ? kActionPress : kActionRelease, 10));
    KeyEntryEx entry = EntryOf(actions, kFunctionMacroColour);
    entry.iLoopMode = 2;
    entry.iLoopCount = 0;
    entry.byColor[0] = 0x12;
    entry.byColor[1] = 0x34;
    entry.byColor[2] = 0x56;
    const std::vector<FrameBytes> chain = BuildMacroChain(ModelOf(18), 1, entry);  // button 2: block 5
    ASSERT_EQ(chain.size(), 2u);
    const FrameBytes& first = chain[0];
    ASSERT_EQ(first.size(), 131u);
    EXPECT_EQ(ToHex(first.data(), 8), "09 83 05 02 12 34 56 01");
    EXPECT_EQ(ToHex(first.data() + 8, 20), Repeat("00", 20).substr(1));
    EXPECT_EQ(first[28], 50);  // 49 actions and the mark
    EXPECT_EQ(ToHex(first.data() + 29, 4), "0B 04 8B 04");
    EXPECT_EQ(ToHex(first.data() + 123, 6), "8B 1B 0B 1C 06 FE");
    EXPECT_EQ((first[129] << 8) | first[130], FrameSum(first, 129));

    const FrameBytes& second = chain[1];
    ASSERT_EQ(second.size(), 131u);
    EXPECT_EQ(ToHex(second.data(), 8), "09 83 06 00 00 00 00 00");
    EXPECT_EQ(second[28], 11);
    EXPECT_EQ(ToHex(second.data() + 29, 4), "8B 1C 0B 1D");
    for (size_t i = 29 + 22; i < 129; ++i) ASSERT_EQ(second[i], 0) << i;
    EXPECT_EQ((second[129] << 8) | second[130], FrameSum(second, 129));

    // No actions: one block with the first block's bytes and no units.
    const std::vector<FrameBytes> empty = BuildMacroChain(ModelOf(18), 0, EntryOf({}));
    ASSERT_EQ(empty.size(), 1u);
    EXPECT_EQ(ToHex(empty[0].data(), 8), "09 83 01 00 00 00 00 01");
    EXPECT_EQ(empty[0][28], 0);
    EXPECT_EQ(ToHex(empty[0].data() + 129, 2), "00 01");
    // MS_19 keeps the 111-byte frame.
    EXPECT_EQ(BuildMacroChain(ModelOf(19), 0, EntryOf({}))[0].size(), 111u);
}

TEST(Gen2UnlitFrames, A131ByteBlockInThreePiecesOverCableAndReceiver) {
    std::vector<MacroActionEx> actions;
    for (int i = 0; i < 50; ++i) actions.push_back(Key(static_cast<uint8_t>(0x10 + i), kActionRelease, 20));
    const FrameBytes frame = BuildMacroChain(ModelOf(18), 5, EntryOf(actions))[0];  // button 6: block 21
    ASSERT_EQ(frame.size(), 131u);
    ASSERT_EQ(MacroChunkCount(frame), 3);
    for (ChunkLink eLink : {ChunkLink::Cable, ChunkLink::Receiver}) {
        const MacroChunk c0 = BuildMacroChunk(frame, 0, eLink);
        const MacroChunk c1 = BuildMacroChunk(frame, 1, eLink);
        const MacroChunk c2 = BuildMacroChunk(frame, 2, eLink);
        EXPECT_EQ(ToHex(c0.data(), 4), "09 40 15 00");
        EXPECT_EQ(ToHex(c0.data() + 4, 60), ToHex(frame.data() + 3, 60));
        EXPECT_EQ(ToHex(c1.data(), 4), "09 40 15 01");
        EXPECT_EQ(ToHex(c1.data() + 4, 60), ToHex(frame.data() + 63, 60));
        // The third: frame bytes 123 to 130, then zeros; 0C in its byte 1 over the receiver.
        EXPECT_EQ(ToHex(c2.data(), 4), eLink == ChunkLink::Cable ? "09 40 15 02" : "09 0C 15 02");
        EXPECT_EQ(ToHex(c2.data() + 4, 60), ToHex(frame.data() + 123, 8) + Repeat("00", 52));
    }
}

// A profile from a file (loaded or imported) is brought into each model's range before any frame
// is built from it: no stage past the register table, no rate past the four codes.
TEST(Gen2UnlitFrames, AProfileFromAFileKeepsToTheModelsRange) {
    const struct {
        int iModel;
        int32_t iDpi, iRate;
        int32_t iDpiAfter, iRateAfter;
        const char* pszStage8;  // bytes 15 and 23 of the DPI frame
    } rows[] = {
        {18, 300, 7, 220, 3, "8D 01"},
        {18, -5, -1, 1, 0, "01 00"},
        {19, 600, 9, 520, 3, "07 02"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(Name(row.iModel));
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iDpi[7] = row.iDpi;
        pProfile->iRate = row.iRate;
        EXPECT_TRUE(RepairProfile(ModelOf(row.iModel), *pProfile));
        EXPECT_EQ(pProfile->iDpi[7], row.iDpiAfter);
        EXPECT_EQ(pProfile->iRate, row.iRateAfter);
        const FrameBytes frame = BuildDpiReport(ModelOf(row.iModel), *pProfile);
        EXPECT_EQ(ToHex(frame.data() + 15, 1) + " " + ToHex(frame.data() + 23, 1), row.pszStage8);
    }
}

TEST(Gen2UnlitFrames, FirstStartWritesTheModelsDefaults) {
    constexpr size_t kRecordAt = 507704;
    constexpr size_t kKeys = 2468;
    constexpr size_t kEntry = 4128;
    for (int iModel : kUnlitModels) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"unlit_first_start");
        ProfileListEx profiles;
        ProDataHeader header;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
        const std::vector<uint8_t> file = ReadBytes(files.ProData());
        ASSERT_EQ(file.size(), 609244u);
        EXPECT_NE(files.ProData().find(L"ms_" + std::to_wstring(iModel) + L"\\pro.data"), std::wstring::npos);
        EXPECT_EQ(IntAt(file, kRecordAt + 2384), 0);  // iLightMode
        EXPECT_EQ(IntAt(file, kRecordAt + 2396), 6);  // iDebounce
        EXPECT_EQ(IntAt(file, kRecordAt + 2244), 8);  // iDpi of stage 1: 400 DPI
        EXPECT_EQ(IntAt(file, kRecordAt + 2360), 3);  // iRate
        const uint8_t functions[kButtonCount] = {1, 2, 3, 6, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 11};
        for (int k = 0; k < kButtonCount; ++k)
            EXPECT_EQ(file[kRecordAt + kKeys + kEntry * static_cast<size_t>(k) + 1], functions[k]) << "button " << k + 1;
    }
}

}  // namespace
