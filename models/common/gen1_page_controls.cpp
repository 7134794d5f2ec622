// The setting controls of the first-generation page: what each control's notification writes
// into the current profile, what it shows, and when the change goes to the mouse (gen1_page.h).
// A sender that is none of the page's controls finds no route and is ignored.
#include "gen1_page.h"

#include "device_timing.h"
#include "dialogs/dpi_color_wnd.h"
#include "dialogs/rich_edit_filter.h"

#include <shellapi.h>

#include <cstring>
#include <string>

using namespace DuiLib;

namespace {

constexpr const wchar_t* kEditImage = L"skins/richedit_1.png";
constexpr const wchar_t* kEditImageCurrent = L"skins/richedit_2.png";

// The DPI reset: the same DPI on every model (400, 800, 1200, 1600, 3200, 5000; two stages off),
// stage colours red, green, blue, magenta, yellow, white, orange, white.
struct ResetStage {
    int iDpi;
    int32_t iEnable;
    uint8_t rgb[3];
};
constexpr ResetStage kResetStages[kDpiStageCount] = {
    {400, 1, {255, 0, 0}},    {800, 1, {0, 255, 0}},     {1200, 1, {0, 0, 255}}, {1600, 1, {255, 0, 255}},
    {3200, 1, {255, 255, 0}}, {5000, 1, {255, 255, 255}}, {0, 0, {255, 64, 0}},   {0, 0, {255, 255, 255}},
};
constexpr int32_t kResetCurrentStage = 1;

// The DPI edits show their stage's frame in the current stage's colours.
void SetEditImages(CRichEditUI* pEdit, const wchar_t* pszNormal, const wchar_t* pszHotAndFocused) {
    pEdit->SetNormalImage(pszNormal);
    pEdit->SetHotImage(pszHotAndFocused);
    pEdit->SetFocusedImage(pszHotAndFocused);
    pEdit->Invalidate();
}

bool IsOn(TNotifyUI& msg) {
    auto* pOption = ControlAs<COptionUI>(msg.pSender);
    return pOption != nullptr && pOption->IsSelected();
}

}  // namespace

int32_t CGen1Page::StageValueOfText(const Gen1Model& model, std::wstring_view strText) {
    // Saturates well above every model's range, so any longer run of digits means the largest.
    constexpr int kSaturated = 1'000'000;
    int iDpi = 0;
    for (wchar_t ch : strText) {
        if (ch < L'0' || ch > L'9') break;
        iDpi = iDpi * 10 + (ch - L'0');
        if (iDpi > kSaturated) iDpi = kSaturated;
    }
    return ValueOfDpi(model, iDpi);
}

void CGen1Page::RequestDeferredApply(unsigned uDelayMs) {
    // One timer for every deferred change: each change starts the wait again.
    KillPageTimer(TIMER_APPLY);
    SetPageTimer(TIMER_APPLY, uDelayMs);
}

