// Layout (fixed and shared sizes, padding, inset, floats, hidden children), vertical scrolling
// (wheel, scroll bar, EndDown, EnsureVisible) and what the window paints.
#include <gtest/gtest.h>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;

namespace {

::testing::AssertionResult RectIs(const RECT& rc, LONG l, LONG t, LONG r, LONG b) {
    if (rc.left == l && rc.top == t && rc.right == r && rc.bottom == b) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "{" << rc.left << "," << rc.top << "," << rc.right << "," << rc.bottom
                                         << "} expected {" << l << "," << t << "," << r << "," << b << "}";
}

TEST(Layout, FixedAndSharedSizesPaddingInsetAndFloats) {
    CTestWindow wnd(L"<Window size=\"200,300\">"
                    L"<VerticalLayout name=\"root\" inset=\"10,10,10,10\" childpadding=\"5\">"
                    L" <Label name=\"fixed\" height=\"40\"/>"
                    L" <Label name=\"auto1\"/>"
                    L" <HorizontalLayout name=\"row\" height=\"50\" childpadding=\"4\">"
                    L"  <Button name=\"b1\" width=\"30\"/><Label name=\"l1\"/>"
                    L"  <Button name=\"b2\" width=\"40\" padding=\"2,3,4,5\"/>"
                    L" </HorizontalLayout>"
                    L" <Label name=\"auto2\"/>"
                    L" <Control name=\"float\" float=\"true\" pos=\"5,6,25,16\"/>"
                    L"</VerticalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 200, 300), nullptr);
    wnd.PM().UpdateLayout();
    // 280 high inside the inset: 40 + 50 fixed, 3 gaps of 5, the 175 left shared by two.
    EXPECT_TRUE(RectIs(wnd.Find(L"fixed")->GetPos(), 10, 10, 190, 50));
    EXPECT_TRUE(RectIs(wnd.Find(L"auto1")->GetPos(), 10, 55, 190, 142));
    EXPECT_TRUE(RectIs(wnd.Find(L"row")->GetPos(), 10, 147, 190, 197));
    EXPECT_TRUE(RectIs(wnd.Find(L"auto2")->GetPos(), 10, 202, 190, 290));
    EXPECT_TRUE(RectIs(wnd.Find(L"b1")->GetPos(), 10, 147, 40, 197));
    EXPECT_TRUE(RectIs(wnd.Find(L"l1")->GetPos(), 44, 147, 140, 197));
    EXPECT_TRUE(RectIs(wnd.Find(L"b2")->GetPos(), 146, 150, 186, 192));
    EXPECT_TRUE(RectIs(wnd.Find(L"float")->GetPos(), 5, 6, 25, 16));

    // A hidden child takes no room; the others close up.
    wnd.Find(L"auto1")->SetVisible(false);
    EXPECT_TRUE(wnd.PM().IsUpdateNeeded());
    wnd.PM().UpdateLayout();
    EXPECT_TRUE(RectIs(wnd.Find(L"row")->GetPos(), 10, 55, 190, 105));
    EXPECT_TRUE(RectIs(wnd.Find(L"auto2")->GetPos(), 10, 110, 190, 290));
    // A fixed height set from code (list rows) is laid out at the next layout.
    wnd.Find(L"fixed")->SetFixedHeight(22);
    wnd.PM().UpdateLayout();
    EXPECT_TRUE(RectIs(wnd.Find(L"row")->GetPos(), 10, 37, 190, 87));
}

class ScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::wstring sSkin = L"<Window size=\"200,200\"><VerticalLayout name=\"root\">"
                             L"<VerticalLayout name=\"scroller\" height=\"100\" vscrollbar=\"true\">";
        for (int i = 0; i < 10; ++i) sSkin += L"<Button name=\"item" + std::to_wstring(i) + L"\" height=\"30\"/>";
        sSkin += L"</VerticalLayout><Button name=\"below\"/></VerticalLayout></Window>";
        m_pWnd = std::make_unique<CTestWindow>(sSkin);
        ASSERT_NE(m_pWnd->CreateAt(0, 0, 200, 200), nullptr);
        m_pScroller = m_pWnd->Find<CContainerUI>(L"scroller");
        m_pWnd->PM().UpdateLayout();
    }
    CControlUI* Item(int i) { return m_pWnd->Find((L"item" + std::to_wstring(i)).c_str()); }

    std::unique_ptr<CTestWindow> m_pWnd;
    CContainerUI* m_pScroller = nullptr;
};

