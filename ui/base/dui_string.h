// CDuiString: the library's wide string value type (a std::wstring underneath).
// Format uses the C runtime's _vsnwprintf, where %s is a wide string; mingw's swprintf would
// read %s as a narrow string when ANSI stdio is on.
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

namespace DuiLib {

class CDuiString {
public:
    CDuiString() = default;
    CDuiString(const CDuiString&) = default;
    CDuiString(CDuiString&&) noexcept = default;
    CDuiString(LPCWSTR psz, int nLen = -1);  // nullptr gives the empty string
    explicit CDuiString(wchar_t ch);
    CDuiString(const std::wstring& s) : m_str(s) {}
    ~CDuiString() = default;

    CDuiString& operator=(const CDuiString&) = default;
    CDuiString& operator=(CDuiString&&) noexcept = default;
    CDuiString& operator=(LPCWSTR psz);
    CDuiString& operator=(wchar_t ch);

    void Empty() { m_str.clear(); }
    int GetLength() const { return static_cast<int>(m_str.size()); }
    bool IsEmpty() const { return m_str.empty(); }
    wchar_t GetAt(int nIndex) const;
    void SetAt(int nIndex, wchar_t ch);
    wchar_t operator[](int nIndex) const { return GetAt(nIndex); }
    void Append(LPCWSTR psz);
    void Assign(LPCWSTR psz, int nLength = -1);
    LPCWSTR GetData() const { return m_str.c_str(); }
    operator LPCWSTR() const { return m_str.c_str(); }
    const std::wstring& str() const { return m_str; }

    CDuiString& operator+=(const CDuiString& s);
    CDuiString& operator+=(LPCWSTR psz);
    CDuiString& operator+=(wchar_t ch);
    CDuiString operator+(const CDuiString& s) const;
    CDuiString operator+(LPCWSTR psz) const;

    bool operator==(LPCWSTR psz) const { return Compare(psz) == 0; }
    bool operator!=(LPCWSTR psz) const { return Compare(psz) != 0; }
    bool operator==(const CDuiString& s) const { return m_str == s.m_str; }
    bool operator!=(const CDuiString& s) const { return m_str != s.m_str; }
    bool operator<(const CDuiString& s) const { return m_str < s.m_str; }

    int Compare(LPCWSTR psz) const;
    int CompareNoCase(LPCWSTR psz) const;
    void MakeUpper();
    void MakeLower();

    CDuiString Left(int nLength) const;
    CDuiString Mid(int iPos, int nLength = -1) const;
    CDuiString Right(int nLength) const;
    int Find(wchar_t ch, int iPos = 0) const;
    int Find(LPCWSTR psz, int iPos = 0) const;
    int ReverseFind(wchar_t ch) const;
    int Replace(LPCWSTR pstrFrom, LPCWSTR pstrTo);

    // printf-style formatting with the runtime's wide semantics (%s wide, %ws, %.1f, %p, %04x).
    // Returns the length of the new text.
    int Format(LPCWSTR pstrFormat, ...);
    int FormatV(LPCWSTR pstrFormat, va_list args);

private:
    std::wstring m_str;
};

inline CDuiString operator+(LPCWSTR psz, const CDuiString& s) { return CDuiString(psz) + s; }

// Formats into a new string (same rules as CDuiString::Format).
CDuiString FormatV(LPCWSTR pstrFormat, va_list args);

}  // namespace DuiLib
