// The notifications a person's actions raise, in order (type and sender), and the calls that
// change state silently or with a notification.
#include <gtest/gtest.h>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;
using Seq = std::vector<std::wstring>;

namespace {

constexpr wchar_t kSkin[] =
    L"<Window size=\"420,300\">"
    L"<VerticalLayout name=\"root\" bkcolor=\"#FF000000\">"
    L" <HorizontalLayout name=\"buttons\" height=\"40\">"
    L"  <Button name=\"btn_a\" width=\"70\" text=\"a\"/>"
    L"  <Button name=\"btn_b\" width=\"70\" text=\"b\"/>"
    L"  <Button name=\"btn_disabled\" width=\"70\" enabled=\"false\"/>"
    L"  <Button name=\"btn_hidden\" width=\"70\" visible=\"false\"/>"
    L"  <Label name=\"label\" width=\"70\" text=\"label\"/>"
    L" </HorizontalLayout>"
    L" <HorizontalLayout name=\"choices\" height=\"40\">"
    L"  <Option name=\"opt_1\" width=\"60\" group=\"g\" selected=\"true\"/>"
    L"  <Option name=\"opt_2\" width=\"60\" group=\"g\"/>"
    L"  <Option name=\"opt_3\" width=\"60\" group=\"g\"/>"
    L"  <Option name=\"opt_free\" width=\"60\"/>"
    L"  <CheckBox name=\"check\" width=\"60\"/>"
    L" </HorizontalLayout>"
    L" <TabLayout name=\"tabs\" height=\"60\">"
    L"  <VerticalLayout name=\"page_0\"><Button name=\"page0_btn\" height=\"30\"/></VerticalLayout>"
    L"  <VerticalLayout name=\"page_1\"><Button name=\"page1_btn\" height=\"30\"/></VerticalLayout>"
    L" </TabLayout>"
    L" <VerticalLayout name=\"list\"/>"
    L"</VerticalLayout></Window>";

class NotifyTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(m_wnd.CreateAt(50, 50, 420, 300), nullptr);
        ::SetForegroundWindow(m_wnd);
        ::SetFocus(m_wnd);
        uikit::PumpUntilIdle();
        // Wine moves the pointer into a new window where an earlier window last saw it, which
        // hovers the control there; each test starts with the pointer outside.
        ::SendMessageW(m_wnd, WM_MOUSELEAVE, 0, 0);
        m_wnd.ClearRecords();
    }
    COptionUI* Option(LPCWSTR pstrName) { return m_wnd.Find<COptionUI>(pstrName); }

    CTestWindow m_wnd{kSkin};
};

TEST_F(NotifyTest, ClickRaisesSetfocusThenClickAndReachesOnClick) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_a"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:btn_a", L"click:btn_a"}));
    EXPECT_EQ(m_wnd.m_clicks, (Seq{L"btn_a"}));
    EXPECT_EQ(m_wnd.PM().GetFocus(), m_wnd.Find(L"btn_a"));
}

TEST_F(NotifyTest, KillfocusOfTheOldControlComesBeforeTheNextClick) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_a"));
    m_wnd.ClearRecords();
    // What the old control's handler sees when it runs: the new control has not acted yet.
    Seq seenAtKillfocus;
    m_wnd.m_onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_KILLFOCUS) seenAtKillfocus = m_wnd.Sequence();
    };
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_b"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:btn_a", L"setfocus:btn_b", L"click:btn_b"}));
    EXPECT_EQ(seenAtKillfocus, (Seq{L"killfocus:btn_a"}));
    // Clicking something that takes no focus still ends the old focus.
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(m_wnd, L"label"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:btn_b"}));
    EXPECT_EQ(m_wnd.PM().GetFocus(), nullptr);
}

TEST_F(NotifyTest, DisabledHiddenAndAbandonedPressesRaiseNoClick) {
    EXPECT_TRUE(uikit::Click(m_wnd, L"btn_disabled"));
    EXPECT_FALSE(uikit::Click(m_wnd, L"btn_hidden"));
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    // Pressed on one button, released over another: no click anywhere.
    ASSERT_TRUE(uikit::PressAndReleaseAt(m_wnd.Find(L"btn_a"), uikit::CenterOf(m_wnd.Find(L"btn_b"))));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:btn_a"}));
    EXPECT_TRUE(m_wnd.m_clicks.empty());
    // Enabled again, the button clicks.
    m_wnd.Find(L"btn_disabled")->SetEnabled(true);
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_disabled"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:btn_a", L"setfocus:btn_disabled", L"click:btn_disabled"}));
}

