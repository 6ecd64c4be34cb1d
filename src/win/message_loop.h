// The program's message loop, and the hook through which windows see
// keyboard messages before they are dispatched.
#pragma once

#include <windows.h>

namespace win {

class IMessageFilter {
public:
    // True when the message was handled (translated as an accelerator, or
    // used by a modeless dialog for its keyboard interface) and must not be
    // dispatched.
    virtual bool PreTranslate(MSG& message) noexcept = 0;

protected:
    ~IMessageFilter() = default;
};

// Gets, filters, translates and dispatches messages until WM_QUIT and
// returns its exit code (-1 if GetMessageA failed).
int RunMessageLoop(IMessageFilter& filter) noexcept;

}  // namespace win
