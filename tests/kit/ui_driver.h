// Driving skinned windows from tests as a person would: find a control by name, move the pointer
// onto it, click it, type, press keys, turn the wheel, pump messages until the thread is idle,
// answer modal dialogs when their loop starts, and read back what a window paints.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include "ui/ui.h"

namespace uikit {

// The paint manager of a window, or nullptr.
DuiLib::CPaintManagerUI* ManagerOf(HWND hWnd);
// The control with that name in the window, or nullptr.
DuiLib::CControlUI* FindControl(HWND hWnd, LPCWSTR pstrName);

// The centre of a control in client coordinates (after bringing the layout up to date).
POINT CenterOf(DuiLib::CControlUI* pControl);

// Moves the pointer onto the control's centre (cursor and WM_MOUSEMOVE), so hover follows.
// False when the control cannot be reached there (hidden, or covered by another control).
bool HoverOver(DuiLib::CControlUI* pControl);
// Presses and releases the left button at the control's centre through the window's own
// messages: pointer move, WM_LBUTTONDOWN, WM_LBUTTONUP. False (and nothing sent) when the
// control is hidden or another control is on top at that point.
bool Click(DuiLib::CControlUI* pControl);
bool Click(HWND hWnd, LPCWSTR pstrName);
// Presses at one control and releases at a client point (a drag, or a press abandoned).
bool PressAndReleaseAt(DuiLib::CControlUI* pControl, POINT ptRelease);
// Turns the wheel over the control (delta in WHEEL_DELTA units, negative = towards the user).
bool Wheel(DuiLib::CControlUI* pControl, int iDelta);

// Posts a key press and release to the window that has the keyboard focus in hWnd's window
// (a native child edit, or hWnd itself) and pumps until idle, so the key takes the path a real
// key takes (pre-translation, then dispatch).
void PressKey(HWND hWnd, UINT uVirtualKey);
// Posts Alt+F4 to the window and pumps until idle.
void PressAltF4(HWND hWnd);
// Clicks the control (to focus it) and types the text as WM_CHAR messages to the focused
// window, then pumps until idle.
bool TypeText(DuiLib::CControlUI* pControl, const std::wstring& sText);

// Dispatches the thread's messages (with the library's pre-translation) until none is left or
// the time limit passes; false when it stopped on the time limit.
bool PumpUntilIdle(DWORD dwTimeoutMs = 2000);
// Dispatches messages until pred() is true or the time limit passes; returns pred().
bool PumpUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs = 2000);

// While alive, answers every modal loop that starts: the action runs with the dialog as soon
// as its loop begins. Restores the previous hook when destroyed.
class ModalAnswer {
public:
    using Action = std::function<void(DuiLib::CWindowWnd&)>;
    explicit ModalAnswer(Action action);
    ModalAnswer(const ModalAnswer&) = delete;
    ModalAnswer& operator=(const ModalAnswer&) = delete;
    ~ModalAnswer();

    // How many modal loops it answered, and the window class names of those dialogs.
    int GetCount() const { return static_cast<int>(m_classes.size()); }
    const std::vector<std::wstring>& GetClassNames() const { return m_classes; }

    // Common answers.
    static Action ClickControl(std::wstring sName);
    static Action Key(UINT uVirtualKey);
    static Action AltF4();

private:
    Action m_action;
    std::vector<std::wstring> m_classes;
};

// What a window paints into its client area (drawn through WM_PRINTCLIENT).
struct Capture {
    int cx = 0;
    int cy = 0;
    std::vector<uint32_t> pixels;  // 0x00RRGGBB, top row first

    uint32_t At(int x, int y) const;
    // Pixels inside rc that differ from rgb.
    int CountNot(const RECT& rc, uint32_t rgb) const;
};
Capture CaptureWindow(HWND hWnd);

// The visible menu windows (DuiLib's button-function and tray menus) of this thread.
std::vector<HWND> OpenMenuWindows();

// Adds every language text id the window's controls show (their resource texts and tooltips),
// hidden controls included.
void CollectTextIds(HWND hWnd, std::set<std::wstring>& ids);
// The text ids that some language file of the run folder (res\lan\EN.xml, CN, YUENAN) lacks or
// leaves empty, as "CN lacks menu_macro_text"; empty when every language has every id.
std::vector<std::string> TextsMissing(const std::set<std::wstring>& ids);

}  // namespace uikit
