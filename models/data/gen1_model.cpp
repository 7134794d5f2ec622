#include "models/data/gen1_model.h"

namespace {

constexpr uint8_t kFactoryFunctions[kButtonCount] = {1, 2, 3, 6, 0, 24, 4, 5, 52, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr std::array<uint8_t, 8> kRateCodes4 = {8, 4, 2, 1};
constexpr std::array<uint8_t, 8> kRateCodes7 = {0x20, 0x10, 0x08, 0x04, 0x02, 0x01, 0x40};
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

// What a model's description (models/ms_N/model.cmake) gives the family function that builds its
// row: its number, DPI scale and range, macro frame, and the facts of its own.
struct Gen1Own {
    int iNumber;
    DpiCodec eDpiCodec;
    int32_t iDpiValueMin;
    int32_t iDpiValueMax;
    MacroFrameShape macroFrame;
    uint8_t byButton9;          // the factory function of button 9
    int iRateHsCount;           // the 4K receiver's own rates (0: none)
    int32_t iLightMode;         // the factory light mode
    int32_t iSleepMax;          // the sleep timer's highest value the light frame carries
    bool bNoRateLabel;          // the page names no chosen rate
    bool bApplyRearms4kTimer;   // the apply stops and re-arms the 4K presence timer too
    bool bLightOff;             // the light goes off after a time of its own
    bool bNoLightSection;       // no lights to show
};

// What every row takes from the description as it is.
constexpr Gen1Model Seed(const Gen1Own& own) {
    Gen1Model m{.iNumber = own.iNumber, .eDpiCodec = own.eDpiCodec, .iDpiValueMin = own.iDpiValueMin,
                .iDpiValueMax = own.iDpiValueMax, .iRateCount = 4, .rateCodes = kRateCodes4,
                .iRateHsCount = own.iRateHsCount, .iLightModeCount = kLightModes, .macroFrame = own.macroFrame,
                .bNoRateLabel = own.bNoRateLabel, .bApplyRearms4kTimer = own.bApplyRearms4kTimer,
                .bNoLightSection = own.bNoLightSection};
    m.sliders.iSleepMax = own.iSleepMax;
    return m;
}

// MS_1 and MS_2 (layout A): the sleep timer sent plus one in a byte of its own, 50-DPI stages.
constexpr Gen1Model LayoutARow(const Gen1Own& own) {
    Gen1Model m = Seed(own);
    m.eLightCodec = LightCodec::SleepPlusOne;
    m.defaults = Defaults(kStages50, {.byButton9 = own.byButton9});
    return m;
}

// MS_10 (layout B): stages on its own scale.
constexpr Gen1Model LayoutBRow(const Gen1Own& own) {
    Gen1Model m = Seed(own);
    m.eLightCodec = LightCodec::PackedSleep;
    m.defaults = Defaults({4, 8, 12, 16, 32, 50, 0, 0}, {.byButton9 = own.byButton9});
    return m;
}

// What MS_3, MS_4 and MS_5 share: motion sync on by default, every frame ends with its pause,
// rate events take exact codes, the cable's charging report drops the 2.4 GHz link and event
// 0x60 is the battery level; their link-dependent settings (light, polling-rate section,
// battery, debounce) show on every link.
constexpr Gen1Model OnLayoutC(Gen1Model m, uint8_t byButton9) {
    // The factory rate is the last index.
    m.defaults = Defaults(kStages50, {.iRate = m.iRateCount - 1, .byButton9 = byButton9, .iMotionSync = 1});
    m.eLightCodec = LightCodec::PackedSleep;
    m.iRatesOnSlowLinks = 4;
    m.eLinkControls = LinkControlsOn::AnyLink;
    m.bPauseAfterEveryFrame = true;
    m.bExactRateEvents = true;
    m.bChargingOnCableDropsWireless = true;
    m.bSixtyIsBatteryLevel = true;
    return m;
}

// MS_5: layout C with four rates.
constexpr Gen1Model LayoutCModel(const Gen1Own& own) { return OnLayoutC(Seed(own), own.byButton9); }

// MS_3 and MS_4: seven rates, the three highest over the 4K receiver alone.
constexpr Gen1Model SevenRateModel(const Gen1Own& own) {
    Gen1Model m = Seed(own);
    m.iRateCount = 7;
    m.rateCodes = kRateCodes7;
    return OnLayoutC(m, own.byButton9);
}

// MS_6, MS_7 and MS_9: four rates over the cable and the 2.4 GHz receiver, motion sync on and
// button 9 off by default; every frame ends with its pause; no sleeping mouse; rate events take
// exact codes; the light mode comes in the event's high nibble; a cable arriving or charging
// takes over from the receivers; the polling-rate and debounce sections follow each link. A
// model with rates of its own over the 4K receiver also stops and re-arms its presence timer; one
// whose lights go off after a time of their own stacks its light rows and applies its sleep
// timer soon.
constexpr Gen1Model BluetoothModel(const Gen1Own& own) {
    Gen1Model m = Seed(own);
    m.eLightCodec = LightCodec::PackedSleep;
    m.defaults = Defaults(kStages50);
    m.defaults.iRateHs = m.iRateHsCount > 0 ? m.iRateHsCount - 1 : 0;  // the fastest 4K rate
    m.defaults.iMotionSync = 1;
    m.defaults.iLightMode = own.iLightMode;
    m.defaults.byFunction[kButton9] = 0;
    m.iRatesOnSlowLinks = m.iRateCount;
    m.eLinkControls = LinkControlsOn::EachLink;
    m.bApplyRearms4kTimer = m.iRateHsCount > 0;
    m.bPauseAfterEveryFrame = true;
    m.bExactRateEvents = true;
    m.bChargingOnCableDropsWireless = true;
    m.bNeverSleeps = true;
    m.bLightModeInHighNibble = true;
    m.bCableArrivalDropsReceivers = true;
    if (own.bLightOff) {
        m.pszLightRowPrefix = kVerticalLightRows;
        m.bLightOff = true;
        m.bSleepAppliesSoon = true;
        m.sliders.iLightOffMax = kLightOffSliderMax;
    }
    return m;
}

// One row per first-generation model, each built by the family function its description names.
const Gen1Model kGen1Models[] = {
#include "models/gen1_model_rows.inc"
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
