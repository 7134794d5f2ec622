// DPI register tables of frame 0x04: the sensor code of a DPI value.
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
