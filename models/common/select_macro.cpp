#include "select_macro.h"

#include "dialogs/rich_edit_filter.h"

#include <algorithm>

using namespace DuiLib;

namespace {

constexpr int kMacroRowHeight = 22;

// The decimal number at the start of a text, saturated at iMax; 0 when it has none.
int LeadingNumber(const std::wstring& strText, int iMax) {
    long long llValue = 0;
    for (wchar_t ch : strText) {
        if (ch < L'0' || ch > L'9') break;
        llValue = std::min<long long>(llValue * 10 + (ch - L'0'), static_cast<long long>(iMax) + 1);
    }
    return static_cast<int>(llValue);
}

}  // namespace

UINT CSelectMacroBase::Run(HWND hOwner) { return RunModal(hOwner, GetWindowClassName()); }

void CSelectMacroBase::InitWindow() {
    CControlBinder bind(m_PaintManager, m_missingControls);
    m_pBtnOk = bind.Find<CButtonUI>(L"btn_ok");
    m_pBtnCancel = bind.Find<CButtonUI>(L"btn_cancel");
    m_pBtnExit = bind.Find<CButtonUI>(L"btn_exit");
    m_pListMacro = bind.Find<CListUI>(L"list_macro");
    for (int i = 0; i < kRepeatModes; ++i) m_pRepeat[i] = bind.Find<COptionUI>(L"repeat_" + std::to_wstring(i + 1));
    m_pHorLoopTime = bind.Find(L"hor_loop_time");
    m_pEditLoopTime = bind.Find<CRichEditUI>(L"edit_loop_time");

    if (m_pListMacro != nullptr) {
        for (size_t i = 0; i < m_pMacros.Count(); ++i) {
            auto* pRow = new CListLabelElementUI;
            pRow->SetText(std::wstring(m_pMacros.Name(i)).c_str());
            pRow->SetFixedHeight(kMacroRowHeight);
            m_pListMacro->Add(pRow);
        }
    }
    ::UpdateWindow(m_hWnd);
    // With its notification, so the loop row follows the mode; a mode outside the range selects
    // no option.
    if (m_iRepeatMode >= 0 && m_iRepeatMode < kRepeatModes && m_pRepeat[m_iRepeatMode] != nullptr)
        m_pRepeat[m_iRepeatMode]->Selected(true, true);
    // Silently: an index past the list selects nothing and is handed back as it came.
    if (m_pListMacro != nullptr && m_iMacroIndex >= 0 && m_iMacroIndex < m_pListMacro->GetCount())
        m_pListMacro->SelectItem(m_iMacroIndex, false, false);
    if (m_pEditLoopTime != nullptr) m_pEditLoopTime->SetText(std::to_wstring(m_iLoopCount).c_str());
    ShowLoopRow(m_iRepeatMode == 0);
}

void CSelectMacroBase::ShowLoopRow(bool bShow) {
    if (m_pHorLoopTime != nullptr) m_pHorLoopTime->SetVisible(bShow);
}

void CSelectMacroBase::TakeLoopCount() {
    if (m_pEditLoopTime == nullptr) return;
    const std::wstring strText = m_pEditLoopTime->GetText().str();
    m_iLoopCount = std::clamp(LeadingNumber(strText, kLoopCountMax), kLoopCountMin, kLoopCountMax);
    const std::wstring strShown = std::to_wstring(m_iLoopCount);
    if (strText != strShown) m_pEditLoopTime->SetText(strShown.c_str());
}

void CSelectMacroBase::Notify(TNotifyUI& msg) {
    if (msg.pSender == nullptr) return;
    if (msg.sType == DUI_MSGTYPE_CLICK) {
        OnClick(msg);
    } else if (msg.sType == DUI_MSGTYPE_ITEMSELECT && msg.pSender == m_pListMacro) {
        m_iMacroIndex = static_cast<int>(msg.wParam);
    } else if (msg.sType == DUI_MSGTYPE_SELECTCHANGED) {
        for (int i = 0; i < kRepeatModes; ++i) {
            if (msg.pSender != m_pRepeat[i] || !m_pRepeat[i]->IsSelected()) continue;
            m_iRepeatMode = i;
            ShowLoopRow(i == 0);
        }
    } else if (msg.sType == DUI_MSGTYPE_KILLFOCUS && msg.pSender == m_pEditLoopTime) {
        TakeLoopCount();
    } else if (msg.sType == DUI_MSGTYPE_TEXTCHANGED && msg.pSender == m_pEditLoopTime) {
        FilterDigits(m_pEditLoopTime, m_pEditLoopTime->GetText());
    }
}

void CSelectMacroBase::OnClick(TNotifyUI& msg) {
    if (msg.pSender == m_pBtnOk) {
        // The count typed last counts even when the edit still has the focus.
        TakeLoopCount();
        Close(1);
    } else if (msg.pSender == m_pBtnCancel || msg.pSender == m_pBtnExit) {
        Close(0);
    }
}
