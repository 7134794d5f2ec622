// The first-generation page's settings controls: binding, the full refresh, the link-dependent
// controls, the DPI edit highlight and the labels the page formats itself. The handlers are in
// gen1_page_controls.cpp and gen1_page_profiles.cpp.
#include "gen1_page.h"

#include "control_binder.h"
#include "dialogs/dpi_color_wnd.h"

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

// The two-way sensor options, in the order of Gen1SensorOption.
constexpr const wchar_t* kSensorOptionPatterns[kGen1SensorOptionCount] = {
    L"option_lift_of_distance_%d", L"option_ripple_control_%d", L"option_angle_snap_%d",
    L"option_motion_sync_%d"};

constexpr const wchar_t* kEditImage = L"skins/richedit_1.png";
constexpr const wchar_t* kEditImageCurrent = L"skins/richedit_2.png";

std::wstring LanguageText(const wchar_t* pszId) { return CResourceManager::GetInstance()->GetText(pszId).str(); }

// A stored colour (red, green, blue in memory order) as an opaque control colour.
DWORD ControlColor(uint32_t dwStored) {
    return DpiColorFromRgb(static_cast<BYTE>(dwStored), static_cast<BYTE>(dwStored >> 8), static_cast<BYTE>(dwStored >> 16));
}

// A fixed-height container as high as what it shows (the light section's rows come and go).
void FitHeightToShownChildren(CControlUI* pControl) {
    auto* pBox = ControlAs<CContainerUI>(pControl);
    if (pBox == nullptr) return;
    int iHeight = 0;
    int iShown = 0;
    for (int i = 0; i < pBox->GetCount(); ++i) {
        CControlUI* pChild = pBox->GetItemAt(i);
        if (pChild == nullptr || !pChild->IsVisible()) continue;
        const RECT rcPadding = pChild->GetPadding();
        iHeight += pChild->GetFixedHeight() + rcPadding.top + rcPadding.bottom;
        ++iShown;
    }
    if (iShown > 1) iHeight += (iShown - 1) * pBox->GetChildPadding();
    const RECT rcInset = pBox->GetInset();
    pBox->SetFixedHeight(iHeight + rcInset.top + rcInset.bottom);
}

template <class T>
void Show(T* pControl, bool bVisible) {
    if (pControl != nullptr) pControl->SetVisible(bVisible);
}

}  // namespace

// ---- Binding ----

