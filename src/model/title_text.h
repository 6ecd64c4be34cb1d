// The text of a title line: URL TAB title, then tagged fields
// (TAB 0xA6 '@' last visited, '+' note, '?' log-in name, '#' alias number).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

inline constexpr char kFieldTag = '\xA6';
inline constexpr std::string_view kAliasPrefix = "alias:";

// Builds a title text in the writer's canonical field order and padding.
// The note may be given raw or escaped: raw TAB, CR and LF are escaped.
std::string ComposeTitleText(std::string_view url, std::string_view title,
                             std::int64_t lastVisited, std::string_view note,
                             std::string_view logIn, long aliasNumber);

std::string_view TitleUrl(std::string_view text);
std::string_view TitleName(std::string_view text);
std::int64_t LastVisited(std::string_view text);  // 0 when absent
// The note as stored (escaped), or with each backslash-n turned into CR LF.
std::string TitleNote(std::string_view text, bool unescape = false);
std::string_view TitleLogIn(std::string_view text);
// For an alias line the number after "alias:", else the '#' field, else 0.
long AliasNumber(std::string_view text);

// The same title text without its '#' field, in canonical form.
std::string WithoutAliasNumber(std::string_view text);
// The same title text carrying `aliasNumber` in its '#' field.
std::string WithAliasNumber(std::string_view text, long aliasNumber);
// The positive number n for which WithAliasNumber(text, n) gives `text` back,
// told from one pass over its fields; 0 when there is none, which may also
// mean only that the fields are unusual.
long WrittenAliasNumber(std::string_view text);

std::string EscapeNote(std::string_view raw);
std::string UnescapeNote(std::string_view escaped);

// "<1>name" for a category (level 0), "<2>name" for a subcategory (level 1).
std::string FormatLevelLine(std::string_view name, int level);

// What the writer puts before the text of a line: a TAB per level, and the
// level marker for categories and subcategories.
inline std::string_view ListLinePrefix(int level) {
    static constexpr std::string_view kPrefixes[] = {"<1>", "\t<2>", "\t\t"};
    return kPrefixes[level < 2 ? level : 2];
}
inline constexpr std::string_view kLineEnd = "\r\n";

// Appends one line of a list file as the writer lays it out: the prefix, the
// text (a separator's is 60 hyphens) and CR LF.
void AppendListLine(std::string& out, int level, std::string_view text, bool separator);

// Leading signed decimal digits; saturates instead of overflowing.
std::int64_t ParseSignedDecimal(std::string_view digits);
