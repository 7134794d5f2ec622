#include "ui/control/control.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/dui_trace.h"
#include "ui/manager/paint_manager.h"
#include "ui/manager/ui_thread.h"
#include "ui/render/render_engine.h"
#include "ui/resource/resource_manager.h"

namespace DuiLib {

CControlUI::CControlUI() = default;

CControlUI::~CControlUI() {
    if (m_pManager != nullptr) m_pManager->ReapObjects(this);
}

void CControlUI::SetName(LPCWSTR pstrName) {
    CDuiString sOld = m_sName;
    m_sName = pstrName;
    if (m_pManager != nullptr) m_pManager->RenameControl(this, sOld);
}

LPCWSTR CControlUI::GetClass() const { return L"ControlUI"; }

LPVOID CControlUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Control") == 0) return this;
    return nullptr;
}

UINT CControlUI::GetControlFlags() const { return 0; }

bool CControlUI::Activate() { return IsVisible() && IsEnabled(); }

void CControlUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
    if (m_pManager != nullptr && m_pManager != pManager) m_pManager->ReapObjects(this);
    m_pManager = pManager;
    m_pParent = pParent;
    if (bInit && m_pManager != nullptr) {
        m_pManager->RegisterControl(this);
        Init();
    }
}

bool CControlUI::IsAncestorOf(const CControlUI* pControl) const {
    for (const CControlUI* p = pControl; p != nullptr; p = p->m_pParent) {
        if (p == this) return true;
    }
    return false;
}

CDuiString CControlUI::GetText() const {
    if (!m_bResourceText) return m_sText;
    return CResourceManager::GetInstance()->GetText(m_sText);
}

void CControlUI::SetText(LPCWSTR pstrText) {
    if (m_sText == (pstrText ? pstrText : L"")) return;
    m_sText = pstrText;
    Invalidate();
}

void CControlUI::SetResourceText(bool bResource) {
    if (m_bResourceText == bResource) return;
    m_bResourceText = bResource;
    Invalidate();
}

void CControlUI::SetTextColor(DWORD dwTextColor) {
    m_dwTextColor = dwTextColor;
    Invalidate();
}

void CControlUI::SetDisabledTextColor(DWORD dwTextColor) {
    m_dwDisabledTextColor = dwTextColor;
    Invalidate();
}

void CControlUI::SetFont(int index) {
    m_iFont = index;
    Invalidate();
}

void CControlUI::SetTextStyle(UINT uStyle) {
    m_uTextStyle = uStyle;
    Invalidate();
}

void CControlUI::SetTextPadding(RECT rc) {
    m_rcTextPadding = rc;
    Invalidate();
}

void CControlUI::SetBkColor(DWORD dwBackColor) {
    if (m_dwBackColor == dwBackColor) return;
    m_dwBackColor = dwBackColor;
    Invalidate();
}

void CControlUI::SetBkImage(LPCWSTR pStrImage) {
    if (m_sBkImage == (pStrImage ? pStrImage : L"")) return;
    m_sBkImage = pStrImage;
    Invalidate();
}

void CControlUI::SetBorderColor(DWORD dwBorderColor) {
    m_dwBorderColor = dwBorderColor;
    Invalidate();
}

void CControlUI::SetFocusBorderColor(DWORD dwBorderColor) {
    m_dwFocusBorderColor = dwBorderColor;
    Invalidate();
}

void CControlUI::SetBorderSize(int nSize) {
    m_nBorderSize = nSize < 0 ? 0 : nSize;
    Invalidate();
}

void CControlUI::SetBorderRound(SIZE cxyRound) {
    m_cxyBorderRound = cxyRound;
    Invalidate();
}

bool CControlUI::DrawImage(HDC hDC, LPCWSTR pStrImage, LPCWSTR pStrModify) {
    return CRenderEngine::DrawImageString(hDC, m_pManager, m_rcItem, m_rcPaint, pStrImage, pStrModify);
}

void CControlUI::SetPos(RECT rc, bool bNeedInvalidate) {
    if (rc.right < rc.left) rc.right = rc.left;
    if (rc.bottom < rc.top) rc.bottom = rc.top;
    const bool bMoved = !::EqualRect(&rc, &m_rcItem);
    if (bMoved && bNeedInvalidate) Invalidate();
    m_rcItem = rc;
    m_bUpdateNeeded = false;
    if (bMoved && bNeedInvalidate) Invalidate();
}

