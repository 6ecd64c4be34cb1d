// Writing an open list as a bookmark file.
#include "exchange/html_text.h"
#include "exchange/list_walk.h"
#include "exchange/netscape_bookmarks.h"
#include "exchange/text_lines.h"
#include "exchange/whole_file.h"

namespace {

using exchange::EncodeCharacterReferences;

// The reader trims every line, so white space that ends a note is written as
// a reference.
std::string NoteText(std::string_view note) {
    std::string text = exchange::ReplaceAll(EncodeCharacterReferences(note), "\\n", "<br>");
    if (!text.empty() && platform::IsAnsiSpace(text.back())) {
        unsigned char last = static_cast<unsigned char>(text.back());
        text.back() = '&';
        text += "#" + std::to_string(last) + ";";
    }
    return text;
}

}  // namespace

std::string ListToNetscape(const CUrlListFile& list, std::string_view listName, std::int64_t now) {
    const std::string date = std::to_string(now);
    const std::string title = EncodeCharacterReferences(listName);
    std::string out = "<!DOCTYPE NETSCAPE-Bookmark-file-1>\r\n";
    // Without it browsers take the names for their own default encoding.
    out += "<META HTTP-EQUIV=\"Content-Type\" CONTENT=\"text/html; charset=" +
           list.Environment().codePage->CharsetName() + "\">\r\n";
    out += "<title>" + title + "</title>\r\n<h1>" + title + "</h1>\r\n\r\n<dl><p>\r\n";
    int openFolders = 0;
    exchange::ForEachExportItem(list, [&](const exchange::ExportItem& item) {
        std::string name = EncodeCharacterReferences(item.name);
        if (item.level < kTitle) {
            for (; openFolders > item.level; --openFolders) out += "</dl><p>\r\n";
            if (name.empty()) {
                out += "<hr>\r\n";
            } else {
                out += "<dt><h3 FOLDED ADD_DATE=\"" + date + "\">" + name + "</h3>\r\n<dl><p>\r\n";
                ++openFolders;
            }
        } else if (item.separator) {
            out += "<hr>\r\n";
        } else if (!name.empty()) {
            std::string visited = std::to_string(item.lastVisited);
            // Written as references, markup in any text (and a double quote in
            // a bookmarklet's URL) reads back as it was, in every reader.
            out += "        <dt><a href=\"" + EncodeCharacterReferences(item.url) +
                   "\" ADD_DATE=\"" + date +
                   "\" LAST_VISIT=\"" + visited + "\" LAST_MODIFIED=\"" + visited + "\">" + name +
                   "</a>\r\n";
            if (!item.note.empty()) out += "<dd>" + NoteText(item.note) + "\r\n";
        }
    });
    for (; openFolders >= 0; --openFolders) out += "</dl><p>\r\n";
    return out;
}

int ExportNetscape(const CUrlListFile& list, std::string_view listName, const std::string& target) {
    const ListEnvironment& env = list.Environment();
    return exchange::WriteWholeFile(*env.files, target, ListToNetscape(list, listName, env.clock->Now()));
}
