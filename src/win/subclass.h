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
// std::nullopt from OnMessage passes the message on to the control.
//
// The control's window procedure itself is replaced (GWLP_WNDPROC), once per
// control: every object attached to the control joins one chain, the newest
// first, and the last one hands messages to the procedure that was there
// before. The common controls' SetWindowSubclass would do the same, but under
// Wine it reads its data from a window property, a round trip to the Wine
// server for every message; a list box filled with thousands of entries
// then takes seconds. A procedure put on top later by someone else keeps
// working: detaching then only leaves the chain, and the procedure stays in
// place, passing messages through, until the control is destroyed.
//
// The attachment ends when the control is destroyed, on Detach, or when the
// object is destroyed.
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
    // The handling of the objects attached before this one and of the
    // control's own procedure, for handlers that add to it rather than
    // replace it.
    LRESULT CallControl(UINT message, WPARAM wParam, LPARAM lParam) noexcept;

private:
    struct Chain;

    LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam) noexcept;
    static LRESULT CALLBACK ChainProc(HWND control, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;

    CSubclassedControl* next_ = nullptr;  // attached before this one
    WNDPROC previous_ = nullptr;          // the procedure under the chain
};

}  // namespace win
