// A skin name given either as text or as a numeric resource id. Only text names are loaded
// (skins are plain files); an id is kept so callers that pass one still compile and fail cleanly.
#pragma once

#include <windows.h>

#include <cstddef>

namespace DuiLib {

class STRINGorID {
public:
    STRINGorID(LPCWSTR lpString) : m_lpstr(lpString) {}
    STRINGorID(std::nullptr_t) : m_lpstr(nullptr) {}
    STRINGorID(UINT nID) : m_lpstr(MAKEINTRESOURCEW(nID)) {}
    STRINGorID(int nID) : m_lpstr(MAKEINTRESOURCEW(nID)) {}
    STRINGorID(long nID) : m_lpstr(MAKEINTRESOURCEW(nID)) {}  // NULL

    bool IsId() const { return IS_INTRESOURCE(m_lpstr); }
    LPCWSTR m_lpstr;
};

}  // namespace DuiLib
