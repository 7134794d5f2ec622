// CListUI: the user's selection (mouse and keys) against selections from code, rows removed
// and rebuilt, rows built from a row skin, scrolling, and how rows are painted.
#include "tests/ui/skinned_window_test.h"

using namespace DuiLib;
using Seq = std::vector<std::wstring>;

namespace {

constexpr DWORD kSelectedBk = 0xFF2050C0;
constexpr DWORD kHotBk = 0xFF30A040;

constexpr wchar_t kSkin[] =
    L"<Window size=\"300,260\">"
    L"<VerticalLayout name=\"root\" bkcolor=\"#FF000000\">"
    L" <Button name=\"btn\" height=\"30\"/>"
    L" <List name=\"list\" height=\"100\" itemselectedbkcolor=\"#FF2050C0\" itemhotbkcolor=\"#FF30A040\"/>"
    L" <Label name=\"filler\"/>"
    L"</VerticalLayout></Window>";

uint32_t Rgb(DWORD dwColor) { return dwColor & 0x00FFFFFF; }

class ListTest : public uitest::SkinnedWindowTest {
protected:
    ListTest() : SkinnedWindowTest(kSkin, 300, 260) {}
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        m_pList = m_wnd.Find<CListUI>(L"list");
        ASSERT_NE(m_pList, nullptr);
    }

    // Rows "row 0" ... as the program adds them: literal text, fixed height.
    void AddRows(int n, int cy = 20) {
        for (int i = 0; i < n; ++i) {
            auto* pRow = new CListLabelElementUI;
            pRow->SetText((L"row " + std::to_wstring(m_pList->GetCount())).c_str());
            pRow->SetFixedHeight(cy);
            m_pList->Add(pRow);
        }
        m_wnd.PM().UpdateLayout();
    }
    CControlUI* Row(int i) { return m_pList->GetItemAt(i); }
    // The list's visible area (its rectangle without the border and the scroll bar).
    RECT VisibleArea() {
        RECT rc = m_pList->GetPos();
        if (m_pList->GetVerticalScrollBar() && m_pList->GetVerticalScrollBar()->IsVisible()) {
            rc.right -= m_pList->GetVerticalScrollBar()->GetBarWidth();
        }
        return rc;
    }
    bool IsWhollyVisible(int i) {
        RECT rcArea = VisibleArea(), rcJoin;
        RECT rcRow = Row(i)->GetPos();
        ::UnionRect(&rcJoin, &rcArea, &rcRow);
        return ::EqualRect(&rcJoin, &rcArea) != FALSE;
    }

    CListUI* m_pList = nullptr;
};

TEST_F(ListTest, ClickingRowsSelectsThemAndTheListKeepsTheFocus) {
    AddRows(3);
    ASSERT_TRUE(uikit::Click(Row(1)));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:list", L"itemselect:list:1"}));
    EXPECT_EQ(LastLParam(), -1);  // nothing was selected before
    EXPECT_EQ(m_pList->GetCurSel(), 1);
    EXPECT_TRUE(static_cast<CListLabelElementUI*>(Row(1))->IsSelected());

    // Another row of the focused list: only the selection moves (no focus going and coming).
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(Row(2)));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"itemselect:list:2"}));
    EXPECT_EQ(LastLParam(), 1);
    EXPECT_FALSE(static_cast<CListLabelElementUI*>(Row(1))->IsSelected());

    // The selected row again: nothing to announce.
    m_wnd.ClearRecords();
    ASSERT_TRUE(uikit::Click(Row(2)));
    EXPECT_EQ(m_wnd.Sequence(), Seq{});

    // Pressing elsewhere ends the list's focus before that control's click.
    ASSERT_TRUE(uikit::Click(m_wnd, L"btn"));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"killfocus:list", L"setfocus:btn", L"click:btn"}));
}

TEST_F(ListTest, SelectItemFromCodeNotifiesOnlyWhenAskedAndChanged) {
    AddRows(4);
    struct Step {
        int iIndex;
        bool bNotify;
        bool bResult;
        int iCurSelAfter;
        Seq expected;
    } steps[] = {
        {2, false, true, 2, {}},
        {3, true, true, 3, {L"itemselect:list:3"}},
        {3, true, true, 3, {}},    // already selected
        {0, true, true, 0, {L"itemselect:list"}},
        {-1, true, true, -1, {}},  // no row: cleared, nothing announced
        {4, true, false, -1, {}},  // no such row: nothing changes
        {-2, true, false, -1, {}},
        {1, true, true, 1, {L"itemselect:list:1"}},
    };
    for (const Step& step : steps) {
        m_wnd.ClearRecords();
        EXPECT_EQ(m_pList->SelectItem(step.iIndex, false, step.bNotify), step.bResult) << step.iIndex;
        // Delivered before SelectItem returned.
        EXPECT_EQ(m_wnd.Sequence(), step.expected) << step.iIndex;
        EXPECT_EQ(m_pList->GetCurSel(), step.iCurSelAfter) << step.iIndex;
    }
    // Taking the focus from code.
    m_wnd.ClearRecords();
    m_pList->SelectItem(2, true, true);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:list", L"itemselect:list:2"}));
    EXPECT_EQ(LastLParam(), 1);
}

