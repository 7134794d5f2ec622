// The button-function rules apart from any window: menu item names to function ids, the
// left-click rule, captions, and the buttons' macro copies brought in line with the macro list.
#include "models/pages/button_captions.h"
#include "models/data/gen1_model.h"
#include "models/data/gen1_records.h"
#include "tests/gen1/gen1_storage_fixture.h"
#include "models/data/profile_defaults.h"

#include <gtest/gtest.h>

#include <cstring>
#include <map>
#include <memory>
#include <string>

namespace {

using gen1test::Macro;

std::unique_ptr<ProfileRecord> FactoryProfile(int iModel = 10) {
    auto pProfile = std::make_unique<ProfileRecord>();
    std::memset(pProfile.get(), 0, sizeof(ProfileRecord));
    FillDefaultProfile(FindGen1Model(iModel)->defaults, *pProfile);
    return pProfile;
}

std::wstring FakeText(const wchar_t* pszId) { return std::wstring(L"<") + pszId + L">"; }

// A button that plays `macro` as the picker's OK leaves it.
void GiveMacro(KeyEntry& entry, const MacroRecord& macro, int iIndex) {
    CopyMacroInto(entry, macro);
    entry.byFunction = kFunctionMacro;
    entry.iMacroIndex = iIndex;
    entry.iLoopMode = 2;
    entry.iLoopCount = 7;
}

TEST(ButtonFunctions, EveryMenuItemNamesItsFunction) {
    const std::map<std::wstring, uint8_t> expected = {
        {L"button_off", 0},      {L"click", 1},          {L"menu", 2},           {L"scroll", 3},
        {L"forward", 4},         {L"backward", 5},       {L"dpi_cycle", 6},      {L"dpi_up", 7},
        {L"dpi_down", 8},        {L"double_click", 9},   {L"fire_button", 10},   {L"scroll_up", 11},
        {L"scroll_down", 12},    {L"titl_left", 13},     {L"titl_right", 14},    {L"shortcut", 16},
        {L"select_macro", 17},   {L"easy_aim", 22},      {L"led_loop", 23},      {L"cut", 32},
        {L"copy", 33},           {L"paste", 34},         {L"open", 35},          {L"save", 36},
        {L"find", 37},           {L"redo", 38},          {L"select_all", 40},    {L"print", 41},
        {L"close_window", 42},   {L"swap_windows", 43},  {L"show_desktop", 44},  {L"run_command", 45},
        {L"lock_pc", 46},        {L"screen_capture", 50}, {L"media_player", 64}, {L"play_pause", 65},
        {L"media_stop", 66},     {L"pre_track", 67},     {L"next_track", 68},    {L"volume_up", 69},
        {L"volume_down", 70},    {L"mute", 71},          {L"browser_home", 80},  {L"browser_favorites", 81},
        {L"browser_forward", 82}, {L"browser_backward", 83}, {L"browser_stop", 84}, {L"browser_refresh", 85},
        {L"browser_search", 86}, {L"email", 87},         {L"calculator", 88},    {L"my_computer", 89}};
    EXPECT_EQ(MenuItemNames().size(), expected.size()) << "one item per function the menu offers";
    for (const std::wstring& strItem : MenuItemNames()) {
        ASSERT_TRUE(expected.count(strItem)) << std::string(strItem.begin(), strItem.end());
        for (const wchar_t* pszPrefix : {L"ms_10_", L"ms_1_", L"ms_2_"})
            EXPECT_EQ(FunctionOfMenuItem(pszPrefix + strItem, pszPrefix), expected.at(strItem));
    }
}

TEST(ButtonFunctions, MenuItemNamesIgnoreCaseAndUnknownNamesGiveTheLeftClick) {
    struct Case {
        const wchar_t* pszItem;
        const wchar_t* pszPrefix;
        uint8_t byId;
    } cases[] = {
        {L"MS_10_Copy", L"ms_10_", 33},
        {L"ms_10_SELECT_MACRO", L"ms_10_", 17},
        {L"ms_10_undo", L"ms_10_", 1},          // a caption, but no item
        {L"ms_10_profile_cycle", L"ms_10_", 1},
        {L"ms_10_", L"ms_10_", 1},
        {L"ms_10_copyx", L"ms_10_", 1},
        {L"ms_1_copy", L"ms_10_", 1},           // another page's item
        {L"", L"ms_10_", 1},
    };
    for (const Case& c : cases) EXPECT_EQ(FunctionOfMenuItem(c.pszItem, c.pszPrefix), c.byId) << c.pszItem;
}

TEST(ButtonFunctions, SomeButtonOfTheFirstSixteenMustKeepTheLeftClick) {
    struct Case {
        const char* pszWhat;
        std::map<int, uint8_t> functions;  // buttons (0-based) changed from the factory profile
        int iButton;
        uint8_t byNew;
        bool bKept;
    } cases[] = {
        {"the only left click taken from button 1", {}, 0, 2, false},
        {"a macro on the only left click", {}, 0, kFunctionMacro, false},
        {"a shortcut on the only left click", {}, 0, kFunctionShortcut, false},
        {"button 1 stays a left click", {}, 0, 1, true},
        {"another button changes", {}, 4, 33, true},
        {"button 2 was given the left click first", {{1, 1}}, 0, 2, true},
        {"button 16 holds a left click", {{15, 1}}, 0, 2, true},
        {"button 13 holds a left click", {{12, 1}}, 0, 0, true},
        {"only button 17 holds another", {{16, 1}}, 0, 2, false},
        {"only button 18 holds another", {{17, 1}}, 0, 2, false},
        {"no button holds one, the change gives it", {{0, 2}}, 6, 1, true},
        {"no button holds one, the change gives none", {{0, 2}}, 6, 3, false},
    };
    for (const Case& c : cases) {
        auto pProfile = FactoryProfile();
        for (const auto& [k, byId] : c.functions) pProfile->stKeys[k].byFunction = byId;
        EXPECT_EQ(KeepsLeftClick(*pProfile, c.iButton, c.byNew), c.bKept) << c.pszWhat;
    }
}

TEST(ButtonFunctions, CaptionsNameTheFunctionShortcutOrMacro) {
    KeyEntry entry{};
    struct Case {
        uint8_t byFunction;
        KeyCaption caption;
    } cases[] = {
        {0, {L"button_off_text", true}},  {1, {L"left_click_text", true}},   {3, {L"wheel_click_text", true}},
        {39, {L"undo_text", true}},       {51, {L"task_view_text", true}},   {54, {L"profile_cycle_text", true}},
        {67, {L"previous_track_text", true}}, {89, {L"my_computer_text", true}},
        {24, {L"", true}},                {52, {L"", true}},                 {25, {L"", true}},
        {200, {L"", true}},
    };
    for (const Case& c : cases) {
        entry.byFunction = c.byFunction;
        EXPECT_EQ(CaptionOf(entry, FakeText), c.caption) << int(c.byFunction);
    }

    entry.byFunction = kFunctionShortcut;
    entry.byModifiers = 1;
    entry.byUsage = 0x04;  // A
    EXPECT_EQ(CaptionOf(entry, FakeText), (KeyCaption{L"<keyboard_ctrl_text>+A", false}));
    entry.byModifiers = 0x0F;
    entry.byUsage = 0x1E;  // 1
    EXPECT_EQ(CaptionOf(entry, FakeText).strText,
              L"<keyboard_ctrl_text>+<keyboard_shift_text>+<keyboard_alt_text>+<keyboard_win_text>+1");
    entry.byModifiers = 0;
    entry.byUsage = 0x05;
    EXPECT_EQ(CaptionOf(entry, FakeText).strText, L"B") << "no modifier: the key alone";
    entry.byModifiers = 0x30;
    EXPECT_EQ(CaptionOf(entry, FakeText).strText, L"B") << "bits above Win name nothing";

    entry.byFunction = kFunctionMacro;
    CopyName(entry.szMacroName, L"Reload");
    EXPECT_EQ(CaptionOf(entry, FakeText), (KeyCaption{L"<assign_macro_text>Reload", false}));
}

TEST(ButtonFunctions, MacroCopyTakesCountNameAndActions) {
    auto pMacro = Macro(L"Burst", {{0x04, 1, 20}, {0x04, 2, 30}});
    pMacro->iActionNum = 0x10002;  // only the low 16 bits reach the entry
    KeyEntry entry{};
    entry.stActions[10] = {0x09, 1, 5};
    entry.iLoopMode = 1;
    CopyMacroInto(entry, *pMacro);
    EXPECT_EQ(entry.wActionNum, 2);
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), L"Burst");
    EXPECT_EQ(std::memcmp(entry.stActions, pMacro->stActions, sizeof(entry.stActions)), 0);
    EXPECT_EQ(entry.iLoopMode, 1) << "the loop mode is the caller's";
}

