// Imports on every model of both generations: an export of another model family (a record of
// another layout's size) and a record holding what this program never writes are refused before
// anything is added (the page's lists, macro.data and pro.data stay as they were), while every
// profile and macro the program itself writes comes back unchanged.
#include "tests/gen2/record_cases.h"
#include "models/data/record_repair.h"
#include "models/data/record_sizes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

using namespace recordcases;

namespace {

// One export of each layout, from a model that has it, carrying a macro.
struct Source {
    int iModel;
    int iGeneration;
};
constexpr Source kSources[] = {{1, 1}, {10, 1}, {3, 1}, {6, 1}, {11, 2}, {15, 2}};

template <class R>
std::vector<uint8_t> CarrierExport(int iModel) {
    Files<R> files(iModel, L"source");
    const std::wstring strFile = files.scratch / L"carrier.pro";
    EXPECT_TRUE(files.storage.ExportProfile(*Carrier(files, L"Carrier"), strFile));
    return testkit::ReadBytes(strFile);
}

std::vector<uint8_t> ExportOf(const Source& source) {
    return source.iGeneration == 1 ? CarrierExport<Gen1Records>(source.iModel) : CarrierExport<Gen2Records>(source.iModel);
}

TEST(ImportRefusal, AnExportOfAnotherLayoutIsRefusedOnEveryModelWhoseRecordsAreAnotherSize) {
    std::vector<std::vector<uint8_t>> exports;
    for (const Source& source : kSources) exports.push_back(ExportOf(source));
    std::vector<size_t> sizes;
    for (const auto& bytes : exports) sizes.push_back(bytes.size());
    // Every distinct record size of both generations is among them.
    for (RecordLayout eLayout : kRecordLayouts)
        EXPECT_NE(std::find(sizes.begin(), sizes.end(), static_cast<size_t>(ProfileRecordSize(eLayout))), sizes.end());

    ForEveryModel([&]<class R>(int iModel) {
        Files<R> files(iModel, L"other_layout");
        int iRows = 0;
        for (size_t i = 0; i < std::size(kSources); ++i) {
            if (exports[i].size() == files.RecordSize()) continue;
            SCOPED_TRACE(Name(iModel) + " importing MS_" + std::to_string(kSources[i].iModel) + "'s export of " +
                         std::to_string(exports[i].size()) + " bytes");
            const std::wstring strFile = files.scratch / L"other.pro";
            ASSERT_TRUE(testkit::WriteBytes(strFile, exports[i]));
            SavedLists<R> page(files);
            EXPECT_EQ(page.ImportProfile(strFile), ImportResult::Foreign);
            ++iRows;
        }
        EXPECT_GE(iRows, 3) << Name(iModel);
    });
}

TEST(ImportRefusal, AMacroExportOfTheOtherGenerationIsRefused) {
    const std::vector<uint8_t> first = testkit::BytesOf(*testkit::MacroOf<MacroRecord>(L"First", {{0x04, kActionPress, 10}}));
    std::vector<uint8_t> second(sizeof(MacroRecordEx), 0);  // no actions: its head reads as an empty macro
    const std::wstring strSecond = L"Second";
    std::memcpy(second.data(), strSecond.c_str(), strSecond.size() * sizeof(wchar_t));
    ForEveryModel([&]<class R>(int iModel) {
        SCOPED_TRACE(Name(iModel));
        Files<R> files(iModel, L"other_macro");
        const std::wstring strFile = files.scratch / L"other.macro";
        ASSERT_TRUE(testkit::WriteBytes(strFile, std::is_same_v<R, Gen1Records> ? second : first));
        SavedLists<R> page(files);
        EXPECT_EQ(page.ImportMacro(strFile), ImportResult::Foreign);
    });
}

TEST(ImportRefusal, AProfileHoldingWhatTheProgramNeverWritesIsRefused) {
    ForEveryModel([&]<class R>(int iModel) {
        Files<R> files(iModel, L"damaged");
        const std::wstring strFile = files.scratch / L"damaged.pro";
        int iRows = 0;
        for (const Damage<R>& damage : Damages<R>()) {
            auto p = Carrier(files, L"Damaged");
            if (!damage.apply(files.model, *p)) continue;
            SCOPED_TRACE(Name(iModel) + ": " + damage.pszCase);
            ASSERT_TRUE(files.storage.ExportProfile(*p, strFile));
            SavedLists<R> page(files);
            EXPECT_EQ(page.ImportProfile(strFile), ImportResult::Damaged);
            ++iRows;
        }
        EXPECT_GE(iRows, 21) << Name(iModel);

        SCOPED_TRACE(Name(iModel) + ": random bytes");
        std::mt19937 random(static_cast<unsigned>(iModel));
        std::vector<uint8_t> noise(files.RecordSize());
        for (uint8_t& by : noise) by = static_cast<uint8_t>(random());
        ASSERT_TRUE(testkit::WriteBytes(strFile, noise));
        SavedLists<R> page(files);
        EXPECT_EQ(page.ImportProfile(strFile), ImportResult::Damaged);
    });
}

TEST(ImportRefusal, AMacroHoldingWhatTheEditorNeverMakesIsRefused) {
    ForEveryModel([&]<class R>(int iModel) {
        using Macro = typename R::Macro;
        Files<R> files(iModel, L"damaged_macro");
        auto fine = [] { return testkit::MacroOf<Macro>(L"Fine", {Gen<R>::Action(0x04, kActionPress, 10),
                                                                  Gen<R>::Action(0x04, kActionRelease, 10)}); };
        struct Row {
            const char* pszCase;
            std::unique_ptr<Macro> pMacro;
        };
        std::vector<Row> rows;
        rows.push_back({"a name without its terminator", fine()});
        for (wchar_t& ch : rows.back().pMacro->szName) ch = L'w';
        rows.push_back({"more actions than a macro holds", fine()});
        rows.back().pMacro->iActionNum = Macro::kActionMax + 1;
        rows.push_back({"fewer actions than none", fine()});
        rows.back().pMacro->iActionNum = -1;
        rows.push_back({"a loop count past 255", fine()});
        rows.back().pMacro->iLoopCount = 256;
        if constexpr (std::is_same_v<R, Gen2Records>) {
            rows.push_back({"a move beyond the editor's range", fine()});
            rows.back().pMacro->stActions[0] = Gen<R>::Move(0, -kMoveOffsetMax - 1, 10);
        }
        const std::wstring strFile = files.scratch / L"damaged.macro";
        for (const Row& row : rows) {
            SCOPED_TRACE(Name(iModel) + ": " + row.pszCase);
            ASSERT_TRUE(testkit::WriteBytes(strFile, testkit::BytesOf(*row.pMacro)));
            SavedLists<R> page(files);
            EXPECT_EQ(page.ImportMacro(strFile), ImportResult::Damaged);
        }
        SCOPED_TRACE(Name(iModel) + ": random bytes");
        std::mt19937 random(static_cast<unsigned>(iModel));
        std::vector<uint8_t> noise(sizeof(Macro));
        for (uint8_t& by : noise) by = static_cast<uint8_t>(random());
        ASSERT_TRUE(testkit::WriteBytes(strFile, noise));
        SavedLists<R> page(files);
        EXPECT_EQ(page.ImportMacro(strFile), ImportResult::Damaged);
    });
}

// What an import gives back, compared with what was exported: the name is made unique, and each
// macro button names and points at the macro the import made for it.
template <class R>
std::vector<uint8_t> AsExported(const Files<R>& files, typename R::Profile imported, const typename R::Profile& source) {
    std::memcpy(imported.szName, source.szName, sizeof imported.szName);
    for (int k = 0; k < kButtonCount; ++k) {
        if (!R::IsMacroFunction(imported.stKeys[k].byFunction)) continue;
        std::memcpy(imported.stKeys[k].szMacroName, source.stKeys[k].szMacroName, sizeof imported.stKeys[k].szMacroName);
        imported.stKeys[k].iMacroIndex = source.stKeys[k].iMacroIndex;
    }
    std::vector<uint8_t> bytes(files.RecordSize());
    ToFileRecord(files.model.Layout(), imported, bytes.data());
    return bytes;
}

TEST(ImportRefusal, EveryProfileAndMacroTheProgramWritesComesBackUnchanged) {
    ForEveryModel([&]<class R>(int iModel) {
        Files<R> files(iModel, L"round_trip");
        for (auto& [strCase, pSource] : WrittenProfiles(files)) {
            SCOPED_TRACE(Name(iModel) + ": " + strCase);
            auto copy = *pSource;
            EXPECT_FALSE(R::RepairProfile(files.model, copy)) << "the repair changes nothing";
            const std::wstring strFile = files.scratch / L"written.pro";
            ASSERT_TRUE(files.storage.ExportProfile(*pSource, strFile));
            SavedLists<R> page(files);
            ASSERT_EQ(page.ImportProfile(strFile), ImportResult::Imported);
            ASSERT_EQ(page.profiles.size(), 2u);
            EXPECT_EQ(AsExported(files, *page.profiles[1], *pSource), testkit::ReadBytes(strFile));
        }
        SCOPED_TRACE(Name(iModel) + ": a macro the editor makes");
        auto pMacro = testkit::MacroOf<typename R::Macro>(L"Editor's", {});
        for (const auto& action : Gen<R>::EditorsActions()) pMacro->stActions[pMacro->iActionNum++] = action;
        const std::wstring strFile = files.scratch / L"written.macro";
        ASSERT_TRUE(files.storage.ExportMacro(*pMacro, strFile));
        SavedLists<R> page(files);
        ASSERT_EQ(page.ImportMacro(strFile), ImportResult::Imported);
        ASSERT_EQ(page.macros.size(), 2u);
        EXPECT_EQ(testkit::BytesOf(*page.macros[1]), testkit::BytesOf(*pMacro));
    });
}

}  // namespace
