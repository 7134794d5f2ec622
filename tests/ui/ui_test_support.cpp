#include "tests/ui/ui_test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace DuiLib {

void PrintTo(const CDuiString& s, std::ostream* os) {
    int n = ::WideCharToMultiByte(CP_UTF8, 0, s.GetData(), s.GetLength(), nullptr, 0, nullptr, nullptr);
    std::string sUtf8(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, s.GetData(), s.GetLength(), sUtf8.data(), n, nullptr, nullptr);
    *os << '"' << sUtf8 << '"';
}

}  // namespace DuiLib

namespace uitest {

namespace {

// Every test program of the library runs with the test folder as the skin folder.
class UiEnvironment : public ::testing::Environment {
public:
    void SetUp() override {
        DuiLib::CPaintManagerUI::SetInstance(::GetModuleHandleW(nullptr));
        DuiLib::CPaintManagerUI::SetResourceType(1);
        DuiLib::CPaintManagerUI::SetResourcePath(ResourceFolder().c_str());
    }
    void TearDown() override { DuiLib::CPaintManagerUI::Term(); }
};

[[maybe_unused]] ::testing::Environment* const g_pUiEnvironment = ::testing::AddGlobalTestEnvironment(new UiEnvironment);

}  // namespace

std::wstring ResourceFolder() {
    return std::wstring(DuiLib::CPaintManagerUI::GetInstancePath().GetData()) + L"ui_test_res\\";
}

std::wstring Describe(const NotifyRecord& record) {
    std::wstring s = record.sType + L":" + record.sSender;
    if (record.wParam != 0) s += L":" + std::to_wstring(record.wParam);
    return s;
}

CTestWindow::CTestWindow(std::wstring sSkin, std::wstring sClassName)
    : m_sSkin(std::move(sSkin)), m_sClassName(std::move(sClassName)) {}

CTestWindow::~CTestWindow() {
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
}

HWND CTestWindow::CreateAt(int x, int y, int cx, int cy, DWORD dwStyle, HWND hParent) {
    return Create(hParent, m_sClassName.c_str(), dwStyle, 0, x, y, cx, cy);
}

void CTestWindow::InitWindow() {
    m_bInitWindowRan = true;
    m_hWndAtInit = m_hWnd;
}

void CTestWindow::Notify(DuiLib::TNotifyUI& msg) {
    NotifyRecord record;
    record.sType = msg.sType.GetData();
    record.sSender = msg.pSender ? msg.pSender->GetName().GetData() : L"";
    record.sVirtualWnd = msg.sVirtualWnd.GetData();
    record.wParam = msg.wParam;
    record.lParam = msg.lParam;
    m_records.push_back(record);
    if (m_onNotify) m_onNotify(msg);
    WindowImplBase::Notify(msg);
}

void CTestWindow::OnClick(DuiLib::TNotifyUI& msg) {
    m_clicks.push_back(msg.pSender ? msg.pSender->GetName().GetData() : L"");
}

LRESULT CTestWindow::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    if (m_onMessage) return m_onMessage(uMsg, wParam, lParam, bHandled);
    bHandled = FALSE;
    return 0;
}

std::vector<std::wstring> CTestWindow::Sequence(const std::vector<std::wstring>& sIgnore) const {
    std::vector<std::wstring> seq;
    for (const NotifyRecord& record : m_records) {
        if (std::find(sIgnore.begin(), sIgnore.end(), record.sType) != sIgnore.end()) continue;
        seq.push_back(Describe(record));
    }
    return seq;
}

}  // namespace uitest
