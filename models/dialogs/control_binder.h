// Finds a window's controls by name and kind, and remembers every name it could not bind (no
// control of that name, or one of another kind), so a test can hold each skin against the names
// its code looks up.
#pragma once

#include "ui/ui.h"

#include <string>
#include <vector>

template <class T> constexpr const wchar_t* kControlInterface = L"Control";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CButtonUI> = L"Button";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::COptionUI> = L"Option";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CCheckBoxUI> = L"CheckBox";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CLabelUI> = L"Label";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CRichEditUI> = L"RichEdit";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CListUI> = L"List";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CComboUI> = L"Combo";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CTabLayoutUI> = L"TabLayout";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CContainerUI> = L"Container";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CSliderUI> = L"Slider";
template <> inline constexpr const wchar_t* kControlInterface<DuiLib::CProgressUI> = L"Progress";

class CControlBinder {
public:
    // pParent: look among its descendants only (a list row); nullptr: the whole window.
    CControlBinder(DuiLib::CPaintManagerUI& manager, std::vector<std::wstring>& missing,
                   DuiLib::CControlUI* pParent = nullptr)
        : m_manager(manager), m_missing(missing), m_pParent(pParent) {}

    template <class T = DuiLib::CControlUI>
    T* Find(const std::wstring& strName) {
        DuiLib::CControlUI* pControl = m_pParent != nullptr
                                           ? m_manager.FindSubControlByName(m_pParent, strName.c_str())
                                           : m_manager.FindControl(strName.c_str());
        T* pTyped = pControl != nullptr ? static_cast<T*>(pControl->GetInterface(kControlInterface<T>)) : nullptr;
        if (pTyped == nullptr) Note(strName);
        return pTyped;
    }

private:
    void Note(const std::wstring& strName) {
        for (const std::wstring& strKnown : m_missing)
            if (strKnown == strName) return;
        m_missing.push_back(strName);
    }

    DuiLib::CPaintManagerUI& m_manager;
    std::vector<std::wstring>& m_missing;
    DuiLib::CControlUI* m_pParent;
};
