#include "ui/base/dui_string.h"

#include <cwctype>
#include <vector>

namespace DuiLib {

CDuiString::CDuiString(LPCWSTR psz, int nLen) {
    if (psz == nullptr) return;
    if (nLen < 0) {
        m_str.assign(psz);
    } else {
        m_str.assign(psz, wcsnlen(psz, static_cast<size_t>(nLen)));
    }
}

CDuiString::CDuiString(wchar_t ch) : m_str(1, ch) {}

CDuiString& CDuiString::operator=(LPCWSTR psz) {
    if (psz == nullptr) {
        m_str.clear();
    } else if (psz < m_str.c_str() || psz > m_str.c_str() + m_str.size()) {
        m_str.assign(psz);
    } else {
        m_str = std::wstring(psz);  // psz points into our own buffer
    }
    return *this;
}

CDuiString& CDuiString::operator=(wchar_t ch) {
    m_str.assign(1, ch);
    return *this;
}

wchar_t CDuiString::GetAt(int nIndex) const {
    if (nIndex < 0 || nIndex >= GetLength()) return L'\0';
    return m_str[static_cast<size_t>(nIndex)];
}

void CDuiString::SetAt(int nIndex, wchar_t ch) {
    if (nIndex >= 0 && nIndex < GetLength()) m_str[static_cast<size_t>(nIndex)] = ch;
}

void CDuiString::Append(LPCWSTR psz) {
    if (psz != nullptr) m_str.append(std::wstring(psz));
}

void CDuiString::Assign(LPCWSTR psz, int nLength) { *this = CDuiString(psz, nLength); }

CDuiString& CDuiString::operator+=(const CDuiString& s) {
    m_str += s.m_str;
    return *this;
}

CDuiString& CDuiString::operator+=(LPCWSTR psz) {
    Append(psz);
    return *this;
}

CDuiString& CDuiString::operator+=(wchar_t ch) {
    m_str.push_back(ch);
    return *this;
}

CDuiString CDuiString::operator+(const CDuiString& s) const {
    CDuiString r(*this);
    r += s;
    return r;
}

CDuiString CDuiString::operator+(LPCWSTR psz) const {
    CDuiString r(*this);
    r += psz;
    return r;
}

int CDuiString::Compare(LPCWSTR psz) const { return wcscmp(m_str.c_str(), psz ? psz : L""); }

int CDuiString::CompareNoCase(LPCWSTR psz) const { return _wcsicmp(m_str.c_str(), psz ? psz : L""); }

void CDuiString::MakeUpper() {
    if (!m_str.empty()) CharUpperBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
}

void CDuiString::MakeLower() {
    if (!m_str.empty()) CharLowerBuffW(m_str.data(), static_cast<DWORD>(m_str.size()));
}

CDuiString CDuiString::Left(int nLength) const {
    if (nLength < 0) nLength = 0;
    return CDuiString(m_str.substr(0, static_cast<size_t>(nLength)));
}

CDuiString CDuiString::Mid(int iPos, int nLength) const {
    if (iPos < 0) iPos = 0;
    if (iPos >= GetLength()) return CDuiString();
    size_t n = nLength < 0 ? std::wstring::npos : static_cast<size_t>(nLength);
    return CDuiString(m_str.substr(static_cast<size_t>(iPos), n));
}

CDuiString CDuiString::Right(int nLength) const {
    if (nLength < 0) nLength = 0;
    if (nLength >= GetLength()) return *this;
    return CDuiString(m_str.substr(m_str.size() - static_cast<size_t>(nLength)));
}

int CDuiString::Find(wchar_t ch, int iPos) const {
    if (iPos < 0 || iPos > GetLength()) return -1;
    size_t p = m_str.find(ch, static_cast<size_t>(iPos));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CDuiString::Find(LPCWSTR psz, int iPos) const {
    if (psz == nullptr || iPos < 0 || iPos > GetLength()) return -1;
    size_t p = m_str.find(psz, static_cast<size_t>(iPos));
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CDuiString::ReverseFind(wchar_t ch) const {
    size_t p = m_str.rfind(ch);
    return p == std::wstring::npos ? -1 : static_cast<int>(p);
}

int CDuiString::Replace(LPCWSTR pstrFrom, LPCWSTR pstrTo) {
    if (pstrFrom == nullptr || *pstrFrom == L'\0') return 0;
    std::wstring from(pstrFrom), to(pstrTo ? pstrTo : L"");
    int nCount = 0;
    for (size_t p = m_str.find(from); p != std::wstring::npos; p = m_str.find(from, p + to.size())) {
        m_str.replace(p, from.size(), to);
        ++nCount;
    }
    return nCount;
}

int CDuiString::Format(LPCWSTR pstrFormat, ...) {
    va_list args;
    va_start(args, pstrFormat);
    int n = FormatV(pstrFormat, args);
    va_end(args);
    return n;
}

int CDuiString::FormatV(LPCWSTR pstrFormat, va_list args) {
    *this = DuiLib::FormatV(pstrFormat, args);
    return GetLength();
}

CDuiString FormatV(LPCWSTR pstrFormat, va_list args) {
    if (pstrFormat == nullptr) return CDuiString();
    va_list count;
    va_copy(count, args);
    int n = _vscwprintf(pstrFormat, count);
    va_end(count);
    if (n <= 0) return CDuiString();
    std::vector<wchar_t> buf(static_cast<size_t>(n) + 1, L'\0');
    _vsnwprintf(buf.data(), buf.size(), pstrFormat, args);
    buf.back() = L'\0';
    return CDuiString(buf.data(), n);
}

}  // namespace DuiLib
