#include "ui/edit/edit_wnd.h"

#include <string>

#include "ui/base/ui_defs.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

CEditWnd::CEditWnd(IEditWndOwner* pOwner) : m_pOwner(pOwner) {}

bool CEditWnd::Open(const TEditWndInit& init) {
    m_hWndHost = init.hWndHost;
    m_crText = CRenderEngine::ToColorRef(init.dwTextColor);
    m_crBk = CRenderEngine::ToColorRef(init.dwBkColor);
    m_hBkBrush.Reset(::CreateSolidBrush(m_crBk));
    DWORD dwStyle = WS_CHILD | ES_AUTOHSCROLL | (init.dwAlign & (ES_LEFT | ES_CENTER | ES_RIGHT));
    if (init.bReadOnly) dwStyle |= ES_READONLY;
    if (Create(m_hWndHost, nullptr, dwStyle, 0, init.rcEdit) == nullptr) return false;
    ::SendMessageW(m_hWnd, WM_SETFONT, reinterpret_cast<WPARAM>(init.hFont), FALSE);
    ::SendMessageW(m_hWnd, EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, 0);
    SetMaxChar(init.uMaxChar);
    SetText(init.sText);
    SetSel(init.iSelStart, init.iSelEnd);
    ::ShowWindow(m_hWnd, SW_SHOWNOACTIVATE);
    ::SetFocus(m_hWnd);
    return true;
}

void CEditWnd::Release() {
    m_pOwner = nullptr;
    if (m_hWnd == nullptr) {
        delete this;
        return;
    }
    m_bReleased = true;
    // Handing the keyboard back is only ours to do while it is still here; while this window is
    // being told it lost the keyboard, it already went somewhere else.
    if (!m_bLosingFocus && ::GetFocus() == m_hWnd && m_hWndHost != nullptr) ::SetFocus(m_hWndHost);
    ::ShowWindow(m_hWnd, SW_HIDE);
    ::PostMessageW(m_hWnd, WM_CLOSE, 0, 0);
}

void CEditWnd::SetText(LPCWSTR pstrText) {
    if (m_hWnd == nullptr) return;
    ::SetWindowTextW(m_hWnd, pstrText ? pstrText : L"");
}

CDuiString CEditWnd::GetText() const {
    if (m_hWnd == nullptr) return CDuiString();
    const int n = ::GetWindowTextLengthW(m_hWnd);
    std::wstring s(static_cast<size_t>(n) + 1, L'\0');
    const int nRead = ::GetWindowTextW(m_hWnd, s.data(), n + 1);
    s.resize(static_cast<size_t>(nRead > 0 ? nRead : 0));
    return CDuiString(s);
}

void CEditWnd::SetSel(int iStart, int iEnd) {
    if (m_hWnd != nullptr) ::SendMessageW(m_hWnd, EM_SETSEL, static_cast<WPARAM>(iStart), static_cast<LPARAM>(iEnd));
}

void CEditWnd::SetReadOnly(bool bReadOnly) {
    if (m_hWnd != nullptr) ::SendMessageW(m_hWnd, EM_SETREADONLY, bReadOnly ? TRUE : FALSE, 0);
}

void CEditWnd::SetMaxChar(UINT uMax) {
    if (m_hWnd != nullptr) ::SendMessageW(m_hWnd, EM_LIMITTEXT, uMax, 0);
}

void CEditWnd::Place(const RECT& rcEdit, bool bShow) {
    if (m_hWnd == nullptr) return;
    ::SetWindowPos(m_hWnd, nullptr, rcEdit.left, rcEdit.top, rcEdit.right - rcEdit.left, rcEdit.bottom - rcEdit.top,
                   SWP_NOZORDER | SWP_NOACTIVATE | (bShow ? SWP_SHOWWINDOW : SWP_HIDEWINDOW));
}

LRESULT CEditWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
        case OCM_COMMAND:
            if (HIWORD(wParam) == EN_CHANGE && m_pOwner != nullptr) m_pOwner->OnEditTextChanged();
            return 0;
        case OCM_CTLCOLOREDIT:
        case OCM_CTLCOLORSTATIC: {  // a read-only edit asks for the static colours
            auto hDC = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(hDC, m_crText);
            ::SetBkColor(hDC, m_crBk);
            return reinterpret_cast<LRESULT>(m_hBkBrush.Get());
        }
        case WM_KEYDOWN:
            if (wParam == VK_RETURN) {
                if (m_pOwner != nullptr) m_pOwner->OnEditReturn();
                return 0;
            }
            break;
        case WM_CHAR:
            // Enter, line feed and Esc are not text of a single-line edit (the system would beep).
            if (wParam == L'\r' || wParam == L'\n' || wParam == 0x1B) return 0;
            break;
        case WM_KILLFOCUS: {
            const HWND hNew = reinterpret_cast<HWND>(wParam);
            const bool bStaysInHost = hNew != nullptr && (hNew == m_hWndHost || ::IsChild(m_hWndHost, hNew));
            if (!bStaysInHost && m_pOwner != nullptr) {
                m_bLosingFocus = true;
                m_pOwner->OnEditFocusLeft();
                m_bLosingFocus = false;
            }
            break;
        }
        default:
            break;
    }
    return CWindowWnd::HandleMessage(uMsg, wParam, lParam);
}

void CEditWnd::OnFinalMessage(HWND /*hWnd*/) {
    if (m_bReleased) delete this;
}

}  // namespace DuiLib
