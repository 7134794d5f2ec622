#include "tests/gen1/macro_dialog_fixture.h"

#include "core/util/folders.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cwchar>

using namespace DuiLib;

namespace macrotest {

DWORD g_dwFakeNow = 1000;

namespace {

DWORD FakeNow() { return g_dwFakeNow; }

BOOL SpyInstallMouseHook(HWND hWnd) {
    Hooks().hTarget = hWnd;
    Hooks().bMouseInstalled = true;
    Hooks().bMouseOn = false;
    Hooks().calls.emplace_back("installmousehook");
    return TRUE;
}
BOOL SpyRemoveMouseHook() {
    Hooks().bMouseInstalled = false;
    Hooks().bMouseOn = false;
    Hooks().calls.emplace_back("removemousehook");
    return TRUE;
}
BOOL SpyEnableMouseHook(int bOn) {
    Hooks().bMouseOn = bOn != 0;
    Hooks().calls.emplace_back(bOn ? "enablemousehook 1" : "enablemousehook 0");
    return TRUE;
}
// As Hook.dll does: both hooks installed, both switched off.
BOOL SpyInstallHook(HWND hWnd) {
    Hooks().hTarget = hWnd;
    Hooks().bKeyboardInstalled = Hooks().bMouseInstalled = true;
    Hooks().bKeyboardOn = Hooks().bMouseOn = false;
    Hooks().calls.emplace_back("installhook");
    return TRUE;
}
BOOL SpyRemoveHook() {
    Hooks().bKeyboardInstalled = false;
    Hooks().bKeyboardOn = false;
    Hooks().calls.emplace_back("removehook");
    return TRUE;
}
BOOL SpyEnableHook(int bOn) {
    Hooks().bKeyboardOn = bOn != 0;
    Hooks().calls.emplace_back(bOn ? "enablehook 1" : "enablehook 0");
    return TRUE;
}
BOOL SpyWheel(int bOn) {
    Hooks().bWheelOn = bOn != 0;
    Hooks().calls.emplace_back(bOn ? "mousewheelenable 1" : "mousewheelenable 0");
    return TRUE;
}

std::wstring CellText(CPaintManagerUI* pManager, CControlUI* pRow, const wchar_t* pszName) {
    CControlUI* pCell = pManager->FindSubControlByName(pRow, pszName);
    return pCell != nullptr ? pCell->GetText().str() : L"?";
}

}  // namespace

HookState& Hooks() {
    static HookState s_state;
    return s_state;
}

const HookTable& SpyHookTable() {
    static const HookTable s_table{&SpyInstallMouseHook, &SpyRemoveMouseHook, &SpyEnableMouseHook, &SpyInstallHook,
                                   &SpyRemoveHook,       &SpyEnableHook,       &SpyWheel};
    return s_table;
}

std::vector<HookEvent> ShiftA(DWORD dwA, DWORD dwAUp, DWORD dwShiftUp) {
    return {{VK_LSHIFT, kDown, 0}, {'A', kDown, dwA}, {'A', kUp, dwAUp}, {VK_LSHIFT, kUp, dwShiftUp}};
}

void Post(HWND hWnd, const std::vector<HookEvent>& events) {
    for (const HookEvent& event : events) {
        g_dwFakeNow += event.dwAfterMs;
        ::PostMessageW(hWnd, WM_HOOKKEY, event.wParam, event.lParam);
        uikit::PumpUntilIdle();
    }
}

CControlUI* Control(HWND hWnd, const std::wstring& strName) { return uikit::FindControl(hWnd, strName.c_str()); }

std::wstring WindowClassOf(HWND hWnd) {
    wchar_t szClass[64] = {};
    ::GetClassNameW(hWnd, szClass, 64);
    return szClass;
}

bool ClickRow(HWND hWnd, const std::wstring& strList, int i) {
    auto* pList = static_cast<CListUI*>(Control(hWnd, strList));
    if (pList == nullptr || i < 0 || i >= pList->GetCount()) return false;
    pList->EnsureVisible(i);
    uikit::ManagerOf(hWnd)->UpdateLayout();
    return uikit::Click(pList->GetItemAt(i));
}

int SelectedRow(HWND hWnd, const std::wstring& strList) {
    auto* pList = static_cast<CListUI*>(Control(hWnd, strList));
    return pList != nullptr ? pList->GetCurSel() : -2;
}

std::vector<std::wstring> ActionRows(HWND hWnd, const std::wstring& strPrefix) {
    std::vector<std::wstring> rows;
    auto* pList = static_cast<CListUI*>(Control(hWnd, strPrefix + L"macro_action_list"));
    if (pList == nullptr) return rows;
    for (int i = 0; i < pList->GetCount(); ++i) {
        CControlUI* pRow = pList->GetItemAt(i);
        CPaintManagerUI* pManager = uikit::ManagerOf(hWnd);
        rows.push_back(CellText(pManager, pRow, L"key") + L"|" + CellText(pManager, pRow, L"action") + L"|" +
                       CellText(pManager, pRow, L"delay"));
    }
    return rows;
}

std::vector<std::wstring> MacroRows(HWND hWnd, const std::wstring& strPrefix) {
    std::vector<std::wstring> rows;
    auto* pList = static_cast<CListUI*>(Control(hWnd, strPrefix + L"macro_list"));
    if (pList == nullptr) return rows;
    for (int i = 0; i < pList->GetCount(); ++i) rows.push_back(pList->GetItemAt(i)->GetText().str());
    return rows;
}

std::string Action(uint8_t byKey, uint8_t byType, uint16_t wDelay) {
    char szText[32];
    std::snprintf(szText, sizeof szText, "%02X/%u/%u", byKey, byType, wDelay);
    return szText;
}

std::vector<std::string> ActionsOf(const MacroRecord& macro) {
    std::vector<std::string> actions;
    for (int i = 0; i < macro.iActionNum; ++i)
        actions.push_back(Action(macro.stActions[i].byKey, macro.stActions[i].byType, macro.stActions[i].wDelay));
    return actions;
}

void TypeAndLeave(HWND hWnd, const std::wstring& strEdit, const std::wstring& strText, const wchar_t* pszElsewhere) {
    CControlUI* pEdit = Control(hWnd, strEdit);
    ASSERT_NE(pEdit, nullptr) << std::string(strEdit.begin(), strEdit.end());
    ASSERT_TRUE(uikit::TypeText(pEdit, strText));
    // A click on something that takes no focus ends the edit's focus.
    ASSERT_TRUE(uikit::Click(hWnd, pszElsewhere));
    uikit::PumpUntilIdle();
}

void MacroDialogTestBase::SetUp() {
    dlgtest::DialogTest::SetUp();
    Hooks() = HookState{};
    g_dwFakeNow = 1000;
    g_dwRecordTick = 0;
    // No earlier recording in this process: the first event of every test is new.
    g_dwLastHookWParam = g_dwLastHookLParam = 0xFFFFFFFF;
    m_pfnPreviousClock = SetRecordClock(&FakeNow);
    m_previousHandler = SetFileDialogHandler([this](const FileDialogRequest& request) {
        m_fileRequests.push_back(request);
        if (m_filePaths.empty()) return std::wstring();
        std::wstring strPath = m_filePaths.front();
        m_filePaths.erase(m_filePaths.begin());
        return strPath;
    });
}

void MacroDialogTestBase::TearDown() {
    SetFileDialogHandler(m_previousHandler);
    SetRecordClock(m_pfnPreviousClock);
    dlgtest::DialogTest::TearDown();
}

void MacroDialogTestBase::Answer(CWindowWnd& wnd, const std::function<void(HWND)>& scenario) {
    if (auto* pBox = dynamic_cast<CMsgWnd*>(&wnd)) {
        m_boxes.push_back(pBox->m_strMessage.str());
        int iAnswer = 1;
        if (!m_boxAnswers.empty()) {
            iAnswer = m_boxAnswers.front();
            m_boxAnswers.erase(m_boxAnswers.begin());
        }
        uikit::Click(wnd.GetHWND(), iAnswer == 1 ? L"btn_ok" : L"btn_cancel");
        return;
    }
    scenario(wnd.GetHWND());
}

void ExpectEveryLanguageHas(const std::set<std::wstring>& ids) {
    EXPECT_EQ(uikit::TextsMissing(ids), std::vector<std::string>{});
}

bool IsRecording(HWND hWnd, const std::wstring& strPrefix) {
    auto* pButton = static_cast<CCheckBoxUI*>(Control(hWnd, strPrefix + L"macro_record_btn"));
    return pButton != nullptr && pButton->GetCheck();
}

void StartRecordingOn(HWND hWnd, const std::wstring& strPrefix, int iAction) {
    ASSERT_TRUE(ClickRow(hWnd, strPrefix + L"macro_list", 0));
    if (iAction >= 0) {
        ASSERT_TRUE(ClickRow(hWnd, strPrefix + L"macro_action_list", iAction));
    }
    ASSERT_TRUE(uikit::Click(hWnd, (strPrefix + L"macro_record_btn").c_str()));
    ASSERT_TRUE(IsRecording(hWnd, strPrefix));
}

void StopRecordingOn(HWND hWnd, const std::wstring& strPrefix) {
    ASSERT_TRUE(uikit::Click(hWnd, (strPrefix + L"macro_record_btn").c_str()));
    EXPECT_FALSE(IsRecording(hWnd, strPrefix));
}

}  // namespace macrotest
