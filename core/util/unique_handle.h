// The one owner of a Win32 handle in the program: holds it, hands it over on a move and closes
// it exactly once. A traits type names the handle, its empty value and how it closes.
#pragma once

#include <utility>

// Traits: `using Handle = ...;`, `static Handle Empty()`, `static bool IsSet(Handle)` and
// `static bool Close(Handle)` (false when the system reported a failure).
template <typename Traits>
class UniqueHandle {
public:
    using Handle = typename Traits::Handle;

    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : m_h(h) {}
    ~UniqueHandle() { Close(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : m_h(other.Release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) {
            Close();
            m_h = other.Release();
        }
        return *this;
    }

    bool Valid() const { return Traits::IsSet(m_h); }
    explicit operator bool() const { return Valid(); }
    Handle Get() const { return m_h; }
    // Gives the handle up without closing it.
    Handle Release() { return std::exchange(m_h, Traits::Empty()); }
    // Closes now; false when the system reported a failure (for a file: a write may not have
    // reached the disk). Closing an empty owner succeeds.
    bool Close() {
        if (!Valid()) return true;
        return Traits::Close(Release());
    }
    void Reset() { Close(); }

private:
    Handle m_h = Traits::Empty();
};
