// The DPI colour picker driven as a person uses it: presets clicked, values typed into the
// red, green and blue edits, the palette dragged, the dialog answered; the stored colour bytes
// checked after each answer.
#include <gtest/gtest.h>

#include <functional>

#include "tests/dialogs/dialog_test_support.h"
#include "core/dialogs/dpi_color_wnd.h"

using namespace DuiLib;

namespace {

struct Rgb {
    BYTE by[3];
    bool operator==(const Rgb&) const = default;
};

void PrintTo(const Rgb& rgb, std::ostream* os) {
    *os << "{" << int(rgb.by[0]) << ", " << int(rgb.by[1]) << ", " << int(rgb.by[2]) << "}";
}

// What the picker shows.
struct Shown {
    std::wstring sRed, sGreen, sBlue;
    DWORD dwPreview = 0;
    DWORD dwPalette = 0;
    DWORD dwColor = 0;
};

class DpiColorWndTest : public dlgtest::DialogTest {
protected:
    void SetUp() override {
        dlgtest::DialogTest::SetUp();
        m_pColorButton = uikit::FindControl(m_owner, L"owner_btn");
        ASSERT_NE(m_pColorButton, nullptr);
    }

    // Opens the picker from the owner's button as a page does; the action answers it.
    bool Run(Rgb& rgb, const std::function<void(CDpiColorWnd&)>& action) {
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) { action(static_cast<CDpiColorWnd&>(wnd)); });
        const bool bOk = RunDpiColorWnd(m_owner, m_pColorButton, rgb.by);
        EXPECT_EQ(modal.GetCount(), 1);
        if (modal.GetCount() == 1) {
            EXPECT_EQ(modal.GetClassNames()[0], L"DpiColorWnd");
        }
        return bOk;
    }

    static Shown Read(CDpiColorWnd& wnd) {
        uikit::PumpUntilIdle();  // whatever the palette and the edits still have to say
        const HWND hWnd = wnd.GetHWND();
        Shown shown;
        shown.sRed = uikit::FindControl(hWnd, L"r_edit")->GetText().str();
        shown.sGreen = uikit::FindControl(hWnd, L"g_edit")->GetText().str();
        shown.sBlue = uikit::FindControl(hWnd, L"b_edit")->GetText().str();
        shown.dwPreview = uikit::FindControl(hWnd, L"color_show_control")->GetBkColor();
        shown.dwPalette = static_cast<CColorPaletteUI*>(uikit::FindControl(hWnd, L"ColorPallet"))->GetSelectColor();
        shown.dwColor = wnd.m_dwColor;
        return shown;
    }
    static void Confirm(CDpiColorWnd& wnd) { uikit::Click(wnd.GetHWND(), L"confirm_btn"); }
    static void Preset(CDpiColorWnd& wnd, int i) {
        CDuiString sName;
        sName.Format(L"mouse_dpi_color_%d", i);
        EXPECT_TRUE(uikit::Click(wnd.GetHWND(), sName));
    }
    static void TypeInto(CDpiColorWnd& wnd, LPCWSTR pszEdit, const std::wstring& sText) {
        EXPECT_TRUE(uikit::TypeText(uikit::FindControl(wnd.GetHWND(), pszEdit), sText));
    }

    CControlUI* m_pColorButton = nullptr;
};

TEST_F(DpiColorWndTest, OpensWithTheStoredColour) {
    Rgb rgb{0x12, 0x34, 0x56};
    Shown shown;
    EXPECT_FALSE(Run(rgb, [&](CDpiColorWnd& wnd) {
        shown = Read(wnd);
        uikit::Click(wnd.GetHWND(), L"cancel_btn");
    }));
    EXPECT_EQ(shown.sRed, L"18");
    EXPECT_EQ(shown.sGreen, L"52");
    EXPECT_EQ(shown.sBlue, L"86");
    EXPECT_EQ(shown.dwColor, 0xFF123456u);
    EXPECT_EQ(shown.dwPalette, 0xFF123456u);
    EXPECT_EQ(shown.dwPreview, 0xFF123456u);
    EXPECT_EQ(rgb, (Rgb{0x12, 0x34, 0x56}));
}

