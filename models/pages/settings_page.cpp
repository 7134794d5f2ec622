#include "models/pages/settings_page.h"

#include "core/devices/device_timing.h"
#include "core/dialogs/dpi_color_wnd.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/data/settings_values.h"
#include "core/util/edit_filter.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>

using namespace DuiLib;

namespace {

// Far above any DPI a model takes, far below an overflow: a longer number commits the maximum.
constexpr int kTypedDpiLimit = 1000000;

const wchar_t* const kEditImage = L"skins/richedit_1.png";     // a DPI edit
const wchar_t* const kEditImageCur = L"skins/richedit_2.png";  // the current stage's edit

void SetEditImages(CRichEditUI* pEdit, const wchar_t* pszNormal, const wchar_t* pszHotAndFocused) {
    if (pEdit == nullptr) return;
    pEdit->SetNormalImage(pszNormal);
    pEdit->SetHotImage(pszHotAndFocused);
    pEdit->SetFocusedImage(pszHotAndFocused);
    pEdit->Invalidate();
}

// A stored colour (bytes red, green, blue, 0) as the opaque colour a button shows.
DWORD ScreenColor(uint32_t dwStored) {
    BYTE rgb[4];
    std::memcpy(rgb, &dwStored, sizeof rgb);
    return DpiColorFromRgb(rgb[0], rgb[1], rgb[2]);
}

template <class Option, size_t N>
void SelectSilently(const std::array<Option*, N>& options, int iIndex) {
    if (iIndex < 0 || iIndex >= static_cast<int>(N) || options[static_cast<size_t>(iIndex)] == nullptr) return;
    options[static_cast<size_t>(iIndex)]->Selected(true, false);
}

// The position of `pSender` in a row of controls, or -1.
template <class Control, size_t N>
int IndexOf(const std::array<Control*, N>& controls, const CControlUI* pSender) {
    for (size_t i = 0; i < N; ++i)
        if (controls[i] != nullptr && controls[i] == pSender) return static_cast<int>(i);
    return -1;
}

}  // namespace

template <class R>
CSettingsPageT<R>::CSettingsPageT(int iModel, const std::wstring& strDataFolder)
    : Base(iModel, DescriptionOf(iModel), strDataFolder) {}

template <class R>
const typename R::Model& CSettingsPageT<R>::DescriptionOf(int iModel) {
    const Model* pModel = R::Find(iModel);
    return pModel != nullptr ? *pModel : *R::Find(R::kFallbackModel);
}

template <class R>
int CSettingsPageT<R>::CurrentProfileIndex() const {
    return m_store.CurrentIndex();
}

// ---- Set-up ----

template <class R>
void CSettingsPageT<R>::InitPage() {
    SettingsControlSet set{.iRateCount = m_model.iRateCount,
                           .iRateHsCount = m_model.iRateHsCount,
                           .bWireless4k = this->Info().Has4k(),
                           .bBle = this->Info().HasBle(),
                           .bLightOff = m_model.bLightOff,
                           .pszLightRowPrefix = m_model.pszLightRowPrefix};
    AddOwnControls(set);
    BindSettings(set);
    AddKeyRoutes();
    // The worker's queue exists before any apply can be requested.
    this->StartWorker();
    if (this->StartDriverLibrary())
        this->CableOpened();
    else
        NoCableAtStart();
    // The Bluetooth link itself comes up with the data (LoadData), when the mouse was found paired.
    this->m_bBlePaired = this->BleMouseFound();
    // Announced whatever the outcome, so the tabs reflect the page from the start.
    this->AnnounceLinks(true);
}

template <class R>
void CSettingsPageT<R>::LoadData() {
    this->LoadProfiles();
    FillProfileList();
    this->SetBleLink(this->m_bBlePaired);
    RefreshControls();
}

// ---- Binding ----

template <class R>
void CSettingsPageT<R>::BindSettings(const SettingsControlSet& set) {
    if (m_pPaintManager == nullptr) return;
    m_missingControls.clear();
    m_set = set;
    m_ui = BindSettingsControls(*m_pPaintManager, this->Prefix(), set, m_missingControls);
    FillLightCombo();
    AddSettingsRoutes();
}

