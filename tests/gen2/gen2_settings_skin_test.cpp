// Each second-generation model's page is generated from one template at build time: every control
// the page looks up must be in the skin the real window loads for that model, of the kind the page
// expects, its sliders offer the ranges of the model's description, and the Bluetooth indicator is
// there exactly on the models with the link. What the skin shows a person: the rates without an
// empty caption, buttons 13 to 18 with their captions.
#include "tests/gen2/gen2_settings_fixture.h"
#include "tests/kit/slider_skin_kit.h"
#include "tests/kit/ui_driver.h"
#include "core/util/string_helpers.h"

#include <algorithm>

namespace gen2test {
namespace {

class Gen2SkinTest : public Gen2SettingsTest, public ::testing::WithParamInterface<int> {};

std::string Joined(const std::vector<std::wstring>& names) {
    std::string strJoined;
    for (const std::wstring& strName : names) strJoined += WideToAnsi(strName) + ' ';
    return strJoined;
}

TEST_P(Gen2SkinTest, EveryControlThePageUsesIsInItsSkin) {
    Start(GetParam());
    EXPECT_TRUE(Page().MissingControls().empty()) << "missing or of another kind: " << Joined(Page().MissingControls());
    for (const wchar_t* pszSuffix : {L"btn_key_1", L"btn_key_18", L"btn_prate_hs_7", L"ver_prate_hs", L"apply_ring"})
        EXPECT_NE(Page().FindPageControl(pszSuffix), nullptr) << WideToAnsi(pszSuffix);
    EXPECT_EQ(Page().FindPageControl(L"BLE") != nullptr, Page().Info().HasBle());
    // Twelve light modes, off and 1 to 11.
    auto* pCombo = Page().FindPageControl<DuiLib::CComboUI>(L"combo_light");
    ASSERT_NE(pCombo, nullptr);
    EXPECT_EQ(pCombo->GetCount(), Description().iLightModeCount);
    // The light-off row on the models that have it.
    EXPECT_EQ(Page().FindPageControl(L"slider_light_off") != nullptr, Description().bLightOff);
    EXPECT_EQ(Page().FindPageControl(L"label_light_off") != nullptr, Description().bLightOff);
}

TEST_P(Gen2SkinTest, TheSlidersOfferTheRangesOfTheModelsDescription) {
    Start(GetParam());
    pagetest::ExpectSlidersOfDescription(Page(), Description());
}

// This generation names no chosen rate: once the polling-rate section is opened the rates stand
// alone, with neither the caption "Reports per second" nor an empty band below them.
TEST_P(Gen2SkinTest, TheRateSectionShowsNoCaptionWithoutAValue) {
    Start(GetParam());
    if (!Visible(L"ver_prate")) ClickOn(L"check_prate");
    ASSERT_TRUE(Visible(L"ver_prate"));
    DuiLib::CControlUI* pLabel = Control(L"label_prate");
    ASSERT_NE(pLabel, nullptr);
    EXPECT_FALSE(pLabel->IsVisibleInTree());
    auto* pBody = ControlOf<DuiLib::CContainerUI>(L"ver_prate");
    ASSERT_NE(pBody, nullptr);
    int iLowest = pBody->GetPos().top;
    for (int i = 0; i < pBody->GetCount(); ++i)
        if (pBody->GetItemAt(i)->IsVisible()) iLowest = std::max<int>(iLowest, pBody->GetItemAt(i)->GetPos().bottom);
    EXPECT_EQ(pBody->GetPos().bottom, iLowest);
    EXPECT_TRUE(Control(L"btn_prate_4")->IsVisibleInTree());
}

// Buttons 13 to 18 show what they do (17 and 18 scroll on every model) but open no menu.
TEST_P(Gen2SkinTest, ButtonsThirteenToEighteenShowTheirCaptionsAndOpenNoMenu) {
    Start(GetParam());
    const auto caption = [](uint8_t byFunction) -> std::wstring {
        switch (byFunction) {
            case 0: return L"Disabled";
            case 11: return L"Scroll up";
            case 12: return L"Scroll down";
            default: return L"(function " + std::to_wstring(byFunction) + L")";
        }
    };
    for (int n = 13; n <= 18; ++n) {
        SCOPED_TRACE("button " + std::to_string(n));
        const std::wstring strName = L"btn_key_" + std::to_wstring(n);
        DuiLib::CControlUI* pButton = Control(strName);
        ASSERT_NE(pButton, nullptr);
        EXPECT_TRUE(pButton->IsVisibleInTree());
        EXPECT_GT(pButton->GetWidth(), 0);
        EXPECT_EQ(pButton->GetText().str(), caption(Description().defaults.byFunction[n - 1]));
        ClickOn(strName);
        EXPECT_TRUE(uikit::OpenMenuWindows().empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Models, Gen2SkinTest, ::testing::Values(11, 8, 12, 13, 14, 16, 18, 19, 20, 22, 23, 15, 17, 21, 24));

}  // namespace
}  // namespace gen2test
