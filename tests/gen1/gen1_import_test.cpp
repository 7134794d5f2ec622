// Profile and macro imports that must be refused whole or named for the user: a profile carrying
// a macro its frame cannot hold, and records whose names are empty.
#include "models/data/gen1_frames.h"
#include "tests/gen1/gen1_storage_fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen1test;

namespace {

// 46 actions of which iLong have a delay above 1270 ms: 46 + iLong pairs in the macro frame.
void CarryMacro(KeyEntry& entry, const std::wstring& strName, int iLong) {
    entry.byFunction = kFunctionMacro;
    CopyName(entry.szMacroName, strName);
    entry.wActionNum = kMacroActionMax;
    for (int i = 0; i < kMacroActionMax; ++i)
        entry.stActions[i] = {4, static_cast<uint8_t>(i % 2 + 1), static_cast<uint16_t>(i < iLong ? 2000 : 10)};
}

TEST(Gen1Import, AProfileCarryingAMacroItsFrameCannotHoldIsRefusedWhole) {
    for (int iModel : kGen1Models) {
        ModelFiles files(iModel, L"import_fit");
        const int iFitting = files.model.macroFrame.PairCapacity() - kMacroActionMax;  // long delays that still fit
        ASSERT_GE(iFitting, 0);
        ASSERT_LT(iFitting, kMacroActionMax);
        const struct {
            const char* pszCase;
            int iLongOnButton3;
            int iLongOnButton5;  // -1: button 5 carries no macro
            ImportResult eResult;
        } rows[] = {
            {"one macro filling its frame", iFitting, -1, ImportResult::Imported},
            {"one macro a pair too long", iFitting + 1, -1, ImportResult::DoesNotFit},
            {"a fitting macro before one too long", 0, iFitting + 1, ImportResult::DoesNotFit},
            {"one too long before a fitting one", kMacroActionMax, 0, ImportResult::DoesNotFit},
            {"two fitting macros", iFitting, iFitting, ImportResult::Imported},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + row.pszCase);
            auto pSource = files.Default(L"Carrier");
            CarryMacro(pSource->stKeys[2], L"Three", row.iLongOnButton3);
            if (row.iLongOnButton5 >= 0) CarryMacro(pSource->stKeys[4], L"Five", row.iLongOnButton5);
            const std::wstring strFile = files.scratch / L"carrier.pro";
            ASSERT_TRUE(files.storage.ExportProfile(*pSource, strFile));

            ProfileList profiles;
            profiles.push_back(files.Default(L"Mine"));
            MacroList macros;
            macros.push_back(Macro(L"Kept", {{4, 1, 10}}));
            ASSERT_TRUE(files.storage.SaveMacroData(macros));
            const std::vector<uint8_t> macroFile = ReadBytes(files.MacroData());

            ImportResult eResult = ImportResult::Unreadable;
            ProfileRecord* pImported = files.storage.ImportProfile(strFile, profiles, macros, &eResult);
            EXPECT_EQ(eResult, row.eResult);
            if (row.eResult != ImportResult::Imported) {
                EXPECT_EQ(pImported, nullptr);
                EXPECT_EQ(profiles.size(), 1u);
                EXPECT_EQ(macros.size(), 1u);
                EXPECT_EQ(ReadBytes(files.MacroData()), macroFile);
                continue;
            }
            ASSERT_NE(pImported, nullptr);
            const size_t uCarried = row.iLongOnButton5 >= 0 ? 2 : 1;
            ASSERT_EQ(macros.size(), 1 + uCarried);
            EXPECT_EQ(ReadBytes(files.MacroData()).size(), 240 * macros.size());
            for (size_t i = 1; i < macros.size(); ++i) EXPECT_TRUE(MacroFitsFrame(files.model, *macros[i])) << i;
        }
    }
}

