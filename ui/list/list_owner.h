// CListOwnerBase: what a list and a combo share as holders of rows: rows keep their index and
// owner as rows come and go, the selection follows its row (and is cleared, silently, when its
// own row is removed), and SelectItem notifies only when asked and something changed.
#pragma once

#include <cwchar>

#include "ui/list/list_info.h"
#include "ui/manager/paint_manager.h"

namespace DuiLib {

template <typename TBase>
class CListOwnerBase : public TBase, public IListOwnerUI {
public:
    LPVOID GetInterface(LPCWSTR pstrName) override {
        if (wcscmp(pstrName, L"IListOwner") == 0) return static_cast<IListOwnerUI*>(this);
        return TBase::GetInterface(pstrName);
    }

    bool AddAt(CControlUI* pControl, int iIndex) override {
        if (!TBase::AddAt(pControl, iIndex)) return false;
        if (IListItemUI* pItem = AsListItem(pControl)) pItem->Select(false);
        m_iCurSel = SelectionAfterInsert(m_iCurSel, iIndex);
        RenumberRows(*this, this, iIndex);
        return true;
    }

    bool RemoveAt(int iIndex) override {
        if (!TBase::RemoveAt(iIndex)) return false;
        // The caller selects what it wants next, and that selection then notifies once.
        m_iCurSel = SelectionAfterRemove(m_iCurSel, iIndex);
        RenumberRows(*this, this, iIndex);
        this->Invalidate();
        return true;
    }

    void RemoveAll() override {
        m_iCurSel = -1;
        TBase::RemoveAll();
        this->Invalidate();
    }

    bool SetItemIndex(CControlUI* pControl, int iIndex) override {
        const int iOld = this->GetItemIndex(pControl);
        if (!TBase::SetItemIndex(pControl, iIndex)) return false;
        RenumberRows(*this, this, iOld < iIndex ? iOld : iIndex);
        m_iCurSel = -1;
        for (int i = 0; i < this->GetCount(); ++i) {
            IListItemUI* pItem = AsListItem(this->GetItemAt(i));
            if (pItem != nullptr && pItem->IsSelected()) m_iCurSel = i;
        }
        return true;
    }

    TListInfoUI* GetListInfo() override { return &m_listInfo; }
    int GetCurSel() const override { return m_iCurSel; }

    // iIndex -1 clears the selection (never notifies: "no row" is not a choice to announce);
    // an index without a row changes nothing and returns false. With bTakeFocus the owner takes
    // the keyboard focus first.
    bool SelectItem(int iIndex, bool bTakeFocus = false, bool bTriggerEvent = true) override {
        if (!IsRowIndexOrNone(*this, iIndex)) return false;
        if (bTakeFocus) this->SetFocus();
        const int iOld = m_iCurSel;
        if (!MoveRowSelection(*this, m_iCurSel, iIndex)) return true;
        this->Invalidate();
        if (iIndex >= 0 && bTriggerEvent && this->m_pManager != nullptr) {
            this->m_pManager->SendNotify(this, DUI_MSGTYPE_ITEMSELECT, static_cast<WPARAM>(iIndex),
                                         static_cast<LPARAM>(iOld));
        }
        return true;
    }

    void SetAttribute(LPCWSTR pstrName, LPCWSTR pstrValue) override {
        if (SetListInfoAttribute(m_listInfo, pstrName, pstrValue)) {
            this->Invalidate();
            return;
        }
        TBase::SetAttribute(pstrName, pstrValue);
    }

protected:
    TListInfoUI m_listInfo;
    int m_iCurSel = -1;
};

}  // namespace DuiLib
