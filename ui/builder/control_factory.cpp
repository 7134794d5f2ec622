#include "ui/builder/control_factory.h"

#include <map>
#include <string>

#include "ui/builder/control_classes.h"

namespace DuiLib {

namespace {

std::map<std::wstring, CreateControlFn>& Registered() {
    static std::map<std::wstring, CreateControlFn> s_classes;
    return s_classes;
}

std::wstring LowerCase(LPCWSTR psz) {
    std::wstring s(psz ? psz : L"");
    if (!s.empty()) CharLowerBuffW(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

}  // namespace

CControlUI* CControlFactory::Create(LPCWSTR pstrClass) {
    if (pstrClass == nullptr) return nullptr;
    auto it = Registered().find(LowerCase(pstrClass));
    if (it != Registered().end()) return it->second();
    for (const TControlClass& cls : GetControlClasses()) {
        if (_wcsicmp(cls.pstrName, pstrClass) == 0) return cls.pfnCreate();
    }
    return nullptr;
}

void CControlFactory::Register(LPCWSTR pstrClass, CreateControlFn pfnCreate) {
    if (pstrClass == nullptr || pfnCreate == nullptr) return;
    Registered()[LowerCase(pstrClass)] = pfnCreate;
}

}  // namespace DuiLib
