// MS_20, MS_22 and MS_23 through their descriptions: MS_18's frames (stage codes through the
// register table, one-hot rates, the 131-byte macro frame) with their own buttons, buttons 1 to 6
// each owning four macro blocks from 1, 5, 9, 13, 17 and 21, the rate the mouse reports read as
// its one-hot code, and their factory profile on disk.
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen2test;

namespace {

const int kLevelCodeModels[] = {20, 22, 23};

TEST(Gen2LevelCodeModels, TheFactoryProfilesFrames) {
    for (int iModel : kLevelCodeModels) {
        SCOPED_TRACE(Name(iModel));
        const Gen2Model& model = ModelOf(iModel);
        const auto pProfile = DefaultProfile(iModel);
        // Codes 8, 16, 24, 32, 64 and 100 through the register table, no range flag, byte 49 at 2.
        EXPECT_EQ(ToHex(BuildDpiReport(model, *pProfile)),
                  "04 38 01 00 01 3F 00 00 09 12 1C 25 4B 75 00 00" + Repeat("00", 8) +
                      " 02 FF 00 00 00 FF 00 00 00 FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 02 0F 92 00 00 00 00");
        // The debounce of 6 ms in byte 10, light-off 2 in byte 9.
        EXPECT_EQ(ToHex(BuildLightReport(model, *pProfile)), "05 0F 01 00 03 A8 00 00 FF 02 06 01 B2 00 00");
        EXPECT_EQ(ToHex(BuildRateReport(model, *pProfile)), "06 09 01 01 FE 00 00 00 00");
        // Click, menu, scroll, DPI cycle, backward, forward, function 24, nine buttons off,
        // scroll down, scroll up.
        EXPECT_EQ(ToHex(BuildKeyReport(model, *pProfile)),
                  "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 05 00 00 06 00 00 28 00 00" + Repeat("01 00 00", 9) +
                      " 0A 00 00 09 00 00 00 65");
    }
}

TEST(Gen2LevelCodeModels, MacroButtonsNameTheirFirstBlockInTheButtonFrame) {
    const struct {
        int k;
        uint8_t byFunction;
        const char* pszBytes;
    } rows[] = {
        {0, 17, "12 00 01"}, {3, 17, "12 00 0D"}, {3, 25, "3A 00 0D"}, {5, 25, "3A 00 15"},
        {6, 17, "12 00 00"}, {17, 25, "3A 00 00"},  // no block of their own
    };
    for (int iModel : kLevelCodeModels) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            pProfile->stKeys[row.k].byFunction = row.byFunction;
            const FrameBytes frame = BuildKeyReport(ModelOf(iModel), *pProfile);
            EXPECT_EQ(ToHex(frame.data() + 3 + 3 * row.k, 3), row.pszBytes) << Name(iModel) << " button " << row.k + 1;
        }
    }
}

// Sixty presses and releases of 10 ms on button 4: 49 actions and the pointer to block 14 in the
// first frame, the other 11 in the second, which carries no header. Button 7 sends none.
TEST(Gen2LevelCodeModels, AMacroOnButton4GoesInBlocks13And14) {
    std::vector<MacroActionEx> actions;
    for (int i = 0; i < 60; ++i) actions.push_back(Key(0x04, i % 2 == 0 ? kActionPress : kActionRelease, 10));
    for (int iModel : kLevelCodeModels) {
        SCOPED_TRACE(Name(iModel));
        auto pProfile = DefaultProfile(iModel);
        KeyEntryEx& entry = pProfile->stKeys[3];
        CarryActions(entry, kFunctionMacro, L"M", actions.data(), static_cast<int>(actions.size()));
        entry.iLoopMode = 2;
        entry.iLoopCount = 0;  // sent as 1
        const uint8_t colour[4] = {0x12, 0x34, 0x56, 0};
        std::memcpy(entry.byColor, colour, sizeof colour);

        const std::vector<FrameBytes> blocks = BuildMacroChain(ModelOf(iModel), 3, entry);
        ASSERT_EQ(blocks.size(), 2u);
        const FrameBytes& first = blocks[0];
        ASSERT_EQ(first.size(), 131u);
        EXPECT_EQ(ToHex(first.data(), 8), "09 83 0D 02 12 34 56 01");
        EXPECT_EQ(first[28], 50) << "49 actions and the pointer";
        EXPECT_EQ(ToHex(first.data() + 125, 6), "0B 04 0E FE 10 BC");
        const FrameBytes& second = blocks[1];
        ASSERT_EQ(second.size(), 131u);
        EXPECT_EQ(ToHex(second.data(), 8), "09 83 0E 00 00 00 00 00");
        EXPECT_EQ(second[28], 11);
        EXPECT_EQ(ToHex(second.data() + 47, 6), "0B 04 8B 04 00 00");
        EXPECT_EQ(ToHex(second.data() + 129, 2), "03 B0");

        CarryActions(pProfile->stKeys[6], kFunctionMacro, L"M", actions.data(), 4);
        EXPECT_TRUE(BuildMacroChain(ModelOf(iModel), 6, pProfile->stKeys[6]).empty());
    }
}

