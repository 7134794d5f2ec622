// The program and data folders, seen from this test program and from copies of a small probe
// program run from fresh folders (one of them deeper than MAX_PATH).
#include "core/util/folders.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string Narrow(const std::wstring& str) { return std::string(str.begin(), str.end()); }

// Extended-length form, so the test itself can make and remove folders of any depth.
std::wstring Long(const std::wstring& strPath) { return L"\\\\?\\" + strPath; }

bool IsDirectory(const std::wstring& strPath) {
    const DWORD dwAttributes = GetFileAttributesW(Long(strPath).c_str());
    return dwAttributes != INVALID_FILE_ATTRIBUTES && (dwAttributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& strFolder) {
    WIN32_FIND_DATAW findData{};
    const HANDLE hFind = FindFirstFileW(Long(strFolder + L"\\*").c_str(), &findData);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring strName = findData.cFileName;
            if (strName == L"." || strName == L"..") continue;
            const std::wstring strPath = strFolder + L"\\" + strName;
            if (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(strPath);
            } else {
                DeleteFileW(Long(strPath).c_str());
            }
        } while (FindNextFileW(hFind, &findData));
        FindClose(hFind);
    }
    RemoveDirectoryW(Long(strFolder).c_str());
}

// A fresh folder under %TEMP%, removed with everything in it at the end of the test.
class TempFolders : public ::testing::Test {
protected:
    void SetUp() override {
        wchar_t szTemp[MAX_PATH + 1] = {};
        ASSERT_GT(GetTempPathW(MAX_PATH + 1, szTemp), 0u);
        m_strRoot = std::wstring(szTemp) + L"util_probe_" + std::to_wstring(GetCurrentProcessId());
        RemoveTree(m_strRoot);
        ASSERT_TRUE(CreateDirectoryW(Long(m_strRoot).c_str(), nullptr));
    }
    void TearDown() override { RemoveTree(m_strRoot); }

    // Makes the folders of `strRelative` below the root and copies a file of this program's
    // folder there; returns the folder.
    std::wstring PlaceCopy(const std::wstring& strRelative, const std::wstring& strFile) {
        std::wstring strFolder = m_strRoot;
        size_t uStart = 0;
        while (uStart < strRelative.size()) {
            const size_t uEnd = std::min(strRelative.find(L'\\', uStart), strRelative.size());
            strFolder += L"\\" + strRelative.substr(uStart, uEnd - uStart);
            CreateDirectoryW(Long(strFolder).c_str(), nullptr);
            uStart = uEnd + 1;
        }
        EXPECT_TRUE(CopyFileW(Long(GetExeFolder() + strFile).c_str(), Long(strFolder + L"\\" + strFile).c_str(), FALSE));
        return strFolder + L"\\";
    }

    // Runs the probe of a folder; its report: program folder, data folder, data folder again.
    std::vector<std::wstring> RunProbe(const std::wstring& strFolder) {
        const std::wstring strReport = m_strRoot + L"\\report.txt";
        std::wstring strCommand = L"\"" + strFolder + L"util_folder_probe.exe\" \"" + strReport + L"\"";
        STARTUPINFOW startup{};
        startup.cb = sizeof(startup);
        PROCESS_INFORMATION process{};
        const std::wstring strExe = strFolder + L"util_folder_probe.exe";
        if (!CreateProcessW(strExe.c_str(), strCommand.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                            &process)) {
            ADD_FAILURE() << "cannot start the probe: error " << GetLastError();
            return {};
        }
        // A bound for a broken run, not a timing: the probe ends at once.
        EXPECT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
        DWORD dwExit = 99;
        GetExitCodeProcess(process.hProcess, &dwExit);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
        EXPECT_EQ(dwExit, 0u);
        return ReadLines(strReport);
    }

