// Every model is described once (models/ms_N/model.cmake and the families it names); the tables,
// classes and skins the build derives from those descriptions must agree with themselves, with
// the protocol rows of gen1_model.cpp and gen2_model.cpp, and with the skins in the run folder.
#include "tests/kit/file_kit.h"
#include "models/data/gen1_model.h"
#include "models/pages/gen1_page.h"
#include "models/data/gen2_frames.h"
#include "models/data/gen2_model.h"
#include "models/pages/gen2_page.h"
#include "models/table/model_table.h"
#include "core/app/page_factories.h"
#include "core/page/page_policy.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// What the descriptions say beyond the model table: the families each model names (with those
// they name in turn) and the function its protocol row is built by.
struct DescriptionRow {
    int iNumber;
    const char* pszFamilies;
    const char* pszProtocol;
};
constexpr DescriptionRow kDescriptions[] = {
#include "models/model_description_rows.inc"
};
static_assert(std::size(kDescriptions) == kModelCount);

bool InFamily(const DescriptionRow& d, const std::string& strFamily) {
    std::istringstream words(d.pszFamilies);
    for (std::string strWord; words >> strWord;)
        if (strWord == strFamily) return true;
    return false;
}

std::string Label(int n) { return "MS_" + std::to_string(n); }

std::string ReadSkin(const std::wstring& strPath) {
    const std::vector<uint8_t> bytes = testkit::ReadBytes(L"res/" + strPath);
    return std::string(bytes.begin(), bytes.end());
}
std::string PageSkin(int n) { return ReadSkin(SkinFolder(n) + L"ms_" + std::to_wstring(n) + L"_page.xml"); }

// Whether the skin has a control of that name ("ms_N_<suffix>").
bool HasControl(const std::string& strSkin, int n, const std::string& strSuffix) {
    return strSkin.find("name=\"ms_" + std::to_string(n) + "_" + strSuffix + "\"") != std::string::npos;
}

// An attribute of the control of that name, "" when either is missing.
std::string Attribute(const std::string& strSkin, int n, const std::string& strSuffix, const std::string& strName) {
    const size_t uAt = strSkin.find("name=\"ms_" + std::to_string(n) + "_" + strSuffix + "\"");
    if (uAt == std::string::npos) return "";
    const size_t uEnd = strSkin.find('>', uAt);
    const size_t uAttr = strSkin.find(" " + strName + "=\"", uAt);
    if (uAttr == std::string::npos || uAttr > uEnd) return "";
    const size_t uValue = uAttr + strName.size() + 3;
    return strSkin.substr(uValue, strSkin.find('"', uValue) - uValue);
}

TEST(ModelDescriptions, IdentityRowsAreUniqueAndFollowTheGeneration) {
    std::set<uint16_t> cablePids, blePids;
    std::set<uint8_t> idBytes;
    std::set<int> fourKIndexes;
    for (const DescriptionRow& d : kDescriptions) {
        const ModelInfo* pInfo = FindModel(d.iNumber);
        ASSERT_NE(pInfo, nullptr) << Label(d.iNumber);
        const ModelInfo& m = *pInfo;
        EXPECT_EQ(&m, &g_Models[static_cast<size_t>(d.iNumber - 1)]) << Label(d.iNumber);
        EXPECT_TRUE(cablePids.insert(m.wCablePid).second) << "cable product id of " << Label(m.iNumber);
        EXPECT_TRUE(idBytes.insert(m.byIdByte).second) << "id byte of " << Label(m.iNumber);
        if (m.Has4k()) {
            EXPECT_TRUE(fourKIndexes.insert(m.iFourKIndex).second) << "4K index of " << Label(m.iNumber);
        }
        if (m.HasBle()) {
            EXPECT_TRUE(blePids.insert(m.wBlePid).second) << "Bluetooth product id of " << Label(m.iNumber);
        }
        EXPECT_FALSE(cablePids.contains(kReceiverProductId) || cablePids.contains(kReceiver4kProductId));
        // A generation is a family: its models name it, and take its protocol, page and layouts.
        EXPECT_EQ(InFamily(d, "gen1"), m.iGeneration == 1) << Label(m.iNumber) << ": " << d.pszFamilies;
        EXPECT_EQ(InFamily(d, "gen2"), m.iGeneration == 2) << Label(m.iNumber) << ": " << d.pszFamilies;
        EXPECT_EQ(FindGen1Model(m.iNumber) != nullptr, m.iGeneration == 1) << Label(m.iNumber);
        EXPECT_EQ(FindGen2Model(m.iNumber) != nullptr, m.iGeneration == 2) << Label(m.iNumber);
        EXPECT_EQ(m.eLayout == RecordLayout::Gen2Sensor, InFamily(d, "gen2_sensor")) << Label(m.iNumber);
        EXPECT_EQ(m.eLayout == RecordLayout::Gen1A, InFamily(d, "gen1_layout_a")) << Label(m.iNumber);
        EXPECT_EQ(m.eLayout == RecordLayout::Gen1C, InFamily(d, "gen1_layout_c")) << Label(m.iNumber);
    }
    // The 4K receiver's indexes run 0..12 without a gap.
    EXPECT_EQ(fourKIndexes.size(), static_cast<size_t>(kFourKModelCount));
    EXPECT_EQ(*fourKIndexes.rbegin(), kFourKModelCount - 1);
}

