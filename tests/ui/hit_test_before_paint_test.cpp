// Input that arrives before a window's first paint hits the controls where the skin puts them:
// the layout is brought up to date for hit-testing, not only for painting.
#include <gtest/gtest.h>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;

namespace {

// Positions are fixed by the skin, so the test knows them without asking the (stale) layout.
constexpr wchar_t kSkin[] = L"<Window size=\"300,200\" caption=\"0,0,0,40\"><VerticalLayout name=\"root\">"
                            L"<Button name=\"btn_caption\" float=\"true\" pos=\"200,5,280,35\"/>"
                            L"<Button name=\"btn_body\" float=\"true\" pos=\"20,100,120,140\"/>"
                            L"</VerticalLayout></Window>";
constexpr POINT kBodyCentre{70, 120};
constexpr POINT kCaptionButtonCentre{240, 20};

LPARAM ClientPoint(POINT pt) { return MAKELPARAM(pt.x, pt.y); }

TEST(HitTestBeforeFirstPaint, AClickPostedRightAfterCreationReachesItsButton) {
    CTestWindow wnd(kSkin);
    ASSERT_NE(wnd.CreateAt(100, 100, 300, 200), nullptr);
    // Posted input is delivered before the window's first WM_PAINT.
    ::PostMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(kBodyCentre));
    ::PostMessageW(wnd, WM_LBUTTONUP, 0, ClientPoint(kBodyCentre));
    uikit::PumpUntilIdle();
    EXPECT_EQ(wnd.m_clicks, std::vector<std::wstring>{L"btn_body"});
}

TEST(HitTestBeforeFirstPaint, AButtonInTheCaptionAreaIsNotADragHandle) {
    CTestWindow wnd(kSkin);
    ASSERT_NE(wnd.CreateAt(100, 100, 300, 200), nullptr);
    POINT ptScreen = kCaptionButtonCentre;
    ::ClientToScreen(wnd, &ptScreen);
    EXPECT_EQ(::SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y)), HTCLIENT);
    // Next to the button the caption area still drags the window.
    ptScreen.x -= 100;
    EXPECT_EQ(::SendMessageW(wnd, WM_NCHITTEST, 0, MAKELPARAM(ptScreen.x, ptScreen.y)), HTCAPTION);
}

TEST(HitTestBeforeFirstPaint, AControlAddedFromCodeIsHitBeforeAnyRepaint) {
    CTestWindow wnd(kSkin);
    ASSERT_NE(wnd.CreateAt(100, 100, 300, 200), nullptr);
    uikit::PumpUntilIdle();  // painted once with the skin's controls
    auto* pRoot = wnd.Find<CContainerUI>(L"root");
    auto* pAdded = new CButtonUI;
    pAdded->SetName(L"btn_added");
    pAdded->SetFloat(true);
    pAdded->SetFixedXY(SIZE{150, 150});
    pAdded->SetFixedWidth(40);
    pAdded->SetFixedHeight(30);
    ASSERT_TRUE(pRoot->Add(pAdded));
    ::SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, ClientPoint(POINT{170, 165}));
    ::SendMessageW(wnd, WM_LBUTTONUP, 0, ClientPoint(POINT{170, 165}));
    EXPECT_EQ(wnd.m_clicks, std::vector<std::wstring>{L"btn_added"});
}

}  // namespace
