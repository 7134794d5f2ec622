// The control classes of the library, by the element names skins use for them.
#pragma once

#include <span>

#include "ui/builder/control_factory.h"

namespace DuiLib {

struct TControlClass {
    LPCWSTR pstrName;  // element name (matched without regard to case)
    CreateControlFn pfnCreate;
};

std::span<const TControlClass> GetControlClasses();

}  // namespace DuiLib
