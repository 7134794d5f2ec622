// The macro picker of the first generation: a modal dialog listing a model's macros by name, in
// which a person picks one for a mouse button, how it repeats (counted, or one of the mouse's
// two other play modes) and, counted, how many times (1 to 255). It only chooses; the page
// copies the chosen macro into the button's entry.
//
// The page's calling sequence: build the model's picker (CMS_10_SelectMacro) on the stack, set
// m_pMacros and, from a button that already plays a macro, m_iMacroIndex, m_iRepeatMode and
// m_iLoopCount (else -1, 0, 1), Run(main window). Only a result of 1 is a choice; read the
// three members then (m_iMacroIndex may still be -1, or past the list: check it).
#pragma once

#include <windows.h>

#include "control_binder.h"
#include "model_dialog.h"
#include "record_names.h"
#include "ui/ui.h"

#include <string>
#include <vector>

class CSelectMacroBase : public CModelDialog {
public:
    static constexpr int kRepeatModes = 3;
    static constexpr int kLoopCountMin = 1;
    static constexpr int kLoopCountMax = 255;

    void InitWindow() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    void Notify(DuiLib::TNotifyUI& msg) override;

    // Shows the picker owned by hOwner, named after its window class, centred and modal: 1 for
    // OK, 0 for any other close.
    UINT Run(HWND hOwner);

    // In and out.
    int m_iRepeatMode = 0;   // 0 counted (the loop count shows), 1 and 2 the other play modes
    RecordNames m_pMacros;   // in: the page's macro list
    int m_iMacroIndex = -1;  // the chosen row, -1 none
    int m_iLoopCount = 1;    // 1..255, how often mode 0 plays

protected:
    // Window class "MS_10_SelectMacro", skin "MS/MS_10/selectmacro.xml".
    explicit CSelectMacroBase(int iModel) : CModelDialog(iModel, L"SelectMacro", L"selectmacro.xml") {}

private:
    void ShowLoopRow(bool bShow);
    // The loop edit's number brought into 1..255, in the member and in the edit.
    void TakeLoopCount();

    DuiLib::CButtonUI* m_pBtnOk = nullptr;
    DuiLib::CButtonUI* m_pBtnCancel = nullptr;
    DuiLib::CButtonUI* m_pBtnExit = nullptr;
    DuiLib::CListUI* m_pListMacro = nullptr;
    DuiLib::COptionUI* m_pRepeat[kRepeatModes] = {};
    DuiLib::CControlUI* m_pHorLoopTime = nullptr;
    DuiLib::CRichEditUI* m_pEditLoopTime = nullptr;
};
