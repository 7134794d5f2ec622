#include "ui/controls/checkbox.h"

#include <cwchar>

#include "ui/manager/paint_manager.h"

namespace DuiLib {

LPCWSTR CCheckBoxUI::GetClass() const { return L"CheckBoxUI"; }

LPVOID CCheckBoxUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"CheckBox") == 0) return this;
    return COptionUI::GetInterface(pstrName);
}

bool CCheckBoxUI::Activate() {
    if (!CControlUI::Activate() || m_pManager == nullptr) return false;
    m_pManager->SendNotify(this, DUI_MSGTYPE_CLICK);
    Selected(!IsSelected(), false);
    m_pManager->SendNotify(this, DUI_MSGTYPE_CHECKCLICK);
    return true;
}

void CCheckBoxUI::SetCheck(bool bCheck) { Selected(bCheck, false); }

}  // namespace DuiLib
