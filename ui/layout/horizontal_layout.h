// CHorizontalLayoutUI: children side by side, left to right. Children with a fixed width keep
// it, the others share the width that is left.
#pragma once

#include "ui/control/container.h"

namespace DuiLib {

class CHorizontalLayoutUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    void SetPos(RECT rc, bool bNeedInvalidate = true) override;
};

}  // namespace DuiLib
