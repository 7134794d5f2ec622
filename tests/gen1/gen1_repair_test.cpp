// Damaged pro.data and macro.data over several runs: every damaged original stays kept under a
// name of its own, a file that cannot be kept is never replaced, and the save after a dropped
// tail leaves whole records only.
#include "tests/gen1/gen1_storage_fixture.h"
#include "models/data/record_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace gen1test;

namespace {

enum class Damage { NoWholeRecord, PartialTail };

// One damaged data file of a model: its bytes, and what a load of it gives and keeps aside.
struct DamagedFile {
    const char* pszCase;
    bool bProfiles;  // pro.data, else macro.data
    Damage eDamage;
};

constexpr DamagedFile kDamagedFiles[] = {
    {"pro.data without a whole record", true, Damage::NoWholeRecord},
    {"pro.data with a partial tail", true, Damage::PartialTail},
    {"macro.data without a whole record", false, Damage::NoWholeRecord},
    {"macro.data with a partial tail", false, Damage::PartialTail},
};

// The file's bytes: one whole record (a profile "A" or a macro "A") and 10 bytes more, or the
// part of that before the first record ends.
std::vector<uint8_t> DamagedBytes(const ModelFiles& files, const DamagedFile& damaged) {
    std::vector<uint8_t> bytes;
    size_t uWhole = 0;
    if (damaged.bProfiles) {
        const auto pA = files.Default(L"A");
        bytes = files.FileOf({pA.get()}, 0);
        uWhole = files.HeaderSize() + files.RecordSize();
    } else {
        bytes = BytesOf(*Macro(L"A", {{4, 1, 10}}));
        uWhole = sizeof(MacroRecord);
    }
    bytes.resize(damaged.eDamage == Damage::PartialTail ? uWhole + 10 : uWhole - 10, 0x5A);
    return bytes;
}

std::wstring DataPath(const ModelFiles& files, const DamagedFile& damaged) {
    return damaged.bProfiles ? files.ProData() : files.MacroData();
}

void PutDamaged(const ModelFiles& files, const DamagedFile& damaged, const std::vector<uint8_t>& bytes) {
    if (damaged.bProfiles) files.PutProData(bytes);
    else files.PutMacroData(bytes);
}

// What the page holds after loading the file, and its save of that.
struct PageData {
    PageData(Gen1Storage& storage, const DamagedFile& damaged) : storage(storage), damaged(damaged) {
        eResult = damaged.bProfiles ? storage.LoadProData(profiles, header) : storage.LoadMacroData(macros);
    }
    size_t Records() const { return damaged.bProfiles ? profiles.size() : macros.size(); }
    std::wstring_view FirstName() const {
        return damaged.bProfiles ? NameOf(profiles.at(0)->szName) : NameOf(macros.at(0)->szName);
    }
    bool Save() { return damaged.bProfiles ? storage.SaveProData(profiles, header) : storage.SaveMacroData(macros); }

    Gen1Storage& storage;
    const DamagedFile& damaged;
    LoadResult eResult;
    ProfileList profiles;
    ProDataHeader header;
    MacroList macros;
};

TEST(Gen1Repair, EveryDamagedOriginalIsKeptUnderANameOfItsOwn) {
    for (int iModel : kGen1Models) {
        for (const DamagedFile& damaged : kDamagedFiles) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + damaged.pszCase);
            ModelFiles files(iModel, L"kept");
            const std::wstring strPath = DataPath(files, damaged);
            PutDamaged(files, damaged, {});
            // Copies kept by earlier runs.
            const std::vector<uint8_t> first(7, 0x01), second(9, 0x02);
            ASSERT_TRUE(WriteBytes(strPath + L".bad", first));
            ASSERT_TRUE(WriteBytes(strPath + L".bad1", second));

            const std::vector<uint8_t> bytes = DamagedBytes(files, damaged);
            for (const wchar_t* pszKept : {L".bad2", L".bad3"}) {
                PutDamaged(files, damaged, bytes);
                const PageData page(files.storage, damaged);
                EXPECT_EQ(page.eResult, damaged.eDamage == Damage::PartialTail ? LoadResult::TailDropped : LoadResult::Replaced);
                EXPECT_EQ(ReadBytes(strPath + pszKept), bytes);
                EXPECT_EQ(ReadBytes(strPath + L".bad"), first);
                EXPECT_EQ(ReadBytes(strPath + L".bad1"), second);
            }
            EXPECT_FALSE(FileExists(strPath + L".bad4"));
        }
    }
}

// With every aside name taken, nothing can be kept: the page runs on the whole records it read
// (else a default profile or no macro), and neither the load nor a save writes over the file.
TEST(Gen1Repair, ADamagedFileThatCannotBeKeptIsNeverWrittenOver) {
    for (int iModel : kGen1Models) {
        for (const DamagedFile& damaged : kDamagedFiles) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + damaged.pszCase);
            ModelFiles files(iModel, L"not_kept");
            const std::wstring strPath = DataPath(files, damaged);
            const std::vector<uint8_t> bytes = DamagedBytes(files, damaged);
            PutDamaged(files, damaged, bytes);
            for (int i = 0; i < kAsideNameCount; ++i) ASSERT_TRUE(WriteBytes(AsidePath(strPath, i), {0x0B}));

            PageData page(files.storage, damaged);
            EXPECT_EQ(page.eResult, LoadResult::Unreadable);
            const bool bTail = damaged.eDamage == Damage::PartialTail;
            ASSERT_EQ(page.Records(), bTail || damaged.bProfiles ? 1u : 0u);
            if (page.Records() != 0) {
                EXPECT_EQ(page.FirstName(), bTail ? L"A" : L"Profile1");
            }
            EXPECT_EQ(ReadBytes(strPath), bytes);
            EXPECT_FALSE(page.Save());
            EXPECT_EQ(ReadBytes(strPath), bytes);
            EXPECT_FALSE(FileExists(AsidePath(strPath, kAsideNameCount)));
            for (int i = 0; i < kAsideNameCount; ++i) ASSERT_EQ(ReadBytes(AsidePath(strPath, i)).size(), 1u);
        }
    }
}

