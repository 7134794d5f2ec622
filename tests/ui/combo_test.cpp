// CComboUI: items from the skin, SelectItem from code against the user's picks in the drop-down
// window (mouse and keyboard), and every way the drop-down closes.
#include "tests/ui/skinned_window_test.h"

using namespace DuiLib;
using Seq = std::vector<std::wstring>;

namespace {

constexpr wchar_t kSkin[] =
    L"<Window size=\"360,260\">"
    L"<VerticalLayout name=\"root\" bkcolor=\"#FF000000\" inset=\"10,10,10,10\" childpadding=\"8\">"
    L" <Button name=\"btn\" height=\"28\"/>"
    L" <Combo name=\"combo\" height=\"28\" width=\"180\" itemselectedbkcolor=\"#FF2050C0\">"
    L"  <ListLabelElement text=\"mode_0\" height=\"22\"/>"
    L"  <ListLabelElement text=\"hello_text\" height=\"22\"/>"
    L"  <ListLabelElement text=\"mode_2\" height=\"22\"/>"
    L"  <ListLabelElement text=\"mode_3\" height=\"22\"/>"
    L"  <ListLabelElement text=\"mode_4\" height=\"22\"/>"
    L" </Combo>"
    L" <Combo name=\"combo_long\" height=\"28\" width=\"120\" dropboxsize=\"0,88\" selectedid=\"2\">"
    L"  <ListLabelElement text=\"a0\"/><ListLabelElement text=\"a1\"/><ListLabelElement text=\"a2\"/>"
    L"  <ListLabelElement text=\"a3\"/><ListLabelElement text=\"a4\"/><ListLabelElement text=\"a5\"/>"
    L"  <ListLabelElement text=\"a6\"/><ListLabelElement text=\"a7\"/><ListLabelElement text=\"a8\"/>"
    L"  <ListLabelElement text=\"a9\"/>"
    L" </Combo>"
    L" <Label name=\"label\" height=\"20\"/>"
    L"</VerticalLayout></Window>";

class ComboTest : public uitest::SkinnedWindowTest {
protected:
    ComboTest() : SkinnedWindowTest(kSkin, 360, 260) {}
    void SetUp() override {
        ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
        SkinnedWindowTest::SetUp();
        m_pCombo = m_wnd.Find<CComboUI>(L"combo");
        ASSERT_NE(m_pCombo, nullptr);
    }

    // Opens the combo's drop-down with a press, as a person would; its list, or nullptr.
    CListUI* Open(CComboUI* pCombo) {
        if (!uikit::Click(pCombo)) return nullptr;
        const HWND hDrop = pCombo->GetDropDownWindow();
        if (hDrop == nullptr) return nullptr;
        return static_cast<CListUI*>(uikit::ManagerOf(hDrop)->GetRoot()->GetInterface(L"List"));
    }
    long ItemSelects() const { return CountOf(L"itemselect", L"combo"); }

