#include "profile_name.h"

#include "dialogs/msg_wnd.h"

using namespace DuiLib;

UINT CProfileNameBase::Run(HWND hOwner) { return RunModal(hOwner, nullptr); }

void CProfileNameBase::InitWindow() {
    CControlBinder bind(m_PaintManager, m_missingControls);
    m_pBtnOk = bind.Find<CButtonUI>(L"btn_ok");
    m_pBtnCancel = bind.Find<CButtonUI>(L"btn_cancel");
    m_pBtnExit = bind.Find<CButtonUI>(L"btn_exit");
    m_pTitle = bind.Find<CLabelUI>(L"title_string");
    m_pEditName = bind.Find<CRichEditUI>(L"edit_name");
    if (m_pTitle != nullptr) {
        m_pTitle->SetResourceText(true);
        m_pTitle->SetText(m_strTitle);
    }
    if (m_pEditName != nullptr) m_pEditName->SetMaxChar(static_cast<UINT>(NameCapacity()));
}

void CProfileNameBase::Notify(TNotifyUI& msg) {
    if (msg.pSender != nullptr && msg.sType == DUI_MSGTYPE_CLICK) OnClick(msg);
}

void CProfileNameBase::OnClick(TNotifyUI& msg) {
    if (msg.pSender == m_pBtnOk) {
        Accept();
    } else if (msg.pSender == m_pBtnCancel || msg.pSender == m_pBtnExit) {
        Close(0);
    }
}

void CProfileNameBase::Accept() {
    if (m_pEditName == nullptr) return;
    // Cut to the record's field first: the name checked is the name stored.
    const std::wstring strName = m_pEditName->GetText().str().substr(0, NameCapacity());
    if (strName.empty()) {
        RunMsgWnd(m_hWnd, L"warn_name_1_text");
        return;
    }
    if (m_pProfiles.IsNameTaken(strName)) {
        RunMsgWnd(m_hWnd, L"warn_name_2_text");
        return;
    }
    m_strName = strName;
    Close(1);
}