TEST_F(ListTest, RemovingTheSelectedRowClearsTheSelectionSoTheNextSelectNotifiesOnce) {
    AddRows(3);
    m_pList->SelectItem(2, false, false);
    // The last row goes (deleting the last profile): no notification, no selection.
    EXPECT_TRUE(m_pList->RemoveAt(2));
    EXPECT_EQ(m_pList->GetCurSel(), -1);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    // The caller selects the new last row: exactly one "itemselect", from "nothing".
    m_pList->SelectItem(m_pList->GetCount() - 1, false, true);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"itemselect:list:1"}));
    EXPECT_EQ(LastLParam(), -1);

    // The first row goes while row 1 is selected: row 1 is now row 0, still selected.
    m_wnd.ClearRecords();
    EXPECT_TRUE(m_pList->RemoveAt(0));
    EXPECT_EQ(m_pList->GetCurSel(), 0);
    EXPECT_EQ(Row(0)->GetText(), L"row 1");
    EXPECT_TRUE(static_cast<CListLabelElementUI*>(Row(0))->IsSelected());
    // Selecting the row that moved into place is no change.
    m_pList->SelectItem(0, false, true);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    EXPECT_FALSE(m_pList->RemoveAt(5));

    // A row inserted before the selection moves it along.
    m_pList->AddAt(new CListLabelElementUI, 0);
    EXPECT_EQ(m_pList->GetCurSel(), 1);
    // A press on the inserted row selects by its new index.
    ASSERT_TRUE(uikit::Click(Row(0)));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:list", L"itemselect:list"}));
    EXPECT_EQ(LastLParam(), 1);
}

TEST_F(ListTest, RebuildingTheListAnnouncesOnlyTheFinalSelection) {
    AddRows(5);
    m_pList->SelectItem(3, false, false);
    for (int pass = 0; pass < 2; ++pass) {
        m_wnd.ClearRecords();
        // Empty the list, fill it again, select the last row (the action list's rebuild).
        m_pList->RemoveAll();
        EXPECT_EQ(m_pList->GetCurSel(), -1);
        AddRows(4 + pass);
        m_pList->SelectItem(m_pList->GetCount() - 1, false, true);
        m_pList->EndDown();
        ASSERT_EQ(m_wnd.m_records.size(), 1u);
        EXPECT_EQ(uitest::Describe(m_wnd.m_records[0]), L"itemselect:list:" + std::to_wstring(3 + pass));
        EXPECT_EQ(m_wnd.m_records[0].lParam, -1);
        EXPECT_TRUE(IsWhollyVisible(m_pList->GetCount() - 1));
    }
    // Rows removed from their own list's notification are safe (deleted after the message).
    m_wnd.m_onNotify = [this](TNotifyUI& msg) {
        if (msg.sType == DUI_MSGTYPE_ITEMSELECT) m_pList->RemoveAll();
    };
    ASSERT_TRUE(uikit::Click(Row(1)));
    uikit::PumpUntilIdle();
    EXPECT_EQ(m_pList->GetCount(), 0);
}

TEST_F(ListTest, KeysMoveTheSelectionAndScrollItIntoView) {
    AddRows(12);  // 20 px rows in a 100 px list: five show
    ASSERT_TRUE(uikit::Click(Row(0)));
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_DOWN);
    uikit::PressKey(m_wnd, VK_DOWN);
    uikit::PressKey(m_wnd, VK_UP);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"itemselect:list:1", L"itemselect:list:2", L"itemselect:list:1"}));

    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_END);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"itemselect:list:11"}));
    EXPECT_GT(m_pList->GetScrollPos().cy, 0);
    EXPECT_TRUE(IsWhollyVisible(11));
    // At the end, Down changes nothing.
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_DOWN);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});

    uikit::PressKey(m_wnd, VK_PRIOR);
    EXPECT_LT(m_pList->GetCurSel(), 11);
    EXPECT_TRUE(IsWhollyVisible(m_pList->GetCurSel()));
    uikit::PressKey(m_wnd, VK_HOME);
    EXPECT_EQ(m_pList->GetCurSel(), 0);
    EXPECT_EQ(m_pList->GetScrollPos().cy, 0);

    // Hidden and disabled rows are stepped over.
    Row(1)->SetVisible(false);
    Row(2)->SetEnabled(false);
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_DOWN);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"itemselect:list:3"}));
}

TEST_F(ListTest, EnsureVisibleAndTheWheelScrollWithoutSelecting) {
    AddRows(12);
    m_pList->EnsureVisible(8);
    EXPECT_TRUE(IsWhollyVisible(8));
    EXPECT_FALSE(IsWhollyVisible(0));
    m_pList->EnsureVisible(1);
    EXPECT_TRUE(IsWhollyVisible(1));
    const int iBefore = m_pList->GetScrollPos().cy;
    ASSERT_TRUE(uikit::Wheel(Row(2), -WHEEL_DELTA));
    EXPECT_GT(m_pList->GetScrollPos().cy, iBefore);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    EXPECT_EQ(m_pList->GetCurSel(), -1);
}

