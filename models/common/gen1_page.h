// The settings page of the first-generation models (MS_10, MS_1, MS_2 so far), one class for all
// of them, parameterised by the model's description (Gen1Model): the page's profiles and macros,
// the copy of the profile last sent, the device side (driver library, cabled mouse, device
// events, battery) and the apply (through CApplyPage: the send routine and the worker).
//
// Threads and the page lock: m_lock (the runtime's) guards the profile list, the current
// profile, the copy last sent, the header, the macro list and every save of them. The UI thread
// edits the current profile under it; the worker takes its snapshot, records it as sent and
// saves under it; device events update a field and save under it.
//
// The settings controls (binding, refresh, handlers) are the settings page's part, kept in
// gen1_page_ui.cpp and the files it adds: the hooks below marked "settings UI" are its own.
#pragma once

#include "apply_page.h"
#include "delayed_call.h"
#include "gen1_model.h"
#include "gen1_records.h"
#include "gen1_storage.h"
#include "profile_diff.h"

#include <atomic>
#include <memory>
#include <string>
#include <vector>

// Battery states a first-generation mouse reports in event 0x40 (the value's low byte).
enum class BatteryStatus : int { Unknown = -1, Full = 2, Charging = 3 };  // any other: on battery

class CGen1Page : public CApplyPage {
public:
    // strDataFolder: the folder that holds the model's folder of data files (default: the
    // program's "Data" folder).
    explicit CGen1Page(int iModel, std::wstring strDataFolder = {});
    ~CGen1Page() override;

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
    // The pending cable arrival first, then the runtime's (worker, driver library).
    void Shutdown() override;

    // ---- Device state (UI thread unless noted) ----
    bool Sleeping() const { return m_bSleeping.load() != 0; }  // any thread
    int BatteryStatusValue() const { return m_iBatteryStatus; }
    int BatteryLevel() const { return m_iBatteryLevel; }  // 1..100, -1 before the first level
    // The battery controls show `iLevel` ("57%").
    void ShowBattery(int iLevel);

    // A copy of the current profile and of the copy last sent, taken under the lock.
    ProfileRecord CurrentProfileCopy() const;
    ProfileRecord SentProfileCopy() const;

protected:
    // Device events (UI thread): the cabled mouse's link and data messages, and event words.
    void OnDevMonitor(DWORD dwWord) override;
    void OnDeviceEvent(int iEventWord, int iValue) override;

    // ---- Settings UI hooks (gen1_page_ui.cpp) ----
    virtual void InitControls();          // binds the page's controls (InitPage step 1)
    virtual void FillProfileList();       // one row per profile, the current one selected
    virtual void HighlightDpiEdit(int iLevel);

    // ---- The apply (CApplyPage) ----
    bool ApplyGateOpen() const override { return !Sleeping(); }
    std::vector<FrameBytes> PlanApply(bool bResendAll) override;
    void RecordApplied() override;
    bool SaveProfilesLocked() override;

    // Cable link changes, shared by the set-up and the driver library's messages.
    void CableOpened();
    void CableClosed();
    // Events that the mouse itself changed a setting: the field is updated in the current
    // profile and, alone, in the copy last sent, then the profiles are saved.
    void OnStageReported(int iStage);
    void OnRateReported(int iRateCode);
    void OnLightModeReported(int iLightMode);
    void OnBatteryReported(int iStatus, int iLevel);
    void SetSleeping(bool bSleeping);
    void ShowCharging();
    // The text id or literal text of "ms_N_label_power".
    void SetPowerLabel(const wchar_t* pszText, bool bTextId);

    const Gen1Model& m_model;
    std::unique_ptr<Gen1Storage> m_pStorage;

    // Guarded by m_lock.
    ProfileList m_Profiles;
    MacroList m_Macros;
    ProDataHeader m_stProDataHeader;
    ProfileRecord* m_pCurProfile = nullptr;
    std::unique_ptr<ProfileRecord> m_pSentProfile;    // m_stSentProfile
    std::unique_ptr<ProfileRecord> m_pApplySnapshot;  // what the apply in progress sends
    bool m_bSnapshotTaken = false;
    ChangeFlags m_changes;                            // the groups of the last apply

    std::atomic<int> m_bSleeping{1};
    int m_iBatteryStatus = static_cast<int>(BatteryStatus::Unknown);
    int m_iBatteryLevel = -1;

private:
    CDelayedCall m_cableArrival;
    bool m_bArrivalPending = false;  // UI thread
};
