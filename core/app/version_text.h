// The program's file version as "a.b.c.d", read from its own version resource.
#pragma once

#include <windows.h>

#include <string>

// Each of the four parts in full ("1.0.260.4"); empty when the resource is missing or malformed.
std::wstring FileVersionText(HMODULE hModule);
// The same from a raw version block (VS_VERSIONINFO) of `size` bytes.
std::wstring FileVersionTextFromBlock(const void* pBlock, size_t size);