TEST_F(ListTest, RowsFromARowSkinHaveTheirOwnCellsAndArePressedAsAWhole) {
    for (int i = 0; i < 3; ++i) {
        CDialogBuilder builder;
        CControlUI* pRow = builder.Create(L"keylistitem.xml", static_cast<UINT>(0), nullptr, &m_wnd.PM());
        ASSERT_NE(pRow, nullptr);
        ASSERT_NE(pRow->GetInterface(L"ListContainerElement"), nullptr);
        pRow->SetFixedHeight(30);
        m_pList->Add(pRow);
        // The cells of each row are found inside that row (the names repeat in every row).
        CControlUI* pKey = m_wnd.PM().FindSubControlByName(pRow, L"key");
        CControlUI* pDelay = m_wnd.PM().FindSubControlByName(pRow, L"delay");
        ASSERT_NE(pKey, nullptr);
        ASSERT_NE(pDelay, nullptr);
        pKey->SetText((L"K" + std::to_wstring(i)).c_str());
        pDelay->SetText(std::to_wstring(10 * (i + 1)).c_str());
    }
    m_wnd.PM().UpdateLayout();
    EXPECT_EQ(m_wnd.PM().FindSubControlByName(Row(2), L"key")->GetText(), L"K2");
    EXPECT_EQ(m_wnd.PM().FindSubControlByName(Row(1), L"delay")->GetText(), L"20");
    EXPECT_EQ(Row(1)->GetHeight(), 30);
    // Cells lie side by side in their row.
    const RECT rcKey = m_wnd.PM().FindSubControlByName(Row(1), L"key")->GetPos();
    const RECT rcDelay = m_wnd.PM().FindSubControlByName(Row(1), L"delay")->GetPos();
    EXPECT_EQ(rcKey.top, Row(1)->GetPos().top);
    EXPECT_GE(rcDelay.left, rcKey.right);

    // A press on a cell is a press on its row: the row is what the pointer hits there.
    const POINT ptDelay{(rcDelay.left + rcDelay.right) / 2, (rcDelay.top + rcDelay.bottom) / 2};
    EXPECT_EQ(m_wnd.PM().FindControl(ptDelay), Row(1));
    ::SendMessageW(m_wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptDelay.x, ptDelay.y));
    ::SendMessageW(m_wnd, WM_LBUTTONUP, 0, MAKELPARAM(ptDelay.x, ptDelay.y));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:list", L"itemselect:list:1"}));
}

TEST_F(ListTest, RowsOfTheSkinShowLanguageTextsAndRowsOfTheProgramTheirOwnText) {
    ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
    CDialogBuilder builder;
    CControlUI* pSkinRow = builder.Create(L"<ListLabelElement text=\"hello_text\"/>", static_cast<UINT>(0), nullptr,
                                          &m_wnd.PM());
    ASSERT_NE(pSkinRow, nullptr);
    m_pList->Add(pSkinRow);
    auto* pCodeRow = new CListLabelElementUI;
    pCodeRow->SetText(L"hello_text");
    m_pList->Add(pCodeRow);
    EXPECT_EQ(pSkinRow->GetText(), L"Hello");
    EXPECT_EQ(pCodeRow->GetText(), L"hello_text");
}

TEST_F(ListTest, SelectedAndHotRowsArePaintedWithTheListsColours) {
    AddRows(3);
    m_pList->SelectItem(0, false, false);
    ASSERT_TRUE(uikit::HoverOver(Row(2)));
    const uikit::Capture shot = uikit::CaptureWindow(m_wnd);
    auto at = [&shot](CControlUI* pRow) {
        const RECT& rc = pRow->GetPos();
        return shot.At(rc.right - 3, (rc.top + rc.bottom) / 2);
    };
    EXPECT_EQ(at(Row(0)), Rgb(kSelectedBk));
    EXPECT_EQ(at(Row(2)), Rgb(kHotBk));
    EXPECT_NE(at(Row(1)), Rgb(kSelectedBk));
    EXPECT_NE(at(Row(1)), Rgb(kHotBk));
    // Leaving the row ends its hot colour; the selection stays painted.
    ASSERT_TRUE(uikit::HoverOver(m_wnd.Find(L"btn")));
    const uikit::Capture after = uikit::CaptureWindow(m_wnd);
    const RECT& rc2 = Row(2)->GetPos();
    EXPECT_NE(after.At(rc2.right - 3, (rc2.top + rc2.bottom) / 2), Rgb(kHotBk));
    const RECT& rc0 = Row(0)->GetPos();
    EXPECT_EQ(after.At(rc0.right - 3, (rc0.top + rc0.bottom) / 2), Rgb(kSelectedBk));
}

}  // namespace
