// Damaged pro.data and macro.data over several runs: every damaged original stays kept under a
// name of its own, a file that cannot be kept is never replaced, and the save after a dropped
// tail leaves whole records only.
#include "gen1_storage_fixture.h"
#include "record_file.h"

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

}  // namespace
