#include "core/page/page_base.h"

#include "core/dialogs/msg_wnd.h"
#include "core/dialogs/file_dialog.h"
#include "core/dialogs/rich_edit_filter.h"
#include "core/page/page_messages.h"
#include "core/devices/receiver_manager.h"
#include "core/util/folders.h"

#include <cwchar>

using DuiLib::CControlUI;
using DuiLib::TNotifyUI;
using DuiLib::CRichEditUI;

DUI_BEGIN_MESSAGE_MAP(CPageBase, DuiLib::CNotifyPump)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_SELECTCHANGED, OnSelectChanged)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_ITEMSELECT, OnItemSelect)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_CHECKCLICK, OnCheckClick)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_KILLFOCUS, OnKillFocus)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_TIMER, OnTimer)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_VALUECHANGED, OnValueChanged)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_MOUSEENTER, OnMouseEnter)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_MOUSELEAVE, OnMouseLeave)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_RETURN, OnReturn)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_TEXTCHANGED, OnTextChanged)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_SETFOCUS, OnSetFocus)
DUI_END_MESSAGE_MAP()

// ---- Links ----

bool LinkSnapshot::Up(LinkKind kind) const {
    switch (kind) {
        case LinkKind::Cable: return bCable;
        case LinkKind::Wireless: return bWireless;
        case LinkKind::Wireless4k: return bWireless4k;
        case LinkKind::Ble: return bBle;
    }
    return false;
}

std::optional<LinkKind> LinkSnapshot::FirstUp(std::initializer_list<LinkKind> order) const {
    for (LinkKind kind : order)
        if (Up(kind)) return kind;
    return std::nullopt;
}

CPageBase::CPageBase(int iModel)
    : m_iModel(iModel),
      m_pInfo(FindModel(iModel) != nullptr ? FindModel(iModel) : FindModel(1)),
      m_strPrefix(ControlPrefix(iModel)),
      m_gatt(iModel),
      m_pAlive(std::make_shared<CPageBase*>(this)) {
    if (m_pInfo->HasBle()) m_pBleDevice = std::make_unique<CBleDevice>();
}

CPageBase::~CPageBase() {
    // Only what is left of the runtime: the worker is joined by its own destructor.
    m_gatt.Close();
}

void CPageBase::Attach(const PageContext& context) {
    m_hMainWnd = context.hMainWnd;
    m_pPaintManager = context.pPaintManager;
    m_pHookTable = context.pHookTable;
    m_pWiredIcon = FindPageControl(L"wired");
    m_pWirelessIcon = FindPageControl(L"wireless");
    m_pWireless4kIcon = FindPageControl(L"wireless_4k");
    m_pBLEIcon = FindPageControl(L"BLE");
    if (m_pBleDevice) m_gatt.Open(*this);
}

CControlUI* CPageBase::FindPageControl(const wchar_t* pszSuffix) const {
    if (m_pPaintManager == nullptr || pszSuffix == nullptr) return nullptr;
    return m_pPaintManager->FindControl((m_strPrefix + pszSuffix).c_str());
}

void CPageBase::OnKeyMenuClick(DuiLib::CDuiString) {}
void CPageBase::HandleDeviceChange(WPARAM, LPARAM) {}
void CPageBase::OnWireless4kTimeout() { SetLink(LinkKind::Wireless4k, false); }
void CPageBase::OnDevMonitor(DWORD) {}
void CPageBase::OnDeviceEvent(int, int) {}
void CPageBase::OnDeviceEvent4k(int, int) {}
void CPageBase::OnGattValue(const std::vector<uint8_t>&) {}

void CPageBase::Shutdown(DWORD dwWorkerWaitMs) {
    if (m_bShutDown) return;
    m_bShutDown = true;
    m_heldEvents.clear();
    StopOwnWork();
    // The worker next: it is the one that sends through the library and the receivers.
    const bool bJoined = m_worker.Stop(dwWorkerWaitMs);
    m_gatt.Close();
    if (m_pBleDevice) m_pBleDevice->Unsubscribe();
    // A worker held inside the library's call keeps the library.
    if (bJoined) m_driver.Unload();
    SaveAtShutdown();
}

// ---- Device events ----

void CPageBase::Deliver(std::function<void()> event) {
    if (m_bShutDown) return;
    // Behind events still held, a new one waits its turn too.
    if (m_iModalDepth > 0 || !m_heldEvents.empty()) {
        m_heldEvents.push_back(std::move(event));
        return;
    }
    event();
}

void CPageBase::DeliverDevMonitor(DWORD dwWord) {
    Deliver([this, dwWord] { OnDevMonitor(dwWord); });
}

