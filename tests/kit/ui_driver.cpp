#include "tests/kit/ui_driver.h"

#include <cwchar>
#include <string>
#include <utility>

#include "ui/resource/language_table.h"

namespace uikit {

namespace {

LPARAM PointToLParam(POINT pt) { return MAKELPARAM(static_cast<WORD>(pt.x), static_cast<WORD>(pt.y)); }

HWND KeyTarget(HWND hWnd) {
    HWND hFocus = ::GetFocus();
    if (hFocus != nullptr && (hFocus == hWnd || ::IsChild(hWnd, hFocus))) return hFocus;
    return hWnd;
}

// The control can be reached with the pointer at its centre: visible all the way up and the
// top-most control there is the control itself or a part of it.
bool Reachable(DuiLib::CControlUI* pControl, POINT pt) {
    DuiLib::CPaintManagerUI* pManager = pControl->GetManager();
    if (pManager == nullptr || !pControl->IsVisibleInTree()) return false;
    DuiLib::CControlUI* pHit = pManager->FindControl(pt);
    return pHit != nullptr && pControl->IsAncestorOf(pHit);
}

void MovePointer(HWND hWnd, POINT pt) {
    POINT ptScreen = pt;
    ::ClientToScreen(hWnd, &ptScreen);
    ::SetCursorPos(ptScreen.x, ptScreen.y);
    ::SendMessageW(hWnd, WM_MOUSEMOVE, 0, PointToLParam(pt));
}

}  // namespace

DuiLib::CPaintManagerUI* ManagerOf(HWND hWnd) { return DuiLib::CPaintManagerUI::FromWindow(hWnd); }

DuiLib::CControlUI* FindControl(HWND hWnd, LPCWSTR pstrName) {
    DuiLib::CPaintManagerUI* pManager = ManagerOf(hWnd);
    return pManager ? pManager->FindControl(pstrName) : nullptr;
}

POINT CenterOf(DuiLib::CControlUI* pControl) {
    if (pControl->GetManager() != nullptr) pControl->GetManager()->UpdateLayout();
    const RECT& rc = pControl->GetPos();
    return POINT{(rc.left + rc.right) / 2, (rc.top + rc.bottom) / 2};
}

bool HoverOver(DuiLib::CControlUI* pControl) {
    if (pControl == nullptr || pControl->GetManager() == nullptr) return false;
    const POINT pt = CenterOf(pControl);
    if (!Reachable(pControl, pt)) return false;
    MovePointer(pControl->GetManager()->GetPaintWindow(), pt);
    return true;
}

bool Click(DuiLib::CControlUI* pControl) {
    if (!HoverOver(pControl)) return false;
    const HWND hWnd = pControl->GetManager()->GetPaintWindow();
    const POINT pt = CenterOf(pControl);
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(pt));
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, PointToLParam(pt));
    return true;
}

bool Click(HWND hWnd, LPCWSTR pstrName) { return Click(FindControl(hWnd, pstrName)); }

bool PressAndReleaseAt(DuiLib::CControlUI* pControl, POINT ptRelease) {
    if (!HoverOver(pControl)) return false;
    const HWND hWnd = pControl->GetManager()->GetPaintWindow();
    ::SendMessageW(hWnd, WM_LBUTTONDOWN, MK_LBUTTON, PointToLParam(CenterOf(pControl)));
    MovePointer(hWnd, ptRelease);
    ::SendMessageW(hWnd, WM_LBUTTONUP, 0, PointToLParam(ptRelease));
    return true;
}

bool Wheel(DuiLib::CControlUI* pControl, int iDelta) {
    if (!HoverOver(pControl)) return false;
    const HWND hWnd = pControl->GetManager()->GetPaintWindow();
    POINT ptScreen = CenterOf(pControl);
    ::ClientToScreen(hWnd, &ptScreen);
    ::SendMessageW(hWnd, WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(static_cast<short>(iDelta))),
                   PointToLParam(ptScreen));
    return true;
}

