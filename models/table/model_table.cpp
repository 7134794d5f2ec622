#include "model_table.h"

#include <cstdio>
#include <cwctype>

// number, subsystem, generation, cable product id, id byte, 4K index, Bluetooth product id,
// profile record layout
const std::array<ModelInfo, kModelCount> g_Models = {{
    {1, 2, 1, 0xFA61, 0x10, -1, 0, RecordLayout::Gen1A},
    {2, 2, 1, 0xFA71, 0x20, -1, 0, RecordLayout::Gen1A},
    {3, 4, 1, 0xFA72, 0x21, 0, 0, RecordLayout::Gen1C},
    {4, 4, 1, 0xFA73, 0x30, 1, 0, RecordLayout::Gen1C},
    {5, 4, 1, 0xFA74, 0x31, -1, 0, RecordLayout::Gen1C},
    {6, 5, 1, 0xFA75, 0x32, 2, 0x0032, RecordLayout::Gen1D},
    {7, 5, 1, 0xFA76, 0x33, -1, 0x0033, RecordLayout::Gen1C},
    {8, 3, 2, 0xFA77, 0x34, 3, 0x0034, RecordLayout::Gen2},
    {9, 5, 1, 0xFA78, 0x35, -1, 0x0035, RecordLayout::Gen1C},
    {10, 2, 1, 0xFA79, 0x36, -1, 0, RecordLayout::Gen1B},
    {11, 3, 2, 0xFA7A, 0x37, 4, 0x0037, RecordLayout::Gen2},
    {12, 3, 2, 0xFA7B, 0x38, 5, 0, RecordLayout::Gen2},
    {13, 3, 2, 0xFA7C, 0x39, 6, 0, RecordLayout::Gen2},
    {14, 6, 2, 0xFA7D, 0x3A, 7, 0x003A, RecordLayout::Gen2},
    {15, 8, 2, 0xFA24, 0x3D, 8, 0, RecordLayout::Gen2Sensor},
    {16, 6, 2, 0xFA26, 0x3F, 9, 0, RecordLayout::Gen2},
    {17, 8, 2, 0xFA29, 0x29, 10, 0, RecordLayout::Gen2Sensor},
    {18, 6, 2, 0xFA2A, 0x2A, -1, 0x002A, RecordLayout::Gen2},
    {19, 6, 2, 0xFA2B, 0x2B, -1, 0x002B, RecordLayout::Gen2},
    {20, 7, 2, 0xFA2C, 0x2C, -1, 0x002C, RecordLayout::Gen2},
    {21, 8, 2, 0x2250, 0x50, 11, 0x0250, RecordLayout::Gen2Sensor},
    {22, 7, 2, 0xFA2E, 0x2E, -1, 0x002E, RecordLayout::Gen2},
    {23, 7, 2, 0xFA2D, 0x2D, -1, 0x002D, RecordLayout::Gen2},
    {24, 8, 2, 0x2256, 0x56, 12, 0x0256, RecordLayout::Gen2Sensor},
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
