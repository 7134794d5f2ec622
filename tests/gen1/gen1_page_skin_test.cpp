// The page of each first-generation model is generated from one template at build time: every
// control the page looks up must be in the skin the real window loads for that model, of the kind
// the page expects, and its sliders offer the ranges of the model's description; and whatever
// links are up, the page stands whole: every section shown has its header, every open header its
// content.
#include "tests/gen1/gen1_page_fixture.h"
#include "tests/kit/slider_skin_kit.h"
#include "core/util/string_helpers.h"

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

class Gen1PageSections : public Gen1PageTest {
protected:
    bool Shown(const wchar_t* pszSuffix) {
        DuiLib::CControlUI* pControl = Page().FindPageControl(pszSuffix);
        return pControl != nullptr && pControl->IsVisible();
    }
    bool HasShownChild(const wchar_t* pszSuffix) {
        auto* pBox = Page().FindPageControl<DuiLib::CContainerUI>(pszSuffix);
        if (pBox == nullptr) return false;
        for (int i = 0; i < pBox->GetCount(); ++i)
            if (pBox->GetItemAt(i)->IsVisible()) return true;
        return false;
    }
};

// Header (check box) and body of each section whose parts the links show and hide.
constexpr std::pair<const wchar_t*, const wchar_t*> kSections[] = {
    {L"check_power", L"ver_power"},          {L"check_light", L"ver_light"},
    {L"check_prate", L"ver_prate"},          {L"check_key_debounce", L"hor_key_debounce"},
    {L"check_lift_of_distance", L"hor_lift_of_distance"},
};

// MS_3 and MS_4 over each of their links show the battery, the lights, the polling rates and the
// debounce, each under its own header; no content stands under another section's header and no
// open header stands over an empty band.
TEST_F(Gen1PageSections, EverySectionStandsUnderItsHeaderOnEveryLink) {
    for (int iModel : {3, 4}) {
        for (Link eLinks : {Link::Cable, Link::Receiver, Link::Receiver4k, Link::Cable4k}) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + " " + LinkName(eLinks));
            Start(iModel, eLinks);
            for (const auto& [pszCheck, pszBody] : kSections) {
                SCOPED_TRACE(WideToAnsi(pszCheck));
                EXPECT_TRUE(Shown(pszCheck)) << "the header is there";
                auto* pCheck = Page().FindPageControl<DuiLib::CCheckBoxUI>(pszCheck);
                ASSERT_NE(pCheck, nullptr);
                // An open section shows its content; a closed one shows none.
                EXPECT_EQ(Shown(pszBody), pCheck->GetCheck());
                if (pCheck->GetCheck()) EXPECT_TRUE(HasShownChild(pszBody)) << "something under the header";
            }
            EXPECT_TRUE(Shown(L"combo_light"));
            Stop();
        }
    }
}

}  // namespace
}  // namespace gen1test
