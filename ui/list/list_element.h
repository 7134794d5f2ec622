// Rows of a list (CListUI) or a combo: CListLabelElementUI, a row that shows one text, and
// CListContainerElementUI, a row whose cells are controls of a row skin ("key", "action",
// "delay"), laid out left to right. A press on a row selects it through its owner; the pointer
// over a row makes it hot. Rows added by code show literal text; rows a skin declares show
// language texts (see CListLabelElementUI::CreateFromSkin).
#pragma once

#include <cwchar>

#include "ui/control/control.h"
#include "ui/layout/horizontal_layout.h"
#include "ui/list/list_info.h"

namespace DuiLib {

// The row behaviour both row classes share, on the control class each extends.
template <typename TBase>
class CListItemBase : public TBase, public IListItemUI {
public:
    LPVOID GetInterface(LPCWSTR pstrName) override {
        if (wcscmp(pstrName, L"ListItem") == 0) return static_cast<IListItemUI*>(this);
        return TBase::GetInterface(pstrName);
    }

    int GetIndex() const override { return m_state.m_iIndex; }
    void SetIndex(int iIndex) override { m_state.m_iIndex = iIndex; }
    IListOwnerUI* GetOwner() override { return m_state.m_pOwner; }
    void SetOwner(CControlUI* pOwner) override { m_state.SetOwner(pOwner); }
    bool IsSelected() const override { return m_state.m_bSelected; }
    bool Select(bool bSelect = true) override {
        if (m_state.m_bSelected == bSelect) return false;
        m_state.m_bSelected = bSelect;
        this->Invalidate();
        return true;
    }
    bool IsHot() const override { return m_state.m_bHot; }

    SIZE EstimateSize(SIZE /*szAvailable*/) override { return m_state.RowSize(*this); }
    void DoEvent(TEventUI& event) override {
        if (!m_state.HandleEvent(*this, event.Type)) TBase::DoEvent(event);
    }
    void PaintBkColor(HDC hDC) override { m_state.PaintBk(hDC, *this); }
    void PaintStatusImage(HDC hDC) override {
        if (const CDuiString* pImage = m_state.StateImage()) this->DrawImage(hDC, *pImage);
    }

protected:
    CListItemState m_state;
};

class CListLabelElementUI : public CListItemBase<CControlUI> {
public:
    CListLabelElementUI();
    // A row declared in a skin: its text is a language id, as for labels.
    static CControlUI* CreateFromSkin();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
    void PaintText(HDC hDC) override;

protected:
    DWORD GetPaintTextColor() const override;
};

class CListContainerElementUI : public CListItemBase<CHorizontalLayoutUI> {
public:
    CListContainerElementUI();

    LPCWSTR GetClass() const override;
    LPVOID GetInterface(LPCWSTR pstrName) override;
};

}  // namespace DuiLib
