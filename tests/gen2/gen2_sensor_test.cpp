// The sensor models MS_15, MS_17, MS_21 and MS_24 through their descriptions: frame 0x04 with the
// sensor mode and the options two to a byte, their light and button frames, their macro blocks,
// and pro.data in the sensor layout (101,544-byte records after a 507,724-byte header) on disk.
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"
#include "models/data/name_helpers.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen2test;

namespace {

constexpr size_t kHeader = 507724;
constexpr size_t kRecord = 101544;
constexpr size_t kEntry = 4128;
constexpr size_t kKeys = 2472;

// ---- Frames ----

TEST(Gen2SensorFrames, TheDefaultProfilesDpiFrameCarriesTheSensorModeAndTheModelsTrailer) {
    const std::string strStages = "07 0F 17 1F 3F 63 00 00" + Repeat("00", 8) +
                                  " 02 FF 00 00 00 FF 00 00 00 FF FF 00 FF FF FF 00 FF FF FF FF 40 00 FF FF FF";
    // Lift-off 0 and ripple 1 in byte 3, angle snap 0 and motion sync 1 in byte 4, stages 1 to 6
    // on, sensor mode 3 in byte 6, byte 7 empty.
    const struct {
        int iModel;
        const char* pszTail;
    } rows[] = {{15, " 03 0F 69"}, {17, " 03 0F 69"}, {21, " 02 0F 68"}, {24, " 02 0F 68"}};
    for (const auto& row : rows)
        EXPECT_EQ(ToHex(BuildDpiReport(ModelOf(row.iModel), *DefaultProfile(row.iModel))),
                  "04 38 01 01 01 3F 03 00 " + strStages + row.pszTail + " 00 00 00 00")
            << Name(row.iModel);
}

TEST(Gen2SensorFrames, SensorOptionsGoTwoToAByteAndTheModeAlone) {
    const struct {
        int32_t iLiftOff, iRipple, iAngleSnap, iMotionSync, iSensorMode;
        const char* pszBytes3To7;
    } rows[] = {
        {0, 0, 0, 0, 0, "00 00 3F 00 00"},
        {1, 0, 0, 0, 1, "10 00 3F 01 00"},
        {0, 1, 1, 0, 2, "01 10 3F 02 00"},
        {1, 1, 1, 1, 3, "11 11 3F 03 00"},
        {0x21, 0x13, 0x32, 0x45, 1, "13 25 3F 01 00"},  // each option keeps to its nibble
    };
    for (int iModel : kSensorModels) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            pProfile->iLiftOff = row.iLiftOff;
            pProfile->iRipple = row.iRipple;
            pProfile->iAngleSnap = row.iAngleSnap;
            pProfile->iMotionSync = row.iMotionSync;
            pProfile->iSensorMode = row.iSensorMode;
            const FrameBytes frame = BuildDpiReport(ModelOf(iModel), *pProfile);
            EXPECT_EQ(ToHex(frame.data() + 3, 5), row.pszBytes3To7) << Name(iModel) << " mode " << row.iSensorMode;
            EXPECT_EQ((frame[50] << 8) | frame[51], FrameSum(frame, 50));
        }
    }
    // The models without a sensor mode keep one option a byte.
    auto pProfile = DefaultProfile(11);
    pProfile->iLiftOff = 1;
    EXPECT_EQ(ToHex(BuildDpiReport(ModelOf(11), *pProfile).data() + 3, 5), "01 01 3F 00 01");
}

TEST(Gen2SensorFrames, StagesInUnitsOfFiftyDpi) {
    const struct {
        int32_t iValue;
        const char* pszLowHigh;
    } rows[] = {{1, "00 00"}, {0, "00 00"}, {16, "0F 00"}, {520, "07 02"}};
    for (int iModel : kSensorModels) {
        for (const auto& row : rows) {
            auto pProfile = DefaultProfile(iModel);
            pProfile->iDpi[4] = row.iValue;
            const FrameBytes frame = BuildDpiReport(ModelOf(iModel), *pProfile);
            EXPECT_EQ(ToHex(frame.data() + 12, 1) + " " + ToHex(frame.data() + 20, 1), row.pszLowHigh)
                << Name(iModel) << " value " << row.iValue;
        }
    }
}

