#include "ui/resource/image_cache.h"

#include <algorithm>

// The GDI+ headers use min and max, which NOMINMAX takes away.
namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus
#include <objidl.h>
#include <gdiplus.h>

namespace DuiLib {

namespace {

std::wstring CacheKey(const std::wstring& sPath) {
    std::wstring sKey(sPath);
    std::replace(sKey.begin(), sKey.end(), L'/', L'\\');
    if (!sKey.empty()) CharLowerBuffW(sKey.data(), static_cast<DWORD>(sKey.size()));
    return sKey;
}

}  // namespace

CImageCache::~CImageCache() { Clear(); }

bool CImageCache::StartGdiplus() {
    if (m_gdiplusToken != 0) return true;
    Gdiplus::GdiplusStartupInput input;
    return Gdiplus::GdiplusStartup(&m_gdiplusToken, &input, nullptr) == Gdiplus::Ok;
}

void CImageCache::Clear() {
    m_images.clear();
    if (m_gdiplusToken != 0) {
        Gdiplus::GdiplusShutdown(m_gdiplusToken);
        m_gdiplusToken = 0;
    }
}

const TImageInfo* CImageCache::Get(const std::wstring& sFullPath) {
    std::wstring sKey = CacheKey(sFullPath);
    auto it = m_images.find(sKey);
    if (it != m_images.end()) return it->second.get();
    if (!StartGdiplus()) return nullptr;
    auto pImage = Decode(sFullPath.c_str());
    const TImageInfo* pResult = pImage.get();
    m_images.emplace(std::move(sKey), std::move(pImage));
    return pResult;
}

std::unique_ptr<TImageInfo> CImageCache::Decode(LPCWSTR pstrPath) {
    if (::GetFileAttributesW(pstrPath) == INVALID_FILE_ATTRIBUTES) return nullptr;
    Gdiplus::Bitmap bitmap(pstrPath);
    if (bitmap.GetLastStatus() != Gdiplus::Ok) return nullptr;
    const int nX = static_cast<int>(bitmap.GetWidth());
    const int nY = static_cast<int>(bitmap.GetHeight());
    if (nX <= 0 || nY <= 0) return nullptr;

    const BITMAPINFO bmi = TopDownDib32(nX, nY);
    void* pBits = nullptr;
    GdiObject<HBITMAP> hBitmap(::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0));
    if (!hBitmap || pBits == nullptr) return nullptr;

    // GDI+ converts to premultiplied BGRA straight into our DIB's memory.
    Gdiplus::BitmapData data{};
    data.Width = static_cast<UINT>(nX);
    data.Height = static_cast<UINT>(nY);
    data.Stride = nX * 4;
    data.PixelFormat = PixelFormat32bppPARGB;
    data.Scan0 = pBits;
    Gdiplus::Rect rc(0, 0, nX, nY);
    if (bitmap.LockBits(&rc, Gdiplus::ImageLockModeRead | Gdiplus::ImageLockModeUserInputBuf,
                        PixelFormat32bppPARGB, &data) != Gdiplus::Ok) {
        return nullptr;
    }
    bitmap.UnlockBits(&data);
    ::GdiFlush();

    auto pImage = std::make_unique<TImageInfo>();
    pImage->nX = nX;
    pImage->nY = nY;
    pImage->pBits = static_cast<const DWORD*>(pBits);
    const DWORD* p = pImage->pBits;
    pImage->bAlpha = std::any_of(p, p + static_cast<size_t>(nX) * static_cast<size_t>(nY),
                                 [](DWORD px) { return (px >> 24) != 0xFF; });
    pImage->hBitmap = std::move(hBitmap);
    return pImage;
}

}  // namespace DuiLib
