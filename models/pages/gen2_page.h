// The settings page of the second-generation models (MS_11, MS_8, MS_12, MS_13 and the sensor
// models MS_15, MS_17, MS_21, MS_24), one class for
// all of them, parameterised by the model's description (Gen2Model). What the generations share
// it takes from its bases: the send routine and the apply worker (CApplyPage), the cabled mouse
// and the battery display (CDevicePage), the profiles and the copy last sent (CProfilePageT),
// the settings controls and the profile operations (CSettingsPageT). Its own are the second
// generation's frames (the macro block chains) and its event table over the cable, the two
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
    // strDataFolder: the folder that holds the model's folder of data files (default: the
    // program's "Data" folder).
    explicit CGen2Page(int iModel, const std::wstring& strDataFolder = {});
    // Ends the page's work before any of its parts goes.
    ~CGen2Page() override { Shutdown(); }

    const Gen2Model& Description() const { return m_model; }

    // ---- What the core calls (UI thread) ----
    // Binds the controls (settings UI), starts the worker, loads the driver library and opens
    // the cabled mouse, looks for the paired Bluetooth mouse, then announces the page's links.
    void InitPage() override;
    // Loads pro.data and macro.data; the current profile becomes the copy last sent and the next
    // apply sends everything; the Bluetooth link comes up when the set-up found the mouse paired
    // (and is made sure to be down otherwise). Posts no apply.
    void LoadData() override;
    // Settings UI: the polling-rate and debounce sections by link (Bluetooth LE alone offers
    // neither), and the light rows.
    void UpdateLinkControls() override;

    // ---- Button functions (gen2_page_keys.cpp, UI thread) ----
    // A menu item of this page was chosen: the button whose menu it was takes its function.
    void OnKeyMenuClick(DuiLib::CDuiString strName) override;

protected:
    // ---- Button functions (gen2_page_keys.cpp) ----
    // Routes the key buttons' and the macro button's clicks (InitPage).
    void AddKeyRoutes();
    // A key button was clicked (iButton 0..17 for buttons 1..18).
    virtual void OnKeyButtonClick(int iButton);
    // The macro button was clicked.
    virtual void OnMacroButtonClick();
    // Button iButton (0..17) shows the function the current profile gives it.
    virtual void UpdateKeyText(int iButton);

    // ---- Settings UI hooks (gen2_page_ui.cpp) ----
    virtual void InitControls();  // binds the page's controls (InitPage step 1)
    // The battery level as the model displays it.
    int ShownLevel(int iLevel) const override;

    // ---- The apply ----
    std::vector<FrameBytes> FramesFor(const ProfileRecordEx& snapshot, const ChangeFlags& changes) override;

    // ---- Device events (UI thread; gen2_page_events.cpp) ----
    // The second generation's event table: the stage, rates, battery, light mode and save over
    // the cable or the 2.4 GHz receiver, the 4K receiver and Bluetooth LE.
    void DispatchEvent(EventRoad eRoad, int iCode, int iValue) override;
    void OnRateEvent(EventRoad eRoad, int iValue);
    void OnLightEvent(EventRoad eRoad, int iValue);
    // Charging with the cable present: the cable reaches the mouse, not the 2.4 GHz receiver.
    bool ChargingYieldsToCable() const override { return true; }
    void CableOpened() override;
    void CableClosed() override;

private:
    void OnKeyButtonClicked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnMacroButtonClicked(DuiLib::TNotifyUI& msg);
};
