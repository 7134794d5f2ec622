// Owns a kernel object handle whose empty value is null (an event, a mutex, a thread) and
// closes it exactly once. Files, whose empty value is INVALID_HANDLE_VALUE, use file_handle.h.
#pragma once

#include <windows.h>

#include "core/util/unique_handle.h"

struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Empty() { return nullptr; }
    static bool IsSet(Handle h) { return h != nullptr; }
    static bool Close(Handle h) { return CloseHandle(h) != FALSE; }
};

using KernelHandle = UniqueHandle<KernelHandleTraits>;
