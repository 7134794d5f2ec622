// Factory defaults of a profile. Both generations write the same fields with the same values
// except for the few a model description gives (ProfileDefaults); the reset, a new profile and
// the first start all go through FillDefaultProfile.
#pragma once

#include "models/data/record_types.h"

#include <cstdint>

struct ProfileDefaults {
    int32_t iDpi[kDpiStageCount];  // also iDpi2
    int32_t iRate;
    int32_t iRateHs;
    int32_t iRipple;
    int32_t iMotionSync;
    int32_t iLightMode;
    uint8_t byFunction[kButtonCount];
    int32_t iDebounce = 3;
    int32_t iSensorMode = 0;  // written only where the model's file layout stores it
};

// Writes the defaults into a record. szName, iMoveMode and the reserved words stay as they are;
// szExtra1, szExtra2 and all 24 key entries are zeroed before entries 0..17 are filled. Fields a
// model's file layout does not store are the caller's to clear (ClearUnstoredFields).
template <class Profile>
void FillDefaultProfile(const ProfileDefaults& defaults, Profile& profile);
