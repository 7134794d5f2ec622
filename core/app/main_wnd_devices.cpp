// The start-up's second half and the pages of the mice found: a page starts (its skin, its
// worker, its driver library, its data) only once its mouse is there.
#include "core/app/main_wnd.h"

#include "models/table/model_table.h"

#include <cwctype>

using namespace DuiLib;

namespace {

// Windows names a cabled mouse's interfaces with its ids ("...VID_1D57&PID_FA10...").
bool NamesCabledMouse(int n, const std::wstring& strName) {
    wchar_t szIds[32];
    _snwprintf(szIds, 32, L"VID_%04X&PID_%04X", kMouseVendorId, FindModel(n)->wCablePid);
    szIds[31] = L'\0';
    std::wstring strUpper = strName;
    for (wchar_t& c : strUpper) c = static_cast<wchar_t>(std::towupper(c));
    return strUpper.find(szIds) != std::wstring::npos;
}

}  // namespace

void CMainWnd::StartDevices() {
    if (m_bDevicesStarted || m_bShuttingDown) return;
    m_bDevicesStarted = true;
    // The tray icon carries the program's name in the chosen language. Under a shell that
    // refuses the icon the program carries on without it.
    m_TrayIcon.CreateTrayIcon(m_hWnd, 107, LanguageTextOf(L"mouse_name_text").c_str(), 0);
    LoadHookDll();
    // One look at what is there serves the receivers, the cabled mice and the Bluetooth mice.
    const CHidCensus census = CHidCensus::Take();
    m_Receivers.Open(ReceiverKind::Wireless, census);
    m_Receivers.Open(ReceiverKind::Wireless4k, census);
    for (int n = 1; n <= kModelCount; ++n) {
        const ModelInfo& info = *FindModel(n);
        DevicesFound found;
        found.bBlePaired = info.HasBle() && census.Has(kBluetoothVendorId, info.wBlePid);
        if (found.bBlePaired || census.Has(kMouseVendorId, info.wCablePid)) ActivatePage(n, found);
    }
}

bool CMainWnd::ActivatePage(int n, const DevicesFound& found) {
    CPageBase* page = Page(n);
    if (page == nullptr || PageActive(n) || m_bShuttingDown) return false;
    m_bPageActive[static_cast<size_t>(n - 1)] = true;
    // The page's skin goes into its slot of the tab layout, so tab n stays model n's.
    const std::wstring strSlot = ControlPrefix(n) + L"page_slot";
    const std::wstring strSkin = SkinFolder(n) + ControlPrefix(n) + L"page.xml";
    if (CControlUI* pSlot = m_PaintManager.FindControl(strSlot.c_str())) {
        CDialogBuilder builder;
        if (builder.Create(strSkin.c_str(), static_cast<UINT>(0), nullptr, &m_PaintManager, pSlot) == nullptr)
            OutputDebugStringW((L"page skin not built: " + strSkin + L"\n").c_str());
    }
    AddVirtualWnd(VirtualWindowName(n).c_str(), page);
    page->Attach(PageContext{m_hWnd, &m_PaintManager, &m_HookTable});
    page->SetDevicesFound(found);
    page->InitPage();
    page->LoadData();
    return true;
}

void CMainWnd::ActivateArrivingModel(const std::wstring& strName) {
    if (!m_bDevicesStarted) return;  // the first look finds it
    for (int n = 1; n <= kModelCount; ++n) {
        if (PageActive(n)) continue;
        if (NamesCabledMouse(n, strName)) {
            ActivatePage(n, DevicesFound{false, true});
        } else if (FindModel(n)->HasBle() && IsBleInterfaceOf(n, strName)) {
            ActivatePage(n, DevicesFound{true, false});
        }
    }
}
