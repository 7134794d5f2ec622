// The macro picker: a modal dialog listing a model's macros by name, in which a person picks one
// for a mouse button, how it repeats (counted, or one of the mouse's other play modes: two in the
// first generation, three in the second) and, counted, how many times (1 to 255). Second-
// generation pickers also offer "check_left_macro": the button becomes a macro key that carries
// a colour. It only chooses; the page copies the chosen macro into the button's entry.
//
// The page's calling sequence: build the model's picker (CMS_10_SelectMacro, CMS_11_SelectMacro)
// on the stack, set m_pMacros and, from a button that already plays a macro, m_iMacroIndex,
// m_iRepeatMode, m_iLoopCount, m_bLeftMacro and m_dwColor (else -1, 0, 1, false, white),
// Run(main window). Only a result of 1 is a choice, and OK gives it only with a macro of the list
// chosen: with none chosen the picker stays open. OK on a macro the mouse cannot hold (too many
// events or blocks) is refused with a message and the picker stays open.
#pragma once

#include <windows.h>

#include "models/dialogs/control_binder.h"
#include "models/data/gen1_records.h"
#include "models/data/gen2_records.h"
#include "models/dialogs/model_dialog.h"
#include "models/dialogs/record_names.h"
#include "ui/ui.h"

#include <cstdint>
#include <string>
#include <vector>

// What a model's picker offers besides the macro, from its model description.
struct PickerStyle {
    int iRepeatModes = 3;       // options "repeat_1".."repeat_<n>"
    bool bColourMacro = false;  // "check_left_macro" and its hidden colour button "btn_color"
    // The message refusing a macro the model's macro frame cannot hold: it names that frame's
    // limits.
    const wchar_t* pszTooLongText = nullptr;
};
PickerStyle PickerStyleOf(int iModel);

// The page's macro list as the picker sees it: names, and whether a macro fits the model's
// macro frame.
class MacroChoices : public RecordNames {
public:
    MacroChoices() = default;
    MacroChoices(const MacroList* pList);    // NOLINT: taken as the page hands it
    MacroChoices(const MacroListEx* pList);  // NOLINT
    // Whether macro i fits model iModel's macro frame; true outside the list (nothing to refuse).
    bool Fits(size_t i, int iModel) const { return m_pfnFits == nullptr || i >= Count() || m_pfnFits(m_pList, i, iModel); }

private:
    const void* m_pList = nullptr;
    bool (*m_pfnFits)(const void* pList, size_t i, int iModel) = nullptr;
};

class CSelectMacroBase : public CModelDialog {
public:
    static constexpr int kRepeatModesMax = 4;
    static constexpr int kLoopCountMin = 1;
    static constexpr int kLoopCountMax = 255;
    static constexpr uint32_t kWhite = 0xFFFFFF;  // bytes R, G, B, 0

    void InitWindow() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    void Notify(DuiLib::TNotifyUI& msg) override;

    // Shows the picker owned by hOwner, named after its window class, centred and modal: 1 for
    // OK, 0 for any other close.
    UINT Run(HWND hOwner);

    int RepeatModes() const { return m_style.iRepeatModes; }

    // In and out.
    int m_iRepeatMode = 0;      // 0 counted (the loop count shows), 1.. the other play modes
    MacroChoices m_pMacros;     // in: the page's macro list
    int m_iMacroIndex = -1;     // the chosen row, -1 none
    int m_iLoopCount = 1;       // 1..255, how often mode 0 plays
    bool m_bLeftMacro = false;  // the colour-macro option is ticked
    uint32_t m_dwColor = kWhite;  // the button's colour, bytes R, G, B; handed back unchanged

protected:
    // Window class "MS_10_SelectMacro", skin "MS/MS_10/selectmacro.xml" (the picker's folder of
    // the model); the repeat modes and the colour option as the model has them.
    explicit CSelectMacroBase(int iModel);

private:
    void ShowLoopRow(bool bShow);
    // The loop edit's number brought into 1..255, in the member and in the edit.
    void TakeLoopCount();
    void ShowColourButton();

    PickerStyle m_style;
    AnswerButtons m_answer;
    DuiLib::CListUI* m_pListMacro = nullptr;
    DuiLib::COptionUI* m_pRepeat[kRepeatModesMax] = {};
    DuiLib::CControlUI* m_pHorLoopTime = nullptr;
    DuiLib::CRichEditUI* m_pEditLoopTime = nullptr;
    DuiLib::CCheckBoxUI* m_pCheckLeftMacro = nullptr;
    DuiLib::CButtonUI* m_pBtnColor = nullptr;
};
