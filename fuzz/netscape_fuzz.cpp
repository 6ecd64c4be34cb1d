// Any bytes read as a bookmark file give a well-formed list file; and any
// names, URL and note a list can hold, written as a bookmark file, read back
// as they were.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "exchange/list_file_builder.h"
#include "exchange/list_walk.h"
#include "exchange/netscape_bookmarks.h"
#include "list_text_check.h"
#include "model/title_text.h"

namespace {

// The next piece of the input up to a NUL byte, as one line of a list file
// holds text: without TABs and line feeds.
std::string NextPiece(std::string_view& bytes) {
    std::size_t end = bytes.find('\0');
    std::string piece(bytes.substr(0, end));
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    for (char& c : piece)
        if (c == '\t' || c == '\n') c = ' ';
    return piece;
}

void CheckRoundTrip(std::string_view bytes, const platform::CodePage& page) {
    std::string category = NextPiece(bytes), subcategory = NextPiece(bytes), name = NextPiece(bytes),
                url = "http://x/" + NextPiece(bytes), note = NextPiece(bytes), listName = NextPiece(bytes);
    if (category.empty() || subcategory.empty() || name.empty()) return;  // separators are not folders
    ListEnvironment env;
    env.codePage = &page;
    CUrlListFile list(env);
    list.InsertBefore(0, category, kCategory);
    list.InsertBefore(0, subcategory, kSubcategory);
    // A log-in name after the note keeps white space at the note's end in the list.
    list.InsertBefore(0, ComposeTitleText(url, name, 1180000000, note, "x", 0), kTitle);

    exchange::CListFileBuilder expected;
    exchange::ForEachExportItem(list, [&](const exchange::ExportItem& item) {
        if (item.level == kTitle)
            expected.AddTitle(item.url, item.name, item.lastVisited, item.note);
        else
            expected.AddFolder(item.name, item.level);
    });
    if (NetscapeToList(ListToNetscape(list, listName, 0), page) != expected.Text()) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    CheckListText(NetscapeToList(bytes, platform::Windows1252()));
    CheckRoundTrip(bytes, platform::Windows1252());
    return 0;
}
