// Command frames both generations build alike from a profile: the start frame 0x0C, the DPI frame
// 0x04, the light frame 0x05 and the shape of the button frame 0x08. Each generation's frames
// (gen1_frames.h, gen2_frames.h) choose the codecs and the per-button bytes.
#pragma once

#include "models/data/dpi_tables.h"
#include "models/data/key_function_table.h"
#include "models/data/record_types.h"
#include "models/data/report_frame.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

constexpr uint8_t kStartReportId = 0x0C;
constexpr uint8_t kDpiReportId = 0x04;
constexpr uint8_t kLightReportId = 0x05;
constexpr uint8_t kRateReportId = 0x06;
constexpr uint8_t kKeyReportId = 0x08;
constexpr uint8_t kMacroReportId = 0x09;

constexpr size_t kStartReportLength = 10;
constexpr size_t kDpiReportLength = 56;
constexpr size_t kLightReportLength = 15;
constexpr size_t kRateReportLength = 9;
constexpr size_t kKeyReportLength = 59;

// Where a model's macro frame 0x09 puts its two-byte units (a key pair, or a move's or a long
// delay's share); the checksum takes the last two bytes. Both generations' models use one of
// the two shapes below.
struct MacroFrameShape {
    uint8_t byLength;
    uint8_t byCountAt;      // number of units written
    uint8_t byFirstPairAt;  // first unit
    constexpr int ChecksumAt() const { return byLength - 2; }
    constexpr int PairCapacity() const { return (ChecksumAt() - byFirstPairAt) / 2; }
};
constexpr MacroFrameShape kMacroFrame111 = {111, 8, 9};
constexpr MacroFrameShape kMacroFrame131 = {131, 28, 29};

// What byte 49 of frame 0x04 holds for most models; some send 2 there.
constexpr uint8_t kDpiFrameTailDefault = 3;

// How frame 0x05 carries the sleep timer and the light-off time.
enum class LightCodec : uint8_t {
    PackedSleep,   // MS_10 and the second generation: sleep timer in the high halves of bytes 4
                   // and 5, light-off in byte 9
    SleepPlusOne,  // MS_1, MS_2: byte 4 the speed alone, byte 9 the sleep timer + 1
};

FrameBytes BuildStartReport();
// Profile is ProfileRecord or ProfileRecordEx: the fields these frames read lie in the head both
// records share.
// byTail: byte 49 of the frame.
template <class Profile>
FrameBytes BuildDpiReport(DpiCodec eCodec, const Profile& profile, uint8_t byTail = kDpiFrameTailDefault);
template <class Profile>
FrameBytes BuildLightReport(LightCodec eCodec, const Profile& profile);

// Byte 7 of a macro frame: the loop count's low byte, where 0 means once.
inline uint8_t MacroLoopCountByte(int32_t iLoopCount) {
    const auto byCount = static_cast<uint8_t>(iLoopCount & 0xFF);
    return byCount != 0 ? byCount : 1;
}

// The three bytes frame 0x08 sends for one button whose function has the table row pRow (nullptr
// when none): a shortcut's modifiers and usage; for a macro function the row's type, 0 and
// byMacroCode (what names the macro to the mouse); else the row's bytes; zeros without a row.
template <class Key>
std::array<uint8_t, 3> KeyFunctionBytes(const Key& entry, const KeyFunctionRow* pRow, bool bMacro, uint8_t byMacroCode) {
    if (entry.byFunction == kFunctionShortcut) return {0x11, entry.byModifiers, entry.byUsage};
    if (pRow == nullptr) return {0, 0, 0};
    if (bMacro) return {pRow->byType, 0, byMacroCode};
    return {pRow->byType, pRow->byCode1, pRow->byCode2};
}

// Frame 0x08: buttonBytes(entry, k) gives the three bytes of button k (0..17).
template <class Profile, class ButtonBytes>
FrameBytes BuildKeyReportWith(const Profile& profile, ButtonBytes buttonBytes) {
    FrameBytes frame = NewFrame(kKeyReportId, kKeyReportLength);
    for (int k = 0; k < kButtonCount; ++k) {
        const std::array<uint8_t, 3> bytes = buttonBytes(profile.stKeys[k], k);
        std::copy(bytes.begin(), bytes.end(), frame.begin() + 3 + 3 * k);
    }
    PutChecksum(frame, kKeyReportLength - 2);
    return frame;
}
