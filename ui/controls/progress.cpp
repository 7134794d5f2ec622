#include "ui/controls/progress.h"

#include <cwchar>

#include "ui/base/attr_parse.h"
#include "ui/base/win_handles.h"
#include "ui/render/render_engine.h"

namespace DuiLib {

LPCWSTR CProgressUI::GetClass() const { return L"ProgressUI"; }

LPVOID CProgressUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Progress") == 0) return this;
    return CLabelUI::GetInterface(pstrName);
}

void CProgressUI::SetHorizontal(bool bHorizontal) {
    m_bHorizontal = bHorizontal;
    Invalidate();
}

void CProgressUI::SetMinValue(int nMin) {
    m_nMin = nMin;
    if (m_nMax < m_nMin) m_nMax = m_nMin;
    SetValue(m_nValue);
    Invalidate();
}

void CProgressUI::SetMaxValue(int nMax) {
    m_nMax = nMax;
    if (m_nMin > m_nMax) m_nMin = m_nMax;
    SetValue(m_nValue);
    Invalidate();
}

void CProgressUI::SetValue(int nValue) {
    if (nValue < m_nMin) nValue = m_nMin;
    if (nValue > m_nMax) nValue = m_nMax;
    if (nValue == m_nValue) return;
    m_nValue = nValue;
    Invalidate();
}

void CProgressUI::SetForeImage(LPCWSTR pStrImage) {
    m_sForeImage = pStrImage;
    Invalidate();
}

void CProgressUI::SetForeColor(DWORD dwColor) {
    m_dwForeColor = dwColor;
    Invalidate();
}

void CProgressUI::SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) {
    const CDuiString sName(pstrName);
    if (sName == L"foreimage") SetForeImage(pstrValue);
    else if (sName == L"forecolor") SetForeColor(ParseColor(pstrValue));
    else if (sName == L"hor") SetHorizontal(ParseBool(pstrValue));
    else if (sName == L"min") SetMinValue(ParseInt(pstrValue));
    else if (sName == L"max") SetMaxValue(ParseInt(pstrValue));
    else if (sName == L"value") SetValue(ParseInt(pstrValue));
    else CLabelUI::SetAttribute(pstrName, pstrValue);
}

RECT CProgressUI::GetFilledRect() const {
    RECT rc = m_rcItem;
    const long long nSpan = static_cast<long long>(m_nMax) - m_nMin;
    const long long nDone = static_cast<long long>(m_nValue) - m_nMin;
    if (nSpan <= 0) return rc;
    if (m_bHorizontal) {
        rc.right = rc.left + static_cast<LONG>((rc.right - rc.left) * nDone / nSpan);
    } else {
        rc.top = rc.bottom - static_cast<LONG>((rc.bottom - rc.top) * nDone / nSpan);
    }
    return rc;
}

void CProgressUI::PaintStatusImage(HDC hDC) {
    const RECT rcFilled = GetFilledRect();
    if (rcFilled.right <= rcFilled.left || rcFilled.bottom <= rcFilled.top) return;
    if ((m_dwForeColor >> 24) != 0) CRenderEngine::DrawColor(hDC, rcFilled, m_dwForeColor);
    if (!m_sForeImage.IsEmpty()) {
        // The whole fore image is laid over the bar and only the filled part shows.
        SavedDcState saved(hDC);
        ::IntersectClipRect(hDC, rcFilled.left, rcFilled.top, rcFilled.right, rcFilled.bottom);
        DrawImage(hDC, m_sForeImage);
    }
}

}  // namespace DuiLib
