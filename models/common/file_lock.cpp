#include "file_lock.h"

#include <windows.h>

#include <map>

namespace {

// The files of a run are few (two data files per model, a few exports), so entries stay for the
// life of the process and a mutex handed out is never destroyed under its holder.
std::recursive_mutex& MutexOf(const std::wstring& strKey) {
    static std::mutex registryLock;
    static std::map<std::wstring, std::recursive_mutex> mutexes;
    std::lock_guard<std::mutex> lock(registryLock);
    return mutexes.try_emplace(strKey).first->second;
}

}  // namespace

std::wstring FileLock::KeyOf(const std::wstring& strPath) {
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

FileLock::FileLock(const std::wstring& strPath) : m_lock(MutexOf(KeyOf(strPath))) {}
