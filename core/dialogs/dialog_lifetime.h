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
