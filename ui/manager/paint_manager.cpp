// CPaintManagerUI: lifetime, the control tree and its bookkeeping, notifications, timers and the
// process-wide statics. Input is in paint_manager_input.cpp, painting in paint_manager_paint.cpp.
#include "ui/manager/paint_manager.h"

#include <algorithm>
#include <mutex>

#include "ui/base/dui_trace.h"
#include "ui/control/container.h"
#include "ui/manager/ui_thread.h"
#include "ui/resource/resource_manager.h"

namespace DuiLib {

namespace {

// Folder of a loaded module's file, with a trailing backslash; empty when the name cannot be
// read. The buffer grows until the whole name fits, up to the longest path Windows handles.
std::wstring ModuleFolder(HMODULE hModule) {
    constexpr DWORD kLongestPath = 32768;
    std::wstring sName;
    for (DWORD dwSize = MAX_PATH; dwSize <= kLongestPath * 2; dwSize *= 2) {
        sName.resize(dwSize);
        const DWORD dwLength = ::GetModuleFileNameW(hModule, sName.data(), dwSize);
        if (dwLength == 0) return {};
        if (dwLength < dwSize) {
            const size_t uLastSeparator = sName.find_last_of(L"\\/", dwLength);
            return uLastSeparator == std::wstring::npos ? std::wstring() : sName.substr(0, uLastSeparator + 1);
        }
    }
    return {};
}

struct SharedState {
    HINSTANCE hInstance = nullptr;
    CDuiString sResourcePath;
    int iResourceType = 1;
    std::vector<CPaintManagerUI*> managers;  // UI thread only
};

SharedState& Shared() {
    static SharedState s_state;
    return s_state;
}

std::wstring LowerCase(LPCWSTR psz) {
    std::wstring s(psz ? psz : L"");
    if (!s.empty()) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

template <typename T>
bool AddUnique(std::vector<T*>& list, T* p) {
    if (p == nullptr || std::find(list.begin(), list.end(), p) != list.end()) return false;
    list.push_back(p);
    return true;
}

template <typename T>
bool RemoveOne(std::vector<T*>& list, T* p) {
    auto it = std::find(list.begin(), list.end(), p);
    if (it == list.end()) return false;
    list.erase(it);
    return true;
}

CControlUI* FindFromPoint(CControlUI* pThis, LPVOID /*pData*/) { return pThis; }

CControlUI* FindFromName(CControlUI* pThis, LPVOID pData) {
    return pThis->GetName() == static_cast<LPCWSTR>(pData) ? pThis : nullptr;
}

}  // namespace

CPaintManagerUI::CPaintManagerUI() = default;

CPaintManagerUI::~CPaintManagerUI() {
    m_bTearingDown = true;
    for (UINT_PTR uWinTimer : m_timers.Clear()) {
        if (m_hWndPaint != nullptr) ::KillTimer(m_hWndPaint, uWinTimer);
    }
    if (m_bMouseCapture && ::GetCapture() == m_hWndPaint) ::ReleaseCapture();
    DeleteDelayedCleanup();
    m_mNameHash.clear();
    m_mOptionGroup.clear();
    delete m_pRoot;
    m_pRoot = nullptr;
    auto& managers = Shared().managers;
    managers.erase(std::remove(managers.begin(), managers.end(), this), managers.end());
    CResourceManager::GetInstance()->RemovePaintManager(this);
}

void CPaintManagerUI::Init(HWND hWnd) {
    m_hWndPaint = hWnd;
    auto& managers = Shared().managers;
    if (std::find(managers.begin(), managers.end(), this) == managers.end()) managers.push_back(this);
    CResourceManager::GetInstance()->AddPaintManager(this);
    CUiThread::Attach();
}

SIZE CPaintManagerUI::GetClientSize() const {
    RECT rc{0, 0, 0, 0};
    if (m_hWndPaint != nullptr) ::GetClientRect(m_hWndPaint, &rc);
    return SIZE{rc.right - rc.left, rc.bottom - rc.top};
}

void CPaintManagerUI::SetInitSize(int cx, int cy) {
    m_szInitWindowSize = SIZE{cx, cy};
    if (m_hWndPaint != nullptr && cx > 0 && cy > 0) {
        ::SetWindowPos(m_hWndPaint, nullptr, 0, 0, cx, cy, SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
    }
}

void CPaintManagerUI::AddFont(int id, LPCWSTR pStrFontName, int nSize, bool bBold, bool bUnderline, bool bItalic,
                              bool bDefault) {
    m_fonts.Add(id, pStrFontName, nSize, bBold, bUnderline, bItalic, bDefault);
}

HFONT CPaintManagerUI::GetFont(int id) {
    CFontTable& shared = CResourceManager::GetInstance()->GetSharedFonts();
    if (id >= 0) {
        if (HFONT hFont = m_fonts.Get(id)) return hFont;
        if (HFONT hFont = shared.Get(id)) return hFont;
    }
    if (HFONT hFont = m_fonts.GetDefault()) return hFont;
    if (HFONT hFont = shared.GetDefault()) return hFont;
    return CFontTable::GetSystemDefault();
}

void CPaintManagerUI::AddDefaultAttributeList(LPCWSTR pStrControlName, LPCWSTR pStrControlAttrList) {
    if (pStrControlName == nullptr) return;
    m_defaultAttributes[LowerCase(pStrControlName)] = pStrControlAttrList ? pStrControlAttrList : L"";
}

LPCWSTR CPaintManagerUI::GetDefaultAttributeList(LPCWSTR pStrControlName) const {
    auto it = m_defaultAttributes.find(LowerCase(pStrControlName));
    if (it != m_defaultAttributes.end()) return it->second.c_str();
    return CResourceManager::GetInstance()->GetSharedDefaultAttributes(pStrControlName);
}

bool CPaintManagerUI::AttachDialog(CControlUI* pControl) {
    if (pControl == nullptr) return false;
    if (m_pRoot != nullptr && m_pRoot != pControl) {
        ReapTree(m_pRoot);
        AddDelayedCleanup(m_pRoot);
    }
    m_pRoot = pControl;
    m_bUpdateNeeded = true;
    m_bFirstLayout = true;
    return InitControls(pControl, nullptr);
}

bool CPaintManagerUI::InitControls(CControlUI* pControl, CControlUI* pParent) {
    if (pControl == nullptr) return false;
    pControl->SetManager(this, pParent != nullptr ? pParent : pControl->GetParent(), true);
    NeedUpdate();
    return true;
}

CControlUI* CPaintManagerUI::FindControl(LPCWSTR pstrName) const {
    if (pstrName == nullptr || *pstrName == L'\0') return nullptr;
    auto it = m_mNameHash.find(pstrName);
    return it == m_mNameHash.end() ? nullptr : it->second;
}

CControlUI* CPaintManagerUI::FindControl(POINT pt) {
    UpdateLayout();
    if (m_pRoot == nullptr) return nullptr;
    return m_pRoot->FindControl(FindFromPoint, &pt, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindSubControlByPoint(CControlUI* pParent, POINT pt) {
    UpdateLayout();
    if (pParent == nullptr) pParent = m_pRoot;
    if (pParent == nullptr) return nullptr;
    return pParent->FindControl(FindFromPoint, &pt, UIFIND_VISIBLE | UIFIND_HITTEST | UIFIND_TOP_FIRST);
}

CControlUI* CPaintManagerUI::FindSubControlByName(CControlUI* pParent, LPCWSTR pstrName) const {
    if (pParent == nullptr) pParent = m_pRoot;
    if (pParent == nullptr || pstrName == nullptr || *pstrName == L'\0') return nullptr;
    return pParent->FindControl(FindFromName, const_cast<LPWSTR>(pstrName), UIFIND_ALL | UIFIND_ME_FIRST);
}

void CPaintManagerUI::RegisterControl(CControlUI* pControl) {
    const CDuiString sName = pControl->GetName();
    if (sName.IsEmpty()) return;
    m_mNameHash.emplace(sName.str(), pControl);  // the first control joined keeps the name
}

void CPaintManagerUI::RenameControl(CControlUI* pControl, const CDuiString& sOldName) {
    if (!IsInTree(pControl)) return;
    if (!sOldName.IsEmpty()) {
        auto it = m_mNameHash.find(sOldName.str());
        if (it != m_mNameHash.end() && it->second == pControl) m_mNameHash.erase(it);
    }
    const CDuiString sName = pControl->GetName();
    if (!sName.IsEmpty()) m_mNameHash.emplace(sName.str(), pControl);
}

void CPaintManagerUI::ReapObjects(CControlUI* pControl) {
    if (m_bTearingDown || pControl == nullptr) return;
    if (m_pEventHover == pControl) m_pEventHover = nullptr;
    if (m_pEventClick == pControl) {
        m_pEventClick = nullptr;
        ReleaseCapture();
    }
    if (m_pFocus == pControl) m_pFocus = nullptr;
    for (UINT_PTR uWinTimer : m_timers.RemoveAll(pControl)) {
        if (m_hWndPaint != nullptr) ::KillTimer(m_hWndPaint, uWinTimer);
    }
    const CDuiString sName = pControl->GetName();
    if (!sName.IsEmpty()) {
        auto it = m_mNameHash.find(sName.str());
        if (it != m_mNameHash.end() && it->second == pControl) m_mNameHash.erase(it);
    }
    for (auto& [sGroup, members] : m_mOptionGroup) {
        members.erase(std::remove(members.begin(), members.end(), pControl), members.end());
    }
}

void CPaintManagerUI::ReapTree(CControlUI* pControl) {
    if (m_bTearingDown || pControl == nullptr) return;
    // Hover, capture and focus may sit on a part that is not a searchable child (a scroll bar).
    if (pControl->IsAncestorOf(m_pEventHover)) m_pEventHover = nullptr;
    if (pControl->IsAncestorOf(m_pEventClick)) {
        m_pEventClick = nullptr;
        ReleaseCapture();
    }
    if (pControl->IsAncestorOf(m_pFocus)) m_pFocus = nullptr;
    pControl->FindControl(
        [](CControlUI* pThis, LPVOID pData) -> CControlUI* {
            static_cast<CPaintManagerUI*>(pData)->ReapObjects(pThis);
            return nullptr;
        },
        this, UIFIND_ALL);
}

void CPaintManagerUI::AddDelayedCleanup(CControlUI* pControl) {
    if (pControl == nullptr) return;
    m_aDelayedCleanup.push_back(pControl);
    // Without a window the control waits for the manager's destruction.
    if (!m_bCleanupPosted && m_hWndPaint != nullptr) {
        m_bCleanupPosted = ::PostMessageW(m_hWndPaint, WM_DUI_DELAYEDCLEANUP, 0, 0) != FALSE;
    }
}

void CPaintManagerUI::OnWindowDestroyed() {
    m_timers.Clear();
    m_pEventClick = nullptr;
    m_bMouseCapture = false;
    m_pEventHover = nullptr;
    m_bCleanupPosted = false;
    auto& managers = Shared().managers;
    managers.erase(std::remove(managers.begin(), managers.end(), this), managers.end());
    CResourceManager::GetInstance()->RemovePaintManager(this);
    m_hWndPaint = nullptr;
}

void CPaintManagerUI::DeleteDelayedCleanup() {
    std::vector<CControlUI*> controls;
    controls.swap(m_aDelayedCleanup);
    m_bCleanupPosted = false;
    for (CControlUI* pControl : controls) delete pControl;
}

void CPaintManagerUI::OnControlUnavailable(CControlUI* pControl) {
    if (m_bTearingDown || pControl == nullptr) return;
    if (pControl->IsAncestorOf(m_pEventHover)) SetHover(nullptr, m_ptLastMousePos);
    if (pControl->IsAncestorOf(m_pEventClick)) {
        m_pEventClick = nullptr;
        ReleaseCapture();
    }
    if (pControl->IsAncestorOf(m_pFocus)) SetFocus(nullptr, false);
}

bool CPaintManagerUI::IsInTree(const CControlUI* pControl) const {
    if (pControl == nullptr || m_pRoot == nullptr || pControl->GetManager() != this) return false;
    return m_pRoot->IsAncestorOf(pControl);
}

bool CPaintManagerUI::AddOptionGroup(LPCWSTR pStrGroupName, CControlUI* pControl) {
    if (pStrGroupName == nullptr || *pStrGroupName == L'\0' || pControl == nullptr) return false;
    auto& members = m_mOptionGroup[pStrGroupName];
    if (std::find(members.begin(), members.end(), pControl) != members.end()) return false;
    members.push_back(pControl);
    return true;
}

const std::vector<CControlUI*>& CPaintManagerUI::GetOptionGroup(LPCWSTR pStrGroupName) const {
    static const std::vector<CControlUI*> s_empty;
    if (pStrGroupName == nullptr) return s_empty;
    auto it = m_mOptionGroup.find(pStrGroupName);
    return it == m_mOptionGroup.end() ? s_empty : it->second;
}

void CPaintManagerUI::RemoveOptionGroup(LPCWSTR pStrGroupName, CControlUI* pControl) {
    if (m_bTearingDown || pStrGroupName == nullptr) return;
    auto it = m_mOptionGroup.find(pStrGroupName);
    if (it == m_mOptionGroup.end()) return;
    auto& members = it->second;
    members.erase(std::remove(members.begin(), members.end(), pControl), members.end());
    if (members.empty()) m_mOptionGroup.erase(it);
}

void CPaintManagerUI::SetFocus(CControlUI* pControl, bool bFocusWnd) {
    if (pControl != nullptr && (!IsInTree(pControl) || !pControl->IsVisibleInTree() || !pControl->IsEnabled())) {
        pControl = nullptr;
    }
    if (bFocusWnd && m_hWndPaint != nullptr) {
        // Window focus first: a native child window giving up focus may end its control's focus
        // on its own, and must do so before the new control's focus begins.
        HWND hFocus = ::GetFocus();
        if (hFocus != m_hWndPaint && !(pControl == m_pFocus && hFocus != nullptr && ::IsChild(m_hWndPaint, hFocus))) {
            ::SetFocus(m_hWndPaint);
        }
    }
    if (pControl == m_pFocus) return;
    if (CControlUI* pOld = m_pFocus) {
        m_pFocus = nullptr;
        SendEvent(pOld, UIEVENT_KILLFOCUS, m_ptLastMousePos);
        SendNotify(pOld, DUI_MSGTYPE_KILLFOCUS);
    }
    // The old control's handler may have moved focus itself or removed the new control.
    if (pControl != nullptr && m_pFocus == nullptr && IsInTree(pControl) && pControl->IsVisibleInTree() &&
        pControl->IsEnabled()) {
        m_pFocus = pControl;
        SendEvent(pControl, UIEVENT_SETFOCUS, m_ptLastMousePos);
        SendNotify(pControl, DUI_MSGTYPE_SETFOCUS);
    }
}

bool CPaintManagerUI::SetNextTabControl(bool bForward) {
    if (m_pRoot == nullptr) return false;
    std::vector<CControlUI*> focusable;
    m_pRoot->FindControl(
        [](CControlUI* pThis, LPVOID pData) -> CControlUI* {
            if ((pThis->GetControlFlags() & UIFLAG_TABSTOP) != 0 && pThis->IsEnabled() && pThis->IsKeyboardEnabled() &&
                pThis->IsVisibleInTree()) {
                static_cast<std::vector<CControlUI*>*>(pData)->push_back(pThis);
            }
            return nullptr;
        },
        &focusable, UIFIND_VISIBLE | UIFIND_ME_FIRST);
    if (focusable.empty()) return false;
    auto it = std::find(focusable.begin(), focusable.end(), m_pFocus);
    size_t iNext = 0;
    if (it == focusable.end()) {
        iNext = bForward ? 0 : focusable.size() - 1;
    } else {
        size_t iCur = static_cast<size_t>(it - focusable.begin());
        iNext = bForward ? (iCur + 1) % focusable.size() : (iCur + focusable.size() - 1) % focusable.size();
    }
    SetFocus(focusable[iNext]);
    // A control the keyboard reaches is shown, also when it was scrolled away.
    if (m_pFocus == focusable[iNext]) BringIntoView(m_pFocus);
    return true;
}

void CPaintManagerUI::SetCapture() {
    if (m_hWndPaint == nullptr) return;
    ::SetCapture(m_hWndPaint);
    m_bMouseCapture = true;
}

void CPaintManagerUI::ReleaseCapture() {
    if (!m_bMouseCapture) return;
    m_bMouseCapture = false;
    if (::GetCapture() == m_hWndPaint) ::ReleaseCapture();
}

bool CPaintManagerUI::SetTimer(CControlUI* pControl, UINT nTimerID, UINT uElapse) {
    if (m_hWndPaint == nullptr || pControl == nullptr) return false;
    UINT_PTR uWinTimer = m_timers.Add(pControl, nTimerID);
    if (uWinTimer == 0) return false;
    if (::SetTimer(m_hWndPaint, uWinTimer, uElapse, nullptr) == 0) {
        m_timers.Remove(pControl, nTimerID, uWinTimer);
        return false;
    }
    return true;
}

bool CPaintManagerUI::KillTimer(CControlUI* pControl, UINT nTimerID) {
    UINT_PTR uWinTimer = 0;
    if (!m_timers.Remove(pControl, nTimerID, uWinTimer)) return false;
    if (m_hWndPaint != nullptr) ::KillTimer(m_hWndPaint, uWinTimer);
    return true;
}

void CPaintManagerUI::KillTimer(CControlUI* pControl) {
    for (UINT_PTR uWinTimer : m_timers.RemoveAll(pControl)) {
        if (m_hWndPaint != nullptr) ::KillTimer(m_hWndPaint, uWinTimer);
    }
}

void CPaintManagerUI::RemoveAllTimers() {
    for (UINT_PTR uWinTimer : m_timers.Clear()) {
        if (m_hWndPaint != nullptr) ::KillTimer(m_hWndPaint, uWinTimer);
    }
}

bool CPaintManagerUI::AddNotifier(INotifyUI* pNotifier) { return AddUnique(m_aNotifiers, pNotifier); }

bool CPaintManagerUI::RemoveNotifier(INotifyUI* pNotifier) { return RemoveOne(m_aNotifiers, pNotifier); }

void CPaintManagerUI::SendNotify(TNotifyUI& Msg, bool /*bAsync*/) {
    Msg.ptMouse = m_ptLastMousePos;
    Msg.dwTimestamp = ::GetTickCount();
    if (Msg.pSender != nullptr && Msg.sVirtualWnd.IsEmpty()) Msg.sVirtualWnd = Msg.pSender->GetVirtualWnd();
    // A listener may remove itself (or another) while being notified.
    const std::vector<INotifyUI*> notifiers = m_aNotifiers;
    for (INotifyUI* pNotifier : notifiers) {
        if (std::find(m_aNotifiers.begin(), m_aNotifiers.end(), pNotifier) != m_aNotifiers.end()) pNotifier->Notify(Msg);
    }
}

void CPaintManagerUI::SendNotify(CControlUI* pControl, LPCWSTR pstrMessage, WPARAM wParam, LPARAM lParam, bool bAsync) {
    TNotifyUI Msg;
    Msg.pSender = pControl;
    Msg.sType = pstrMessage;
    Msg.wParam = wParam;
    Msg.lParam = lParam;
    SendNotify(Msg, bAsync);
}

bool CPaintManagerUI::AddPreMessageFilter(IMessageFilterUI* pFilter) { return AddUnique(m_aPreMessageFilters, pFilter); }

bool CPaintManagerUI::RemovePreMessageFilter(IMessageFilterUI* pFilter) {
    return RemoveOne(m_aPreMessageFilters, pFilter);
}

bool CPaintManagerUI::AddMessageFilter(IMessageFilterUI* pFilter) { return AddUnique(m_aMessageFilters, pFilter); }

bool CPaintManagerUI::RemoveMessageFilter(IMessageFilterUI* pFilter) { return RemoveOne(m_aMessageFilters, pFilter); }

HINSTANCE CPaintManagerUI::GetInstance() {
    SharedState& shared = Shared();
    return shared.hInstance != nullptr ? shared.hInstance : ::GetModuleHandleW(nullptr);
}

void CPaintManagerUI::SetInstance(HINSTANCE hInst) { Shared().hInstance = hInst; }

CDuiString CPaintManagerUI::GetInstancePath() { return CDuiString(ModuleFolder(GetInstance()).c_str()); }

CDuiString CPaintManagerUI::GetCurrentPath() {
    wchar_t szPath[MAX_PATH + 1] = {0};
    DWORD n = ::GetCurrentDirectoryW(MAX_PATH, szPath);
    if (n == 0 || n >= MAX_PATH) return CDuiString();
    return CDuiString(szPath);
}

CDuiString CPaintManagerUI::GetResourcePath() { return Shared().sResourcePath; }

void CPaintManagerUI::SetResourcePath(LPCWSTR pStrPath) {
    CDuiString sPath(pStrPath);
    sPath.Replace(L"/", L"\\");
    if (!sPath.IsEmpty() && sPath[sPath.GetLength() - 1] != L'\\') sPath += L'\\';
    Shared().sResourcePath = sPath;
}

int CPaintManagerUI::GetResourceType() { return Shared().iResourceType; }

void CPaintManagerUI::SetResourceType(int nType) {
    if (nType != 1) DUITRACE(L"Resource type %d is not supported; skins are read as plain files\r\n", nType);
    Shared().iResourceType = 1;
}

void CPaintManagerUI::MessageLoop() {
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
}

bool CPaintManagerUI::TranslateMessage(const LPMSG pMsg) {
    if (pMsg == nullptr || pMsg->hwnd == nullptr) return false;
    // The window the message is for, or the nearest parent (not owner) that has a manager.
    for (HWND hWnd = pMsg->hwnd; hWnd != nullptr; hWnd = ::GetAncestor(hWnd, GA_PARENT)) {
        if (CPaintManagerUI* pManager = FromWindow(hWnd)) {
            LRESULT lRes = 0;
            return pManager->PreMessageHandler(pMsg->message, pMsg->wParam, pMsg->lParam, lRes);
        }
        if ((::GetWindowLongW(hWnd, GWL_STYLE) & WS_CHILD) == 0) break;
    }
    return false;
}

void CPaintManagerUI::Term() {
    CUiThread::Detach();
    CResourceManager::GetInstance()->Release();
}

CPaintManagerUI* CPaintManagerUI::FromWindow(HWND hWnd) {
    if (hWnd == nullptr) return nullptr;
    for (CPaintManagerUI* pManager : Shared().managers) {
        if (pManager->m_hWndPaint == hWnd) return pManager;
    }
    return nullptr;
}

void CPaintManagerUI::DeletePtr(void* ptr) {
    // The records handed out this way are plain structs allocated with new.
    ::operator delete(ptr);
}

bool CPaintManagerUI::RunOnUiThread(std::function<void()> fn) { return CUiThread::Post(std::move(fn)); }

bool CPaintManagerUI::IsUiThread() { return CUiThread::IsUiThread(); }

}  // namespace DuiLib