TEST_F(NotifyTest, HoverEntersAndLeavesIncludingLeavingTheWindow) {
    ASSERT_TRUE(uikit::HoverOver(m_wnd.Find(L"btn_a")));
    ASSERT_TRUE(uikit::HoverOver(m_wnd.Find(L"btn_b")));
    ::SendMessageW(m_wnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(m_wnd.Sequence({L"windowinit"}),
              (Seq{L"mouseenter:btn_a", L"mouseleave:btn_a", L"mouseenter:btn_b", L"mouseleave:btn_b"}));
    EXPECT_EQ(m_wnd.PM().GetHoverControl(), nullptr);
}

TEST_F(NotifyTest, KeyboardActivatesAndMovesFocus) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_a"));
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_SPACE);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"click:btn_a"}));
    m_wnd.ClearRecords();
    // Tab skips the disabled and the hidden button and the label.
    uikit::PressKey(m_wnd, VK_TAB);
    uikit::PressKey(m_wnd, VK_TAB);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:btn_a", L"setfocus:btn_b", L"killfocus:btn_b", L"setfocus:opt_1"}));
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_RETURN);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"click:opt_1"}));  // already selected in its group
}

TEST_F(NotifyTest, UserSelectsAnOptionOfAGroupOthersDeselectSilently) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"opt_2"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:opt_2", L"click:opt_2", L"selectchanged:opt_2"}));
    EXPECT_TRUE(Option(L"opt_2")->IsSelected());
    EXPECT_FALSE(Option(L"opt_1")->IsSelected());
    EXPECT_FALSE(Option(L"opt_3")->IsSelected());
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(m_wnd, L"opt_2"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"click:opt_2"}));
    EXPECT_TRUE(Option(L"opt_2")->IsSelected());
}

TEST_F(NotifyTest, SelectedFromCodeNotifiesOnlyWhenAskedAndChanged) {
    struct Step {
        LPCWSTR pstrOption;
        bool bSelect;
        bool bNotify;
        Seq expected;
    } steps[] = {
        {L"opt_3", true, false, {}},
        {L"opt_1", true, true, {L"selectchanged:opt_1"}},
        {L"opt_1", true, true, {}},  // no change, nothing raised
        {L"opt_1", false, true, {L"selectchanged:opt_1"}},
        {L"opt_2", true, false, {}},
        {L"opt_2", false, false, {}},
    };
    for (const Step& step : steps) {
        m_wnd.ClearRecords();
        Option(step.pstrOption)->Selected(step.bSelect, step.bNotify);
        // Delivered before Selected returned: no message pumping in between.
        EXPECT_EQ(m_wnd.Sequence(), step.expected) << step.pstrOption;
        EXPECT_EQ(Option(step.pstrOption)->IsSelected(), step.bSelect);
    }
    // Selecting opt_1 with a notification deselected opt_3 without one.
    EXPECT_FALSE(Option(L"opt_3")->IsSelected());
}

TEST_F(NotifyTest, UngroupedOptionToggles) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"opt_free"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"opt_free"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:opt_free", L"click:opt_free", L"selectchanged:opt_free", L"click:opt_free",
                                     L"selectchanged:opt_free"}));
    EXPECT_FALSE(Option(L"opt_free")->IsSelected());
    EXPECT_TRUE(Option(L"opt_1")->IsSelected());  // other groups are untouched
}

TEST_F(NotifyTest, CheckBoxClickReportsTheNewStateAndSetCheckIsSilent) {
    auto* pCheck = m_wnd.Find<CCheckBoxUI>(L"check");
    std::vector<bool> statesSeen;
    m_wnd.m_onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_CHECKCLICK) statesSeen.push_back(pCheck->GetCheck());
    };
    ASSERT_TRUE(uikit::Click(pCheck));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:check", L"click:check", L"checkclick:check"}));
    EXPECT_EQ(statesSeen, (std::vector<bool>{true}));
    m_wnd.ClearRecords();
    pCheck->SetCheck(false);
    pCheck->SetCheck(true);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    // A handler that checks the box again inside its own checkclick is not re-entered.
    m_wnd.m_onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_CHECKCLICK) {
            statesSeen.push_back(pCheck->GetCheck());
            pCheck->SetCheck(true);
        }
    };
    statesSeen.clear();
    ASSERT_TRUE(uikit::Click(pCheck));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"click:check", L"checkclick:check"}));
    EXPECT_EQ(statesSeen, (std::vector<bool>{false}));
    EXPECT_TRUE(pCheck->GetCheck());
}

