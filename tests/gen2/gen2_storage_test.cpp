// pro.data, macro.data and their bytes on disk for MS_11, MS_8, MS_12 and MS_13: first start with
// each model's defaults, byte-identical round trips, the reset, damaged files and the values a
// load brings into range, the page's start and the save in two steps.
#include "tests/gen2/gen2_test_util.h"
#include "models/data/name_helpers.h"
#include "models/data/record_repair.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

using namespace gen2test;

namespace {

constexpr size_t kHeader = 507704;
constexpr size_t kRecord = 101540;
constexpr size_t kEntry = 4128;
constexpr size_t kKeys = 2468;

TEST(Gen2Storage, FirstStartWritesTheModelsDefaultProfile) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"first_start");
        ProfileListEx profiles;
        ProDataHeader header;
        header.iCurProfile = 3;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_EQ(header.iCurProfile, 0);
        EXPECT_EQ(NameOf(profiles[0]->szName), L"Profile1");

        const std::vector<uint8_t> file = ReadBytes(files.ProData());
        ASSERT_EQ(file.size(), 609244u);
        for (size_t i = 0; i < kHeader; ++i) ASSERT_EQ(file[i], 0) << "header byte " << i;
        const size_t r = kHeader;
        const struct {
            size_t uOffset;
            int32_t iValue;
        } fields[] = {{2200, 420}, {2204, 3}, {2212, 6}, {2244, 8},  {2264, 100}, {2276, 8},  {2296, 100},
                      {2308, 1},   {2332, 0}, {2340, 8}, {2344, 6},  {2348, 10},  {2352, 2},  {2356, 1},
                      {2360, 3},   {2364, 6}, {2368, 0}, {2372, 1},  {2376, 0},   {2380, 1},
                      {2384, iModel == 14 || iModel == 16 ? 7 : 0},  // iLightMode
                      {2388, 3},   {2396, 3}, {2400, 0x00FF0000}, {2404, 0x000000FF}, {2428, 0x000040FF},
                      {2464, 0x000080FF}};
        for (const auto& field : fields) EXPECT_EQ(IntAt(file, r + field.uOffset), field.iValue) << "offset " << field.uOffset;
        EXPECT_EQ(file[r + 2392], 1);  // byParam6
        const Gen2Model& model = ModelOf(iModel);
        for (int k = 0; k < kButtonCount; ++k) {
            const size_t e = r + kKeys + kEntry * static_cast<size_t>(k);
            EXPECT_EQ(file[e], k);
            EXPECT_EQ(file[e + 1], model.defaults.byFunction[k]) << "button " << k + 1;
            EXPECT_EQ(file[e + 8] | (file[e + 9] << 8), 0x0232);
            EXPECT_EQ(IntAt(file, e + 1072), -1);
            EXPECT_EQ(IntAt(file, e + 1076), -1);
        }
        for (size_t i = r + kKeys + 18 * kEntry; i < file.size(); ++i) ASSERT_EQ(file[i], 0) << "entries 18 to 23, byte " << i;
    }
}

// The buttons and light mode each model's factory profile gives (buttons counted from 1).
TEST(Gen2Storage, EachModelsDefaultButtons) {
    const struct {
        int iModel;
        uint8_t byButton4, byButton5, byButton6, byButton7;
        int32_t iLightMode;
    } rows[] = {{11, 52, 24, 4, 5, 0}, {8, 52, 24, 4, 5, 0}, {12, 24, 7, 8, 4, 0},
                {13, 24, 5, 4, 6, 0},  {14, 6, 0, 24, 4, 7}, {16, 6, 0, 24, 4, 7}};
    for (const auto& row : rows) {
        const auto pProfile = DefaultProfile(row.iModel);
        EXPECT_EQ(pProfile->stKeys[3].byFunction, row.byButton4) << Name(row.iModel);
        EXPECT_EQ(pProfile->stKeys[4].byFunction, row.byButton5) << Name(row.iModel);
        EXPECT_EQ(pProfile->stKeys[5].byFunction, row.byButton6) << Name(row.iModel);
        EXPECT_EQ(pProfile->stKeys[6].byFunction, row.byButton7) << Name(row.iModel);
        EXPECT_EQ(pProfile->iLightMode, row.iLightMode) << Name(row.iModel);
        EXPECT_EQ(pProfile->iDebounce, 3) << Name(row.iModel);
        EXPECT_EQ(pProfile->stKeys[16].byFunction, 11);
        EXPECT_EQ(pProfile->stKeys[17].byFunction, 12);
    }
}

