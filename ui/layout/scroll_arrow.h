// CScrollArrowUI: one of the two small buttons a sideways-scrolling horizontal layout shows at
// its ends while its children overflow it. A press scrolls the owner by one child towards its
// side; at the end of the range the arrow is drawn dimmed and does nothing. It raises no
// notification of its own and takes no keyboard focus: it is a part of its layout, as a scroll
// bar is a part of its container.
#pragma once

#include "ui/controls/button.h"

namespace DuiLib {

class CHorizontalLayoutUI;

class CScrollArrowUI : public CButtonUI {
public:
    CScrollArrowUI(CHorizontalLayoutUI* pOwner, bool bTowardsEnd);

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    CHorizontalLayoutUI* GetOwner() const { return m_pOwner; }
    // True for the arrow at the right end (it scrolls towards the last child).
    bool IsTowardsEnd() const { return m_bTowardsEnd; }
    // Whether a press would move the owner now (false at its end of the range).
    bool CanScroll() const;
    // Shown or hidden by its owner's layout, without asking for another layout.
    void ShowForOverflow(bool bShow) { m_bVisible = bShow; }

    // Scrolls the owner by one child; false (and nothing moves) at the end of the range.
    bool Activate() override;

    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

    DWORD GetArrowColor() const { return m_dwArrowColor; }
    DWORD GetHotArrowColor() const { return m_dwHotArrowColor; }
    DWORD GetDisabledArrowColor() const { return m_dwDisabledArrowColor; }

private:
    // The chevron, centred in the button, in the colour of the arrow's state.
    void PaintGlyph(HDC hDC, DWORD dwColor);

    CHorizontalLayoutUI* m_pOwner;
    bool m_bTowardsEnd;
    DWORD m_dwArrowColor = 0xFF9AA3AD;
    DWORD m_dwHotArrowColor = 0xFFF2F4F6;
    DWORD m_dwDisabledArrowColor = 0xFF3A414A;
};

}  // namespace DuiLib
