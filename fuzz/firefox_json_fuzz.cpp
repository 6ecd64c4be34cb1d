// Any bytes read as a Firefox bookmarks backup give a well-formed list file
// or are refused; none crashes the reader or nests it out of its stack.
#include <cstdint>
#include <string>
#include <string_view>

#include "exchange/json_bookmarks.h"
#include "list_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string list;
    if (FirefoxJsonToList(std::string_view(reinterpret_cast<const char*>(data), size), platform::Windows1252(), list))
        CheckListText(list);
    return 0;
}
