#include "ui/edit/rich_edit.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/manager/paint_manager.h"

namespace DuiLib {

CRichEditUI::CRichEditUI() {
    m_bResourceText = false;
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_NOPREFIX;
}

CRichEditUI::~CRichEditUI() { CloseNativeEdit(); }

LPCWSTR CRichEditUI::GetClass() const { return L"RichEditUI"; }

LPVOID CRichEditUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"RichEdit") == 0 || wcscmp(pstrName, L"Edit") == 0) return this;
    return CLabelUI::GetInterface(pstrName);
}

UINT CRichEditUI::GetControlFlags() const { return IsEnabled() && IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0; }

HWND CRichEditUI::GetNativeWindow() const { return m_pEditWnd ? m_pEditWnd->GetHWND() : nullptr; }

void CRichEditUI::SetText(LPCWSTR pstrText) {
    CLabelUI::SetText(pstrText);
    if (m_pEditWnd != nullptr && m_pEditWnd->GetText() != GetText()) m_pEditWnd->SetText(GetText());
}

void CRichEditUI::SetSel(long iStart, long iEnd) {
    if (m_pEditWnd != nullptr && m_pEditWnd->GetHWND() != nullptr) {
        m_pEditWnd->SetSel(static_cast<int>(iStart), static_cast<int>(iEnd));
        return;
    }
    m_iSelStart = iStart;
    m_iSelEnd = iEnd;
}

void CRichEditUI::SetReadOnly(bool bReadOnly) {
    m_bReadOnly = bReadOnly;
    if (m_pEditWnd != nullptr) m_pEditWnd->SetReadOnly(bReadOnly);
    Invalidate();
}

void CRichEditUI::SetMaxChar(UINT uMax) {
    m_uMaxChar = uMax;
    if (m_pEditWnd != nullptr) m_pEditWnd->SetMaxChar(uMax);
}

void CRichEditUI::SetNormalImage(LPCWSTR pStrImage) {
    m_sNormalImage = pStrImage;
    Invalidate();
}

void CRichEditUI::SetHotImage(LPCWSTR pStrImage) {
    m_sHotImage = pStrImage;
    Invalidate();
}

void CRichEditUI::SetFocusedImage(LPCWSTR pStrImage) {
    m_sFocusedImage = pStrImage;
    Invalidate();
}

void CRichEditUI::SetDisabledImage(LPCWSTR pStrImage) {
    m_sDisabledImage = pStrImage;
    Invalidate();
}

bool CRichEditUI::GetNativeEditRect(RECT& rc) const {
    // The text area, kept off the border (the focused border colour must stay in sight).
    rc = m_rcItem;
    rc.left += m_rcTextPadding.left > m_nBorderSize ? m_rcTextPadding.left : m_nBorderSize;
    rc.top += m_rcTextPadding.top;
    rc.right -= m_rcTextPadding.right > m_nBorderSize ? m_rcTextPadding.right : m_nBorderSize;
    rc.bottom -= m_rcTextPadding.bottom;
    if (rc.right <= rc.left || rc.bottom <= rc.top || m_pManager == nullptr) return false;
    // One line of the font, centred the way the windowless text is drawn.
    HDC hDC = ::GetDC(m_pManager->GetPaintWindow());
    HGDIOBJ hOld = ::SelectObject(hDC, m_pManager->GetFont(m_iFont));
    TEXTMETRICW tm{};
    ::GetTextMetricsW(hDC, &tm);
    ::SelectObject(hDC, hOld);
    ::ReleaseDC(m_pManager->GetPaintWindow(), hDC);
    const int cyLine = tm.tmHeight;
    if (cyLine > 0 && cyLine < rc.bottom - rc.top) {
        rc.top += (rc.bottom - rc.top - cyLine) / 2;
        rc.bottom = rc.top + cyLine;
    }
    // A native window cannot be clipped by the containers it lies in: it shows only while the
    // whole edit is in view.
    for (const CControlUI* p = GetParent(); p != nullptr; p = p->GetParent()) {
        RECT rcParent = p->GetPos();
        RECT rcJoin;
        ::UnionRect(&rcJoin, &rcParent, &m_rcItem);
        if (!::EqualRect(&rcJoin, &rcParent)) return false;
    }
    return true;
}

