// CPaintManagerUI: the windowless core of one window. It owns the control tree, lays it out and
// paints it through a double buffer, turns the window's mouse and keyboard messages into
// control events (hit-testing, hover, capture, focus), runs control timers, and delivers
// notifications synchronously to the window's listeners. Its statics hold what every window
// shares: the module instance, the skin folder, the message loop.
#pragma once

#include <windows.h>

#include <functional>
#include <map>
#include <string>
#include <unordered_map>
#include <vector>

#include "ui/base/dui_string.h"
#include "ui/base/ui_defs.h"
#include "ui/base/win_handles.h"
#include "ui/control/control.h"
#include "ui/manager/control_timers.h"
#include "ui/manager/notify.h"
#include "ui/resource/font_table.h"

namespace DuiLib {

class CPaintManagerUI {
public:
    CPaintManagerUI();
    CPaintManagerUI(const CPaintManagerUI&) = delete;
    CPaintManagerUI& operator=(const CPaintManagerUI&) = delete;
    ~CPaintManagerUI();

    // Binds the manager to its window (called from WM_CREATE).
    void Init(HWND hWnd);
    HWND GetPaintWindow() const { return m_hWndPaint; }
    POINT GetMousePos() const { return m_ptLastMousePos; }
    SIZE GetClientSize() const;

    // Window properties a skin's <Window> element sets.
    SIZE GetInitSize() const { return m_szInitWindowSize; }
    void SetInitSize(int cx, int cy);  // also resizes the window when it exists
    const RECT& GetCaptionRect() const { return m_rcCaption; }
    void SetCaptionRect(const RECT& rcCaption) { m_rcCaption = rcCaption; }
    SIZE GetMinInfo() const { return m_szMinWindow; }
    void SetMinInfo(int cx, int cy) { m_szMinWindow = SIZE{cx, cy}; }
    DWORD GetDefaultFontColor() const { return m_dwDefaultFontColor; }
    void SetDefaultFontColor(DWORD dwColor) { m_dwDefaultFontColor = dwColor; }
    DWORD GetDefaultDisabledColor() const { return m_dwDefaultDisabledColor; }
    void SetDefaultDisabledColor(DWORD dwColor) { m_dwDefaultDisabledColor = dwColor; }

    // Fonts: this window's, then the shared ones, then the library's default.
    void AddFont(int id, LPCWSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic, bool bDefault);
    HFONT GetFont(int id);
    CFontTable& GetFontTable() { return m_fonts; }
    // <Default> attribute lists per control class (this window's, then the shared ones).
    void AddDefaultAttributeList(LPCWSTR pStrControlName, LPCWSTR pStrControlAttrList);
    LPCWSTR GetDefaultAttributeList(LPCWSTR pStrControlName) const;

    // The control tree.
    bool AttachDialog(CControlUI* pControl);
    // Joins a control (and its children) to this window under pParent.
    bool InitControls(CControlUI* pControl, CControlUI* pParent = nullptr);
    CControlUI* GetRoot() const { return m_pRoot; }
    // The control with that name in this window (the first one joined, when several share a
    // name), or nullptr. UI thread only, as every use of a control: another thread would hold a
    // pointer the UI thread may free at any time, so it posts its work there instead.
    CControlUI* FindControl(LPCWSTR pstrName) const;
    // The top-most visible, mouse-enabled control under a client point. A pending layout is done
    // first, so input that arrives before the first paint (or after a change) hits what shows.
    CControlUI* FindControl(POINT pt);
    CControlUI* FindSubControlByPoint(CControlUI* pParent, POINT pt);
    // The first control with that name inside pParent (rows of a list share cell names).
    CControlUI* FindSubControlByName(CControlUI* pParent, LPCWSTR pstrName) const;

    // Bookkeeping the controls call.
    void RegisterControl(CControlUI* pControl);
    void RenameControl(CControlUI* pControl, const CDuiString& sOldName);
    // Forgets every reference to one control (hover, capture, focus, timers, name) silently.
    void ReapObjects(CControlUI* pControl);
    // ReapObjects for a control and everything inside it.
    void ReapTree(CControlUI* pControl);
    // Deletes a removed control after the message being handled.
    void AddDelayedCleanup(CControlUI* pControl);
    // A control became hidden or disabled: it and its children lose hover, capture and focus
    // (focus with "killfocus").
    void OnControlUnavailable(CControlUI* pControl);

    // Option groups of this window.
    bool AddOptionGroup(LPCWSTR pStrGroupName, CControlUI* pControl);
    const std::vector<CControlUI*>& GetOptionGroup(LPCWSTR pStrGroupName) const;
    void RemoveOptionGroup(LPCWSTR pStrGroupName, CControlUI* pControl);
    void RemoveAllOptionGroups() { m_mOptionGroup.clear(); }

    // Focus. Moving focus raises "killfocus" on the old control before "setfocus" on the new.
    CControlUI* GetFocus() const { return m_pFocus; }
    void SetFocus(CControlUI* pControl, bool bFocusWnd = true);
    // Tab order: the next (or previous) focusable control.
    bool SetNextTabControl(bool bForward = true);
    CControlUI* GetHoverControl() const { return m_pEventHover; }
    CControlUI* GetCaptureControl() const { return m_pEventClick; }
    bool IsCaptured() const { return m_bMouseCapture; }
    void SetCapture();
    void ReleaseCapture();

    // Control timers: each expiry raises "timer" from the control with wParam = nTimerID.
    bool SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse);
    bool KillTimer(CControlUI* pControl, UINT nTimerID);
    void KillTimer(CControlUI* pControl);
    void RemoveAllTimers();

