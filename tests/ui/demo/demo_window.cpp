#include "demo_window.h"

using namespace DuiLib;

namespace {

constexpr LPCWSTR kNavOptions[] = {L"nav_controls", L"nav_scrolling", L"nav_about"};

}  // namespace

void CDemoWnd::InitWindow() {
    // The scrolling page holds more rows than it can show.
    auto* pRows = static_cast<CContainerUI*>(m_PaintManager.FindControl(L"page_scrolling"));
    if (pRows != nullptr) {
        for (int i = 1; i <= kScrollRows; ++i) {
            auto* pRow = new CLabelUI;
            CDuiString sText;
            sText.Format(L"%s %d", CResourceManager::GetInstance()->GetText(L"row_text").GetData(), i);
            pRow->SetResourceText(false);
            pRow->SetText(sText);
            pRow->SetFixedHeight(30);
            pRow->SetTextPadding(RECT{12, 0, 0, 0});
            pRow->SetBkColor(i % 2 ? 0xFF1A1E24 : 0xFF171A1F);
            pRow->SetBorderRound(SIZE{6, 6});
            CDuiString sName;
            sName.Format(L"row_%d", i);
            pRow->SetName(sName);
            pRows->Add(pRow);
        }
    }
}

void CDemoWnd::ShowPage(int iPage) {
    if (iPage < 0 || iPage > 2) return;
    if (auto* pTabs = static_cast<CTabLayoutUI*>(m_PaintManager.FindControl(L"pages"))) pTabs->SelectItem(iPage);
    if (auto* pOption = static_cast<COptionUI*>(m_PaintManager.FindControl(kNavOptions[iPage]))) {
        pOption->Selected(true, false);
    }
}

void CDemoWnd::SetBattery(int iValue) {
    auto* pBattery = static_cast<CProgressUI*>(m_PaintManager.FindControl(L"battery"));
    if (pBattery == nullptr) return;
    pBattery->SetValue(iValue);
    CDuiString sText;
    sText.Format(L"%d%%", pBattery->GetValue());
    if (CControlUI* pText = m_PaintManager.FindControl(L"battery_text")) pText->SetText(sText);
}

void CDemoWnd::Notify(TNotifyUI& msg) {
    if (msg.sType == DUI_MSGTYPE_SELECTCHANGED) {
        for (int i = 0; i < 3; ++i) {
            if (msg.pSender->GetName() == kNavOptions[i]) ShowPage(i);
        }
    }
    // The footer tells what the last action raised.
    if (msg.sType == DUI_MSGTYPE_CLICK || msg.sType == DUI_MSGTYPE_SELECTCHANGED ||
        msg.sType == DUI_MSGTYPE_CHECKCLICK) {
        if (CControlUI* pStatus = m_PaintManager.FindControl(L"status")) {
            pStatus->SetResourceText(false);
            pStatus->SetText(msg.sType + L": " + msg.pSender->GetName());
        }
    }
    WindowImplBase::Notify(msg);
}

void CDemoWnd::OnClick(TNotifyUI& msg) {
    const CDuiString sName = msg.pSender->GetName();
    if (sName == L"close_btn") {
        Close(0);
    } else if (sName == L"btn_apply") {
        auto* pBattery = static_cast<CProgressUI*>(m_PaintManager.FindControl(L"battery"));
        if (pBattery != nullptr) SetBattery(pBattery->GetValue() >= 100 ? 0 : pBattery->GetValue() + 10);
    } else if (sName == L"btn_reset") {
        SetBattery(0);
    }
}

LRESULT CDemoWnd::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    if (m_bQuitOnDestroy) ::PostQuitMessage(0);
    return WindowImplBase::OnDestroy(uMsg, wParam, lParam, bHandled);
}
