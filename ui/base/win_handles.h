// Small owners for the Win32 handles the library holds: GDI objects, memory DCs, files it reads
// and COM interface pointers. Each closes its handle exactly once. The library depends on nothing
// of the program's, so it keeps owners of its own.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <utility>

namespace DuiLib {

// Owns an HBITMAP, HFONT, HBRUSH, HPEN or HRGN (DeleteObject).
template <typename T>
class GdiObject {
public:
    GdiObject() = default;
    explicit GdiObject(T h) : m_h(h) {}
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;
    GdiObject(GdiObject&& o) noexcept : m_h(std::exchange(o.m_h, nullptr)) {}
    GdiObject& operator=(GdiObject&& o) noexcept {
        if (this != &o) Reset(std::exchange(o.m_h, nullptr));
        return *this;
    }
    ~GdiObject() { Reset(); }

    void Reset(T h = nullptr) {
        if (m_h != nullptr) ::DeleteObject(m_h);
        m_h = h;
    }
    T Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }

private:
    T m_h = nullptr;
};

// Owns a DC made by CreateCompatibleDC (DeleteDC).
class MemoryDc {
public:
    MemoryDc() = default;
    explicit MemoryDc(HDC hdcCompatible) : m_h(::CreateCompatibleDC(hdcCompatible)) {}
    MemoryDc(const MemoryDc&) = delete;
    MemoryDc& operator=(const MemoryDc&) = delete;
    MemoryDc(MemoryDc&& o) noexcept : m_h(std::exchange(o.m_h, nullptr)) {}
    MemoryDc& operator=(MemoryDc&& o) noexcept {
        if (this != &o) {
            Reset();
            m_h = std::exchange(o.m_h, nullptr);
        }
        return *this;
    }
    ~MemoryDc() { Reset(); }

    void Reset() {
        if (m_h != nullptr) ::DeleteDC(m_h);
        m_h = nullptr;
    }
    HDC Get() const { return m_h; }
    explicit operator bool() const { return m_h != nullptr; }

private:
    HDC m_h = nullptr;
};

// Owns a file handle opened with CreateFileW (CloseHandle).
class FileHandle {
public:
    explicit FileHandle(HANDLE h) : m_h(h) {}
    FileHandle(const FileHandle&) = delete;
    FileHandle& operator=(const FileHandle&) = delete;
    ~FileHandle() {
        if (m_h != INVALID_HANDLE_VALUE && m_h != nullptr) ::CloseHandle(m_h);
    }
    HANDLE Get() const { return m_h; }

private:
    HANDLE m_h;
};

// The header of a 32-bit BI_RGB DIB of cx by cy pixels, top row first.
inline BITMAPINFO TopDownDib32(int cx, int cy) {
    BITMAPINFO bmi{};
    bmi.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    bmi.bmiHeader.biWidth = cx;
    bmi.bmiHeader.biHeight = -cy;
    bmi.bmiHeader.biPlanes = 1;
    bmi.bmiHeader.biBitCount = 32;
    bmi.bmiHeader.biCompression = BI_RGB;
    return bmi;
}

// Selects an object into a DC for one scope.
class SelectObjectScope {
public:
    SelectObjectScope(HDC hdc, HGDIOBJ hObj) : m_hdc(hdc), m_hOld(hObj ? ::SelectObject(hdc, hObj) : nullptr) {}
    SelectObjectScope(const SelectObjectScope&) = delete;
    SelectObjectScope& operator=(const SelectObjectScope&) = delete;
    ~SelectObjectScope() {
        if (m_hOld != nullptr) ::SelectObject(m_hdc, m_hOld);
    }

private:
    HDC m_hdc;
    HGDIOBJ m_hOld;
};

// Saves the DC state (clip region, selections) for one scope.
class SavedDcState {
public:
    explicit SavedDcState(HDC hdc) : m_hdc(hdc), m_iSaved(::SaveDC(hdc)) {}
    SavedDcState(const SavedDcState&) = delete;
    SavedDcState& operator=(const SavedDcState&) = delete;
    ~SavedDcState() {
        if (m_iSaved != 0) ::RestoreDC(m_hdc, m_iSaved);
    }

private:
    HDC m_hdc;
    int m_iSaved;
};

// Owns one reference of a COM interface.
template <typename T>
class ComPtr {
public:
    ComPtr() = default;
    ComPtr(const ComPtr&) = delete;
    ComPtr& operator=(const ComPtr&) = delete;
    ~ComPtr() { Reset(); }

    void Reset() {
        if (m_p != nullptr) m_p->Release();
        m_p = nullptr;
    }
    void Attach(T* p) {
        Reset();
        m_p = p;
    }
    // For out-parameters of creation functions: releases what is held first.
    T** ReleaseAndGetAddressOf() {
        Reset();
        return &m_p;
    }
    T* operator->() const { return m_p; }
    T* Get() const { return m_p; }
    explicit operator bool() const { return m_p != nullptr; }

private:
    T* m_p = nullptr;
};

}  // namespace DuiLib
