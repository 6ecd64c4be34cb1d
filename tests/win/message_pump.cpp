#include "message_pump.h"

bool PumpUntil(const std::function<bool()>& done, win::IMessageFilter* filter, DWORD boundMs) {
    const ULONGLONG deadline = ::GetTickCount64() + boundMs;
    for (;;) {
        MSG message;
        while (!done() && ::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (filter && filter->PreTranslate(message)) continue;
            ::TranslateMessage(&message);
            ::DispatchMessageA(&message);
        }
        if (done()) return true;
        ULONGLONG now = ::GetTickCount64();
        if (now >= deadline) return false;
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(deadline - now),
                                    QS_ALLINPUT);
    }
}
