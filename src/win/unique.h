// Unique<Traits>: the one owner of a handle of any kind, released exactly once.
//
// Every handle the program creates is held by a Unique from the moment the API
// returns it: no cleanup ladders, no forgotten CloseHandle on an early return.
// The kinds of handle differ only in their traits:
//
//     struct KeyTraits {
//         using Handle = HKEY;
//         static Handle Invalid() noexcept { return nullptr; }
//         static void Close(Handle key) noexcept { ::RegCloseKey(key); }
//     };
//     using UniqueKey = Unique<KeyTraits>;
//
// Invalid() is the value that owns nothing. It is not always null: file and
// find handles use INVALID_HANDLE_VALUE, and closing that value by mistake
// would close the current-process pseudo handle. Close() is never called with
// the invalid value.
//
// This header includes no system header, so the portable unit tests check it
// with a counting trait; the Win32 traits are in win/handles.h.
#pragma once

#include <utility>

namespace win {

template <class Traits>
class Unique {
public:
    using Handle = typename Traits::Handle;

    Unique() noexcept = default;
    explicit Unique(Handle handle) noexcept : handle_(handle) {}
    ~Unique() { Reset(); }

    Unique(Unique&& other) noexcept : handle_(other.Release()) {}
    Unique& operator=(Unique&& other) noexcept {
        Reset(other.Release());  // self-move: Release, then Reset to the same handle
        return *this;
    }
    Unique(const Unique&) = delete;
    Unique& operator=(const Unique&) = delete;

    Handle Get() const noexcept { return handle_; }
    explicit operator bool() const noexcept { return handle_ != Traits::Invalid(); }

    // Gives up ownership without closing.
    [[nodiscard]] Handle Release() noexcept { return std::exchange(handle_, Traits::Invalid()); }

    // Closes the present handle and owns `handle` instead. Resetting to the
    // handle already owned keeps it open.
    void Reset(Handle handle = Traits::Invalid()) noexcept {
        Handle old = std::exchange(handle_, handle);
        if (old != Traits::Invalid() && old != handle) Traits::Close(old);
    }

    // For APIs that return a handle through a pointer (RegOpenKeyExA, ...):
    // closes the present handle and lets the API write the new one.
    Handle* Put() noexcept {
        Reset();
        return &handle_;
    }

private:
    Handle handle_ = Traits::Invalid();
};

}  // namespace win
