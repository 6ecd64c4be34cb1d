// Any bytes read as a bookmark file give a well-formed list file.
#include <cstdint>
#include <string_view>

#include "exchange/netscape_bookmarks.h"
#include "list_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view html(reinterpret_cast<const char*>(data), size);
    CheckListText(NetscapeToList(html, platform::Windows1252()));
    return 0;
}
