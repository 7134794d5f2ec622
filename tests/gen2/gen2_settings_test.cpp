// The second-generation settings page worked as a person works it, on the real window and its
// generated skin with a cabled mouse: what each control stores, what it shows, and when the
// change reaches the mouse (at once, after the deferred wait, or with the next apply), checked
// frame by frame as the mouse got it.
#include "tests/gen2/gen2_settings_fixture.h"

#include "core/dialogs/dpi_color_wnd.h"
#include "models/data/gen2_frames.h"

namespace gen2test {
namespace {

using namespace DuiLib;

class Gen2Settings : public Gen2SettingsTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        Start(GetParam());
        // The first apply after the start sends everything; the tests look at what follows it.
        ApplyOn(Page(), Hwnd());
        ClearWrites();
    }
    // Waits for the next apply and gives what the mouse got in it.
    std::vector<kit::Bytes> NextApply(unsigned uBefore) {
        EXPECT_TRUE(WaitForApplies(uBefore + 1)) << "an apply ran";
        return CableWrites();
    }
    ProfileRecordEx Current() { return Page().CurrentProfileCopy(); }
};

TEST_P(Gen2Settings, AnOptionGoesToTheMouseAtOnceAsItsOwnFrame) {
    struct Case {
        const wchar_t* pszOption;
        const char* pszIds;
        std::function<bool(const ProfileRecordEx&)> stored;
    } const cases[] = {
        {L"btn_prate_2", "06", [](const ProfileRecordEx& p) { return p.iRate == 1; }},
        {L"btn_prate_hs_5", "06", [](const ProfileRecordEx& p) { return p.iRateHs == 4; }},
        {L"option_dpi_step_4", "04", [](const ProfileRecordEx& p) { return p.iCurDpi == 3; }},
        {L"option_lift_of_distance_2", "04", [](const ProfileRecordEx& p) { return p.iLiftOff == 1; }},
        {L"option_ripple_control_1", "04", [](const ProfileRecordEx& p) { return p.iRipple == 0; }},
        {L"option_angle_snap_2", "04", [](const ProfileRecordEx& p) { return p.iAngleSnap == 1; }},
        {L"option_motion_sync_1", "04", [](const ProfileRecordEx& p) { return p.iMotionSync == 0; }},
        {L"check_dpi_step_7", "04", [](const ProfileRecordEx& p) { return p.iDpiEnable[6] == 1; }},
    };
    // The rate panels open by link; both are shown here to be clicked.
    Control(L"ver_prate")->SetVisible(true);
    Control(L"ver_prate_hs")->SetVisible(true);
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszOption, c.pszOption + wcslen(c.pszOption)));
        ClearWrites();
        const unsigned uBefore = Applies();
        ClickOn(c.pszOption);
        const std::vector<kit::Bytes> sent = NextApply(uBefore);
        EXPECT_TRUE(c.stored(Current()));
        ASSERT_EQ(Ids(sent), c.pszIds);
        const ProfileRecordEx p = Current();
        const FrameBytes expected = std::string(c.pszIds) == "06" ? BuildRateReport(Description(), p) : BuildDpiReport(Description(), p);
        EXPECT_EQ(sent[0], kit::Bytes(expected.begin(), expected.end()));
    }
    ClearWrites();
    const unsigned uBefore = Applies();
    ClickOn(L"btn_prate_1");
    ASSERT_EQ(Ids(NextApply(uBefore)), "06");
    EXPECT_EQ(testkit::ToHex(CableWrites()[0]), "06 09 01 51 AE 00 00 00 00") << "high-speed 5, rate 1";
}

TEST_P(Gen2Settings, MoveModeAndTheApplyButtonsAskForAnApplyAtOnce) {
    unsigned uBefore = Applies();
    ClickOn(L"check_movemode");
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_EQ(Current().iMoveMode, 1);
    EXPECT_EQ(Ids(CableWrites()), "") << "the move mode is not part of any frame";
    for (const wchar_t* pszButton : {L"apply_btn", L"btn_apply_dpi"}) {
        uBefore = Applies();
        ClickOn(pszButton);
        EXPECT_TRUE(WaitForApplies(uBefore + 1));
    }
}

