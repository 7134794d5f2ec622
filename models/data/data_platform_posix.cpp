// The data library on POSIX: the native build the sanitizer and fuzz runs use. Paths go to the
// system as UTF-8; names compare case-blind per UTF-16 unit by the C library's Unicode upper case
// (the C.UTF-8 locale's, whatever locale the process runs in), as Windows' ordinal comparison does.
#include "models/data/data_platform.h"

#include <cerrno>
#include <chrono>
#include <cwctype>
#include <thread>

#include <fcntl.h>
#include <locale.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr char32_t kReplacement = 0xFFFD;

std::string Utf8Of(std::wstring_view strText) {
    std::string strOut;
    strOut.reserve(strText.size());
    for (wchar_t wch : strText) {
        char32_t ch = static_cast<char32_t>(wch);
        if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kReplacement;
        if (ch < 0x80) {
            strOut += static_cast<char>(ch);
        } else if (ch < 0x800) {
            strOut += static_cast<char>(0xC0 | (ch >> 6));
            strOut += static_cast<char>(0x80 | (ch & 0x3F));
        } else if (ch < 0x10000) {
            strOut += static_cast<char>(0xE0 | (ch >> 12));
            strOut += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            strOut += static_cast<char>(0x80 | (ch & 0x3F));
        } else {
            strOut += static_cast<char>(0xF0 | (ch >> 18));
            strOut += static_cast<char>(0x80 | ((ch >> 12) & 0x3F));
            strOut += static_cast<char>(0x80 | ((ch >> 6) & 0x3F));
            strOut += static_cast<char>(0x80 | (ch & 0x3F));
        }
    }
    return strOut;
}

// A file descriptor closed once.
class OwnedFd {
public:
    explicit OwnedFd(int fd) : m_fd(fd) {}
    ~OwnedFd() { Close(); }
    OwnedFd(const OwnedFd&) = delete;
    OwnedFd& operator=(const OwnedFd&) = delete;
    bool Valid() const { return m_fd >= 0; }
    int Get() const { return m_fd; }
    bool Close() {
        if (m_fd < 0) return true;
        const int fd = m_fd;
        m_fd = -1;
        return ::close(fd) == 0;
    }

private:
    int m_fd;
};

bool WriteAll(int fd, const uint8_t* pData, size_t uSize) {
    size_t uDone = 0;
    while (uDone < uSize) {
        const ssize_t n = ::write(fd, pData + uDone, uSize - uDone);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        uDone += static_cast<size_t>(n);
    }
    return true;
}

FileOpStatus StatusOfErrno() {
    switch (errno) {
        case EEXIST: return FileOpStatus::Exists;
        case EBUSY:
        case ETXTBSY: return FileOpStatus::Conflict;
        default: return FileOpStatus::Failed;
    }
}

}  // namespace

NameString NameFromText(std::wstring_view strText) {
    NameString strName;
    strName.reserve(strText.size());
    for (wchar_t wch : strText) {
        char32_t ch = static_cast<char32_t>(wch);
        if (ch > 0x10FFFF || (ch >= 0xD800 && ch <= 0xDFFF)) ch = kReplacement;
        if (ch < 0x10000) {
            strName += static_cast<char16_t>(ch);
        } else {
            ch -= 0x10000;
            strName += static_cast<char16_t>(0xD800 + (ch >> 10));
            strName += static_cast<char16_t>(0xDC00 + (ch & 0x3FF));
        }
    }
    return strName;
}

std::wstring TextFromName(NameView strName) {
    std::wstring strText;
    strText.reserve(strName.size());
    for (size_t i = 0; i < strName.size(); ++i) {
        const char32_t ch = strName[i];
        if (ch >= 0xD800 && ch <= 0xDBFF && i + 1 < strName.size() && strName[i + 1] >= 0xDC00 &&
            strName[i + 1] <= 0xDFFF) {
            strText += static_cast<wchar_t>(0x10000 + ((ch - 0xD800) << 10) + (strName[i + 1] - 0xDC00));
            ++i;
        } else {
            strText += static_cast<wchar_t>(ch >= 0xD800 && ch <= 0xDFFF ? kReplacement : ch);
        }
    }
    return strText;
}

namespace {
wint_t UpperOf(char16_t ch) {
    static const locale_t unicode = ::newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(nullptr));
    if (ch >= 0xD800 && ch <= 0xDFFF) return ch;  // half a pair has no case
    return unicode != static_cast<locale_t>(nullptr) ? ::towupper_l(ch, unicode) : std::towupper(ch);
}
}  // namespace

