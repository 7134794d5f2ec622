// The second generation's records around their bytes: the two file layouts (the sensor layout
// fits as one more span list), the 65-row button-function table beside the first generation's
// 64 rows, and the DPI scale of the description.
#include "tests/gen2/gen2_test_util.h"
#include "models/data/key_function_table.h"
#include "models/data/profile_layout.h"
#include "models/data/record_sizes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <algorithm>
#include <set>
#include <tuple>

using namespace gen2test;

namespace {

TEST(Gen2Records, BothLayoutsKeepEveryByteOfTheirFile) {
    for (const ProfileLayoutEx* pLayout : {&kProfileLayoutGen2, &kProfileLayoutGen2Sensor}) {
        std::vector<uint8_t> file(static_cast<size_t>(pLayout->RecordSize()));
        for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7 + 3 + i / 251);
        auto pRec = Zeroed<ProfileRecordEx>();
        FromFileRecord(*pLayout, file.data(), *pRec);
        std::vector<uint8_t> again(file.size(), 0xEE);
        ToFileRecord(*pLayout, *pRec, again.data());
        EXPECT_EQ(again, file) << "layout " << static_cast<int>(pLayout->eLayout);
        EXPECT_EQ(pLayout->RecordSize(), ProfileRecordSize(pLayout->eLayout));
        EXPECT_EQ(pLayout->HeaderSize(), ProDataHeaderSize(pLayout->eLayout));
        EXPECT_EQ(FindProfileLayoutEx(pLayout->eLayout), pLayout);
    }
    for (int iModel : kGen2Models) EXPECT_EQ(&ModelOf(iModel).Layout(), &kProfileLayoutGen2) << Name(iModel);
    EXPECT_EQ(FindProfileLayoutEx(RecordLayout::Gen1D), nullptr);
    EXPECT_EQ(FindProfileLayout(RecordLayout::Gen2), nullptr);
}

TEST(Gen2Records, TheSensorLayoutStoresItsModeAfterMotionSync) {
    auto pRec = Zeroed<ProfileRecordEx>();
    pRec->iMotionSync = 1;
    pRec->iSensorMode = 3;
    pRec->iLightMode = 7;
    pRec->iDebounce = 6;
    pRec->stKeys[23].stActions[189].iY = 0x01020304;
    std::vector<uint8_t> sensor(101544), plain(101540);
    ToFileRecord(kProfileLayoutGen2Sensor, *pRec, sensor.data());
    ToFileRecord(kProfileLayoutGen2, *pRec, plain.data());
    const struct {
        const std::vector<uint8_t>& file;
        size_t uSensorMode, uLightMode, uDebounce;  // 0: not stored
    } rows[] = {{sensor, 2384, 2388, 2400}, {plain, 0, 2384, 2396}};
    for (const auto& row : rows) {
        EXPECT_EQ(IntAt(row.file, 2380), 1);
        if (row.uSensorMode != 0) { EXPECT_EQ(IntAt(row.file, row.uSensorMode), 3); }
        EXPECT_EQ(IntAt(row.file, row.uLightMode), 7);
        EXPECT_EQ(IntAt(row.file, row.uDebounce), 6);
        EXPECT_EQ(IntAt(row.file, row.file.size() - 4), 0x01020304);  // the last action ends the record
    }
    ClearUnstoredFields(kProfileLayoutGen2, *pRec);
    EXPECT_EQ(pRec->iSensorMode, 0);
    EXPECT_EQ(pRec->iLightMode, 7);
}

TEST(Gen2Records, ButtonFunctionTablesOfBothGenerations) {
    std::set<uint8_t> ids;
    for (const KeyFunctionRow& row : KeyFunctionTableEx) EXPECT_TRUE(ids.insert(row.byId).second) << int(row.byId);
    EXPECT_EQ(ids.size(), 65u);
    ASSERT_NE(FindKeyFunctionEx(25), nullptr);
    EXPECT_EQ(FindKeyFunctionEx(25)->byType, 0x3A);
    EXPECT_EQ(FindKeyFunctionEx(25)->byCode2, 0);
    EXPECT_EQ(FindKeyFunction(25), nullptr);  // the first generation keeps 64 rows
    EXPECT_EQ(KeyFunctionTable.size(), 64u);
    for (const KeyFunctionRow& row : KeyFunctionTable) {
        const KeyFunctionRow* pEx = FindKeyFunctionEx(row.byId);
        ASSERT_NE(pEx, nullptr) << int(row.byId);
        EXPECT_EQ(std::make_tuple(pEx->byType, pEx->byCode1, pEx->byCode2), std::make_tuple(row.byType, row.byCode1, row.byCode2))
            << int(row.byId);
    }
    EXPECT_EQ(FindKeyFunctionEx(51), nullptr);
    EXPECT_TRUE(std::is_sorted(KeyFunctionTableEx.begin(), KeyFunctionTableEx.end(),
                               [](const KeyFunctionRow& a, const KeyFunctionRow& b) { return a.byId < b.byId; }));
}

TEST(Gen2Records, DpiValuesCountFiftyDpiUpTo26000) {
    const struct {
        int iDpi;
        int32_t iValue;
        int iShown;
    } rows[] = {{50, 1, 50}, {800, 16, 800}, {849, 16, 800}, {26000, 520, 26000}, {30000, 520, 26000}, {0, 1, 50}};
    for (int iModel : kGen2Models) {
        for (const auto& row : rows) {
            EXPECT_EQ(ValueOfDpi(ModelOf(iModel), row.iDpi), row.iValue) << Name(iModel) << " " << row.iDpi;
            EXPECT_EQ(DpiOfValue(ModelOf(iModel), row.iValue), row.iShown) << Name(iModel) << " " << row.iDpi;
        }
    }
}

}  // namespace
