#include "core/app/autostart.h"

#include <vector>

#include "core/util/unique_handle.h"

namespace {

struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Empty() { return nullptr; }
    static bool IsSet(Handle h) { return h != nullptr; }
    static bool Close(Handle h) { return RegCloseKey(h) == ERROR_SUCCESS; }
};

using RegKey = UniqueHandle<RegKeyTraits>;

// The key under HKEY_LOCAL_MACHINE, opened for reading and writing; empty when it cannot be.
RegKey OpenMachineKey(const std::wstring& subKey) {
    HKEY hKey = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, subKey.c_str(), 0, KEY_ALL_ACCESS, &hKey) != ERROR_SUCCESS) return RegKey();
    return RegKey(hKey);
}

bool ReadString(HKEY key, const wchar_t* name, std::wstring& out) {
    DWORD type = 0, bytes = 0;
    if (RegQueryValueExW(key, name, nullptr, &type, nullptr, &bytes) != ERROR_SUCCESS || type != REG_SZ) return false;
    // Exactly the stored size: no room for the terminator a reader may add on its own, so an
    // unterminated value shows as one.
    std::vector<wchar_t> buf(bytes / sizeof(wchar_t) + 1, L'\0');
    DWORD size = bytes;
    if (RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(buf.data()), &size) != ERROR_SUCCESS ||
        type != REG_SZ || size % sizeof(wchar_t) != 0)
        return false;
    const size_t n = size / sizeof(wchar_t);
    if (n == 0 || buf[n - 1] != L'\0') return false;  // not terminated: not a value we wrote
    out.assign(buf.data(), n - 1);
    return true;
}

}  // namespace

CAutostart::CAutostart(std::wstring exePath, std::wstring runKey)
    : m_exePath(std::move(exePath)), m_runKey(std::move(runKey)) {}

std::wstring CAutostart::CommandLine() const { return L"\"" + m_exePath + L"\" -auto"; }

bool CAutostart::IsRegistered() const {
    const RegKey key = OpenMachineKey(m_runKey);
    if (!key) return false;
    std::wstring value;
    if (!ReadString(key.Get(), kProgramName, value)) return false;
    const std::wstring unquoted = m_exePath + L" -auto";
    return _wcsicmp(value.c_str(), CommandLine().c_str()) == 0 || _wcsicmp(value.c_str(), unquoted.c_str()) == 0;
}

bool CAutostart::Register() const {
    const RegKey key = OpenMachineKey(m_runKey);
    if (!key) return false;
    const std::wstring text = CommandLine();
    const LSTATUS status = RegSetValueExW(key.Get(), kProgramName, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                                          static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
    return status == ERROR_SUCCESS;
}

void CAutostart::Unregister() const {
    const RegKey key = OpenMachineKey(m_runKey);
    if (key) RegDeleteValueW(key.Get(), kProgramName);
}
