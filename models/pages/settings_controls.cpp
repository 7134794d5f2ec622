#include "models/pages/settings_controls.h"

#include "core/page/control_cast.h"
#include "core/util/string_helpers.h"

#include <cwchar>

namespace {

struct SectionNames {
    PageSection eSection;
    const wchar_t* pszCheck;
    const wchar_t* pszBody;
};

// Check box and body of each section; the polling-rate body named here is the 2.4 GHz/cable one.
constexpr SectionNames kSections[] = {
    {PageSection::Button, L"check_button", L"hor_button"},
    {PageSection::Profile, L"check_profile", L"ver_profile"},
    {PageSection::Power, L"check_power", L"ver_power"},
    {PageSection::Dpi, L"check_dpi", L"ver_dpi"},
    {PageSection::Light, L"check_light", L"ver_light"},
    {PageSection::Rate, L"check_prate", L"ver_prate"},
    {PageSection::MouseAttribute, L"check_mouse_attribute", L"ver_mouse_attribute"},
    {PageSection::PowerSetting, L"check_power_setting", L"ver_power_setting"},
    {PageSection::LiftOff, L"check_lift_of_distance", L"hor_lift_of_distance"},
    {PageSection::KeyDebounce, L"check_key_debounce", L"hor_key_debounce"},
    {PageSection::Ripple, L"check_ripple_control", L"hor_ripple_control"},
    {PageSection::AngleSnap, L"check_angle_snap", L"hor_angle_snap"},
    {PageSection::MotionSync, L"check_motion_sync", L"hor_motion_sync"},
};

constexpr const wchar_t* kSensorPatterns[kSensorOptionCount] = {
    L"option_lift_of_distance_%d", L"option_ripple_control_%d", L"option_angle_snap_%d", L"option_motion_sync_%d"};

}  // namespace

