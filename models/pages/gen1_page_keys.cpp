// The first-generation page's button functions: the key buttons, their menu and captions on the
// routines both generations share (profile_page_keys.cpp); the macro button opens the macro
// editor, after which every profile's buttons are brought in line with the edited macros.
#include "models/pages/gen1_page.h"

#include "models/dialogs/gen1_macro_editor.h"

#include <string>

using namespace DuiLib;

namespace {

// The model's editor ("MS_10_Macro" and its skin), built under the page's model number.
class CModelMacroEditor final : public CGen1MacroEditor {
public:
    explicit CModelMacroEditor(int iModel) : CGen1MacroEditor(iModel) {}
};

}  // namespace

void CGen1Page::AddKeyRoutes() {
    AddRoutes<CGen1Page>(DUI_MSGTYPE_CLICK, L"btn_key_%d", 1, kButtonCount, &CGen1Page::OnKeyButtonClicked);
    AddRoute<CGen1Page>(DUI_MSGTYPE_CLICK, L"btn_macro", &CGen1Page::OnMacroButtonClicked);
}

void CGen1Page::OnKeyButtonClicked(TNotifyUI&, int iNumber) { OnKeyButtonClick(iNumber - 1); }

void CGen1Page::OnMacroButtonClicked(TNotifyUI&) { OnMacroButtonClick(); }

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

void CGen1Page::OnMacroButtonClick() {
    if (!RunMacroEditor<CModelMacroEditor>()) return;
    for (int i = 0; i < kButtonCount; ++i) UpdateKeyText(i);
    PostApply();
}