// The page policy the descriptions give: the Bluetooth models count their link towards "online"
// (some models without it do too, harmlessly), every model with a 4K link counts it and refreshes
// its link controls.
TEST(ModelDescriptions, PoliciesFollowTheLinks) {
    for (const DescriptionRow& d : kDescriptions) {
        const ModelInfo& m = *FindModel(d.iNumber);
        const PagePolicy& policy = PolicyOf(m.iNumber);
        if (m.HasBle()) {
            EXPECT_TRUE(policy.bBleCountsOnline) << Label(m.iNumber);
        }
        if (m.Has4k()) {
            EXPECT_TRUE(policy.b4kCountsOnline && policy.bUpdateLinkControls) << Label(m.iNumber);
        }
    }
}

// The protocol row each description names is the one gen1_model.cpp and gen2_model.cpp build:
// every family function leaves its mark on the row, and no other row has that mark.
TEST(ModelDescriptions, ProtocolRowsAreBuiltByTheFunctionTheDescriptionNames) {
    using Gen1Mark = std::function<bool(const Gen1Model&)>;
    using Gen2Mark = std::function<bool(const Gen2Model&)>;
    const std::map<std::string, Gen1Mark> gen1Marks = {
        {"LayoutARow", [](const Gen1Model& g) { return g.eLightCodec == LightCodec::SleepPlusOne; }},
        {"LayoutBRow",
         [](const Gen1Model& g) { return !g.bPauseAfterEveryFrame && g.eLightCodec == LightCodec::PackedSleep; }},
        {"LayoutCModel",
         [](const Gen1Model& g) { return g.bPauseAfterEveryFrame && !g.bNeverSleeps && g.iRateCount != 7; }},
        {"SevenRateModel", [](const Gen1Model& g) { return g.iRateCount == 7; }},
        {"BluetoothModel", [](const Gen1Model& g) { return g.eLinkControls == LinkControlsOn::EachLink && g.bNeverSleeps; }},
    };
    const std::map<std::string, Gen2Mark> gen2Marks = {
        {"Row", [](const Gen2Model& g) { return !g.bLightOff; }},
        {"LightOffRow", [](const Gen2Model& g) { return g.iDebounceFactor == 2 && g.bLightOff; }},
        {"Row18", [](const Gen2Model& g) { return g.eRateCodec == RateCodec::OneHot && g.eRateEventCodec == RateCodec::Nibbles; }},
        {"Row19", [](const Gen2Model& g) { return g.eDpiCodec == DpiCodec::LinearPacked; }},
        {"Row20", [](const Gen2Model& g) { return g.eRateEventCodec == RateCodec::OneHot && g.bBleRateSelectsOption; }},
        {"SensorRow", [](const Gen2Model& g) { return g.iSensorModeCount > 0 && g.iBatteryEventCode == 0x40; }},
        {"BleSensorRow", [](const Gen2Model& g) { return g.iSensorModeCount > 0 && g.iBatteryEventCode == 0x41; }},
    };
    for (const DescriptionRow& d : kDescriptions) {
        if (const Gen1Model* pGen1 = FindGen1Model(d.iNumber)) {
            ASSERT_TRUE(gen1Marks.contains(d.pszProtocol)) << Label(d.iNumber) << ": " << d.pszProtocol;
            for (const auto& [strName, mark] : gen1Marks)
                EXPECT_EQ(mark(*pGen1), strName == d.pszProtocol) << Label(d.iNumber) << " and " << strName;
            EXPECT_EQ(pGen1->bLightOff, InFamily(d, "light_off")) << Label(d.iNumber);
        } else if (const Gen2Model* pGen2 = FindGen2Model(d.iNumber)) {
            ASSERT_TRUE(gen2Marks.contains(d.pszProtocol)) << Label(d.iNumber) << ": " << d.pszProtocol;
            for (const auto& [strName, mark] : gen2Marks)
                EXPECT_EQ(mark(*pGen2), strName == d.pszProtocol) << Label(d.iNumber) << " and " << strName;
            EXPECT_EQ(pGen2->bLightOff, InFamily(d, "light_off")) << Label(d.iNumber);
            // The unlit family: no light section, a debounce of 6 ms, byte 49 of frame 0x04 at 2.
            if (InFamily(d, "gen2_unlit")) {
                EXPECT_TRUE(pGen2->bNoLightSection && pGen2->defaults.iDebounce == 6 && pGen2->byDpiFrameTail == 2)
                    << Label(d.iNumber);
            }
            // The sensor models with Bluetooth are the sensor models with the link.
            if (InFamily(d, "gen2_sensor")) {
                EXPECT_EQ(InFamily(d, "gen2_sensor_ble"), FindModel(d.iNumber)->HasBle()) << Label(d.iNumber);
            }
            // Its 12,000-DPI models: the register table and the 131-byte macro frame.
            EXPECT_EQ(pGen2->eDpiCodec == DpiCodec::Table221, InFamily(d, "gen2_unlit_12k")) << Label(d.iNumber);
            EXPECT_EQ(pGen2->macroFrame.byLength == kMacroFrame131.byLength, InFamily(d, "gen2_unlit_12k"))
                << Label(d.iNumber);
        } else {
            ADD_FAILURE() << Label(d.iNumber) << " has no protocol row";
        }
    }
}

