// Any bytes read as an AOL cabinet are refused or give a well-formed list file.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/aol_favorites.h"
#include "list_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view cabinet(reinterpret_cast<const char*>(data), size);
    std::string list;
    int result = AolToList(cabinet, list);
    if (result == 0)
        CheckListText(list);
    else if (result != -1)
        std::abort();
    return 0;
}
