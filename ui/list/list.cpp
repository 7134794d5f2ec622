#include "ui/list/list.h"

#include <cwchar>

namespace DuiLib {

CListUI::CListUI() { EnableScrollBar(true); }

LPCWSTR CListUI::GetClass() const { return L"ListUI"; }

LPVOID CListUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"List") == 0) return this;
    return CListOwnerBase<CVerticalLayoutUI>::GetInterface(pstrName);
}

UINT CListUI::GetControlFlags() const { return IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0; }

int CListUI::RowsPerPage() const {
    const RECT rcArea = GetChildArea();
    CControlUI* pFirst = GetItemAt(0);
    const int cyRow = (pFirst != nullptr && pFirst->GetHeight() > 0) ? pFirst->GetHeight() : m_listInfo.iItemHeight;
    const int n = cyRow > 0 ? (rcArea.bottom - rcArea.top) / cyRow : 1;
    return n > 1 ? n : 1;
}

int CListUI::GetNavigationTarget(UINT uKey) const { return NavigationTarget(*this, m_iCurSel, uKey, RowsPerPage()); }

void CListUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_KEYDOWN && IsEnabled()) {
        const int iTarget = GetNavigationTarget(event.chKey);
        if (iTarget != kNotNavigationKey) {
            if (iTarget >= 0) {
                SelectItem(iTarget, true, true);
                EnsureVisible(iTarget);
            }
            return;
        }
    }
    CListOwnerBase<CVerticalLayoutUI>::DoEvent(event);
}

}  // namespace DuiLib
