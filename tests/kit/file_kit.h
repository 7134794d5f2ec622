// Files and frames in tests: bytes as hex text, whole files read and written raw, and a scratch
// folder under the test's working folder that goes with the test.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace testkit {

inline std::string ToHex(const uint8_t* pBytes, size_t uSize) {
    static const char kDigits[] = "0123456789ABCDEF";
    std::string strHex;
    for (size_t i = 0; i < uSize; ++i) {
        if (i != 0) strHex += ' ';
        strHex += kDigits[pBytes[i] >> 4];
        strHex += kDigits[pBytes[i] & 0x0F];
    }
    return strHex;
}
inline std::string ToHex(const std::vector<uint8_t>& bytes) { return ToHex(bytes.data(), bytes.size()); }

inline std::vector<uint8_t> ReadBytes(const std::wstring& strPath) {
    std::vector<uint8_t> bytes;
    HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return bytes;
    LARGE_INTEGER size{};
    GetFileSizeEx(hFile, &size);
    bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD dwRead = 0;
    if (!bytes.empty()) ReadFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwRead, nullptr);
    CloseHandle(hFile);
    bytes.resize(dwRead);
    return bytes;
}

inline bool WriteBytes(const std::wstring& strPath, const std::vector<uint8_t>& bytes) {
    HANDLE hFile = CreateFileW(strPath.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return false;
    DWORD dwWritten = 0;
    const BOOL bOk = bytes.empty() || WriteFile(hFile, bytes.data(), static_cast<DWORD>(bytes.size()), &dwWritten, nullptr);
    CloseHandle(hFile);
    return bOk && dwWritten == bytes.size();
}

inline bool FileExists(const std::wstring& strPath) {
    return GetFileAttributesW(strPath.c_str()) != INVALID_FILE_ATTRIBUTES;
}

inline void RemoveTree(const std::wstring& strFolder) {
    WIN32_FIND_DATAW data;
    HANDLE hFind = FindFirstFileW((strFolder + L"\\*").c_str(), &data);
    if (hFind != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring strName = data.cFileName;
            if (strName == L"." || strName == L"..") continue;
            const std::wstring strPath = strFolder + L"\\" + strName;
            if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) RemoveTree(strPath);
            else DeleteFileW(strPath.c_str());
        } while (FindNextFileW(hFind, &data));
        FindClose(hFind);
    }
    RemoveDirectoryW(strFolder.c_str());
}

// A fresh, empty folder of this name under the working folder, removed again when the object goes.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::wstring& strName) {
        wchar_t szCurrent[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, szCurrent);
        m_strPath = std::wstring(szCurrent) + L"\\" + strName;
        RemoveTree(m_strPath);
        CreateDirectoryW(m_strPath.c_str(), nullptr);
    }
    ~ScratchFolder() { RemoveTree(m_strPath); }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::wstring& Path() const { return m_strPath; }
    std::wstring operator/(const std::wstring& strName) const { return m_strPath + L"\\" + strName; }

private:
    std::wstring m_strPath;
};

}  // namespace testkit
