// The common file dialogs a page opens to import and export profiles and macros, behind one seam:
// the program uses GetOpenFileNameW and GetSaveFileNameW, tests install an answerer of their own.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

struct FileDialogRequest {
    HWND hOwner = nullptr;
    bool bSave = false;
    std::wstring strFilterName;  // "Profile File"
    std::wstring strPattern;     // "*.pro;*.PRO"
    std::wstring strDefaultExt;  // "pro": added to a typed name without an extension (save only)
};

// The path the user chose, or nothing when the dialog was cancelled or failed.
using FileDialogFn = std::optional<std::wstring> (*)(const FileDialogRequest& request);

std::optional<std::wstring> AskFilePath(const FileDialogRequest& request);
// Installs `pfn` (null: the system dialogs) and returns the one it replaces.
FileDialogFn InstallFileDialog(FileDialogFn pfn);