template <class R>
void CSettingsPageT<R>::FillLightCombo() {
    if (m_ui.pLightCombo == nullptr || m_ui.pLightCombo->GetCount() > 0) return;
    for (int i = 0; i < m_model.iLightModeCount; ++i) {
        auto* pItem = new CListLabelElementUI;
        pItem->SetResourceText(true);
        pItem->SetText(NumberedName(L"light_mode_%d_text", i).c_str());
        m_ui.pLightCombo->Add(pItem);
    }
}

template <class R>
void CSettingsPageT<R>::AddSettingsRoutes() {
    using Page = CSettingsPageT<R>;
    this->template AddRoutes<Page>(DUI_MSGTYPE_CLICK, {
        {L"apply_btn", &Page::OnApply},
        {L"btn_apply_dpi", &Page::OnApply},
        {L"btn_reset_dpi", &Page::OnResetDpi},
        {L"btn_mouse_attribute", &Page::OnMouseAttribute},
        {L"btn_light_color", &Page::OnLightColor},
        {L"profile_add_btn", &Page::OnAddProfile},
        {L"profile_delete_btn", &Page::OnDeleteProfile},
        {L"profile_rename_btn", &Page::OnRenameProfile},
        {L"profile_import_btn", &Page::OnImportProfile},
        {L"profile_export_btn", &Page::OnExportProfile},
        {L"profile_reset_btn", &Page::OnResetProfile},
        {L"btn_reset", &Page::OnResetProfile},
    });
    this->template AddRoutes<Page>(DUI_MSGTYPE_CLICK, L"btn_dpi_color_%d", 1, kDpiStageCount, &Page::OnDpiColor);
    this->template AddRoutes<Page>(DUI_MSGTYPE_SELECTCHANGED, L"option_dpi_step_%d", 1, kDpiStageCount, &Page::OnDpiOption);
    this->template AddRoutes<Page>(DUI_MSGTYPE_SELECTCHANGED, L"btn_prate_%d", 1, kRateOptionMax, &Page::OnRate);
    this->template AddRoutes<Page>(DUI_MSGTYPE_SELECTCHANGED, L"btn_prate_hs_%d", 1, kRateHsOptionMax, &Page::OnRateHs);
    for (const wchar_t* pszPattern : {L"option_lift_of_distance_%d", L"option_ripple_control_%d",
                                      L"option_angle_snap_%d", L"option_motion_sync_%d"})
        for (int j = 1; j <= 2; ++j)
            this->template AddRoute<Page>(DUI_MSGTYPE_SELECTCHANGED, NumberedName(pszPattern, j).c_str(),
                                          &Page::OnSensorOption);
    this->template AddRoutes<Page>(DUI_MSGTYPE_SELECTCHANGED, L"option_sensor_mode_%d", 1, kSensorModeMax,
                                   &Page::OnSensorMode);
    this->template AddRoutes<Page>(DUI_MSGTYPE_ITEMSELECT, {
        {L"combo_light", &Page::OnLightMode},
        {L"list_profile", &Page::OnProfileSelected},
    });
    for (const wchar_t* pszCheck : SectionCheckNames())
        this->template AddRoute<Page>(DUI_MSGTYPE_CHECKCLICK, pszCheck, &Page::OnSectionCheck);
    this->template AddRoute<Page>(DUI_MSGTYPE_CHECKCLICK, L"check_movemode", &Page::OnMoveMode);
    this->template AddRoutes<Page>(DUI_MSGTYPE_CHECKCLICK, L"check_dpi_step_%d", 1, kDpiStageCount, &Page::OnDpiCheck);
    this->template AddRoutes<Page>(DUI_MSGTYPE_VALUECHANGED, {
        {L"slider_brightness", &Page::OnDeferredSlider},
        {L"slider_breathspeed", &Page::OnDeferredSlider},
        {L"slider_sleep_timer", &Page::OnDeferredSlider},
        {L"slider_light_off", &Page::OnDeferredSlider},
        {L"slider_key_debounce", &Page::OnDeferredSlider},
    });
    this->template AddRoutes<Page>(DUI_MSGTYPE_VALUECHANGED, L"slider_dpi_%d", 1, kDpiStageCount, &Page::OnDpiSlider);
    this->template AddRoutes<Page>(DUI_MSGTYPE_KILLFOCUS, L"edit_dpi_%d", 1, kDpiStageCount, &Page::OnDpiEditKillFocus);
    this->template AddRoutes<Page>(DUI_MSGTYPE_RETURN, L"edit_dpi_%d", 1, kDpiStageCount, &Page::OnDpiEditReturn);
    this->template AddRoutes<Page>(DUI_MSGTYPE_SETFOCUS, L"edit_dpi_%d", 1, kDpiStageCount, &Page::OnDpiEditSetFocus);
    this->AddDpiEditFilter();
}

