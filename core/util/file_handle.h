// Owns one Win32 file handle (CreateFileW) and closes it exactly once.
#pragma once

#include <windows.h>

#include "core/util/unique_handle.h"

struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return INVALID_HANDLE_VALUE; }
    static bool IsSet(Handle h) { return h != INVALID_HANDLE_VALUE && h != nullptr; }
    static bool Close(Handle h) { return CloseHandle(h) != FALSE; }
};

using FileHandle = UniqueHandle<FileHandleTraits>;
