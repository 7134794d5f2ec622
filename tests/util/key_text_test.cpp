// Virtual keys to usages and usages to captions, on the real Win32 layout (a US keyboard under
// Wine) and on an AZERTY layout behind the seam.
#include "tests/util/fake_layout.h"
#include "core/util/key_table.h"
#include "core/util/key_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

struct UsageCase {
    int iVirtualKey;
    bool bFound;
    int iUsage;
};

std::string Hex(int i) {
    char sz[16];
    std::snprintf(sz, sizeof sz, "0x%X", i);
    return sz;
}

TEST(VirtualKeyToUsage, UsLayoutGivesEveryRowItsOwnUsage) {
    fake::ScopedServices services;
    for (const KeyCodeRow& row : KeyCodeTable) {
        int iUsage = -1;
        EXPECT_TRUE(VirtualKeyToUsage(row.iVirtualKey, iUsage)) << Hex(row.iVirtualKey);
        EXPECT_EQ(iUsage, row.iUsage) << Hex(row.iVirtualKey);
    }
}

TEST(VirtualKeyToUsage, KeysWithoutARowGiveFalseAndUsageZero) {
    fake::ScopedServices services;
    for (const int iVirtualKey : {0x00, VK_SHIFT, VK_CONTROL, VK_MENU, VK_OEM_102, 0xF5, 0xF6, 0xFF, 0x1000, -1}) {
        int iUsage = 77;
        EXPECT_FALSE(VirtualKeyToUsage(iVirtualKey, iUsage)) << Hex(iVirtualKey);
        EXPECT_EQ(iUsage, 0) << Hex(iVirtualKey);
    }
}

TEST(VirtualKeyToUsage, AzertyKeysGiveTheUsageOfTheirPosition) {
    fake::ScopedServices services(&fake::AzertyMapVirtualKey, &fake::AzertyToUnicode);
    const UsageCase cases[] = {
        {'A', true, 0x14},           // where US has Q
        {'Q', true, 0x04},           // where US has A
        {'Z', true, 0x1A},           // where US has W
        {'W', true, 0x1D},           // where US has Z
        {'M', true, 0x33},           // where US has the semicolon
        {VK_OEM_COMMA, true, 0x10},  // where US has M
        {'1', true, 0x1E},
        {VK_OEM_6, true, 0x2F},      // the dead circumflex, where US has the left bracket
        {VK_F1, true, 0x3A},
        {'B', true, 0x05},           // no scan code in this layout: the row's own usage stays
    };
    for (const UsageCase& c : cases) {
        int iUsage = -1;
        EXPECT_EQ(VirtualKeyToUsage(c.iVirtualKey, iUsage), c.bFound) << Hex(c.iVirtualKey);
        EXPECT_EQ(iUsage, c.iUsage) << Hex(c.iVirtualKey);
    }
}

TEST(VirtualKeyToUsage, NavigationKeypadModifiersAndMouseCodesMapWithoutTheLayout) {
    fake::ScopedServices services(&fake::AzertyMapVirtualKey, &fake::AzertyToUnicode);
    const UsageCase cases[] = {{VK_NUMLOCK, true, 0x53}, {VK_HOME, true, 0x4A},    {VK_NUMPAD0, true, 0x62},
                               {VK_LCONTROL, true, 0xE0}, {VK_RMENU, true, 0xE6},   {VK_APPS, true, 0x65},
                               {0xF1, true, 0xF1},        {0xF4, true, 0xF4},       {0xF8, true, 0xF8}};
    for (const UsageCase& c : cases) {
        int iUsage = -1;
        EXPECT_EQ(VirtualKeyToUsage(c.iVirtualKey, iUsage), c.bFound) << Hex(c.iVirtualKey);
        EXPECT_EQ(iUsage, c.iUsage) << Hex(c.iVirtualKey);
    }
    EXPECT_EQ(fake::g_layout.iMapCalls, 0) << "these keys must not consult the layout";
}

struct TextCase {
    int iCode;
    const wchar_t* pszText;
};

