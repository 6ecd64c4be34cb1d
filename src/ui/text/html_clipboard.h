// The "HTML Format" data the window puts on the clipboard and offers when a
// title is dragged out: a description header (version and the byte offsets
// of the document and of the fragment in it) followed by a small document
// whose body holds the fragment between the start and end comments. The
// format is UTF-8 by definition, so the fragment is converted from the list's
// code page. Portable: the unit tests check it natively.
#pragma once

#include <string>
#include <string_view>

#include "platform/code_page.h"

namespace ui {

// A title as a link: the URL and the title exactly as stored, not escaped.
std::string HtmlLink(std::string_view url, std::string_view title);

// The whole block (without the zero byte that ends it in memory).
std::string HtmlClipboardData(std::string_view ansiFragment, const platform::CodePage& cp);

}  // namespace ui
