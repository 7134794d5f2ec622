#include "models/dialogs/profile_name.h"

#include "core/dialogs/msg_wnd.h"

using namespace DuiLib;

UINT CProfileNameBase::Run(HWND hOwner) { return RunModal(hOwner, nullptr); }

void CProfileNameBase::InitWindow() {
    CControlBinder bind(m_PaintManager, m_missingControls);
    m_answer = BindAnswerButtons(bind);
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
    if (msg.pSender == m_answer.pOk) {
        Accept();
    } else if (m_answer.Cancels(msg.pSender)) {
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
