#include "tests/ui/demo/demo_window.h"

#include <iterator>

using namespace DuiLib;

namespace {

// By page: the navigation option of each page of the "pages" tab layout.
constexpr LPCWSTR kNavOptions[] = {L"nav_controls", L"nav_scrolling", L"nav_about", L"nav_inputs", L"nav_colors"};
constexpr DWORD kFirstColor = 0xFFFF5400;

// Recorded actions shown by the action list: key, text id of the action, delay.
struct TDemoAction {
    LPCWSTR pstrKey;
    LPCWSTR pstrAction;
    int iDelay;
};
constexpr TDemoAction kDemoActions[] = {
    {L"Ctrl", L"key_down_text", 10}, {L"C", L"key_down_text", 42}, {L"C", L"key_up_text", 85},
    {L"Ctrl", L"key_up_text", 12},   {L"V", L"key_down_text", 230}, {L"V", L"key_up_text", 64},
};

void FillInputLists(CPaintManagerUI& pm) {
    if (auto* pProfiles = static_cast<CListUI*>(pm.FindControl(L"list_profiles"))) {
        for (int i = 1; i <= 8; ++i) {
            auto* pRow = new CListLabelElementUI;
            CDuiString sName;
            sName.Format(L"Profile %d", i);
            pRow->SetText(sName);
            pRow->SetFixedHeight(26);
            pProfiles->Add(pRow);
        }
        pProfiles->SelectItem(0, false, false);
    }
    if (auto* pActions = static_cast<CListUI*>(pm.FindControl(L"list_actions"))) {
        for (const TDemoAction& action : kDemoActions) {
            CDialogBuilder builder;
            CControlUI* pRow = builder.Create(L"keylistitem.xml", static_cast<UINT>(0), nullptr, &pm);
            if (pRow == nullptr) break;
            pActions->Add(pRow);
            CDuiString sDelay;
            sDelay.Format(L"%d ms", action.iDelay);
            if (CControlUI* pKey = pm.FindSubControlByName(pRow, L"key")) pKey->SetText(action.pstrKey);
            if (CControlUI* pAction = pm.FindSubControlByName(pRow, L"action")) pAction->SetText(action.pstrAction);
            if (CControlUI* pDelay = pm.FindSubControlByName(pRow, L"delay")) pDelay->SetText(sDelay);
        }
        pActions->SelectItem(1, false, false);
    }
}

// What the numeric edits of the program do with each change: digits only, caret at the end.
void KeepDigits(CRichEditUI* pEdit) {
    const CDuiString sText = pEdit->GetText();
    CDuiString sDigits;
    for (int i = 0; i < sText.GetLength(); ++i) {
        if (sText[i] >= L'0' && sText[i] <= L'9') sDigits += sText[i];
    }
    if (sDigits == sText) return;
    pEdit->SetText(sDigits);
    pEdit->SetSel(sDigits.GetLength(), sDigits.GetLength());
}

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
    FillInputLists(m_PaintManager);
    if (auto* pPalette = static_cast<CColorPaletteUI*>(m_PaintManager.FindControl(L"palette"))) {
        pPalette->SetSelectColor(kFirstColor);
        ShowColor(kFirstColor);
    }
}

void CDemoWnd::ShowColor(DWORD dwColor) {
    if (CControlUI* pPreview = m_PaintManager.FindControl(L"color_preview")) pPreview->SetBkColor(0xFF000000 | dwColor);
    if (CControlUI* pValue = m_PaintManager.FindControl(L"color_value")) {
        CDuiString sValue;
        sValue.Format(L"#%06X", static_cast<unsigned>(dwColor & 0xFFFFFF));
        pValue->SetText(sValue);
    }
}

void CDemoWnd::OpenDemoMenu() {
    CControlUI* pButton = m_PaintManager.FindControl(L"btn_menu");
    if (pButton == nullptr) return;
    m_PaintManager.UpdateLayout();
    RECT rcWindow;
    ::GetWindowRect(m_hWnd, &rcWindow);
    const RECT& rcButton = pButton->GetPos();
    // The previous menu object goes first (closing its window if it is still open).
    m_pMenu = std::make_unique<CMenuWnd>();
    m_pMenu->Init(nullptr, L"demo_menu.xml", POINT{rcWindow.left + rcButton.left, rcWindow.top + rcButton.bottom + 2},
                  &m_PaintManager, &m_menuChecks, eMenuAlignment_Left | eMenuAlignment_Top);
}

