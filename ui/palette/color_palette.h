// CColorPaletteUI: a colour chooser drawn windowless. A field shows every hue from left to
// right and saturation from full (top) to none (bottom); below it a bar shows brightness from
// black (left) to the chosen hue and saturation at full brightness (right). The pointer picks in
// either part: "colorchanged" each time a press or a drag changes the colour, and
// "colorchangedbuttonup" when the button is released. With the keyboard focus, Left/Right move
// the hue, Up/Down the saturation and PageUp/PageDown the brightness.
#pragma once

#include <vector>

#include "ui/control/control.h"
#include "ui/palette/hsb_color.h"

namespace DuiLib {

class CColorPaletteUI : public CControlUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    UINT GetControlFlags() const override;

    // The chosen colour, 0xAARRGGBB. A colour set from code is kept exactly as given (no
    // notification), whatever its hue, saturation and brightness round to, until the user
    // picks another; a picked colour keeps the alpha of the one before.
    DWORD GetSelectColor() const { return m_dwSelectColor; }
    void SetSelectColor(DWORD dwColor);

    int GetBarHeight() const { return m_nBarHeight; }
    void SetBarHeight(int nHeight);
    int GetBarGap() const { return m_nBarGap; }
    void SetBarGap(int nGap);
    // Where the field and the brightness bar lie in the window.
    RECT GetFieldRect() const;
    RECT GetBarRect() const;

    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

private:
    enum class EDrag { None, Field, Bar };

    void PickInField(POINT pt);
    void PickInBar(POINT pt);
    // Moves the picker and takes the colour under it; "colorchanged" when the colour changed.
    void Pick(const THsbColor& hsb);
    bool StepWithKey(wchar_t chKey);

    void PaintField(HDC hDC, const RECT& rcField);
    void PaintBar(HDC hDC, const RECT& rcBar);
    void PaintThumbs(HDC hDC, const RECT& rcField, const RECT& rcBar);

    DWORD m_dwSelectColor = 0xFF000000;
    THsbColor m_hsb;  // where the picker stands (hue and saturation survive greys and black)
    EDrag m_eDrag = EDrag::None;
    int m_nBarHeight = 12;
    int m_nBarGap = 8;
    // The field at full brightness, computed once per size.
    std::vector<DWORD> m_fieldPixels;
    SIZE m_szField{0, 0};
};

}  // namespace DuiLib
