// A page that records what the core calls on it, for tests that put it in place of a model's
// page (through the main window's page factories). It does what the page base does and keeps a
// log of the calls, oldest first ("OnDevMonitor 0x10360002"). It also opens the runtime's
// protected parts to tests: the link flags, the worker, the acknowledgement window,
// routes and modal dialogs.
#pragma once

#include "core/app/page_factories.h"
#include "core/page/page_base.h"

#include <functional>
#include <string>
#include <vector>

class CSpyPage : public CPageBase {
public:
    explicit CSpyPage(int iModel) : CPageBase(iModel) {}
    ~CSpyPage() override { Shutdown(); }

    void InitPage() override { Log(L"InitPage"); }
    void LoadData() override { Log(L"LoadData"); }
    void RefreshControls() override { Log(L"RefreshControls"); }
    void UpdateLinkControls() override { Log(L"UpdateLinkControls"); }
    void OnKeyMenuClick(DuiLib::CDuiString strName) override { Log(L"OnKeyMenuClick " + std::wstring(strName.GetData())); }
    void HandleDeviceChange(WPARAM wEvent, LPARAM) override { Log(L"HandleDeviceChange " + Hex(static_cast<DWORD>(wEvent))); }
    void OnWireless4kTimeout() override {
        Log(L"OnWireless4kTimeout");
        CPageBase::OnWireless4kTimeout();
    }
    void OnClick(DuiLib::TNotifyUI& msg) override;
    // Handlers for routes a test adds: they log "Routed <sender>" and "Routed <sender> <n>".
    void OnRouted(DuiLib::TNotifyUI& msg);
    void OnRoutedRow(DuiLib::TNotifyUI& msg, int i);

    // What a test wants the page to do on the worker for each apply (default: log it).
    std::function<void()> onApply;
    // What a test wants the page to do with an event it gets (after the log line).
    std::function<void(const std::wstring&)> onEvent;

    std::vector<std::wstring> m_calls;
    bool Logged(const std::wstring& line) const;
    bool LoggedPrefix(const std::wstring& prefix) const;

    using CPageBase::AckArrived;
    using CPageBase::AddRoute;
    using CPageBase::AddRouteFn;
    using CPageBase::AddRoutes;
    using CPageBase::Ask;
    using CPageBase::AskOpenPath;
    using CPageBase::AskSavePath;
    using CPageBase::OpenAckWindow;
    using CPageBase::Pause;
    using CPageBase::PostToUi;
    using CPageBase::RunModal;
    using CPageBase::ShowMessage;
    using CPageBase::StartDriverLibrary;
    using CPageBase::StartDriverLibraryFrom;
    using CPageBase::StartWorker;
    using CPageBase::Stopping;
    using CPageBase::Driver;
    using CPageBase::m_hMainWnd;
    using CPageBase::m_bBLE;
    using CPageBase::m_bOnline;
    using CPageBase::m_bWireless;
    using CPageBase::m_bWireless4k;
    using CPageBase::m_iChargeValue;
    using CPageBase::m_iWiredState;

protected:
    void OnDevMonitor(DWORD dwWord) override { Event(L"OnDevMonitor " + Hex(dwWord)); }
    void OnDeviceEvent(int iWord, int iValue) override { Event(L"OnDeviceEvent " + Hex(iWord) + L" " + Hex(iValue)); }
    void OnDeviceEvent4k(int iWord, int iValue) override {
        Event(L"OnDeviceEvent4k " + Hex(iWord) + L" " + Hex(iValue));
    }
    void OnGattValue(const std::vector<uint8_t>& value) override;
    void RunApply() override;

private:
    void Log(std::wstring line) { m_calls.push_back(std::move(line)); }
    void Event(std::wstring line);
    static std::wstring Hex(DWORD value);
};
