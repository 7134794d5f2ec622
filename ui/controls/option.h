// COptionUI: a button with a selected state. Options that share a group name in one window
// are exclusive: selecting one deselects the others silently. A user click raises "click" and
// then, when the state changed, "selectchanged". The arrow keys on a focused grouped option go
// to the previous (Left, Up) or next (Right, Down) visible, enabled option of its group, as a
// click on it would, and bring it into view.
#pragma once

#include "ui/controls/button.h"

namespace DuiLib {

class COptionUI : public CButtonUI {
public:
    ~COptionUI() override;

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    void SetManager(CPaintManagerUI* pManager, CControlUI* pParent, bool bInit = true) override;

    // Raises "click", then selects (a grouped option) or toggles (an ungrouped one).
    bool Activate() override;

    LPCWSTR GetGroup() const { return m_sGroupName; }
    void SetGroup(LPCWSTR pStrGroupName);
    bool IsSelected() const { return m_bSelected; }
    // Sets the state; the other options of the group are deselected without notifications.
    // "selectchanged" is raised only when bTriggerEvent is true and the state changed.
    virtual void Selected(bool bSelected, bool bTriggerEvent);

    LPCWSTR GetSelectedImage() const { return m_sSelectedImage; }
    void SetSelectedImage(LPCWSTR pStrImage);
    void SetSelectedHotImage(LPCWSTR pStrImage);
    void SetSelectedBkColor(DWORD dwColor);
    DWORD GetSelectedBkColor() const { return m_dwSelectedBkColor; }
    void SetSelectedTextColor(DWORD dwColor);

    void DoEvent(TEventUI& event) override;
    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override;
    void PaintBkColor(HDC hDC) override;
    void PaintStatusImage(HDC hDC) override;

protected:
    DWORD GetPaintTextColor() const override;
    // The arrow keys: focus, view and selection move iStep options along the group.
    void SelectNeighbour(int iStep);

    bool m_bSelected = false;
    CDuiString m_sGroupName;
    CDuiString m_sSelectedImage;
    CDuiString m_sSelectedHotImage;
    CDuiString m_sSelectedForeImage;
    DWORD m_dwSelectedBkColor = 0;
    DWORD m_dwSelectedTextColor = 0;
};

}  // namespace DuiLib
