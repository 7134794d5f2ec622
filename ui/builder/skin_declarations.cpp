#include "ui/builder/skin_declarations.h"

#include "ui/base/attr_parse.h"

namespace DuiLib {

void ReadFontDeclaration(const CXmlNode& node, CFontTable& fonts) {
    LPCWSTR pId = node.GetAttribute(L"id");
    int id = pId ? ParseInt(pId) : -1;
    if (id < 0) return;
    LPCWSTR pName = node.GetAttribute(L"name");
    LPCWSTR pSize = node.GetAttribute(L"size");
    fonts.Add(id, pName ? pName : L"Tahoma", pSize ? ParseInt(pSize) : 12, ParseBool(node.GetAttribute(L"bold")),
              ParseBool(node.GetAttribute(L"underline")), ParseBool(node.GetAttribute(L"italic")),
              ParseBool(node.GetAttribute(L"default")));
}

bool ReadDefaultDeclaration(const CXmlNode& node, std::wstring& sClass, std::wstring& sAttributes) {
    LPCWSTR pName = node.GetAttribute(L"name");
    LPCWSTR pValue = node.GetAttribute(L"value");
    if (pName == nullptr || *pName == L'\0' || pValue == nullptr) return false;
    sClass = pName;
    sAttributes = pValue;
    return true;
}

}  // namespace DuiLib