TEST_P(Gen2Settings, TheLightModeWaitsAMomentAndThreeSliderMovesMakeOneApply) {
    unsigned uBefore = Applies();
    ChooseLightMode(2);
    EXPECT_EQ(Current().iLightMode, 2);
    EXPECT_EQ(Applies(), uBefore) << "not at once";
    EXPECT_TRUE(WaitForApplies(uBefore + 1)) << "but after the light mode's wait";
    EXPECT_EQ(Ids(CableWrites()), "05");

    // Light mode 1 shows the brightness row.
    uBefore = Applies();
    ChooseLightMode(1);
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    ClearWrites();
    uBefore = Applies();
    SlideTo(L"slider_brightness", 9);
    SlideTo(L"slider_sleep_timer", 12);
    SlideTo(L"slider_key_debounce", 6);
    EXPECT_EQ(Applies(), uBefore) << "sliders wait for the last move";
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    EXPECT_TRUE(NoApplyFor(2 * Timing().uSliderApplyDelayMs)) << "one apply for the whole run of moves";
    const ProfileRecordEx p = Current();
    EXPECT_EQ(p.iBrightness, 9);
    EXPECT_EQ(p.iSleep, 12);
    EXPECT_EQ(p.iDebounce, 6);
    ASSERT_EQ(Ids(CableWrites()), "05");
    const FrameBytes expected = BuildLightReport(Description(), p);
    EXPECT_EQ(CableWrites()[0], kit::Bytes(expected.begin(), expected.end()));
    EXPECT_EQ(TextOf(L"label_key_debounce"), L"6 MS");
}

TEST_P(Gen2Settings, DpiSlidersAndEditsWaitForTheNextApply) {
    const unsigned uBefore = Applies();
    SlideTo(L"slider_dpi_3", 30);
    EXPECT_EQ(TextOf(L"label_dpi_3"), L"1500");
    EXPECT_EQ(TextOf(L"edit_dpi_3"), L"1500");
    TypeInto(L"edit_dpi_2", L"75", true);
    EXPECT_EQ(ControlOf<CSliderUI>(L"slider_dpi_2")->GetValue(), 1);
    EXPECT_EQ(TextOf(L"edit_dpi_2"), L"50");
    EXPECT_EQ(TextOf(L"label_dpi_2"), L"800") << "an edit commit leaves the label";
    EXPECT_TRUE(NoApplyFor(300));
    EXPECT_EQ(Applies(), uBefore);

    ClickOn(L"btn_apply_dpi");
    const std::vector<kit::Bytes> sent = NextApply(uBefore);
    ASSERT_EQ(Ids(sent), "04");
    const ProfileRecordEx p = Current();
    EXPECT_EQ(p.iDpi[2], 30);
    EXPECT_EQ(p.iDpi[1], 1);
    const FrameBytes expected = BuildDpiReport(Description(), p);
    EXPECT_EQ(sent[0], kit::Bytes(expected.begin(), expected.end()));
}

TEST_P(Gen2Settings, DpiEditCommits) {
    struct Case {
        const wchar_t* pszTyped;
        int32_t iStored;
        const wchar_t* pszShown;
    } const cases[] = {
        {L"75", 1, L"50"},
        {L"25999", 519, L"25950"},
        {L"26000", 520, L"26000"},
        {L"26001", 520, L"26000"},
        {L"123456789012345678901234567890", 520, L"26000"},
        {L"", 1, L"50"},
        {L"50", 1, L"50"},
        {L"49", 1, L"50"},
        {L"0", 1, L"50"},
        {L"1234", 24, L"1200"},
    };
    bool bEnter = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszTyped, c.pszTyped + wcslen(c.pszTyped)));
        bEnter = !bEnter;  // Enter and a click elsewhere commit alike
        TypeInto(L"edit_dpi_5", c.pszTyped, bEnter);
        EXPECT_EQ(Current().iDpi[4], c.iStored);
        EXPECT_EQ(ControlOf<CSliderUI>(L"slider_dpi_5")->GetValue(), c.iStored);
        EXPECT_EQ(TextOf(L"edit_dpi_5"), c.pszShown);
    }
}

TEST_P(Gen2Settings, TheDpiEditKeepsDigitsOnly) {
    auto* pEdit = ControlOf<CRichEditUI>(L"edit_dpi_1");
    ClickOn(L"edit_dpi_1");
    for (int i = 0; i < 8; ++i) uikit::PressKey(::GetFocus(), VK_DELETE);
    ASSERT_TRUE(uikit::TypeText(pEdit, L"1a6-0.0"));
    EXPECT_EQ(pEdit->GetText().str(), std::wstring(L"1600"));
}

