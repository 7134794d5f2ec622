#include "core/dialogs/shortcut_wnd.h"

#include "core/dialogs/dialog_lifetime.h"
#include "core/util/key_text.h"

using namespace DuiLib;

namespace {

// What the hook reports for mouse buttons (their window messages, or the mouse-button virtual
// keys) is not a keyboard key.
bool IsKeyboardKey(WPARAM wParam) {
    if (wParam == 0 || wParam > 0xFE) return false;
    switch (wParam) {
        case VK_LBUTTON: case VK_RBUTTON: case VK_MBUTTON: case VK_XBUTTON1: case VK_XBUTTON2: return false;
        default: return true;
    }
}

// The modifier bit of a modifier key (either side, or without side), 0 for other keys.
BYTE ModifierBitOfKey(WPARAM wParam) {
    switch (wParam) {
        case VK_CONTROL: case VK_LCONTROL: case VK_RCONTROL: return kModifierCtrl;
        case VK_SHIFT: case VK_LSHIFT: case VK_RSHIFT: return kModifierShift;
        case VK_MENU: case VK_LMENU: case VK_RMENU: return kModifierAlt;
        case VK_LWIN: case VK_RWIN: return kModifierWin;
        default: return 0;
    }
}

// The modifiers held down right now (a modifier pressed before the key field took the focus
// never reaches the hook, but counts for the key pressed with it).
BYTE HeldModifierBits() {
    BYTE byBits = 0;
    const auto held = [](int vk) { return (GetAsyncKeyState(vk) & 0x8000) != 0; };
    if (held(VK_LCONTROL) || held(VK_RCONTROL)) byBits |= kModifierCtrl;
    if (held(VK_LSHIFT) || held(VK_RSHIFT)) byBits |= kModifierShift;
    if (held(VK_LMENU) || held(VK_RMENU)) byBits |= kModifierAlt;
    if (held(VK_LWIN) || held(VK_RWIN)) byBits |= kModifierWin;
    return byBits;
}

}  // namespace

void CShortcutWnd::OnFinalMessage(HWND hWnd) { FinishDialogWindow(this, hWnd); }

BYTE CShortcutWnd::GetModifierBits() const {
    BYTE byBits = 0;
    for (int i = 0; i < 4; ++i) {
        if (m_bModifier[i] != 0) byBits |= static_cast<BYTE>(1 << i);
    }
    return byBits;
}

void CShortcutWnd::SetModifierBits(BYTE byBits) {
    for (int i = 0; i < 4; ++i) m_bModifier[i] = (byBits >> i) & 1;
}

void CShortcutWnd::InitWindow() {
    m_pBtnOk = m_PaintManager.FindControl(L"btn_ok");
    m_pBtnCancel = m_PaintManager.FindControl(L"btn_cancel");
    m_pBtnExit = m_PaintManager.FindControl(L"btn_exit");
    for (int i = 0; i < 4; ++i) {
        CDuiString sName;
        sName.Format(L"check_flag_%d", i + 1);
        m_pCheckFlag[i] = static_cast<CCheckBoxUI*>(m_PaintManager.FindControl(sName));
        if (m_pCheckFlag[i] != nullptr) m_pCheckFlag[i]->SetCheck(m_bModifier[i] != 0);
    }
    m_pEditKey = static_cast<CRichEditUI*>(m_PaintManager.FindControl(L"edit_key"));
    ShowKey();
}

void CShortcutWnd::ShowKey() {
    if (m_pEditKey == nullptr) return;
    const std::wstring sText = UsageToKeyText(m_byUsage);
    m_pEditKey->SetText(sText.c_str());
    // While capturing, the caret waits after the key name instead of the name being selected.
    if (m_bCapturing) m_pEditKey->SetSel(static_cast<long>(sText.size()), static_cast<long>(sText.size()));
}

