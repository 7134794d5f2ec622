// What the key texts need from outside: the keyboard layout (scan codes and the characters of
// keys) and the language texts of text ids. One seam, so the program plugs in its language
// files and tests can put a layout of their choice behind the key functions.
#pragma once

#include <windows.h>

#include <string>

// Texts of text ids in the current language; the program plugs in its resource manager here.
using LanguageTextFn = std::wstring (*)(const wchar_t* pszTextId);
// Diagnostic lines ("m_key = ...").
using KeyTraceFn = void (*)(const wchar_t* pszLine);

struct KeyServices {
    // Same contract as the Win32 functions of the same name.
    UINT(WINAPI* pfnMapVirtualKey)(UINT uCode, UINT uMapType);
    int(WINAPI* pfnToUnicode)(UINT wVirtKey, UINT wScanCode, const BYTE* lpKeyState, LPWSTR pwszBuff, int cchBuff,
                              UINT wFlags);
    LanguageTextFn pfnGetText;
    KeyTraceFn pfnTrace;
};

// The Win32 keyboard layout of the calling thread, texts that are their own ids (until the
// program plugs its language files in), and traces to the debugger output.
KeyServices DefaultKeyServices();

const KeyServices& CurrentKeyServices();
// Replaces the services the key functions use; returns the ones they used before. A null
// entry falls back to the default one.
KeyServices SetKeyServices(const KeyServices& services);
// Replaces only the language texts (null: texts are their own ids again).
void SetLanguageTextSource(LanguageTextFn pfnGetText);
