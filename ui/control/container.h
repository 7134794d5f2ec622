// CContainerUI: a control that holds child controls, lays them out (each child fills the inner
// area unless it floats), clips their painting to itself and can scroll them vertically.
#pragma once

#include <memory>
#include <vector>

#include "ui/control/control.h"

namespace DuiLib {

class CScrollBarUI;

class IContainerUI {
public:
    virtual CControlUI* GetItemAt(int iIndex) const = 0;
    virtual int GetItemIndex(CControlUI* pControl) const = 0;
    virtual bool SetItemIndex(CControlUI* pControl, int iIndex) = 0;
    virtual int GetCount() const = 0;
    virtual bool Add(CControlUI* pControl) = 0;
    virtual bool AddAt(CControlUI* pControl, int iIndex) = 0;
    virtual bool Remove(CControlUI* pControl) = 0;
    virtual bool RemoveAt(int iIndex) = 0;
    virtual void RemoveAll() = 0;

protected:
    ~IContainerUI() = default;
};

class CContainerUI : public CControlUI, public IContainerUI {
public:
    CContainerUI();
    ~CContainerUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    // Children. A container owns its children: removing one deletes it (after the message
    // being handled, so a control may remove itself or its row from its own notification).
    CControlUI* GetItemAt(int iIndex) const override;
    int GetItemIndex(CControlUI* pControl) const override;
    bool SetItemIndex(CControlUI* pControl, int iIndex) override;
    int GetCount() const override;
    bool Add(CControlUI* pControl) override;
    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool Remove(CControlUI* pControl) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    // The nearest descendant with that name (depth first, document order).
    CControlUI* FindSubControl(LPCWSTR pstrSubControlName);

    RECT GetInset() const { return m_rcInset; }
    void SetInset(RECT rcInset);
    int GetChildPadding() const { return m_iChildPadding; }
    void SetChildPadding(int iPadding);
    bool IsAutoDestroy() const { return m_bAutoDestroy; }
    void SetAutoDestroy(bool bAuto) { m_bAutoDestroy = bAuto; }
    bool IsDelayedDestroy() const { return m_bDelayedDestroy; }
    void SetDelayedDestroy(bool bDelayed) { m_bDelayedDestroy = bDelayed; }
    bool IsMouseChildEnabled() const { return m_bMouseChildEnabled; }
    void SetMouseChildEnabled(bool bEnable = true) { m_bMouseChildEnabled = bEnable; }

    // Scrolling: cy is the vertical offset (the scroll bar's); cx stays 0 but in a horizontal
    // layout that scrolls sideways (hscroll).
    virtual SIZE GetScrollPos() const;
    virtual SIZE GetScrollRange() const;
    virtual void SetScrollPos(SIZE szPos);
    virtual void LineUp();
    virtual void LineDown();
    virtual void PageUp();
    virtual void PageDown();
    virtual void HomeUp();
    virtual void EndDown();
    virtual void EnableScrollBar(bool bEnableVertical = true, bool bEnableHorizontal = false);
    virtual CScrollBarUI* GetVerticalScrollBar() const { return m_pVerticalScrollBar.get(); }
    // Scrolls so that child iIndex lies wholly inside the visible area (from the top, or for a
    // child larger than the area, its start).
    virtual void EnsureVisible(int iIndex);
    void EnsureVisible(CControlUI* pControl);

    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    CControlUI* FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;

protected:
    // The area children are laid out in and clipped to: the item rectangle minus the inset and,
    // while they show, the scroll parts (the vertical scroll bar).
    virtual RECT GetChildArea() const;
    // Paints the scroll parts over the children, inside rcOwn (the container's painted part).
    virtual void PaintScrollParts(HDC hDC, const RECT& rcOwn);
    // Hit-testing of the scroll parts, before the children: the part under the point, or nullptr.
    virtual CControlUI* FindScrollPart(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags);
    // Places a floating child at its fixed offset inside this container.
    void SetFloatPos(int iIndex);
    // Shows or hides the scroll bar for content cyRequired high in rc and keeps the scroll
    // position inside the new range.
    void ProcessScrollBar(RECT rc, int cyRequired);
    // Brings the layout up to date before a scroll computation needs positions.
    void EnsureLayout();

    std::vector<CControlUI*> m_items;
    RECT m_rcInset{0, 0, 0, 0};
    int m_iChildPadding = 0;
    bool m_bAutoDestroy = true;
    bool m_bDelayedDestroy = true;
    bool m_bMouseChildEnabled = true;
    std::unique_ptr<CScrollBarUI> m_pVerticalScrollBar;
};

// How far to scroll along one axis so that the span iStart..iEnd lies inside iAreaStart..iAreaEnd:
// negative back, positive on, 0 when it does; a span longer than the area shows its start.
int ScrollDeltaShowing(int iStart, int iEnd, int iAreaStart, int iAreaEnd);

// Scrolls every scrolling container around the control, innermost first, so that the control
// lies wholly inside what they show (keyboard focus that moves to a scrolled-away control).
void BringIntoView(CControlUI* pControl);

}  // namespace DuiLib
