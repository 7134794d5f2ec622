// The first-generation page's settings controls: binding, the full refresh, the link-dependent
// controls and the DPI edit highlight. The device side (gen1_page.cpp, gen1_page_events.cpp)
// calls these.
#include "gen1_page.h"

#include "control_binder.h"

#include <string>

using namespace DuiLib;

namespace {

// Section check boxes and their bodies, in the order of Gen1Section.
struct SectionNames {
    const wchar_t* pszCheck;
    const wchar_t* pszBody;
};
constexpr SectionNames kSectionNames[kGen1SectionCount] = {
    {L"check_button", L"hor_button"},
    {L"check_profile", L"ver_profile"},
    {L"check_power", L"ver_power"},
    {L"check_dpi", L"ver_dpi"},
    {L"check_light", L"ver_light"},
    {L"check_prate", L"ver_prate"},
    {L"check_mouse_attribute", L"ver_mouse_attribute"},
    {L"check_power_setting", L"ver_power_setting"},
    {L"check_lift_of_distance", L"hor_lift_of_distance"},
    {L"check_key_debounce", L"hor_key_debounce"},
    {L"check_ripple_control", L"hor_ripple_control"},
    {L"check_angle_snap", L"hor_angle_snap"},
    {L"check_motion_sync", L"hor_motion_sync"},
};

// The two-way sensor options, in the order of Gen1SensorOption ("option_lift_of_distance_%d").
constexpr const wchar_t* kSensorOptionPatterns[kGen1SensorOptionCount] = {
    L"option_lift_of_distance_%d", L"option_ripple_control_%d", L"option_angle_snap_%d",
    L"option_motion_sync_%d"};

}  // namespace

void CGen1Page::InitControls() {
    BindControls();
    AddControlRoutes();
}

