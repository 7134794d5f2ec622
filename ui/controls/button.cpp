#include "ui/controls/button.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

CButtonUI::CButtonUI() { m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_CENTER; }

LPCWSTR CButtonUI::GetClass() const { return L"ButtonUI"; }

LPVOID CButtonUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Button") == 0) return this;
    return CLabelUI::GetInterface(pstrName);
}

UINT CButtonUI::GetControlFlags() const { return (IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0) | (IsEnabled() ? UIFLAG_SETCURSOR : 0); }

bool CButtonUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_CLICK);
    return true;
}

void CButtonUI::SetEnabled(bool bEnable) {
    CLabelUI::SetEnabled(bEnable);
    if (!IsEnabled()) m_uButtonState = 0;
}

void CButtonUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (IsEnabled() && ::PtInRect(&m_rcItem, event.ptMouse)) {
                m_uButtonState |= UISTATE_PUSHED | UISTATE_CAPTURED;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSEMOVE:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                const UINT uOld = m_uButtonState;
                if (::PtInRect(&m_rcItem, event.ptMouse)) {
                    m_uButtonState |= UISTATE_PUSHED;
                } else {
                    m_uButtonState &= ~UISTATE_PUSHED;
                }
                if (uOld != m_uButtonState) Invalidate();
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_CAPTURED) != 0) {
                m_uButtonState &= ~(UISTATE_PUSHED | UISTATE_CAPTURED);
                Invalidate();
                if (::PtInRect(&m_rcItem, event.ptMouse)) Activate();
            }
            return;
        case UIEVENT_MOUSEENTER:
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            if ((m_uButtonState & UISTATE_HOT) != 0) {
                m_uButtonState &= ~UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_KEYDOWN:
            if (event.chKey == VK_SPACE || event.chKey == VK_RETURN) {
                Activate();
                return;
            }
            break;
        default:
            break;
    }
    CLabelUI::DoEvent(event);
}

void CButtonUI::SetNormalImage(LPCWSTR pStrImage) {
    m_sNormalImage = pStrImage;
    Invalidate();
}

void CButtonUI::SetHotImage(LPCWSTR pStrImage) {
    m_sHotImage = pStrImage;
    Invalidate();
}

void CButtonUI::SetPushedImage(LPCWSTR pStrImage) {
    m_sPushedImage = pStrImage;
    Invalidate();
}

void CButtonUI::SetFocusedImage(LPCWSTR pStrImage) {
    m_sFocusedImage = pStrImage;
    Invalidate();
}

void CButtonUI::SetDisabledImage(LPCWSTR pStrImage) {
    m_sDisabledImage = pStrImage;
    Invalidate();
}

void CButtonUI::SetForeImage(LPCWSTR pStrImage) {
    m_sForeImage = pStrImage;
    Invalidate();
}

void CButtonUI::SetHotBkColor(DWORD dwColor) {
    m_dwHotBkColor = dwColor;
    Invalidate();
}

void CButtonUI::SetPushedBkColor(DWORD dwColor) {
    m_dwPushedBkColor = dwColor;
    Invalidate();
}

void CButtonUI::SetHotTextColor(DWORD dwColor) {
    m_dwHotTextColor = dwColor;
    Invalidate();
}

void CButtonUI::SetPushedTextColor(DWORD dwColor) {
    m_dwPushedTextColor = dwColor;
    Invalidate();
}

void CButtonUI::SetFocusedTextColor(DWORD dwColor) {
    m_dwFocusedTextColor = dwColor;
    Invalidate();
}

void CButtonUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"normalimage") SetNormalImage(pstrValue);
    else if (sName == L"hotimage") SetHotImage(pstrValue);
    else if (sName == L"pushedimage") SetPushedImage(pstrValue);
    else if (sName == L"focusedimage") SetFocusedImage(pstrValue);
    else if (sName == L"disabledimage") SetDisabledImage(pstrValue);
    else if (sName == L"foreimage") SetForeImage(pstrValue);
    else if (sName == L"hotforeimage") m_sHotForeImage = pstrValue;
    else if (sName == L"hotbkcolor") SetHotBkColor(ParseColor(pstrValue));
    else if (sName == L"pushedbkcolor") SetPushedBkColor(ParseColor(pstrValue));
    else if (sName == L"hottextcolor") SetHotTextColor(ParseColor(pstrValue));
    else if (sName == L"pushedtextcolor") SetPushedTextColor(ParseColor(pstrValue));
    else if (sName == L"focusedtextcolor") SetFocusedTextColor(ParseColor(pstrValue));
    else CLabelUI::SetAttribute(pstrName, pstrValue);
}

void CButtonUI::PaintBkColor(HDC hDC) {
    DWORD dwColor = m_dwBackColor;
    if (IsEnabled()) {
        if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedBkColor != 0) {
            dwColor = m_dwPushedBkColor;
        } else if ((m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0 && m_dwHotBkColor != 0) {
            dwColor = m_dwHotBkColor;
        }
    }
    if ((dwColor >> 24) == 0) return;
    if (m_cxyBorderRound.cx > 0 && m_cxyBorderRound.cy > 0) {
        CRenderEngine::DrawRoundColor(hDC, m_rcItem, m_cxyBorderRound, dwColor);
    } else {
        CRenderEngine::DrawColor(hDC, m_rcItem, dwColor);
    }
}

bool CButtonUI::DrawFirstImage(HDC hDC, std::initializer_list<const CDuiString*> images) {
    for (const CDuiString* pImage : images) {
        if (!pImage->IsEmpty()) return DrawImage(hDC, *pImage);
    }
    return false;
}

void CButtonUI::PaintStatusImage(HDC hDC) {
    if (!IsEnabled()) {
        DrawFirstImage(hDC, {&m_sDisabledImage, &m_sNormalImage});
    } else if ((m_uButtonState & UISTATE_PUSHED) != 0) {
        DrawFirstImage(hDC, {&m_sPushedImage, &m_sHotImage, &m_sNormalImage});
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        DrawFirstImage(hDC, {&m_sHotImage, &m_sNormalImage});
    } else if (IsFocused()) {
        DrawFirstImage(hDC, {&m_sFocusedImage, &m_sNormalImage});
    } else {
        DrawFirstImage(hDC, {&m_sNormalImage});
    }
    if ((m_uButtonState & UISTATE_HOT) != 0 && !m_sHotForeImage.IsEmpty()) {
        DrawImage(hDC, m_sHotForeImage);
    } else if (!m_sForeImage.IsEmpty()) {
        DrawImage(hDC, m_sForeImage);
    }
}

DWORD CButtonUI::GetPaintTextColor() const {
    if (IsEnabled()) {
        if ((m_uButtonState & UISTATE_PUSHED) != 0 && m_dwPushedTextColor != 0) return m_dwPushedTextColor;
        if ((m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0 && m_dwHotTextColor != 0) return m_dwHotTextColor;
        if (IsFocused() && m_dwFocusedTextColor != 0) return m_dwFocusedTextColor;
    }
    return CLabelUI::GetPaintTextColor();
}

}  // namespace DuiLib
