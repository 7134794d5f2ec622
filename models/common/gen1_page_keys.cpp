// The first-generation page's button functions: a key button opens the button-function menu,
// the item chosen there gives the button a function, a shortcut (the shortcut dialog) or a
// macro (the macro picker) as long as some button keeps the left click; each key button's
// caption names its function; the macro button opens the macro editor, after which every
// profile's buttons are brought in line with the edited macros.
#include "gen1_page.h"

#include "button_functions.h"
#include "gen1_macro_editor.h"
#include "select_macro.h"

#include "dialogs/shortcut_wnd.h"

#include <algorithm>
#include <string>

using namespace DuiLib;

namespace {

// The model's picker and editor ("MS_10_SelectMacro", "MS_10_Macro" and their skins), built
// under the page's model number.
class CModelMacroPicker final : public CSelectMacroBase {
public:
    explicit CModelMacroPicker(int iModel) : CSelectMacroBase(iModel) {}
};

class CModelMacroEditor final : public CGen1MacroEditor {
public:
    explicit CModelMacroEditor(int iModel) : CGen1MacroEditor(iModel) {}
};

std::wstring LanguageText(const wchar_t* pszId) {
    return CResourceManager::GetInstance()->GetText(pszId).GetData();
}

}  // namespace

std::wstring CGen1Page::KeyMenuSkin() const {
    const std::wstring strModel = std::to_wstring(CPageBase::Model());
    return L"MS/MS_" + strModel + L"/ms_" + strModel + L"_menu.xml";
}

void CGen1Page::OnKeyButtonClick(int iButton) {
    if (iButton < 0 || iButton >= kMenuButtonCount) return;  // buttons 13..18 open nothing
    m_iMenuKey = iButton;
    m_pKeyMenu.reset();  // the previous menu object goes, its window with it if still open

    RECT rcWindow{};
    ::GetWindowRect(m_hMainWnd, &rcWindow);
    CControlUI* pButton = m_ui.keys[static_cast<size_t>(iButton)];
    const RECT rcButton = pButton != nullptr ? pButton->GetPos() : RECT{};
    const POINT ptCorner{rcWindow.left + rcButton.right, rcWindow.top + rcButton.top};

    m_pKeyMenu = std::make_unique<CMenuWnd>();
    if (!m_pKeyMenu->Init(nullptr, KeyMenuSkin().c_str(), ptCorner, m_pPaintManager, nullptr,
                          eMenuAlignment_Left | eMenuAlignment_Top))
        return;
    // The menu stands in columns: its height is that of its rows.
    CMenuUI* pMenu = m_pKeyMenu->GetMenuUI();
    const int nRows = pMenu != nullptr ? pMenu->GetRowCount() : 0;
    const KeyMenuPlace place = PlaceKeyMenu(rcWindow, rcButton, nRows, ::GetSystemMetrics(SM_CYSCREEN));
    if (place.bMovedUp) {
        m_pKeyMenu->m_BasedPoint = CDuiPoint(place.pt.x, place.pt.y);
        m_pKeyMenu->ResizeMenu();
    }
}

void CGen1Page::OnKeyMenuClick(CDuiString strName) {
    const int k = std::clamp(m_iMenuKey, 0, kMenuButtonCount - 1);
    const uint8_t byFunction = FunctionOfMenuItem(strName.GetData(), Prefix());
    bool bKeepsLeftClick = false;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        bKeepsLeftClick = KeepsLeftClick(*m_pCurProfile, k, byFunction);
    }
    if (!bKeepsLeftClick) {
        ShowMessage(L"one_click_text");
        return;
    }
    if (byFunction == kFunctionShortcut && !AskShortcut(k)) return;
    if (byFunction == kFunctionMacro && !AskMacro(k)) return;
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        m_pCurProfile->stKeys[k].byFunction = byFunction;
    }
    PostApply();
    UpdateKeyText(k);
}

bool CGen1Page::AskShortcut(int k) {
    BYTE byModifiers = 0;
    BYTE byUsage = 0;
    {
        std::lock_guard guard(m_lock);
        KeyEntry& entry = m_pCurProfile->stKeys[k];
        if (entry.byFunction != kFunctionShortcut) {
            entry.byUsage = 0;
            std::fill(std::begin(entry.byReserved1), std::end(entry.byReserved1), uint8_t{0});
        }
        byModifiers = entry.byModifiers & 0x0F;
        byUsage = entry.byUsage;
    }
    if (!RunModal([&] { return RunShortcutWnd(m_hMainWnd, m_pHookTable, byModifiers, byUsage); })) return false;
    std::lock_guard guard(m_lock);
    if (m_pCurProfile == nullptr) return false;
    KeyEntry& entry = m_pCurProfile->stKeys[k];
    entry.byUsage = byUsage;
    entry.byModifiers = byModifiers;
    // OK with neither a modifier nor a key keeps the old function.
    return byModifiers != 0 || byUsage != 0;
}

bool CGen1Page::AskMacro(int k) {
    CModelMacroPicker picker(CPageBase::Model());
    picker.m_pMacros = &m_Macros;
    {
        std::lock_guard guard(m_lock);
        const KeyEntry& entry = m_pCurProfile->stKeys[k];
        if (entry.byFunction == kFunctionMacro) {
            picker.m_iMacroIndex = entry.iMacroIndex;
            picker.m_iRepeatMode = entry.iLoopMode;
            picker.m_iLoopCount = entry.iLoopCount;
        }
    }
    if (RunModal([&] { return picker.Run(m_hMainWnd); }) != 1) return false;
    const int iIndex = picker.m_iMacroIndex;
    std::lock_guard guard(m_lock);
    if (m_pCurProfile == nullptr || iIndex < 0 || static_cast<size_t>(iIndex) >= m_Macros.size() || !m_Macros[iIndex])
        return false;
    KeyEntry& entry = m_pCurProfile->stKeys[k];
    entry.iLoopMode = picker.m_iRepeatMode;
    entry.iLoopCount = picker.m_iLoopCount;
    entry.iMacroIndex = iIndex;
    CopyMacroInto(entry, *m_Macros[static_cast<size_t>(iIndex)]);
    return true;
}

void CGen1Page::UpdateKeyText(int iButton) {
    if (iButton < 0 || iButton >= kButtonCount) return;
    CControlUI* pButton = m_ui.keys[static_cast<size_t>(iButton)];
    if (pButton == nullptr) return;
    KeyEntry entry{};
    {
        std::lock_guard guard(m_lock);
        if (m_pCurProfile == nullptr) return;
        entry = m_pCurProfile->stKeys[iButton];
    }
    const KeyCaption caption = CaptionOf(entry, LanguageText);
    pButton->SetResourceText(caption.bTextId);
    pButton->SetText(caption.strText.c_str());
}

void CGen1Page::OnMacroButtonClick() {
    CModelMacroEditor editor(CPageBase::Model());
    editor.m_pMacros = &m_Macros;
    editor.m_pStorage = m_pStorage.get();
    editor.m_pHookTable = m_pHookTable;
    RunModal([&] { return editor.Run(m_hMainWnd); });
    ResyncButtonMacros();
}

void CGen1Page::ResyncButtonMacros() {
    bool bCurrentTouched = false;
    {
        std::lock_guard guard(m_lock);
        bCurrentTouched = ::ResyncButtonMacros(m_Profiles, m_Macros, m_pCurProfile, m_model.defaults.byFunction);
    }
    if (!bCurrentTouched) return;
    for (int i = 0; i < kButtonCount; ++i) UpdateKeyText(i);
    PostApply();
}
