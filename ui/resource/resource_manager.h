// CResourceManager: the process-wide resources every window shares: the language table
// (text ids → texts), the image cache, and fonts and default attributes that a shared skin file
// declares. UI thread only, except GetText, which any thread may call.
#pragma once

#include <windows.h>

#include <map>
#include <shared_mutex>
#include <string>
#include <vector>

#include "ui/base/dui_string.h"
#include "ui/base/string_or_id.h"
#include "ui/resource/font_table.h"
#include "ui/resource/image_cache.h"
#include "ui/resource/language_table.h"

namespace DuiLib {

class CPaintManagerUI;

class CResourceManager {
public:
    static CResourceManager* GetInstance();

    // Reads the <Font> and <Default> declarations of a skin file (relative to the resource
    // path) as shared by every window. Nothing else of the file is used.
    bool LoadResource(STRINGorID xml, LPCWSTR type = nullptr);

    // Replaces the texts with those of a language file (relative to the resource path). A file
    // that is missing or unreadable leaves the current texts in force.
    bool LoadLanguage(LPCWSTR pstrLanguage);
    // Language text of the id, looked up now. An id the language does not know is its own text,
    // so literal texts ("57%", "%d") pass through; the empty id gives the empty text.
    CDuiString GetText(LPCWSTR lpstrId, LPCWSTR lpstrType = nullptr);
    // Every window shows its resource texts again in the current language.
    void ReloadText();

    // Image of a skin path (relative to the resource path, or absolute); nullptr when missing.
    const TImageInfo* GetImage(LPCWSTR pstrImage);
    // Full path of a skin file name.
    static CDuiString GetFullPath(LPCWSTR pstrFile);

    CFontTable& GetSharedFonts() { return m_sharedFonts; }
    void SetSharedDefaultAttributes(LPCWSTR pstrControlClass, LPCWSTR pstrAttributes);
    // nullptr when the class has no shared defaults.
    LPCWSTR GetSharedDefaultAttributes(LPCWSTR pstrControlClass) const;

    // Every paint manager registers while its window lives, so a language switch reaches it.
    void AddPaintManager(CPaintManagerUI* pManager);
    void RemovePaintManager(CPaintManagerUI* pManager);

    // Releases images, fonts, shared declarations and texts.
    void Release();

private:
    CResourceManager() = default;

    mutable std::shared_mutex m_textLock;
    CLanguageTable m_language;
    CImageCache m_images;
    CFontTable m_sharedFonts;
    std::map<std::wstring, std::wstring> m_sharedDefaults;  // class name, lower case → attributes
    std::vector<CPaintManagerUI*> m_managers;
};

// The language text of a text id (CResourceManager::GetText) as a plain string; any thread.
std::wstring LanguageTextOf(LPCWSTR pszTextId);

}  // namespace DuiLib
