// Pumping this thread's messages in a test until something has happened.
#pragma once

#include <windows.h>

#include <functional>

#include "win/message_loop.h"

// Dispatches messages (through `filter` first, when given) until `done`
// holds, waiting for messages in between, for at most `boundMs`. True when
// `done` holds.
bool PumpUntil(const std::function<bool()>& done, win::IMessageFilter* filter = nullptr,
               DWORD boundMs = 10000);
