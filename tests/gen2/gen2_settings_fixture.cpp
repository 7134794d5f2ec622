#include "tests/gen2/gen2_settings_fixture.h"

#include "core/devices/device_timing.h"
#include "models/data/name_helpers.h"

namespace gen2test {

std::vector<std::wstring> TestGen2Page::ProfileNames() const {
    std::vector<std::wstring> names;
    for (const auto& p : m_store.ProfilesCopy()) names.emplace_back(NameOf(p->szName));
    return names;
}

size_t TestGen2Page::MacroCount() const { return m_store.MacrosCopy().size(); }

std::vector<std::wstring> TestGen2Page::MacroNames() const {
    std::vector<std::wstring> names;
    for (const auto& m : m_store.MacrosCopy()) names.emplace_back(NameOf(m->szName));
    return names;
}

Gen2SettingsTest::Gen2SettingsTest() : PageWorldTest(L"settings_" + pagetest::ProgramName()) {
    // The deferred applies scaled down like the protocol's pauses, long enough apart to tell.
    Timing().uLightApplyDelayMs = 40;
    Timing().uSliderApplyDelayMs = 400;
    Timing().uSoonSliderApplyDelayMs = 200;
}

Gen2SettingsTest::~Gen2SettingsTest() { m_pWnd.reset(); }

void Gen2SettingsTest::Start(int iModel, bool bCable) {
    m_iModel = iModel;
    m_bCable = bCable;
    if (bCable) m_cable = kit::PlugCableMouse(FindModel(iModel)->wCablePid);
    OpenWindow();
}

void Gen2SettingsTest::StartSent(int iModel) {
    Start(iModel);
    ApplyOn(Page(), Hwnd());
    ClearWrites();
}

void Gen2SettingsTest::OpenWindow() {
    const std::wstring strFolder = m_data.Path() + L"\\";
    const int iModel = m_iModel;
    m_pPage = nullptr;
    m_pWnd = std::make_unique<MainWindow>(true, [this, iModel, strFolder](int n) -> std::unique_ptr<CPageBase> {
        if (n != iModel) return nullptr;
        auto pPage = std::make_unique<TestGen2Page>(n, strFolder);
        m_pPage = pPage.get();
        return pPage;
    });
    ASSERT_NE(m_pPage, nullptr);
    if (m_bCable) {
        ASSERT_EQ(Page().WiredState(), 1) << "the cabled mouse opens at set-up";
    }
    // The page's tab in front, as a person would have it.
    if (auto* pTab = ControlAs<DuiLib::COptionUI>(uikit::FindControl(Hwnd(), (L"option_device_" + std::to_wstring(iModel)).c_str())))
        uikit::Click(pTab);
    uikit::PumpUntilIdle(200);
    ClearWrites();
}

void Gen2SettingsTest::Restart() {
    m_pWnd.reset();
    OpenWindow();
}

std::wstring Gen2SettingsTest::ProDataPath() const { return m_data / (DataFolderName(m_iModel) + L"\\pro.data"); }

std::wstring Gen2SettingsTest::MacroDataPath() const { return m_data / (DataFolderName(m_iModel) + L"\\macro.data"); }

DuiLib::CControlUI* Gen2SettingsTest::Control(const std::wstring& strSuffix) {
    DuiLib::CControlUI* pControl = uikit::FindControl(Hwnd(), (ControlPrefix(m_iModel) + strSuffix).c_str());
    EXPECT_NE(pControl, nullptr) << "no control " << std::string(strSuffix.begin(), strSuffix.end());
    return pControl;
}

bool Gen2SettingsTest::Visible(const std::wstring& strSuffix) {
    DuiLib::CControlUI* pControl = Control(strSuffix);
    return pControl != nullptr && pControl->IsVisible();
}

void Gen2SettingsTest::ClickOn(const std::wstring& strSuffix) {
    DuiLib::CControlUI* pControl = Control(strSuffix);
    ASSERT_NE(pControl, nullptr);
    // The settings column scrolls: bring the control into view first, as a person would.
    if (auto* pColumn = ControlAs<DuiLib::CContainerUI>(Control(L"ver_setting"))) {
        uikit::CenterOf(pControl);
        const RECT rcColumn = pColumn->GetPos();
        const RECT rc = pControl->GetPos();
        if (pColumn->IsVisible() && rc.left >= rcColumn.left && rc.right <= rcColumn.right &&
            (rc.top < rcColumn.top || rc.bottom > rcColumn.bottom)) {
            SIZE sz = pColumn->GetScrollPos();
            sz.cy += rc.top - rcColumn.top - 20;
            pColumn->SetScrollPos(sz);
        }
    }
    ASSERT_TRUE(uikit::Click(pControl)) << "clickable: " << std::string(strSuffix.begin(), strSuffix.end());
    uikit::PumpUntilIdle(200);
}

void Gen2SettingsTest::SlideTo(const std::wstring& strSuffix, int iValue) {
    ASSERT_TRUE(pagetest::SlideInSettings(Hwnd(), m_iModel, strSuffix, iValue));
}

void Gen2SettingsTest::TypeInto(const std::wstring& strSuffix, const std::wstring& strText, bool bEnter) {
    ASSERT_TRUE(pagetest::TypeInSettings(Hwnd(), m_iModel, strSuffix, strText, bEnter));
}

void Gen2SettingsTest::ChooseLightMode(int iMode) { ASSERT_TRUE(pagetest::ChooseLightModeByKeys(Hwnd(), m_iModel, iMode)); }

bool Gen2SettingsTest::NoApplyFor(unsigned uMs) {
    const unsigned uBefore = Applies();
    Poll([] { return false; }, uMs);
    return Applies() == uBefore;
}

void Gen2SettingsTest::SettleApplies() {
    for (int i = 0; i < 100 && !NoApplyFor(300); ++i) {
    }
}

}  // namespace gen2test