TEST(Gen2Storage, ResetKeepsTheNameTheMoveModeAndTheReservedWords) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"reset");
        auto pProfile = files.Default(L"Mine");
        pProfile->iMoveMode = 1;
        pProfile->iReserved2[1] = 0x77;
        pProfile->byReserved4[2] = 0x66;
        std::memset(pProfile->szExtra1, 0x41, sizeof pProfile->szExtra1);
        std::memset(pProfile->szExtra2, 0x42, sizeof pProfile->szExtra2);
        pProfile->iRateHs = 0;
        pProfile->stKeys[3].byFunction = 25;
        pProfile->stKeys[3].stActions[100].iX = 5;
        pProfile->stKeys[21].byFunction = 9;
        files.storage.SetDefaultProfile(*pProfile);
        const auto pFresh = files.Default(L"Mine");
        pFresh->iMoveMode = 1;
        pFresh->iReserved2[1] = 0x77;
        pFresh->byReserved4[2] = 0x66;
        EXPECT_EQ(BytesOf(*pProfile), BytesOf(*pFresh));
        EXPECT_EQ(pProfile->szExtra1[499], 0);
    }
}

TEST(Gen2Storage, ThreeProfilesRoundTripByteForByte) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"round_trip");
        ProfileListEx profiles;
        for (int i = 0; i < 3; ++i) {
            profiles.push_back(files.Default(L"P" + std::to_wstring(i)));
            ProfileRecordEx& p = *profiles.back();
            p.iDpi[2] = 500 + i;
            p.iRateHs = i;
            KeyEntryEx& entry = p.stKeys[1];
            entry.byFunction = kFunctionMacroColour;
            entry.byColor[0] = 0x10;
            entry.byColor[3] = 0x20;
            entry.wActionNum = 2;
            entry.stActions[0] = Move(-999, 999, 300);
            entry.stActions[1] = Key(0x04, kActionRelease, static_cast<uint16_t>(i));
            entry.stActions[1].byReserved2 = 0x5A;
        }
        ProDataHeader header;
        header.iCurProfile = 2;
        header.reserved.assign(kHeader - 4, 0);
        for (size_t i = 0; i < header.reserved.size(); i += 97) header.reserved[i] = static_cast<uint8_t>(i);
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        const std::vector<uint8_t> first = ReadBytes(files.ProData());
        ASSERT_EQ(first.size(), 812324u);
        EXPECT_EQ(first, files.storage.SerializeProData(profiles, header));
        EXPECT_FALSE(FileExists(files.ProData() + L".tmp"));

        // Bytes nothing reads (the extra strings, reserved words and bytes, entries 18 to 23) travel
        // unchanged.
        std::vector<uint8_t> scribbled = first;
        for (size_t r = 0; r < 3; ++r) {
            const size_t uAt = kHeader + r * kRecord;
            for (size_t i = 200; i < 2200; ++i) scribbled[uAt + i] = static_cast<uint8_t>(i * 13 + r);
            for (size_t i : {2209u, 2210u, 2211u, 2216u, 2223u, 2236u, 2243u, 2393u, 2395u}) scribbled[uAt + i] = 0xC3;
            for (size_t e = 18; e < 24; ++e) {
                const size_t uEntry = uAt + kKeys + e * kEntry;
                for (size_t i = 0; i < kEntry; ++i) scribbled[uEntry + i] = static_cast<uint8_t>(i % 7 == 0 ? e + i : 0);
            }
            const size_t uButton = uAt + kKeys + 5 * kEntry;
            for (size_t i : {2u, 4u, 6u, 10u, 11u, 70u, 1071u, 1080u, 1083u}) scribbled[uButton + i] = 0xA5;
        }
        files.PutProData(scribbled);
        ProfileListEx loaded;
        ProDataHeader loadedHeader;
        ASSERT_EQ(files.storage.LoadProData(loaded, loadedHeader), LoadResult::Loaded);
        ASSERT_EQ(loaded.size(), 3u);
        EXPECT_EQ(loadedHeader.iCurProfile, 2);
        EXPECT_EQ(loadedHeader.reserved, header.reserved);
        EXPECT_EQ(NameOf(loaded[1]->szName), L"P1");
        EXPECT_EQ(loaded[2]->stKeys[1].stActions[1].wDelay, 2);
        ASSERT_TRUE(files.storage.SaveProData(loaded, loadedHeader));
        EXPECT_EQ(ReadBytes(files.ProData()), scribbled);
    }
}

