#include "models/table/model_table.h"

#include <cstdio>
#include <cwctype>

// Each model's identity, from its description (models/ms_N/model.cmake).
const std::array<ModelInfo, kModelCount> g_Models = {{
#include "models/model_rows.inc"
}};

const ModelInfo* FindModel(int iNumber) {
    if (iNumber < 1 || iNumber > kModelCount) return nullptr;
    return &g_Models[static_cast<size_t>(iNumber - 1)];
}

int ModelNumberFromIdByte(uint8_t byIdByte) {
    for (const ModelInfo& m : g_Models)
        if (m.byIdByte == byIdByte) return m.iNumber;
    return 0;
}

int FourKIndexFromIdByte(uint8_t byIdByte) {
    for (const ModelInfo& m : g_Models)
        if (m.byIdByte == byIdByte) return m.iFourKIndex;
    return -1;
}

int ModelNumberFrom4kIndex(int iFourKIndex) {
    if (iFourKIndex < 0) return 0;
    for (const ModelInfo& m : g_Models)
        if (m.iFourKIndex == iFourKIndex) return m.iNumber;
    return 0;
}

namespace {
std::wstring Format(const wchar_t* pattern, int n) {
    wchar_t buf[64];
    std::swprintf(buf, 64, pattern, n);
    return buf;
}
}  // namespace

std::wstring DriverLibraryName(int n) {
    return Format(n <= 6 ? L"hiddriver_%d.dll" : L"hiddriver_ms_%d.dll", n);
}
std::wstring ControlPrefix(int n) { return Format(L"ms_%d_", n); }
std::wstring VirtualWindowName(int n) { return Format(L"MS_%d_Page", n); }
std::wstring SkinFolder(int n) { return Format(L"MS/MS_%d/", n); }
std::wstring PickerSkinFolder(int n) { return Format(n >= 14 ? L"MS/ms_%d/" : L"MS/MS_%d/", n); }
std::wstring DataFolderName(int n) { return Format(L"ms_%d", n); }

std::wstring BleProductMatch(int n) {
    const ModelInfo* m = FindModel(n);
    if (m == nullptr || !m->HasBle()) return L"";
    return Format(L"PID&%04X", m->wBlePid);
}

bool IsBleInterfaceOf(int n, std::wstring_view strName) {
    const std::wstring strProduct = BleProductMatch(n);
    if (strProduct.empty() || strName.empty()) return false;
    const bool bFoldsCase = n >= 14;
    std::wstring strSeen(strName);
    if (bFoldsCase)
        for (wchar_t& c : strSeen) c = static_cast<wchar_t>(std::towupper(c));
    const wchar_t* pszVendor = bFoldsCase ? L"VID&02045E" : L"VID&02045e";
    return strSeen.find(pszVendor) != std::wstring::npos && strSeen.find(strProduct) != std::wstring::npos;
}
