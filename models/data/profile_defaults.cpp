#include "models/data/profile_defaults.h"

#include "models/data/gen1_records.h"
#include "models/data/gen2_records.h"

#include <cstring>

namespace {

constexpr uint32_t kLightColorDefault = 0x00FF0000;  // R 0, G 0, B 255
constexpr uint32_t kDpiColorDefaults[kDpiStageCount] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FF00FF,
                                                        0x0000FFFF, 0x00FFFFFF, 0x000040FF, 0x00FFFFFF};
constexpr uint32_t kColor2Defaults[kDpiStageCount] = {0x000000FF, 0x0000FF00, 0x00FF0000, 0x00FF00FF,
                                                      0x0000FFFF, 0x00FFFFFF, 0x00FFFFFF, 0x000080FF};
constexpr int32_t kDpiEnableDefaults[kDpiStageCount] = {1, 1, 1, 1, 1, 1, 0, 0};
constexpr uint16_t kKeyParamDefault = 0x0232;

}  // namespace

template <class Profile>
void FillDefaultProfile(const ProfileDefaults& d, Profile& p) {
    std::memset(p.szExtra1, 0, sizeof p.szExtra1);
    std::memset(p.szExtra2, 0, sizeof p.szExtra2);
    p.iParam1 = 420;
    p.iParam2 = 3;
    p.byParam3 = 0;
    p.iParam4 = 6;
    p.iOption1 = 0;
    p.iLiftOff = 0;
    p.iOption3 = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        p.iDpi[i] = d.iDpi[i];
        p.iDpi2[i] = d.iDpi[i];
        p.iDpiEnable[i] = kDpiEnableDefaults[i];
        p.dwDpiColor[i] = kDpiColorDefaults[i];
        p.dwColor2[i] = kColor2Defaults[i];
    }
    p.iBrightness = 8;
    p.iBreathSpeed = 6;
    p.iLightOff = 2;
    p.iSleep = 10;
    p.iCurDpi = 1;
    p.iRate = d.iRate;
    p.iRateHs = d.iRateHs;
    p.iRipple = d.iRipple;
    p.iAngleSnap = 0;
    p.iMotionSync = d.iMotionSync;
    p.iLightMode = d.iLightMode;
    p.iParam5 = 3;
    p.byParam6 = 1;
    p.iDebounce = d.iDebounce;
    p.iSensorMode = d.iSensorMode;
    p.dwLightColor = kLightColorDefault;
    std::memset(p.stKeys, 0, sizeof p.stKeys);
    for (int i = 0; i < kButtonCount; ++i) {
        auto& entry = p.stKeys[i];
        entry.byIndex = static_cast<uint8_t>(i);
        entry.byFunction = d.byFunction[i];
        entry.byParam = 0;
        entry.wParam = kKeyParamDefault;
        entry.iMacroIndex = -1;
        entry.iMacroIndex2 = -1;
    }
}

template void FillDefaultProfile<ProfileRecord>(const ProfileDefaults&, ProfileRecord&);
template void FillDefaultProfile<ProfileRecordEx>(const ProfileDefaults&, ProfileRecordEx&);