class MacroResync : public ::testing::Test {
protected:
    void SetUp() override {
        m_macros.push_back(Macro(L"Alpha", {{0x04, 1, 10}, {0x04, 2, 10}}));
        m_macros.push_back(Macro(L"Beta", {{0x05, 1, 10}}));
        m_profiles.push_back(FactoryProfile());
        m_profiles.push_back(FactoryProfile());
        std::memcpy(m_defaults, FindGen1Model(10)->defaults.byFunction, sizeof(m_defaults));
    }
    bool Resync(const ProfileRecord* pCurrent) {
        return ResyncButtonMacros(m_profiles, m_macros, pCurrent, m_defaults);
    }
    KeyEntry& Key(int iProfile, int k) { return m_profiles[static_cast<size_t>(iProfile)]->stKeys[k]; }

    MacroList m_macros;
    ProfileList m_profiles;
    uint8_t m_defaults[kButtonCount] = {};
};

TEST_F(MacroResync, ADeletedMacroSendsItsButtonsBackToTheirDefaultsInEveryProfile) {
    GiveMacro(Key(0, 2), *m_macros[1], 1);
    GiveMacro(Key(1, 8), *m_macros[1], 1);
    GiveMacro(Key(1, 13), *m_macros[1], 1);  // button 14: not looked at
    const KeyEntry kept14 = Key(1, 13);
    m_macros.erase(m_macros.begin() + 1);

    EXPECT_TRUE(Resync(m_profiles[0].get()));
    KeyEntry expected3{};
    expected3.byFunction = 3;  // button 3's default: wheel click
    expected3.iMacroIndex = -1;
    EXPECT_EQ(std::memcmp(&Key(0, 2), &expected3, sizeof(KeyEntry)), 0) << "the whole entry is cleared";
    EXPECT_EQ(Key(1, 8).byFunction, 52) << "button 9's default";
    EXPECT_EQ(Key(1, 8).iMacroIndex, -1);
    EXPECT_EQ(std::memcmp(&Key(1, 13), &kept14, sizeof(KeyEntry)), 0);
}