void CGen1Page::AddControlRoutes() {
    using P = CGen1Page;
    AddRoutes<P>(DUI_MSGTYPE_CLICK, L"btn_key_%d", 1, kButtonCount, &P::OnKeyButtonClicked);
    AddRoutes<P>(DUI_MSGTYPE_CLICK, L"btn_dpi_color_%d", 1, kDpiStageCount, &P::OnDpiColorClicked);
    AddRoutes<P>(DUI_MSGTYPE_CLICK, {{L"btn_macro", &P::OnMacroButtonClicked},
                                     {L"btn_reset_dpi", &P::OnResetDpiClicked},
                                     {L"btn_apply_dpi", &P::OnApplyClicked},
                                     {L"apply_btn", &P::OnApplyClicked},
                                     {L"btn_light_color", &P::OnLightColorClicked},
                                     {L"btn_mouse_attribute", &P::OnMouseAttributeClicked},
                                     {L"profile_add_btn", &P::OnAddProfileClicked},
                                     {L"profile_delete_btn", &P::OnDeleteProfileClicked},
                                     {L"profile_rename_btn", &P::OnRenameProfileClicked},
                                     {L"profile_import_btn", &P::OnImportProfileClicked},
                                     {L"profile_export_btn", &P::OnExportProfileClicked},
                                     {L"profile_reset_btn", &P::OnResetProfileClicked},
                                     {L"btn_reset", &P::OnResetProfileClicked}});
    AddRoutes<P>(DUI_MSGTYPE_SELECTCHANGED, L"option_dpi_step_%d", 1, kDpiStageCount, &P::OnDpiStageSelected);
    AddRoutes<P>(DUI_MSGTYPE_SELECTCHANGED, L"btn_prate_%d", 1, kGen1RateOptionCount, &P::OnRateSelected);
    const wchar_t* const kSensorPatterns[kGen1SensorOptionCount] = {
        L"option_lift_of_distance_%d", L"option_ripple_control_%d", L"option_angle_snap_%d", L"option_motion_sync_%d"};
    for (int o = 0; o < kGen1SensorOptionCount; ++o)
        for (int k = 1; k <= 2; ++k) {
            const auto eOption = static_cast<Gen1SensorOption>(o);
            AddRouteFn(DUI_MSGTYPE_SELECTCHANGED, NumberedSuffix(kSensorPatterns[o], k).c_str(),
                       [this, eOption, k](TNotifyUI& msg) { OnSensorOptionSelected(msg, eOption, k); });
        }
    AddRoute<P>(DUI_MSGTYPE_ITEMSELECT, L"combo_light", &P::OnLightModeSelected);
    AddRoute<P>(DUI_MSGTYPE_ITEMSELECT, L"list_profile", &P::OnProfileSelected);
    AddRoutes<P>(DUI_MSGTYPE_CHECKCLICK, L"check_dpi_step_%d", 1, kDpiStageCount, &P::OnDpiStageChecked);
    AddRoute<P>(DUI_MSGTYPE_CHECKCLICK, L"check_movemode", &P::OnMoveModeClicked);
    for (int s = 0; s < kGen1SectionCount; ++s) {
        const auto eSection = static_cast<Gen1Section>(s);
        if (m_ui.sections[s].pCheck == nullptr) continue;
        const std::wstring strName = m_ui.sections[s].pCheck->GetName().str();
        AddRouteFn(DUI_MSGTYPE_CHECKCLICK, strName.substr(Prefix().size()).c_str(),
                   [this, eSection](TNotifyUI& msg) { OnSectionClicked(msg, eSection); });
    }
    AddRoutes<P>(DUI_MSGTYPE_TEXTCHANGED, L"edit_dpi_%d", 1, kDpiStageCount, &P::OnDpiEditText);
    AddRoutes<P>(DUI_MSGTYPE_KILLFOCUS, L"edit_dpi_%d", 1, kDpiStageCount, &P::OnDpiEditKillFocus);
    AddRoutes<P>(DUI_MSGTYPE_RETURN, L"edit_dpi_%d", 1, kDpiStageCount, &P::OnDpiEditReturn);
    AddRoutes<P>(DUI_MSGTYPE_SETFOCUS, L"edit_dpi_%d", 1, kDpiStageCount, &P::OnDpiEditSetFocus);
    AddRoutes<P>(DUI_MSGTYPE_VALUECHANGED, L"slider_dpi_%d", 1, kDpiStageCount, &P::OnDpiSliderChanged);
    AddRoutes<P>(DUI_MSGTYPE_VALUECHANGED, {{L"slider_brightness", &P::OnSliderChanged},
                                            {L"slider_breathspeed", &P::OnSliderChanged},
                                            {L"slider_sleep_timer", &P::OnSliderChanged},
                                            {L"slider_key_debounce", &P::OnSliderChanged}});
}

// ---- Buttons (the button-function menu's hooks) ----

void CGen1Page::OnKeyButtonClicked(TNotifyUI&, int iNumber) { OnKeyButtonClick(iNumber - 1); }

void CGen1Page::OnMacroButtonClicked(TNotifyUI&) { OnMacroButtonClick(); }

// ---- DPI stages ----

void CGen1Page::OnDpiSliderChanged(TNotifyUI&, int iNumber) {
    const int i = iNumber - 1;
    if (m_ui.dpiSliders[i] == nullptr) return;
    const int32_t iValue = m_ui.dpiSliders[i]->GetValue();
    if (!EditCurrent([&](ProfileRecord& p) { p.iDpi[i] = iValue; })) return;
    // Goes out with the next apply.
    const std::wstring strDpi = std::to_wstring(DpiOfValue(m_model, iValue));
    if (m_ui.dpiLabels[i] != nullptr) m_ui.dpiLabels[i]->SetText(strDpi.c_str());
    if (m_ui.dpiEdits[i] != nullptr) m_ui.dpiEdits[i]->SetText(strDpi.c_str());
}

void CGen1Page::OnDpiEditText(TNotifyUI& msg, int) {
    if (auto* pEdit = ControlAs<CRichEditUI>(msg.pSender)) FilterDigits(pEdit, pEdit->GetText());
}

