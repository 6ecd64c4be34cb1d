// Owners for the Win32 handles the program creates (see win/unique.h).
//
//     win::UniqueKey key;
//     if (::RegOpenKeyExA(HKEY_CURRENT_USER, path, 0, KEY_READ, key.Put()) == ERROR_SUCCESS) ...
//
// Never give a Unique a handle its holder does not own: predefined registry
// keys (HKEY_CURRENT_USER), stock GDI objects, the menu of a window (destroyed
// with the window), the DC of GetDC (use win::WindowDc) or resources loaded by
// LoadIcon/LoadCursor from a module.
#pragma once

#include <windows.h>

#include "win/module.h"
#include "win/unique.h"

namespace win {

// Kernel objects: events, mutexes, processes, threads, file mappings. Their
// creation functions return null on failure.
struct KernelHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

// CreateFileA returns INVALID_HANDLE_VALUE, not null, on failure.
struct FileHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { ::CloseHandle(handle); }
};

struct KeyTraits {
    using Handle = HKEY;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle key) noexcept { ::RegCloseKey(key); }
};

// Pens, brushes, fonts, bitmaps, regions, palettes. Deselect an object from
// every DC before it is released (win::SelectGuard does).
template <class T>
struct GdiObjectTraits {
    using Handle = T;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle object) noexcept { ::DeleteObject(object); }
};

// A menu that is not attached to a window, or a popup taken out of one.
struct MenuTraits {
    using Handle = HMENU;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle menu) noexcept { ::DestroyMenu(menu); }
};

// Tables from LoadAcceleratorsA or CreateAcceleratorTableA; windows that
// translate with a table must not outlive it.
struct AcceleratorTraits {
    using Handle = HACCEL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle table) noexcept { ::DestroyAcceleratorTable(table); }
};

// Global memory that has not been handed to the clipboard or a DDE message
// (after a successful SetClipboardData the system owns it: Release() it).
struct GlobalMemoryTraits {
    using Handle = HGLOBAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle memory) noexcept { ::GlobalFree(memory); }
};

// Buffers that FormatMessageA allocates.
struct LocalMemoryTraits {
    using Handle = HLOCAL;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle memory) noexcept { ::LocalFree(memory); }
};

// FindFirstFileA returns INVALID_HANDLE_VALUE on failure, and the handle is
// closed with FindClose, not CloseHandle.
struct FindTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle find) noexcept { ::FindClose(find); }
};

// A window class registered by this module (win::RegisterWindowClass).
struct WindowClassTraits {
    using Handle = ATOM;
    static Handle Invalid() noexcept { return 0; }
    static void Close(Handle atom) noexcept {
        ::UnregisterClassA(MAKEINTATOM(atom), ModuleInstance());
    }
};

using UniqueHandle = Unique<KernelHandleTraits>;
using UniqueFile = Unique<FileHandleTraits>;
using UniqueKey = Unique<KeyTraits>;
template <class T>
using UniqueGdi = Unique<GdiObjectTraits<T>>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;
using UniqueMenu = Unique<MenuTraits>;
using UniqueAccelerators = Unique<AcceleratorTraits>;
using UniqueGlobal = Unique<GlobalMemoryTraits>;
using UniqueLocal = Unique<LocalMemoryTraits>;
using UniqueFind = Unique<FindTraits>;
using UniqueWindowClass = Unique<WindowClassTraits>;

}  // namespace win
