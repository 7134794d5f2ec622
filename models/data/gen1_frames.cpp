#include "models/data/gen1_frames.h"

#include "models/data/key_function_table.h"

#include <algorithm>

namespace {

// Delay code of a pair: tenths of the delay rounded half up, with the press or release flag.
uint8_t DelayCode(int iDelay, uint8_t byFlag) { return static_cast<uint8_t>(((iDelay + 5) / 10) | byFlag); }

}  // namespace

FrameBytes BuildDpiReport(const Gen1Model& model, const ProfileRecord& p) { return BuildDpiReport(model.eDpiCodec, p); }

FrameBytes BuildLightReport(const Gen1Model& model, const ProfileRecord& p) {
    return BuildLightReport(model.eLightCodec, p);
}

FrameBytes BuildRateReport(const Gen1Model& model, const ProfileRecord& p) {
    FrameBytes frame = NewFrame(kRateReportId, kRateReportLength);
    const uint8_t byCode = RateFrameCode(model, p.iRate, p.iRateHs);
    frame[3] = byCode;
    frame[4] = static_cast<uint8_t>(~byCode);
    return frame;
}

std::array<uint8_t, 3> KeyFunctionBytes(const KeyEntry& entry, int iButton) {
    // A macro button names its macro to the mouse by its button number.
    return KeyFunctionBytes(entry, FindKeyFunction(entry.byFunction), entry.byFunction == kFunctionMacro, FrameByte(iButton));
}

FrameBytes BuildKeyReport(const ProfileRecord& p) {
    return BuildKeyReportWith(p, [](const KeyEntry& entry, int k) { return KeyFunctionBytes(entry, k + 1); });
}

FrameBytes BuildMacroReport(const Gen1Model& model, int iButton, const KeyEntry& entry) {
    const MacroFrameShape& shape = model.macroFrame;
    FrameBytes frame = NewFrame(kMacroReportId, shape.byLength, FrameByte(iButton));
    frame[3] = FrameByte(entry.iLoopMode);
    frame[4] = frame[5] = frame[6] = entry.byColor[0];
    frame[7] = MacroLoopCountByte(entry.iLoopCount);

    // Whole actions only: an action whose pairs would not all fit ends the macro here.
    const int iActions = std::min<int>(entry.wActionNum, kMacroActionMax);
    const int iCapacity = shape.PairCapacity();
    int iPairs = 0;
    size_t uAt = shape.byFirstPairAt;
    for (int i = 0; i < iActions; ++i) {
        const MacroAction& action = entry.stActions[i];
        const int iDelay = std::max<int>(action.wDelay, 1);
        const bool bLong = iDelay > kShortDelayMaxMs;
        if (iPairs + (bLong ? 2 : 1) > iCapacity) break;
        const uint8_t byFlag = action.byType == kActionPress ? 0x01 : 0x81;
        if (!bLong) {
            frame[uAt++] = DelayCode(iDelay, byFlag);
            frame[uAt++] = action.byKey;
            ++iPairs;
        } else {
            const int iRemainder = iDelay % 200 != 0 ? iDelay % 200 : 1;
            frame[uAt++] = DelayCode(iRemainder, byFlag);
            frame[uAt++] = action.byKey;
            frame[uAt++] = static_cast<uint8_t>(std::min(iDelay / 200, 255));  // saturates past 51 s
            frame[uAt++] = 3;
            iPairs += 2;
        }
    }
    frame[shape.byCountAt] = static_cast<uint8_t>(iPairs);
    PutChecksum(frame, static_cast<size_t>(shape.ChecksumAt()));
    return frame;
}

int MacroPairCount(const MacroAction* pActions, int iCount) {
    int iPairs = 0;
    for (int i = 0; i < iCount; ++i) iPairs += pActions[i].wDelay > kShortDelayMaxMs ? 2 : 1;
    return iPairs;
}

bool MacroFitsFrame(const Gen1Model& model, const MacroRecord& macro) {
    if (macro.iActionNum < 0 || macro.iActionNum > kMacroActionMax) return false;
    return MacroPairCount(macro.stActions, macro.iActionNum) <= model.macroFrame.PairCapacity();
}