TEST_F(NotifyTest, TabSwitchShowsOnePageAndMovesFocusOut) {
    auto* pTabs = m_wnd.Find<CTabLayoutUI>(L"tabs");
    EXPECT_EQ(pTabs->GetCurSel(), 0);
    EXPECT_TRUE(m_wnd.Find(L"page_0")->IsVisible());
    EXPECT_FALSE(m_wnd.Find(L"page_1")->IsVisible());
    EXPECT_FALSE(uikit::Click(m_wnd, L"page1_btn"));
    ASSERT_TRUE(pTabs->SelectItem(1));
    EXPECT_FALSE(m_wnd.Find(L"page_0")->IsVisible());
    EXPECT_TRUE(m_wnd.Find(L"page_1")->IsVisible());
    EXPECT_FALSE(uikit::Click(m_wnd, L"page0_btn"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"page1_btn"));
    EXPECT_FALSE(pTabs->SelectItem(2));
    EXPECT_EQ(pTabs->GetCurSel(), 1);
    m_wnd.ClearRecords();
    // The focused button's page goes away: its focus ends, and the switch itself raises nothing.
    ASSERT_TRUE(pTabs->SelectItem(0));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:page1_btn"}));
    EXPECT_EQ(m_wnd.PM().GetFocus(), nullptr);
}

TEST_F(NotifyTest, HidingOrDisablingTheFocusedControlEndsItsFocus) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_a"));
    m_wnd.ClearRecords();
    m_wnd.Find(L"btn_a")->SetEnabled(false);
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_b"));
    m_wnd.Find(L"buttons")->SetVisible(false);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:btn_a", L"setfocus:btn_b", L"click:btn_b", L"killfocus:btn_b"}));
}

TEST_F(NotifyTest, LosingActivationEndsFocusButAChildWindowKeepsIt) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn_a"));
    m_wnd.ClearRecords();
    // A native child of the window (an edit over a control) takes the keyboard: the control stays focused.
    HWND hChild = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 0, 250, 100, 20, m_wnd, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(hChild, nullptr);
    ::SetFocus(hChild);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    // Another top-level window takes it: focus ends.
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 500, 500, 50, 50, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ::SetActiveWindow(hOther);
    ::SetFocus(hOther);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:btn_a"}));
    ::DestroyWindow(hOther);
    ::DestroyWindow(hChild);
}

// A button that reports its own deletion.
class CTrackedButtonUI : public CButtonUI {
public:
    ~CTrackedButtonUI() override { ++s_nDeleted; }
    static int s_nDeleted;
};
int CTrackedButtonUI::s_nDeleted = 0;

TEST_F(NotifyTest, AControlRemovedByItsOwnClickHandlerIsDeletedAfterTheMessage) {
    CControlFactory::Register(L"TrackedButton", []() -> CControlUI* { return new CTrackedButtonUI; });
    auto* pList = m_wnd.Find<CContainerUI>(L"list");
    CDialogBuilder builder;
    CControlUI* pRow = builder.Create(L"<HorizontalLayout height=\"30\"><TrackedButton name=\"row_btn\"/></HorizontalLayout>",
                                      static_cast<UINT>(0), nullptr, &m_wnd.PM(), pList);
    ASSERT_NE(pRow, nullptr);
    CTrackedButtonUI::s_nDeleted = 0;
    int nDeletedDuringHandler = -1;
    m_wnd.m_onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_CLICK && msg.pSender->GetName() == L"row_btn") {
            pList->RemoveAll();
            nDeletedDuringHandler = CTrackedButtonUI::s_nDeleted;
        }
    };
    ASSERT_TRUE(uikit::Click(m_wnd, L"row_btn"));
    EXPECT_EQ(nDeletedDuringHandler, 0);
    EXPECT_EQ(pList->GetCount(), 0);
    EXPECT_EQ(m_wnd.Find(L"row_btn"), nullptr);
    EXPECT_EQ(m_wnd.PM().GetFocus(), nullptr);
    uikit::PumpUntilIdle();
    EXPECT_EQ(CTrackedButtonUI::s_nDeleted, 1);
}

}  // namespace
