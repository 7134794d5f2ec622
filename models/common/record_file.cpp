#include "record_file.h"

#include "file_lock.h"
#include "util/file_handle.h"

#include <windows.h>

#include <iterator>

namespace {

constexpr LONGLONG kMaxFileBytes = 512LL * 1024 * 1024;  // far above any data file this program writes

// An antivirus or an indexer may hold the file open for a moment just when it is replaced; the
// replace is tried again a few times, a little later each time, before it counts as failed.
constexpr DWORD kReplaceRetryDelaysMs[] = {10, 30, 60, 120, 250, 500};

bool IsMomentaryConflict(DWORD dwError) {
    return dwError == ERROR_SHARING_VIOLATION || dwError == ERROR_ACCESS_DENIED || dwError == ERROR_LOCK_VIOLATION;
}

bool ReplaceWithRetries(const std::wstring& strTemp, const std::wstring& strPath) {
    for (size_t i = 0;; ++i) {
        if (MoveFileExW(strTemp.c_str(), strPath.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
            return true;
        if (i == std::size(kReplaceRetryDelaysMs) || !IsMomentaryConflict(GetLastError())) return false;
        Sleep(kReplaceRetryDelaysMs[i]);
    }
}

}  // namespace

ReadStatus ReadWholeFile(const std::wstring& strPath, std::vector<uint8_t>& bytes) {
    bytes.clear();
    FileHandle file(CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD dwError = GetLastError();
        return (dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND) ? ReadStatus::NotFound
                                                                                     : ReadStatus::Failed;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || size.QuadPart > kMaxFileBytes)
        return ReadStatus::Failed;
    bytes.resize(static_cast<size_t>(size.QuadPart));
    size_t uDone = 0;
    while (uDone < bytes.size()) {
        DWORD dwRead = 0;
        const DWORD dwWant = static_cast<DWORD>(bytes.size() - uDone);
        if (!ReadFile(file.Get(), bytes.data() + uDone, dwWant, &dwRead, nullptr) || dwRead == 0) {
            bytes.clear();
            return ReadStatus::Failed;
        }
        uDone += dwRead;
    }
    return ReadStatus::Ok;
}

bool WriteFileAtomically(const std::wstring& strPath, const std::vector<uint8_t>& bytes) {
    // The temporary name is fixed per file, so only one writer of the file may use it at a time.
    const FileLock lock(strPath);
    const std::wstring strTemp = strPath + L".tmp";
    bool bWritten = false;
    {
        FileHandle file(CreateFileW(strTemp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                    FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!file.Valid()) return false;
        size_t uDone = 0;
        bWritten = true;
        while (uDone < bytes.size()) {
            DWORD dwWritten = 0;
            const DWORD dwWant = static_cast<DWORD>(bytes.size() - uDone);
            if (!WriteFile(file.Get(), bytes.data() + uDone, dwWant, &dwWritten, nullptr) || dwWritten == 0) {
                bWritten = false;
                break;
            }
            uDone += dwWritten;
        }
        bWritten = bWritten && FlushFileBuffers(file.Get()) != FALSE;
        bWritten = file.Close() && bWritten;
    }
    if (bWritten && ReplaceWithRetries(strTemp, strPath)) return true;
    DeleteFileW(strTemp.c_str());
    return false;
}

bool EnsureFolder(const std::wstring& strFolder) {
    std::wstring strPath = strFolder;
    while (!strPath.empty() && (strPath.back() == L'\\' || strPath.back() == L'/')) strPath.pop_back();
    if (strPath.empty()) return false;
    const DWORD dwAttributes = GetFileAttributesW(strPath.c_str());
    if (dwAttributes != INVALID_FILE_ATTRIBUTES) return (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
    const size_t uSlash = strPath.find_last_of(L"\\/");
    if (uSlash != std::wstring::npos && uSlash > 0 && strPath[uSlash - 1] != L':')
        EnsureFolder(strPath.substr(0, uSlash));
    return CreateDirectoryW(strPath.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

std::wstring JoinPath(const std::wstring& strFolder, const std::wstring& strName) {
    if (strFolder.empty()) return strName;
    if (strFolder.back() == L'\\' || strFolder.back() == L'/') return strFolder + strName;
    return strFolder + L"\\" + strName;
}

std::wstring AsidePath(const std::wstring& strPath, int iNumber) {
    return iNumber == 0 ? strPath + L".bad" : strPath + L".bad" + std::to_wstring(iNumber);
}

namespace {

// Tries keep(aside name) on each free aside name in turn. A name taken between the look and the
// attempt moves on to the next; any other failure ends the search.
template <class Keep>
bool KeepAside(const std::wstring& strPath, Keep keep) {
    for (int i = 0; i < kAsideNameCount; ++i) {
        const std::wstring strAside = AsidePath(strPath, i);
        if (GetFileAttributesW(strAside.c_str()) != INVALID_FILE_ATTRIBUTES) continue;
        if (keep(strAside)) return true;
        const DWORD dwError = GetLastError();
        if (dwError != ERROR_FILE_EXISTS && dwError != ERROR_ALREADY_EXISTS) return false;
    }
    return false;
}

}  // namespace

bool MoveAside(const std::wstring& strPath) {
    return KeepAside(strPath, [&](const std::wstring& strAside) {
        return MoveFileExW(strPath.c_str(), strAside.c_str(), 0) != FALSE;  // never over a kept copy
    });
}

bool CopyAside(const std::wstring& strPath) {
    return KeepAside(strPath, [&](const std::wstring& strAside) {
        return CopyFileW(strPath.c_str(), strAside.c_str(), TRUE) != FALSE;
    });
}
