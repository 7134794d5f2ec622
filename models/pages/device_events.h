// The device events of a model page as a table: for each event code, what the page does with it
// over each road (the cable and the 2.4 GHz receiver, the 4K receiver, Bluetooth LE). The pages'
// table is CProfilePageT's (profile_page.cpp), its rate, light-mode and 0x60 handlers the
// generations' own; a code without a row, or a road without a handler, is ignored.
// UI thread.
#pragma once

#include <cstddef>

// The road an event word came by: the cable or the 2.4 GHz receiver (one handler), the 4K
// receiver, or a Bluetooth LE notification.
enum class EventRoad { Receiver, Wireless4k, Ble };

// Event codes (the high byte of an event word; its low byte is the model's id byte). The
// acknowledgement (0x50) is recorded where it is read (CPageBase::RecordAcknowledgement).
enum EventCode : int {
    kEventStage = 0x10,      // the DPI stage the mouse switched to (1..8)
    kEventRate = 0x20,       // the polling rate, as the generation codes it
    kEventBattery = 0x40,    // status (low byte), level (high byte); a model may have its own code
    kEventSixty = 0x60,      // a battery level on some first-generation models; nothing elsewhere
    kEventLightMode = 0x70,  // the light mode, as the road carries it
    kEventSaved = 0x80,      // the mouse saved (1..5): the profiles are saved too
};

template <class Page>
struct DeviceEventRow {
    using Handler = void (Page::*)(EventRoad eRoad, int iValue);
    int iCode;
    Handler onReceiver;  // the cable and the 2.4 GHz receiver
    Handler on4k;        // the 4K receiver
    Handler onBle;       // Bluetooth LE
};

// Runs the handler the table gives event `iCode` over `eRoad`, if any.
template <class Page, size_t N>
void DispatchDeviceEvent(Page& page, const DeviceEventRow<Page> (&table)[N], EventRoad eRoad, int iCode, int iValue) {
    for (const DeviceEventRow<Page>& row : table) {
        if (row.iCode != iCode) continue;
        const typename DeviceEventRow<Page>::Handler handler =
            eRoad == EventRoad::Receiver ? row.onReceiver : eRoad == EventRoad::Wireless4k ? row.on4k : row.onBle;
        if (handler != nullptr) (page.*handler)(eRoad, iValue);
        return;
    }
}
