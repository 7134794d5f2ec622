// CButtonUI: a label that can be pressed. A click is a mouse-up inside the button after a
// mouse-down inside it (or Space/Enter while it has focus) and raises "click".
// Images and colours per state: normal, hot (under the pointer), pushed, focused, disabled.
#pragma once

#include <initializer_list>

#include "ui/controls/label.h"

namespace DuiLib {

class CButtonUI : public CLabelUI {
public:
    CButtonUI();
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    UINT GetControlFlags() const override;

    // Raises "click" (nothing when hidden or disabled).
    bool Activate() override;
    void SetEnabled(bool bEnable = true) override;
    UINT GetButtonState() const { return m_uButtonState; }

    LPCWSTR GetNormalImage() const { return m_sNormalImage; }
    void SetNormalImage(LPCWSTR pStrImage);
    LPCWSTR GetHotImage() const { return m_sHotImage; }
    void SetHotImage(LPCWSTR pStrImage);
    LPCWSTR GetPushedImage() const { return m_sPushedImage; }
    void SetPushedImage(LPCWSTR pStrImage);
    LPCWSTR GetFocusedImage() const { return m_sFocusedImage; }
    void SetFocusedImage(LPCWSTR pStrImage);
    LPCWSTR GetDisabledImage() const { return m_sDisabledImage; }
    void SetDisabledImage(LPCWSTR pStrImage);
    LPCWSTR GetForeImage() const { return m_sForeImage; }
    void SetForeImage(LPCWSTR pStrImage);
    void SetHotBkColor(DWORD dwColor);
    DWORD GetHotBkColor() const { return m_dwHotBkColor; }
    void SetPushedBkColor(DWORD dwColor);
    void SetHotTextColor(DWORD dwColor);
    void SetPushedTextColor(DWORD dwColor);
    void SetFocusedTextColor(DWORD dwColor);

    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    DWORD GetPaintTextColor() const override;
    // Draws the first non-empty image of the list.
    bool DrawFirstImage(HDC hDC, std::initializer_list<const CDuiString*> images);

    UINT m_uButtonState = 0;
    CDuiString m_sNormalImage;
    CDuiString m_sHotImage;
    CDuiString m_sPushedImage;
    CDuiString m_sFocusedImage;
    CDuiString m_sDisabledImage;
    CDuiString m_sForeImage;
    CDuiString m_sHotForeImage;
    DWORD m_dwHotBkColor = 0;
    DWORD m_dwPushedBkColor = 0;
    DWORD m_dwHotTextColor = 0;
    DWORD m_dwPushedTextColor = 0;
    DWORD m_dwFocusedTextColor = 0;
};

}  // namespace DuiLib