TEST(UsageToKeyText, UsLayoutShowsTheCharacterOfTheKey) {
    fake::ScopedServices services;
    const TextCase cases[] = {{0x04, L"A"},  {0x1D, L"Z"},  {0x1E, L"1"},  {0x27, L"0"},
                              {0x2D, L"-"},  {0x2E, L"="},  {0x2F, L"["},  {0x31, L"\\"},
                              {0x33, L";"},  {0x34, L"'"},  {0x35, L"`"},  {0x36, L","},
                              {0x37, L"."},  {0x38, L"/"},  {0x28, L"<key_Enter>"}};
    for (const TextCase& c : cases) EXPECT_EQ(UsageToKeyText(c.iCode), c.pszText) << Hex(c.iCode);
}

TEST(UsageToKeyText, AzertyShowsTheLabelOfTheKeyAtThatPosition) {
    fake::ScopedServices services(&fake::AzertyMapVirtualKey, &fake::AzertyToUnicode);
    const TextCase cases[] = {
        {0x14, L"A"},       // the Q position carries A
        {0x04, L"Q"},
        {0x33, L"M"},
        {0x10, L","},       // the M position carries the comma
        {0x1E, L"&"},       // digits need Shift on AZERTY: no modifier is held, so the symbol shows
        {0x1F, L"\u00c9"},  // é, upper-cased like the letters
        {0x28, L"<key_Enter>"},
        {0x39, L"<key_Caplk>"},
        {0x05, L""},        // a position this layout has no key for
    };
    for (const TextCase& c : cases) EXPECT_EQ(UsageToKeyText(c.iCode), c.pszText) << Hex(c.iCode);
    EXPECT_FALSE(fake::g_layout.bModifierHeld);
    EXPECT_FALSE(fake::g_layout.bScanMismatch);
    EXPECT_FALSE(fake::g_layout.bUnknownMapType);
}

TEST(UsageToKeyText, DeadKeyShowsItsAccentOnceAndLeavesNothingPending) {
    fake::ScopedServices services(&fake::AzertyMapVirtualKey, &fake::AzertyToUnicode);
    EXPECT_EQ(UsageToKeyText(0x2F), L"^");
    EXPECT_EQ(fake::g_layout.uPendingDeadKey, 0u);
    EXPECT_EQ(UsageToKeyText(0x08), L"E") << "the accent must not combine with the next caption";
    EXPECT_EQ(VirtualKeyToKeyText(VK_OEM_6), L"^");
    EXPECT_EQ(fake::g_layout.uPendingDeadKey, 0u);
}