TEST(Gen2Storage, MacroDataHoldsWholeRecords) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"macros");
        MacroListEx macros;
        EXPECT_EQ(files.storage.LoadMacroData(macros), LoadResult::Created);
        ASSERT_TRUE(files.storage.SaveMacroData(macros));
        EXPECT_TRUE(FileExists(files.MacroData()));
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 0u);
        MacroListEx none;
        EXPECT_EQ(files.storage.LoadMacroData(none), LoadResult::Loaded);
        EXPECT_TRUE(none.empty());

        EXPECT_EQ(NameOf(files.storage.AddMacroRecord(macros)->szName), L"Macro1");
        CopyName(macros[0]->szName, L"macro2");
        EXPECT_EQ(NameOf(files.storage.AddMacroRecord(macros)->szName), L"Macro2_1");
        macros.push_back(Macro(L"Third", {Key(0x04, kActionPress, 30), Move(-5, 6, 65535)}));
        macros.back()->iLoopCount = 5;
        macros.back()->stActions[1].wReserved3 = 0xBEEF;
        ASSERT_TRUE(files.storage.SaveMacroData(macros));
        const std::vector<uint8_t> file = ReadBytes(files.MacroData());
        ASSERT_EQ(file.size(), 9288u);
        EXPECT_EQ(std::vector<uint8_t>(file.begin() + 3096, file.begin() + 6192), BytesOf(*macros[1]));
        EXPECT_EQ(std::vector<uint8_t>(file.begin() + 6192, file.end()), BytesOf(*macros[2]));

        MacroListEx loaded;
        EXPECT_EQ(files.storage.LoadMacroData(loaded), LoadResult::Loaded);
        ASSERT_EQ(loaded.size(), 3u);
        for (size_t i = 0; i < 3; ++i) EXPECT_EQ(BytesOf(*loaded[i]), BytesOf(*macros[i])) << i;
    }
}

// Damaged files each leave whole records and a valid index, with the damaged original kept.
TEST(Gen2Storage, DamagedFilesAreKeptAsideAndRepaired) {
    for (int iModel : kGen2Models) {
        ModelFiles files(iModel, L"damaged");
        const auto pA = files.Default(L"A");
        const auto pB = files.Default(L"B");
        const std::vector<uint8_t> two = files.FileOf({pA.get(), pB.get()}, 1);
        auto Cut = [&](size_t uSize) { return std::vector<uint8_t>(two.begin(), two.begin() + static_cast<ptrdiff_t>(uSize)); };
        auto WithIndex = [&](int32_t iCur) {
            std::vector<uint8_t> bytes = two;
            std::memcpy(bytes.data(), &iCur, 4);
            return bytes;
        };
        std::vector<uint8_t> macroBytes = BytesOf(*Macro(L"M1", {Key(4, 1, 10)}));
        const std::vector<uint8_t> second = BytesOf(*Macro(L"M2", {Key(5, 1, 10)}));
        macroBytes.insert(macroBytes.end(), second.begin(), second.end());
        const struct {
            const char* pszCase;
            bool bProfiles;
            std::vector<uint8_t> bytes;
            LoadResult eResult;
            size_t uRecords;
            int32_t iCurProfile;
            Aside eAside;
        } rows[] = {
            {"empty pro.data", true, {}, LoadResult::Replaced, 1, 0, Aside::Moved},
            {"header only", true, Cut(kHeader), LoadResult::Replaced, 1, 0, Aside::Moved},
            {"header and half a record", true, Cut(kHeader + kRecord / 2), LoadResult::Replaced, 1, 0, Aside::Moved},
            {"a record and most of another", true, Cut(kHeader + 2 * kRecord - 1), LoadResult::TailDropped, 1, 0, Aside::Copied},
            {"index past the end", true, WithIndex(2), LoadResult::Loaded, 2, 0, Aside::None},
            {"negative index", true, WithIndex(-4), LoadResult::Loaded, 2, 0, Aside::None},
            {"last index", true, WithIndex(1), LoadResult::Loaded, 2, 1, Aside::None},
            {"macro.data shorter than a record", false, {macroBytes.begin(), macroBytes.begin() + 3095}, LoadResult::Replaced, 0, 0,
             Aside::Moved},
            {"macro.data with a partial tail", false, {macroBytes.begin(), macroBytes.end() - 1}, LoadResult::TailDropped, 1, 0,
             Aside::Copied},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE(Name(iModel) + ": " + row.pszCase);
            const std::wstring strPath = row.bProfiles ? files.ProData() : files.MacroData();
            const std::wstring strBad = strPath + L".bad";
            DeleteFileW(strBad.c_str());
            if (row.bProfiles) files.PutProData(row.bytes);
            else files.PutMacroData(row.bytes);
            ProfileListEx profiles;
            ProDataHeader header;
            MacroListEx macros;
            if (row.bProfiles) {
                EXPECT_EQ(files.storage.LoadProData(profiles, header), row.eResult);
                ASSERT_EQ(profiles.size(), row.uRecords);
                EXPECT_EQ(header.iCurProfile, row.iCurProfile);
                EXPECT_EQ(header.reserved.size(), kHeader - 4);
            } else {
                EXPECT_EQ(files.storage.LoadMacroData(macros), row.eResult);
                ASSERT_EQ(macros.size(), row.uRecords);
            }
            switch (row.eAside) {
                case Aside::None: EXPECT_FALSE(FileExists(strBad)); break;
                case Aside::Moved:
                    EXPECT_EQ(ReadBytes(strBad), row.bytes);
                    if (row.bProfiles) {
                        EXPECT_EQ(NameOf(profiles[0]->szName), L"Profile1");
                        EXPECT_EQ(ReadBytes(strPath).size(), kHeader + kRecord);  // a fresh default file
                    } else {
                        EXPECT_FALSE(FileExists(strPath));
                    }
                    break;
                case Aside::Copied:
                    EXPECT_EQ(ReadBytes(strBad), row.bytes);
                    EXPECT_EQ(ReadBytes(strPath), row.bytes);  // rewritten by the next save only
                    break;
            }
        }
    }
}

