#include "gen1_frames.h"

#include "dpi_tables.h"
#include "key_function_table.h"

#include <algorithm>

namespace {

uint8_t Low(int32_t iValue) { return static_cast<uint8_t>(iValue & 0xFF); }

void PutRgb(FrameBytes& frame, size_t uAt, uint32_t dwColor) {
    frame[uAt] = static_cast<uint8_t>(dwColor & 0xFF);
    frame[uAt + 1] = static_cast<uint8_t>((dwColor >> 8) & 0xFF);
    frame[uAt + 2] = static_cast<uint8_t>((dwColor >> 16) & 0xFF);
}

// MS_10: a stage above 5,000 DPI sends the code of half its value with its high-range bit.
void PutStagesTable51(FrameBytes& frame, const ProfileRecord& p) {
    uint8_t byHighMask = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const int32_t iValue = p.iDpi[i];
        int iIndex = iValue - 1;
        if (iValue > 50) {
            iIndex = (iValue - 1) / 2;
            byHighMask = static_cast<uint8_t>(byHighMask | (1u << i));
        }
        iIndex = std::min(iIndex, static_cast<int>(DpiRegisterTable10.size()) - 1);
        const uint8_t byCode = iIndex > 0 ? DpiRegisterTable10[static_cast<size_t>(iIndex)] : 0;
        frame[8 + i] = byCode;
        frame[16 + i] = byCode;
    }
    frame[6] = byHighMask;
    frame[7] = byHighMask;
}

// MS_1: codes of the 221-entry table, with a flag per stage above 10,000 DPI.
void PutStagesTable221(FrameBytes& frame, const ProfileRecord& p) {
    frame[3] = Low(p.iAngleSnap);
    frame[4] = Low(p.iRipple);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const size_t uValue = std::min<size_t>(Low(p.iDpi[i]), DpiRegisterTable.size() - 1);
        frame[8 + i] = uValue != 0 ? DpiRegisterTable[uValue] : 0;
        frame[16 + i] = uValue > 200 ? 1 : 0;
    }
}

// MS_2: value - 1 as low and high byte, and all four sensor options.
void PutStagesLinear(FrameBytes& frame, const ProfileRecord& p) {
    frame[3] = Low(p.iLiftOff);
    frame[4] = Low(p.iRipple);
    frame[6] = Low(p.iAngleSnap);
    frame[7] = Low(p.iMotionSync);
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (p.iDpi[i] == 0) continue;
        const int32_t iSent = p.iDpi[i] - 1;
        frame[8 + i] = Low(iSent);
        frame[16 + i] = Low(iSent >> 8);
    }
}

// Delay code of a pair: tenths of the delay rounded half up, with the press or release flag.
uint8_t DelayCode(int iDelay, uint8_t byFlag) { return static_cast<uint8_t>(((iDelay + 5) / 10) | byFlag); }

}  // namespace

FrameBytes BuildStartReport() {
    FrameBytes frame = NewFrame(kStartReportId, kStartReportLength);
    frame[3] = 0xFE;
    frame[4] = 0x01;
    frame[5] = 0xFE;
    return frame;
}

FrameBytes BuildDpiReport(const Gen1Model& model, const ProfileRecord& p) {
    FrameBytes frame = NewFrame(kDpiReportId, kDpiReportLength);
    uint8_t byEnableMask = 0;
    for (int i = 0; i < kDpiStageCount; ++i)
        if (p.iDpiEnable[i] == 1) byEnableMask = static_cast<uint8_t>(byEnableMask | (1u << i));
    frame[5] = byEnableMask;
    switch (model.eDpiCodec) {
        case DpiCodec::Table51: PutStagesTable51(frame, p); break;
        case DpiCodec::Table221: PutStagesTable221(frame, p); break;
        case DpiCodec::Linear: PutStagesLinear(frame, p); break;
    }
    frame[24] = Low(p.iCurDpi + 1);
    for (int i = 0; i < kDpiStageCount; ++i) PutRgb(frame, 25 + 3 * static_cast<size_t>(i), p.dwDpiColor[i]);
    frame[49] = 3;
    PutChecksum(frame, 50);
    return frame;
}

FrameBytes BuildLightReport(const Gen1Model& model, const ProfileRecord& p) {
    FrameBytes frame = NewFrame(kLightReportId, kLightReportLength);
    const int32_t iBrightness = (p.iLightMode == 1 || p.iLightMode == 9) ? p.iBrightness : 8;
    frame[3] = Low(p.iLightMode << 4);
    if (model.eLightCodec == LightCodec::PackedSleep) {
        frame[4] = Low((p.iSleep & 0xF0) | (9 - p.iBreathSpeed));
        frame[5] = Low((p.iSleep << 4) | iBrightness);
        frame[9] = Low(p.iLightOff);
    } else {
        frame[4] = Low(9 - p.iBreathSpeed);
        frame[5] = Low(iBrightness);
        frame[9] = Low(p.iSleep + 1);
    }
    PutRgb(frame, 6, p.dwLightColor);
    frame[10] = Low(p.iDebounce);
    PutChecksum(frame, 11);
    return frame;
}

FrameBytes BuildRateReport(const Gen1Model& model, const ProfileRecord& p) {
    FrameBytes frame = NewFrame(kRateReportId, kRateReportLength);
    const uint8_t byCode = RateCode(model, p.iRate);
    frame[3] = byCode;
    frame[4] = static_cast<uint8_t>(~byCode);
    return frame;
}

std::array<uint8_t, 3> KeyFunctionBytes(const KeyEntry& entry, int iButton) {
    if (entry.byFunction == kFunctionShortcut) return {0x11, entry.byModifiers, entry.byUsage};
    if (entry.byFunction == kFunctionMacro) return {0x12, 0, Low(iButton)};
    if (const KeyFunctionRow* pRow = FindKeyFunction(entry.byFunction)) return {pRow->byType, pRow->byCode1, pRow->byCode2};
    return {0, 0, 0};
}

FrameBytes BuildKeyReport(const ProfileRecord& p) {
    FrameBytes frame = NewFrame(kKeyReportId, kKeyReportLength);
    for (int k = 0; k < kButtonCount; ++k) {
        const std::array<uint8_t, 3> bytes = KeyFunctionBytes(p.stKeys[k], k + 1);
        std::copy(bytes.begin(), bytes.end(), frame.begin() + 3 + 3 * k);
    }
    PutChecksum(frame, 57);
    return frame;
}

FrameBytes BuildMacroReport(const Gen1Model& model, int iButton, const KeyEntry& entry) {
    const MacroFrameShape& shape = model.macroFrame;
    FrameBytes frame = NewFrame(kMacroReportId, shape.byLength, Low(iButton));
    frame[3] = Low(entry.iLoopMode);
    frame[4] = frame[5] = frame[6] = entry.byColor;
    frame[7] = Low(entry.iLoopCount) != 0 ? Low(entry.iLoopCount) : 1;

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
