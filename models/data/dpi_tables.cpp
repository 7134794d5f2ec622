#include "models/data/dpi_tables.h"

#include <algorithm>
#include <limits>

namespace {

// A DPI reckoned wide: a stage value from outside every model's range gives the nearest int rather
// than overflowing.
int SaturatedDpi(int64_t iDpi) {
    return static_cast<int>(
        std::clamp<int64_t>(iDpi, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

constexpr std::array<uint8_t, 221> MakeDpiRegisterTable() {
    constexpr uint8_t kFirst[201] = {
        0,   1,   2,   3,   4,   5,   6,   8,   9,   10,  11,  12,  14,  15,  16,  17,  18,  19,
        21,  22,  23,  24,  25,  27,  28,  29,  30,  31,  32,  34,  35,  36,  37,  38,  39,  41,
        42,  43,  44,  45,  47,  48,  49,  50,  51,  52,  54,  55,  56,  57,  58,  59,  61,  62,
        63,  64,  65,  67,  68,  69,  70,  71,  72,  74,  75,  76,  77,  78,  79,  81,  82,  83,
        84,  85,  87,  88,  89,  90,  91,  92,  94,  95,  96,  97,  98,  99,  101, 102, 103, 104,
        105, 107, 108, 109, 110, 111, 112, 114, 115, 116, 117, 118, 119, 121, 122, 123, 124, 125,
        127, 128, 129, 130, 131, 132, 134, 135, 136, 137, 138, 139, 141, 142, 143, 144, 145, 147,
        148, 149, 150, 151, 152, 154, 155, 156, 157, 158, 159, 161, 162, 163, 164, 165, 167, 168,
        169, 170, 171, 172, 174, 175, 176, 177, 178, 179, 181, 182, 183, 184, 185, 187, 188, 189,
        190, 191, 192, 194, 195, 196, 197, 198, 199, 201, 202, 203, 204, 205, 207, 208, 209, 210,
        211, 212, 214, 215, 216, 217, 218, 219, 221, 222, 223, 224, 225, 227, 228, 229, 230, 231,
        232, 234, 235};
    std::array<uint8_t, 221> table{};
    for (int v = 0; v <= 200; ++v) table[v] = kFirst[v];
    for (int v = 201; v <= 220; ++v) table[v] = kFirst[v - 100];  // half the DPI, doubled by the flag
    return table;
}
}  // namespace

const std::array<uint8_t, 221> DpiRegisterTable = MakeDpiRegisterTable();

const std::array<uint8_t, 51> DpiRegisterTable10 = {
    0,  4,  4,  6,  8,  11, 13, 15, 18, 20, 22, 25, 27, 29, 32,  34,  36,  39,  41,  43,  46,  48,  50,  52,  55, 57,
    59, 62, 64, 66, 69, 71, 73, 76, 78, 80, 83, 85, 87, 90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};

int DpiOfStageValue(DpiCodec eCodec, int32_t iValue) {
    const int64_t iWide = iValue;
    switch (eCodec) {
        case DpiCodec::Table51: return SaturatedDpi(iWide * 100);
        case DpiCodec::Table221:
        case DpiCodec::SplitLinear: return SaturatedDpi(iWide <= 200 ? iWide * 50 : (iWide - 100) * 100);
        case DpiCodec::Linear:
        case DpiCodec::LinearPacked:
        case DpiCodec::LinearPackedMode: return SaturatedDpi(iWide * 50);
    }
    return 0;
}

int32_t StageValueOfDpi(DpiCodec eCodec, int32_t iValueMin, int32_t iValueMax, int iDpi) {
    iDpi = std::clamp(iDpi, DpiOfStageValue(eCodec, iValueMin), DpiOfStageValue(eCodec, iValueMax));
    switch (eCodec) {
        case DpiCodec::Table51: return iDpi / 100;
        case DpiCodec::Table221:
        case DpiCodec::SplitLinear: return iDpi <= 10000 ? iDpi / 50 : (iDpi - 10000) / 100 + 200;
        case DpiCodec::Linear:
        case DpiCodec::LinearPacked:
        case DpiCodec::LinearPackedMode: return iDpi / 50;
    }
    return 0;
}
