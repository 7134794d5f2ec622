#include "tests/kit/page_world_fixture.h"

#include "core/devices/device_timing.h"
#include "core/page/control_cast.h"
#include "models/table/model_table.h"
#include "tests/kit/ui_driver.h"

namespace pagetest {

void PrepareWorld() {
    kit::ResetWorld();
    FreshSettingsFile();
    CMainWnd::s_pfnUiLanguage = [] { return LANGID(0x0409); };
    DeviceTiming& t = Timing();
    t.uReceiverArrivalMs = 30;
    t.uPresenceTimeoutMs = 600000;  // no link times out during a test
    // The protocol's pauses scaled down; the receiver's attempt pause stays long enough for an
    // acknowledgement to come back within it.
    t.uFramePauseMs = 2;
    t.uCableMacroPieceMs = 1;
    t.uWirelessTryPauseMs = 250;
    t.uWirelessMacroPieceMs = 60;
    t.uWireless4kMacroPieceMs = 1;
    t.uCableArrivalMs = 20;
    t.uBleSubscribeMs = 20;
}

PageWorldTest::PageWorldTest(const std::wstring& strFolder) : m_data(strFolder) { PrepareWorld(); }

PageWorldTest::~PageWorldTest() { kit::ResetWorld(); }

void PageWorldTest::ApplyOn(CApplyPage& page, HWND hMainWnd) {
    const unsigned uBefore = page.AppliesRun();
    ::PostMessageW(hMainWnd, PageMsgBase(page.Model()) + WM_PAGE_APPLY_OFFSET, 0, 0);
    ASSERT_TRUE(WaitForApplies(page, uBefore + 1)) << "the apply ended";
}

bool PageWorldTest::WaitForApplies(const CApplyPage& page, unsigned uCount, unsigned uMs) {
    return Poll([&] { return page.AppliesRun() >= uCount; }, uMs);
}

bool PageWorldTest::Poll(const std::function<bool()>& pred, unsigned uMs) {
    // Other threads change what is waited for without always posting to this one: look often.
    const ULONGLONG ullEnd = GetTickCount64() + uMs;
    while (!pred()) {
        if (GetTickCount64() >= ullEnd) return false;
        uikit::PumpUntil(pred, 10);
    }
    return true;
}

void PageWorldTest::PumpUntil(const std::function<bool()>& pred, unsigned uMs) { ASSERT_TRUE(Poll(pred, uMs)); }

std::vector<kit::Bytes> PageWorldTest::WritesTo(int iInterface) {
    std::vector<kit::Bytes> data;
    for (const kit::WrittenReport& r : kit::WritesTo(iInterface)) data.push_back(r.data);
    return data;
}

void PageWorldTest::ClearWrites() { simhid_clear_writes(); }

std::string PageWorldTest::Ids(const std::vector<kit::Bytes>& writes) {
    std::string strIds;
    for (const kit::Bytes& w : writes) {
        if (!strIds.empty()) strIds += ' ';
        strIds += w.empty() ? std::string("--") : testkit::ToHex(w.data(), 1);
    }
    return strIds;
}

std::vector<kit::Bytes> PageWorldTest::Distinct(const std::vector<kit::Bytes>& writes) {
    std::vector<kit::Bytes> distinct;
    for (const kit::Bytes& w : writes)
        if (distinct.empty() || distinct.back() != w) distinct.push_back(w);
    return distinct;
}

std::wstring ProgramName() {
    const std::wstring strPath = GetModuleFilePath(nullptr);
    return strPath.substr(strPath.find_last_of(L"\\/") + 1);
}

namespace {

std::string Narrow(const std::wstring& str) { return std::string(str.begin(), str.end()); }

DuiLib::CControlUI* PageControl(HWND hWnd, int iModel, const std::wstring& strSuffix) {
    return uikit::FindControl(hWnd, (ControlPrefix(iModel) + strSuffix).c_str());
}

}  // namespace

::testing::AssertionResult SlideInSettings(HWND hWnd, int iModel, const std::wstring& strSuffix, int iValue) {
    auto* pSlider = ControlAs<DuiLib::CSliderUI>(PageControl(hWnd, iModel, strSuffix));
    if (pSlider == nullptr) return ::testing::AssertionFailure() << "no slider " << Narrow(strSuffix);
    // The click takes the focus (and moves the thumb where it was pressed).
    if (!ClickInSettings(hWnd, iModel, strSuffix)) return ::testing::AssertionFailure() << "cannot click " << Narrow(strSuffix);
    const bool bFromTop = iValue - pSlider->GetMinValue() > pSlider->GetMaxValue() - iValue;
    uikit::PressKey(hWnd, bFromTop ? VK_END : VK_HOME);
    for (int i = pSlider->GetValue(); i != iValue; i += bFromTop ? -1 : 1) uikit::PressKey(hWnd, bFromTop ? VK_LEFT : VK_RIGHT);
    if (pSlider->GetValue() != iValue)
        return ::testing::AssertionFailure() << Narrow(strSuffix) << " stands at " << pSlider->GetValue();
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult TypeInSettings(HWND hWnd, int iModel, const std::wstring& strSuffix,
                                          const std::wstring& strText, bool bEnter) {
    auto* pEdit = ControlAs<DuiLib::CRichEditUI>(PageControl(hWnd, iModel, strSuffix));
    if (pEdit == nullptr) return ::testing::AssertionFailure() << "no edit " << Narrow(strSuffix);
    // Taking the focus selects the whole text: what is typed replaces it.
    if (pEdit->IsFocused()) ClickInSettings(hWnd, iModel, L"list_profile");
    if (!ClickInSettings(hWnd, iModel, strSuffix)) return ::testing::AssertionFailure() << "cannot click " << Narrow(strSuffix);
    for (int i = 0; i < 8; ++i) uikit::PressKey(::GetFocus(), VK_DELETE);
    if (!uikit::TypeText(pEdit, strText)) return ::testing::AssertionFailure() << "cannot type into " << Narrow(strSuffix);
    if (bEnter)
        uikit::PressKey(hWnd, VK_RETURN);
    else
        ClickInSettings(hWnd, iModel, L"list_profile");  // the edit loses the focus
    uikit::PumpUntilIdle(200);
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult ChooseLightModeByKeys(HWND hWnd, int iModel, int iMode) {
    auto* pCombo = ControlAs<DuiLib::CComboUI>(PageControl(hWnd, iModel, L"combo_light"));
    if (pCombo == nullptr) return ::testing::AssertionFailure() << "no light combo";
    // Closed and focused, the arrow keys choose at once, each raising its own selection.
    pCombo->SetFocus();
    while (pCombo->GetCurSel() < iMode) uikit::PressKey(hWnd, VK_DOWN);
    while (pCombo->GetCurSel() > iMode) uikit::PressKey(hWnd, VK_UP);
    uikit::PumpUntilIdle(200);
    if (pCombo->GetCurSel() != iMode) return ::testing::AssertionFailure() << "the light combo shows " << pCombo->GetCurSel();
    return ::testing::AssertionSuccess();
}

bool ChecksumHolds(const kit::Bytes& frame, size_t uAt) {
    if (uAt < 3 || uAt + 1 >= frame.size()) return false;
    uint16_t wSum = 0;
    for (size_t i = 3; i < uAt; ++i) wSum = static_cast<uint16_t>(wSum + frame[i]);
    return frame[uAt] == (wSum >> 8) && frame[uAt + 1] == (wSum & 0xFF);
}

std::string Slice(const kit::Bytes& bytes, size_t uFrom, size_t uCount) {
    if (uFrom + uCount > bytes.size()) return "(short)";
    return testkit::ToHex(bytes.data() + uFrom, uCount);
}

std::string KeyBytes(const kit::Bytes& frame, int n) { return Slice(frame, 3 + 3 * static_cast<size_t>(n - 1), 3); }

bool PickMacroAfterAnEarlyOk(HWND hPicker, int iRow) {
    if (uikit::Click(hPicker, L"btn_ok")) uikit::PumpUntilIdle();
    if (!::IsWindow(hPicker)) return false;
    auto* pList = dynamic_cast<DuiLib::CListUI*>(uikit::FindControl(hPicker, L"list_macro"));
    if (pList != nullptr && uikit::Click(pList->GetItemAt(iRow)) && uikit::Click(hPicker, L"btn_ok")) return true;
    ::PostMessageW(hPicker, WM_CLOSE, 0, 0);
    return false;
}

std::string BleBroadcastName(int iModel, const std::string& strVendor) {
    const std::wstring strProduct = BleProductMatch(iModel);
    return "\\\\?\\BTHLEDevice#{00001812-0000-1000-8000-00805f9b34fb}_Dev_" + strVendor + "_" +
           std::string(strProduct.begin(), strProduct.end()) +
           "_REV&0001_d0c5f3a1b2c4#8&2c5e1f3a&0&0019#{6e3bb679-4372-40c8-9eaa-4509df260cd8}";
}

}  // namespace pagetest

bool pagetest::ClickInSettings(HWND hWnd, int iModel, const std::wstring& strSuffix) {
    const std::wstring strPrefix = ControlPrefix(iModel);
    DuiLib::CControlUI* pControl = uikit::FindControl(hWnd, (strPrefix + strSuffix).c_str());
    auto* pColumn = ControlAs<DuiLib::CContainerUI>(uikit::FindControl(hWnd, (strPrefix + L"ver_setting").c_str()));
    if (pControl == nullptr) return false;
    DuiLib::CControlUI* pChild = pControl;
    while (pColumn != nullptr && pChild != nullptr && pChild->GetParent() != pColumn) pChild = pChild->GetParent();
    if (pColumn != nullptr && pChild != nullptr) pColumn->EnsureVisible(pChild);
    if (DuiLib::CPaintManagerUI* pManager = uikit::ManagerOf(hWnd)) pManager->UpdateLayout();
    const bool bClicked = uikit::Click(pControl);
    uikit::PumpUntilIdle(200);
    return bClicked;
}
