// The ANSI code page: all text of the core is bytes in this code page.
// Everything that depends on which code page it is sits behind this seam.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace platform {

class CodePage {
public:
    virtual ~CodePage() = default;
    virtual unsigned Number() const = 0;  // e.g. 1252
    // Name for a charset declaration, e.g. "windows-1252", "shift_jis".
    virtual std::string CharsetName() const = 0;
    virtual bool IsLeadByte(unsigned char byte) const = 0;
    // False for single-byte code pages, whose text needs no character walk.
    virtual bool HasLeadBytes() const;
    // Lower-cases letters; double-byte characters are kept as units.
    virtual std::string Lower(std::string_view text) const = 0;
    // <0, 0, >0 like strcmp, ignoring case.
    virtual int CompareNoCase(std::string_view a, std::string_view b) const = 0;
    // Conversions; characters the target lacks become its default character.
    virtual std::string ToUtf8(std::string_view ansi) const = 0;
    virtual std::string FromUtf8(std::string_view utf8) const = 0;
};

// The system's ANSI code page (Windows-1252 behaviour on other platforms).
const CodePage& AnsiCodePage();

// Whether the command line and the console speak UTF-8 rather than the ANSI
// code page: so on POSIX systems, whose locales are UTF-8; not on Windows,
// which hands console programs their arguments in the ANSI code page.
bool ConsoleSpeaksUtf8();

// Windows-1252, available on every platform (tests and native builds).
const CodePage& Windows1252();

// Appends one Unicode character as UTF-8.
void AppendUtf8(std::string& out, std::uint32_t codePoint);

// Space, TAB, CR, LF, vertical tab, form feed.
inline bool IsAnsiSpace(char c) {
    return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\v' || c == '\f';
}

// Trims white space on both sides, stepping over double-byte characters.
std::string_view Trim(std::string_view text, const CodePage& cp);
// The same for a code page without lead bytes: from both ends.
inline std::string_view TrimSingleByte(std::string_view text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && IsAnsiSpace(text[begin])) ++begin;
    while (end > begin && IsAnsiSpace(text[end - 1])) --end;
    return std::string_view(text.data() + begin, end - begin);  // within bounds: no substr check
}

// Byte offset of `needle` in `haystack` at a character boundary, or npos.
std::size_t FindAtCharBoundary(std::string_view haystack, std::string_view needle,
                               const CodePage& cp);

// The same search prepared once for one needle and many haystacks (Find
// runs it over every line of a list).
class TextSearch {
public:
    TextSearch(std::string_view needle, const CodePage& cp);
    TextSearch(const TextSearch&) = delete;  // the searcher points into needle_
    TextSearch& operator=(const TextSearch&) = delete;
    std::size_t FindIn(std::string_view haystack) const;

private:
    const std::string needle_;
    const std::boyer_moore_horspool_searcher<std::string::const_iterator> searcher_;
    const CodePage& cp_;
};

}  // namespace platform
