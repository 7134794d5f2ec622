// The DPI stages of the first-generation page as a person sets them: typed DPI values per model
// (stored in the model's unit, shown as what was stored, long numbers saturating), the current
// stage that cannot be switched off, focusing a stage's edit, the DPI reset, and the colour
// picker opened below a colour button.
#include "tests/gen1/gen1_settings_fixture.h"

#include "core/dialogs/dpi_color_wnd.h"

namespace gen1test {
namespace {

using namespace DuiLib;

class Gen1Dpi : public Gen1SettingsTest {};
class Gen1DpiPerModel : public Gen1SettingsTest, public ::testing::WithParamInterface<int> {};

struct TypedDpi {
    int iModel;
    std::wstring strTyped;
    int32_t iStored;
    std::wstring strShown;
};

TEST_P(Gen1DpiPerModel, ATypedDpiIsStoredInTheModelsUnitAndShownAsStored) {
    const std::vector<TypedDpi> cases = {
        {10, L"150", 2, L"200"},       {10, L"250", 2, L"200"},      {10, L"10001", 100, L"10000"},
        {10, L"", 2, L"200"},          {10, L"99999999999999999999", 100, L"10000"},
        {1, L"75", 1, L"50"},          {1, L"10000", 200, L"10000"}, {1, L"10150", 201, L"10100"},
        {1, L"11999", 219, L"11900"},  {1, L"12001", 220, L"12000"},
        {2, L"99", 1, L"50"},          {2, L"26001", 520, L"26000"}, {2, L"7a5x0", 15, L"750"},
        {3, L"1234", 24, L"1200"},     {3, L"26001", 520, L"26000"}, {3, L"", 1, L"50"},
        {4, L"1234", 24, L"1200"},     {4, L"0", 1, L"50"},          {4, L"99999", 520, L"26000"},
        {5, L"1234", 24, L"1200"},     {5, L"10050", 200, L"10000"}, {5, L"10099", 200, L"10000"},
        {5, L"10150", 201, L"10100"},  {5, L"10199", 201, L"10100"}, {5, L"12001", 220, L"12000"},
        {5, L"", 1, L"50"},
        {6, L"75", 1, L"50"},          {6, L"26001", 520, L"26000"},
        {7, L"12001", 220, L"12000"},  {7, L"10150", 201, L"10100"}, {7, L"", 1, L"50"},
        {9, L"19001", 290, L"19000"},  {9, L"10000", 200, L"10000"}, {9, L"10050", 200, L"10000"},
        {9, L"10100", 201, L"10100"},  {9, L"10199", 201, L"10100"}, {9, L"99999", 290, L"19000"},
    };
    Start(GetParam(), Link::Cable);
    for (const TypedDpi& c : cases) {
        if (c.iModel != GetParam()) continue;
        SCOPED_TRACE(WideToText(L"'" + c.strTyped + L"'"));
        const std::wstring strLabelBefore = TextOf(L"label_dpi_3");
        TypeDpi(3, c.strTyped);
        const ProfileRecord p = Page().CurrentProfileCopy();
        EXPECT_EQ(p.iDpi[2], c.iStored);
        EXPECT_EQ(TextOf(L"edit_dpi_3"), c.strShown);
        EXPECT_EQ(ControlOf<CSliderUI>(L"slider_dpi_3")->GetValue(), c.iStored);
        EXPECT_EQ(TextOf(L"label_dpi_3"), strLabelBefore) << "the label is not touched";
        // Typing and committing ask for nothing; focusing the edit of an enabled stage made it
        // current, which applied once.
        uikit::PumpUntilIdle(100);
        EXPECT_FALSE(KillApplyTimer());
    }
}

// A DPI typed and left (the focus moving elsewhere) goes to the mouse with the DPI apply, in the
// model's own code: MS_3, MS_4 and MS_6 send the stage value - 1 as low and high byte; MS_5 and
// MS_7 their sensor table's code, with the high-range flag above 10,000 DPI; MS_9 the value - 1 up
// to 10,000 DPI and the value - 101 with the flag above.
TEST_F(Gen1Dpi, ATypedDpiGoesToTheMouseInTheModelsCode) {
    const struct {
        int iModel;
        const wchar_t* pszTyped;
        const char* pszCode;  // frame 0x04 bytes 11 and 19: stage 4's code and its high byte or flag
    } rows[] = {  // each row changes the stage, since an apply sends only what changed
        {3, L"1234", "17 00"}, {3, L"26001", "07 02"}, {4, L"", "00 00"},      {4, L"5000", "63 00"},
        {5, L"99", "01 00"},   {5, L"10050", "EB 00"}, {5, L"10150", "76 01"}, {5, L"12001", "8D 01"},
        {6, L"75", "00 00"},   {6, L"26001", "07 02"}, {7, L"10150", "76 01"}, {7, L"12001", "8D 01"},
        {9, L"10000", "C7 00"}, {9, L"10100", "64 01"}, {9, L"10050", "C7 00"}, {9, L"19001", "BD 01"},
    };
    int iStarted = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel) + " '" + WideToText(row.pszTyped) + "'");
        if (row.iModel != iStarted) {
            if (iStarted != 0) Stop();
            Start(row.iModel, Link::Cable);
            // Stage 4 current, so taking the focus of its edit asks for nothing more.
            ClickOn(L"option_dpi_step_4");
            TakeApplyRequests();
            Apply();
            iStarted = row.iModel;
        }
        ASSERT_TRUE(uikit::Click(Control(L"title")));
        CControlUI* pEdit = Reveal(L"edit_dpi_4");
        ASSERT_TRUE(uikit::Click(pEdit));
        if (*row.pszTyped == L'\0') uikit::PressKey(Window().hwnd(), VK_BACK);
        else ASSERT_TRUE(uikit::TypeText(pEdit, row.pszTyped));
        ASSERT_TRUE(uikit::Click(Control(L"title")));  // the edit loses the focus
        EXPECT_EQ(TakeApplyRequests(), 0) << "a typed DPI waits for an apply";
        ClickOn(L"btn_apply_dpi");
        EXPECT_EQ(TakeApplyRequests(), 1);
        ClearWrites();
        Apply();
        const std::vector<kit::Bytes> writes = CableWrites();
        ASSERT_EQ(Ids(writes), "0C 04");
        const kit::Bytes& dpi = writes[1];
        ASSERT_EQ(dpi.size(), 56u);
        EXPECT_EQ(ToHex(kit::Bytes{dpi[11], dpi[19]}), row.pszCode);
        EXPECT_EQ(dpi[24], 4) << "the current stage";
        EXPECT_TRUE(ChecksumHolds(dpi, 50));
    }
}

