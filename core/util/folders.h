// The program's folder (driver libraries, Hook.dll, res\) and the data folder beside it
// (the settings file and one folder per model). Paths of any length are returned whole.
#pragma once

#include <windows.h>

#include <string>

// The whole file name of a loaded module, however long; empty when it cannot be read. nullptr
// names the program itself. The program's one way to a module's path (the skin library, which
// depends on nothing of ours, has its own).
std::wstring GetModuleFilePath(HMODULE hModule);

// Folder of a loaded module's file, with a trailing backslash; empty when the name cannot be
// read. nullptr names the program itself.
std::wstring GetModuleFolder(HMODULE hModule);

// Folder of the program file, with a trailing backslash.
std::wstring GetExeFolder();

// The folder "Data" in the given program folder (which ends in a backslash), with a trailing
// backslash; created when missing.
std::wstring DataFolderBeside(const std::wstring& strProgramFolder);

// The folder "Data" beside the program, with a trailing backslash. It is created when missing
// (a failure shows later, when a file in it cannot be written), so it exists after the first
// call.
std::wstring GetDataFolder();
