#include "gen2_model.h"

#include <algorithm>
#include <array>

namespace {

constexpr int kRates = 4;
constexpr int kRatesHs = 7;
constexpr int kLoopModes = 4;
constexpr int kLightModes = 12;  // off and modes 1..11

using Buttons = std::array<uint8_t, kButtonCount>;
using Blocks = std::array<int32_t, kButtonCount>;

constexpr Buttons kFunctions11 = {1, 2, 3, 52, 24, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr Buttons kFunctions12 = {1, 2, 3, 24, 7, 8, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr Buttons kFunctions13 = {1, 2, 3, 24, 5, 4, 6, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr Blocks kBlocks11 = {1, 5, 9, 0, 0, 13, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Blocks kBlocks12 = {1, 5, 9, 0, 13, 17, 21, 25, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Buttons kFunctions18 = {1, 2, 3, 6, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 11};
constexpr Blocks kBlocks18 = {1, 5, 9, 0, 17, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Buttons kFunctions14 = {1, 2, 3, 6, 0, 24, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr Blocks kBlocks14 = {1, 5, 9, 13, 0, 0, 17, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Blocks kBlocks16 = {1, 5, 9, 0, 0, 17, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Buttons kFunctions20 = {1, 2, 3, 6, 5, 4, 24, 0, 0, 0, 0, 0, 0, 0, 0, 0, 12, 11};
constexpr Blocks kBlocks20 = {1, 5, 9, 13, 17, 21, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Buttons kFunctions15 = {1, 2, 3, 6, 24, 4, 5, 52, 0, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr Buttons kFunctions24 = {1, 2, 3, 6, 5, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 11, 12};
constexpr Blocks kBlocks21 = {1, 5, 9, 0, 0, 0, 13, 17, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
constexpr Blocks kBlocks24 = {1, 5, 9, 13, 17, 21, 25, 29, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};

constexpr int kSensorModes = 4;
constexpr int kRatesHsBelowTopSensorMode = 4;

// The light goes off after a time of the model's own, on a slider of its own.
constexpr void GiveLightOffSlider(Gen2Model& m) {
    m.bLightOff = true;
    m.sliders.iLightOffMax = kLightOffSliderMax;
}

constexpr Gen2Model Row(int iNumber, const Buttons& functions, const Blocks& blocks) {
    Gen2Model m{iNumber, DpiCodec::Linear, 1, 520, LightCodec::PackedSleep, kRates, kRatesHs, kLoopModes,
                kLightModes, {}, {}};
    constexpr int32_t kDpi[kDpiStageCount] = {8, 16, 24, 32, 64, 100, 0, 0};
    for (int i = 0; i < kDpiStageCount; ++i) m.defaults.iDpi[i] = kDpi[i];
    m.defaults.iRate = 3;
    m.defaults.iRateHs = 6;
    m.defaults.iRipple = 1;
    m.defaults.iMotionSync = 1;
    m.defaults.iLightMode = 0;
    for (int i = 0; i < kButtonCount; ++i) {
        m.defaults.byFunction[i] = functions[static_cast<size_t>(i)];
        m.iMacroBlock[i] = blocks[static_cast<size_t>(i)];
    }
    return m;
}

// MS_18 to MS_23 but MS_21: cable, 2.4 GHz and Bluetooth LE, no lights (but a light-off time,
// and the light rows named as MS_14's), a debounce of 6 ms and byte 49 of frame 0x04 at 2.
constexpr Gen2Model UnlitRow(int iNumber, const Buttons& functions = kFunctions18, const Blocks& blocks = kBlocks18) {
    Gen2Model m = Row(iNumber, functions, blocks);
    m.defaults.iDebounce = 6;
    m.byDpiFrameTail = 2;
    m.bNoLightSection = true;
    GiveLightOffSlider(m);
    m.pszLightRowPrefix = L"ver_";
    return m;
}

// MS_18: stage codes 1..220 (50-DPI steps to 10,000, then 100-DPI steps to 12,000) sent through
// the register table, one-hot rate codes and the 131-byte macro frame.
constexpr Gen2Model Row18(int iNumber = 18, const Buttons& functions = kFunctions18, const Blocks& blocks = kBlocks18) {
    Gen2Model m = UnlitRow(iNumber, functions, blocks);
    m.eDpiCodec = DpiCodec::Table221;
    m.iDpiValueMax = 220;
    m.eRateCodec = RateCodec::OneHot;
    m.macroFrame = kMacroFrame131;
    return m;
}

// MS_19: 50..26,000 DPI in steps of 50, the sensor options two to a byte of frame 0x04.
constexpr Gen2Model Row19() {
    Gen2Model m = UnlitRow(19);
    m.eDpiCodec = DpiCodec::LinearPacked;
    return m;
}

// MS_14 and MS_16: the light goes off after a time of their own (half minutes, applied soon), the
// debounce counts in steps of 2 ms, the light rows are stacked ("ver_") and the factory light mode
// is 7. MS_16 has no lights to show.
constexpr Gen2Model LightOffRow(int iNumber, const Blocks& blocks, bool bNoLightSection) {
    Gen2Model m = Row(iNumber, kFunctions14, blocks);
    m.defaults.iLightMode = 7;
    m.iDebounceFactor = 2;
    m.pszLightRowPrefix = L"ver_";
    m.bNoLightSection = bNoLightSection;
    GiveLightOffSlider(m);
    return m;
}

// MS_20, MS_22 and MS_23: MS_18's protocol, with buttons 1 to 6 each owning four macro blocks and
// button 7 on function 24; the rate the mouse reports is read as its one-hot code, and over
// Bluetooth LE selects its option too; a recording that stops ends its insertion.
constexpr Gen2Model Row20(int iNumber) {
    Gen2Model m = Row18(iNumber, kFunctions20, kBlocks20);
    m.eRateEventCodec = RateCodec::OneHot;
    m.bBleRateSelectsOption = true;
    m.bStopEndsInsertion = true;
    return m;
}

// MS_15, MS_17, MS_21 and MS_24: the sensor mode with the high-speed rates it governs (sent in
// frame 0x04 beside the sensor options two to a byte), no light section (the light values are
// still kept and sent), the stacked light rows and the light-off time, their own defaults,
// battery report code and byte 49 of frame 0x04; MS_20's macro editor (a recording that stops
// ends its insertion).
constexpr Gen2Model SensorRow(int iNumber, const Buttons& functions, const Blocks& blocks, int32_t iLightMode,
                              int32_t iDebounce, int iBatteryEventCode, uint8_t byDpiTail, BatteryDisplay eBattery) {
    Gen2Model m = Row(iNumber, functions, blocks);
    m.eDpiCodec = DpiCodec::LinearPackedMode;
    m.defaults.iLightMode = iLightMode;
    m.defaults.iDebounce = iDebounce;
    m.defaults.iSensorMode = kSensorModes - 1;
    GiveLightOffSlider(m);
    m.pszLightRowPrefix = L"ver_";
    m.bNoLightSection = true;
    m.iBatteryEventCode = iBatteryEventCode;
    m.eBatteryDisplay = eBattery;
    m.iSensorModeCount = kSensorModes;
    m.iRateHsSensorCap = kRatesHsBelowTopSensorMode;
    m.byDpiFrameTail = byDpiTail;
    m.bStopEndsInsertion = true;
    return m;
}

const Gen2Model kGen2Models[] = {
    Row(8, kFunctions11, kBlocks11),
    Row(11, kFunctions11, kBlocks11),
    Row(12, kFunctions12, kBlocks12),
    Row(13, kFunctions13, kBlocks12),
    Row18(),
    Row19(),
    LightOffRow(14, kBlocks14, false),
    LightOffRow(16, kBlocks16, true),
    Row20(20),
    Row20(22),
    Row20(23),
    SensorRow(15, kFunctions15, kBlocks16, 7, 3, 0x40, 3, BatteryDisplay::Raised),
    SensorRow(17, kFunctions15, kBlocks16, 7, 3, 0x40, 3, BatteryDisplay::AsReported),
    SensorRow(21, kFunctions14, kBlocks21, 0, 6, 0x41, 2, BatteryDisplay::AsReported),
    SensorRow(24, kFunctions24, kBlocks24, 0, 6, 0x41, 2, BatteryDisplay::AsReported),
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
