#include "core/page/driver_library.h"

#include <vector>

bool CDriverLibrary::Load(const std::wstring& strPath) {
    Unload();
    HMODULE hModule = LoadLibraryW(strPath.c_str());
    if (hModule == nullptr) return false;
    DriverTable table;
    // A library that lacks any entry point is not used at all.
    if (!ResolveDriverTable(hModule, table)) {
        FreeLibrary(hModule);
        return false;
    }
    m_hModule = hModule;
    m_table = table;
    return true;
}

bool CDriverLibrary::SetVidPid(int iVid, int iPid) const {
    return Loaded() && m_table.pfnSetVIDPID(iVid, iPid) != FALSE;
}

bool CDriverLibrary::OpenDevMonitor(HWND hWnd, UINT uDataMsg, UINT uLinkMsg) const {
    return Loaded() && m_table.pfnOpenDevMonitor(hWnd, uDataMsg, uLinkMsg) != FALSE;
}

bool CDriverLibrary::OpenFeatureDevice() const { return Loaded() && m_table.pfnOpenFeatureDevice() != FALSE; }

bool CDriverLibrary::CloseFeatureDevice() const { return Loaded() && m_table.pfnCloseFeatureDevice() != FALSE; }

bool CDriverLibrary::SetFeature(const unsigned char* pBuffer, int iLength) const {
    if (!Loaded() || pBuffer == nullptr || iLength <= 0) return false;
    // The library's entry takes a writable buffer; it gets a copy of its own.
    std::vector<unsigned char> buffer(pBuffer, pBuffer + iLength);
    return m_table.pfnSetFeature(buffer.data(), iLength) != FALSE;
}

void CDriverLibrary::Unload() {
    if (m_hModule == nullptr) return;
    m_table.pfnCloseFeatureDevice();
    m_table.pfnCloseDevMonitor();
    FreeLibrary(m_hModule);
    m_hModule = nullptr;
    m_table = DriverTable{};
}
