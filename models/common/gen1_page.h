// The settings page of the first-generation models (MS_10, MS_1, MS_2 so far), one class for all
// of them, parameterised by the model's description (Gen1Model). What the generations share it
// takes from its bases: the send routine and the apply worker (CApplyPage), the cabled mouse and
// the battery display (CDevicePage), the profiles and the copy last sent (CProfilePageT). Its own
// are the first generation's frames, its event table and battery steps, and the sleeping mouse:
// a mouse not heard from since the set-up or since the cable left takes no apply until a battery
// report shows it awake.
//
// The settings controls (binding, refresh, handlers) are the settings page's part, kept in
// gen1_page_ui.cpp and the files it adds: the hooks below marked "settings UI" are its own.
#pragma once

#include "gen1_model.h"
#include "gen1_page_controls.h"
#include "gen1_records.h"
#include "gen1_storage.h"
#include "profile_page.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// Battery states a first-generation mouse reports in event 0x40 (the value's low byte).
enum class BatteryStatus : int { Unknown = -1, Full = 2, Charging = 3 };  // any other: on battery

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
    // Settings UI.
    void RefreshControls() override;
    void UpdateLinkControls() override;

    bool Sleeping() const { return m_bSleeping.load() != 0; }  // any thread

    // The control names the page looked up at set-up and its skin lacks (empty when the skin
    // holds every control the page uses).
    const std::vector<std::wstring>& MissingControls() const { return m_missingControls; }

    // ---- Button functions (gen1_page_keys.cpp, UI thread) ----
    // A menu item of this page was chosen: the button whose menu it was takes its function.
    void OnKeyMenuClick(DuiLib::CDuiString strName) override;

protected:
    // ---- Settings UI hooks (gen1_page_ui.cpp) ----
    virtual void InitControls();     // binds the page's controls (InitPage step 1)
    virtual void FillProfileList();  // one row per profile, the current one selected
    void HighlightDpiEdit(int iLevel) override;

    // ---- Button functions (gen1_page_keys.cpp) ----
    // A button-function button was clicked (iButton 0..17 for buttons 1..18).
    virtual void OnKeyButtonClick(int iButton);
    // The macro button was clicked.
    virtual void OnMacroButtonClick();
    // Button iButton (0..17) shows the function the current profile gives it (RefreshControls
    // calls it for every button).
    virtual void UpdateKeyText(int iButton);

    // ---- The apply ----
    bool ApplyGateOpen() const override { return !Sleeping(); }
    std::vector<FrameBytes> FramesFor(const ProfileRecord& snapshot, const ChangeFlags& changes) override;

    // ---- Device events (UI thread) ----
    void OnDeviceEvent(int iEventWord, int iValue) override;
    void CableOpened() override;
    void CableClosed() override;
    void OnRateReported(int iRateCode);
    void OnBatteryReported(int iStatus, int iLevel);
    void SetSleeping(bool bSleeping);

    std::atomic<int> m_bSleeping{1};

    // The settings controls (UI thread), bound by InitControls.
    Gen1PageControls m_ui;
    std::vector<std::wstring> m_missingControls;

private:
    void BindControls();
    void AddControlRoutes();
    void OnKeyButtonClicked(DuiLib::TNotifyUI& msg, int iNumber);
    void OnMacroButtonClicked(DuiLib::TNotifyUI& msg);
    std::wstring KeyMenuSkin() const;
    // The shortcut dialog and the macro picker for button k; true when the entry holds the new
    // shortcut or macro and its function may change.
    bool AskShortcut(int k);
    bool AskMacro(int k);
    void ResyncButtonMacros();

    std::unique_ptr<DuiLib::CMenuWnd> m_pKeyMenu;  // the menu last opened
    int m_iMenuKey = 0;                            // the key button (0..11) it was opened for
};
