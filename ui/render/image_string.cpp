#include "ui/render/image_string.h"

#include <cwchar>

#include "ui/base/attr_parse.h"

namespace DuiLib {

bool TDrawInfo::Parse(LPCWSTR pstrImage) {
    *this = TDrawInfo();
    if (pstrImage == nullptr || *pstrImage == L'\0') return false;
    if (wcschr(pstrImage, L'=') == nullptr) {
        sFile = pstrImage;
        return true;
    }
    ApplyAttributes(pstrImage);
    return !sFile.empty();
}

void TDrawInfo::ApplyModifier(LPCWSTR pstrModify) {
    if (pstrModify != nullptr && wcschr(pstrModify, L'=') != nullptr) ApplyAttributes(pstrModify);
}

void TDrawInfo::ApplyAttributes(LPCWSTR pstrList) {
    for (const auto& [sName, sValue] : ParseAttributeList(pstrList)) {
        if (sName == L"file" || sName == L"res") {
            sFile = sValue;
        } else if (sName == L"dest") {
            rcDest = ParseRect(sValue.c_str());
            bDest = true;
        } else if (sName == L"source") {
            rcSource = ParseRect(sValue.c_str());
            bSource = true;
        } else if (sName == L"corner") {
            rcCorner = ParseRect(sValue.c_str());
        } else if (sName == L"fade") {
            int iFade = ParseInt(sValue.c_str());
            uFade = static_cast<BYTE>(iFade < 0 ? 0 : (iFade > 255 ? 255 : iFade));
        } else if (sName == L"hole") {
            bHole = ParseBool(sValue.c_str());
        }
    }
}

}  // namespace DuiLib
