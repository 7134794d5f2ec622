// Second-generation frames 0x0C, 0x04, 0x05, 0x06 and 0x08 byte for byte over MS_11, MS_8, MS_12
// and MS_13 through their descriptions, and the reports that carry a frame over each link.
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

#include <gtest/gtest.h>

#include <string>

using namespace gen2test;

namespace {

TEST(Gen2Frames, TheDefaultProfilesFrames) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        const Gen2Model& model = ModelOf(iModel);
        const auto pProfile = DefaultProfile(iModel);
        EXPECT_EQ(ToHex(BuildStartReport()), "0C 0A 01 FE 01 FE 00 00 00 00");
        EXPECT_EQ(ToHex(BuildDpiReport(model, *pProfile)),
                  "04 38 01 00 01 3F 00 01 07 0F 17 1F 3F 63 00 00" + Repeat("00", 8) +
                      " 02 FF 00 00 00 FF 00 00 00 FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 66 00 00 00 00");
        // MS_14 and MS_16 leave the factory in light mode 7 (breathing), the others with the light off.
        const bool bBreathing = iModel == 14 || iModel == 16;
        EXPECT_EQ(ToHex(BuildLightReport(model, *pProfile)), bBreathing ? "05 0F 01 70 03 A8 00 00 FF 02 03 02 1F 00 00"
                                                                        : "05 0F 01 00 03 A8 00 00 FF 02 03 01 AF 00 00");
        EXPECT_EQ(ToHex(BuildRateReport(model, *pProfile)), "06 09 01 74 8B 00 00 00 00");
    }
}

TEST(Gen2Frames, TheDefaultButtonsOfEachModel) {
    const struct {
        int iModel;
        std::string strFrame;
    } rows[] = {
        {11, "08 3B 01 02 00 00 03 00 00 04 00 00 3C 00 00 28 00 00 06 00 00 05 00 00" + Repeat("01 00 00", 9) +
                 " 09 00 00 0A 00 00 00 94"},
        {8, "08 3B 01 02 00 00 03 00 00 04 00 00 3C 00 00 28 00 00 06 00 00 05 00 00" + Repeat("01 00 00", 9) +
                " 09 00 00 0A 00 00 00 94"},
        {12, "08 3B 01 02 00 00 03 00 00 04 00 00 28 00 00 0E 00 00 0F 00 00 06 00 00 05 00 00" +
                 Repeat("01 00 00", 8) + " 09 00 00 0A 00 00 00 74"},
        {13, "08 3B 01 02 00 00 03 00 00 04 00 00 28 00 00 05 00 00 06 00 00 0D 00 00" + Repeat("01 00 00", 9) +
                 " 09 00 00 0A 00 00 00 65"},
        // Left, right, wheel, DPI cycle, off, function 24, forward, backward.
        {14, "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 01 00 00 28 00 00 06 00 00 05 00 00" +
                 Repeat("01 00 00", 8) + " 09 00 00 0A 00 00 00 65"},
        {16, "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 01 00 00 28 00 00 06 00 00 05 00 00" +
                 Repeat("01 00 00", 8) + " 09 00 00 0A 00 00 00 65"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ToHex(BuildKeyReport(ModelOf(row.iModel), *DefaultProfile(row.iModel))), row.strFrame) << Name(row.iModel);
}

// Button 2 owns blocks 5 to 8 on every model; button 9 has no macro slot on any of them.
TEST(Gen2Frames, ButtonBytesOfShortcutsMacrosAndIdsWithoutARow) {
    const struct {
        int k;
        uint8_t byFunction;
        const char* pszBytes;
    } rows[] = {
        {1, 17, "12 00 05"}, {1, 25, "3A 00 05"},  // the button's first macro block
        {8, 17, "12 00 00"}, {8, 25, "3A 00 00"},  // no macro slot: the bytes stay, block 0
        {0, 16, "11 05 1D"},                       // shortcut: modifiers and usage
        {2, 51, "00 00 00"}, {2, 15, "00 00 00"}, {2, 200, "00 00 00"},  // ids without a row
        {2, 81, "11 03 12"}, {2, 22, "10 00 03"}, {2, 52, "3C 00 00"},
    };
    for (int iModel : kGen2Models) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            KeyEntryEx& entry = pProfile->stKeys[row.k];
            entry.byFunction = row.byFunction;
            entry.byModifiers = 0x05;
            entry.byUsage = 0x1D;
            const FrameBytes frame = BuildKeyReport(ModelOf(iModel), *pProfile);
            EXPECT_EQ(ToHex(frame.data() + 3 + 3 * row.k, 3), row.pszBytes)
                << Name(iModel) << " button " << row.k + 1 << " function " << int(row.byFunction);
            EXPECT_EQ((frame[57] << 8) | frame[58], FrameSum(frame, 57));
        }
    }
}

