#include "placeholder_page.h"

#include "model_table.h"

#include <cwchar>

std::atomic<int> CPlaceholderPage::s_iGattNotifications{0};

CPlaceholderPage::CPlaceholderPage(int iModel) : CPageBase(iModel), m_bHasBle(FindModel(iModel)->HasBle()) {
    if (m_bHasBle) m_BleDevice.SetMatchStrings(kBleVendorMatch, BleProductMatch(iModel));
}

void CALLBACK CPlaceholderPage::OnGattValueChanged(BTH_LE_GATT_EVENT_TYPE, PVOID, PVOID) { ++s_iGattNotifications; }

void CPlaceholderPage::InitPage() {
    CPageBase::InitPage();
    Log(L"InitPage");
}

void CPlaceholderPage::OnWireless4kTimeout() {
    Log(L"OnWireless4kTimeout");
    SetReceiverLink(true, false);
}

void CPlaceholderPage::OnClick(DuiLib::TNotifyUI& msg) {
    Log(L"OnClick " + std::wstring(msg.pSender != nullptr ? msg.pSender->GetName().GetData() : L""));
}

std::wstring CPlaceholderPage::Hex(DWORD value) {
    wchar_t buf[16];
    _snwprintf(buf, 16, L"0x%X", value);
    buf[15] = L'\0';
    return buf;
}
