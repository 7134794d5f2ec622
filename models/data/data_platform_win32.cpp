// The data library on Win32: the program's own build.
#include "models/data/data_platform.h"

#include <windows.h>

#include <utility>

namespace {

// Owns a file handle and closes it once; Close tells whether the system reported a failure.
class OwnedFile {
public:
    explicit OwnedFile(HANDLE hFile) : m_hFile(hFile) {}
    ~OwnedFile() { Close(); }
    OwnedFile(const OwnedFile&) = delete;
    OwnedFile& operator=(const OwnedFile&) = delete;
    bool Valid() const { return m_hFile != INVALID_HANDLE_VALUE && m_hFile != nullptr; }
    HANDLE Get() const { return m_hFile; }
    bool Close() {
        if (!Valid()) return true;
        return CloseHandle(std::exchange(m_hFile, INVALID_HANDLE_VALUE)) != FALSE;
    }

private:
    HANDLE m_hFile;
};

FileOpStatus StatusOfLastError() {
    switch (GetLastError()) {
        case ERROR_FILE_EXISTS:
        case ERROR_ALREADY_EXISTS: return FileOpStatus::Exists;
        case ERROR_SHARING_VIOLATION:
        case ERROR_ACCESS_DENIED:
        case ERROR_LOCK_VIOLATION: return FileOpStatus::Conflict;
        default: return FileOpStatus::Failed;
    }
}

}  // namespace

NameString NameFromText(std::wstring_view strText) { return NameString(strText); }
std::wstring TextFromName(NameView strName) { return std::wstring(strName); }

bool NamesEqualNoCase(NameView strA, NameView strB) {
    if (strA.size() != strB.size()) return false;
    if (strA.empty()) return true;
    return CompareStringOrdinal(strA.data(), static_cast<int>(strA.size()), strB.data(),
                                static_cast<int>(strB.size()), TRUE) == CSTR_EQUAL;
}

std::wstring FileKeyOf(const std::wstring& strPath) {
    std::wstring strFull(MAX_PATH, L'\0');
    DWORD dwLength = GetFullPathNameW(strPath.c_str(), static_cast<DWORD>(strFull.size()), strFull.data(), nullptr);
    if (dwLength >= strFull.size()) {
        strFull.resize(dwLength);
        dwLength = GetFullPathNameW(strPath.c_str(), static_cast<DWORD>(strFull.size()), strFull.data(), nullptr);
    }
    if (dwLength == 0 || dwLength >= strFull.size()) strFull = strPath;  // keyed as given
    else strFull.resize(dwLength);
    if (!strFull.empty()) {
        // File names compare as upper-case letters, as the file system does.
        std::wstring strUpper(strFull.size(), L'\0');
        const int iLength = LCMapStringEx(LOCALE_NAME_INVARIANT, LCMAP_UPPERCASE, strFull.data(),
                                          static_cast<int>(strFull.size()), strUpper.data(),
                                          static_cast<int>(strUpper.size()), nullptr, nullptr, 0);
        if (iLength == static_cast<int>(strUpper.size())) strFull = std::move(strUpper);
    }
    return strFull;
}

ReadStatus ReadFileBytes(const std::wstring& strPath, std::vector<uint8_t>& bytes, uint64_t uMaxBytes) {
    bytes.clear();
    OwnedFile file(CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.Valid()) {
        const DWORD dwError = GetLastError();
        return (dwError == ERROR_FILE_NOT_FOUND || dwError == ERROR_PATH_NOT_FOUND) ? ReadStatus::NotFound
                                                                                     : ReadStatus::Failed;
    }
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.Get(), &size) || size.QuadPart < 0 || static_cast<uint64_t>(size.QuadPart) > uMaxBytes)
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

bool WriteNewFile(const std::wstring& strPath, const std::vector<uint8_t>& bytes) {
    bool bWritten = true;
    {
        OwnedFile file(CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                   nullptr));
        if (!file.Valid()) return false;
        size_t uDone = 0;
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
    if (!bWritten) DeleteFileW(strPath.c_str());
    return bWritten;
}

FileOpStatus MoveOverFile(const std::wstring& strFrom, const std::wstring& strTo) {
    if (MoveFileExW(strFrom.c_str(), strTo.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return FileOpStatus::Ok;
    return StatusOfLastError();
}

FileOpStatus RenameNoReplace(const std::wstring& strFrom, const std::wstring& strTo) {
    return MoveFileExW(strFrom.c_str(), strTo.c_str(), 0) ? FileOpStatus::Ok : StatusOfLastError();
}

FileOpStatus CopyNoReplace(const std::wstring& strFrom, const std::wstring& strTo) {
    return CopyFileW(strFrom.c_str(), strTo.c_str(), TRUE) ? FileOpStatus::Ok : StatusOfLastError();
}

bool DeleteFileAt(const std::wstring& strPath) { return DeleteFileW(strPath.c_str()) != FALSE; }

PathKind KindOfPath(const std::wstring& strPath) {
    const DWORD dwAttributes = GetFileAttributesW(strPath.c_str());
    if (dwAttributes == INVALID_FILE_ATTRIBUTES) return PathKind::None;
    return (dwAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0 ? PathKind::Folder : PathKind::File;
}

bool CreateOneFolder(const std::wstring& strPath) {
    return CreateDirectoryW(strPath.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS;
}

void PauseMs(unsigned uMilliseconds) { Sleep(uMilliseconds); }
