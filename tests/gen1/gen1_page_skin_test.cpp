// The page of each first-generation model is generated from one template at build time: every
// control the page looks up must be in the skin the real window loads for that model, of the kind
// the page expects, and its sliders offer the ranges of the model's description.
#include "gen1_page_fixture.h"
#include "slider_skin_kit.h"
#include "util/string_helpers.h"

namespace gen1test {
namespace {

class Gen1PageSkinTest : public Gen1PageTest, public ::testing::WithParamInterface<int> {};

std::string Joined(const std::vector<std::wstring>& names) {
    std::string strJoined;
    for (const std::wstring& strName : names) strJoined += WideToAnsi(strName) + ' ';
    return strJoined;
}

TEST_P(Gen1PageSkinTest, EveryControlThePageUsesIsInItsSkin) {
    Start(GetParam(), Link::Cable);
    EXPECT_TRUE(Page().MissingControls().empty()) << "missing or of another kind: " << Joined(Page().MissingControls());
    // The key buttons and the macro button are among what the page binds.
    for (const wchar_t* pszSuffix : {L"btn_key_1", L"btn_key_18", L"btn_macro", L"list_profile", L"apply_ring"})
        EXPECT_NE(Page().FindPageControl(pszSuffix), nullptr) << WideToAnsi(pszSuffix);
}

TEST_P(Gen1PageSkinTest, TheSlidersOfferTheRangesOfTheModelsDescription) {
    Start(GetParam(), Link::Cable);
    pagetest::ExpectSlidersOfDescription(Page(), Description());
}

INSTANTIATE_TEST_SUITE_P(Models, Gen1PageSkinTest, ::testing::Values(10, 1, 2, 3, 4, 5, 6, 7, 9));

}  // namespace
}  // namespace gen1test
