#include "ui/resource/resource_manager.h"

#include <algorithm>
#include <mutex>

#include "ui/builder/skin_declarations.h"
#include "ui/manager/paint_manager.h"
#include "ui/xml/xml_document.h"

namespace DuiLib {

namespace {

std::wstring LowerCase(LPCWSTR psz) {
    std::wstring s(psz ? psz : L"");
    if (!s.empty()) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

bool IsAbsolutePath(LPCWSTR psz) {
    return psz[0] != L'\0' && (psz[1] == L':' || (psz[0] == L'\\' && psz[1] == L'\\'));
}

}  // namespace

CResourceManager* CResourceManager::GetInstance() {
    static CResourceManager s_instance;
    return &s_instance;
}

CDuiString CResourceManager::GetFullPath(LPCWSTR pstrFile) {
    if (pstrFile == nullptr) return CDuiString();
    CDuiString sPath = IsAbsolutePath(pstrFile) ? CDuiString(pstrFile)
                                                : CPaintManagerUI::GetResourcePath() + pstrFile;
    sPath.Replace(L"/", L"\\");
    return sPath;
}

bool CResourceManager::LoadResource(STRINGorID xml, LPCWSTR /*type*/) {
    if (xml.IsId() || xml.m_lpstr == nullptr) return false;
    CXmlDocument doc;
    bool bLoaded = xml.m_lpstr[0] == L'<' ? doc.LoadFromString(xml.m_lpstr)
                                          : doc.LoadFromFile(GetFullPath(xml.m_lpstr));
    if (!bLoaded) return false;
    for (const CXmlNode& node : doc.GetRoot()->aChildren) {
        if (_wcsicmp(node.sName.c_str(), L"Font") == 0) {
            ReadFontDeclaration(node, m_sharedFonts);
        } else if (_wcsicmp(node.sName.c_str(), L"Default") == 0) {
            std::wstring sClass, sAttributes;
            if (ReadDefaultDeclaration(node, sClass, sAttributes)) {
                SetSharedDefaultAttributes(sClass.c_str(), sAttributes.c_str());
            }
        }
    }
    return true;
}

bool CResourceManager::LoadLanguage(LPCWSTR pstrLanguage) {
    if (pstrLanguage == nullptr || *pstrLanguage == L'\0') return false;
    CLanguageTable table;
    if (!table.LoadFromFile(GetFullPath(pstrLanguage))) return false;
    std::unique_lock lock(m_textLock);
    m_language = std::move(table);
    return true;
}

CDuiString CResourceManager::GetText(LPCWSTR lpstrId, LPCWSTR /*lpstrType*/) {
    if (lpstrId == nullptr || *lpstrId == L'\0') return CDuiString();
    std::shared_lock lock(m_textLock);
    const std::wstring* pText = m_language.Find(lpstrId);
    return pText ? CDuiString(*pText) : CDuiString(lpstrId);
}

std::wstring LanguageTextOf(LPCWSTR pszTextId) { return CResourceManager::GetInstance()->GetText(pszTextId).str(); }

void CResourceManager::ReloadText() {
    // Texts are resolved when they are painted, so every window only needs a new layout and paint.
    std::vector<CPaintManagerUI*> managers = m_managers;
    for (CPaintManagerUI* pManager : managers) {
        pManager->NeedUpdate();
        pManager->Invalidate();
    }
}

const TImageInfo* CResourceManager::GetImage(LPCWSTR pstrImage) {
    if (pstrImage == nullptr || *pstrImage == L'\0') return nullptr;
    return m_images.Get(GetFullPath(pstrImage).str());
}

void CResourceManager::SetSharedDefaultAttributes(LPCWSTR pstrControlClass, LPCWSTR pstrAttributes) {
    if (pstrControlClass == nullptr) return;
    m_sharedDefaults[LowerCase(pstrControlClass)] = pstrAttributes ? pstrAttributes : L"";
}

LPCWSTR CResourceManager::GetSharedDefaultAttributes(LPCWSTR pstrControlClass) const {
    auto it = m_sharedDefaults.find(LowerCase(pstrControlClass));
    return it == m_sharedDefaults.end() ? nullptr : it->second.c_str();
}

void CResourceManager::AddPaintManager(CPaintManagerUI* pManager) {
    if (std::find(m_managers.begin(), m_managers.end(), pManager) == m_managers.end()) {
        m_managers.push_back(pManager);
    }
}

void CResourceManager::RemovePaintManager(CPaintManagerUI* pManager) {
    m_managers.erase(std::remove(m_managers.begin(), m_managers.end(), pManager), m_managers.end());
}

void CResourceManager::Release() {
    m_images.Clear();
    m_sharedFonts.Clear();
    m_sharedDefaults.clear();
    CFontTable::ReleaseSystemDefault();
    std::unique_lock lock(m_textLock);
    m_language.Clear();
}

}  // namespace DuiLib
