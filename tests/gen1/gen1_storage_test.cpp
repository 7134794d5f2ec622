// pro.data, macro.data and the exported records of the first-generation models, checked on disk: first
// start, byte-identical round trips, damaged files, unreadable files, imports and the macro lookup.
#include "models/data/gen1_frames.h"
#include "tests/gen1/gen1_storage_fixture.h"
#include "models/data/name_helpers.h"
#include "models/data/record_repair.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iterator>
#include <memory>
#include <string>

using namespace gen1test;

namespace {

// Where each layout keeps the fields a first start checks, and each model's own defaults.
struct FirstStartRow {
    int iModel;
    size_t uFileSize;
    size_t uSleepAt, uRateAt, uMotionSyncAt, uKeysAt;
    int32_t iFirstStage, iSixthStage, iRate, iMotionSync;
    uint8_t byButton9;
};
constexpr FirstStartRow kFirstStartRows[] = {
    {10, 197956, 2352, 2360, 2376, 2464, 4, 50, 3, 0, 52},
    {1, 197932, 2348, 2356, 2372, 2460, 8, 100, 3, 0, 52},
    {2, 197932, 2348, 2356, 2372, 2460, 8, 100, 3, 0, 52},
    {3, 197956, 2348, 2360, 2376, 2464, 8, 100, 6, 1, 52},
    {4, 197956, 2348, 2360, 2376, 2464, 8, 100, 6, 1, 0},
    {5, 197956, 2348, 2360, 2376, 2464, 8, 100, 3, 1, 0},
    {6, 197980, 2348, 2360, 2380, 2468, 8, 100, 3, 1, 0},
    {7, 197956, 2348, 2360, 2376, 2464, 8, 100, 3, 1, 0},
    {9, 197956, 2348, 2360, 2376, 2464, 8, 100, 3, 1, 0},
};

TEST(Gen1Storage, FirstStartWritesOneDefaultProfile) {
    ASSERT_EQ(std::size(kFirstStartRows), std::size(kGen1Models));
    for (const FirstStartRow& row : kFirstStartRows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel));
        ModelFiles files(row.iModel, L"first_start");
        ProfileList profiles;
        ProDataHeader header;
        header.iCurProfile = 7;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_EQ(header.iCurProfile, 0);
        EXPECT_EQ(NameOf(profiles[0]->szName), L"Profile1");
        EXPECT_FALSE(FileExists(files.MacroData()));

        const std::vector<uint8_t> file = ReadBytes(files.ProData());
        ASSERT_EQ(file.size(), files.HeaderSize() + files.RecordSize());
        EXPECT_EQ(file.size(), row.uFileSize);
        for (size_t i = 0; i < files.HeaderSize(); ++i) ASSERT_EQ(file[i], 0) << "header byte " << i;
        const size_t r = files.HeaderSize();
        EXPECT_EQ(file[r], 'P');
        EXPECT_EQ(IntAt(file, r + 2200), 420);
        EXPECT_EQ(IntAt(file, r + 2244), row.iFirstStage);   // 400 DPI
        EXPECT_EQ(IntAt(file, r + 2264), row.iSixthStage);  // 5,000 DPI
        EXPECT_EQ(IntAt(file, r + 2308), 1);
        EXPECT_EQ(IntAt(file, r + 2340), 8);
        EXPECT_EQ(IntAt(file, r + row.uSleepAt), 10);
        EXPECT_EQ(IntAt(file, r + row.uRateAt), row.iRate);
        EXPECT_EQ(IntAt(file, r + row.uMotionSyncAt), row.iMotionSync);
        const size_t k = r + row.uKeysAt;
        EXPECT_EQ(file[k + 0], 0);
        EXPECT_EQ(file[k + 1], 1);                           // left click
        EXPECT_EQ(file[k + 8] | (file[k + 9] << 8), 0x0232);
        EXPECT_EQ(IntAt(file, k + 1072), -1);
        EXPECT_EQ(IntAt(file, k + 1076), -1);
        EXPECT_EQ(file[k + 8 * 1272], 8);
        EXPECT_EQ(file[k + 8 * 1272 + 1], row.byButton9);
        EXPECT_EQ(file[k + 8 * 1272 + 2], 0);
        EXPECT_EQ(file[k + 17 * 1272 + 1], 12);
        for (size_t i = k + 18 * 1272; i < file.size(); ++i) ASSERT_EQ(file[i], 0) << "unused entries, byte " << i;
    }
}

