// CComboUI: a closed box showing the selected item, and a drop-down list window (a pop-up with
// its own paint manager) to choose another. Items are rows declared in the skin
// (<Combo><ListLabelElement text="..."/>...</Combo>). The user picks with the mouse in the
// drop-down, or with the keyboard: arrows move the selection of the closed combo at once;
// Enter, Space or F4 open the drop-down, where arrows move, Enter picks and Esc closes without a
// change. Each pick that changes the selection raises "itemselect" (wParam new, lParam old).
// The drop-down also closes when it loses the activation (a click outside it).
#pragma once

#include "ui/control/container.h"
#include "ui/list/list_owner.h"

namespace DuiLib {

class CComboWnd;

class CComboUI : public CListOwnerBase<CContainerUI> {
public:
    CComboUI();
    ~CComboUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    UINT GetControlFlags() const override;

    // The text of the selected item (empty when none is).
    CDuiString GetText() const override;

    // The drop-down: open, closed, and the window while open.
    bool Activate() override;  // opens it
    void CloseDropDown();
    bool IsDroppedDown() const;
    HWND GetDropDownWindow() const;
    // Width and height of the drop-down; 0 width = the combo's, 0 height = all items (up to
    // kMaxDropHeight).
    SIZE GetDropBoxSize() const { return m_szDropBox; }
    void SetDropBoxSize(SIZE szDropBox) { m_szDropBox = szDropBox; }
    DWORD GetDropBkColor() const { return m_dwDropBkColor; }
    DWORD GetDropBorderColor() const { return m_dwDropBorderColor; }

    // Called by the drop-down as it closes: the item the user picked, or how it closed without
    // a pick (CComboWnd::kClosed...).
    void OnDropDownClosed(int iResult);

    bool AddAt(CControlUI* pControl, int iIndex) override;
    void DoInit() override;
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    void SetEnabled(bool bEnable = true) override;
    CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void PaintStatusImage(HDC hDC) override;
    void PaintText(HDC hDC) override;

    static constexpr int kMaxDropHeight = 300;

private:
    // Selects the skin's selectedid, silently, once that item exists.
    void ApplySkinSelection();

    int m_iInitSel = -1;  // selectedid from the skin, applied once the items are there
    SIZE m_szDropBox{0, 0};
    DWORD m_dwDropBkColor = 0xFFFFFFFF;
    DWORD m_dwDropBorderColor = 0xFF808080;
    UINT m_uButtonState = 0;
    bool m_bPressCloses = false;  // the drop-down just closed because this combo was pressed
    CDuiString m_sNormalImage;
    CDuiString m_sHotImage;
    CDuiString m_sPushedImage;
    CDuiString m_sFocusedImage;
    CDuiString m_sDisabledImage;
    CComboWnd* m_pDropWnd = nullptr;  // released (not deleted) by the combo: see CComboWnd
};

}  // namespace DuiLib
