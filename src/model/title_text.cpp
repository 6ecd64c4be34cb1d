#include "model/title_text.h"

#include <charconv>
#include <limits>

namespace {

// Tagged fields start at the second TAB: fields 1 and 2 are positional,
// so a title that happens to begin with 0xA6 is never read as a tag.
std::string_view TaggedPart(std::string_view text) {
    std::size_t first = text.find('\t');
    if (first == std::string_view::npos) return {};
    std::size_t second = text.find('\t', first + 1);
    if (second == std::string_view::npos) return {};
    return text.substr(second);
}

bool FindField(std::string_view text, char tag, std::string_view& value) {
    std::string_view tagged = TaggedPart(text);
    const char pattern[3] = {'\t', kFieldTag, tag};
    std::size_t at = tagged.find(std::string_view(pattern, 3));
    if (at == std::string_view::npos) return false;
    value = tagged.substr(at + 3);
    value = value.substr(0, value.find('\t'));
    return true;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Digits as std::to_string writes a nonzero number short enough to be read
// back without saturating.
bool IsWrittenNumber(std::string_view digits) {
    std::size_t i = !digits.empty() && digits[0] == '-' ? 1 : 0;
    if (digits.size() <= i || digits.size() - i > 18 || digits[i] == '0') return false;
    for (; i < digits.size(); ++i)
        if (!IsDigit(digits[i])) return false;
    return true;
}

// Takes `padding` TABs, then TAB 0xA6 `tag` and the value up to the next TAB
// off the front of `rest`.
bool TakeField(std::string_view& rest, std::size_t padding, char tag, std::string_view& value) {
    if (rest.size() < padding + 3 || rest.find_first_not_of('\t') < padding + 1 ||
        rest[padding + 1] != kFieldTag || rest[padding + 2] != tag)
        return false;
    rest.remove_prefix(padding + 3);
    value = rest.substr(0, rest.find('\t'));
    rest.remove_prefix(value.size());
    return true;
}

}  // namespace

std::int64_t ParseSignedDecimal(std::string_view digits) {
    std::size_t i = 0;
    while (i < digits.size() && (digits[i] == ' ' || digits[i] == '\t')) ++i;
    bool negative = false;
    if (i < digits.size() && (digits[i] == '-' || digits[i] == '+')) negative = digits[i++] == '-';
    const std::int64_t limit = std::numeric_limits<std::int64_t>::max();
    std::int64_t value = 0;
    for (; i < digits.size() && IsDigit(digits[i]); ++i) {
        int d = digits[i] - '0';
        if (value > (limit - d) / 10) return negative ? -limit : limit;
        value = value * 10 + d;
    }
    return negative ? -value : value;
}

std::string EscapeNote(std::string_view raw) {
    std::string out;
    out.reserve(raw.size());
    for (char c : raw) {
        if (c == '\t') out += "    ";
        else if (c == '\n') out += "\\n";
        else if (c != '\r') out += c;
    }
    return out;
}

std::string UnescapeNote(std::string_view escaped) {
    std::string out;
    out.reserve(escaped.size());
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        if (escaped[i] == '\\' && i + 1 < escaped.size() && escaped[i + 1] == 'n') {
            out += "\r\n";
            ++i;
        } else {
            out += escaped[i];
        }
    }
    return out;
}

std::string ComposeTitleText(std::string_view url, std::string_view title,
                             std::int64_t lastVisited, std::string_view note,
                             std::string_view logIn, long aliasNumber) {
    std::string text;
    text.reserve(url.size() + title.size() + note.size() + logIn.size() + 40);
    text.append(url).append(1, '\t').append(title);
    bool wroteTime = lastVisited != 0;
    if (wroteTime) text.append("\t\xA6@").append(std::to_string(lastVisited));
    std::string escaped = EscapeNote(note);
    bool wroteNote = !escaped.empty();
    if (wroteNote) text.append(wroteTime ? "" : "\t").append("\t\xA6+").append(escaped);
    if (!logIn.empty()) {
        text.append(wroteNote ? 0 : wroteTime ? 1 : 2, '\t').append("\t\xA6?").append(logIn);
    }
    if (aliasNumber != 0) text.append("\t\xA6#").append(std::to_string(aliasNumber));
    // A bare URL with an empty title would end in a TAB, which the reader
    // trims away: write what it will read back.
    if (text.size() == url.size() + 1) text.pop_back();
    return text;
}