TEST_F(Gen1Dpi, TheCurrentStageStaysOnAndOnlyAnEnabledStagesEditMakesItCurrent) {
    Start(10, Link::Cable);
    const int iCurrent = Page().CurrentProfileCopy().iCurDpi;
    ASSERT_EQ(iCurrent, 1);
    ClickOn(L"check_dpi_step_2");
    EXPECT_TRUE(ControlOf<CCheckBoxUI>(L"check_dpi_step_2")->GetCheck());
    EXPECT_EQ(Page().CurrentProfileCopy().iDpiEnable[1], 1);
    EXPECT_EQ(TakeApplyRequests(), 0);

    // The edit of a stage that is off changes no stage.
    ASSERT_TRUE(uikit::Click(Reveal(L"edit_dpi_8")));
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 1);
    EXPECT_EQ(TakeApplyRequests(), 0);
    // The current stage's edit asks for nothing; another enabled stage's edit makes it current.
    ASSERT_TRUE(uikit::Click(Reveal(L"edit_dpi_2")));
    EXPECT_EQ(TakeApplyRequests(), 0);
    ASSERT_TRUE(uikit::Click(Reveal(L"edit_dpi_5")));
    EXPECT_EQ(Page().CurrentProfileCopy().iCurDpi, 4);
    EXPECT_TRUE(ControlOf<COptionUI>(L"option_dpi_step_5")->IsSelected());
    EXPECT_EQ(TakeApplyRequests(), 1);
    EXPECT_EQ(std::wstring(ControlOf<CRichEditUI>(L"edit_dpi_5")->GetNormalImage()), L"skins/richedit_2.png");
    EXPECT_EQ(std::wstring(ControlOf<CRichEditUI>(L"edit_dpi_2")->GetNormalImage()), L"skins/richedit_1.png");
}

