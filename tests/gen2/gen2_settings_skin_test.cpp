// Each second-generation model's page is generated from one template at build time: every control
// the page looks up must be in the skin the real window loads for that model, of the kind the page
// expects, its sliders offer the ranges of the model's description, and the Bluetooth indicator is
// there exactly on the models with the link.
#include "gen2_settings_fixture.h"
#include "slider_skin_kit.h"
#include "util/string_helpers.h"

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

INSTANTIATE_TEST_SUITE_P(Models, Gen2SkinTest, ::testing::Values(11, 8, 12, 13, 14, 16, 18, 19, 20, 22, 23, 15, 17, 21, 24));

}  // namespace
}  // namespace gen2test