// ---- Refresh and display routines ----

template <class R>
void CSettingsPageT<R>::RefreshControls() {
    this->UpdateLinkControls();
    const std::optional<Profile> current = m_store.Read([](const Profile& p) { return p; });
    if (!current) return;
    const Profile& p = *current;

    SelectSilently(m_ui.dpiOptions, p.iCurDpi);
    HighlightDpiEdit(p.iCurDpi);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const std::wstring strDpi = std::to_wstring(DpiOfValue(m_model, p.iDpi[i]));
        if (m_ui.dpiSliders[i] != nullptr) m_ui.dpiSliders[i]->SetValue(p.iDpi[i]);
        if (m_ui.dpiLabels[i] != nullptr) m_ui.dpiLabels[i]->SetText(strDpi.c_str());
        if (m_ui.dpiEdits[i] != nullptr) m_ui.dpiEdits[i]->SetText(strDpi.c_str());
        if (m_ui.dpiColors[i] != nullptr) m_ui.dpiColors[i]->SetBkColor(ScreenColor(p.dwDpiColor[i]));
        if (m_ui.dpiChecks[i] != nullptr) m_ui.dpiChecks[i]->SetCheck(p.iDpiEnable[i] == 1);
    }
    if (m_ui.pLightCombo != nullptr && p.iLightMode >= 0 && p.iLightMode < m_ui.pLightCombo->GetCount())
        m_ui.pLightCombo->SelectItem(p.iLightMode, false, false);
    if (m_ui.pBrightness != nullptr) m_ui.pBrightness->SetValue(p.iBrightness);
    if (m_ui.pBreathSpeed != nullptr) m_ui.pBreathSpeed->SetValue(p.iBreathSpeed);
    if (m_ui.pLightColor != nullptr) m_ui.pLightColor->SetBkColor(ScreenColor(p.dwLightColor));
    SelectSilently(m_ui.rates, p.iRate);
    ShowRateLabel(p.iRate);
    SelectSilently(m_ui.ratesHs, p.iRateHs);
    const int iSensorValues[kSensorOptionCount] = {p.iLiftOff, p.iRipple, p.iAngleSnap, p.iMotionSync};
    for (int o = 0; o < kSensorOptionCount; ++o) SelectSilently(m_ui.sensorOptions[o], iSensorValues[o]);
    SelectSilently(m_ui.sensorModes, p.iSensorMode);
    if (m_ui.pLightOff != nullptr) m_ui.pLightOff->SetValue(p.iLightOff);
    UpdateLightOffLabel();
    if (m_ui.pSleep != nullptr) m_ui.pSleep->SetValue(p.iSleep);
    UpdateSleepLabel();
    if (m_ui.pDebounce != nullptr) m_ui.pDebounce->SetValue(p.iDebounce);
    UpdateDebounceLabel();
    // Never sent, but a switch must show the new profile's state.
    if (m_ui.pMoveMode != nullptr) m_ui.pMoveMode->SetCheck(p.iMoveMode != 0);
    // A high-speed rate the sensor mode holds back goes with the next apply.
    UpdateHsRateOptions();
    for (int k = 0; k < kButtonCount; ++k) UpdateKeyText(k);
}

template <class R>
void CSettingsPageT<R>::HighlightDpiEdit(int iLevel) {
    for (int i = 0; i < kDpiStageCount; ++i) {
        CRichEditUI* pEdit = m_ui.dpiEdits[i];
        if (pEdit == nullptr) continue;
        pEdit->SetNormalImage(i == iLevel ? kEditImageCur : kEditImage);
        pEdit->Invalidate();
    }
}

