#include "ui/controls/label.h"

#include <cwchar>

namespace DuiLib {

CLabelUI::CLabelUI() { m_bResourceText = true; }

LPCWSTR CLabelUI::GetClass() const { return L"LabelUI"; }

LPVOID CLabelUI::GetInterface(LPCWSTR pstrName) {
    if (wcscmp(pstrName, L"Label") == 0) return this;
    return CControlUI::GetInterface(pstrName);
}

}  // namespace DuiLib