TEST(Gen1Storage, ResetKeepsTheNameAndTheMoveModeOnly) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"reset");
        auto pProfile = files.Default(L"Mine");
        pProfile->iMoveMode = 1;
        pProfile->iReserved2[1] = 0x77;
        pProfile->iDpi[0] = 31;
        pProfile->iRate = 0;
        pProfile->dwDpiColor[3] = 0x123456;
        pProfile->stKeys[2].byFunction = 17;
        pProfile->stKeys[20].byFunction = 9;
        files.storage.SetDefaultProfile(*pProfile);
        EXPECT_EQ(NameOf(pProfile->szName), L"Mine");
        EXPECT_EQ(pProfile->iMoveMode, 1);
        EXPECT_EQ(pProfile->iReserved2[1], 0x77);
        const auto pFresh = files.Default(L"Mine");
        pFresh->iMoveMode = 1;
        pFresh->iReserved2[1] = 0x77;
        EXPECT_EQ(std::memcmp(pProfile.get(), pFresh.get(), sizeof(ProfileRecord)), 0);
        EXPECT_EQ(pProfile->stKeys[20].byFunction, 0);
        // Layout A (MS_1, MS_2) keeps no light-off time.
        EXPECT_EQ(pProfile->iLightOff, files.model.Info().eLayout == RecordLayout::Gen1A ? 0 : 2);
    }
}

TEST(Gen1Storage, ProfilesRoundTripByteForByte) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"round_trip");
        ProfileList profiles;
        for (int i = 0; i < 3; ++i) {
            profiles.push_back(files.Default(L"P" + std::to_wstring(i)));
            profiles.back()->iDpi[2] = 20 + i;
            profiles.back()->iBrightness = i;
            profiles.back()->stKeys[4].byFunction = 17;
            profiles.back()->stKeys[4].stActions[0] = {0x04, 1, static_cast<uint16_t>(100 + i)};
            profiles.back()->stKeys[4].wActionNum = 1;
        }
        ProDataHeader header;
        header.iCurProfile = 2;
        header.reserved.assign(files.HeaderSize() - 4, 0);
        for (size_t i = 0; i < header.reserved.size(); i += 97) header.reserved[i] = static_cast<uint8_t>(i);
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        const std::vector<uint8_t> first = ReadBytes(files.ProData());
        ASSERT_EQ(first.size(), files.HeaderSize() + 3 * files.RecordSize());
        EXPECT_FALSE(FileExists(files.ProData() + L".tmp"));

        ProfileList loaded;
        ProDataHeader loadedHeader;
        ASSERT_EQ(files.storage.LoadProData(loaded, loadedHeader), LoadResult::Loaded);
        ASSERT_EQ(loaded.size(), 3u);
        EXPECT_EQ(loadedHeader.iCurProfile, 2);
        EXPECT_EQ(loadedHeader.reserved, header.reserved);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(std::memcmp(loaded[i].get(), profiles[i].get(), sizeof(ProfileRecord)), 0) << i;

        // Bytes nothing reads (the extra strings, reserved words) travel unchanged as well.
        std::vector<uint8_t> scribbled = first;
        for (size_t r = 0; r < 3; ++r) {
            const size_t uAt = files.HeaderSize() + r * files.RecordSize();
            for (size_t i = 200; i < 2200; ++i) scribbled[uAt + i] = static_cast<uint8_t>(i * 13 + r);
            for (size_t i = 2216; i < 2224; ++i) scribbled[uAt + i] = 0xC3;
        }
        files.PutProData(scribbled);
        ProfileList again;
        ProDataHeader againHeader;
        ASSERT_EQ(files.storage.LoadProData(again, againHeader), LoadResult::Loaded);
        ASSERT_TRUE(files.storage.SaveProData(again, againHeader));
        EXPECT_EQ(ReadBytes(files.ProData()), scribbled);
    }
}

