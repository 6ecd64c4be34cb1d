#include "exchange/text_lines.h"

#include "exchange/html_text.h"
#include "platform/code_page.h"

namespace exchange {

namespace {
constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
}

bool NextLine(std::string_view& rest, std::string_view& line) {
    if (rest.empty()) return false;
    std::size_t end = rest.find('\n');
    if (end == std::string_view::npos) {
        line = rest;
        rest = {};
    } else {
        line = rest.substr(0, end);
        rest.remove_prefix(end + 1);
    }
    return true;
}

std::string_view TrimTrailingWhiteSpace(std::string_view text) {
    std::size_t end = text.size();
    while (end > 0 && platform::IsAnsiSpace(text[end - 1])) --end;
    return text.substr(0, end);
}

std::string_view TrimWhiteSpace(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size() && platform::IsAnsiSpace(text[begin])) ++begin;
    return TrimTrailingWhiteSpace(text.substr(begin));
}

std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to,
                       Case letters) {
    if (from.empty()) return std::string(text);
    std::string out;
    out.reserve(text.size());
    std::size_t done = 0;
    for (std::size_t at = 0; at + from.size() <= text.size();) {
        std::string_view here = text.substr(at, from.size());
        if (letters == Case::kMatters ? here == from : StartsWithNoCase(here, from)) {
            out.append(text.substr(done, at - done)).append(to);
            at = done = at + from.size();
        } else {
            ++at;
        }
    }
    out.append(text.substr(done));
    return out;
}

bool SkipByteOrderMark(std::string_view& text) {
    if (text.substr(0, kUtf8ByteOrderMark.size()) != kUtf8ByteOrderMark) return false;
    text.remove_prefix(kUtf8ByteOrderMark.size());
    return true;
}

}  // namespace exchange
