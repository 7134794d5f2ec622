#include "dialogs/file_dialog.h"

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
    BOOL bChosen = FALSE;
    if (request.bSave) {
        ofn.Flags = OFN_OVERWRITEPROMPT | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        bChosen = ::GetSaveFileNameW(&ofn);
    } else {
        ofn.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
        bChosen = ::GetOpenFileNameW(&ofn);
    }
    return bChosen ? std::wstring(buffer.data()) : std::wstring();
}
