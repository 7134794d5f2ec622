#include "core/util/edit_filter.h"

#include <gtest/gtest.h>

namespace {

struct FilterCase {
    const wchar_t* pszTyped;
    const wchar_t* pszKept;
    bool bChanged;
};

void Check(FilteredText (*filter)(std::wstring_view), const FilterCase& c) {
    const FilteredText result = filter(c.pszTyped);
    const std::string strTyped(c.pszTyped, c.pszTyped + wcslen(c.pszTyped));
    EXPECT_EQ(result.strText, c.pszKept) << strTyped;
    EXPECT_EQ(result.bChanged, c.bChanged) << strTyped;
    EXPECT_EQ(result.iCaret, int(wcslen(c.pszKept))) << "the caret goes to the end of the new text: " << strTyped;
}

TEST(FilterDigits, KeepsOnlyDigits) {
    const FilterCase cases[] = {
        {L"12a3b", L"123", true}, {L"1ab2", L"12", true},  {L"123", L"123", false}, {L"", L"", false},
        {L"abc", L"", true},      {L"-5", L"5", true},     {L" 4 0 ", L"40", true},  {L"9.5", L"95", true},
        {L"\uff11\uff12", L"", true},  // full-width digits are not '0'..'9'
        {L"0800", L"0800", false},
    };
    for (const FilterCase& c : cases) Check(FilterDigits, c);
}

TEST(FilterSignedDigits, KeepsDigitsAndMinusAnywhere) {
    const FilterCase cases[] = {
        {L"-1x2", L"-12", true}, {L"1-2", L"1-2", false}, {L"--", L"--", false},
        {L"+3", L"3", true},     {L"-", L"-", false},     {L"x", L"", true},
        {L"\u22122", L"2", true},  // the typographic minus is not '-'
    };
    for (const FilterCase& c : cases) Check(FilterSignedDigits, c);
}

TEST(LeadingNumber, ReadsTheNumberAtTheStartSaturated) {
    const struct {
        const wchar_t* pszText;
        long long llLimit;
        bool bSigned;
        long long llValue;
    } cases[] = {
        {L"123", 1000, false, 123},  {L"12ab3", 1000, false, 12},     {L"", 1000, false, 0},
        {L"abc", 1000, false, 0},    {L"5000", 999, false, 999},      {L"99999999999999999999", 255, false, 255},
        {L"-42", 1000, false, 0},    {L"-42", 1000, true, -42},       {L"-5000", 999, true, -999},
        {L"4-2", 1000, true, 4},     {L"-", 1000, true, 0},           {L"--3", 1000, true, 0},
        {L"0800", 1000, false, 800},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LeadingNumber(c.pszText, c.llLimit, c.bSigned), c.llValue)
            << std::string(c.pszText, c.pszText + wcslen(c.pszText)) << (c.bSigned ? " signed" : "");
}

}  // namespace
