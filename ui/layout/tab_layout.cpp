#include "ui/layout/tab_layout.h"

#include <cwchar>

#include "ui/base/attr_parse.h"

namespace DuiLib {

LPCWSTR CTabLayoutUI::GetClass() const { return L"TabLayoutUI"; }

LPVOID CTabLayoutUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"TabLayout") == 0) return this;
    return CContainerUI::GetInterface(pstrName);
}

bool CTabLayoutUI::AddAt(CControlUI* pControl, int iIndex) {
    if (!CContainerUI::AddAt(pControl, iIndex)) return false;
    if (iIndex <= m_iCurSel && GetCount() > 1 && m_iCurSel + 1 < GetCount()) ++m_iCurSel;
    ApplySelection();
    return true;
}

bool CTabLayoutUI::RemoveAt(int iIndex) {
    if (!CContainerUI::RemoveAt(iIndex)) return false;
    if (iIndex < m_iCurSel) {
        --m_iCurSel;
    } else if (iIndex == m_iCurSel) {
        m_iCurSel = 0;
    }
    ApplySelection();
    return true;
}

void CTabLayoutUI::RemoveAll() {
    CContainerUI::RemoveAll();
    m_iCurSel = 0;
}

bool CTabLayoutUI::SelectItem(int iIndex) {
    if (iIndex < 0 || iIndex >= GetCount()) return false;
    if (iIndex == m_iCurSel && GetItemAt(iIndex)->IsVisible()) return true;
    m_iCurSel = iIndex;
    ApplySelection();
    NeedUpdate();
    return true;
}

bool CTabLayoutUI::SelectItem(CControlUI* pControl) { return SelectItem(GetItemIndex(pControl)); }

void CTabLayoutUI::ApplySelection() {
    // The page being hidden goes first, so focus leaves it before the new page shows.
    for (int i = 0; i < GetCount(); ++i) {
        if (i != m_iCurSel) GetItemAt(i)->SetVisible(false);
    }
    if (CControlUI* pSelected = GetItemAt(m_iCurSel)) pSelected->SetVisible(true);
}

void CTabLayoutUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    if (wcscmp(pstrName, L"selectedid") == 0) {
        int iIndex = ParseInt(pstrValue);
        m_iCurSel = iIndex < 0 ? 0 : iIndex;
        ApplySelection();
    } else {
        CContainerUI::SetAttribute(pstrName, pstrValue);
    }
}

}  // namespace DuiLib
