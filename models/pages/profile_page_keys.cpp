// Button functions, the same on both generations' pages: a key button opens the button-function
// menu, the item chosen there gives the button a function, a shortcut (the shortcut dialog) or a
// macro (the macro picker) as long as some button keeps the left click; each key button's caption
// names its function; after the macro editor every profile's buttons are brought in line with
// the edited macros. What a generation adds comes from its records: its macro functions (the
// second generation's macros may carry a colour, function 25) and which buttons have a macro slot.
#include "models/pages/profile_page.h"

#include "models/pages/button_captions.h"
#include "models/data/gen1_storage.h"
#include "models/data/gen2_storage.h"
#include "models/dialogs/select_macro.h"

#include "core/dialogs/shortcut_wnd.h"

#include <algorithm>
#include <cstring>
#include <string>

using namespace DuiLib;

namespace {

// The model's picker ("MS_N_SelectMacro" and its skin), built under the page's model number.
using CModelMacroPicker = CModelDialogOf<CSelectMacroBase>;

// Whether a generation's macros may carry a colour.
template <class Records>
bool HasColourMacros() {
    return Records::IsMacroFunction(kFunctionMacroColour);
}

}  // namespace

template <class Records>
void CProfilePageT<Records>::OpenKeyMenu(int iButton, CControlUI* pButton, const std::wstring& strSkin) {
    if (iButton < 0 || iButton >= kMenuButtonCount) return;  // buttons 13..18 open nothing
    m_iMenuKey = iButton;
    m_pKeyMenu.reset();  // the previous menu object goes, its window with it if still open

    RECT rcWindow{};
    ::GetWindowRect(m_hMainWnd, &rcWindow);
    const RECT rcButton = pButton != nullptr ? pButton->GetPos() : RECT{};
    const POINT ptCorner{rcWindow.left + rcButton.right, rcWindow.top + rcButton.top};

    m_pKeyMenu = std::make_unique<CMenuWnd>();
    if (!m_pKeyMenu->Init(nullptr, strSkin.c_str(), ptCorner, m_pPaintManager, nullptr,
                          eMenuAlignment_Left | eMenuAlignment_Top))
        return;
    CMenuUI* pMenu = m_pKeyMenu->GetMenuUI();
    bool bRelayout = false;
    if (pMenu != nullptr && !Records::HasMacroSlot(m_model, iButton)) {
        // The mouse has no macro block for this button: no macro item.
        const std::wstring strItem = Prefix() + L"select_macro";
        for (int i = 0; CMenuElementUI* pItem = pMenu->GetElementAt(i); ++i) {
            if (NamesEqualNoCase(pItem->GetName().GetData(), strItem)) {
                pItem->SetVisible(false);
                bRelayout = true;
            }
        }
    }
    // The menu stands in columns: its height is that of its rows.
    const int nRows = pMenu != nullptr ? pMenu->GetRowCount() : 0;
    const KeyMenuPlace place = PlaceKeyMenu(rcWindow, rcButton, nRows, ::GetSystemMetrics(SM_CYSCREEN));
    if (place.bMovedUp) {
        m_pKeyMenu->m_BasedPoint = CDuiPoint(place.pt.x, place.pt.y);
        bRelayout = true;
    }
    if (bRelayout) m_pKeyMenu->ResizeMenu();
}

template <class Records>
bool CProfilePageT<Records>::ChooseKeyFunction(std::wstring_view strItem) {
    const int k = std::clamp(m_iMenuKey, 0, kMenuButtonCount - 1);
    uint8_t byFunction = FunctionOfMenuItem(strItem, Prefix());
    // The menu shows no macro item on a button without a macro slot; refuse it all the same.
    if (byFunction == kFunctionMacro && !Records::HasMacroSlot(m_model, k)) return false;
    const std::optional<bool> bKeepsLeftClick =
        m_store.Read([&](const Profile& p) { return KeepsLeftClick(p, k, byFunction); });
    if (!bKeepsLeftClick) return false;
    if (!*bKeepsLeftClick) {
        ShowMessage(L"one_click_text");
        return false;
    }
    if (byFunction == kFunctionShortcut && !AskShortcut(k)) return false;
    if (byFunction == kFunctionMacro && !AskMacro(k, &byFunction)) return false;
    return m_store.Edit([&](Profile& p) { p.stKeys[k].byFunction = byFunction; });
}

