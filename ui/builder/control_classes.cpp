// The table of the library's control classes: one line per class a skin can name. A new
// control class adds its line here.
#include "ui/builder/control_classes.h"

#include "ui/combo/combo.h"
#include "ui/control/container.h"
#include "ui/controls/button.h"
#include "ui/controls/checkbox.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/controls/slider.h"
#include "ui/edit/rich_edit.h"
#include "ui/layout/horizontal_layout.h"
#include "ui/layout/tab_layout.h"
#include "ui/layout/vertical_layout.h"
#include "ui/list/list.h"
#include "ui/list/list_element.h"
#include "ui/menu/menu_ui.h"
#include "ui/palette/color_palette.h"

namespace DuiLib {

namespace {

template <typename T>
CControlUI* New() {
    return new T();
}

const TControlClass kControlClasses[] = {
    {L"Control", &New<CControlUI>},
    {L"Container", &New<CContainerUI>},
    {L"VerticalLayout", &New<CVerticalLayoutUI>},
    {L"HorizontalLayout", &New<CHorizontalLayoutUI>},
    {L"TabLayout", &New<CTabLayoutUI>},
    {L"Label", &New<CLabelUI>},
    {L"Button", &New<CButtonUI>},
    {L"Option", &New<COptionUI>},
    {L"CheckBox", &New<CCheckBoxUI>},
    {L"Progress", &New<CProgressUI>},
    {L"Slider", &New<CSliderUI>},
    {L"RichEdit", &New<CRichEditUI>},
    {L"Edit", &New<CRichEditUI>},
    {L"List", &New<CListUI>},
    {L"ListLabelElement", &CListLabelElementUI::CreateFromSkin},
    {L"ListContainerElement", &New<CListContainerElementUI>},
    {L"Combo", &New<CComboUI>},
    {L"ColorPalette", &New<CColorPaletteUI>},
    {L"Menu", &New<CMenuUI>},
    {L"MenuElement", &New<CMenuElementUI>},
};

}  // namespace

std::span<const TControlClass> GetControlClasses() { return kControlClasses; }

}  // namespace DuiLib
