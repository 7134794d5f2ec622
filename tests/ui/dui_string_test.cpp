// CDuiString: the formats the program uses (wide %s under mingw), comparisons and editing.
#include <gtest/gtest.h>

#include "ui/ui.h"
#include "tests/ui/ui_test_support.h"

using DuiLib::CDuiString;

namespace {

TEST(DuiStringFormat, FormatsOfTheProgram) {
    CDuiString s;
    s.Format(L"%d", 57);
    EXPECT_EQ(s, L"57");
    s.Format(L"%d%%", 57);
    EXPECT_EQ(s, L"57%");
    s.Format(L"%d MS", 8);
    EXPECT_EQ(s, L"8 MS");
    s.Format(L"%s%d %s", L"Sleep ", 10, L"min");
    EXPECT_EQ(s, L"Sleep 10 min");
    s.Format(L"%s%.1f %s", L"Off after ", 2.5, L"h");
    EXPECT_EQ(s, L"Off after 2.5 h");
    s.Format(L"%s_%d", L"Profile", 3);
    EXPECT_EQ(s, L"Profile_3");
    s.Format(L"X: %d Y: %d", -12, 40);
    EXPECT_EQ(s, L"X: -12 Y: 40");
    s.Format(L"%d.%d.%d.%d", 1, 2, 3, 4);
    EXPECT_EQ(s, L"1.2.3.4");
    s.Format(L"%04x", 0x1D);
    EXPECT_EQ(s, L"001d");
    s.Format(L"%ws\r\n", L"wide text");
    EXPECT_EQ(s, L"wide text\r\n");
    s.Format(L"%p", reinterpret_cast<void*>(0x1234));
    EXPECT_NE(s.Find(L"1234"), -1);
}

TEST(DuiStringFormat, LongOutputIsNotCut) {
    std::wstring sLong(3000, L'x');
    CDuiString s;
    EXPECT_EQ(s.Format(L"[%s]", sLong.c_str()), 3002);
    EXPECT_EQ(s.Left(2), L"[x");
    EXPECT_EQ(s.Right(2), L"x]");
}

TEST(DuiString, ComparesAndEdits) {
    CDuiString s(L"Configuration");
    EXPECT_EQ(s.CompareNoCase(L"CONFIGURATION"), 0);
    EXPECT_NE(s.Compare(L"CONFIGURATION"), 0);
    EXPECT_EQ(CDuiString().CompareNoCase(nullptr), 0);
    EXPECT_TRUE(CDuiString(nullptr).IsEmpty());

    CDuiString t = s + L"_" + CDuiString(L"2");
    EXPECT_EQ(t, L"Configuration_2");
    EXPECT_EQ(t.GetLength(), 15);
    t += L'!';
    EXPECT_EQ(t.Mid(6, 3), L"ura");
    EXPECT_EQ(t.Mid(40), L"");
    EXPECT_EQ(t.Find(L"_2"), 13);
    EXPECT_EQ(t.ReverseFind(L'o'), 11);
    EXPECT_EQ(t.Replace(L"o", L"0"), 2);
    EXPECT_EQ(t, L"C0nfigurati0n_2!");
    t.MakeUpper();
    EXPECT_EQ(t, L"C0NFIGURATI0N_2!");
    t.Empty();
    EXPECT_TRUE(t.IsEmpty());
    const wchar_t* p = s;  // implicit LPCTSTR
    EXPECT_STREQ(p, L"Configuration");
    // Assigning a pointer into the string's own text.
    s = s.GetData() + 6;
    EXPECT_EQ(s, L"uration");
}

}  // namespace
