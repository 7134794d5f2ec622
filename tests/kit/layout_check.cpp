#include "tests/kit/layout_check.h"

#include <windows.h>

#include <string>

namespace uikit {
namespace {

std::string Narrow(const std::wstring& str) {
    const int n = ::WideCharToMultiByte(CP_UTF8, 0, str.c_str(), static_cast<int>(str.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, str.c_str(), static_cast<int>(str.size()), out.data(), n, nullptr, nullptr);
    return out;
}

std::string NameOf(DuiLib::CControlUI* pControl) {
    std::wstring strName = pControl->GetName().str();
    for (DuiLib::CControlUI* p = pControl->GetParent(); strName.empty() && p != nullptr; p = p->GetParent())
        if (!p->GetName().IsEmpty()) strName = L"(in " + p->GetName().str() + L")";
    return Narrow(strName.empty() ? std::wstring(pControl->GetClass()) : strName);
}

// Every control under pRoot, pRoot first.
void Walk(DuiLib::CControlUI* pRoot, std::vector<DuiLib::CControlUI*>& all) {
    all.push_back(pRoot);
    if (auto* pBox = static_cast<DuiLib::CContainerUI*>(pRoot->GetInterface(L"Container")))
        for (int i = 0; i < pBox->GetCount(); ++i) Walk(pBox->GetItemAt(i), all);
}

bool Shown(DuiLib::CControlUI* pControl) {
    return pControl->IsVisibleInTree() && pControl->GetWidth() > 0 && pControl->GetHeight() > 0;
}

class MeasuringDc {
public:
    MeasuringDc() : m_hDC(::CreateCompatibleDC(nullptr)) {}
    ~MeasuringDc() { ::DeleteDC(m_hDC); }
    MeasuringDc(const MeasuringDc&) = delete;
    MeasuringDc& operator=(const MeasuringDc&) = delete;

    // The text's extent drawn as the control draws it: on one line, or wrapped within cxRoom.
    SIZE Measure(HFONT hFont, const std::wstring& strText, UINT uStyle, int cxRoom) {
        const HGDIOBJ hOld = ::SelectObject(m_hDC, hFont);
        const bool bWraps = (uStyle & DT_WORDBREAK) != 0 && (uStyle & DT_SINGLELINE) == 0;
        RECT rc{0, 0, bWraps ? cxRoom : 0, 0};
        ::DrawTextW(m_hDC, strText.c_str(), -1, &rc, DT_CALCRECT | DT_NOPREFIX | (bWraps ? DT_WORDBREAK : DT_SINGLELINE));
        ::SelectObject(m_hDC, hOld);
        return {rc.right - rc.left, rc.bottom - rc.top};
    }

private:
    HDC m_hDC;
};

}  // namespace

std::string TextCut(DuiLib::CControlUI* pControl, const std::wstring& strText) {
    if (pControl == nullptr || pControl->GetManager() == nullptr || strText.empty()) return {};
    const RECT rcPadding = pControl->GetTextPadding();
    const int cxRoom = pControl->GetWidth() - rcPadding.left - rcPadding.right;
    const int cyRoom = pControl->GetHeight() - rcPadding.top - rcPadding.bottom;
    MeasuringDc dc;
    const SIZE sz = dc.Measure(pControl->GetManager()->GetFont(pControl->GetFont()), strText, pControl->GetTextStyle(), cxRoom);
    if (sz.cx <= cxRoom && sz.cy <= cyRoom) return {};
    return NameOf(pControl) + " \"" + Narrow(strText) + "\": " + std::to_string(sz.cx) + "x" + std::to_string(sz.cy) +
           " px in " + std::to_string(cxRoom) + "x" + std::to_string(cyRoom);
}

std::vector<std::string> TextsCut(DuiLib::CControlUI* pRoot) {
    std::vector<std::string> cut;
    if (pRoot == nullptr) return cut;
    std::vector<DuiLib::CControlUI*> all;
    Walk(pRoot, all);
    for (DuiLib::CControlUI* pControl : all) {
        if (pControl->GetInterface(L"Label") == nullptr || pControl->GetInterface(L"RichEdit") != nullptr) continue;
        if (!Shown(pControl)) continue;
        std::string strCut = TextCut(pControl, pControl->GetText().str());
        if (!strCut.empty()) cut.push_back(std::move(strCut));
    }
    return cut;
}

std::vector<std::string> ControlsCrowded(DuiLib::CContainerUI* pColumn, int iGap) {
    std::vector<std::string> crowded;
    if (pColumn == nullptr) return crowded;
    // The room the column's content may take: inside its inset, left of its scroll bar.
    const RECT rcColumn = pColumn->GetPos();
    int iRight = rcColumn.right - pColumn->GetInset().right;
    if (DuiLib::CScrollBarUI* pBar = pColumn->GetVerticalScrollBar(); pBar != nullptr && pBar->IsVisible())
        iRight = pBar->GetPos().left;
    std::vector<DuiLib::CControlUI*> all;
    Walk(pColumn, all);
    for (DuiLib::CControlUI* pControl : all) {
        if (pControl == pColumn || !Shown(pControl)) continue;
        if (pControl->GetFixedWidth() > 0 && pControl->GetPos().right > iRight - iGap)
            crowded.push_back(NameOf(pControl) + ": ends " + std::to_string(iRight - pControl->GetPos().right) +
                              " px before the column's edge");
        auto* pRow = static_cast<DuiLib::CContainerUI*>(pControl->GetInterface(L"HorizontalLayout"));
        if (pRow == nullptr) continue;
        DuiLib::CControlUI* pLeft = nullptr;
        for (int i = 0; i < pRow->GetCount(); ++i) {
            DuiLib::CControlUI* pItem = pRow->GetItemAt(i);
            if (!Shown(pItem)) continue;
            if (pLeft != nullptr && pItem->GetPos().left < pLeft->GetPos().right)
                crowded.push_back(NameOf(pLeft) + " overlaps " + NameOf(pItem));
            pLeft = pItem;
        }
    }
    return crowded;
}

}  // namespace uikit
