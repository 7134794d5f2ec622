// The controls of a pop-up menu skin: <Menu> (CMenuUI), the column of items, and <MenuElement>
// (CMenuElementUI), one item. The item under the pointer or chosen with the arrow keys is the
// menu's highlighted item; a click, Enter or Space chooses it ("click" from the item).
//   <Menu width="160" inset="2,2,2,2" bkcolor="#FF1B1F25" bordersize="1" bordercolor="#FF3A414C">
//     <MenuElement name="configuration" text="configuration_text" userdata="..."/>
//     <MenuElement name="mute" text="mute_text" checkable="true" checked="false"/>
//   </Menu>
// Items are 22 pixels high unless the skin says otherwise, so with the default inset a menu of n
// visible items is 22 n + 4 high. A long menu may be set in columns, as a native menu's
// column break does: a visible item with columnbreak="true" begins a new column; the columns
// are equally wide (the widest item's width), the menu as high as its tallest column, and the
// arrow keys go down each column in turn.
#pragma once

#include "ui/controls/button.h"
#include "ui/layout/vertical_layout.h"

#include <vector>

namespace DuiLib {

class CMenuElementUI;

class CMenuUI : public CVerticalLayoutUI {
public:
    CMenuUI();
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    // The items (children that are menu elements), in order.
    CMenuElementUI* GetElementAt(int iIndex) const;
    // The highlighted item, or nullptr.
    CMenuElementUI* GetHotItem() const;
    // Highlights one item (nullptr: none) and takes the highlight from the others.
    void SetHotItem(CMenuElementUI* pItem);
    // Moves the highlight to the next (or previous) visible, enabled item, wrapping around; the
    // first (or last) one when none is highlighted. False when there is none.
    bool MoveHotItem(bool bForward);
    // The size the menu needs: the widest item's text (or the fixed width) and the heights of
    // the visible children, with the inset; in columns, the columns side by side.
    SIZE MeasureMenu(HDC hDC);
    // The visible children by column (one column without a column break).
    std::vector<std::vector<CControlUI*>> GetColumns() const;
    // Children of the tallest column: what a menu in one column counts as its visible items.
    int GetRowCount() const;

    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

class CMenuElementUI : public CButtonUI {
public:
    static constexpr int kDefaultHeight = 22;

    CMenuElementUI();
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    // Items take no keyboard focus: the menu moves its highlight itself.
    UINT GetControlFlags() const override;
    SIZE EstimateSize(SIZE szAvailable) override;
    // Toggles a checkable item, then raises "click".
    bool Activate() override;

    bool IsChecked() const { return m_bChecked; }
    void SetChecked(bool bChecked);
    bool IsCheckable() const { return m_bCheckable; }
    void SetCheckable(bool bCheckable) { m_bCheckable = bCheckable; }
    bool IsHot() const { return (m_uButtonState & UISTATE_HOT) != 0; }
    // The item begins a new column of its menu.
    bool IsColumnBreak() const { return m_bColumnBreak; }
    void SetHot(bool bHot);

    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

private:
    CMenuUI* GetMenu() const;

    bool m_bChecked = false;
    bool m_bCheckable = false;
    bool m_bColumnBreak = false;
};

}  // namespace DuiLib
