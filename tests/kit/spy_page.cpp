#include "tests/kit/spy_page.h"

#include <cwchar>

void CSpyPage::OnClick(DuiLib::TNotifyUI& msg) {
    Log(L"OnClick " + std::wstring(msg.pSender != nullptr ? msg.pSender->GetName().GetData() : L""));
    Route(msg);
}

void CSpyPage::OnRouted(DuiLib::TNotifyUI& msg) { Log(L"Routed " + std::wstring(msg.pSender->GetName().GetData())); }

void CSpyPage::OnRoutedRow(DuiLib::TNotifyUI& msg, int i) {
    Log(L"Routed " + std::wstring(msg.pSender->GetName().GetData()) + L" " + std::to_wstring(i));
}

void CSpyPage::OnGattValue(const std::vector<uint8_t>& value) {
    std::wstring line = L"OnGattValue";
    wchar_t buf[8];
    for (uint8_t b : value) {
        _snwprintf(buf, 8, L" %02X", b);
        line += buf;
    }
    Event(std::move(line));
}

void CSpyPage::RunApply() {
    if (onApply) onApply();
}

void CSpyPage::Event(std::wstring line) {
    Log(line);
    if (onEvent) onEvent(line);
}

bool CSpyPage::Logged(const std::wstring& line) const {
    for (const std::wstring& call : m_calls)
        if (call == line) return true;
    return false;
}

bool CSpyPage::LoggedPrefix(const std::wstring& prefix) const {
    for (const std::wstring& call : m_calls)
        if (call.rfind(prefix, 0) == 0) return true;
    return false;
}

std::wstring CSpyPage::Hex(DWORD value) {
    wchar_t buf[16];
    _snwprintf(buf, 16, L"0x%X", value);
    buf[15] = L'\0';
    return buf;
}