// Damaged files each leave a whole profile and a valid index, with the damaged original kept.
TEST(Gen1Storage, DamagedProDataIsRepaired) {
    for (int iModel : kGen1Models) {
        ModelFiles files(iModel, L"damaged");
        const auto pA = files.Default(L"A");
        const auto pB = files.Default(L"B");
        const std::vector<uint8_t> two = files.FileOf({pA.get(), pB.get()}, 1);
        const size_t uHeader = files.HeaderSize();
        const size_t uRecord = files.RecordSize();
        auto Cut = [&](size_t uSize) { return std::vector<uint8_t>(two.begin(), two.begin() + static_cast<ptrdiff_t>(uSize)); };
        auto Grow = [&](size_t uExtra) {
            std::vector<uint8_t> bytes = two;
            bytes.resize(two.size() + uExtra, 0x33);
            return bytes;
        };
        auto WithIndex = [&](int32_t iCur) {
            std::vector<uint8_t> bytes = two;
            std::memcpy(bytes.data(), &iCur, 4);
            return bytes;
        };
        const struct {
            const char* pszCase;
            std::vector<uint8_t> bytes;
            LoadResult eResult;
            size_t uProfiles;
            int32_t iCurProfile;
            Aside eAside;
        } rows[] = {
            {"empty", {}, LoadResult::Replaced, 1, 0, Aside::Moved},
            {"shorter than the header", Cut(100), LoadResult::Replaced, 1, 0, Aside::Moved},
            {"header only", Cut(uHeader), LoadResult::Replaced, 1, 0, Aside::Moved},
            {"header and half a record", Cut(uHeader + uRecord / 2), LoadResult::Replaced, 1, 0, Aside::Moved},
            {"one record and a partial one", Cut(uHeader + uRecord + 10), LoadResult::TailDropped, 1, 0, Aside::Copied},
            {"one record and most of another", Cut(uHeader + uRecord * 2 - 1), LoadResult::TailDropped, 1, 0, Aside::Copied},
            {"two records and a partial one", Grow(10), LoadResult::TailDropped, 2, 1, Aside::Copied},
            {"index past the end", WithIndex(2), LoadResult::Loaded, 2, 0, Aside::None},
            {"negative index", WithIndex(-1), LoadResult::Loaded, 2, 0, Aside::None},
            {"last index", WithIndex(1), LoadResult::Loaded, 2, 1, Aside::None},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + row.pszCase);
            DeleteFileW((files.ProData() + L".bad").c_str());
            files.PutProData(row.bytes);
            ProfileList profiles;
            ProDataHeader header;
            EXPECT_EQ(files.storage.LoadProData(profiles, header), row.eResult);
            ASSERT_EQ(profiles.size(), row.uProfiles);
            EXPECT_EQ(header.iCurProfile, row.iCurProfile);
            EXPECT_EQ(header.reserved.size(), uHeader - 4);
            const std::wstring strBad = files.ProData() + L".bad";
            switch (row.eAside) {
                case Aside::None: EXPECT_FALSE(FileExists(strBad)); break;
                case Aside::Moved:
                    EXPECT_TRUE(FileExists(strBad));
                    EXPECT_EQ(ReadBytes(strBad), row.bytes);
                    EXPECT_EQ(NameOf(profiles[0]->szName), L"Profile1");
                    EXPECT_EQ(ReadBytes(files.ProData()).size(), uHeader + uRecord);  // a fresh default file
                    break;
                case Aside::Copied:
                    EXPECT_TRUE(FileExists(strBad));
                    EXPECT_EQ(ReadBytes(strBad), row.bytes);
                    EXPECT_EQ(ReadBytes(files.ProData()), row.bytes);  // rewritten by the next save only
                    EXPECT_EQ(NameOf(profiles[0]->szName), L"A");
                    break;
            }
        }
    }
}

TEST(Gen1Storage, LoadedValuesAreBroughtIntoRange) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"clamps");
        auto pBad = files.Default(L"");
        for (wchar_t& ch : pBad->szName) ch = L'x';
        pBad->iCurDpi = 9;
        pBad->iRate = 9;
        pBad->iLightMode = 40;
        pBad->iLiftOff = -1;
        pBad->iRipple = 7;
        pBad->iAngleSnap = 2;
        pBad->iMotionSync = 100;
        pBad->iDpi[0] = 100000;
        pBad->iDpi[1] = -5;
        pBad->iDpi2[2] = 999999;
        pBad->iDpiEnable[3] = 3;
        KeyEntry& entry = pBad->stKeys[2];
        entry.byFunction = 17;
        entry.wActionNum = 300;
        entry.iLoopMode = 9;
        entry.iMacroIndex = -20;
        for (wchar_t& ch : entry.szMacroName) ch = L'm';
        files.PutProData(files.FileOf({pBad.get()}, 0));

        ProfileList profiles;
        ProDataHeader header;
        ASSERT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Loaded);
        const ProfileRecord& p = *profiles[0];
        EXPECT_EQ(NameOf(p.szName), std::wstring(99, L'x'));
        EXPECT_EQ(p.iCurDpi, 7);
        EXPECT_EQ(p.iRate, files.model.iRateCount - 1);
        EXPECT_EQ(p.iLightMode, files.model.iLightModeCount - 1);
        EXPECT_EQ(p.iLiftOff, 0);
        EXPECT_EQ(p.iRipple, 1);
        EXPECT_EQ(p.iAngleSnap, 1);
        EXPECT_EQ(p.iMotionSync, 1);
        EXPECT_EQ(p.iDpi[0], files.model.iDpiValueMax);
        EXPECT_EQ(p.iDpi[1], files.model.iDpiValueMin);
        EXPECT_EQ(p.iDpi2[2], files.model.iDpiValueMax);
        EXPECT_EQ(p.iDpi[6], 0);  // a stage without DPI stays so
        EXPECT_EQ(p.iDpiEnable[3], 0);
        EXPECT_EQ(p.stKeys[2].wActionNum, kMacroActionMax);
        EXPECT_EQ(p.stKeys[2].iLoopMode, 2);
        EXPECT_EQ(p.stKeys[2].iMacroIndex, -1);
        EXPECT_EQ(NameOf(p.stKeys[2].szMacroName), std::wstring(23, L'm'));
        // The macro frame built from it stays inside its frame.
        const FrameBytes frame = BuildMacroReport(files.model, 3, p.stKeys[2]);
        ASSERT_EQ(frame.size(), files.model.macroFrame.byLength);
        EXPECT_EQ(frame[files.model.macroFrame.byCountAt], kMacroActionMax);
    }
}

