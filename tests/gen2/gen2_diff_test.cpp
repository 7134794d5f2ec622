// Change detection: which frame groups a change of one field sends, over MS_11, MS_8, MS_12 and
// MS_13, starting from each model's default profile.
#include "models/data/gen2_diff.h"
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

#include <gtest/gtest.h>

#include <functional>

using namespace gen2test;

namespace {

constexpr unsigned kNone = 0, kDpi = 1, kRate = 2, kLight = 4, kKeys = 8;  // groups of frames

unsigned GroupsOf(const ChangeFlags& flags) {
    return (flags.bDpiChanged ? kDpi : 0) | (flags.bRateChanged ? kRate : 0) | (flags.bLightChanged ? kLight : 0) |
           (flags.bKeyChanged ? kKeys : 0);
}

TEST(Gen2Diff, EachFieldSetsItsGroupOnly) {
    using Change = std::function<void(ProfileRecordEx&)>;
    const struct {
        const char* pszField;
        Change change;
        unsigned uGroups;
        int iMacroButton;  // -1: no macro flag
    } rows[] = {
        {"iCurDpi", [](ProfileRecordEx& p) { p.iCurDpi = 4; }, kDpi, -1},
        {"iOption1", [](ProfileRecordEx& p) { p.iOption1 = 1; }, kDpi, -1},
        {"iLiftOff", [](ProfileRecordEx& p) { p.iLiftOff = 1; }, kDpi, -1},
        {"iOption3", [](ProfileRecordEx& p) { p.iOption3 = 1; }, kDpi, -1},
        {"iRipple", [](ProfileRecordEx& p) { p.iRipple = 0; }, kDpi, -1},
        {"iAngleSnap", [](ProfileRecordEx& p) { p.iAngleSnap = 1; }, kDpi, -1},
        {"iMotionSync", [](ProfileRecordEx& p) { p.iMotionSync = 0; }, kDpi, -1},
        {"iDpi", [](ProfileRecordEx& p) { p.iDpi[7] = 40; }, kDpi, -1},
        {"iDpi2", [](ProfileRecordEx& p) { p.iDpi2[0] = 9; }, kDpi, -1},
        {"iDpiEnable", [](ProfileRecordEx& p) { p.iDpiEnable[6] = 1; }, kDpi, -1},
        {"dwDpiColor", [](ProfileRecordEx& p) { p.dwDpiColor[5] = 0x123456; }, kDpi, -1},
        {"iRate", [](ProfileRecordEx& p) { p.iRate = 0; }, kRate, -1},
        {"iRateHs", [](ProfileRecordEx& p) { p.iRateHs = 2; }, kRate, -1},
        {"iLightMode", [](ProfileRecordEx& p) { p.iLightMode = 3; }, kLight, -1},
        {"iParam5", [](ProfileRecordEx& p) { p.iParam5 = 4; }, kLight, -1},
        {"iBreathSpeed", [](ProfileRecordEx& p) { p.iBreathSpeed = 1; }, kLight, -1},
        {"iBrightness", [](ProfileRecordEx& p) { p.iBrightness = 2; }, kLight, -1},
        {"iDebounce", [](ProfileRecordEx& p) { p.iDebounce = 9; }, kLight, -1},
        {"dwLightColor", [](ProfileRecordEx& p) { p.dwLightColor = 0xFF; }, kLight, -1},
        {"iSleep", [](ProfileRecordEx& p) { p.iSleep = 60; }, kLight, -1},
        {"iLightOff", [](ProfileRecordEx& p) { p.iLightOff = 5; }, kLight, -1},
        {"byFunction", [](ProfileRecordEx& p) { p.stKeys[2].byFunction = 9; }, kKeys, -1},
        {"szMacroName", [](ProfileRecordEx& p) { p.stKeys[4].szMacroName[0] = L'Q'; }, kKeys, -1},
        {"entry 20", [](ProfileRecordEx& p) { p.stKeys[20].byReserved3[500] = 1; }, kKeys, -1},
        {"iLoopCount", [](ProfileRecordEx& p) { p.stKeys[4].iLoopCount = 3; }, kKeys, 4},
        {"iLoopMode", [](ProfileRecordEx& p) { p.stKeys[0].iLoopMode = 2; }, kKeys, 0},
        {"fourth colour byte", [](ProfileRecordEx& p) { p.stKeys[17].byColor[3] = 1; }, kKeys, 17},
        {"last action", [](ProfileRecordEx& p) { p.stKeys[9].stActions[189].iY = -1; }, kKeys, 9},
        {"reserved action byte", [](ProfileRecordEx& p) { p.stKeys[1].stActions[0].byReserved1 = 7; }, kKeys, 1},
        {"szName", [](ProfileRecordEx& p) { p.szName[0] = L'Z'; }, kNone, -1},
        {"szExtra1", [](ProfileRecordEx& p) { p.szExtra1[10] = L'e'; }, kNone, -1},
        {"iParam1", [](ProfileRecordEx& p) { p.iParam1 = 1; }, kNone, -1},
        {"byParam6", [](ProfileRecordEx& p) { p.byParam6 = 0; }, kNone, -1},
        {"iMoveMode", [](ProfileRecordEx& p) { p.iMoveMode = 1; }, kNone, -1},
        {"dwColor2", [](ProfileRecordEx& p) { p.dwColor2[3] = 0xABCDEF; }, kNone, -1},
    };
    for (int iModel : kGen2Models) {
        const auto pSent = DefaultProfile(iModel);
        EXPECT_FALSE(DiffProfile(*pSent, *pSent).Any()) << Name(iModel);
        for (const auto& row : rows) {
            SCOPED_TRACE(Name(iModel) + ": " + row.pszField);
            auto pCurrent = DefaultProfile(iModel);
            row.change(*pCurrent);
            const ChangeFlags flags = DiffProfile(*pCurrent, *pSent);
            EXPECT_EQ(GroupsOf(flags), row.uGroups);
            for (int k = 0; k < kButtonCount; ++k) EXPECT_EQ(flags.bMacroChanged[k], k == row.iMacroButton) << "button " << k + 1;
            EXPECT_EQ(flags.Any(), row.uGroups != kNone);
        }
    }
}

// The second DPI set sends frame 0x04 though none of its bytes changes.
TEST(Gen2Diff, TheSecondDpiSetResendsAnUnchangedFrame) {
    for (int iModel : kGen2Models) {
        const auto pSent = DefaultProfile(iModel);
        auto pCurrent = DefaultProfile(iModel);
        pCurrent->iDpi2[3] = 77;
        EXPECT_TRUE(DiffProfile(*pCurrent, *pSent).bDpiChanged);
        EXPECT_EQ(BuildDpiReport(ModelOf(iModel), *pCurrent), BuildDpiReport(ModelOf(iModel), *pSent));
    }
}

TEST(Gen2Diff, AFullSendSetsEveryFlag) {
    const ChangeFlags flags = AllChanged();
    EXPECT_EQ(GroupsOf(flags), kDpi | kRate | kLight | kKeys);
    for (bool bMacro : flags.bMacroChanged) EXPECT_TRUE(bMacro);
    EXPECT_FALSE(ChangeFlags{}.Any());
}

}  // namespace
