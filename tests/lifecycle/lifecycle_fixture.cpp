#include "tests/lifecycle/lifecycle_fixture.h"

#include "core/devices/device_timing.h"
#include "tests/kit/file_kit.h"
#include "models/pages/gen1_page.h"
#include "models/pages/gen2_page.h"

namespace lifecycle {

const char* EndingName(Ending eEnding) {
    switch (eEnding) {
        case Ending::TrayExit: return "the tray's Exit";
        case Ending::CloseRequest: return "a close request";
        case Ending::SessionEnd: return "the end of the Windows session";
    }
    return "?";
}

std::unique_ptr<CApplyPage> MakeModelPage(int iModel, const std::wstring& strDataFolder) {
    if (FindGen1Model(iModel) != nullptr) return std::make_unique<CGen1Page>(iModel, strDataFolder);
    return std::make_unique<CGen2Page>(iModel, strDataFolder);
}

LifecycleTest::LifecycleTest() : PageWorldTest(L"lifecycle_" + pagetest::ProgramName()) {
    Timing().uLightApplyDelayMs = kNeverMs;
    Timing().uSliderApplyDelayMs = kNeverMs;
    Timing().uSoonSliderApplyDelayMs = kNeverMs;
}

LifecycleTest::~LifecycleTest() { m_pWnd.reset(); }

void LifecycleTest::Start(int iModel) {
    m_iModel = iModel;
    m_cable = kit::PlugCableMouse(FindModel(iModel)->wCablePid);
    Open();
}

void LifecycleTest::Open() {
    const std::wstring strFolder = m_data.Path() + L"\\";
    m_pPage = nullptr;
    m_pWnd = std::make_unique<MainWindow>(true, [this, strFolder](int n) -> std::unique_ptr<CPageBase> {
        if (n != m_iModel) return nullptr;
        std::unique_ptr<CApplyPage> pPage = MakeModelPage(n, strFolder);
        m_pPage = pPage.get();
        return pPage;
    });
    ASSERT_NE(m_pPage, nullptr);
    ASSERT_EQ(Page().WiredState(), 1) << "the cabled mouse opens at set-up";
    if (auto* pTab = ControlAs<DuiLib::COptionUI>(uikit::FindControl(Hwnd(), (L"option_device_" + std::to_wstring(m_iModel)).c_str())))
        uikit::Click(pTab);
    uikit::PumpUntilIdle(200);
    ApplyOn(Page(), Hwnd());
    SettleApplies();
}

void LifecycleTest::End(Ending eEnding) {
    ASSERT_TRUE(m_pWnd);
    const HWND hWnd = Hwnd();
    switch (eEnding) {
        case Ending::TrayExit:
            (*m_pWnd)->OnMenuClick(L"exit");
            break;
        case Ending::CloseRequest:
            ::SendMessageW(hWnd, WM_CLOSE, 0, 0);
            break;
        case Ending::SessionEnd: {
            EXPECT_EQ(::SendMessageW(hWnd, WM_QUERYENDSESSION, 0, ENDSESSION_LOGOFF), TRUE) << "the session may end";
            ::SendMessageW(hWnd, WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
            const std::vector<uint8_t> atEnd = ProDataBytes();
            m_pPage = nullptr;
            m_pWnd.reset();
            EXPECT_EQ(ProDataBytes(), atEnd) << "pro.data was complete when the session's end returned";
            return;
        }
    }
    PumpUntil([hWnd] { return !::IsWindow(hWnd); }, 5000);
    m_pPage = nullptr;
    m_pWnd.reset();
}

DuiLib::CControlUI* LifecycleTest::Control(const std::wstring& strSuffix) {
    DuiLib::CControlUI* pControl = uikit::FindControl(Hwnd(), (ControlPrefix(m_iModel) + strSuffix).c_str());
    EXPECT_NE(pControl, nullptr) << "no control " << std::string(strSuffix.begin(), strSuffix.end());
    return pControl;
}

std::wstring LifecycleTest::Shown(const std::wstring& strSuffix) {
    DuiLib::CControlUI* pControl = Control(strSuffix);
    if (pControl == nullptr) return L"(none)";
    if (auto* pSlider = ControlAs<DuiLib::CSliderUI>(pControl)) return std::to_wstring(pSlider->GetValue());
    if (auto* pCombo = ControlAs<DuiLib::CComboUI>(pControl)) return std::to_wstring(pCombo->GetCurSel());
    return pControl->GetText().str();
}

std::wstring LifecycleTest::ProDataPath() const { return m_data / (DataFolderName(m_iModel) + L"\\pro.data"); }

std::vector<uint8_t> LifecycleTest::ProDataBytes() const { return testkit::ReadBytes(ProDataPath()); }

void LifecycleTest::SettleApplies() {
    for (int i = 0; i < 100; ++i) {
        const unsigned uBefore = Page().AppliesRun();
        Poll([] { return false; }, 300);
        if (Page().AppliesRun() == uBefore) return;
    }
}

}  // namespace lifecycle
