// What a second-generation model adds to its identity (ModelInfo): the DPI scale, the polling
// rates and repeat modes the page offers, the light modes, the factory defaults and the macro
// block each button's macro starts at. The frames, files and change detection are one
// implementation for every row here.
#pragma once

#include "models/data/dpi_tables.h"
#include "models/data/gen2_records.h"
#include "models/table/model_table.h"
#include "models/data/profile_defaults.h"
#include "models/data/profile_frames.h"
#include "models/data/profile_layout.h"
#include "models/data/slider_ranges.h"

#include <cstdint>

// How frame 0x06 codes the polling rate.
enum class RateCodec : uint8_t {
    Nibbles,  // ((iRateHs + 1) << 4) | (iRate + 1)
    OneHot,   // iRate 0, 1, 2 as 08, 04, 02; any other index as 01 (the fastest rate)
};

// How the battery display shows a level the mouse reports.
enum class BatteryDisplay : uint8_t {
    AsReported,
    Raised,  // MS_15: 70 and up +30, 60..69 +20, 50..59 +10, 31..49 +5, at most 100
};

struct Gen2Model {
    int iNumber;
    DpiCodec eDpiCodec;
    int32_t iDpiValueMin;   // stored stage values the page accepts; 0 is a stage without DPI
    int32_t iDpiValueMax;
    LightCodec eLightCodec;
    int iRateCount;         // polling-rate indexes 0..count-1 (iRate)
    int iRateHsCount;       // high-speed (4K) polling-rate indexes (iRateHs)
    int iLoopModeCount;     // the macro picker's repeat modes (iLoopMode)
    int iLightModeCount;    // light modes 0..count-1 (items of the light combo)
    ProfileDefaults defaults;
    // The first of the four macro blocks each button's macro owns; 0: the button has no slot.
    int32_t iMacroBlock[kButtonCount];
    // The debounce label shows the stored value times this, in milliseconds.
    int iDebounceFactor = 1;
    // The skin's brightness and breathing-speed rows are "<prefix>brightness", "<prefix>breathspeed".
    const wchar_t* pszLightRowPrefix = L"hor_";
    // The light-off slider and its label ("slider_light_off", "label_light_off", iLightOff); it
    // applies after Timing().uSoonSliderApplyDelayMs.
    bool bLightOff = false;
    // The sleep slider applies after Timing().uSoonSliderApplyDelayMs too (false: with the other
    // sliders).
    bool bSleepAppliesSoon = false;
    // The shape of the macro frame 0x09 (its length and where its units go).
    MacroFrameShape macroFrame = kMacroFrame111;
    // A recording in the macro editor ends the insertion it made when it stops: the action list,
    // when next rebuilt, chooses its last row (false: the insertion stays on, and the list
    // chooses the last action recorded).
    bool bStopEndsInsertion = false;
    // Byte 49 of frame 0x04.
    uint8_t byDpiFrameTail = kDpiFrameTailDefault;
    RateCodec eRateCodec = RateCodec::Nibbles;
    // How the mouse reports its polling rate (event 0x20) over the cable, the 2.4 GHz receiver and
    // Bluetooth LE: Nibbles, the low nibble is the index + 1; OneHot, the code frame 0x06 sends
    // (RateIndexOfOneHotCode), over Bluetooth LE only the values 1 to 8.
    RateCodec eRateEventCodec = RateCodec::Nibbles;
    // A rate the mouse reports over Bluetooth LE also selects its option (false: it is only
    // stored, and the options show it once a link that offers them is up).
    bool bBleRateSelectsOption = false;
    // The mouse has no lights: the light section stays hidden (frame 0x05 still carries the
    // sleep timer, the light-off time and the debounce).
    bool bNoLightSection = false;
    // The event code of the mouse's battery reports (0x40; MS_21 and MS_24: 0x41).
    int iBatteryEventCode = 0x40;
    BatteryDisplay eBatteryDisplay = BatteryDisplay::AsReported;

    // The sensor models (MS_15, MS_17, MS_21, MS_24): the sensor-mode options
    // ("option_sensor_mode_%d", modes 0..count-1, shown with the polling rates away from the
    // cable); 0: none. Below its highest mode the 4K receiver offers only the first
    // iRateHsSensorCap high-speed rates. Frame 0x04 carries the mode (DpiCodec::LinearPackedMode).
    int iSensorModeCount = 0;
    int iRateHsSensorCap = 0;
    // The page's sliders (brightness, breathing speed, sleep timer, debounce, light-off time).
    SliderRanges sliders;

    const ModelInfo& Info() const;
    const ProfileLayoutEx& Layout() const;
};

// The second-generation models described so far (MS_8, MS_11 to MS_24); nullptr for any other.
const Gen2Model* FindGen2Model(int iNumber);

// The level the battery display shows for a reported level (0..100).
int ShownBatteryLevel(const Gen2Model& model, int iLevel);

// The DPI a stored stage value stands for, and the stored value of a typed DPI (clamped to the
// model's range first; divisions truncate).
int DpiOfValue(const Gen2Model& model, int32_t iValue);
int32_t ValueOfDpi(const Gen2Model& model, int iDpi);