TEST_P(Gen1DpiPerModel, TheDpiResetGivesEveryModelTheSameStagesInItsOwnUnit) {
    {
        Start(GetParam(), Link::Cable);
        TypeDpi(1, L"3000");
        ClickOn(L"check_dpi_step_8");
        ClickOn(L"option_dpi_step_4");
        TakeApplyRequests();
        ClickOn(L"btn_reset_dpi");
        EXPECT_EQ(TakeApplyRequests(), 1);
        const ProfileRecord p = Page().CurrentProfileCopy();
        const int shown[kDpiStageCount] = {400, 800, 1200, 1600, 3200, 5000, 0, 0};
        for (int i = 0; i < kDpiStageCount; ++i) {
            EXPECT_EQ(DpiOfValue(Description(), p.iDpi[i]), shown[i]);
            EXPECT_EQ(p.iDpi2[i], p.iDpi[i]);
            EXPECT_EQ(p.iDpiEnable[i], i < 6 ? 1 : 0);
            EXPECT_EQ(TextOf((L"edit_dpi_" + std::to_wstring(i + 1)).c_str()), std::to_wstring(shown[i]));
        }
        EXPECT_EQ(p.iCurDpi, 1);
        EXPECT_EQ(p.dwDpiColor[6], 0x0040FFu) << "stage 7 orange (R, G, B in memory order)";
        EXPECT_TRUE(ControlOf<COptionUI>(L"option_dpi_step_2")->IsSelected());
    }
}

TEST_F(Gen1Dpi, TheColourPickerOpensBelowItsButtonAndItsChoiceIsSentAtOnce) {
    Start(2, Link::Cable);
    Apply();
    ClearWrites();
    CControlUI* pButton = Reveal(L"btn_dpi_color_3");
    ASSERT_NE(pButton, nullptr);
    RECT rcMain{};
    ::GetWindowRect(Window().hwnd(), &rcMain);
    const RECT rcButton = pButton->GetPos();
    RECT rcPicker{};
    {
        uikit::ModalAnswer modal([&](CWindowWnd& wnd) {
            ::GetWindowRect(wnd.GetHWND(), &rcPicker);
            uikit::Click(wnd.GetHWND(), L"mouse_dpi_color_11");  // the red preset
            uikit::Click(wnd.GetHWND(), L"confirm_btn");
        });
        const unsigned uBefore = Page().AppliesRun();
        ASSERT_TRUE(uikit::Click(pButton));
        ASSERT_TRUE(WaitForApplies(uBefore + 1));
        EXPECT_EQ(modal.GetClassNames(), std::vector<std::wstring>{L"DpiColorWnd"});
    }
    EXPECT_EQ(rcPicker.left, rcMain.left + rcButton.left - 200);
    EXPECT_EQ(rcPicker.top, rcMain.top + rcButton.bottom);
    EXPECT_EQ(Page().CurrentProfileCopy().dwDpiColor[2], 0x0000FFu) << "red: R, G, B in memory order";
    EXPECT_EQ(static_cast<CButtonUI*>(pButton)->GetBkColor(), 0xFFFF0000u);
    const std::vector<kit::Bytes> writes = CableWrites();
    ASSERT_EQ(Ids(writes), "0C 04");
    EXPECT_EQ(ToHex(writes[1].data() + 25 + 6, 3), "FF 00 00");

    // Cancelled: nothing changes.
    const uint32_t dwBefore = Page().CurrentProfileCopy().dwDpiColor[0];
    uikit::ModalAnswer cancel(uikit::ModalAnswer::ClickControl(L"cancel_btn"));
    ASSERT_TRUE(uikit::Click(Reveal(L"btn_dpi_color_1")));
    EXPECT_EQ(cancel.GetCount(), 1);
    EXPECT_EQ(Page().CurrentProfileCopy().dwDpiColor[0], dwBefore);
    EXPECT_EQ(TakeApplyRequests(), 0);
}

// The mouse's own light-mode change shows on the page without going back to it; with only the
// 2.4 GHz receiver, the page shows what can be set over it.
TEST_F(Gen1Dpi, TheMousesLightModeShowsSilentlyAndTheReceiverAloneShowsItsControls) {
    Start(10, Link::Receiver);
    for (const wchar_t* pszSuffix : {L"combo_light", L"check_prate", L"ver_prate", L"check_power", L"ver_power", L"check_key_debounce"})
        EXPECT_TRUE(Visible(pszSuffix)) << WideToText(pszSuffix);
    MouseEvent(0x70, 2);
    PumpUntil([&] { return Page().CurrentProfileCopy().iLightMode == 2; });
    EXPECT_EQ(ControlOf<CComboUI>(L"combo_light")->GetCurSel(), 2);
    EXPECT_TRUE(Visible(L"hor_breathspeed"));
    EXPECT_TRUE(Visible(L"hor_light_color"));
    EXPECT_FALSE(Visible(L"hor_brightness"));
    EXPECT_EQ(TakeApplyRequests(), 0);
    EXPECT_FALSE(KillApplyTimer());
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1DpiPerModel, ::testing::ValuesIn(kGen1Models));

}  // namespace
}  // namespace gen1test
