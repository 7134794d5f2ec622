// CVerticalLayoutUI: children stacked top to bottom. Children with a fixed height keep it, the
// others share the height that is left; with vscrollbar="true" content taller than the layout
// scrolls (wheel, scroll bar, EndDown, EnsureVisible).
#pragma once

#include "ui/control/container.h"

namespace DuiLib {

class CVerticalLayoutUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

}  // namespace DuiLib
