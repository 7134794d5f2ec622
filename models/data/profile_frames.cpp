#include "models/data/profile_frames.h"

#include "models/data/gen1_records.h"
#include "models/data/gen2_records.h"

namespace {

void PutRgb(FrameBytes& frame, size_t uAt, uint32_t dwColor) {
    frame[uAt] = static_cast<uint8_t>(dwColor & 0xFF);
    frame[uAt + 1] = static_cast<uint8_t>((dwColor >> 8) & 0xFF);
    frame[uAt + 2] = static_cast<uint8_t>((dwColor >> 16) & 0xFF);
}

// MS_10: a stage above 5,000 DPI sends the code of half its value with its high-range bit.
template <class Profile>
void PutStagesTable51(FrameBytes& frame, const Profile& p) {
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
template <class Profile>
void PutStagesTable221(FrameBytes& frame, const Profile& p) {
    frame[3] = FrameByte(p.iAngleSnap);
    frame[4] = FrameByte(p.iRipple);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const size_t uValue = std::min<size_t>(FrameByte(p.iDpi[i]), DpiRegisterTable.size() - 1);
        frame[8 + i] = uValue != 0 ? DpiRegisterTable[uValue] : 0;
        frame[16 + i] = uValue > 200 ? 1 : 0;
    }
}

// Stage codes value - 1 as low and high byte; a stage without DPI (0) sends zeros.
template <class Profile>
void PutLinearCodes(FrameBytes& frame, const Profile& p) {
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (p.iDpi[i] <= 0) continue;
        const int32_t iSent = p.iDpi[i] - 1;
        frame[8 + i] = FrameByte(iSent);
        frame[16 + i] = FrameByte(iSent >> 8);
    }
}

// MS_2 and the second generation: the linear stage codes and all four sensor options.
template <class Profile>
void PutStagesLinear(FrameBytes& frame, const Profile& p) {
    frame[3] = FrameByte(p.iLiftOff);
    frame[4] = FrameByte(p.iRipple);
    frame[6] = FrameByte(p.iAngleSnap);
    frame[7] = FrameByte(p.iMotionSync);
    PutLinearCodes(frame, p);
}

// MS_19: the linear stage codes, the sensor options two to a byte: lift-off and ripple in byte
// 3, angle snap and motion sync in byte 4 (each option keeps to its nibble), bytes 6 and 7 left 0.
template <class Profile>
void PutStagesLinearPacked(FrameBytes& frame, const Profile& p) {
    frame[3] = static_cast<uint8_t>((FrameNibble(p.iLiftOff) << 4) | FrameNibble(p.iRipple));
    frame[4] = static_cast<uint8_t>((FrameNibble(p.iAngleSnap) << 4) | FrameNibble(p.iMotionSync));
    PutLinearCodes(frame, p);
}

// MS_9: MS_1's scale sent as plain codes, value - 1 up to 10,000 DPI and value - 101 with the range
// flag above; lift-off, ripple and angle snap as MS_2 sends them, byte 7 left 0.
template <class Profile>
void PutStagesSplitLinear(FrameBytes& frame, const Profile& p) {
    frame[3] = FrameByte(p.iLiftOff);
    frame[4] = FrameByte(p.iRipple);
    frame[6] = FrameByte(p.iAngleSnap);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const int32_t iValue = p.iDpi[i];
        if (iValue <= 0) continue;
        const bool bHighRange = iValue > 200;
        frame[8 + i] = FrameByte(bHighRange ? iValue - 101 : iValue - 1);
        frame[16 + i] = bHighRange ? 1 : 0;
    }
}

}  // namespace

FrameBytes BuildStartReport() {
    FrameBytes frame = NewFrame(kStartReportId, kStartReportLength);
    frame[3] = 0xFE;
    frame[4] = 0x01;
    frame[5] = 0xFE;
    return frame;
}

template <class Profile>
FrameBytes BuildDpiReport(DpiCodec eCodec, const Profile& p, uint8_t byTail) {
    FrameBytes frame = NewFrame(kDpiReportId, kDpiReportLength);
    uint8_t byEnableMask = 0;
    for (int i = 0; i < kDpiStageCount; ++i)
        if (p.iDpiEnable[i] == 1) byEnableMask = static_cast<uint8_t>(byEnableMask | (1u << i));
    frame[5] = byEnableMask;
    switch (eCodec) {
        case DpiCodec::Table51: PutStagesTable51(frame, p); break;
        case DpiCodec::Table221: PutStagesTable221(frame, p); break;
        case DpiCodec::Linear: PutStagesLinear(frame, p); break;
        case DpiCodec::SplitLinear: PutStagesSplitLinear(frame, p); break;
        case DpiCodec::LinearPacked: PutStagesLinearPacked(frame, p); break;
        case DpiCodec::LinearPackedMode:
            PutStagesLinearPacked(frame, p);
            frame[6] = FrameByte(p.iSensorMode);
            break;
    }
    frame[24] = FrameByte(p.iCurDpi + 1);
    for (int i = 0; i < kDpiStageCount; ++i) PutRgb(frame, 25 + 3 * static_cast<size_t>(i), p.dwDpiColor[i]);
    frame[49] = byTail;
    PutChecksum(frame, 50);
    return frame;
}

template <class Profile>
FrameBytes BuildLightReport(LightCodec eCodec, const Profile& p) {
    FrameBytes frame = NewFrame(kLightReportId, kLightReportLength);
    const int32_t iBrightness = (p.iLightMode == 1 || p.iLightMode == 9) ? p.iBrightness : 8;
    frame[3] = FrameByte(p.iLightMode << 4);
    if (eCodec == LightCodec::PackedSleep) {
        // Sleep shares bytes 4 and 5 with the speed and the brightness: each keeps to its nibble,
        // so a value out of range never changes another setting.
        frame[4] = static_cast<uint8_t>((p.iSleep & 0xF0) | FrameNibble(9 - p.iBreathSpeed));
        frame[5] = static_cast<uint8_t>((FrameNibble(p.iSleep) << 4) | FrameNibble(iBrightness));
        frame[9] = FrameByte(p.iLightOff);
    } else {
        frame[4] = FrameByte(9 - p.iBreathSpeed);
        frame[5] = FrameByte(iBrightness);
        frame[9] = FrameByte(p.iSleep + 1);
    }
    PutRgb(frame, 6, p.dwLightColor);
    frame[10] = FrameByte(p.iDebounce);
    PutChecksum(frame, 11);
    return frame;
}

template FrameBytes BuildDpiReport<ProfileRecord>(DpiCodec, const ProfileRecord&, uint8_t);
template FrameBytes BuildDpiReport<ProfileRecordEx>(DpiCodec, const ProfileRecordEx&, uint8_t);
template FrameBytes BuildLightReport<ProfileRecord>(LightCodec, const ProfileRecord&);
template FrameBytes BuildLightReport<ProfileRecordEx>(LightCodec, const ProfileRecordEx&);