// The page's save after a load that dropped a partial tail: the file holds the whole records
// read, byte for byte, and the damaged original stays kept.
TEST(Gen1Repair, TheSaveAfterADroppedTailWritesWholeRecordsOnly) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"after_tail");
        const auto pA = files.Default(L"A");
        auto pB = files.Default(L"B");
        pB->iBrightness = 3;
        std::vector<uint8_t> proData = files.FileOf({pA.get(), pB.get()}, 1, 0x21);
        const std::vector<uint8_t> wholeProData = proData;
        proData.resize(proData.size() + files.RecordSize() - 1, 0x5A);
        files.PutProData(proData);

        std::vector<uint8_t> macroData = BytesOf(*Macro(L"M1", {{4, 1, 10}}));
        const std::vector<uint8_t> second = BytesOf(*Macro(L"M2", {{5, 1, 2000}, {5, 2, 10}}));
        macroData.insert(macroData.end(), second.begin(), second.end());
        const std::vector<uint8_t> wholeMacroData = macroData;
        macroData.resize(macroData.size() + 239, 0x5A);
        files.PutMacroData(macroData);

        ProfileList profiles;
        ProDataHeader header;
        ASSERT_EQ(files.storage.LoadProData(profiles, header), LoadResult::TailDropped);
        MacroList macros;
        ASSERT_EQ(files.storage.LoadMacroData(macros), LoadResult::TailDropped);
        ASSERT_TRUE(files.storage.SaveProData(profiles, header));
        ASSERT_TRUE(files.storage.SaveMacroData(macros));

        EXPECT_EQ(ReadBytes(files.ProData()), wholeProData);
        EXPECT_EQ(ReadBytes(files.MacroData()), wholeMacroData);
        EXPECT_EQ(ReadBytes(files.ProData() + L".bad"), proData);
        EXPECT_EQ(ReadBytes(files.MacroData() + L".bad"), macroData);
    }
}

// The page's start loads both files and leaves no macro index of a button past the macro list,
// whatever state macro.data is in.
TEST(Gen1Repair, ThePageLoadLeavesNoMacroIndexPastTheMacroList) {
    enum class MacroFile { TwoMacros, Missing, OneAndATail, Locked };
    const struct {
        const char* pszCase;
        MacroFile eFile;
        LoadResult eMacros;
        size_t uMacros;
    } rows[] = {
        {"two macros", MacroFile::TwoMacros, LoadResult::Loaded, 2},
        {"no macro.data", MacroFile::Missing, LoadResult::Created, 0},
        {"one macro and a partial one", MacroFile::OneAndATail, LoadResult::TailDropped, 1},
        {"macro.data unreadable", MacroFile::Locked, LoadResult::Unreadable, 0},
    };
    for (int iModel : kGen1Models) {
        for (const auto& row : rows) {
            SCOPED_TRACE("MS_" + std::to_string(iModel) + ": " + row.pszCase);
            ModelFiles files(iModel, L"page_load");
            auto pFirst = files.Default(L"First");
            auto pSecond = files.Default(L"Second");
            const int32_t stored[] = {0, 1, 2, 7};  // indexes in the first profile's buttons 1 to 4
            for (int i = 0; i < 4; ++i) pFirst->stKeys[i].iMacroIndex = stored[i];
            pSecond->stKeys[9].iMacroIndex = 1;
            files.PutProData(files.FileOf({pFirst.get(), pSecond.get()}, 1));
            std::vector<uint8_t> macroData = BytesOf(*Macro(L"M1", {{4, 1, 10}}));
            const std::vector<uint8_t> second = BytesOf(*Macro(L"M2", {{5, 1, 10}}));
            macroData.insert(macroData.end(), second.begin(), second.end());
            if (row.eFile == MacroFile::OneAndATail) macroData.resize(300);
            if (row.eFile != MacroFile::Missing) files.PutMacroData(macroData);
            HANDLE hLock = INVALID_HANDLE_VALUE;
            if (row.eFile == MacroFile::Locked)
                hLock = CreateFileW(files.MacroData().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);

            ProfileList profiles;
            ProDataHeader header;
            MacroList macros;
            const PageDataLoad load = files.storage.LoadPageData(profiles, header, macros);
            if (hLock != INVALID_HANDLE_VALUE) CloseHandle(hLock);
            EXPECT_EQ(load.eProfiles, LoadResult::Loaded);
            EXPECT_EQ(load.eMacros, row.eMacros);
            ASSERT_EQ(macros.size(), row.uMacros);
            ASSERT_EQ(profiles.size(), 2u);
            EXPECT_EQ(header.iCurProfile, 1);
            for (int i = 0; i < 4; ++i) {
                const int32_t iExpected = static_cast<size_t>(stored[i]) < row.uMacros ? stored[i] : -1;
                EXPECT_EQ(profiles[0]->stKeys[i].iMacroIndex, iExpected) << "button " << i + 1;
            }
            EXPECT_EQ(profiles[1]->stKeys[9].iMacroIndex, row.uMacros > 1 ? 1 : -1);
            EXPECT_EQ(profiles[1]->stKeys[0].iMacroIndex, -1);
        }
    }
}

}  // namespace
