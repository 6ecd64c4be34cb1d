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

// Traits for the handles that are null when they own nothing.
template <class T, auto release>
struct NullHandleTraits {
    using Handle = T;
    static Handle Invalid() noexcept { return nullptr; }
    static void Close(Handle handle) noexcept { release(handle); }
};

// Traits for the handles whose "nothing" is INVALID_HANDLE_VALUE: CreateFileA
// and FindFirstFileA return it on failure, not null.
template <auto release>
struct InvalidValueHandleTraits {
    using Handle = HANDLE;
    static Handle Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(Handle handle) noexcept { release(handle); }
};

// Events, mutexes, processes, threads, file mappings.
using UniqueHandle = Unique<NullHandleTraits<HANDLE, &::CloseHandle>>;
using UniqueFile = Unique<InvalidValueHandleTraits<&::CloseHandle>>;
// A find handle is closed with FindClose, not CloseHandle.
using UniqueFind = Unique<InvalidValueHandleTraits<&::FindClose>>;
using UniqueKey = Unique<NullHandleTraits<HKEY, &::RegCloseKey>>;
using UniqueLibrary = Unique<NullHandleTraits<HMODULE, &::FreeLibrary>>;

// Pens, brushes, fonts, bitmaps, regions, palettes. Deselect an object from
// every DC before it is released (win::SelectGuard does).
template <class T>
using UniqueGdi = Unique<NullHandleTraits<T, &::DeleteObject>>;
using UniqueBrush = UniqueGdi<HBRUSH>;
using UniquePen = UniqueGdi<HPEN>;
using UniqueFont = UniqueGdi<HFONT>;
using UniqueBitmap = UniqueGdi<HBITMAP>;

// A menu that is not attached to a window, or a popup taken out of one.
using UniqueMenu = Unique<NullHandleTraits<HMENU, &::DestroyMenu>>;
// Tables from LoadAcceleratorsA or CreateAcceleratorTableA; windows that
// translate with a table must not outlive it.
using UniqueAccelerators = Unique<NullHandleTraits<HACCEL, &::DestroyAcceleratorTable>>;
// A top-level window this code created and no window owns (an owned one
// goes with its owner).
using UniqueWindow = Unique<NullHandleTraits<HWND, &::DestroyWindow>>;
// Global memory that has not been handed to the clipboard or a DDE message
// (after a successful SetClipboardData the system owns it: Release() it).
using UniqueGlobal = Unique<NullHandleTraits<HGLOBAL, &::GlobalFree>>;
// Buffers that FormatMessageA allocates.
using UniqueLocal = Unique<NullHandleTraits<HLOCAL, &::LocalFree>>;

// A reference to a global atom (GlobalAddAtomA); DDE messages hand atoms
// from one program to the other, so a sent atom is Release()d.
struct GlobalAtomTraits {
    using Handle = ATOM;
    static Handle Invalid() noexcept { return 0; }
    static void Close(Handle atom) noexcept { ::GlobalDeleteAtom(atom); }
};
using UniqueGlobalAtom = Unique<GlobalAtomTraits>;

// A window class registered by this module (CWindow::RegisterClassNamed).
struct WindowClassTraits {
    using Handle = ATOM;
    static Handle Invalid() noexcept { return 0; }
    static void Close(Handle atom) noexcept {
        ::UnregisterClassA(MAKEINTATOM(atom), ModuleInstance());
    }
};
using UniqueWindowClass = Unique<WindowClassTraits>;

}  // namespace win
