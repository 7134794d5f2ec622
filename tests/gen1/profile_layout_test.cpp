// The four first-generation file layouts of a profile: lossless in both directions, and each
// field at the offset its model's files have it.
#include "models/data/profile_layout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <vector>

namespace {

const ProfileLayout* const kLayouts[] = {&kProfileLayoutA, &kProfileLayoutB, &kProfileLayoutC, &kProfileLayoutD};

int32_t IntAt(const std::vector<uint8_t>& bytes, int iOffset) {
    int32_t iValue = 0;
    std::memcpy(&iValue, bytes.data() + iOffset, sizeof iValue);
    return iValue;
}

TEST(ProfileLayout, FileRecordSurvivesTheRoundTripByteForByte) {
    for (const ProfileLayout* pLayout : kLayouts) {
        std::vector<uint8_t> file(static_cast<size_t>(pLayout->RecordSize()));
        for (size_t i = 0; i < file.size(); ++i) file[i] = static_cast<uint8_t>(i * 7 + 3 + i / 251);
        auto pRec = std::make_unique<ProfileRecord>();
        FromFileRecord(*pLayout, file.data(), *pRec);
        std::vector<uint8_t> again(file.size(), 0xEE);
        ToFileRecord(*pLayout, *pRec, again.data());
        EXPECT_EQ(again, file) << "layout " << static_cast<int>(pLayout->eLayout);
    }
}

TEST(ProfileLayout, FieldsLieWhereEachLayoutKeepsThem) {
    auto pRec = std::make_unique<ProfileRecord>();
    std::memset(pRec.get(), 0, sizeof(ProfileRecord));
    pRec->iBreathSpeed = 11;
    pRec->iSleep = 22;
    pRec->iLightOff = 33;
    pRec->iCurDpi = 44;
    pRec->iRate = 55;
    pRec->iRateHs = 66;
    pRec->iMoveMode = 77;
    pRec->iLightMode = 88;
    pRec->iDebounce = 99;
    pRec->stKeys[0].byFunction = 0xAB;
    pRec->stKeys[23].stActions[45].wDelay = 0x1234;

    struct Row {
        const ProfileLayout* pLayout;
        int iSleep, iLightOff, iCurDpi, iRateHs, iMoveMode, iLightMode, iDebounce, iKeys;
    };
    const Row rows[] = {
        {&kProfileLayoutA, 2348, -1, 2352, -1, 2360, 2376, 2388, 2460},
        {&kProfileLayoutB, 2352, 2348, 2356, -1, 2364, 2380, 2392, 2464},
        {&kProfileLayoutC, 2348, 2352, 2356, -1, 2364, 2380, 2392, 2464},
        {&kProfileLayoutD, 2348, 2352, 2356, 2364, 2368, 2384, 2396, 2468},
    };
    for (const Row& r : rows) {
        std::vector<uint8_t> file(static_cast<size_t>(r.pLayout->RecordSize()));
        ToFileRecord(*r.pLayout, *pRec, file.data());
        const int iLayout = static_cast<int>(r.pLayout->eLayout);
        EXPECT_EQ(IntAt(file, 2344), 11) << iLayout;
        EXPECT_EQ(IntAt(file, r.iSleep), 22) << iLayout;
        if (r.iLightOff >= 0) { EXPECT_EQ(IntAt(file, r.iLightOff), 33) << iLayout; }
        EXPECT_EQ(IntAt(file, r.iCurDpi), 44) << iLayout;
        EXPECT_EQ(IntAt(file, r.iCurDpi + 4), 55) << iLayout;
        if (r.iRateHs >= 0) { EXPECT_EQ(IntAt(file, r.iRateHs), 66) << iLayout; }
        EXPECT_EQ(IntAt(file, r.iMoveMode), 77) << iLayout;
        EXPECT_EQ(IntAt(file, r.iLightMode), 88) << iLayout;
        EXPECT_EQ(IntAt(file, r.iDebounce), 99) << iLayout;
        EXPECT_EQ(file[static_cast<size_t>(r.iKeys) + 1], 0xAB) << iLayout;
        EXPECT_EQ(file[file.size() - 2], 0x34) << iLayout;  // the last action's delay ends the record
        EXPECT_EQ(file[file.size() - 1], 0x12) << iLayout;
    }
}

TEST(ProfileLayout, FieldsALayoutDoesNotKeepAreZero) {
    auto pRec = std::make_unique<ProfileRecord>();
    std::memset(pRec.get(), 0x5A, sizeof(ProfileRecord));
    ClearUnstoredFields(kProfileLayoutA, *pRec);
    EXPECT_EQ(pRec->iLightOff, 0);
    EXPECT_EQ(pRec->iRateHs, 0);
    EXPECT_EQ(pRec->iSleep, 0x5A5A5A5A);

    std::memset(pRec.get(), 0x5A, sizeof(ProfileRecord));
    ClearUnstoredFields(kProfileLayoutB, *pRec);
    EXPECT_EQ(pRec->iLightOff, 0x5A5A5A5A);
    EXPECT_EQ(pRec->iRateHs, 0);

    std::memset(pRec.get(), 0x5A, sizeof(ProfileRecord));
    ClearUnstoredFields(kProfileLayoutD, *pRec);
    EXPECT_EQ(pRec->iRateHs, 0x5A5A5A5A);

    std::vector<uint8_t> file(static_cast<size_t>(kProfileLayoutA.RecordSize()), 0x11);
    FromFileRecord(kProfileLayoutA, file.data(), *pRec);
    EXPECT_EQ(pRec->iLightOff, 0);
    EXPECT_EQ(pRec->iRateHs, 0);
    EXPECT_EQ(pRec->iSleep, 0x11111111);
}

}  // namespace
