#include "win/window_base.h"

#include <utility>

namespace win {

namespace {
thread_local CWindowBase* t_creating = nullptr;
}

CWindowBase::CreationScope::CreationScope(CWindowBase& object) noexcept
    : previous_(std::exchange(t_creating, &object)) {}

CWindowBase::CreationScope::~CreationScope() { t_creating = previous_; }

CWindowBase* CWindowBase::ObjectOf(HWND window, int slot) noexcept {
    if (auto* object = reinterpret_cast<CWindowBase*>(::GetWindowLongPtrA(window, slot)))
        return object;
    CWindowBase* object = std::exchange(t_creating, nullptr);
    if (object) {
        object->window_ = window;
        ::SetWindowLongPtrA(window, slot, reinterpret_cast<LONG_PTR>(object));
    }
    return object;
}

void CWindowBase::CutLoose(int slot) noexcept {
    if (window_) ::SetWindowLongPtrA(window_, slot, 0);
    window_ = nullptr;
}

std::optional<LRESULT> CWindowBase::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND:
            if (OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)))
                return 0;
            return std::nullopt;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam));
        case WM_DESTROY:
            OnDestroy();
            return std::nullopt;  // the default handling still has work to do
        default:
            return std::nullopt;
    }
}

bool CWindowBase::OnCommand(int, int, HWND) { return false; }

std::optional<LRESULT> CWindowBase::OnNotify(const NMHDR&) { return std::nullopt; }

std::optional<LRESULT> CWindowBase::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    try {
        return OnMessage(message, wParam, lParam);
    } catch (...) {
        return std::nullopt;
    }
}

}  // namespace win
