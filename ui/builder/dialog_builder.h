// CDialogBuilder: builds a control tree from a skin file (relative to the resource path) or
// from XML text. A <Window> root sets the window's size, caption area and colours, declares
// fonts and per-class default attributes, and holds the root control; <Include source="..."/>
// inserts another skin file's controls. Unknown classes go to the callback.
#pragma once

#include <windows.h>

#include "ui/base/dui_string.h"
#include "ui/base/string_or_id.h"
#include "ui/xml/xml_document.h"

namespace DuiLib {

class CControlUI;
class CPaintManagerUI;

class IDialogBuilderCallback {
public:
    // A control for a class the library does not know, or nullptr.
    virtual CControlUI* CreateControl(LPCWSTR pstrClass) = 0;

protected:
    ~IDialogBuilderCallback() = default;
};

class CDialogBuilder {
public:
    // Builds the tree and returns its root (the caller owns it, or pParent does when given);
    // nullptr when the skin cannot be read or holds no control. pManager receives the window
    // declarations and supplies default attributes; the tree joins the window only when it is
    // attached (AttachDialog) or added to a container of the window.
    CControlUI* Create(STRINGorID xml, STRINGorID type = static_cast<UINT>(0), IDialogBuilderCallback* pCallback = nullptr,
                       CPaintManagerUI* pManager = nullptr, CControlUI* pParent = nullptr);
    // Builds again from the skin the last Create read.
    CControlUI* Create(IDialogBuilderCallback* pCallback = nullptr, CPaintManagerUI* pManager = nullptr,
                       CControlUI* pParent = nullptr);

    const CDuiString& GetLastErrorMessage() const { return m_sError; }

private:
    CControlUI* Parse(const CXmlNode& parentNode, CControlUI* pParent, CPaintManagerUI* pManager);
    void ApplyWindowAttributes(const CXmlNode& window, CPaintManagerUI* pManager);

    CXmlDocument m_xml;
    IDialogBuilderCallback* m_pCallback = nullptr;
    CDuiString m_sType;
    CDuiString m_sError;
    int m_iIncludeDepth = 0;
};

}  // namespace DuiLib
