// Image strings of skins and code: either a bare file name ("skins/btn.png") or a list of
// attributes: file='skins/btn.png' (or res='...') dest='l,t,r,b' source='l,t,r,b'
// corner='l,t,r,b' fade='0..255'. dest is relative to the control's rectangle; source picks a
// part of the image; corner keeps the edges unstretched (nine-grid).
#pragma once

#include <windows.h>

#include <string>

namespace DuiLib {

struct TDrawInfo {
    std::wstring sFile;
    RECT rcDest{0, 0, 0, 0};
    bool bDest = false;
    RECT rcSource{0, 0, 0, 0};
    bool bSource = false;
    RECT rcCorner{0, 0, 0, 0};
    BYTE uFade = 255;
    bool bHole = false;  // corner="..." hole="true": the centre part is not drawn

    // False when the string names no file.
    bool Parse(LPCWSTR pstrImage);
    // Attributes of a modifier string (for example "dest='0,0,16,16'") replace the parsed ones.
    void ApplyModifier(LPCWSTR pstrModify);

private:
    void ApplyAttributes(LPCWSTR pstrList);
};

}  // namespace DuiLib
