// The colour palette: colours set from code come back exactly; pressing and dragging in the
// field and the brightness bar picks colours with "colorchanged" and ends with
// "colorchangedbuttonup"; the keyboard moves the picker; the field and bar are painted.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "tests/ui/ui_test_support.h"

using namespace DuiLib;
using uitest::CTestWindow;
using Seq = std::vector<std::wstring>;

namespace {

// The field is 361 wide (one degree of hue a pixel) and 101 high (saturation in hundredths);
// it lies at (20,20)-(381,121), the bar at (20,129)-(381,141).
constexpr wchar_t kSkin[] = L"<Window size=\"420,220\"><VerticalLayout name=\"root\" inset=\"20,20,20,20\""
                            L" childpadding=\"10\" bkcolor=\"#FF303030\">"
                            L"<ColorPalette name=\"palette\" width=\"361\" height=\"121\" barheight=\"12\" bargap=\"8\"/>"
                            L"<Button name=\"other\" height=\"30\"/>"
                            L"</VerticalLayout></Window>";
constexpr LONG kLeft = 20, kRight = 380, kTop = 20, kBottom = 120, kBarY = 135;

std::string Hex(DWORD dw) {
    char sz[16];
    std::snprintf(sz, sizeof(sz), "0x%08lX", static_cast<unsigned long>(dw));
    return sz;
}

class ColorPaletteTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_NE(m_wnd.CreateAt(40, 40, 420, 220), nullptr);
        ::SetForegroundWindow(m_wnd);
        uikit::PumpUntilIdle();
        ::SendMessageW(m_wnd, WM_MOUSELEAVE, 0, 0);
        m_pPalette = m_wnd.Find<CColorPaletteUI>(L"palette");
        ASSERT_NE(m_pPalette, nullptr);
        // Every colour notification with the colour the palette reports at that moment.
        m_wnd.m_onNotify = [this](TNotifyUI& msg) {
            if (msg.sType.Find(L"color") == 0) {
                EXPECT_EQ(msg.pSender, m_pPalette);
                m_seen.push_back(msg.sType.str() + L":" + std::to_wstring(m_pPalette->GetSelectColor()));
            }
        };
        m_wnd.ClearRecords();
    }

    static LPARAM At(POINT pt) { return MAKELPARAM(pt.x, pt.y); }
    void Move(POINT pt) { ::SendMessageW(m_wnd, WM_MOUSEMOVE, MK_LBUTTON, At(pt)); }
    void Press(POINT pt) {
        ::SendMessageW(m_wnd, WM_MOUSEMOVE, 0, At(pt));
        ::SendMessageW(m_wnd, WM_LBUTTONDOWN, MK_LBUTTON, At(pt));
    }
    void Release(POINT pt) { ::SendMessageW(m_wnd, WM_LBUTTONUP, 0, At(pt)); }
    void ClickAt(POINT pt) {
        Press(pt);
        Release(pt);
    }
    static std::wstring Seen(LPCWSTR pstrType, DWORD dwColor) { return std::wstring(pstrType) + L":" + std::to_wstring(dwColor); }

    CTestWindow m_wnd{kSkin};
    CColorPaletteUI* m_pPalette = nullptr;
    Seq m_seen;
};

TEST_F(ColorPaletteTest, ItIsBuiltFromTheSkinWithItsParts) {
    EXPECT_STREQ(m_pPalette->GetClass(), L"ColorPaletteUI");
    EXPECT_EQ(m_pPalette->GetInterface(L"ColorPalette"), m_pPalette);
    const RECT rcField = m_pPalette->GetFieldRect(), rcBar = m_pPalette->GetBarRect();
    EXPECT_EQ(rcField.left, kLeft);
    EXPECT_EQ(rcField.right - 1, kRight);
    EXPECT_EQ(rcField.top, kTop);
    EXPECT_EQ(rcField.bottom - 1, kBottom);
    EXPECT_EQ(rcBar.top, 129);
    EXPECT_EQ(rcBar.bottom, 141);
}