TEST_P(Gen2Settings, TheCurrentStageStaysEnabledAndAFocusedEditMakesItsStageCurrent) {
    const int iCurrent = Current().iCurDpi;
    const std::wstring strCheck = L"check_dpi_step_" + std::to_wstring(iCurrent + 1);
    const unsigned uBefore = Applies();
    ClickOn(strCheck);
    EXPECT_TRUE(ControlOf<CCheckBoxUI>(strCheck)->GetCheck());
    EXPECT_EQ(Current().iDpiEnable[iCurrent], 1);
    EXPECT_TRUE(NoApplyFor(200));

    // A disabled stage's edit takes a value but not the current stage.
    ClickOn(L"edit_dpi_8");
    EXPECT_EQ(Current().iCurDpi, iCurrent);
    EXPECT_EQ(Applies(), uBefore);
    // An enabled one becomes current, highlighted, and goes at once.
    ClickOn(L"edit_dpi_4");
    EXPECT_EQ(Current().iCurDpi, 3);
    EXPECT_TRUE(ControlOf<COptionUI>(L"option_dpi_step_4")->IsSelected());
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    ClickOn(L"list_profile");
    EXPECT_EQ(ControlOf<CRichEditUI>(L"edit_dpi_4")->GetNormalImage(), std::wstring(L"skins/richedit_2.png"));
    EXPECT_EQ(ControlOf<CRichEditUI>(L"edit_dpi_1")->GetNormalImage(), std::wstring(L"skins/richedit_1.png"));
}

TEST_P(Gen2Settings, DpiResetTouchesTheDpiBlockOnly) {
    Page().Edit([](ProfileRecordEx& p) {
        p.iDpi[0] = 200;
        p.iDpi[6] = 77;
        p.iDpiEnable[6] = 1;
        p.dwDpiColor[7] = 0x00123456;
        p.iCurDpi = 6;
        p.iRate = 0;
        p.iLightMode = 5;
        p.iAngleSnap = 1;
        p.stKeys[0].byFunction = 3;
    });
    Page().RefreshControls();
    const unsigned uBefore = Applies();
    ClickOn(L"btn_reset_dpi");
    const std::vector<kit::Bytes> sent = NextApply(uBefore);
    const ProfileRecordEx p = Current();
    EXPECT_EQ(p.iDpi[0], 8);
    EXPECT_EQ(p.iDpi[6], 0);
    EXPECT_EQ(p.iDpiEnable[6], 0);
    EXPECT_EQ(p.dwDpiColor[7], 0x00FFFFFFu);
    EXPECT_EQ(p.iCurDpi, 1) << "the second stage";
    EXPECT_EQ(p.iRate, 0);
    EXPECT_EQ(p.iLightMode, 5);
    EXPECT_EQ(p.iAngleSnap, 1);
    EXPECT_EQ(p.stKeys[0].byFunction, 3);
    EXPECT_TRUE(ControlOf<COptionUI>(L"option_dpi_step_2")->IsSelected());
    EXPECT_EQ(TextOf(L"edit_dpi_1"), L"400");
    EXPECT_EQ(Ids(sent), "04 05 06 08") << "what the edits changed, not a full resend";
}

TEST_P(Gen2Settings, TheColourPickerOpensBelowItsButtonAndItsColourIsStoredAndSent) {
    auto* pButton = ControlOf<CButtonUI>(L"btn_dpi_color_3");
    RECT rcWindow{};
    ::GetWindowRect(Hwnd(), &rcWindow);
    POINT ptPicker{};
    {
        uikit::ModalAnswer answer([&](CWindowWnd& dlg) {
            RECT rc{};
            ::GetWindowRect(dlg.GetHWND(), &rc);
            ptPicker = {rc.left, rc.top};
            uikit::Click(dlg.GetHWND(), L"mouse_dpi_color_7");  // 0xFFFF5400
            uikit::Click(dlg.GetHWND(), L"confirm_btn");
        });
        const unsigned uBefore = Applies();
        ClickOn(L"btn_dpi_color_3");
        ASSERT_EQ(answer.GetCount(), 1);
        EXPECT_TRUE(WaitForApplies(uBefore + 1));
    }
    const RECT rcButton = pButton->GetPos();
    EXPECT_EQ(ptPicker.x, rcWindow.left + rcButton.left - 200);
    EXPECT_EQ(ptPicker.y, rcWindow.top + rcButton.bottom);
    EXPECT_EQ(Current().dwDpiColor[2], 0x000054FFu) << "red 255, green 84, blue 0";
    EXPECT_EQ(pButton->GetBkColor(), 0xFFFF5400u);
    EXPECT_EQ(Ids(CableWrites()), "04");

    // Cancel keeps the colour and sends nothing.
    uikit::ModalAnswer cancel([](CWindowWnd& dlg) {
        uikit::Click(dlg.GetHWND(), L"mouse_dpi_color_1");
        uikit::Click(dlg.GetHWND(), L"cancel_btn");
    });
    unsigned uBefore = Applies();
    ChooseLightMode(1);
    EXPECT_TRUE(WaitForApplies(uBefore + 1));
    uBefore = Applies();
    ClickOn(L"btn_light_color");
    EXPECT_EQ(cancel.GetCount(), 1);
    EXPECT_TRUE(NoApplyFor(200));
    EXPECT_EQ(Applies(), uBefore);
    EXPECT_EQ(Current().dwLightColor, Page().SentProfileCopy().dwLightColor);
}