TEST(Gen1Storage, AnUnreadableProDataIsNeverSavedOver) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"locked");
        const auto pA = files.Default(L"Precious");
        const std::vector<uint8_t> original = files.FileOf({pA.get()}, 0);
        files.PutProData(original);
        HANDLE hLock = CreateFileW(files.ProData().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        ASSERT_NE(hLock, INVALID_HANDLE_VALUE);

        ProfileList profiles;
        ProDataHeader header;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Unreadable);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_EQ(header.iCurProfile, 0);
        EXPECT_EQ(NameOf(profiles[0]->szName), L"Profile1");
        CloseHandle(hLock);
        EXPECT_FALSE(files.storage.SaveProData(profiles, header));  // even once the file is free again
        EXPECT_EQ(ReadBytes(files.ProData()), original);
        EXPECT_FALSE(FileExists(files.ProData() + L".bad"));
    }
}

TEST(Gen1Storage, AFailedSaveLeavesTheFileAsItWas) {
    ModelFiles files(10, L"failed_save");
    ProfileList profiles;
    ProDataHeader header;
    ASSERT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
    const std::vector<uint8_t> before = ReadBytes(files.ProData());
    ASSERT_TRUE(CreateDirectoryW((files.ProData() + L".tmp").c_str(), nullptr));  // the temporary file cannot be made
    profiles[0]->iBrightness = 1;
    EXPECT_FALSE(files.storage.SaveProData(profiles, header));
    EXPECT_EQ(ReadBytes(files.ProData()), before);
    RemoveDirectoryW((files.ProData() + L".tmp").c_str());
    EXPECT_TRUE(files.storage.SaveProData(profiles, header));
    EXPECT_NE(ReadBytes(files.ProData()), before);
    EXPECT_FALSE(files.storage.SaveProData(ProfileList{}, header));  // a file without a profile is never written
}

TEST(Gen1Storage, AddDefaultProfileNumbersAndMakesUnique) {
    ModelFiles files(2, L"add_profile");
    ProfileList profiles;
    profiles.push_back(files.Default(L"Profile3"));
    profiles.push_back(files.Default(L"profile3_1"));
    ProfileRecord* pNew = files.storage.AddDefaultProfile(profiles);
    ASSERT_EQ(profiles.size(), 3u);
    EXPECT_EQ(pNew, profiles.back().get());
    EXPECT_EQ(NameOf(pNew->szName), L"Profile3_2");
    EXPECT_FALSE(FileExists(files.ProData()));  // adding does not save
}

