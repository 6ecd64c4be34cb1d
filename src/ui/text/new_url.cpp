#include "ui/text/new_url.h"

namespace ui {

std::string NewUrlFromTyped(std::string_view typed) {
    std::string url;
    url.reserve(typed.size());
    for (char c : typed) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F) continue;
        url += c == ',' ? '.' : c;
    }
    const auto first = url.find_first_not_of(' ');
    if (first == std::string::npos) return {};
    url = url.substr(first, url.find_last_not_of(' ') - first + 1);
    if (url.find("//") == std::string::npos) url.insert(0, "http://");
    return url;
}

}  // namespace ui
