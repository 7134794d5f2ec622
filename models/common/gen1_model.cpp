#include "gen1_model.h"

namespace {

constexpr uint8_t kFactoryFunctions[kButtonCount] = {1, 2, 3, 6, 0, 24, 4, 5, 52, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr std::array<uint8_t, 8> kRateCodes4 = {8, 4, 2, 1};
constexpr MacroFrameShape kMacroFrame131 = {131, 28, 29};
constexpr MacroFrameShape kMacroFrame111 = {111, 8, 9};
constexpr int kRatesHs = 7;  // the 4K receiver's own rates (MS_6)
constexpr int kLightModes = 12;  // off and modes 1..11

constexpr Gen1Defaults Defaults(std::array<int32_t, kDpiStageCount> dpi) {
    Gen1Defaults d{};
    for (int i = 0; i < kDpiStageCount; ++i) d.iDpi[i] = dpi[i];
    d.iRate = 3;
    for (int i = 0; i < kButtonCount; ++i) d.byFunction[i] = kFactoryFunctions[i];
    return d;
}

// MS_6, MS_7 and MS_9: four rates over the cable and the 2.4 GHz receiver, motion sync on and
// button 9 off by default.
constexpr Gen1Model BluetoothModel(Gen1Model m, int32_t iLightMode) {
    m.eLightCodec = LightCodec::PackedSleep;
    m.iRateCount = 4;
    m.rateCodes = kRateCodes4;
    m.iLightModeCount = kLightModes;
    m.defaults = Defaults({8, 16, 24, 32, 64, 100, 0, 0});
    m.defaults.iRateHs = m.iRateHsCount > 0 ? m.iRateHsCount - 1 : 0;  // the fastest 4K rate
    m.defaults.iMotionSync = 1;
    m.defaults.iLightMode = iLightMode;
    m.defaults.byFunction[8] = 0;
    return m;
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
    // The Bluetooth models. MS_6: 50-DPI stages up to 26,000, four rates over the cable and the
    // 2.4 GHz receiver and seven of its own over the 4K receiver, the 111-byte macro frame.
    BluetoothModel({.iNumber = 6, .eDpiCodec = DpiCodec::Linear, .iDpiValueMin = 1, .iDpiValueMax = 520,
                    .iRateHsCount = kRatesHs, .macroFrame = kMacroFrame111},
                   0),
    // MS_7: MS_1's scale up to 12,000 DPI with its register table; MS_9: the same scale in plain
    // codes up to 19,000 DPI. Both start on light mode 7.
    BluetoothModel({.iNumber = 7, .eDpiCodec = DpiCodec::Table221, .iDpiValueMin = 1, .iDpiValueMax = 220,
                    .macroFrame = kMacroFrame131},
                   7),
    BluetoothModel({.iNumber = 9, .eDpiCodec = DpiCodec::SplitLinear, .iDpiValueMin = 1, .iDpiValueMax = 290,
                    .macroFrame = kMacroFrame131},
                   7),
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

uint8_t RateFrameCode(const Gen1Model& model, int32_t iRate, int32_t iRateHs) {
    if (model.iRateHsCount == 0) return RateCode(model, iRate);
    return static_cast<uint8_t>((((iRateHs + 1) & 0x0F) << 4) | ((iRate + 1) & 0x0F));
}

int DpiOfValue(const Gen1Model& model, int32_t iValue) { return DpiOfStageValue(model.eDpiCodec, iValue); }

int32_t ValueOfDpi(const Gen1Model& model, int iDpi) {
    return StageValueOfDpi(model.eDpiCodec, model.iDpiValueMin, model.iDpiValueMax, iDpi);
}