TEST_F(ScrollTest, EndDownHomeUpAndEnsureVisible) {
    EXPECT_EQ(m_pScroller->GetScrollRange().cy, 200);
    ASSERT_NE(m_pScroller->GetVerticalScrollBar(), nullptr);
    EXPECT_TRUE(m_pScroller->GetVerticalScrollBar()->IsVisible());
    // Children leave room for the bar.
    EXPECT_EQ(Item(0)->GetPos().right, 200 - m_pScroller->GetVerticalScrollBar()->GetBarWidth());

    m_pScroller->EndDown();
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 200);
    EXPECT_EQ(Item(9)->GetPos().bottom, m_pScroller->GetPos().bottom);
    m_pScroller->HomeUp();
    EXPECT_EQ(Item(0)->GetPos().top, 0);

    m_pScroller->EnsureVisible(5);  // 150..180 comes up to the bottom edge
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 80);
    EXPECT_EQ(Item(5)->GetPos().bottom, 100);
    m_pScroller->EnsureVisible(1);  // 30..60 comes down to the top edge
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 30);
    EXPECT_EQ(Item(1)->GetPos().top, 0);
    m_pScroller->EnsureVisible(2);  // already visible: nothing moves
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 30);

    // Items scrolled out of the column cannot be clicked, and nothing below it moved.
    EXPECT_FALSE(uikit::Click(Item(0)));
    EXPECT_TRUE(uikit::Click(Item(2)));
    EXPECT_EQ(m_pWnd->Find(L"below")->GetPos().top, 100);
}

TEST_F(ScrollTest, EndDownRightAfterContentChangesUsesTheNewLayout) {
    for (int i = 5; i < 10; ++i) Item(i)->SetVisible(false);  // 150 of content: range 50
    m_pScroller->EndDown();
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 50);
    EXPECT_EQ(Item(4)->GetPos().bottom, 100);
    for (int i = 2; i < 5; ++i) Item(i)->SetVisible(false);  // 60 of content: no scrolling
    m_pScroller->EndDown();
    EXPECT_EQ(m_pScroller->GetScrollRange().cy, 0);
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 0);
    EXPECT_FALSE(m_pScroller->GetVerticalScrollBar()->IsVisible());
    EXPECT_EQ(Item(0)->GetPos().right, 200);
}

TEST_F(ScrollTest, WheelOverAChildScrollsTheColumn) {
    const int nStep = 3 * m_pScroller->GetVerticalScrollBar()->GetLineSize();
    ASSERT_TRUE(uikit::Wheel(Item(1), -WHEEL_DELTA));
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, nStep);
    ASSERT_TRUE(uikit::Wheel(Item(2), -WHEEL_DELTA * 10));
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 200);
    ASSERT_TRUE(uikit::Wheel(Item(8), WHEEL_DELTA));
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 200 - nStep);
    // The wheel outside the column does not move it.
    ASSERT_TRUE(uikit::Wheel(m_pWnd->Find(L"below"), WHEEL_DELTA));
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 200 - nStep);
}

TEST_F(ScrollTest, DraggingTheThumbAndClickingTheTrack) {
    CScrollBarUI* pBar = m_pScroller->GetVerticalScrollBar();
    const RECT rcThumb = pBar->GetThumbRect();
    EXPECT_EQ(rcThumb.bottom - rcThumb.top, 33);  // 100 * 100 / 300
    const HWND hWnd = *m_pWnd;
    const int x = (rcThumb.left + rcThumb.right) / 2;
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, rcThumb.top + 5));
    ::SendMessageW(hWnd, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, rcThumb.top + 5 + 67));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, rcThumb.top + 5 + 67));
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 200);
    // A click on the track above the thumb pages up by the column's height.
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, 2));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, MAKELPARAM(x, 2));
    EXPECT_EQ(m_pScroller->GetScrollPos().cy, 100);
}

constexpr uint32_t kRootRgb = 0x102030;