    CComboUI* m_pCombo = nullptr;
};

TEST_F(ComboTest, ItemsComeFromTheSkinAndSelectItemFromCodeNotifiesOnlyWhenAsked) {
    ASSERT_EQ(m_pCombo->GetCount(), 5);
    EXPECT_EQ(m_pCombo->GetItemAt(1)->GetText(), L"Hello");  // skin items show language texts
    EXPECT_EQ(m_pCombo->GetCurSel(), -1);
    EXPECT_EQ(m_pCombo->GetText(), L"");
    EXPECT_EQ(m_wnd.Find<CComboUI>(L"combo_long")->GetCurSel(), 2);  // selectedid

    struct Step {
        int iIndex;
        bool bNotify;
        bool bResult;
        Seq expected;
    } steps[] = {
        {3, false, true, {}},
        {4, true, true, {L"itemselect:combo:4"}},
        {4, true, true, {}},
        {-1, true, true, {}},
        {5, true, false, {}},
        {1, true, true, {L"itemselect:combo:1"}},
    };
    for (const Step& step : steps) {
        m_wnd.ClearRecords();
        EXPECT_EQ(m_pCombo->SelectItem(step.iIndex, false, step.bNotify), step.bResult) << step.iIndex;
        EXPECT_EQ(m_wnd.Sequence(), step.expected) << step.iIndex;
    }
    EXPECT_EQ(m_pCombo->GetCurSel(), 1);
    EXPECT_EQ(m_pCombo->GetText(), L"Hello");
    EXPECT_EQ(m_wnd.PM().GetFocus(), nullptr);
}

TEST_F(ComboTest, ACombosSkinSelectionHoldsAlsoWhenItIsBuiltIntoALiveWindow) {
    CDialogBuilder builder;
    CControlUI* pBuilt = builder.Create(
        L"<Combo name=\"late\" height=\"28\" selectedid=\"1\"><ListLabelElement text=\"x\"/>"
        L"<ListLabelElement text=\"y\"/></Combo>",
        static_cast<UINT>(0), nullptr, &m_wnd.PM(), m_wnd.Find(L"root"));
    ASSERT_NE(pBuilt, nullptr);
    auto* pLate = m_wnd.Find<CComboUI>(L"late");
    ASSERT_EQ(pLate, pBuilt);
    EXPECT_EQ(pLate->GetCurSel(), 1);
    EXPECT_EQ(pLate->GetText(), L"y");
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
}

TEST_F(ComboTest, TheUserPicksAnItemWithTheMouseInTheDropDown) {
    m_pCombo->SelectItem(0, false, false);
    CListUI* pList = Open(m_pCombo);
    ASSERT_NE(pList, nullptr);
    const HWND hDrop = m_pCombo->GetDropDownWindow();
    EXPECT_TRUE(::IsWindowVisible(hDrop));
    EXPECT_EQ(::GetWindow(hDrop, GW_OWNER), m_wnd.GetHWND());
    // Right below the combo, as wide as it, tall enough for the five rows.
    RECT rcDrop;
    ::GetWindowRect(hDrop, &rcDrop);
    RECT rcCombo = m_pCombo->GetPos();
    ::MapWindowPoints(m_wnd, nullptr, reinterpret_cast<POINT*>(&rcCombo), 2);
    EXPECT_EQ(rcDrop.left, rcCombo.left);
    EXPECT_EQ(rcDrop.top, rcCombo.bottom);
    EXPECT_EQ(rcDrop.right - rcDrop.left, rcCombo.right - rcCombo.left);
    EXPECT_EQ(rcDrop.bottom - rcDrop.top, 5 * 22 + 2);
    // The rows show the items' texts; the current item is highlighted.
    ASSERT_EQ(pList->GetCount(), 5);
    EXPECT_EQ(pList->GetItemAt(1)->GetText(), L"Hello");
    EXPECT_EQ(pList->GetCurSel(), 0);
    EXPECT_EQ(ItemSelects(), 0);

    // When the program hears of the pick, the drop-down is gone and the combo has the focus.
    bool bClosedAtNotify = false;
    m_wnd.m_onNotify = [&](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_ITEMSELECT) {
            bClosedAtNotify = !m_pCombo->IsDroppedDown() && m_wnd.PM().GetFocus() == m_pCombo;
        }
    };
    ASSERT_TRUE(uikit::Click(pList->GetItemAt(3)));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:combo", L"killfocus:combo", L"setfocus:combo", L"itemselect:combo:3"}));
    EXPECT_EQ(LastLParam(), 0);
    EXPECT_TRUE(bClosedAtNotify);
    EXPECT_EQ(m_pCombo->GetCurSel(), 3);
    EXPECT_EQ(m_pCombo->GetText(), L"mode_3");
    EXPECT_FALSE(::IsWindow(hDrop));
}

TEST_F(ComboTest, OpenedFromCodeBeforeTheFirstLayoutTheDropDownStillHangsBelowTheCombo) {
    uitest::CTestWindow fresh(kSkin, L"UiFreshComboWnd");
    ASSERT_NE(fresh.CreateAt(60, 60, 360, 260), nullptr);
    auto* pCombo = fresh.Find<CComboUI>(L"combo");
    ASSERT_TRUE(pCombo->Activate());  // nothing has been laid out or painted yet
    RECT rcDrop;
    ::GetWindowRect(pCombo->GetDropDownWindow(), &rcDrop);
    RECT rcCombo = pCombo->GetPos();
    ::MapWindowPoints(fresh, nullptr, reinterpret_cast<POINT*>(&rcCombo), 2);
    EXPECT_EQ(rcDrop.left, rcCombo.left);
    EXPECT_EQ(rcDrop.top, rcCombo.bottom);
    EXPECT_EQ(rcDrop.right - rcDrop.left, 180);
}

TEST_F(ComboTest, PickingTheCurrentItemOnlyCloses) {
    m_pCombo->SelectItem(2, false, false);
    CListUI* pList = Open(m_pCombo);
    ASSERT_NE(pList, nullptr);
    ASSERT_TRUE(uikit::Click(pList->GetItemAt(2)));
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
    EXPECT_EQ(ItemSelects(), 0);
    EXPECT_EQ(m_pCombo->GetCurSel(), 2);
}

