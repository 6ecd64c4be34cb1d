#include "model/typed_text.h"

#include "model/title_text.h"

namespace {

// The reader trims each line before it looks at its beginning; leading
// white space is single-byte in every code page.
std::string_view TrimmedStart(std::string_view text) {
    const std::size_t start = text.find_first_not_of(" \t\r\n\v\f");
    return start == std::string_view::npos ? std::string_view() : text.substr(start);
}

bool StartsWith(std::string_view text, std::string_view prefix) {
    return text.substr(0, prefix.size()) == prefix;
}

}  // namespace

TypedTextClash NameClash(std::string_view name) {
    return StartsWith(TrimmedStart(name), "---") ? TypedTextClash::kSeparator : TypedTextClash::kNone;
}

TypedTextClash UrlClash(std::string_view url) {
    const std::string_view text = TrimmedStart(url);
    if (StartsWith(text, "---")) return TypedTextClash::kSeparator;
    if (StartsWith(text, kAliasPrefix)) return TypedTextClash::kAlias;
    if (text.size() >= 3 && text[0] == '<' && text[2] == '>') return TypedTextClash::kLevelLine;
    return TypedTextClash::kNone;
}
