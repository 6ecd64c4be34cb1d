// Any bytes read as a hotlist give a well-formed list file, and any text the
// hotlist conversion makes comes back from UTF-8 unchanged.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "exchange/opera_hotlist.h"
#include "exchange/text_conversion.h"
#include "list_text_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const platform::CodePage& page = platform::Windows1252();
    std::string list;
    if (OperaToList(bytes, page, list)) CheckListText(list);

    std::string ansi = Utf8ToAnsi(bytes, page, BreakMarks::kKeep);
    if (Utf8ToAnsi(AnsiToUtf8(ansi, page, BreakMarks::kKeep), page, BreakMarks::kKeep) != ansi) std::abort();
    return 0;
}
