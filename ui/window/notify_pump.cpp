#include "ui/window/notify_pump.h"

#include "ui/control/control.h"

namespace DuiLib {

namespace {

const DUI_MSGMAP_ENTRY kNoEntries[] = {{CDuiString(), CDuiString(), DuiSig_end, nullptr}};

}  // namespace

const DUI_MSGMAP CNotifyPump::messageMap = {&CNotifyPump::_GetBaseMessageMap, kNoEntries};

const DUI_MSGMAP* CNotifyPump::_GetBaseMessageMap() { return nullptr; }

const DUI_MSGMAP* CNotifyPump::GetMessageMap() const { return &CNotifyPump::messageMap; }

bool CNotifyPump::AddVirtualWnd(CDuiString strName, CNotifyPump* pObject) {
    if (strName.IsEmpty() || pObject == nullptr) return false;
    return m_VirtualWndMap.emplace(strName.str(), pObject).second;
}

bool CNotifyPump::RemoveVirtualWnd(CDuiString strName) { return m_VirtualWndMap.erase(strName.str()) != 0; }

void CNotifyPump::NotifyPump(TNotifyUI& msg) {
    if (!msg.sVirtualWnd.IsEmpty()) {
        auto it = m_VirtualWndMap.find(msg.sVirtualWnd.str());
        if (it != m_VirtualWndMap.end()) it->second->LoopDispatch(msg);
        return;
    }
    LoopDispatch(msg);
}

bool CNotifyPump::LoopDispatch(TNotifyUI& msg) {
    for (const DUI_MSGMAP* pMap = GetMessageMap(); pMap != nullptr;
         pMap = pMap->pfnGetBaseMap != nullptr ? pMap->pfnGetBaseMap() : nullptr) {
        for (const DUI_MSGMAP_ENTRY* pEntry = pMap->lpEntries; pEntry != nullptr && pEntry->nSig != DuiSig_end; ++pEntry) {
            if (pEntry->sMsgType != msg.sType) continue;
            if (!pEntry->sCtrlName.IsEmpty() &&
                (msg.pSender == nullptr || pEntry->sCtrlName != msg.pSender->GetName())) {
                continue;
            }
            if (pEntry->nSig == DuiSig_vn && pEntry->pfn != nullptr) (this->*(pEntry->pfn))(msg);
            return true;
        }
    }
    return false;
}

}  // namespace DuiLib