// Each model's macro frame carries one whole macro block with its continuation pair, and the four
// blocks each button owns are its own.
TEST(ModelDescriptions, MacroShapesFitWithinTheirBlocks) {
    for (const DescriptionRow& d : kDescriptions) {
        const MacroFrameShape shape = FindGen1Model(d.iNumber) ? FindGen1Model(d.iNumber)->macroFrame
                                                                : FindGen2Model(d.iNumber)->macroFrame;
        EXPECT_GT(shape.byFirstPairAt, shape.byCountAt) << Label(d.iNumber);
        EXPECT_LT(shape.ChecksumAt(), shape.byLength) << Label(d.iNumber);
        const Gen2Model* pGen2 = FindGen2Model(d.iNumber);
        if (pGen2 == nullptr) continue;
        EXPECT_GE(shape.PairCapacity() * 2, kMacroBlockBytes + 2) << Label(d.iNumber);
        std::map<int, int> owner;  // block number to button
        for (int k = 0; k < kButtonCount; ++k) {
            const int iFirst = pGen2->iMacroBlock[k];
            if (iFirst == 0) continue;
            EXPECT_GE(iFirst, 1) << Label(d.iNumber) << " button " << k + 1;
            EXPECT_LE(iFirst + kMacroBlocksPerButton - 1, 0xFF) << Label(d.iNumber) << " button " << k + 1;
            for (int b = iFirst; b < iFirst + kMacroBlocksPerButton; ++b) {
                const auto [it, bNew] = owner.emplace(b, k);
                EXPECT_TRUE(bNew) << Label(d.iNumber) << ": block " << b << " of buttons " << it->second + 1 << " and "
                                  << k + 1;
            }
        }
        EXPECT_FALSE(owner.empty()) << Label(d.iNumber);
    }
}

