#include "ui/menu/menu_ui.h"

#include <algorithm>
#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/win_handles.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

namespace {

constexpr int kMinMenuWidth = 80;
constexpr LONG kUnbounded = 9999;

CMenuElementUI* AsElement(CControlUI* pControl) {
    return pControl ? static_cast<CMenuElementUI*>(pControl->GetInterface(L"MenuElement")) : nullptr;
}

}  // namespace

// ---- CMenuUI ----

CMenuUI::CMenuUI() {
    m_rcInset = RECT{2, 2, 2, 2};
    m_dwBackColor = 0xFFF7F7F7;
    m_dwBorderColor = 0xFFA0A0A0;
    m_nBorderSize = 1;
}

LPCWSTR CMenuUI::GetClass() const { return L"MenuUI"; }

LPVOID CMenuUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Menu") == 0) return this;
    return CVerticalLayoutUI::GetInterface(pstrName);
}

CMenuElementUI* CMenuUI::GetElementAt(int iIndex) const { return AsElement(GetItemAt(iIndex)); }

CMenuElementUI* CMenuUI::GetHotItem() const {
    for (CControlUI* pItem : m_items) {
        CMenuElementUI* pElement = AsElement(pItem);
        if (pElement != nullptr && pElement->IsHot()) return pElement;
    }
    return nullptr;
}

void CMenuUI::SetHotItem(CMenuElementUI* pItem) {
    for (CControlUI* pChild : m_items) {
        if (CMenuElementUI* pElement = AsElement(pChild)) pElement->SetHot(pElement == pItem);
    }
}

bool CMenuUI::MoveHotItem(bool bForward) {
    std::vector<CMenuElementUI*> choosable;
    for (CControlUI* pChild : m_items) {
        CMenuElementUI* pElement = AsElement(pChild);
        if (pElement != nullptr && pElement->IsVisible() && pElement->IsEnabled()) choosable.push_back(pElement);
    }
    if (choosable.empty()) return false;
    const auto it = std::find(choosable.begin(), choosable.end(), GetHotItem());
    size_t iNext = bForward ? 0 : choosable.size() - 1;
    if (it != choosable.end()) {
        const size_t iCur = static_cast<size_t>(it - choosable.begin());
        iNext = bForward ? (iCur + 1) % choosable.size() : (iCur + choosable.size() - 1) % choosable.size();
    }
    SetHotItem(choosable[iNext]);
    return true;
}

std::vector<std::vector<CControlUI*>> CMenuUI::GetColumns() const {
    std::vector<std::vector<CControlUI*>> columns(1);
    for (CControlUI* pChild : m_items) {
        if (!pChild->IsVisible() || pChild->IsFloat()) continue;
        const CMenuElementUI* pElement = AsElement(pChild);
        if (pElement != nullptr && pElement->IsColumnBreak() && !columns.back().empty()) columns.emplace_back();
        columns.back().push_back(pChild);
    }
    return columns;
}

int CMenuUI::GetRowCount() const {
    size_t nRows = 0;
    for (const std::vector<CControlUI*>& column : GetColumns()) nRows = std::max(nRows, column.size());
    return static_cast<int>(nRows);
}

SIZE CMenuUI::MeasureMenu(HDC hDC) {
    int cyTallest = 0;
    int cxWidest = 0;
    const std::vector<std::vector<CControlUI*>> columns = GetColumns();
    for (const std::vector<CControlUI*>& column : columns) {
        int cyItems = 0;
        for (CControlUI* pChild : column) {
            const SIZE sz = pChild->EstimateSize(SIZE{0, 0});
            const RECT rcPadding = pChild->GetPadding();
            cyItems += sz.cy + rcPadding.top + rcPadding.bottom;
            int cx = sz.cx;
            if (cx <= 0) {
                RECT rcText{0, 0, kUnbounded, kUnbounded};
                const CDuiString sText = pChild->GetText();
                if (!sText.IsEmpty()) {
                    CRenderEngine::DrawText(hDC, m_pManager, rcText, sText, 0xFF000000, pChild->GetFont(),
                                            DT_CALCRECT | DT_SINGLELINE);
                    cx = rcText.right - rcText.left;
                } else {
                    cx = 0;
                }
                const RECT rcTextPadding = pChild->GetTextPadding();
                cx += rcTextPadding.left + rcTextPadding.right;
            }
            cxWidest = std::max(cxWidest, static_cast<int>(cx + rcPadding.left + rcPadding.right));
        }
        if (column.size() > 1) cyItems += (static_cast<int>(column.size()) - 1) * m_iChildPadding;
        cyTallest = std::max(cyTallest, cyItems);
    }
    const int nColumns = static_cast<int>(columns.size());
    const int cxColumns = nColumns * cxWidest + (nColumns - 1) * m_iChildPadding;
    SIZE szMenu;
    szMenu.cx = GetFixedWidth() > 0 ? GetFixedWidth()
                                    : std::max(kMinMenuWidth, static_cast<int>(cxColumns + m_rcInset.left + m_rcInset.right));
    szMenu.cy = cyTallest + m_rcInset.top + m_rcInset.bottom;
    return szMenu;
}

