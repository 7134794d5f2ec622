// Text id → text of one language, read from a language file:
//   <Language>
//     <Text id="mouse_name_text" value="Gaming Mouse"/>
//     <Text id="charging_text">Charging</Text>
//   </Language>
#pragma once

#include <windows.h>

#include <string>
#include <unordered_map>

namespace DuiLib {

class CXmlDocument;

class CLanguageTable {
public:
    // Replaces the table with the file's texts; on any failure the table is left unchanged.
    bool LoadFromFile(LPCWSTR pstrPath);
    bool LoadFromString(LPCWSTR pstrXml);

    // The text of the id, or nullptr when the id is not in the table.
    const std::wstring* Find(LPCWSTR pstrId) const;
    size_t GetCount() const { return m_texts.size(); }
    void Clear() { m_texts.clear(); }

private:
    bool TakeTexts(const CXmlDocument& doc);

    std::unordered_map<std::wstring, std::wstring> m_texts;
};

}  // namespace DuiLib
