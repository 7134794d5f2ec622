#include "models/data/record_file.h"

#include "models/data/file_lock.h"

#include <iterator>

namespace {

constexpr uint64_t kMaxFileBytes = 512ULL * 1024 * 1024;  // far above any data file this program writes

// An antivirus or an indexer may hold the file open for a moment just when it is replaced; the
// replace is tried again a few times, a little later each time, before it counts as failed.
constexpr unsigned kReplaceRetryDelaysMs[] = {10, 30, 60, 120, 250, 500};

bool ReplaceWithRetries(const std::wstring& strTemp, const std::wstring& strPath) {
    for (size_t i = 0;; ++i) {
        const FileOpStatus eStatus = MoveOverFile(strTemp, strPath);
        if (eStatus == FileOpStatus::Ok) return true;
        if (i == std::size(kReplaceRetryDelaysMs) || eStatus != FileOpStatus::Conflict) return false;
        PauseMs(kReplaceRetryDelaysMs[i]);
    }
}

}  // namespace

ReadStatus ReadWholeFile(const std::wstring& strPath, std::vector<uint8_t>& bytes) {
    return ReadFileBytes(strPath, bytes, kMaxFileBytes);
}

bool WriteFileAtomically(const std::wstring& strPath, const std::vector<uint8_t>& bytes) {
    // The temporary name is fixed per file, so only one writer of the file may use it at a time.
    const FileLock lock(strPath);
    const std::wstring strTemp = strPath + L".tmp";
    if (!WriteNewFile(strTemp, bytes)) return false;
    if (ReplaceWithRetries(strTemp, strPath)) return true;
    DeleteFileAt(strTemp);
    return false;
}

bool EnsureFolder(const std::wstring& strFolder) {
    std::wstring strPath = strFolder;
    while (!strPath.empty() && (strPath.back() == L'\\' || strPath.back() == L'/')) strPath.pop_back();
    if (strPath.empty()) return false;
    const PathKind eKind = KindOfPath(strPath);
    if (eKind != PathKind::None) return eKind == PathKind::Folder;
    const size_t uSlash = strPath.find_last_of(L"\\/");
    if (uSlash != std::wstring::npos && uSlash > 0 && strPath[uSlash - 1] != L':')
        EnsureFolder(strPath.substr(0, uSlash));
    return CreateOneFolder(strPath);
}

std::wstring JoinPath(const std::wstring& strFolder, const std::wstring& strName) {
    if (strFolder.empty()) return strName;
    if (strFolder.back() == L'\\' || strFolder.back() == L'/') return strFolder + strName;
    return strFolder + kPathSeparator + strName;
}

std::wstring AsidePath(const std::wstring& strPath, int iNumber) {
    return iNumber == 0 ? strPath + L".bad" : strPath + L".bad" + std::to_wstring(iNumber);
}

namespace {

// Tries keep(aside name) on each free aside name in turn. A name taken between the look and the
// attempt moves on to the next; any other failure ends the search.
template <class Keep>
bool KeepAside(const std::wstring& strPath, Keep keep) {
    for (int i = 0; i < kAsideNameCount; ++i) {
        const std::wstring strAside = AsidePath(strPath, i);
        if (KindOfPath(strAside) != PathKind::None) continue;
        const FileOpStatus eStatus = keep(strAside);
        if (eStatus == FileOpStatus::Ok) return true;
        if (eStatus != FileOpStatus::Exists) return false;
    }
    return false;
}

}  // namespace

bool MoveAside(const std::wstring& strPath) {
    // Never over a kept copy.
    return KeepAside(strPath, [&](const std::wstring& strAside) { return RenameNoReplace(strPath, strAside); });
}

bool CopyAside(const std::wstring& strPath) {
    return KeepAside(strPath, [&](const std::wstring& strAside) { return CopyNoReplace(strPath, strAside); });
}
