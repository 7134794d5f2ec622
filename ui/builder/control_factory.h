// The control classes a skin can name: element name (case-insensitive) → new control.
// The library's own classes are in the table of control_classes.cpp; a program can add its own
// with Register, or build them in IDialogBuilderCallback::CreateControl.
#pragma once

#include <windows.h>

namespace DuiLib {

class CControlUI;
using CreateControlFn = CControlUI* (*)();

class CControlFactory {
public:
    // A new control of the class, or nullptr when the class is unknown.
    static CControlUI* Create(LPCWSTR pstrClass);
    // Adds (or replaces) a class at run time.
    static void Register(LPCWSTR pstrClass, CreateControlFn pfnCreate);
};

}  // namespace DuiLib
