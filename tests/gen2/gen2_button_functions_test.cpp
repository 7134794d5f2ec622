// The second generation's button-function rules apart from any window, on the routines both
// generations share: the captions of its macro functions (17 plain, 25 with a colour), the buttons
// without a macro slot, and the buttons' macro copies brought in line with the macro list after
// the editor (both macro functions reset when their macro is gone, the colour kept when found).
#include "models/pages/button_captions.h"
#include "tests/gen2/gen2_test_util.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>

namespace gen2test {
namespace {

std::wstring FakeText(const wchar_t* pszId) { return std::wstring(L"<") + pszId + L">"; }

TEST(Gen2ButtonFunctions, MacroCaptionsWithAndWithoutColour) {
    KeyEntryEx entry{};
    CopyName(entry.szMacroName, L"Reload");
    entry.byFunction = kFunctionMacro;
    EXPECT_EQ(CaptionOf(entry, FakeText, true), (KeyCaption{L"<assign_macro_text>Reload", false}));
    entry.byFunction = kFunctionMacroColour;
    EXPECT_EQ(CaptionOf(entry, FakeText, true), (KeyCaption{L"<assign_left_macro_text>-Reload", false}));
    EXPECT_EQ(CaptionOf(entry, FakeText, false), (KeyCaption{L"", true}))
        << "a generation without colour macros has no caption for 25";
    entry.byFunction = 4;
    EXPECT_EQ(CaptionOf(entry, FakeText, true), (KeyCaption{L"forward_text", true}));
}

TEST(Gen2ButtonFunctions, ButtonsWithoutAMacroSlot) {
    // 1-based buttons of 1..12 that have no macro block of their own.
    const struct {
        int iModel;
        std::set<int> slotless;
    } cases[] = {
        {11, {4, 5, 8, 9, 10, 11, 12}},
        {8, {4, 5, 8, 9, 10, 11, 12}},
        {12, {4, 9, 10, 11, 12}},
        {13, {4, 9, 10, 11, 12}},
    };
    for (const auto& c : cases) {
        for (int n = 1; n <= kMenuButtonCount; ++n)
            EXPECT_EQ(Gen2Records::HasMacroSlot(ModelOf(c.iModel), n - 1), c.slotless.count(n) == 0)
                << Name(c.iModel) << " button " << n;
        EXPECT_FALSE(Gen2Records::HasMacroSlot(ModelOf(c.iModel), -1));
        EXPECT_FALSE(Gen2Records::HasMacroSlot(ModelOf(c.iModel), kButtonCount));
    }
}

TEST(Gen2ButtonFunctions, BothMacroFunctionsAreTheGenerationsAndOnlyTheFirstIsTheFirstGenerations) {
    EXPECT_TRUE(Gen2Records::IsMacroFunction(kFunctionMacro));
    EXPECT_TRUE(Gen2Records::IsMacroFunction(kFunctionMacroColour));
    EXPECT_FALSE(Gen2Records::IsMacroFunction(kFunctionShortcut));
    EXPECT_FALSE(IsPlainMacroFunction(kFunctionMacroColour));
}

class Gen2MacroResync : public ::testing::Test {
protected:
    void SetUp() override {
        m_macros.push_back(Macro(L"Alpha", {Key(0x04, 1, 10), Move(5, -3, 20), Key(0x04, 2, 10)}));
        m_macros.push_back(Macro(L"Beta", {Key(0x05, 1, 10)}));
        m_profiles.push_back(DefaultProfile(11));
        m_profiles.push_back(DefaultProfile(11));
        std::memcpy(m_defaults, ModelOf(11).defaults.byFunction, sizeof(m_defaults));
    }
    bool Resync(const ProfileRecordEx* pCurrent) {
        return ResyncButtonMacros(m_profiles, m_macros, pCurrent, m_defaults, &Gen2Records::IsMacroFunction);
    }
    KeyEntryEx& Entry(int iProfile, int k) { return m_profiles[static_cast<size_t>(iProfile)]->stKeys[k]; }
    void Give(KeyEntryEx& entry, int i, uint8_t byFunction) { GiveMacro(entry, m_macros, i, byFunction); }

    MacroListEx m_macros;
    ProfileListEx m_profiles;
    uint8_t m_defaults[kButtonCount] = {};
};

TEST_F(Gen2MacroResync, ADeletedMacroResetsPlainAndColourButtonsToTheirDefaults) {
    Give(Entry(0, 1), 1, kFunctionMacro);        // button 2
    Give(Entry(1, 6), 1, kFunctionMacroColour);  // button 7
    m_macros.erase(m_macros.begin() + 1);

    EXPECT_TRUE(Resync(m_profiles[0].get()));
    KeyEntryEx expected2{};
    expected2.byFunction = 2;  // MS_11's button 2: right click
    expected2.iMacroIndex = -1;
    EXPECT_EQ(std::memcmp(&Entry(0, 1), &expected2, sizeof(KeyEntryEx)), 0) << "the whole entry is cleared";
    KeyEntryEx expected7{};
    expected7.byFunction = 5;  // MS_11's button 7
    expected7.iMacroIndex = -1;
    EXPECT_EQ(std::memcmp(&Entry(1, 6), &expected7, sizeof(KeyEntryEx)), 0) << "colour bytes go too";
}

TEST_F(Gen2MacroResync, AForwardButtonHoldingAStaleNameKeepsForward) {
    Give(Entry(0, 2), 0, kFunctionMacroColour);
    Entry(0, 2).byFunction = 4;  // set to forward since
    m_macros.erase(m_macros.begin());
    EXPECT_TRUE(Resync(m_profiles[0].get()));
    EXPECT_EQ(Entry(0, 2).byFunction, 4);
    EXPECT_TRUE(NameOf(Entry(0, 2).szMacroName).empty());
    EXPECT_EQ(Entry(0, 2).iMacroIndex, -1);
}

TEST_F(Gen2MacroResync, AReorderedMacroKeepsItsColourAndTakesItsNewIndex) {
    Give(Entry(1, 0), 1, kFunctionMacroColour);
    m_macros[1]->stActions[1] = Move(-999, 999, 30);
    m_macros[1]->iActionNum = 2;
    std::swap(m_macros[0], m_macros[1]);

    EXPECT_FALSE(Resync(m_profiles[0].get())) << "the current profile had no such button";
    const KeyEntryEx& entry = Entry(1, 0);
    EXPECT_EQ(entry.byFunction, kFunctionMacroColour);
    EXPECT_EQ(entry.iMacroIndex, 0);
    EXPECT_EQ(entry.iLoopMode, 2);
    EXPECT_EQ(entry.iLoopCount, 9);
    EXPECT_EQ(ToHex(entry.byColor, 4), "12 34 56 00");
    EXPECT_EQ(entry.wActionNum, 2);
    EXPECT_EQ(std::memcmp(entry.stActions, m_macros[0]->stActions, sizeof(entry.stActions)), 0);
}

TEST_F(Gen2MacroResync, ARenamedMacroIsNoLongerFound) {
    Give(Entry(0, 3), 0, kFunctionMacro);
    CopyName(m_macros[0]->szName, L"Gamma");
    EXPECT_TRUE(Resync(m_profiles[0].get()));
    EXPECT_EQ(Entry(0, 3).byFunction, 52) << "MS_11's button 4 default";
    EXPECT_EQ(Entry(0, 3).iMacroIndex, -1);
}

}  // namespace
}  // namespace gen2test
