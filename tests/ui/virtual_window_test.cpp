// Virtual windows and message maps: notifications of a page's controls reach that page's map
// (inherited "virtualwnd", base-map chain, control-name entries), the window's own go to its
// map; language switches reach every window; native child windows get their reflected messages.
#include <gtest/gtest.h>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;
using Seq = std::vector<std::wstring>;

namespace {

// A settings page: not a window, a receiver of its controls' notifications.
class CPage : public CNotifyPump {
    DUI_DECLARE_MESSAGE_MAP()
public:
    virtual void OnClick(TNotifyUI& msg) { Record(L"OnClick", msg); }
    virtual void OnSelectChanged(TNotifyUI& msg) { Record(L"OnSelectChanged", msg); }
    virtual void OnSpecial(TNotifyUI& msg) { Record(L"OnSpecial", msg); }
    void Record(LPCWSTR pstrHandler, TNotifyUI& msg) {
        m_calls.push_back(std::wstring(pstrHandler) + L":" + msg.pSender->GetName().GetData() + L"@" +
                          msg.sVirtualWnd.GetData());
    }
    Seq m_calls;
};

DUI_BEGIN_MESSAGE_MAP(CPage, CNotifyPump)
    DUI_ON_CLICK_CTRNAME(L"special", OnSpecial)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_CLICK, OnClick)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_SELECTCHANGED, OnSelectChanged)
DUI_END_MESSAGE_MAP()

// A page class of its own map that adds a type and overrides a handler; "click" comes from the
// base map.
class CDerivedPage : public CPage {
    DUI_DECLARE_MESSAGE_MAP()
public:
    void OnSelectChanged(TNotifyUI& msg) override { Record(L"Derived::OnSelectChanged", msg); }
    virtual void OnCheckClick(TNotifyUI& msg) { Record(L"OnCheckClick", msg); }
};

DUI_BEGIN_MESSAGE_MAP(CDerivedPage, CPage)
    DUI_ON_MSGTYPE(DUI_MSGTYPE_CHECKCLICK, OnCheckClick)
DUI_END_MESSAGE_MAP()

constexpr wchar_t kSkin[] =
    L"<Window size=\"400,300\"><VerticalLayout name=\"root\">"
    L" <Button name=\"about_btn\" height=\"30\"/>"
    L" <VerticalLayout name=\"page_a\" virtualwnd=\"PAGE_A\" height=\"100\">"
    L"  <HorizontalLayout height=\"30\"><Button name=\"a_btn\" width=\"60\"/><Button name=\"special\" width=\"60\"/>"
    L"   <Option name=\"a_opt\" width=\"60\"/><CheckBox name=\"a_check\" width=\"60\"/></HorizontalLayout>"
    L"  <VerticalLayout name=\"a_list\"/>"
    L" </VerticalLayout>"
    L" <VerticalLayout name=\"page_b\" virtualwnd=\"PAGE_B\" height=\"60\">"
    L"  <Button name=\"b_btn\" height=\"30\"/>"
    L" </VerticalLayout>"
    L"</VerticalLayout></Window>";

class VirtualWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(m_wnd.CreateAt(0, 0, 400, 300), nullptr);
        ASSERT_TRUE(m_wnd.AddVirtualWnd(L"PAGE_A", &m_pageA));
        ASSERT_TRUE(m_wnd.AddVirtualWnd(L"PAGE_B", &m_pageB));
    }
    CTestWindow m_wnd{kSkin};
    CDerivedPage m_pageA;
    CPage m_pageB;
};

TEST_F(VirtualWindowTest, EachPageGetsOnlyItsOwnControls) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"a_btn"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"b_btn"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"about_btn"));
    EXPECT_EQ(m_pageA.m_calls, (Seq{L"OnClick:a_btn@PAGE_A"}));
    EXPECT_EQ(m_pageB.m_calls, (Seq{L"OnClick:b_btn@PAGE_B"}));
    // The window's own control goes through the window's map ("click" → OnClick).
    EXPECT_EQ(m_wnd.m_clicks, (Seq{L"about_btn"}));
}

TEST_F(VirtualWindowTest, MapsChainToTheirBaseAndNamedEntriesComeFirst) {
    ASSERT_TRUE(uikit::Click(m_wnd, L"special"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"a_opt"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"a_check"));
    EXPECT_EQ(m_pageA.m_calls, (Seq{L"OnSpecial:special@PAGE_A", L"OnClick:a_opt@PAGE_A",
                                     L"Derived::OnSelectChanged:a_opt@PAGE_A", L"OnClick:a_check@PAGE_A",
                                     L"OnCheckClick:a_check@PAGE_A"}));
    // A type no map names finds nothing and is dropped.
    TNotifyUI msg;
    msg.sType = DUI_MSGTYPE_WINDOWINIT;
    msg.pSender = m_wnd.Find(L"a_btn");
    EXPECT_FALSE(m_pageA.LoopDispatch(msg));
    msg.sType = DUI_MSGTYPE_CLICK;
    EXPECT_TRUE(m_pageA.LoopDispatch(msg));
}

