// The settings page of the first-generation models (MS_10 and MS_1 to MS_7 and MS_9), one class
// for all of them, parameterised by the model's description (Gen1Model). What the generations
// share it takes from its bases: the send routine and the apply worker (CApplyPage), the cabled
// mouse, the battery display and the Bluetooth LE link (CDevicePage), the profiles and the copy last sent
// (CProfilePageT), the settings controls, their handlers and the profile operations
// (CSettingsPageT). Its own are the first generation's frames, its event handlers,
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

    // ---- What the core calls (UI thread) ----
    // With a link up on which the model shows them (LinkControlsOn), the controls that need the
    // mouse are shown; without one nothing is hidden. The rates the links allow are fitted first.
    void UpdateLinkControls() override;

    bool Sleeping() const { return m_bSleeping.load() != 0; }  // any thread

protected:
    // ---- Settings UI (gen1_page_ui.cpp) ----
    // The label shown while the mouse sleeps.
    void AddOwnControls(SettingsControlSet& set) const override;
    // "ms_N_label_prate" names the chosen rate, on the models that have the label.
    void ShowRateLabel(int iRate) override;

    // ---- The set-up and the macro editor (gen1_page.cpp, gen1_page_keys.cpp) ----
    // Without the cabled mouse the mouse counts as asleep until a battery report shows it awake.
    void NoCableAtStart() override;
    bool EditMacros() override;

    // ---- The apply ----
    bool ApplyGateOpen() const override { return !Sleeping(); }
    // The key frame; one macro frame for a button whose function is the macro.
    FrameBytes KeyFrame(const ProfileRecord& snapshot) const override;
    void AppendMacroFrames(std::vector<FrameBytes>& frames, int k, const KeyEntry& entry) const override;

    // ---- Device events (UI thread; gen1_page_events.cpp) ----
    // The first generation's handlers of the page's event table: the 4K receiver reports the rate
    // and light mode its own way, Bluetooth LE the rate as the cable does.
    void CableOpened() override;
    void CableClosed() override;
    void OnRateReported(int iRateCode);
    // Models with a 4K rate of their own report option numbers (MS_6): the 4K receiver's in the
    // high nibble (iRateHs), the other links' in the low one (iRate).
    void OnRateNibbleReported(int iValue, bool b4k);
    // Event 0x70 as the link carries it (the mode itself or in the high nibble); a mode out of range
    // is ignored.
    void OnLightModeEvent(int iValue, bool b4k);
    void OnRateEvent(EventRoad eRoad, int iValue) override;
    void OnLightEvent(EventRoad eRoad, int iValue) override;
    // Event 0x60 (1..10): the battery level on the models that say so, nothing shown.
    void OnSixtyEvent(EventRoad eRoad, int iValue) override;
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
};