void CControlUI::SetPadding(RECT rcPadding) {
    m_rcPadding = rcPadding;
    NeedParentUpdate();
}

void CControlUI::SetFixedXY(SIZE szXY) {
    m_cXY = szXY;
    NeedParentUpdate();
}

void CControlUI::SetFixedWidth(int cx) {
    if (cx < 0 || m_cxyFixed.cx == cx) return;
    m_cxyFixed.cx = cx;
    NeedParentUpdate();
}

void CControlUI::SetFixedHeight(int cy) {
    if (cy < 0 || m_cxyFixed.cy == cy) return;
    m_cxyFixed.cy = cy;
    NeedParentUpdate();
}

void CControlUI::SetMinWidth(int cx) {
    if (cx < 0) return;
    m_cxyMin.cx = cx;
    NeedParentUpdate();
}

void CControlUI::SetMaxWidth(int cx) {
    if (cx < 0) return;
    m_cxyMax.cx = cx;
    NeedParentUpdate();
}

void CControlUI::SetMinHeight(int cy) {
    if (cy < 0) return;
    m_cxyMin.cy = cy;
    NeedParentUpdate();
}

void CControlUI::SetMaxHeight(int cy) {
    if (cy < 0) return;
    m_cxyMax.cy = cy;
    NeedParentUpdate();
}

void CControlUI::SetFloat(bool bFloat) {
    if (m_bFloat == bFloat) return;
    m_bFloat = bFloat;
    NeedParentUpdate();
}

SIZE CControlUI::EstimateSize(SIZE /*szAvailable*/) { return m_cxyFixed; }

void CControlUI::SetVisible(bool bVisible) {
    if (m_bVisible == bVisible) return;
    if (!bVisible) Invalidate();  // the area it covered must be repainted
    m_bVisible = bVisible;
    if (m_pManager != nullptr && !bVisible) m_pManager->OnControlUnavailable(this);
    NeedParentUpdate();
}

bool CControlUI::IsVisibleInTree() const {
    for (const CControlUI* p = this; p != nullptr; p = p->m_pParent) {
        if (!p->IsVisible()) return false;
    }
    return true;
}

void CControlUI::SetEnabled(bool bEnable) {
    if (m_bEnabled == bEnable) return;
    m_bEnabled = bEnable;
    if (m_pManager != nullptr && !bEnable) m_pManager->OnControlUnavailable(this);
    Invalidate();
}

void CControlUI::SetMouseEnabled(bool bEnable) { m_bMouseEnabled = bEnable; }

void CControlUI::SetKeyboardEnabled(bool bEnable) { m_bKeyboardEnabled = bEnable; }

void CControlUI::SetFocus() {
    if (m_pManager != nullptr) m_pManager->SetFocus(this);
}

CDuiString CControlUI::GetVirtualWnd() const {
    for (const CControlUI* p = this; p != nullptr; p = p->m_pParent) {
        if (!p->m_sVirtualWnd.IsEmpty()) return p->m_sVirtualWnd;
    }
    return CDuiString();
}

void CControlUI::SetVirtualWnd(LPCWSTR pstrValue) { m_sVirtualWnd = pstrValue; }

CControlUI* CControlUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    if ((uFlags & UIFIND_VISIBLE) != 0 && !IsVisible()) return nullptr;
    if ((uFlags & UIFIND_ENABLED) != 0 && !IsEnabled()) return nullptr;
    if ((uFlags & UIFIND_HITTEST) != 0 &&
        (!m_bMouseEnabled || !::PtInRect(&m_rcItem, *static_cast<const POINT*>(pData)))) {
        return nullptr;
    }
    return Proc(this, pData);
}

void CControlUI::Invalidate() {
    if (m_pManager == nullptr || !IsVisible()) return;
#ifndef NDEBUG
    // Controls belong to the UI thread; other threads hand their changes over with
    // CPaintManagerUI::RunOnUiThread.
    if (CUiThread::IsOtherThread()) DUITRACE(L"Control %s changed off the UI thread\r\n", m_sName.GetData());
#endif
    RECT rc = m_rcItem;
    // Only the part inside every ancestor can be seen (scrolled containers clip their children).
    for (CControlUI* p = m_pParent; p != nullptr; p = p->m_pParent) {
        if (!p->IsVisible()) return;
        RECT rcParent = p->GetPos();
        if (!::IntersectRect(&rc, &rc, &rcParent)) return;
    }
    m_pManager->Invalidate(rc);
}

