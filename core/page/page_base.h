// The runtime every model's settings page stands on, whatever its generation.
//
// To the core a page is a receiver of its own controls' notifications (a virtual window of the
// main window's skin), the operations the core calls on it, and its link state. To the page the
// base offers what every model does alike, written once:
//  - its context (main window, paint manager, Hook.dll table, receivers), given by Attach;
//  - typed control lookup and notification routes from control-name suffixes to handlers;
//  - the worker thread (StartWorker, RunApply), interruptible pauses and the acknowledgement
//    window a send loop waits on;
//  - SetLink for the cable, 2.4 GHz, 4K and Bluetooth links, and one consistent snapshot of
//    the links and receiver handles for the send routine;
//  - the driver library and the Bluetooth notification route;
//  - modal dialogs during which the page's device events wait, and the shared page timers.
//
// Threads: the page runs on the UI thread except RunApply (its worker) and
// RecordAcknowledgement (the thread that read the acknowledgement). Controls and timers belong to
// the UI thread; the worker reaches them through PostToUi and the timer helpers, which post when
// called from another thread. The link flags are atomics written under the link lock together
// with the receiver handles, so Links() is one consistent picture. The page's profiles are its
// profile store's, under a lock of their own.
#pragma once

#include "core/page/ack_window.h"
#include "core/devices/ble_device.h"
#include "core/page/control_cast.h"
#include "core/page/driver_library.h"
#include "core/page/gatt_link.h"
#include "core/devices/hid_handle.h"
#include "plugins/include/hook_api.h"
#include "models/table/model_table.h"
#include "core/page/page_context.h"
#include "core/page/page_policy.h"
#include "core/page/page_worker.h"
#include "ui/ui.h"
#include "core/util/string_helpers.h"

#include <atomic>
#include <deque>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

enum class LinkKind { Cable, Wireless, Wireless4k, Ble };

// What the main window found of a model's mouse when it started the page: its Bluetooth LE
// interface listed (the mouse is paired), or its cabled mouse just arriving (the page then
// takes it as an arrival, with its settling pause, instead of a mouse found at start).
struct DevicesFound {
    bool bBlePaired = false;
    bool bCableArriving = false;
};

// One line of a page's table of notification routes: the control's name without the page's
// prefix, and the handler ({L"profile_add_btn", &CMS_10_Page::OnAddProfile}).
template <class Page>
struct PageRoute {
    const wchar_t* pszSuffix;
    void (Page::*pfn)(DuiLib::TNotifyUI&);
};

// The links and receiver handles at one moment, taken under the page's link lock.
struct LinkSnapshot {
    bool bCable = false;  // m_iWiredState is 1
    bool bWireless = false;
    bool bWireless4k = false;
    bool bBle = false;
    HidDevicePtr hWirelessDevice;
    HidDevicePtr hWireless4kDevice;

    bool Up(LinkKind kind) const;
    bool Any() const { return bCable || bWireless || bWireless4k || bBle; }
    // The first kind of `order` that is up ("the first link that is up" of a send routine).
    std::optional<LinkKind> FirstUp(std::initializer_list<LinkKind> order) const;
};

class CPageBase : public DuiLib::CNotifyPump {
public:
    explicit CPageBase(int iModel);
    // The page's work has ended by now: its owner shuts it down first, and a generation's page
    // does so in its own destructor, before any of its parts is destroyed (a worker stopped here
    // would find them gone). The per-model classes above it add no data of their own.
    ~CPageBase() override;
    CPageBase(const CPageBase&) = delete;
    CPageBase& operator=(const CPageBase&) = delete;

    int Model() const { return m_iModel; }
    const ModelInfo& Info() const { return *m_pInfo; }
    const PagePolicy& Policy() const { return PolicyOf(m_iModel); }
    // The page's control names begin with this ("ms_10_").
    const std::wstring& Prefix() const { return m_strPrefix; }

    // ---- What the core calls, on the UI thread unless noted ----

    // Gives the page its context before InitPage; binds the link indicators and opens the
    // Bluetooth notification route of a Bluetooth model.
    void Attach(const PageContext& context);
    // What the main window found of the mouse, before InitPage (nothing found by default).
    void SetDevicesFound(const DevicesFound& found) { m_found = found; }
    virtual void InitPage() {}
    virtual void LoadData() {}
    virtual void RefreshControls() {}
    virtual void UpdateLinkControls() {}
    virtual void OnKeyMenuClick(DuiLib::CDuiString strName);
    // Every WM_DEVICECHANGE, for the pages that watch their Bluetooth mouse.
    virtual void HandleDeviceChange(WPARAM wEvent, LPARAM lHeader);
    // The 4K presence timeout: drops the 4K link.
    virtual void OnWireless4kTimeout();

