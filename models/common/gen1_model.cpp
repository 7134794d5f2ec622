#include "gen1_model.h"

namespace {

constexpr uint8_t kFactoryFunctions[kButtonCount] = {1, 2, 3, 6, 0, 24, 4, 5, 52, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr std::array<uint8_t, 8> kRateCodes4 = {8, 4, 2, 1};
constexpr MacroFrameShape kMacroFrame131 = {131, 28, 29};
constexpr int kLightModes = 12;  // off and modes 1..11

constexpr Gen1Defaults Defaults(std::array<int32_t, kDpiStageCount> dpi) {
    Gen1Defaults d{};
    for (int i = 0; i < kDpiStageCount; ++i) d.iDpi[i] = dpi[i];
    d.iRate = 3;
    for (int i = 0; i < kButtonCount; ++i) d.byFunction[i] = kFactoryFunctions[i];
    return d;
}

// number, DPI codec, DPI value range, light codec, rate codes, 4K rates, light modes, macro frame,
// defaults
const Gen1Model kGen1Models[] = {
    {1, DpiCodec::Table221, 1, 220, LightCodec::SleepPlusOne, 4, kRateCodes4, 0, kLightModes, kMacroFrame131,
     Defaults({8, 16, 24, 32, 64, 100, 0, 0})},
    {2, DpiCodec::Linear, 1, 520, LightCodec::SleepPlusOne, 4, kRateCodes4, 0, kLightModes, kMacroFrame131,
     Defaults({8, 16, 24, 32, 64, 100, 0, 0})},
    {10, DpiCodec::Table51, 2, 100, LightCodec::PackedSleep, 4, kRateCodes4, 0, kLightModes, kMacroFrame131,
     Defaults({4, 8, 12, 16, 32, 50, 0, 0})},
};

}  // namespace

const ModelInfo& Gen1Model::Info() const { return *FindModel(iNumber); }

const ProfileLayout& Gen1Model::Layout() const { return *FindProfileLayout(Info().eLayout); }

const Gen1Model* FindGen1Model(int iNumber) {
    for (const Gen1Model& m : kGen1Models)
        if (m.iNumber == iNumber) return &m;
    return nullptr;
}

uint8_t RateCode(const Gen1Model& model, int32_t iRate) {
    if (iRate < 0 || iRate >= model.iRateCount) return kRateCodeOther;
    return model.rateCodes[static_cast<size_t>(iRate)];
}

int DpiOfValue(const Gen1Model& model, int32_t iValue) { return DpiOfStageValue(model.eDpiCodec, iValue); }

int32_t ValueOfDpi(const Gen1Model& model, int iDpi) {
    return StageValueOfDpi(model.eDpiCodec, model.iDpiValueMin, model.iDpiValueMax, iDpi);
}
