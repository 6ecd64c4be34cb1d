// CWindow: a window of a class this program registers (the hidden application
// window, the note window), as opposed to a dialog from a template.
//
//     auto windowClass = win::CWindow::RegisterClassNamed("VELLIN");
//     class CAppWnd : public win::CWindow { ... OnMessage override ... };
//     CAppWnd app;
//     app.Create("VELLIN", "", WS_POPUP);
//
// The class keeps existing while the returned UniqueWindowClass lives;
// destroy its windows before it goes.
#pragma once

#include <windows.h>

#include "win/handles.h"
#include "win/window_base.h"

namespace win {

// Where CreateWindowExA puts a window; CW_USEDEFAULT lets the system choose.
struct Placement {
    int x = CW_USEDEFAULT;
    int y = CW_USEDEFAULT;
    int width = CW_USEDEFAULT;
    int height = CW_USEDEFAULT;
};

class CWindow : public CWindowBase {
public:
    CWindow() = default;
    // Destroys a window still open, without calling OnDestroy (see CDialog).
    ~CWindow() override;

    // Registers a class whose windows are CWindow objects. An empty owner
    // when registration failed (a class of that name exists already).
    static UniqueWindowClass RegisterClassNamed(const char* name, UINT style = 0,
                                                HBRUSH background = nullptr,
                                                HICON icon = nullptr) noexcept;

    // False when the window could not be created, OnCreate refused it, or it
    // exists already.
    bool Create(const char* className, const char* title, DWORD style, DWORD exStyle = 0,
                const Placement& placement = {},
                HWND parent = nullptr, HMENU menuOrId = nullptr) noexcept;
    void Destroy() noexcept;

protected:
    // WM_CREATE; false makes creation fail.
    virtual bool OnCreate(const CREATESTRUCTA&) { return true; }

    std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
};

}  // namespace win
