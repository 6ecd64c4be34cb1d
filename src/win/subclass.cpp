#include "win/subclass.h"

#include <commctrl.h>

namespace win {

// The subclass id is the object's address: SetWindowSubclass identifies a
// subclass by procedure and id, and with one id for all objects a second
// object subclassing the same control would silently replace the first.

bool CSubclassedControl::Attach(HWND control) noexcept {
    if (Handle() || !::IsWindow(control)) return false;
    if (!::SetWindowSubclass(control, SubclassProc, reinterpret_cast<UINT_PTR>(this),
                             reinterpret_cast<DWORD_PTR>(this)))
        return false;
    SetHandle(control);
    return true;
}

void CSubclassedControl::Detach() noexcept {
    if (!Handle()) return;
    ::RemoveWindowSubclass(Handle(), SubclassProc, reinterpret_cast<UINT_PTR>(this));
    SetHandle(nullptr);
}

LRESULT CSubclassedControl::CallControl(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    return ::DefSubclassProc(Handle(), message, wParam, lParam);
}

LRESULT CALLBACK CSubclassedControl::SubclassProc(HWND control, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR,
                                                  DWORD_PTR object) noexcept {
    auto* self = reinterpret_cast<CSubclassedControl*>(object);
    std::optional<LRESULT> result = self->Dispatch(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Detach();
    return result ? *result : ::DefSubclassProc(control, message, wParam, lParam);
}

}  // namespace win
