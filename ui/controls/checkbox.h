// CCheckBoxUI: an option that toggles on its own (no group). A user click raises "click" and
// then, with the new state already set, "checkclick"; SetCheck changes the state silently.
#pragma once

#include "ui/controls/option.h"

namespace DuiLib {

class CCheckBoxUI : public COptionUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    bool Activate() override;
    void SetCheck(bool bCheck);
    bool GetCheck() const { return IsSelected(); }
};

}  // namespace DuiLib
