#include "win/message_loop.h"

namespace win {

int RunMessageLoop(IMessageFilter& filter) noexcept {
    MSG message;
    for (;;) {
        BOOL got = ::GetMessageA(&message, nullptr, 0, 0);
        if (got == 0) return static_cast<int>(message.wParam);
        if (got == -1) return -1;
        if (filter.PreTranslate(message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageA(&message);
    }
}

}  // namespace win
