// CHorizontalLayoutUI: children side by side, left to right. Children with a fixed width keep
// it, the others share the width that is left.
// With hscroll="true" children wider than the layout together scroll sideways instead of being
// cut: the wheel over the layout and EnsureVisible move them, and no scroll bar is drawn. With
// scrollarrowstyle="width='20' arrowcolor='…' hotarrowcolor='…' disabledarrowcolor='…'
// hotbkcolor='…' borderround='6,6'" (any button attribute) it also shows two arrow buttons
// at its ends while the children overflow it; the children then lie between them.
#pragma once

#include <memory>

#include "ui/control/container.h"

namespace DuiLib {

class CScrollArrowUI;

class CHorizontalLayoutUI : public CContainerUI {
public:
    CHorizontalLayoutUI();
    ~CHorizontalLayoutUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;

    // Sideways scrolling; with bArrows the arrow buttons show while the children overflow.
    void EnableHorizontalScroll(bool bEnable, bool bArrows = false);
    bool IsHorizontalScroll() const { return m_bHScroll; }
    // cx: the sideways offset and its range (0 while everything fits).
    SIZE GetScrollPos() const override;
    SIZE GetScrollRange() const override;
    void SetScrollPos(SIZE szPos) override;
    // One child further: the first child cut at that side comes wholly into view.
    void LineLeft();
    void LineRight();
    // Scrolls sideways so that child iIndex lies wholly between the ends (its left edge shows
    // when it is wider than the layout). Asked for while the layout cannot be laid out (hidden,
    // or in a window without a client area), it is done by the next layout.
    void EnsureVisible(int iIndex) override;
    using CContainerUI::EnsureVisible;
    // The arrow buttons (nullptr without them); they show only while the children overflow.
    CScrollArrowUI* GetScrollArrow(bool bTowardsEnd) const;

    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;
    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;

protected:
    RECT GetChildArea() const override;
    void PaintScrollParts(HDC hDC, const RECT& rcOwn) override;
    CControlUI* FindScrollPart(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) override;

private:
    // Lays the children out at the current offset: settles the range, the arrows and the
    // offset first.
    void PlaceChildren();
    // The offset that brings pControl wholly into the child area from the current one.
    int OffsetShowing(const CControlUI* pControl) const;
    bool ArrowsShown() const;

    bool m_bHScroll = false;
    int m_iScrollX = 0;
    int m_iRangeX = 0;
    // A child to bring into view at the next layout (see EnsureVisible).
    CControlUI* m_pPendingInView = nullptr;
    std::unique_ptr<CScrollArrowUI> m_pArrowLeft;
    std::unique_ptr<CScrollArrowUI> m_pArrowRight;
};

}  // namespace DuiLib
