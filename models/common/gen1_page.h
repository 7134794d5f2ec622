// The settings page of the first-generation models (MS_10, MS_1, MS_2, MS_3, MS_4, MS_5 so far),
// one class for all of them, parameterised by the model's description (Gen1Model). What the
// generations share it takes from its bases: the send routine and the apply worker (CApplyPage),
// the cabled mouse and the battery display (CDevicePage), the profiles and the copy last sent
// (CProfilePageT). Its own are the first generation's frames, its event table and battery steps,
// and the sleeping mouse: a mouse not heard from since the set-up or since the cable left takes
// no apply until a battery report shows it awake.
//
// The settings controls are kept in gen1_page_ui.cpp (binding, refresh, display),
// gen1_page_controls.cpp (the setting controls' handlers), gen1_page_profiles.cpp (profile
// management) and gen1_page_keys.cpp (the button functions). How a change reaches the mouse:
//   - at once (an apply request): DPI stage, stage on/off, DPI reset, colours, polling rate,
//     sensor options, move mode, the apply buttons, and every profile operation but rename;
//   - deferred (one page timer, restarted by every such change): the light mode after
//     Timing().uLightApplyDelayMs, the brightness, breathing-speed, sleep and debounce sliders
//     after Timing().uSliderApplyDelayMs;
//   - with the next apply: a DPI slider moved or a DPI typed.
// The page saves pro.data after every profile operation, and once more when it shuts down
// after its worker, so nothing made while the mouse sleeps or is away is lost on exit.
#pragma once

#include "gen1_model.h"
#include "gen1_page_controls.h"
#include "gen1_records.h"
#include "gen1_storage.h"
#include "profile_page.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CGen1Page : public CProfilePageT<Gen1Records> {
public:
    // strDataFolder: the folder that holds the model's folder of data files (default: the
    // program's "Data" folder).
    explicit CGen1Page(int iModel, const std::wstring& strDataFolder = {});

    const Gen1Model& Description() const { return m_model; }

    // ---- What the core calls (UI thread) ----
    // Binds the controls (settings UI), starts the worker, loads the driver library and opens
    // the cabled mouse, then announces the page's links.
    void InitPage() override;
    // Loads pro.data and macro.data; the current profile becomes the copy last sent and the next
    // apply sends everything. Posts no apply.
    void LoadData() override;
    // Every control shows the current profile.
    void RefreshControls() override;
    // With a link up on which the model shows them (LinkControlsOn), the controls that need the
    // mouse are shown; without one nothing is hidden. The rates the links allow are fitted first.
    void UpdateLinkControls() override;
    // The worker first, then the profiles are saved once more.
    void Shutdown() override;

    // The page's timers, for the models whose main window hands them over: the shared timer
    // routine of the page runtime.
    void HandleTimer(UINT_PTR uId) override;

    bool Sleeping() const { return m_bSleeping.load() != 0; }  // any thread

    // The control names the page looked up at set-up and its skin lacks (empty when the skin
    // holds every control the page uses).
    const std::vector<std::wstring>& MissingControls() const { return m_missingControls; }

    // ---- Button functions (gen1_page_keys.cpp, UI thread) ----
    // A menu item of this page was chosen: the button whose menu it was takes its function.
    void OnKeyMenuClick(DuiLib::CDuiString strName) override;
    // The DPI stage value a typed text stands for: its leading digits read with saturation (a
    // long run of digits is the largest DPI, never a wrapped number), clamped to the model's
    // range; no digits is the smallest DPI.
    static int32_t StageValueOfText(const Gen1Model& model, std::wstring_view strText);

