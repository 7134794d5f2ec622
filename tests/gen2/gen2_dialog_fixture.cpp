#include "tests/gen2/gen2_dialog_fixture.h"

#include <cstdio>

using namespace DuiLib;

namespace gen2dlg {

std::string Action(uint8_t byKey, uint8_t byType, uint16_t wDelay) { return macrotest::Action(byKey, byType, wDelay); }

std::string MoveAction(int iX, int iY, uint16_t wDelay) {
    char szText[48];
    std::snprintf(szText, sizeof szText, ",%d,%d", iX, iY);
    return Action(kMouseMove, kActionMove, wDelay) + szText;
}

std::vector<std::string> ActionsOf(const MacroRecordEx& macro) {
    std::vector<std::string> actions;
    for (int i = 0; i < macro.iActionNum; ++i) {
        const MacroActionEx& action = macro.stActions[i];
        actions.push_back(action.byType == kActionMove ? MoveAction(action.iX, action.iY, action.wDelay)
                                                       : Action(action.byKey, action.byType, action.wDelay));
    }
    return actions;
}

std::unique_ptr<MacroRecordEx> KeyMacro(const std::wstring& strName, int iActions, uint16_t wDelay) {
    auto pMacro = gen2test::Macro(strName, {});
    for (int i = 0; i < iActions; ++i)
        pMacro->stActions[i] = gen2test::Key(static_cast<uint8_t>(4 + (i / 2) % 26), static_cast<uint8_t>(i % 2 + 1), wDelay);
    pMacro->iActionNum = iActions;
    return pMacro;
}

void Gen2DialogTest::OpenEditPane(HWND h, int iRow) {
    ASSERT_TRUE(ClickRow(h, kActionList, iRow));
    auto* pCheck = static_cast<CCheckBoxUI*>(Control(h, L"ms_11_macro_action_edit_check"));
    ASSERT_NE(pCheck, nullptr);
    if (!pCheck->GetCheck()) {
        ASSERT_TRUE(uikit::Click(h, L"ms_11_macro_action_edit_check"));
    }
}

int Gen2DialogTest::EditPage(HWND h) {
    return static_cast<CTabLayoutUI*>(Control(h, L"ms_11_macro_action_edit_tab"))->GetCurSel();
}

}  // namespace gen2dlg