TEST(Gen2Storage, LoadedValuesAreBroughtIntoRange) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"clamps");
        auto pBad = files.Default(L"");
        for (wchar_t& ch : pBad->szName) ch = L'x';
        pBad->iCurDpi = 8;
        pBad->iRate = 4;
        pBad->iRateHs = 7;
        pBad->iLiftOff = -1;
        pBad->iRipple = 7;
        pBad->iAngleSnap = 2;
        pBad->iMotionSync = 100;
        pBad->iLightMode = 12;
        pBad->iDpi[0] = 521;
        pBad->iDpi[1] = -5;
        pBad->iDpi2[2] = 999999;
        pBad->iDpiEnable[3] = 3;
        KeyEntryEx& entry = pBad->stKeys[5];
        entry.byFunction = kFunctionMacro;
        entry.wActionNum = 191;
        entry.iLoopMode = 4;
        entry.iLoopCount = 256;
        entry.iMacroIndex = -2;
        for (wchar_t& ch : entry.szMacroName) ch = L'm';
        pBad->stKeys[6].iLoopCount = -1;
        pBad->stKeys[6].iLoopMode = -1;
        // Entries past the buttons are kept as the file holds them.
        pBad->stKeys[20].wActionNum = 999;
        pBad->stKeys[20].iMacroIndex = -9;
        auto pLow = files.Default(L"Low");
        pLow->iCurDpi = -1;
        pLow->iRate = -1;
        pLow->iRateHs = -1;
        pLow->iLightMode = -1;
        files.PutProData(files.FileOf({pBad.get(), pLow.get()}, 0));

        ProfileListEx profiles;
        ProDataHeader header;
        ASSERT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Loaded);
        const ProfileRecordEx& p = *profiles[0];
        EXPECT_EQ(NameOf(p.szName), std::wstring(99, L'x'));
        EXPECT_EQ(p.iCurDpi, 7);
        EXPECT_EQ(p.iRate, 3);
        EXPECT_EQ(p.iRateHs, 6);
        EXPECT_EQ(p.iLiftOff, 0);
        EXPECT_EQ(p.iRipple, 1);
        EXPECT_EQ(p.iAngleSnap, 1);
        EXPECT_EQ(p.iMotionSync, 1);
        EXPECT_EQ(p.iLightMode, 11);
        EXPECT_EQ(p.iDpi[0], 520);
        EXPECT_EQ(p.iDpi[1], 1);
        EXPECT_EQ(p.iDpi2[2], 520);
        EXPECT_EQ(p.iDpi[6], 0);  // a stage without DPI stays so
        EXPECT_EQ(p.iDpiEnable[3], 0);
        EXPECT_EQ(p.stKeys[5].wActionNum, 190);
        EXPECT_EQ(p.stKeys[5].iLoopMode, 3);
        EXPECT_EQ(p.stKeys[5].iLoopCount, 255);
        EXPECT_EQ(p.stKeys[5].iMacroIndex, -1);
        EXPECT_EQ(NameOf(p.stKeys[5].szMacroName), std::wstring(23, L'm'));
        EXPECT_EQ(p.stKeys[6].iLoopCount, 0);
        EXPECT_EQ(p.stKeys[6].iLoopMode, 0);
        EXPECT_EQ(p.stKeys[20].wActionNum, 999);
        EXPECT_EQ(p.stKeys[20].iMacroIndex, -9);
        const ProfileRecordEx& q = *profiles[1];
        EXPECT_EQ(std::make_tuple(q.iCurDpi, q.iRate, q.iRateHs, q.iLightMode), std::make_tuple(0, 0, 0, 0));
    }
}

