// Small pieces of HTML as bookmark files use it: tags with attributes and
// character references. Tag and attribute names are compared ignoring case.
#pragma once

#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace exchange {

// Whether a tag `name` starts at `at`: '<', the name, then '>', '/', white
// space or the end of the text.
bool IsTag(std::string_view text, std::size_t at, std::string_view name);

// Position of the '>' that ends the tag opened at `at`; a '>' inside a quoted
// attribute value does not end it. npos when the text ends first.
std::size_t TagEnd(std::string_view text, std::size_t at);

// The value of attribute `name` in `tag` (from its '<' to its '>' or to the
// end of an unfinished tag), without quotes.
bool FindAttribute(std::string_view tag, std::string_view name, std::string_view& value);

// Decodes the references &amp; &lt; &gt; &quot; &apos; &nbsp; and &#...;
// (decimal or hexadecimal) into code-page text, in one pass: "&amp;lt;"
// becomes "&lt;". Anything else after an '&' stays as it is.
std::string DecodeCharacterReferences(std::string_view text, const platform::CodePage& codePage);

// `text` with '&', '<', '>' and '"' written as references, so that no text can
// open a tag or end an attribute and every text decodes back unchanged.
std::string EncodeCharacterReferences(std::string_view text);

bool StartsWithNoCase(std::string_view text, std::string_view prefix);
bool ContainsNoCase(std::string_view text, std::string_view part);
bool EndsWithNoCase(std::string_view text, std::string_view suffix);

}  // namespace exchange
