#include "core/util/folders.h"

namespace {

// Module file names can exceed MAX_PATH; the buffer grows until the whole name fits, up to
// the longest path Windows handles.
constexpr DWORD kFirstBufferSize = MAX_PATH;
constexpr DWORD kLongestPath = 32768;

}  // namespace

std::wstring GetModuleFilePath(HMODULE hModule) {
    std::wstring strName;
    for (DWORD dwSize = kFirstBufferSize; dwSize <= kLongestPath * 2; dwSize *= 2) {
        strName.resize(dwSize);
        const DWORD dwLength = GetModuleFileNameW(hModule, strName.data(), dwSize);
        if (dwLength == 0) return {};
        if (dwLength < dwSize) {
            strName.resize(dwLength);
            return strName;
        }
    }
    return {};
}

namespace {

// The file functions cut plain paths at MAX_PATH; a long absolute path goes to them in its
// extended-length form instead.
std::wstring ForFileApi(const std::wstring& strPath) {
    if (strPath.size() < MAX_PATH - 12 || strPath.starts_with(L"\\\\?\\")) return strPath;
    if (strPath.starts_with(L"\\\\")) return L"\\\\?\\UNC\\" + strPath.substr(2);
    return L"\\\\?\\" + strPath;
}

bool IsDirectory(const std::wstring& strPath) {
    WIN32_FIND_DATAW findData{};
    const HANDLE hFind = FindFirstFileW(ForFileApi(strPath).c_str(), &findData);
    if (hFind == INVALID_HANDLE_VALUE) return false;
    FindClose(hFind);
    return (findData.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

std::wstring GetModuleFolder(HMODULE hModule) {
    const std::wstring strName = GetModuleFilePath(hModule);
    const size_t uLastSeparator = strName.find_last_of(L"\\/");
    if (uLastSeparator == std::wstring::npos) return {};
    return strName.substr(0, uLastSeparator + 1);
}

std::wstring GetExeFolder() { return GetModuleFolder(nullptr); }

std::wstring DataFolderBeside(const std::wstring& strProgramFolder) {
    const std::wstring strFolder = strProgramFolder + L"Data";
    if (!IsDirectory(strFolder)) CreateDirectoryW(ForFileApi(strFolder).c_str(), nullptr);
    return strFolder + L"\\";
}

std::wstring GetDataFolder() { return DataFolderBeside(GetExeFolder()); }