SettingsControls BindSettingsControls(DuiLib::CPaintManagerUI& manager, const std::wstring& strPrefix,
                                      const SettingsControlSet& set, std::vector<std::wstring>& missing) {
    using namespace DuiLib;
    CControlBinder bind(manager, missing);
    auto name = [&](const wchar_t* pszSuffix) { return strPrefix + pszSuffix; };
    auto numbered = [&](const wchar_t* pszPattern, int i) { return strPrefix + NumberedName(pszPattern, i); };
    SettingsControls ui;

    for (int k = 0; k < kButtonCount; ++k) ui.keys[k] = bind.Find<CButtonUI>(numbered(L"btn_key_%d", k + 1));
    ui.pMacro = bind.Find<CButtonUI>(name(L"btn_macro"));
    ui.pProfileList = bind.Find<CListUI>(name(L"list_profile"));
    ui.pProfileAdd = bind.Find<CButtonUI>(name(L"profile_add_btn"));
    ui.pProfileDelete = bind.Find<CButtonUI>(name(L"profile_delete_btn"));
    ui.pProfileRename = bind.Find<CButtonUI>(name(L"profile_rename_btn"));
    ui.pProfileImport = bind.Find<CButtonUI>(name(L"profile_import_btn"));
    ui.pProfileExport = bind.Find<CButtonUI>(name(L"profile_export_btn"));
    ui.pProfileReset = bind.Find<CButtonUI>(name(L"profile_reset_btn"));
    ui.pReset = bind.Find<CButtonUI>(name(L"btn_reset"));

    for (const SectionNames& s : kSections) {
        ui.Section(s.eSection).pCheck = bind.Find<CCheckBoxUI>(name(s.pszCheck));
        ui.Section(s.eSection).pBody = bind.Find(name(s.pszBody));
    }
    ui.pSettings = bind.Find<CContainerUI>(name(L"ver_setting"));
    if (set.iRateHsCount > 0) ui.pRateHsBody = bind.Find(name(L"ver_prate_hs"));

    for (int i = 0; i < kDpiStageCount; ++i) {
        ui.dpiSliders[i] = bind.Find<CSliderUI>(numbered(L"slider_dpi_%d", i + 1));
        ui.dpiLabels[i] = bind.Find<CLabelUI>(numbered(L"label_dpi_%d", i + 1));
        ui.dpiOptions[i] = bind.Find<COptionUI>(numbered(L"option_dpi_step_%d", i + 1));
        ui.dpiChecks[i] = bind.Find<CCheckBoxUI>(numbered(L"check_dpi_step_%d", i + 1));
        ui.dpiColors[i] = bind.Find<CButtonUI>(numbered(L"btn_dpi_color_%d", i + 1));
        ui.dpiEdits[i] = bind.Find<CRichEditUI>(numbered(L"edit_dpi_%d", i + 1));
    }

    ui.pLightCombo = bind.Find<CComboUI>(name(L"combo_light"));
    const std::wstring strLightRows = strPrefix + (set.pszLightRowPrefix != nullptr ? set.pszLightRowPrefix : L"hor_");
    ui.pBrightnessRow = bind.Find(strLightRows + L"brightness");
    ui.pBrightness = bind.Find<CSliderUI>(name(L"slider_brightness"));
    ui.pBreathSpeedRow = bind.Find(strLightRows + L"breathspeed");
    ui.pBreathSpeed = bind.Find<CSliderUI>(name(L"slider_breathspeed"));
    ui.pLightColorRow = bind.Find(name(L"hor_light_color"));
    ui.pLightColor = bind.Find<CButtonUI>(name(L"btn_light_color"));

    for (int i = 0; i < set.iRateCount && i < kRateOptionMax; ++i)
        ui.rates[i] = bind.Find<COptionUI>(numbered(L"btn_prate_%d", i + 1));
    for (int i = 0; i < set.iRateHsCount && i < kRateHsOptionMax; ++i)
        ui.ratesHs[i] = bind.Find<COptionUI>(numbered(L"btn_prate_hs_%d", i + 1));
    ui.pRateLabel = bind.Find<CLabelUI>(name(L"label_prate"));
    ui.pMouseAttribute = bind.Find<CButtonUI>(name(L"btn_mouse_attribute"));
    ui.pSleep = bind.Find<CSliderUI>(name(L"slider_sleep_timer"));
    ui.pSleepLabel = bind.Find<CLabelUI>(name(L"label_sleep_timer"));
    if (set.bLightOff) {
        ui.pLightOff = bind.Find<CSliderUI>(name(L"slider_light_off"));
        ui.pLightOffLabel = bind.Find<CLabelUI>(name(L"label_light_off"));
    }
    ui.pMoveMode = bind.Find<CCheckBoxUI>(name(L"check_movemode"));
    ui.pApply = bind.Find<CButtonUI>(name(L"apply_btn"));
    ui.pApplyDpi = bind.Find<CButtonUI>(name(L"btn_apply_dpi"));
    ui.pResetDpi = bind.Find<CButtonUI>(name(L"btn_reset_dpi"));
    ui.pPower = bind.Find<CProgressUI>(name(L"progress_power"));
    ui.pPowerLabel = bind.Find<CLabelUI>(name(L"label_power"));
    ui.pLowPower = bind.Find<CLabelUI>(name(L"low_power_label"));

    for (int o = 0; o < kSensorOptionCount; ++o)
        for (int j = 0; j < 2; ++j)
            ui.sensorOptions[o][j] = bind.Find<COptionUI>(numbered(kSensorPatterns[o], j + 1));
    if (set.iSensorModeCount > 0) {
        ui.pSensorModeBody = bind.Find(name(L"ver_sensor_mode"));
        for (int i = 0; i < set.iSensorModeCount && i < kSensorModeMax; ++i)
            ui.sensorModes[i] = bind.Find<COptionUI>(numbered(L"option_sensor_mode_%d", i + 1));
    }
    ui.pDebounce = bind.Find<CSliderUI>(name(L"slider_key_debounce"));
    ui.pDebounceLabel = bind.Find<CLabelUI>(name(L"label_key_debounce"));

    bind.Find(name(L"wired"));
    bind.Find(name(L"wireless"));
    if (set.bWireless4k) bind.Find(name(L"wireless_4k"));
    if (set.bBle) bind.Find(name(L"BLE"));
    if (set.bSleepingLabel) bind.Find(name(L"sleep_label"));
    bind.Find(name(L"apply_ring"));
    return ui;
}

std::vector<const wchar_t*> SectionCheckNames() {
    std::vector<const wchar_t*> names;
    for (const SectionNames& s : kSections) names.push_back(s.pszCheck);
    return names;
}

void FitHeightToShownChildren(DuiLib::CControlUI* pControl) {
    auto* pBox = ControlAs<DuiLib::CContainerUI>(pControl);
    if (pBox == nullptr) return;
    int iHeight = 0;
    int iShown = 0;
    for (int i = 0; i < pBox->GetCount(); ++i) {
        DuiLib::CControlUI* pChild = pBox->GetItemAt(i);
        if (pChild == nullptr || !pChild->IsVisible()) continue;
        const RECT rcPadding = pChild->GetPadding();
        iHeight += pChild->GetFixedHeight() + rcPadding.top + rcPadding.bottom;
        ++iShown;
    }
    if (iShown > 1) iHeight += (iShown - 1) * pBox->GetChildPadding();
    const RECT rcInset = pBox->GetInset();
    pBox->SetFixedHeight(iHeight + rcInset.top + rcInset.bottom);
}
