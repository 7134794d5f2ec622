// The demo window: its skin builds every control of the library, and the controls work as a
// person uses them.
#include <gtest/gtest.h>

#include "tests/ui/demo/demo_window.h"
#include "tests/ui/ui_test_support.h"

using namespace DuiLib;

namespace {

class DemoSkinTest : public ::testing::Test {
protected:
    void SetUp() override {
        CPaintManagerUI::SetResourcePath((CPaintManagerUI::GetInstancePath() + L"ui_demo_res\\").GetData());
        ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
        ASSERT_NE(m_wnd.Create(nullptr, CDemoWnd::kTitle, WS_POPUP | WS_VISIBLE, 0, 0, 0, 800, 800), nullptr);
    }
    void TearDown() override { CPaintManagerUI::SetResourcePath(uitest::ResourceFolder().c_str()); }
    CControlUI* Find(LPCWSTR pstrName) { return m_wnd.PM().FindControl(pstrName); }

    CDemoWnd m_wnd;
};

TEST_F(DemoSkinTest, EveryControlIsThereAndLooksAsSkinned) {
    for (LPCWSTR pstrName : {L"title", L"close_btn", L"nav_controls", L"nav_scrolling", L"nav_about", L"pages",
                             L"btn_apply", L"btn_reset", L"btn_disabled", L"radio_slow", L"radio_medium", L"radio_fast",
                             L"check_startup", L"check_feedback", L"battery", L"battery_text", L"status", L"row_24"}) {
        EXPECT_NE(Find(pstrName), nullptr) << "missing control";
    }
    EXPECT_EQ(Find(L"title")->GetText(), L"Skin library demo");
    RECT rc;
    ::GetWindowRect(m_wnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 580);
    const uikit::Capture cap = uikit::CaptureWindow(m_wnd);
    m_wnd.PM().UpdateLayout();
    const RECT& rcBattery = Find(L"battery")->GetPos();
    // The bar shows its fore image over 64 % of its length and its track after that.
    const uint32_t filled = cap.At(rcBattery.left + 40, (rcBattery.top + rcBattery.bottom) / 2);
    const uint32_t track = cap.At(rcBattery.right - 20, (rcBattery.top + rcBattery.bottom) / 2);
    EXPECT_GT(filled & 0xFF, 0xD0u);  // blue
    EXPECT_EQ(track, 0x2A2F37u);
    EXPECT_EQ(cap.At(rc.right - rc.left - 30, 300), 0x15181Du);  // page background
}

TEST_F(DemoSkinTest, ControlsWorkWithMouseAndKeyboard) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_apply"));
    EXPECT_EQ(static_cast<CProgressUI*>(Find(L"battery"))->GetValue(), 74);
    EXPECT_EQ(Find(L"battery_text")->GetText(), L"74%");
    EXPECT_EQ(Find(L"status")->GetText(), L"click: btn_apply");
    uikit::PressKey(m_wnd, VK_TAB);  // focus moves on to Reset
    uikit::PressKey(m_wnd, VK_SPACE);
    EXPECT_EQ(static_cast<CProgressUI*>(Find(L"battery"))->GetValue(), 0);
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_disabled"));
    EXPECT_EQ(Find(L"status")->GetText(), L"click: btn_reset");
    ASSERT_TRUE(uikit::Click(m_wnd, L"radio_fast"));
    EXPECT_FALSE(static_cast<COptionUI*>(Find(L"radio_medium"))->IsSelected());
    ASSERT_TRUE(uikit::Click(m_wnd, L"check_startup"));
    EXPECT_FALSE(static_cast<CCheckBoxUI*>(Find(L"check_startup"))->GetCheck());

    ASSERT_TRUE(uikit::Click(m_wnd, L"nav_scrolling"));
    EXPECT_EQ(static_cast<CTabLayoutUI*>(Find(L"pages"))->GetCurSel(), 1);
    EXPECT_FALSE(uikit::Click(m_wnd, L"btn_apply"));
    EXPECT_FALSE(uikit::Click(m_wnd, L"row_24"));
    ASSERT_TRUE(uikit::Wheel(Find(L"row_3"), -WHEEL_DELTA * 20));
    EXPECT_TRUE(uikit::Click(m_wnd, L"row_24"));

    ASSERT_TRUE(uikit::Click(m_wnd, L"close_btn"));
    uikit::PumpUntilIdle();
    EXPECT_EQ(m_wnd.GetHWND(), nullptr);
}

}  // namespace
