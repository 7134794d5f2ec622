// Skin and language files read with Windows' XmlLite into a small tree of nodes: element name,
// attributes in document order, text content and child elements.
#pragma once

#include <windows.h>

#include <string>
#include <utility>
#include <vector>

namespace DuiLib {

struct CXmlNode {
    std::wstring sName;
    std::vector<std::pair<std::wstring, std::wstring>> aAttributes;
    std::wstring sText;  // text and CDATA directly inside the element, concatenated
    std::vector<CXmlNode> aChildren;

    // The attribute's value, or nullptr when the element has no such attribute.
    LPCWSTR GetAttribute(LPCWSTR pstrName) const;
};

class CXmlDocument {
public:
    // A file path (absolute, or relative to the current folder); false when it cannot be read
    // or is not well-formed XML.
    bool LoadFromFile(LPCWSTR pstrPath);
    // XML text held in memory; an XML declaration at its start is ignored.
    bool LoadFromString(LPCWSTR pstrXml);
    // Raw file bytes in any encoding XmlLite recognises (BOM or declaration).
    bool LoadFromBytes(const void* pData, size_t cbData);

    const CXmlNode* GetRoot() const { return m_bLoaded ? &m_root : nullptr; }
    const std::wstring& GetError() const { return m_sError; }

private:
    CXmlNode m_root;
    bool m_bLoaded = false;
    std::wstring m_sError;
};

}  // namespace DuiLib
