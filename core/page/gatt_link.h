// The way a Bluetooth LE notification finds its page. The system calls the callback on a thread
// of its own, possibly while the page is shutting down, and the registration carries no context.
// So each model has one callback of its own and one slot that lives as long as the process: the
// page opens its slot when it is set up and closes it, under the slot's lock, before it goes. A
// callback holds the same lock while it hands the value on, so closing waits for a callback in
// flight, and one that comes later finds the slot closed and does nothing.
//
// What a callback does with a value: an acknowledgement (event 0x50) is recorded at once, as a
// send loop may be waiting for it; the value itself is posted to the UI thread, where the page's
// OnGattValue gets it, unless the slot has been closed (or opened again) in between.
#pragma once

#include "core/devices/ble_gatt_api.h"

#include <cstdint>
#include <vector>

class CPageBase;

class CGattLink {
public:
    explicit CGattLink(int iModel) : m_iModel(iModel) {}
    ~CGattLink() { Close(); }
    CGattLink(const CGattLink&) = delete;
    CGattLink& operator=(const CGattLink&) = delete;

    // Routes the model's notifications to `page` from now on.
    void Open(CPageBase& page);
    // No notification reaches the page after this returns.
    void Close();
    bool IsOpen() const;

    // The model's notification callback, for CBleDevice::Subscribe.
    PFNBLUETOOTH_GATT_EVENT_CALLBACK Callback() const;

    // What the model's callback does with one event (tests call it as the system would).
    static void Deliver(int iModel, BTH_LE_GATT_EVENT_TYPE eType, const void* pEvent);

private:
    int m_iModel;
};