    // Device events as the core hands them over. While a dialog of the page is open they wait
    // and follow, in order, once the handler that opened it has returned, so a handler never
    // finds the profile it works on switched or freed under it.
    void DeliverDevMonitor(DWORD dwWord);
    void DeliverDeviceEvent(int iEventWord, int iValue);
    void DeliverDeviceEvent4k(int iEventWord, int iValue);
    void DeliverGattValue(std::vector<uint8_t> value);
    // Any thread: an event word read for this page. An acknowledgement (event 0x50 with the
    // page's id byte) is recorded at once for the send loop waiting for it; nothing else is
    // done. Not virtual: every page treats it the same, and no handler sets it again later.
    void RecordAcknowledgement(int iEventWord, int iValue);

    // Ends the page's background work while the window's controls still exist, then saves what
    // the page holds: the page's own pending work (StopOwnWork), the worker (a send loop stops at
    // once; it is waited for up to dwWorkerWaitMs), the Bluetooth notification route and
    // registrations, the driver library, and last the final save (SaveAtShutdown). Device events
    // are dropped afterwards. Safe to call again: it then does nothing.
    // A worker still inside a device call after the wait is left behind (Wedged): the driver
    // library it is in stays loaded, and the page must not be destroyed before the process ends.
    void Shutdown(DWORD dwWorkerWaitMs = INFINITE);
    // The first step of Shutdown alone: the worker's send loop stops at once, nothing waits. The
    // main window signals every page this way before it waits for any.
    void RequestStop() { m_worker.RequestStop(); }
    bool IsShutDown() const { return m_bShutDown; }
    bool Wedged() const { return m_worker.Abandoned(); }

    // The page timers, kind 0 to 5 of the page's range, as the main window hands them over: the
    // same work for every model.
    void RunStandardTimer(unsigned uKind);

    // The worker the router forwards apply requests to (m_dwThreadId); 0 while none runs.
    DWORD WorkerThreadId() const { return m_worker.ThreadId(); }

    // Link state.
    int Online() const { return m_bOnline.load(); }
    int WiredState() const { return m_iWiredState.load(); }  // 0 never seen, 1 present, 2 removed
    bool LinkUp(LinkKind kind) const;
    LinkSnapshot Links() const;
    // A link comes up or goes down: its flag, its indicator, the link controls and the
    // announcement (WM_DEVICELISTCHANGED), as the page policy says:
    //   Cable       m_iWiredState 1/2  "ms_N_wired"        link controls always; announced when
    //                                                      the online state changes
    //   Wireless    m_bWireless        "ms_N_wireless"     link controls and announcement as the
    //   Wireless4k  m_bWireless4k      "ms_N_wireless_4k"  policy says
    //   Ble         m_bBLE             "ms_N_BLE"          up as the policy says; down without
    //                                                      link controls, announced on a change of
    //                                                      the online state. Up sets the Bluetooth
    //                                                      match strings, down clears them and ends
    //                                                      the notification registrations.
    // False (and nothing done) when the link already was so. UI thread.
    bool SetLink(LinkKind kind, bool bUp);
    bool SetReceiverLink(bool b4k, bool bUp) { return SetLink(b4k ? LinkKind::Wireless4k : LinkKind::Wireless, bUp); }
    // The cable stops counting as a link (the second generation's Bluetooth link took over): it
    // reads as removed, while its indicator and its device stay as they are.
    void StopCountingCable();
    DuiLib::CControlUI* LinkIndicator(LinkKind kind) const;
    // The receiver's command interface the page sends through (null: the receiver is gone).
    void SetWirelessHandle(const HidDevicePtr& hDevice);
    void SetWireless4kHandle(const HidDevicePtr& hDevice);
    HidDevicePtr WirelessDevice() const;
    HidDevicePtr Wireless4kDevice() const;

    // Bluetooth LE (null on models without it) and the subscription with the model's callback.
    CBleDevice* BleDevice() { return m_pBleDevice.get(); }
    bool SubscribeBle();
    // Whether the main window found the model's Bluetooth mouse paired when it started the page.
    bool BleMouseFound() const { return m_pInfo->HasBle() && m_found.bBlePaired; }

    int ChargeValue() const { return m_iChargeValue; }
    // The control with the page's prefix before `pszSuffix` ("wireless" -> "ms_10_wireless").
    DuiLib::CControlUI* FindPageControl(const wchar_t* pszSuffix) const;
    template <class T>
    T* FindPageControl(const wchar_t* pszSuffix) const {
        return ControlAs<T>(FindPageControl(pszSuffix));
    }

