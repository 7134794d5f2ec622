// One lock per data file for the whole process. The page, the macro editor and the picker each
// hold storage of their own on the same folder and save from the UI thread and the apply worker;
// whoever reads or replaces a file holds the lock of its full path, so two saves of one file
// never meet over its temporary file.
#pragma once

#include <mutex>
#include <string>

class FileLock {
public:
    // Blocks until no other thread holds the lock of this file. The same thread may take it again
    // (the storage holds it across a load and the save inside it).
    explicit FileLock(const std::wstring& strPath);
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    // The key a path is locked by: its full path, without regard to letter case.
    static std::wstring KeyOf(const std::wstring& strPath);

private:
    std::unique_lock<std::recursive_mutex> m_lock;
};
