#include "models/dialogs/select_macro.h"

#include "models/data/gen1_frames.h"
#include "models/data/gen1_model.h"
#include "models/data/gen2_frames.h"
#include "models/data/gen2_model.h"
#include "models/table/model_table.h"

#include "core/dialogs/msg_wnd.h"
#include "core/dialogs/rich_edit_filter.h"
#include "core/util/edit_filter.h"
#include "core/util/string_helpers.h"

#include <algorithm>

using namespace DuiLib;

namespace {

constexpr int kMacroRowHeight = 22;
// The limits of each generation's macro frame: the first's 50 pairs, the second's 191 events in
// four blocks.
constexpr wchar_t kGen1TooLongText[] = L"macro_too_many_pairs_text";
constexpr wchar_t kGen2TooLongText[] = L"macro_too_long_text";

template <class Rec>
const Rec* RecordAt(const void* pList, size_t i) {
    return (*static_cast<const RecordList<Rec>*>(pList))[i].get();
}

bool Gen1MacroFitsAt(const void* pList, size_t i, int iModel) {
    const MacroRecord* pMacro = RecordAt<MacroRecord>(pList, i);
    const Gen1Model* pModel = FindGen1Model(iModel);
    return pMacro == nullptr || pModel == nullptr || MacroFitsFrame(*pModel, *pMacro);
}

bool Gen2MacroFitsAt(const void* pList, size_t i, int) {
    const MacroRecordEx* pMacro = RecordAt<MacroRecordEx>(pList, i);
    return pMacro == nullptr || MacroFitsFrame(*pMacro);
}

}  // namespace

PickerStyle PickerStyleOf(int iModel) {
    const ModelInfo* pInfo = FindModel(iModel);
    if (pInfo == nullptr || pInfo->iGeneration != 2) {
        const Gen1Model* pModel = FindGen1Model(iModel);
        const int iModes = pModel != nullptr ? pModel->iLoopModeCount : Gen1Model{}.iLoopModeCount;
        return PickerStyle{std::clamp(iModes, 1, CSelectMacroBase::kRepeatModesMax), false, kGen1TooLongText};
    }
    const Gen2Model* pModel = FindGen2Model(iModel);
    const int iModes = pModel != nullptr ? pModel->iLoopModeCount : CSelectMacroBase::kRepeatModesMax;
    return PickerStyle{std::clamp(iModes, 1, CSelectMacroBase::kRepeatModesMax), true, kGen2TooLongText};
}

MacroChoices::MacroChoices(const MacroList* pList) : RecordNames(pList), m_pList(pList), m_pfnFits(&Gen1MacroFitsAt) {}

MacroChoices::MacroChoices(const MacroListEx* pList)
    : RecordNames(pList), m_pList(pList), m_pfnFits(&Gen2MacroFitsAt) {}

CSelectMacroBase::CSelectMacroBase(int iModel)
    : CModelDialog(iModel, L"SelectMacro", L"selectmacro.xml", PickerSkinFolder(iModel)), m_style(PickerStyleOf(iModel)) {}

UINT CSelectMacroBase::Run(HWND hOwner) { return RunModal(hOwner, GetWindowClassName()); }

void CSelectMacroBase::InitWindow() {
    CControlBinder bind(m_PaintManager, m_missingControls);
    m_answer = BindAnswerButtons(bind);
    m_pListMacro = bind.Find<CListUI>(L"list_macro");
    for (int i = 0; i < m_style.iRepeatModes; ++i)
        m_pRepeat[i] = bind.Find<COptionUI>(NumberedName(L"repeat_%d", i + 1));
    m_pHorLoopTime = bind.Find(L"hor_loop_time");
    m_pEditLoopTime = bind.Find<CRichEditUI>(L"edit_loop_time");
    if (m_style.bColourMacro) {
        m_pCheckLeftMacro = bind.Find<CCheckBoxUI>(L"check_left_macro");
        m_pBtnColor = bind.Find<CButtonUI>(L"btn_color");
    }

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
    if (m_iRepeatMode >= 0 && m_iRepeatMode < m_style.iRepeatModes && m_pRepeat[m_iRepeatMode] != nullptr)
        m_pRepeat[m_iRepeatMode]->Selected(true, true);
    // Silently: an index past the list selects nothing and is handed back as it came.
    if (m_pListMacro != nullptr && m_iMacroIndex >= 0 && m_iMacroIndex < m_pListMacro->GetCount())
        m_pListMacro->SelectItem(m_iMacroIndex, false, false);
    if (m_pEditLoopTime != nullptr) m_pEditLoopTime->SetText(std::to_wstring(m_iLoopCount).c_str());
    ShowLoopRow(m_iRepeatMode == 0);
    if (m_pCheckLeftMacro != nullptr) m_pCheckLeftMacro->SetCheck(m_bLeftMacro);
    ShowColourButton();
}

void CSelectMacroBase::ShowColourButton() {
    if (m_pBtnColor == nullptr) return;
    // The colour travels with the macro but is not chosen here: the button stays hidden.
    m_pBtnColor->SetVisible(false);
    const DWORD dwRed = m_dwColor & 0xFF;
    const DWORD dwGreen = (m_dwColor >> 8) & 0xFF;
    const DWORD dwBlue = (m_dwColor >> 16) & 0xFF;
    m_pBtnColor->SetBkColor(0xFF000000 + dwRed * 65536 + dwGreen * 256 + dwBlue);
}

void CSelectMacroBase::ShowLoopRow(bool bShow) {
    if (m_pHorLoopTime != nullptr) m_pHorLoopTime->SetVisible(bShow);
}

void CSelectMacroBase::TakeLoopCount() {
    if (m_pEditLoopTime == nullptr) return;
    const std::wstring strText = m_pEditLoopTime->GetText().str();
    m_iLoopCount = static_cast<int>(std::clamp<long long>(LeadingNumber(strText, kLoopCountMax + 1), kLoopCountMin, kLoopCountMax));
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
        for (int i = 0; i < m_style.iRepeatModes; ++i) {
            if (msg.pSender != m_pRepeat[i] || !m_pRepeat[i]->IsSelected()) continue;
            m_iRepeatMode = i;
            ShowLoopRow(i == 0);
        }
    } else if (msg.sType == DUI_MSGTYPE_CHECKCLICK && msg.pSender == m_pCheckLeftMacro) {
        m_bLeftMacro = m_pCheckLeftMacro->GetCheck();
        ShowColourButton();
    } else if (msg.sType == DUI_MSGTYPE_KILLFOCUS && msg.pSender == m_pEditLoopTime) {
        TakeLoopCount();
    } else if (msg.sType == DUI_MSGTYPE_TEXTCHANGED && msg.pSender == m_pEditLoopTime) {
        FilterDigits(m_pEditLoopTime, m_pEditLoopTime->GetText());
    }
}

void CSelectMacroBase::OnClick(TNotifyUI& msg) {
    if (msg.pSender == m_answer.pOk) {
        // The count typed last counts even when the edit still has the focus.
        TakeLoopCount();
        // Nothing chosen yet: OK has nothing to confirm, and the picker stays for the choice.
        if (m_iMacroIndex < 0 || static_cast<size_t>(m_iMacroIndex) >= m_pMacros.Count()) return;
        if (m_iMacroIndex >= 0 && !m_pMacros.Fits(static_cast<size_t>(m_iMacroIndex), Model())) {
            // The mouse could not hold it: nothing is chosen, another macro can be.
            RunMsgWnd(m_hWnd, m_style.pszTooLongText);
            return;
        }
        Close(1);
    } else if (m_answer.Cancels(msg.pSender)) {
        Close(0);
    }
}