void CControlUI::NeedUpdate() {
    if (!IsVisible()) return;
    m_bUpdateNeeded = true;
    if (m_pManager != nullptr) m_pManager->NeedUpdate();
}

void CControlUI::NeedParentUpdate() {
    if (m_pParent != nullptr) {
        m_pParent->NeedUpdate();
        m_pParent->Invalidate();
    } else {
        NeedUpdate();
    }
    if (m_pManager != nullptr) m_pManager->NeedUpdate();
}

void CControlUI::Init() {
    if (m_bInited) return;
    m_bInited = true;
    DoInit();
}

void CControlUI::Event(TEventUI& event) { DoEvent(event); }

void CControlUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_SETCURSOR:
            ::SetCursor(::LoadCursorW(nullptr, (GetControlFlags() & UIFLAG_SETCURSOR) ? IDC_HAND : IDC_ARROW));
            return;
        case UIEVENT_SETFOCUS:
            m_bFocused = true;
            Invalidate();
            return;
        case UIEVENT_KILLFOCUS:
            m_bFocused = false;
            Invalidate();
            return;
        case UIEVENT_TIMER:
            // A control timer set by the program; timers a control uses itself are handled in
            // that control's DoEvent and never get here.
            if (m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_TIMER, event.wParam, event.lParam);
            return;
        case UIEVENT_SCROLLWHEEL:
            // The nearest scrolling ancestor takes the wheel.
            if (m_pParent != nullptr) m_pParent->DoEvent(event);
            return;
        default:
            return;
    }
}

void CControlUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"pos") {
        RECT rc = ParseRect(pstrValue);
        SetFixedXY(SIZE{rc.left, rc.top});
        SetFixedWidth(rc.right - rc.left);
        SetFixedHeight(rc.bottom - rc.top);
    } else if (sName == L"float") {
        SetFloat(ParseBool(pstrValue));
    } else if (sName == L"padding") {
        SetPadding(ParseRect(pstrValue));
    } else if (sName == L"bkcolor") {
        SetBkColor(ParseColor(pstrValue));
    } else if (sName == L"bordercolor") {
        SetBorderColor(ParseColor(pstrValue));
    } else if (sName == L"focusbordercolor") {
        SetFocusBorderColor(ParseColor(pstrValue));
    } else if (sName == L"bordersize") {
        SetBorderSize(ParseInt(pstrValue));
    } else if (sName == L"borderround") {
        SetBorderRound(ParseSize(pstrValue));
    } else if (sName == L"bkimage") {
        SetBkImage(pstrValue);
    } else if (sName == L"width") {
        SetFixedWidth(ParseInt(pstrValue));
    } else if (sName == L"height") {
        SetFixedHeight(ParseInt(pstrValue));
    } else if (sName == L"minwidth") {
        SetMinWidth(ParseInt(pstrValue));
    } else if (sName == L"minheight") {
        SetMinHeight(ParseInt(pstrValue));
    } else if (sName == L"maxwidth") {
        SetMaxWidth(ParseInt(pstrValue));
    } else if (sName == L"maxheight") {
        SetMaxHeight(ParseInt(pstrValue));
    } else if (sName == L"name") {
        SetName(pstrValue);
    } else if (sName == L"text") {
        SetText(pstrValue);
    } else if (sName == L"resourcetext") {
        SetResourceText(ParseBool(pstrValue));
    } else if (sName == L"tooltip") {
        SetToolTip(pstrValue);
    } else if (sName == L"userdata") {
        SetUserData(pstrValue);
    } else if (sName == L"enabled") {
        SetEnabled(ParseBool(pstrValue));
    } else if (sName == L"mouse") {
        SetMouseEnabled(ParseBool(pstrValue));
    } else if (sName == L"keyboard") {
        SetKeyboardEnabled(ParseBool(pstrValue));
    } else if (sName == L"visible") {
        SetVisible(ParseBool(pstrValue));
    } else if (sName == L"virtualwnd") {
        SetVirtualWnd(pstrValue);
    } else if (sName == L"font") {
        SetFont(ParseInt(pstrValue));
    } else if (sName == L"textcolor") {
        SetTextColor(ParseColor(pstrValue));
    } else if (sName == L"disabledtextcolor") {
        SetDisabledTextColor(ParseColor(pstrValue));
    } else if (sName == L"textpadding") {
        SetTextPadding(ParseRect(pstrValue));
    } else if (sName == L"align") {
        UINT uStyle = m_uTextStyle & ~(DT_LEFT | DT_CENTER | DT_RIGHT);
        if (wcsstr(pstrValue, L"center") != nullptr) uStyle |= DT_CENTER;
        else if (wcsstr(pstrValue, L"right") != nullptr) uStyle |= DT_RIGHT;
        SetTextStyle(uStyle);
    } else if (sName == L"valign") {
        UINT uStyle = m_uTextStyle & ~(DT_TOP | DT_VCENTER | DT_BOTTOM);
        if (wcsstr(pstrValue, L"top") != nullptr) uStyle |= DT_TOP;
        else if (wcsstr(pstrValue, L"bottom") != nullptr) uStyle |= DT_BOTTOM;
        else uStyle |= DT_VCENTER;
        SetTextStyle(uStyle);
    } else if (sName == L"endellipsis") {
        SetTextStyle(ParseBool(pstrValue) ? (m_uTextStyle | DT_END_ELLIPSIS) : (m_uTextStyle & ~DT_END_ELLIPSIS));
    } else if (sName == L"multiline" || sName == L"wordbreak") {
        SetTextStyle(ParseBool(pstrValue) ? ((m_uTextStyle & ~DT_SINGLELINE) | DT_WORDBREAK)
                                          : ((m_uTextStyle & ~DT_WORDBREAK) | DT_SINGLELINE));
    }
}