template <class R>
void CSettingsPageT<R>::ShowLightRows() {
    const LightRows rows = LightRowsFor(CurrentValue(&Profile::iLightMode).value_or(0));
    if (m_ui.pBrightnessRow != nullptr) m_ui.pBrightnessRow->SetVisible(rows.bBrightness);
    if (m_ui.pBreathSpeedRow != nullptr) m_ui.pBreathSpeedRow->SetVisible(rows.bBreathSpeed);
    if (m_ui.pLightColorRow != nullptr) m_ui.pLightColorRow->SetVisible(rows.bColor);
    FitHeightToShownChildren(m_ui.Section(PageSection::Light).pBody);
}

template <class R>
std::optional<int32_t> CSettingsPageT<R>::CurrentValue(int32_t Profile::*pField) const {
    return m_store.Read([pField](const Profile& p) { return p.*pField; });
}

template <class R>
void CSettingsPageT<R>::ShowValueLabel(CLabelUI* pLabel, int32_t Profile::*pField,
                                       const std::function<std::wstring(int32_t)>& text) {
    const std::optional<int32_t> iValue = CurrentValue(pField);
    if (!iValue || pLabel == nullptr) return;
    pLabel->SetText(text(*iValue).c_str());
}

template <class R>
void CSettingsPageT<R>::UpdateSleepLabel() {
    ShowValueLabel(m_ui.pSleepLabel, &Profile::iSleep, [](int32_t iSleep) {
        return SleepLabelText(LanguageTextOf(L"sleep_timer_3_text"), iSleep, LanguageTextOf(L"sleep_timer_2_text"));
    });
}

template <class R>
void CSettingsPageT<R>::UpdateLightOffLabel() {
    ShowValueLabel(m_ui.pLightOffLabel, &Profile::iLightOff, [](int32_t iLightOff) {
        return LightOffLabelText(LanguageTextOf(L"sleep_timer_1_text"), iLightOff, LanguageTextOf(L"sleep_timer_2_text"));
    });
}

template <class R>
void CSettingsPageT<R>::UpdateDebounceLabel() {
    ShowValueLabel(m_ui.pDebounceLabel, &Profile::iDebounce,
                   [this](int32_t iDebounce) { return DebounceLabelText(iDebounce, m_model.iDebounceFactor); });
}

template <class R>
void CSettingsPageT<R>::UpdateKeyText(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    this->ShowKeyCaption(iButton, m_ui.keys[static_cast<size_t>(iButton)]);
}

// ---- Button functions ----

template <class R>
void CSettingsPageT<R>::AddKeyRoutes() {
    using Page = CSettingsPageT<R>;
    this->template AddRoutes<Page>(DUI_MSGTYPE_CLICK, L"btn_key_%d", 1, kButtonCount, &Page::OnKeyButtonClicked);
    this->template AddRoute<Page>(DUI_MSGTYPE_CLICK, L"btn_macro", &Page::OnMacroButtonClicked);
}

template <class R>
void CSettingsPageT<R>::OnKeyButtonClicked(DuiLib::TNotifyUI&, int iNumber) {
    OnKeyButtonClick(iNumber - 1);
}

template <class R>
void CSettingsPageT<R>::OnMacroButtonClicked(DuiLib::TNotifyUI&) {
    OnMacroButtonClick();
}

template <class R>
void CSettingsPageT<R>::OnKeyButtonClick(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    const std::wstring strModel = std::to_wstring(CPageBase::Model());
    this->OpenKeyMenu(iButton, m_ui.keys[static_cast<size_t>(iButton)],
                      L"MS/MS_" + strModel + L"/ms_" + strModel + L"_menu.xml");
}

template <class R>
void CSettingsPageT<R>::OnKeyMenuClick(DuiLib::CDuiString strName) {
    if (!this->ChooseKeyFunction(strName.GetData())) return;
    this->PostApply();
    UpdateKeyText(this->m_iMenuKey);
}

