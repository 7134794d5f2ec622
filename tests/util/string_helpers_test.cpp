#include "core/util/string_helpers.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

struct PrefixCase {
    const wchar_t* pszA;
    const wchar_t* pszB;
    bool bMatch;
};

TEST(MatchPrefix, TheShorterStringMustBeginTheLonger) {
    const PrefixCase cases[] = {
        {L"ms_1_", L"ms_10_btn", false},   // page 1 must not take page 10's items
        {L"ms_2_", L"ms_20_menu_3", false},
        {L"ms_10_", L"ms_10_btn_key_1", true},
        {L"ms_10_btn_key_1", L"ms_10_", true},  // either order
        {L"ms_10_", L"ms_10_", true},
        {L"MS_10_", L"ms_10_btn", false},  // case matters
        {L"", L"ms_10_btn", true},
        {L"ms_10_btn", L"", true},
        {L"", L"", true},
        {L"exit", L"ms_1_", false},
    };
    for (const PrefixCase& c : cases) {
        EXPECT_EQ(MatchPrefix(c.pszA, c.pszB), c.bMatch)
            << std::string(c.pszA, c.pszA + wcslen(c.pszA)) << " / " << std::string(c.pszB, c.pszB + wcslen(c.pszB));
    }
}

TEST(NumberedName, PutsTheNumberIntoThePattern) {
    EXPECT_EQ(NumberedName(L"dpi_edit_%d", 3), L"dpi_edit_3");
    EXPECT_EQ(NumberedName(L"option_device_%d", 24), L"option_device_24");
    EXPECT_EQ(NumberedName(L"ms_%d_page_slot", 10), L"ms_10_page_slot");
    const std::wstring strLong(200, L'x');
    EXPECT_EQ(NumberedName((strLong + L"%d").c_str(), 1), strLong.substr(0, 127)) << "cut to the name's 127 characters";
}

TEST(WideToAnsi, ConvertsDeviceInterfaceNames) {
    EXPECT_EQ(WideToAnsi(L""), "");
    const wchar_t szName[] = L"\\\\?\\HID#VID_1D57&PID_FA60&MI_01&Col02#7&2a5b3c40&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}";
    EXPECT_EQ(WideToAnsi(szName),
              "\\\\?\\HID#VID_1D57&PID_FA60&MI_01&Col02#7&2a5b3c40&0&0001#{4d1e55b2-f16f-11cf-88cb-001111000030}");
    EXPECT_EQ(WideToAnsi(L"BTHLEDevice#VID&02045e_PID&0034").size(), 31u);
}

TEST(WideToAnsi, UsesTheAnsiCodePage) {
    if (GetACP() != 1252) GTEST_SKIP() << "expectations written for code page 1252, this prefix uses " << GetACP();
    EXPECT_EQ(WideToAnsi(L"caf\u00e9"), "caf\xe9");
    EXPECT_EQ(WideToAnsi(L"\u20ac"), "\x80");
    EXPECT_EQ(WideToAnsi(L"\u4e2d"), "?") << "a character the code page lacks becomes its default character";
}

}  // namespace
