// The settings half of a model page, for either generation (Records: Gen1Records, Gen2Records):
// the page's controls bound by name, the full refresh from the current profile, the handlers of
// the setting controls and the profile operations. Both generations keep the same profile fields
// under the same names and the same controls under the same suffixes, so one implementation
// serves them; what differs is the generation's (UpdateLinkControls, the debounce factor, the
// button captions).
//
// When a change goes to the mouse:
//   - at once (WM_PAGE_APPLY): DPI stage option, a focused DPI edit whose stage becomes current,
//     DPI enable checks, colours, DPI reset, polling rates, sensor options and modes, move mode, the apply
//     buttons, and every profile switch, add, delete, import and reset (those send everything);
//   - 200 ms after the last light-mode choice, 500 ms after the last light-off slider move (and
//     sleep slider move on the models that say so), 2000 ms after the last brightness,
//     breathing-speed, sleep or debounce slider move (one deferred apply, restarted by every
//     further change);
//   - with the next apply: DPI sliders and DPI edit commits.
// Rename saves pro.data at once and sends nothing; export writes its own file only.
//
// Threads: everything here runs on the UI thread; every read and write of a profile or the lists
// goes through the page's profile store, under its lock.
#pragma once

#include "models/pages/profile_page.h"
#include "models/pages/settings_controls.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

template <class Records>
class CSettingsPageT : public CProfilePageT<Records> {
public:
    using Base = CProfilePageT<Records>;
    using Profile = typename Records::Profile;
    using Model = typename Records::Model;

    // The page of model iModel (a number that names none of the generation's models gets its
    // fallback model's description, Records::kFallbackModel). strDataFolder: the folder that
    // holds the model's folder of data files (default: the program's "Data" folder).
    explicit CSettingsPageT(int iModel, const std::wstring& strDataFolder = {});

    // ---- What the core calls (UI thread) ----
    // Binds the controls (the description's, AddOwnControls) and routes the key buttons, starts
    // the worker, loads the driver library and opens the cabled mouse, looks for the paired
    // Bluetooth mouse, then announces the page's links.
    void InitPage() override;
    // Loads pro.data and macro.data; the current profile becomes the copy last sent and the next
    // apply sends everything; the Bluetooth link comes up when the set-up found the mouse paired
    // (else goes down, which also ends the charging animation). Posts no apply.
    void LoadData() override;
    // A menu item of this page was chosen: the button whose menu it was takes its function.
    void OnKeyMenuClick(DuiLib::CDuiString strName) override;

    // Every control from the current profile (after the link controls). UI thread.
    void RefreshControls() override;

    // The control names the page looked up at set-up and its skin lacks (empty when the skin
    // holds every control the page uses).
    const std::vector<std::wstring>& MissingControls() const { return m_missingControls; }
    int CurrentProfileIndex() const;

protected:
    // ---- The generation's hooks ----
    // The generation's own part of the control set, on top of what every model's description
    // gives (InitPage binds the set).
    virtual void AddOwnControls(SettingsControlSet& set) const = 0;
    // The set-up found no cabled mouse.
    virtual void NoCableAtStart() = 0;
    // Runs the generation's macro editor (RunMacroEditor); its result.
    virtual bool EditMacros() = 0;

    // ---- Button functions (UI thread) ----
    // A key button was clicked (iButton 0..17 for buttons 1..18): its menu opens (skin
    // "MS/MS_N/ms_N_menu.xml").
    virtual void OnKeyButtonClick(int iButton);
    // The macro button was clicked: the macro editor, after which every button shows its function
    // and the change is applied.
    virtual void OnMacroButtonClick();

    // Binds the controls and routes their notifications (InitPage step 1).
    void BindSettings(const SettingsControlSet& set);
    // One row per profile, the current one selected without a notification (LoadData).
    void FillProfileList();