template <class Records>
bool CProfilePageT<Records>::AskShortcut(int k) {
    BYTE byModifiers = 0;
    BYTE byUsage = 0;
    const bool bCurrent = m_store.Edit([&](Profile& p) {
        auto& entry = p.stKeys[k];
        if (entry.byFunction != kFunctionShortcut) {
            entry.byUsage = 0;
            std::fill(std::begin(entry.byReserved1), std::end(entry.byReserved1), uint8_t{0});
        }
        byModifiers = entry.byModifiers & 0x0F;
        byUsage = entry.byUsage;
    });
    if (!bCurrent) return false;
    if (!RunModal([&] { return RunShortcutWnd(m_hMainWnd, m_pHookTable, byModifiers, byUsage); })) return false;
    const bool bEdited = m_store.Edit([&](Profile& p) {
        p.stKeys[k].byUsage = byUsage;
        p.stKeys[k].byModifiers = byModifiers;
    });
    // OK with neither a modifier nor a key keeps the old function.
    return bEdited && (byModifiers != 0 || byUsage != 0);
}

template <class Records>
bool CProfilePageT<Records>::AskMacro(int k, uint8_t* pbyFunction) {
    const bool bColour = HasColourMacros<Records>();
    CModelMacroPicker picker(CPageBase::Model());
    // The picker shows a copy of the macro list; the list changes only on this thread.
    const RecordList<Macro> macros = m_store.MacrosCopy();
    picker.m_pMacros = &macros;
    const bool bCurrent = m_store.Edit([&](Profile& p) {
        const auto& entry = p.stKeys[k];
        if (!Records::IsMacroFunction(entry.byFunction)) return;
        picker.m_iMacroIndex = entry.iMacroIndex;
        picker.m_iRepeatMode = entry.iLoopMode;
        picker.m_iLoopCount = entry.iLoopCount;
        picker.m_bLeftMacro = entry.byFunction == kFunctionMacroColour;
        if (picker.m_bLeftMacro) std::memcpy(&picker.m_dwColor, entry.byColor, sizeof(picker.m_dwColor));
    });
    if (!bCurrent) return false;
    if (RunModal([&] { return picker.Run(m_hMainWnd); }) != 1) return false;
    const int iIndex = picker.m_iMacroIndex;
    return m_store.EditLists([&](typename CProfileStore<Records>::Lists& lists) {
        if (lists.pCurrent == nullptr || iIndex < 0 || static_cast<size_t>(iIndex) >= lists.macros.size() ||
            !lists.macros[static_cast<size_t>(iIndex)])
            return false;
        auto& entry = lists.pCurrent->stKeys[k];
        entry.iLoopMode = picker.m_iRepeatMode;
        entry.iLoopCount = picker.m_iLoopCount;
        entry.iMacroIndex = iIndex;
        CopyMacroInto(entry, *lists.macros[static_cast<size_t>(iIndex)]);
        *pbyFunction = kFunctionMacro;
        if (bColour) {
            // Bytes R, G, B, 0 of the picker's colour (white for a new colour macro).
            std::memcpy(entry.byColor, &picker.m_dwColor, sizeof(entry.byColor));
            if (picker.m_bLeftMacro) *pbyFunction = kFunctionMacroColour;
        }
        return true;
    });
}

template <class Records>
void CProfilePageT<Records>::ShowKeyCaption(int iButton, CControlUI* pButton) {
    if (iButton < 0 || iButton >= kButtonCount || pButton == nullptr) return;
    const std::optional<typename Profile::KeyType> entry = m_store.Read([&](const Profile& p) { return p.stKeys[iButton]; });
    if (!entry) return;
    const KeyCaption caption = CaptionOf(*entry, LanguageTextOf, HasColourMacros<Records>());
    pButton->SetResourceText(caption.bTextId);
    pButton->SetText(caption.strText.c_str());
}

template <class Records>
bool CProfilePageT<Records>::ResyncKeyMacros(RecordList<Macro> macros) {
    // The list the store held goes with `macros`, once the lock is let go.
    return m_store.EditLists([&](typename CProfileStore<Records>::Lists& lists) {
        lists.macros.swap(macros);
        return ::ResyncButtonMacros(lists.profiles, lists.macros, lists.pCurrent, m_model.defaults.byFunction,
                                    &Records::IsMacroFunction);
    });
}

#define INSTANTIATE_KEY_BUTTONS(R)                                                                  \
    template void CProfilePageT<R>::OpenKeyMenu(int, CControlUI*, const std::wstring&);            \
    template bool CProfilePageT<R>::ChooseKeyFunction(std::wstring_view);                          \
    template void CProfilePageT<R>::ShowKeyCaption(int, CControlUI*);                              \
    template bool CProfilePageT<R>::ResyncKeyMacros(RecordList<R::Macro>);
INSTANTIATE_KEY_BUTTONS(Gen1Records)
INSTANTIATE_KEY_BUTTONS(Gen2Records)
