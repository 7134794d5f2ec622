// CListUI: a vertically scrolling column of rows (CListLabelElementUI, CListContainerElementUI)
// with one selected row. The user selects with a press on a row or, while the list has the
// focus, with the arrow, Home, End and page keys; each such change raises "itemselect" (wParam
// the new index, lParam the old). SelectItem from code notifies only when asked and changed.
// Removing the selected row leaves no row selected, silently.
#pragma once

#include "ui/layout/vertical_layout.h"
#include "ui/list/list_owner.h"

namespace DuiLib {

class CListUI : public CListOwnerBase<CVerticalLayoutUI> {
public:
    CListUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    UINT GetControlFlags() const override;

    // The row a navigation key (arrows, Home, End, page keys) moves the selection to: -1 when
    // no row can take it, kNotNavigationKey for other keys.
    int GetNavigationTarget(UINT uKey) const;

    void DoEvent(TEventUI& event) override;

private:
    // How many rows one page of the visible area holds (at least 1).
    int RowsPerPage() const;
};

}  // namespace DuiLib
