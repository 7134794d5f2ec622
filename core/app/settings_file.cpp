#include "core/app/settings_file.h"

namespace {
constexpr wchar_t kSection[] = L"SETTING";
constexpr LANGID kUiChinesePrc = 0x0804;
constexpr LANGID kUiVietnamese = 0x042A;
}  // namespace

CSettingsFile::CSettingsFile(std::wstring path) : m_path(std::move(path)) {}

int CSettingsFile::Read(const wchar_t* pszKey) const {
    return static_cast<int>(GetPrivateProfileIntW(kSection, pszKey, -1, m_path.c_str()));
}

void CSettingsFile::Write(const wchar_t* pszKey, int iValue) const {
    wchar_t text[16];
    wsprintfW(text, L"%d", iValue);
    WritePrivateProfileStringW(kSection, pszKey, text, m_path.c_str());  // a failed write keeps memory in force
}

const wchar_t* LanguageFile(int iLanId) {
    switch (iLanId) {
        case kLanguageChinese: return L"lan/CN.xml";
        case kLanguageVietnamese: return L"lan/YUENAN.xml";
        default: return L"lan/EN.xml";
    }
}

int ChooseLanguage(int iFileValue, LANGID wUiLanguage) {
    if (iFileValue == kLanguageChinese || iFileValue == kLanguageEnglish || iFileValue == kLanguageVietnamese)
        return iFileValue;
    if (wUiLanguage == kUiChinesePrc) return kLanguageChinese;
    if (wUiLanguage == kUiVietnamese) return kLanguageVietnamese;
    return kLanguageEnglish;
}
