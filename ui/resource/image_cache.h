// Images of the skins, decoded once with GDI+ into premultiplied 32-bit top-down DIB sections,
// ready for AlphaBlend. Keyed by full path, case-insensitively.
#pragma once

#include <windows.h>

#include <map>
#include <memory>
#include <string>

#include "ui/base/win_handles.h"

namespace DuiLib {

struct TImageInfo {
    GdiObject<HBITMAP> hBitmap;
    int nX = 0;           // width in pixels
    int nY = 0;           // height in pixels
    bool bAlpha = false;  // some pixel is not fully opaque
    const DWORD* pBits = nullptr;  // premultiplied BGRA, nY rows of nX pixels, top row first
};

class CImageCache {
public:
    CImageCache() = default;
    CImageCache(const CImageCache&) = delete;
    CImageCache& operator=(const CImageCache&) = delete;
    ~CImageCache();

    // Decoded image of the file, or nullptr when the file is missing or not an image. A failed
    // decode is remembered too, so a missing file is not tried again on every paint.
    const TImageInfo* Get(const std::wstring& sFullPath);
    // Drops every image and ends GDI+.
    void Clear();

private:
    // Decodes a file (GDI+ must be running); nullptr on failure.
    static std::unique_ptr<TImageInfo> Decode(LPCWSTR pstrPath);
    bool StartGdiplus();

    std::map<std::wstring, std::unique_ptr<TImageInfo>> m_images;
    ULONG_PTR m_gdiplusToken = 0;
};

}  // namespace DuiLib