void CPageBase::DeliverDeviceEvent(int iEventWord, int iValue) {
    Deliver([this, iEventWord, iValue] { OnDeviceEvent(iEventWord, iValue); });
}

void CPageBase::DeliverDeviceEvent4k(int iEventWord, int iValue) {
    Deliver([this, iEventWord, iValue] { OnDeviceEvent4k(iEventWord, iValue); });
}

void CPageBase::DeliverGattValue(std::vector<uint8_t> value) {
    Deliver([this, value = std::move(value)] { OnGattValue(value); });
}

void CPageBase::RecordAcknowledgement(int iEventWord, int iValue) {
    // Only the page's own acknowledgement counts; a value byte of 0 means the frame was taken.
    if ((iEventWord & 0xFF) != m_pInfo->byIdByte || ((iEventWord >> 8) & 0xFF) != kAcknowledgeEvent) return;
    m_ack.Record((iValue & 0xFF) == 0);
}

CPageBase::ModalHold::ModalHold(CPageBase& page) : m_page(page) { ++m_page.m_iModalDepth; }

CPageBase::ModalHold::~ModalHold() {
    if (--m_page.m_iModalDepth == 0 && !m_page.m_heldEvents.empty()) m_page.ScheduleReplay();
}

void CPageBase::ScheduleReplay() {
    // The handler that opened the dialog goes on with what it was doing first: the held events
    // follow from the message loop, once it has returned.
    if (m_bReplayPosted) return;
    m_bReplayPosted = true;
    std::weak_ptr<CPageBase*> alive = m_pAlive;
    const bool bPosted = DuiLib::CPaintManagerUI::RunOnUiThread([alive] {
        if (std::shared_ptr<CPageBase*> page = alive.lock()) (*page)->ReplayHeldEvents();
    });
    if (!bPosted) ReplayHeldEvents();
}

void CPageBase::ReplayHeldEvents() {
    m_bReplayPosted = false;
    // An event handled here may open a dialog again; what arrives meanwhile waits for that one.
    while (m_iModalDepth == 0 && !m_heldEvents.empty()) {
        std::function<void()> event = std::move(m_heldEvents.front());
        m_heldEvents.pop_front();
        event();
    }
}

UINT CPageBase::ShowMessage(const wchar_t* pszMessageId) {
    return RunModal([&] { return RunMsgWnd(m_hMainWnd, pszMessageId); });
}

namespace {
// The file dialogs answer an empty path when the user cancels.
std::optional<std::wstring> Chosen(std::wstring strPath) {
    if (strPath.empty()) return std::nullopt;
    return strPath;
}
}  // namespace

std::optional<std::wstring> CPageBase::AskOpenPath(const wchar_t* pszFilterName, const wchar_t* pszPattern) {
    return RunModal([&] { return Chosen(AskFilePath(m_hMainWnd, {false, pszFilterName, pszPattern, L"", L""})); });
}

std::optional<std::wstring> CPageBase::AskSavePath(const wchar_t* pszFilterName, const wchar_t* pszPattern,
                                                    const wchar_t* pszDefaultExt) {
    return RunModal([&] { return Chosen(AskFilePath(m_hMainWnd, {true, pszFilterName, pszPattern, pszDefaultExt, L""})); });
}

// ---- Notification routes ----

void CPageBase::AddDpiEditFilter() {
    for (int i = 1; i <= 8; ++i)
        AddRouteFn(DUI_MSGTYPE_TEXTCHANGED, NumberedName(L"edit_dpi_%d", i).c_str(), [this](TNotifyUI& msg) { OnDpiEditTextChanged(msg); });
}

void CPageBase::OnDpiEditTextChanged(TNotifyUI& msg) {
    if (auto* pEdit = ControlAs<CRichEditUI>(msg.pSender)) FilterDigits(pEdit, pEdit->GetText());
}

void CPageBase::AddRouteFn(const wchar_t* pszType, const wchar_t* pszSuffix, std::function<void(TNotifyUI&)> handler) {
    m_routes[std::wstring(pszType) + L'|' + m_strPrefix + pszSuffix] = std::move(handler);
}

bool CPageBase::Route(TNotifyUI& msg) {
    if (msg.pSender == nullptr || m_routes.empty()) return false;
    const auto it = m_routes.find(std::wstring(msg.sType.GetData()) + L'|' + msg.pSender->GetName().GetData());
    if (it == m_routes.end()) return false;
    it->second(msg);
    return true;
}

// ---- Worker and driver library ----

bool CPageBase::StartWorker() {
    return m_worker.Start(PageWorkerStackSize(m_iModel),
                          {{PageMsgBase(m_iModel) + WM_PAGE_RUNAPPLY_OFFSET, [this] { RunApply(); }},
                           {PageMsgBase(m_iModel) + WM_PAGE_RUNSAVE_OFFSET, [this] {
                                m_bSaveRequested = false;
                                RunRequestedSave();
                                ++m_uSavesDone;
                            }}});
}

