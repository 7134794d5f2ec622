// The controls of a model's settings page, found by name in the page's skin when the page is set
// up: the prefix ("ms_11_") and the suffixes below. A control the skin lacks stays null and its
// name is kept, so a test can hold each skin against every name its page looks up. The same set
// serves both generations; a model without the 4K polling rates or Bluetooth LE looks none up.
#pragma once

#include "models/dialogs/control_binder.h"
#include "models/data/record_types.h"
#include "ui/ui.h"

#include <array>
#include <string>
#include <vector>

// The collapsible parts of the page: a check box opens and closes its body.
enum class PageSection {
    Button, Profile, Power, Dpi, Light, Rate, MouseAttribute, PowerSetting, LiftOff, KeyDebounce,
    Ripple, AngleSnap, MotionSync, Count
};
constexpr int kPageSectionCount = static_cast<int>(PageSection::Count);

// The four two-way sensor options, in the order the page compares them.
enum class SensorOption { LiftOff, Ripple, AngleSnap, MotionSync, Count };
constexpr int kSensorOptionCount = static_cast<int>(SensorOption::Count);

constexpr int kRateOptionMax = 7;    // "btn_prate_%d" (up to seven in one row on some models)
constexpr int kRateHsOptionMax = 7;  // "btn_prate_hs_%d"
constexpr int kSensorModeMax = 4;    // "option_sensor_mode_%d"

struct PageSectionControls {
    DuiLib::CCheckBoxUI* pCheck = nullptr;
    DuiLib::CControlUI* pBody = nullptr;
};

struct SettingsControls {
    std::array<DuiLib::CButtonUI*, kButtonCount> keys{};
    DuiLib::CButtonUI* pMacro = nullptr;

    DuiLib::CListUI* pProfileList = nullptr;
    DuiLib::CButtonUI* pProfileAdd = nullptr;
    DuiLib::CButtonUI* pProfileDelete = nullptr;
    DuiLib::CButtonUI* pProfileRename = nullptr;
    DuiLib::CButtonUI* pProfileImport = nullptr;
    DuiLib::CButtonUI* pProfileExport = nullptr;
    DuiLib::CButtonUI* pProfileReset = nullptr;
    DuiLib::CButtonUI* pReset = nullptr;

    std::array<PageSectionControls, kPageSectionCount> sections{};
    DuiLib::CContainerUI* pSettings = nullptr;  // the scrolling settings column
    DuiLib::CControlUI* pRateHsBody = nullptr;  // the high-speed polling rates (models with 4K)

    std::array<DuiLib::CSliderUI*, kDpiStageCount> dpiSliders{};
    std::array<DuiLib::CLabelUI*, kDpiStageCount> dpiLabels{};
    std::array<DuiLib::COptionUI*, kDpiStageCount> dpiOptions{};
    std::array<DuiLib::CCheckBoxUI*, kDpiStageCount> dpiChecks{};
    std::array<DuiLib::CButtonUI*, kDpiStageCount> dpiColors{};
    std::array<DuiLib::CRichEditUI*, kDpiStageCount> dpiEdits{};

    DuiLib::CComboUI* pLightCombo = nullptr;
    DuiLib::CControlUI* pBrightnessRow = nullptr;
    DuiLib::CSliderUI* pBrightness = nullptr;
    DuiLib::CControlUI* pBreathSpeedRow = nullptr;
    DuiLib::CSliderUI* pBreathSpeed = nullptr;
    DuiLib::CControlUI* pLightColorRow = nullptr;
    DuiLib::CButtonUI* pLightColor = nullptr;

    std::array<DuiLib::COptionUI*, kRateOptionMax> rates{};
    std::array<DuiLib::COptionUI*, kRateHsOptionMax> ratesHs{};
    DuiLib::CLabelUI* pRateLabel = nullptr;
    DuiLib::CButtonUI* pMouseAttribute = nullptr;
    DuiLib::CSliderUI* pSleep = nullptr;
    DuiLib::CLabelUI* pSleepLabel = nullptr;
    DuiLib::CSliderUI* pLightOff = nullptr;
    DuiLib::CLabelUI* pLightOffLabel = nullptr;
    DuiLib::CCheckBoxUI* pMoveMode = nullptr;
    DuiLib::CButtonUI* pApply = nullptr;
    DuiLib::CButtonUI* pApplyDpi = nullptr;
    DuiLib::CButtonUI* pResetDpi = nullptr;

    DuiLib::CProgressUI* pPower = nullptr;
    DuiLib::CLabelUI* pPowerLabel = nullptr;
    DuiLib::CLabelUI* pLowPower = nullptr;

    std::array<std::array<DuiLib::COptionUI*, 2>, kSensorOptionCount> sensorOptions{};
    std::array<DuiLib::COptionUI*, kSensorModeMax> sensorModes{};
    DuiLib::CControlUI* pSensorModeBody = nullptr;  // "ver_sensor_mode", opened with the rates
    DuiLib::CSliderUI* pDebounce = nullptr;
    DuiLib::CLabelUI* pDebounceLabel = nullptr;

    PageSectionControls& Section(PageSection e) { return sections[static_cast<size_t>(e)]; }
    const PageSectionControls& Section(PageSection e) const { return sections[static_cast<size_t>(e)]; }
};

// What a model's page has beyond the controls every page has.
struct SettingsControlSet {
    int iRateCount = 4;               // "btn_prate_%d", 1..count
    int iRateHsCount = 0;             // "btn_prate_hs_%d" and "ver_prate_hs" when not 0
    bool bWireless4k = false;         // the indicator "wireless_4k"
    bool bBle = false;                // the indicator "BLE"
    bool bSleepingLabel = false;      // "sleep_label", shown while the mouse sleeps
    bool bLightOff = false;           // "slider_light_off" and "label_light_off"
    // The brightness and breathing-speed rows are "<prefix>brightness" and "<prefix>breathspeed".
    const wchar_t* pszLightRowPrefix = L"hor_";
    // The sensor modes ("option_sensor_mode_%d" in "ver_sensor_mode"), 0: none; below the highest
    // the 4K receiver offers only the first iRateHsSensorCap high-speed rates.
    int iSensorModeCount = 0;
    int iRateHsSensorCap = 0;
};

// Makes a fixed-height container as high as the children it shows (rows of a section that come
// and go with the profile or the links).
void FitHeightToShownChildren(DuiLib::CControlUI* pControl);

// The check boxes that open and close the page's sections ("check_button", ...), one a section.
std::vector<const wchar_t*> SectionCheckNames();

// Binds every control of the set, in the page's table order; names not found are added to
// `missing`. The link indicators and the apply indicator ("apply_ring", looked up by each apply)
// are looked up too, so that `missing` covers every name the page uses.
SettingsControls BindSettingsControls(DuiLib::CPaintManagerUI& manager, const std::wstring& strPrefix,
                                      const SettingsControlSet& set, std::vector<std::wstring>& missing);