void CGen1Page::CommitDpiEdit(int i) {
    CRichEditUI* pEdit = m_ui.dpiEdits[i];
    if (pEdit == nullptr) return;
    const int32_t iValue = StageValueOfText(m_model, pEdit->GetText().str());
    if (!EditCurrent([&](ProfileRecord& p) { p.iDpi[i] = iValue; })) return;
    // Goes out with the next apply; the label keeps what it showed.
    if (m_ui.dpiSliders[i] != nullptr) m_ui.dpiSliders[i]->SetValue(iValue);
    pEdit->SetText(std::to_wstring(DpiOfValue(m_model, iValue)).c_str());
}

void CGen1Page::OnDpiEditKillFocus(TNotifyUI&, int iNumber) {
    const int i = iNumber - 1;
    CommitDpiEdit(i);
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    if (current && m_ui.dpiEdits[i] != nullptr)
        SetEditImages(m_ui.dpiEdits[i], current->iCurDpi == i ? kEditImageCurrent : kEditImage, kEditImageCurrent);
}

void CGen1Page::OnDpiEditReturn(TNotifyUI&, int iNumber) { CommitDpiEdit(iNumber - 1); }

void CGen1Page::OnDpiEditSetFocus(TNotifyUI&, int iNumber) {
    const int i = iNumber - 1;
    CRichEditUI* pEdit = m_ui.dpiEdits[i];
    if (pEdit == nullptr) return;
    if (m_ui.dpiChecks[i] == nullptr || !m_ui.dpiChecks[i]->GetCheck()) {
        // A stage that is off cannot be the current one.
        SetEditImages(pEdit, kEditImage, kEditImage);
        return;
    }
    SetEditImages(pEdit, kEditImageCurrent, kEditImageCurrent);
    bool bChanged = false;
    EditCurrent([&](ProfileRecord& p) {
        bChanged = p.iCurDpi != i;
        p.iCurDpi = i;
    });
    if (!bChanged) return;
    if (m_ui.dpiOptions[i] != nullptr) m_ui.dpiOptions[i]->Selected(true, false);
    HighlightDpiEdit(i);
    RequestApply();
}

void CGen1Page::OnDpiStageSelected(TNotifyUI& msg, int iNumber) {
    if (!IsOn(msg)) return;
    const int i = iNumber - 1;
    if (EditCurrent([&](ProfileRecord& p) { p.iCurDpi = i; })) {
        HighlightDpiEdit(i);
        RequestApply();
    }
}

void CGen1Page::OnDpiStageChecked(TNotifyUI& msg, int iNumber) {
    const int i = iNumber - 1;
    auto* pCheck = ControlAs<CCheckBoxUI>(msg.pSender);
    if (pCheck == nullptr) return;
    const bool bOn = pCheck->GetCheck();
    bool bRefused = false;
    const bool bEdited = EditCurrent([&](ProfileRecord& p) {
        // The current stage stays on.
        bRefused = p.iCurDpi == i;
        if (!bRefused) p.iDpiEnable[i] = bOn ? 1 : 0;
    });
    if (!bEdited) return;
    if (bRefused) {
        pCheck->SetCheck(true);
        return;
    }
    RequestApply();
}

void CGen1Page::OnResetDpiClicked(TNotifyUI&) {
    const bool bEdited = EditCurrent([&](ProfileRecord& p) {
        for (int i = 0; i < kDpiStageCount; ++i) {
            const ResetStage& stage = kResetStages[i];
            const int32_t iValue = stage.iDpi != 0 ? ValueOfDpi(m_model, stage.iDpi) : 0;
            p.iDpi[i] = iValue;
            p.iDpi2[i] = iValue;
            p.iDpiEnable[i] = stage.iEnable;
            p.dwDpiColor[i] = uint32_t{stage.rgb[0]} | uint32_t{stage.rgb[1]} << 8 | uint32_t{stage.rgb[2]} << 16;
        }
        p.iCurDpi = kResetCurrentStage;
    });
    if (!bEdited) return;
    RefreshControls();
    RequestApply();
}

// ---- Colours ----

void CGen1Page::PickColor(CButtonUI* pButton, const std::function<uint8_t*(ProfileRecord&)>& field) {
    const std::optional<ProfileRecord> current = CurrentSnapshot();
    if (!current || pButton == nullptr) return;
    ProfileRecord copy = *current;
    uint8_t rgb[3];
    std::memcpy(rgb, field(copy), sizeof rgb);
    if (RunModal([&] { return RunDpiColorWnd(m_hMainWnd, pButton, rgb); }) != true) return;
    if (!EditCurrent([&](ProfileRecord& p) { std::memcpy(field(p), rgb, sizeof rgb); })) return;
    pButton->SetBkColor(DpiColorFromRgb(rgb[0], rgb[1], rgb[2]));
    RequestApply();
}

