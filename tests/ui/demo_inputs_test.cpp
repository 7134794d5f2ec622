// The demo's inputs page: its skin builds the edits, the combo, the slider and both lists (label
// rows and rows of a row skin), and a person can use them with the mouse and the keyboard.
#include <gtest/gtest.h>

#include "tests/ui/demo/demo_window.h"
#include "tests/ui/ui_test_support.h"

using namespace DuiLib;

namespace {

class DemoInputsTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"ui_demo_res\\").GetData());
        ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
        ASSERT_NE(m_wnd.Create(nullptr, CDemoWnd::kTitle, WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 800), nullptr);
        ::SetForegroundWindow(m_wnd);
        ASSERT_TRUE(uikit::Click(m_wnd, L"nav_inputs"));
    }
    void TearDown() override { CPaintManagerUI::SetResourcePath(uitest::ResourceFolder().c_str()); }
    template <typename T = CControlUI>
    T* Find(LPCWSTR pstrName) {
        return static_cast<T*>(m_wnd.PM().FindControl(pstrName));
    }
    CDuiString Status() { return Find(L"status")->GetText(); }

    CDemoWnd m_wnd;
};

TEST_F(DemoInputsTest, ThePageHoldsEveryInputControlFilledIn) {
    EXPECT_EQ(Find<CTabLayoutUI>(L"pages")->GetCurSel(), 3);
    EXPECT_EQ(Find(L"edit_name")->GetText(), L"Profile 1");
    EXPECT_EQ(Find<CComboUI>(L"combo_mode")->GetCount(), 5);
    EXPECT_EQ(Find(L"combo_mode")->GetText(), L"Breathing");
    EXPECT_EQ(Find<CSliderUI>(L"slider_speed")->GetValue(), 12);
    auto* pProfiles = Find<CListUI>(L"list_profiles");
    auto* pActions = Find<CListUI>(L"list_actions");
    EXPECT_EQ(pProfiles->GetCount(), 8);
    EXPECT_EQ(pProfiles->GetCurSel(), 0);
    ASSERT_EQ(pActions->GetCount(), 6);
    CControlUI* pRow = pActions->GetItemAt(0);
    EXPECT_EQ(m_wnd.PM().FindSubControlByName(pRow, L"key")->GetText(), L"Ctrl");
    EXPECT_EQ(m_wnd.PM().FindSubControlByName(pRow, L"action")->GetText(), L"Key down");
    EXPECT_EQ(m_wnd.PM().FindSubControlByName(pRow, L"delay")->GetText(), L"10 ms");
    EXPECT_EQ(Status(), L"selectchanged: nav_inputs");  // nothing on the page announced itself
}

TEST_F(DemoInputsTest, TheControlsWorkWithMouseAndKeyboard) {
    // The DPI edit keeps digits only.
    ASSERT_TRUE(uikit::TypeText(Find(L"edit_dpi"), L"8a00"));
    EXPECT_EQ(Find(L"edit_dpi")->GetText(), L"800");
    uikit::PressKey(m_wnd, VK_RETURN);
    EXPECT_EQ(Status(), L"return: edit_dpi");

    // Tab goes on to the combo; Down picks the next mode.
    uikit::PressKey(m_wnd, VK_TAB);
    uikit::PressKey(m_wnd, VK_DOWN);
    EXPECT_EQ(Find(L"combo_mode")->GetText(), L"Wave");
    EXPECT_EQ(Status(), L"itemselect: combo_mode 2");

    // The slider's label follows a change.
    ASSERT_TRUE(uikit::Click(Find(L"slider_speed")));
    uikit::PressKey(m_wnd, VK_END);
    EXPECT_EQ(Find(L"slider_value")->GetText(), L"20");

    // Rows of both lists.
    auto* pProfiles = Find<CListUI>(L"list_profiles");
    ASSERT_TRUE(uikit::Click(pProfiles->GetItemAt(2)));
    EXPECT_EQ(Status(), L"itemselect: list_profiles 2");
    uikit::PressKey(m_wnd, VK_END);
    EXPECT_EQ(pProfiles->GetCurSel(), 7);
    ASSERT_TRUE(uikit::Click(Find<CListUI>(L"list_actions")->GetItemAt(3)));
    EXPECT_EQ(Status(), L"itemselect: list_actions 3");
}

}  // namespace