TEST_P(Gen2Settings, LightRowsFollowTheMode) {
    struct Case {
        int iMode;
        bool bBrightness, bBreathSpeed, bColor;
    } const cases[] = {{1, true, false, true}, {2, false, true, true}, {3, false, true, false},
                       {11, false, true, false}, {0, false, false, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.iMode);
        ChooseLightMode(c.iMode);
        EXPECT_EQ(Visible(L"hor_brightness"), c.bBrightness);
        EXPECT_EQ(Visible(L"hor_breathspeed"), c.bBreathSpeed);
        EXPECT_EQ(Visible(L"hor_light_color"), c.bColor);
    }
}

TEST_P(Gen2Settings, SectionChecksOpenAndCloseTheirBodies) {
    struct Case {
        const wchar_t* pszCheck;
        const wchar_t* pszBody;
    } const cases[] = {
        {L"check_dpi", L"ver_dpi"},
        {L"check_light", L"ver_light"},
        {L"check_mouse_attribute", L"ver_mouse_attribute"},
        {L"check_power_setting", L"ver_power_setting"},
        {L"check_lift_of_distance", L"hor_lift_of_distance"},
        {L"check_key_debounce", L"hor_key_debounce"},
        {L"check_ripple_control", L"hor_ripple_control"},
        {L"check_angle_snap", L"hor_angle_snap"},
        {L"check_motion_sync", L"hor_motion_sync"},
        {L"check_profile", L"ver_profile"},
        {L"check_power", L"ver_power"},
        {L"check_button", L"hor_button"},
    };
    const unsigned uBefore = Applies();
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pszCheck, c.pszCheck + wcslen(c.pszCheck)));
        ASSERT_TRUE(Visible(c.pszBody));
        ClickOn(c.pszCheck);
        EXPECT_FALSE(Visible(c.pszBody));
        ClickOn(c.pszCheck);
        EXPECT_TRUE(Visible(c.pszBody));
    }
    EXPECT_EQ(Applies(), uBefore) << "sections change nothing in the profile";
}

TEST_P(Gen2Settings, ThePollingRateSectionOpensThePanelOfTheLink) {
    struct Case {
        bool bCable, bWireless, bWireless4k;
        bool bRate, bRateHs;
    } const cases[] = {
        {true, false, false, true, false},
        {false, true, false, true, false},
        {false, false, true, false, true},
        {false, true, true, true, false},
    };
    for (const Case& c : cases) {
        Page().SetLink(LinkKind::Cable, c.bCable);
        Page().SetLink(LinkKind::Wireless, c.bWireless);
        Page().SetLink(LinkKind::Wireless4k, c.bWireless4k);
        uikit::PumpUntilIdle(100);
        ASSERT_TRUE(Visible(L"check_prate"));
        EXPECT_FALSE(ControlOf<CCheckBoxUI>(L"check_prate")->GetCheck()) << "closed after a link change";
        EXPECT_FALSE(Visible(L"ver_prate"));
        EXPECT_FALSE(Visible(L"ver_prate_hs"));
        ClickOn(L"check_prate");
        EXPECT_EQ(Visible(L"ver_prate"), c.bRate);
        EXPECT_EQ(Visible(L"ver_prate_hs"), c.bRateHs);
        ClickOn(L"check_prate");
        EXPECT_FALSE(Visible(L"ver_prate"));
        EXPECT_FALSE(Visible(L"ver_prate_hs"));
    }
}

