// The common file dialogs through one door: the macro and profile imports and exports ask here
// for a file to open or to save, and tests answer here instead of the system's dialog windows.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

struct FileDialogRequest {
    bool bSave = false;               // a save dialog (asks before overwriting), else an open dialog
    std::wstring strFilterName;       // "Macro File"
    std::wstring strPattern;          // "*.macro;*.MACRO"
    std::wstring strDefaultExtension; // "macro" (save dialogs), appended when the user types none
    std::wstring strInitialFolder;    // where the dialog starts
};

// Shows the request's dialog owned by hOwner and returns the chosen path; empty when the user
// cancelled. An open dialog takes only a file that exists, in a folder that exists.
std::wstring AskFilePath(HWND hOwner, const FileDialogRequest& request);

// While set, AskFilePath hands every request to the handler instead of showing a dialog; its
// result is taken as the user's choice. Returns the handler it replaces (empty for none).
using FileDialogHandler = std::function<std::wstring(const FileDialogRequest& request)>;
FileDialogHandler SetFileDialogHandler(FileDialogHandler handler);