LRESULT CDemoWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM /*lParam*/, BOOL& bHandled) {
    bHandled = uMsg == UIMSG_MENUCLICK;
    if (!bHandled || wParam == 0) return 0;
    auto* pCmd = reinterpret_cast<MenuCmd*>(wParam);
    const CDuiString sName(pCmd->szName);
    const CDuiString sUserData(pCmd->szUserData);
    CPaintManagerUI::DeletePtr(pCmd);
    auto* pPalette = static_cast<CColorPaletteUI*>(m_PaintManager.FindControl(L"palette"));
    if (pPalette != nullptr && sName.Find(L"menu_pick_") == 0) {
        pPalette->SetSelectColor(ParseColor(sUserData));
        ShowColor(pPalette->GetSelectColor());
    }
    if (CControlUI* pStatus = m_PaintManager.FindControl(L"status")) {
        pStatus->SetResourceText(false);
        pStatus->SetText(L"menu: " + sName);
    }
    return 0;
}

void CDemoWnd::ShowPage(int iPage) {
    if (iPage < 0 || iPage >= static_cast<int>(std::size(kNavOptions))) return;
    if (auto* pTabs = static_cast<CTabLayoutUI*>(m_PaintManager.FindControl(L"pages"))) pTabs->SelectItem(iPage);
    if (auto* pOption = static_cast<COptionUI*>(m_PaintManager.FindControl(kNavOptions[iPage]))) {
        pOption->Selected(true, false);
    }
}

void CDemoWnd::OpenComboDropDown() {
    if (auto* pCombo = static_cast<CComboUI*>(m_PaintManager.FindControl(L"combo_mode"))) pCombo->Activate();
}

void CDemoWnd::EditName() {
    if (CControlUI* pEdit = m_PaintManager.FindControl(L"edit_name")) pEdit->SetFocus();
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
        for (int i = 0; i < static_cast<int>(std::size(kNavOptions)); ++i) {
            if (msg.pSender->GetName() == kNavOptions[i]) ShowPage(i);
        }
    }
    const CDuiString sSender = msg.pSender ? msg.pSender->GetName() : CDuiString();
    // The preview follows the palette while it is dragged ("Show changes live" in the menu), or
    // when the drag ends.
    if ((msg.sType == DUI_MSGTYPE_COLORCHANGED && m_menuChecks[L"menu_live"]) ||
        msg.sType == DUI_MSGTYPE_COLORCHANGEDBUTTONUP) {
        ShowColor(static_cast<CColorPaletteUI*>(msg.pSender)->GetSelectColor());
    }
    if (msg.sType == DUI_MSGTYPE_TEXTCHANGED && sSender == L"edit_dpi") {
        KeepDigits(static_cast<CRichEditUI*>(msg.pSender));
    } else if (msg.sType == DUI_MSGTYPE_VALUECHANGED && sSender == L"slider_speed") {
        CDuiString sValue;
        sValue.Format(L"%d", static_cast<CSliderUI*>(msg.pSender)->GetValue());
        if (CControlUI* pValue = m_PaintManager.FindControl(L"slider_value")) pValue->SetText(sValue);
    }
    // The footer tells what the last action raised.
    if (msg.sType == DUI_MSGTYPE_CLICK || msg.sType == DUI_MSGTYPE_SELECTCHANGED ||
        msg.sType == DUI_MSGTYPE_CHECKCLICK || msg.sType == DUI_MSGTYPE_ITEMSELECT ||
        msg.sType == DUI_MSGTYPE_VALUECHANGED || msg.sType == DUI_MSGTYPE_RETURN) {
        if (CControlUI* pStatus = m_PaintManager.FindControl(L"status")) {
            CDuiString sStatus = msg.sType + L": " + sSender;
            if (msg.sType == DUI_MSGTYPE_ITEMSELECT) sStatus += CDuiString(L" ") + std::to_wstring(msg.wParam).c_str();
            pStatus->SetResourceText(false);
            pStatus->SetText(sStatus);
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
    } else if (sName == L"btn_menu") {
        OpenDemoMenu();
    }
}

LRESULT CDemoWnd::OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    if (m_bQuitOnDestroy) ::PostQuitMessage(0);
    return WindowImplBase::OnDestroy(uMsg, wParam, lParam, bHandled);
}