protected:
    // ---- Settings UI (gen1_page_ui.cpp) ----
    virtual void InitControls();     // binds the page's controls (InitPage step 1)
    virtual void FillProfileList();  // one row per profile, the current one selected
    void HighlightDpiEdit(int iLevel) override;
    void UpdateSleepLabel();
    void UpdateDebounceLabel();
    // The light rows the current light mode uses.
    void ShowLightRows();

    // ---- Button functions (gen1_page_keys.cpp) ----
    // A button-function button was clicked (iButton 0..17 for buttons 1..18).
    virtual void OnKeyButtonClick(int iButton);
    // The macro button was clicked.
    virtual void OnMacroButtonClick();
    // Button iButton (0..17) shows the function the current profile gives it (RefreshControls
    // calls it for every button).
    virtual void UpdateKeyText(int iButton);

    // ---- The current profile (UI thread) ----
    // Runs `edit` on the current profile under the page's lock; false without one.
    bool EditCurrent(const std::function<void(ProfileRecord&)>& edit);
    std::optional<ProfileRecord> CurrentSnapshot() const;
    // The apply requests of the setting controls.
    void RequestApply() { PostApply(); }
    void RequestDeferredApply(unsigned uDelayMs);

    // ---- The apply ----
    bool ApplyGateOpen() const override { return !Sleeping(); }
    std::vector<FrameBytes> FramesFor(const ProfileRecord& snapshot, const ChangeFlags& changes) override;

    // ---- Device events (UI thread) ----
    // The cable's and the 2.4 GHz receiver's event words, and the 4K receiver's: the same but
    // for the battery report, which keeps the 4K link alive instead.
    void OnDeviceEvent(int iEventWord, int iValue) override;
    void OnDeviceEvent4k(int iEventWord, int iValue) override;
    void OnEvent(int iEventWord, int iValue, LinkKind eReceiver);
    void CableOpened() override;
    void CableClosed() override;
    void OnRateReported(int iRateCode);
    void OnBatteryReported(int iStatus, int iLevel, LinkKind eReceiver);
    // The shared dispatch's steps; this page reads its event words itself (OnEvent).
    void OnRateEvent(EventRoad eRoad, int iValue) override;
    void OnBatteryEvent(EventRoad eRoad, int iValue) override;
    void OnLightEvent(EventRoad eRoad, int iValue) override;
    void OnLightModeReported(int iMode);
    void SetSleeping(bool bSleeping);

    // ---- Link-dependent settings (used by UpdateLinkControls) ----
    // Whether the links up now show the link-dependent settings.
    bool LinkControlsShown() const;
    // Rate options the links up now allow (the model's slower links take fewer rates); a rate
    // above them becomes the highest allowed in the current profile, which the next apply sends.
    // Returns the count.
    int FitRateToLinks();
    // The rate options the links allow are shown, the others hidden, and the current rate's
    // option selected without a notification (models whose rates differ between links only).
    void ShowRatesForLinks();

    std::atomic<int> m_bSleeping{1};

    // The settings controls (UI thread), bound by InitControls.
    Gen1PageControls m_ui;
    std::vector<std::wstring> m_missingControls;

private:
    void BindControls();
    void AddControlRoutes();
    void FillLightCombo();
    void ShowSectionBody(Gen1Section eSection);
    void ShowStage(const ProfileRecord& p, int iStage);
    void ShowRateLabel(int32_t iRate);

    // Setting controls (gen1_page_controls.cpp).
    void OnKeyButtonClicked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnMacroButtonClicked(DuiLib::TNotifyUI& msg);
    void OnDpiSliderChanged(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditText(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditKillFocus(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditReturn(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiEditSetFocus(DuiLib::TNotifyUI& msg, int iNumber);
    void CommitDpiEdit(int iStage);
    void OnDpiStageSelected(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiStageChecked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnDpiColorClicked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnResetDpiClicked(DuiLib::TNotifyUI& msg);
    void OnLightColorClicked(DuiLib::TNotifyUI& msg);
    void OnRateSelected(DuiLib::TNotifyUI& msg, int iNumber);
    void OnSensorOptionSelected(DuiLib::TNotifyUI& msg, Gen1SensorOption eOption, int iNumber);
    void OnMoveModeClicked(DuiLib::TNotifyUI& msg);
    void OnLightModeSelected(DuiLib::TNotifyUI& msg);
    void OnSliderChanged(DuiLib::TNotifyUI& msg);
    void OnMouseAttributeClicked(DuiLib::TNotifyUI& msg);
    void OnApplyClicked(DuiLib::TNotifyUI& msg);
    void OnSectionClicked(DuiLib::TNotifyUI& msg, Gen1Section eSection);
    // The colour picker below `pButton` for the three stored bytes at pRgb (a copy is edited);
    // on OK `store` writes them under the lock and the button shows the colour.
    void PickColor(DuiLib::CButtonUI* pButton, const std::function<uint8_t*(ProfileRecord&)>& field);

    // Profile management (gen1_page_profiles.cpp).
    void OnProfileSelected(DuiLib::TNotifyUI& msg);
    void OnAddProfileClicked(DuiLib::TNotifyUI& msg);
    void OnDeleteProfileClicked(DuiLib::TNotifyUI& msg);
    void OnRenameProfileClicked(DuiLib::TNotifyUI& msg);
    void OnResetProfileClicked(DuiLib::TNotifyUI& msg);
    void OnExportProfileClicked(DuiLib::TNotifyUI& msg);
    void OnImportProfileClicked(DuiLib::TNotifyUI& msg);
    std::optional<std::wstring> AskProfileName(const wchar_t* pszTitleId);
    // Makes row iIndex the current profile: the list row selected without a notification, the
    // controls refreshed, everything sent with the apply it requests, pro.data saved.
    void SwitchToProfile(int iIndex);
    void AddProfileRow(const wchar_t* pszName);

    // Button functions (gen1_page_keys.cpp).
    std::wstring KeyMenuSkin() const;
};
