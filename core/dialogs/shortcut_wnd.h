// CShortcutWnd: gives a mouse button a keyboard shortcut: up to four modifiers (Ctrl, Shift,
// Alt, Win) as check boxes and one key, captured while the key field has the focus through the
// system-wide keyboard hook of Hook.dll. The key is kept as a HID keyboard usage.
//
// Capture: each key press the hook reports sets the key; releases and mouse buttons leave it,
// so the last key pressed is the one kept. Modifiers held down while another key is pressed are
// ticked, so typing Ctrl+C gives Ctrl + C; a modifier pressed alone becomes the key itself.
// Without Hook.dll (empty hook table) the dialog works, only the key field captures nothing.
#pragma once

#include <windows.h>

#include "plugins/include/hook_api.h"
#include "ui/ui.h"

namespace DuiLib {
class CCheckBoxUI;
class CRichEditUI;
}  // namespace DuiLib

// Modifier bits of a button's shortcut, as the profiles store them.
enum ShortcutModifierBit : BYTE {
    kModifierCtrl = 1,
    kModifierShift = 2,
    kModifierAlt = 4,
    kModifierWin = 8,
};

class CShortcutWnd : public DuiLib::WindowImplBase {
public:
    LPCWSTR GetWindowClassName() const override { return L"ShortcutWnd"; }
    void OnFinalMessage(HWND hWnd) override;
    void InitWindow() override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    DuiLib::CDuiString GetSkinFile() override { return L"shortcut.xml"; }
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;
    void Notify(DuiLib::TNotifyUI& msg) override;

    // The shortcut record: filled by the caller before Create, read by it after ShowModal.
    BYTE m_bAutoDelete = 0;     // callers on the stack leave it 0
    BYTE m_bModifier[4] = {};   // Ctrl, Shift, Alt, Win: 1 when ticked
    BYTE m_byUsage = 0;         // the key as a HID keyboard usage, 0 for none
    const HookTable* m_pHookTable = nullptr;  // the main window's Hook.dll entry points

    // The record's modifiers as bits (Ctrl 1, Shift 2, Alt 4, Win 8), and back.
    BYTE GetModifierBits() const;
    void SetModifierBits(BYTE byBits);

private:
    void StartCapture();
    void StopCapture();
    void OnHookKey(WPARAM wParam, LPARAM lParam);
    void ShowKey();

    DuiLib::CControlUI* m_pBtnOk = nullptr;
    DuiLib::CControlUI* m_pBtnCancel = nullptr;
    DuiLib::CControlUI* m_pBtnExit = nullptr;
    DuiLib::CCheckBoxUI* m_pCheckFlag[4] = {};
    DuiLib::CRichEditUI* m_pEditKey = nullptr;
    bool m_bCapturing = false;   // the key field has the focus
    bool m_bHookInstalled = false;
    BYTE m_byHeldModifiers = 0;  // modifier bits whose keys are down, as the hook reported them
};

// The calling sequence of a page's button-function handler: shows the dialog, owned by the
// main window and centred, with the button's current shortcut. On OK writes the new modifier
// bits and usage and returns true; on anything else leaves them and returns false.
bool RunShortcutWnd(HWND hMainWnd, const HookTable* pHookTable, BYTE& byModifiers, BYTE& byUsage);
