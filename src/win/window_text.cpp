#include "win/window_text.h"

namespace win {

std::string WindowText(HWND window) {
    // GetWindowTextLengthA may report more than GetWindowTextA copies (it may
    // count a double-byte character twice, or give the length of the Unicode
    // text): it only sizes the buffer, the copy gives the length.
    int length = ::GetWindowTextLengthA(window);
    if (length <= 0) return {};
    std::string text(static_cast<std::size_t>(length) + 1, '\0');
    int copied = ::GetWindowTextA(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return text;
}

bool HasWindowClass(HWND window, const char* className) {
    char name[16] = {};
    return window && ::GetClassNameA(window, name, sizeof name) > 0 && lstrcmpiA(name, className) == 0;
}

}  // namespace win
