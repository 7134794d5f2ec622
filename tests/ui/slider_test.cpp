// CSliderUI: the thumb dragged and the track pressed with the mouse, the keys while focused,
// "valuechanged" once a user change is released, SetValue silent, and how the slider paints.
#include "tests/ui/skinned_window_test.h"

using namespace DuiLib;
using Seq = std::vector<std::wstring>;

namespace {

// 210 px wide with a 10 px thumb: 200 px of travel for 0..100, 2 px a step.
constexpr wchar_t kSkin[] =
    L"<Window size=\"320,220\">"
    L"<VerticalLayout name=\"root\" bkcolor=\"#FF000000\" inset=\"10,10,10,10\" childpadding=\"10\">"
    L" <Button name=\"btn\" height=\"30\"/>"
    L" <Slider name=\"slider\" width=\"210\" height=\"20\" min=\"0\" max=\"100\" value=\"50\" step=\"5\""
    L"   thumbsize=\"10,16\" thumbcolor=\"#FFFF0000\" forecolor=\"#FF0000FF\" bkcolor=\"#FF404040\"/>"
    L" <Slider name=\"vslider\" hor=\"false\" width=\"20\" height=\"110\" min=\"0\" max=\"10\" value=\"0\""
    L"   thumbsize=\"16,10\" thumbcolor=\"#FFFF0000\"/>"
    L"</VerticalLayout></Window>";

class SliderTest : public uitest::SkinnedWindowTest {
protected:
    SliderTest() : SkinnedWindowTest(kSkin, 320, 220) {}
    void SetUp() override {
        SkinnedWindowTest::SetUp();
        m_pSlider = m_wnd.Find<CSliderUI>(L"slider");
        ASSERT_NE(m_pSlider, nullptr);
    }

    // The client point over value v's thumb centre on the horizontal slider.
    POINT AtValue(int v) const {
        const RECT& rc = m_pSlider->GetPos();
        return POINT{rc.left + 5 + 2 * v, (rc.top + rc.bottom) / 2};
    }
    void Send(UINT uMsg, POINT pt) {
        if (uMsg == WM_MOUSEMOVE || uMsg == WM_LBUTTONDOWN) {
            POINT ptScreen = pt;
            ::ClientToScreen(m_wnd, &ptScreen);
            ::SetCursorPos(ptScreen.x, ptScreen.y);
        }
        ::SendMessageW(m_wnd, uMsg, uMsg == WM_LBUTTONUP ? 0 : MK_LBUTTON, MAKELPARAM(pt.x, pt.y));
    }

    CSliderUI* m_pSlider = nullptr;
};

TEST_F(SliderTest, RangeComesFromTheSkinAndSetValueIsSilentAndClamped) {
    EXPECT_EQ(m_pSlider->GetMinValue(), 0);
    EXPECT_EQ(m_pSlider->GetMaxValue(), 100);
    EXPECT_EQ(m_pSlider->GetValue(), 50);
    for (const auto& [iSet, iExpected] : {std::pair{70, 70}, {150, 100}, {-3, 0}, {42, 42}}) {
        m_pSlider->SetValue(iSet);
        EXPECT_EQ(m_pSlider->GetValue(), iExpected);
    }
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
}

TEST_F(SliderTest, TheThumbFollowsADragAndValuechangedComesOnceOnRelease) {
    Send(WM_LBUTTONDOWN, AtValue(50));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:slider"}));
    for (const auto& [iAt, iExpected] : {std::pair{60, 60}, {80, 80}, {130, 100}, {-20, 0}, {30, 30}}) {
        Send(WM_MOUSEMOVE, AtValue(iAt));
        EXPECT_EQ(m_pSlider->GetValue(), iExpected) << iAt;
    }
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:slider"}));  // nothing while the button is held
    Send(WM_LBUTTONUP, AtValue(30));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:slider", L"valuechanged:slider"}));
    EXPECT_EQ(m_pSlider->GetValue(), 30);
}

TEST_F(SliderTest, AThumbGrabbedOffCentreDoesNotJump) {
    POINT pt = AtValue(50);
    pt.x += 3;  // still on the 10 px thumb
    Send(WM_LBUTTONDOWN, pt);
    EXPECT_EQ(m_pSlider->GetValue(), 50);
    pt.x += 20;
    Send(WM_MOUSEMOVE, pt);
    Send(WM_LBUTTONUP, pt);
    EXPECT_EQ(m_pSlider->GetValue(), 60);
}

TEST_F(SliderTest, APressOnTheTrackMovesTheThumbThere) {
    // Where the press lands, from the slider's left edge, and the value it gives.
    struct Case {
        int iAt;
        int iExpected;
    } cases[] = {{55, 25}, {55, 25}, {203, 99}, {1, 0}, {209, 100}};
    int iPrevious = m_pSlider->GetValue();
    for (const Case& c : cases) {
        m_wnd.ClearRecords();
        const POINT pt{m_pSlider->GetPos().left + c.iAt, AtValue(0).y};
        Send(WM_LBUTTONDOWN, pt);
        Send(WM_LBUTTONUP, pt);
        EXPECT_EQ(m_pSlider->GetValue(), c.iExpected) << c.iAt;
        // A press that lands on the value it already had changes nothing.
        EXPECT_EQ(CountOf(L"valuechanged", L"slider"), c.iExpected != iPrevious ? 1 : 0) << c.iAt;
        iPrevious = c.iExpected;
    }
}

TEST_F(SliderTest, ADragEndingWhereItStartedRaisesNothing) {
    Send(WM_LBUTTONDOWN, AtValue(50));
    Send(WM_MOUSEMOVE, AtValue(90));
    Send(WM_MOUSEMOVE, AtValue(50));
    Send(WM_LBUTTONUP, AtValue(50));
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:slider"}));
}

TEST_F(SliderTest, ADragCutShortByALostCaptureKeepsItsValueAndIsAnnounced) {
    Send(WM_LBUTTONDOWN, AtValue(50));
    Send(WM_MOUSEMOVE, AtValue(70));
    // Another window takes the mouse.
    HWND hOther = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 600, 600, 20, 20, nullptr, nullptr,
                                    ::GetModuleHandleW(nullptr), nullptr);
    ::SetCapture(hOther);
    ::ReleaseCapture();
    ::DestroyWindow(hOther);
    EXPECT_EQ(m_pSlider->GetValue(), 70);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:slider", L"valuechanged:slider"}));
    // The next move is not a drag.
    Send(WM_MOUSEMOVE, AtValue(10));
    EXPECT_EQ(m_pSlider->GetValue(), 70);
}