TEST_F(MacroResync, AButtonSetToAnotherFunctionKeepsItAndForgetsTheName) {
    GiveMacro(Key(0, 0), *m_macros[1], 1);
    Key(0, 0).byFunction = 1;  // a left click again, still naming Beta
    Key(0, 1).byFunction = 33;
    m_macros.erase(m_macros.begin() + 1);

    EXPECT_TRUE(Resync(m_profiles[0].get()));
    EXPECT_EQ(Key(0, 0).byFunction, 1) << "the left-click rule is not broken";
    EXPECT_TRUE(NameOf(Key(0, 0).szMacroName).empty());
    EXPECT_EQ(Key(0, 0).iMacroIndex, -1);
    EXPECT_EQ(Key(0, 1).byFunction, 33);
}

TEST_F(MacroResync, AFoundMacroRefreshesCopyAndIndexAndKeepsFunctionAndLoops) {
    GiveMacro(Key(1, 4), *m_macros[1], 1);
    m_macros[1]->stActions[1] = {0x06, 2, 40};
    m_macros[1]->iActionNum = 2;
    CopyName(m_macros[1]->szName, L"BETA");  // the lookup ignores case
    m_macros.erase(m_macros.begin());       // Beta moves to index 0

    EXPECT_FALSE(Resync(m_profiles[0].get())) << "the current profile had no such button";
    const KeyEntry& entry = Key(1, 4);
    EXPECT_EQ(entry.byFunction, kFunctionMacro);
    EXPECT_EQ(entry.iMacroIndex, 0);
    EXPECT_EQ(entry.iLoopMode, 2);
    EXPECT_EQ(entry.iLoopCount, 7);
    EXPECT_EQ(entry.wActionNum, 2);
    EXPECT_EQ(std::wstring(NameOf(entry.szMacroName)), L"BETA");
    EXPECT_EQ(std::memcmp(entry.stActions, m_macros[0]->stActions, sizeof(entry.stActions)), 0);
}

TEST_F(MacroResync, ARenamedMacroIsNoLongerFound) {
    GiveMacro(Key(0, 6), *m_macros[0], 0);
    CopyName(m_macros[0]->szName, L"Gamma");
    EXPECT_TRUE(Resync(m_profiles[0].get()));
    EXPECT_EQ(Key(0, 6).byFunction, 4) << "button 7's default";
}

TEST_F(MacroResync, ButtonsWithoutMacrosAreLeftAlone) {
    const ProfileRecord before = *m_profiles[0];
    EXPECT_FALSE(Resync(m_profiles[0].get()));
    EXPECT_EQ(std::memcmp(m_profiles[0].get(), &before, sizeof(ProfileRecord)), 0);
    m_macros.clear();
    GiveMacro(Key(0, 1), *Macro(L"Gone", {}), 0);
    EXPECT_TRUE(Resync(m_profiles[0].get())) << "an empty list finds nothing";
    EXPECT_EQ(Key(0, 1).byFunction, 2);
}

}  // namespace

namespace {

TEST(ButtonFunctions, TheMenuOpensAtTheButtonsTopRightOrEndsJustBelowItsTop) {
    const RECT rcWindow{100, 200, 900, 772};
    const RECT rcButton{40, 300, 160, 330};
    struct Case {
        int nRows;
        int cyScreen;
        POINT pt;
        bool bMoved;
    } cases[] = {
        {19, 1080, {260, 500}, false},                  // 500 + 422 stays above the bottom
        {20, 945, {260, 500}, false},                   // ends one pixel above it
        {20, 944, {260, 500 + 25 - 444}, true},         // would touch it: its bottom 25 below the top
        {20, 600, {260, 81}, true},
        {52, 1080, {260, 500 + 25 - 1148}, true},       // off the top: the menu keeps it on the screen
    };
    for (const Case& c : cases) {
        const KeyMenuPlace place = PlaceKeyMenu(rcWindow, rcButton, c.nRows, c.cyScreen);
        EXPECT_EQ(place.pt.x, c.pt.x);
        EXPECT_EQ(place.pt.y, c.pt.y) << c.nRows << " rows on " << c.cyScreen;
        EXPECT_EQ(place.bMovedUp, c.bMoved);
        if (c.bMoved) EXPECT_EQ(place.pt.y + kMenuRowHeight * c.nRows + 4, 500 + 25);
    }
}

}  // namespace
