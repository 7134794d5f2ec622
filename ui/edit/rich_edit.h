// CRichEditUI: the program's single-line text field. Unfocused it is drawn windowless with its
// normal, hot, focused or disabled image and its text; while it has the focus a native EDIT
// window lies over the text area (caret, selection, clipboard, input methods).
// Notifications: "textchanged" for each change the user makes (never for SetText), "return" for
// Enter, "setfocus"/"killfocus" as the focus comes and goes (also when the window loses the
// activation or another control is pressed). Taking the focus selects the whole text, unless
// SetSel chose a selection before. SetText and SetSel while focused change the native window
// without a notification. The text is literal (no language id) unless resourcetext says so.
#pragma once

#include "ui/controls/label.h"
#include "ui/edit/edit_wnd.h"

namespace DuiLib {

class CRichEditUI : public CLabelUI, private IEditWndOwner {
public:
    CRichEditUI();
    ~CRichEditUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    UINT GetControlFlags() const override;

    void SetText(LPCWSTR pstrText) override;
    // Selects characters iStart to iEnd (-1: to the end); iStart = iEnd puts the caret there.
    void SetSel(long iStart, long iEnd);
    void SetSelAll() { SetSel(0, -1); }
    bool IsReadOnly() const { return m_bReadOnly; }
    void SetReadOnly(bool bReadOnly = true);
    UINT GetMaxChar() const { return m_uMaxChar; }
    void SetMaxChar(UINT uMax);
    DWORD GetNativeEditBkColor() const { return m_dwNativeBkColor; }
    void SetNativeEditBkColor(DWORD dwColor) { m_dwNativeBkColor = dwColor; }

    LPCWSTR GetNormalImage() const { return m_sNormalImage; }
    void SetNormalImage(LPCWSTR pStrImage);
    LPCWSTR GetHotImage() const { return m_sHotImage; }
    void SetHotImage(LPCWSTR pStrImage);
    LPCWSTR GetFocusedImage() const { return m_sFocusedImage; }
    void SetFocusedImage(LPCWSTR pStrImage);
    LPCWSTR GetDisabledImage() const { return m_sDisabledImage; }
    void SetDisabledImage(LPCWSTR pStrImage);

    // The native window while the edit has the focus, else nullptr.
    HWND GetNativeWindow() const;

    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintStatusImage(HDC hDC) override;

private:
    void OnEditTextChanged() override;
    void OnEditReturn() override;
    void OnEditFocusLeft() override;

    void OpenNativeEdit();
    void CloseNativeEdit();
    // Where the native window goes (host client coordinates): the text area, one line high,
    // centred as the windowless text is; false when the edit is not wholly in view.
    bool GetNativeEditRect(RECT& rc) const;

    CEditWnd* m_pEditWnd = nullptr;  // released (not deleted) when editing ends: see CEditWnd
    CDuiString m_sNormalImage;
    CDuiString m_sHotImage;
    CDuiString m_sFocusedImage;
    CDuiString m_sDisabledImage;
    DWORD m_dwNativeBkColor = 0;  // 0: the control's own opaque background, else white
    UINT m_uMaxChar = 255;
    bool m_bReadOnly = false;
    bool m_bHot = false;
    long m_iSelStart = 0;  // the selection the next focus starts with
    long m_iSelEnd = -1;
};

}  // namespace DuiLib