TEST_F(ColorPaletteTest, AColourSetFromCodeComesBackExactlyAndSilently) {
    const DWORD colours[] = {
        0xFF000000, 0xFFFFFFFF, 0xFF808080, 0xFF7F7F7F, 0xFF010101, 0xFFFEFEFE,  // greys
        0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFF00, 0xFF00FFFF, 0xFFFF00FF,  // pure hues
        0xFF010203, 0xFF020100, 0xFF102030, 0xFF000001, 0xFF0A0000,              // dark colours
        0xFF123456, 0xFFFF5400, 0xFF1EB40A, 0xFF48B1FF, 0xFFFEFFFE,              // others
        0x00ABCDEF, 0x80FEDCBA,                                                  // with alpha
    };
    for (DWORD dwColour : colours) {
        SCOPED_TRACE(Hex(dwColour));
        m_pPalette->SetSelectColor(dwColour);
        EXPECT_EQ(m_pPalette->GetSelectColor(), dwColour);
        // Painting, hovering and a new layout do not move the colour away from what was set.
        uikit::CaptureWindow(m_wnd);
        ::SendMessageW(m_wnd, WM_MOUSEMOVE, 0, At(POINT{200, 70}));
        ::SendMessageW(m_wnd, WM_MOUSEMOVE, 0, At(POINT{200, 135}));
        m_wnd.PM().NeedUpdate();
        uikit::PumpUntilIdle();
        EXPECT_EQ(m_pPalette->GetSelectColor(), dwColour) << "now " << Hex(m_pPalette->GetSelectColor());
    }
    EXPECT_TRUE(m_seen.empty());
}

TEST_F(ColorPaletteTest, PressingInTheFieldAndTheBarPicksTheColourThere) {
    struct Case {
        DWORD dwStart;
        POINT pt;
        DWORD dwExpected;
    } cases[] = {
        {0xFFFFFFFF, {kLeft, kTop}, 0xFFFF0000},         // hue 0, full saturation
        {0xFFFFFFFF, {kLeft + 120, kTop}, 0xFF00FF00},   // hue 120
        {0xFFFFFFFF, {kLeft + 240, kTop}, 0xFF0000FF},   // hue 240
        {0xFFFFFFFF, {kRight, kTop}, 0xFFFF0000},        // hue 360 is red again
        {0xFFFFFFFF, {kLeft + 60, kTop + 50}, 0xFFFFFF80},  // hue 60, half saturation
        {0xFFFF0000, {kLeft + 200, kBottom}, 0xFFFFFFFF},   // no saturation
        {0xFF800000, {kLeft + 120, kTop}, 0xFF008000},      // the field keeps the brightness
        {0xFFFF0000, {kLeft, kBarY}, 0xFF000000},           // the bar: black at the left
        {0xFFFF0000, {kLeft + 180, kBarY}, 0xFF800000},     // half brightness
        {0xFF800000, {kRight, kBarY}, 0xFFFF0000},          // full brightness of the set hue
        {0xFF102030, {kRight, kBarY}, 0xFF55AAFF},          // a dark colour brightened
        {0xFF808080, {kRight, kBarY}, 0xFFFFFFFF},          // a grey brightened stays grey
        {0x80123456, {kLeft, kTop}, 0x80000000 | 0x560000}, // the alpha of the colour stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Hex(c.dwStart) + " at " + std::to_string(c.pt.x) + "," + std::to_string(c.pt.y));
        m_pPalette->SetSelectColor(c.dwStart);
        m_seen.clear();
        ClickAt(c.pt);
        EXPECT_EQ(m_pPalette->GetSelectColor(), c.dwExpected) << "got " << Hex(m_pPalette->GetSelectColor());
        EXPECT_EQ(m_seen, (Seq{Seen(L"colorchanged", c.dwExpected), Seen(L"colorchangedbuttonup", c.dwExpected)}));
    }
}

TEST_F(ColorPaletteTest, BlackKeepsTheHueAndSaturationThePickerHad) {
    m_pPalette->SetSelectColor(0xFF00FFFF);
    m_pPalette->SetSelectColor(0xFF000000);
    ClickAt(POINT{kRight, kBarY});
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFF00FFFFu);
}

TEST_F(ColorPaletteTest, ADragRaisesColorchangedForEachChangeThenButtonUp) {
    m_pPalette->SetSelectColor(0xFFFFFFFF);
    Press(POINT{kLeft, kTop});
    Move(POINT{kLeft + 120, kTop});
    Move(POINT{kLeft + 120, kTop});     // no change, nothing raised
    Move(POINT{kRight + 200, kTop - 60});  // beyond the edge: the field's corner
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFFFF0000u);
    Release(POINT{kRight + 200, kTop - 60});
    EXPECT_EQ(m_seen, (Seq{Seen(L"colorchanged", 0xFFFF0000), Seen(L"colorchanged", 0xFF00FF00),
                           Seen(L"colorchanged", 0xFFFF0000), Seen(L"colorchangedbuttonup", 0xFFFF0000)}));

    // A drag in the bar stays in the bar, whatever the pointer crosses.
    m_seen.clear();
    Press(POINT{kRight, kBarY});
    Move(POINT{kLeft + 180, kTop});
    Release(POINT{kLeft + 180, kTop});
    EXPECT_EQ(m_seen, (Seq{Seen(L"colorchanged", 0xFF800000), Seen(L"colorchangedbuttonup", 0xFF800000)}));
}

