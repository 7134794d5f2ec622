// The first-generation models whose settings follow each link (MS_6, MS_7, MS_9) on screen: the
// polling-rate and debounce sections by link (none over Bluetooth LE alone), MS_6's two rate
// panels and its high-speed rates, MS_7's and MS_9's light rows and light-off time, and the sleep
// and light-off sliders that apply soon after the last move.
#include "tests/gen1/gen1_settings_fixture.h"

#include "models/data/gen1_frames.h"
#include "core/util/string_helpers.h"

namespace gen1test {
namespace {

using DuiLib::CCheckBoxUI;
using DuiLib::CResourceManager;

constexpr int kBleOnly = static_cast<int>(Link::Ble);

class Gen1EachLink : public Gen1SettingsTest {
protected:
    // Starts the model over `iLinks`. Over Bluetooth LE alone no tab need come to the front: the
    // controls' own visibility is what is checked.
    void StartOver(int iModel, int iLinks) {
        if (iLinks == kBleOnly) {
            Gen1PageTest::Start(iModel, Link::Ble);
            ASSERT_TRUE(Page().LinkUp(LinkKind::Ble));
        } else {
            Start(iModel, static_cast<Link>(iLinks));
        }
    }
    bool Checked(const wchar_t* pszSuffix) { return ControlOf<CCheckBoxUI>(pszSuffix)->GetCheck(); }
    static std::wstring Text(const wchar_t* pszId) { return DuiLib::LanguageTextOf(pszId); }
    static std::string LinksName(int iLinks) { return iLinks == kBleOnly ? "ble" : LinkName(static_cast<Link>(iLinks)); }
};

TEST_F(Gen1EachLink, RateAndDebounceSectionsFollowTheLinks) {
    const struct {
        int iModel;
        int iLinks;
        bool bOffered;  // the rate and debounce checks are there (closed)
    } rows[] = {
        {6, static_cast<int>(Link::Cable), true},      {6, static_cast<int>(Link::Receiver), true},
        {6, static_cast<int>(Link::Receiver4k), true}, {6, kBleOnly, false},
        {7, static_cast<int>(Link::Cable), true},      {7, static_cast<int>(Link::Receiver), true},
        {7, kBleOnly, false},
        {9, static_cast<int>(Link::Both), true},       {9, kBleOnly, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel) + " " + LinksName(row.iLinks));
        StartOver(row.iModel, row.iLinks);
        EXPECT_EQ(Visible(L"check_prate"), row.bOffered);
        EXPECT_FALSE(Checked(L"check_prate")) << "the rate section starts closed";
        EXPECT_FALSE(Visible(L"ver_prate"));
        EXPECT_FALSE(Visible(L"ver_prate_hs"));
        EXPECT_EQ(Visible(L"check_key_debounce"), row.bOffered);
        if (!row.bOffered) {
            EXPECT_FALSE(Checked(L"check_key_debounce"));
            EXPECT_FALSE(Visible(L"hor_key_debounce"));
        }
        // Battery on every link; MS_6 has no lights, MS_7 and MS_9 start on mode 7: breathing
        // speed only.
        EXPECT_TRUE(Visible(L"check_power"));
        const bool bLights = row.iModel != 6;
        EXPECT_EQ(Visible(L"check_light"), bLights);
        EXPECT_EQ(Visible(L"ver_light"), bLights);
        EXPECT_EQ(Visible(L"combo_light"), bLights);
        if (bLights) {
            EXPECT_TRUE(Visible(L"ver_breathspeed"));
            EXPECT_FALSE(Visible(L"ver_brightness"));
            EXPECT_FALSE(Visible(L"hor_light_color"));
        }
        Stop();
    }
}

// MS_6's rate check opens the panel of the fastest link up: four rates over the cable or the
// 2.4 GHz receiver, its seven own rates over the 4K receiver alone. A 4K rate reaches the mouse
// in the high nibble of the rate frame.
TEST_F(Gen1EachLink, Ms6OpensTheRatePanelOfItsLinkAndTakesItsHighSpeedRates) {
    const struct {
        Link eLinks;
        bool bHighSpeed;
    } rows[] = {{Link::Cable, false}, {Link::Receiver, false}, {Link::Cable4k, false}, {Link::Receiver4k, true}};
    for (const auto& row : rows) {
        SCOPED_TRACE(LinkName(row.eLinks));
        Start(6, row.eLinks);
        ClickOn(L"check_prate");
        EXPECT_EQ(Visible(L"ver_prate"), !row.bHighSpeed);
        EXPECT_EQ(Visible(L"ver_prate_hs"), row.bHighSpeed);
        ClickOn(L"check_prate");
        EXPECT_FALSE(Visible(L"ver_prate"));
        EXPECT_FALSE(Visible(L"ver_prate_hs"));
        Stop();
    }

    Start(6, Link::Receiver4k);
    Apply();
    ClearWrites();
    ClickOn(L"check_prate");
    ClickOn(L"btn_prate_hs_2");
    EXPECT_EQ(TakeApplyRequests(), 1) << "a rate goes at once";
    EXPECT_EQ(Page().CurrentProfileCopy().iRateHs, 1);
    Apply();
    const ProfileRecord p = Page().CurrentProfileCopy();
    const std::vector<kit::Bytes> frames = Frames(Link::Receiver4k);
    ASSERT_FALSE(frames.empty());
    EXPECT_EQ(frames.back(), BuildRateReport(Description(), p));
    EXPECT_EQ(frames.back()[3], (2 << 4) | (p.iRate + 1));
}

// A rate section the person opened stays open while the mouse keeps reporting its battery over
// the receiver (which keeps that link alive without changing the links).
TEST_F(Gen1EachLink, AnOpenRateSectionStaysOpenWhileTheMouseReportsItsBattery) {
    const struct {
        int iModel;
        Link eLink;
        const wchar_t* pszPanel;
    } rows[] = {{6, Link::Receiver4k, L"ver_prate_hs"}, {7, Link::Receiver, L"ver_prate"}, {9, Link::Receiver, L"ver_prate"}};
    for (const auto& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel) + " " + LinkName(row.eLink));
        Start(row.iModel, row.eLink);
        ClickOn(L"check_prate");
        ASSERT_TRUE(Visible(row.pszPanel));
        for (int i = 0; i < 3; ++i) MouseEvent(0x40, 0x5001, row.eLink);
        Flush(row.eLink);
        EXPECT_TRUE(Checked(L"check_prate"));
        EXPECT_TRUE(Visible(row.pszPanel));
        Stop();
    }
}

