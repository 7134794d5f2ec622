// DPI register tables of frame 0x04 (the sensor code of a DPI value), and what a stored stage
// value means under each way frame 0x04 carries the stages.
#pragma once

#include <array>
#include <cstdint>

// Indexed by the DPI code v of the models that use it (MS_1, MS_5, MS_7, MS_18, MS_20, MS_22,
// MS_23): v = 1..200 is 50 x v DPI, v = 201..220 is 100 x (v - 100) DPI, sent as the code of half
// the DPI (entries 101..120) together with the high-range flag.
extern const std::array<uint8_t, 221> DpiRegisterTable;

// MS_10's table, indexed by (stage value in 100 DPI) - 1, or by (value - 1) / 2 above 5,000 DPI
// with the high-range bit set.
extern const std::array<uint8_t, 51> DpiRegisterTable10;

// How frame 0x04 carries the DPI stages (bytes 3 to 23) and what a stored stage value means.
enum class DpiCodec : uint8_t {
    Table51,   // MS_10: units of 100 DPI; above 5,000 DPI half the value with the high-range bit
    Table221,  // MS_1: units of 50 DPI up to 10,000, then 100-DPI steps; DpiRegisterTable and flags
    Linear,    // MS_2 and the second generation: units of 50 DPI; value - 1 in two bytes
    SplitLinear,  // MS_9: MS_1's scale; value - 1 up to 10,000 DPI, above it value - 101 with the
                  // range flag (the DPI is (code + 1) x 50, or x 100 with the flag)
    LinearPacked,  // MS_19: Linear's stages; the four sensor options two to a byte (bytes 3, 4)
    LinearPackedMode,  // MS_15, MS_17, MS_21, MS_24: LinearPacked with the sensor mode in byte 6
};

// The DPI a stored stage value stands for, and the stored value of a typed DPI (clamped to the
// values iValueMin..iValueMax first; divisions truncate).
int DpiOfStageValue(DpiCodec eCodec, int32_t iValue);
int32_t StageValueOfDpi(DpiCodec eCodec, int32_t iValueMin, int32_t iValueMax, int iDpi);