bool CPageBase::RequestSave() {
    const DWORD dwWorker = m_worker.ThreadId();
    if (dwWorker == 0 || m_worker.Stopping()) return false;
    if (m_bSaveRequested.exchange(true)) return true;  // one already waits for the worker
    ++m_uSavesAsked;
    if (::PostThreadMessageW(dwWorker, PageMsgBase(m_iModel) + WM_PAGE_RUNSAVE_OFFSET, 0, 0)) return true;
    --m_uSavesAsked;
    m_bSaveRequested = false;
    return false;
}

std::wstring CPageBase::DriverLibraryPath() const { return GetExeFolder() + DriverLibraryName(m_iModel); }

bool CPageBase::StartDriverLibrary() { return StartDriverLibraryFrom(DriverLibraryPath()); }

bool CPageBase::StartDriverLibraryFrom(const std::wstring& strPath) {
    if (!m_driver.Load(strPath)) return false;
    m_driver.SetVidPid(kMouseVendorId, m_pInfo->wCablePid);
    m_driver.OpenDevMonitor(m_hMainWnd, PageMsgBase(m_iModel) + WM_PAGE_DEVDATA_OFFSET,
                            PageMsgBase(m_iModel) + WM_PAGE_DEVLINK_OFFSET);
    if (m_found.bCableArriving) {
        // The monitor found the mouse there and will not announce it: the arrival is told here.
        m_found.bCableArriving = false;
        DeliverDevMonitor(kCableArrivedWord);
        return false;
    }
    return m_driver.OpenFeatureDevice();
}

// ---- UI thread ----

void CPageBase::PostToUi(std::function<void()> work) {
    if (DuiLib::CPaintManagerUI::IsUiThread()) {
        work();
        return;
    }
    std::weak_ptr<CPageBase*> alive = m_pAlive;
    DuiLib::CPaintManagerUI::RunOnUiThread([alive, work = std::move(work)] {
        if (alive.lock()) work();
    });
}

void CPageBase::SetPageTimer(unsigned uKind, unsigned uMs) {
    PostToUi([this, uKind, uMs] {
        if (m_hMainWnd == nullptr) return;
        ::KillTimer(m_hMainWnd, PageTimer(m_iModel, uKind));
        ::SetTimer(m_hMainWnd, PageTimer(m_iModel, uKind), uMs, nullptr);
    });
}

void CPageBase::KillPageTimer(unsigned uKind) {
    PostToUi([this, uKind] {
        if (m_hMainWnd != nullptr) ::KillTimer(m_hMainWnd, PageTimer(m_iModel, uKind));
    });
}

void CPageBase::PostApply() {
    if (m_hMainWnd != nullptr) ::PostMessageW(m_hMainWnd, PageMsgBase(m_iModel) + WM_PAGE_APPLY_OFFSET, 0, 0);
}

void CPageBase::ShowPageControl(const wchar_t* pszSuffix, bool bVisible) {
    std::wstring strSuffix = pszSuffix;
    PostToUi([this, strSuffix, bVisible] {
        if (CControlUI* pControl = FindPageControl(strSuffix.c_str())) pControl->SetVisible(bVisible);
    });
}

void CPageBase::RunStandardTimer(unsigned uKind) {
    const UINT_PTR uId = PageTimer(m_iModel, uKind);
    switch (uKind) {
        case TIMER_WIRELESS_TIMEOUT:
            ::KillTimer(m_hMainWnd, uId);
            SetLink(LinkKind::Wireless, false);
            return;
        case TIMER_APPLY:
            ::KillTimer(m_hMainWnd, uId);
            PostApply();
            return;
        case TIMER_SETTINGS_SCROLL:
            ::KillTimer(m_hMainWnd, uId);
            if (auto* pColumn = FindPageControl<DuiLib::CContainerUI>(L"ver_setting")) pColumn->EndDown();
            return;
        case TIMER_CHARGING:
            if (auto* pBar = FindPageControl<DuiLib::CProgressUI>(L"progress_power")) pBar->SetValue(m_iChargeValue);
            m_iChargeValue += 2;
            if (m_iChargeValue > 100) m_iChargeValue = 0;
            return;
        case TIMER_WIRELESS4K_TIMEOUT:
            ::KillTimer(m_hMainWnd, uId);
            OnWireless4kTimeout();
            return;
        case TIMER_BLE_SUBSCRIBE:
            ::KillTimer(m_hMainWnd, uId);
            SubscribeBle();
            return;
        default:
            return;
    }
}

// ---- Links ----

