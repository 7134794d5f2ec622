// The polling-rate options of MS_3, MS_4 and MS_5 clicked as a person clicks them: which options
// the links up let a person reach, the apply request each choice posts to the main window, MS_5's
// rate label, the rate report the mouse gets over the link that is up (byte for byte, as written
// on that link) and the rate kept in pro.data.
#include "tests/gen1/gen1_settings_fixture.h"

#include "models/data/gen1_storage.h"

#include <algorithm>

namespace gen1test {
namespace {

using namespace DuiLib;

// The 4K receiver's output report of a rate frame: 04, frame length + 5, 00, the nine bytes of the
// frame, the 16-bit sum of everything before it (a code and its complement always add up to FF,
// so the sum is always 01 21), zeros up to 65 bytes.
std::string Rate4kReport(const char* pszCodeAndComplement) {
    std::string strReport = std::string("04 0E 00 06 09 01 ") + pszCodeAndComplement + " 00 00 00 00 01 21";
    for (int i = 14; i < 65; ++i) strReport += " 00";
    return strReport;
}

class Gen1RateOptions : public Gen1SettingsTest {
protected:
    // The apply request of the page, by its message number: 0x625 on MS_3, 0x635 on MS_4, 0x645
    // on MS_5.
    int TakeApplyMessages() { return Window().TakePosted(0x5F5 + 0x10 * static_cast<UINT>(Model())); }

    // The reports the mouse got over one link since the last clear, as written on it.
    std::vector<kit::Bytes> WrittenOver(Link eOver) const {
        switch (eOver) {
            case Link::Cable: return CableWrites();
            case Link::Receiver: return Distinct(ReceiverWrites());
            default: return Receiver4kWrites();
        }
    }

    int32_t RateOnDisk() {
        Gen1Storage storage(Description(), m_data.Path() + L"\\", [](std::wstring_view id) { return std::wstring(id); });
        ProfileList profiles;
        ProDataHeader header;
        storage.LoadProData(profiles, header);
        if (header.iCurProfile < 0 || static_cast<size_t>(header.iCurProfile) >= profiles.size()) return -1;
        return profiles[static_cast<size_t>(header.iCurProfile)]->iRate;
    }

    // The empty band between the lowest option shown and the end of the rate section.
    int SpaceBelowRates() {
        Reveal(L"ver_prate");
        int iLowest = 0;
        for (int k = 1; k <= Description().iRateCount; ++k)
            if (Visible((L"btn_prate_" + std::to_wstring(k)).c_str())) iLowest = std::max<int>(iLowest, Option(k)->GetPos().bottom);
        return Control(L"ver_prate")->GetPos().bottom - iLowest;
    }

    COptionUI* Option(int k) { return ControlOf<COptionUI>((L"btn_prate_" + std::to_wstring(k)).c_str()); }