TEST_F(SliderTest, KeysStepTheValueWhileFocusedAndEachReleaseAnnouncesIt) {
    Send(WM_LBUTTONDOWN, AtValue(50));  // on the thumb: focus, no change
    Send(WM_LBUTTONUP, AtValue(50));
    m_wnd.ClearRecords();
    struct Step {
        UINT uKey;
        int iExpected;
    } steps[] = {{VK_RIGHT, 55}, {VK_UP, 60}, {VK_LEFT, 55}, {VK_DOWN, 50}, {VK_PRIOR, 60}, {VK_NEXT, 50},
                 {VK_END, 100}, {VK_RIGHT, 100}, {VK_HOME, 0}, {VK_LEFT, 0}};
    int iPrevious = 50;
    for (const Step& step : steps) {
        m_wnd.ClearRecords();
        uikit::PressKey(m_wnd, step.uKey);
        EXPECT_EQ(m_pSlider->GetValue(), step.iExpected) << step.uKey;
        EXPECT_EQ(m_wnd.Sequence(), step.iExpected != iPrevious ? Seq{L"valuechanged:slider"} : Seq{}) << step.uKey;
        iPrevious = step.iExpected;
    }
    // A key held (repeats) and released is one change.
    m_wnd.ClearRecords();
    for (int i = 0; i < 3; ++i) ::SendMessageW(m_wnd, WM_KEYDOWN, VK_RIGHT, 1);
    EXPECT_EQ(m_pSlider->GetValue(), 15);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    ::SendMessageW(m_wnd, WM_KEYUP, VK_RIGHT, 1 | 0xC0000000);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"valuechanged:slider"}));
}

TEST_F(SliderTest, AVerticalSliderGrowsUpwards) {
    auto* pVertical = m_wnd.Find<CSliderUI>(L"vslider");
    const RECT& rc = pVertical->GetPos();
    const POINT ptTop{(rc.left + rc.right) / 2, rc.top + 5};
    ::SendMessageW(m_wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(ptTop.x, ptTop.y));
    ::SendMessageW(m_wnd, WM_LBUTTONUP, 0, MAKELPARAM(ptTop.x, ptTop.y));
    EXPECT_EQ(pVertical->GetValue(), 10);
    EXPECT_EQ(m_wnd.Sequence(), (Seq{L"setfocus:vslider", L"valuechanged:vslider"}));
    uikit::PressKey(m_wnd, VK_DOWN);
    EXPECT_EQ(pVertical->GetValue(), 9);
}

TEST_F(SliderTest, ADisabledSliderIgnoresTheMouseAndTheKeys) {
    m_pSlider->SetEnabled(false);
    Send(WM_LBUTTONDOWN, AtValue(10));
    Send(WM_LBUTTONUP, AtValue(10));
    EXPECT_EQ(m_pSlider->GetValue(), 50);
    EXPECT_EQ(m_wnd.Sequence(), Seq{});
    EXPECT_EQ(m_pSlider->GetControlFlags() & UIFLAG_TABSTOP, 0u);
}

TEST_F(SliderTest, TheTrackFillsUpToTheThumb) {
    m_pSlider->SetValue(25);
    const uikit::Capture shot = uikit::CaptureWindow(m_wnd);
    const RECT rcThumb = m_pSlider->GetThumbRect();
    const int y = (rcThumb.top + rcThumb.bottom) / 2;
    const RECT& rc = m_pSlider->GetPos();
    EXPECT_EQ(rcThumb.left, rc.left + 50);
    EXPECT_EQ(shot.At((rcThumb.left + rcThumb.right) / 2, y), 0xFF0000u);  // the thumb
    EXPECT_EQ(shot.At(rc.left + 2, y), 0x0000FFu);                          // filled
    EXPECT_EQ(shot.At(rc.right - 2, y), 0x404040u);                         // the rest of the track
}

}  // namespace
