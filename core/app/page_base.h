// What every model's settings page is to the core: a receiver of its own controls'
// notifications (a virtual window of the main window's skin), the operations the core calls
// on it, and the link state the core and the receivers read and write.
//
// Threads: everything runs on the UI thread except RecordAcknowledgement (a receiver's polling
// thread) and what a page's own worker thread does. The link flags are atomics and the device
// handles are guarded by m_lock, because the worker reads them while it sends.
#pragma once

#include "ble_device.h"
#include "hid_handle.h"
#include "hook_api.h"
#include "page_policy.h"
#include "ui/ui.h"

#include <atomic>
#include <mutex>
#include <string>

class CPageBase : public DuiLib::CNotifyPump {
public:
    explicit CPageBase(int iModel);
    ~CPageBase() override = default;

    int Model() const { return m_iModel; }
    const PagePolicy& Policy() const { return PolicyOf(m_iModel); }
    // The page's control names begin with this ("ms_10_").
    const std::wstring& Prefix() const { return m_strPrefix; }
    // The page's control `name` without its prefix ("wireless" -> "ms_10_wireless").
    DuiLib::CControlUI* FindPageControl(const wchar_t* pszName) const;

    // Called by the main window, in this order, on the UI thread.
    virtual void InitPage();
    virtual void LoadData();
    virtual void RefreshControls();
    virtual void UpdateLinkControls();
    virtual void OnKeyMenuClick(DuiLib::CDuiString strName);
    // One 32-bit word: the event word in the high 16 bits, the value in the low 16 bits.
    virtual void OnDevMonitor(DWORD dwWord);
    // Event words from a receiver (event code * 256 + id byte) and their value.
    virtual void OnDeviceEvent(int iEventWord, int iValue);
    virtual void OnDeviceEvent4k(int iEventWord, int iValue);
    // Every WM_DEVICECHANGE, for the pages that watch their Bluetooth mouse.
    virtual void HandleDeviceChange(WPARAM wEvent, LPARAM lHeader);
    // The page's timers, for the pages that run them themselves.
    virtual void HandleTimer(UINT_PTR uId);
    virtual void OnWireless4kTimeout();
    // Polling thread: an acknowledgement read on a receiver; a send loop is waiting for it. The
    // same report reaches OnDeviceEvent/OnDeviceEvent4k later on the UI thread; those must not
    // set m_bAck for it again, or a late copy could acknowledge the next frame.
    virtual void RecordAcknowledgement(int iEventWord, int iValue);
    // The page's Bluetooth LE access and notification callback, for the pages that have them.
    virtual CBleDevice* BleDevice() { return nullptr; }
    virtual PFNBLUETOOTH_GATT_EVENT_CALLBACK GattCallback() const { return nullptr; }
    // Ends the page's background work (worker thread, Bluetooth registrations) while the
    // window's controls still exist; the page object itself goes later.
    virtual void Shutdown();

    // Notification handlers, bound to the twelve notification types by the page message map.
    virtual void OnClick(DuiLib::TNotifyUI& msg);
    virtual void OnSelectChanged(DuiLib::TNotifyUI& msg);
    virtual void OnItemSelect(DuiLib::TNotifyUI& msg);
    virtual void OnCheckClick(DuiLib::TNotifyUI& msg);
    virtual void OnKillFocus(DuiLib::TNotifyUI& msg);
    virtual void OnTimer(DuiLib::TNotifyUI& msg);
    virtual void OnValueChanged(DuiLib::TNotifyUI& msg);
    virtual void OnMouseEnter(DuiLib::TNotifyUI& msg);
    virtual void OnMouseLeave(DuiLib::TNotifyUI& msg);
    virtual void OnReturn(DuiLib::TNotifyUI& msg);
    virtual void OnTextChanged(DuiLib::TNotifyUI& msg);
    virtual void OnSetFocus(DuiLib::TNotifyUI& msg);

    DUI_DECLARE_MESSAGE_MAP()

public:
    // Link state shared with the core: the flags count towards m_bOnline as the policy says.
    bool ComputeOnline() const;
    // Sets m_bOnline from the links and posts WM_DEVICELISTCHANGED when the policy asks for it.
    void AnnounceLinkChange();
    // A receiver link (2.4 GHz or 4K) comes up or goes down: its flag, its indicator, the link
    // controls where the page has them, and the announcement. False when it already was so.
    bool SetReceiverLink(bool b4k, bool bUp);
    void SetWirelessHandles(const HidDevicePtr& hDevice, const HidDevicePtr& hOSD);
    void SetWireless4kHandles(const HidDevicePtr& hDevice, const HidDevicePtr& hOSD);
    HidDevicePtr WirelessDevice() const;
    HidDevicePtr Wireless4kDevice() const;

    // Context, set by the main window before InitPage.
    HWND m_hMainWnd = nullptr;
    DuiLib::CPaintManagerUI* m_pPaintManager = nullptr;
    HookTable* m_pHookTable = nullptr;
    void* m_pDeviceBlock = nullptr;

    DWORD m_dwThreadId = 0;  // the worker thread the router forwards apply requests to
    std::atomic<int> m_bOnline{0};
    std::atomic<int> m_iWiredState{0};  // 0 cable never seen, 1 present, 2 removed
    std::atomic<int> m_bBLE{0};
    std::atomic<int> m_bWireless{0};
    std::atomic<int> m_bWireless4k{0};
    std::atomic<int> m_bAck{0};
    int m_iChargeValue = 0;
    DuiLib::CControlUI* m_pWirelessIcon = nullptr;
    DuiLib::CControlUI* m_pWireless4kIcon = nullptr;

protected:
    mutable std::mutex m_lock;  // guards the device handles (and the page's profile copies)
    HidDevicePtr m_hWirelessDevice, m_hWirelessOSD;
    HidDevicePtr m_hWireless4kDevice, m_hWireless4kOSD;

private:
    int m_iModel;
    std::wstring m_strPrefix;
};
