#include "file_dialog.h"

#include <commdlg.h>

#include <atomic>
#include <vector>

namespace {

std::optional<std::wstring> SystemFileDialog(const FileDialogRequest& request) {
    // The filter is a list of name/pattern pairs, each ended by a null, the list by another.
    std::wstring strFilter = request.strFilterName + L'\0' + request.strPattern + L'\0' + L'\0';
    std::vector<wchar_t> path(32768, L'\0');
    OPENFILENAMEW ofn = {};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = request.hOwner;
    ofn.lpstrFilter = strFilter.c_str();
    ofn.lpstrFile = path.data();
    ofn.nMaxFile = static_cast<DWORD>(path.size());
    ofn.lpstrDefExt = request.strDefaultExt.empty() ? nullptr : request.strDefaultExt.c_str();
    ofn.Flags = OFN_EXPLORER | OFN_NOCHANGEDIR |
                (request.bSave ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST);
    const BOOL bChosen = request.bSave ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
    if (!bChosen) return std::nullopt;
    return std::wstring(path.data());
}

std::atomic<FileDialogFn> g_pfnDialog{nullptr};

}  // namespace

std::optional<std::wstring> AskFilePath(const FileDialogRequest& request) {
    const FileDialogFn pfn = g_pfnDialog.load();
    return pfn != nullptr ? pfn(request) : SystemFileDialog(request);
}

FileDialogFn InstallFileDialog(FileDialogFn pfn) { return g_pfnDialog.exchange(pfn); }
