#include "models/data/file_lock.h"

#include "models/data/data_platform.h"

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

std::wstring FileLock::KeyOf(const std::wstring& strPath) { return FileKeyOf(strPath); }

FileLock::FileLock(const std::wstring& strPath) : m_lock(MutexOf(KeyOf(strPath))) {}