void PressKey(HWND hWnd, UINT uVirtualKey) {
    const HWND hTarget = KeyTarget(hWnd);
    const LPARAM lScan = static_cast<LPARAM>(::MapVirtualKeyW(uVirtualKey, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageW(hTarget, WM_KEYDOWN, uVirtualKey, lScan | 1);
    ::PostMessageW(hTarget, WM_KEYUP, uVirtualKey, lScan | 1 | 0xC0000000);
    PumpUntilIdle();
}

void PressAltF4(HWND hWnd) {
    const LPARAM lScan = static_cast<LPARAM>(::MapVirtualKeyW(VK_F4, MAPVK_VK_TO_VSC)) << 16;
    ::PostMessageW(hWnd, WM_SYSKEYDOWN, VK_F4, lScan | 1 | 0x20000000);  // bit 29: Alt is down
    ::PostMessageW(hWnd, WM_SYSKEYUP, VK_F4, lScan | 1 | 0xE0000000);
    PumpUntilIdle();
}

bool TypeText(DuiLib::CControlUI* pControl, const std::wstring& sText) {
    if (!Click(pControl)) return false;
    const HWND hTarget = KeyTarget(pControl->GetManager()->GetPaintWindow());
    for (wchar_t ch : sText) ::PostMessageW(hTarget, WM_CHAR, ch, 1);
    PumpUntilIdle();
    return true;
}

bool PumpUntilIdle(DWORD dwTimeoutMs) {
    const ULONGLONG ullEnd = ::GetTickCount64() + dwTimeoutMs;
    MSG msg;
    while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            // Left for the loop that owns it.
            ::PostQuitMessage(static_cast<int>(msg.wParam));
            return true;
        }
        if (!DuiLib::CPaintManagerUI::TranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        if (::GetTickCount64() > ullEnd) return false;
    }
    return true;
}

bool PumpUntil(const std::function<bool()>& pred, DWORD dwTimeoutMs) {
    const ULONGLONG ullEnd = ::GetTickCount64() + dwTimeoutMs;
    while (!pred()) {
        const ULONGLONG ullNow = ::GetTickCount64();
        if (ullNow >= ullEnd) break;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(ullEnd - ullNow), QS_ALLINPUT);
        PumpUntilIdle(static_cast<DWORD>(ullEnd - ullNow));
    }
    return pred();
}

ModalAnswer::ModalAnswer(Action action) : m_action(std::move(action)) {
    DuiLib::CWindowWnd::SetModalStartHook([this](DuiLib::CWindowWnd& wnd) {
        m_classes.emplace_back(wnd.GetWindowClassName());
        if (m_action) m_action(wnd);
    });
}

ModalAnswer::~ModalAnswer() { DuiLib::CWindowWnd::SetModalStartHook(nullptr); }

ModalAnswer::Action ModalAnswer::ClickControl(std::wstring sName) {
    return [sName = std::move(sName)](DuiLib::CWindowWnd& wnd) { Click(wnd.GetHWND(), sName.c_str()); };
}

ModalAnswer::Action ModalAnswer::Key(UINT uVirtualKey) {
    // Posted only: the modal loop that is starting delivers it.
    return [uVirtualKey](DuiLib::CWindowWnd& wnd) {
        const HWND hTarget = KeyTarget(wnd.GetHWND());
        ::PostMessageW(hTarget, WM_KEYDOWN, uVirtualKey, 1);
        ::PostMessageW(hTarget, WM_KEYUP, uVirtualKey, 1 | 0xC0000000);
    };
}

ModalAnswer::Action ModalAnswer::AltF4() {
    return [](DuiLib::CWindowWnd& wnd) {
        ::PostMessageW(wnd.GetHWND(), WM_SYSKEYDOWN, VK_F4, 1 | 0x20000000);
        ::PostMessageW(wnd.GetHWND(), WM_SYSKEYUP, VK_F4, 1 | 0xE0000000);
    };
}

uint32_t Capture::At(int x, int y) const {
    if (x < 0 || y < 0 || x >= cx || y >= cy) return 0xFFFFFFFF;
    return pixels[static_cast<size_t>(y) * static_cast<size_t>(cx) + static_cast<size_t>(x)];
}

