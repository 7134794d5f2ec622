// Shared pieces of the skin library's tests: a skinned test window that records every
// notification it receives, and the test resource folder.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "ui/ui.h"
#include "tests/kit/ui_driver.h"

namespace DuiLib {
// Readable CDuiString values in test failure messages.
void PrintTo(const CDuiString& s, std::ostream* os);
}  // namespace DuiLib

namespace uitest {

// Folder of the tests' skins, images and language files ("ui_test_res\" beside the tests).
std::wstring ResourceFolder();

struct NotifyRecord {
    std::wstring sType;
    std::wstring sSender;  // the sender's name
    std::wstring sVirtualWnd;
    WPARAM wParam = 0;
    LPARAM lParam = 0;
};

// "type:sender" (and ":wParam" when it is not 0) for readable sequence checks.
std::wstring Describe(const NotifyRecord& record);

// A window built from a skin (XML text or a file name under the resource folder). It records
// every notification and can run a handler for each.
class CTestWindow : public DuiLib::WindowImplBase {
public:
    explicit CTestWindow(std::wstring sSkin, std::wstring sClassName = L"UiTestWnd");
    ~CTestWindow() override;

    // A visible pop-up window at (x, y) of the given size (the skin's size, if any, replaces it).
    HWND CreateAt(int x, int y, int cx, int cy, DWORD dwStyle = WS_POPUP | WS_VISIBLE, HWND hParent = nullptr);

    LPCWSTR GetWindowClassName() const override { return m_sClassName.c_str(); }
    DuiLib::CDuiString GetSkinFile() override { return DuiLib::CDuiString(m_sSkin); }
    void InitWindow() override;
    void Notify(DuiLib::TNotifyUI& msg) override;
    void OnClick(DuiLib::TNotifyUI& msg) override;
    LRESULT HandleCustomMessage(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& bHandled) override;

    DuiLib::CPaintManagerUI& PM() { return m_PaintManager; }
    template <typename T = DuiLib::CControlUI>
    T* Find(LPCWSTR pstrName) {
        return static_cast<T*>(m_PaintManager.FindControl(pstrName));
    }

    // Recorded notifications as "type:sender" strings, without the types in sIgnore.
    std::vector<std::wstring> Sequence(const std::vector<std::wstring>& sIgnore = {L"mouseenter", L"mouseleave",
                                                                                   L"windowinit"}) const;
    void ClearRecords() { m_records.clear(); }

    std::vector<NotifyRecord> m_records;
    std::vector<std::wstring> m_clicks;  // senders that reached OnClick
    bool m_bInitWindowRan = false;
    HWND m_hWndAtInit = nullptr;
    std::function<void(DuiLib::TNotifyUI&)> m_onNotify;
    std::function<LRESULT(UINT, WPARAM, LPARAM, BOOL&)> m_onMessage;

private:
    std::wstring m_sSkin;
    std::wstring m_sClassName;
};

}  // namespace uitest