TEST(Gen2SensorFrames, LightFramesOfEachModelsDefaults) {
    // Light mode 7 and debounce 3 on MS_15 and MS_17, mode 0 and debounce 6 on MS_21 and MS_24;
    // sleep 10 and speed 6 in byte 4, brightness 8 in byte 5, blue, light-off 2.
    const struct {
        int iModel;
        const char* pszFrame;
    } rows[] = {
        {15, "05 0F 01 70 03 A8 00 00 FF 02 03 02 1F 00 00"},
        {17, "05 0F 01 70 03 A8 00 00 FF 02 03 02 1F 00 00"},
        {21, "05 0F 01 00 03 A8 00 00 FF 02 06 01 B2 00 00"},
        {24, "05 0F 01 00 03 A8 00 00 FF 02 06 01 B2 00 00"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ToHex(BuildLightReport(ModelOf(row.iModel), *DefaultProfile(row.iModel))), row.pszFrame) << Name(row.iModel);
}

TEST(Gen2SensorFrames, TheDefaultButtonsOfEachModel) {
    const struct {
        int iModel;
        std::string strFrame;
    } rows[] = {
        {15, "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 28 00 00 06 00 00 05 00 00 3C 00 00" + Repeat("01 00 00", 8) +
                 " 09 00 00 0A 00 00 00 A0"},
        {17, "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 28 00 00 06 00 00 05 00 00 3C 00 00" + Repeat("01 00 00", 8) +
                 " 09 00 00 0A 00 00 00 A0"},
        {21, "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 01 00 00 28 00 00 06 00 00 05 00 00" + Repeat("01 00 00", 8) +
                 " 09 00 00 0A 00 00 00 65"},
        {24, "08 3B 01 02 00 00 03 00 00 04 00 00 0D 00 00 05 00 00 06 00 00" + Repeat("01 00 00", 10) +
                 " 09 00 00 0A 00 00 00 3E"},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ToHex(BuildKeyReport(ModelOf(row.iModel), *DefaultProfile(row.iModel))), row.strFrame) << Name(row.iModel);
}

// Each button's macro goes under the model's own first block: code 2 of frame 0x08 and byte 2 of
// frame 0x09 agree; a button without a block gets no macro frame.
TEST(Gen2SensorFrames, MacroBlocksOfEachModel) {
    const struct {
        int iModel;
        int iBlocks[8];
    } rows[] = {
        {15, {1, 5, 9, 0, 0, 17, 21, 0}},
        {17, {1, 5, 9, 0, 0, 17, 21, 0}},
        {21, {1, 5, 9, 0, 0, 0, 13, 17}},
        {24, {1, 5, 9, 13, 17, 21, 25, 29}},
    };
    const MacroActionEx actions[] = {Key(0x04, kActionPress, 10), Key(0x04, kActionRelease, 10)};
    for (const auto& row : rows) {
        for (int k = 0; k < 8; ++k) {
            auto pProfile = DefaultProfile(row.iModel);
            CarryActions(pProfile->stKeys[k], kFunctionMacro, L"M", actions, 2);
            const Gen2Model& model = ModelOf(row.iModel);
            const FrameBytes keys = BuildKeyReport(model, *pProfile);
            EXPECT_EQ(keys[5 + 3 * k], row.iBlocks[k]) << Name(row.iModel) << " button " << k + 1;
            const std::vector<FrameBytes> chain = BuildMacroChain(model, k, pProfile->stKeys[k]);
            if (row.iBlocks[k] == 0) {
                EXPECT_TRUE(chain.empty()) << Name(row.iModel) << " button " << k + 1;
                continue;
            }
            ASSERT_EQ(chain.size(), 1u);
            EXPECT_EQ(ToHex(chain[0].data(), 13),
                      "09 6F " + ToHex(chain[0].data() + 2, 1) + " 00 00 00 00 01 02 0B 04 8B 04")
                << Name(row.iModel);
            EXPECT_EQ(chain[0][2], row.iBlocks[k]);
        }
    }
}

// ---- pro.data ----

TEST(Gen2SensorStorage, FirstStartWritesTheSensorLayout) {
    const struct {
        int iModel;
        int32_t iLightMode, iDebounce;
        uint8_t byButton5, byButton8;
    } rows[] = {{15, 7, 3, 24, 52}, {17, 7, 3, 24, 52}, {21, 0, 6, 0, 5}, {24, 0, 6, 5, 0}};
    for (const auto& row : rows) {
        SCOPED_TRACE(Name(row.iModel));
        ModelFiles files(row.iModel, L"sensor_first_start");
        ProfileListEx profiles;
        ProDataHeader header;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
        ASSERT_EQ(profiles.size(), 1u);
        const std::vector<uint8_t> file = ReadBytes(files.ProData());
        ASSERT_EQ(file.size(), 609268u);
        for (size_t i = 0; i < kHeader; ++i) ASSERT_EQ(file[i], 0) << "header byte " << i;
        const size_t r = kHeader;
        const struct {
            size_t uOffset;
            int32_t iValue;
        } fields[] = {{2356, 1}, {2360, 3}, {2364, 6}, {2372, 1}, {2376, 0}, {2380, 1}, {2384, 3},
                      {2388, row.iLightMode}, {2392, 3}, {2400, row.iDebounce}, {2404, 0x00FF0000},
                      {2408, 0x000000FF}, {2432, 0x000040FF}, {2468, 0x000080FF}};
        for (const auto& field : fields) EXPECT_EQ(IntAt(file, r + field.uOffset), field.iValue) << "offset " << field.uOffset;
        EXPECT_EQ(file[r + 2396], 1);  // byParam6
        EXPECT_EQ(file[r + kKeys + 4 * kEntry + 1], row.byButton5);
        EXPECT_EQ(file[r + kKeys + 7 * kEntry + 1], row.byButton8);
        EXPECT_EQ(file[r + kKeys + 17 * kEntry], 17);
        EXPECT_EQ(file[r + kKeys + 17 * kEntry + 1], 12);
        EXPECT_EQ(profiles[0]->iSensorMode, 3);
    }
}

TEST(Gen2SensorStorage, ThreeProfilesRoundTripWithTheirSensorModes) {
    for (int iModel : kSensorModels) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"sensor_round_trip");
        ProfileListEx profiles;
        for (int i = 0; i < 3; ++i) {
            profiles.push_back(files.Default(L"P" + std::to_wstring(i)));
            profiles.back()->iSensorMode = i;
            profiles.back()->iLightMode = 4 + i;
            profiles.back()->stKeys[0].byUsage = static_cast<uint8_t>(0x10 + i);
        }
        ProDataHeader header;
        header.iCurProfile = 2;
        header.reserved.assign(kHeader - 4, 0);
        for (size_t i = 0; i < header.reserved.size(); i += 101) header.reserved[i] = static_cast<uint8_t>(i);
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        const std::vector<uint8_t> first = ReadBytes(files.ProData());
        ASSERT_EQ(first.size(), kHeader + 3 * kRecord);
        for (size_t k = 0; k < 3; ++k) {
            const size_t uAt = kHeader + k * kRecord;
            EXPECT_EQ(IntAt(first, uAt + 2384), static_cast<int32_t>(k)) << "sensor mode after motion sync";
            EXPECT_EQ(IntAt(first, uAt + 2388), static_cast<int32_t>(4 + k)) << "the light mode four bytes further on";
            EXPECT_EQ(first[uAt + kKeys + 3], 0x10 + k) << "button 1's usage";
        }
        ProfileListEx loaded;
        ProDataHeader loadedHeader;
        ASSERT_EQ(files.storage.LoadProData(loaded, loadedHeader), LoadResult::Loaded);
        ASSERT_EQ(loaded.size(), 3u);
        EXPECT_EQ(loadedHeader.iCurProfile, 2);
        EXPECT_EQ(loaded[1]->iSensorMode, 1);
        EXPECT_EQ(NameOf(loaded[2]->szName), L"P2");
        ASSERT_TRUE(files.storage.SaveProData(loaded, loadedHeader));
        EXPECT_EQ(ReadBytes(files.ProData()), first);
    }
}

