// Exported and imported profiles and macros of the second generation: the carried macros an
// import makes, the files it refuses whole (too short, a macro the mouse could not take) and the
// names it gives.
#include "models/data/gen2_frames.h"
#include "tests/gen2/gen2_test_util.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen2test;

namespace {

constexpr size_t kRecord = 101540;

TEST(Gen2Import, AProfileBringsAMacroForEachMacroButton) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"profile_import");
        auto pSource = files.Default(L"Game");
        const MacroActionEx actions[] = {Key(4, kActionPress, 40), Move(-2, 3, 2000), Key(4, kActionRelease, 5)};
        CarryActions(pSource->stKeys[3], kFunctionMacro, L"Four", actions, 3);
        CarryActions(pSource->stKeys[5], kFunctionMacroColour, L"Six", actions + 1, 2);
        pSource->stKeys[3].iLoopCount = 4;
        pSource->stKeys[5].iLoopCount = 9;
        pSource->stKeys[5].byColor[0] = 0xC0;
        pSource->stKeys[3].iMacroIndex = 77;  // replaced by the macro the import makes
        pSource->stKeys[7].iMacroIndex = 55;  // not a macro button: kept
        pSource->iCurDpi = 5;                 // taken as it is (a value out of range refuses the file)
        const std::wstring strExport = files.scratch / L"game.pro";
        ASSERT_TRUE(files.storage.ExportProfile(*pSource, strExport));
        ASSERT_EQ(ReadBytes(strExport).size(), kRecord);

        ProfileListEx profiles;
        profiles.push_back(files.Default(L"Game"));
        profiles.push_back(files.Default(L"game_1"));
        MacroListEx macros;
        macros.push_back(Macro(L"six", {}));
        ImportResult eResult = ImportResult::Unreadable;
        ProfileRecordEx* pImported = files.storage.ImportProfile(strExport, profiles, macros, &eResult);
        ASSERT_NE(pImported, nullptr);
        EXPECT_EQ(eResult, ImportResult::Imported);
        EXPECT_EQ(pImported, profiles.back().get());
        EXPECT_EQ(NameOf(pImported->szName), L"Game_2");
        EXPECT_EQ(pImported->iCurDpi, 5);
        EXPECT_EQ(pImported->stKeys[7].iMacroIndex, 55);
        ASSERT_EQ(macros.size(), 3u);
        const struct {
            int k;
            const wchar_t* pszName;
            int32_t iLoopCount, iActions;
        } rows[] = {{3, L"Four", 4, 3}, {5, L"Six_1", 9, 2}};
        for (const auto& row : rows) {
            const KeyEntryEx& entry = pImported->stKeys[row.k];
            ASSERT_GE(entry.iMacroIndex, 1) << row.k;
            const MacroRecordEx& macro = *macros.at(static_cast<size_t>(entry.iMacroIndex));
            EXPECT_EQ(NameOf(macro.szName), row.pszName);
            EXPECT_EQ(NameOf(entry.szMacroName), row.pszName);
            EXPECT_EQ(macro.iLoopCount, row.iLoopCount);
            EXPECT_EQ(macro.iActionNum, row.iActions);
            EXPECT_EQ(std::memcmp(macro.stActions, entry.stActions, sizeof macro.stActions), 0);
        }
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 3 * 3096u);
    }
}

// Two buttons naming one macro get two: the first keeps the name (or the first free numbered
// one), the second is numbered against the list that already holds the first.
TEST(Gen2Import, TwoButtonsNamingOneMacroGetOneEach) {
    const struct {
        const char* pszCase;
        std::vector<std::wstring> listed;
        const wchar_t* pszFirst;
        const wchar_t* pszSecond;
    } rows[] = {
        {"name free", {L"Other"}, L"Burst", L"Burst_1"},
        {"name taken", {L"BURST"}, L"Burst_1", L"Burst_2"},
        {"name and first number taken", {L"burst", L"Burst_1"}, L"Burst_2", L"Burst_3"},
    };
    for (int iModel : kGen2Models) {
        ModelFiles files(iModel, L"same_macro");
        auto pSource = files.Default(L"Two");
        const MacroActionEx actions[] = {Key(30, kActionPress, 10), Key(30, kActionRelease, 10)};
        CarryActions(pSource->stKeys[1], kFunctionMacro, L"Burst", actions, 2);
        CarryActions(pSource->stKeys[2], kFunctionMacroColour, L"Burst", actions, 2);
        const std::wstring strFile = files.scratch / L"two.pro";
        ASSERT_TRUE(files.storage.ExportProfile(*pSource, strFile));
        for (const auto& row : rows) {
            SCOPED_TRACE(Name(iModel) + ": " + row.pszCase);
            ProfileListEx profiles;
            MacroListEx macros;
            for (const std::wstring& strName : row.listed) macros.push_back(Macro(strName, {}));
            ProfileRecordEx* pImported = files.storage.ImportProfile(strFile, profiles, macros);
            ASSERT_NE(pImported, nullptr);
            ASSERT_EQ(macros.size(), row.listed.size() + 2);
            EXPECT_EQ(NameOf(pImported->stKeys[1].szMacroName), row.pszFirst);
            EXPECT_EQ(NameOf(pImported->stKeys[2].szMacroName), row.pszSecond);
            EXPECT_EQ(pImported->stKeys[1].iMacroIndex, static_cast<int32_t>(row.listed.size()));
            EXPECT_EQ(pImported->stKeys[2].iMacroIndex, static_cast<int32_t>(row.listed.size() + 1));
        }
    }
}

