#include "models/data/profile_diff.h"

#include <algorithm>
#include <cstring>

namespace {

template <class T, size_t N>
bool Differ(const T (&a)[N], const T (&b)[N]) {
    return !std::equal(a, a + N, b);
}

template <class Key>
bool MacroDiffers(const Key& a, const Key& b) {
    return a.iLoopCount != b.iLoopCount || a.iLoopMode != b.iLoopMode || Differ(a.byColor, b.byColor) ||
           std::memcmp(a.stActions, b.stActions, sizeof a.stActions) != 0;
}

template <class Profile>
ChangeFlags DiffOf(const Profile& c, const Profile& s) {
    ChangeFlags flags;
    flags.bRateChanged = c.iRate != s.iRate || c.iRateHs != s.iRateHs;
    // iSensorMode is zero in both unless the model's layout stores it; then it is a sensor setting.
    flags.bDpiChanged = c.iCurDpi != s.iCurDpi || c.iOption1 != s.iOption1 || c.iLiftOff != s.iLiftOff ||
                        c.iOption3 != s.iOption3 || c.iRipple != s.iRipple || c.iAngleSnap != s.iAngleSnap ||
                        c.iMotionSync != s.iMotionSync || c.iSensorMode != s.iSensorMode || Differ(c.iDpi, s.iDpi) ||
                        Differ(c.iDpi2, s.iDpi2) || Differ(c.iDpiEnable, s.iDpiEnable) ||
                        Differ(c.dwDpiColor, s.dwDpiColor);
    flags.bLightChanged = c.iLightMode != s.iLightMode || c.iParam5 != s.iParam5 || c.iBreathSpeed != s.iBreathSpeed ||
                          c.iBrightness != s.iBrightness || c.iDebounce != s.iDebounce ||
                          c.dwLightColor != s.dwLightColor || c.iSleep != s.iSleep || c.iLightOff != s.iLightOff;
    flags.bKeyChanged = std::memcmp(c.stKeys, s.stKeys, sizeof c.stKeys) != 0;
    for (int k = 0; k < kButtonCount; ++k) flags.bMacroChanged[k] = MacroDiffers(c.stKeys[k], s.stKeys[k]);
    return flags;
}

}  // namespace

bool ChangeFlags::Any() const {
    return bDpiChanged || bRateChanged || bLightChanged || bKeyChanged ||
           std::any_of(std::begin(bMacroChanged), std::end(bMacroChanged), [](bool b) { return b; });
}

ChangeFlags AllChanged() {
    ChangeFlags flags;
    flags.bDpiChanged = flags.bRateChanged = flags.bLightChanged = flags.bKeyChanged = true;
    std::fill(std::begin(flags.bMacroChanged), std::end(flags.bMacroChanged), true);
    return flags;
}

ChangeFlags DiffProfile(const ProfileRecord& c, const ProfileRecord& s) { return DiffOf(c, s); }
ChangeFlags DiffProfile(const ProfileRecordEx& c, const ProfileRecordEx& s) { return DiffOf(c, s); }