bool NamesEqualNoCase(NameView strA, NameView strB) {
    if (strA.size() != strB.size()) return false;
    for (size_t i = 0; i < strA.size(); ++i)
        if (UpperOf(strA[i]) != UpperOf(strB[i])) return false;
    return true;
}

std::wstring FileKeyOf(const std::wstring& strPath) {
    // File names are case-sensitive here: the key is the absolute path as the system sees it.
    std::string strFull = Utf8Of(strPath);
    if (strFull.empty() || strFull.front() != '/') {
        char szCwd[4096];
        if (::getcwd(szCwd, sizeof szCwd) != nullptr) strFull = std::string(szCwd) + "/" + strFull;
    }
    return std::wstring(strFull.begin(), strFull.end());
}

ReadStatus ReadFileBytes(const std::wstring& strPath, std::vector<uint8_t>& bytes, uint64_t uMaxBytes) {
    bytes.clear();
    OwnedFd file(::open(Utf8Of(strPath).c_str(), O_RDONLY | O_CLOEXEC));
    if (!file.Valid()) return (errno == ENOENT || errno == ENOTDIR) ? ReadStatus::NotFound : ReadStatus::Failed;
    struct stat info {};
    if (::fstat(file.Get(), &info) != 0 || !S_ISREG(info.st_mode) || info.st_size < 0 ||
        static_cast<uint64_t>(info.st_size) > uMaxBytes)
        return ReadStatus::Failed;
    bytes.resize(static_cast<size_t>(info.st_size));
    size_t uDone = 0;
    while (uDone < bytes.size()) {
        const ssize_t n = ::read(file.Get(), bytes.data() + uDone, bytes.size() - uDone);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            bytes.clear();
            return ReadStatus::Failed;
        }
        uDone += static_cast<size_t>(n);
    }
    return ReadStatus::Ok;
}

bool WriteNewFile(const std::wstring& strPath, const std::vector<uint8_t>& bytes) {
    const std::string strFile = Utf8Of(strPath);
    OwnedFd file(::open(strFile.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (!file.Valid()) return false;
    bool bWritten = WriteAll(file.Get(), bytes.data(), bytes.size()) && ::fsync(file.Get()) == 0;
    bWritten = file.Close() && bWritten;
    if (!bWritten) ::unlink(strFile.c_str());
    return bWritten;
}

FileOpStatus MoveOverFile(const std::wstring& strFrom, const std::wstring& strTo) {
    return ::rename(Utf8Of(strFrom).c_str(), Utf8Of(strTo).c_str()) == 0 ? FileOpStatus::Ok : StatusOfErrno();
}

FileOpStatus RenameNoReplace(const std::wstring& strFrom, const std::wstring& strTo) {
    // A hard link is made only under a free name; the old name goes once the new one stands.
    const std::string strOld = Utf8Of(strFrom);
    if (::link(strOld.c_str(), Utf8Of(strTo).c_str()) != 0) return StatusOfErrno();
    ::unlink(strOld.c_str());
    return FileOpStatus::Ok;
}

FileOpStatus CopyNoReplace(const std::wstring& strFrom, const std::wstring& strTo) {
    std::vector<uint8_t> bytes;
    if (ReadFileBytes(strFrom, bytes, UINT64_MAX) != ReadStatus::Ok) return FileOpStatus::Failed;
    const std::string strCopy = Utf8Of(strTo);
    OwnedFd file(::open(strCopy.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (!file.Valid()) return StatusOfErrno();
    bool bWritten = WriteAll(file.Get(), bytes.data(), bytes.size()) && ::fsync(file.Get()) == 0;
    bWritten = file.Close() && bWritten;
    if (bWritten) return FileOpStatus::Ok;
    ::unlink(strCopy.c_str());
    return FileOpStatus::Failed;
}

bool DeleteFileAt(const std::wstring& strPath) { return ::unlink(Utf8Of(strPath).c_str()) == 0; }

PathKind KindOfPath(const std::wstring& strPath) {
    struct stat info {};
    if (::stat(Utf8Of(strPath).c_str(), &info) != 0) return PathKind::None;
    return S_ISDIR(info.st_mode) ? PathKind::Folder : PathKind::File;
}

bool CreateOneFolder(const std::wstring& strPath) {
    return ::mkdir(Utf8Of(strPath).c_str(), 0755) == 0 || errno == EEXIST;
}

void PauseMs(unsigned uMilliseconds) { std::this_thread::sleep_for(std::chrono::milliseconds(uMilliseconds)); }
