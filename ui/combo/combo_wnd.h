// CComboWnd: the drop-down of a combo: an owned pop-up window with a paint manager of its own,
// showing the combo's visible items as a list. It takes the activation while open, so keys come
// to it: arrows move the highlighted row, Enter picks it, Esc closes without a change. A press
// and release on one row picks that row. Losing the activation (a click anywhere else) closes
// it without a change. The combo owns the object; Release hands it back to the window, which
// deletes itself once no message of its own is being handled.
#pragma once

#include <vector>

#include "ui/manager/paint_manager.h"
#include "ui/window/window_wnd.h"

namespace DuiLib {

class CComboUI;
class CListUI;

class CComboWnd : public CWindowWnd {
public:
    // How the drop-down ended, for CComboUI::OnDropDownClosed.
    static constexpr int kClosedWithoutPick = -1;   // Esc: the combo keeps the focus
    static constexpr int kClosedByDeactivation = -2;

    explicit CComboWnd(CComboUI* pOwner);

    LPCWSTR GetWindowClassName() const override { return L"DuiComboWnd"; }

    // Builds the list from the combo's items and shows it below (or above) the combo.
    bool Open();
    // The combo lets go of the object: the window closes and the object goes as soon as it is
    // not inside one of its own messages.
    void Release();

    CPaintManagerUI& GetPaintManager() { return m_pm; }
    CListUI* GetList() const { return m_pList; }
    // The combo item shown in list row iRow, or -1.
    int ItemOfRow(int iRow) const;

protected:
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    LRESULT HandleOwnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled);
    // Closes the window and tells the combo how (an item index, or one of the kClosed... values).
    void CloseWith(int iResult);
    // The list row under a client point, or -1.
    int RowAt(POINT pt);
    RECT ComputeWindowRect(int cyContent) const;

    CComboUI* m_pOwner;
    CPaintManagerUI m_pm;
    CListUI* m_pList = nullptr;  // the root of m_pm's tree
    std::vector<int> m_rowItems;  // list row → combo item
    int m_iPressedRow = -1;
    int m_iDepth = 0;  // how many of this window's messages are being handled now
    bool m_bClosing = false;
    bool m_bReleased = false;
};

}  // namespace DuiLib
