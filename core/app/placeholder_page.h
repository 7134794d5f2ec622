// A model page without settings yet: it takes part in the core's routing, timers and link
// handling through the page base and keeps a log of what the core called on it.
#pragma once

#include "page_base.h"

#include <atomic>
#include <string>
#include <vector>

class CPlaceholderPage : public CPageBase {
public:
    explicit CPlaceholderPage(int iModel);

    void InitPage() override;
    void LoadData() override { Log(L"LoadData"); }
    void RefreshControls() override { Log(L"RefreshControls"); }
    void UpdateLinkControls() override { Log(L"UpdateLinkControls"); }
    void OnKeyMenuClick(DuiLib::CDuiString strName) override { Log(L"OnKeyMenuClick " + std::wstring(strName.GetData())); }
    void OnDevMonitor(DWORD dwWord) override { Log(L"OnDevMonitor " + Hex(dwWord)); }
    void OnDeviceEvent(int iWord, int iValue) override { Log(L"OnDeviceEvent " + Hex(iWord) + L" " + Hex(iValue)); }
    void OnDeviceEvent4k(int iWord, int iValue) override { Log(L"OnDeviceEvent4k " + Hex(iWord) + L" " + Hex(iValue)); }
    void HandleDeviceChange(WPARAM wEvent, LPARAM) override { Log(L"HandleDeviceChange " + Hex(static_cast<DWORD>(wEvent))); }
    void HandleTimer(UINT_PTR uId) override { Log(L"HandleTimer " + Hex(static_cast<DWORD>(uId))); }
    void OnWireless4kTimeout() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    // The Bluetooth models' pages find their mouse by its match strings and count what its
    // notifications bring.
    CBleDevice* BleDevice() override { return m_bHasBle ? &m_BleDevice : nullptr; }
    PFNBLUETOOTH_GATT_EVENT_CALLBACK GattCallback() const override { return m_bHasBle ? &OnGattValueChanged : nullptr; }
    static void CALLBACK OnGattValueChanged(BTH_LE_GATT_EVENT_TYPE type, PVOID pEvent, PVOID pContext);
    static std::atomic<int> s_iGattNotifications;

    // What the core called, oldest first ("OnDevMonitor 0x10360002").
    std::vector<std::wstring> m_calls;

private:
    bool m_bHasBle;
    CBleDevice m_BleDevice;
    void Log(std::wstring line) { m_calls.push_back(std::move(line)); }
    static std::wstring Hex(DWORD value);
};
