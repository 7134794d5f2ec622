// Building control trees from skins: <Window> declarations, defaults, includes, unknown classes,
// the builder callback, names in the window, and rows built from a row skin.
#include <gtest/gtest.h>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;

namespace {

// A control class only this test knows, made through the builder callback.
class CGaugeUI : public CControlUI {
public:
    LPCWSTR GetClass() const override { return L"GaugeUI"; }
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override {
        if (wcscmp(pstrName, L"level") == 0) m_iLevel = ParseInt(pstrValue);
        else CControlUI::SetAttribute(pstrName, pstrValue);
    }
    int m_iLevel = 0;
};

class CGaugeWindow : public CTestWindow {
public:
    using CTestWindow::CTestWindow;
    CControlUI* CreateControl(LPCWSTR pstrClass) override {
        m_asked.push_back(pstrClass);
        return wcscmp(pstrClass, L"Gauge") == 0 ? new CGaugeUI : nullptr;
    }
    std::vector<std::wstring> m_asked;
};

TEST(DialogBuilder, WindowDeclarationsAndIncludes) {
    ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml"));
    CTestWindow wnd(L"window_with_include.xml");
    ASSERT_NE(wnd.CreateAt(10, 10, 800, 800), nullptr);
    ASSERT_TRUE(wnd.m_bInitWindowRan);

    RECT rc;
    ::GetWindowRect(wnd, &rc);
    EXPECT_EQ(rc.right - rc.left, 320);  // the skin's size replaces the size given to Create
    EXPECT_EQ(rc.bottom - rc.top, 240);
    EXPECT_EQ(wnd.PM().GetCaptionRect().bottom, 30);
    EXPECT_EQ(wnd.PM().GetDefaultFontColor(), 0xFFE0E0E0u);
    ASSERT_NE(wnd.PM().GetFontTable().GetInfo(1), nullptr);
    EXPECT_EQ(wnd.PM().GetFontTable().GetInfo(1)->iSize, 18);
    EXPECT_TRUE(wnd.PM().GetFontTable().GetInfo(1)->bBold);
    EXPECT_EQ(wnd.PM().GetFontTable().GetDefaultId(), 0);

    // <Default> gives every Button its attributes; an element's own attributes win.
    EXPECT_EQ(wnd.Find(L"plain_button")->GetBkColor(), 0xFF202830u);
    EXPECT_EQ(wnd.Find(L"plain_button")->GetTextColor(), 0xFFFFFFFFu);
    EXPECT_EQ(wnd.Find(L"styled_button")->GetBkColor(), 0xFF00FF00u);
    // The included part sits where the <Include> was, with its own names.
    CControlUI* pIncluded = wnd.Find(L"included_part");
    ASSERT_NE(pIncluded, nullptr);
    auto* pRoot = wnd.Find<CContainerUI>(L"root");
    ASSERT_NE(pRoot, nullptr);
    EXPECT_EQ(pRoot->GetItemIndex(pIncluded), 1);
    EXPECT_EQ(wnd.Find(L"included_button")->GetParent(), pIncluded);
    EXPECT_EQ(wnd.Find(L"included_button")->GetText(), L"Hello");
    // The unknown class is left out; the rest of the skin is built.
    EXPECT_EQ(wnd.Find(L"unknown_one"), nullptr);
    EXPECT_EQ(pRoot->GetCount(), 4);
    EXPECT_EQ(wnd.PM().GetRoot(), pRoot);
}

TEST(DialogBuilder, CallbackMakesUnknownClasses) {
    CGaugeWindow wnd(L"<Window size=\"100,50\"><HorizontalLayout name=\"root\">"
                     L"<Gauge name=\"gauge\" level=\"7\"/><Label name=\"label\"/><Thing name=\"thing\"/>"
                     L"</HorizontalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 100, 50), nullptr);
    auto* pGauge = wnd.Find<CGaugeUI>(L"gauge");
    ASSERT_NE(pGauge, nullptr);
    EXPECT_STREQ(pGauge->GetClass(), L"GaugeUI");
    EXPECT_EQ(pGauge->m_iLevel, 7);
    // Library classes never reach the callback.
    EXPECT_EQ(wnd.m_asked, (std::vector<std::wstring>{L"Gauge", L"Thing"}));
}

TEST(DialogBuilder, UnreadableSkinGivesAnEmptyWindow) {
    CTestWindow wnd(L"no_such_skin.xml");
    ASSERT_NE(wnd.CreateAt(0, 0, 200, 100), nullptr);
    EXPECT_TRUE(wnd.m_bInitWindowRan);
    EXPECT_EQ(wnd.PM().GetRoot(), nullptr);
    EXPECT_EQ(wnd.Find(L"anything"), nullptr);
    CDialogBuilder builder;
    EXPECT_EQ(builder.Create(L"<Window><VerticalLayout></Window>"), nullptr);
    EXPECT_FALSE(builder.GetLastErrorMessage().IsEmpty());
}

TEST(DialogBuilder, RowsFromARowSkinKeepTheirCellsApart) {
    CTestWindow wnd(L"<Window size=\"300,200\"><VerticalLayout name=\"list\" vscrollbar=\"true\"/></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 300, 200), nullptr);
    auto* pList = wnd.Find<CContainerUI>(L"list");
    ASSERT_NE(pList, nullptr);
    std::vector<CControlUI*> rows;
    for (int i = 0; i < 3; ++i) {
        CDialogBuilder builder;
        CControlUI* pRow = builder.Create(L"row.xml", static_cast<UINT>(0), nullptr, &wnd.PM());
        ASSERT_NE(pRow, nullptr);
        // Not part of the window until it is added.
        EXPECT_EQ(wnd.PM().FindSubControlByName(pRow, L"key")->GetManager(), nullptr);
        ASSERT_TRUE(pList->Add(pRow));
        CDuiString sKey;
        sKey.Format(L"%d", i);
        wnd.PM().FindSubControlByName(pRow, L"key")->SetText(sKey);
        rows.push_back(pRow);
    }
    for (int i = 0; i < 3; ++i) {
        CControlUI* pKey = wnd.PM().FindSubControlByName(rows[static_cast<size_t>(i)], L"key");
        ASSERT_NE(pKey, nullptr);
        EXPECT_EQ(pKey->GetText(), std::to_wstring(i).c_str());
        EXPECT_EQ(pKey->GetParent(), rows[static_cast<size_t>(i)]);
        EXPECT_EQ(pKey->GetManager(), &wnd.PM());
    }
    // Window-wide, the first row joined owns the shared name.
    EXPECT_EQ(wnd.Find(L"key"), wnd.PM().FindSubControlByName(rows[0], L"key"));
    EXPECT_EQ(wnd.PM().FindSubControlByName(rows[1], L"missing"), nullptr);
}

TEST(DialogBuilder, NamesFollowRenamesAndRemovals) {
    CTestWindow wnd(L"<Window><VerticalLayout name=\"root\"><Label name=\"a\"/><Label name=\"b\"/></VerticalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 100, 100), nullptr);
    CControlUI* pA = wnd.Find(L"a");
    ASSERT_NE(pA, nullptr);
    pA->SetName(L"a2");
    EXPECT_EQ(wnd.Find(L"a"), nullptr);
    EXPECT_EQ(wnd.Find(L"a2"), pA);
    ASSERT_TRUE(wnd.Find<CContainerUI>(L"root")->Remove(pA));
    EXPECT_EQ(wnd.Find(L"a2"), nullptr);
    EXPECT_NE(wnd.Find(L"b"), nullptr);
}

TEST(DialogBuilder, ASkinIncludingItselfStops) {
    CDialogBuilder builder;
    CControlUI* pRoot = builder.Create(L"self_include.xml");
    ASSERT_NE(pRoot, nullptr);
    int nLevels = 0;
    for (CControlUI* p = pRoot; p != nullptr; p = static_cast<CContainerUI*>(p)->GetItemAt(0)) ++nLevels;
    EXPECT_GT(nLevels, 1);
    EXPECT_LE(nLevels, 9);
    delete pRoot;
}

}  // namespace