    // Clicks option k, which must be reachable; a choice that changes the rate posts one apply
    // request, which is then run, and the mouse gets 0C and the rate report over `eOver`.
    void ChooseRate(int k, Link eOver, const std::string& strReport) {
        const int32_t iBefore = Page().CurrentProfileCopy().iRate;
        ClickOn((L"btn_prate_" + std::to_wstring(k)).c_str());
        EXPECT_EQ(Page().CurrentProfileCopy().iRate, k - 1);
        EXPECT_TRUE(Option(k)->IsSelected());
        if (iBefore == k - 1) {
            EXPECT_EQ(TakeApplyMessages(), 0) << "the option was already chosen";
            return;
        }
        ASSERT_EQ(TakeApplyMessages(), 1);
        ClearWrites();
        Apply();
        const std::vector<kit::Bytes> written = WrittenOver(eOver);
        ASSERT_EQ(written.size(), 2u) << "0C, then the rate";
        EXPECT_EQ(ToHex(written[1]), strReport);
        EXPECT_EQ(RateOnDisk(), k - 1);
    }
};

struct RateClick {
    int iOption;
    std::string strReport;  // as written on the link; empty: the option cannot be reached
};

struct RateRow {
    int iModel;
    Link eLinks;
    std::vector<RateClick> clicks;
};

TEST_F(Gen1RateOptions, EachReachableOptionSendsItsRateOverTheLinkUp) {
    const std::string k20 = "06 09 01 20 DF 00 00 00 00", k10 = "06 09 01 10 EF 00 00 00 00",
                      k08 = "06 09 01 08 F7 00 00 00 00", k04 = "06 09 01 04 FB 00 00 00 00",
                      k02 = "06 09 01 02 FD 00 00 00 00", k01 = "06 09 01 01 FE 00 00 00 00";
    const std::vector<RateRow> rows = {
        // Seven rates; over the cable and the 2.4 GHz receiver the four slowest only, and the
        // factory's fastest rate is held as the fourth (a second click on it changes nothing).
        {3, Link::Cable, {{1, k20}, {2, k10}, {3, k08}, {4, k04}, {4, k04}, {5, ""}, {6, ""}, {7, ""}}},
        {4, Link::Receiver, {{2, k10}, {4, k04}, {1, k20}, {5, ""}, {7, ""}}},
        {4, Link::Cable4k, {{3, k08}, {6, ""}}},
        // Over the 4K receiver alone all seven, in the receiver's own reports.
        {4, Link::Receiver4k,
         {{5, Rate4kReport("02 FD")}, {6, Rate4kReport("01 FE")}, {7, Rate4kReport("40 BF")}, {1, Rate4kReport("20 DF")}}},
        // Four rates with codes of their own.
        {5, Link::Cable, {{3, k02}, {1, k08}, {4, k01}, {2, k04}}},
        {5, Link::Receiver, {{3, k02}, {4, k01}}},
    };
    for (const RateRow& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel) + " " + LinkName(row.eLinks));
        Start(row.iModel, row.eLinks);
        Apply();
        const Link eOver = Has(row.eLinks, Link::Cable) ? Link::Cable : row.eLinks;
        for (const RateClick& click : row.clicks) {
            SCOPED_TRACE("option " + std::to_string(click.iOption));
            if (click.strReport.empty()) {
                const int32_t iBefore = Page().CurrentProfileCopy().iRate;
                EXPECT_FALSE(uikit::Click(Reveal((L"btn_prate_" + std::to_wstring(click.iOption)).c_str())));
                EXPECT_EQ(Page().CurrentProfileCopy().iRate, iBefore);
                EXPECT_EQ(TakeApplyMessages(), 0);
                continue;
            }
            ChooseRate(click.iOption, eOver, click.strReport);
        }
        Stop();
    }
}

// The caption "Reports per second" stands under the rates only where the page names the rate
// beside it; the models that name none show neither, and the section ends with its lowest row.
TEST_F(Gen1RateOptions, TheRateCaptionShowsOnlyWithTheRateItNames) {
    const wchar_t* const kRateNames[] = {L"125 Hz", L"250 Hz", L"500 Hz", L"1000 Hz"};
    for (int iModel : {1, 2, 3, 4, 5, 6, 7, 9, 10}) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        Start(iModel, Link::Cable);
        if (!Visible(L"ver_prate")) ClickOn(L"check_prate");
        CControlUI* pLabel = Reveal(L"label_prate");
        ASSERT_NE(pLabel, nullptr);
        CControlUI* pCaptionRow = pLabel->GetParent();
        ASSERT_NE(pCaptionRow, nullptr);
        const bool bNamesRate = !Description().bNoRateLabel;
        EXPECT_EQ(pCaptionRow->IsVisibleInTree(), bNamesRate);
        if (bNamesRate) {
            const int32_t iRate = Page().CurrentProfileCopy().iRate;
            ASSERT_TRUE(iRate >= 0 && iRate < 4);
            EXPECT_EQ(pLabel->GetText().str(), kRateNames[iRate]);
        }
        // No empty band below the last row the section shows.
        auto* pBody = ControlOf<CContainerUI>(L"ver_prate");
        int iLowest = pBody->GetPos().top;
        for (int i = 0; i < pBody->GetCount(); ++i)
            if (pBody->GetItemAt(i)->IsVisible()) iLowest = std::max<int>(iLowest, pBody->GetItemAt(i)->GetPos().bottom);
        EXPECT_EQ(pBody->GetPos().bottom, iLowest);
        Stop();
    }
}

