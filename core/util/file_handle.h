// Owns one Win32 file handle (CreateFileW) and closes it exactly once.
#pragma once

#include <windows.h>

#include <utility>

class FileHandle {
public:
    explicit FileHandle(HANDLE hFile = INVALID_HANDLE_VALUE) : m_hFile(hFile) {}
    ~FileHandle() { Close(); }
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    FileHandle(FileHandle&& other) noexcept : m_hFile(std::exchange(other.m_hFile, INVALID_HANDLE_VALUE)) {}
    FileHandle& operator=(FileHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_hFile = std::exchange(other.m_hFile, INVALID_HANDLE_VALUE);
        }
        return *this;
    }

    bool Valid() const { return m_hFile != INVALID_HANDLE_VALUE && m_hFile != nullptr; }
    HANDLE Get() const { return m_hFile; }
    // Closes now; false when the system reported a failure (a write may not have reached the disk).
    bool Close() {
        if (!Valid()) return true;
        const BOOL bClosed = CloseHandle(m_hFile);
        m_hFile = INVALID_HANDLE_VALUE;
        return bClosed != FALSE;
    }

private:
    HANDLE m_hFile;
};
