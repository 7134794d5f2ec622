// A second-generation page whose driver library is missing, or lacks an entry point: the page
// still comes up with its controls and the current profile on them, its cabled mouse is never
// opened or written to (even when it is plugged in, and when it comes again), every other link
// carries the changes, and with no other link a change is kept in pro.data.
#include "tests/gen2/gen2_page_fixture.h"

#include <ostream>
#include <tuple>

namespace gen2test {
namespace {

using DuiLib::CControlUI;

struct BrokenLibrary {
    const char* pszName;
    const wchar_t* pszFile;  // in the program folder
};

// No such file; a library without GetFeature (built for the page runtime's tests).
const BrokenLibrary kBrokenLibraries[] = {
    {"Missing", L"hiddriver_none.dll"},
    {"Incomplete", L"hiddriver_incomplete.dll"},
};

// A link other than the cable, and the frames of the first apply over it.
struct OtherLink {
    const char* pszName;
    int iModel;
    unsigned link;
    LinkKind eKind;
    const char* pszFirstApply;
};

const OtherLink kOtherLinks[] = {
    {"MS_11_Receiver", 11, kReceiver, LinkKind::Wireless, "0C 04 05 06 08"},
    {"MS_11_Bluetooth", 11, kBle, LinkKind::Ble, "0C 04 05 08"},
    {"MS_12_FourK", 12, k4k, LinkKind::Wireless4k, "0C 04 05 06 08"},
};

void PrintTo(const BrokenLibrary& library, std::ostream* pOut) { *pOut << library.pszName; }
void PrintTo(const OtherLink& link, std::ostream* pOut) { *pOut << link.pszName; }

class Gen2WithoutDriverLibrary : public Gen2PageTest {
protected:
    // Plugs the model's cabled mouse, then opens the page with `library` in place of its own and
    // the devices of `links`.
    void StartWith(const BrokenLibrary& library, int iModel, unsigned links) {
        m_strDriverLibrary = GetExeFolder() + library.pszFile;
        m_cable = kit::PlugCableMouse(ModelOf(iModel).Info().wCablePid);
        Start(iModel, links);
    }
    CControlUI* Control(const std::wstring& strSuffix) {
        return uikit::FindControl(Window().hwnd(), (ControlPrefix(Model()) + strSuffix).c_str());
    }
    // The frames the links other than the cable carried since the last ClearAllWrites, one id
    // each (a 4K report carries its frame's id after its own id, length and piece number).
    std::string OtherLinksIds() {
        std::vector<kit::Bytes> fourK;
        for (const kit::Bytes& w : FourKWrites())
            if (w.size() > 3 && w[2] == 0) fourK.emplace_back(w.begin() + 3, w.end());
        return Ids(Distinct(ReceiverWrites())) + Ids(fourK) + Ids(BleWrites());
    }
    // The cable as the page sees it and as the mouse does: down, never opened, nothing written.
    void ExpectCableUntouched() {
        EXPECT_FALSE(Page().LinkUp(LinkKind::Cable));
        EXPECT_FALSE(Page().LinkIndicator(LinkKind::Cable)->IsVisible());
        EXPECT_EQ(simhid_open_handles(m_cable.id), 0);
        EXPECT_TRUE(WritesTo(m_cable.id).empty());
    }
    // The cabled mouse goes and comes back as Windows announces it.
    void ReplugCable() {
        kit::UnplugCableMouse(m_cable, kit::Announce::Yes);
        m_cable = kit::PlugCableMouse(m_cable.productId, "", kit::Announce::Yes);
        uikit::PumpUntilIdle(300);
    }
};

class Gen2WithoutDriverLibraryOverLink : public Gen2WithoutDriverLibrary,
                                         public ::testing::WithParamInterface<std::tuple<BrokenLibrary, OtherLink>> {};

TEST_P(Gen2WithoutDriverLibraryOverLink, ThePageComesUpAndTheOtherLinkCarriesTheChanges) {
    const auto& [library, road] = GetParam();
    StartWith(library, road.iModel, road.link);
    ASSERT_FALSE(HasFatalFailure());

    // Up, with its tab, its controls and the factory profile on them.
    EXPECT_TRUE(Page().MissingControls().empty());
    CControlUI* pTab = uikit::FindControl(Window().hwnd(), (L"option_device_" + std::to_wstring(road.iModel)).c_str());
    ASSERT_NE(pTab, nullptr);
    // The tab follows the page's announcement of its link, which the window takes in its own time.
    EXPECT_TRUE(uikit::PumpUntil([&] { return pTab->IsVisible(); }));
    EXPECT_TRUE(Page().LinkIndicator(road.eKind)->IsVisible());
    EXPECT_EQ(Page().Online(), 1);
    ASSERT_NE(Control(L"edit_dpi_1"), nullptr);
    EXPECT_EQ(Control(L"edit_dpi_1")->GetText().str(), L"400");
    EXPECT_NE(Control(L"label_power")->GetTextSource().GetData(), std::wstring(L"charging_text"))
        << "a cable that never opened shows no charging";
    ExpectCableUntouched();

    // The first apply goes over the other link, and the change is saved.
    Page().Edit([](ProfileRecordEx& p) { p.iDpi2[0] = 20; });
    Apply();
    EXPECT_EQ(OtherLinksIds(), road.pszFirstApply);
    EXPECT_FALSE(Page().ResendAllPending());
    std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->iDpi2[0], 20);