    // Notification handlers, bound to the twelve notification types by the page message map.
    // By default each runs the page's routes for its type (AddRoute).
    virtual void OnClick(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnSelectChanged(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnItemSelect(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnCheckClick(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnKillFocus(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnTimer(DuiLib::TNotifyUI&) {}
    virtual void OnValueChanged(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnMouseEnter(DuiLib::TNotifyUI&) {}
    virtual void OnMouseLeave(DuiLib::TNotifyUI&) {}
    virtual void OnReturn(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnTextChanged(DuiLib::TNotifyUI& msg) { Route(msg); }
    virtual void OnSetFocus(DuiLib::TNotifyUI& msg) { Route(msg); }

    DUI_DECLARE_MESSAGE_MAP()

protected:
    // ---- What a page overrides ----

    // The page's own handling of the events Deliver* hand on (UI thread).
    virtual void OnDevMonitor(DWORD dwWord);
    virtual void OnDeviceEvent(int iEventWord, int iValue);
    virtual void OnDeviceEvent4k(int iEventWord, int iValue);
    // A Bluetooth notification value (id byte, event code, value low, value high; any size).
    virtual void OnGattValue(const std::vector<uint8_t>& value);
    // One apply, on the worker thread, per WM_PAGE_RUNAPPLY the router forwards.
    virtual void RunApply() {}
    // A save a device event asked for (RequestSave), on the worker thread.
    virtual void RunRequestedSave() {}
    // Shutdown's steps of a page: its own work that may touch the library or the worker, ended
    // first; and what it saves once the worker has stopped.
    virtual void StopOwnWork() {}
    virtual void SaveAtShutdown() {}

    // ---- What a page uses ----

    // Starts the worker with the model's stack size; apply requests then reach RunApply, save
    // requests RunRequestedSave.
    bool StartWorker();
    // Any thread: RunRequestedSave runs on the worker soon, once however often this is asked
    // before it runs. False (nothing asked) without a worker.
    bool RequestSave();
public:
    // Every save asked for with RequestSave has been made (any thread; diagnostics and tests).
    bool SavesSettled() const { return m_uSavesDone.load() == m_uSavesAsked.load(); }
protected:
    // Waits; false at once when the page shuts down (the send loop then stops).
    bool Pause(unsigned uMs) const { return m_worker.Pause(uMs); }
    bool Stopping() const { return m_worker.Stopping(); }
    // The acknowledgement of the frame in flight: open a window before each receiver delivery,
    // then look before each further attempt whether the mouse accepted it.
    CAckWindow::Epoch OpenAckWindow() { return m_ack.Open(); }
    bool AckArrived(CAckWindow::Epoch epoch) const { return m_ack.Acknowledged(epoch); }

    // Loads the model's driver library from the program folder, selects the model's cabled
    // mouse, asks for its device messages (B(N) + 3 and + 4) and opens it. True when the cabled
    // mouse is open; false also when the library or an entry point is missing (the cable link
    // then stays down, nothing else changes). A mouse whose arrival started the page is not
    // opened here: its arrival goes to the device monitor, which opens it once it has settled.
    bool StartDriverLibrary();
    // The same with the library at `strPath`.
    bool StartDriverLibraryFrom(const std::wstring& strPath);
    // Where StartDriverLibrary looks: the program folder and the model's file name.
    virtual std::wstring DriverLibraryPath() const;
    CDriverLibrary& Driver() { return m_driver; }

    // Routes: a notification of `type` from the control named prefix + suffix runs `handler`.
    template <class Page>
    void AddRoute(const wchar_t* pszType, const wchar_t* pszSuffix, void (Page::*pfn)(DuiLib::TNotifyUI&)) {
        Page* pPage = static_cast<Page*>(this);
        AddRouteFn(pszType, pszSuffix, [pPage, pfn](DuiLib::TNotifyUI& msg) { (pPage->*pfn)(msg); });
    }
    // A table of routes of one notification type.
    template <class Page>
    void AddRoutes(const wchar_t* pszType, std::initializer_list<PageRoute<Page>> routes) {
        for (const PageRoute<Page>& route : routes) AddRoute(pszType, route.pszSuffix, route.pfn);
    }
    // The same for a numbered row of controls ("slider_dpi_%d", 1..8): the handler gets the number.
    template <class Page>
    void AddRoutes(const wchar_t* pszType, const wchar_t* pszPattern, int iFirst, int iLast,
                   void (Page::*pfn)(DuiLib::TNotifyUI&, int)) {
        Page* pPage = static_cast<Page*>(this);
        for (int i = iFirst; i <= iLast; ++i)
            AddRouteFn(pszType, NumberedName(pszPattern, i).c_str(), [pPage, pfn, i](DuiLib::TNotifyUI& msg) { (pPage->*pfn)(msg, i); });
    }
    void AddRouteFn(const wchar_t* pszType, const wchar_t* pszSuffix, std::function<void(DuiLib::TNotifyUI&)> handler);
    // The page's eight DPI edits ("edit_dpi_1" .. "edit_dpi_8") keep digits only: their
    // "textchanged" runs OnDpiEditTextChanged. Every page with DPI edits binds it so.
    void AddDpiEditFilter();
    void OnDpiEditTextChanged(DuiLib::TNotifyUI& msg);
    // Runs the route of the notification's type and sender; false when it has none.
    bool Route(DuiLib::TNotifyUI& msg);

    // Modal dialogs of the page: while `show` runs its nested loop, the page's device events
    // wait; they are handled in order from the message loop after the handler that opened the
    // dialog has returned, so it finishes its work on the profile it started with.
    template <class F>
    auto RunModal(F&& show) -> decltype(show()) {
        ModalHold hold(*this);
        return show();
    }
    // The program's message box ("warning_title_text" and the message id), owned by the main
    // window: 1 only for OK.
    UINT ShowMessage(const wchar_t* pszMessageId);
    bool Ask(const wchar_t* pszMessageId) { return ShowMessage(pszMessageId) == 1; }
    // The file dialogs, owned by the main window.
    std::optional<std::wstring> AskOpenPath(const wchar_t* pszFilterName, const wchar_t* pszPattern);
    std::optional<std::wstring> AskSavePath(const wchar_t* pszFilterName, const wchar_t* pszPattern,
                                            const wchar_t* pszDefaultExt);
    bool ModalOpen() const { return m_iModalDepth > 0; }

    // Runs `work` on the UI thread: at once there, posted from any other thread; dropped when
    // the page is gone by then.
    void PostToUi(std::function<void()> work);
    // The page's main-window timers (kind k of its range) and its apply request; any thread.
    void SetPageTimer(unsigned uKind, unsigned uMs);
    void KillPageTimer(unsigned uKind);
    void PostApply();
    // Shows or hides a control of the page; any thread.
    void ShowPageControl(const wchar_t* pszSuffix, bool bVisible);

    // Recomputes m_bOnline from the links the policy counts and posts WM_DEVICELISTCHANGED when
    // it changed, or in every case with bEveryTime.
    void AnnounceLinks(bool bEveryTime);
    bool ComputeOnline() const;

    // Context, given by Attach.
    HWND m_hMainWnd = nullptr;
    DuiLib::CPaintManagerUI* m_pPaintManager = nullptr;
    const HookTable* m_pHookTable = nullptr;

    std::atomic<int> m_bOnline{0};
    std::atomic<int> m_iWiredState{0};
    std::atomic<int> m_bWireless{0};
    std::atomic<int> m_bWireless4k{0};
    std::atomic<int> m_bBLE{0};
    int m_iChargeValue = 0;
    DuiLib::CControlUI* m_pWiredIcon = nullptr;
    DuiLib::CControlUI* m_pWirelessIcon = nullptr;
    DuiLib::CControlUI* m_pWireless4kIcon = nullptr;
    DuiLib::CControlUI* m_pBLEIcon = nullptr;
    HidDevicePtr m_hWirelessDevice;
    HidDevicePtr m_hWireless4kDevice;

private:
    class ModalHold {
    public:
        explicit ModalHold(CPageBase& page);
        ~ModalHold();
        ModalHold(const ModalHold&) = delete;
        ModalHold& operator=(const ModalHold&) = delete;

    private:
        CPageBase& m_page;
    };

    mutable std::mutex m_linkLock;  // guards the link flags' writes with the receiver handles
    std::atomic<int>& Flag(LinkKind kind);
    // Runs a device event now, or keeps it while a dialog is open.
    void Deliver(std::function<void()> event);
    void ScheduleReplay();
    void ReplayHeldEvents();

    int m_iModel;
    const ModelInfo* m_pInfo;
    std::wstring m_strPrefix;
    CPageWorker m_worker;
    CAckWindow m_ack;
    CDriverLibrary m_driver;
    DevicesFound m_found;
    std::unique_ptr<CBleDevice> m_pBleDevice;
    CGattLink m_gatt;
    std::unordered_map<std::wstring, std::function<void(DuiLib::TNotifyUI&)>> m_routes;
    int m_iModalDepth = 0;
    std::deque<std::function<void()>> m_heldEvents;
    bool m_bReplayPosted = false;
    bool m_bShutDown = false;
    std::atomic<bool> m_bSaveRequested{false};
    std::atomic<unsigned> m_uSavesAsked{0};  // saves posted to the worker
    std::atomic<unsigned> m_uSavesDone{0};   // and made there
    std::shared_ptr<CPageBase*> m_pAlive;  // posted work holds a weak reference
};
