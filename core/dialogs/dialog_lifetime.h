// How the shared dialogs end: callers build them on their stack and leave m_bAutoDelete 0, so
// the object outlives its window and the caller reads the results afterwards. A dialog created
// with new and m_bAutoDelete set deletes itself after its window's last message.
#pragma once

#include <windows.h>

#include "ui/ui.h"

template <typename TDialog>
void FinishDialogWindow(TDialog* pDialog, HWND hWnd) {
    pDialog->DuiLib::WindowImplBase::OnFinalMessage(hWnd);
    if (pDialog->m_bAutoDelete) delete pDialog;
}

// The calling sequence of a modal dialog: a WS_POPUP tool window owned by hOwner (the main
// window, or the dialog that opens it), 800 x 800 until its skin gives the size, centred, run
// modally. Returns ShowModal's result (1 only for the dialog's OK), 0 when it cannot be created.
inline UINT RunModalDialog(DuiLib::CWindowWnd& dialog, HWND hOwner, LPCWSTR pszWindowName) {
    if (dialog.Create(hOwner, pszWindowName, WS_POPUP | WS_VISIBLE, WS_EX_TOOLWINDOW, 0, 0, 800, 800) == nullptr) return 0;
    dialog.CenterWindow();
    return dialog.ShowModal();
}