TEST_F(ColorPaletteTest, PressesBesideThePartsAndLostDragsPickNothing) {
    m_pPalette->SetSelectColor(0xFF123456);
    ClickAt(POINT{kLeft + 100, 125});  // the gap between field and bar
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFF123456u);
    EXPECT_TRUE(m_seen.empty());

    // Capture taken away mid-drag: the drag ends where it was (hue 240 at the set brightness).
    Press(POINT{kLeft + 240, kTop});
    ::SendMessageW(m_wnd, WM_CAPTURECHANGED, 0, reinterpret_cast<LPARAM>(::GetDesktopWindow()));
    EXPECT_EQ(m_seen, (Seq{Seen(L"colorchanged", 0xFF000056), Seen(L"colorchangedbuttonup", 0xFF000056)}));
    Move(POINT{kLeft, kTop});
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFF000056u);

    // Disabled, it takes no picks.
    m_pPalette->SetEnabled(false);
    m_seen.clear();
    ClickAt(POINT{kLeft, kTop});
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFF000056u);
    EXPECT_TRUE(m_seen.empty());
}

TEST_F(ColorPaletteTest, TheKeyboardMovesThePicker) {
    m_pPalette->SetSelectColor(0xFFFFFFFF);
    ClickAt(POINT{kLeft, kTop});  // red, and the palette has the focus
    ASSERT_EQ(m_wnd.PM().GetFocus(), m_pPalette);
    m_seen.clear();
    uikit::PressKey(m_wnd, VK_RIGHT);  // hue 5
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFFFF1500u);
    uikit::PressKey(m_wnd, VK_NEXT);  // brightness 0.95
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFFF21400u);
    uikit::PressKey(m_wnd, VK_UP);  // saturation already full: nothing changes
    EXPECT_EQ(m_seen, (Seq{Seen(L"colorchanged", 0xFFFF1500), Seen(L"colorchangedbuttonup", 0xFFFF1500),
                           Seen(L"colorchanged", 0xFFF21400), Seen(L"colorchangedbuttonup", 0xFFF21400)}));
    uikit::PressKey(m_wnd, VK_LEFT);
    uikit::PressKey(m_wnd, VK_LEFT);  // hue 355
    uikit::PressKey(m_wnd, VK_DOWN);  // saturation 0.95
    EXPECT_EQ(m_pPalette->GetSelectColor(), 0xFFF20C1Fu);
}

TEST_F(ColorPaletteTest, TheFieldTheBarAndBothThumbsAreDrawn) {
    m_pPalette->SetSelectColor(0xFF0000FF);  // thumbs at hue 240 on the top row and the bar's right end
    const uikit::Capture cap = uikit::CaptureWindow(m_wnd);
    EXPECT_EQ(cap.At(kLeft, kTop), 0xFF0000u);
    EXPECT_EQ(cap.At(kLeft + 120, kTop), 0x00FF00u);
    EXPECT_EQ(cap.At(kLeft + 60, kTop + 50), 0xFFFF80u);
    EXPECT_EQ(cap.At(kLeft, kBottom), 0xFFFFFFu);
    EXPECT_EQ(cap.At(kLeft, kBarY), 0x000000u);
    EXPECT_EQ(cap.At(kLeft + 180, kBarY), 0x000080u);
    EXPECT_EQ(cap.At(200, 125), 0x303030u);  // the gap shows the background
    // The field's top rows hold no white; the thumb's ring there is white.
    int nWhite = 0;
    for (LONG y = kTop; y < kTop + 8; ++y) {
        for (LONG x = kLeft + 232; x <= kLeft + 248; ++x) nWhite += cap.At(x, y) == 0xFFFFFFu;
    }
    EXPECT_GE(nWhite, 6);
    EXPECT_EQ(cap.At(kRight - 1, kBarY), 0xFFFFFFu);  // the bar's thumb
}

}  // namespace
