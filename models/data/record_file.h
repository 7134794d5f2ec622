// Whole-file reads and atomic writes of the data files: a save writes a temporary file beside the
// target and moves it over the target, so a crash never leaves a truncated file behind.
#pragma once

#include "models/data/data_platform.h"

#include <cstdint>
#include <string>
#include <vector>

// Reads the whole file. NotFound only when the file or its folder does not exist; any other
// failure (sharing, access, read error, absurd size) is Failed.
ReadStatus ReadWholeFile(const std::wstring& strPath, std::vector<uint8_t>& bytes);

// Writes the bytes to strPath + ".tmp" and moves that over strPath, holding the file's FileLock.
// A replace that meets the file held open by another program is tried again for about a second.
// False when anything failed; the target is then as it was.
bool WriteFileAtomically(const std::wstring& strPath, const std::vector<uint8_t>& bytes);

// Creates the folder and any missing parent; true when it exists afterwards.
bool EnsureFolder(const std::wstring& strFolder);

// strFolder and strName joined by exactly one separator (a backslash on Windows).
std::wstring JoinPath(const std::wstring& strFolder, const std::wstring& strName);

// Damaged files are kept as strPath + ".bad", then ".bad1", ".bad2", ...: a copy kept by an
// earlier run is never replaced. The search for a free name stops after this many names.
constexpr int kAsideNameCount = 100;
// The iNumber-th name a damaged file can be kept under (0 is ".bad").
std::wstring AsidePath(const std::wstring& strPath, int iNumber);
// Renames a damaged file to the first free aside name, or copies it there when the file stays in
// place. False when no name was free or the rename or copy failed: nothing is kept then, and the
// caller must not write over the file.
bool MoveAside(const std::wstring& strPath);
bool CopyAside(const std::wstring& strPath);
