// Typed access to a control found by name: the skin library's own class check (GetInterface)
// decides, so a control of another class gives nullptr instead of a wrong cast. A skin that
// builds, say, a label where the page expects a slider then only loses that slider's handling.
#pragma once

#include "ui/ui.h"

template <class T>
struct ControlInterface;  // the GetInterface name of each control class a page looks up

#define PAGE_CONTROL_INTERFACE(type, name) \
    template <>                            \
    struct ControlInterface<DuiLib::type> { \
        static constexpr const wchar_t* kName = name; \
    }

PAGE_CONTROL_INTERFACE(CControlUI, L"Control");
PAGE_CONTROL_INTERFACE(CContainerUI, L"Container");
PAGE_CONTROL_INTERFACE(CVerticalLayoutUI, L"VerticalLayout");
PAGE_CONTROL_INTERFACE(CHorizontalLayoutUI, L"HorizontalLayout");
PAGE_CONTROL_INTERFACE(CTabLayoutUI, L"TabLayout");
PAGE_CONTROL_INTERFACE(CLabelUI, L"Label");
PAGE_CONTROL_INTERFACE(CButtonUI, L"Button");
PAGE_CONTROL_INTERFACE(COptionUI, L"Option");
PAGE_CONTROL_INTERFACE(CCheckBoxUI, L"CheckBox");
PAGE_CONTROL_INTERFACE(CProgressUI, L"Progress");
PAGE_CONTROL_INTERFACE(CSliderUI, L"Slider");
PAGE_CONTROL_INTERFACE(CComboUI, L"Combo");
PAGE_CONTROL_INTERFACE(CListUI, L"List");
PAGE_CONTROL_INTERFACE(CRichEditUI, L"RichEdit");
PAGE_CONTROL_INTERFACE(CColorPaletteUI, L"ColorPalette");

#undef PAGE_CONTROL_INTERFACE

// pControl as a T, or nullptr when it is null or of another class.
template <class T>
T* ControlAs(DuiLib::CControlUI* pControl) {
    if (pControl == nullptr) return nullptr;
    return static_cast<T*>(pControl->GetInterface(ControlInterface<T>::kName));
}