TEST(Painting, ColoursImagesBordersProgressAndHiddenControls) {
    CTestWindow wnd(L"<Window size=\"100,60\"><Container name=\"root\" bkcolor=\"#FF102030\">"
                    L"<Control name=\"box\" float=\"true\" pos=\"10,10,30,30\" bkcolor=\"#FFFF0000\" bordersize=\"2\" bordercolor=\"#FF00FF00\"/>"
                    L"<Control name=\"img\" float=\"true\" pos=\"40,5,42,6\" bkcolor=\"#FF000000\" bkimage=\"images/alpha_pair.png\"/>"
                    L"<Control name=\"grid\" float=\"true\" pos=\"40,10,64,34\" bkimage=\"file='images/grid.png' corner='4,4,4,4'\"/>"
                    L"<Control name=\"half\" float=\"true\" pos=\"70,10,80,20\" bkcolor=\"#80FFFFFF\"/>"
                    L"<Control name=\"hidden\" float=\"true\" pos=\"82,10,98,30\" bkcolor=\"#FFFFFFFF\" visible=\"false\"/>"
                    L"<Progress name=\"prog\" float=\"true\" pos=\"10,40,90,50\" bkcolor=\"#FF333333\" forecolor=\"#FF00AA00\" value=\"25\"/>"
                    L"<Container name=\"framed\" float=\"true\" pos=\"84,52,98,60\" bordersize=\"1\" bordercolor=\"#FFFFFF00\">"
                    L"<Control bkcolor=\"#FF0000FF\"/></Container>"
                    L"</Container></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 100, 60), nullptr);
    uikit::Capture cap = uikit::CaptureWindow(wnd);
    ASSERT_EQ(cap.cx, 100);
    EXPECT_EQ(cap.At(5, 5), kRootRgb);
    EXPECT_EQ(cap.At(10, 10), 0x00FF00u);  // border
    EXPECT_EQ(cap.At(11, 20), 0x00FF00u);
    EXPECT_EQ(cap.At(12, 12), 0xFF0000u);  // inside the border
    EXPECT_EQ(cap.At(29, 29), 0x00FF00u);
    EXPECT_EQ(cap.At(30, 30), kRootRgb);
    // The image over black: opaque red, then blue at alpha 127 blended.
    EXPECT_EQ(cap.At(40, 5), 0xFF0000u);
    EXPECT_EQ(cap.At(41, 5), 0x00007Fu);
    // Nine-grid: corners and edges keep their colour, the centre stretches.
    EXPECT_EQ(cap.At(41, 11), 0xFF0000u);
    EXPECT_EQ(cap.At(52, 11), 0xFF0000u);
    EXPECT_EQ(cap.At(41, 22), 0xFF0000u);
    EXPECT_EQ(cap.At(52, 22), 0x00FF00u);
    EXPECT_EQ(cap.At(45, 15), 0x00FF00u);
    EXPECT_EQ(cap.At(59, 29), 0x00FF00u);
    EXPECT_EQ(cap.At(60, 30), 0xFF0000u);
    // Half-transparent white over the root colour.
    const uint32_t half = cap.At(75, 15);
    EXPECT_NEAR(static_cast<int>((half >> 16) & 0xFF), (0x10 + 0xFF) / 2, 1);
    EXPECT_NEAR(static_cast<int>(half & 0xFF), (0x30 + 0xFF) / 2, 1);
    EXPECT_EQ(cap.At(90, 20), kRootRgb);  // the hidden control paints nothing
    // A quarter of the bar is filled.
    EXPECT_EQ(cap.At(10, 45), 0x00AA00u);
    EXPECT_EQ(cap.At(29, 45), 0x00AA00u);
    EXPECT_EQ(cap.At(30, 45), 0x333333u);
    EXPECT_EQ(cap.At(89, 45), 0x333333u);
    // A container's border is drawn over the child that fills it.
    EXPECT_EQ(cap.At(84, 52), 0xFFFF00u);
    EXPECT_EQ(cap.At(97, 59), 0xFFFF00u);
    EXPECT_EQ(cap.At(90, 56), 0x0000FFu);

    wnd.Find<CProgressUI>(L"prog")->SetValue(150);  // clamped to the maximum
    EXPECT_EQ(wnd.Find<CProgressUI>(L"prog")->GetValue(), 100);
    wnd.Find(L"hidden")->SetVisible(true);
    cap = uikit::CaptureWindow(wnd);
    EXPECT_EQ(cap.At(89, 45), 0x00AA00u);
    EXPECT_EQ(cap.At(90, 20), 0xFFFFFFu);
}

TEST(Painting, TextFollowsItsAlignmentAndStateColoursFollowTheUser) {
    CTestWindow wnd(L"<Window size=\"200,90\"><VerticalLayout bkcolor=\"#FF000000\">"
                    L"<Label name=\"left\" height=\"30\" text=\"WWWW\" textcolor=\"#FFFFFFFF\"/>"
                    L"<Label name=\"right\" height=\"30\" text=\"WWWW\" textcolor=\"#FFFFFFFF\" align=\"right\"/>"
                    L"<HorizontalLayout height=\"30\">"
                    L" <Button name=\"btn\" width=\"50\" bkcolor=\"#FF202020\" hotbkcolor=\"#FF404040\"/>"
                    L" <Option name=\"opt\" width=\"50\" bkcolor=\"#FF202020\" selectedbkcolor=\"#FF0000FF\"/>"
                    L"</HorizontalLayout></VerticalLayout></Window>");
    ASSERT_NE(wnd.CreateAt(0, 0, 200, 90), nullptr);
    uikit::Capture cap = uikit::CaptureWindow(wnd);
    EXPECT_GT(cap.CountNot(RECT{0, 0, 60, 30}, 0), 20);
    EXPECT_EQ(cap.CountNot(RECT{100, 0, 200, 30}, 0), 0);
    EXPECT_EQ(cap.CountNot(RECT{0, 30, 100, 60}, 0), 0);
    EXPECT_GT(cap.CountNot(RECT{140, 30, 200, 60}, 0), 20);
    EXPECT_EQ(cap.At(25, 75), 0x202020u);
    EXPECT_EQ(cap.At(75, 75), 0x202020u);
    ASSERT_TRUE(uikit::HoverOver(wnd.Find(L"btn")));
    ASSERT_TRUE(uikit::Click(wnd.Find(L"opt")));
    cap = uikit::CaptureWindow(wnd);
    EXPECT_EQ(cap.At(25, 75), 0x202020u);  // the pointer moved on to the option
    EXPECT_EQ(cap.At(75, 75), 0x0000FFu);
    ASSERT_TRUE(uikit::HoverOver(wnd.Find(L"btn")));
    cap = uikit::CaptureWindow(wnd);
    EXPECT_EQ(cap.At(25, 75), 0x404040u);
}

}  // namespace