TEST(Gen2Storage, LoadedMacrosAreBroughtIntoRange) {
    ModelFiles files(12, L"macro_clamps");
    auto pMany = Macro(L"", {});
    pMany->iActionNum = 500;
    for (wchar_t& ch : pMany->szName) ch = L'w';
    auto pNegative = Macro(L"N", {});
    pNegative->iActionNum = -3;
    std::vector<uint8_t> bytes = BytesOf(*pMany);
    const std::vector<uint8_t> negative = BytesOf(*pNegative);
    bytes.insert(bytes.end(), negative.begin(), negative.end());
    files.PutMacroData(bytes);
    MacroListEx macros;
    ASSERT_EQ(files.storage.LoadMacroData(macros), LoadResult::Loaded);
    ASSERT_EQ(macros.size(), 2u);
    EXPECT_EQ(macros[0]->iActionNum, 190);
    EXPECT_EQ(NameOf(macros[0]->szName), std::wstring(23, L'w'));
    EXPECT_EQ(macros[1]->iActionNum, 0);
}

// The page's start: macro indexes of pro.data never reach past the macro list it loaded.
TEST(Gen2Storage, ThePageLoadLeavesNoMacroIndexPastTheMacroList) {
    for (int iModel : kGen2Models) {
        SCOPED_TRACE(Name(iModel));
        ModelFiles files(iModel, L"page_load");
        auto pProfile = files.Default(L"First");
        const int32_t stored[] = {0, 1, 2, -1};
        for (int i = 0; i < 4; ++i) pProfile->stKeys[i].iMacroIndex = stored[i];
        files.PutProData(files.FileOf({pProfile.get()}, 0));
        std::vector<uint8_t> macroData = BytesOf(*Macro(L"M1", {Key(4, 1, 10)}));
        const std::vector<uint8_t> second = BytesOf(*Macro(L"M2", {Move(1, 1, 1)}));
        macroData.insert(macroData.end(), second.begin(), second.end());
        files.PutMacroData(macroData);

        ProfileListEx profiles;
        ProDataHeader header;
        MacroListEx macros;
        const PageDataLoad load = files.storage.LoadPageData(profiles, header, macros);
        EXPECT_EQ(load.eProfiles, LoadResult::Loaded);
        EXPECT_EQ(load.eMacros, LoadResult::Loaded);
        ASSERT_EQ(macros.size(), 2u);
        const int32_t expected[] = {0, 1, -1, -1};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(profiles[0]->stKeys[i].iMacroIndex, expected[i]) << "button " << i + 1;
    }
}

// A page serialises under its own lock and writes outside it: the bytes are the file's, and the
// writer takes nothing but a header and whole records.
TEST(Gen2Storage, SavingInTwoSteps) {
    ModelFiles files(13, L"two_steps");
    ProfileListEx profiles;
    ProDataHeader header;
    ASSERT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
    const std::vector<uint8_t> before = ReadBytes(files.ProData());
    profiles.push_back(files.Default(L"Second"));
    const std::vector<uint8_t> bytes = files.storage.SerializeProData(profiles, header);
    ASSERT_EQ(bytes.size(), kHeader + 2 * kRecord);
    EXPECT_EQ(ReadBytes(files.ProData()), before);  // serialising writes nothing
    for (const size_t uSize : {size_t{0}, kHeader, kHeader + kRecord - 1, kHeader + 2 * kRecord + 1}) {
        std::vector<uint8_t> cut = bytes;
        cut.resize(uSize);
        EXPECT_FALSE(files.storage.WriteProDataBytes(cut)) << uSize;
        EXPECT_EQ(ReadBytes(files.ProData()), before) << uSize;
    }
    EXPECT_TRUE(files.storage.SerializeProData(ProfileListEx{}, header).empty());
    ASSERT_TRUE(files.storage.WriteProDataBytes(bytes));
    EXPECT_EQ(ReadBytes(files.ProData()), bytes);

    MacroListEx macros;
    macros.push_back(Macro(L"M", {Key(4, 1, 10)}));
    std::vector<uint8_t> macroBytes = files.storage.SerializeMacroData(macros);
    ASSERT_EQ(macroBytes.size(), 3096u);
    macroBytes.push_back(0);
    EXPECT_FALSE(files.storage.WriteMacroDataBytes(macroBytes));
    EXPECT_FALSE(FileExists(files.MacroData()));
    macroBytes.pop_back();
    EXPECT_TRUE(files.storage.WriteMacroDataBytes(macroBytes));
    EXPECT_EQ(ReadBytes(files.MacroData()), macroBytes);
}