// A record without a name gets the name a new one would get: the language text of
// "add_profile_text" or "add_macro_text" and the list's size + 1, made unique in the list.
TEST(Gen1Import, ARecordWithoutANameIsNamedAsANewOne) {
    for (int iModel : kGen1Models) {
        ModelFiles files(iModel, L"import_unnamed");
        const struct {
            const char* pszCase;
            bool bProfile;  // a profile file, else a macro file
            const wchar_t* pszStored;
            std::vector<std::wstring> listed;
            const wchar_t* pszNamed;
        } rows[] = {
            {"unnamed profile", true, L"", {L"A"}, L"Profile2"},
            {"unnamed profile, its new name taken", true, L"", {L"A", L"profile3"}, L"Profile3_1"},
            {"named profile", true, L"Own", {L"A"}, L"Own"},
            {"unnamed macro", false, L"", {L"A"}, L"Macro2"},
            {"unnamed macro, its new name taken", false, L"", {L"MACRO2"}, L"Macro2_1"},
            {"named macro", false, L"Own", {L"A"}, L"Own"},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + row.pszCase);
            const std::wstring strFile = files.scratch / L"unnamed.rec";
            ProfileList profiles;
            MacroList macros;
            std::wstring_view strNamed;
            if (row.bProfile) {
                ASSERT_TRUE(files.storage.ExportProfile(*files.Default(row.pszStored), strFile));
                for (const std::wstring& strName : row.listed) profiles.push_back(files.Default(strName));
                ProfileRecord* pImported = files.storage.ImportProfile(strFile, profiles, macros);
                ASSERT_NE(pImported, nullptr);
                strNamed = NameOf(pImported->szName);
            } else {
                ASSERT_TRUE(files.storage.ExportMacro(*Macro(row.pszStored, {{4, 1, 10}}), strFile));
                for (const std::wstring& strName : row.listed) macros.push_back(Macro(strName, {}));
                MacroRecord* pImported = files.storage.ImportMacro(strFile, macros);
                ASSERT_NE(pImported, nullptr);
                strNamed = NameOf(pImported->szName);
            }
            EXPECT_EQ(strNamed, row.pszNamed);
        }
    }
}

// Unnamed macros a profile carries are named in button order, each against the list as it grows;
// the buttons name the macros made for them.
TEST(Gen1Import, UnnamedCarriedMacrosAreNamedAsNewOnes) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"import_unnamed_carried");
        auto pSource = files.Default(L"Carrier");
        CarryMacro(pSource->stKeys[2], L"", 0);
        CarryMacro(pSource->stKeys[4], L"Named", 0);
        CarryMacro(pSource->stKeys[6], L"", 0);
        const std::wstring strFile = files.scratch / L"carrier.pro";
        ASSERT_TRUE(files.storage.ExportProfile(*pSource, strFile));

        ProfileList profiles;
        MacroList macros;
        macros.push_back(Macro(L"x", {}));
        macros.push_back(Macro(L"macro3", {}));
        ProfileRecord* pImported = files.storage.ImportProfile(strFile, profiles, macros);
        ASSERT_NE(pImported, nullptr);
        ASSERT_EQ(macros.size(), 5u);
        const struct {
            int iButton;
            const wchar_t* pszName;
        } rows[] = {{2, L"Macro3_1"}, {4, L"Named"}, {6, L"Macro5"}};
        for (const auto& row : rows) {
            const KeyEntry& entry = pImported->stKeys[row.iButton];
            EXPECT_EQ(NameOf(entry.szMacroName), row.pszName) << row.iButton;
            ASSERT_GE(entry.iMacroIndex, 2);
            EXPECT_EQ(NameOf(macros.at(static_cast<size_t>(entry.iMacroIndex))->szName), row.pszName) << row.iButton;
        }
        const std::vector<uint8_t> file = ReadBytes(files.MacroData());
        ASSERT_EQ(file.size(), 5 * sizeof(MacroRecord));
        EXPECT_EQ(std::vector<uint8_t>(file.begin() + 4 * 240, file.end()), BytesOf(*macros[4]));
    }
}

}  // namespace
