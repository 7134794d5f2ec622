// CWindowWnd: one native window and the object behind it. The Win32 class comes from
// GetWindowClassName/GetClassStyle (or superclasses a system class named by GetSuperClassName);
// messages go to HandleMessage; OnFinalMessage follows WM_NCDESTROY.
// ShowModal runs a nested loop that keeps dispatching every message of the thread and returns
// the value given to Close, or 0 when the window ended any other way.
#pragma once

#include <windows.h>

#include <functional>

namespace DuiLib {

class CWindowWnd {
public:
    CWindowWnd() = default;
    CWindowWnd(const CWindowWnd&) = delete;
    CWindowWnd& operator=(const CWindowWnd&) = delete;
    // A window still alive when its object goes is destroyed with it.
    virtual ~CWindowWnd();

    HWND GetHWND() const { return m_hWnd; }
    operator HWND() const { return m_hWnd; }

    virtual LPCWSTR GetWindowClassName() const = 0;
    // A system class (for example "EDIT") this window class extends; nullptr for none.
    virtual LPCWSTR GetSuperClassName() const { return nullptr; }
    virtual UINT GetClassStyle() const { return 0; }

    bool RegisterWindowClass();
    bool RegisterSuperclass();
    HWND Create(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle, DWORD dwExStyle, const RECT rc,
                HMENU hMenu = nullptr);
    HWND Create(HWND hwndParent, LPCWSTR pstrName, DWORD dwStyle, DWORD dwExStyle, int x = CW_USEDEFAULT,
                int y = CW_USEDEFAULT, int cx = CW_USEDEFAULT, int cy = CW_USEDEFAULT, HMENU hMenu = nullptr);
    // Takes over an existing window's messages (until it is destroyed or Unsubclass).
    HWND Subclass(HWND hWnd);
    void Unsubclass();

    void ShowWindow(bool bShow = true, bool bTakeFocus = true);
    // Disables the owner and dispatches all of the thread's messages until this window is gone.
    // Returns the value given to Close; 0 when the window was closed any other way (Esc, Alt+F4,
    // the close command, destruction by its owner). A WM_QUIT ends the loop, destroys the
    // window and is posted again for the outer loop.
    UINT ShowModal();
    // Ends the window with nRet as its modal result (1 means OK to every caller).
    void Close(UINT nRet = 0);
    // Centres on the owner, or on the work area when there is no visible owner.
    void CenterWindow();
    void SetIcon(UINT nRes);
    void ResizeClient(int cx = -1, int cy = -1);

    LRESULT SendMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);
    LRESULT PostMessage(UINT uMsg, WPARAM wParam = 0, LPARAM lParam = 0);

    // The object of one of our windows, or nullptr.
    static CWindowWnd* FromHandle(HWND hWnd);

    // Called with the window each time a modal loop begins (after the window is shown and its
    // owner disabled), before the first message is dispatched. Lets tests answer dialogs.
    using ModalStartHook = std::function<void(CWindowWnd&)>;
    static void SetModalStartHook(ModalStartHook hook);

protected:
    virtual LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam);
    virtual void OnFinalMessage(HWND hWnd);

    static LRESULT CALLBACK __WndProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    // Destroys the window if it still exists (derived destructors call it while their own
    // handling still works).
    void DestroyOwnWindow();

    HWND m_hWnd = nullptr;
    WNDPROC m_OldWndProc = ::DefWindowProcW;
    bool m_bSubclassed = false;

private:
    UINT* m_pModalResult = nullptr;   // the running ShowModal's result, while one runs
    HWND m_hWndModalOwner = nullptr;  // the owner that ShowModal disabled
};

}  // namespace DuiLib
