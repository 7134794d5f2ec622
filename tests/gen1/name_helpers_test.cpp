// Profile and macro names: compared without regard to case, cut to their field, made unique by
// cutting the base so that "_k" still fits.
#include "models/data/gen1_records.h"
#include "models/data/name_helpers.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>

namespace {

template <class Rec>
std::vector<std::unique_ptr<Rec>> ListOf(const std::vector<std::wstring>& names) {
    std::vector<std::unique_ptr<Rec>> list;
    for (const std::wstring& strName : names) {
        auto pRec = std::make_unique<Rec>();
        std::memset(pRec.get(), 0, sizeof(Rec));
        CopyName(pRec->szName, strName);
        list.push_back(std::move(pRec));
    }
    return list;
}

TEST(NameHelpers, IsNameTakenIgnoresCase) {
    const auto macros = ListOf<MacroRecord>({L"Fire", L"Reload_1"});
    EXPECT_TRUE(IsNameTaken(macros, L"fire"));
    EXPECT_TRUE(IsNameTaken(macros, L"FIRE"));
    EXPECT_TRUE(IsNameTaken(macros, L"reload_1"));
    EXPECT_FALSE(IsNameTaken(macros, L"Fir"));
    EXPECT_FALSE(IsNameTaken(macros, L"Fire "));
    EXPECT_FALSE(IsNameTaken(macros, L""));
    EXPECT_FALSE(IsNameTaken(MacroList{}, L"Fire"));
    const auto profiles = ListOf<ProfileRecord>({L"\u00C4rger"});  // beyond ASCII as well
    EXPECT_TRUE(IsNameTaken(profiles, L"\u00E4RGER"));
}

TEST(NameHelpers, MakeUniqueNameAppendsTheFirstFreeNumber) {
    const struct {
        std::vector<std::wstring> taken;
        std::wstring strName;
        std::wstring strExpected;
    } rows[] = {
        {{}, L"Profile1", L"Profile1"},
        {{L"A"}, L"B", L"B"},
        {{L"A"}, L"A", L"A_1"},
        {{L"A", L"A_1"}, L"a", L"a_2"},
        {{L"Profile3", L"profile3_1"}, L"Profile3", L"Profile3_2"},
        {{L"X", L"X_2"}, L"X", L"X_1"},
        {{L"X", L"X_1", L"X_2", L"X_3", L"X_4", L"X_5", L"X_6", L"X_7", L"X_8", L"X_9"}, L"x", L"x_10"},
    };
    for (const auto& row : rows) {
        const auto profiles = ListOf<ProfileRecord>(row.taken);
        EXPECT_EQ(MakeUniqueName(profiles, row.strName), row.strExpected) << std::string(row.strName.begin(), row.strName.end());
        const auto macros = ListOf<MacroRecord>(row.taken);
        EXPECT_EQ(MakeUniqueName(macros, row.strName), row.strExpected);
    }
}

TEST(NameHelpers, NamesAreCutToTheirField) {
    const std::wstring str23(23, L'm');
    const std::wstring str30(30, L'm');
    const std::wstring str99(99, L'p');
    const std::wstring str120(120, L'p');

    // Free names: only cut.
    EXPECT_EQ(MakeUniqueName(MacroList{}, str30), str23);
    EXPECT_EQ(MakeUniqueName(ProfileList{}, str120), str99);

    // Taken names: the base gives way to the suffix.
    EXPECT_EQ(MakeUniqueName(ListOf<MacroRecord>({str23}), str23), std::wstring(21, L'm') + L"_1");
    EXPECT_EQ(MakeUniqueName(ListOf<MacroRecord>({str23}), str30), std::wstring(21, L'm') + L"_1");
    EXPECT_EQ(MakeUniqueName(ListOf<MacroRecord>({str23, std::wstring(21, L'M') + L"_1"}), str23),
              std::wstring(21, L'm') + L"_2");
    EXPECT_EQ(MakeUniqueName(ListOf<ProfileRecord>({str99}), str99), std::wstring(97, L'p') + L"_1");

    // Ten taken: "_10" needs one character more of the field.
    const std::vector<std::wstring> taken = {str23,
                                                 std::wstring(21, L'm') + L"_1", std::wstring(21, L'm') + L"_2",
                                                 std::wstring(21, L'm') + L"_3", std::wstring(21, L'm') + L"_4",
                                                 std::wstring(21, L'm') + L"_5", std::wstring(21, L'm') + L"_6",
                                                 std::wstring(21, L'm') + L"_7", std::wstring(21, L'm') + L"_8",
                                                 std::wstring(21, L'm') + L"_9"};
    const std::wstring strTenth = MakeUniqueName(ListOf<MacroRecord>(taken), str23);
    EXPECT_EQ(strTenth, std::wstring(20, L'm') + L"_10");
    EXPECT_LE(strTenth.size(), 23u);
}

TEST(NameHelpers, CopyNameTerminatesInsideTheField) {
    MacroRecord macro;
    std::memset(&macro, 0x7F, sizeof macro);
    CopyName(macro.szName, std::wstring(40, L'z'));
    EXPECT_EQ(NameOf(macro.szName), std::wstring(23, L'z'));
    EXPECT_EQ(macro.szName[23], L'\0');
    EXPECT_EQ(macro.iLoopCount, 0x7F7F7F7F);  // nothing past the field

    CopyName(macro.szName, L"ab");
    EXPECT_EQ(NameOf(macro.szName), L"ab");
    for (int i = 2; i < kMacroNameChars; ++i) EXPECT_EQ(macro.szName[i], L'\0');

    wchar_t szUnterminated[4] = {L'a', L'b', L'c', L'd'};
    EXPECT_EQ(NameOf(szUnterminated), L"abcd");
}

}  // namespace