TEST(Gen1Storage, MacrosRoundTripAndGetNames) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"macros");
        MacroList macros;
        EXPECT_EQ(files.storage.LoadMacroData(macros), LoadResult::Created);
        EXPECT_TRUE(macros.empty());
        EXPECT_FALSE(FileExists(files.MacroData()));

        MacroRecord* pFirst = files.storage.AddMacroRecord(macros);
        EXPECT_EQ(NameOf(pFirst->szName), L"Macro1");
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 240u);
        CopyName(pFirst->szName, L"macro2");
        EXPECT_EQ(NameOf(files.storage.AddMacroRecord(macros)->szName), L"Macro2_1");
        macros.push_back(Macro(L"Third", {{4, 1, 30}, {4, 2, 65535}}));
        macros.back()->iLoopCount = 5;
        ASSERT_TRUE(files.storage.SaveMacroData(macros));
        const std::vector<uint8_t> file = ReadBytes(files.MacroData());
        ASSERT_EQ(file.size(), 720u);
        EXPECT_EQ(std::vector<uint8_t>(file.begin() + 480, file.end()), BytesOf(*macros[2]));

        MacroList loaded;
        EXPECT_EQ(files.storage.LoadMacroData(loaded), LoadResult::Loaded);
        ASSERT_EQ(loaded.size(), 3u);
        for (size_t i = 0; i < 3; ++i) EXPECT_EQ(BytesOf(*loaded[i]), BytesOf(*macros[i])) << i;
        ASSERT_TRUE(files.storage.SaveMacroData(loaded));
        EXPECT_EQ(ReadBytes(files.MacroData()), file);

        ASSERT_TRUE(files.storage.SaveMacroData(MacroList{}));
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 0u);
        MacroList none;
        EXPECT_EQ(files.storage.LoadMacroData(none), LoadResult::Loaded);  // an empty list is a whole file
        EXPECT_TRUE(none.empty());
    }
}

TEST(Gen1Storage, DamagedMacroDataIsRepaired) {
    for (int iModel : kGen1Models) {
        ModelFiles files(iModel, L"damaged_macros");
        const auto pA = Macro(L"A", {{4, 1, 10}});
        auto pWild = Macro(L"", {{5, 1, 10}});
        pWild->iActionNum = 99;
        for (wchar_t& ch : pWild->szName) ch = L'w';
        auto pNegative = Macro(L"N", {});
        pNegative->iActionNum = -5;
        std::vector<uint8_t> two = BytesOf(*pA);
        const std::vector<uint8_t> wild = BytesOf(*pWild);
        two.insert(two.end(), wild.begin(), wild.end());
        std::vector<uint8_t> negative = BytesOf(*pNegative);
        const struct {
            const char* pszCase;
            std::vector<uint8_t> bytes;
            LoadResult eResult;
            size_t uMacros;
            Aside eAside;
        } rows[] = {
            {"less than a record", std::vector<uint8_t>(two.begin(), two.begin() + 100), LoadResult::Replaced, 0, Aside::Moved},
            {"two records and a partial one", [&] { auto b = two; b.resize(500, 0x44); return b; }(), LoadResult::TailDropped, 2,
             Aside::Copied},
            {"counts out of range", two, LoadResult::Loaded, 2, Aside::None},
            {"negative count", negative, LoadResult::Loaded, 1, Aside::None},
        };
        for (const auto& row : rows) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + row.pszCase);
            DeleteFileW((files.MacroData() + L".bad").c_str());
            files.PutMacroData(row.bytes);
            MacroList macros;
            EXPECT_EQ(files.storage.LoadMacroData(macros), row.eResult);
            ASSERT_EQ(macros.size(), row.uMacros);
            for (const auto& pMacro : macros) {
                EXPECT_GE(pMacro->iActionNum, 0);
                EXPECT_LE(pMacro->iActionNum, kMacroActionMax);
                EXPECT_LT(NameOf(pMacro->szName).size(), 24u);
            }
            if (row.uMacros == 2) {
                EXPECT_EQ(macros[1]->iActionNum, kMacroActionMax);
                EXPECT_EQ(NameOf(macros[1]->szName), std::wstring(23, L'w'));
            }
            const std::wstring strBad = files.MacroData() + L".bad";
            if (row.eAside == Aside::None) EXPECT_FALSE(FileExists(strBad));
            else EXPECT_EQ(ReadBytes(strBad), row.bytes);
            if (row.eAside == Aside::Moved) { EXPECT_FALSE(FileExists(files.MacroData())); }
            if (row.eAside == Aside::Copied) { EXPECT_EQ(ReadBytes(files.MacroData()), row.bytes); }
        }
    }
}

