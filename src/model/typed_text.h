// Typed names and URLs against the list file's line kinds. The file has no
// escape: a line is a separator when its text begins with "---", an alias
// when a title line begins with "alias:", and a category or subcategory when
// it begins with "<", any byte, ">". A name or URL typed that way would read
// back as something else, so the editors refuse it before it is stored.
#pragma once

#include <string_view>

enum class TypedTextClash {
    kNone,
    kSeparator,  // begins with "---"
    kAlias,      // a URL that begins with "alias:"
    kLevelLine,  // a URL that begins with "<", a byte, ">"
};

// What a category or subcategory name would read back as. (Its line carries
// the level marker in front, so only "---" clashes.)
TypedTextClash NameClash(std::string_view name);
// What a title's URL would read back as: the URL opens the title's line.
// (The title itself follows a TAB and cannot clash.)
TypedTextClash UrlClash(std::string_view url);
