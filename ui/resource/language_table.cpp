#include "ui/resource/language_table.h"

#include "ui/xml/xml_document.h"

namespace DuiLib {

namespace {

bool ReadTexts(const CXmlDocument& doc, std::unordered_map<std::wstring, std::wstring>& texts) {
    const CXmlNode* pRoot = doc.GetRoot();
    if (pRoot == nullptr) return false;
    for (const CXmlNode& node : pRoot->aChildren) {
        if (_wcsicmp(node.sName.c_str(), L"Text") != 0) continue;
        LPCWSTR pId = node.GetAttribute(L"id");
        if (pId == nullptr || *pId == L'\0') continue;
        LPCWSTR pValue = node.GetAttribute(L"value");
        texts[pId] = pValue != nullptr ? std::wstring(pValue) : node.sText;
    }
    return true;
}

}  // namespace

bool CLanguageTable::LoadFromFile(LPCWSTR pstrPath) {
    CXmlDocument doc;
    return doc.LoadFromFile(pstrPath) && TakeTexts(doc);
}

bool CLanguageTable::LoadFromString(LPCWSTR pstrXml) {
    CXmlDocument doc;
    return doc.LoadFromString(pstrXml) && TakeTexts(doc);
}

bool CLanguageTable::TakeTexts(const CXmlDocument& doc) {
    std::unordered_map<std::wstring, std::wstring> texts;
    if (!ReadTexts(doc, texts)) return false;
    m_texts.swap(texts);
    return true;
}

const std::wstring* CLanguageTable::Find(LPCWSTR pstrId) const {
    if (pstrId == nullptr) return nullptr;
    auto it = m_texts.find(pstrId);
    return it == m_texts.end() ? nullptr : &it->second;
}

}  // namespace DuiLib
