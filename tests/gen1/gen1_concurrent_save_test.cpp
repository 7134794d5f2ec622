// Several storage objects on one data folder (the page, the macro editor, the picker) saving from
// several threads at once: every save succeeds and the files hold one whole save each.
#include "models/data/file_lock.h"
#include "tests/gen1/gen1_storage_fixture.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>
#include <vector>

using namespace gen1test;

namespace {

// A small file written beside the data file, to probe whether a replace of it could succeed.
bool WriteFileAtomicallyForTest(const std::wstring& strPath) {
    HANDLE h = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return false;
    DWORD dwWritten = 0;
    const BOOL bOk = WriteFile(h, "x", 1, &dwWritten, nullptr);
    CloseHandle(h);
    return bOk != FALSE;
}

constexpr int kThreadsPerObject = 3;
constexpr int kSavesPerThread = 8;

std::set<std::wstring> FilesIn(const std::wstring& strFolder) {
    std::set<std::wstring> names;
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW((strFolder + L"\\*").c_str(), &data);
    if (hFind == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring strName = data.cFileName;
        if (strName != L"." && strName != L"..") names.insert(strName);
    } while (FindNextFileW(hFind, &data));
    FindClose(hFind);
    return names;
}

// Every spelling of one file locks the same lock; another file locks its own.
TEST(Gen1ConcurrentSave, AFileIsLockedByItsFullPathWithoutRegardToCase) {
    wchar_t szCurrent[MAX_PATH] = {};
    ASSERT_NE(GetCurrentDirectoryW(MAX_PATH, szCurrent), 0u);
    const std::wstring strHere = szCurrent;
    const std::wstring strFile = strHere + L"\\Data\\ms_10\\pro.data";
    const struct {
        std::wstring strOther;
        bool bSame;
    } rows[] = {
        {L"Data\\ms_10\\pro.data", true},
        {strHere + L"\\DATA\\MS_10\\Pro.Data", true},
        {strHere + L"/Data/ms_10/pro.data", true},
        {strHere + L"\\Data\\x\\..\\ms_10\\.\\pro.data", true},
        {strHere + L"\\Data\\ms_10\\macro.data", false},
        {strHere + L"\\Data\\ms_1\\pro.data", false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(FileLock::KeyOf(row.strOther) == FileLock::KeyOf(strFile), row.bSame)
            << "row " << (&row - rows);
    }
}

TEST(Gen1ConcurrentSave, TwoStorageObjectsSavingOneFileFromManyThreadsAllSucceed) {
    for (int iModel : kGen1Models) {
        SCOPED_TRACE("MS_" + std::to_string(iModel));
        ModelFiles files(iModel, L"concurrent");
        // The same folder written another way: no trailing separator, other letter case.
        Gen1Storage other(files.model, files.scratch.Path() + L"\\DATA", Texts);
        ASSERT_EQ(FileLock::KeyOf(other.ProDataPath()), FileLock::KeyOf(files.ProData()));
        ProfileList firstStart;
        ProDataHeader firstHeader;
        ASSERT_EQ(files.storage.LoadProData(firstStart, firstHeader), LoadResult::Created);

        std::atomic<int> iFailedSaves{0};
        std::vector<std::thread> threads;
        for (Gen1Storage* pStorage : {&files.storage, &other}) {
            for (int t = 0; t < kThreadsPerObject; ++t) {
                const std::wstring strName = L"T" + std::to_wstring(threads.size());
                threads.emplace_back([&, pStorage, strName] {
                    ProfileList profiles;
                    profiles.push_back(files.Default(strName));
                    ProDataHeader header;
                    MacroList macros;
                    macros.push_back(Macro(strName, {{4, 1, 10}}));
                    for (int i = 0; i < kSavesPerThread; ++i) {
                        profiles[0]->iBrightness = i;
                        if (!pStorage->SaveProData(profiles, header)) ++iFailedSaves;
                        if (!pStorage->SaveMacroData(macros)) ++iFailedSaves;
                    }
                });
            }
        }
        for (std::thread& thread : threads) thread.join();
        EXPECT_EQ(iFailedSaves.load(), 0);

        // What is left is one thread's last save of each file, whole, and no temporary file.
        Gen1Storage reader(files.model, files.strDataFolder, Texts);
        ProfileList profiles;
        ProDataHeader header;
        ASSERT_EQ(reader.LoadProData(profiles, header), LoadResult::Loaded);
        ASSERT_EQ(profiles.size(), 1u);
        EXPECT_EQ(NameOf(profiles[0]->szName).substr(0, 1), L"T");
        EXPECT_EQ(profiles[0]->iBrightness, kSavesPerThread - 1);
        MacroList macros;
        ASSERT_EQ(reader.LoadMacroData(macros), LoadResult::Loaded);
        ASSERT_EQ(macros.size(), 1u);
        EXPECT_EQ(NameOf(macros[0]->szName).substr(0, 1), L"T");
        EXPECT_EQ(FilesIn(files.storage.ModelFolder()), (std::set<std::wstring>{L"macro.data", L"pro.data"}));
    }
}

// An antivirus or indexer holding pro.data open for a moment does not make a save fail.
TEST(Gen1ConcurrentSave, ASaveWhileAnotherHandleHoldsTheFileBrieflySucceeds) {
    ModelFiles files(10, L"held");
    ProfileList profiles;
    ProDataHeader header;
    ASSERT_EQ(files.storage.LoadProData(profiles, header), LoadResult::Created);
    profiles[0]->iBrightness = 3;

    // Another program opens the file without letting it be replaced...
    HANDLE hHeld = CreateFileW(files.ProData().c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    ASSERT_NE(hHeld, INVALID_HANDLE_VALUE);
    const std::wstring strProbe = files.ProData() + L".probe";
    ASSERT_TRUE(WriteFileAtomicallyForTest(strProbe));
    EXPECT_FALSE(MoveFileExW(strProbe.c_str(), files.ProData().c_str(), MOVEFILE_REPLACE_EXISTING))
        << "a replace fails while the handle is open";
    DeleteFileW(strProbe.c_str());
    // ...and closes it a moment later, while the save is trying.
    std::thread other([hHeld] {
        Sleep(150);
        CloseHandle(hHeld);
    });
    EXPECT_TRUE(files.storage.SaveProData(profiles, header));
    other.join();

    ProfileList reread;
    ASSERT_EQ(files.storage.LoadProData(reread, header), LoadResult::Loaded);
    EXPECT_EQ(reread[0]->iBrightness, 3);
    EXPECT_EQ(FilesIn(files.storage.ModelFolder()), (std::set<std::wstring>{L"pro.data"}));
}

// The page's text resolver may take the page's own lock: it never runs under a file lock.
TEST(Gen1ConcurrentSave, ThePagesTextResolverRunsWithoutAFileLockHeld) {
    ModelFiles files(10, L"resolver");
    const std::wstring strPath = files.ProData();
    std::atomic<int> iCalls{0}, iLockedElsewhere{0};
    auto resolve = [&](std::wstring_view strId) {
        ++iCalls;
        // Another thread must be able to take the file's lock right now.
        HANDLE hTaken = CreateEventW(nullptr, TRUE, FALSE, nullptr);
        std::thread probe([&] {
            const FileLock lock(strPath);
            SetEvent(hTaken);
        });
        if (WaitForSingleObject(hTaken, 2000) != WAIT_OBJECT_0) ++iLockedElsewhere;
        CloseHandle(hTaken);
        probe.detach();
        return Texts(strId);
    };
    Gen1Storage storage(files.model, files.strDataFolder + L"\\", resolve);
    ProfileList profiles;
    ProDataHeader header;
    EXPECT_EQ(storage.LoadProData(profiles, header), LoadResult::Created);
    EXPECT_EQ(NameOf(profiles[0]->szName), L"Profile1");
    MacroList macros;
    storage.AddMacroRecord(macros);
    EXPECT_GE(iCalls.load(), 2);
    EXPECT_EQ(iLockedElsewhere.load(), 0);
}

}  // namespace
