// The settings page of the second-generation models (MS_11, MS_8, MS_12, MS_13 and the sensor
// models MS_15, MS_17, MS_21, MS_24), one class for
// all of them, parameterised by the model's description (Gen2Model). What the generations share
// it takes from its bases: the send routine and the apply worker (CApplyPage), the cabled mouse
// and the battery display (CDevicePage), the profiles and the copy last sent (CProfilePageT),
// the settings controls and the profile operations (CSettingsPageT). Its own are the second
// generation's frames (the macro block chains) and its event handlers over the cable, the two
// receivers and Bluetooth LE; the Bluetooth link of MS_11 and MS_8 is the shared component of
// CDevicePage (ble_link.cpp).
//
// Every frame of an apply ends with the frame pause, whatever became of it; a frame no link
// delivered makes the next apply send everything again (the file is saved all the same).
//
// The settings controls are the settings page's part: what both generations share in
// CSettingsPageT, the second generation's own (binding, link controls) in gen2_page_ui.cpp.
#pragma once

#include "models/data/gen2_model.h"
#include "models/data/gen2_records.h"
#include "models/data/gen2_storage.h"
#include "models/pages/settings_page.h"

#include <string>
#include <vector>

class CGen2Page : public CSettingsPageT<Gen2Records> {
public:
    using CSettingsPageT::CSettingsPageT;
    // Ends the page's work before any of its parts goes.
    ~CGen2Page() override { Shutdown(); }

    // ---- What the core calls (UI thread) ----
    // Settings UI: the polling-rate and debounce sections by link (Bluetooth LE alone offers
    // neither), and the light rows.
    void UpdateLinkControls() override;

protected:
    // ---- The set-up and the macro editor (gen2_page.cpp, gen2_page_keys.cpp) ----
    // Without the cabled mouse the cable's icon is hidden.
    void NoCableAtStart() override;
    bool EditMacros() override;

    // ---- Settings UI hooks (gen2_page_ui.cpp) ----
    // The sensor modes, on the models that have them.
    void AddOwnControls(SettingsControlSet& set) const override;
    // The battery level as the model displays it.
    int ShownLevel(int iLevel) const override;

    // ---- The apply ----
    // The key frame; the block chain of a button whose function is a macro.
    FrameBytes KeyFrame(const ProfileRecordEx& snapshot) const override;
    void AppendMacroFrames(std::vector<FrameBytes>& frames, int k, const KeyEntryEx& entry) const override;

    // ---- Device events (UI thread; gen2_page_events.cpp) ----
    // The second generation's handlers of the page's event table: the rates and the light mode
    // over the cable or the 2.4 GHz receiver, the 4K receiver and Bluetooth LE.
    void OnRateEvent(EventRoad eRoad, int iValue) override;
    void OnLightEvent(EventRoad eRoad, int iValue) override;
    // Charging with the cable present: the cable reaches the mouse, not the 2.4 GHz receiver.
    bool ChargingYieldsToCable() const override { return true; }
    void CableOpened() override;
    void CableClosed() override;
};