TEST_F(DpiColorWndTest, EveryPresetComesBackExactly) {
    const CDpiColorWnd reference;
    for (int i = 1; i <= kDpiColorPresetCount; ++i) {
        SCOPED_TRACE(i);
        const DWORD dwPreset = reference.m_dwPresets[i - 1];
        Rgb rgb{1, 2, 3};
        Shown shown;
        DWORD dwSwatch = 0;
        EXPECT_TRUE(Run(rgb, [&](CDpiColorWnd& wnd) {
            CDuiString sName;
            sName.Format(L"mouse_dpi_color_%d", i);
            dwSwatch = uikit::FindControl(wnd.GetHWND(), sName)->GetBkColor();
            Preset(wnd, i);
            shown = Read(wnd);
            Confirm(wnd);
        }));
        EXPECT_EQ(dwSwatch, dwPreset) << "the swatch shows the colour it picks";
        EXPECT_EQ(shown.dwColor, dwPreset);
        EXPECT_EQ(shown.dwPalette, dwPreset);
        EXPECT_EQ(shown.dwPreview, dwPreset);
        EXPECT_EQ(shown.sRed, std::to_wstring((dwPreset >> 16) & 0xFF));
        EXPECT_EQ(shown.sGreen, std::to_wstring((dwPreset >> 8) & 0xFF));
        EXPECT_EQ(shown.sBlue, std::to_wstring(dwPreset & 0xFF));
        EXPECT_EQ(rgb, (Rgb{BYTE(dwPreset >> 16), BYTE(dwPreset >> 8), BYTE(dwPreset)}));
    }
}

TEST_F(DpiColorWndTest, Preset7IsOrange) {
    Rgb rgb{};
    Shown shown;
    EXPECT_TRUE(Run(rgb, [&](CDpiColorWnd& wnd) {
        Preset(wnd, 7);
        shown = Read(wnd);
        Confirm(wnd);
    }));
    EXPECT_EQ(shown.dwColor, 0xFFFF5400u);
    EXPECT_EQ(shown.sRed + L"," + shown.sGreen + L"," + shown.sBlue, L"255,84,0");
    EXPECT_EQ(rgb, (Rgb{0xFF, 0x54, 0x00}));
}