// MS_7 and MS_9 show the light-off time in half minutes with one decimal, in the language's words.
TEST_F(Gen1EachLink, LightOffSliderAndLabel) {
    for (int iModel : {7, 9}) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        Start(iModel, Link::Cable);
        const std::wstring strBefore = Text(L"sleep_timer_1_text");
        const std::wstring strAfter = Text(L"sleep_timer_2_text");
        EXPECT_EQ(strBefore, L"Lights off after ");
        // The factory value 2 is one minute.
        EXPECT_EQ(TextOf(L"label_light_off"), strBefore + L"1.0 " + strAfter);
        const struct {
            double fAt;
            int32_t iLightOff;
            const wchar_t* pszShown;
        } moves[] = {{1.0, 60, L"30.0 "}, {0.0, 0, L"0.0 "}};
        for (const auto& move : moves) {
            DragSlider(L"slider_light_off", move.fAt);
            EXPECT_EQ(Page().CurrentProfileCopy().iLightOff, move.iLightOff);
            EXPECT_EQ(TextOf(L"label_light_off"), strBefore + move.pszShown + strAfter);
        }
        Page().Edit([](ProfileRecord& p) { p.iLightOff = 3; });
        ASSERT_TRUE(CResourceManager::GetInstance()->LoadLanguage(L"lan/CN.xml"));
        Page().RefreshControls();
        EXPECT_NE(Text(L"sleep_timer_1_text"), strBefore);
        EXPECT_EQ(TextOf(L"label_light_off"), Text(L"sleep_timer_1_text") + L"1.5 " + Text(L"sleep_timer_2_text"));
        CResourceManager::GetInstance()->LoadLanguage(L"lan/EN.xml");
        Stop();
    }
}

// The sleep and light-off sliders of MS_7 and MS_9 apply once, soon after the last of several
// moves, carrying every move's value; the others keep the long wait of the sliders.
TEST_F(Gen1EachLink, SleepAndLightOffApplySoonAfterTheLastMove) {
    const struct {
        int iModel;
        const wchar_t* pszSlider;
        bool bSoon;
    } rows[] = {
        {7, L"slider_sleep_timer", true}, {7, L"slider_light_off", true}, {9, L"slider_sleep_timer", true},
        {9, L"slider_light_off", true},   {7, L"slider_key_debounce", false}, {6, L"slider_sleep_timer", false},
        {5, L"slider_sleep_timer", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel) + " " + WideToAnsi(row.pszSlider));
        Start(row.iModel, Link::Cable);
        Apply();
        ClearWrites();
        Timing().uSliderApplyDelayMs = kNeverMs;
        Timing().uSoonSliderApplyDelayMs = row.bSoon ? 1 : kNeverMs;
        const unsigned uBefore = Page().AppliesRun();
        for (double fAt : {0.2, 0.6, 1.0}) DragSlider(row.pszSlider, fAt);
        EXPECT_EQ(TakeApplyRequests(), 0) << "nothing at once";
        if (row.bSoon) {
            ASSERT_TRUE(WaitForApplies(uBefore + 1));
            EXPECT_FALSE(KillApplyTimer()) << "one apply for the whole run of moves";
            const std::vector<kit::Bytes> writes = CableWrites();
            ASSERT_EQ(Ids(writes), "0C 05");
            EXPECT_EQ(writes[1], BuildLightReport(Description(), Page().CurrentProfileCopy()));
        } else {
            EXPECT_TRUE(KillApplyTimer()) << "the long wait is running";
            EXPECT_EQ(Page().AppliesRun(), uBefore);
        }
        Stop();
    }
}

// The light rows of MS_7 and MS_9 ("ver_" rows) by the mode chosen in the combo.
TEST_F(Gen1EachLink, LightRowsByMode) {
    const struct {
        int iMode;
        bool bBrightness, bBreathSpeed, bColor;
    } modes[] = {{1, true, false, true}, {2, false, true, true}, {7, false, true, false},
                 {11, false, true, false}, {0, false, false, false}};
    for (int iModel : {7, 9}) {
        Start(iModel, Link::Cable);
        for (const auto& m : modes) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + " mode " + std::to_string(m.iMode));
            ChooseLightMode(m.iMode);
            EXPECT_EQ(Page().CurrentProfileCopy().iLightMode, m.iMode);
            EXPECT_EQ(Visible(L"ver_brightness"), m.bBrightness);
            EXPECT_EQ(Visible(L"ver_breathspeed"), m.bBreathSpeed);
            EXPECT_EQ(Visible(L"hor_light_color"), m.bColor);
        }
        Stop();
    }
}

}  // namespace
}  // namespace gen1test