void CGen1Page::BindControls() {
    if (m_pPaintManager == nullptr) return;
    m_missingControls.clear();
    CControlBinder bind(*m_pPaintManager, m_missingControls);
    Gen1PageControls& ui = m_ui;
    const auto name = [this](const wchar_t* pszSuffix) { return Prefix() + pszSuffix; };
    const auto numbered = [this](const wchar_t* pszPattern, int i) { return Prefix() + NumberedSuffix(pszPattern, i); };

    for (int i = 0; i < kButtonCount; ++i) ui.keys[i] = bind.Find<CButtonUI>(numbered(L"btn_key_%d", i + 1));
    ui.pMacro = bind.Find<CButtonUI>(name(L"btn_macro"));
    ui.pProfileList = bind.Find<CListUI>(name(L"list_profile"));
    ui.pProfileAdd = bind.Find<CButtonUI>(name(L"profile_add_btn"));
    ui.pProfileDelete = bind.Find<CButtonUI>(name(L"profile_delete_btn"));
    ui.pProfileRename = bind.Find<CButtonUI>(name(L"profile_rename_btn"));
    ui.pProfileImport = bind.Find<CButtonUI>(name(L"profile_import_btn"));
    ui.pProfileExport = bind.Find<CButtonUI>(name(L"profile_export_btn"));
    ui.pProfileReset = bind.Find<CButtonUI>(name(L"profile_reset_btn"));
    ui.pReset = bind.Find<CButtonUI>(name(L"btn_reset"));
    bind.Find(name(L"wired"));
    bind.Find(name(L"wireless"));
    for (int s = 0; s < kGen1SectionCount; ++s) {
        ui.sections[s].pCheck = bind.Find<CCheckBoxUI>(name(kSectionNames[s].pszCheck));
        ui.sections[s].pBody = bind.Find(name(kSectionNames[s].pszBody));
    }
    ui.pSettings = bind.Find<CContainerUI>(name(L"ver_setting"));
    for (int i = 0; i < kDpiStageCount; ++i) {
        ui.dpiSliders[i] = bind.Find<CSliderUI>(numbered(L"slider_dpi_%d", i + 1));
        ui.dpiLabels[i] = bind.Find<CLabelUI>(numbered(L"label_dpi_%d", i + 1));
        ui.dpiOptions[i] = bind.Find<COptionUI>(numbered(L"option_dpi_step_%d", i + 1));
        ui.dpiChecks[i] = bind.Find<CCheckBoxUI>(numbered(L"check_dpi_step_%d", i + 1));
        ui.dpiColors[i] = bind.Find<CButtonUI>(numbered(L"btn_dpi_color_%d", i + 1));
        ui.dpiEdits[i] = bind.Find<CRichEditUI>(numbered(L"edit_dpi_%d", i + 1));
    }
    ui.pLightCombo = bind.Find<CComboUI>(name(L"combo_light"));
    ui.pBrightnessRow = bind.Find(name(L"hor_brightness"));
    ui.pBrightness = bind.Find<CSliderUI>(name(L"slider_brightness"));
    ui.pBreathSpeedRow = bind.Find(name(L"hor_breathspeed"));
    ui.pBreathSpeed = bind.Find<CSliderUI>(name(L"slider_breathspeed"));
    ui.pLightColorRow = bind.Find(name(L"hor_light_color"));
    ui.pLightColor = bind.Find<CButtonUI>(name(L"btn_light_color"));
    for (int i = 0; i < kGen1RateOptionCount; ++i) ui.rates[i] = bind.Find<COptionUI>(numbered(L"btn_prate_%d", i + 1));
    ui.pRateLabel = bind.Find<CLabelUI>(name(L"label_prate"));
    ui.pMouseAttribute = bind.Find<CButtonUI>(name(L"btn_mouse_attribute"));
    ui.pSleep = bind.Find<CSliderUI>(name(L"slider_sleep_timer"));
    ui.pSleepLabel = bind.Find<CLabelUI>(name(L"label_sleep_timer"));
    ui.pMoveMode = bind.Find<CCheckBoxUI>(name(L"check_movemode"));
    ui.pApply = bind.Find<CButtonUI>(name(L"apply_btn"));
    ui.pApplyDpi = bind.Find<CButtonUI>(name(L"btn_apply_dpi"));
    ui.pResetDpi = bind.Find<CButtonUI>(name(L"btn_reset_dpi"));
    ui.pPower = bind.Find<CProgressUI>(name(L"progress_power"));
    ui.pPowerLabel = bind.Find<CLabelUI>(name(L"label_power"));
    ui.pLowPower = bind.Find<CLabelUI>(name(L"low_power_label"));
    ui.pSleeping = bind.Find<CLabelUI>(name(L"sleep_label"));
    for (int o = 0; o < kGen1SensorOptionCount; ++o)
        for (int k = 0; k < 2; ++k) ui.sensorOptions[o][k] = bind.Find<COptionUI>(numbered(kSensorOptionPatterns[o], k + 1));
    ui.pDebounce = bind.Find<CSliderUI>(name(L"slider_key_debounce"));
    ui.pDebounceLabel = bind.Find<CLabelUI>(name(L"label_key_debounce"));
    // Looked up by the apply on each run rather than bound; the skin must have it all the same.
    bind.Find(name(L"apply_ring"));
}

void CGen1Page::AddControlRoutes() {
    AddRoutes<CGen1Page>(DUI_MSGTYPE_CLICK, L"btn_key_%d", 1, kButtonCount, &CGen1Page::OnKeyButtonClicked);
    AddRoute<CGen1Page>(DUI_MSGTYPE_CLICK, L"btn_macro", &CGen1Page::OnMacroButtonClicked);
}

void CGen1Page::OnKeyButtonClicked(TNotifyUI&, int iNumber) { OnKeyButtonClick(iNumber - 1); }

void CGen1Page::OnMacroButtonClicked(TNotifyUI&) { OnMacroButtonClick(); }

// ---- Profiles and refresh ----

void CGen1Page::FillProfileList() {}

void CGen1Page::RefreshControls() {}

void CGen1Page::UpdateLinkControls() {}

void CGen1Page::HighlightDpiEdit(int) {}
