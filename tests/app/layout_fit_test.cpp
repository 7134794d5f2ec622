// What a person sees of the window's layout, on the real skins: every text of the three languages
// fits the control that shows it, measured at the font the skin names as the window draws it
// (as on a user's Windows, where Chinese comes from the fonts Tahoma is linked to), on the main window with each model's page in front, on About and in every
// caption a key button can show; and each page's settings column keeps its rows clear of its
// scroll bar.
#include "core/app/app_messages.h"
#include "models/data/key_function_table.h"
#include "tests/kit/layout_check.h"
#include "tests/kit/main_window_fixture.h"
#include "models/table/model_table.h"
#include "tests/kit/sim_devices.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cwchar>
#include <functional>
#include <regex>
#include <set>
#include <string>
#include <tuple>
#include <vector>

using namespace DuiLib;

namespace {

struct Language {
    int iLanId;
    const wchar_t* pszFile;
};
constexpr Language kLanguages[] = {{1, L"CN"}, {2, L"EN"}, {3, L"YUENAN"}};

std::string Lines(const std::vector<std::string>& lines) {
    std::string strAll;
    for (const std::string& strLine : lines) strAll += "\n  " + strLine;
    return strAll;
}

void Append(std::vector<std::string>& all, const Language& lang, const std::vector<std::string>& found) {
    for (const std::string& strLine : found) all.push_back(std::string(lang.pszFile, lang.pszFile + wcslen(lang.pszFile)) + ": " + strLine);
}

// The window switched to the language, as About switches it.
void ShowLanguage(MainWindow& wnd, const Language& lang) {
    SendMessageW(wnd.hwnd(), WM_LANGUAGE, static_cast<WPARAM>(lang.iLanId), 0);
    uikit::PumpUntilIdle(200);
    ASSERT_EQ(wnd->LanguageId(), lang.iLanId);
}

// The main window on screen in each language in turn, on fresh settings, for `look` to look at.
void InEachLanguage(const std::function<void(MainWindow&, const Language&)>& look) {
    for (const Language& lang : kLanguages) {
        kit::ResetWorld();
        FreshSettingsFile();
        MainWindow wnd(true);
        ShowLanguage(wnd, lang);
        look(wnd, lang);
    }
}

// The main window laid out with tab n in front.
void ShowTab(MainWindow& wnd, int n) {
    auto* pTabs = static_cast<CTabLayoutUI*>(uikit::FindControl(wnd.hwnd(), L"device_tab_switch"));
    ASSERT_NE(pTabs, nullptr);
    pTabs->SelectItem(n);
    uikit::ManagerOf(wnd.hwnd())->UpdateLayout();
}

TEST(AppTextFit, TheWindowEveryPageAndAboutFitTheirTextsInEachLanguage) {
    std::vector<std::string> cut;
    InEachLanguage([&](MainWindow& wnd, const Language& lang) {
        for (int n = 0; n <= kModelCount; ++n) {
            ShowTab(wnd, n);
            Append(cut, lang, uikit::TextsCut(uikit::ManagerOf(wnd.hwnd())->GetRoot()));
        }
        int iAbouts = 0;
        uikit::ModalAnswer about([&](CWindowWnd& dlg) {
            ++iAbouts;
            uikit::ManagerOf(dlg.GetHWND())->UpdateLayout();
            Append(cut, lang, uikit::TextsCut(uikit::ManagerOf(dlg.GetHWND())->GetRoot()));
            uikit::PressKey(dlg.GetHWND(), VK_ESCAPE);
        });
        ASSERT_TRUE(uikit::Click(wnd.hwnd(), L"about_btn"));
        EXPECT_EQ(iAbouts, 1);
    });
    EXPECT_TRUE(cut.empty()) << "texts that do not fit:" << Lines(cut);
}

// A skin file of the run folder (UTF-8) as text.
std::wstring SkinText(const std::wstring& strFile) {
    std::wstring strText;
    HANDLE hFile = CreateFileW((GetExeFolder() + L"res\\" + strFile).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                               OPEN_EXISTING, 0, nullptr);
    if (hFile == INVALID_HANDLE_VALUE) return strText;
    std::string strBytes(static_cast<size_t>(GetFileSize(hFile, nullptr)), '\0');
    DWORD dwRead = 0;
    ReadFile(hFile, strBytes.data(), static_cast<DWORD>(strBytes.size()), &dwRead, nullptr);
    CloseHandle(hFile);
    strText.resize(strBytes.size());
    strText.resize(static_cast<size_t>(
        MultiByteToWideChar(CP_UTF8, 0, strBytes.data(), static_cast<int>(dwRead), strText.data(), static_cast<int>(strText.size()))));
    return strText;
}

// The distinct letters of a text: every character above ASCII but the combining marks, which are
// drawn on the letter before them.
void AddLetters(const std::wstring& strText, std::wstring& strLetters) {
    for (wchar_t c : strText) {
        const bool bLetter = c > 0x7F && c != 0xFEFF && c != 0xA0 && !(c >= 0x0300 && c <= 0x036F);
        if (bLetter && strLetters.find(c) == std::wstring::npos) strLetters += c;
    }
}

// Every font the skins declare (<Font name="Tahoma" size="13" bold="true" .../>), as the skin
// library makes it.
struct SkinFont {
    std::wstring strName;
    int iSize;
    bool bBold;
    bool operator<(const SkinFont& o) const { return std::tie(strName, iSize, bBold) < std::tie(o.strName, o.iSize, o.bBold); }
};
void AddFonts(const std::wstring& strSkin, std::set<SkinFont>& fonts) {
    static const std::wregex font(LR"re(<Font\b[^>]*\bname="([^"]+)"[^>]*\bsize="(\d+)"[^>]*>)re");
    for (std::wsregex_iterator it(strSkin.begin(), strSkin.end(), font), end; it != end; ++it) {
        const std::wstring strTag = (*it)[0].str();
        fonts.insert({(*it)[1].str(), std::stoi((*it)[2].str()), strTag.find(L"bold=\"true\"") != std::wstring::npos});
    }
}

// What one character looks like drawn white on black in a font, as pixels.
class GlyphPainter {
public:
    explicit GlyphPainter(const SkinFont& font) : m_hDC(CreateCompatibleDC(nullptr)) {
        LOGFONTW lf{};
        lf.lfHeight = -font.iSize;
        lf.lfWeight = font.bBold ? FW_BOLD : FW_NORMAL;
        lf.lfCharSet = DEFAULT_CHARSET;
        lf.lfQuality = ANTIALIASED_QUALITY;
        wcsncpy(lf.lfFaceName, font.strName.c_str(), LF_FACESIZE - 1);
        m_hFont = CreateFontIndirectW(&lf);
        BITMAPINFO bmi{};
        bmi.bmiHeader = {sizeof(BITMAPINFOHEADER), kSize, -kSize, 1, 32, BI_RGB};
        m_hBitmap = CreateDIBSection(m_hDC, &bmi, DIB_RGB_COLORS, reinterpret_cast<void**>(&m_pBits), nullptr, 0);
        m_hOldBitmap = SelectObject(m_hDC, m_hBitmap);
        m_hOldFont = SelectObject(m_hDC, m_hFont);
        SetTextColor(m_hDC, RGB(255, 255, 255));
        SetBkMode(m_hDC, TRANSPARENT);
    }
    ~GlyphPainter() {
        SelectObject(m_hDC, m_hOldFont);
        SelectObject(m_hDC, m_hOldBitmap);
        DeleteObject(m_hBitmap);
        DeleteObject(m_hFont);
        DeleteDC(m_hDC);
    }
    GlyphPainter(const GlyphPainter&) = delete;
    GlyphPainter& operator=(const GlyphPainter&) = delete;

    std::vector<uint32_t> Paint(wchar_t c) {
        GdiFlush();
        std::fill(m_pBits, m_pBits + kSize * kSize, 0u);
        RECT rc{0, 0, kSize, kSize};
        DrawTextW(m_hDC, &c, 1, &rc, DT_SINGLELINE | DT_NOPREFIX | DT_CENTER | DT_VCENTER);
        GdiFlush();
        return {m_pBits, m_pBits + kSize * kSize};
    }

private:
    static constexpr int kSize = 40;
    HDC m_hDC;
    HFONT m_hFont = nullptr;
    HBITMAP m_hBitmap = nullptr;
    uint32_t* m_pBits = nullptr;
    HGDIOBJ m_hOldBitmap = nullptr;
    HGDIOBJ m_hOldFont = nullptr;
};

// The letter a letter with marks is made from (e for ế), or the letter itself.
wchar_t BaseLetter(wchar_t c) {
    wchar_t sz[8]{};
    const int n = FoldStringW(MAP_COMPOSITE, &c, 1, sz, 8);
    return n > 1 ? sz[0] : c;
}

// Chinese and Vietnamese show as their letters, not as the empty boxes of a font that lacks them
// nor as nothing: each letter of the three languages and of the language list, drawn in each font
// a skin declares (the main window's, its pages', About's, the dialogs'), is drawn, as something
// else than a character no font has, and with its marks.
TEST(AppTextFit, EveryLetterOfEachLanguageIsDrawnInEveryFontOfTheSkins) {
    std::wstring strLetters;
    for (const wchar_t* pszFile : {L"lan\\CN.xml", L"lan\\YUENAN.xml", L"about.xml"}) {
        const std::wstring strText = SkinText(pszFile);
        EXPECT_FALSE(strText.empty()) << "each file read";
        AddLetters(strText, strLetters);
    }
    AddLetters(SkinText(L"lan\\EN.xml"), strLetters);
    std::set<SkinFont> fonts;
    for (const wchar_t* pszSkin : {L"main.xml", L"about.xml", L"msg.xml", L"shortcut.xml", L"DpiColorDialog.xml", L"traymenu.xml",
                                   L"MS\\MS_1\\ms_1_page.xml", L"MS\\MS_1\\ms_1_macropage.xml", L"MS\\MS_1\\ms_1_menu.xml",
                                   L"MS\\MS_1\\profilename.xml", L"MS\\MS_1\\selectmacro.xml", L"MS\\MS_11\\ms_11_macropage.xml",
                                   L"MS\\MS_11\\selectmacro.xml"})
        AddFonts(SkinText(pszSkin), fonts);
    EXPECT_GE(fonts.size(), 5u) << "the skins' fonts read";
    std::string strNotDrawn;
    for (const SkinFont& font : fonts) {
        GlyphPainter painter(font);
        const std::vector<uint32_t> missing = painter.Paint(L'\xE000');  // a private-use character
        for (wchar_t c : strLetters) {
            const std::vector<uint32_t> pixels = painter.Paint(c);
            const bool bInk = std::any_of(pixels.begin(), pixels.end(), [](uint32_t p) { return (p & 0xFFFFFF) != 0; });
            // A letter with marks (ì, ế, ư) drawn as its bare letter has lost them.
            const wchar_t cBase = BaseLetter(c);
            const bool bMarksLost = cBase != c && pixels == painter.Paint(cBase);
            if (!bInk || pixels == missing || bMarksLost) {
                char szCode[80];
                std::snprintf(szCode, sizeof szCode, "\n  %d px%s: U+%04X%s", font.iSize, font.bBold ? " bold" : "",
                              static_cast<unsigned>(c), bMarksLost ? " without its marks" : "");
                strNotDrawn += szCode;
            }
        }
    }
    EXPECT_TRUE(strNotDrawn.empty()) << "characters the skins' fonts do not draw:" << strNotDrawn;
}

// A key button shows its function's caption; every function a person can give a button (and the
// ones the factory gives buttons 13 to 18) fits the button of either generation's page.
TEST(AppTextFit, EveryKeyCaptionFitsItsButtonInEachLanguage) {
    std::vector<std::string> cut;
    InEachLanguage([&](MainWindow& wnd, const Language& lang) {
        CLanguageTable table;
        ASSERT_TRUE(table.LoadFromFile((GetExeFolder() + L"res\\lan\\" + lang.pszFile + L".xml").c_str()));
        for (int n : {1, 11}) {
            ShowTab(wnd, n);
            CControlUI* pButton = uikit::FindControl(wnd.hwnd(), (ControlPrefix(n) + L"btn_key_1").c_str());
            ASSERT_NE(pButton, nullptr);
            ASSERT_GT(pButton->GetWidth(), 0);
            for (const KeyFunctionRow& row : KeyFunctionTableEx) {
                if (row.pszCaption == nullptr) continue;
                const std::wstring* pText = table.Find(row.pszCaption);
                ASSERT_NE(pText, nullptr);
                std::string strCut = uikit::TextCut(pButton, *pText);
                if (!strCut.empty()) Append(cut, lang, {strCut});
            }
        }
    });
    EXPECT_TRUE(cut.empty()) << "captions that do not fit:" << Lines(cut);
}

// Each model's settings column with every section, panel and light row it may show: every control
// of a fixed width keeps a margin from the scroll bar, and no name runs past its radio button.
constexpr int kScrollBarGap = 8;
TEST(AppLayout, EverySettingsRowOfEveryModelEndsBeforeTheScrollBar) {
    std::vector<std::string> crowded;
    InEachLanguage([&](MainWindow& wnd, const Language& lang) {
        for (int n = 1; n <= kModelCount; ++n) {
            ShowTab(wnd, n);
            const std::wstring strPrefix = ControlPrefix(n);
            auto* pColumn = static_cast<CContainerUI*>(uikit::FindControl(wnd.hwnd(), (strPrefix + L"ver_setting").c_str()));
            ASSERT_NE(pColumn, nullptr);
            for (int i = 0; i < pColumn->GetCount(); ++i) pColumn->GetItemAt(i)->SetVisible(true);
            if (auto* pLight = static_cast<CContainerUI*>(uikit::FindControl(wnd.hwnd(), (strPrefix + L"ver_light").c_str())))
                for (int i = 0; i < pLight->GetCount(); ++i) pLight->GetItemAt(i)->SetVisible(true);
            uikit::ManagerOf(wnd.hwnd())->UpdateLayout();
            const std::string strModel = "MS_" + std::to_string(n) + " ";
            for (const std::string& strLine : uikit::ControlsCrowded(pColumn, kScrollBarGap)) crowded.push_back(strModel + strLine);
            std::vector<std::string> cut = uikit::TextsCut(pColumn);
            for (std::string& strLine : cut) strLine = strModel + strLine;
            Append(crowded, lang, cut);
        }
    });
    EXPECT_TRUE(crowded.empty()) << "controls that do not fit:" << Lines(crowded);
}

}  // namespace
