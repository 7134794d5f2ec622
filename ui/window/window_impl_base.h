// WindowImplBase: a skinned window. On creation it loads GetSkinFile into its paint manager,
// takes the skin's size and calls InitWindow, all before Create returns. The window is
// frameless: its client area is the whole window, whatever caption style it was created with,
// and the skin's caption area drags it. Esc closes it with 0.
// Messages go: the built-in handlers below → HandleCustomMessage → the paint manager →
// the default window procedure. Notifications go to Notify, which runs the message maps
// ("click" → OnClick) and the virtual windows.
#pragma once

#include "ui/builder/dialog_builder.h"
#include "ui/manager/notify.h"
#include "ui/manager/paint_manager.h"
#include "ui/window/notify_pump.h"
#include "ui/window/window_wnd.h"

namespace DuiLib {

class WindowImplBase : public CWindowWnd,
                       public CNotifyPump,
                       public INotifyUI,
                       public IMessageFilterUI,
                       public IDialogBuilderCallback,
                       public IQueryControlText {
public:
    WindowImplBase() = default;
    ~WindowImplBase() override;

    // Runs once the skin is loaded and its size applied, before Create returns.
    virtual void InitWindow() {}
    void OnFinalMessage(HWND hWnd) override;
    void Notify(TNotifyUI& msg) override;

    DUI_DECLARE_MESSAGE_MAP()

public:
    virtual void OnClick(TNotifyUI& msg);
    CPaintManagerUI* GetPaintManager() { return &m_PaintManager; }

    UINT GetClassStyle() const override { return CS_DBLCLKS; }
    virtual CDuiString GetSkinFolder() { return CDuiString(); }
    virtual CDuiString GetSkinFile() = 0;
    CControlUI* CreateControl(LPCWSTR pstrClass) override;
    LPCWSTR QueryControlText(LPCWSTR lpstrId, LPCWSTR lpstrType) override;

    // The pre-message filter: keys reach it before they are dispatched, also when a native
    // child window (an edit) has the focus.
    LRESULT MessageHandler(UINT uMsg, WPARAM wParam, LPARAM lParam, bool& bHandled) override;
    // Esc closes the window with 0; other keys are not handled here.
    virtual LRESULT ResponseDefaultKeyEvent(WPARAM wParam);

    virtual LRESULT OnCreate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnClose(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcActivate(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcCalcSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnNcHitTest(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnGetMinMaxInfo(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnSysCommand(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    virtual LRESULT OnKeyDown(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    // Every message the built-in handlers leave, before the paint manager sees it.
    virtual LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled);
    LRESULT HandleMessage(UINT uMsg, WPARAM wParam, LPARAM lParam) override;

protected:
    // A control the caption area can drag through (it takes no clicks of its own).
    virtual bool IsInStaticControl(CControlUI* pControl);

    CPaintManagerUI m_PaintManager;
};

}  // namespace DuiLib