TEST_F(VirtualWindowTest, ControlsAddedLaterInheritThePage) {
    auto* pList = m_wnd.Find<CContainerUI>(L"a_list");
    CDialogBuilder builder;
    ASSERT_NE(builder.Create(L"<HorizontalLayout height=\"30\"><Button name=\"row_btn\"/></HorizontalLayout>",
                             static_cast<UINT>(0), nullptr, &m_wnd.PM(), pList),
              nullptr);
    EXPECT_EQ(m_wnd.Find(L"row_btn")->GetVirtualWnd(), L"PAGE_A");
    ASSERT_TRUE(uikit::Click(m_wnd, L"row_btn"));
    EXPECT_EQ(m_pageA.m_calls, (Seq{L"OnClick:row_btn@PAGE_A"}));
}

TEST_F(VirtualWindowTest, UnregisteredPagesReceiveNothing) {
    EXPECT_FALSE(m_wnd.AddVirtualWnd(L"PAGE_A", &m_pageB));
    ASSERT_TRUE(m_wnd.RemoveVirtualWnd(L"PAGE_A"));
    EXPECT_FALSE(m_wnd.RemoveVirtualWnd(L"PAGE_A"));
    ASSERT_TRUE(uikit::Click(m_wnd, L"a_btn"));
    EXPECT_TRUE(m_pageA.m_calls.empty());
    EXPECT_TRUE(m_pageB.m_calls.empty());
    EXPECT_TRUE(m_wnd.m_clicks.empty());
}

TEST(LanguageSwitch, ReloadTextShowsTheNewLanguageInEveryWindow) {
    CResourceManager* pRes = CResourceManager::GetInstance();
    ASSERT_TRUE(pRes->LoadLanguage(L"lan/EN.xml"));
    CTestWindow first(L"<Window size=\"200,60\"><VerticalLayout bkcolor=\"#FF000000\">"
                      L"<Label name=\"hello\" text=\"hello_text\" textcolor=\"#FFFFFFFF\" height=\"30\"/>"
                      L"<Label name=\"literal\" text=\"hello_text\" resourcetext=\"false\"/></VerticalLayout></Window>");
    CTestWindow second(L"<Window size=\"100,30\"><Button name=\"caption\" text=\"title_text\"/></Window>");
    ASSERT_NE(first.CreateAt(0, 0, 200, 60), nullptr);
    ASSERT_NE(second.CreateAt(0, 100, 100, 30), nullptr);
    uikit::PumpUntilIdle();
    EXPECT_EQ(first.Find(L"hello")->GetText(), L"Hello");
    EXPECT_EQ(first.Find(L"literal")->GetText(), L"hello_text");
    EXPECT_EQ(second.Find(L"caption")->GetText(), L"Settings");
    const uikit::Capture before = uikit::CaptureWindow(first);
    ASSERT_TRUE(::ValidateRect(first, nullptr));

    ASSERT_TRUE(pRes->LoadLanguage(L"lan/CN.xml"));
    pRes->ReloadText();
    EXPECT_EQ(first.Find(L"hello")->GetText(), L"\u4F60\u597D");
    EXPECT_EQ(second.Find(L"caption")->GetText(), L"\u8BBE\u7F6E");
    EXPECT_EQ(first.Find(L"literal")->GetText(), L"hello_text");
    // Both windows are to be laid out and painted again.
    RECT rcUpdate;
    EXPECT_TRUE(::GetUpdateRect(first, &rcUpdate, FALSE));
    EXPECT_TRUE(first.PM().IsUpdateNeeded());
    EXPECT_TRUE(second.PM().IsUpdateNeeded());
    const uikit::Capture after = uikit::CaptureWindow(first);
    EXPECT_NE(before.pixels, after.pixels);
    ASSERT_TRUE(pRes->LoadLanguage(L"lan/EN.xml"));
    pRes->ReloadText();
}

// A native EDIT extended by our window object, as an edit control puts over itself.
class CEditChild : public CWindowWnd {
public:
    ~CEditChild() override {
        if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
    }
    LPCWSTR GetWindowClassName() const override { return L"UiTestEdit"; }
    LPCWSTR GetSuperClassName() const override { return L"EDIT"; }
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override {
        if (uMsg == OCM_COMMAND && HIWORD(wParam) == EN_CHANGE) ++m_nChanges;
        return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
    }
    int m_nChanges = 0;
};

TEST(NativeChild, CommandsAreReflectedAndKeysArePreTranslated) {
    CTestWindow wnd(L"<Window size=\"200,100\"><VerticalLayout/></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 200, 100), nullptr);
    CEditChild edit;
    ASSERT_NE(edit.Create(wnd, L"", WS_CHILD | WS_VISIBLE, 0, 10, 10, 100, 20), nullptr);
    ::SetFocus(edit);
    for (wchar_t ch : std::wstring(L"42")) ::PostMessageW(edit, WM_CHAR, ch, 1);
    uikit::PumpUntilIdle();
    wchar_t szText[16] = {0};
    ::GetWindowTextW(edit, szText, 16);
    EXPECT_STREQ(szText, L"42");
    EXPECT_EQ(edit.m_nChanges, 2);
    // Esc typed into the child reaches the window's key handling: the window closes with 0.
    uikit::PressKey(wnd, VK_ESCAPE);
    EXPECT_FALSE(::IsWindow(wnd.GetHWND()));
}

}  // namespace
