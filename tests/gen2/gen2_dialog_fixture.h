// The fixture of the second generation's dialog tests: a model's data folder in a scratch folder
// (MS_11 unless a test names another), its macro list, the Hook.dll spy and the recording clock
// of the first generation's dialog tests, and the editor and picker run modally as the page runs
// them.
#pragma once

#include "tests/gen2/gen2_test_util.h"
#include "tests/gen1/macro_dialog_fixture.h"
#include "models/ms_11/ms_11_dialogs.h"
#include "models/ms_12/ms_12_dialogs.h"
#include "models/ms_13/ms_13_dialogs.h"
#include "models/ms_14/ms_14_dialogs.h"
#include "models/ms_16/ms_16_dialogs.h"
#include "models/ms_18/ms_18_dialogs.h"
#include "models/ms_19/ms_19_dialogs.h"
#include "models/ms_8/ms_8_dialogs.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace gen2dlg {

using macrotest::ClickRow;
using macrotest::Control;
using macrotest::HookEvent;
using macrotest::Hooks;
using macrotest::kDown;
using macrotest::kUp;
using macrotest::Post;
using macrotest::SelectedRow;
using macrotest::TypeAndLeave;
using macrotest::WindowClassOf;

inline const std::wstring kMacroList = L"ms_11_macro_list";
inline const std::wstring kActionList = L"ms_11_macro_action_list";

// The rows of MS_11's lists (or another model's by its prefix), as a person reads them.
inline std::vector<std::wstring> ActionRows(HWND h, const std::wstring& strPrefix = L"ms_11_") {
    return macrotest::ActionRows(h, strPrefix);
}
inline std::vector<std::wstring> MacroRows(HWND h, const std::wstring& strPrefix = L"ms_11_") {
    return macrotest::MacroRows(h, strPrefix);
}

// An action as "key/type/delay", with ",x,y" for a move (key in hex).
std::string Action(uint8_t byKey, uint8_t byType, uint16_t wDelay);
std::string MoveAction(int iX, int iY, uint16_t wDelay);
std::vector<std::string> ActionsOf(const MacroRecordEx& macro);

// A macro of n key actions: A down, A up, B down, B up, ... with 10 ms each.
std::unique_ptr<MacroRecordEx> KeyMacro(const std::wstring& strName, int iActions, uint16_t wDelay = 10);

// What the picker hands back.
struct PickerChoice {
    int iMacroIndex = -1;
    int iRepeatMode = 0;
    int iLoopCount = 1;
    bool bLeftMacro = false;
    uint32_t dwColor = 0xFFFFFF;
};

class Gen2DialogTest : public macrotest::MacroDialogTestBase {
protected:
    template <class Editor = CMS_11_Macro>
    UINT RunEditor(const std::function<void(HWND)>& scenario, gen2test::ModelFiles* pFiles = nullptr) {
        return RunEditorOver<Editor>(m_macros, pFiles != nullptr ? pFiles->storage : m_files.storage, scenario);
    }

    // Opens a picker with the button's choice; scenario answers it. choice is what it hands back.
    template <class Picker = CMS_11_SelectMacro>
    UINT RunPicker(PickerChoice& choice, const std::function<void(HWND)>& scenario) {
        Picker picker;
        picker.m_pMacros = &m_macros;
        picker.m_iMacroIndex = choice.iMacroIndex;
        picker.m_iRepeatMode = choice.iRepeatMode;
        picker.m_iLoopCount = choice.iLoopCount;
        picker.m_bLeftMacro = choice.bLeftMacro;
        picker.m_dwColor = choice.dwColor;
        uikit::ModalAnswer modal([&](DuiLib::CWindowWnd& wnd) { Answer(wnd, scenario); });
        const UINT uResult = picker.Run(m_owner);
        choice = {picker.m_iMacroIndex, picker.m_iRepeatMode, picker.m_iLoopCount, picker.m_bLeftMacro, picker.m_dwColor};
        m_missing = picker.MissingControls();
        return uResult;
    }

    // m_macros as macro.data must hold them, and what the disk holds.
    std::vector<uint8_t> MacroFileOf() const { return macrotest::FileOfRecords(m_macros); }
    std::vector<uint8_t> DiskFile() const { return gen2test::ReadBytes(m_files.MacroData()); }
    std::wstring Path(const std::wstring& strName) const { return m_files.scratch / strName; }

    // Picks action row i and opens the edit pane on it.
    static void OpenEditPane(HWND h, int iRow);
    static int EditPage(HWND h);
    static void Close(HWND h) { uikit::Click(h, L"btn_exit"); }

    gen2test::ModelFiles m_files{11, L"dialogs"};
    MacroListEx m_macros;
};

}  // namespace gen2dlg