TEST(Gen1Storage, AnUnreadableMacroDataIsNeverSavedOver) {
    ModelFiles files(1, L"locked_macros");
    const std::vector<uint8_t> original = BytesOf(*Macro(L"Keep", {{4, 1, 10}}));
    files.PutMacroData(original);
    HANDLE hLock = CreateFileW(files.MacroData().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(hLock, INVALID_HANDLE_VALUE);
    MacroList macros;
    EXPECT_EQ(files.storage.LoadMacroData(macros), LoadResult::Unreadable);
    EXPECT_TRUE(macros.empty());
    CloseHandle(hLock);
    files.storage.AddMacroRecord(macros);
    EXPECT_EQ(macros.size(), 1u);
    EXPECT_EQ(ReadBytes(files.MacroData()), original);
}

TEST(Gen1Storage, FindKeyMacroMatchesNameAndActions) {
    MacroList macros;
    macros.push_back(Macro(L"Other", {{4, 1, 10}}));
    macros.push_back(Macro(L"Fire", {{4, 1, 10}, {4, 2, 1300}}));
    macros.push_back(Macro(L"fire", {{9, 1, 10}}));
    KeyEntry entry{};
    CopyName(entry.szMacroName, L"FIRE");
    entry.stActions[0] = {4, 1, 10};
    entry.stActions[1] = {4, 2, 1300};
    entry.wActionNum = 2;

    int iIndex = -1, bEqual = -7;
    EXPECT_EQ(FindKeyMacro(macros, entry, &iIndex, &bEqual), 1);
    EXPECT_EQ(iIndex, 1);  // the first of that name counts
    EXPECT_EQ(bEqual, 1);

    entry.stActions[1].wDelay = 1301;
    iIndex = -1;
    EXPECT_EQ(FindKeyMacro(macros, entry, &iIndex, &bEqual), 0);
    EXPECT_EQ(iIndex, 1);
    EXPECT_EQ(bEqual, 0);

    entry.stActions[1].wDelay = 1300;
    entry.wActionNum = 1;
    bEqual = -7;
    EXPECT_EQ(FindKeyMacro(macros, entry, &iIndex, &bEqual), 0);
    EXPECT_EQ(bEqual, 0);

    CopyName(entry.szMacroName, L"Nothing");
    iIndex = -1;
    bEqual = -7;
    EXPECT_EQ(FindKeyMacro(macros, entry, &iIndex, &bEqual), 0);
    EXPECT_EQ(iIndex, -1);
    EXPECT_EQ(bEqual, -7);
    EXPECT_EQ(FindKeyMacro(MacroList{}, entry, &iIndex, &bEqual), 0);
    EXPECT_EQ(iIndex, -1);
    EXPECT_EQ(bEqual, -7);
}

TEST(Gen1Storage, ProfileExportAndImport) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"profile_import");
        auto pSource = files.Default(L"X");
        for (int k : {2, 4}) {  // buttons 3 and 5 carry macros of one name
            KeyEntry& entry = pSource->stKeys[k];
            entry.byFunction = 17;
            CopyName(entry.szMacroName, L"M");
            entry.iLoopCount = 4 + k;
            entry.wActionNum = 2;
            entry.stActions[0] = {static_cast<uint8_t>(k), 1, 40};
            entry.stActions[1] = {static_cast<uint8_t>(k), 2, 2000};
            entry.iMacroIndex = 77;
        }
        pSource->stKeys[6].iMacroIndex = 55;  // not a macro button: taken as it is
        pSource->iCurDpi = 5;                // taken as it is (a value out of range refuses the file)
        const std::wstring strExport = files.scratch / L"x.pro";
        ASSERT_TRUE(files.storage.ExportProfile(*pSource, strExport));
        const std::vector<uint8_t> exported = ReadBytes(strExport);
        ASSERT_EQ(exported.size(), files.RecordSize());

        ProfileList profiles;
        profiles.push_back(files.Default(L"X"));
        MacroList macros;
        macros.push_back(Macro(L"m", {}));
        for (int iRound = 1; iRound <= 2; ++iRound) {
            ImportResult eResult = ImportResult::Unreadable;
            ProfileRecord* pImported = files.storage.ImportProfile(strExport, profiles, macros, &eResult);
            ASSERT_NE(pImported, nullptr);
            EXPECT_EQ(eResult, ImportResult::Imported);
            EXPECT_EQ(pImported, profiles.back().get());
            EXPECT_EQ(NameOf(pImported->szName), L"X_" + std::to_wstring(iRound));
            EXPECT_EQ(pImported->iCurDpi, 5);
            EXPECT_EQ(pImported->stKeys[6].iMacroIndex, 55);
            for (int k : {2, 4}) {
                const KeyEntry& entry = pImported->stKeys[k];
                ASSERT_GE(entry.iMacroIndex, 0);
                ASSERT_LT(static_cast<size_t>(entry.iMacroIndex), macros.size());
                const MacroRecord& macro = *macros[static_cast<size_t>(entry.iMacroIndex)];
                EXPECT_EQ(NameOf(macro.szName), NameOf(entry.szMacroName));
                EXPECT_EQ(macro.iLoopCount, 4 + k);
                EXPECT_EQ(macro.iActionNum, 2);
                EXPECT_EQ(std::memcmp(macro.stActions, entry.stActions, sizeof macro.stActions), 0);
            }
        }
        ASSERT_EQ(macros.size(), 5u);
        EXPECT_EQ(NameOf(macros[1]->szName), L"M_1");  // "M" itself is taken by "m"
        EXPECT_EQ(NameOf(macros[2]->szName), L"M_2");
        EXPECT_EQ(NameOf(macros[3]->szName), L"M_3");
        EXPECT_EQ(NameOf(macros[4]->szName), L"M_4");
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 5 * 240u);

        // Short files are refused and change nothing; a longer one gives its first record, unless it
        // is exactly another layout's record: four bytes more is the next layout's size on every
        // model but MS_6, whose layout is the longest of its generation.
        const size_t uRecord = files.RecordSize();
        const struct {
            size_t uSize;
            ImportResult eResult;
        } rows[] = {{0, ImportResult::TooShort}, {1, ImportResult::TooShort}, {uRecord - 1, ImportResult::TooShort},
                    {uRecord, ImportResult::Imported},
                    {uRecord + 4, iModel == 6 ? ImportResult::Imported : ImportResult::Foreign},
                    {uRecord + 12, ImportResult::Imported}, {uRecord * 2, ImportResult::Imported}};
        for (const auto& row : rows) {
            std::vector<uint8_t> bytes = exported;
            bytes.resize(row.uSize, 0x99);
            const std::wstring strFile = files.scratch / L"cut.pro";
            ASSERT_TRUE(WriteBytes(strFile, bytes));
            const size_t uProfiles = profiles.size();
            const size_t uMacros = macros.size();
            ImportResult eResult = ImportResult::Imported;
            ProfileRecord* pImported = files.storage.ImportProfile(strFile, profiles, macros, &eResult);
            EXPECT_EQ(eResult, row.eResult) << row.uSize << " bytes";
            EXPECT_EQ(pImported != nullptr, row.eResult == ImportResult::Imported);
            EXPECT_EQ(profiles.size(), uProfiles + (pImported != nullptr ? 1 : 0));
            EXPECT_EQ(macros.size(), uMacros + (pImported != nullptr ? 2 : 0));
        }
        ImportResult eMissing = ImportResult::Imported;
        EXPECT_EQ(files.storage.ImportProfile(files.scratch / L"none.pro", profiles, macros, &eMissing), nullptr);
        EXPECT_EQ(eMissing, ImportResult::Unreadable);
    }
}

