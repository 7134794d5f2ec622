// What the first-generation page shows for the links that are up: the link-dependent settings
// (light, polling-rate section, battery, debounce) appear on the links the model shows them on,
// the three highest rates of MS_3 and MS_4 only over the 4K receiver alone, and MS_5 names its
// rate in its label.
#include "tests/gen1/gen1_page_fixture.h"
#include "core/util/string_helpers.h"

namespace gen1test {
namespace {

class Gen1LinkControls : public Gen1PageTest {
protected:
    bool Visible(const wchar_t* pszSuffix) {
        DuiLib::CControlUI* pControl = Page().FindPageControl(pszSuffix);
        return pControl != nullptr && pControl->IsVisible();
    }
};

TEST_F(Gen1LinkControls, SectionsAndRateOptionsFollowTheLinksUp) {
    const struct {
        int iModel;
        Link eLinks;
        bool bSections;  // light combo, rate section, battery and debounce checks
        bool bFastRates;  // rate options 5 to 7
    } rows[] = {
        {3, Link::None, false, true},      {3, Link::Cable, true, false},    {3, Link::Receiver, true, false},
        {3, Link::Receiver4k, true, true},  {3, Link::Cable4k, true, false},
        {4, Link::None, false, true},      {4, Link::Cable, true, false},    {4, Link::Receiver, true, false},
        {4, Link::Receiver4k, true, true},  {4, Link::Cable4k, true, false},
        {5, Link::None, false, false},     {5, Link::Cable, true, false},    {5, Link::Receiver, true, false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel) + " " + LinkName(row.eLinks));
        Start(row.iModel, row.eLinks);
        for (const wchar_t* pszSuffix : {L"combo_light", L"check_prate", L"check_power", L"ver_power", L"check_key_debounce"})
            EXPECT_EQ(Visible(pszSuffix), row.bSections) << WideToAnsi(pszSuffix);
        for (const wchar_t* pszSuffix : {L"btn_prate_5", L"btn_prate_6", L"btn_prate_7"})
            EXPECT_EQ(Visible(pszSuffix), row.bFastRates) << WideToAnsi(pszSuffix);
        EXPECT_TRUE(Visible(L"btn_prate_4"));
        // The rate the links allow is the one held and, where the links decide the rates, the one
        // selected.
        const int32_t iRate = Page().CurrentProfileCopy().iRate;
        EXPECT_EQ(iRate, row.iModel == 5 || row.bFastRates ? Description().defaults.iRate : 3);
        if (row.iModel != 5) {
            const std::wstring strOption = L"btn_prate_" + std::to_wstring(iRate + 1);
            auto* pOption = Page().FindPageControl<DuiLib::COptionUI>(strOption.c_str());
            ASSERT_NE(pOption, nullptr);
            EXPECT_TRUE(pOption->IsSelected());
        }
        Stop();
    }
}

// MS_5 names the rate the mouse reports in its label and keeps it as the mouse's own.
TEST_F(Gen1LinkControls, TheRateLabelOfMs5FollowsTheMouse) {
    Start(5, Link::Receiver);
    Apply();
    auto* pLabel = Page().FindPageControl(L"label_prate");
    ASSERT_NE(pLabel, nullptr);
    MouseEvent(0x20, 8);
    PumpUntil([&] { return Page().CurrentProfileCopy().iRate == 0; });
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"prate_1_text");
    EXPECT_TRUE(pLabel->IsResourceText());
    EXPECT_TRUE(Page().FindPageControl<DuiLib::COptionUI>(L"btn_prate_1")->IsSelected());
    ClearWrites();
    Apply();
    EXPECT_EQ(Ids(Distinct(ReceiverWrites())), "0C") << "no rate frame: the mouse has it";
}

// MS_3 and MS_4 have no rate label: a rate event leaves it as it was.
TEST_F(Gen1LinkControls, MS3HasNoRateLabelToFill) {
    Start(3, Link::Receiver4k);
    DuiLib::CControlUI* pLabel = Page().FindPageControl(L"label_prate");
    ASSERT_NE(pLabel, nullptr);
    const std::wstring strBefore = pLabel->GetTextSource().GetData();
    MouseEvent(0x20, 0x40, Link::Receiver4k);
    MouseEvent(0x20, 0x20, Link::Receiver4k);
    PumpUntil([&] { return Page().CurrentProfileCopy().iRate == 0; });
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), strBefore);
    EXPECT_TRUE(Page().FindPageControl<DuiLib::COptionUI>(L"btn_prate_1")->IsSelected());
}

}  // namespace
}  // namespace gen1test