    // ---- Display routines ----
    void HighlightDpiEdit(int iLevel) override;
    void ShowLightRows();
    void UpdateSleepLabel();
    void UpdateLightOffLabel();
    void UpdateDebounceLabel();
    // pLabel shows the current profile's field as `text` words it; nothing without the label or a
    // profile.
    void ShowValueLabel(DuiLib::CLabelUI* pLabel, int32_t Profile::*pField,
                        const std::function<std::wstring(int32_t)>& text);
    // Button iButton (0..17) shows the function the current profile gives it.
    virtual void UpdateKeyText(int iButton);
    // The label that names the chosen rate follows rate option iRate (0-based); the refresh and
    // the rate options call it. A page without such a label leaves it alone.
    virtual void ShowRateLabel(int iRate) { (void)iRate; }
    // The section check of the polling rate opens the panel the links allow, and the sensor
    // modes with it away from the cable.
    void ShowRatePanel(bool bOpen);
    // The sensor mode's hold on the 4K receiver's high-speed rates (models with sensor modes,
    // while the 4K link is up): the highest mode offers them all; below it only the first
    // iRateHsSensorCap, a faster chosen rate coming down to the fastest of those (its option
    // selected silently). True when the current profile's high-speed rate changed; nothing is
    // posted.
    bool UpdateHsRateOptions();
    // A section's body shows when its check is ticked (the polling rate's: ShowRatePanel).
    void ShowSectionBody(PageSection eSection);
    // A section the mouse does not have: its check and its body are hidden.
    void HideSection(PageSection eSection);
    // The polling-rate and debounce sections by link: with the cable or a receiver up the rate
    // section's check shows, unticked, its panels closed, and the debounce check shows; over
    // Bluetooth LE alone neither section is offered. Without a link, or with the links shown
    // last (a battery report keeping a receiver alive), nothing changes: a section the person
    // opened stays open.
    void ShowLinkSections();
    // A light mode the mouse reported: one without an item in the light combo is ignored; else
    // the profile takes it as the mouse's own and the combo and light rows follow silently.
    void OnLightModeReported(int iMode);

    // A field of the current profile, read under the store's lock; nothing without one.
    std::optional<int32_t> CurrentValue(int32_t Profile::*pField) const;
    // Edits the current profile under the store's lock; false without one.
    bool EditProfile(const std::function<void(Profile&)>& edit) { return this->m_store.Edit(edit); }
    // The current profile selects `iIndex` of the list (index, pointer, refresh, resend-all,
    // apply, pro.data saved); the list row is selected without a notification.
    void SwitchProfile(int iIndex);

    SettingsControls m_ui;
    SettingsControlSet m_set;  // what the page bound beyond the common controls
    std::vector<std::wstring> m_missingControls;
    int m_iLinksShown = -1;  // the links ShowLinkSections last showed, one bit each (none yet)

    using Base::m_model;
    using Base::m_store;
    using CPageBase::m_hMainWnd;
    using CPageBase::m_pPaintManager;

private:
    static const Model& DescriptionOf(int iModel);
    void AddSettingsRoutes();
    // Routes the key buttons' and the macro button's clicks.
    void AddKeyRoutes();
    void OnKeyButtonClicked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnMacroButtonClicked(DuiLib::TNotifyUI& msg);
    // The light combo offers the model's light modes (item i: mode i) unless the skin lists them.
    void FillLightCombo();

    // Setting controls.
    void OnDpiSlider(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditKillFocus(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditReturn(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditSetFocus(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiOption(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiCheck(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiColor(DuiLib::TNotifyUI& msg, int iNumber);
    void OnResetDpi(DuiLib::TNotifyUI& msg);
    void OnApply(DuiLib::TNotifyUI& msg);
    void OnMouseAttribute(DuiLib::TNotifyUI& msg);
    void OnLightColor(DuiLib::TNotifyUI& msg);
    void OnLightMode(DuiLib::TNotifyUI& msg);
    void OnRate(DuiLib::TNotifyUI& msg, int iNumber);
    void OnRateHs(DuiLib::TNotifyUI& msg, int iNumber);
    void OnSensorOption(DuiLib::TNotifyUI& msg);
    void OnSensorMode(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDeferredSlider(DuiLib::TNotifyUI& msg);
    void OnMoveMode(DuiLib::TNotifyUI& msg);
    void OnSectionCheck(DuiLib::TNotifyUI& msg);
    // The DPI edit of stage iLevel takes what was typed (the slider and the edit show it).
    void CommitDpiEdit(int iLevel);
    // The colour picker below `pButton`, opened on `dwStored` (R, G, B, 0); the new colour, or
    // nothing when the picker was not closed with OK.
    std::optional<uint32_t> PickColor(DuiLib::CButtonUI* pButton, uint32_t dwStored);

    // Profile operations (settings_page_profiles.cpp).
    void OnProfileSelected(DuiLib::TNotifyUI& msg);
    void OnAddProfile(DuiLib::TNotifyUI& msg);
    void OnDeleteProfile(DuiLib::TNotifyUI& msg);
    void OnRenameProfile(DuiLib::TNotifyUI& msg);
    void OnResetProfile(DuiLib::TNotifyUI& msg);
    void OnExportProfile(DuiLib::TNotifyUI& msg);
    void OnImportProfile(DuiLib::TNotifyUI& msg);
    // The profile-name dialog with a title; the accepted name, or nothing.
    std::optional<std::wstring> AskProfileName(const wchar_t* pszTitleId);
    // A row for a profile name at the end of the list.
    void AppendProfileRow(const std::wstring& strName);
    void SelectProfileRow(int iIndex);
};