// What the Bluetooth models keep besides the first start's common fields: MS_6's 4K rate after
// the rate, MS_7's and MS_9's light mode 7, which a reset brings back.
TEST(Gen1Storage, BluetoothModelsKeepTheirOwnDefaults) {
    const struct {
        int iModel;
        size_t uRateHsAt;  // 0: not stored
        size_t uLightModeAt;
        int32_t iLightMode;
    } rows[] = {{6, 2364, 2384, 0}, {7, 0, 2380, 7}, {9, 0, 2380, 7}};
    for (const auto& row : rows) {
        SCOPED_TRACE("MS_" + std::to_string(row.iModel));
        ModelFiles files(row.iModel, L"bluetooth_defaults");
        ProfileList profiles;
        ProDataHeader header;
        EXPECT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
        ASSERT_EQ(profiles.size(), 1u);
        const size_t r = files.HeaderSize();
        const std::vector<uint8_t> file = ReadBytes(files.ProData());
        EXPECT_EQ(IntAt(file, r + 2352), 2);  // iLightOff
        if (row.uRateHsAt != 0) {
            EXPECT_EQ(IntAt(file, r + row.uRateHsAt), 6);
        }
        EXPECT_EQ(IntAt(file, r + row.uLightModeAt), row.iLightMode);

        ProfileRecord& profile = *profiles[0];
        profile.iLightMode = 3;
        profile.iRate = 0;
        profile.iRateHs = 1;
        files.storage.SetDefaultProfile(profile);
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        const std::vector<uint8_t> reset = ReadBytes(files.ProData());
        EXPECT_EQ(IntAt(reset, r + row.uLightModeAt), row.iLightMode);
        EXPECT_EQ(IntAt(reset, r + 2360), 3);
        if (row.uRateHsAt != 0) {
            EXPECT_EQ(IntAt(reset, r + row.uRateHsAt), 6);
        }
    }
}