std::string_view TitleUrl(std::string_view text) { return text.substr(0, text.find('\t')); }

std::string_view TitleName(std::string_view text) {
    std::size_t first = text.find('\t');
    if (first == std::string_view::npos) return {};
    std::string_view rest = text.substr(first + 1);
    return rest.substr(0, rest.find('\t'));
}

std::int64_t LastVisited(std::string_view text) {
    std::string_view value;
    if (FindField(text, '@', value)) return ParseSignedDecimal(value);
    // Older files wrote the time straight after the tag byte.
    std::string_view tagged = TaggedPart(text);
    for (std::size_t at = tagged.find("\t\xA6"); at != std::string_view::npos;
         at = tagged.find("\t\xA6", at + 1)) {
        if (at + 2 < tagged.size() && IsDigit(tagged[at + 2]))
            return ParseSignedDecimal(tagged.substr(at + 2));
    }
    return 0;
}

std::string TitleNote(std::string_view text, bool unescape) {
    std::string_view value;
    if (!FindField(text, '+', value)) return {};
    return unescape ? UnescapeNote(value) : std::string(value);
}

std::string_view TitleLogIn(std::string_view text) {
    std::string_view value;
    return FindField(text, '?', value) ? value : std::string_view();
}

long AliasNumber(std::string_view text) {
    std::string_view value;
    if (text.substr(0, kAliasPrefix.size()) == kAliasPrefix)
        value = text.substr(kAliasPrefix.size());
    else if (!FindField(text, '#', value))
        return 0;
    std::int64_t n = ParseSignedDecimal(value);
    const long limit = std::numeric_limits<long>::max();
    return n > limit ? limit : n < -limit ? -limit : static_cast<long>(n);
}

std::string WithAliasNumber(std::string_view text, long aliasNumber) {
    return ComposeTitleText(TitleUrl(text), TitleName(text), LastVisited(text),
                            TitleNote(text), TitleLogIn(text), aliasNumber);
}

std::string WithoutAliasNumber(std::string_view text) { return WithAliasNumber(text, 0); }

// The fields in the order and padding ComposeTitleText writes them, each
// value one it writes unchanged and reads back the same.
long WrittenAliasNumber(std::string_view text) {
    std::size_t first = text.find('\t');
    std::size_t second = first == std::string_view::npos ? first : text.find('\t', first + 1);
    if (second == std::string_view::npos) return 0;
    std::string_view rest = text.substr(second);
    std::string_view value;
    bool wroteTime = TakeField(rest, 0, '@', value);
    if (wroteTime && !IsWrittenNumber(value)) return 0;
    bool wroteNote = TakeField(rest, wroteTime ? 0 : 1, '+', value);
    if (wroteNote && (value.empty() || value.find_first_of("\r\n") != std::string_view::npos)) return 0;
    if (TakeField(rest, wroteNote ? 0 : wroteTime ? 1 : 2, '?', value) && value.empty()) return 0;
    if (!TakeField(rest, 0, '#', value) || !rest.empty() || !IsWrittenNumber(value) || value[0] == '-')
        return 0;
    long number = 0;
    const char* end = value.data() + value.size();
    return std::from_chars(value.data(), end, number).ptr == end ? number : 0;  // 0 beyond a long
}

std::string FormatLevelLine(std::string_view name, int level) {
    std::string line = "<";
    line += static_cast<char>('1' + level);
    line += '>';
    line.append(name);
    return line;
}

void AppendListLine(std::string& out, int level, std::string_view text, bool separator) {
    out.append(ListLinePrefix(level));
    if (separator)
        out.append(60, '-');
    else
        out.append(text);
    out.append(kLineEnd);
}