// A sensor mode no option stands for, from a file written elsewhere, loads as the highest mode;
// a file in the other second-generation size is no whole record here and is kept aside.
TEST(Gen2SensorStorage, OutOfRangeModesAndForeignSizes) {
    ModelFiles files(21, L"sensor_foreign");
    const auto pProfile = files.Default(L"Odd");
    pProfile->iSensorMode = 9;
    files.PutProData(files.FileOf({pProfile.get()}, 0));
    ProfileListEx loaded;
    ProDataHeader header;
    ASSERT_EQ(files.storage.LoadProData(loaded, header), LoadResult::Loaded);
    ASSERT_EQ(loaded.size(), 1u);
    EXPECT_EQ(loaded[0]->iSensorMode, 3);

    ModelFiles other(11, L"sensor_foreign_11");
    const auto pOther = other.Default(L"Eleven");
    files.PutProData(other.FileOf({pOther.get()}, 0));
    ProfileListEx fromOther;
    EXPECT_NE(files.storage.LoadProData(fromOther, header), LoadResult::Loaded);
    ASSERT_EQ(fromOther.size(), 1u);
    EXPECT_EQ(NameOf(fromOther[0]->szName), L"Profile1") << "the defaults in its place";
    EXPECT_EQ(ReadBytes(files.ProData()).size(), kHeader + kRecord);
}

}  // namespace