// A carried macro (17 or 25) the mouse could not take refuses the whole file before anything is
// added; a macro button past the buttons' copies, or a non-macro function, carries nothing.
TEST(Gen2Import, AProfileCarryingAMacroThatDoesNotFitIsRefusedWhole) {
    const std::vector<MacroActionEx> five = FiveBlockActions();
    std::vector<MacroActionEx> events192(96, Key(4, kActionPress, 200));
    std::vector<MacroActionEx> events191(95, Key(4, kActionPress, 200));
    events191.push_back(Key(4, kActionRelease, 10));
    const struct {
        const char* pszCase;
        uint8_t byFunction3;
        const std::vector<MacroActionEx>* pOn3;
        uint8_t byFunction6;
        const std::vector<MacroActionEx>* pOn6;
        ImportResult eResult;
        size_t uMacrosMade;
    } rows[] = {
        {"191 events in four blocks", kFunctionMacro, &events191, 0, nullptr, ImportResult::Imported, 1},
        {"192 events", kFunctionMacro, &events192, 0, nullptr, ImportResult::DoesNotFit, 0},
        {"five blocks with colour", kFunctionMacroColour, &five, 0, nullptr, ImportResult::DoesNotFit, 0},
        {"a fitting macro before one too long", kFunctionMacro, &events191, kFunctionMacroColour, &five,
         ImportResult::DoesNotFit, 0},
        {"too long, but not a macro function", 9, &five, kFunctionMacroColour, &events191, ImportResult::Imported, 1},
    };
    for (int iModel : kGen2Models) {
        ModelFiles files(iModel, L"import_fit");
        for (const auto& row : rows) {
            SCOPED_TRACE(Name(iModel) + ": " + row.pszCase);
            auto pSource = files.Default(L"Carrier");
            CarryActions(pSource->stKeys[2], row.byFunction3, L"Three", row.pOn3->data(), static_cast<int>(row.pOn3->size()));
            if (row.pOn6 != nullptr)
                CarryActions(pSource->stKeys[5], row.byFunction6, L"Six", row.pOn6->data(), static_cast<int>(row.pOn6->size()));
            const std::wstring strFile = files.scratch / L"carrier.pro";
            ASSERT_TRUE(files.storage.ExportProfile(*pSource, strFile));

            ProfileListEx profiles;
            profiles.push_back(files.Default(L"Mine"));
            MacroListEx macros;
            macros.push_back(Macro(L"Kept", {Key(4, 1, 10)}));
            ASSERT_TRUE(files.storage.SaveMacroData(macros));
            const std::vector<uint8_t> macroFile = ReadBytes(files.MacroData());

            ImportResult eResult = ImportResult::Unreadable;
            ProfileRecordEx* pImported = files.storage.ImportProfile(strFile, profiles, macros, &eResult);
            EXPECT_EQ(eResult, row.eResult);
            EXPECT_EQ(pImported != nullptr, row.eResult == ImportResult::Imported);
            EXPECT_EQ(profiles.size(), row.eResult == ImportResult::Imported ? 2u : 1u);
            EXPECT_EQ(macros.size(), 1 + row.uMacrosMade);
            if (row.uMacrosMade == 0) { EXPECT_EQ(ReadBytes(files.MacroData()), macroFile); }
            for (const auto& pMacro : macros) EXPECT_TRUE(MacroFitsFrame(*pMacro));
        }
    }
}

