// The data library on the native build, under the sanitizers: every model's files written, read
// and imported as the program does, the repair of damaged files, the refused imports, and every
// input the fuzz run found a fault with, run again through the same harness.
#include "tests/native/data_fuzz_harness.h"
#include "tests/native/data_fuzz_seeds.h"
#include "tests/native/native_kit.h"

#include "models/data/dpi_tables.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/table/model_table.h"
#include "models/data/name_helpers.h"
#include "models/data/record_file.h"
#include "models/data/record_sizes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <limits>
#include <string>
#include <vector>

namespace {

using nativekit::ReadBytes;
using nativekit::WriteBytes;

TEST(NativeData, EveryModelHasADescriptionOfItsGeneration) {
    for (const ModelInfo& info : g_Models) {
        const bool bGen1 = FindGen1Model(info.iNumber) != nullptr;
        const bool bGen2 = FindGen2Model(info.iNumber) != nullptr;
        EXPECT_EQ(bGen1, info.iGeneration == 1) << "MS_" << info.iNumber;
        EXPECT_EQ(bGen2, info.iGeneration == 2) << "MS_" << info.iNumber;
    }
}

TEST(NativeData, NamesCompareWithoutRegardToCaseBeyondAscii) {
    const struct {
        const wchar_t* pszA;
        const wchar_t* pszB;
        bool bEqual;
    } cases[] = {
        {L"Fire", L"fIRE", true},          {L"\u00C4rger", L"\u00E4RGER", true}, {L"\u03B1\u03B2", L"\u0391\u0392", true},
        {L"Fire", L"Fire ", false},        {L"Fire", L"Fir", false},             {L"", L"", true},
        {L"\U0001F600", L"\U0001F600", true}, {L"\U0001F600", L"\U0001F601", false},
    };
    for (size_t i = 0; i < std::size(cases); ++i)
        EXPECT_EQ(NamesEqualNoCase(NameFromText(cases[i].pszA), NameFromText(cases[i].pszB)), cases[i].bEqual)
            << "case " << i;
    // Text to name and back keeps every character, two units for one past the first plane.
    EXPECT_EQ(NameFromText(L"\U0001F600x").size(), 3u);
    EXPECT_EQ(TextFromName(NameFromText(L"\u00C4\U0001F600x")), L"\u00C4\U0001F600x");
}

// Each model's storage in a scratch folder, for either generation.
template <class Storage>
struct ModelFiles {
    explicit ModelFiles(const typename Storage::ModelType& model)
        : scratch("native_files_" + std::to_string(model.iNumber)), storage(model, scratch / "Data", nativekit::Texts) {}
    nativekit::ScratchFolder scratch;
    Storage storage;
    typename Storage::Profiles profiles;
    typename Storage::Macros macros;
    ProDataHeader header;
};

template <class Storage>
void CheckRoundTrips(const typename Storage::ModelType& model) {
    SCOPED_TRACE("MS_" + std::to_string(model.iNumber));
    ModelFiles<Storage> files(model);
    const PageDataLoad first = files.storage.LoadPageData(files.profiles, files.header, files.macros);
    EXPECT_EQ(first.eProfiles, LoadResult::Created);
    ASSERT_EQ(files.profiles.size(), 1u);
    const std::vector<uint8_t> proData = ReadBytes(files.storage.ProDataPath());
    EXPECT_EQ(proData.size(), static_cast<size_t>(files.storage.HeaderSize() + files.storage.RecordSize()));
    EXPECT_EQ(TextFromName(NameOf(files.profiles[0]->szName)), L"Profile1");

    // Loaded again: the same record, and a save writes the same bytes.
    ModelFiles<Storage> again(model);
    WriteBytes(again.storage.ProDataPath(), {});  // the folder exists; the file is replaced below
    EnsureFolder(again.storage.ModelFolder());
    ASSERT_TRUE(WriteBytes(again.storage.ProDataPath(), proData));
    EXPECT_EQ(again.storage.LoadPageData(again.profiles, again.header, again.macros).eProfiles, LoadResult::Loaded);
    ASSERT_EQ(again.profiles.size(), 1u);
    EXPECT_EQ(std::memcmp(again.profiles[0].get(), files.profiles[0].get(), sizeof(*files.profiles[0])), 0);
    ASSERT_TRUE(again.storage.SaveProData(again.profiles, again.header));
    EXPECT_EQ(ReadBytes(again.storage.ProDataPath()), proData);

    // Exported and imported: a second profile equal to the first but for its free name.
    const std::wstring strExport = files.scratch / "export.pro";
    ASSERT_TRUE(files.storage.ExportProfile(*files.profiles[0], strExport));
    EXPECT_EQ(ReadBytes(strExport).size(), static_cast<size_t>(files.storage.RecordSize()));
    ImportResult eResult = ImportResult::Unreadable;
    auto* pImported = files.storage.ImportProfile(strExport, files.profiles, files.macros, &eResult);
    ASSERT_EQ(eResult, ImportResult::Imported);
    ASSERT_NE(pImported, nullptr);
    EXPECT_EQ(TextFromName(NameOf(pImported->szName)), L"Profile1_1");
    CopyName(pImported->szName, NameOf(files.profiles[0]->szName));
    EXPECT_EQ(std::memcmp(pImported, files.profiles[0].get(), sizeof(*pImported)), 0);
}

TEST(NativeData, EveryModelsFilesSurviveSaveLoadExportAndImport) {
    for (int n : nativekit::Gen1Numbers()) CheckRoundTrips<Gen1Storage>(*FindGen1Model(n));
    for (int n : nativekit::Gen2Numbers()) CheckRoundTrips<Gen2Storage>(*FindGen2Model(n));
}

template <class Storage>
void CheckDamagedProData(const typename Storage::ModelType& model) {
    SCOPED_TRACE("MS_" + std::to_string(model.iNumber));
    ModelFiles<Storage> made(model);
    made.storage.LoadPageData(made.profiles, made.header, made.macros);
    const std::vector<uint8_t> whole = ReadBytes(made.storage.ProDataPath());

    struct Case {
        const char* pszWhat;
        size_t uSize;           // bytes of the whole file kept
        LoadResult eExpected;
        bool bFileStays;        // the damaged file stays until the next save
    } const cases[] = {
        {"a partial record after a whole one", whole.size() + 100, LoadResult::TailDropped, true},
        {"no whole record", whole.size() - 1, LoadResult::Replaced, false},
        {"less than a header", 10, LoadResult::Replaced, false},
        {"empty", 0, LoadResult::Replaced, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        std::vector<uint8_t> damaged = whole;
        damaged.resize(c.uSize, 0x5A);
        ModelFiles<Storage> files(model);
        EnsureFolder(files.storage.ModelFolder());
        ASSERT_TRUE(WriteBytes(files.storage.ProDataPath(), damaged));
        EXPECT_EQ(files.storage.LoadProData(files.profiles, files.header), c.eExpected);
        EXPECT_EQ(ReadBytes(files.storage.ProDataPath() + L".bad"), damaged) << "kept aside as it was";
        EXPECT_EQ(files.profiles.size(), 1u);
        if (c.bFileStays) EXPECT_EQ(ReadBytes(files.storage.ProDataPath()), damaged);
        else EXPECT_EQ(ReadBytes(files.storage.ProDataPath()).size(), whole.size()) << "a default written at once";
    }

    // A current profile past the list is the first.
    std::vector<uint8_t> pastEnd = whole;
    const int32_t iCur = 7;
    std::memcpy(pastEnd.data(), &iCur, sizeof iCur);
    ModelFiles<Storage> files(model);
    EnsureFolder(files.storage.ModelFolder());
    ASSERT_TRUE(WriteBytes(files.storage.ProDataPath(), pastEnd));
    EXPECT_EQ(files.storage.LoadProData(files.profiles, files.header), LoadResult::Loaded);
    EXPECT_EQ(files.header.iCurProfile, 0);
}

TEST(NativeData, DamagedProDataIsKeptAsideAndRepaired) {
    CheckDamagedProData<Gen1Storage>(*FindGen1Model(10));
    CheckDamagedProData<Gen1Storage>(*FindGen1Model(1));
    CheckDamagedProData<Gen2Storage>(*FindGen2Model(11));
    CheckDamagedProData<Gen2Storage>(*FindGen2Model(15));
}

template <class Storage>
void CheckRefusedImports(const typename Storage::ModelType& model, size_t uForeignSize) {
    SCOPED_TRACE("MS_" + std::to_string(model.iNumber));
    ModelFiles<Storage> files(model);
    files.storage.LoadPageData(files.profiles, files.header, files.macros);
    const std::wstring strExport = files.scratch / "export.pro";
    ASSERT_TRUE(files.storage.ExportProfile(*files.profiles[0], strExport));
    const std::vector<uint8_t> exported = ReadBytes(strExport);
    std::vector<uint8_t> unterminated = exported;
    std::memset(unterminated.data(), 0x41, kProfileNameChars * sizeof(NameChar));

    struct Case {
        const char* pszWhat;
        std::vector<uint8_t> bytes;
        ImportResult eExpected;
    } const cases[] = {
        {"one byte short of a record", std::vector<uint8_t>(exported.begin(), exported.end() - 1), ImportResult::TooShort},
        {"empty", {}, ImportResult::TooShort},
        {"another family's record size", std::vector<uint8_t>(uForeignSize, 0), ImportResult::Foreign},
        {"an unterminated name", unterminated, ImportResult::Damaged},
    };
    const std::vector<uint8_t> proBefore = ReadBytes(files.storage.ProDataPath());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        const std::wstring strPath = files.scratch / "refused.pro";
        ASSERT_TRUE(WriteBytes(strPath, c.bytes));
        ImportResult eResult = ImportResult::Imported;
        EXPECT_EQ(files.storage.ImportProfile(strPath, files.profiles, files.macros, &eResult), nullptr);
        EXPECT_EQ(eResult, c.eExpected);
        EXPECT_EQ(files.profiles.size(), 1u);
        EXPECT_TRUE(files.macros.empty());
        EXPECT_EQ(ReadBytes(files.storage.ProDataPath()), proBefore);
        EXPECT_FALSE(nativekit::FileExists(files.storage.MacroDataPath()));
    }
}

TEST(NativeData, ImportsOfWhatTheProgramNeverWritesAreRefused) {
    // A second-generation export offered to a first-generation model, and the other way round.
    CheckRefusedImports<Gen1Storage>(*FindGen1Model(10), static_cast<size_t>(kProfileLayoutGen2.RecordSize()));
    CheckRefusedImports<Gen2Storage>(*FindGen2Model(11), static_cast<size_t>(kProfileLayoutB.RecordSize()));
}

TEST(NativeData, EverySeedKeepsEveryPromiseOfTheHarness) {
    const auto seeds = datafuzz::SeedInputs();
    EXPECT_EQ(seeds.size(), 5u * kModelCount + std::size(kRecordLayouts) + 1);
    for (const auto& seed : seeds) datafuzz::RunInput(seed.data(), seed.size());
}

TEST(NativeData, TheDpiOfAStageValueFromOutsideEveryRangeStaysAnInt) {
    const int32_t iHuge = 386138028;
    const int32_t iMax = std::numeric_limits<int32_t>::max();
    const int32_t iMin = std::numeric_limits<int32_t>::min();
    const int iIntMax = std::numeric_limits<int>::max();
    const int iIntMin = std::numeric_limits<int>::min();
    for (DpiCodec eCodec : {DpiCodec::Table51, DpiCodec::Table221, DpiCodec::Linear, DpiCodec::SplitLinear,
                            DpiCodec::LinearPacked, DpiCodec::LinearPackedMode}) {
        SCOPED_TRACE(static_cast<int>(eCodec));
        EXPECT_EQ(DpiOfStageValue(eCodec, iHuge), iIntMax);
        EXPECT_EQ(DpiOfStageValue(eCodec, iMax), iIntMax);
        EXPECT_EQ(DpiOfStageValue(eCodec, iMin), iIntMin);
        EXPECT_EQ(DpiOfStageValue(eCodec, 100), eCodec == DpiCodec::Table51 ? 10000 : 5000);
    }
    EXPECT_EQ(DpiOfStageValue(DpiCodec::Table221, 220), 12000);
}

TEST(NativeData, TheShownBatteryLevelOfAnyReportIsAtMostAHundred) {
    const Gen2Model* pRaised = nullptr;
    for (int n : nativekit::Gen2Numbers())
        if (FindGen2Model(n)->eBatteryDisplay == BatteryDisplay::Raised) pRaised = FindGen2Model(n);
    ASSERT_NE(pRaised, nullptr);
    const struct {
        int iReported, iShown;
    } cases[] = {{0, 0}, {31, 36}, {50, 60}, {60, 80}, {69, 89}, {70, 100}, {100, 100}, {255, 100},
                 {std::numeric_limits<int>::max(), 100}};
    for (const auto& c : cases) EXPECT_EQ(ShownBatteryLevel(*pRaised, c.iReported), c.iShown) << c.iReported;
}

TEST(NativeData, TheRateFrameCodeOfAnyIndexKeepsToItsNibbles) {
    const Gen1Model& model = *FindGen1Model(6);  // MS_6 sends both rates, one a nibble
    ASSERT_GT(model.iRateHsCount, 0);
    EXPECT_EQ(RateFrameCode(model, 1, 2), 0x32);
    EXPECT_EQ(RateFrameCode(model, std::numeric_limits<int32_t>::max(), std::numeric_limits<int32_t>::max()), 0x00);
    EXPECT_EQ(RateFrameCode(model, -1, 15), 0x00);
}

// Inputs the fuzz run found a fault with (the fault is fixed; the input stays here).
struct Finding {
    const char* pszWhat;
    std::vector<uint8_t> input;
};

TEST(NativeData, InputsTheFuzzerFoundFaultsWithAreHandled) {
    const Finding findings[] = {
        // 386,138,028 as a stage value: its DPI overflowed an int (DpiOfStageValue).
        {"a stage value whose DPI passes the int range",
         datafuzz::InputOf(datafuzz::Target::Decoders, 1, 0, {0xAC, 0xFF, 0x03, 0x17})},
        // 2,147,483,647 as a 4K rate index overflowed the rate frame's code (RateFrameCode), and as a
        // battery level its raised level (ShownBatteryLevel).
        {"a 4K rate index and a battery level at the int's end",
         datafuzz::InputOf(datafuzz::Target::Decoders, 1, 0, {0xFF, 0xFF, 0xFF, 0x7F, 0xFF, 0xFF, 0xFF, 0x7F})},
    };
    for (const Finding& finding : findings) {
        SCOPED_TRACE(finding.pszWhat);
        datafuzz::RunInput(finding.input.data(), finding.input.size());
    }
}

}  // namespace
