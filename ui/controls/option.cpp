#include "ui/controls/option.h"

#include <algorithm>
#include <cwchar>
#include <vector>

#include "ui/base/attr_parse.h"
#include "ui/control/container.h"
#include "ui/manager/paint_manager.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

COptionUI::~COptionUI() {
    if (m_pManager != nullptr && !m_sGroupName.IsEmpty()) m_pManager->RemoveOptionGroup(m_sGroupName, this);
}

LPCWSTR COptionUI::GetClass() const { return L"OptionUI"; }

LPVOID COptionUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Option") == 0) return this;
    return CButtonUI::GetInterface(pstrName);
}

void COptionUI::SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit) {
    CButtonUI::SetManager(pManager, pParent, bInit);
    if (bInit && m_pManager != nullptr && !m_sGroupName.IsEmpty()) m_pManager->AddOptionGroup(m_sGroupName, this);
}

bool COptionUI::Activate() {
    if (!CButtonUI::Activate()) return false;
    Selected(m_sGroupName.IsEmpty() ? !m_bSelected : true, true);
    return true;
}

void COptionUI::DoEvent(TEventUI& event) {
    if (event.Type == UIEVENT_KEYDOWN && !m_sGroupName.IsEmpty()) {
        switch (event.chKey) {
            case VK_LEFT:
            case VK_UP:
                SelectNeighbour(-1);
                return;
            case VK_RIGHT:
            case VK_DOWN:
                SelectNeighbour(1);
                return;
            default:
                break;
        }
    }
    CButtonUI::DoEvent(event);
}

void COptionUI::SelectNeighbour(int iStep) {
    if (m_pManager == nullptr) return;
    std::vector<COptionUI*> reachable;
    for (CControlUI* pControl : m_pManager->GetOptionGroup(m_sGroupName)) {
        auto* pOption = static_cast<COptionUI*>(pControl->GetInterface(L"Option"));
        if (pOption != nullptr && (pOption == this || (pOption->IsVisibleInTree() && pOption->IsEnabled())))
            reachable.push_back(pOption);
    }
    const auto it = std::find(reachable.begin(), reachable.end(), this);
    const auto iNext = (it - reachable.begin()) + iStep;
    // The ends of the group are where the keys stop.
    if (it == reachable.end() || iNext < 0 || iNext >= static_cast<long long>(reachable.size())) return;
    COptionUI* pNext = reachable[static_cast<size_t>(iNext)];
    pNext->SetFocus();
    BringIntoView(pNext);
    pNext->Activate();
}

void COptionUI::SetGroup(LPCWSTR pStrGroupName) {
    CDuiString sNew(pStrGroupName);
    if (sNew == m_sGroupName) return;
    if (m_pManager != nullptr && !m_sGroupName.IsEmpty()) m_pManager->RemoveOptionGroup(m_sGroupName, this);
    m_sGroupName = sNew;
    if (m_pManager != nullptr && !m_sGroupName.IsEmpty()) m_pManager->AddOptionGroup(m_sGroupName, this);
}

void COptionUI::Selected(bool bSelected, bool bTriggerEvent) {
    if (m_bSelected == bSelected) return;
    m_bSelected = bSelected;
    if (m_bSelected && m_pManager != nullptr && !m_sGroupName.IsEmpty()) {
        for (CControlUI* pControl : m_pManager->GetOptionGroup(m_sGroupName)) {
            auto* pOption = static_cast<COptionUI*>(pControl->GetInterface(L"Option"));
            if (pOption != nullptr && pOption != this && pOption->m_bSelected) {
                pOption->m_bSelected = false;
                pOption->Invalidate();
            }
        }
    }
    Invalidate();
    if (bTriggerEvent && m_pManager != nullptr) m_pManager->SendNotify(this, DUI_MSGTYPE_SELECTCHANGED);
}

void COptionUI::SetSelectedImage(LPCWSTR pStrImage) {
    m_sSelectedImage = pStrImage;
    Invalidate();
}

void COptionUI::SetSelectedHotImage(LPCWSTR pStrImage) {
    m_sSelectedHotImage = pStrImage;
    Invalidate();
}

void COptionUI::SetSelectedBkColor(DWORD dwColor) {
    m_dwSelectedBkColor = dwColor;
    Invalidate();
}

void COptionUI::SetSelectedTextColor(DWORD dwColor) {
    m_dwSelectedTextColor = dwColor;
    Invalidate();
}

void COptionUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"group") SetGroup(pstrValue);
    else if (sName == L"selected") Selected(ParseBool(pstrValue), false);
    else if (sName == L"selectedimage") SetSelectedImage(pstrValue);
    else if (sName == L"selectedhotimage") SetSelectedHotImage(pstrValue);
    else if (sName == L"selectedforeimage") m_sSelectedForeImage = pstrValue;
    else if (sName == L"selectedbkcolor") SetSelectedBkColor(ParseColor(pstrValue));
    else if (sName == L"selectedtextcolor") SetSelectedTextColor(ParseColor(pstrValue));
    else CButtonUI::SetAttribute(pstrName, pstrValue);
}

void COptionUI::PaintBkColor(HDC hDC) {
    if (m_bSelected && (m_dwSelectedBkColor >> 24) != 0) {
        if (m_cxyBorderRound.cx > 0 && m_cxyBorderRound.cy > 0) {
            CRenderEngine::DrawRoundColor(hDC, m_rcItem, m_cxyBorderRound, m_dwSelectedBkColor);
        } else {
            CRenderEngine::DrawColor(hDC, m_rcItem, m_dwSelectedBkColor);
        }
        return;
    }
    CButtonUI::PaintBkColor(hDC);
}

void COptionUI::PaintStatusImage(HDC hDC) {
    if (!m_bSelected || (m_sSelectedImage.IsEmpty() && m_sSelectedHotImage.IsEmpty())) {
        CButtonUI::PaintStatusImage(hDC);
    } else if (!IsEnabled()) {
        DrawFirstImage(hDC, {&m_sDisabledImage, &m_sSelectedImage});
    } else if ((m_uButtonState & (UISTATE_HOT | UISTATE_PUSHED)) != 0) {
        DrawFirstImage(hDC, {&m_sSelectedHotImage, &m_sSelectedImage});
    } else {
        DrawFirstImage(hDC, {&m_sSelectedImage});
    }
    if (m_bSelected && !m_sSelectedForeImage.IsEmpty()) DrawImage(hDC, m_sSelectedForeImage);
}

DWORD COptionUI::GetPaintTextColor() const {
    if (m_bSelected && IsEnabled() && m_dwSelectedTextColor != 0) return m_dwSelectedTextColor;
    return CButtonUI::GetPaintTextColor();
}

}  // namespace DuiLib
