// The settings file "CONFIG.ini" in the data folder: section "SETTING", keys "lanId",
// "Startup" and "Feedback", each a decimal integer, read and written with the private-profile
// functions.
#pragma once

#include <windows.h>

#include <string>

class CSettingsFile {
public:
    // `path`: the full name of the settings file.
    explicit CSettingsFile(std::wstring path);

    int ReadLanguage() const { return Read(L"lanId"); }   // -1 when missing
    int ReadStartup() const { return Read(L"Startup"); }
    int ReadFeedback() const { return Read(L"Feedback"); }

    void SaveLanguageSetting(int iValue) const { Write(L"lanId", iValue); }
    void SaveStartupSetting(int iValue) const { Write(L"Startup", iValue); }
    void SaveFeedbackSetting(int iValue) const { Write(L"Feedback", iValue); }

    const std::wstring& Path() const { return m_path; }

private:
    int Read(const wchar_t* pszKey) const;
    void Write(const wchar_t* pszKey, int iValue) const;

    std::wstring m_path;
};

// Languages: 1 Chinese, 2 English, 3 Vietnamese.
constexpr int kLanguageChinese = 1;
constexpr int kLanguageEnglish = 2;
constexpr int kLanguageVietnamese = 3;

// The language file of a language id: "lan/CN.xml", "lan/YUENAN.xml", else "lan/EN.xml".
const wchar_t* LanguageFile(int iLanId);
// The language of a file value: the value itself when it is 1, 2 or 3, otherwise the user
// interface language decides (Chinese PRC, Vietnamese, anything else English).
int ChooseLanguage(int iFileValue, LANGID wUiLanguage);
