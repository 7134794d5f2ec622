#include "tests/kit/hidapi_sim/write_log.h"

#include "tests/kit/hidapi_sim/simhid.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace simhid {

namespace {

// Taken when the DLL is loaded, which is as the program starts.
const ULONGLONG g_ullStart = GetTickCount64();

// The file is opened for each line and closed again, so a watcher can read it at any time.
class LogFile {
public:
    explicit LogFile(const char* pszVariable) {
        const char* pszPath = std::getenv(pszVariable);
        if (pszPath != nullptr) m_strPath = pszPath;
    }
    bool On() const { return !m_strPath.empty(); }
    // Runs write(file) on the open file, after the line's time.
    template <class Write>
    void Line(Write write) {
        std::lock_guard<std::mutex> guard(m_lock);
        FILE* file = std::fopen(m_strPath.c_str(), "ab");
        if (file == nullptr) return;
        std::fprintf(file, "%llu", static_cast<unsigned long long>(GetTickCount64() - g_ullStart));
        write(file);
        std::fputs("\n", file);
        std::fclose(file);
    }

private:
    std::mutex m_lock;
    std::string m_strPath;
};

BOOL CALLBACK FindShownWindow(HWND hWnd, LPARAM lParam) {
    DWORD dwProcess = 0;
    ::GetWindowThreadProcessId(hWnd, &dwProcess);
    if (dwProcess != ::GetCurrentProcessId() || !::IsWindowVisible(hWnd)) return TRUE;
    *reinterpret_cast<bool*>(lParam) = true;
    return FALSE;
}

}  // namespace

void LogWrite(const std::string& path, int kind, const unsigned char* data, size_t length) {
    static LogFile log("SIMHID_LOG");
    if (!log.On()) return;
    log.Line([&](FILE* file) {
        std::fprintf(file, " %s %s", path.c_str(), kind == SIMHID_FEATURE ? "feature" : "output");
        for (size_t i = 0; i < length; ++i) std::fprintf(file, " %02X", data[i]);
    });
}

void LogEnumeration(unsigned short vendorId, unsigned short productId) {
    static LogFile log("SIMHID_ENUM_LOG");
    if (!log.On()) return;
    bool bShown = false;
    ::EnumWindows(&FindShownWindow, reinterpret_cast<LPARAM>(&bShown));
    log.Line([&](FILE* file) {
        std::fprintf(file, " enumerate %lu %d %04X %04X", ::GetCurrentThreadId(), bShown ? 1 : 0, vendorId, productId);
    });
}

}  // namespace simhid