TEST(Gen2Storage, NewNamesAreNumberedAndFitTheirFields) {
    ModelFiles files(11, L"names");
    ProfileListEx profiles;
    profiles.push_back(files.Default(L"Profile2"));
    EXPECT_EQ(NameOf(files.storage.AddDefaultProfile(profiles)->szName), L"Profile2_1");
    EXPECT_FALSE(FileExists(files.ProData()));  // adding does not save

    const std::wstring strLong(99, L'p');
    profiles.push_back(files.Default(strLong));
    const std::wstring strUnique = MakeUniqueName(profiles, strLong);
    EXPECT_EQ(strUnique, std::wstring(97, L'p') + L"_1");
    MacroListEx macros;
    macros.push_back(Macro(std::wstring(23, L'm'), {}));
    EXPECT_EQ(MakeUniqueName(macros, std::wstring(30, L'M')), std::wstring(21, L'M') + L"_1");
}

TEST(Gen2Storage, FindKeyMacroExComparesEveryByteOfEachAction) {
    MacroListEx macros;
    macros.push_back(Macro(L"Other", {Key(4, 1, 10)}));
    macros.push_back(Macro(L"Fire", {Key(4, 1, 10), Move(-3, 4, 300)}));
    macros.push_back(Macro(L"fire", {Key(9, 1, 10)}));
    KeyEntryEx entry{};
    CarryActions(entry, kFunctionMacro, L"FIRE", macros[1]->stActions, 2);

    int iIndex = -1, bEqual = -7;
    EXPECT_EQ(FindKeyMacroEx(macros, entry, &iIndex, &bEqual), 1);
    EXPECT_EQ(iIndex, 1);  // the first of that name counts, without regard to case
    EXPECT_EQ(bEqual, 1);

    const struct {
        const char* pszCase;
        void (*change)(KeyEntryEx&);
    } rows[] = {
        {"reserved byte 0", [](KeyEntryEx& e) { e.stActions[1].byReserved1 = 1; }},
        {"reserved byte 3", [](KeyEntryEx& e) { e.stActions[0].byReserved2 = 1; }},
        {"reserved bytes 6 and 7", [](KeyEntryEx& e) { e.stActions[1].wReserved3 = 0x100; }},
        {"the move's Y", [](KeyEntryEx& e) { e.stActions[1].iY = 5; }},
        {"the count", [](KeyEntryEx& e) { e.wActionNum = 1; }},
    };
    for (const auto& row : rows) {
        KeyEntryEx changed = entry;
        row.change(changed);
        iIndex = -1;
        bEqual = -7;
        EXPECT_EQ(FindKeyMacroEx(macros, changed, &iIndex, &bEqual), 0) << row.pszCase;
        EXPECT_EQ(iIndex, 1) << row.pszCase;
        EXPECT_EQ(bEqual, 0) << row.pszCase;
    }
    // An action past the count does not count.
    KeyEntryEx past = entry;
    past.stActions[2] = Key(7, 1, 7);
    EXPECT_EQ(FindKeyMacroEx(macros, past, &iIndex, &bEqual), 1);

    CopyName(entry.szMacroName, L"Nothing");
    iIndex = -1;
    bEqual = -7;
    EXPECT_EQ(FindKeyMacroEx(macros, entry, &iIndex, &bEqual), 0);
    EXPECT_EQ(std::make_pair(iIndex, bEqual), std::make_pair(-1, -7));
    EXPECT_EQ(FindKeyMacroEx(MacroListEx{}, entry, &iIndex, &bEqual), 0);
    EXPECT_EQ(std::make_pair(iIndex, bEqual), std::make_pair(-1, -7));
}

}  // namespace
