#include "write_log.h"

#include "simhid.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <mutex>

namespace simhid {

namespace {

// Taken when the DLL is loaded, which is as the program starts.
const ULONGLONG g_ullStart = GetTickCount64();

// The file is opened for each line and closed again, so a watcher can read it at any time.
struct LogFile {
    std::mutex lock;
    std::string strPath;

    LogFile() {
        const char* pszPath = std::getenv("SIMHID_LOG");
        if (pszPath != nullptr) strPath = pszPath;
    }
};

LogFile& Log() {
    static LogFile log;
    return log;
}

}  // namespace

void LogWrite(const std::string& path, int kind, const unsigned char* data, size_t length) {
    LogFile& log = Log();
    if (log.strPath.empty()) return;
    std::lock_guard<std::mutex> guard(log.lock);
    FILE* file = std::fopen(log.strPath.c_str(), "ab");
    if (file == nullptr) return;
    std::fprintf(file, "%llu %s %s", static_cast<unsigned long long>(GetTickCount64() - g_ullStart), path.c_str(),
                 kind == SIMHID_FEATURE ? "feature" : "output");
    for (size_t i = 0; i < length; ++i) std::fprintf(file, " %02X", data[i]);
    std::fputs("\n", file);
    std::fclose(file);
}

}  // namespace simhid
