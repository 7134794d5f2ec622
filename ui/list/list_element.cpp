#include "ui/list/list_element.h"

#include "ui/render/render_engine.h"

namespace DuiLib {

namespace {

bool IsZero(const RECT& rc) { return rc.left == 0 && rc.top == 0 && rc.right == 0 && rc.bottom == 0; }

}  // namespace

CListLabelElementUI::CListLabelElementUI() { m_bResourceText = false; }

CControlUI* CListLabelElementUI::CreateFromSkin() {
    auto* pRow = new CListLabelElementUI;
    pRow->m_bResourceText = true;
    return pRow;
}

LPCWSTR CListLabelElementUI::GetClass() const { return L"ListLabelElementUI"; }

LPVOID CListLabelElementUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"ListLabelElement") == 0) return this;
    return CListItemBase<CControlUI>::GetInterface(pstrName);
}

DWORD CListLabelElementUI::GetPaintTextColor() const {
    return m_state.PaintTextColor(*this, CListItemBase<CControlUI>::GetPaintTextColor());
}

void CListLabelElementUI::PaintText(HDC hDC) {
    const CDuiString sText = GetText();
    if (sText.IsEmpty()) return;
    // The row's own text settings win over the list's.
    const TListInfoUI* pInfo = m_state.m_pOwner ? m_state.m_pOwner->GetListInfo() : nullptr;
    const RECT rcPadding = (!IsZero(m_rcTextPadding) || pInfo == nullptr) ? m_rcTextPadding : pInfo->rcTextPadding;
    RECT rc{m_rcItem.left + rcPadding.left, m_rcItem.top + rcPadding.top, m_rcItem.right - rcPadding.right,
            m_rcItem.bottom - rcPadding.bottom};
    const int iFont = (m_iFont >= 0 || pInfo == nullptr) ? m_iFont : pInfo->nFont;
    const UINT uStyle = pInfo ? pInfo->uTextStyle : m_uTextStyle;
    CRenderEngine::DrawText(hDC, m_pManager, rc, sText, GetPaintTextColor(), iFont, uStyle);
}

CListContainerElementUI::CListContainerElementUI() {
    // The row is what a press hits; its cells only show.
    m_bMouseChildEnabled = false;
}

LPCWSTR CListContainerElementUI::GetClass() const { return L"ListContainerElementUI"; }

LPVOID CListContainerElementUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"ListContainerElement") == 0) return this;
    return CListItemBase<CHorizontalLayoutUI>::GetInterface(pstrName);
}

}  // namespace DuiLib
