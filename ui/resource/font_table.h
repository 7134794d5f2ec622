// Fonts declared by <Font id="1" name="Tahoma" size="13" bold="true" default="true"/> in a skin,
// created on first use and kept until the table is cleared.
#pragma once

#include <windows.h>

#include <map>
#include <string>

#include "ui/base/win_handles.h"

namespace DuiLib {

struct TFontInfo {
    std::wstring sFontName;
    int iSize = 12;  // character height in pixels
    bool bBold = false;
    bool bUnderline = false;
    bool bItalic = false;
    GdiObject<HFONT> hFont;
    TEXTMETRICW tm{};
};

class CFontTable {
public:
    void Add(int id, LPCWSTR pstrFontName, int iSize, bool bBold, bool bUnderline, bool bItalic, bool bDefault);
    // The font of the id; nullptr when the id is not declared.
    HFONT Get(int id);
    const TFontInfo* GetInfo(int id);
    // The font declared default="true"; nullptr when none was.
    HFONT GetDefault();
    int GetDefaultId() const { return m_iDefaultId; }
    bool Has(int id) const { return m_fonts.count(id) != 0; }
    void Clear();

    // The library's font when a skin declares none (Tahoma 12 px).
    static HFONT GetSystemDefault();
    static void ReleaseSystemDefault();

private:
    TFontInfo* Find(int id);

    std::map<int, TFontInfo> m_fonts;
    int m_iDefaultId = -1;
};

}  // namespace DuiLib