// The first macro block of each button (1 to 8; buttons 9 to 18 have none on any model), as frame
// 0x08 names a macro button's macro to the mouse.
TEST(Gen2Frames, EachModelsMacroBlocks) {
    const struct {
        int iModel;
        const char* pszBlocks;
    } rows[] = {
        {11, "01 05 09 00 00 0D 11 00"}, {8, "01 05 09 00 00 0D 11 00"},  {12, "01 05 09 00 0D 11 15 19"},
        {13, "01 05 09 00 0D 11 15 19"}, {14, "01 05 09 0D 00 00 11 15"}, {16, "01 05 09 00 00 11 15 00"},
    };
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        for (int k = 0; k < kButtonCount; ++k) pProfile->stKeys[k].byFunction = 17;
        const FrameBytes frame = BuildKeyReport(ModelOf(row.iModel), *pProfile);
        uint8_t byBlocks[8] = {};
        for (int k = 0; k < kButtonCount; ++k) {
            EXPECT_EQ(ToHex(frame.data() + 3 + 3 * k, 2), "12 00") << Name(row.iModel) << " button " << k + 1;
            if (k < 8) byBlocks[k] = frame[5 + 3 * k];
            else EXPECT_EQ(frame[5 + 3 * k], 0) << Name(row.iModel) << " button " << k + 1;
        }
        EXPECT_EQ(ToHex(byBlocks, 8), row.pszBlocks) << Name(row.iModel);
        // A button without a block of its own sends no macro: from block 0 on it would overwrite
        // the macro of the button that owns block 1.
        KeyEntryEx entry{};
        entry.byFunction = 17;
        entry.wActionNum = 1;
        entry.stActions[0] = Key(0x04, kActionPress, 10);
        for (int k = 0; k < 8; ++k)
            if (byBlocks[k] == 0)
                EXPECT_TRUE(BuildMacroChain(ModelOf(row.iModel), k, entry).empty()) << Name(row.iModel) << " button " << k + 1;
    }
}

TEST(Gen2Frames, DpiStagesSendTheirValueLessOne) {
    const struct {
        int32_t iValue;
        const char* pszLowHigh;
    } rows[] = {{0, "00 00"}, {-3, "00 00"}, {1, "00 00"}, {16, "0F 00"}, {256, "FF 00"}, {257, "00 01"}, {520, "07 02"}};
    for (int iModel : kGen2Models) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            pProfile->iDpi[3] = row.iValue;
            const FrameBytes frame = BuildDpiReport(ModelOf(iModel), *pProfile);
            const uint8_t bytes[] = {frame[8 + 3], frame[16 + 3]};
            EXPECT_EQ(ToHex(bytes, 2), row.pszLowHigh) << Name(iModel) << " value " << row.iValue;
            EXPECT_EQ((frame[50] << 8) | frame[51], FrameSum(frame, 50));
        }
    }
}

// Brightness, 9 - speed and sleep share bytes 4 and 5: each keeps to its own bits.
TEST(Gen2Frames, LightFrameKeepsEachValueInItsNibble) {
    const struct {
        int32_t iMode, iSleep, iSpeed, iBrightness;
        const char* pszBytes3To5;
    } rows[] = {
        {1, 10, 6, 8, "10 03 A8"},     {9, 0x35, 2, 5, "90 37 55"},  {2, 10, 6, 5, "20 03 A8"},  // brightness in 1, 9 only
        {1, 0x1A5, 20, 0x1F, "10 A5 5F"},  // sleep cut to 8 bits, 9 - 20 and 31 to their nibbles
        {1, 255, 9, 15, "10 F0 FF"},   {1, -1, 0, 0, "10 F9 F0"},
        {1, 0x25, 3, 7, "10 26 57"},   {2, 0x25, 3, 7, "20 26 58"},  // sleep's halves around speed and brightness
    };
    for (int iModel : kGen2Models) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            pProfile->iLightMode = row.iMode;
            pProfile->iSleep = row.iSleep;
            pProfile->iBreathSpeed = row.iSpeed;
            pProfile->iBrightness = row.iBrightness;
            const FrameBytes frame = BuildLightReport(ModelOf(iModel), *pProfile);
            EXPECT_EQ(ToHex(frame.data() + 3, 3), row.pszBytes3To5) << Name(iModel) << " sleep " << row.iSleep;
            EXPECT_EQ(ToHex(frame.data() + 6, 5), "00 00 FF 02 03");
            EXPECT_EQ((frame[11] << 8) | frame[12], FrameSum(frame, 11));
        }
    }
}

TEST(Gen2Frames, RateCodeIsTheNibblePair) {
    const struct {
        int32_t iRate, iRateHs;
        const char* pszFrame;
    } rows[] = {{3, 6, "06 09 01 74 8B 00 00 00 00"}, {0, 0, "06 09 01 11 EE 00 00 00 00"},
                {1, 2, "06 09 01 32 CD 00 00 00 00"}, {3, 0, "06 09 01 14 EB 00 00 00 00"},
                {0, 6, "06 09 01 71 8E 00 00 00 00"}};
    for (int iModel : kGen2Models) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            pProfile->iRate = row.iRate;
            pProfile->iRateHs = row.iRateHs;
            EXPECT_EQ(ToHex(BuildRateReport(ModelOf(iModel), *pProfile)), row.pszFrame) << Name(iModel);
        }
    }
}

TEST(Gen2Frames, FourKReportsOfSingleFrames) {
    const auto pProfile = DefaultProfile(11);
    const FrameBytes rate = BuildRateReport(ModelOf(11), *pProfile);
    ASSERT_EQ(Wireless4kPieceCount(rate), 1);
    const Wireless4kFrame rateReport = BuildWireless4kFrame(rate, 0);
    EXPECT_EQ(ToHex(rateReport.data(), rateReport.size()),
              "04 0E 00 06 09 01 74 8B 00 00 00 00 01 21" + Repeat("00", 51));

    const FrameBytes dpi = BuildDpiReport(ModelOf(11), *pProfile);
    ASSERT_EQ(Wireless4kPieceCount(dpi), 1);
    const Wireless4kFrame dpiReport = BuildWireless4kFrame(dpi, 0);
    EXPECT_EQ(ToHex(dpiReport.data(), 3), "04 3D 00");  // 56 bytes + 5
    EXPECT_EQ(ToHex(dpiReport.data() + 3, 56), ToHex(dpi));
    EXPECT_EQ(ToHex(dpiReport.data() + 59, 6), "10 59 00 00 00 00");  // the sum of bytes 0 to 58
}

}  // namespace
