// CEditWnd: the native single-line EDIT window laid over a rich edit while it has the focus, so
// that caret, selection, clipboard and input methods are the system's. It reports what the
// user does to its owner: a text change, Enter, and the keyboard leaving for a window outside
// the host. Messages the host reflects (OCM_COMMAND, OCM_CTLCOLOR...) reach it here.
#pragma once

#include <windows.h>

#include "ui/base/dui_string.h"
#include "ui/base/win_handles.h"
#include "ui/window/window_wnd.h"

namespace DuiLib {

class IEditWndOwner {
public:
    virtual void OnEditTextChanged() = 0;
    virtual void OnEditReturn() = 0;
    // The keyboard went to a window that is neither the host nor one of its children.
    virtual void OnEditFocusLeft() = 0;

protected:
    ~IEditWndOwner() = default;
};

// How the window starts.
struct TEditWndInit {
    HWND hWndHost = nullptr;
    RECT rcEdit{0, 0, 0, 0};  // host client coordinates
    HFONT hFont = nullptr;
    DWORD dwTextColor = 0xFF000000;
    DWORD dwBkColor = 0xFFFFFFFF;
    bool bReadOnly = false;
    DWORD dwAlign = ES_LEFT;  // ES_LEFT, ES_CENTER or ES_RIGHT, as the windowless text is drawn
    UINT uMaxChar = 0;  // 0: the system's limit
    CDuiString sText;
    int iSelStart = 0;
    int iSelEnd = -1;  // -1: to the end
};

class CEditWnd : public CWindowWnd {
public:
    explicit CEditWnd(IEditWndOwner* pOwner);

    LPCWSTR GetWindowClassName() const override { return L"DuiRichEditWnd"; }
    LPCWSTR GetSuperClassName() const override { return L"EDIT"; }

    // Creates the window over the host, fills it and gives it the keyboard.
    bool Open(const TEditWndInit& init);
    // The owner is done with the window: it stops reporting, hands the keyboard back to the
    // host if it had it, and goes away once the current message is over, deleting itself (it
    // may be inside one of its own messages now). The caller gives up the object.
    void Release();

    // Changes from code. The owner holds the text it set, so the change the system reports for
    // it is no change to the owner.
    void SetText(LPCWSTR pstrText);
    CDuiString GetText() const;
    void SetSel(int iStart, int iEnd);
    void SetReadOnly(bool bReadOnly);
    void SetMaxChar(UINT uMax);
    void Place(const RECT& rcEdit, bool bShow);

protected:
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;
    void OnFinalMessage(HWND hWnd) override;

private:
    IEditWndOwner* m_pOwner;
    HWND m_hWndHost = nullptr;
    GdiObject<HBRUSH> m_hBkBrush;
    COLORREF m_crText = 0;
    COLORREF m_crBk = 0;
    bool m_bReleased = false;
    bool m_bLosingFocus = false;  // inside WM_KILLFOCUS: the keyboard is already elsewhere
};

}  // namespace DuiLib
