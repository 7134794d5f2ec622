#include "ui/resource/font_table.h"

namespace DuiLib {

namespace {

GdiObject<HFONT>& SystemDefaultFont() {
    static GdiObject<HFONT> s_font;
    return s_font;
}

HFONT MakeFont(const TFontInfo& info) {
    LOGFONTW lf{};
    lf.lfHeight = -info.iSize;
    lf.lfWeight = info.bBold ? FW_BOLD : FW_NORMAL;
    lf.lfUnderline = info.bUnderline ? TRUE : FALSE;
    lf.lfItalic = info.bItalic ? TRUE : FALSE;
    lf.lfCharSet = DEFAULT_CHARSET;
    lf.lfQuality = ANTIALIASED_QUALITY;
    lstrcpynW(lf.lfFaceName, info.sFontName.c_str(), LF_FACESIZE);
    return ::CreateFontIndirectW(&lf);
}

}  // namespace

void CFontTable::Add(int id, LPCWSTR pstrFontName, int iSize, bool bBold, bool bUnderline, bool bItalic,
                     bool bDefault) {
    TFontInfo& info = m_fonts[id];
    info.sFontName = pstrFontName ? pstrFontName : L"Tahoma";
    info.iSize = iSize > 0 ? iSize : 12;
    info.bBold = bBold;
    info.bUnderline = bUnderline;
    info.bItalic = bItalic;
    info.hFont.Reset();
    if (bDefault) m_iDefaultId = id;
}

TFontInfo* CFontTable::Find(int id) {
    auto it = m_fonts.find(id);
    if (it == m_fonts.end()) return nullptr;
    TFontInfo& info = it->second;
    if (!info.hFont) {
        info.hFont.Reset(MakeFont(info));
        MemoryDc dc(nullptr);
        if (dc && info.hFont) {
            SelectObjectScope sel(dc.Get(), info.hFont.Get());
            ::GetTextMetricsW(dc.Get(), &info.tm);
        }
    }
    return &info;
}

HFONT CFontTable::Get(int id) {
    TFontInfo* pInfo = Find(id);
    return pInfo ? pInfo->hFont.Get() : nullptr;
}

const TFontInfo* CFontTable::GetInfo(int id) { return Find(id); }

HFONT CFontTable::GetDefault() { return m_iDefaultId >= 0 ? Get(m_iDefaultId) : nullptr; }

void CFontTable::Clear() {
    m_fonts.clear();
    m_iDefaultId = -1;
}

HFONT CFontTable::GetSystemDefault() {
    GdiObject<HFONT>& font = SystemDefaultFont();
    if (!font) {
        TFontInfo info;
        info.sFontName = L"Tahoma";
        info.iSize = 12;
        font.Reset(MakeFont(info));
    }
    return font.Get();
}

void CFontTable::ReleaseSystemDefault() { SystemDefaultFont().Reset(); }

}  // namespace DuiLib
