#include "ui/combo/combo.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/combo/combo_wnd.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

CComboUI::CComboUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS;
    m_rcTextPadding = RECT{8, 0, 24, 0};
}

CComboUI::~CComboUI() { CloseDropDown(); }

LPCWSTR CComboUI::GetClass() const { return L"ComboUI"; }

LPVOID CComboUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Combo") == 0) return this;
    return CListOwnerBase<CContainerUI>::GetInterface(pstrName);
}

UINT CComboUI::GetControlFlags() const {
    if (!IsEnabled()) return 0;
    return (IsKeyboardEnabled() ? UIFLAG_TABSTOP : 0) | UIFLAG_SETCURSOR;
}

CDuiString CComboUI::GetText() const {
    const CControlUI* pItem = GetItemAt(m_iCurSel);
    return pItem ? pItem->GetText() : CDuiString();
}

bool CComboUI::Activate() {
    if (!CControlUI::Activate() || IsDroppedDown() || m_pManager == nullptr) return false;
    CloseDropDown();  // the object of an earlier drop-down
    m_pDropWnd = new CComboWnd(this);
    if (!m_pDropWnd->Open()) {
        CloseDropDown();
        return false;
    }
    Invalidate();
    return true;
}

void CComboUI::CloseDropDown() {
    if (m_pDropWnd == nullptr) return;
    CComboWnd* pDropWnd = m_pDropWnd;
    m_pDropWnd = nullptr;
    pDropWnd->Release();
    Invalidate();
}

bool CComboUI::IsDroppedDown() const { return m_pDropWnd != nullptr && m_pDropWnd->GetHWND() != nullptr; }

HWND CComboUI::GetDropDownWindow() const { return IsDroppedDown() ? m_pDropWnd->GetHWND() : nullptr; }

void CComboUI::OnDropDownClosed(int iResult) {
    Invalidate();
    if (iResult == CComboWnd::kClosedByDeactivation) {
        // A press on this combo that took the activation from the drop-down only closes it.
        m_bPressCloses = true;
        return;
    }
    // Picked or dismissed from the drop-down: the keyboard comes back to the combo first, then
    // the pick is announced.
    SetFocus();
    if (iResult >= 0) SelectItem(iResult, false, true);
}

bool CComboUI::AddAt(CControlUI* pControl, int iIndex) {
    if (!CListOwnerBase<CContainerUI>::AddAt(pControl, iIndex)) return false;
    // A combo built into a live window is set up before its items arrive.
    if (m_bInited) ApplySkinSelection();
    return true;
}

void CComboUI::DoInit() { ApplySkinSelection(); }

void CComboUI::ApplySkinSelection() {
    if (m_iInitSel < 0 || m_iInitSel >= GetCount()) return;
    SelectItem(m_iInitSel, false, false);
    m_iInitSel = -1;
}

void CComboUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
    if (pManager != m_pManager) CloseDropDown();
    CListOwnerBase<CContainerUI>::SetManager(pManager, pParent, bInit);
}

void CComboUI::SetPos(RECT rc, bool bNeedInvalidate) {
    // The items are laid out only in the drop-down.
    CControlUI::SetPos(rc, bNeedInvalidate);
}

void CComboUI::SetEnabled(bool bEnable) {
    CListOwnerBase<CContainerUI>::SetEnabled(bEnable);
    if (!IsEnabled()) {
        m_uButtonState = 0;
        CloseDropDown();
    }
}

CControlUI* CComboUI::FindControl(FINDCONTROLPROC Proc, LPVOID pData, UINT uFlags) {
    // The items are not under the pointer: only the closed box is.
    if ((uFlags & UIFIND_HITTEST) != 0) return CControlUI::FindControl(Proc, pData, uFlags);
    return CListOwnerBase<CContainerUI>::FindControl(Proc, pData, uFlags);
}

void CComboUI::DoEvent(TEventUI& event) {
    switch (event.Type) {
        case UIEVENT_BUTTONDOWN:
        case UIEVENT_DBLCLICK:
            if (m_bPressCloses) {
                m_bPressCloses = false;
                return;
            }
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_PUSHED;
                Activate();
            }
            return;
        case UIEVENT_BUTTONUP:
            if ((m_uButtonState & UISTATE_PUSHED) != 0) {
                m_uButtonState &= ~UISTATE_PUSHED;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSEENTER:
            m_bPressCloses = false;
            if (IsEnabled()) {
                m_uButtonState |= UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSELEAVE:
            m_bPressCloses = false;
            if ((m_uButtonState & UISTATE_HOT) != 0) {
                m_uButtonState &= ~UISTATE_HOT;
                Invalidate();
            }
            return;
        case UIEVENT_MOUSEMOVE:
            m_bPressCloses = false;
            return;
        case UIEVENT_KEYDOWN:
            if (!IsEnabled()) return;
            if (event.chKey == VK_RETURN || event.chKey == VK_SPACE || event.chKey == VK_F4) {
                Activate();
                return;
            } else {
                // Closed, the arrows choose at once (left and right as up and down).
                const UINT uKey = event.chKey == VK_LEFT ? VK_UP : (event.chKey == VK_RIGHT ? VK_DOWN : event.chKey);
                const int iTarget = NavigationTarget(*this, m_iCurSel, uKey, 1);
                if (iTarget != kNotNavigationKey) {
                    if (iTarget >= 0) SelectItem(iTarget, false, true);
                    return;
                }
            }
            break;
        default:
            break;
    }
    CListOwnerBase<CContainerUI>::DoEvent(event);
}

void CComboUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"normalimage") m_sNormalImage = pstrValue;
    else if (sName == L"hotimage") m_sHotImage = pstrValue;
    else if (sName == L"pushedimage") m_sPushedImage = pstrValue;
    else if (sName == L"focusedimage") m_sFocusedImage = pstrValue;
    else if (sName == L"disabledimage") m_sDisabledImage = pstrValue;
    else if (sName == L"dropboxsize") m_szDropBox = ParseSize(pstrValue);
    else if (sName == L"dropbkcolor") m_dwDropBkColor = ParseColor(pstrValue);
    else if (sName == L"dropbordercolor") m_dwDropBorderColor = ParseColor(pstrValue);
    else if (sName == L"selectedid") m_iInitSel = ParseInt(pstrValue);
    else CListOwnerBase<CContainerUI>::SetAttribute(pstrName, pstrValue);
    Invalidate();
}

void CComboUI::DoPaint(HDC hDC, const RECT& rcPaint) {
    // The closed box only; the items are painted by the drop-down.
    CControlUI::DoPaint(hDC, rcPaint);
}

void CComboUI::PaintStatusImage(HDC hDC) {
    const CDuiString* pImage = &m_sNormalImage;
    if (!IsEnabled()) {
        if (!m_sDisabledImage.IsEmpty()) pImage = &m_sDisabledImage;
    } else if ((m_uButtonState & UISTATE_PUSHED) != 0 || IsDroppedDown()) {
        if (!m_sPushedImage.IsEmpty()) pImage = &m_sPushedImage;
        else if (!m_sHotImage.IsEmpty()) pImage = &m_sHotImage;
    } else if ((m_uButtonState & UISTATE_HOT) != 0) {
        if (!m_sHotImage.IsEmpty()) pImage = &m_sHotImage;
    } else if (IsFocused()) {
        if (!m_sFocusedImage.IsEmpty()) pImage = &m_sFocusedImage;
    }
    if (!pImage->IsEmpty()) DrawImage(hDC, *pImage);
}

void CComboUI::PaintText(HDC hDC) { PaintTextInPadding(hDC, GetText()); }

}  // namespace DuiLib
