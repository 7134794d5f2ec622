// CScrollBarUI: the vertical scroll bar a scrolling container paints at its right edge: a track
// and a thumb that can be dragged; a click on the track pages.
#pragma once

#include "ui/control/control.h"

namespace DuiLib {

class CContainerUI;

class CScrollBarUI : public CControlUI {
public:
    explicit CScrollBarUI(CContainerUI* pOwner);

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    CContainerUI* GetOwner() const { return m_pOwner; }
    int GetScrollRange() const { return m_nRange; }
    void SetScrollRange(int nRange);
    int GetScrollPos() const { return m_nScrollPos; }
    void SetScrollPos(int nPos);  // clamped to 0..range
    int GetLineSize() const { return m_nLineSize; }
    void SetLineSize(int nSize) { m_nLineSize = nSize > 0 ? nSize : 1; }
    int GetBarWidth() const { return m_cxyFixed.cx; }
    RECT GetThumbRect() const;
    // Shown or hidden by its owner's layout, without asking for another layout.
    void ShowForRange(bool bShow) { m_bVisible = bShow; }

    void DoEvent(TEventUI& event) override;
    void DoPaint(HDC hDC, const RECT& rcPaint) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;

private:
    CContainerUI* m_pOwner;
    int m_nRange = 0;
    int m_nScrollPos = 0;
    int m_nLineSize = 16;
    DWORD m_dwThumbColor = 0xFF5A6270;
    DWORD m_dwThumbHotColor = 0xFF7A8494;
    bool m_bThumbHot = false;
    bool m_bDragging = false;
    int m_iDragOffset = 0;  // pointer y minus thumb top when the drag began
};

}  // namespace DuiLib
