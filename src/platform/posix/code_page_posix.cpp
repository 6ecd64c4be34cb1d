#include "platform/code_page.h"

namespace platform {

// Without a Windows system code page, behave as the usual Western one.
const CodePage& AnsiCodePage() { return Windows1252(); }

bool ConsoleSpeaksUtf8() { return true; }

}  // namespace platform
