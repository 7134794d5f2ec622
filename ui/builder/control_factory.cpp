#include "ui/builder/control_factory.h"

#include <map>
#include <string>

#include "ui/control/container.h"
#include "ui/controls/button.h"
#include "ui/controls/checkbox.h"
#include "ui/controls/label.h"
#include "ui/controls/option.h"
#include "ui/controls/progress.h"
#include "ui/layout/horizontal_layout.h"
#include "ui/layout/tab_layout.h"
#include "ui/layout/vertical_layout.h"

namespace DuiLib {

namespace {

template <typename T>
CControlUI* New() {
    return new T();
}

struct TControlClass {
    LPCWSTR pstrName;
    CreateControlFn pfnCreate;
};

// Every control class of the library, by its skin element name.
const TControlClass kBuiltinClasses[] = {
    {L"Control", &New<CControlUI>},
    {L"Container", &New<CContainerUI>},
    {L"VerticalLayout", &New<CVerticalLayoutUI>},
    {L"HorizontalLayout", &New<CHorizontalLayoutUI>},
    {L"TabLayout", &New<CTabLayoutUI>},
    {L"Label", &New<CLabelUI>},
    {L"Button", &New<CButtonUI>},
    {L"Option", &New<COptionUI>},
    {L"CheckBox", &New<CCheckBoxUI>},
    {L"Progress", &New<CProgressUI>},
};

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
    for (const TControlClass& cls : kBuiltinClasses) {
        if (_wcsicmp(cls.pstrName, pstrClass) == 0) return cls.pfnCreate();
    }
    return nullptr;
}

void CControlFactory::Register(LPCWSTR pstrClass, CreateControlFn pfnCreate) {
    if (pstrClass == nullptr || pfnCreate == nullptr) return;
    Registered()[LowerCase(pstrClass)] = pfnCreate;
}

}  // namespace DuiLib