void CRichEditUI::OpenNativeEdit() {
    if (m_pEditWnd != nullptr || m_pManager == nullptr || m_pManager->GetPaintWindow() == nullptr) return;
    // The native window goes where the edit is: a pending layout may still move it.
    m_pManager->UpdateLayout();
    TEditWndInit init;
    init.hWndHost = m_pManager->GetPaintWindow();
    const bool bInView = GetNativeEditRect(init.rcEdit);
    init.hFont = m_pManager->GetFont(m_iFont);
    init.dwTextColor = GetPaintTextColor();
    if (m_dwNativeBkColor != 0) init.dwBkColor = m_dwNativeBkColor;
    else if ((m_dwBackColor >> 24) == 0xFF) init.dwBkColor = m_dwBackColor;
    init.bReadOnly = m_bReadOnly;
    init.dwAlign = (m_uTextStyle & DT_CENTER) != 0 ? ES_CENTER : ((m_uTextStyle & DT_RIGHT) != 0 ? ES_RIGHT : ES_LEFT);
    init.uMaxChar = m_uMaxChar;
    init.sText = GetText();
    init.iSelStart = static_cast<int>(m_iSelStart);
    init.iSelEnd = static_cast<int>(m_iSelEnd);
    // The next focus selects everything again unless SetSel says otherwise before it.
    m_iSelStart = 0;
    m_iSelEnd = -1;
    m_pEditWnd = new CEditWnd(this);
    if (!m_pEditWnd->Open(init)) {
        CloseNativeEdit();
        return;
    }
    if (!bInView) m_pEditWnd->Place(init.rcEdit, false);
}

void CRichEditUI::CloseNativeEdit() {
    if (m_pEditWnd == nullptr) return;
    CEditWnd* pEditWnd = m_pEditWnd;
    m_pEditWnd = nullptr;
    pEditWnd->Release();
}

void CRichEditUI::OnEditTextChanged() {
    if (m_pEditWnd == nullptr) return;
    // Only what the user changed: text set from code is already ours, and the system reports a
    // change also for a key the length limit refused.
    const CDuiString sText = m_pEditWnd->GetText();
    if (sText == m_sText) return;
    m_sText = sText;
    Invalidate();
    if (m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_TEXTCHANGED);
}

void CRichEditUI::OnEditReturn() {
    if (m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_RETURN);
}

void CRichEditUI::OnEditFocusLeft() {
    // The keyboard left for another window: the control's focus ends with it ("killfocus").
    if (m_pManager != nullptr && m_pManager->GetFocus() == this) m_pManager->SetFocus(nullptr, false);
}

void CRichEditUI::SetPos(RECT rc, bool bNeedInvalidate) {
    CLabelUI::SetPos(rc, bNeedInvalidate);
    if (m_pEditWnd != nullptr) {
        RECT rcEdit;
        const bool bInView = GetNativeEditRect(rcEdit);
        m_pEditWnd->Place(rcEdit, bInView);
    }
}

void CRichEditUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_SETFOCUS:
            CLabelUI::DoEvent(event);
            OpenNativeEdit();
            return;
        case UIEVENT_KILLFOCUS:
            CloseNativeEdit();
            CLabelUI::DoEvent(event);
            return;
        case UIEVENT_MOUSEENTER:
            if (IsEnabled() && !m_bHot) {
                m_bHot = true;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            if (m_bHot) {
                m_bHot = false;
                Invalidate();
            }
            return;
        case UIEVENT_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, IsEnabled() ? IDC_IBEAM : IDC_ARROW));
            return;
        default:
            CLabelUI::DoEvent(event);
            return;
    }
}

void CRichEditUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"normalimage") SetNormalImage(pstrValue);
    else if (sName == L"hotimage") SetHotImage(pstrValue);
    else if (sName == L"focusedimage") SetFocusedImage(pstrValue);
    else if (sName == L"disabledimage") SetDisabledImage(pstrValue);
    else if (sName == L"readonly") SetReadOnly(ParseBool(pstrValue));
    else if (sName == L"maxchar") SetMaxChar(static_cast<UINT>(ParseInt(pstrValue)));
    else if (sName == L"nativebkcolor") SetNativeEditBkColor(ParseColor(pstrValue));
    else CLabelUI::SetAttribute(pstrName, pstrValue);
}

void CRichEditUI::PaintStatusImage(HDC hDC) {
    const CDuiString* pImage = &m_sNormalImage;
    if (!IsEnabled()) {
        if (!m_sDisabledImage.IsEmpty()) pImage = &m_sDisabledImage;
    } else if (IsFocused()) {
        if (!m_sFocusedImage.IsEmpty()) pImage = &m_sFocusedImage;
        else if (!m_sHotImage.IsEmpty()) pImage = &m_sHotImage;
    } else if (m_bHot) {
        if (!m_sHotImage.IsEmpty()) pImage = &m_sHotImage;
    }
    if (!pImage->IsEmpty()) DrawImage(hDC, *pImage);
}

}  // namespace DuiLib
