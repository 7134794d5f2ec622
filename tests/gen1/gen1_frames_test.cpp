// First-generation command frames, byte for byte, over the first-generation models through their
// descriptions: the worked examples, the DPI boundaries, the rate codes, the macro pair rule and
// its bounds in both macro frame shapes, and the pieces a macro frame travels in over the cable,
// the 2.4 GHz receiver and the 4K receiver.
#include "models/data/dpi_tables.h"
#include "models/data/gen1_frames.h"
#include "models/data/gen1_storage.h"
#include "tests/gen1/gen1_test_util.h"
#include "models/data/key_function_table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <set>

using namespace gen1test;

namespace {

std::unique_ptr<ProfileRecord> DefaultProfile(int iModel) {
    auto pProfile = std::make_unique<ProfileRecord>();
    std::memset(pProfile.get(), 0, sizeof(ProfileRecord));
    Gen1Storage storage(ModelOf(iModel), L"unused", nullptr);
    storage.SetDefaultProfile(*pProfile);
    return pProfile;
}

KeyEntry MacroEntry(std::initializer_list<MacroAction> actions) {
    KeyEntry entry{};
    int i = 0;
    for (const MacroAction& action : actions) entry.stActions[i++] = action;
    entry.wActionNum = static_cast<uint16_t>(i);
    return entry;
}

TEST(Gen1Frames, StartFrameIsFixed) {
    EXPECT_EQ(ToHex(BuildStartReport()), "0C 0A 01 FE 01 FE 00 00 00 00");
}

TEST(Gen1Frames, DpiFrameOfTheFactoryProfile) {
    const struct {
        int iModel;
        const char* pszFrame;
    } rows[] = {
        {10, "04 38 01 00 00 3F 00 00 06 0F 19 22 47 71 00 00 06 0F 19 22 47 71 00 00 02 FF 00 00 00 FF 00 00 00 "
             "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 10 86 00 00 00 00"},
        {1, "04 38 01 00 00 3F 00 00 09 12 1C 25 4B 75 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 92 00 00 00 00"},
        {2, "04 38 01 00 00 3F 00 00 07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 64 00 00 00 00"},
        // MS_6: MS_2's codes with motion sync on.
        {6, "04 38 01 00 00 3F 00 01 07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 65 00 00 00 00"},
        // MS_7: the register table, as MS_1 sends it.
        {7, "04 38 01 00 00 3F 00 00 09 12 1C 25 4B 75 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 92 00 00 00 00"},
        // MS_9: plain codes below 10,000 DPI; byte 7 stays 0 whatever motion sync holds.
        {9, "04 38 01 00 00 3F 00 00 07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 64 00 00 00 00"},
        // MS_3 and MS_4 as MS_2, with motion sync on by default (byte 7).
        {3, "04 38 01 00 00 3F 00 01 07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 65 00 00 00 00"},
        {4, "04 38 01 00 00 3F 00 01 07 0F 17 1F 3F 63 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 65 00 00 00 00"},
        // MS_5 as MS_1: its frame carries no motion sync.
        {5, "04 38 01 00 00 3F 00 00 09 12 1C 25 4B 75 00 00 00 00 00 00 00 00 00 00 02 FF 00 00 00 FF 00 00 00 "
            "FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF 03 0F 92 00 00 00 00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ToHex(BuildDpiReport(ModelOf(row.iModel), *DefaultProfile(row.iModel))), row.pszFrame)
            << "MS_" << row.iModel;
}

// One stage at a boundary value: the code bytes of that stage and the model's range flags.
TEST(Gen1Frames, DpiStageBoundaries) {
    const struct {
        int iModel;
        int32_t iValue;
        uint8_t byCode;       // byte 8
        uint8_t bySecond;     // byte 16: same code (MS_10), range flag (MS_1), high byte (MS_2)
        uint8_t byHighMask;   // bytes 6 and 7 (MS_10 only)
    } rows[] = {
        {10, 0, 0x00, 0x00, 0},  {10, 1, 0x00, 0x00, 0},   // 100 DPI has no code
        {10, 2, 4, 4, 0},        {10, 50, 113, 113, 0},    // 5,000 DPI: last plain index
        {10, 51, 57, 57, 1},     {10, 52, 57, 57, 1},      // 5,100 and 5,200 DPI: index 25, doubled
        {10, 100, 113, 113, 1},  {10, 101, 115, 115, 1},   // past the page's range: last entry, no overrun
        {10, 100000, 115, 115, 1},
        {1, 0, 0, 0, 0},         {1, 1, 1, 0, 0},          {1, 6, 6, 0, 0},   {1, 200, 235, 0, 0},
        {1, 201, 118, 1, 0},     {1, 220, 141, 1, 0},      {1, 221, 141, 1, 0},  // 221 and up: last entry
        {1, 0x1FF, 141, 1, 0},   {1, 0x108, 9, 0, 0},      // only the low byte of the value counts
        {2, 0, 0, 0, 0},         {2, 1, 0x00, 0x00, 0},    {2, 256, 0xFF, 0x00, 0},
        {2, 257, 0x00, 0x01, 0}, {2, 520, 0x07, 0x02, 0},  // 26,000 DPI sends 519
        {6, 0, 0, 0, 0},         {6, 1, 0, 0, 0},          {6, 256, 0xFF, 0, 0},   {6, 520, 0x07, 0x02, 0},
        {7, 1, 1, 0, 0},         {7, 200, 235, 0, 0},      {7, 201, 118, 1, 0},    {7, 220, 141, 1, 0},
        {9, 0, 0, 0, 0},         {9, 1, 0, 0, 0},          {9, 100, 99, 0, 0},     {9, 200, 199, 0, 0},  // plain codes
        {9, 201, 100, 1, 0},     {9, 290, 189, 1, 0},      // 10,100 and 19,000 DPI: code + 1 in 100s, flagged
        {3, 520, 0x07, 0x02, 0}, {4, 1, 0x00, 0x00, 0},
        {5, 200, 235, 0, 0},     {5, 201, 118, 1, 0},      {5, 220, 141, 1, 0},  // 12,000 DPI: the code of 6,000
    };
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iDpi[0] = row.iValue;
        const FrameBytes frame = BuildDpiReport(ModelOf(row.iModel), *pProfile);
        ASSERT_EQ(frame.size(), kDpiReportLength);
        EXPECT_EQ(frame[8], row.byCode) << "MS_" << row.iModel << " value " << row.iValue;
        EXPECT_EQ(frame[16], row.bySecond) << "MS_" << row.iModel << " value " << row.iValue;
        if (row.iModel == 10) {
            EXPECT_EQ(frame[6], row.byHighMask) << "value " << row.iValue;
            EXPECT_EQ(frame[7], row.byHighMask) << "value " << row.iValue;
        }
        EXPECT_EQ((frame[50] << 8) | frame[51], FrameSum(frame, 50));
    }
}

TEST(Gen1Frames, DpiFrameCarriesEachModelsSensorOptions) {
    const struct {
        int iModel;
        const char* pszBytes3To7;
    } rows[] = {{10, "00 00 C0 C0 C0"}, {1, "03 02 C0 00 00"}, {2, "04 02 C0 03 05"},
                {6, "04 02 C0 03 05"},  {7, "03 02 C0 00 00"}, {9, "04 02 C0 03 00"},
                {3, "04 02 C0 03 05"},  {4, "04 02 C0 03 05"}, {5, "03 02 C0 00 00"}};
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iLiftOff = 4;  // each option is sent as stored (values chosen to tell them apart)
        pProfile->iRipple = 2;
        pProfile->iAngleSnap = 3;
        pProfile->iMotionSync = 5;
        for (int i = 0; i < kDpiStageCount; ++i) pProfile->iDpiEnable[i] = i >= 6 ? 1 : (i == 0 ? 2 : 0);
        for (int i = 6; i < kDpiStageCount; ++i) pProfile->iDpi[i] = row.iModel == 10 ? 60 : 4;
        const FrameBytes frame = BuildDpiReport(ModelOf(row.iModel), *pProfile);
        EXPECT_EQ(ToHex(frame.data() + 3, 5), row.pszBytes3To7) << "MS_" << row.iModel;
    }
}

TEST(Gen1Frames, LightFrame) {
    const struct {
        int iModel;
        int32_t iMode, iSleep, iSpeed, iBrightness, iLightOff, iDebounce;
        uint32_t dwColor;
        const char* pszFrame;
    } rows[] = {
        {10, 0, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 00 03 A8 00 00 FF 02 03 01 AF 00 00"},
        {10, 1, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 10 03 A8 00 00 FF 02 03 01 BF 00 00"},
        {10, 9, 0x35, 2, 5, 7, 4, 0x00123456, "05 0F 01 90 37 55 56 34 12 07 04 01 C3 00 00"},
        {10, 2, 10, 6, 5, 2, 3, 0x00FF0000, "05 0F 01 20 03 A8 00 00 FF 02 03 01 CF 00 00"},  // brightness only in 1, 9
        {1, 0, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 00 03 08 00 00 FF 0B 03 01 18 00 00"},
        {1, 9, 0x35, 2, 5, 7, 4, 0x00123456, "05 0F 01 90 07 05 56 34 12 36 04 01 72 00 00"},
        {2, 9, 0x35, 2, 5, 7, 4, 0x00123456, "05 0F 01 90 07 05 56 34 12 36 04 01 72 00 00"},
        {6, 0, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 00 03 A8 00 00 FF 02 03 01 AF 00 00"},  // factory values
        {7, 7, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 70 03 A8 00 00 FF 02 03 02 1F 00 00"},
        {9, 7, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 70 03 A8 00 00 FF 02 03 02 1F 00 00"},
        // MS_3, MS_4 and MS_5 pack the sleep timer as MS_10 does.
        {3, 1, 10, 6, 8, 2, 3, 0x00FF0000, "05 0F 01 10 03 A8 00 00 FF 02 03 01 BF 00 00"},
        {4, 9, 0x35, 2, 5, 7, 4, 0x00123456, "05 0F 01 90 37 55 56 34 12 07 04 01 C3 00 00"},
        {5, 2, 10, 6, 5, 2, 3, 0x00FF0000, "05 0F 01 20 03 A8 00 00 FF 02 03 01 CF 00 00"},
    };
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iLightMode = row.iMode;
        pProfile->iSleep = row.iSleep;
        pProfile->iBreathSpeed = row.iSpeed;
        pProfile->iBrightness = row.iBrightness;
        pProfile->iLightOff = row.iLightOff;
        pProfile->iDebounce = row.iDebounce;
        pProfile->dwLightColor = row.dwColor;
        EXPECT_EQ(ToHex(BuildLightReport(ModelOf(row.iModel), *pProfile)), row.pszFrame) << "MS_" << row.iModel;
    }
}

// Each index sends its code and the code's complement; an index without a rate sends 2.
TEST(Gen1Frames, RateFrame) {
    const struct {
        int iModel;
        int32_t iRate;
        const char* pszFrame;
    } rows[] = {
        {10, 0, "06 09 01 08 F7 00 00 00 00"}, {10, 3, "06 09 01 01 FE 00 00 00 00"},
        {10, 4, "06 09 01 02 FD 00 00 00 00"}, {1, 1, "06 09 01 04 FB 00 00 00 00"},
        {2, 2, "06 09 01 02 FD 00 00 00 00"},  {2, -1, "06 09 01 02 FD 00 00 00 00"},
        {3, 6, "06 09 01 40 BF 00 00 00 00"},  {3, 0, "06 09 01 20 DF 00 00 00 00"},
        {4, 1, "06 09 01 10 EF 00 00 00 00"},  {4, 5, "06 09 01 01 FE 00 00 00 00"},
        {4, 7, "06 09 01 02 FD 00 00 00 00"},  {5, 3, "06 09 01 01 FE 00 00 00 00"},
        {5, 0, "06 09 01 08 F7 00 00 00 00"},  {5, 6, "06 09 01 02 FD 00 00 00 00"},
    };
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iRate = row.iRate;
        EXPECT_EQ(ToHex(BuildRateReport(ModelOf(row.iModel), *pProfile)), row.pszFrame)
            << "MS_" << row.iModel << " rate " << row.iRate;
    }
    // Every model's indexes have codes of their own, so the mouse's rate event names one index.
    for (int iModel : kGen1Models) {
        std::set<uint8_t> codes;
        for (int i = 0; i < ModelOf(iModel).iRateCount; ++i) codes.insert(RateCode(ModelOf(iModel), i));
        EXPECT_EQ(codes.size(), static_cast<size_t>(ModelOf(iModel).iRateCount)) << "MS_" << iModel;
    }
}

// Button 9 is function 52 on MS_10, MS_1, MS_2 and MS_3 and off (0) on the others.
TEST(Gen1Frames, KeyFrameOfTheFactoryButtons) {
    for (int iModel : kGen1Models) {
        const bool bButton9Off = iModel != 10 && iModel != 1 && iModel != 2 && iModel != 3;
        EXPECT_EQ(ToHex(BuildKeyReport(*DefaultProfile(iModel))),
                  std::string("08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 01 00 00 28 00 00 06 00 00 05 00 00 ") +
                      (bButton9Off ? "01" : "3C") +
                      " 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 09 00 00 0A 00 00 00 " +
                      (bButton9Off ? "65" : "A0"))
            << "MS_" << iModel;
    }
}

// Shortcut, macro, an id with a caption but no row (51), unlisted ids (15, 200) and table rows.
TEST(Gen1Frames, KeyFrameForShortcutMacroAndIdsWithoutARow) {
    const uint8_t kFunctions[kButtonCount] = {16, 17, 51, 81, 32, 15, 200, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int iModel : kGen1Models) {
        auto pProfile = DefaultProfile(iModel);
        for (int k = 0; k < kButtonCount; ++k) pProfile->stKeys[k].byFunction = kFunctions[k];
        pProfile->stKeys[0].byModifiers = 0x05;  // Ctrl + Alt
        pProfile->stKeys[0].byUsage = 0x1D;
        pProfile->stKeys[1].byUsage = 0x44;      // a macro button ignores shortcut fields
        EXPECT_EQ(ToHex(BuildKeyReport(*pProfile)),
                  "08 3B 01 11 05 1D 12 00 02 00 00 00 11 03 12 11 01 1B 00 00 00 00 00 00 12 00 08 01 00 00 "
                  "01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 01 00 00 00 BE")
            << "MS_" << iModel;
    }
}

TEST(Gen1Frames, KeyFunctionTableHasSixtyFourDistinctRows) {
    std::set<uint8_t> ids;
    for (const KeyFunctionRow& row : KeyFunctionTable) EXPECT_TRUE(ids.insert(row.byId).second) << int(row.byId);
    EXPECT_EQ(ids.size(), 64u);
    EXPECT_EQ(FindKeyFunction(51), nullptr);
    EXPECT_STREQ(KeyFunctionCaption(51), L"task_view_text");
    EXPECT_STREQ(KeyFunctionCaption(39), L"undo_text");
    EXPECT_EQ(FindKeyFunction(39)->pszMenuItem, nullptr);
    EXPECT_EQ(KeyFunctionCaption(24), nullptr);
    EXPECT_EQ(FindKeyFunction(82)->iExtra, 2);
    EXPECT_STREQ(FindKeyFunction(67)->pszMenuItem, L"pre_track");
}

TEST(Gen1Frames, DpiTablesHoldTheRegisterCodes) {
    // 221 entries: 0, then (20 v - 1) / 17 except entry 6, then 201..220 repeat 101..120.
    ASSERT_EQ(DpiRegisterTable.size(), 221u);
    EXPECT_EQ(DpiRegisterTable[0], 0);
    for (int v = 1; v <= 200; ++v)
        EXPECT_EQ(DpiRegisterTable[v], v == 6 ? 6 : (20 * v - 1) / 17) << "entry " << v;
    for (int v = 201; v <= 220; ++v) EXPECT_EQ(DpiRegisterTable[v], DpiRegisterTable[v - 100]) << "entry " << v;
    EXPECT_EQ(DpiRegisterTable[100], 117);
    EXPECT_EQ(DpiRegisterTable[200], 235);
    ASSERT_EQ(DpiRegisterTable10.size(), 51u);
    EXPECT_EQ(DpiRegisterTable10[1], 4);
    EXPECT_EQ(DpiRegisterTable10[25], 57);
    EXPECT_EQ(DpiRegisterTable10[49], 113);
    EXPECT_EQ(DpiRegisterTable10[50], 115);
}

// Pair bytes of a one-action macro for press and release around the split and saturation points.
TEST(Gen1Frames, MacroPairRule) {
    const struct {
        uint16_t wDelay;
        const char* pszPress;    // bytes 28 to 33 for key 0x04 pressed
        const char* pszRelease;  // the same released
    } rows[] = {
        {0, "01 01 04 00 00 00", "01 81 04 00 00 00"},        // taken as 1 ms
        {5, "01 01 04 00 00 00", "01 81 04 00 00 00"},        // rounds half up to 1
        {10, "01 01 04 00 00 00", "01 81 04 00 00 00"},
        {20, "01 03 04 00 00 00", "01 83 04 00 00 00"},
        {1264, "01 7F 04 00 00 00", "01 FF 04 00 00 00"},     // 126.4 rounds to 126, OR 1 = 127
        {1270, "01 7F 04 00 00 00", "01 FF 04 00 00 00"},
        {1271, "02 07 04 06 03 00", "02 87 04 06 03 00"},     // remainder 71 -> 7, then 6 x 200 ms
        {1400, "02 01 04 07 03 00", "02 81 04 07 03 00"},     // remainder 0 taken as 1
        {51000, "02 01 04 FF 03 00", "02 81 04 FF 03 00"},    // 255 steps: the last that fits
        {51199, "02 15 04 FF 03 00", "02 95 04 FF 03 00"},    // remainder 199 -> 20
        {51200, "02 01 04 FF 03 00", "02 81 04 FF 03 00"},    // 256 steps saturate at 255
        {65535, "02 0F 04 FF 03 00", "02 8F 04 FF 03 00"},    // remainder 135 -> 14; 327 steps saturate
    };
    for (int iModel : kGen1Models) {
        const MacroFrameShape& shape = ModelOf(iModel).macroFrame;
        const size_t uSum = static_cast<size_t>(shape.ChecksumAt());
        for (const auto& row : rows) {
            for (const uint8_t byType : {kActionPress, kActionRelease}) {
                const KeyEntry entry = MacroEntry({{0x04, byType, row.wDelay}});
                const FrameBytes frame = BuildMacroReport(ModelOf(iModel), 3, entry);
                ASSERT_EQ(frame.size(), shape.byLength);
                EXPECT_EQ(ToHex(frame.data() + shape.byCountAt, 6), byType == kActionPress ? row.pszPress : row.pszRelease)
                    << "MS_" << iModel << " delay " << row.wDelay << " type " << int(byType);
                EXPECT_EQ((frame[uSum] << 8) | frame[uSum + 1], FrameSum(frame, uSum));
            }
        }
    }
}

TEST(Gen1Frames, MacroFrameWorkedExample) {
    KeyEntry entry = MacroEntry({{0x04, kActionPress, 50}, {0x04, kActionRelease, 1400}, {kMouseLeftButton, kActionPress, 5}});
    entry.iLoopMode = 2;
    entry.byColor[0] = 0x7A;
    entry.iLoopCount = 3;
    const FrameBytes frame = BuildMacroReport(ModelOf(10), 7, entry);
    std::string strZeros;  // bytes 37 to 128
    for (int i = 37; i < 129; ++i) strZeros += " 00";
    EXPECT_EQ(ToHex(frame), "09 83 07 02 7A 7A 7A 03 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                            "04 05 04 81 04 07 03 01 F1" + strZeros + " 03 01");
}

// The 111-byte macro frame of MS_3 and MS_4 and its two 4K reports: the first carries frame bytes
// 0..58 with the sum of report bytes 0..61, the second bytes 59..110 with the sum of 0..54.
TEST(Gen1Frames, ShortMacroFrameAndItsFourKReports) {
    KeyEntry entry = MacroEntry({{0x04, kActionPress, 100}, {0x04, kActionRelease, 1500}});
    entry.iLoopCount = 1;
    for (int iModel : {3, 4}) {
        const FrameBytes frame = BuildMacroReport(ModelOf(iModel), 3, entry);
        ASSERT_EQ(frame.size(), 111u);
        EXPECT_EQ(ToHex(frame.data(), 15), "09 6F 03 00 00 00 00 01 03 0B 04 8B 04 07 03");
        for (size_t i = 15; i < 109; ++i) EXPECT_EQ(frame[i], 0) << i;
        EXPECT_EQ(ToHex(frame.data() + 109, 2), "00 AC");

        ASSERT_EQ(Wireless4kPieceCount(frame), 2);
        const Wireless4kFrame first = BuildWireless4kFrame(frame, 0);
        EXPECT_EQ(ToHex(first.data(), 18), "04 40 00 09 6F 03 00 00 00 00 01 03 0B 04 8B 04 07 03");
        EXPECT_EQ(ToHex(first.data() + 62, 3), "01 6B 00");
        const Wireless4kFrame second = BuildWireless4kFrame(frame, 1);
        EXPECT_EQ(ToHex(second.data(), 3), "04 39 01");
        EXPECT_EQ(ToHex(second.data() + 53, 5), "00 AC 00 EA 00");
        for (size_t i = 57; i < second.size(); ++i) EXPECT_EQ(second[i], 0) << i;

        ASSERT_EQ(MacroChunkCount(frame), 2) << "two 64-byte pieces over the cable";
        EXPECT_EQ(ToHex(BuildMacroChunk(frame, 1, ChunkLink::Cable).data() + 4, 48), ToHex(frame.data() + 63, 48));
        // The 2.4 GHz receiver still takes a third piece: its header and zeros.
        const MacroChunk third = BuildMacroChunk(frame, 2, ChunkLink::Receiver);
        EXPECT_EQ(ToHex(third.data(), 4), "09 0C 03 02");
        for (size_t i = 4; i < third.size(); ++i) EXPECT_EQ(third[i], 0) << i;
    }
}

// Any other frame goes to the 4K receiver whole: 04, its length + 5, 00, the frame and the sum of
// every byte before it.
TEST(Gen1Frames, FourKReportsOfShortFrames) {
    auto pProfile = DefaultProfile(3);
    std::string strRate = "04 0E 00 06 09 01 40 BF 00 00 00 00 01 21";
    std::string strStart = "04 0F 00 0C 0A 01 FE 01 FE 00 00 00 00 02 27";
    for (size_t i = 14; i < kWireless4kFrameSize; ++i) strRate += " 00";
    for (size_t i = 15; i < kWireless4kFrameSize; ++i) strStart += " 00";
    const Wireless4kFrame rate = BuildWireless4kFrame(BuildRateReport(ModelOf(3), *pProfile), 0);
    EXPECT_EQ(ToHex(rate.data(), rate.size()), strRate);
    const Wireless4kFrame start = BuildWireless4kFrame(BuildStartReport(), 0);
    EXPECT_EQ(ToHex(start.data(), start.size()), strStart);
}

TEST(Gen1Frames, MacroLoopCountZeroOrWrappingSendsOne) {
    const struct {
        int32_t iLoopCount;
        uint8_t bySent;
    } rows[] = {{0, 1}, {1, 1}, {255, 255}, {256, 1}, {257, 1}};
    for (const auto& row : rows) {
        KeyEntry entry = MacroEntry({});
        entry.iLoopCount = row.iLoopCount;
        EXPECT_EQ(BuildMacroReport(ModelOf(2), 1, entry)[7], row.bySent) << row.iLoopCount;
    }
}

// The frame holds 50 pairs before its checksum; whole actions only, never more than 46.
TEST(Gen1Frames, MacroFrameStaysInsideItsFrame) {
    const struct {
        int iShort;           // actions of 100 ms first
        int iLong;            // then actions of 2,000 ms
        uint16_t wActionNum;  // as stored in the entry
        int iPairsSent;
    } rows[] = {
        {46, 0, 46, 46}, {42, 4, 46, 50},       // exactly full
        {41, 5, 46, 49},                        // the fifth long action would straddle the end: dropped
        {0, 46, 46, 50},                        // 25 long actions fit, the rest do not
        {46, 0, 300, 46},                       // a count past the array reads no more than 46
    };
    for (int iModel : kGen1Models) {
        const MacroFrameShape& shape = ModelOf(iModel).macroFrame;
        const size_t uFirst = shape.byFirstPairAt;
        const size_t uSum = static_cast<size_t>(shape.ChecksumAt());
        for (const auto& row : rows) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + std::to_string(row.iShort) + "+" + std::to_string(row.iLong));
            KeyEntry entry{};
            for (int i = 0; i < row.iShort + row.iLong; ++i)
                entry.stActions[i] = {static_cast<uint8_t>(4 + i), kActionPress, static_cast<uint16_t>(i < row.iShort ? 100 : 2000)};
            entry.wActionNum = row.wActionNum;
            const FrameBytes frame = BuildMacroReport(ModelOf(iModel), 18, entry);
            ASSERT_EQ(frame.size(), shape.byLength);
            EXPECT_EQ(frame[shape.byCountAt], row.iPairsSent);
            for (size_t i = uFirst + 2 * static_cast<size_t>(row.iPairsSent); i < uSum; ++i) EXPECT_EQ(frame[i], 0) << "byte " << i;
            if (row.iPairsSent > 0) { EXPECT_NE(frame[uFirst + 2 * (row.iPairsSent - 1)], 0); }
            EXPECT_EQ((frame[uSum] << 8) | frame[uSum + 1], FrameSum(frame, uSum));
        }
    }
}

TEST(Gen1Frames, MacroPairCountSplitsAbove1270) {
    const MacroAction actions[] = {{4, 1, 1270}, {4, 2, 1271}, {5, 1, 10}, {5, 2, 65535}, {6, 1, 1280}};
    EXPECT_EQ(MacroPairCount(actions, 0), 0);
    EXPECT_EQ(MacroPairCount(actions, 1), 1);
    EXPECT_EQ(MacroPairCount(actions, 2), 3);
    EXPECT_EQ(MacroPairCount(actions, 5), 8);
}

TEST(Gen1Frames, MacroChunksOverCableAndReceiver) {
    KeyEntry entry{};
    for (int i = 0; i < 46; ++i) entry.stActions[i] = {static_cast<uint8_t>(i + 1), kActionPress, 2000};
    entry.wActionNum = 46;
    const FrameBytes frame = BuildMacroReport(ModelOf(10), 5, entry);
    ASSERT_EQ(MacroChunkCount(frame), 3);
    for (ChunkLink eLink : {ChunkLink::Cable, ChunkLink::Receiver}) {
        for (int iPiece = 0; iPiece < 3; ++iPiece) {
            const MacroChunk chunk = BuildMacroChunk(frame, iPiece, eLink);
            const uint8_t byExpected = (eLink == ChunkLink::Receiver && iPiece == 2) ? 0x0C : 0x40;
            EXPECT_EQ(ToHex(chunk.data(), 4), ToHex(std::vector<uint8_t>{0x09, byExpected, 5, static_cast<uint8_t>(iPiece)}));
            for (size_t i = 0; i < 60; ++i) {
                const size_t uFrame = 3 + 60 * static_cast<size_t>(iPiece) + i;
                EXPECT_EQ(chunk[4 + i], uFrame < frame.size() ? frame[uFrame] : 0) << "piece " << iPiece << " byte " << i;
            }
        }
    }
    // The third piece: frame bytes 123 to 130, then 52 zeros.
    const MacroChunk last = BuildMacroChunk(frame, 2, ChunkLink::Cable);
    EXPECT_EQ(ToHex(last.data() + 4, 8), ToHex(frame.data() + 123, 8));
    EXPECT_NE(frame[129] | frame[130], 0);
}

// ---- The Bluetooth models MS_6, MS_7 and MS_9 ----

namespace bluetooth {

const int kModels[] = {6, 7, 9};

// MS_6 sends both rates, the 4K receiver's in the high nibble; MS_7 and MS_9 the code of iRate.
TEST(Gen1BluetoothFrames, RateFrame) {
    const struct {
        int iModel;
        int32_t iRate, iRateHs;
        const char* pszFrame;
    } rows[] = {
        {6, 3, 6, "06 09 01 74 8B 00 00 00 00"}, {6, 0, 0, "06 09 01 11 EE 00 00 00 00"},
        {6, 1, 4, "06 09 01 52 AD 00 00 00 00"}, {6, 2, 6, "06 09 01 73 8C 00 00 00 00"},
        {7, 3, 0, "06 09 01 01 FE 00 00 00 00"}, {7, 0, 5, "06 09 01 08 F7 00 00 00 00"},
        {9, 1, 0, "06 09 01 04 FB 00 00 00 00"}, {9, 7, 0, "06 09 01 02 FD 00 00 00 00"},
    };
    for (const auto& row : rows) {
        auto pProfile = DefaultProfile(row.iModel);
        pProfile->iRate = row.iRate;
        pProfile->iRateHs = row.iRateHs;
        EXPECT_EQ(ToHex(BuildRateReport(ModelOf(row.iModel), *pProfile)), row.pszFrame)
            << "MS_" << row.iModel << " rates " << row.iRate << "/" << row.iRateHs;
    }
    EXPECT_EQ(ToHex(BuildRateReport(ModelOf(6), *DefaultProfile(6))), "06 09 01 74 8B 00 00 00 00");
}

// A press of 5 ms, a release of 1,270 ms and a press of 1,500 ms: MS_6 puts the pairs from byte 9
// of its 111-byte frame, MS_7 and MS_9 from byte 29 of their 131-byte frame.
TEST(Gen1BluetoothFrames, MacroFrameShapes) {
    const KeyEntry entry = MacroEntry({{0x04, kActionPress, 5}, {0x04, kActionRelease, 1270}, {0x05, kActionPress, 1500}});
    const struct {
        int iModel;
        size_t uLength, uCountAt;
    } rows[] = {{6, 111, 8}, {7, 131, 28}, {9, 131, 28}};
    for (const auto& row : rows) {
        const FrameBytes frame = BuildMacroReport(ModelOf(row.iModel), 2, entry);
        ASSERT_EQ(frame.size(), row.uLength) << "MS_" << row.iModel;
        EXPECT_EQ(ToHex(frame.data(), 3), row.iModel == 6 ? "09 6F 02" : "09 83 02");
        EXPECT_EQ(ToHex(frame.data() + row.uCountAt, 10), "04 01 04 FF 04 0B 05 07 03 00") << "MS_" << row.iModel;
        EXPECT_EQ((frame[row.uLength - 2] << 8) | frame[row.uLength - 1], FrameSum(frame, row.uLength - 2));
    }
}

// The DPI a stored value shows and the value a typed DPI gives, clamped to each model's range.
TEST(Gen1BluetoothFrames, DpiTextAndTypedValues) {
    const struct {
        int iModel;
        int iTyped;
        int32_t iValue;
        int iShown;
    } rows[] = {
        {6, 75, 1, 50},         {6, 30, 1, 50},          {6, 26050, 520, 26000}, {6, 1234, 24, 1200},
        {7, 12001, 220, 12000}, {7, 10050, 200, 10000},  {7, 10150, 201, 10100},
        {9, 19001, 290, 19000}, {9, 99999, 290, 19000},  {9, 10000, 200, 10000}, {9, 10150, 201, 10100},
        {9, 30, 1, 50},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(ValueOfDpi(ModelOf(row.iModel), row.iTyped), row.iValue) << "MS_" << row.iModel << " " << row.iTyped;
        EXPECT_EQ(DpiOfValue(ModelOf(row.iModel), row.iValue), row.iShown) << "MS_" << row.iModel << " " << row.iTyped;
    }
}

}  // namespace bluetooth

}  // namespace
