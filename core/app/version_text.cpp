#include "core/app/version_text.h"

#include <cstring>

namespace {
// VS_VERSIONINFO: three WORDs, the key "VS_VERSION_INFO" with its terminator (32 bytes), padding
// to a 32-bit boundary, then VS_FIXEDFILEINFO.
constexpr size_t kFixedInfoOffset = 40;
constexpr DWORD kFixedInfoSignature = 0xFEEF04BD;
}  // namespace

std::wstring FileVersionTextFromBlock(const void* pBlock, size_t size) {
    if (pBlock == nullptr || size < kFixedInfoOffset + sizeof(VS_FIXEDFILEINFO)) return L"";
    const auto* bytes = static_cast<const unsigned char*>(pBlock);
    WORD wValueLength = 0;
    std::memcpy(&wValueLength, bytes + 2, sizeof wValueLength);
    if (wValueLength < sizeof(VS_FIXEDFILEINFO) || std::memcmp(bytes + 6, L"VS_VERSION_INFO", 32) != 0) return L"";
    VS_FIXEDFILEINFO info;
    std::memcpy(&info, bytes + kFixedInfoOffset, sizeof info);
    if (info.dwSignature != kFixedInfoSignature) return L"";
    wchar_t text[64];
    wsprintfW(text, L"%u.%u.%u.%u", HIWORD(info.dwFileVersionMS), LOWORD(info.dwFileVersionMS),
              HIWORD(info.dwFileVersionLS), LOWORD(info.dwFileVersionLS));
    return text;
}

std::wstring FileVersionText(HMODULE hModule) {
    HRSRC hInfo = FindResourceW(hModule, MAKEINTRESOURCEW(VS_VERSION_INFO), MAKEINTRESOURCEW(16));
    if (hInfo == nullptr) return L"";
    HGLOBAL hData = LoadResource(hModule, hInfo);
    const void* pBlock = hData != nullptr ? LockResource(hData) : nullptr;
    return FileVersionTextFromBlock(pBlock, SizeofResource(hModule, hInfo));
}
