// A view of a page's list of named records (profiles or macros of either generation), for the
// dialogs that only show, count and compare names: the profile-name dialog and the macro
// pickers. The page hands a copy of its list (dialog.m_pProfiles = &profiles), which must
// outlive the dialog.
#pragma once

#include "models/data/name_helpers.h"

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class RecordNames {
public:
    RecordNames() = default;
    template <class Rec>
    RecordNames(const std::vector<std::unique_ptr<Rec>>* pList)  // NOLINT: taken as the page hands it
        : m_pList(pList), m_uCapacity(::NameCapacity<Rec>()), m_pfnCount(&CountOf<Rec>), m_pfnName(&NameAt<Rec>) {}

    bool IsSet() const { return m_pList != nullptr; }
    size_t Count() const { return m_pList != nullptr ? m_pfnCount(m_pList) : 0; }
    // The name of record i (empty outside the list).
    std::wstring_view Name(size_t i) const { return i < Count() ? m_pfnName(m_pList, i) : std::wstring_view(); }
    // Characters a record's name field holds (without its terminator); 0 without a list.
    size_t NameCapacity() const { return m_uCapacity; }
    // Some record has this name, compared without regard to case.
    bool IsNameTaken(std::wstring_view strName) const {
        for (size_t i = 0; i < Count(); ++i)
            if (NamesEqualNoCase(Name(i), strName)) return true;
        return false;
    }

private:
    template <class Rec>
    static size_t CountOf(const void* pList) {
        return static_cast<const std::vector<std::unique_ptr<Rec>>*>(pList)->size();
    }
    template <class Rec>
    static std::wstring_view NameAt(const void* pList, size_t i) {
        const auto& list = *static_cast<const std::vector<std::unique_ptr<Rec>>*>(pList);
        return list[i] ? NameOf(list[i]->szName) : std::wstring_view();
    }

    const void* m_pList = nullptr;
    size_t m_uCapacity = 0;
    size_t (*m_pfnCount)(const void*) = nullptr;
    std::wstring_view (*m_pfnName)(const void*, size_t) = nullptr;
};
