#include "page_base.h"

#include "app_messages.h"
#include "model_table.h"

using DuiLib::TNotifyUI;

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

CPageBase::CPageBase(int iModel) : m_iModel(iModel), m_strPrefix(ControlPrefix(iModel)) {}

DuiLib::CControlUI* CPageBase::FindPageControl(const wchar_t* pszName) const {
    if (m_pPaintManager == nullptr) return nullptr;
    return m_pPaintManager->FindControl((m_strPrefix + pszName).c_str());
}

void CPageBase::InitPage() {
    m_pWirelessIcon = FindPageControl(L"wireless");
    m_pWireless4kIcon = FindPageControl(L"wireless_4k");
}

void CPageBase::LoadData() {}
void CPageBase::RefreshControls() {}
void CPageBase::UpdateLinkControls() {}
void CPageBase::OnKeyMenuClick(DuiLib::CDuiString) {}
void CPageBase::OnDevMonitor(DWORD) {}
void CPageBase::OnDeviceEvent(int, int) {}
void CPageBase::OnDeviceEvent4k(int, int) {}
void CPageBase::HandleDeviceChange(WPARAM, LPARAM) {}
void CPageBase::HandleTimer(UINT_PTR) {}
void CPageBase::OnWireless4kTimeout() {}

void CPageBase::Shutdown() {
    if (CBleDevice* pBle = BleDevice()) pBle->Unsubscribe();
}

void CPageBase::RecordAcknowledgement(int iEventWord, int iValue) {
    // Only the page's own acknowledgement counts; a low value byte of 0 means the frame was taken.
    if ((iEventWord & 0xFF) == FindModel(m_iModel)->byIdByte) m_bAck = (iValue & 0xFF) == 0 ? 1 : 0;
}

void CPageBase::OnClick(TNotifyUI&) {}
void CPageBase::OnSelectChanged(TNotifyUI&) {}
void CPageBase::OnItemSelect(TNotifyUI&) {}
void CPageBase::OnCheckClick(TNotifyUI&) {}
void CPageBase::OnKillFocus(TNotifyUI&) {}
void CPageBase::OnTimer(TNotifyUI&) {}
void CPageBase::OnValueChanged(TNotifyUI&) {}
void CPageBase::OnMouseEnter(TNotifyUI&) {}
void CPageBase::OnMouseLeave(TNotifyUI&) {}
void CPageBase::OnReturn(TNotifyUI&) {}
void CPageBase::OnTextChanged(TNotifyUI&) {}
void CPageBase::OnSetFocus(TNotifyUI&) {}

bool CPageBase::ComputeOnline() const {
    const PagePolicy& policy = Policy();
    return m_iWiredState == 1 || m_bWireless != 0 || (policy.b4kCountsOnline && m_bWireless4k != 0) ||
           (policy.bBleCountsOnline && m_bBLE != 0);
}

void CPageBase::AnnounceLinkChange() {
    const int bOnline = ComputeOnline() ? 1 : 0;
    const int bWas = m_bOnline.exchange(bOnline);
    if ((Policy().bAnnounceEveryChange || bWas != bOnline) && m_hMainWnd != nullptr)
        PostMessageW(m_hMainWnd, WM_DEVICELISTCHANGED, 0, 0);
}

bool CPageBase::SetReceiverLink(bool b4k, bool bUp) {
    std::atomic<int>& bLink = b4k ? m_bWireless4k : m_bWireless;
    if ((bLink != 0) == bUp) return false;
    bLink = bUp ? 1 : 0;
    if (DuiLib::CControlUI* pIcon = b4k ? m_pWireless4kIcon : m_pWirelessIcon) pIcon->SetVisible(bUp);
    if (Policy().bUpdateLinkControls) UpdateLinkControls();
    AnnounceLinkChange();
    return true;
}

void CPageBase::SetWirelessHandles(const HidDevicePtr& hDevice, const HidDevicePtr& hOSD) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_hWirelessDevice = hDevice;
    m_hWirelessOSD = hOSD;
}

void CPageBase::SetWireless4kHandles(const HidDevicePtr& hDevice, const HidDevicePtr& hOSD) {
    std::lock_guard<std::mutex> guard(m_lock);
    m_hWireless4kDevice = hDevice;
    m_hWireless4kOSD = hOSD;
}

HidDevicePtr CPageBase::WirelessDevice() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_hWirelessDevice;
}

HidDevicePtr CPageBase::Wireless4kDevice() const {
    std::lock_guard<std::mutex> guard(m_lock);
    return m_hWireless4kDevice;
}
