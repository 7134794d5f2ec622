#include "core/dialogs/file_dialog.h"

#include <commdlg.h>

#include <utility>
#include <vector>

namespace {

FileDialogHandler& Handler() {
    static FileDialogHandler s_handler;
    return s_handler;
}

// "Macro File\0*.macro;*.MACRO\0\0", as the dialogs take their filter.
std::wstring FilterOf(const FileDialogRequest& request) {
    std::wstring strFilter = request.strFilterName;
    strFilter.push_back(L'\0');
    strFilter += request.strPattern;
    strFilter.push_back(L'\0');
    strFilter.push_back(L'\0');
    return strFilter;
}

using FileDialogFn = BOOL(WINAPI*)(OPENFILENAMEW*);

// The common dialogs' library is loaded the first time a file dialog opens, not at start: most
// runs never show one. It stays loaded for the rest of the run.
FileDialogFn DialogFunction(bool bSave) {
    static const HMODULE hLibrary = ::LoadLibraryW(L"comdlg32.dll");
    if (hLibrary == nullptr) return nullptr;
    return reinterpret_cast<FileDialogFn>(
        reinterpret_cast<void*>(::GetProcAddress(hLibrary, bSave ? "GetSaveFileNameW" : "GetOpenFileNameW")));
}

}  // namespace

FileDialogHandler SetFileDialogHandler(FileDialogHandler handler) {
    return std::exchange(Handler(), std::move(handler));
}

std::wstring AskFilePath(HWND hOwner, const FileDialogRequest& request) {
    if (Handler()) return Handler()(request);

    // Room for long paths: a path that does not fit would make the dialog fail.
    std::vector<wchar_t> buffer(32768, L'\0');
    const std::wstring strFilter = FilterOf(request);
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = hOwner;
    ofn.lpstrFilter = strFilter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = buffer.data();
    ofn.nMaxFile = static_cast<DWORD>(buffer.size());
    ofn.lpstrInitialDir = request.strInitialFolder.empty() ? nullptr : request.strInitialFolder.c_str();
    ofn.lpstrDefExt = request.strDefaultExtension.empty() ? nullptr : request.strDefaultExtension.c_str();
    ofn.Flags = request.bSave ? OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY
                              : OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    // Without the library no dialog can show: the same as a cancel.
    const FileDialogFn pfnShow = DialogFunction(request.bSave);
    const BOOL bChosen = pfnShow != nullptr && pfnShow(&ofn);
    return bChosen ? std::wstring(buffer.data()) : std::wstring();
}
