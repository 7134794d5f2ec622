// What differs between the first-generation models that share one implementation: the DPI scale
// and its frame encoding, the light frame, the polling-rate codes, the macro frame's shape, the
// factory defaults, and the few points where a family of models treats its links and events
// otherwise. The identity of a model (ids, links, names, record layout) is its ModelInfo; this
// adds the first-generation protocol and defaults.
#pragma once

#include "models/data/dpi_tables.h"
#include "models/data/gen1_records.h"
#include "models/table/model_table.h"
#include "models/data/profile_defaults.h"
#include "models/data/profile_frames.h"
#include "models/data/profile_layout.h"
#include "models/data/slider_ranges.h"

#include <array>
#include <cstdint>

using Gen1Defaults = ProfileDefaults;  // iRateHs is only stored by layout D

enum class LinkControlsOn : uint8_t {
    CableOrReceiver,  // the cable or the 2.4 GHz receiver
    AnyLink,          // the cable or either receiver
    // Light and battery on any link; the polling-rate and debounce sections closed over the
    // cable or a receiver, gone over Bluetooth LE alone.
    EachLink,
};

struct Gen1Model {
    int iNumber;
    DpiCodec eDpiCodec;
    int32_t iDpiValueMin;  // stored stage values the page accepts; 0 is a stage without DPI
    int32_t iDpiValueMax;
    LightCodec eLightCodec;
    int iRateCount;                  // polling-rate indexes 0..count-1
    std::array<uint8_t, 8> rateCodes;  // RateCode of each index; any other index sends 2
    int iRateHsCount;                // 4K polling-rate indexes (0 without a 4K rate)
    int iLightModeCount;             // light modes 0..count-1 (items of the light combo)
    MacroFrameShape macroFrame;
    Gen1Defaults defaults;
    int iLoopModeCount = 3;          // the macro picker's repeat modes (iLoopMode)

    // Rate options the mouse takes while the cable or the 2.4 GHz receiver is up; the ones above
    // work over the 4K receiver alone (0: every rate on every link).
    int iRatesOnSlowLinks;
    // "ms_N_label_prate" is left alone (false: it names the chosen rate, "prate_%d_text").
    bool bNoRateLabel;
    // The links on which the link-dependent settings (light, rate section, power, debounce) show.
    LinkControlsOn eLinkControls;
    // The apply stops and re-arms the 4K presence timer as well as the 2.4 GHz one.
    bool bApplyRearms4kTimer;
    // Every frame ends with the frame pause, sent or not (false: only after a send that went
    // through).
    bool bPauseAfterEveryFrame;
    // A rate event takes only the codes of the rate table; any other keeps the rate and is still
    // saved (false: values 1..8, an unknown code meaning the first rate).
    bool bExactRateEvents;
    // A charging report over the 2.4 GHz receiver while the cable is present drops that link.
    bool bChargingOnCableDropsWireless;
    // Event 0x60 (1..10) is the battery level.
    bool bSixtyIsBatteryLevel;
    // The mouse takes an apply whenever a link is up (false: a mouse not heard from since the
    // set-up or since the cable left sleeps, and its applies wait).
    bool bNeverSleeps;
    // Event 0x70 carries the light mode in its high nibble (0..11) over the cable, the 2.4 GHz
    // receiver and Bluetooth LE; over the 4K receiver it is the mode itself (0..7).
    bool bLightModeInHighNibble;
    // A cabled mouse arriving takes over from the receivers: their links drop.
    bool bCableArrivalDropsReceivers;
    // The debounce label shows the stored value times this, in milliseconds.
    int iDebounceFactor = 2;
    // The skin's brightness and breathing-speed rows are "<prefix>brightness", "<prefix>breathspeed".
    const wchar_t* pszLightRowPrefix = L"hor_";
    // The mouse has no lights: the light section stays hidden.
    bool bNoLightSection = false;
    // The light-off slider and its label ("slider_light_off", "label_light_off", iLightOff); it
    // applies after Timing().uSoonSliderApplyDelayMs.
    bool bLightOff = false;
    // The sleep slider applies after Timing().uSoonSliderApplyDelayMs too (false: with the other
    // sliders).
    bool bSleepAppliesSoon = false;
    // The page's sliders (brightness, breathing speed, sleep timer, debounce, light-off time).
    SliderRanges sliders;

    const ModelInfo& Info() const;
    const ProfileLayout& Layout() const;
};

// The first-generation models described so far (MS_1, MS_2, MS_3, MS_4, MS_5, MS_10); nullptr
// for any other.
const Gen1Model* FindGen1Model(int iNumber);

constexpr uint8_t kRateCodeOther = 2;
uint8_t RateCode(const Gen1Model& model, int32_t iRate);
// Byte 3 of the rate frame. A model with a 4K rate of its own (iRateHsCount) sends both indexes
// plus one, the 4K rate in the high nibble: ((iRateHs + 1) << 4) | (iRate + 1); the others send
// RateCode(iRate).
uint8_t RateFrameCode(const Gen1Model& model, int32_t iRate, int32_t iRateHs);

// The DPI a stored stage value stands for, and the stored value of a typed DPI (clamped to the
// model's range first; divisions truncate).
int DpiOfValue(const Gen1Model& model, int32_t iValue);
int32_t ValueOfDpi(const Gen1Model& model, int iDpi);