void CShortcutWnd::Notify(TNotifyUI& msg) {
    if (msg.pSender == nullptr) return;
    if (msg.sType == DUI_MSGTYPE_CLICK) {
        OnClick(msg);
    } else if (msg.sType == DUI_MSGTYPE_CHECKCLICK) {
        for (int i = 0; i < 4; ++i) {
            if (msg.pSender == m_pCheckFlag[i]) m_bModifier[i] = m_pCheckFlag[i]->GetCheck() ? 1 : 0;
        }
    } else if (msg.sType == DUI_MSGTYPE_SETFOCUS && msg.pSender == m_pEditKey) {
        StartCapture();
    } else if (msg.sType == DUI_MSGTYPE_KILLFOCUS && msg.pSender == m_pEditKey) {
        StopCapture();
    }
}

void CShortcutWnd::OnClick(TNotifyUI& msg) {
    if (msg.pSender == m_pBtnOk) {
        Close(1);
    } else if (msg.pSender == m_pBtnCancel || msg.pSender == m_pBtnExit) {
        Close(0);
    }
}

void CShortcutWnd::StartCapture() {
    m_bCapturing = true;
    m_byHeldModifiers = HeldModifierBits();
    ShowKey();
    if (m_pHookTable == nullptr) return;
    if (m_pHookTable->pfnInstallHook != nullptr) {
        m_pHookTable->pfnInstallHook(m_hWnd);
        m_bHookInstalled = true;
    }
    if (m_pHookTable->pfnEnableHook != nullptr) m_pHookTable->pfnEnableHook(1);
}

void CShortcutWnd::StopCapture() {
    if (!m_bCapturing) return;
    m_bCapturing = false;
    if (m_pHookTable == nullptr) return;
    if (m_pHookTable->pfnRemoveHook != nullptr && m_bHookInstalled) m_pHookTable->pfnRemoveHook();
    m_bHookInstalled = false;
    if (m_pHookTable->pfnEnableHook != nullptr) m_pHookTable->pfnEnableHook(0);
}

void CShortcutWnd::OnHookKey(WPARAM wParam, LPARAM lParam) {
    DUITRACE(L"%x,%x\n", static_cast<unsigned>(wParam), static_cast<unsigned>(lParam));
    // Keys still queued when the field lost the focus are not for this dialog any more.
    if (!m_bCapturing || !IsKeyboardKey(wParam)) return;
    const BYTE byModifier = ModifierBitOfKey(wParam);
    if (lParam != 0) {
        // A release: the key stays what was pressed last.
        m_byHeldModifiers &= static_cast<BYTE>(~byModifier);
        return;
    }
    int iUsage = 0;
    VirtualKeyToUsage(static_cast<int>(wParam), iUsage);  // a key without a row gives 0
    DUITRACE(L"iUsageID=%d\n", iUsage);
    m_byUsage = static_cast<BYTE>(iUsage);
    if (byModifier != 0) {
        m_byHeldModifiers |= byModifier;
    } else if (m_byHeldModifiers != 0) {
        SetModifierBits(GetModifierBits() | m_byHeldModifiers);
        for (int i = 0; i < 4; ++i) {
            if (m_pCheckFlag[i] != nullptr) m_pCheckFlag[i]->SetCheck(m_bModifier[i] != 0);
        }
    }
    ShowKey();
}

LRESULT CShortcutWnd::HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) {
    bHandled = FALSE;
    if (uMsg == WM_HOOKKEY) {
        OnHookKey(wParam, lParam);
    } else if (uMsg == WM_DESTROY) {
        // No hook outlives the dialog.
        StopCapture();
    }
    return 0;
}

bool RunShortcutWnd(HWND hMainWnd, const HookTable* pHookTable, BYTE& byModifiers, BYTE& byUsage) {
    CShortcutWnd dialog;
    dialog.m_bAutoDelete = 0;
    dialog.SetModifierBits(byModifiers);
    dialog.m_byUsage = byUsage;
    dialog.m_pHookTable = pHookTable;
    if (dialog.Create(hMainWnd, L"ShortcutWnd", WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) {
        return false;
    }
    dialog.CenterWindow();
    if (dialog.ShowModal() != 1) return false;
    byModifiers = dialog.GetModifierBits();
    byUsage = dialog.m_byUsage;
    return true;
}
