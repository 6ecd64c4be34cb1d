// Scope guards for the releases that need two values, which Unique cannot
// hold: a device context with its window, an object with the one it replaced
// in a DC, a memory block with its lock; and the open clipboard. None of them can be copied or moved:
// each undoes its step at the end of the scope that made it.
#pragma once

#include <windows.h>

namespace win {

// GetDC/ReleaseDC. A null window gives the screen's DC.
class WindowDc {
public:
    explicit WindowDc(HWND window) noexcept : window_(window), dc_(::GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ::ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC Get() const noexcept { return dc_; }
    explicit operator bool() const noexcept { return dc_ != nullptr; }

private:
    HWND window_;
    HDC dc_;
};

// SelectObject, and the previous object selected back at the end, so that
// the selected object can be deleted afterwards (a GDI object still selected
// into a DC cannot be).
class SelectGuard {
public:
    SelectGuard(HDC dc, HGDIOBJ object) noexcept : dc_(dc), previous_(::SelectObject(dc, object)) {}
    ~SelectGuard() {
        if (previous_ && previous_ != HGDI_ERROR) ::SelectObject(dc_, previous_);
    }
    SelectGuard(const SelectGuard&) = delete;
    SelectGuard& operator=(const SelectGuard&) = delete;

    // False when the object could not be selected (wrong kind, deleted).
    explicit operator bool() const noexcept { return previous_ && previous_ != HGDI_ERROR; }

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// GlobalLock/GlobalUnlock, for filling or reading clipboard and DDE blocks.
template <class T = char>
class GlobalLockGuard {
public:
    explicit GlobalLockGuard(HGLOBAL memory) noexcept
        : memory_(memory), data_(static_cast<T*>(::GlobalLock(memory))) {}
    ~GlobalLockGuard() {
        if (data_) ::GlobalUnlock(memory_);
    }
    GlobalLockGuard(const GlobalLockGuard&) = delete;
    GlobalLockGuard& operator=(const GlobalLockGuard&) = delete;

    T* Get() const noexcept { return data_; }  // null when the lock failed
    explicit operator bool() const noexcept { return data_ != nullptr; }

private:
    HGLOBAL memory_;
    T* data_;
};

// OpenClipboard/CloseClipboard: the clipboard is closed on every path out
// of the scope that opened it.
class ClipboardGuard {
public:
    explicit ClipboardGuard(HWND owner) noexcept : open_(::OpenClipboard(owner) != FALSE) {}
    ~ClipboardGuard() {
        if (open_) ::CloseClipboard();
    }
    ClipboardGuard(const ClipboardGuard&) = delete;
    ClipboardGuard& operator=(const ClipboardGuard&) = delete;

    explicit operator bool() const noexcept { return open_; }

private:
    bool open_;
};

}  // namespace win
