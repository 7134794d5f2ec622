// The controls of a first-generation settings page, found by name in the page's skin when the
// page is set up (the names are the page's prefix and the suffixes bound in gen1_page_ui.cpp).
// A control the skin lacks stays null and its name is kept, so a test can hold the skin against
// every name the page looks up.
#pragma once

#include "record_types.h"
#include "ui/ui.h"

#include <array>

// The collapsible parts of the page: a check box opens and closes its body.
enum class Gen1Section {
    Button, Profile, Power, Dpi, Light, Rate, MouseAttribute, PowerSetting, LiftOff, KeyDebounce,
    Ripple, AngleSnap, MotionSync, Count
};
constexpr int kGen1SectionCount = static_cast<int>(Gen1Section::Count);

// The four two-way sensor options, in the order the page compares them.
enum class Gen1SensorOption { LiftOff, Ripple, AngleSnap, MotionSync, Count };
constexpr int kGen1SensorOptionCount = static_cast<int>(Gen1SensorOption::Count);

constexpr int kGen1RateOptionCount = 7;  // the most any model has

struct Gen1SectionControls {
    DuiLib::CCheckBoxUI* pCheck = nullptr;
    DuiLib::CControlUI* pBody = nullptr;
};

struct Gen1PageControls {
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

    std::array<Gen1SectionControls, kGen1SectionCount> sections{};
    DuiLib::CContainerUI* pSettings = nullptr;  // the scrolling settings column

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

    std::array<DuiLib::COptionUI*, kGen1RateOptionCount> rates{};
    DuiLib::CLabelUI* pRateLabel = nullptr;
    DuiLib::CButtonUI* pMouseAttribute = nullptr;
    DuiLib::CSliderUI* pSleep = nullptr;
    DuiLib::CLabelUI* pSleepLabel = nullptr;
    DuiLib::CCheckBoxUI* pMoveMode = nullptr;
    DuiLib::CButtonUI* pApply = nullptr;
    DuiLib::CButtonUI* pApplyDpi = nullptr;
    DuiLib::CButtonUI* pResetDpi = nullptr;

    DuiLib::CProgressUI* pPower = nullptr;
    DuiLib::CLabelUI* pPowerLabel = nullptr;
    DuiLib::CLabelUI* pLowPower = nullptr;
    DuiLib::CLabelUI* pSleeping = nullptr;

    std::array<std::array<DuiLib::COptionUI*, 2>, kGen1SensorOptionCount> sensorOptions{};
    DuiLib::CSliderUI* pDebounce = nullptr;
    DuiLib::CLabelUI* pDebounceLabel = nullptr;

    Gen1SectionControls& Section(Gen1Section e) { return sections[static_cast<size_t>(e)]; }
};
