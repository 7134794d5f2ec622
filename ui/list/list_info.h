// What a list and its rows share: the look of the rows (TListInfoUI, set on the list or the combo
// with item... attributes), the interface of a list's owner (selection) and the interface of a
// row (its index, owner, selected and hot state).
#pragma once

#include <windows.h>

#include "ui/base/dui_string.h"

namespace DuiLib {

class CControlUI;
class IContainerUI;

// The look of every row of one list. Colours are 0xAARRGGBB; 0 means "not set".
struct TListInfoUI {
    int nFont = -1;
    UINT uTextStyle = DT_VCENTER | DT_SINGLELINE | DT_LEFT | DT_END_ELLIPSIS;
    RECT rcTextPadding{8, 0, 8, 0};
    int iItemHeight = 24;  // rows without a height of their own
    DWORD dwTextColor = 0;
    DWORD dwBkColor = 0;
    DWORD dwSelectedTextColor = 0;
    DWORD dwSelectedBkColor = 0;
    DWORD dwHotTextColor = 0;
    DWORD dwHotBkColor = 0;
    DWORD dwDisabledTextColor = 0;
    CDuiString sBkImage;
    CDuiString sSelectedImage;
    CDuiString sHotImage;
};

// Reads an item... attribute ("itemselectedbkcolor", "itemfont", ...) into info; false when the
// name is not one of them.
bool SetListInfoAttribute(TListInfoUI& info, LPCWSTR pstrName, LPCWSTR pstrValue);

// The control that holds rows and knows which of them is selected.
class IListOwnerUI {
public:
    virtual TListInfoUI* GetListInfo() = 0;
    virtual int GetCurSel() const = 0;
    // Selects row iIndex. "itemselect" (wParam new index, lParam old) only when bTriggerEvent
    // is true and the selection changed.
    virtual bool SelectItem(int iIndex, bool bTakeFocus = false, bool bTriggerEvent = true) = 0;

protected:
    ~IListOwnerUI() = default;
};

// A row of a list.
class IListItemUI {
public:
    virtual int GetIndex() const = 0;
    virtual void SetIndex(int iIndex) = 0;
    virtual IListOwnerUI* GetOwner() = 0;
    virtual void SetOwner(CControlUI* pOwner) = 0;
    virtual bool IsSelected() const = 0;
    // Sets the selected state and repaints; raises nothing (the owner notifies).
    virtual bool Select(bool bSelect = true) = 0;
    virtual bool IsHot() const = 0;

protected:
    ~IListItemUI() = default;
};

// The state every row keeps, and its handling of the row's events: a press selects the row
// through its owner (a user choice: "itemselect"), the pointer makes it hot.
class CListItemState {
public:
    int m_iIndex = -1;
    IListOwnerUI* m_pOwner = nullptr;
    bool m_bSelected = false;
    bool m_bHot = false;

    void SetOwner(CControlUI* pOwner);
    // Handles the row events; false for events the row's base class should handle.
    bool HandleEvent(CControlUI& row, int iEventType);
    // The row's size in a list: its fixed size, or the list's row height.
    SIZE RowSize(const CControlUI& row) const;
    // Paints the row's background in its state's colour.
    void PaintBk(HDC hDC, const CControlUI& row) const;
    // The background and text colours and the state image for painting the row now. A colour
    // the row sets itself (bkcolor, textcolor) wins over the list's normal ones; the list's
    // selected and hot colours win over the row's.
    DWORD PaintBkColor(const CControlUI& row) const;
    DWORD PaintTextColor(const CControlUI& row, DWORD dwDefault) const;
    const CDuiString* StateImage() const;
};

// The row of a control, or nullptr when it is not a row.
IListItemUI* AsListItem(CControlUI* pControl);
// Gives the rows of a container from iFirst on their index and pOwner as owner.
void RenumberRows(IContainerUI& rows, CControlUI* pOwner, int iFirst);
// The selected index after a row was inserted at, or removed from, iIndex: it follows its row,
// and is -1 when its own row went.
int SelectionAfterInsert(int iCurSel, int iIndex);
int SelectionAfterRemove(int iCurSel, int iIndex);
// True when iIndex is -1 (no row) or the index of a row.
bool IsRowIndexOrNone(const IContainerUI& rows, int iIndex);
// Moves the selected state from row iCurSel to row iIndex (-1: none) and updates iCurSel;
// true when the selection changed. iIndex must satisfy IsRowIndexOrNone.
bool MoveRowSelection(IContainerUI& rows, int& iCurSel, int iIndex);
// The first visible, enabled row from iStart (clamped to the rows) in direction iStep (+1 or
// -1), or else the nearest one the other way; -1 when there is none.
int FindSelectableRow(const IContainerUI& rows, int iStart, int iStep);
// The row a navigation key moves the selection to (arrows, Home, End, and the page keys by
// nPageRows rows): -1 when no row can take it, kNotNavigationKey for other keys.
constexpr int kNotNavigationKey = -2;
int NavigationTarget(const IContainerUI& rows, int iCurSel, UINT uKey, int nPageRows);

}  // namespace DuiLib
