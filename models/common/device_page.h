// The device side every model page with a cabled mouse shares, whatever its generation: the
// driver library's messages (the cabled mouse arriving and leaving, its event words), the pause a
// freshly plugged mouse needs before it is opened, and the battery display.
//   - An arrival waits Timing().uCableArrivalMs off the UI thread, then opens the mouse on the UI
//     thread; a mouse that cannot be opened is not taken as present (the next arrival tries
//     again). A repeated arrival, or one while the mouse is open, is ignored.
//   - A removal closes the mouse; a repeated removal is ignored.
//   - What the page does when the mouse opens or leaves is its own (CableOpened, CableClosed).
//   - Event words of the cable go to the page's OnDeviceEvent, as the receivers' do.
//   - ShowBattery shows a level in "ms_N_progress_power" and "ms_N_label_power" ("57%"); the
//     charging display shows "charging_text" there and runs the charging animation.
#pragma once

#include "apply_page.h"
#include "delayed_call.h"

#include <string>

class CDevicePage : public CApplyPage {
public:
    explicit CDevicePage(int iModel) : CApplyPage(iModel) {}
    ~CDevicePage() override;

    // The pending arrival first, then the runtime's (worker, driver library).
    void Shutdown() override;

    // The battery controls show `iLevel` ("57%"). UI thread.
    void ShowBattery(int iLevel);
    int BatteryLevel() const { return m_iBatteryLevel; }  // the level shown, -1 before the first
    int BatteryStatusValue() const { return m_iBatteryStatus; }  // the last reported status, -1 none

protected:
    // Arrival, removal, and event words handed to OnDeviceEvent (UI thread).
    void OnDevMonitor(DWORD dwWord) override;
    // The cabled mouse is open (at set-up or after an arrival) / has left.
    virtual void CableOpened() = 0;
    virtual void CableClosed() = 0;

    // A numbered control's name without the prefix ("option_dpi_step_%d", 3).
    static std::wstring NumberedSuffix(const wchar_t* pszPattern, int i);
    // "ms_N_label_power": a text id (bTextId) or literal text.
    void SetPowerLabel(const wchar_t* pszText, bool bTextId);
    // "charging_text" and the charging animation (from its start with bRestart).
    void ShowCharging(bool bRestart);
    void StopCharging();

    int m_iBatteryStatus = -1;
    int m_iBatteryLevel = -1;

private:
    void OnCableArrived();
    void OnCableRemoved();

    CDelayedCall m_cableArrival;
    bool m_bArrivalPending = false;  // UI thread
};