template <class R>
void CSettingsPageT<R>::OnMacroButtonClick() {
    if (!EditMacros()) return;
    for (int i = 0; i < kButtonCount; ++i) UpdateKeyText(i);
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::ShowRatePanel(bool bOpen) {
    const LinkSnapshot links = this->Links();
    // Without a panel of its own for the 4K receiver, the model takes its rates there as well.
    const bool bHsPanel = m_ui.pRateHsBody != nullptr;
    const RatePanel ePanel = bOpen ? RatePanelFor(links.bCable, links.bWireless || (links.bWireless4k && !bHsPanel),
                                                  links.bWireless4k && bHsPanel)
                                   : RatePanel::None;
    if (CControlUI* pBody = m_ui.Section(PageSection::Rate).pBody) pBody->SetVisible(ePanel == RatePanel::Rate);
    if (m_ui.pRateHsBody != nullptr) m_ui.pRateHsBody->SetVisible(ePanel == RatePanel::RateHighSpeed);
    // The sensor mode matters to the receivers only: over the cable it is not offered.
    if (m_ui.pSensorModeBody != nullptr) m_ui.pSensorModeBody->SetVisible(bOpen && !links.bCable);
}

template <class R>
bool CSettingsPageT<R>::UpdateHsRateOptions() {
    if (m_set.iSensorModeCount <= 0 || !this->Links().bWireless4k) return false;
    const int iCap = std::clamp(m_set.iRateHsSensorCap, 1, kRateHsOptionMax);
    bool bAll = true;
    bool bChanged = false;
    int iRateHs = -1;
    EditProfile([&](Profile& p) {
        bAll = p.iSensorMode >= m_set.iSensorModeCount - 1;
        if (bAll || p.iRateHs < iCap - 1) return;
        bChanged = p.iRateHs != iCap - 1;
        p.iRateHs = iCap - 1;
        iRateHs = p.iRateHs;
    });
    for (int i = 0; i < kRateHsOptionMax; ++i) {
        COptionUI* pOption = m_ui.ratesHs[static_cast<size_t>(i)];
        if (pOption == nullptr) continue;
        if (bAll)
            pOption->SetEnabled(true);
        else if (i >= iCap)
            pOption->SetEnabled(false);
    }
    if (iRateHs >= 0) SelectSilently(m_ui.ratesHs, iRateHs);
    return bChanged;
}

template <class R>
void CSettingsPageT<R>::ShowLinkSections() {
    const LinkSnapshot links = this->Links();
    const int iLinks = (links.bCable ? 1 : 0) | (links.bWireless ? 2 : 0) | (links.bWireless4k ? 4 : 0) | (links.bBle ? 8 : 0);
    if (iLinks == m_iLinksShown) return;
    m_iLinksShown = iLinks;
    PageSectionControls& rate = m_ui.Section(PageSection::Rate);
    PageSectionControls& debounce = m_ui.Section(PageSection::KeyDebounce);
    const auto show = [](CControlUI* pControl, bool bVisible) {
        if (pControl != nullptr) pControl->SetVisible(bVisible);
    };
    const auto uncheck = [](CCheckBoxUI* pCheck) {
        if (pCheck != nullptr) pCheck->SetCheck(false);
    };
    if (links.bCable || links.bWireless || links.bWireless4k) {
        // The polling-rate section closed, ready to be opened for the link in use.
        uncheck(rate.pCheck);
        show(rate.pCheck, true);
        show(rate.pBody, false);
        show(m_ui.pRateHsBody, false);
        show(m_ui.pSensorModeBody, false);
        show(debounce.pCheck, true);
        // The 4K receiver's rates come under the sensor mode's hold as its link comes up.
        if (links.bWireless4k && UpdateHsRateOptions()) this->PostApply();
    } else if (this->Info().HasBle() && links.bBle) {
        // Over Bluetooth LE alone the mouse takes neither the polling rate nor the debounce.
        uncheck(rate.pCheck);
        show(rate.pCheck, false);
        show(rate.pBody, false);
        show(m_ui.pRateHsBody, false);
        show(m_ui.pSensorModeBody, false);
        uncheck(debounce.pCheck);
        show(debounce.pCheck, false);
        show(debounce.pBody, false);
    }
}

template <class R>
void CSettingsPageT<R>::OnLightModeReported(int iMode) {
    if (iMode < 0 || iMode >= m_model.iLightModeCount) return;
    if (!this->TakeReported([iMode](Profile& p) { p.iLightMode = iMode; })) return;
    if (m_ui.pLightCombo != nullptr) m_ui.pLightCombo->SelectItem(iMode, false, false);
    ShowLightRows();
}

template <class R>
void CSettingsPageT<R>::HideSection(PageSection eSection) {
    const PageSectionControls& section = m_ui.Section(eSection);
    for (CControlUI* pControl : {static_cast<CControlUI*>(section.pCheck), section.pBody})
        if (pControl != nullptr) pControl->SetVisible(false);
}

template <class R>
void CSettingsPageT<R>::ShowSectionBody(PageSection eSection) {
    const PageSectionControls& section = m_ui.Section(eSection);
    if (section.pCheck == nullptr) return;
    if (eSection == PageSection::Rate)
        ShowRatePanel(section.pCheck->GetCheck());
    else if (section.pBody != nullptr)
        section.pBody->SetVisible(section.pCheck->GetCheck());
}

// ---- Setting controls ----

template <class R>
void CSettingsPageT<R>::OnApply(TNotifyUI&) {
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnMouseAttribute(TNotifyUI&) {
    ::ShellExecuteW(nullptr, nullptr, L"main.cpl", nullptr, nullptr, SW_SHOW);
}

template <class R>
void CSettingsPageT<R>::OnDpiSlider(TNotifyUI& msg, int iNumber) {
    auto* pSlider = ControlAs<CSliderUI>(msg.pSender);
    if (pSlider == nullptr) return;
    const int iLevel = iNumber - 1;
    const int iValue = pSlider->GetValue();
    if (!EditProfile([&](Profile& p) { p.iDpi[iLevel] = iValue; })) return;
    const std::wstring strDpi = std::to_wstring(DpiOfValue(m_model, iValue));
    if (m_ui.dpiLabels[iLevel] != nullptr) m_ui.dpiLabels[iLevel]->SetText(strDpi.c_str());
    if (m_ui.dpiEdits[iLevel] != nullptr) m_ui.dpiEdits[iLevel]->SetText(strDpi.c_str());
}

template <class R>
void CSettingsPageT<R>::CommitDpiEdit(int iLevel) {
    CRichEditUI* pEdit = m_ui.dpiEdits[iLevel];
    if (pEdit == nullptr) return;
    const int32_t iValue = ValueOfDpi(m_model, static_cast<int>(LeadingNumber(pEdit->GetText().str(), kTypedDpiLimit)));
    if (!EditProfile([&](Profile& p) { p.iDpi[iLevel] = iValue; })) return;
    if (m_ui.dpiSliders[iLevel] != nullptr) m_ui.dpiSliders[iLevel]->SetValue(iValue);
    pEdit->SetText(std::to_wstring(DpiOfValue(m_model, iValue)).c_str());
}

template <class R>
void CSettingsPageT<R>::OnDpiEditReturn(TNotifyUI&, int iNumber) {
    CommitDpiEdit(iNumber - 1);
}

template <class R>
void CSettingsPageT<R>::OnDpiEditKillFocus(TNotifyUI&, int iNumber) {
    const int iLevel = iNumber - 1;
    CommitDpiEdit(iLevel);
    const int iCurDpi = CurrentValue(&Profile::iCurDpi).value_or(-1);
    SetEditImages(m_ui.dpiEdits[iLevel], iLevel == iCurDpi ? kEditImageCur : kEditImage, kEditImageCur);
}

template <class R>
void CSettingsPageT<R>::OnDpiEditSetFocus(TNotifyUI&, int iNumber) {
    const int iLevel = iNumber - 1;
    CCheckBoxUI* pCheck = m_ui.dpiChecks[iLevel];
    if (pCheck == nullptr || !pCheck->GetCheck()) {
        SetEditImages(m_ui.dpiEdits[iLevel], kEditImage, kEditImage);
        return;
    }
    SetEditImages(m_ui.dpiEdits[iLevel], kEditImageCur, kEditImageCur);
    bool bChanged = false;
    EditProfile([&](Profile& p) {
        bChanged = p.iCurDpi != iLevel;
        p.iCurDpi = iLevel;
    });
    if (!bChanged) return;
    // The stage's option follows, so the page never shows two current stages.
    SelectSilently(m_ui.dpiOptions, iLevel);
    HighlightDpiEdit(iLevel);
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnDpiOption(TNotifyUI& msg, int iNumber) {
    auto* pOption = ControlAs<COptionUI>(msg.pSender);
    if (pOption == nullptr || !pOption->IsSelected()) return;
    const int iLevel = iNumber - 1;
    if (!EditProfile([&](Profile& p) { p.iCurDpi = iLevel; })) return;
    HighlightDpiEdit(iLevel);
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnDpiCheck(TNotifyUI& msg, int iNumber) {
    auto* pCheck = ControlAs<CCheckBoxUI>(msg.pSender);
    if (pCheck == nullptr) return;
    const int iLevel = iNumber - 1;
    const bool bChecked = pCheck->GetCheck();
    bool bCurrent = false;
    const bool bEdited = EditProfile([&](Profile& p) {
        bCurrent = p.iCurDpi == iLevel;
        if (!bCurrent) p.iDpiEnable[iLevel] = bChecked ? 1 : 0;
    });
    if (!bEdited) return;
    if (bCurrent) {
        pCheck->SetCheck(true);  // the current stage cannot be switched off
        return;
    }
    this->PostApply();
}

template <class R>
std::optional<uint32_t> CSettingsPageT<R>::PickColor(CButtonUI* pButton, uint32_t dwStored) {
    if (pButton == nullptr) return std::nullopt;
    BYTE rgb[4];
    std::memcpy(rgb, &dwStored, sizeof rgb);
    if (!this->RunModal([&] { return RunDpiColorWnd(m_hMainWnd, pButton, rgb); })) return std::nullopt;
    pButton->SetBkColor(DpiColorFromRgb(rgb[0], rgb[1], rgb[2]));
    uint32_t dwColor = 0;
    std::memcpy(&dwColor, rgb, sizeof dwColor);
    return dwColor;
}

template <class R>
void CSettingsPageT<R>::OnDpiColor(TNotifyUI&, int iNumber) {
    const int iLevel = iNumber - 1;
    const uint32_t dwStored = this->CurrentProfileCopy().dwDpiColor[iLevel];
    const std::optional<uint32_t> color = PickColor(m_ui.dpiColors[iLevel], dwStored);
    if (color && EditProfile([&](Profile& p) { p.dwDpiColor[iLevel] = *color; })) this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnLightColor(TNotifyUI&) {
    const std::optional<uint32_t> color = PickColor(m_ui.pLightColor, this->CurrentProfileCopy().dwLightColor);
    if (color && EditProfile([&](Profile& p) { p.dwLightColor = *color; })) this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnResetDpi(TNotifyUI&) {
    Profile defaults{};
    m_store.Files().SetDefaultProfile(defaults);
    const bool bEdited = EditProfile([&](Profile& p) {
        std::memcpy(p.iDpi, defaults.iDpi, sizeof p.iDpi);
        std::memcpy(p.iDpi2, defaults.iDpi2, sizeof p.iDpi2);
        std::memcpy(p.iDpiEnable, defaults.iDpiEnable, sizeof p.iDpiEnable);
        std::memcpy(p.dwDpiColor, defaults.dwDpiColor, sizeof p.dwDpiColor);
        p.iCurDpi = defaults.iCurDpi;
    });
    if (!bEdited) return;
    RefreshControls();
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnLightMode(TNotifyUI& msg) {
    const int iMode = static_cast<int>(msg.wParam);
    if (!EditProfile([&](Profile& p) { p.iLightMode = iMode; })) return;
    ShowLightRows();
    this->SetPageTimer(TIMER_APPLY, Timing().uLightApplyDelayMs);
}

template <class R>
void CSettingsPageT<R>::OnDeferredSlider(TNotifyUI& msg) {
    auto* pSlider = ControlAs<CSliderUI>(msg.pSender);
    if (pSlider == nullptr) return;
    const int iValue = pSlider->GetValue();
    const bool bEdited = EditProfile([&](Profile& p) {
        if (pSlider == m_ui.pBrightness) p.iBrightness = iValue;
        else if (pSlider == m_ui.pBreathSpeed) p.iBreathSpeed = iValue;
        else if (pSlider == m_ui.pSleep) p.iSleep = iValue;
        else if (pSlider == m_ui.pLightOff) p.iLightOff = iValue;
        else if (pSlider == m_ui.pDebounce) p.iDebounce = iValue;
    });
    if (!bEdited) return;
    if (pSlider == m_ui.pSleep) UpdateSleepLabel();
    if (pSlider == m_ui.pLightOff) UpdateLightOffLabel();
    if (pSlider == m_ui.pDebounce) UpdateDebounceLabel();
    // The light-off time applies soon on every model that has it, the sleep timer on a few.
    const bool bSoon = pSlider == m_ui.pLightOff || (m_model.bSleepAppliesSoon && pSlider == m_ui.pSleep);
    this->SetPageTimer(TIMER_APPLY, bSoon ? Timing().uSoonSliderApplyDelayMs : Timing().uSliderApplyDelayMs);
}

template <class R>
void CSettingsPageT<R>::OnRate(TNotifyUI& msg, int iNumber) {
    auto* pOption = ControlAs<COptionUI>(msg.pSender);
    if (pOption == nullptr || !pOption->IsSelected()) return;
    if (!EditProfile([&](Profile& p) { p.iRate = iNumber - 1; })) return;
    ShowRateLabel(iNumber - 1);
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnRateHs(TNotifyUI& msg, int iNumber) {
    auto* pOption = ControlAs<COptionUI>(msg.pSender);
    if (pOption == nullptr || !pOption->IsSelected()) return;
    if (EditProfile([&](Profile& p) { p.iRateHs = iNumber - 1; })) this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnSensorOption(TNotifyUI& msg) {
    auto* pOption = ControlAs<COptionUI>(msg.pSender);
    if (pOption == nullptr || !pOption->IsSelected()) return;
    for (int o = 0; o < kSensorOptionCount; ++o) {
        const int j = IndexOf(m_ui.sensorOptions[o], pOption);
        if (j < 0) continue;
        const bool bEdited = EditProfile([&](Profile& p) {
            int32_t* pFields[kSensorOptionCount] = {&p.iLiftOff, &p.iRipple, &p.iAngleSnap, &p.iMotionSync};
            *pFields[o] = j;
        });
        if (bEdited) this->PostApply();
        return;
    }
}

template <class R>
void CSettingsPageT<R>::OnSensorMode(TNotifyUI& msg, int iNumber) {
    auto* pOption = ControlAs<COptionUI>(msg.pSender);
    if (pOption == nullptr || !pOption->IsSelected() || iNumber > m_set.iSensorModeCount) return;
    if (!EditProfile([&](Profile& p) { p.iSensorMode = iNumber - 1; })) return;
    UpdateHsRateOptions();
    this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnMoveMode(TNotifyUI& msg) {
    auto* pCheck = ControlAs<CCheckBoxUI>(msg.pSender);
    if (pCheck == nullptr) return;
    const int iMoveMode = pCheck->GetCheck() ? 1 : 0;
    if (EditProfile([&](Profile& p) { p.iMoveMode = iMoveMode; })) this->PostApply();
}

template <class R>
void CSettingsPageT<R>::OnSectionCheck(TNotifyUI& msg) {
    for (int s = 0; s < kPageSectionCount; ++s) {
        const PageSectionControls& section = m_ui.sections[static_cast<size_t>(s)];
        if (section.pCheck == nullptr || section.pCheck != msg.pSender) continue;
        const bool bOpen = section.pCheck->GetCheck();
        ShowSectionBody(static_cast<PageSection>(s));
        // The sections at the foot of the settings column come into view as they open.
        if (bOpen && s >= static_cast<int>(PageSection::MouseAttribute)) this->SetPageTimer(TIMER_SETTINGS_SCROLL, 10);
        return;
    }
}

template class CSettingsPageT<Gen1Records>;
template class CSettingsPageT<Gen2Records>;
