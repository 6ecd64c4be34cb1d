#include "platform/code_page.h"

#include <cstdint>

namespace platform {

bool CodePage::HasLeadBytes() const {
    for (int byte = 0x80; byte < 0x100; ++byte)
        if (IsLeadByte(static_cast<unsigned char>(byte))) return true;
    return false;
}

std::string_view Trim(std::string_view text, const CodePage& cp) {
    if (!cp.HasLeadBytes()) return TrimSingleByte(text);
    std::size_t begin = 0;
    while (begin < text.size() && IsAnsiSpace(text[begin])) ++begin;
    // White space bytes are all below 0x40 and so never trail bytes, but a
    // lead byte at the very end must not be split from nothing: walk forward.
    std::size_t end = begin;
    for (std::size_t i = begin; i < text.size();) {
        unsigned char c = static_cast<unsigned char>(text[i]);
        std::size_t width = (cp.IsLeadByte(c) && i + 1 < text.size()) ? 2 : 1;
        if (width == 2 || !IsAnsiSpace(text[i])) end = i + width;
        i += width;
    }
    return text.substr(begin, end - begin);
}

std::size_t FindAtCharBoundary(std::string_view haystack, std::string_view needle,
                               const CodePage& cp) {
    return TextSearch(needle, cp).FindIn(haystack);
}

TextSearch::TextSearch(std::string_view needle, const CodePage& cp)
    : needle_(needle), searcher_(needle_.begin(), needle_.end()), cp_(cp) {}

std::size_t TextSearch::FindIn(std::string_view haystack) const {
    if (needle_.empty()) return 0;
    // Byte matches are found by the skipping search; only the text up to a
    // match is walked character by character to see whether it starts one.
    std::size_t boundary = 0;
    for (auto from = haystack.begin();;) {
        auto match = searcher_(from, haystack.end()).first;
        if (match == haystack.end()) return std::string_view::npos;
        auto at = static_cast<std::size_t>(match - haystack.begin());
        while (boundary < at)
            boundary += (cp_.IsLeadByte(static_cast<unsigned char>(haystack[boundary])) &&
                         boundary + 1 < haystack.size()) ? 2 : 1;
        if (boundary == at) return at;
        from = match + 1;
    }
}

void AppendUtf8(std::string& out, std::uint32_t u) {
    if (u < 0x80) {
        out += static_cast<char>(u);
    } else if (u < 0x800) {
        out += static_cast<char>(0xC0 | (u >> 6));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else if (u < 0x10000) {
        out += static_cast<char>(0xE0 | (u >> 12));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (u >> 18));
        out += static_cast<char>(0x80 | ((u >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (u & 0x3F));
    }
}

namespace {

// Unicode values of Windows-1252 bytes 0x80-0x9F; the five bytes the code
// page leaves undefined map to the C1 control of the same value, as Windows does.
constexpr std::uint16_t kHigh1252[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

std::uint32_t Unicode1252(unsigned char c) {
    return (c >= 0x80 && c < 0xA0) ? kHigh1252[c - 0x80] : c;
}

int Byte1252(std::uint32_t u) {
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) return static_cast<int>(u);
    for (int i = 0; i < 32; ++i)
        if (kHigh1252[i] == u) return 0x80 + i;
    return -1;
}

constexpr unsigned char LowerOne1252(unsigned char c) {
    if (c >= 'A' && c <= 'Z') return c + 32;
    if (c >= 0xC0 && c <= 0xDE && c != 0xD7) return c + 32;
    switch (c) {
        case 0x8A: return 0x9A;  // S caron
        case 0x8C: return 0x9C;  // OE
        case 0x8E: return 0x9E;  // Z caron
        case 0x9F: return 0xFF;  // Y diaeresis
        default: return c;
    }
}

// Find and sort lower every byte of a whole list: one table look-up each.
struct LowerTable1252 {
    unsigned char bytes[256] = {};
    constexpr LowerTable1252() {
        for (int c = 0; c < 256; ++c) bytes[c] = LowerOne1252(static_cast<unsigned char>(c));
    }
};
constexpr LowerTable1252 kLower1252;

unsigned char Lower1252(unsigned char c) { return kLower1252.bytes[c]; }

class Windows1252Page final : public CodePage {
public:
    unsigned Number() const override { return 1252; }
    std::string CharsetName() const override { return "windows-1252"; }
    bool IsLeadByte(unsigned char) const override { return false; }
    bool HasLeadBytes() const override { return false; }
    std::string Lower(std::string_view text) const override {
        std::string out(text);
        for (char& c : out) c = static_cast<char>(Lower1252(static_cast<unsigned char>(c)));
        return out;
    }
    int CompareNoCase(std::string_view a, std::string_view b) const override {
        std::size_t n = a.size() < b.size() ? a.size() : b.size();
        for (std::size_t i = 0; i < n; ++i) {
            int ca = Lower1252(static_cast<unsigned char>(a[i]));
            int cb = Lower1252(static_cast<unsigned char>(b[i]));
            if (ca != cb) return ca < cb ? -1 : 1;
        }
        return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
    }
    std::string ToUtf8(std::string_view ansi) const override {
        std::string out;
        out.reserve(ansi.size() + ansi.size() / 8);
        for (char c : ansi) AppendUtf8(out, Unicode1252(static_cast<unsigned char>(c)));
        return out;
    }
    std::string FromUtf8(std::string_view utf8) const override {
        std::string out;
        out.reserve(utf8.size());
        for (std::size_t i = 0; i < utf8.size();) {
            unsigned char c = static_cast<unsigned char>(utf8[i]);
            std::size_t len = c < 0x80 ? 1 : (c >> 5) == 6 ? 2 : (c >> 4) == 14 ? 3
                            : (c >> 3) == 30 ? 4 : 0;
            std::uint32_t u = len == 2 ? (c & 0x1F) : len == 3 ? (c & 0x0F) : (c & 0x07);
            bool valid = len != 0 && i + len <= utf8.size();
            for (std::size_t k = 1; valid && k < len; ++k) {
                unsigned char t = static_cast<unsigned char>(utf8[i + k]);
                valid = (t & 0xC0) == 0x80;
                u = (u << 6) | (t & 0x3F);
            }
            if (!valid) {  // a stray byte stands for one unknown character
                out += '?';
                ++i;
                continue;
            }
            if (len == 1) u = c;
            int b = Byte1252(u);
            out += b < 0 ? '?' : static_cast<char>(b);
            i += len;
        }
        return out;
    }
};

}  // namespace

const CodePage& Windows1252() {
    static const Windows1252Page page;
    return page;
}

}  // namespace platform