    static std::vector<std::wstring> ReadLines(const std::wstring& strPath) {
        const HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (hFile == INVALID_HANDLE_VALUE) return {};
        std::wstring strText(GetFileSize(hFile, nullptr) / sizeof(wchar_t), L'\0');
        DWORD dwRead = 0;
        ReadFile(hFile, strText.data(), DWORD(strText.size() * sizeof(wchar_t)), &dwRead, nullptr);
        CloseHandle(hFile);
        std::vector<std::wstring> lines;
        for (size_t uStart = 0, uEnd; (uEnd = strText.find(L'\n', uStart)) != std::wstring::npos; uStart = uEnd + 1)
            lines.push_back(strText.substr(uStart, uEnd - uStart));
        return lines;
    }

    std::wstring m_strRoot;
};

TEST(GetExeFolder, IsTheFolderThePluginsAreLoadedFrom) {
    const std::wstring strFolder = GetExeFolder();
    ASSERT_FALSE(strFolder.empty());
    EXPECT_EQ(strFolder.back(), L'\\');
    EXPECT_NE(GetFileAttributesW((strFolder + L"Hook.dll").c_str()), INVALID_FILE_ATTRIBUTES) << Narrow(strFolder);
    EXPECT_EQ(GetModuleFolder(nullptr), strFolder);
}

TEST(GetDataFolder, IsDataBesideThisProgramAndExists) {
    const std::wstring strData = GetDataFolder();
    EXPECT_EQ(strData, GetExeFolder() + L"Data\\");
    EXPECT_TRUE(IsDirectory(strData.substr(0, strData.size() - 1)));
    EXPECT_EQ(GetDataFolder(), strData);
}

TEST_F(TempFolders, DataIsCreatedBesideTheProgramOnTheFirstCall) {
    const std::wstring strFolder = PlaceCopy(L"app", L"util_folder_probe.exe");
    ASSERT_FALSE(IsDirectory(strFolder + L"Data"));
    const std::vector<std::wstring> report = RunProbe(strFolder);
    ASSERT_EQ(report.size(), 3u);
    EXPECT_EQ(report[0], strFolder);
    EXPECT_EQ(report[1], strFolder + L"Data\\");
    EXPECT_EQ(report[2], report[1]) << "every call gives the same path";
    EXPECT_TRUE(IsDirectory(strFolder + L"Data"));

    // An existing Data folder, and what is in it, is left as it is.
    const std::wstring strSettings = strFolder + L"Data\\CONFIG.ini";
    ASSERT_TRUE(WritePrivateProfileStringW(L"SETTING", L"lanId", L"3", strSettings.c_str()));
    EXPECT_EQ(RunProbe(strFolder), report);
    EXPECT_EQ(GetPrivateProfileIntW(L"SETTING", L"lanId", 0, strSettings.c_str()), 3u);
}

// Wine cannot start a program from a folder deeper than MAX_PATH, so the deep folder holds a
// plug-in library instead; the program folder is found from a module's file name either way.
TEST_F(TempFolders, PathsLongerThanMaxPathAreNotCut) {
    std::wstring strDeep;
    for (int i = 0; i < 8; ++i) strDeep += L"a_rather_long_folder_name_number_" + std::to_wstring(i) + L"\\";
    strDeep += L"app";
    const std::wstring strFolder = PlaceCopy(strDeep, L"Hook.dll");
    ASSERT_GT(strFolder.size(), size_t(MAX_PATH));

    const HMODULE hModule = LoadLibraryW((strFolder + L"Hook.dll").c_str());
    ASSERT_NE(hModule, nullptr) << GetLastError();
    EXPECT_EQ(GetModuleFolder(hModule), strFolder);
    FreeLibrary(hModule);

    ASSERT_FALSE(IsDirectory(strFolder + L"Data"));
    EXPECT_EQ(DataFolderBeside(strFolder), strFolder + L"Data\\");
    EXPECT_TRUE(IsDirectory(strFolder + L"Data"));
    EXPECT_EQ(DataFolderBeside(strFolder), strFolder + L"Data\\");
}

}  // namespace
