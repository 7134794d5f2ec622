// A horizontal layout that scrolls sideways: its range and arrows, stepping one child at a time
// (arrow buttons, wheel), EnsureVisible (also asked for before a layout), hit-testing and
// painting beside the arrows, and the keyboard (arrow keys along an option group, Tab).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/ui/skinned_window_test.h"

using namespace DuiLib;
using uitest::CTestWindow;

namespace {

// Eight 60-wide options, 4 apart, in a strip 280 wide inside its inset: 508 of content. While
// they overflow, the 16-wide arrows stand at 10..26 and 274..290 and the options show between
// 30 and 270 (240 wide), so the range is 268 and option k starts at 30 + 64 k - offset.
std::wstring StripSkin(const wchar_t* pszStripAttributes, int nOptions) {
    std::wstring s = L"<Window size=\"300,120\"><VerticalLayout name=\"root\">"
                     L"<HorizontalLayout name=\"strip\" height=\"40\" inset=\"10,5,10,5\" childpadding=\"4\" "
                     L"bkcolor=\"#FF101010\" ";
    s += pszStripAttributes;
    s += L">";
    for (int i = 0; i < nOptions; ++i)
        s += L"<Option name=\"tab" + std::to_wstring(i) + L"\" group=\"tabs\" width=\"60\" bkcolor=\"#FF808080\"/>";
    s += L"</HorizontalLayout><Button name=\"below\"/></VerticalLayout></Window>";
    return s;
}

const wchar_t kScrolling[] =
    L"hscroll=\"true\" scrollarrowstyle=\"width='16' arrowcolor='#FF00FF00' hotarrowcolor='#FF00FF00' "
    L"disabledarrowcolor='#FFFF0000' bkcolor='#FF202020'\"";
constexpr int kAreaLeft = 30;
constexpr int kAreaRight = 270;
constexpr int kRange = 268;

::testing::AssertionResult Whole(CControlUI* pControl) {
    const RECT& rc = pControl->GetPos();
    if (rc.left >= kAreaLeft && rc.right <= kAreaRight) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << pControl->GetName().GetData() << " at " << rc.left << ".." << rc.right;
}

class ScrollingStripTest : public uitest::SkinnedWindowTest {
protected:
    ScrollingStripTest() : SkinnedWindowTest(Skin().c_str(), 300, 120) {}
    static const std::wstring& Skin() {
        static const std::wstring s_skin = StripSkin(kScrolling, 8);
        return s_skin;
    }

    void SetUp() override {
        SkinnedWindowTest::SetUp();
        m_pStrip = m_wnd.Find<CHorizontalLayoutUI>(L"strip");
        ASSERT_NE(m_pStrip, nullptr);
        ASSERT_NE(m_pStrip->GetScrollArrow(false), nullptr);
    }
    COptionUI* Tab(int i) { return m_wnd.Find<COptionUI>((L"tab" + std::to_wstring(i)).c_str()); }
    int Offset() const { return m_pStrip->GetScrollPos().cx; }
    CScrollArrowUI* Arrow(bool bTowardsEnd) const { return m_pStrip->GetScrollArrow(bTowardsEnd); }

