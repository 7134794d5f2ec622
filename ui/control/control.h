// CControlUI: the base of every windowless control: identity, place in the tree, position and
// size rules, visibility and enabled state, text (literal or a language id), colours, border,
// background image, virtual window, painting and event handling.
#pragma once

#include <windows.h>

#include "ui/base/dui_string.h"
#include "ui/base/ui_defs.h"
#include "ui/control/event.h"

namespace DuiLib {

class CPaintManagerUI;
class CControlUI;

using FINDCONTROLPROC = CControlUI* (*)(CControlUI*, LPVOID);

class CControlUI {
public:
    CControlUI();
    CControlUI(const CControlUI&) = delete;
    CControlUI& operator=(const CControlUI&) = delete;
    virtual ~CControlUI();

    // Identity.
    virtual CDuiString GetName() const { return m_sName; }
    virtual void SetName(LPCWSTR pstrName);
    virtual LPCWSTR GetClass() const;
    // The class-specific interface named pstrName ("Control", "Container", "Button", ...), or
    // nullptr when this control has no such interface.
    virtual LPVOID GetInterface(LPCWSTR pstrName);
    virtual UINT GetControlFlags() const;
    // The control's default action, as a click or Space/Enter would trigger it.
    virtual bool Activate();

    // Place in the tree.
    virtual CPaintManagerUI* GetManager() const { return m_pManager; }
    virtual void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true);
    virtual CControlUI* GetParent() const { return m_pParent; }
    // True when pControl is this control or lies inside it.
    bool IsAncestorOf(const CControlUI* pControl) const;

    // Text. In resource-text mode the stored text is a language id and GetText gives the text
    // of the current language (an unknown id shows as itself).
    virtual CDuiString GetText() const;
    virtual void SetText(LPCWSTR pstrText);
    const CDuiString& GetTextSource() const { return m_sText; }  // the text or id as set
    bool IsResourceText() const { return m_bResourceText; }
    virtual void SetResourceText(bool bResource);
    DWORD GetTextColor() const { return m_dwTextColor; }
    void SetTextColor(DWORD dwTextColor);
    DWORD GetDisabledTextColor() const { return m_dwDisabledTextColor; }
    void SetDisabledTextColor(DWORD dwTextColor);
    int GetFont() const { return m_iFont; }
    void SetFont(int index);
    UINT GetTextStyle() const { return m_uTextStyle; }
    void SetTextStyle(UINT uStyle);
    RECT GetTextPadding() const { return m_rcTextPadding; }
    void SetTextPadding(RECT rc);

    // Colours, border, background image (0xAARRGGBB colours; alpha 0 = none).
    DWORD GetBkColor() const { return m_dwBackColor; }
    void SetBkColor(DWORD dwBackColor);
    LPCWSTR GetBkImage() const { return m_sBkImage; }
    void SetBkImage(LPCWSTR pStrImage);
    DWORD GetBorderColor() const { return m_dwBorderColor; }
    void SetBorderColor(DWORD dwBorderColor);
    DWORD GetFocusBorderColor() const { return m_dwFocusBorderColor; }
    void SetFocusBorderColor(DWORD dwBorderColor);
    int GetBorderSize() const { return m_nBorderSize; }
    void SetBorderSize(int nSize);
    SIZE GetBorderRound() const { return m_cxyBorderRound; }
    void SetBorderRound(SIZE cxyRound);
    // Draws an image string in this control's rectangle.
    bool DrawImage(HDC hDC, LPCWSTR pStrImage, LPCWSTR pStrModify = nullptr);

    // Position and size. GetPos is in client coordinates of the window, which for our
    // frameless windows are window coordinates.
    virtual const RECT& GetPos() const { return m_rcItem; }
    virtual void SetPos(RECT rc, bool bNeedInvalidate = true);
    int GetWidth() const { return m_rcItem.right - m_rcItem.left; }
    int GetHeight() const { return m_rcItem.bottom - m_rcItem.top; }
    int GetX() const { return m_rcItem.left; }
    int GetY() const { return m_rcItem.top; }
    virtual RECT GetPadding() const { return m_rcPadding; }
    virtual void SetPadding(RECT rcPadding);
    virtual SIZE GetFixedXY() const { return m_cXY; }  // float controls: offset in the parent
    virtual void SetFixedXY(SIZE szXY);
    virtual int GetFixedWidth() const { return m_cxyFixed.cx; }
    virtual void SetFixedWidth(int cx);
    virtual int GetFixedHeight() const { return m_cxyFixed.cy; }
    virtual void SetFixedHeight(int cy);
    int GetMinWidth() const { return m_cxyMin.cx; }
    void SetMinWidth(int cx);
    int GetMaxWidth() const { return m_cxyMax.cx; }
    void SetMaxWidth(int cx);
    int GetMinHeight() const { return m_cxyMin.cy; }
    void SetMinHeight(int cy);
    int GetMaxHeight() const { return m_cxyMax.cy; }
    void SetMaxHeight(int cy);
    virtual bool IsFloat() const { return m_bFloat; }
    virtual void SetFloat(bool bFloat = true);
    // The size the control wants in a layout (fixed sizes; 0 = take what is offered).
    virtual SIZE EstimateSize(SIZE szAvailable);