// A file of the sensor models' record size (4 bytes longer) is their export: refused, as read here
// it would be out of step. Any other longer file is read as its first record.
TEST(Gen2Import, ShortProfileFilesAndOtherLayoutsAreRefusedAndLongOnesReadAsTheirFirstRecord) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"import_sizes");
        auto pSource = files.Default(L"Sized");
        pSource->iRateHs = 2;
        const std::wstring strExport = files.scratch / L"sized.pro";
        ASSERT_TRUE(files.storage.ExportProfile(*pSource, strExport));
        const std::vector<uint8_t> exported = ReadBytes(strExport);
        const struct {
            size_t uSize;
            ImportResult eResult;
        } rows[] = {{0, ImportResult::TooShort},      {1, ImportResult::TooShort},       {kRecord - 1, ImportResult::TooShort},
                    {kRecord, ImportResult::Imported}, {kRecord + 4, ImportResult::Foreign},  {kRecord + 8, ImportResult::Imported},
                    {2 * kRecord, ImportResult::Imported}};
        ProfileListEx profiles;
        MacroListEx macros;
        for (const auto& row : rows) {
            std::vector<uint8_t> bytes = exported;
            bytes.resize(row.uSize, 0x99);  // a longer file: its second record is nonsense
            const std::wstring strFile = files.scratch / L"cut.pro";
            ASSERT_TRUE(WriteBytes(strFile, bytes));
            const size_t uBefore = profiles.size();
            ImportResult eResult = ImportResult::Imported;
            ProfileRecordEx* pImported = files.storage.ImportProfile(strFile, profiles, macros, &eResult);
            EXPECT_EQ(eResult, row.eResult) << row.uSize << " bytes";
            EXPECT_EQ(profiles.size(), uBefore + (row.eResult == ImportResult::Imported ? 1 : 0)) << row.uSize;
            if (pImported != nullptr) { EXPECT_EQ(pImported->iRateHs, 2) << row.uSize; }
        }
        ImportResult eMissing = ImportResult::Imported;
        EXPECT_EQ(files.storage.ImportProfile(files.scratch / L"none.pro", profiles, macros, &eMissing), nullptr);
        EXPECT_EQ(eMissing, ImportResult::Unreadable);
        EXPECT_TRUE(macros.empty());
    }
}

TEST(Gen2Import, MacroFiles) {
    auto pFire = Macro(L"Fire", {Key(4, kActionPress, 10), Move(999, -999, 25000), Key(4, kActionRelease, 0)});
    pFire->stActions[1].byReserved1 = 0x11;  // kept as the file holds it
    auto pFive = Macro(L"Five", {});
    for (const MacroActionEx& action : FiveBlockActions()) pFive->stActions[pFive->iActionNum++] = action;
    auto pMany = Macro(L"Many", {});
    for (int i = 0; i < kMacroActionMaxEx; ++i) pMany->stActions[i] = Key(4, kActionPress, 10);
    pMany->iActionNum = 300;
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"macro_import");
        // An exported macro is its 3,096 bytes; any second-generation model takes it as it is.
        const std::wstring strExport = files.scratch / L"fire.macro";
        ASSERT_TRUE(ModelFiles(13, L"macro_export").storage.ExportMacro(*pFire, strExport));
        EXPECT_EQ(ReadBytes(strExport), BytesOf(*pFire));

        MacroListEx macros;
        macros.push_back(Macro(L"fire", {}));
        testkit::ExpectMacroImports(files, macros, {
            {"exact", ReadBytes(strExport), ImportResult::Imported, L"Fire_1", 3},
            {"longer", [&] { auto b = BytesOf(*pFire); b.resize(5000, 0x55); return b; }(), ImportResult::Imported, L"Fire_2", 3},
            {"short", [&] { auto b = BytesOf(*pFire); b.resize(3095); return b; }(), ImportResult::TooShort, nullptr, 0},
            {"empty", {}, ImportResult::TooShort, nullptr, 0},
            {"five blocks", BytesOf(*pFive), ImportResult::DoesNotFit, nullptr, 0},
            {"count past the record", BytesOf(*pMany), ImportResult::Damaged, nullptr, 0},
            {"unnamed", BytesOf(*Macro(L"", {Key(5, 1, 1)})), ImportResult::Imported, L"Macro4", 1},
        });
        ASSERT_EQ(macros.size(), 4u);
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 3096 * macros.size());
        EXPECT_EQ(std::memcmp(macros[1]->stActions, pFire->stActions, sizeof pFire->stActions), 0);
    }
}

TEST(Gen2Import, AnUnnamedProfileIsNamedAsANewOne) {
    ModelFiles files(8, L"import_unnamed");
    const std::wstring strFile = files.scratch / L"unnamed.pro";
    ASSERT_TRUE(files.storage.ExportProfile(*files.Default(L""), strFile));
    ProfileListEx profiles;
    profiles.push_back(files.Default(L"A"));
    profiles.push_back(files.Default(L"profile3"));
    MacroListEx macros;
    ProfileRecordEx* pImported = files.storage.ImportProfile(strFile, profiles, macros);
    ASSERT_NE(pImported, nullptr);
    EXPECT_EQ(NameOf(pImported->szName), L"Profile3_1");
}

}  // namespace