TEST(UsageToKeyText, NamedKeysAndMouseButtonsAreLanguageTexts) {
    fake::ScopedServices services;
    const TextCase cases[] = {
        {0x29, L"<key_Esc>"},        {0x2A, L"<key_BackSpace>"}, {0x2B, L"<key_Tab>"},
        {0x2C, L"<key_Space>"},      {0x39, L"<key_Caplk>"},     {0x3A, L"<key_F1>"},
        {0x45, L"<key_F12>"},        {0x46, L"<key_Print Scr>"}, {0x47, L"<key_Scroll Lock>"},
        {0x4B, L"<key_Page Up>"},    {0x4E, L"<key_Page Down>"}, {0x4F, L"<key_Right>"},
        {0x52, L"<key_Up>"},         {0x53, L"<key_Num Lock>"},  {0x54, L"<key_Num_/>"},
        {0x58, L"<key_Num_Enter>"},  {0x59, L"<key_Num_1>"},     {0x5E, L"<key_Num_6>"},
        {0x61, L"<key_Num_9>"},      {0x62, L"<key_Num_0>"},     {0x63, L"<key_Num_.>"},
        {0x64, L"<key_\\>"},         {0x65, L"<key_APP>"},       {0x66, L"<>"},
        {0x82, L"<Sleep>"},          {0x88, L"<Kana/Roma>"},     {0xDD, L"<`>"},
        {0xE0, L"<key_LCtrl>"},      {0xE1, L"<key_LShift>"},    {0xE2, L"<key_LAlt>"},
        {0xE3, L"<key_LWin>"},       {0xE4, L"<key_RCtrl>"},     {0xE7, L"<key_RWin>"},
        {241, L"<L_Button>"},        {242, L"<R_Button>"},       {243, L"<M_Button>"},
        {244, L"<Backward_Button>"}, {245, L"<Forward_Button>"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(UsageToKeyText(c.iCode), c.pszText) << Hex(c.iCode);
}

TEST(UsageToKeyText, CodesWithoutATextAreEmptyWithoutALookup) {
    fake::ScopedServices services;
    for (const int iCode : {-1, 0, 1, 3, 0x32, 0x69, 0x81, 0xE8, 0xEF, 0xF0, 0xF6, 0xF8, 255, 300}) {
        EXPECT_EQ(UsageToKeyText(iCode), L"") << Hex(iCode);
    }
    EXPECT_TRUE(fake::g_lookups.empty()) << "first lookup: " << std::string(fake::g_lookups.front().begin(), fake::g_lookups.front().end());
}

TEST(UsageToKeyText, EveryResultIsTraced) {
    fake::ScopedServices services;
    UsageToKeyText(0x28);
    UsageToKeyText(0);
    UsageToKeyText(0x04);
    const std::vector<std::wstring> expected = {L"m_key = <key_Enter>\r\n", L"m_key = \r\n", L"m_key = A\r\n"};
    EXPECT_EQ(fake::g_traces, expected);
}

TEST(VirtualKeyToKeyText, KeysWithoutACharacterAreLanguageTexts) {
    fake::ScopedServices services;
    const TextCase cases[] = {
        {VK_BACK, L"<key_BackSpace>"}, {VK_SHIFT, L"<key_LShift>"},   {VK_CONTROL, L"<key_LCtrl>"},
        {VK_MENU, L"<key_LAlt>"},      {VK_PAUSE, L"<key_Pause>"},    {VK_PRINT, L"<key_Print Scr>"},
        {VK_SNAPSHOT, L"<key_Print Scr>"}, {VK_NEXT, L"<key_Page Down>"}, {VK_DOWN, L"<key_Down>"},
        {VK_RWIN, L"<key_RWin>"},      {VK_NUMPAD5, L"<key_Num_5>"},  {VK_MULTIPLY, L"<key_Num_*>"},
        {VK_SEPARATOR, L"<key_Num_Enter>"}, {VK_DIVIDE, L"<key_Num_/>"}, {VK_F12, L"<key_F12>"},
        {VK_SCROLL, L"<key_Scroll Lock>"}, {VK_RSHIFT, L"<key_RShift>"}, {VK_RMENU, L"<key_RAlt>"},
        {0xF0, L"<key_Caplk>"},
    };
    for (const TextCase& c : cases) EXPECT_EQ(VirtualKeyToKeyText(c.iCode), c.pszText) << Hex(c.iCode);
}

TEST(VirtualKeyToKeyText, OtherKeysAreTheUpperCasedCharacterOfTheLayout) {
    fake::ScopedServices services;
    EXPECT_EQ(VirtualKeyToKeyText('Q'), L"Q");
    EXPECT_EQ(VirtualKeyToKeyText(VK_OEM_1), L";");
    EXPECT_EQ(VirtualKeyToKeyText(0x88), L"") << "a key that types nothing";
    EXPECT_TRUE(fake::g_lookups.empty());
}

TEST(KeyServices, TheProgramPlugsInItsLanguageTexts) {
    fake::ScopedServices services;
    SetLanguageTextSource([](const wchar_t* pszTextId) { return std::wstring(L"EN:") + pszTextId; });
    EXPECT_EQ(UsageToKeyText(241), L"EN:L_Button");
    SetLanguageTextSource(nullptr);
    EXPECT_EQ(UsageToKeyText(241), L"L_Button") << "without language files a text is its id";
}

}  // namespace