CControlUI* CControlUI::ApplyAttributeList(LPCWSTR pstrList) {
    for (const auto& [sName, sValue] : ParseAttributeList(pstrList)) SetAttribute(sName.c_str(), sValue.c_str());
    return this;
}

void CControlUI::DoPaint(HDC hDC, const RECT& rcPaint) {
    if (!::IntersectRect(&m_rcPaint, &rcPaint, &m_rcItem)) return;
    PaintBkColor(hDC);
    PaintBkImage(hDC);
    PaintStatusImage(hDC);
    PaintText(hDC);
    PaintBorder(hDC);
}

void CControlUI::PaintBkColor(HDC hDC) {
    if ((m_dwBackColor >> 24) == 0) return;
    if (m_cxyBorderRound.cx > 0 && m_cxyBorderRound.cy > 0) {
        CRenderEngine::DrawRoundColor(hDC, m_rcItem, m_cxyBorderRound, m_dwBackColor);
    } else {
        CRenderEngine::DrawColor(hDC, m_rcItem, m_dwBackColor);
    }
}

void CControlUI::PaintBkImage(HDC hDC) {
    if (!m_sBkImage.IsEmpty()) DrawImage(hDC, m_sBkImage);
}

void CControlUI::PaintStatusImage(HDC /*hDC*/) {}

DWORD CControlUI::GetPaintTextColor() const {
    if (!IsEnabled()) {
        if (m_dwDisabledTextColor != 0) return m_dwDisabledTextColor;
        return m_pManager ? m_pManager->GetDefaultDisabledColor() : 0xFFA7A6AA;
    }
    if (m_dwTextColor != 0) return m_dwTextColor;
    return m_pManager ? m_pManager->GetDefaultFontColor() : 0xFF000000;
}

void CControlUI::PaintText(HDC hDC) {
    if (m_sText.IsEmpty()) return;
    PaintTextInPadding(hDC, GetText());
}

void CControlUI::PaintTextInPadding(HDC hDC, const CDuiString& sText) {
    if (sText.IsEmpty()) return;
    RECT rc = m_rcItem;
    rc.left += m_rcTextPadding.left;
    rc.top += m_rcTextPadding.top;
    rc.right -= m_rcTextPadding.right;
    rc.bottom -= m_rcTextPadding.bottom;
    CRenderEngine::DrawText(hDC, m_pManager, rc, sText, GetPaintTextColor(), m_iFont, m_uTextStyle);
}

void CControlUI::PaintBorder(HDC hDC) {
    if (m_nBorderSize <= 0) return;
    DWORD dwColor = (m_bFocused && m_dwFocusBorderColor != 0) ? m_dwFocusBorderColor : m_dwBorderColor;
    if ((dwColor >> 24) == 0) return;
    if (m_cxyBorderRound.cx > 0 && m_cxyBorderRound.cy > 0) {
        CRenderEngine::DrawRoundRect(hDC, m_rcItem, m_cxyBorderRound, m_nBorderSize, dwColor);
    } else {
        CRenderEngine::DrawRect(hDC, m_rcItem, m_nBorderSize, dwColor);
    }
}

}  // namespace DuiLib