    // Listeners and notifications.
    bool AddNotifier(INotifyUI* pControl);
    bool RemoveNotifier(INotifyUI* pControl);
    // Delivers a notification to every listener before returning (bAsync is accepted for
    // compatibility and ignored: delivery is always synchronous).
    void SendNotify(TNotifyUI& Msg, bool bAsync = false);
    void SendNotify(CControlUI* pControl, LPCWSTR pstrMessage, WPARAM wParam = 0, LPARAM lParam = 0,
                    bool bAsync = false);
    bool AddPreMessageFilter(IMessageFilterUI* pFilter);
    bool RemovePreMessageFilter(IMessageFilterUI* pFilter);
    bool AddMessageFilter(IMessageFilterUI* pFilter);
    bool RemoveMessageFilter(IMessageFilterUI* pFilter);

    // Layout and painting.
    bool IsUpdateNeeded() const { return m_bUpdateNeeded; }
    // Asks for a new layout of the whole tree and a repaint.
    void NeedUpdate();
    // Lays the tree out now if a layout is pending.
    void UpdateLayout();
    void Invalidate();
    void Invalidate(const RECT& rcItem);
    // Paints the tree (laid out first if needed) into hDC for the client area part rcPaint.
    void Render(HDC hDC, const RECT& rcPaint);

    // Window messages. PreMessageHandler sees messages of the window and of its native child
    // windows before they are dispatched; MessageHandler handles the window's own messages.
    bool PreMessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);

    // Process-wide.
    static HINSTANCE GetInstance();
    static void SetInstance(HINSTANCE hInst);
    // The folder of the program file, with a trailing backslash.
    static CDuiString GetInstancePath();
    static CDuiString GetCurrentPath();
    static CDuiString GetResourcePath();
    static void SetResourcePath(LPCWSTR pStrPath);  // a trailing backslash is added when missing
    static int GetResourceType();
    static void SetResourceType(int nType);  // 1: plain files (the only kind supported)
    // GetMessage/TranslateMessage/DispatchMessage until WM_QUIT.
    static void MessageLoop();
    // Gives the paint manager of the message's window (or of its parent) the first look at a
    // message; true when it handled it and it must not be dispatched.
    static bool TranslateMessage(const LPMSG pMsg);
    // Releases the shared caches (images, fonts) and the UI-thread helper.
    static void Term();
    // The manager of a window, or nullptr.
    static CPaintManagerUI* FromWindow(HWND hWnd);
    // Frees a record the library allocated for the program (the menu's click record).
    static void DeletePtr(void* ptr);
    // Runs fn on the UI thread (posted; see ui_thread.h). False when no window exists yet.
    static bool RunOnUiThread(std::function<void()> fn);
    static bool IsUiThread();

private:
    // Input (paint_manager_input.cpp).
    bool HandleMouseMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    bool HandleKeyMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);
    void UpdateHover(POINT pt);
    void SetHover(CControlUI* pNewHover, POINT pt);
    void SendEvent(CControlUI* pControl, int iType, POINT pt, WPARAM wParam = 0, LPARAM lParam = 0,
                   WORD wKeyState = 0, wchar_t chKey = 0);
    bool IsOwnWindowOrChild(HWND hWnd) const;
    // True while the control is part of this window's tree (not removed).
    bool IsInTree(const CControlUI* pControl) const;
    // Sends a window message on to the native child window it came from, when that child is one
    // of our window objects; false when it is not.
    bool ReflectToChild(UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lRes);

    // Painting (paint_manager_paint.cpp).
    void OnPaint();
    bool EnsureOffscreen(int cx, int cy);

    void DeleteDelayedCleanup();
    // The window is gone: timers and capture went with it, and the manager leaves the lists of
    // live windows. The tree stays until the manager itself is destroyed.
    void OnWindowDestroyed();

    HWND m_hWndPaint = nullptr;
    CControlUI* m_pRoot = nullptr;
    CControlUI* m_pFocus = nullptr;
    CControlUI* m_pEventHover = nullptr;
    CControlUI* m_pEventClick = nullptr;
    bool m_bMouseCapture = false;
    bool m_bMouseTracking = false;
    bool m_bUpdateNeeded = true;
    bool m_bFirstLayout = true;
    bool m_bWindowInitSent = false;
    bool m_bCleanupPosted = false;
    bool m_bTearingDown = false;
    POINT m_ptLastMousePos{-1, -1};
    SIZE m_szInitWindowSize{0, 0};
    SIZE m_szMinWindow{0, 0};
    RECT m_rcCaption{0, 0, 0, 0};
    DWORD m_dwDefaultFontColor = 0xFF000000;
    DWORD m_dwDefaultDisabledColor = 0xFFA7A6AA;

    // The bitmap is declared first so the DC it is selected into goes first.
    GdiObject<HBITMAP> m_bmpOffscreen;
    MemoryDc m_dcOffscreen;
    SIZE m_szOffscreen{0, 0};

    CFontTable m_fonts;
    std::map<std::wstring, std::wstring> m_defaultAttributes;  // class name, lower case
    CControlTimers m_timers;
    std::vector<INotifyUI*> m_aNotifiers;
    std::vector<IMessageFilterUI*> m_aPreMessageFilters;
    std::vector<IMessageFilterUI*> m_aMessageFilters;
    std::vector<CControlUI*> m_aDelayedCleanup;
    std::map<std::wstring, std::vector<CControlUI*>> m_mOptionGroup;
    std::unordered_map<std::wstring, CControlUI*> m_mNameHash;
};

}  // namespace DuiLib