// The page skin shows the links the model has: the cable and the 2.4 GHz badges on every page,
// the 4K badge on a model with the 4K link, the Bluetooth badge on a model with Bluetooth (and,
// on the second generation, only there); its skin values are its description's.
TEST(ModelDescriptions, PageSkinsShowTheLinksAndValuesOfTheDescription) {
    for (const DescriptionRow& d : kDescriptions) {
        const int n = d.iNumber;
        const ModelInfo& m = *FindModel(n);
        const std::string strSkin = PageSkin(n);
        ASSERT_FALSE(strSkin.empty()) << Label(n);
        EXPECT_TRUE(HasControl(strSkin, n, "wired")) << Label(n);
        EXPECT_TRUE(HasControl(strSkin, n, "wireless")) << Label(n);
        if (m.Has4k()) {
            EXPECT_TRUE(HasControl(strSkin, n, "wireless_4k")) << Label(n);
        }
        if (m.HasBle()) {
            EXPECT_TRUE(HasControl(strSkin, n, "BLE")) << Label(n);
        }
        if (m.iGeneration == 2) {
            EXPECT_EQ(HasControl(strSkin, n, "BLE"), m.HasBle()) << Label(n);
        }

        const bool bLightOff = InFamily(d, "light_off");
        EXPECT_EQ(HasControl(strSkin, n, "slider_light_off"), bLightOff) << Label(n);
        EXPECT_EQ(HasControl(strSkin, n, "ver_brightness"), bLightOff) << Label(n);
        EXPECT_EQ(HasControl(strSkin, n, "ver_sensor_mode"), InFamily(d, "gen2_sensor")) << Label(n);
        int32_t iDpiMin = 0, iDpiMax = 0, iSleepMax = 0;
        if (const Gen1Model* pGen1 = FindGen1Model(n)) {
            iDpiMin = pGen1->iDpiValueMin;
            iDpiMax = pGen1->iDpiValueMax;
            iSleepMax = pGen1->sliders.iSleepMax;
            EXPECT_EQ(HasControl(strSkin, n, "ver_prate_hs"), pGen1->iRateHsCount > 0) << Label(n);
            EXPECT_EQ(HasControl(strSkin, n, "btn_prate_7"), pGen1->iRateCount == 7) << Label(n);
        } else {
            iDpiMin = FindGen2Model(n)->iDpiValueMin;
            iDpiMax = FindGen2Model(n)->iDpiValueMax;
            iSleepMax = FindGen2Model(n)->sliders.iSleepMax;
        }
        for (int i = 1; i <= kDpiStageCount; ++i) {
            const std::string strSlider = "slider_dpi_" + std::to_string(i);
            EXPECT_EQ(Attribute(strSkin, n, strSlider, "min"), std::to_string(iDpiMin)) << Label(n) << " " << strSlider;
            EXPECT_EQ(Attribute(strSkin, n, strSlider, "max"), std::to_string(iDpiMax)) << Label(n) << " " << strSlider;
        }
        EXPECT_EQ(Attribute(strSkin, n, "slider_sleep_timer", "max"), std::to_string(iSleepMax)) << Label(n);
    }
}

// Every model has its page, of its generation, on its number, and its skins: the page, the macro
// editor, the button-function menu, the profile-name dialog and the macro picker (models 14 and
// above keep the picker's in a lower-case folder).
TEST(ModelDescriptions, EveryModelHasItsPageAndItsDialogsSkins) {
    const PageFactoryTable factories = ModelPageFactories();
    for (const DescriptionRow& d : kDescriptions) {
        const int n = d.iNumber;
        const std::unique_ptr<CPageBase> page = factories[static_cast<size_t>(n - 1)]();
        ASSERT_NE(page, nullptr) << Label(n);
        EXPECT_EQ(page->Model(), n);
        EXPECT_EQ(dynamic_cast<CGen1Page*>(page.get()) != nullptr, InFamily(d, "gen1")) << Label(n);
        EXPECT_EQ(dynamic_cast<CGen2Page*>(page.get()) != nullptr, InFamily(d, "gen2")) << Label(n);

        const std::wstring strN = std::to_wstring(n);
        for (const std::wstring& strSkin :
             {SkinFolder(n) + L"ms_" + strN + L"_page.xml", SkinFolder(n) + L"ms_" + strN + L"_macropage.xml",
              SkinFolder(n) + L"ms_" + strN + L"_menu.xml", SkinFolder(n) + L"profilename.xml",
              PickerSkinFolder(n) + L"selectmacro.xml"})
            EXPECT_FALSE(ReadSkin(strSkin).empty()) << Label(n) << " " << std::string(strSkin.begin(), strSkin.end());
    }
}

}  // namespace
