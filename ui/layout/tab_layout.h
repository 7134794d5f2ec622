// CTabLayoutUI: shows exactly one of its children (the selected one), filling the layout.
#pragma once

#include "ui/control/container.h"

namespace DuiLib {

class CTabLayoutUI : public CContainerUI {
public:
    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;

    bool AddAt(CControlUI* pControl, int iIndex) override;
    bool RemoveAt(int iIndex) override;
    void RemoveAll() override;

    int GetCurSel() const { return m_iCurSel; }
    // Shows child iIndex and hides the others; raises no notification. False when there is no
    // such child.
    bool SelectItem(int iIndex);
    bool SelectItem(CControlUI* pControl);

    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;

private:
    void ApplySelection();

    int m_iCurSel = 0;
};

}  // namespace DuiLib