void CMenuUI::SetPos(RECT rc, bool bNeedInvalidate) {
    const std::vector<std::vector<CControlUI*>> columns = GetColumns();
    if (columns.size() <= 1) {
        CVerticalLayoutUI::SetPos(rc, bNeedInvalidate);
        return;
    }
    CControlUI::SetPos(rc, bNeedInvalidate);
    const RECT rcArea{m_rcItem.left + m_rcInset.left, m_rcItem.top + m_rcInset.top, m_rcItem.right - m_rcInset.right,
                      m_rcItem.bottom - m_rcInset.bottom};
    const int nColumns = static_cast<int>(columns.size());
    const int cxColumn = std::max(0, static_cast<int>((rcArea.right - rcArea.left - (nColumns - 1) * m_iChildPadding) / nColumns));
    const SIZE szArea{cxColumn, rcArea.bottom - rcArea.top};
    for (int c = 0; c < nColumns; ++c) {
        const LONG x = rcArea.left + c * (cxColumn + m_iChildPadding);
        LONG y = rcArea.top;
        for (CControlUI* pChild : columns[static_cast<size_t>(c)]) {
            const RECT rcPadding = pChild->GetPadding();
            const SIZE sz = pChild->EstimateSize(szArea);
            y += rcPadding.top;
            const RECT rcChild{x + rcPadding.left, y, x + cxColumn - rcPadding.right, y + std::max(0L, sz.cy)};
            pChild->SetPos(rcChild, false);
            y = rcChild.bottom + rcPadding.bottom + m_iChildPadding;
        }
    }
    for (int i = 0; i < GetCount(); ++i) SetFloatPos(i);
}

// ---- CMenuElementUI ----

CMenuElementUI::CMenuElementUI() {
    m_uTextStyle = DT_SINGLELINE | DT_VCENTER | DT_LEFT | DT_END_ELLIPSIS;
    m_rcTextPadding = RECT{24, 0, 12, 0};  // the left part holds the check mark
    m_dwHotBkColor = 0xFFD6E4F5;
}

LPCWSTR CMenuElementUI::GetClass() const { return L"MenuElementUI"; }

LPVOID CMenuElementUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"MenuElement") == 0) return this;
    return CButtonUI::GetInterface(pstrName);
}

UINT CMenuElementUI::GetControlFlags() const { return IsEnabled() ? UIFLAG_SETCURSOR : 0; }

SIZE CMenuElementUI::EstimateSize(SIZE /*szAvailable*/) {
    SIZE sz = m_cxyFixed;
    if (sz.cy <= 0) sz.cy = kDefaultHeight;
    return sz;
}

bool CMenuElementUI::Activate() {
    if (!CControlUI::Activate()) return false;
    if (m_bCheckable) SetChecked(!m_bChecked);
    return CButtonUI::Activate();
}

void CMenuElementUI::SetChecked(bool bChecked) {
    if (m_bChecked == bChecked) return;
    m_bChecked = bChecked;
    Invalidate();
}

void CMenuElementUI::SetHot(bool bHot) {
    const UINT uOld = m_uButtonState;
    if (bHot && IsEnabled()) {
        m_uButtonState |= UISTATE_HOT;
    } else {
        m_uButtonState &= ~UISTATE_HOT;
    }
    if (uOld != m_uButtonState) Invalidate();
}

CMenuUI* CMenuElementUI::GetMenu() const {
    return m_pParent ? static_cast<CMenuUI*>(m_pParent->GetInterface(L"Menu")) : nullptr;
}

void CMenuElementUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_MOUSEENTER && IsEnabled()) {
        // The pointer takes the highlight from wherever the keyboard left it.
        if (CMenuUI* pMenu = GetMenu()) {
            pMenu->SetHotItem(this);
            return;
        }
    }
    CButtonUI::DoEvent(event);
}

void CMenuElementUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"checked") SetChecked(ParseBool(pstrValue));
    else if (sName == L"checkable") SetCheckable(ParseBool(pstrValue));
    else if (sName == L"columnbreak") m_bColumnBreak = ParseBool(pstrValue);
    else CButtonUI::SetAttribute(pstrName, pstrValue);
}

void CMenuElementUI::PaintStatusImage(HDC hDC) {
    CButtonUI::PaintStatusImage(hDC);
    if (!m_bChecked) return;
    // A tick in the left margin, in the text's colour.
    const LONG x = m_rcItem.left + 7;
    const LONG y = (m_rcItem.top + m_rcItem.bottom) / 2;
    const POINT tick[] = {{x, y}, {x + 3, y + 3}, {x + 10, y - 4}};
    GdiObject<HPEN> hPen(::CreatePen(PS_SOLID, 2, CRenderEngine::ToColorRef(GetPaintTextColor())));
    SelectObjectScope sel(hDC, hPen.Get());
    ::Polyline(hDC, tick, 3);
}

}  // namespace DuiLib