// What the mouse reports as its rate is the code frame 0x06 sends for it.
TEST(Gen2LevelCodeModels, ReportedRateCodesAndTheRatesTheyStandFor) {
    const struct {
        int iCode;
        int iRate;
    } rows[] = {{8, 0}, {4, 1}, {2, 2}, {1, 3}, {3, 3}, {0, 3}, {9, 3}, {0x13, 3}, {0x108, 3}};
    for (const auto& row : rows) EXPECT_EQ(RateIndexOfOneHotCode(row.iCode), row.iRate) << "code " << row.iCode;
    // Each code the page sends reads back as its rate.
    auto pProfile = DefaultProfile(20);
    for (int32_t iRate = 0; iRate < 4; ++iRate) {
        pProfile->iRate = iRate;
        EXPECT_EQ(RateIndexOfOneHotCode(RateCode(ModelOf(20), *pProfile)), iRate);
    }
}

TEST(Gen2LevelCodeModels, FirstStartWritesTheFactoryProfileAndEachProfileAddsARecord) {
    constexpr size_t kHeader = 507704;
    constexpr size_t kRecord = 101540;
    constexpr size_t kKeys = 2468;
    constexpr size_t kEntry = 4128;
    for (int iModel : kLevelCodeModels) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"level_code_first_start");
        ProfileListEx profiles;
        ProDataHeader header;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_NE(files.ProData().find(L"\\ms_" + std::to_wstring(iModel) + L"\\pro.data"), std::wstring::npos);

        const std::vector<uint8_t> file = ReadBytes(files.ProData());
        ASSERT_EQ(file.size(), kHeader + kRecord);
        const struct {
            size_t uOffset;
            int32_t iValue;
        } fields[] = {{2244, 8},   {2264, 100}, {2268, 0},   {2296, 100}, {2308, 1},  {2332, 0},
                      {2348, 10},  {2352, 2},   {2356, 1},   {2360, 3},   {2364, 6},  {2372, 1},
                      {2380, 1},   {2384, 0},   {2396, 6},   {2400, 0x00FF0000}, {2428, 0x000040FF}};
        for (const auto& field : fields)
            EXPECT_EQ(IntAt(file, kHeader + field.uOffset), field.iValue) << "offset " << field.uOffset;
        const uint8_t functions[kButtonCount] = {1, 2, 3, 6, 5, 4, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 11};
        for (int k = 0; k < kButtonCount; ++k)
            EXPECT_EQ(file[kHeader + kKeys + kEntry * static_cast<size_t>(k) + 1], functions[k]) << "button " << k + 1;
        EXPECT_FALSE(FileExists(files.MacroData()));

        profiles.push_back(files.Default(L"B"));
        profiles.push_back(files.Default(L"C"));
        header.iCurProfile = 2;
        files.storage.SaveProData(profiles, header);
        const std::vector<uint8_t> three = ReadBytes(files.ProData());
        EXPECT_EQ(three.size(), kHeader + 3 * kRecord);
        EXPECT_EQ(IntAt(three, 0), 2);
        EXPECT_EQ(std::vector<uint8_t>(three.begin() + kHeader, three.begin() + kHeader + kRecord),
                  std::vector<uint8_t>(file.begin() + kHeader, file.end()))
            << "the first record as it was";
    }
}

}  // namespace