// A profile exported by a layout C model is four bytes short of MS_6's record: refused as another
// layout's export.
TEST(Gen1Storage, Ms6RefusesALayoutCProfile) {
    ModelFiles ms7(7, L"cross_7");
    ModelFiles ms6(6, L"cross_6");
    const std::wstring strFile = ms7.scratch / L"seven.pro";
    ASSERT_TRUE(ms7.storage.ExportProfile(*ms7.Default(L"Seven"), strFile));
    ASSERT_EQ(ReadBytes(strFile).size(), 32992u);
    ProfileList profiles;
    profiles.push_back(ms6.Default(L"Six"));
    MacroList macros;
    ImportResult eResult = ImportResult::Imported;
    EXPECT_EQ(ms6.storage.ImportProfile(strFile, profiles, macros, &eResult), nullptr);
    EXPECT_EQ(eResult, ImportResult::Foreign);
    EXPECT_EQ(profiles.size(), 1u);
}

// An MS_10 export read in MS_1's layout would be four bytes out of step from its light-off time
// on, though every value read stays inside MS_1's ranges: refused by its size.
TEST(Gen1Storage, AnMs10ProfileImportedOnMs1IsRefused) {
    ModelFiles ms10(10, L"cross_10");
    ModelFiles ms1(1, L"cross_1");
    auto pProfile = ms10.Default(L"Cross");
    pProfile->iSleep = 5;  // read as MS_1's current stage: kept valid so nothing is clamped
    for (KeyEntry& entry : pProfile->stKeys) entry.wParam = 0;
    // Read as MS_1's first button, the last colour's bytes would be a function without a row.
    for (uint32_t& dwColor : pProfile->dwColor2) dwColor = 0;
    const std::wstring strFile = ms10.scratch / L"cross.pro";
    ASSERT_TRUE(ms10.storage.ExportProfile(*pProfile, strFile));
    const std::vector<uint8_t> file = ReadBytes(strFile);
    ASSERT_EQ(file.size(), 32992u);
    auto pRead = Zeroed<ProfileRecord>();
    EXPECT_EQ(ms1.storage.ReadProfileFile(strFile, *pRead), ImportResult::Foreign);
    EXPECT_EQ(BytesOf(*pRead), BytesOf(*Zeroed<ProfileRecord>())) << "untouched";
}

TEST(Gen1Storage, MacroExportAndImport) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"macro_import");
        const auto pFire = Macro(L"Fire", {{4, 1, 10}, {4, 2, 2000}});
        const std::wstring strFile = files.scratch / L"fire.macro";
        ASSERT_TRUE(files.storage.ExportMacro(*pFire, strFile));
        EXPECT_EQ(ReadBytes(strFile), BytesOf(*pFire));

        auto pTooLong = Macro(L"Long", {});
        for (int i = 0; i < kMacroActionMax; ++i) pTooLong->stActions[i] = {4, 1, 2000};  // 92 pairs
        pTooLong->iActionNum = kMacroActionMax;
        auto pClamped = Macro(L"Many", {});
        for (int i = 0; i < kMacroActionMax; ++i) pClamped->stActions[i] = {4, 1, 10};
        pClamped->iActionNum = 70;

        MacroList macros;
        macros.push_back(Macro(L"fire", {}));
        testkit::ExpectMacroImports(files, macros, {
            {"exact", BytesOf(*pFire), ImportResult::Imported, L"Fire_1", 2},
            {"longer", [&] { auto b = BytesOf(*pFire); b.resize(1000, 0x55); return b; }(), ImportResult::Imported, L"Fire_2", 2},
            {"short", [&] { auto b = BytesOf(*pFire); b.resize(239); return b; }(), ImportResult::TooShort, nullptr, 0},
            {"empty", {}, ImportResult::TooShort, nullptr, 0},
            {"does not fit the frame", BytesOf(*pTooLong), ImportResult::DoesNotFit, nullptr, 0},
            {"count past the array", BytesOf(*pClamped), ImportResult::Damaged, nullptr, 0},
        });
        EXPECT_EQ(ReadBytes(files.MacroData()).size(), 240 * macros.size());
    }
}

TEST(Gen1Storage, MacroIndexesBeyondTheListAreDropped) {
    ModelFiles files(10, L"macro_index");
    auto pProfile = files.Default(L"P");
    pProfile->stKeys[0].iMacroIndex = 0;
    pProfile->stKeys[1].iMacroIndex = 2;
    pProfile->stKeys[2].iMacroIndex = 3;
    EXPECT_TRUE(ClampMacroIndexes(*pProfile, 3));
    EXPECT_EQ(pProfile->stKeys[0].iMacroIndex, 0);
    EXPECT_EQ(pProfile->stKeys[1].iMacroIndex, 2);
    EXPECT_EQ(pProfile->stKeys[2].iMacroIndex, -1);
    EXPECT_EQ(pProfile->stKeys[3].iMacroIndex, -1);
    EXPECT_FALSE(ClampMacroIndexes(*pProfile, 3));
}

}  // namespace
