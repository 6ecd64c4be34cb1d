#include "exchange/text_conversion.h"

namespace {

constexpr std::string_view kNoteBreak = "\\n";
constexpr std::string_view kHotlistBreak = "\x02\x02";
constexpr std::uint32_t kReplacement = 0xFFFD;

// Length of the sequence a lead byte starts, 0 for a byte that starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0xC0) return 0;
    if (lead < 0xE0) return 2;
    if (lead < 0xF0) return 3;
    if (lead < 0xF8) return 4;
    if (lead < 0xFC) return 5;
    if (lead < 0xFE) return 6;
    return 0;
}

bool EncodesCharacter(std::uint32_t u, std::size_t length) {
    static const std::uint32_t kSmallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (length > 4 || u > 0x10FFFF) return false;
    if (u >= 0xD800 && u <= 0xDFFF) return false;
    return u >= kSmallest[length];  // an overlong form hides its character
}

// Calls `ascii(at)` at each ASCII byte (it returns how many bytes it took)
// and `character(u)` for each other character; a sequence that encodes no
// character gives the replacement character, a broken one nothing.
template <typename Ascii, typename Character>
void DecodeUtf8(std::string_view utf8, Ascii&& ascii, Character&& character) {
    std::size_t i = 0;
    while (i < utf8.size()) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            i += ascii(i);
            continue;
        }
        std::size_t length = SequenceLength(c);
        bool complete = length != 0 && i + length <= utf8.size();
        std::uint32_t u = length ? (c & (0x7Fu >> length)) : 0;
        for (std::size_t k = 1; complete && k < length; ++k) {
            unsigned char t = static_cast<unsigned char>(utf8[i + k]);
            complete = (t & 0xC0) == 0x80;
            u = (u << 6) | (t & 0x3F);
        }
        if (!complete) {
            ++i;
            continue;
        }
        character(EncodesCharacter(u, length) ? u : kReplacement);
        i += length;
    }
}

// Most text of a foreign file is ASCII, which every code page keeps as it is.
bool IsPlainAscii(std::string_view text, BreakMarks marks) {
    for (char c : text)
        if (static_cast<unsigned char>(c) >= 0x80 || (c == kHotlistBreak[0] && marks == BreakMarks::kConvert))
            return false;
    return true;
}

}  // namespace

std::string AnsiToUtf8(std::string_view ansi, const platform::CodePage& codePage,
                       BreakMarks marks) {
    std::string out;
    out.reserve(ansi.size() + ansi.size() / 8);
    std::size_t run = 0;  // start of the characters not yet converted
    auto flush = [&](std::size_t end) {
        if (end > run) out += codePage.ToUtf8(ansi.substr(run, end - run));
    };
    std::size_t i = 0;
    while (i < ansi.size()) {
        if (marks == BreakMarks::kConvert && ansi.compare(i, kNoteBreak.size(), kNoteBreak) == 0) {
            flush(i);
            out += kHotlistBreak;
            i += kNoteBreak.size();
            run = i;
        } else if (codePage.IsLeadByte(static_cast<unsigned char>(ansi[i]))) {
            if (i + 1 == ansi.size()) {
                flush(i);
                run = ansi.size();
                break;
            }
            i += 2;
        } else {
            ++i;
        }
    }
    flush(ansi.size());
    return out;
}

std::string Utf8ToAnsi(std::string_view utf8, const platform::CodePage& codePage,
                       BreakMarks marks) {
    if (IsPlainAscii(utf8, marks)) return std::string(utf8);
    // First into valid UTF-8, which every code-page conversion takes as it is.
    std::string valid;
    valid.reserve(utf8.size());
    DecodeUtf8(
        utf8,
        [&](std::size_t at) -> std::size_t {
            if (marks == BreakMarks::kConvert && utf8.compare(at, kHotlistBreak.size(), kHotlistBreak) == 0) {
                valid += kNoteBreak;
                return kHotlistBreak.size();
            }
            valid += utf8[at];
            return 1;
        },
        [&](std::uint32_t u) { platform::AppendUtf8(valid, u); });
    return codePage.FromUtf8(valid);
}

std::string Utf8UrlToAnsi(std::string_view utf8, const platform::CodePage& codePage) {
    static const char kHex[] = "0123456789ABCDEF";
    if (IsPlainAscii(utf8, BreakMarks::kKeep)) return std::string(utf8);
    std::string url;
    url.reserve(utf8.size());
    DecodeUtf8(
        utf8,
        [&](std::size_t at) -> std::size_t {
            url += utf8[at];
            return 1;
        },
        [&](std::uint32_t u) {
            std::string character;
            platform::AppendUtf8(character, u);
            std::string ansi = codePage.FromUtf8(character);
            // A character that does not come back unchanged was replaced or
            // approximated by the conversion.
            if (codePage.ToUtf8(ansi) == character) {
                url += ansi;
                return;
            }
            for (unsigned char byte : character) url.append({'%', kHex[byte >> 4], kHex[byte & 15]});
        });
    return url;
}

std::string CodePointToAnsi(std::uint32_t codePoint, const platform::CodePage& codePage) {
    if (codePoint >= 0xD800 && codePoint <= 0xDFFF) codePoint = kReplacement;
    if (codePoint == 0 || codePoint > 0x10FFFF) codePoint = kReplacement;
    std::string utf8;
    platform::AppendUtf8(utf8, codePoint);
    return codePage.FromUtf8(utf8);
}