TEST_F(ComboTest, TheKeyboardChoosesInTheClosedComboAndInTheDropDown) {
    m_pCombo->SelectItem(0, false, false);
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn"));
    uikit::PressKey(m_wnd, VK_TAB);
    ASSERT_EQ(m_wnd.PM().GetFocus(), m_pCombo);
    // Closed: the arrows choose at once.
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_DOWN);
    uikit::PressKey(m_wnd, VK_DOWN);
    uikit::PressKey(m_wnd, VK_UP);
    uikit::PressKey(m_wnd, VK_UP);
    uikit::PressKey(m_wnd, VK_UP);  // already the first
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"itemselect:combo:1", L"itemselect:combo:2", L"itemselect:combo:1",
                                     L"itemselect:combo"}));

    // Open: the arrows move the highlight, Enter picks.
    uikit::PressKey(m_wnd, VK_F4);
    HWND hDrop = m_pCombo->GetDropDownWindow();
    ASSERT_NE(hDrop, nullptr);
    EXPECT_EQ(::GetFocus(), hDrop);
    m_wnd.ClearRecords();
    uikit::PressKey(hDrop, VK_DOWN);
    uikit::PressKey(hDrop, VK_DOWN);
    uikit::PressKey(hDrop, VK_DOWN);
    uikit::PressKey(hDrop, VK_UP);
    EXPECT_EQ(ItemSelects(), 0);
    EXPECT_EQ(m_pCombo->GetCurSel(), 0);
    uikit::PressKey(hDrop, VK_RETURN);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:combo", L"itemselect:combo:2"}));
    EXPECT_FALSE(::IsWindow(hDrop));
    EXPECT_EQ(m_wnd.PM().GetFocus(), m_pCombo);

    // Esc closes without a change; End and Home reach the ends.
    uikit::PressKey(m_wnd, VK_RETURN);
    hDrop = m_pCombo->GetDropDownWindow();
    ASSERT_NE(hDrop, nullptr);
    m_wnd.ClearRecords();
    uikit::PressKey(hDrop, VK_END);
    uikit::PressKey(hDrop, VK_ESCAPE);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:combo"}));
    EXPECT_FALSE(::IsWindow(hDrop));
    EXPECT_EQ(m_pCombo->GetCurSel(), 2);
    EXPECT_TRUE(::IsWindow(m_wnd));  // Esc in the drop-down does not close the window
    uikit::PressKey(m_wnd, VK_SPACE);
    hDrop = m_pCombo->GetDropDownWindow();
    ASSERT_NE(hDrop, nullptr);
    uikit::PressKey(hDrop, VK_END);
    uikit::PressKey(hDrop, VK_RETURN);
    EXPECT_EQ(m_pCombo->GetCurSel(), 4);
}

TEST_F(ComboTest, APressOutsideOrALostActivationClosesWithoutAChange) {
    m_pCombo->SelectItem(1, false, false);
    ASSERT_NE(Open(m_pCombo), nullptr);
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn"));
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:btn", L"click:btn"}));

    ASSERT_NE(Open(m_pCombo), nullptr);
    m_wnd.ClearRecords();
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 600, 500, 40, 40, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ::SetActiveWindow(hOther);
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
    EXPECT_EQ(ItemSelects(), 0);
    EXPECT_EQ(m_pCombo->GetCurSel(), 1);
    ::DestroyWindow(hOther);
}

TEST_F(ComboTest, PressingTheOpenComboClosesIt) {
    ASSERT_NE(Open(m_pCombo), nullptr);
    ASSERT_TRUE(uikit::Click(m_pCombo));
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
    // The next press opens it again.
    ASSERT_NE(Open(m_pCombo), nullptr);
}

TEST_F(ComboTest, ALongDropDownScrollsToTheCurrentItem) {
    auto* pLong = m_wnd.Find<CComboUI>(L"combo_long");
    pLong->SelectItem(8, false, false);
    CListUI* pList = Open(pLong);
    ASSERT_NE(pList, nullptr);
    RECT rcDrop;
    ::GetWindowRect(pLong->GetDropDownWindow(), &rcDrop);
    EXPECT_EQ(rcDrop.bottom - rcDrop.top, 88);  // dropboxsize caps the height
    EXPECT_GT(pList->GetScrollPos().cy, 0);
    const RECT& rcRow = pList->GetItemAt(8)->GetPos();
    EXPECT_GE(rcRow.top, pList->GetPos().top);
    EXPECT_LE(rcRow.bottom, pList->GetPos().bottom);
    // Scrolled back up with the wheel, the first row shows and can be picked.
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(uikit::Wheel(pList, WHEEL_DELTA)) << i;
    EXPECT_EQ(pList->GetScrollPos().cy, 0);
    ASSERT_TRUE(uikit::Click(pList->GetItemAt(0)));
    EXPECT_EQ(pLong->GetCurSel(), 0);
    EXPECT_EQ(m_wnd.Sequence().back(), L"itemselect:combo_long");
}

TEST_F(ComboTest, ADisabledComboDoesNotOpen) {
    m_pCombo->SetEnabled(false);
    EXPECT_TRUE(uikit::Click(m_pCombo));
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
    m_pCombo->SetEnabled(true);
    ASSERT_NE(Open(m_pCombo), nullptr);
    // Disabled while open, it closes.
    m_pCombo->SetEnabled(false);
    EXPECT_FALSE(m_pCombo->IsDroppedDown());
}

TEST_F(ComboTest, AComboRemovedWhileOpenTakesItsDropDownWithIt) {
    ASSERT_NE(Open(m_pCombo), nullptr);
    const HWND hDrop = m_pCombo->GetDropDownWindow();
    m_wnd.Find<CContainerUI>(L"root")->Remove(m_pCombo);
    uikit::PumpUntilIdle();  // removed controls are deleted after the message
    EXPECT_FALSE(::IsWindow(hDrop));
    EXPECT_EQ(m_wnd.Find(L"combo"), nullptr);
}

}  // namespace
