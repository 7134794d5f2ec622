// The settings page of the first-generation models (MS_10 and MS_1 to MS_7 and MS_9), one class
// for all of them, parameterised by the model's description (Gen1Model). What the generations
// share it takes from its bases: the send routine and the apply worker (CApplyPage), the cabled
// mouse, the battery display and the Bluetooth LE link (CDevicePage), the profiles and the copy last sent
// (CProfilePageT), the settings controls, their handlers and the profile operations
// (CSettingsPageT). Its own are the first generation's frames, its event table (device_events.h),
// the controls that follow its links (rates a slow link does not take, the sections shown on the
// links the model names), and the sleeping mouse: a mouse not heard from since the set-up or since
// the cable left takes no apply until a battery report shows it awake.
//
#pragma once

#include "models/data/gen1_model.h"
#include "models/data/gen1_records.h"
#include "models/data/gen1_storage.h"
#include "models/pages/settings_page.h"

#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class CGen1Page : public CSettingsPageT<Gen1Records> {
public:
    // strDataFolder: the folder that holds the model's folder of data files (default: the
    // program's "Data" folder).
    explicit CGen1Page(int iModel, const std::wstring& strDataFolder = {});
    // Ends the page's work before any of its parts goes.
    ~CGen1Page() override { Shutdown(); }

    const Gen1Model& Description() const { return m_model; }

    // ---- What the core calls (UI thread) ----
    // Binds the controls (settings UI), starts the worker, loads the driver library and opens
    // the cabled mouse, looks for the paired Bluetooth mouse, then announces the page's links.
    void InitPage() override;
    // Loads pro.data and macro.data; the current profile becomes the copy last sent and the next
    // apply sends everything; the Bluetooth link comes up when the mouse is paired (else goes
    // down). Posts no apply.
    void LoadData() override;
    // With a link up on which the model shows them (LinkControlsOn), the controls that need the
    // mouse are shown; without one nothing is hidden. The rates the links allow are fitted first.
    void UpdateLinkControls() override;

    bool Sleeping() const { return m_bSleeping.load() != 0; }  // any thread

    // ---- Button functions (gen1_page_keys.cpp, UI thread) ----
    // A menu item of this page was chosen: the button whose menu it was takes its function.
    void OnKeyMenuClick(DuiLib::CDuiString strName) override;

protected:
    // ---- Settings UI (gen1_page_ui.cpp) ----
    // Binds the page's controls from the model's description (InitPage step 1).
    virtual void InitControls();
    // "ms_N_label_prate" names the chosen rate, on the models that have the label.
    void ShowRateLabel(int iRate) override;

    // ---- Button functions (gen1_page_keys.cpp) ----
    // A button-function button was clicked (iButton 0..17 for buttons 1..18).
    virtual void OnKeyButtonClick(int iButton);
    // The macro button was clicked.
    virtual void OnMacroButtonClick();

    // ---- The apply ----
    bool ApplyGateOpen() const override { return !Sleeping(); }
    std::vector<FrameBytes> FramesFor(const ProfileRecord& snapshot, const ChangeFlags& changes) override;

    // ---- Device events (UI thread; gen1_page_events.cpp) ----
    // The first generation's event table: the stage, rate, battery, 0x60, light mode and save
    // over each road (the 4K receiver reports the rate and light mode its own way, Bluetooth LE
    // the rate as the cable does).
    void DispatchEvent(EventRoad eRoad, int iCode, int iValue) override;
    void CableOpened() override;
    void CableClosed() override;
    void OnRateReported(int iRateCode);
    // Models with a 4K rate of their own report option numbers (MS_6): the 4K receiver's in the
    // high nibble (iRateHs), the other links' in the low one (iRate).
    void OnRateNibbleReported(int iValue, bool b4k);
    // Event 0x70 as the link carries it (the mode itself or in the high nibble); a mode out of range
    // is ignored.
    void OnLightModeEvent(int iValue, bool b4k);
    // The table's handlers.
    void OnRateEvent(EventRoad eRoad, int iValue);
    void OnLightEvent(EventRoad eRoad, int iValue);
    // Event 0x60 (1..10): the battery level on the models that say so, nothing shown.
    void OnSixtyEvent(EventRoad eRoad, int iValue);
    // The battery (OnBatteryEvent): charging over the 2.4 GHz receiver with the cable in leaves the
    // mouse on the cable where the model says so; a mouse heard over a receiver is awake, and the
    // controls show what can be set over that receiver.
    bool ChargingYieldsToCable() const override { return m_model.bChargingOnCableDropsWireless; }
    void MouseHeardOverReceiver() override;
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
    // The sections of the models whose rate and debounce sections follow each link
    // (LinkControlsOn::EachLink): the light rows (or no light section at all), the battery on
    // any link, then the page's shared rate and debounce sections by link.
    void ShowSectionsOfEachLink();

    std::atomic<int> m_bSleeping{1};

private:
    // Routes the key buttons' and the macro button's clicks (gen1_page_keys.cpp).
    void AddKeyRoutes();
    void OnKeyButtonClicked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnMacroButtonClicked(DuiLib::TNotifyUI& msg);
    std::wstring KeyMenuSkin() const;
};
