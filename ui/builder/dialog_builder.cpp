#include "ui/builder/dialog_builder.h"

#include <cwctype>

#include "ui/base/attr_parse.h"
#include "ui/base/dui_trace.h"
#include "ui/builder/control_factory.h"
#include "ui/builder/skin_declarations.h"
#include "ui/control/container.h"
#include "ui/manager/paint_manager.h"
#include "ui/resource/resource_manager.h"

namespace DuiLib {

namespace {

constexpr int kMaxIncludeDepth = 8;

bool IsNamed(const CXmlNode& node, LPCWSTR pstrName) { return _wcsicmp(node.sName.c_str(), pstrName) == 0; }

bool IsDeclaration(const CXmlNode& node) {
    return IsNamed(node, L"Window") || IsNamed(node, L"Font") || IsNamed(node, L"Default") || IsNamed(node, L"Image");
}

}  // namespace

CControlUI* CDialogBuilder::Create(STRINGorID xml, STRINGorID type, IDialogBuilderCallback* pCallback,
                                   CPaintManagerUI* pManager, CControlUI* pParent) {
    m_sType = (!type.IsId() && type.m_lpstr != nullptr) ? type.m_lpstr : L"";
    if (xml.IsId() || xml.m_lpstr == nullptr) {
        m_sError = L"skins are read from files; a resource id names none";
        return nullptr;
    }
    const wchar_t* p = xml.m_lpstr;
    while (*p != L'\0' && iswspace(*p)) ++p;
    const bool bLoaded = *p == L'<' ? m_xml.LoadFromString(xml.m_lpstr)
                                    : m_xml.LoadFromFile(CResourceManager::GetFullPath(xml.m_lpstr));
    if (!bLoaded) {
        m_sError = m_xml.GetError();
        DUITRACE(L"Skin not loaded: %s\r\n", m_sError.GetData());
        return nullptr;
    }
    return Create(pCallback, pManager, pParent);
}

CControlUI* CDialogBuilder::Create(IDialogBuilderCallback* pCallback, CPaintManagerUI* pManager, CControlUI* pParent) {
    m_pCallback = pCallback;
    const CXmlNode* pRoot = m_xml.GetRoot();
    if (pRoot == nullptr) return nullptr;
    if (IsNamed(*pRoot, L"Window")) {
        if (pManager != nullptr) ApplyWindowAttributes(*pRoot, pManager);
        return Parse(*pRoot, pParent, pManager);
    }
    // A skin whose root element is itself a control (a list row, an included part).
    CXmlNode holder;
    holder.aChildren.push_back(*pRoot);
    return Parse(holder, pParent, pManager);
}

void CDialogBuilder::ApplyWindowAttributes(const CXmlNode& window, CPaintManagerUI* pManager) {
    for (const auto& [sName, sValue] : window.aAttributes) {
        if (sName == L"size") {
            SIZE sz = ParseSize(sValue.c_str());
            pManager->SetInitSize(sz.cx, sz.cy);
        } else if (sName == L"caption") {
            pManager->SetCaptionRect(ParseRect(sValue.c_str()));
        } else if (sName == L"mininfo") {
            SIZE sz = ParseSize(sValue.c_str());
            pManager->SetMinInfo(sz.cx, sz.cy);
        } else if (sName == L"defaultfontcolor") {
            pManager->SetDefaultFontColor(ParseColor(sValue.c_str()));
        } else if (sName == L"disabledfontcolor") {
            pManager->SetDefaultDisabledColor(ParseColor(sValue.c_str()));
        }
    }
    for (const CXmlNode& node : window.aChildren) {
        if (IsNamed(node, L"Font")) {
            ReadFontDeclaration(node, pManager->GetFontTable());
        } else if (IsNamed(node, L"Default")) {
            std::wstring sClass, sAttributes;
            if (ReadDefaultDeclaration(node, sClass, sAttributes)) {
                pManager->AddDefaultAttributeList(sClass.c_str(), sAttributes.c_str());
            }
        }
    }
}

CControlUI* CDialogBuilder::Parse(const CXmlNode& parentNode, CControlUI* pParent, CPaintManagerUI* pManager) {
    CControlUI* pReturn = nullptr;
    for (const CXmlNode& node : parentNode.aChildren) {
        if (IsDeclaration(node)) continue;
        if (IsNamed(node, L"Include")) {
            LPCWSTR pSource = node.GetAttribute(L"source");
            if (pSource == nullptr || m_iIncludeDepth >= kMaxIncludeDepth) {
                DUITRACE(L"Include skipped (no source or nested too deep)\r\n");
                continue;
            }
            LPCWSTR pCount = node.GetAttribute(L"count");
            const int nCount = pCount ? ParseInt(pCount) : 1;
            for (int i = 0; i < nCount; ++i) {
                CDialogBuilder builder;
                builder.m_iIncludeDepth = m_iIncludeDepth + 1;
                CControlUI* pIncluded = builder.Create(pSource, m_sType.IsEmpty() ? STRINGorID(static_cast<UINT>(0))
                                                                                   : STRINGorID(m_sType.GetData()),
                                                       m_pCallback, pManager, pParent);
                if (pReturn == nullptr) pReturn = pIncluded;
            }
            continue;
        }

        CControlUI* pControl = CControlFactory::Create(node.sName.c_str());
        if (pControl == nullptr && m_pCallback != nullptr) pControl = m_pCallback->CreateControl(node.sName.c_str());
        if (pControl == nullptr) {
            DUITRACE(L"Unknown control class %s skipped\r\n", node.sName.c_str());
            continue;
        }
        // The window's defaults for the class first, then the element's own attributes.
        if (pManager != nullptr) {
            if (LPCWSTR pDefaults = pManager->GetDefaultAttributeList(node.sName.c_str())) {
                pControl->ApplyAttributeList(pDefaults);
            }
        } else if (LPCWSTR pDefaults = CResourceManager::GetInstance()->GetSharedDefaultAttributes(node.sName.c_str())) {
            pControl->ApplyAttributeList(pDefaults);
        }
        for (const auto& [sName, sValue] : node.aAttributes) pControl->SetAttribute(sName.c_str(), sValue.c_str());

        if (pParent == nullptr && pReturn != nullptr) {
            DUITRACE(L"Second root control %s ignored\r\n", node.sName.c_str());
            delete pControl;
            continue;
        }
        if (pParent != nullptr) {
            auto* pContainer = static_cast<IContainerUI*>(pParent->GetInterface(L"IContainer"));
            if (pContainer == nullptr || !pContainer->Add(pControl)) {
                delete pControl;
                continue;
            }
        }
        if (!node.aChildren.empty()) {
            if (pControl->GetInterface(L"IContainer") != nullptr) {
                Parse(node, pControl, pManager);
            } else {
                DUITRACE(L"Children of %s ignored: it is not a container\r\n", node.sName.c_str());
            }
        }
        if (pReturn == nullptr) pReturn = pControl;
    }
    return pReturn;
}

}  // namespace DuiLib