    // The cabled mouse coming again reaches nothing: no library watches for it.
    ReplugCable();
    ExpectCableUntouched();
    EXPECT_TRUE(Page().LinkUp(road.eKind));
    ClearAllWrites();
    Page().Edit([](ProfileRecordEx& p) { p.iDpi2[0] = 24; });
    Apply();
    EXPECT_EQ(OtherLinksIds(), "04");
    ExpectCableUntouched();
    pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->iDpi2[0], 24);
}

INSTANTIATE_TEST_SUITE_P(LibrariesAndLinks, Gen2WithoutDriverLibraryOverLink,
                         ::testing::Combine(::testing::ValuesIn(kBrokenLibraries), ::testing::ValuesIn(kOtherLinks)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).pszName) + "_" + std::get<1>(info.param).pszName;
                         });

class Gen2WithoutDriverLibraryAlone : public Gen2WithoutDriverLibrary,
                                      public ::testing::WithParamInterface<BrokenLibrary> {};

TEST_P(Gen2WithoutDriverLibraryAlone, WithNoOtherLinkTheControlsStayAndAChangeIsKeptUnsent) {
    StartWith(GetParam(), 11, kNoLink);
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(Page().MissingControls().empty());
    ASSERT_NE(Control(L"edit_dpi_1"), nullptr);
    EXPECT_EQ(Control(L"edit_dpi_1")->GetText().str(), L"400");
    EXPECT_EQ(Page().Online(), 0);
    ExpectCableUntouched();

    const int iSentBefore = Page().SentProfileCopy().iDpi2[0];
    Page().Edit([](ProfileRecordEx& p) { p.iDpi2[0] = 30; });
    Apply();
    EXPECT_TRUE(kit::Writes().empty());
    EXPECT_TRUE(m_ble.ValueWrites().empty());
    const std::unique_ptr<ProfileRecordEx> pSaved = SavedCurrentProfile();
    ASSERT_NE(pSaved, nullptr);
    EXPECT_EQ(pSaved->iDpi2[0], 30) << "kept in pro.data";
    EXPECT_EQ(Page().SentProfileCopy().iDpi2[0], iSentBefore) << "and not taken as sent";
}

INSTANTIATE_TEST_SUITE_P(Libraries, Gen2WithoutDriverLibraryAlone, ::testing::ValuesIn(kBrokenLibraries),
                         [](const auto& info) { return std::string(info.param.pszName); });

}  // namespace
}  // namespace gen2test
