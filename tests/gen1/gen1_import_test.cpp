// Profile and macro imports that must be refused whole or named for the user: a profile carrying
// a macro its frame cannot hold, and records whose names are empty.
#include "gen1_frames.h"
#include "gen1_storage_fixture.h"

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

}  // namespace
