// CLabelUI: a control that shows text (by default a language id, resolved when painted).
#pragma once

#include "ui/control/control.h"

namespace DuiLib {

class CLabelUI : public CControlUI {
public:
    CLabelUI();
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
};

}  // namespace DuiLib
