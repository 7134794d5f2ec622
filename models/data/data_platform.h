// What the data library asks of the operating system, in one place: the text type of record
// names, their comparison without regard to case, and the few file operations the data files
// need. The program uses the Win32 side (data_platform_win32.cpp); the POSIX side
// (data_platform_posix.cpp) lets the library build natively for the sanitizer and fuzz runs. CMake
// compiles exactly one of them. Paths are wide strings on both; the POSIX side hands them to the
// system as UTF-8.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Records hold names as UTF-16 code units: wchar_t on Windows, which every window and dialog takes
// as it is, and char16_t where wchar_t is wider.
#ifdef _WIN32
using NameChar = wchar_t;
constexpr wchar_t kPathSeparator = L'\\';
#else
using NameChar = char16_t;
constexpr wchar_t kPathSeparator = L'/';
#endif
static_assert(sizeof(NameChar) == 2, "records hold UTF-16 names");
using NameString = std::basic_string<NameChar>;
using NameView = std::basic_string_view<NameChar>;

// A record name made from a language text, and a name shown as text (the same string on Windows).
NameString NameFromText(std::wstring_view strText);
std::wstring TextFromName(NameView strName);

// Equal without regard to case, ordinal, as upper-case letters.
bool NamesEqualNoCase(NameView strA, NameView strB);

// The key a file is locked by: its full path, upper-cased where the file system ignores case.
std::wstring FileKeyOf(const std::wstring& strPath);

enum class ReadStatus : uint8_t { Ok, NotFound, Failed };
// Reads the whole file. NotFound only when the file or its folder does not exist; any other
// failure (sharing, access, read error, a size over uMaxBytes) is Failed.
ReadStatus ReadFileBytes(const std::wstring& strPath, std::vector<uint8_t>& bytes, uint64_t uMaxBytes);

// Creates or truncates the file, writes every byte and flushes it to the disk; true only when all
// of that succeeded and the file was closed without an error.
bool WriteNewFile(const std::wstring& strPath, const std::vector<uint8_t>& bytes);

enum class FileOpStatus : uint8_t {
    Ok,
    Exists,     // the target name is taken
    Conflict,   // another program holds the file for a moment (sharing, lock, access)
    Failed,
};
// Moves strFrom over strTo, replacing it, written through to the disk.
FileOpStatus MoveOverFile(const std::wstring& strFrom, const std::wstring& strTo);
// Renames or copies strFrom to strTo, never over an existing file.
FileOpStatus RenameNoReplace(const std::wstring& strFrom, const std::wstring& strTo);
FileOpStatus CopyNoReplace(const std::wstring& strFrom, const std::wstring& strTo);
bool DeleteFileAt(const std::wstring& strPath);

enum class PathKind : uint8_t { None, File, Folder };
PathKind KindOfPath(const std::wstring& strPath);
// Creates one folder; true when it exists afterwards (made now or already there).
bool CreateOneFolder(const std::wstring& strPath);

// Waits before a retry.
void PauseMs(unsigned uMilliseconds);