TEST_F(Gen1RateOptions, Ms5NamesTheChosenRateInItsLabel) {
    Start(5, Link::Cable);
    Apply();
    CControlUI* pLabel = Control(L"label_prate");
    ASSERT_NE(pLabel, nullptr);
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"prate_4_text") << "the factory rate";
    EXPECT_TRUE(Option(4)->IsSelected());
    for (int k : {3, 1, 2, 4}) {
        SCOPED_TRACE("option " + std::to_string(k));
        ClickOn((L"btn_prate_" + std::to_wstring(k)).c_str());
        EXPECT_EQ(TakeApplyMessages(), 1);
        EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"prate_" + std::to_wstring(k) + L"_text");
        EXPECT_TRUE(pLabel->IsResourceText());
    }
    // The label shows the profile's rate again after a restart.
    ClickOn(L"btn_prate_3");
    EXPECT_EQ(TakeApplyMessages(), 1);
    Apply();
    Restart();
    pLabel = Control(L"label_prate");
    EXPECT_EQ(std::wstring(pLabel->GetTextSource().GetData()), L"prate_3_text");
    EXPECT_TRUE(Option(3)->IsSelected());
}

// MS_3 with the cable and the 4K receiver offers four rates; once the cable goes and the 4K
// receiver stays, the section stays open and the three fastest rates appear beside the others.
TEST_F(Gen1RateOptions, Ms3ReachesItsFastestRatesOverThe4kReceiverOnceTheCableIsGone) {
    Start(3, Link::Cable4k);
    Apply();
    EXPECT_FALSE(Visible(L"btn_prate_7"));
    EXPECT_TRUE(Option(4)->IsSelected());
    EXPECT_EQ(SpaceBelowRates(), 0) << "the row of the fast rates takes no room";
    kit::UnplugCableMouse(m_cable);
    PumpUntil([&] { return Page().WiredState() == 2; });
    // The mouse on the 4K receiver wakes the page with its next report.
    MouseEvent(0x40, 0x5001, Link::Receiver4k);
    PumpUntil([&] { return !Page().Sleeping(); });
    for (const wchar_t* pszSuffix : {L"check_prate", L"btn_prate_5", L"btn_prate_6", L"btn_prate_7"})
        EXPECT_TRUE(Visible(pszSuffix)) << WideToText(pszSuffix);
    EXPECT_TRUE(Option(4)->IsSelected()) << "the rate held over the cable";
    EXPECT_EQ(SpaceBelowRates(), 0);
    EXPECT_GT(Option(5)->GetPos().top, Option(1)->GetPos().bottom) << "a row of their own";

    ChooseRate(7, Link::Receiver4k, Rate4kReport("40 BF"));
    ChooseRate(5, Link::Receiver4k, Rate4kReport("02 FD"));

    // The cable back: the fast rates go, the rate falls back to the fourth and goes out over it.
    m_cable = kit::PlugCableMouse(m_cable.productId);
    PumpUntil([&] { return Page().WiredState() == 1; });
    EXPECT_FALSE(Visible(L"btn_prate_5"));
    EXPECT_EQ(SpaceBelowRates(), 0);
    EXPECT_EQ(Page().CurrentProfileCopy().iRate, 3);
    EXPECT_TRUE(Option(4)->IsSelected());
    EXPECT_EQ(TakeApplyMessages(), 0) << "the fall-back asks for nothing itself";
    ClearWrites();
    Apply();
    const std::vector<kit::Bytes> written = CableWrites();
    ASSERT_EQ(Ids(written), "0C 06");
    EXPECT_EQ(ToHex(written[1]), "06 09 01 04 FB 00 00 00 00");
    EXPECT_TRUE(Receiver4kWrites().empty()) << "the cable goes first";
}

}  // namespace
}  // namespace gen1test
