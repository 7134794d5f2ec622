#include "gen1_model.h"

namespace {

constexpr uint8_t kFactoryFunctions[kButtonCount] = {1, 2, 3, 6, 0, 24, 4, 5, 52, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr std::array<uint8_t, 8> kRateCodes4 = {8, 4, 2, 1};
constexpr std::array<uint8_t, 8> kRateCodes7 = {0x20, 0x10, 0x08, 0x04, 0x02, 0x01, 0x40};
constexpr int kRatesHs = 7;  // the 4K receiver's own rates (MS_6)
constexpr int kLightModes = 12;  // off and modes 1..11
constexpr int kButton9 = 8;
constexpr const wchar_t* kVerticalLightRows = L"ver_";  // MS_7's and MS_9's skins

struct FactoryChoices {
    int32_t iRate = 3;
    uint8_t byButton9 = 52;
    int32_t iMotionSync = 0;
};

constexpr Gen1Defaults Defaults(std::array<int32_t, kDpiStageCount> dpi, FactoryChoices choices = {}) {
    Gen1Defaults d{};
    for (int i = 0; i < kDpiStageCount; ++i) d.iDpi[i] = dpi[i];
    d.iRate = choices.iRate;
    d.iMotionSync = choices.iMotionSync;
    for (int i = 0; i < kButtonCount; ++i) d.byFunction[i] = kFactoryFunctions[i];
    d.byFunction[kButton9] = choices.byButton9;
    return d;
}

constexpr std::array<int32_t, kDpiStageCount> kStages50 = {8, 16, 24, 32, 64, 100, 0, 0};

// MS_1 and MS_2 send the sleep timer plus one in a byte of its own.
constexpr SliderRanges kSleepPlusOneSliders{.iSleepMax = kFrameByteMax - 1};

// What MS_3, MS_4 and MS_5 share: motion sync on by default, every frame ends with its pause,
// rate events take exact codes, the cable's charging report drops the 2.4 GHz link and event
// 0x60 is the battery level.
constexpr Gen1Model LayoutCModel(Gen1Model m, uint8_t byButton9) {
    // The factory rate is the last index.
    m.defaults = Defaults(kStages50, {.iRate = m.iRateCount - 1, .byButton9 = byButton9, .iMotionSync = 1});
    m.eLightCodec = LightCodec::PackedSleep;
    m.iLightModeCount = kLightModes;
    m.iRatesOnSlowLinks = 4;
    m.bPauseAfterEveryFrame = true;
    m.bExactRateEvents = true;
    m.bChargingOnCableDropsWireless = true;
    m.bSixtyIsBatteryLevel = true;
    return m;
}

// MS_3 and MS_4: stages of 50 DPI up to 26,000, seven rates (the three highest over the 4K
// receiver alone) and the 111-byte macro frame.
constexpr Gen1Model SevenRateModel(int iNumber, uint8_t byButton9, LinkControlsOn eLinkControls, bool bApplyRearms4kTimer) {
    return LayoutCModel({.iNumber = iNumber, .eDpiCodec = DpiCodec::Linear, .iDpiValueMin = 1, .iDpiValueMax = 520,
                         .iRateCount = 7, .rateCodes = kRateCodes7, .macroFrame = kMacroFrame111,
                         .bNoRateLabel = true, .eLinkControls = eLinkControls,
                         .bApplyRearms4kTimer = bApplyRearms4kTimer},
                        byButton9);
}

// MS_6, MS_7 and MS_9: four rates over the cable and the 2.4 GHz receiver, motion sync on and
// button 9 off by default; every frame ends with its pause; no sleeping mouse; rate events take
// exact codes; the light mode comes in the event's high nibble; a cable arriving or charging
// takes over from the receivers; the polling-rate and debounce sections follow each link. MS_6
// also stops and re-arms the 4K presence timer.
constexpr Gen1Model BluetoothModel(Gen1Model m, int32_t iLightMode) {
    m.eLightCodec = LightCodec::PackedSleep;
    m.iRateCount = 4;
    m.rateCodes = kRateCodes4;
    m.iLightModeCount = kLightModes;
    m.defaults = Defaults(kStages50);
    m.defaults.iRateHs = m.iRateHsCount > 0 ? m.iRateHsCount - 1 : 0;  // the fastest 4K rate
    m.defaults.iMotionSync = 1;
    m.defaults.iLightMode = iLightMode;
    m.defaults.byFunction[8] = 0;
    m.iRatesOnSlowLinks = m.iRateCount;
    m.eLinkControls = LinkControlsOn::EachLink;
    m.bApplyRearms4kTimer = m.iRateHsCount > 0;
    m.bPauseAfterEveryFrame = true;
    m.bExactRateEvents = true;
    m.bChargingOnCableDropsWireless = true;
    m.bNeverSleeps = true;
    m.bLightModeInHighNibble = true;
    m.bCableArrivalDropsReceivers = true;
    if (m.bLightOff) m.sliders.iLightOffMax = kLightOffSliderMax;
    return m;
}

const Gen1Model kGen1Models[] = {
    {.iNumber = 1, .eDpiCodec = DpiCodec::Table221, .iDpiValueMin = 1, .iDpiValueMax = 220,
     .eLightCodec = LightCodec::SleepPlusOne, .iRateCount = 4, .rateCodes = kRateCodes4, .iRateHsCount = 0,
     .iLightModeCount = kLightModes, .macroFrame = kMacroFrame131, .defaults = Defaults(kStages50),
     .sliders = kSleepPlusOneSliders},
    {.iNumber = 2, .eDpiCodec = DpiCodec::Linear, .iDpiValueMin = 1, .iDpiValueMax = 520,
     .eLightCodec = LightCodec::SleepPlusOne, .iRateCount = 4, .rateCodes = kRateCodes4, .iRateHsCount = 0,
     .iLightModeCount = kLightModes, .macroFrame = kMacroFrame131, .defaults = Defaults(kStages50),
     .sliders = kSleepPlusOneSliders},
    // MS_3's apply leaves the 4K presence timer running. Its link-dependent settings (light,
    // polling-rate section, battery, debounce) show on every link, as MS_4's do: hidden away
    // from the cable, they would leave a wireless mouse's page in pieces.
    SevenRateModel(3, 52, LinkControlsOn::AnyLink, false),
    SevenRateModel(4, 0, LinkControlsOn::AnyLink, true),
    // MS_5: the 221-entry DPI table up to 12,000 DPI, four rates with their label, the 131-byte
    // macro frame.
    LayoutCModel({.iNumber = 5, .eDpiCodec = DpiCodec::Table221, .iDpiValueMin = 1, .iDpiValueMax = 220,
                  .iRateCount = 4, .rateCodes = kRateCodes4, .macroFrame = kMacroFrame131,
                  .eLinkControls = LinkControlsOn::AnyLink},
                 0),
    {.iNumber = 10, .eDpiCodec = DpiCodec::Table51, .iDpiValueMin = 2, .iDpiValueMax = 100,
     .eLightCodec = LightCodec::PackedSleep, .iRateCount = 4, .rateCodes = kRateCodes4, .iRateHsCount = 0,
     .iLightModeCount = kLightModes, .macroFrame = kMacroFrame131, .defaults = Defaults({4, 8, 12, 16, 32, 50, 0, 0})},
    // The Bluetooth models. MS_6: 50-DPI stages up to 26,000, four rates over the cable and the
    // 2.4 GHz receiver and seven of its own over the 4K receiver, the 111-byte macro frame.
    BluetoothModel({.iNumber = 6, .eDpiCodec = DpiCodec::Linear, .iDpiValueMin = 1, .iDpiValueMax = 520,
                    .iRateHsCount = kRatesHs, .macroFrame = kMacroFrame111, .bNoRateLabel = true,
                    .bNoLightSection = true},
                   0),
    // MS_7: MS_1's scale up to 12,000 DPI with its register table; MS_9: the same scale in plain
    // codes up to 19,000 DPI. Both start on light mode 7, and turn their lights off after a time
    // of their own.
    BluetoothModel({.iNumber = 7, .eDpiCodec = DpiCodec::Table221, .iDpiValueMin = 1, .iDpiValueMax = 220,
                    .macroFrame = kMacroFrame131, .pszLightRowPrefix = kVerticalLightRows, .bLightOff = true,
                    .bSleepAppliesSoon = true},
                   7),
    BluetoothModel({.iNumber = 9, .eDpiCodec = DpiCodec::SplitLinear, .iDpiValueMin = 1, .iDpiValueMax = 290,
                    .macroFrame = kMacroFrame131, .pszLightRowPrefix = kVerticalLightRows, .bLightOff = true,
                    .bSleepAppliesSoon = true},
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
    // Reckoned unsigned: an index from outside the record's range wraps inside its nibble.
    const uint32_t uRate = static_cast<uint32_t>(iRate) + 1u;
    const uint32_t uRateHs = static_cast<uint32_t>(iRateHs) + 1u;
    return static_cast<uint8_t>(((uRateHs & 0x0F) << 4) | (uRate & 0x0F));
}

int DpiOfValue(const Gen1Model& model, int32_t iValue) { return DpiOfStageValue(model.eDpiCodec, iValue); }

int32_t ValueOfDpi(const Gen1Model& model, int iDpi) {
    return StageValueOfDpi(model.eDpiCodec, model.iDpiValueMin, model.iDpiValueMax, iDpi);
}