int Capture::CountNot(const RECT& rc, uint32_t rgb) const {
    int n = 0;
    for (int y = rc.top; y < rc.bottom; ++y) {
        for (int x = rc.left; x < rc.right; ++x) {
            if (At(x, y) != rgb) ++n;
        }
    }
    return n;
}

Capture CaptureWindow(HWND hWnd) {
    Capture capture;
    RECT rc;
    if (!::GetClientRect(hWnd, &rc) || rc.right <= 0 || rc.bottom <= 0) return capture;
    capture.cx = rc.right;
    capture.cy = rc.bottom;
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = capture.cx;
    bmi.bmiHeader.biHeight = -capture.cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    void* pBits = nullptr;
    HBITMAP hBitmap = ::CreateDIBSection(nullptr, &bmi, DIB_RGB_COLORS, &pBits, nullptr, 0);
    HDC hDC = ::CreateCompatibleDC(nullptr);
    HGDIOBJ hOld = ::SelectObject(hDC, hBitmap);
    ::SendMessageW(hWnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(hDC), PRF_CLIENT);
    ::GdiFlush();
    const auto* p = static_cast<const uint32_t*>(pBits);
    capture.pixels.assign(p, p + static_cast<size_t>(capture.cx) * static_cast<size_t>(capture.cy));
    for (uint32_t& px : capture.pixels) px &= 0x00FFFFFF;
    ::SelectObject(hDC, hOld);
    ::DeleteDC(hDC);
    ::DeleteObject(hBitmap);
    return capture;
}

namespace {

DuiLib::CControlUI* AddTextIds(DuiLib::CControlUI* pControl, LPVOID pData) {
    auto* pIds = static_cast<std::set<std::wstring>*>(pData);
    if (pControl->IsResourceText() && !pControl->GetTextSource().IsEmpty()) pIds->insert(pControl->GetTextSource().str());
    if (!pControl->GetToolTip().IsEmpty()) pIds->insert(pControl->GetToolTip().str());
    return nullptr;
}

}  // namespace

void CollectTextIds(HWND hWnd, std::set<std::wstring>& ids) {
    DuiLib::CPaintManagerUI* pManager = ManagerOf(hWnd);
    if (pManager == nullptr || pManager->GetRoot() == nullptr) return;
    pManager->GetRoot()->FindControl(&AddTextIds, &ids, DuiLib::UIFIND_ALL | DuiLib::UIFIND_ME_FIRST);
}

std::vector<std::string> TextsMissing(const std::set<std::wstring>& ids) {
    std::vector<std::string> missing;
    wchar_t szExe[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, szExe, MAX_PATH);
    std::wstring strFolder = szExe;
    strFolder.resize(strFolder.find_last_of(L"\\/") + 1);
    for (const char* pszLang : {"EN", "CN", "YUENAN"}) {
        const std::string strLang = pszLang;
        DuiLib::CLanguageTable table;
        if (!table.LoadFromFile((strFolder + L"res\\lan\\" + std::wstring(strLang.begin(), strLang.end()) + L".xml").c_str())) {
            missing.push_back(strLang + " cannot be read");
            continue;
        }
        for (const std::wstring& id : ids) {
            const std::wstring* pText = table.Find(id.c_str());
            if (pText == nullptr || pText->empty()) missing.push_back(strLang + " lacks " + std::string(id.begin(), id.end()));
        }
    }
    return missing;
}

std::vector<HWND> OpenMenuWindows() {
    std::vector<HWND> menus;
    ::EnumThreadWindows(
        ::GetCurrentThreadId(),
        [](HWND hWnd, LPARAM lParam) -> BOOL {
            wchar_t szClass[64] = {};
            ::GetClassNameW(hWnd, szClass, 64);
            if (wcscmp(szClass, L"DuiMenuWnd") == 0 && ::IsWindowVisible(hWnd))
                reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(hWnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&menus));
    return menus;
}

}  // namespace uikit
