// CSubclassedControl: an object that sees the messages of an existing control
// (one created by a dialog template) before the control's own procedure does;
// the base of the program's own list boxes.
//
//     class CDigitsOnly : public win::CSubclassedControl {
//         std::optional<LRESULT> OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
//             if (message == WM_CHAR && !IsDigit(wParam)) return 0;  // swallowed
//             return CSubclassedControl::OnMessage(message, wParam, lParam);
//         }
//     };
//     digits_.Attach(Item(IDC_COUNT));   // in the dialog's OnInit
//
// std::nullopt from OnMessage passes the message on to the control. Built on
// the common controls' SetWindowSubclass, so several subclasses of one control
// chain correctly. The attachment ends when the control is destroyed, on
// Detach, or when the object is destroyed.
#pragma once

#include <windows.h>

#include "win/window_base.h"

namespace win {

class CSubclassedControl : public CWindowBase {
public:
    CSubclassedControl() = default;
    ~CSubclassedControl() override { Detach(); }

    // False when the control does not exist or this object is attached already.
    bool Attach(HWND control) noexcept;
    void Detach() noexcept;

protected:
    // The control's own handling of a message, for handlers that add to it
    // rather than replace it.
    LRESULT CallControl(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    static LRESULT CALLBACK SubclassProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                         UINT_PTR id, DWORD_PTR object) noexcept;
};

}  // namespace win