void CGen1Page::InitControls() {
    BindControls();
    FillLightCombo();
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
    // The link indicators are the runtime's (Attach); the skin must hold them all the same.
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
    for (int i = 0; i < m_model.iRateCount && i < kGen1RateOptionCount; ++i)
        ui.rates[i] = bind.Find<COptionUI>(numbered(L"btn_prate_%d", i + 1));
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

// The light combo offers the model's light modes, item i for mode i.
void CGen1Page::FillLightCombo() {
    if (m_ui.pLightCombo == nullptr) return;
    m_ui.pLightCombo->RemoveAll();
    for (int i = 0; i < m_model.iLightModeCount; ++i) {
        auto* pItem = new CListLabelElementUI;
        pItem->SetResourceText(true);
        pItem->SetText(NumberedSuffix(L"light_mode_%d_text", i).c_str());
        m_ui.pLightCombo->Add(pItem);
    }
}

// ---- The profile list ----

void CGen1Page::FillProfileList() {
    if (m_ui.pProfileList == nullptr) return;
    std::vector<std::wstring> names;
    int iCurrent = -1;
    {
        std::lock_guard guard(m_lock);
        for (const auto& pProfile : m_Profiles) names.emplace_back(pProfile->szName);
        for (size_t i = 0; i < m_Profiles.size(); ++i)
            if (m_Profiles[i].get() == m_pCurProfile) iCurrent = static_cast<int>(i);
    }
    m_ui.pProfileList->RemoveAll();
    for (const std::wstring& strName : names) AddProfileRow(strName.c_str());
    m_ui.pProfileList->SelectItem(iCurrent, false, false);
}

void CGen1Page::AddProfileRow(const wchar_t* pszName) {
    if (m_ui.pProfileList == nullptr) return;
    auto* pRow = new CListLabelElementUI;
    pRow->SetText(pszName);
    pRow->SetFixedHeight(22);
    m_ui.pProfileList->Add(pRow);
}

// ---- Refresh ----

std::optional<ProfileRecord> CGen1Page::CurrentSnapshot() const {
    std::lock_guard guard(m_lock);
    if (m_pCurProfile == nullptr) return std::nullopt;
    return *m_pCurProfile;
}

bool CGen1Page::EditCurrent(const std::function<void(ProfileRecord&)>& edit) {
    std::lock_guard guard(m_lock);
    if (m_pCurProfile == nullptr) return false;
    edit(*m_pCurProfile);
    return true;
}

void CGen1Page::RefreshControls() {
    UpdateLinkControls();
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    if (!current) return;
    const ProfileRecord& p = *current;
    const Gen1PageControls& ui = m_ui;

    if (p.iCurDpi >= 0 && p.iCurDpi < kDpiStageCount && ui.dpiOptions[p.iCurDpi] != nullptr)
        ui.dpiOptions[p.iCurDpi]->Selected(true, false);
    HighlightDpiEdit(p.iCurDpi);
    for (int i = 0; i < kDpiStageCount; ++i) ShowStage(p, i);

    if (ui.pLightCombo != nullptr) ui.pLightCombo->SelectItem(p.iLightMode, false, false);
    if (ui.pBrightness != nullptr) ui.pBrightness->SetValue(p.iBrightness);
    if (ui.pBreathSpeed != nullptr) ui.pBreathSpeed->SetValue(p.iBreathSpeed);
    if (ui.pLightColor != nullptr) ui.pLightColor->SetBkColor(ControlColor(p.dwLightColor));

    if (p.iRate >= 0 && p.iRate < kGen1RateOptionCount && ui.rates[p.iRate] != nullptr) ui.rates[p.iRate]->Selected(true, false);
    ShowRateLabel(p.iRate);
    const int32_t options[kGen1SensorOptionCount] = {p.iLiftOff, p.iRipple, p.iAngleSnap, p.iMotionSync};
    for (int o = 0; o < kGen1SensorOptionCount; ++o)
        if (options[o] >= 0 && options[o] < 2 && ui.sensorOptions[o][options[o]] != nullptr)
            ui.sensorOptions[o][options[o]]->Selected(true, false);

    if (ui.pSleep != nullptr) ui.pSleep->SetValue(p.iSleep);
    UpdateSleepLabel();
    if (ui.pDebounce != nullptr) ui.pDebounce->SetValue(p.iDebounce);
    UpdateDebounceLabel();
    for (int k = 0; k < kButtonCount; ++k) UpdateKeyText(k);
}

void CGen1Page::ShowStage(const ProfileRecord& p, int i) {
    const std::wstring strDpi = std::to_wstring(DpiOfValue(m_model, p.iDpi[i]));
    if (m_ui.dpiSliders[i] != nullptr) m_ui.dpiSliders[i]->SetValue(p.iDpi[i]);
    if (m_ui.dpiLabels[i] != nullptr) m_ui.dpiLabels[i]->SetText(strDpi.c_str());
    if (m_ui.dpiEdits[i] != nullptr) m_ui.dpiEdits[i]->SetText(strDpi.c_str());
    if (m_ui.dpiColors[i] != nullptr) m_ui.dpiColors[i]->SetBkColor(ControlColor(p.dwDpiColor[i]));
    if (m_ui.dpiChecks[i] != nullptr) m_ui.dpiChecks[i]->SetCheck(p.iDpiEnable[i] == 1);
}

void CGen1Page::ShowRateLabel(int32_t iRate) {
    if (m_ui.pRateLabel == nullptr || m_model.bNoRateLabel) return;
    m_ui.pRateLabel->SetResourceText(true);
    m_ui.pRateLabel->SetText(iRate >= 0 && iRate < kGen1RateOptionCount ? NumberedSuffix(L"prate_%d_text", iRate + 1).c_str() : L"");
}

void CGen1Page::HighlightDpiEdit(int iLevel) {
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (m_ui.dpiEdits[i] == nullptr) continue;
        m_ui.dpiEdits[i]->SetNormalImage(i == iLevel ? kEditImageCurrent : kEditImage);
        m_ui.dpiEdits[i]->Invalidate();
    }
}

void CGen1Page::UpdateSleepLabel() {
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    if (!current || m_ui.pSleepLabel == nullptr) return;
    const std::wstring strText = LanguageText(L"sleep_timer_3_text") + std::to_wstring(current->iSleep) + L" " +
                                 LanguageText(L"sleep_timer_2_text");
    m_ui.pSleepLabel->SetText(strText.c_str());
}

void CGen1Page::UpdateDebounceLabel() {
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    if (!current || m_ui.pDebounceLabel == nullptr) return;
    m_ui.pDebounceLabel->SetText((std::to_wstring(current->iDebounce * 2) + L" MS").c_str());
}

// ---- Links ----

void CGen1Page::UpdateLinkControls() {
    ShowRatesForLinks();
    if (!LinkControlsShown()) return;
    Show(m_ui.pLightCombo, true);
    for (Gen1Section eSection : {Gen1Section::Rate, Gen1Section::Power, Gen1Section::KeyDebounce}) {
        Show(m_ui.Section(eSection).pCheck, true);
        ShowSectionBody(eSection);
    }
    ShowLightRows();
}

void CGen1Page::ShowSectionBody(Gen1Section eSection) {
    const Gen1SectionControls& section = m_ui.Section(eSection);
    if (section.pBody != nullptr && section.pCheck != nullptr) section.pBody->SetVisible(section.pCheck->GetCheck());
}

void CGen1Page::ShowLightRows() {
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    const int32_t iMode = current ? current->iLightMode : 0;
    Show(m_ui.pBrightnessRow, iMode == 1);
    Show(m_ui.pBreathSpeedRow, iMode >= 2 && iMode <= 11);
    Show(m_ui.pLightColorRow, iMode == 1 || iMode == 2);
    FitHeightToShownChildren(m_ui.Section(Gen1Section::Light).pBody);
}