    // Data the program attaches.
    CDuiString GetToolTip() const { return m_sToolTip; }
    void SetToolTip(LPCWSTR pstrText) { m_sToolTip = pstrText; }
    const CDuiString& GetUserData() const { return m_sUserData; }
    void SetUserData(LPCWSTR pstrText) { m_sUserData = pstrText; }
    UINT_PTR GetTag() const { return m_pTag; }
    void SetTag(UINT_PTR pTag) { m_pTag = pTag; }

    // State.
    virtual bool IsVisible() const { return m_bVisible; }
    virtual void SetVisible(bool bVisible = true);
    // Visible itself and every ancestor visible.
    bool IsVisibleInTree() const;
    virtual bool IsEnabled() const { return m_bEnabled; }
    virtual void SetEnabled(bool bEnable = true);
    virtual bool IsMouseEnabled() const { return m_bMouseEnabled; }
    virtual void SetMouseEnabled(bool bEnable = true);
    virtual bool IsKeyboardEnabled() const { return m_bKeyboardEnabled; }
    virtual void SetKeyboardEnabled(bool bEnable = true);
    virtual bool IsFocused() const { return m_bFocused; }
    virtual void SetFocus();

    // Virtual window: notifications of this control carry the name of the nearest virtual
    // window set on it or on an ancestor.
    CDuiString GetVirtualWnd() const;
    void SetVirtualWnd(LPCWSTR pstrValue);

    // Depth-first search of this control (containers: and their children).
    virtual CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);

    void Invalidate();
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }
    void NeedUpdate();
    void NeedParentUpdate();

    // Called once when the control first joins a window.
    virtual void Init();
    virtual void DoInit() {}

    virtual void Event(TEventUI& event);
    virtual void DoEvent(TEventUI& event);

    virtual void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue);
    // name="value" pairs, as a <Default> declaration writes them.
    CControlUI* ApplyAttributeList(LPCWSTR pstrList);

    virtual void DoPaint(HDC hDC, const RECT& rcPaint);
    virtual void PaintBkColor(HDC hDC);
    virtual void PaintBkImage(HDC hDC);
    virtual void PaintStatusImage(HDC hDC);
    virtual void PaintText(HDC hDC);
    virtual void PaintBorder(HDC hDC);

protected:
    // Draws the text inside the text padding with the control's colour, font and style.
    void PaintTextInPadding(HDC hDC, const CDuiString& sText);

    // The text colour to paint with now (the window's default when none is set).
    virtual DWORD GetPaintTextColor() const;

    CPaintManagerUI* m_pManager = nullptr;
    CControlUI* m_pParent = nullptr;
    CDuiString m_sName;
    CDuiString m_sText;
    CDuiString m_sVirtualWnd;
    CDuiString m_sToolTip;
    CDuiString m_sUserData;
    CDuiString m_sBkImage;
    UINT_PTR m_pTag = 0;
    bool m_bInited = false;
    bool m_bResourceText = false;
    bool m_bVisible = true;
    bool m_bEnabled = true;
    bool m_bMouseEnabled = true;
    bool m_bKeyboardEnabled = true;
    bool m_bFocused = false;
    bool m_bFloat = false;
    bool m_bUpdateNeeded = true;
    RECT m_rcItem{0, 0, 0, 0};
    RECT m_rcPadding{0, 0, 0, 0};
    RECT m_rcPaint{0, 0, 0, 0};  // the part of m_rcItem being painted now
    RECT m_rcTextPadding{0, 0, 0, 0};
    SIZE m_cXY{0, 0};
    SIZE m_cxyFixed{0, 0};
    SIZE m_cxyMin{0, 0};
    SIZE m_cxyMax{9999, 9999};
    SIZE m_cxyBorderRound{0, 0};
    DWORD m_dwBackColor = 0;
    DWORD m_dwBorderColor = 0;
    DWORD m_dwFocusBorderColor = 0;
    DWORD m_dwTextColor = 0;          // 0: the window's default text colour
    DWORD m_dwDisabledTextColor = 0;  // 0: the window's default disabled text colour
    int m_nBorderSize = 0;
    int m_iFont = -1;
    UINT m_uTextStyle = DT_VCENTER | DT_SINGLELINE;
};

}  // namespace DuiLib