void CGen1Page::OnDpiColorClicked(TNotifyUI&, int iNumber) {
    const int i = iNumber - 1;
    PickColor(m_ui.dpiColors[i], [i](ProfileRecord& p) { return reinterpret_cast<uint8_t*>(&p.dwDpiColor[i]); });
}

void CGen1Page::OnLightColorClicked(TNotifyUI&) {
    PickColor(m_ui.pLightColor, [](ProfileRecord& p) { return reinterpret_cast<uint8_t*>(&p.dwLightColor); });
}

// ---- Polling rate, sensor options, move mode ----

void CGen1Page::OnRateSelected(TNotifyUI& msg, int iNumber) {
    if (!IsOn(msg)) return;
    const int32_t iRate = iNumber - 1;
    if (!EditCurrent([&](ProfileRecord& p) { p.iRate = iRate; })) return;
    ShowRateLabel(iRate);
    RequestApply();
}

void CGen1Page::OnSensorOptionSelected(TNotifyUI& msg, Gen1SensorOption eOption, int iNumber) {
    if (!IsOn(msg)) return;
    const int32_t iValue = iNumber - 1;
    const bool bEdited = EditCurrent([&](ProfileRecord& p) {
        switch (eOption) {
            case Gen1SensorOption::LiftOff: p.iLiftOff = iValue; break;
            case Gen1SensorOption::Ripple: p.iRipple = iValue; break;
            case Gen1SensorOption::AngleSnap: p.iAngleSnap = iValue; break;
            case Gen1SensorOption::MotionSync:
            case Gen1SensorOption::Count: p.iMotionSync = iValue; break;
        }
    });
    if (bEdited) RequestApply();
}

void CGen1Page::OnMoveModeClicked(TNotifyUI& msg) {
    auto* pCheck = ControlAs<CCheckBoxUI>(msg.pSender);
    if (pCheck == nullptr) return;
    const int32_t iMode = pCheck->GetCheck() ? 1 : 0;
    if (EditCurrent([&](ProfileRecord& p) { p.iMoveMode = iMode; })) RequestApply();
}

// ---- Lighting, sleep and debounce ----

void CGen1Page::OnLightModeSelected(TNotifyUI& msg) {
    const auto iMode = static_cast<int32_t>(msg.wParam);
    if (!EditCurrent([&](ProfileRecord& p) { p.iLightMode = iMode; })) return;
    ShowLightRows();
    RequestDeferredApply(Timing().uLightApplyDelayMs);
}

void CGen1Page::OnSliderChanged(TNotifyUI& msg) {
    auto* pSlider = ControlAs<CSliderUI>(msg.pSender);
    if (pSlider == nullptr) return;
    const int32_t iValue = pSlider->GetValue();
    const bool bEdited = EditCurrent([&](ProfileRecord& p) {
        if (pSlider == m_ui.pBrightness) p.iBrightness = iValue;
        else if (pSlider == m_ui.pBreathSpeed) p.iBreathSpeed = iValue;
        else if (pSlider == m_ui.pSleep) p.iSleep = iValue;
        else if (pSlider == m_ui.pDebounce) p.iDebounce = iValue;
    });
    if (!bEdited) return;
    if (pSlider == m_ui.pSleep) UpdateSleepLabel();
    if (pSlider == m_ui.pDebounce) UpdateDebounceLabel();
    RequestDeferredApply(Timing().uSliderApplyDelayMs);
}

// ---- Other buttons ----

void CGen1Page::OnMouseAttributeClicked(TNotifyUI&) {
    ::ShellExecuteW(nullptr, nullptr, L"main.cpl", nullptr, nullptr, SW_SHOW);
}

void CGen1Page::OnApplyClicked(TNotifyUI&) { RequestApply(); }

void CGen1Page::OnSectionClicked(TNotifyUI&, Gen1Section eSection) {
    ShowSectionBody(eSection);
    // Sections that open near the end of the settings column bring it into view.
    const bool bScrolls = eSection >= Gen1Section::MouseAttribute;
    const Gen1SectionControls& section = m_ui.Section(eSection);
    if (bScrolls && section.pCheck != nullptr && section.pCheck->GetCheck()) SetPageTimer(TIMER_SETTINGS_SCROLL, 10);
}