std::atomic<int>& CPageBase::Flag(LinkKind kind) {
    switch (kind) {
        case LinkKind::Cable: return m_iWiredState;
        case LinkKind::Wireless: return m_bWireless;
        case LinkKind::Wireless4k: return m_bWireless4k;
        case LinkKind::Ble: break;
    }
    return m_bBLE;
}

bool CPageBase::LinkUp(LinkKind kind) const {
    switch (kind) {
        case LinkKind::Cable: return m_iWiredState == 1;
        case LinkKind::Wireless: return m_bWireless != 0;
        case LinkKind::Wireless4k: return m_bWireless4k != 0;
        case LinkKind::Ble: return m_bBLE != 0;
    }
    return false;
}

LinkSnapshot CPageBase::Links() const {
    std::lock_guard guard(m_linkLock);
    LinkSnapshot links;
    links.bCable = m_iWiredState == 1;
    links.bWireless = m_bWireless != 0;
    links.bWireless4k = m_bWireless4k != 0;
    links.bBle = m_bBLE != 0;
    links.hWirelessDevice = m_hWirelessDevice;
    links.hWireless4kDevice = m_hWireless4kDevice;
    return links;
}

CControlUI* CPageBase::LinkIndicator(LinkKind kind) const {
    switch (kind) {
        case LinkKind::Cable: return m_pWiredIcon;
        case LinkKind::Wireless: return m_pWirelessIcon;
        case LinkKind::Wireless4k: return m_pWireless4kIcon;
        case LinkKind::Ble: return m_pBLEIcon;
    }
    return nullptr;
}

bool CPageBase::ComputeOnline() const {
    const PagePolicy& policy = Policy();
    return m_iWiredState == 1 || m_bWireless != 0 || (policy.b4kCountsOnline && m_bWireless4k != 0) ||
           (policy.bBleCountsOnline && m_bBLE != 0);
}

void CPageBase::AnnounceLinks(bool bEveryTime) {
    const int bOnline = ComputeOnline() ? 1 : 0;
    const int bWas = m_bOnline.exchange(bOnline);
    if ((bEveryTime || bWas != bOnline) && m_hMainWnd != nullptr) ::PostMessageW(m_hMainWnd, WM_DEVICELISTCHANGED, 0, 0);
}

bool CPageBase::SetLink(LinkKind kind, bool bUp) {
    {
        std::lock_guard guard(m_linkLock);
        std::atomic<int>& flag = Flag(kind);
        // The cable's state remembers a removal (2) apart from never having been seen (0).
        const int iWanted = kind == LinkKind::Cable ? (bUp ? 1 : 2) : (bUp ? 1 : 0);
        if (kind == LinkKind::Cable ? flag == iWanted : (flag != 0) == bUp) return false;
        flag = iWanted;
    }
    if (kind == LinkKind::Ble && m_pBleDevice) {
        if (bUp) {
            m_pBleDevice->SetMatchStrings(kBleVendorMatch, BleProductMatch(m_iModel));
        } else {
            m_pBleDevice->ClearMatchStrings();
            m_pBleDevice->Unsubscribe();
        }
    }
    if (CControlUI* pIndicator = LinkIndicator(kind)) pIndicator->SetVisible(bUp);
    const PagePolicy& policy = Policy();
    const bool bBleDown = kind == LinkKind::Ble && !bUp;
    if (kind == LinkKind::Cable || (policy.bUpdateLinkControls && !bBleDown)) UpdateLinkControls();
    AnnounceLinks(policy.bAnnounceEveryChange && kind != LinkKind::Cable && !bBleDown);
    return true;
}

void CPageBase::StopCountingCable() {
    std::lock_guard guard(m_linkLock);
    m_iWiredState = 2;
}

void CPageBase::SetWirelessHandle(const HidDevicePtr& hDevice) {
    std::lock_guard guard(m_linkLock);
    m_hWirelessDevice = hDevice;
}

void CPageBase::SetWireless4kHandle(const HidDevicePtr& hDevice) {
    std::lock_guard guard(m_linkLock);
    m_hWireless4kDevice = hDevice;
}

HidDevicePtr CPageBase::WirelessDevice() const {
    std::lock_guard guard(m_linkLock);
    return m_hWirelessDevice;
}

HidDevicePtr CPageBase::Wireless4kDevice() const {
    std::lock_guard guard(m_linkLock);
    return m_hWireless4kDevice;
}

bool CPageBase::SubscribeBle() {
    if (!m_pBleDevice || m_pBleDevice->IsSubscribed() || !m_gatt.IsOpen()) return false;
    m_pBleDevice->Subscribe(m_gatt.Callback());
    return m_pBleDevice->IsSubscribed();
}
