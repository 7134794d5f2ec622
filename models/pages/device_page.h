// The device side every model page with a cabled mouse shares, whatever its generation: the
// driver library's messages (the cabled mouse arriving and leaving, its event words), the pause a
// freshly plugged mouse needs before it is opened, and the battery display.
//   - An arrival waits Timing().uCableArrivalMs off the UI thread, then opens the mouse on the UI
//     thread; a mouse that cannot be opened is not taken as present (the next arrival tries
//     again). A repeated arrival, or one while the mouse is open, is ignored.
//   - A removal closes the mouse; a repeated removal is ignored.
//   - What the page does when the mouse opens or leaves is its own (CableOpened, CableClosed).
//   - Event words of the cable go to the page's OnDeviceEvent, as the receivers' do; every
//     road's event words reach the page's event table (device_events.h) by OnEventWord.
//   - The battery display ("ms_N_label_power" over "ms_N_progress_power") shows one thing at a
//     time, and its label and bar always agree: nothing (an empty label, an empty bar), charging
//     ("charging_text" with the bar running), or a level ("57%" with the bar standing at it).
//     The cable charges the mouse from its arrival until its removal, whatever the Bluetooth link
//     does; a report of the mouse over any road says what it does now. A battery report over a
//     receiver also keeps that receiver's link alive (OnBatteryEvent, both generations).
//   - The Bluetooth LE link of the models that have one (ble_link.cpp): SetBleLink,
//     HandleDeviceChange and the decoding of the mouse's notifications; inert elsewhere.
#pragma once

#include "models/pages/apply_page.h"
#include "models/pages/delayed_call.h"
#include "models/pages/device_events.h"

#include <string>
#include <vector>

// Battery states a mouse reports in event 0x40 (the value's low byte).
enum class BatteryStatus : int { Unknown = -1, Full = 2, Charging = 3 };  // any other: on battery

class CDevicePage : public CApplyPage {
public:
    explicit CDevicePage(int iModel) : CApplyPage(iModel) {}

    // The battery display shows `iLevel` ("57%"), as the model displays it (ShownLevel); the
    // charging animation stops. UI thread.
    void ShowBattery(int iLevel);
    int BatteryLevel() const { return m_iBatteryLevel; }  // the level shown, -1 before the first
    int BatteryStatusValue() const { return m_iBatteryStatus; }  // the last reported status, -1 none

    // ---- Bluetooth LE (models with a Bluetooth link; UI thread) ----
    // Up, first generation: the notifications are subscribed to at once; the other links stay.
    // Up, second generation: Bluetooth LE becomes the page's only link (the receivers drop, the
    // cable no longer counts, though it still charges the mouse), the battery shows 100% unless
    // the mouse is shown charging, and the notifications are subscribed to after
    // Timing().uBleSubscribeMs. Down (also when it was not up): the subscription ends, a
    // charging display without the cable behind it ends, and the page is offline unless another
    // link is up.
    void SetBleLink(bool bUp);
    // A device-interface arrival or removal naming the model's Bluetooth mouse brings the link up
    // or down. The names are matched as Windows writes them ("VID&02045e", "PID&0037").
    void HandleDeviceChange(WPARAM wEvent, LPARAM lHeader) override;

protected:
    // A pending cable arrival is cancelled before the library goes (Shutdown's first step).
    void StopOwnWork() override;
    // Arrival, removal, and event words handed to OnDeviceEvent (UI thread).
    void OnDevMonitor(DWORD dwWord) override;
    // The cabled mouse is open (at set-up or after an arrival) / has left.
    virtual void CableOpened() = 0;
    virtual void CableClosed() = 0;

    // Every road's event words (UI thread): the cable's and the 2.4 GHz receiver's, the 4K
    // receiver's and Bluetooth LE's, handed to OnEventWord.
    void OnDeviceEvent(int iEventWord, int iValue) override { OnEventWord(EventRoad::Receiver, iEventWord, iValue); }
    void OnDeviceEvent4k(int iEventWord, int iValue) override { OnEventWord(EventRoad::Wireless4k, iEventWord, iValue); }
    virtual void OnEventWord(EventRoad eRoad, int iEventWord, int iValue) = 0;

    // A battery report (status in the value's low byte, level in its high byte), the same for
    // both generations. Over a receiver: the link's presence timeout armed again; the link
    // dropped with the cable present when the mouse is full, or charging over the 2.4 GHz
    // receiver where ChargingYieldsToCable (the cable reaches the mouse), else raised; the display
    // as ShowReportedBattery says (levels 1 to 100); then, unless the mouse is full on the cable,
    // MouseHeardOverReceiver. Over Bluetooth LE: no timeout and no link change; levels 0 to 100.
    void OnBatteryEvent(EventRoad eRoad, int iValue);
    // Whether a mouse charging on the cable leaves the 2.4 GHz receiver's link down.
    virtual bool ChargingYieldsToCable() const = 0;
    // A receiver's battery report showed the mouse awake there.
    virtual void MouseHeardOverReceiver() {}
    // What the mouse says of its battery, over any road: charging shows charging, full 100%, on
    // battery its level when it lies from iLowestLevel to 100. On battery without such a level
    // a level shown stays, and a charging display ends (the mouse says it is not charging).
    void ShowReportedBattery(int iStatus, int iLevel, int iLowestLevel);

    // A Bluetooth notification of at least four bytes: id byte, event code, value low and high,
    // handed to OnEventWord.
    void OnGattValue(const std::vector<uint8_t>& value) override;

    // The level the display shows for a reported one (as reported unless the model says otherwise).
    virtual int ShownLevel(int iLevel) const { return iLevel; }
    // "ms_N_label_power": a text id (bTextId) or literal text.
    void SetPowerLabel(const wchar_t* pszText, bool bTextId);
    // The cabled mouse is open (CableOpened) / has left (CableClosed): it charges the mouse from
    // now on (the charging display, its animation from the start) / no longer (nothing shown).
    void CableCharges(bool bPlugged);
    // The Bluetooth link took over (100% shown unless the mouse is shown charging) or went down
    // (a charging display the cable does not stand behind ends).
    void BleBatteryLink(bool bUp);

    int m_iBatteryStatus = -1;
    int m_iBatteryLevel = -1;

private:
    // What the battery display shows; UI thread.
    enum class PowerShown { Nothing, Charging, Level };

    void OnCableArrived();
    void OnCableRemoved();
    // "charging_text" and the charging animation (from its start with bRestart).
    void ShowCharging(bool bRestart);
    // An empty label over an empty bar, the animation stopped.
    void ShowNoBattery();
    void StopCharging();

    CDelayedCall m_cableArrival;
    bool m_bArrivalPending = false;  // UI thread
    // The cabled mouse has been open since it last left: also while it does not count as a link
    // (the second generation's Bluetooth link took over). UI thread.
    bool m_bCablePlugged = false;
    PowerShown m_ePowerShown = PowerShown::Nothing;

protected:
    bool m_bBlePaired = false;  // the set-up found the model's Bluetooth mouse paired
};
