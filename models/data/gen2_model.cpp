#include "models/data/gen2_model.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kRates = 4;
constexpr int kRatesHs = 7;
constexpr int kLoopModes = 4;
constexpr int kLightModes = 12;  // off and modes 1..11

using Buttons = std::array<uint8_t, kButtonCount>;
using Blocks = std::array<int32_t, kButtonCount>;

// What a model's description (models/ms_N/model.cmake) gives the family function that builds its
// row: its number, its buttons' factory functions and first macro blocks, its DPI range, and the
// few facts of its own.
struct Gen2Own {
    int iNumber;
    Buttons functions;
    Blocks blocks;
    int32_t iDpiValueMin;
    int32_t iDpiValueMax;
    bool bNoLightSection = false;
    BatteryDisplay eBatteryDisplay = BatteryDisplay::AsReported;
};

constexpr int kSensorModes = 4;
constexpr int kRatesHsBelowTopSensorMode = 4;

// The light goes off after a time of the model's own, on a slider of its own.
constexpr void GiveLightOffSlider(Gen2Model& m) {
    m.bLightOff = true;
    m.sliders.iLightOffMax = kLightOffSliderMax;
}

constexpr Gen2Model Row(const Gen2Own& own) {
    Gen2Model m{own.iNumber, DpiCodec::Linear, own.iDpiValueMin, own.iDpiValueMax, LightCodec::PackedSleep, kRates,
                kRatesHs, kLoopModes, kLightModes, {}, {}};
    constexpr int32_t kDpi[kDpiStageCount] = {8, 16, 24, 32, 64, 100, 0, 0};
    for (int i = 0; i < kDpiStageCount; ++i) m.defaults.iDpi[i] = kDpi[i];
    m.defaults.iRate = 3;
    m.defaults.iRateHs = 6;
    m.defaults.iRipple = 1;
    m.defaults.iMotionSync = 1;
    m.defaults.iLightMode = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        m.defaults.byFunction[i] = own.functions[static_cast<size_t>(i)];
        m.iMacroBlock[i] = own.blocks[static_cast<size_t>(i)];
    }
    m.bNoLightSection = own.bNoLightSection;
    m.eBatteryDisplay = own.eBatteryDisplay;
    return m;
}

// MS_18 to MS_23 but MS_21: cable, 2.4 GHz and Bluetooth LE, no lights (but a light-off time,
// and the light rows named as MS_14's), a debounce of 6 ms and byte 49 of frame 0x04 at 2.
constexpr Gen2Model UnlitRow(const Gen2Own& own) {
    Gen2Model m = Row(own);
    m.defaults.iDebounce = 6;
    m.byDpiFrameTail = 2;
    m.bNoLightSection = true;
    GiveLightOffSlider(m);
    m.pszLightRowPrefix = L"ver_";
    return m;
}

// MS_18: stage codes 1..220 (50-DPI steps to 10,000, then 100-DPI steps to 12,000) sent through
// the register table, one-hot rate codes and the 131-byte macro frame.
constexpr Gen2Model Row18(const Gen2Own& own) {
    Gen2Model m = UnlitRow(own);
    m.eDpiCodec = DpiCodec::Table221;
    m.eRateCodec = RateCodec::OneHot;
    m.macroFrame = kMacroFrame131;
    return m;
}

// MS_19: 50..26,000 DPI in steps of 50, the sensor options two to a byte of frame 0x04.
constexpr Gen2Model Row19(const Gen2Own& own) {
    Gen2Model m = UnlitRow(own);
    m.eDpiCodec = DpiCodec::LinearPacked;
    return m;
}

// MS_14 and MS_16: the light goes off after a time of their own (half minutes, applied soon), the
// debounce counts in steps of 2 ms, the light rows are stacked ("ver_") and the factory light mode
// is 7.
constexpr Gen2Model LightOffRow(const Gen2Own& own) {
    Gen2Model m = Row(own);
    m.defaults.iLightMode = 7;
    m.iDebounceFactor = 2;
    m.pszLightRowPrefix = L"ver_";
    GiveLightOffSlider(m);
    return m;
}

// MS_20, MS_22 and MS_23: MS_18's protocol; the rate the mouse reports is read as its one-hot
// code, and over Bluetooth LE selects its option too; a recording that stops ends its insertion.
constexpr Gen2Model Row20(const Gen2Own& own) {
    Gen2Model m = Row18(own);
    m.eRateEventCodec = RateCodec::OneHot;
    m.bBleRateSelectsOption = true;
    m.bStopEndsInsertion = true;
    return m;
}

// MS_15, MS_17, MS_21 and MS_24: the sensor mode with the high-speed rates it governs (sent in
// frame 0x04 beside the sensor options two to a byte), no light section (the light values are
// still kept and sent), the stacked light rows and the light-off time, factory light mode 7 and
// a debounce of 3 ms; MS_20's macro editor (a recording that stops ends its insertion).
constexpr Gen2Model SensorRow(const Gen2Own& own) {
    Gen2Model m = Row(own);
    m.eDpiCodec = DpiCodec::LinearPackedMode;
    m.defaults.iLightMode = 7;
    m.defaults.iDebounce = 3;
    m.defaults.iSensorMode = kSensorModes - 1;
    GiveLightOffSlider(m);
    m.pszLightRowPrefix = L"ver_";
    m.bNoLightSection = true;
    m.iSensorModeCount = kSensorModes;
    m.iRateHsSensorCap = kRatesHsBelowTopSensorMode;
    m.bStopEndsInsertion = true;
    return m;
}

// MS_21 and MS_24, the sensor models with Bluetooth LE: factory light mode 0, a debounce of 6 ms,
// battery reports as event 0x41 and byte 49 of frame 0x04 at 2.
constexpr Gen2Model BleSensorRow(const Gen2Own& own) {
    Gen2Model m = SensorRow(own);
    m.defaults.iLightMode = 0;
    m.defaults.iDebounce = 6;
    m.iBatteryEventCode = 0x41;
    m.byDpiFrameTail = 2;
    return m;
}

// One row per second-generation model, each built by the family function its description names.
const Gen2Model kGen2Models[] = {
#include "models/gen2_model_rows.inc"
};

}  // namespace

const ModelInfo& Gen2Model::Info() const { return *FindModel(iNumber); }

const ProfileLayoutEx& Gen2Model::Layout() const { return *FindProfileLayoutEx(Info().eLayout); }

const Gen2Model* FindGen2Model(int iNumber) {
    for (const Gen2Model& m : kGen2Models)
        if (m.iNumber == iNumber) return &m;
    return nullptr;
}

int ShownBatteryLevel(const Gen2Model& model, int iLevel) {
    if (model.eBatteryDisplay != BatteryDisplay::Raised) return iLevel;
    if (iLevel >= 70) return 100;  // raised by 30, which reaches the top (and no sum can overflow)
    int iRaise = 0;
    if (iLevel >= 60) iRaise = 20;
    else if (iLevel >= 50) iRaise = 10;
    else if (iLevel >= 31) iRaise = 5;
    return std::min(iLevel + iRaise, 100);
}

int DpiOfValue(const Gen2Model& model, int32_t iValue) { return DpiOfStageValue(model.eDpiCodec, iValue); }

int32_t ValueOfDpi(const Gen2Model& model, int iDpi) {
    return StageValueOfDpi(model.eDpiCodec, model.iDpiValueMin, model.iDpiValueMax, iDpi);
}
