#include "win/window.h"

#include "win/module.h"

namespace win {

CWindow::~CWindow() {
    if (HWND window = Handle()) {
        CutLoose(GWLP_USERDATA);
        ::DestroyWindow(window);
    }
}

UniqueWindowClass CWindow::RegisterClassNamed(const char* name, UINT style, HBRUSH background,
                                              HICON icon) noexcept {
    WNDCLASSEXA windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = style;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = ModuleInstance();
    windowClass.hIcon = icon;
    windowClass.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    windowClass.hbrBackground = background;
    windowClass.lpszClassName = name;
    return UniqueWindowClass(::RegisterClassExA(&windowClass));
}

bool CWindow::Create(const char* className, const char* title, DWORD style, DWORD exStyle,
                     const Placement& placement, HWND parent, HMENU menuOrId) noexcept {
    if (Handle()) return false;
    CreationScope scope(*this);
    return ::CreateWindowExA(exStyle, className, title, style, placement.x, placement.y,
                             placement.width, placement.height, parent, menuOrId,
                             ModuleInstance(), nullptr) != nullptr;
}

void CWindow::Destroy() noexcept {
    if (Handle()) ::DestroyWindow(Handle());
}

std::optional<LRESULT> CWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CREATE)
        return OnCreate(*reinterpret_cast<const CREATESTRUCTA*>(lParam)) ? 0 : -1;
    return CWindowBase::OnMessage(message, wParam, lParam);
}

LRESULT CALLBACK CWindow::WindowProc(HWND window, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    auto* self = static_cast<CWindow*>(ObjectOf(window, GWLP_USERDATA));
    std::optional<LRESULT> result;
    if (self) {
        result = self->Dispatch(message, wParam, lParam);
        if (message == WM_NCDESTROY) self->CutLoose(GWLP_USERDATA);
    }
    return result ? *result : ::DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace win
