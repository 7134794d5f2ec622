// The second-generation page's button functions: the key buttons "btn_key_1".."btn_key_18", their
// menu (skin "MS/MS_N/ms_N_menu.xml") and captions on the routines both generations share
// (profile_page_keys.cpp); the macro button "btn_macro" opens the macro editor, after which every
// profile's buttons are brought in line with the edited macros.
#include "models/pages/gen2_page.h"

#include "models/pages/button_functions.h"
#include "models/dialogs/gen2_macro_editor.h"

#include <string>

using namespace DuiLib;

namespace {

// The model's editor ("MS_11_Macro" and its skin), built under the page's model number.
class CModelMacroEditor final : public CGen2MacroEditor {
public:
    explicit CModelMacroEditor(int iModel) : CGen2MacroEditor(iModel) {}
};

std::wstring KeyButtonName(int iButton) { return L"btn_key_" + std::to_wstring(iButton + 1); }

}  // namespace

void CGen2Page::AddKeyRoutes() {
    AddRoutes<CGen2Page>(DUI_MSGTYPE_CLICK, L"btn_key_%d", 1, kButtonCount, &CGen2Page::OnKeyButtonClicked);
    AddRoute<CGen2Page>(DUI_MSGTYPE_CLICK, L"btn_macro", &CGen2Page::OnMacroButtonClicked);
}

void CGen2Page::OnKeyButtonClicked(TNotifyUI&, int iNumber) { OnKeyButtonClick(iNumber - 1); }

void CGen2Page::OnMacroButtonClicked(TNotifyUI&) { OnMacroButtonClick(); }

void CGen2Page::OnKeyButtonClick(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    const std::wstring strModel = std::to_wstring(CPageBase::Model());
    OpenKeyMenu(iButton, FindPageControl(KeyButtonName(iButton).c_str()),
                L"MS/MS_" + strModel + L"/ms_" + strModel + L"_menu.xml");
}

void CGen2Page::OnKeyMenuClick(CDuiString strName) {
    if (!ChooseKeyFunction(strName.GetData())) return;
    PostApply();
    UpdateKeyText(m_iMenuKey);
}

void CGen2Page::UpdateKeyText(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    ShowKeyCaption(iButton, FindPageControl(KeyButtonName(iButton).c_str()));
}

void CGen2Page::OnMacroButtonClick() {
    if (!RunMacroEditor<CModelMacroEditor>()) return;
    for (int i = 0; i < kButtonCount; ++i) UpdateKeyText(i);
    PostApply();
}
