// The first-generation page's button functions: the key buttons, their menu and captions on the
// routines both generations share (profile_page_keys.cpp); the macro button opens the macro
// editor, after which every profile's buttons are brought in line with the edited macros.
#include "gen1_page.h"

#include "gen1_macro_editor.h"

#include <string>

using namespace DuiLib;

namespace {

// The model's editor ("MS_10_Macro" and its skin), built under the page's model number.
class CModelMacroEditor final : public CGen1MacroEditor {
public:
    explicit CModelMacroEditor(int iModel) : CGen1MacroEditor(iModel) {}
};

}  // namespace

std::wstring CGen1Page::KeyMenuSkin() const {
    const std::wstring strModel = std::to_wstring(CPageBase::Model());
    return L"MS/MS_" + strModel + L"/ms_" + strModel + L"_menu.xml";
}

void CGen1Page::OnKeyButtonClick(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    OpenKeyMenu(iButton, m_ui.keys[static_cast<size_t>(iButton)], KeyMenuSkin());
}

void CGen1Page::OnKeyMenuClick(CDuiString strName) {
    if (!ChooseKeyFunction(strName.GetData())) return;
    PostApply();
    UpdateKeyText(m_iMenuKey);
}

void CGen1Page::UpdateKeyText(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    ShowKeyCaption(iButton, m_ui.keys[static_cast<size_t>(iButton)]);
}

void CGen1Page::OnMacroButtonClick() {
    if (!RunMacroEditor<CModelMacroEditor>()) return;
    for (int i = 0; i < kButtonCount; ++i) UpdateKeyText(i);
    PostApply();
}