TEST_P(Gen2Settings, DisplaysOfStoredValues) {
    Page().Edit([](ProfileRecordEx& p) {
        p.iDpi[0] = 1;
        p.iDpi[1] = 520;
        p.iDebounce = 5;
        p.iSleep = 10;
        p.iMoveMode = 1;
    });
    Page().RefreshControls();
    EXPECT_EQ(TextOf(L"edit_dpi_1"), L"50");
    EXPECT_EQ(TextOf(L"label_dpi_1"), L"50");
    EXPECT_EQ(TextOf(L"edit_dpi_2"), L"26000");
    EXPECT_EQ(TextOf(L"label_key_debounce"), L"5 MS");
    EXPECT_EQ(TextOf(L"label_sleep_timer"), L"Sleep after 10 min");
    EXPECT_TRUE(ControlOf<CCheckBoxUI>(L"check_movemode")->GetCheck());
    // A language change refreshes the page, whose sleep caption is made of the language's texts.
    ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/CN.xml"));
    Page().RefreshControls();
    const std::wstring strBefore = CResourceManager::GetInstance()->GetText(L"sleep_timer_3_text").str();
    const std::wstring strAfter = CResourceManager::GetInstance()->GetText(L"sleep_timer_2_text").str();
    EXPECT_NE(strBefore, L"Sleep after ");
    EXPECT_EQ(TextOf(L"label_sleep_timer"), strBefore + L"10 " + strAfter);
    CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml");
}

TEST_P(Gen2Settings, WhatTheMouseReportsShowsOnThePage) {
    const uint8_t byId = FindModel(Model())->byIdByte;
    const ProfileRecordEx before = Current();
    kit::QueueEvent(m_cable.id, byId, 0x10, 4);
    ASSERT_TRUE(Poll([&] { return Current().iCurDpi != before.iCurDpi; }, 5000)) << "a stage event";
    const int iStage = Current().iCurDpi;
    EXPECT_TRUE(ControlOf<COptionUI>(L"option_dpi_step_" + std::to_wstring(iStage + 1))->IsSelected());
    for (int i = 0; i < kDpiStageCount; ++i)
        EXPECT_EQ(std::wstring(ControlOf<CRichEditUI>(L"edit_dpi_" + std::to_wstring(i + 1))->GetNormalImage()),
                  i == iStage ? L"skins/richedit_2.png" : L"skins/richedit_1.png") << i;

    kit::QueueEvent(m_cable.id, byId, 0x20, 0x72);
    ASSERT_TRUE(Poll([&] { return Current().iRate == 1; }, 5000)) << "a rate event";
    EXPECT_TRUE(ControlOf<COptionUI>(L"btn_prate_2")->IsSelected());

    kit::QueueEvent(m_cable.id, byId, 0x70, 0x20);
    ASSERT_TRUE(Poll([&] { return Current().iLightMode == 2; }, 5000)) << "a light-mode event";
    EXPECT_EQ(ControlOf<CComboUI>(L"combo_light")->GetCurSel(), 2);
    EXPECT_TRUE(Visible(L"hor_breathspeed"));
    EXPECT_TRUE(Visible(L"hor_light_color"));
    EXPECT_FALSE(Visible(L"hor_brightness"));
    EXPECT_TRUE(NoApplyFor(200)) << "what the mouse reports is not sent back";
}

TEST_P(Gen2Settings, BluetoothAloneHidesTheRateAndTheDebounceAndACableBringsThemBackClosed) {
    const bool bBle = Page().Info().HasBle();
    Page().SetLink(LinkKind::Cable, false);
    if (bBle) Page().SetLink(LinkKind::Ble, true);
    Page().UpdateLinkControls();
    uikit::PumpUntilIdle(100);
    EXPECT_EQ(Visible(L"check_prate"), !bBle) << "unchanged without the Bluetooth branch";
    EXPECT_EQ(Visible(L"check_key_debounce"), !bBle);
    EXPECT_EQ(Visible(L"hor_key_debounce"), !bBle);
    EXPECT_FALSE(Visible(L"ver_prate"));
    EXPECT_FALSE(Visible(L"ver_prate_hs"));

    Page().SetLink(LinkKind::Cable, true);
    uikit::PumpUntilIdle(100);
    EXPECT_TRUE(Visible(L"check_prate"));
    EXPECT_FALSE(ControlOf<CCheckBoxUI>(L"check_prate")->GetCheck());
    EXPECT_TRUE(Visible(L"check_key_debounce"));
    EXPECT_EQ(ControlOf<CCheckBoxUI>(L"check_key_debounce")->GetCheck(), !bBle) << "closed after Bluetooth alone";
    EXPECT_FALSE(Visible(L"ver_prate"));
    EXPECT_FALSE(Visible(L"ver_prate_hs"));
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2Settings, ::testing::Values(11, 12));

}  // namespace
}  // namespace gen2test