    CHorizontalLayoutUI* m_pStrip = nullptr;
};

TEST(ScrollingStrip, ChildrenThatFitLieAsInAPlainLayoutWithoutArrows) {
    CTestWindow plain(StripSkin(L"", 3));
    CTestWindow scrolling(StripSkin(kScrolling, 3));
    ASSERT_NE(plain.CreateAt(0, 0, 300, 120), nullptr);
    ASSERT_NE(scrolling.CreateAt(0, 200, 300, 120), nullptr);
    plain.PM().UpdateLayout();
    scrolling.PM().UpdateLayout();
    auto* pStrip = scrolling.Find<CHorizontalLayoutUI>(L"strip");
    EXPECT_EQ(pStrip->GetScrollRange().cx, 0);
    EXPECT_FALSE(pStrip->GetScrollArrow(false)->IsVisible());
    EXPECT_FALSE(pStrip->GetScrollArrow(true)->IsVisible());
    for (const wchar_t* pszName : {L"tab0", L"tab1", L"tab2", L"below"}) {
        const RECT& rcPlain = plain.Find(pszName)->GetPos();
        const RECT& rcScrolling = scrolling.Find(pszName)->GetPos();
        EXPECT_TRUE(::EqualRect(&rcPlain, &rcScrolling)) << pszName;
    }
    EXPECT_EQ(scrolling.Find(L"tab0")->GetPos().left, 10);
    // The wheel over a strip with nothing to scroll moves nothing.
    ASSERT_TRUE(uikit::Wheel(scrolling.Find(L"tab2"), -WHEEL_DELTA));
    EXPECT_EQ(pStrip->GetScrollPos().cx, 0);
    EXPECT_EQ(scrolling.Find(L"tab2")->GetPos().left, 138);
}

TEST_F(ScrollingStripTest, ArrowsShowAtTheEndsAndStepOneChildAtATime) {
    EXPECT_EQ(m_pStrip->GetScrollRange().cx, kRange);
    ASSERT_TRUE(Arrow(false)->IsVisible());
    ASSERT_TRUE(Arrow(true)->IsVisible());
    EXPECT_EQ(Arrow(false)->GetPos().left, 10);
    EXPECT_EQ(Arrow(false)->GetPos().right, 26);
    EXPECT_EQ(Arrow(true)->GetPos().left, 274);
    EXPECT_EQ(Arrow(true)->GetPos().right, 290);
    EXPECT_EQ(Arrow(false)->GetPos().top, 5);
    EXPECT_EQ(Arrow(false)->GetPos().bottom, 35);
    EXPECT_EQ(Tab(0)->GetPos().left, kAreaLeft);
    EXPECT_FALSE(Arrow(false)->CanScroll());
    EXPECT_TRUE(Arrow(true)->CanScroll());

    // Each press of the right arrow brings the next cut option wholly in at the right end; at
    // the end it does nothing. The left arrow walks back, option by option, to the start.
    struct Step { bool bTowardsEnd; int iOffset; int iWhole; };
    const Step steps[] = {
        {true, 12, 3},  {true, 76, 4},  {true, 140, 5}, {true, 204, 6}, {true, 268, 7}, {true, 268, 7},
        {false, 256, 4}, {false, 192, 3}, {false, 128, 2}, {false, 64, 1}, {false, 0, 0}, {false, 0, 0},
    };
    for (const Step& step : steps) {
        ASSERT_TRUE(uikit::Click(Arrow(step.bTowardsEnd)));
        EXPECT_EQ(Offset(), step.iOffset);
        EXPECT_TRUE(Whole(Tab(step.iWhole)));
        EXPECT_EQ(Tab(step.iWhole)->GetPos().left, 30 + 64 * step.iWhole - step.iOffset);
    }
    EXPECT_FALSE(Arrow(false)->CanScroll());
    // The arrows are parts of the strip: they select nothing and tell the window nothing.
    EXPECT_TRUE(m_wnd.Sequence().empty());
    for (int i = 0; i < 8; ++i) EXPECT_FALSE(Tab(i)->IsSelected()) << i;
}

TEST_F(ScrollingStripTest, WheelStepsAsTheArrowsDoAndStopsAtTheEnds) {
    struct Turn { int iDelta; int iOffset; };
    const Turn turns[] = {
        {-WHEEL_DELTA, 12}, {-2 * WHEEL_DELTA, 140}, {WHEEL_DELTA, 128}, {-10 * WHEEL_DELTA, kRange},
        {WHEEL_DELTA / 2, 256}, {10 * WHEEL_DELTA, 0},
    };
    for (const Turn& turn : turns) {
        // Over whichever option shows at the strip's middle: the wheel reaches the strip from it.
        CControlUI* pUnder = m_wnd.PM().FindControl(POINT{150, 20});
        ASSERT_NE(pUnder, nullptr);
        ASSERT_TRUE(uikit::Wheel(pUnder, turn.iDelta));
        EXPECT_EQ(Offset(), turn.iOffset) << turn.iDelta;
    }
}

TEST(ScrollingStrip, WheelScrollsTheStripWhileItOverflowsAndTheColumnAroundItOtherwise) {
    for (int nOptions : {8, 3}) {
        std::wstring sSkin = L"<Window size=\"300,120\"><VerticalLayout name=\"column\" vscrollbar=\"true\">"
                             L"<HorizontalLayout name=\"strip\" height=\"40\" inset=\"10,5,10,5\" childpadding=\"4\" ";
        sSkin += kScrolling;
        sSkin += L">";
        for (int i = 0; i < nOptions; ++i) sSkin += L"<Option name=\"tab" + std::to_wstring(i) + L"\" width=\"60\"/>";
        sSkin += L"</HorizontalLayout><Control height=\"400\"/></VerticalLayout></Window>";
        CTestWindow wnd(sSkin);
        ASSERT_NE(wnd.CreateAt(0, 0, 300, 120), nullptr);
        wnd.PM().UpdateLayout();
        ASSERT_TRUE(uikit::Wheel(wnd.Find(L"tab1"), -WHEEL_DELTA));
        const bool bOverflows = nOptions == 8;
        EXPECT_EQ(wnd.Find<CHorizontalLayoutUI>(L"strip")->GetScrollPos().cx > 0, bOverflows) << nOptions;
        EXPECT_EQ(wnd.Find<CContainerUI>(L"column")->GetScrollPos().cy > 0, !bOverflows) << nOptions;
    }
}

TEST_F(ScrollingStripTest, EnsureVisibleBringsAChildWhollyBetweenTheArrows) {
    struct Row { int iFrom; int iChild; int iOffset; };
    const Row rows[] = {
        {0, 7, kRange},  // far right: its right edge comes to the right end
        {kRange, 0, 0},  // far left: its left edge comes to the left end
        {0, 3, 12},      // cut at the right: just enough
        {12, 1, 12},     // wholly shown: nothing moves
        {100, 2, 100},   // 158 - 100 = 58 .. 118: shown
        {100, 1, 64},    // cut at the left
    };
    for (const Row& r : rows) {
        m_pStrip->SetScrollPos(SIZE{r.iFrom, 0});
        ASSERT_EQ(Offset(), r.iFrom);
        m_pStrip->EnsureVisible(Tab(r.iChild));
        EXPECT_EQ(Offset(), r.iOffset) << "from " << r.iFrom << " child " << r.iChild;
        EXPECT_TRUE(Whole(Tab(r.iChild)));
    }
    // Asked for right after a change, before any layout: done on the new layout (one option
    // fewer: range 204).
    m_pStrip->SetScrollPos(SIZE{0, 0});
    Tab(0)->SetVisible(false);
    m_pStrip->EnsureVisible(Tab(7));
    EXPECT_EQ(Offset(), 204);
    EXPECT_TRUE(Whole(Tab(7)));
    // A child wider than what shows keeps its start in view.
    Tab(4)->SetFixedWidth(400);
    m_pStrip->EnsureVisible(Tab(4));
    EXPECT_EQ(Tab(4)->GetPos().left, kAreaLeft);
}

TEST_F(ScrollingStripTest, EnsureVisibleAskedWhileTheStripIsHiddenIsDoneWhenItShows) {
    // Options 3 to 7 alone: range 76 (five of them, 316 wide).
    for (int i = 0; i < 3; ++i) Tab(i)->SetVisible(false);
    m_wnd.PM().UpdateLayout();
    ASSERT_EQ(m_pStrip->GetScrollRange().cx, 76);
    // Hidden, the strip cannot be laid out: where option 4 was (the second) says nothing of
    // where it will be once the three before it are back.
    m_pStrip->SetVisible(false);
    for (int i = 0; i < 3; ++i) Tab(i)->SetVisible(true);
    m_pStrip->EnsureVisible(Tab(4));
    m_wnd.PM().UpdateLayout();
    m_pStrip->SetVisible(true);
    m_wnd.PM().UpdateLayout();
    EXPECT_EQ(Offset(), 76);
    EXPECT_TRUE(Whole(Tab(4)));
}

TEST_F(ScrollingStripTest, OnlyTheArrowsAndWhatShowsBetweenThemAreHitAndPainted) {
    struct Probe { int x; const wchar_t* pszHit; };
    const Probe probes[] = {
        {18, L"<left arrow>"}, {28, L"strip"}, {60, L"tab0"}, {250, L"tab3"}, {272, L"strip"}, {280, L"<right arrow>"},
    };
    for (const Probe& probe : probes) {
        CControlUI* pHit = m_wnd.PM().FindControl(POINT{probe.x, 20});
        const std::wstring sHit = pHit == Arrow(false)  ? L"<left arrow>"
                                  : pHit == Arrow(true) ? L"<right arrow>"
                                                        : pHit->GetName().GetData();
        EXPECT_EQ(sHit, probe.pszHit) << probe.x;
    }
    // Option 3 reaches to 282 but is cut at 270; the arrows paint their chevrons: dimmed (red)
    // where there is nothing to scroll to, live (green) where there is.
    const auto glyphs = [&](const uikit::Capture& cap, bool bTowardsEnd, uint32_t rgb) {
        const RECT& rc = Arrow(bTowardsEnd)->GetPos();
        return (rc.right - rc.left) * (rc.bottom - rc.top) - cap.CountNot(rc, rgb);
    };
    uikit::Capture cap = uikit::CaptureWindow(m_wnd);
    EXPECT_EQ(cap.At(250, 20), 0x808080u);
    for (int x = 270; x < 274; ++x) EXPECT_EQ(cap.At(x, 20), 0x101010u) << x;
    EXPECT_EQ(cap.At(12, 8), 0x202020u) << "the arrow's own background";
    EXPECT_GT(glyphs(cap, false, 0xFF0000), 0);
    EXPECT_EQ(glyphs(cap, false, 0x00FF00), 0);
    EXPECT_GT(glyphs(cap, true, 0x00FF00), 0);
    m_pStrip->SetScrollPos(SIZE{kRange, 0});
    cap = uikit::CaptureWindow(m_wnd);
    EXPECT_GT(glyphs(cap, false, 0x00FF00), 0);
    EXPECT_GT(glyphs(cap, true, 0xFF0000), 0);
    EXPECT_EQ(glyphs(cap, true, 0x00FF00), 0);
    EXPECT_EQ(cap.At(35, 20), 0x808080u) << "option 4 starts at 286 - 268 = 18, shown from 30";
    EXPECT_EQ(cap.At(20, 8), 0x202020u) << "and not under the arrow";
}

TEST_F(ScrollingStripTest, ArrowKeysWalkTheGroupAndBringEachOptionIntoView) {
    ASSERT_TRUE(uikit::Click(Tab(0)));
    ASSERT_TRUE(Tab(0)->IsFocused());
    m_wnd.ClearRecords();
    for (int i = 1; i < 8; ++i) {
        uikit::PressKey(m_wnd, i % 2 ? VK_RIGHT : VK_DOWN);
        EXPECT_TRUE(Tab(i)->IsSelected()) << i;
        EXPECT_TRUE(Tab(i)->IsFocused()) << i;
        EXPECT_TRUE(Whole(Tab(i))) << i;
    }
    EXPECT_EQ(Offset(), kRange);
    EXPECT_EQ(m_wnd.Sequence()[0], L"killfocus:tab0");
    EXPECT_EQ(m_wnd.Sequence()[1], L"setfocus:tab1");
    EXPECT_EQ(m_wnd.Sequence()[2], L"click:tab1");
    EXPECT_EQ(m_wnd.Sequence()[3], L"selectchanged:tab1");
    EXPECT_EQ(m_wnd.Sequence().size(), 7u * 4u);
    // The last option is where the keys stop.
    m_wnd.ClearRecords();
    uikit::PressKey(m_wnd, VK_RIGHT);
    EXPECT_TRUE(Tab(7)->IsSelected());
    EXPECT_TRUE(m_wnd.Sequence().empty());
    // Hidden options are passed over; going back brings the option in at the left end.
    Tab(6)->SetVisible(false);
    Tab(5)->SetEnabled(false);
    uikit::PressKey(m_wnd, VK_LEFT);
    EXPECT_TRUE(Tab(4)->IsSelected());
    uikit::PressKey(m_wnd, VK_UP);
    uikit::PressKey(m_wnd, VK_LEFT);
    uikit::PressKey(m_wnd, VK_LEFT);
    EXPECT_TRUE(Tab(1)->IsSelected());
    EXPECT_EQ(Tab(1)->GetPos().left, kAreaLeft);
}

TEST_F(ScrollingStripTest, TabKeyBringsTheNextControlIntoView) {
    ASSERT_TRUE(uikit::Click(Tab(2)));
    uikit::PressKey(m_wnd, VK_TAB);
    ASSERT_TRUE(Tab(3)->IsFocused());
    EXPECT_EQ(Offset(), 12);
    EXPECT_TRUE(Whole(Tab(3)));
}

}  // namespace
