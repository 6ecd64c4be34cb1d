// CWindowBase: what dialogs (win/dialog.h), windows of registered classes
// (win/window.h) and subclassed controls (win/subclass.h) share: the window
// they are attached to and one virtual entry point for its messages.
//
// OnMessage sees every message first. Returning a value means "handled, this
// is the result"; returning std::nullopt lets the window's default handling
// run (DefWindowProc, the dialog manager or the control's own procedure). The
// default implementation fans the common messages out to OnCommand, OnNotify
// and OnDestroy; derived classes add their own cases and end with the base
// class's OnMessage.
//
// Handlers may throw (std::bad_alloc from a string): an exception never
// leaves a window procedure, where it would unwind through the system's
// frames. Dispatch catches it and lets the default handling run instead.
#pragma once

#include <windows.h>

#include <optional>

namespace win {

class CWindowBase {
public:
    CWindowBase(const CWindowBase&) = delete;
    CWindowBase& operator=(const CWindowBase&) = delete;

    // The window, or null before it is created and after it is destroyed.
    HWND Handle() const noexcept { return window_; }

protected:
    CWindowBase() = default;
    virtual ~CWindowBase() = default;

    virtual std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

    // WM_COMMAND from a control (code is the notification), a menu (code 0,
    // control null) or an accelerator (code 1, control null). True when handled.
    virtual bool OnCommand(int id, int code, HWND control);
    // WM_NOTIFY; the result is what the notification's sender reads.
    virtual std::optional<LRESULT> OnNotify(const NMHDR& header);
    // WM_DESTROY: the window and its children still exist.
    virtual void OnDestroy() {}

    // Calls OnMessage; std::nullopt also when a handler threw.
    std::optional<LRESULT> Dispatch(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

    // A window procedure receives messages before the creating call returns
    // the handle; some even before WM_NCCREATE or WM_INITDIALOG, which carry a
    // creation parameter (WM_GETMINMAXINFO for windows; WM_SETFONT and, for
    // owner-drawn list boxes, WM_MEASUREITEM for dialogs). So the creating
    // call names the object in a thread-local pointer for the duration of the
    // call, and the first message to reach the window procedure attaches it.
    class CreationScope {
    public:
        explicit CreationScope(CWindowBase& object) noexcept;
        ~CreationScope();
        CreationScope(const CreationScope&) = delete;
        CreationScope& operator=(const CreationScope&) = delete;

    private:
        CWindowBase* previous_;
    };

    // For window procedures: the object that `window` keeps in its pointer
    // slot (DWLP_USER for dialogs, GWLP_USERDATA for windows); on the first
    // message, the object being created, which is attached now. Null for a
    // window without an object.
    static CWindowBase* ObjectOf(HWND window, int slot) noexcept;
    // Ends the attachment, after WM_NCDESTROY or before the object goes: no
    // further message reaches the object.
    void CutLoose(int slot) noexcept;
    // For attachments that keep the object elsewhere (subclassed controls).
    void SetHandle(HWND window) noexcept { window_ = window; }

private:
    HWND window_ = nullptr;
};

}  // namespace win