TEST_F(DpiColorWndTest, TypedValuesAreClampedAndComeBackExactly) {
    struct Case {
        const char* what;
        LPCWSTR pszEdit;
        std::wstring sTyped;
        std::wstring sShown;  // what the edit holds afterwards
        Rgb expected;         // starting from {0x12, 0x34, 0x56}
    } cases[] = {
        {"in range", L"r_edit", L"200", L"200", {200, 0x34, 0x56}},
        {"above 255", L"r_edit", L"300", L"255", {255, 0x34, 0x56}},
        {"negative", L"b_edit", L"-5", L"0", {0x12, 0x34, 0}},
        {"cleared", L"g_edit", L"\b", L"", {0x12, 0, 0x56}},
        {"not a number", L"g_edit", L"x", L"x", {0x12, 0, 0x56}},
        {"digits then letters", L"b_edit", L"7q", L"7q", {0x12, 0x34, 7}},
        {"far too many digits", L"g_edit", L"9999", L"255", {0x12, 255, 0x56}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Rgb rgb{0x12, 0x34, 0x56};
        Shown shown;
        std::wstring sEdit;
        EXPECT_TRUE(Run(rgb, [&](CDpiColorWnd& wnd) {
            TypeInto(wnd, c.pszEdit, c.sTyped);
            shown = Read(wnd);
            sEdit = uikit::FindControl(wnd.GetHWND(), c.pszEdit)->GetText().str();
            Confirm(wnd);
        }));
        EXPECT_EQ(sEdit, c.sShown);
        const DWORD dwExpected = DpiColorFromRgb(c.expected.by[0], c.expected.by[1], c.expected.by[2]);
        EXPECT_EQ(shown.dwColor, dwExpected);
        EXPECT_EQ(shown.dwPalette, dwExpected);
        EXPECT_EQ(shown.dwPreview, dwExpected);
        EXPECT_EQ(rgb, c.expected);
    }
}

TEST_F(DpiColorWndTest, ThreeTypedValuesMakeTheColour) {
    Rgb rgb{};
    EXPECT_TRUE(Run(rgb, [&](CDpiColorWnd& wnd) {
        TypeInto(wnd, L"r_edit", L"171");
        TypeInto(wnd, L"g_edit", L"205");
        TypeInto(wnd, L"b_edit", L"239");
        EXPECT_EQ(Read(wnd).dwPalette, 0xFFABCDEFu);
        Confirm(wnd);
    }));
    EXPECT_EQ(rgb, (Rgb{0xAB, 0xCD, 0xEF}));
}

TEST_F(DpiColorWndTest, ThePaletteDrivesTheEditsAndPreview) {
    Rgb rgb{0x12, 0x34, 0x56};
    Shown shown;
    EXPECT_TRUE(Run(rgb, [&](CDpiColorWnd& wnd) {
        auto* pPalette = static_cast<CColorPaletteUI*>(uikit::FindControl(wnd.GetHWND(), L"ColorPallet"));
        const RECT rcField = pPalette->GetFieldRect();
        // A drag across the field towards its top-right corner: full saturation, hue near red.
        EXPECT_TRUE(uikit::PressAndReleaseAt(pPalette, POINT{rcField.right - 3, rcField.top + 1}));
        shown = Read(wnd);
        Confirm(wnd);
    }));
    EXPECT_NE(shown.dwColor, 0xFF123456u) << "the palette picked another colour";
    EXPECT_EQ(shown.dwColor, shown.dwPalette);
    EXPECT_EQ(shown.dwPreview, (shown.dwColor | 0xFF000000u));
    EXPECT_EQ(shown.sRed, std::to_wstring((shown.dwColor >> 16) & 0xFF));
    EXPECT_EQ(shown.sGreen, std::to_wstring((shown.dwColor >> 8) & 0xFF));
    EXPECT_EQ(shown.sBlue, std::to_wstring(shown.dwColor & 0xFF));
    EXPECT_EQ(rgb, (Rgb{BYTE(shown.dwColor >> 16), BYTE(shown.dwColor >> 8), BYTE(shown.dwColor)}));
}

TEST_F(DpiColorWndTest, OnlyConfirmChangesTheStoredColour) {
    for (const dlgtest::WayToClose& way : dlgtest::WaysToClose(L"confirm_btn", {L"cancel_btn"})) {
        SCOPED_TRACE(way.sWhat);
        Rgb rgb{0x12, 0x34, 0x56};
        EXPECT_EQ(Run(rgb, [&](CDpiColorWnd& wnd) {
                      Preset(wnd, 11);
                      TypeInto(wnd, L"g_edit", L"99");
                      way.close(wnd.GetHWND());
                  }),
                  way.bOk);
        EXPECT_EQ(rgb, way.bOk ? (Rgb{0xFF, 99, 0}) : (Rgb{0x12, 0x34, 0x56}));
    }
}

TEST_F(DpiColorWndTest, OpensBelowTheButtonAndStaysOnTheScreen) {
    RECT rcPicker{}, rcOwner{};
    ::GetWindowRect(m_owner, &rcOwner);
    const RECT rcButton = m_pColorButton->GetPos();
    Rgb rgb{};
    Run(rgb, [&](CDpiColorWnd& wnd) {
        ::GetWindowRect(wnd.GetHWND(), &rcPicker);
        Confirm(wnd);
    });
    EXPECT_EQ(rcPicker.right - rcPicker.left, CDpiColorWnd::kWidth);
    EXPECT_EQ(rcPicker.bottom - rcPicker.top, CDpiColorWnd::kHeight);
    EXPECT_EQ(rcPicker.top, rcOwner.top + rcButton.bottom);
    // 200 pixels left of the button, unless that is off the screen.
    MONITORINFO mi{sizeof(mi)};
    ::GetMonitorInfoW(::MonitorFromWindow(m_owner, MONITOR_DEFAULTTONEAREST), &mi);
    const LONG xWanted = rcOwner.left + rcButton.left - 200;
    ASSERT_LT(xWanted, mi.rcWork.left) << "the owner's button lies near the screen's left edge";
    EXPECT_EQ(rcPicker.left, mi.rcWork.left);

    // Further right it opens exactly where asked.
    ::SetWindowPos(m_owner, nullptr, 400, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    Run(rgb, [&](CDpiColorWnd& wnd) {
        ::GetWindowRect(wnd.GetHWND(), &rcPicker);
        Confirm(wnd);
    });
    EXPECT_EQ(rcPicker.left, 400 + rcButton.left - 200);
    EXPECT_EQ(rcPicker.top, 40 + rcButton.bottom);
}

TEST(ColorComponentTest, ParsesAsTyped) {
    struct Case {
        std::wstring_view sText;
        int iValue;
    } cases[] = {
        {L"", 0},        {L"0", 0},        {L"18", 18},     {L"255", 255},  {L"300", 300},
        {L"-5", -5},     {L"-", 0},        {L"+7", 7},      {L" 42", 42},   {L"12ab", 12},
        {L"abc", 0},     {L"99999999999999999999", 100000}, {L"-99999999999999999999", -100000},
    };
    for (const Case& c : cases) EXPECT_EQ(ParseColorComponent(c.sText), c.iValue) << std::string(c.sText.begin(), c.sText.end());
}

TEST(ColorComponentTest, StoredBytesRoundTrip) {
    static_assert(DpiColorFromRgb(0x12, 0x34, 0x56) == 0xFF123456);
    BYTE r = 0, g = 0, b = 0;
    DpiColorToRgb(0x00ABCDEF, r, g, b);
    EXPECT_EQ(r, 0xAB);
    EXPECT_EQ(g, 0xCD);
    EXPECT_EQ(b, 0xEF);
    EXPECT_EQ(DpiColorFromRgb(r, g, b), 0xFFABCDEFu) << "always opaque";
}

}  // namespace
