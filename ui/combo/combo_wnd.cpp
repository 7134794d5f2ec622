#include "ui/combo/combo_wnd.h"

#include <windowsx.h>

#include "ui/combo/combo.h"
#include "ui/list/list.h"
#include "ui/list/list_element.h"

namespace DuiLib {

namespace {

// The host's font of an id, declared again in the drop-down's own manager.
void CopyFont(CPaintManagerUI& from, CPaintManagerUI& to, int id, bool bDefault) {
    if (id < 0) return;
    if (const TFontInfo* pInfo = from.GetFontTable().GetInfo(id)) {
        to.AddFont(id, pInfo->sFontName.c_str(), pInfo->iSize, pInfo->bBold, pInfo->bUnderline, pInfo->bItalic, bDefault);
    }
}

}  // namespace

CComboWnd::CComboWnd(CComboUI* pOwner) : m_pOwner(pOwner) {}

int CComboWnd::ItemOfRow(int iRow) const {
    if (iRow < 0 || iRow >= static_cast<int>(m_rowItems.size())) return -1;
    return m_rowItems[static_cast<size_t>(iRow)];
}

RECT CComboWnd::ComputeWindowRect(int cyContent) const {
    const HWND hHost = m_pOwner->GetManager()->GetPaintWindow();
    const RECT& rcCombo = m_pOwner->GetPos();
    POINT ptTop{rcCombo.left, rcCombo.top};
    POINT ptBottom{rcCombo.right, rcCombo.bottom};
    ::ClientToScreen(hHost, &ptTop);
    ::ClientToScreen(hHost, &ptBottom);
    const SIZE szBox = m_pOwner->GetDropBoxSize();
    const int cx = szBox.cx > 0 ? szBox.cx : ptBottom.x - ptTop.x;
    const int cyMax = szBox.cy > 0 ? szBox.cy : CComboUI::kMaxDropHeight;
    const int cy = cyContent < cyMax ? cyContent : cyMax;
    RECT rc{ptTop.x, ptBottom.y, ptTop.x + cx, ptBottom.y + cy};
    MONITORINFO mi{sizeof(mi)};
    if (::GetMonitorInfoW(::MonitorFromWindow(hHost, MONITOR_DEFAULTTONEAREST), &mi)) {
        // Above the combo when it does not fit below but does there.
        if (rc.bottom > mi.rcWork.bottom && ptTop.y - cy >= mi.rcWork.top) {
            rc.top = ptTop.y - cy;
            rc.bottom = ptTop.y;
        }
        if (rc.right > mi.rcWork.right) ::OffsetRect(&rc, mi.rcWork.right - rc.right, 0);
    }
    return rc;
}

bool CComboWnd::Open() {
    CPaintManagerUI* pHostManager = m_pOwner->GetManager();
    if (pHostManager == nullptr || pHostManager->GetPaintWindow() == nullptr) return false;
    // The drop-down is placed by the combo's position, which a pending layout may still move.
    pHostManager->UpdateLayout();
    const TListInfoUI& info = *m_pOwner->GetListInfo();

    auto* pList = new CListUI;
    *pList->GetListInfo() = info;
    pList->SetBkColor(m_pOwner->GetDropBkColor());
    pList->SetBorderColor(m_pOwner->GetDropBorderColor());
    pList->SetBorderSize(1);
    pList->SetInset(RECT{1, 1, 1, 1});
    int cyContent = 2;
    for (int i = 0; i < m_pOwner->GetCount(); ++i) {
        CControlUI* pItem = m_pOwner->GetItemAt(i);
        if (!pItem->IsVisible()) continue;
        auto* pRow = new CListLabelElementUI;
        pRow->SetText(pItem->GetText());
        pRow->SetEnabled(pItem->IsEnabled());
        const int cyRow = pItem->GetFixedHeight() > 0 ? pItem->GetFixedHeight() : info.iItemHeight;
        pRow->SetFixedHeight(cyRow);
        pList->Add(pRow);
        m_rowItems.push_back(i);
        cyContent += cyRow;
    }

    const HWND hOwnerWnd = ::GetAncestor(pHostManager->GetPaintWindow(), GA_ROOT);
    if (Create(hOwnerWnd, nullptr, WS_POPUP | WS_CLIPCHILDREN, WS_EX_TOOLWINDOW, ComputeWindowRect(cyContent)) == nullptr) {
        delete pList;
        return false;
    }
    m_pm.SetDefaultFontColor(pHostManager->GetDefaultFontColor());
    m_pm.SetDefaultDisabledColor(pHostManager->GetDefaultDisabledColor());
    CopyFont(*pHostManager, m_pm, pHostManager->GetFontTable().GetDefaultId(), true);
    CopyFont(*pHostManager, m_pm, info.nFont, false);
    m_pm.AttachDialog(pList);
    m_pList = pList;

    int iRow = -1;
    for (size_t r = 0; r < m_rowItems.size(); ++r) {
        if (m_rowItems[r] == m_pOwner->GetCurSel()) iRow = static_cast<int>(r);
    }
    m_pList->SelectItem(iRow, false, false);
    ::ShowWindow(m_hWnd, SW_SHOWNORMAL);
    m_pList->SetFocus();
    if (iRow >= 0) m_pList->EnsureVisible(iRow);
    return true;
}

void CComboWnd::Release() {
    m_pOwner = nullptr;
    if (m_hWnd != nullptr) {
        m_bClosing = true;
        ::DestroyWindow(m_hWnd);
    }
    // Inside one of its own messages the object is still in use: it goes when that ends.
    if (m_iDepth > 0) {
        m_bReleased = true;
    } else {
        delete this;
    }
}

void CComboWnd::CloseWith(int iResult) {
    if (m_bClosing) return;
    m_bClosing = true;
    if (m_hWnd != nullptr) ::DestroyWindow(m_hWnd);
    // Last: the combo may release this object now.
    if (m_pOwner != nullptr) m_pOwner->OnDropDownClosed(iResult);
}

int CComboWnd::RowAt(POINT pt) {
    if (m_pList == nullptr) return -1;
    CControlUI* pHit = m_pm.FindControl(pt);
    if (AsListItem(pHit) == nullptr) return -1;
    return m_pList->GetItemIndex(pHit);
}

LRESULT CComboWnd::HandleOwnMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) {
    switch (uMsg) {
        case WM_CREATE:
            m_pm.Init(m_hWnd);
            bHandled = true;
            return 0;
        case WM_ACTIVATE:
            if (LOWORD(wParam) == WA_INACTIVE) {
                CloseWith(kClosedByDeactivation);
                bHandled = true;
            }
            return 0;
        case WM_KEYDOWN: {
            if (m_pList == nullptr) return 0;
            bHandled = true;
            if (wParam == VK_ESCAPE) {
                CloseWith(kClosedWithoutPick);
            } else if (wParam == VK_RETURN) {
                const int iItem = ItemOfRow(m_pList->GetCurSel());
                CloseWith(iItem >= 0 ? iItem : kClosedWithoutPick);
            } else {
                const int iTarget = m_pList->GetNavigationTarget(static_cast<UINT>(wParam));
                if (iTarget >= 0) {
                    m_pList->SelectItem(iTarget, false, false);
                    m_pList->EnsureVisible(iTarget);
                }
            }
            return 0;
        }
        case WM_LBUTTONDOWN:
            m_iPressedRow = RowAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            return 0;  // the manager goes on: focus, capture, the row's highlight
        case WM_LBUTTONUP: {
            LRESULT lRes = 0;
            m_pm.MessageHandler(uMsg, wParam, lParam, lRes);
            bHandled = true;
            // A press and release on the same row picks it.
            const int iRow = RowAt(POINT{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
            const int iPressed = m_iPressedRow;
            m_iPressedRow = -1;
            if (iRow >= 0 && iRow == iPressed) CloseWith(ItemOfRow(iRow));
            return lRes;
        }
        default:
            return 0;
    }
}

LRESULT CComboWnd::HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) {
    ++m_iDepth;
    bool bHandled = false;
    LRESULT lRes = HandleOwnMessage(uMsg, wParam, lParam, bHandled);
    if (!bHandled && !m_pm.MessageHandler(uMsg, wParam, lParam, lRes)) {
        lRes = m_hWnd != nullptr ? CWindowWnd::HandleMessage(uMsg, wParam, lParam) : 0;
    }
    --m_iDepth;
    // WM_NCDESTROY is followed by the window base's own bookkeeping: OnFinalMessage deletes.
    if (m_iDepth == 0 && m_bReleased && uMsg != WM_NCDESTROY) delete this;
    return lRes;
}

void CComboWnd::OnFinalMessage(HWND /*hWnd*/) {
    if (m_iDepth == 0 && m_bReleased) delete this;
}

}  // namespace DuiLib
